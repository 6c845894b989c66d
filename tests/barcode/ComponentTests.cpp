#include "Registration.h"
#include "strilux_com.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {
IStriluxCtrl *createControl()
{
    IStxClassFactory *factory = nullptr;
    EXPECT_EQ(DllGetClassObject(&CLSID_StriluxCtrl, &IID_IClassFactory, reinterpret_cast<void **>(&factory)), STX_S_OK);
    IStriluxCtrl *control = nullptr;
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IStriluxCtrl, reinterpret_cast<void **>(&control)), STX_S_OK);
    factory->Release();
    return control;
}

std::string take(char *text)
{
    std::string s = text ? text : "";
    StxFreeString(text);
    return s;
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}
}  // namespace

TEST(StriluxComponent, IsCreatedByClassIdAndCountsReferences)
{
    void *object = nullptr;
    EXPECT_EQ(DllGetClassObject(&CLSID_StriluxProperty, &IID_IClassFactory, &object), STX_CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(DllCanUnloadNow(), STX_S_OK);
    IStriluxCtrl *control = createControl();
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(DllCanUnloadNow(), STX_S_FALSE);

    IStxPersistStream *persist = nullptr;
    EXPECT_EQ(control->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void **>(&persist)), STX_S_OK);
    EXPECT_EQ(control->QueryInterface(IID_IClassFactory, &object), STX_E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(persist->Release(), 1u);
    EXPECT_EQ(control->Release(), 0u);
    EXPECT_EQ(DllCanUnloadNow(), STX_S_OK);
}

TEST(StriluxComponent, RefusesAggregation)
{
    IStxClassFactory *factory = nullptr;
    DllGetClassObject(&CLSID_StriluxCtrl, &IID_IClassFactory, reinterpret_cast<void **>(&factory));
    void *object = reinterpret_cast<void *>(1);
    EXPECT_EQ(factory->CreateInstance(reinterpret_cast<IStxUnknown *>(factory), IID_IStriluxCtrl, &object),
              STX_CLASS_E_NOAGGREGATION);
    EXPECT_EQ(object, nullptr);
    factory->LockServer(1);
    factory->Release();
    // A locked server stays loaded without any object alive.
    EXPECT_EQ(DllCanUnloadNow(), STX_S_FALSE);
    DllGetClassObject(&CLSID_StriluxCtrl, &IID_IClassFactory, reinterpret_cast<void **>(&factory));
    factory->LockServer(0);
    factory->Release();
    EXPECT_EQ(DllCanUnloadNow(), STX_S_OK);
}

TEST(StriluxComponent, PropertiesWorkThroughTheInterface)
{
    IStriluxCtrl *c = createControl();
    std::int32_t n = 0;
    c->put_Type(12);
    c->get_ErrorNumber(&n);
    EXPECT_EQ(n, 5005);
    char *text = nullptr;
    c->get_ErrorMessage(&text);
    EXPECT_EQ(take(text), "Typeの設定に失敗しました。");
    c->put_Type(1);
    c->get_GetCheckChar("490123456789", &text);
    EXPECT_EQ(take(text), "4");
    StxSize size{};
    c->get_GetSize(0, &size);
    EXPECT_EQ(size.cx, 37290);

    IStxFont *font = StxCreateFont("IPAGothic", 1, 0);
    c->putref_Font(font);
    font->Release();
    c->get_Font(&font);
    font->get_Name(&text);
    EXPECT_EQ(take(text), "IPAGothic");
    font->Release();

    std::int32_t id = 0;
    EXPECT_EQ(c->GetIDsOfNames("GetEnhMetaFile", &id), STX_S_OK);
    EXPECT_EQ(id, 6);
    EXPECT_EQ(c->GetIDsOfNames("BackColor", &id), STX_S_OK);
    EXPECT_EQ(id, -501);
    EXPECT_EQ(c->GetIDsOfNames("Nothing", &id), STX_E_INVALIDARG);
    c->Release();
}

TEST(StriluxComponent, DpiTakesNumbersTextsAndHostObjects)
{
    struct Host final : IStxHostObject
    {
        StxResult QueryInterface(const StxGuid &, void **) override { return STX_E_NOINTERFACE; }
        std::uint32_t AddRef() override { return 1; }
        std::uint32_t Release() override { return 1; }
        StxResult get_ScaleMode(std::int32_t *m) override
        {
            *m = 6;
            return STX_S_OK;
        }
        StxResult get_hDC(std::intptr_t *dc) override
        {
            *dc = 7;
            return STX_S_OK;
        }
        StxResult GetDeviceResolution(std::int32_t *x, std::int32_t *y) override
        {
            *x = 600;
            *y = 300;
            return STX_S_OK;
        }
    } host;
    IStriluxCtrl *c = createControl();
    StxVariant v{STX_VT_STRING, 0, 0, "200", nullptr};
    c->put_DpiX(&v);
    StxVariant out{};
    c->get_DpiX(&out);
    EXPECT_EQ(out.intValue, 200);
    v = {STX_VT_I2, 50, 0, nullptr, nullptr};
    c->put_DpiY(&v);
    c->get_DpiY(&out);
    EXPECT_EQ(out.intValue, 96);
    v = {STX_VT_OBJECT, 0, 0, nullptr, &host};
    c->put_DpiY(&v);
    c->get_DpiY(&out);
    EXPECT_EQ(out.intValue, 300);
    // The host's scale mode (millimetres) is now the measure of Width.
    c->put_Type(1);
    double width = 0;
    c->get_Width(&width);
    EXPECT_DOUBLE_EQ(width, 37.29);
    c->Release();
}

TEST(StriluxComponent, OffersDisplayNamesForPropertyBrowsers)
{
    IStriluxCtrl *c = createControl();
    IStxPerPropertyBrowsing *browsing = nullptr;
    ASSERT_EQ(c->QueryInterface(IID_IPerPropertyBrowsing, reinterpret_cast<void **>(&browsing)), STX_S_OK);
    char *name = nullptr;
    std::int32_t value = -1;
    EXPECT_EQ(browsing->GetPredefinedString(7, 11, &name, &value), STX_S_OK);
    EXPECT_EQ(take(name), "ｶｽﾀﾏﾊﾞｰｺｰﾄﾞ");
    EXPECT_EQ(value, 11);
    EXPECT_EQ(browsing->GetPredefinedString(8, 1, &name, &value), STX_S_OK);
    EXPECT_EQ(take(name), " 90°回転");
    EXPECT_EQ(browsing->GetPredefinedString(50, 7, &name, &value), STX_S_OK);
    EXPECT_EQ(take(name), "ﾙｰﾝｽﾞ(ﾓｼﾞｭﾗｽ10ｳｴｲﾄ2)");
    EXPECT_EQ(browsing->GetPredefinedString(12, 2, &name, &value), STX_S_FALSE);
    EXPECT_EQ(browsing->GetPredefinedString(33, 0, &name, &value), STX_E_INVALIDARG);
    browsing->Release();
    c->Release();
}

TEST(StriluxComponent, PersistsThroughAByteStream)
{
    IStriluxCtrl *a = createControl();
    a->put_Type(10);
    a->put_CodeSet(3);
    a->put_Value("1234");
    IStxPersistStream *persist = nullptr;
    a->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void **>(&persist));
    EXPECT_EQ(persist->IsDirty(), STX_S_OK);
    std::int32_t length = 0;
    persist->Save(nullptr, 0, &length);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    EXPECT_EQ(persist->Save(bytes.data(), length, &length), STX_S_OK);
    persist->Release();
    a->Release();

    IStriluxCtrl *b = createControl();
    b->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void **>(&persist));
    EXPECT_EQ(persist->Load(bytes.data(), length), STX_S_OK);
    EXPECT_EQ(persist->IsDirty(), STX_S_FALSE);
    std::int32_t codeSet = 0;
    b->get_CodeSet(&codeSet);
    EXPECT_EQ(codeSet, 3);
    char *value = nullptr;
    b->get_Value(&value);
    EXPECT_EQ(take(value), "1234");
    persist->Release();
    b->Release();
}

TEST(StriluxComponent, RegistersInItsOwnFileAndUnregistersAgain)
{
    const auto dir = std::filesystem::temp_directory_path() / ("strilux-reg-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::string file = (dir / "classes.reg").string();
    {
        std::ofstream other(file);
        other << "[HKEY_CLASSES_ROOT\\Other.Thing]\n@=\"kept\"\n\n";
    }
    setenv("STRILUX_REGISTRY", file.c_str(), 1);
    EXPECT_EQ(strilux::registrationFile(), file);
    EXPECT_EQ(DllRegisterServer(), STX_S_OK);
    EXPECT_EQ(DllRegisterServer(), STX_S_OK);  // again: no duplicates
    const std::string registered = readFile(file);
    const std::string clsid = "{41E0D417-15E4-44AA-8207-4670BA844CF2}";
    EXPECT_NE(registered.find("[HKEY_CLASSES_ROOT\\Strilux.StriluxCtrl\\CurVer]\n@=\"Strilux.StriluxCtrl.1\""),
              std::string::npos);
    EXPECT_NE(registered.find("[HKEY_CLASSES_ROOT\\CLSID\\" + clsid + "\\InprocServer32]"), std::string::npos);
    EXPECT_NE(registered.find("\"ThreadingModel\"=\"Apartment\""), std::string::npos);
    EXPECT_NE(registered.find("\\MiscStatus\\1]\n@=\"131473\""), std::string::npos);
    EXPECT_NE(registered.find("Strilux.PDFRptProperty.1"), std::string::npos);
    EXPECT_EQ(registered.find("[HKEY_CLASSES_ROOT\\CLSID\\" + clsid + "]"),
              registered.rfind("[HKEY_CLASSES_ROOT\\CLSID\\" + clsid + "]"));
    EXPECT_EQ(DllUnregisterServer(), STX_S_OK);
    const std::string left = readFile(file);
    EXPECT_EQ(left.find("Strilux"), std::string::npos);
    EXPECT_NE(left.find("Other.Thing"), std::string::npos);
    unsetenv("STRILUX_REGISTRY");
    std::filesystem::remove_all(dir);
}

TEST(StriluxComponent, RegistrationNeverWritesThroughALink)
{
    const auto dir = std::filesystem::temp_directory_path() / ("strilux-reg-link-" + std::to_string(getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    {
        std::ofstream(dir / "victim.txt") << "precious";
    }
    const std::string file = (dir / "classes.reg").string();
    setenv("STRILUX_REGISTRY", file.c_str(), 1);
    // A link where a fixed temporary name would be is not followed.
    std::filesystem::create_symlink(dir / "victim.txt", file + ".part");
    EXPECT_EQ(DllRegisterServer(), STX_S_OK);
    EXPECT_EQ(readFile((dir / "victim.txt").string()), "precious");
    EXPECT_NE(readFile(file).find("Strilux.StriluxCtrl"), std::string::npos);
    // The registration file itself a link: refused, neither read nor replaced.
    std::filesystem::remove(file);
    std::filesystem::create_symlink(dir / "victim.txt", file);
    EXPECT_NE(DllRegisterServer(), STX_S_OK);
    EXPECT_NE(DllUnregisterServer(), STX_S_OK);
    EXPECT_TRUE(std::filesystem::is_symlink(file));
    EXPECT_EQ(readFile((dir / "victim.txt").string()), "precious");
    unsetenv("STRILUX_REGISTRY");
    std::filesystem::remove_all(dir);
}

TEST(StriluxComponent, KeepsEventSinksWithoutRaisingErrors)
{
    struct Sink final : IStxErrorEvents
    {
        int refs = 1, errors = 0;
        StxResult QueryInterface(const StxGuid &, void **) override { return STX_E_NOINTERFACE; }
        std::uint32_t AddRef() override { return std::uint32_t(++refs); }
        std::uint32_t Release() override { return std::uint32_t(--refs); }
        StxResult Error(std::int32_t *) override
        {
            ++errors;
            return STX_S_OK;
        }
    } sink, other;
    IStriluxCtrl *c = createControl();
    IStxConnectionPoint *point = nullptr;
    ASSERT_EQ(c->QueryInterface(IID_IConnectionPoint, reinterpret_cast<void **>(&point)), STX_S_OK);
    std::uint32_t cookie = 0, otherCookie = 0;
    EXPECT_EQ(point->Advise(&sink, &cookie), STX_S_OK);
    EXPECT_EQ(point->Advise(&other, &otherCookie), STX_S_OK);
    EXPECT_NE(cookie, otherCookie);
    EXPECT_EQ(sink.refs, 2);
    c->put_Type(12);
    EXPECT_EQ(sink.errors, 0);
    EXPECT_EQ(point->Unadvise(cookie), STX_S_OK);
    EXPECT_EQ(point->Unadvise(cookie), STX_E_INVALIDARG);
    EXPECT_EQ(sink.refs, 1);
    point->Release();
    c->Release();
    // The last reference lets go of the sinks still advised.
    EXPECT_EQ(other.refs, 1);
}

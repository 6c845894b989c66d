// The flat C interface: thin wrappers over IStriluxCtrl with ANSI texts.
#include "include/strilux.h"

#include "Cp932.h"
#include "Guarded.h"
#include "include/strilux_com.h"

#include <cstring>
#include <memory>
#include <string>

namespace {
IStriluxCtrl *ctrl(STRILUX_HANDLE h)
{
    return reinterpret_cast<IStriluxCtrl *>(h);
}

IStxPicture *pictureOf(STRILUX_PICTURE p)
{
    return reinterpret_cast<IStxPicture *>(p);
}

// The picture of StriluxGetEnhMetaFile; overwritten by the next call, never released.
IStxPicture *g_pictureSlot = nullptr;

template<auto Put, class T> int put(STRILUX_HANDLE h, T value)
{
    if (!ctrl(h))
        return 0;
    (ctrl(h)->*Put)(value);
    return 1;
}

template<auto Get, class T> T get(STRILUX_HANDLE h)
{
    T value{};
    if (ctrl(h))
        (ctrl(h)->*Get)(&value);
    return value;
}

int putText(STRILUX_HANDLE h, StxResult (IStriluxCtrl::*put)(const char *), const char *text)
{
    if (!ctrl(h))
        return 0;
    return strilux::guardedOr(0, [&] {
        (ctrl(h)->*put)(sorvik::cp932::toUtf8(text ? text : "").c_str());
        return 1;
    });
}

// Length of the ANSI text; copied with its terminating zero when a buffer is given.
int giveText(char *utf8, char *buffer)
{
    const std::unique_ptr<char, void (*)(char *)> owned(utf8, StxFreeString);
    return strilux::guardedOr(0, [&] {
        const std::string ansi = sorvik::cp932::fromUtf8(utf8 ? utf8 : "");
        if (buffer)
            std::memcpy(buffer, ansi.c_str(), ansi.size() + 1);
        return int(ansi.size());
    });
}

int getText(STRILUX_HANDLE h, StxResult (IStriluxCtrl::*get)(char **), char *buffer)
{
    if (!ctrl(h))
        return 0;
    char *text = nullptr;
    (ctrl(h)->*get)(&text);
    return giveText(text, buffer);
}

STRILUX_HENHMETAFILE metafileOf(IStxPicture *picture)
{
    void *handle = nullptr;
    if (picture)
        picture->get_Handle(&handle);
    return handle;
}

// Null when even the value could not be converted.
IStxPicture *newPicture(STRILUX_HANDLE h, const char *value)
{
    return strilux::guardedOr<IStxPicture *>(nullptr, [&] {
        IStxPicture *picture = nullptr;
        ctrl(h)->get_GetEnhMetaFile(sorvik::cp932::toUtf8(value ? value : "").c_str(), &picture);
        return picture;
    });
}
}  // namespace

STRILUX_EXPORT int StriluxCreate(intptr_t window, STRILUX_HANDLE *handle)
{
    if (!handle)
        return 0;
    *handle = nullptr;
    IStxClassFactory *factory = nullptr;
    if (DllGetClassObject(&CLSID_StriluxCtrl, &IID_IClassFactory, reinterpret_cast<void **>(&factory)) != STX_S_OK)
        return 0;
    IStriluxCtrl *control = nullptr;
    factory->CreateInstance(nullptr, IID_IStriluxCtrl, reinterpret_cast<void **>(&control));
    factory->Release();
    if (!control)
        return 0;
    // There are no child windows to take over here; a window is kept as the Parent.
    if (window)
        control->put_Parent(window);
    *handle = reinterpret_cast<STRILUX_HANDLE>(control);
    return 1;
}

STRILUX_EXPORT int StriluxRelease(STRILUX_HANDLE h)
{
    if (!ctrl(h))
        return 0;
    ctrl(h)->Release();
    return 1;
}

STRILUX_EXPORT STRILUX_HENHMETAFILE StriluxGetEnhMetaFile(STRILUX_HANDLE h, const char *value)
{
    if (!ctrl(h))
        return nullptr;
    g_pictureSlot = newPicture(h, value);
    return metafileOf(g_pictureSlot);
}

STRILUX_EXPORT STRILUX_PICTURE StriluxGetPictureDisp(void)
{
    return reinterpret_cast<STRILUX_PICTURE>(g_pictureSlot);
}

STRILUX_EXPORT void StriluxReleasePictureDisp(STRILUX_PICTURE picture)
{
    if (!picture)
        return;
    if (pictureOf(picture) == g_pictureSlot)
        g_pictureSlot = nullptr;
    pictureOf(picture)->Release();
}

STRILUX_EXPORT STRILUX_HENHMETAFILE StriluxGetEnhMetaFileI(STRILUX_HANDLE h, const char *value,
                                                           STRILUX_PICTURE *picture)
{
    if (!ctrl(h))
        return nullptr;
    IStxPicture *made = newPicture(h, value);
    if (!picture) {
        // Nobody to own it.
        if (made)
            made->Release();
        return nullptr;
    }
    *picture = reinterpret_cast<STRILUX_PICTURE>(made);
    return metafileOf(made);
}

STRILUX_EXPORT int StriluxGetPictureBits(STRILUX_PICTURE picture, unsigned char *buffer)
{
    if (!picture)
        return 0;
    std::int32_t length = 0;
    pictureOf(picture)->GetEmfBytes(nullptr, 0, &length);
    if (buffer)
        pictureOf(picture)->GetEmfBytes(buffer, length, &length);
    return length;
}

STRILUX_EXPORT int StriluxSavePicture(STRILUX_PICTURE picture, const char *path)
{
    return picture && path && pictureOf(picture)->SaveAsFile(path) == STX_S_OK ? 1 : 0;
}

STRILUX_EXPORT int StriluxGetCheckDigitChar(STRILUX_HANDLE h, const char *value, char *buffer)
{
    if (!ctrl(h))
        return 0;
    char *text = nullptr;
    const bool asked = strilux::guardedOr(false, [&] {
        ctrl(h)->get_GetCheckChar(sorvik::cp932::toUtf8(value ? value : "").c_str(), &text);
        return true;
    });
    return asked ? giveText(text, buffer) : 0;
}

STRILUX_EXPORT int StriluxPutType(STRILUX_HANDLE h, int v)
{
    return put<&IStriluxCtrl::put_Type>(h, v);
}
STRILUX_EXPORT int StriluxGetType(STRILUX_HANDLE h)
{
    return get<&IStriluxCtrl::get_Type, std::int32_t>(h);
}
STRILUX_EXPORT int StriluxPutRotate(STRILUX_HANDLE h, int v)
{
    return put<&IStriluxCtrl::put_Rotate>(h, v);
}
STRILUX_EXPORT int StriluxGetRotate(STRILUX_HANDLE h)
{
    return get<&IStriluxCtrl::get_Rotate, std::int32_t>(h);
}
STRILUX_EXPORT int StriluxPutUnit(STRILUX_HANDLE h, int v)
{
    return put<&IStriluxCtrl::put_Unit>(h, v);
}
STRILUX_EXPORT int StriluxGetUnit(STRILUX_HANDLE h)
{
    return get<&IStriluxCtrl::get_Unit, std::int32_t>(h);
}
STRILUX_EXPORT int StriluxPutCheckChar(STRILUX_HANDLE h, int v)
{
    return put<&IStriluxCtrl::put_CheckChar>(h, v);
}
STRILUX_EXPORT int StriluxGetCheckChar(STRILUX_HANDLE h)
{
    return get<&IStriluxCtrl::get_CheckChar, std::int32_t>(h);
}
STRILUX_EXPORT int StriluxPutMessage(STRILUX_HANDLE h, int v)
{
    return put<&IStriluxCtrl::put_Message>(h, v);
}
STRILUX_EXPORT int StriluxGetMessage(STRILUX_HANDLE h)
{
    return get<&IStriluxCtrl::get_Message, std::int32_t>(h);
}
STRILUX_EXPORT int StriluxPutFlatHeight(STRILUX_HANDLE h, int v)
{
    return put<&IStriluxCtrl::put_FlatHeight>(h, v);
}
STRILUX_EXPORT int StriluxGetFlatHeight(STRILUX_HANDLE h)
{
    return get<&IStriluxCtrl::get_FlatHeight, std::int32_t>(h);
}
STRILUX_EXPORT int StriluxPutCodeSet(STRILUX_HANDLE h, int v)
{
    return put<&IStriluxCtrl::put_CodeSet>(h, v);
}
STRILUX_EXPORT int StriluxGetCodeSet(STRILUX_HANDLE h)
{
    return get<&IStriluxCtrl::get_CodeSet, std::int32_t>(h);
}
STRILUX_EXPORT int StriluxPutBearer(STRILUX_HANDLE h, int v)
{
    return put<&IStriluxCtrl::put_Bearer>(h, v);
}
STRILUX_EXPORT int StriluxGetBearer(STRILUX_HANDLE h)
{
    return get<&IStriluxCtrl::get_Bearer, std::int32_t>(h);
}
STRILUX_EXPORT int StriluxPutBarColor(STRILUX_HANDLE h, int v)
{
    return put<&IStriluxCtrl::put_BarColor>(h, StxColor(v));
}
STRILUX_EXPORT int StriluxGetBarColor(STRILUX_HANDLE h)
{
    return int(get<&IStriluxCtrl::get_BarColor, StxColor>(h));
}
STRILUX_EXPORT int StriluxPutBackColor(STRILUX_HANDLE h, int v)
{
    return put<&IStriluxCtrl::put_BackColor>(h, StxColor(v));
}
STRILUX_EXPORT int StriluxGetBackColor(STRILUX_HANDLE h)
{
    return int(get<&IStriluxCtrl::get_BackColor, StxColor>(h));
}
STRILUX_EXPORT int StriluxPutBlackRatio(STRILUX_HANDLE h, int v)
{
    return put<&IStriluxCtrl::put_BlackRatio>(h, v);
}
STRILUX_EXPORT int StriluxGetBlackRatio(STRILUX_HANDLE h)
{
    return get<&IStriluxCtrl::get_BlackRatio, std::int32_t>(h);
}
STRILUX_EXPORT int StriluxPutZoom(STRILUX_HANDLE h, int v)
{
    return put<&IStriluxCtrl::put_Zoom>(h, v);
}
STRILUX_EXPORT int StriluxGetZoom(STRILUX_HANDLE h)
{
    return get<&IStriluxCtrl::get_Zoom, std::int32_t>(h);
}
STRILUX_EXPORT int StriluxPutCheckPattern(STRILUX_HANDLE h, int v)
{
    return put<&IStriluxCtrl::put_CheckPattern>(h, v);
}
STRILUX_EXPORT int StriluxGetCheckPattern(STRILUX_HANDLE h)
{
    return get<&IStriluxCtrl::get_CheckPattern, std::int32_t>(h);
}
STRILUX_EXPORT int StriluxPutDCMode(STRILUX_HANDLE h, int v)
{
    return put<&IStriluxCtrl::put_DCMode>(h, v);
}
STRILUX_EXPORT int StriluxGetDCMode(STRILUX_HANDLE h)
{
    return get<&IStriluxCtrl::get_DCMode, std::int32_t>(h);
}

STRILUX_EXPORT int StriluxPutBarHeight(STRILUX_HANDLE h, double v)
{
    return put<&IStriluxCtrl::put_BarHeight>(h, v);
}
STRILUX_EXPORT double StriluxGetBarHeight(STRILUX_HANDLE h)
{
    return get<&IStriluxCtrl::get_BarHeight, double>(h);
}
STRILUX_EXPORT int StriluxPutBarRatio(STRILUX_HANDLE h, double v)
{
    return put<&IStriluxCtrl::put_BarRatio>(h, v);
}
STRILUX_EXPORT double StriluxGetBarRatio(STRILUX_HANDLE h)
{
    return get<&IStriluxCtrl::get_BarRatio, double>(h);
}
STRILUX_EXPORT int StriluxPutBarWidth(STRILUX_HANDLE h, double v)
{
    return put<&IStriluxCtrl::put_BarWidth>(h, v);
}
STRILUX_EXPORT double StriluxGetBarWidth(STRILUX_HANDLE h)
{
    return get<&IStriluxCtrl::get_BarWidth, double>(h);
}
STRILUX_EXPORT int StriluxPutCharGap(STRILUX_HANDLE h, double v)
{
    return put<&IStriluxCtrl::put_CharGap>(h, v);
}
STRILUX_EXPORT double StriluxGetCharGap(STRILUX_HANDLE h)
{
    return get<&IStriluxCtrl::get_CharGap, double>(h);
}
STRILUX_EXPORT int StriluxPutCharHeight(STRILUX_HANDLE h, double v)
{
    return put<&IStriluxCtrl::put_CharHeight>(h, v);
}
STRILUX_EXPORT double StriluxGetCharHeight(STRILUX_HANDLE h)
{
    return get<&IStriluxCtrl::get_CharHeight, double>(h);
}
STRILUX_EXPORT int StriluxPutCharWidth(STRILUX_HANDLE h, double v)
{
    return put<&IStriluxCtrl::put_CharWidth>(h, v);
}
STRILUX_EXPORT double StriluxGetCharWidth(STRILUX_HANDLE h)
{
    return get<&IStriluxCtrl::get_CharWidth, double>(h);
}
STRILUX_EXPORT int StriluxPutElement(STRILUX_HANDLE h, double v)
{
    return put<&IStriluxCtrl::put_Element>(h, v);
}
STRILUX_EXPORT double StriluxGetElement(STRILUX_HANDLE h)
{
    return get<&IStriluxCtrl::get_Element, double>(h);
}
STRILUX_EXPORT int StriluxPutQuiet(STRILUX_HANDLE h, double v)
{
    return put<&IStriluxCtrl::put_Quiet>(h, v);
}
STRILUX_EXPORT double StriluxGetQuiet(STRILUX_HANDLE h)
{
    return get<&IStriluxCtrl::get_Quiet, double>(h);
}
STRILUX_EXPORT int StriluxPutPoint(STRILUX_HANDLE h, double v)
{
    return put<&IStriluxCtrl::put_Point>(h, v);
}
STRILUX_EXPORT double StriluxGetPoint(STRILUX_HANDLE h)
{
    return get<&IStriluxCtrl::get_Point, double>(h);
}

STRILUX_EXPORT int StriluxPutDpiX(STRILUX_HANDLE h, int dpi)
{
    const StxVariant v{STX_VT_I4, dpi, 0.0, nullptr, nullptr};
    return put<&IStriluxCtrl::put_DpiX>(h, &v);
}

STRILUX_EXPORT int StriluxPutDpiY(STRILUX_HANDLE h, int dpi)
{
    const StxVariant v{STX_VT_I4, dpi, 0.0, nullptr, nullptr};
    return put<&IStriluxCtrl::put_DpiY>(h, &v);
}

STRILUX_EXPORT int StriluxGetDpiX(STRILUX_HANDLE h)
{
    return get<&IStriluxCtrl::get_DpiX, StxVariant>(h).intValue;
}
STRILUX_EXPORT int StriluxGetDpiY(STRILUX_HANDLE h)
{
    return get<&IStriluxCtrl::get_DpiY, StxVariant>(h).intValue;
}

STRILUX_EXPORT int StriluxPutValue(STRILUX_HANDLE h, const char *t)
{
    return putText(h, &IStriluxCtrl::put_Value, t);
}
STRILUX_EXPORT int StriluxPutStartChar(STRILUX_HANDLE h, const char *t)
{
    return putText(h, &IStriluxCtrl::put_StartChar, t);
}
STRILUX_EXPORT int StriluxPutStopChar(STRILUX_HANDLE h, const char *t)
{
    return putText(h, &IStriluxCtrl::put_StopChar, t);
}
STRILUX_EXPORT int StriluxGetValue(STRILUX_HANDLE h, char *b)
{
    return getText(h, &IStriluxCtrl::get_Value, b);
}
STRILUX_EXPORT int StriluxGetStartChar(STRILUX_HANDLE h, char *b)
{
    return getText(h, &IStriluxCtrl::get_StartChar, b);
}
STRILUX_EXPORT int StriluxGetStopChar(STRILUX_HANDLE h, char *b)
{
    return getText(h, &IStriluxCtrl::get_StopChar, b);
}
STRILUX_EXPORT int StriluxGetErrorMessage(STRILUX_HANDLE h, char *b)
{
    return getText(h, &IStriluxCtrl::get_ErrorMessage, b);
}

STRILUX_EXPORT void StriluxPutFont(STRILUX_HANDLE h, const char *face, int bold, int italic)
{
    if (!ctrl(h))
        return;
    IStxFont *font = strilux::guardedOr<IStxFont *>(
        nullptr, [&] { return StxCreateFont(sorvik::cp932::toUtf8(face ? face : "").c_str(), bold, italic); });
    if (!font)
        return;
    ctrl(h)->putref_Font(font);
    font->Release();
}

STRILUX_EXPORT double StriluxGetWidth(STRILUX_HANDLE h)
{
    return get<&IStriluxCtrl::get_Width, double>(h);
}
STRILUX_EXPORT double StriluxGetHeight(STRILUX_HANDLE h)
{
    return get<&IStriluxCtrl::get_Height, double>(h);
}

STRILUX_EXPORT double StriluxGetScaleWidth(STRILUX_HANDLE h, int unit)
{
    double v = 0;
    if (ctrl(h))
        ctrl(h)->get_GetScaleWidth(unit, &v);
    return v;
}

STRILUX_EXPORT double StriluxGetScaleHeight(STRILUX_HANDLE h, int unit)
{
    double v = 0;
    if (ctrl(h))
        ctrl(h)->get_GetScaleHeight(unit, &v);
    return v;
}

STRILUX_EXPORT int StriluxGetErrorNumber(STRILUX_HANDLE h)
{
    return get<&IStriluxCtrl::get_ErrorNumber, std::int32_t>(h);
}

STRILUX_EXPORT int StriluxSetOnErrorProc(STRILUX_HANDLE h, STRILUX_ERRORPROC procedure, intptr_t parameter)
{
    if (!ctrl(h))
        return 0;
    return ctrl(h)->SetOnErrorProc(reinterpret_cast<std::intptr_t>(procedure), parameter) == STX_S_OK ? 1 : 0;
}

STRILUX_EXPORT int StriluxCheckVersion(void)
{
    return 1;
}

#include "StriluxCtrl.h"

#include "ErrorCodes.h"
#include "FontObject.h"
#include "Guarded.h"
#include "Picture.h"
#include "PropertyNames.h"
#include "TypeLimits.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace strilux {

namespace {
template<class T> StxResult give(T *out, T value)
{
    if (!out)
        return STX_E_POINTER;
    *out = value;
    return STX_S_OK;
}

StxResult giveText(char **out, const std::string &text)
{
    return give(out, StxAllocString(text.c_str()));
}

std::string textOf(const char *s)
{
    return s ? std::string(s) : std::string();
}
}  // namespace

StxResult StriluxCtrl::QueryInterface(const StxGuid &iid, void **object)
{
    if (!object)
        return STX_E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IStriluxCtrl)
        *object = static_cast<IStriluxCtrl *>(this);
    else if (iid == IID_IPersistStreamInit)
        *object = static_cast<IStxPersistStream *>(this);
    else if (iid == IID_IPerPropertyBrowsing)
        *object = static_cast<IStxPerPropertyBrowsing *>(this);
    else if (iid == IID_IConnectionPoint)
        *object = static_cast<IStxConnectionPoint *>(this);
    else {
        *object = nullptr;
        return STX_E_NOINTERFACE;
    }
    AddRef();
    return STX_S_OK;
}

StriluxCtrl::~StriluxCtrl()
{
    for (auto &[cookie, sink] : m_sinks)
        sink->Release();
}

std::uint32_t StriluxCtrl::Release()
{
    const std::uint32_t n = m_refs.release();
    if (n == 0)
        delete this;
    return n;
}

StxResult StriluxCtrl::GetTypeInfoCount(std::uint32_t *count)
{
    return give(count, 0u);
}

StxResult StriluxCtrl::GetTypeInfo(std::uint32_t, std::uint32_t, void **info)
{
    if (info)
        *info = nullptr;
    return STX_E_NOTIMPL;
}

StxResult StriluxCtrl::GetIDsOfNames(const char *name, std::int32_t *dispid)
{
    return guarded([&]() -> StxResult {
        int id = 0;
        if (!name || !dispid)
            return STX_E_POINTER;
        if (!dispidOfName(name, id))
            return STX_E_INVALIDARG;
        *dispid = id;
        return STX_S_OK;
    });
}

StxResult StriluxCtrl::put_BackColor(StxColor v)
{
    return guarded([&]() -> StxResult {
        m_control.putBackColor(v);
        return STX_S_OK;
    });
}
StxResult StriluxCtrl::get_BackColor(StxColor *v)
{
    return give(v, StxColor(m_control.properties().backColor));
}
StxResult StriluxCtrl::get_BarColor(StxColor *v)
{
    return give(v, StxColor(m_control.properties().barColor));
}
StxResult StriluxCtrl::put_BarColor(StxColor v)
{
    return guarded([&]() -> StxResult {
        m_control.putBarColor(v);
        return STX_S_OK;
    });
}
StxResult StriluxCtrl::get_BarHeight(double *v)
{
    return guarded([&]() -> StxResult { return give(v, m_control.length(LengthProperty::BarHeight)); });
}
StxResult StriluxCtrl::put_BarHeight(double v)
{
    return guarded([&]() -> StxResult {
        m_control.putLength(LengthProperty::BarHeight, v);
        return STX_S_OK;
    });
}
StxResult StriluxCtrl::get_BarRatio(double *v)
{
    return guarded([&]() -> StxResult { return give(v, m_control.barRatio()); });
}
StxResult StriluxCtrl::put_BarRatio(double v)
{
    return guarded([&]() -> StxResult {
        m_control.putBarRatio(v);
        return STX_S_OK;
    });
}
StxResult StriluxCtrl::get_BarWidth(double *v)
{
    return guarded([&]() -> StxResult { return give(v, m_control.length(LengthProperty::BarWidth)); });
}
StxResult StriluxCtrl::put_BarWidth(double v)
{
    return guarded([&]() -> StxResult {
        m_control.putLength(LengthProperty::BarWidth, v);
        return STX_S_OK;
    });
}
StxResult StriluxCtrl::get_Bearer(std::int32_t *v)
{
    return give(v, m_control.properties().bearer);
}
StxResult StriluxCtrl::put_Bearer(std::int32_t v)
{
    return guarded([&]() -> StxResult {
        m_control.putBearer(v);
        return STX_S_OK;
    });
}
StxResult StriluxCtrl::get_BlackRatio(std::int32_t *v)
{
    return give(v, m_control.properties().blackRatio);
}
StxResult StriluxCtrl::put_BlackRatio(std::int32_t v)
{
    return guarded([&]() -> StxResult {
        m_control.putBlackRatio(v);
        return STX_S_OK;
    });
}
StxResult StriluxCtrl::get_CharGap(double *v)
{
    return guarded([&]() -> StxResult { return give(v, m_control.length(LengthProperty::CharGap)); });
}
StxResult StriluxCtrl::put_CharGap(double v)
{
    return guarded([&]() -> StxResult {
        m_control.putLength(LengthProperty::CharGap, v);
        return STX_S_OK;
    });
}
StxResult StriluxCtrl::get_CharHeight(double *v)
{
    return guarded([&]() -> StxResult { return give(v, m_control.length(LengthProperty::CharHeight)); });
}
StxResult StriluxCtrl::put_CharHeight(double v)
{
    return guarded([&]() -> StxResult {
        m_control.putLength(LengthProperty::CharHeight, v);
        return STX_S_OK;
    });
}
StxResult StriluxCtrl::get_CharWidth(double *v)
{
    return guarded([&]() -> StxResult { return give(v, m_control.length(LengthProperty::CharWidth)); });
}
StxResult StriluxCtrl::put_CharWidth(double v)
{
    return guarded([&]() -> StxResult {
        m_control.putLength(LengthProperty::CharWidth, v);
        return STX_S_OK;
    });
}
StxResult StriluxCtrl::get_CheckChar(std::int32_t *v)
{
    return give(v, m_control.properties().checkChar);
}
StxResult StriluxCtrl::put_CheckChar(std::int32_t v)
{
    return guarded([&]() -> StxResult {
        m_control.putCheckChar(v);
        return STX_S_OK;
    });
}
StxResult StriluxCtrl::get_CheckPattern(std::int32_t *v)
{
    return give(v, m_control.properties().checkPattern);
}
StxResult StriluxCtrl::put_CheckPattern(std::int32_t v)
{
    return guarded([&]() -> StxResult {
        m_control.putCheckPattern(v);
        return STX_S_OK;
    });
}
StxResult StriluxCtrl::get_CodeSet(std::int32_t *v)
{
    return give(v, m_control.properties().codeSet);
}
StxResult StriluxCtrl::put_CodeSet(std::int32_t v)
{
    return guarded([&]() -> StxResult {
        m_control.putCodeSet(v);
        return STX_S_OK;
    });
}
StxResult StriluxCtrl::get_DpiX(StxVariant *v)
{
    return guarded([&]() -> StxResult { return getDpi(m_control.properties().dpiX, v); });
}
StxResult StriluxCtrl::put_DpiX(const StxVariant *v)
{
    return guarded([&]() -> StxResult { return putDpi(true, v); });
}
StxResult StriluxCtrl::get_DpiY(StxVariant *v)
{
    return guarded([&]() -> StxResult { return getDpi(m_control.properties().dpiY, v); });
}
StxResult StriluxCtrl::put_DpiY(const StxVariant *v)
{
    return guarded([&]() -> StxResult { return putDpi(false, v); });
}
StxResult StriluxCtrl::get_Element(double *v)
{
    return guarded([&]() -> StxResult { return give(v, m_control.length(LengthProperty::Element)); });
}
StxResult StriluxCtrl::put_Element(double v)
{
    return guarded([&]() -> StxResult {
        m_control.putLength(LengthProperty::Element, v);
        return STX_S_OK;
    });
}
StxResult StriluxCtrl::get_ErrorMessage(char **v)
{
    return guarded([&]() -> StxResult { return giveText(v, errorMessage(m_control.errorNumber())); });
}
StxResult StriluxCtrl::get_ErrorNumber(std::int32_t *v)
{
    return give(v, m_control.errorNumber());
}
StxResult StriluxCtrl::get_FlatHeight(std::int32_t *v)
{
    return give(v, m_control.properties().flatHeight);
}
StxResult StriluxCtrl::put_FlatHeight(std::int32_t v)
{
    return guarded([&]() -> StxResult {
        m_control.putFlatHeight(v);
        return STX_S_OK;
    });
}
StxResult StriluxCtrl::get_Message(std::int32_t *v)
{
    return give(v, m_control.properties().message);
}
StxResult StriluxCtrl::put_Message(std::int32_t v)
{
    return guarded([&]() -> StxResult {
        m_control.putMessage(v);
        return STX_S_OK;
    });
}
StxResult StriluxCtrl::get_ObjectMode(std::int32_t *v)
{
    return give(v, m_control.properties().objectMode);
}
StxResult StriluxCtrl::put_ObjectMode(std::int32_t v)
{
    return guarded([&]() -> StxResult {
        m_control.putObjectMode(v);
        return STX_S_OK;
    });
}
StxResult StriluxCtrl::get_Point(double *v)
{
    return guarded([&]() -> StxResult { return give(v, m_control.point()); });
}
StxResult StriluxCtrl::put_Point(double v)
{
    return guarded([&]() -> StxResult {
        m_control.putPoint(v);
        return STX_S_OK;
    });
}
StxResult StriluxCtrl::get_Quiet(double *v)
{
    return guarded([&]() -> StxResult { return give(v, m_control.length(LengthProperty::Quiet)); });
}
StxResult StriluxCtrl::put_Quiet(double v)
{
    return guarded([&]() -> StxResult {
        m_control.putLength(LengthProperty::Quiet, v);
        return STX_S_OK;
    });
}
StxResult StriluxCtrl::get_Rotate(std::int32_t *v)
{
    return give(v, m_control.properties().rotate);
}
StxResult StriluxCtrl::put_Rotate(std::int32_t v)
{
    return guarded([&]() -> StxResult {
        m_control.putRotate(v);
        return STX_S_OK;
    });
}
StxResult StriluxCtrl::get_StartChar(char **v)
{
    return guarded([&]() -> StxResult { return giveText(v, m_control.properties().startChar); });
}
StxResult StriluxCtrl::put_StartChar(const char *v)
{
    return guarded([&]() -> StxResult {
        m_control.putStartChar(textOf(v));
        return STX_S_OK;
    });
}
StxResult StriluxCtrl::get_StopChar(char **v)
{
    return guarded([&]() -> StxResult { return giveText(v, m_control.properties().stopChar); });
}
StxResult StriluxCtrl::put_StopChar(const char *v)
{
    return guarded([&]() -> StxResult {
        m_control.putStopChar(textOf(v));
        return STX_S_OK;
    });
}
StxResult StriluxCtrl::get_Type(std::int32_t *v)
{
    return give(v, m_control.properties().type);
}
StxResult StriluxCtrl::put_Type(std::int32_t v)
{
    return guarded([&]() -> StxResult {
        m_control.putType(v);
        return STX_S_OK;
    });
}
StxResult StriluxCtrl::get_Unit(std::int32_t *v)
{
    return give(v, m_control.properties().unit);
}
StxResult StriluxCtrl::put_Unit(std::int32_t v)
{
    return guarded([&]() -> StxResult {
        m_control.putUnit(v);
        return STX_S_OK;
    });
}
StxResult StriluxCtrl::get_Value(char **v)
{
    return guarded([&]() -> StxResult { return giveText(v, m_control.properties().value); });
}
StxResult StriluxCtrl::put_Value(const char *v)
{
    return guarded([&]() -> StxResult {
        m_control.putValue(textOf(v));
        return STX_S_OK;
    });
}
StxResult StriluxCtrl::get_Width(double *v)
{
    return guarded([&]() -> StxResult { return give(v, m_control.width()); });
}
StxResult StriluxCtrl::get_Height(double *v)
{
    return guarded([&]() -> StxResult { return give(v, m_control.height()); });
}
StxResult StriluxCtrl::get_Zoom(std::int32_t *v)
{
    return give(v, m_control.properties().zoom);
}
StxResult StriluxCtrl::put_Zoom(std::int32_t v)
{
    return guarded([&]() -> StxResult {
        m_control.putZoom(v);
        return STX_S_OK;
    });
}
StxResult StriluxCtrl::get_DCMode(std::int32_t *v)
{
    return give(v, m_control.properties().dcMode);
}
StxResult StriluxCtrl::put_DCMode(std::int32_t v)
{
    return guarded([&]() -> StxResult {
        m_control.putDCMode(v);
        return STX_S_OK;
    });
}
StxResult StriluxCtrl::put_Parent(std::intptr_t window)
{
    return guarded([&]() -> StxResult {
        m_control.putParent(window);
        return STX_S_OK;
    });
}

StxResult StriluxCtrl::get_GetScaleHeight(std::int32_t unit, double *v)
{
    return guarded([&]() -> StxResult { return give(v, m_control.scaleHeight(unit)); });
}

StxResult StriluxCtrl::get_GetScaleWidth(std::int32_t unit, double *v)
{
    return guarded([&]() -> StxResult { return give(v, m_control.scaleWidth(unit)); });
}

StxResult StriluxCtrl::get_GetSize(std::int32_t measure, StxSize *v)
{
    return guarded([&]() -> StxResult {
        const SizeUm s = m_control.size(measure);
        const auto fit = [](std::int64_t n) { return std::int32_t(std::clamp<std::int64_t>(n, INT32_MIN, INT32_MAX)); };
        return give(v, StxSize{fit(s.cx), fit(s.cy)});
    });
}

StxResult StriluxCtrl::get_GetCheckChar(const char *value, char **v)
{
    return guarded([&]() -> StxResult { return giveText(v, m_control.checkCharOf(textOf(value))); });
}

StxResult StriluxCtrl::get_GetEnhMetaFile(const char *value, IStxPicture **v)
{
    return guarded([&]() -> StxResult {
        if (!v)
            return STX_E_POINTER;
        *v = m_control.enhMetaFile(textOf(value));
        return STX_S_OK;
    });
}

StxResult StriluxCtrl::putref_Font(IStxFont *font)
{
    return guarded([&]() -> StxResult {
        if (!font)
            return STX_E_POINTER;
        char *name = nullptr;
        std::int32_t bold = 0, italic = 0;
        font->get_Name(&name);
        font->get_Bold(&bold);
        font->get_Italic(&italic);
        m_control.putFont(textOf(name), bold != 0, italic != 0);
        StxFreeString(name);
        return STX_S_OK;
    });
}

StxResult StriluxCtrl::put_Font(IStxFont *)
{
    return guarded([&]() -> StxResult {
        // Assigning by value only tells the container that the font may have changed.
        return STX_S_OK;
    });
}

StxResult StriluxCtrl::get_Font(IStxFont **v)
{
    return guarded([&]() -> StxResult {
        const auto &p = m_control.properties();
        return give<IStxFont *>(v, new FontObject(p.fontFace, p.fontBold, p.fontItalic));
    });
}

StxResult StriluxCtrl::SetOnErrorProc(std::intptr_t procedure, std::intptr_t parameter)
{
    return guarded([&]() -> StxResult {
        m_control.setOnErrorProc(procedure, parameter);
        return STX_S_OK;
    });
}

StxResult StriluxCtrl::getDpi(int dpi, StxVariant *v)
{
    return guarded([&]() -> StxResult { return give(v, StxVariant{STX_VT_I4, dpi, double(dpi), nullptr, nullptr}); });
}

StxResult StriluxCtrl::putDpi(bool horizontal, const StxVariant *v)
{
    return guarded([&]() -> StxResult {
        if (!v)
            return STX_E_POINTER;
        int dpi = 0;
        switch (v->vt) {
        case STX_VT_I2:
        case STX_VT_I4:
            dpi = v->intValue;
            break;
        case STX_VT_R8:
            if (!std::isfinite(v->realValue))
                return STX_E_INVALIDARG;
            dpi = int(std::clamp(v->realValue, 0.0, double(limits::kMaximumDpi)));
            break;
        case STX_VT_STRING: {
            // A numeric text; anything else, or a number beyond any resolution, is refused.
            const char *text = v->stringValue ? v->stringValue : "";
            char *end = nullptr;
            errno = 0;
            const double number = std::strtod(text, &end);
            if (end == text || *end != '\0' || errno == ERANGE || !std::isfinite(number))
                return STX_E_INVALIDARG;
            dpi = int(std::clamp(number, 0.0, double(limits::kMaximumDpi)));
            break;
        }
        case STX_VT_OBJECT:
            if (v->object) {
                std::int32_t mode = 3, x = 0, y = 0;
                std::intptr_t dc = 0;
                if (v->object->get_ScaleMode(&mode) == STX_S_OK)
                    m_control.putScaleMode(mode);
                if (v->object->get_hDC(&dc) == STX_S_OK)
                    m_control.putPrinterDC(dc);
                if (v->object->GetDeviceResolution(&x, &y) == STX_S_OK)
                    dpi = horizontal ? x : y;
            }
            break;
        default:
            return STX_E_INVALIDARG;
        }
        m_control.putDpi(horizontal, dpi);
        return STX_S_OK;
    });
}

StxResult StriluxCtrl::IsDirty()
{
    return m_control.isDirty() ? STX_S_OK : STX_S_FALSE;
}

StxResult StriluxCtrl::Load(const std::uint8_t *data, std::int32_t size)
{
    return guarded([&]() -> StxResult {
        if (!data || size < 0)
            return STX_E_POINTER;
        return m_control.load(data, std::size_t(size)) ? STX_S_OK : STX_E_FAIL;
    });
}

StxResult StriluxCtrl::Save(std::uint8_t *buffer, std::int32_t size, std::int32_t *length)
{
    return guarded([&]() -> StxResult {
        const auto bytes = m_control.save();
        if (length)
            *length = std::int32_t(bytes.size());
        if (!buffer)
            return STX_S_OK;
        if (size < std::int32_t(bytes.size()))
            return STX_E_INVALIDARG;
        std::memcpy(buffer, bytes.data(), bytes.size());
        return STX_S_OK;
    });
}

StxResult StriluxCtrl::GetPredefinedString(std::int32_t dispid, std::int32_t index, char **name, std::int32_t *value)
{
    return guarded([&]() -> StxResult {
        const EnumTable *table = predefinedStrings(dispid);
        if (!table)
            return STX_E_INVALIDARG;
        if (index < 0 || index >= table->count)
            return STX_S_FALSE;
        if (value)
            *value = table->entries[index].value;
        return giveText(name, table->entries[index].displayName);
    });
}

StxResult StriluxCtrl::Advise(IStxErrorEvents *sink, std::uint32_t *cookie)
{
    return guarded([&]() -> StxResult {
        if (!sink || !cookie)
            return STX_E_POINTER;
        sink->AddRef();
        *cookie = m_nextCookie++;
        m_sinks[*cookie] = sink;
        return STX_S_OK;
    });
}

StxResult StriluxCtrl::Unadvise(std::uint32_t cookie)
{
    return guarded([&]() -> StxResult {
        const auto it = m_sinks.find(cookie);
        if (it == m_sinks.end())
            return STX_E_INVALIDARG;
        it->second->Release();
        m_sinks.erase(it);
        return STX_S_OK;
    });
}

}  // namespace strilux

#pragma once

#include "BarcodeControl.h"
#include "RefCounted.h"

#include <map>

namespace strilux {

// The barcode control as a component: IStriluxCtrl over BarcodeControl, with property
// persistence, the display names for property browsers and its event connection.
class StriluxCtrl final : public IStriluxCtrl,
                          public IStxPersistStream,
                          public IStxPerPropertyBrowsing,
                          public IStxConnectionPoint
{
public:
    StriluxCtrl() = default;

    BarcodeControl &control() { return m_control; }

    StxResult QueryInterface(const StxGuid &iid, void **object) override;
    std::uint32_t AddRef() override { return m_refs.add(); }
    std::uint32_t Release() override;

    StxResult GetTypeInfoCount(std::uint32_t *count) override;
    StxResult GetTypeInfo(std::uint32_t, std::uint32_t, void **info) override;
    StxResult GetIDsOfNames(const char *name, std::int32_t *dispid) override;
    StxResult Invoke(std::int32_t, void *, void *) override { return STX_E_NOTIMPL; }

    StxResult put_BackColor(StxColor v) override;
    StxResult get_BackColor(StxColor *v) override;
    StxResult get_BarColor(StxColor *v) override;
    StxResult put_BarColor(StxColor v) override;
    StxResult get_BarHeight(double *v) override;
    StxResult put_BarHeight(double v) override;
    StxResult get_BarRatio(double *v) override;
    StxResult put_BarRatio(double v) override;
    StxResult get_BarWidth(double *v) override;
    StxResult put_BarWidth(double v) override;
    StxResult get_Bearer(std::int32_t *v) override;
    StxResult put_Bearer(std::int32_t v) override;
    StxResult get_BlackRatio(std::int32_t *v) override;
    StxResult put_BlackRatio(std::int32_t v) override;
    StxResult get_CharGap(double *v) override;
    StxResult put_CharGap(double v) override;
    StxResult get_CharHeight(double *v) override;
    StxResult put_CharHeight(double v) override;
    StxResult get_CharWidth(double *v) override;
    StxResult put_CharWidth(double v) override;
    StxResult get_CheckChar(std::int32_t *v) override;
    StxResult put_CheckChar(std::int32_t v) override;
    StxResult get_CheckPattern(std::int32_t *v) override;
    StxResult put_CheckPattern(std::int32_t v) override;
    StxResult get_CodeSet(std::int32_t *v) override;
    StxResult put_CodeSet(std::int32_t v) override;
    StxResult get_DpiX(StxVariant *v) override;
    StxResult put_DpiX(const StxVariant *v) override;
    StxResult get_DpiY(StxVariant *v) override;
    StxResult put_DpiY(const StxVariant *v) override;
    StxResult get_Element(double *v) override;
    StxResult put_Element(double v) override;
    StxResult get_ErrorMessage(char **v) override;
    StxResult get_ErrorNumber(std::int32_t *v) override;
    StxResult get_FlatHeight(std::int32_t *v) override;
    StxResult put_FlatHeight(std::int32_t v) override;
    StxResult putref_Font(IStxFont *v) override;
    StxResult put_Font(IStxFont *v) override;
    StxResult get_Font(IStxFont **v) override;
    StxResult get_GetCheckChar(const char *value, char **v) override;
    StxResult get_GetEnhMetaFile(const char *value, IStxPicture **v) override;
    StxResult get_GetScaleHeight(std::int32_t unit, double *v) override;
    StxResult get_GetScaleWidth(std::int32_t unit, double *v) override;
    StxResult get_Height(double *v) override;
    StxResult put_Height(double) override { return STX_S_OK; }
    StxResult get_Message(std::int32_t *v) override;
    StxResult put_Message(std::int32_t v) override;
    StxResult get_ObjectMode(std::int32_t *v) override;
    StxResult put_ObjectMode(std::int32_t v) override;
    StxResult get_Point(double *v) override;
    StxResult put_Point(double v) override;
    StxResult get_Quiet(double *v) override;
    StxResult put_Quiet(double v) override;
    StxResult get_Rotate(std::int32_t *v) override;
    StxResult put_Rotate(std::int32_t v) override;
    StxResult get_StartChar(char **v) override;
    StxResult put_StartChar(const char *v) override;
    StxResult get_StopChar(char **v) override;
    StxResult put_StopChar(const char *v) override;
    StxResult get_Type(std::int32_t *v) override;
    StxResult put_Type(std::int32_t v) override;
    StxResult get_Unit(std::int32_t *v) override;
    StxResult put_Unit(std::int32_t v) override;
    StxResult get_Value(char **v) override;
    StxResult put_Value(const char *v) override;
    StxResult get_Width(double *v) override;
    StxResult put_Width(double) override { return STX_S_OK; }
    StxResult get_Zoom(std::int32_t *v) override;
    StxResult put_Zoom(std::int32_t v) override;
    StxResult get_DCMode(std::int32_t *v) override;
    StxResult put_DCMode(std::int32_t v) override;
    StxResult get_GetSize(std::int32_t measure, StxSize *v) override;
    StxResult put_Parent(std::intptr_t window) override;
    StxResult SetOnErrorProc(std::intptr_t procedure, std::intptr_t parameter) override;
    StxResult get__DCMode(std::int32_t *v) override { return get_DCMode(v); }
    StxResult put__DCMode(std::int32_t v) override { return put_DCMode(v); }

    StxResult IsDirty() override;
    StxResult Load(const std::uint8_t *data, std::int32_t size) override;
    StxResult Save(std::uint8_t *buffer, std::int32_t size, std::int32_t *length) override;
    StxResult InitNew() override { return STX_S_OK; }

    StxResult GetPredefinedString(std::int32_t dispid, std::int32_t index, char **name, std::int32_t *value) override;

    StxResult Advise(IStxErrorEvents *sink, std::uint32_t *cookie) override;
    StxResult Unadvise(std::uint32_t cookie) override;

private:
    ~StriluxCtrl();
    StxResult putDpi(bool horizontal, const StxVariant *v);
    StxResult getDpi(int dpi, StxVariant *v);

    RefCount m_refs;
    BarcodeControl m_control;
    std::map<std::uint32_t, IStxErrorEvents *> m_sinks;
    std::uint32_t m_nextCookie = 1;
};

}  // namespace strilux

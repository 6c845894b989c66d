/* Strilux barcode control: the component interface.
 *
 * The control is created by class id through DllGetClassObject and its class factory,
 * and used through IStriluxCtrl. Objects are reference counted: every interface pointer
 * handed out carries one reference that its receiver releases.
 *
 * Texts are UTF-8. Strings returned by the control are allocated by the library and
 * freed with StxFreeString. Property puts report failures in ErrorNumber, never in their
 * result (see ErrorMessage).
 */
#ifndef STRILUX_COM_H
#define STRILUX_COM_H

#include <cstdint>

#if defined(STRILUX_BUILDING)
#define STRILUX_API extern "C" __attribute__((visibility("default")))
#else
#define STRILUX_API extern "C"
#endif

typedef std::int32_t StxResult;
constexpr StxResult STX_S_OK = 0;
constexpr StxResult STX_S_FALSE = 1;
constexpr StxResult STX_E_NOTIMPL = static_cast<StxResult>(0x80004001u);
constexpr StxResult STX_E_NOINTERFACE = static_cast<StxResult>(0x80004002u);
constexpr StxResult STX_E_POINTER = static_cast<StxResult>(0x80004003u);
constexpr StxResult STX_E_FAIL = static_cast<StxResult>(0x80004005u);
constexpr StxResult STX_E_OUTOFMEMORY = static_cast<StxResult>(0x8007000Eu);
constexpr StxResult STX_E_INVALIDARG = static_cast<StxResult>(0x80070057u);
constexpr StxResult STX_CLASS_E_NOAGGREGATION = static_cast<StxResult>(0x80040110u);
constexpr StxResult STX_CLASS_E_CLASSNOTAVAILABLE = static_cast<StxResult>(0x80040111u);

struct StxGuid
{
    std::uint32_t data1;
    std::uint16_t data2, data3;
    std::uint8_t data4[8];
};
inline bool operator==(const StxGuid &a, const StxGuid &b)
{
    if (a.data1 != b.data1 || a.data2 != b.data2 || a.data3 != b.data3)
        return false;
    for (int i = 0; i < 8; ++i)
        if (a.data4[i] != b.data4[i])
            return false;
    return true;
}

// Fixed identifiers, shared with every program that creates the control.
inline constexpr StxGuid CLSID_StriluxCtrl
    = {0x41E0D417, 0x15E4, 0x44AA, {0x82, 0x07, 0x46, 0x70, 0xBA, 0x84, 0x4C, 0xF2}};
inline constexpr StxGuid LIBID_STRILUXLib
    = {0x94CAAFAE, 0x6BA9, 0x42DB, {0x81, 0xF7, 0xD0, 0xA9, 0x0C, 0xB0, 0xEE, 0xDE}};
inline constexpr StxGuid IID_IStriluxCtrl
    = {0x466C86C9, 0x13CE, 0x4F9F, {0x9E, 0x3A, 0xC4, 0x6F, 0x0B, 0x38, 0x2D, 0x9E}};
inline constexpr StxGuid DIID__IStriluxCtrlEvents
    = {0x456C9760, 0x85A1, 0x48DD, {0xB7, 0x0B, 0xC4, 0x0B, 0x2E, 0x5D, 0x01, 0xF6}};
inline constexpr StxGuid CLSID_StriluxProperty
    = {0x311A17AB, 0xA89A, 0x4526, {0x85, 0x25, 0xDE, 0x6B, 0xFC, 0x0D, 0xF3, 0x99}};
inline constexpr StxGuid CLSID_OptionRptProperty
    = {0x6472F607, 0xA263, 0x4C10, {0x96, 0x0F, 0x26, 0x99, 0x59, 0x7D, 0xC9, 0xED}};
inline constexpr StxGuid CLSID_QRRptProperty
    = {0xFDB22BAA, 0xD8D2, 0x4CA2, {0x85, 0xC1, 0x15, 0xEF, 0x2D, 0x90, 0xAF, 0x20}};
inline constexpr StxGuid CLSID_PDFRptProperty
    = {0x710338E5, 0xAF40, 0x4DF2, {0xB7, 0x32, 0xB6, 0xFF, 0x9A, 0x09, 0xD4, 0x24}};
inline constexpr StxGuid IID_IStxPicture
    = {0xBAF44CC1, 0xECF8, 0x4CD4, {0x9B, 0xF3, 0x72, 0x7D, 0xCF, 0x80, 0x7F, 0x3A}};
// The standard interfaces keep their well-known identifiers.
inline constexpr StxGuid IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr StxGuid IID_IDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr StxGuid IID_IClassFactory = {0x00000001, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr StxGuid IID_IPersistStreamInit
    = {0x7FD52380, 0x4E07, 0x101B, {0xAE, 0x2D, 0x08, 0x00, 0x2B, 0x2E, 0xC7, 0x13}};
inline constexpr StxGuid IID_IPerPropertyBrowsing
    = {0x376BD3AA, 0x3845, 0x101B, {0x84, 0xED, 0x08, 0x00, 0x2B, 0x2E, 0xC7, 0x13}};
inline constexpr StxGuid IID_IConnectionPoint
    = {0xB196B286, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};
inline constexpr StxGuid IID_IFont = {0xBEF6E002, 0xA874, 0x101A, {0x8B, 0xBA, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB}};

struct IStxUnknown
{
    virtual StxResult QueryInterface(const StxGuid &iid, void **object) = 0;
    virtual std::uint32_t AddRef() = 0;
    virtual std::uint32_t Release() = 0;

protected:
    ~IStxUnknown() = default;
};

struct IStxClassFactory : IStxUnknown
{
    virtual StxResult CreateInstance(IStxUnknown *outer, const StxGuid &iid, void **object) = 0;
    virtual StxResult LockServer(std::int32_t lock) = 0;

protected:
    ~IStxClassFactory() = default;
};

// Automation base: names resolve to the DISPIDs of the control's members; late-bound
// invocation is not offered on this platform.
struct IStxDispatch : IStxUnknown
{
    virtual StxResult GetTypeInfoCount(std::uint32_t *count) = 0;
    virtual StxResult GetTypeInfo(std::uint32_t index, std::uint32_t locale, void **info) = 0;
    virtual StxResult GetIDsOfNames(const char *name, std::int32_t *dispid) = 0;
    virtual StxResult Invoke(std::int32_t dispid, void *parameters, void *result) = 0;

protected:
    ~IStxDispatch() = default;
};

// An enhanced-metafile picture; it owns its metafile.
struct IStxPicture : IStxUnknown
{
    // Metafile handle: valid while the picture lives.
    virtual StxResult get_Handle(void **metafile) = 0;
    // Size of the picture frame in 0.01 mm.
    virtual StxResult get_Width(std::int32_t *hundredthsMM) = 0;
    virtual StxResult get_Height(std::int32_t *hundredthsMM) = 0;
    // The EMF file bytes; with a null buffer only *length is set.
    virtual StxResult GetEmfBytes(std::uint8_t *buffer, std::int32_t size, std::int32_t *length) = 0;
    // Saves by the file's extension: .emf, .svg or .png.
    virtual StxResult SaveAsFile(const char *path) = 0;

protected:
    ~IStxPicture() = default;
};

struct IStxFont : IStxUnknown
{
    virtual StxResult get_Name(char **name) = 0;
    virtual StxResult get_Bold(std::int32_t *bold) = 0;
    virtual StxResult get_Italic(std::int32_t *italic) = 0;

protected:
    ~IStxFont() = default;
};

// A host object given to DpiX/DpiY: its scale mode becomes the measure of Width and
// Height, its device the printer of dcPrinter metafiles.
struct IStxHostObject : IStxUnknown
{
    virtual StxResult get_ScaleMode(std::int32_t *mode) = 0;
    virtual StxResult get_hDC(std::intptr_t *dc) = 0;
    virtual StxResult GetDeviceResolution(std::int32_t *dpiX, std::int32_t *dpiY) = 0;

protected:
    ~IStxHostObject() = default;
};

enum StxVarType : std::int32_t { STX_VT_I2 = 2, STX_VT_I4 = 3, STX_VT_R8 = 5, STX_VT_STRING = 8, STX_VT_OBJECT = 9 };
struct StxVariant
{
    std::int32_t vt;
    std::int32_t intValue;
    double realValue;
    const char *stringValue;
    IStxHostObject *object;
};

struct StxSize
{
    std::int32_t cx, cy;
};

// Colours are 0x00BBGGRR.
typedef std::uint32_t StxColor;

struct IStriluxCtrl : IStxDispatch
{
    virtual StxResult put_BackColor(StxColor v) = 0;
    virtual StxResult get_BackColor(StxColor *v) = 0;
    virtual StxResult get_BarColor(StxColor *v) = 0;
    virtual StxResult put_BarColor(StxColor v) = 0;
    virtual StxResult get_BarHeight(double *v) = 0;
    virtual StxResult put_BarHeight(double v) = 0;
    virtual StxResult get_BarRatio(double *v) = 0;
    virtual StxResult put_BarRatio(double v) = 0;
    virtual StxResult get_BarWidth(double *v) = 0;
    virtual StxResult put_BarWidth(double v) = 0;
    virtual StxResult get_Bearer(std::int32_t *v) = 0;
    virtual StxResult put_Bearer(std::int32_t v) = 0;
    virtual StxResult get_BlackRatio(std::int32_t *v) = 0;
    virtual StxResult put_BlackRatio(std::int32_t v) = 0;
    virtual StxResult get_CharGap(double *v) = 0;
    virtual StxResult put_CharGap(double v) = 0;
    virtual StxResult get_CharHeight(double *v) = 0;
    virtual StxResult put_CharHeight(double v) = 0;
    virtual StxResult get_CharWidth(double *v) = 0;
    virtual StxResult put_CharWidth(double v) = 0;
    virtual StxResult get_CheckChar(std::int32_t *v) = 0;
    virtual StxResult put_CheckChar(std::int32_t v) = 0;
    virtual StxResult get_CheckPattern(std::int32_t *v) = 0;
    virtual StxResult put_CheckPattern(std::int32_t v) = 0;
    virtual StxResult get_CodeSet(std::int32_t *v) = 0;
    virtual StxResult put_CodeSet(std::int32_t v) = 0;
    virtual StxResult get_DpiX(StxVariant *v) = 0;
    virtual StxResult put_DpiX(const StxVariant *v) = 0;
    virtual StxResult get_DpiY(StxVariant *v) = 0;
    virtual StxResult put_DpiY(const StxVariant *v) = 0;
    virtual StxResult get_Element(double *v) = 0;
    virtual StxResult put_Element(double v) = 0;
    virtual StxResult get_ErrorMessage(char **v) = 0;
    virtual StxResult get_ErrorNumber(std::int32_t *v) = 0;
    virtual StxResult get_FlatHeight(std::int32_t *v) = 0;
    virtual StxResult put_FlatHeight(std::int32_t v) = 0;
    virtual StxResult putref_Font(IStxFont *v) = 0;
    virtual StxResult put_Font(IStxFont *v) = 0;
    virtual StxResult get_Font(IStxFont **v) = 0;
    virtual StxResult get_GetCheckChar(const char *value, char **v) = 0;
    virtual StxResult get_GetEnhMetaFile(const char *value, IStxPicture **v) = 0;
    virtual StxResult get_GetScaleHeight(std::int32_t unit, double *v) = 0;
    virtual StxResult get_GetScaleWidth(std::int32_t unit, double *v) = 0;
    virtual StxResult get_Height(double *v) = 0;
    virtual StxResult put_Height(double v) = 0;
    virtual StxResult get_Message(std::int32_t *v) = 0;
    virtual StxResult put_Message(std::int32_t v) = 0;
    virtual StxResult get_ObjectMode(std::int32_t *v) = 0;
    virtual StxResult put_ObjectMode(std::int32_t v) = 0;
    virtual StxResult get_Point(double *v) = 0;
    virtual StxResult put_Point(double v) = 0;
    virtual StxResult get_Quiet(double *v) = 0;
    virtual StxResult put_Quiet(double v) = 0;
    virtual StxResult get_Rotate(std::int32_t *v) = 0;
    virtual StxResult put_Rotate(std::int32_t v) = 0;
    virtual StxResult get_StartChar(char **v) = 0;
    virtual StxResult put_StartChar(const char *v) = 0;
    virtual StxResult get_StopChar(char **v) = 0;
    virtual StxResult put_StopChar(const char *v) = 0;
    virtual StxResult get_Type(std::int32_t *v) = 0;
    virtual StxResult put_Type(std::int32_t v) = 0;
    virtual StxResult get_Unit(std::int32_t *v) = 0;
    virtual StxResult put_Unit(std::int32_t v) = 0;
    virtual StxResult get_Value(char **v) = 0;
    virtual StxResult put_Value(const char *v) = 0;
    virtual StxResult get_Width(double *v) = 0;
    virtual StxResult put_Width(double v) = 0;
    virtual StxResult get_Zoom(std::int32_t *v) = 0;
    virtual StxResult put_Zoom(std::int32_t v) = 0;
    virtual StxResult get_DCMode(std::int32_t *v) = 0;
    virtual StxResult put_DCMode(std::int32_t v) = 0;
    virtual StxResult get_GetSize(std::int32_t measure, StxSize *v) = 0;
    virtual StxResult put_Parent(std::intptr_t window) = 0;
    virtual StxResult SetOnErrorProc(std::intptr_t procedure, std::intptr_t parameter) = 0;
    virtual StxResult get__DCMode(std::int32_t *v) = 0;
    virtual StxResult put__DCMode(std::int32_t v) = 0;

protected:
    ~IStriluxCtrl() = default;
};

// Property persistence: the listed properties in their fixed order.
struct IStxPersistStream : IStxUnknown
{
    virtual StxResult IsDirty() = 0;
    virtual StxResult Load(const std::uint8_t *data, std::int32_t size) = 0;
    // With a null buffer only *length is set.
    virtual StxResult Save(std::uint8_t *buffer, std::int32_t size, std::int32_t *length) = 0;
    virtual StxResult InitNew() = 0;

protected:
    ~IStxPersistStream() = default;
};

// Display names of enumerated properties for property browsers.
struct IStxPerPropertyBrowsing : IStxUnknown
{
    // The index-th predefined string of a property; STX_S_FALSE past the last one.
    virtual StxResult GetPredefinedString(std::int32_t dispid, std::int32_t index, char **name, std::int32_t *value)
        = 0;

protected:
    ~IStxPerPropertyBrowsing() = default;
};

// _IStriluxCtrlEvents: the control's outgoing interface. Error is declared for containers
// but no operation raises it; failures are read from ErrorNumber.
struct IStxErrorEvents : IStxUnknown
{
    virtual StxResult Error(std::int32_t *errorCode) = 0;

protected:
    ~IStxErrorEvents() = default;
};

// The control's connection point for _IStriluxCtrlEvents (QueryInterface with
// IID_IConnectionPoint). The control holds a reference to each advised sink.
struct IStxConnectionPoint : IStxUnknown
{
    virtual StxResult Advise(IStxErrorEvents *sink, std::uint32_t *cookie) = 0;
    virtual StxResult Unadvise(std::uint32_t cookie) = 0;

protected:
    ~IStxConnectionPoint() = default;
};

STRILUX_API StxResult DllGetClassObject(const StxGuid *clsid, const StxGuid *iid, void **object);
STRILUX_API StxResult DllCanUnloadNow(void);
STRILUX_API StxResult DllRegisterServer(void);
STRILUX_API StxResult DllUnregisterServer(void);

STRILUX_API char *StxAllocString(const char *utf8);
STRILUX_API void StxFreeString(char *text);
// A font object for putref_Font; the caller releases it.
STRILUX_API IStxFont *StxCreateFont(const char *face, std::int32_t bold, std::int32_t italic);

#endif

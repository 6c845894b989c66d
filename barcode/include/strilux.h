/* Strilux barcode library: the flat C interface.
 *
 * A handle is the control's interface pointer (see strilux_com.h for the component
 * interface). Every function returns 0 (or 0.0, or a null pointer) when the handle is
 * null. Property puts always return 1; a refused value is reported through
 * StriluxGetErrorNumber and StriluxGetErrorMessage, not by the result.
 *
 * Texts are in the ANSI code page of the library's callers, CP932 (Shift-JIS). Functions
 * that return a text return its length in bytes and copy it, with a terminating zero,
 * into the buffer when one is given: call first with a null buffer to learn the length,
 * then with a buffer of at least length + 1 bytes.
 *
 * Calling order: StriluxCreate, StriluxPutType, options and value, a metafile call, use
 * or copy the picture, release the picture, StriluxRelease.
 *
 * Limits, whatever the type (each refusal leaves the property as it was and sets the
 * property's error number):
 *   - lengths (BarHeight, BarWidth, CharGap, CharHeight, CharWidth, Quiet, Element) must be
 *     finite and at most 1000 mm; Element is limited to 10 mm (5017) instead of refused;
 *     BarWidth, which never sets an error, ignores what it refuses;
 *   - BarRatio must be finite and from 0 to 100 (5012); Point must be finite (5022);
 *   - a resolution below 96 dpi is taken as 96 and one above 9600 as 9600;
 *   - a value longer than 64 characters (ITF free, NW-7, Code 39: 128; Code 128: 256) is
 *     cut there and 5024 recorded when the symbol is built;
 *   - a PNG holds at most 16 million pixels; a larger drawing gets fewer, larger pixels.
 * No function lets an exception out; one that runs out of memory returns 0 (or null).
 */
#ifndef STRILUX_H
#define STRILUX_H

#include <stdint.h>

#ifdef __cplusplus
#define STRILUX_EXTERN extern "C"
#else
#define STRILUX_EXTERN extern
#endif
#if defined(STRILUX_BUILDING)
#define STRILUX_EXPORT STRILUX_EXTERN __attribute__((visibility("default")))
#else
#define STRILUX_EXPORT STRILUX_EXTERN
#endif

typedef struct StriluxControl *STRILUX_HANDLE;  /* the control */
typedef struct StriluxPicture *STRILUX_PICTURE; /* an enhanced-metafile picture */
typedef void *STRILUX_HENHMETAFILE;             /* the metafile a picture owns */
typedef void (*STRILUX_ERRORPROC)(int32_t *errorCode, intptr_t parameter);

/* Type */
enum {
    STRILUX_JAN8 = 0,
    STRILUX_JAN13,
    STRILUX_UPCA,
    STRILUX_UPCE,
    STRILUX_ITF6,
    STRILUX_ITF14,
    STRILUX_ITF16,
    STRILUX_ITF,
    STRILUX_NW7,
    STRILUX_CODE39,
    STRILUX_CODE128,
    STRILUX_CUSTOM
};
/* Unit */
enum { STRILUX_MM = 0, STRILUX_INCH = 1, STRILUX_POINT = 2, STRILUX_DOT = 3 };

/* Creates a control; returns 1. `window` may be 0; on this platform a window is kept as
   the control's Parent. */
STRILUX_EXPORT int StriluxCreate(intptr_t window, STRILUX_HANDLE *handle);
STRILUX_EXPORT int StriluxRelease(STRILUX_HANDLE handle);

/* Makes a picture of `value` (which also becomes Value) and returns its metafile.
   The picture goes into ONE library-wide slot (StriluxGetPictureDisp) that the next call
   overwrites WITHOUT releasing it: a picture not fetched and released from the slot before
   the next call leaks. Prefer StriluxGetEnhMetaFileI. */
STRILUX_EXPORT STRILUX_HENHMETAFILE StriluxGetEnhMetaFile(STRILUX_HANDLE handle, const char *value);
STRILUX_EXPORT STRILUX_PICTURE StriluxGetPictureDisp(void);
STRILUX_EXPORT void StriluxReleasePictureDisp(STRILUX_PICTURE picture);
/* As StriluxGetEnhMetaFile, but the picture is given to the caller, who releases it with
   StriluxReleasePictureDisp; the metafile lives as long as the picture. */
STRILUX_EXPORT STRILUX_HENHMETAFILE StriluxGetEnhMetaFileI(STRILUX_HANDLE handle, const char *value,
                                                           STRILUX_PICTURE *picture);

/* Additions of this platform: the picture's EMF file bytes (length; copied when `buffer`
   is given, which must hold that many bytes), and saving a picture as .emf, .svg or .png
   (1 when written; a failed write leaves an existing file as it was). */
STRILUX_EXPORT int StriluxGetPictureBits(STRILUX_PICTURE picture, unsigned char *buffer);
STRILUX_EXPORT int StriluxSavePicture(STRILUX_PICTURE picture, const char *path);

STRILUX_EXPORT int StriluxGetCheckDigitChar(STRILUX_HANDLE handle, const char *value, char *buffer);

STRILUX_EXPORT int StriluxPutType(STRILUX_HANDLE handle, int value);
STRILUX_EXPORT int StriluxGetType(STRILUX_HANDLE handle);
STRILUX_EXPORT int StriluxPutRotate(STRILUX_HANDLE handle, int value);
STRILUX_EXPORT int StriluxGetRotate(STRILUX_HANDLE handle);
STRILUX_EXPORT int StriluxPutUnit(STRILUX_HANDLE handle, int value);
STRILUX_EXPORT int StriluxGetUnit(STRILUX_HANDLE handle);
STRILUX_EXPORT int StriluxPutCheckChar(STRILUX_HANDLE handle, int value);
STRILUX_EXPORT int StriluxGetCheckChar(STRILUX_HANDLE handle);
STRILUX_EXPORT int StriluxPutMessage(STRILUX_HANDLE handle, int value);
STRILUX_EXPORT int StriluxGetMessage(STRILUX_HANDLE handle);
STRILUX_EXPORT int StriluxPutFlatHeight(STRILUX_HANDLE handle, int value);
STRILUX_EXPORT int StriluxGetFlatHeight(STRILUX_HANDLE handle);
STRILUX_EXPORT int StriluxPutCodeSet(STRILUX_HANDLE handle, int value);
STRILUX_EXPORT int StriluxGetCodeSet(STRILUX_HANDLE handle);
STRILUX_EXPORT int StriluxPutBearer(STRILUX_HANDLE handle, int value);
STRILUX_EXPORT int StriluxGetBearer(STRILUX_HANDLE handle);
/* Colours are 0x00BBGGRR. */
STRILUX_EXPORT int StriluxPutBarColor(STRILUX_HANDLE handle, int value);
STRILUX_EXPORT int StriluxGetBarColor(STRILUX_HANDLE handle);
STRILUX_EXPORT int StriluxPutBackColor(STRILUX_HANDLE handle, int value);
STRILUX_EXPORT int StriluxGetBackColor(STRILUX_HANDLE handle);
STRILUX_EXPORT int StriluxPutBlackRatio(STRILUX_HANDLE handle, int value);
STRILUX_EXPORT int StriluxGetBlackRatio(STRILUX_HANDLE handle);
STRILUX_EXPORT int StriluxPutZoom(STRILUX_HANDLE handle, int value);
STRILUX_EXPORT int StriluxGetZoom(STRILUX_HANDLE handle);
STRILUX_EXPORT int StriluxPutCheckPattern(STRILUX_HANDLE handle, int value);
STRILUX_EXPORT int StriluxGetCheckPattern(STRILUX_HANDLE handle);
STRILUX_EXPORT int StriluxPutDCMode(STRILUX_HANDLE handle, int value);
STRILUX_EXPORT int StriluxGetDCMode(STRILUX_HANDLE handle);

/* Lengths in the current Unit. */
STRILUX_EXPORT int StriluxPutBarHeight(STRILUX_HANDLE handle, double value);
STRILUX_EXPORT double StriluxGetBarHeight(STRILUX_HANDLE handle);
STRILUX_EXPORT int StriluxPutBarRatio(STRILUX_HANDLE handle, double value);
STRILUX_EXPORT double StriluxGetBarRatio(STRILUX_HANDLE handle);
STRILUX_EXPORT int StriluxPutBarWidth(STRILUX_HANDLE handle, double value);
STRILUX_EXPORT double StriluxGetBarWidth(STRILUX_HANDLE handle);
STRILUX_EXPORT int StriluxPutCharGap(STRILUX_HANDLE handle, double value);
STRILUX_EXPORT double StriluxGetCharGap(STRILUX_HANDLE handle);
STRILUX_EXPORT int StriluxPutCharHeight(STRILUX_HANDLE handle, double value);
STRILUX_EXPORT double StriluxGetCharHeight(STRILUX_HANDLE handle);
STRILUX_EXPORT int StriluxPutCharWidth(STRILUX_HANDLE handle, double value);
STRILUX_EXPORT double StriluxGetCharWidth(STRILUX_HANDLE handle);
STRILUX_EXPORT int StriluxPutElement(STRILUX_HANDLE handle, double value);
STRILUX_EXPORT double StriluxGetElement(STRILUX_HANDLE handle);
STRILUX_EXPORT int StriluxPutQuiet(STRILUX_HANDLE handle, double value);
STRILUX_EXPORT double StriluxGetQuiet(STRILUX_HANDLE handle);
STRILUX_EXPORT int StriluxPutPoint(STRILUX_HANDLE handle, double value);
STRILUX_EXPORT double StriluxGetPoint(STRILUX_HANDLE handle);

STRILUX_EXPORT int StriluxPutDpiX(STRILUX_HANDLE handle, int dpi);
STRILUX_EXPORT int StriluxPutDpiY(STRILUX_HANDLE handle, int dpi);
STRILUX_EXPORT int StriluxGetDpiX(STRILUX_HANDLE handle);
STRILUX_EXPORT int StriluxGetDpiY(STRILUX_HANDLE handle);

STRILUX_EXPORT int StriluxPutValue(STRILUX_HANDLE handle, const char *text);
STRILUX_EXPORT int StriluxPutStartChar(STRILUX_HANDLE handle, const char *text);
STRILUX_EXPORT int StriluxPutStopChar(STRILUX_HANDLE handle, const char *text);
STRILUX_EXPORT int StriluxGetValue(STRILUX_HANDLE handle, char *buffer);
STRILUX_EXPORT int StriluxGetStartChar(STRILUX_HANDLE handle, char *buffer);
STRILUX_EXPORT int StriluxGetStopChar(STRILUX_HANDLE handle, char *buffer);
STRILUX_EXPORT int StriluxGetErrorMessage(STRILUX_HANDLE handle, char *buffer);

STRILUX_EXPORT void StriluxPutFont(STRILUX_HANDLE handle, const char *face, int bold, int italic);

/* Width and Height in the measure taken from a host's scale mode (pixels by default). */
STRILUX_EXPORT double StriluxGetWidth(STRILUX_HANDLE handle);
STRILUX_EXPORT double StriluxGetHeight(STRILUX_HANDLE handle);
/* The symbol size in mm, inch, point or dots (another unit: the current Unit). */
STRILUX_EXPORT double StriluxGetScaleWidth(STRILUX_HANDLE handle, int unit);
STRILUX_EXPORT double StriluxGetScaleHeight(STRILUX_HANDLE handle, int unit);
STRILUX_EXPORT int StriluxGetErrorNumber(STRILUX_HANDLE handle);
/* Kept for callers; no operation calls it. */
STRILUX_EXPORT int StriluxSetOnErrorProc(STRILUX_HANDLE handle, STRILUX_ERRORPROC procedure, intptr_t parameter);
STRILUX_EXPORT int StriluxCheckVersion(void);

#endif

/* A C caller of the flat interface, run under valgrind: create, set the type, make a
   metafile, copy its bytes, release the picture and the control. */
#include "strilux.h"

#include <stdio.h>
#include <stdlib.h>

int main(void)
{
    STRILUX_HANDLE control = 0;
    STRILUX_PICTURE picture = 0;
    STRILUX_HENHMETAFILE metafile;
    unsigned char *bytes;
    int length;
    char value[32];

    if (!StriluxCreate(0, &control))
        return 1;
    StriluxPutType(control, STRILUX_CODE39);
    StriluxPutCheckChar(control, 1);
    StriluxPutBarHeight(control, 14.0);
    StriluxPutCharHeight(control, 4.0);
    metafile = StriluxGetEnhMetaFileI(control, "$005-012%", &picture);
    if (!metafile || !picture || StriluxGetErrorNumber(control) != 0)
        return 2;
    length = StriluxGetPictureBits(picture, 0);
    bytes = malloc((size_t)length);
    if (!bytes || StriluxGetPictureBits(picture, bytes) != length || bytes[40] != 0x20)
        return 3;
    free(bytes);
    if (StriluxGetValue(control, 0) != 9 || StriluxGetValue(control, value) != 9)
        return 4;
    StriluxReleasePictureDisp(picture);
    StriluxRelease(control);
    printf("strilux C client: %d bytes of EMF for %s\n", length, value);
    return 0;
}

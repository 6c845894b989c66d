#pragma once

namespace strilux {

// Error numbers of the control (ErrorNumber); 0 means the last operation succeeded.
enum ErrorCode : int {
    errNone = 0,
    errClipBoard = 5001,
    errSaveFile = 5002,
    errCreateFile = 5003,
    errWriteFile = 5004,
    errSetType = 5005,
    errSetRotate = 5006,
    errUnitType = 5007,
    errSetCheckChar = 5008,
    errSetMessage = 5009,
    errSetBearer = 5010,
    errSetBarHeight = 5011,
    errSetBarRatio = 5012,
    errSetBlackRatio = 5013,
    errSetCharGap = 5014,
    errSetCharHeight = 5015,
    errSetCharWidth = 5016,
    errSetElement = 5017,
    errSetQuiet = 5018,
    errSetStartChar = 5019,
    errSetStopChar = 5020,
    errSetZoom = 5021,
    errSetPoint = 5022,
    errBarPrint = 5023,
    errOnSetMessage = 5024,
    errSetCodeSet = 5025,
    errSetCheckPattern = 5026,
    errSetDCMode = 5027,
};

// The message of an error number (UTF-8); empty for 0 and unknown numbers.
const char *errorMessage(int code);

}  // namespace strilux

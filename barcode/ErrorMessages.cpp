#include "ErrorCodes.h"

namespace strilux {

namespace {
struct Message
{
    int code;
    const char *text;
};

const Message kMessages[] = {
    {5001, "クリップボード転送に失敗しました。"},
    {5002, "ファイルの保存に失敗しました。"},
    {5003, "ファイルの作成に失敗しました。"},
    {5004, "ファイルの書き込みに失敗しました。"},
    {5005, "Typeの設定に失敗しました。"},
    {5006, "Rotateの設定に失敗しました。"},
    {5007, "Unitの設定に失敗しました。"},
    {5008, "CheckCharの設定に失敗しました。"},
    {5009, "Messageの設定に失敗しました。"},
    {5010, "Bearerの設定に失敗しました。"},
    {5011, "BarHeightの設定に失敗しました。"},
    {5012, "BarRatioの設定に失敗しました。"},
    {5013, "BlackRatioの設定に失敗しました。"},
    {5014, "CharGapの設定に失敗しました。"},
    {5015, "CharHeightの設定に失敗しました。"},
    {5016, "CharWidthの設定に失敗しました。"},
    {5017, "Elementの設定に失敗しました。"},
    {5018, "Quietの設定に失敗しました。"},
    {5019, "StartCharの設定に失敗しました。"},
    {5020, "StopCharの設定に失敗しました。"},
    {5021, "Zoomの設定に失敗しました。"},
    {5022, "Pointの設定に失敗しました。"},
    {5023, "印刷に失敗しました。"},
    {5024, "バーコードメッセージの設定に失敗しました。"},
    {5025, "コードセットの設定に失敗しました。"},
    {5026, "CheckPatternの設定に失敗しました。"},
    {5027, "DCModeの設定に失敗しました。"},
};
}  // namespace

const char *errorMessage(int code)
{
    for (const auto &m : kMessages)
        if (m.code == code)
            return m.text;
    return "";
}

}  // namespace strilux

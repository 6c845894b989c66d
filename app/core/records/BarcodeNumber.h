#pragma once

#include <QChar>
#include <QString>

// The unified barcode number of a worker or a machine (BARCDNO): 6 to 8 characters of
// 0-9 and A-Z, printed as a Code 39 barcode on the worker cards. Letters typed in lower
// case are taken as upper case; any other printable character is refused while typing.
namespace BarcodeNumber {

inline constexpr int MaxLength = 8;
inline const QString Hint = QStringLiteral("統一バーコード7桁（0-9,A-Z）");
inline const QString InvalidMessage = QStringLiteral("統一バーコードは英数字６～８桁固定にして下さい");
inline const QString RequiredMessage = QStringLiteral("BARCDが有りません。各種設定の統一バーコード採用時必須です。");

// Whether `text` may be stored: empty (no number), or a well-formed number.
bool IsAcceptable(const QString &text);
// What a typed character becomes: itself for 0-9 and A-Z, upper case for a-z, and a
// null character for any other printable character (refused). Control characters
// (backspace, Enter) pass unchanged.
QChar Typed(QChar character);

}  // namespace BarcodeNumber

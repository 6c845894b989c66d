#pragma once

#include "PostCheck.h"

#include <QChar>
#include <QString>

// The unified barcode number of a worker or a vehicle or machine (BARCDNO): six to eight
// characters 0-9 and A-Z, or none. Typing turns a-z into capitals and refuses any other
// character; a number that breaks the rule is refused on leaving the field and at a post.
namespace BarcodeNumber {

inline const QString Malformed = QStringLiteral("統一バーコードは英数字６～８桁固定にして下さい");
// Posting without a number while the site uses unified barcodes.
inline const QString Missing = QStringLiteral("BARCDが有りません。各種設定の統一バーコード採用時必須です。");
// The hint of the worker's field; the "7桁" is the number as sites know it.
inline const QString Hint = QStringLiteral("統一バーコード7桁（0-9,A-Z）");
constexpr int MaxLength = 8;

// Whether `c` may stand in a barcode number (after upper-casing).
bool IsCharacter(QChar c);
// What typing `text` gives: lower-case letters a-z in capitals, everything else as typed.
QString Typed(const QString &text);
// Empty, or six to eight characters 0-9 and A-Z.
bool IsValid(const QString &text);
// The post check of `column`: refused with Malformed when it holds no valid number.
PostCheck Check(const QString &column);

}  // namespace BarcodeNumber

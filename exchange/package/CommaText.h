#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace sorvik::package {

// One line of items separated by commas, as every package line is written (the Windows
// string list's comma text, which peers read and write).
//
// Writing: an item is written as it is unless it holds a character up to U+0020 (blank
// or control character), a double quote or a comma; then it is enclosed in double quotes
// with each inner double quote doubled. An empty item is nothing between two commas,
// except that a line of one empty item is written as "". U+3000 and every other
// character above U+0020 is an ordinary character: never a reason to quote, never
// trimmed.
//
// Reading: blanks (characters up to U+0020) before and after an item are skipped; an
// item that starts with a double quote runs to the matching closing quote, doubled
// quotes becoming one, or to the end of the line when none closes it; any other item
// runs up to the next comma or blank, so an unquoted blank separates items as a comma
// does; a comma at the very end adds a final empty item. A NUL character ends the line.
//
// Both work on Unicode text: a CP932 double-byte character never has a byte that these
// rules look at, so the result is byte for byte that of the Windows code on CP932 text.
QString writeCommaText(const QStringList &items);
QStringList readCommaText(QStringView line);

}  // namespace sorvik::package

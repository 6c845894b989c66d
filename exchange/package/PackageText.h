#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <string_view>
#include <vector>

namespace sorvik::package {

// Text members are CP932 with CR LF line ends; inside the program text is Unicode.

// One line in CP932. Characters CP932 cannot hold become '?'; each is appended to
// `*unencodable` when given.
std::string toPackageBytes(const QString &line, std::u32string *unencodable = nullptr);

// A note for each character of `text` that CP932 cannot hold (it would be written as
// "?"), naming it and `where` it stands.
QStringList unencodableNotes(const QString &where, const QString &text);

// Lines in CP932, each ended by CR LF.
std::string toPackageText(const QStringList &lines);

// The lines of a text member. Bytes that are not CP932 become U+FFFD; `*valid` is cleared
// when any line held such bytes.
QStringList fromPackageText(std::string_view bytes, bool *valid = nullptr);

}  // namespace sorvik::package

#pragma once

#include <QByteArray>
#include <QString>

// QString faces of the one CP932 conversion of the tree (sorvik::cp932 in common/), for
// the files Sorvik exchanges with its Windows peers: the configuration, package members,
// unit files.

// A character that code page 932 cannot hold becomes '?', so a file is always written;
// `lossless` (when given) tells whether that happened.
QByteArray Cp932Encode(const QString &text, bool *lossless = nullptr);

// Bytes that are not valid code page 932 become U+FFFD; `valid` (when given) tells whether
// there were none.
QString Cp932Decode(const QByteArray &bytes, bool *valid = nullptr);

// Line ends of the files: CR LF on writing; CR LF, LF or CR accepted on reading.
QString ToCrLf(const QString &text);

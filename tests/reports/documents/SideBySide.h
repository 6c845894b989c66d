#pragma once

#include <QStringList>
#include <cstddef>

// Runs sorvik-print on a copy of the demo site twice, to `name`.pdf and to `name`.xlsx,
// and holds our PDF to LibreOffice's printing of the workbook: `pages` pages, the table
// lines and at least `wordShare` of the words within three millimetres. `arguments` are
// the document and its options, without --db and the output. CELVANE_SIDE_BY_SIDE keeps
// the files there for a person to look at. The caller skips when LibreOffice is missing.
// A sparse form sets `words`, the fewest words each page must hold to be compared.
void ExpectSorvikPrintLikeLibreOffice(const QStringList &arguments, const QString &name, int pages, double wordShare,
                                      size_t words = 60);

#pragma once

#include <QString>
#include <cstddef>

// Two PDF files of one document, ours and LibreOffice's, must look alike: the same pages;
// on each, the same long table lines (rows inked over `rowShare` of the width, columns over
// `columnShare` of the height) within three millimetres; and at least `wordShare` of our
// words (at least `words` of them) within three millimetres of the same word in theirs.
void ExpectPrintedAlike(const QString &ours, const QString &theirs, double rowShare, double columnShare, size_t words,
                        double wordShare = 0.95);

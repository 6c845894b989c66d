#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// Small PDF files written by hand, with exactly the structure a test wants, and a strict
// reading of a file's cross-reference table.
namespace HandMadePdf {

// A file of numbered object bodies (from 1) with a cross-reference table that is right;
// object 1 is the catalogue and 2 the information.
QByteArray file(const std::vector<QByteArray> &bodies);

// The bytes of the one page's content stream of onePage(): they look like references,
// an unended string and keywords, and must be copied as they are.
extern const QByteArray kStreamBytes;

// A page whose content stream holds kStreamBytes and whose title looks like references.
QByteArray onePage();

// What is wrong with the file's table, as a strict reader sees it: every in-use entry must
// point at its own "n 0 obj". Empty when nothing is.
QString tableProblem(const QByteArray &pdf);

}  // namespace HandMadePdf

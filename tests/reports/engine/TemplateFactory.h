#pragma once

#include "Celvane.h"
#include "CelvanePicture.h"
#include "Workbook.h"

#include <QString>
#include <functional>

// Templates built in code, as a person would lay them out in a spreadsheet program.
class TemplateFactory
{
public:
    // Sheet "名簿": a 12-row page. Row 1 holds the header markers (**TITLE merged over
    // A1:D1, **DATE in F1), rows 2-11 hold one person each (**NAME in B2, **AGE in C2,
    // **PHOTO in D2), row 12 holds the footer **FOOT. Row 2 is 30 points high, column D is
    // wide enough for a photo. Sheet "別紙" holds **OTHER in A1.
    static celvane::Workbook roster();
    // Ten rows of twenty markers (**C1 ... **C20) under a header, like a roster page;
    // a photo marker **PHOTO in column V.
    static celvane::Workbook wideRoster();
    static void save(const celvane::Workbook &book, const QString &fileName);
    static QByteArray jpeg(int width, int height, Qt::GlobalColor colour = Qt::darkCyan);
    static int addFormat(celvane::Workbook &book, const celvane::CellFormat &format);
    // The roster's way of filling pages: ten people a page, a new page copy before the
    // eleventh, each page's rows set and its header written first. The sheet is open.
    static void fillPeople(celvane::Celvane &engine, int people, const std::function<void()> &header,
                           const std::function<void(int person, int row)> &person);
};

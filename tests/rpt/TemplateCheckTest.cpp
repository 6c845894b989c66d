#include "TemplateCheck.h"

#include <gtest/gtest.h>

using namespace celvane;
using sorvik::reports::TemplateWorkbook;
using templates::TemplateCheck;

namespace {

void put(Worksheet &sheet, int column, int row, const QString &text)
{
    Cell &cell = sheet.cellAt(column, row);
    cell.type = Cell::Type::Text;
    cell.text = text;
}

class TemplateCheckTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        expected.fileName = QStringLiteral("list.xls");
        expected.sheets = {{QStringLiteral("一覧"), 10, {QStringLiteral("**NAME"), QStringLiteral("**DATE")}},
                           {QStringLiteral("別紙"), 0, {QStringLiteral("**NOTE")}}};
        Worksheet list;
        list.name = QStringLiteral("一覧");
        put(list, 1, 1, QStringLiteral("**DATE"));
        put(list, 2, 3, QStringLiteral("**NAME"));
        put(list, 1, 2, QStringLiteral("氏名"));
        Worksheet other;
        other.name = QStringLiteral("別紙");
        put(other, 1, 1, QStringLiteral("**NOTE"));
        book.sheets = {list, other};
    }
    QStringList problems() const { return TemplateCheck::problems(book, expected); }

    TemplateWorkbook expected;
    Workbook book;
};

TEST_F(TemplateCheckTest, AcceptsAWorkbookThatKeepsTheContract)
{
    EXPECT_TRUE(problems().isEmpty()) << problems().join(u'\n').toStdString();
}

TEST_F(TemplateCheckTest, NamesMissingRepeatedAndUnknownMarkers)
{
    put(book.sheets[0], 1, 1, QStringLiteral("**NAME"));   // the date is gone, the name twice
    put(book.sheets[1], 2, 2, QStringLiteral("**EXTRA"));  // and a marker no document writes
    const QStringList found = problems();
    ASSERT_EQ(found.size(), 3) << found.join(u'\n').toStdString();
    EXPECT_TRUE(found[0].contains(QStringLiteral("**NAME appears 2 times")));
    EXPECT_TRUE(found[1].contains(QStringLiteral("**DATE is missing")));
    EXPECT_TRUE(found[2].contains(QStringLiteral("unexpected **EXTRA")));
}

TEST_F(TemplateCheckTest, NamesSheetsOutOfOrderAndMarkersBelowThePage)
{
    std::swap(book.sheets[0], book.sheets[1]);
    put(book.sheets[1], 3, 11, QStringLiteral("**NAME"));
    book.sheets[1].rows[3].cells.clear();
    const QStringList found = problems();
    ASSERT_EQ(found.size(), 2) << found.join(u'\n').toStdString();
    EXPECT_TRUE(found[0].contains(QStringLiteral("sheets 別紙,一覧, expected 一覧,別紙")));
    EXPECT_TRUE(found[1].contains(QStringLiteral("**NAME lies below the page's last row 10")));
}

TEST_F(TemplateCheckTest, ThePrintAreaBoundsAPageTheDocumentDoesNotSize)
{
    book.sheets[1].printArea = CellRange{1, 1, 3, 4};
    put(book.sheets[1], 1, 5, QStringLiteral("**NOTE"));
    book.sheets[1].rows[1].cells.clear();
    const QStringList found = problems();
    ASSERT_EQ(found.size(), 1);
    EXPECT_TRUE(found[0].contains(QStringLiteral("below the page's last row 4")));
}

}  // namespace

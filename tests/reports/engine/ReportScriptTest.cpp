#include "Celvane.h"
#include "CelvaneError.h"
#include "ReportScript.h"
#include "TemplateFactory.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace celvane;

namespace {

class ReportScriptRun : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TemplateFactory::save(TemplateFactory::roster(), dir.filePath(QStringLiteral("roster.xlsx")));
        QFile photo(dir.filePath(QStringLiteral("photo.jpg")));
        ASSERT_TRUE(photo.open(QIODevice::WriteOnly));
        photo.write(TemplateFactory::jpeg(30, 40));
    }
    QString error(const QByteArray &json)
    {
        try {
            Celvane engine;
            ReportScript::run(engine, json, dir.path());
        } catch (const CelvaneError &failure) {
            return failure.message();
        }
        return {};
    }
    QTemporaryDir dir;
};

TEST_F(ReportScriptRun, RunsTheCallsInOrder)
{
    Celvane engine;
    ReportScript::run(engine, R"({"template": "roster.xls", "sheet": "名簿", "allowSave": true,
        "options": {"304": 6},
        "calls": [
          {"call": "SetRows", "first": 1, "last": -1},
          {"call": "Value", "marker": "**NAME", "row": 1, "value": "山田"},
          {"call": "Value", "marker": "**AGE", "row": 1, "value": 41},
          {"call": "Picture", "marker": "**PHOTO", "file": "photo.jpg", "left": 1, "top": 1, "height": 8},
          {"call": "Shape", "marker": "**NAME", "left": 0, "top": 0, "width": 8, "height": 4, "values": [50]},
          {"call": "Frame", "range": [2, 2, 3, 3], "flag": 0, "line": 33554432},
          {"call": "NewPage"},
          {"call": "Value", "marker": "**NAME", "value": "二頁"}
        ]})",
                      dir.path());
    EXPECT_TRUE(engine.allowSave);
    EXPECT_EQ(engine.options.value(304).toInt(), 6);
    const Workbook &book = engine.finishedDocument();
    const Worksheet &sheet = book.sheets[0];
    EXPECT_EQ(sheet.findCell(2, 3)->text, QStringLiteral("山田"));
    EXPECT_DOUBLE_EQ(sheet.findCell(3, 3)->number, 41);
    EXPECT_EQ(sheet.findCell(2, 14)->text, QStringLiteral("二頁"));
    EXPECT_EQ(sheet.drawings.size(), 2u);
    EXPECT_EQ(book.styles.borderOf(sheet.findCell(3, 3)->style).right.style, LineStyle::Medium);
}

TEST_F(ReportScriptRun, NamesTheStepThatFailed)
{
    EXPECT_TRUE(error("{").contains(QStringLiteral("JSON")));
    EXPECT_TRUE(error(R"({"sheet": "名簿"})").contains(QStringLiteral("template")));
    const QString unknown = error(R"({"template": "roster.xlsx", "sheet": "名簿", "calls": [{"call": "Explode"}]})");
    EXPECT_TRUE(unknown.contains(QStringLiteral("手順 1"))) << unknown.toStdString();
    EXPECT_TRUE(error(R"({"template": "roster.xlsx", "sheet": "名簿",
        "calls": [{"call": "Value", "marker": "**NAME", "value": "a"}, {"call": "Value", "marker": "**NAME", "value": [1]}]})")
                    .contains(QStringLiteral("手順 2")));
    EXPECT_TRUE(error(R"({"template": "roster.xlsx", "sheet": "名簿",
        "calls": [{"call": "Picture", "marker": "**PHOTO", "file": "none.jpg"}]})")
                    .contains(QStringLiteral("none.jpg")));
}

}  // namespace

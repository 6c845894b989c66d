// Every kind written from one real database and read into another: every column equal,
// images byte for byte.

#include "ProjectTree.h"
#include "program/AppContext.h"
#include "PackageKind.h"
#include "PackageTestSupport.h"
#include "db/SqlText.h"
#include "data/QueryDataSet.h"
#include "data/TableDataSet.h"
#include "db/Query.h"

using namespace sorvik::package;

namespace {

// Keys assigned by the receiving database.
const QStringList kAssignedKeys = {"SHCD", "EDCD", "INNO"};

class RoundTripTest : public PackageTest
{
protected:
    void SetUp() override
    {
        PackageTest::SetUp();
        source = site();
        target = site();
        AppContext &context = AppContext::instance();
        SelectProject("1");
        context.ImportGyoCode = "3";
        context.ImportGyoName = "値CPNM";
    }

    // Inserts a row into `table` with a value in every column: `fixed` where given, a
    // stored image in image columns, else a value of the column's type and size.
    void fillRow(PackageSite &site, const PackageKind &kind, const QMap<QString, QString> &fixed)
    {
        db::Query query(site.data.IBTransaction1);
        query.setSql("Select * from " + kind.table);
        QStringList names, values;
        for (const db::Column &column : query.columns()) {
            names << column.name;
            if (fixed.contains(column.name)) {
                values << SqlStrOrNull(fixed[column.name]);
            } else if (kind.imageColumns.contains(column.name)) {
                values << SqlQuote(
                    site.storeImage(kind.imageKind(), "photo of " + column.name.toUtf8() + char(0) + "\xff"));
            } else if (column.kind == db::Column::Kind::Text) {
                const QString text = QStringLiteral("値　") + column.name + QStringLiteral(", \"x\"\r\n二行目");
                values << SqlQuote(text.left(column.charLength).trimmed());
            } else if (column.kind == db::Column::Kind::Decimal) {
                values << QStringLiteral("-7.5");
            } else {
                values << QString::number(column.name.size() * 37 % 1000);
            }
        }
        site.execute(
            QStringLiteral("Insert into %1 (%2) values(%3)").arg(kind.table, names.join(','), values.join(',')));
    }

    QString exportRows(int kind, const QString &sql)
    {
        QueryDataSet rows(source->data.IBTransaction1);
        rows.SetSQL(sql);
        rows.Open();
        const QString file = scratch(QStringLiteral("kind%1.lzh").arg(kind));
        EXPECT_TRUE(source->exchange.ExportTable(file, kind, rows));
        return file;
    }

    void expectSameRows(const PackageKind &kind, const QString &where = "1 = 1")
    {
        const QString sql = QStringLiteral("Select * from %1 where %2").arg(kind.table, where);
        const QList<Row> sent = source->rows(sql);
        const QList<Row> arrived = target->rows(sql);
        ASSERT_EQ(arrived.size(), sent.size()) << kind.table.toStdString();
        for (qsizetype i = 0; i < sent.size(); ++i) {
            for (auto it = sent[i].begin(); it != sent[i].end(); ++it) {
                if (kAssignedKeys.contains(it.key()))
                    continue;
                if (kind.imageColumns.contains(it.key()))
                    EXPECT_EQ(target->image(arrived[i][it.key()]), source->image(it.value())) << it.key().toStdString();
                else
                    EXPECT_EQ(arrived[i][it.key()], it.value())
                        << kind.table.toStdString() << "." << it.key().toStdString();
            }
        }
    }

    std::unique_ptr<PackageSite> source;
    std::unique_ptr<PackageSite> target;
};

QMap<QString, QString> keysOf(const PackageKind &kind)
{
    const QMap<QString, QString> values
        = {{"KJCD", "1"}, {"GYOCD", "3"}, {"APDT", "2026/04/01"}, {"INCD", "1"},         {"CRCD", "7"},
           {"MCCD", "2"}, {"KGCD", "5"},  {"WKDT", "2026/06/01"}, {"CPNM", "値CPNM"},    {"SEL", "0"},
           {"INDT", ""},  {"UKDT", ""},   {"NAME", "佐藤 一郎"},  {"BNDT", "1980/04/02"}};
    QMap<QString, QString> keys;
    for (auto it = values.begin(); it != values.end(); ++it) {
        if (kind.keyColumns.contains(it.key()) || kind.number == 2 || kind.number == 5)
            keys.insert(it.key(), it.value());
    }
    return keys;
}

}  // namespace

TEST_F(RoundTripTest, RecordKindsArriveInTheEditorsRecord)
{
    for (int number : {0, 1, 6, 7, 8}) {
        const PackageKind &kind = *kindByNumber(number);
        fillRow(*source, kind, keysOf(kind));
        const QString file = exportRows(number, "Select * from " + kind.table);
        const Row sent = source->rows("Select * from " + kind.table).first();
        QStringList names, values;
        for (const QString &key : kind.keyColumns) {
            names << key;
            values << SqlStrOrNull(sent[key]);
        }
        target->execute(
            QStringLiteral("Insert into %1 (%2) values(%3)").arg(kind.table, names.join(','), values.join(',')));
        TableDataSet editor(target->data.IBTransaction1);
        editor.SetTableName(kind.table);
        editor.Open();
        ASSERT_TRUE(target->exchange.ImportTable(file, number, &editor)) << messages.texts().join('\n').toStdString();
        editor.Post();
        target->data.IBTransaction1.commitRetaining();
        expectSameRows(kind);
    }
}

TEST_F(RoundTripTest, MergedKindsArriveWithEveryColumn)
{
    for (int number : {2, 5, 3, 4}) {
        const PackageKind &kind = *kindByNumber(number);
        fillRow(*source, kind, keysOf(kind));
        // Workers first: the qualifications attach to the worker of the same name and birth.
        ASSERT_TRUE(target->exchange.ImportTable(exportRows(number, "Select * from " + kind.table), number));
        expectSameRows(kind);
    }
}

TEST_F(RoundTripTest, UnitOnlyKindsAndWorkingHoursArriveWhole)
{
    for (int number = 9; number < kKindCount; ++number) {
        const PackageKind &kind = *kindByNumber(number);
        fillRow(*source, kind, keysOf(kind));
        ASSERT_TRUE(target->exchange.LoadUnitTable(exportRows(number, "Select * from " + kind.table), number, "1"));
        expectSameRows(kind);
    }
    source->execute("Update DEZURA set WORKH = 7.5, WORKH2 = -0.25, WORKH3 = 1000000");
    target->execute("Delete from DEZURA");
    ASSERT_TRUE(target->exchange.LoadUnitTable(exportRows(11, "Select * from DEZURA"), 11, "1"));
    EXPECT_EQ(target->scalar("Select WORKH || ' ' || WORKH2 || ' ' || WORKH3 from DEZURA"), "7.50 -0.25 1000000.00");
}

TEST_F(RoundTripTest, AContractorsSealAloneTravelsWithIt)
{
    const QString seal = source->storeImage(0, "seal");
    source->execute("Insert into GYOSYA (KJCD, GYOCD, APDT, CPNM, SIGNFL) values(1, 3, '2026/04/01', '石狩', '" + seal
                    + "')");
    const QMap<QString, QByteArray> members = extract(exportRows(1, "Select * from GYOSYA"), scratch("members"));
    EXPECT_EQ(members.keys(), QStringList({"FILEINFO.TXT", seal, "RECORD.ECD", "SCHEME.ECD"}));
    EXPECT_EQ(members.value(seal), "seal");
    EXPECT_EQ(dialogs.shownFileInfo.first(),
              QStringList({"ファイル種別：業者情報", " 作  成  者 ：株式会社北辰建設", " 作  成  日 ：2026/12/09",
                           " バージョン ：0.5"}));
}

TEST_F(RoundTripTest, StaffExportedScrambledCarriesTheirPhotos)
{
    source->execute("Insert into SHOKU (SHCD, NAME, SDFL) values(0, '高橋', '" + source->storeImage(0, "a") + "')");
    source->execute("Insert into SHOKU (SHCD, NAME, SDFL) values(0, '中村', '" + source->storeImage(0, "b") + "')");
    source->execute("Insert into SHOKU (SHCD, NAME) values(0, '写真なし')");
    const QMap<QString, QByteArray> members = extract(exportRows(3, "Select * from SHOKU"), scratch("staff"));
    EXPECT_EQ(members.size(), 5);
    EXPECT_TRUE(members.contains("SCHEME.ECD") && members.contains("RECORD.ECD") && members.contains("FILEINFO.TXT"));
    dialogs.exportAnswer = {true, true};
    const QMap<QString, QByteArray> plain = extract(exportRows(3, "Select * from SHOKU"), scratch("plain"));
    EXPECT_TRUE(plain.contains("SCHEME.TXT") && plain.contains("RECORD.CSV"));
}

TEST_F(RoundTripTest, CharactersShiftJisCannotHoldAreNamedBeforeWriting)
{
    source->execute("Insert into EDUC (EDCD, KBN, NM, PRNM) values(0, 1, '𠀋のある名称', 'ゔ')");
    AppContext::instance().CompanyName = "髙𠮷建設";
    exportRows(4, "Select * from EDUC");
    ASSERT_EQ(messages.messages().size(), 1);
    const QString warning = messages.texts().first();
    EXPECT_TRUE(warning.contains("EDUC の 1 行目") && warning.contains("NM") && warning.contains("𠀋")
                && warning.contains("PRNM") && warning.contains("ゔ") && warning.contains("作成者: 「𠮷」"))
        << warning.toStdString();
}

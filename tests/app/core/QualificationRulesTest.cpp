#include "SiteFixture.h"

#include "data/Abort.h"
#include "data/DataField.h"
#include "data/TableDataSet.h"
#include "records/QualificationRules.h"
#include "records/RecordSession.h"

namespace {

// The qualifications of worker 1 of contractor 2 (丸山 翔太) on the demo site: skill
// trainings 車両系 and 地山主, the special education 職長.
class QualificationRulesTest : public DemoSiteFixture
{
protected:
    void SetUp() override
    {
        DemoSiteFixture::SetUp();
        context = std::make_unique<RecordContext>(records());
    }

    QualificationRules rulesFor(int kind, const char *worker)
    {
        return QualificationRules(*context, kind, QStringLiteral("1"), QStringLiteral("2"), QLatin1String(worker));
    }

    std::unique_ptr<RecordContext> context;
};

TEST_F(QualificationRulesTest, ANewQualificationCarriesTheStoredWorker)
{
    QualificationRules rules = rulesFor(2, "1");
    ASSERT_TRUE(rules.StoredWorker().has_value());
    EXPECT_EQ(rules.StoredWorker()->birth, QStringLiteral("1982/04/18"));
    TableDataSet table(data.IBTransaction1);
    RecordSession session(table, rules);
    table.SetFilter(rules.Filter(), rules.FilterParams());
    session.Open();
    EXPECT_EQ(table.RecordCount(), 2);
    table.Append();
    EXPECT_THROW(table.Post(), EAbort);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("資格名称が有りません")});
    table.FieldByName(QStringLiteral("SKNM")).SetAsString(QStringLiteral("玉掛け技能講習"));
    table.Post();
    EXPECT_EQ(column(QStringLiteral("Select KBN || '|' || CPNM || '|' || NAME || '|' || BNDT || '|' || INCD from"
                                    " INSIKAKU where SKNM = '玉掛け技能講習' and GYOCD = 2 and INCD = 1")),
              QStringList{QStringLiteral("2|株式会社丸山土木|丸山 翔太|1982/04/18|1")});
    EXPECT_NE(table.FieldByName(QStringLiteral("INNO")).AsInteger(), 0);
}

TEST_F(QualificationRulesTest, AWorkerNotPostedYetGivesNoCopies)
{
    QualificationRules rules = rulesFor(1, "9");
    EXPECT_FALSE(rules.StoredWorker().has_value());
    TableDataSet table(data.IBTransaction1);
    RecordSession session(table, rules);
    table.SetFilter(rules.Filter(), rules.FilterParams());
    session.Open();
    table.Append();
    EXPECT_TRUE(table.FieldByName(QStringLiteral("NAME")).IsNull());
    EXPECT_EQ(table.FieldByName(QStringLiteral("INCD")).AsString(), QStringLiteral("9"));
}

TEST_F(QualificationRulesTest, AbbreviationsComeInTheOrderEnteredWithoutEmptyOnes)
{
    exec(QStringLiteral("Insert into INSIKAKU (INNO, KJCD, GYOCD, INCD, KBN, SKNM) values (0, 1, 2, 1, 2, '名のみ')"));
    exec(QStringLiteral("Insert into INSIKAKU (INNO, KJCD, GYOCD, INCD, KBN, SKNM, PRNM)"
                        " values (0, 1, 2, 1, 2, '玉掛け技能講習', '玉掛')"));
    EXPECT_EQ(rulesFor(2, "1").Abbreviations(),
              QStringList({QStringLiteral("車両系"), QStringLiteral("地山主"), QStringLiteral("玉掛")}));
    EXPECT_EQ(rulesFor(3, "1").Abbreviations(), QStringList{QStringLiteral("職長")});
    EXPECT_EQ(rulesFor(1, "1").Abbreviations(), QStringList());
}

TEST_F(QualificationRulesTest, AChosenNameGivesTheNameAndAnAbbreviationOfEightCharacters)
{
    execute({QStringLiteral("Insert into EDUC (EDCD, KBN, NM, PRNM, ODRNO) values (0, 1, '九文字略称の免許', "
                            "'ABCDEFGHI', 90)"),
             QStringLiteral("Insert into EDUC (EDCD, KBN, NM, PRNM, ODRNO) values (0, 1, '十文字略称の免許', "
                            "'ABCDEFGHIJ', 91)")});
    QualificationRules rules = rulesFor(1, "1");
    const auto chosen = [&](const QString &entry) {
        const QualificationRules::Choice choice = rules.ChosenName(entry);
        return choice.name + QLatin1Char('|') + choice.abbreviation;
    };
    EXPECT_EQ(chosen(QStringLiteral("大特       大型特殊自動車運転免許")),
              QStringLiteral("大型特殊自動車運転免許|大特"));
    EXPECT_EQ(chosen(QStringLiteral("ABCDEFGHI九文字略称の免許")), QStringLiteral("九文字略称の免許|ABCDEFGH"));
    EXPECT_EQ(chosen(QStringLiteral("ABCDEFGHIJ十文字略称の免許")), QStringLiteral("十文字略称の免許|ABCDEFGH"));
    // An entry no longer in the master is read by its places.
    EXPECT_EQ(chosen(QStringLiteral("旧略       旧名称")), QStringLiteral("旧名称|旧略"));
}

TEST_F(QualificationRulesTest, FiveYearsFromTheIssueDate)
{
    EXPECT_EQ(QualificationRules::FiveYearsFrom(QStringLiteral("2004/02/29")), QStringLiteral("2009/02/28"));
    EXPECT_EQ(QualificationRules::FiveYearsFrom(QStringLiteral("2016/07/08")), QStringLiteral("2021/07/08"));
    EXPECT_EQ(QualificationRules::FiveYearsFrom({}), QString());
}

}  // namespace

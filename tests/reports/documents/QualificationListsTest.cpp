#include "DocumentFixture.h"
#include "framework/PrintChecks.h"
#include "others/QualificationHoldersDocument.h"
#include "others/QualificationsByWorkerDocument.h"

using namespace sorvik::documents;

namespace {

// The qualification lists over rows added to the prime contractor, which has none of its
// own on the demo site.
class QualificationListsTest : public DocumentFixture
{
protected:
    // `count` qualifications "資格1"… of worker `incd` stored under `name`.
    void addQualifications(int gyoCode, int incd, const QString &name, int count, const QString &qualification = {})
    {
        QStringList statements;
        for (int n = 1; n <= count; ++n)
            statements << QStringLiteral("Insert into INSIKAKU (INNO, KJCD, GYOCD, INCD, NAME, KBN, SKNM, SKNO, SKDT)"
                                         " values (%1, 1, %2, %3, '%4', %5, '%6', 'No.%7', '2020/04/0%8')")
                              .arg(m_nextNumber++)
                              .arg(gyoCode)
                              .arg(incd)
                              .arg(name)
                              .arg(n % 4)
                              .arg(qualification.isEmpty()
                                       ? QStringLiteral("資格%1").arg(n, 2, 10, QLatin1Char('0'))
                                       : QString(qualification).replace(u'\'', QStringLiteral("''")))
                              .arg(n)
                              .arg(1 + n % 9);
        execute(statements);
    }
    QualificationListChoices choices(const QString &gyoCode, const QString &qualification = {}) const
    {
        return {QStringLiteral("1"), gyoCode, qualification, QDate(2026, 6, 1)};
    }
    DocumentPages byWorker(const QString &gyoCode)
    {
        QualificationsByWorkerDocument(data, settings, choices(gyoCode)).Build(engine);
        return pages(QualificationsByWorkerDocument::TemplateFile, QualificationsByWorkerDocument::SheetName, -1);
    }
    DocumentPages holders(const QString &qualification)
    {
        QualificationHoldersDocument(data, settings, choices({}, qualification)).Build(engine);
        return pages(QualificationHoldersDocument::TemplateFile, QualificationHoldersDocument::SheetName, -1);
    }

private:
    int m_nextNumber = 9000;
};

TEST_F(QualificationListsTest, ThirtyThreeQualificationsOfOneWorkerRunOntoASecondPageUnderTheSameHeader)
{
    addQualifications(1, 50, QStringLiteral("元請 太郎"), 33);
    const DocumentPages list = byWorker(QStringLiteral("1"));
    ASSERT_EQ(list.count(), 2);
    for (int page = 0; page < 2; ++page) {
        EXPECT_EQ(list.value(page, QStringLiteral("**CPNM")), QStringLiteral("北辰建設株式会社"));
        EXPECT_EQ(list.value(page, QStringLiteral("**NAME")), QStringLiteral("元請 太郎"));
        EXPECT_EQ(list.value(page, QStringLiteral("**PRDT")), QStringLiteral("2026/06/01"));
        EXPECT_TRUE(list.markersLeft(page).isEmpty()) << list.markersLeft(page).join(u' ').toStdString();
    }
    EXPECT_FALSE(list.value(0, QStringLiteral("**SKNO"), 0, 31).isEmpty());
    EXPECT_FALSE(list.value(1, QStringLiteral("**SKNO")).isEmpty());
    EXPECT_EQ(list.value(1, QStringLiteral("**SKNO"), 0, 1), QString());
}

TEST_F(QualificationListsTest, EachWorkerStartsAPageEvenUnderTheSameName)
{
    addQualifications(1, 51, QStringLiteral("佐藤 一"), 3);
    addQualifications(1, 52, QStringLiteral("佐藤 一"), 4);
    const DocumentPages list = byWorker(QStringLiteral("1"));
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.value(0, QStringLiteral("**SKNM"), 0, 2), QStringLiteral("資格03"));
    EXPECT_EQ(list.value(0, QStringLiteral("**SKNM"), 0, 3), QString());
    // Licences before trainings and educations; kind 0 is none of them.
    EXPECT_EQ(list.value(1, QStringLiteral("**SKNM")), QStringLiteral("資格04"));
    EXPECT_EQ(list.value(1, QStringLiteral("**KBN")), QString());
    EXPECT_EQ(list.value(1, QStringLiteral("**KBN"), 0, 1), QStringLiteral("免許"));
    EXPECT_EQ(list.value(1, QStringLiteral("**SKDT"), 0, 1), QStringLiteral("令和 02年04月02日"));
    EXPECT_EQ(list.value(1, QStringLiteral("**SKNM"), 0, 4), QString());
    EXPECT_EQ(list.value(1, QStringLiteral("**NAME")), QStringLiteral("佐藤 一"));
}

TEST_F(QualificationListsTest, AWorkerRenamedInTheRosterStaysOnOnePageUnderTheCurrentName)
{
    // Contractor 6 has two workers; the second holds twelve qualifications, some stored
    // under an older name.
    exec(QStringLiteral("update INSIKAKU set NAME = '旧姓' where KJCD = 1 and GYOCD = 6 and INCD = 2 and KBN = 1"));
    const DocumentPages list = byWorker(QStringLiteral("6"));
    QString current;
    data.GetWorkerItem(QStringLiteral("1"), QStringLiteral("6"), QStringLiteral("2"), QStringLiteral("NAME"),
                       QStringLiteral("2026/06/01"), current);
    ASSERT_FALSE(current.isEmpty());
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.value(1, QStringLiteral("**NAME")), current);
    EXPECT_FALSE(list.value(1, QStringLiteral("**SKNM"), 0, 11).isEmpty());
    EXPECT_TRUE(list.markersLeft(1).isEmpty()) << list.markersLeft(1).join(u' ').toStdString();
}

TEST_F(QualificationListsTest, HoldersNameTheirCompanyOnceAcrossAPageBreak)
{
    addQualifications(1, 60, QStringLiteral("元請 一郎"), 1, QStringLiteral("O'Brien式足場"));
    for (int worker = 61; worker < 95; ++worker)
        addQualifications(4, worker, QStringLiteral("重機 %1").arg(worker), 1, QStringLiteral("O'Brien式足場"));
    const DocumentPages list = holders(QStringLiteral("O'Brien式足場"));
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.value(0, QStringLiteral("**SKNM")), QStringLiteral("O'Brien式足場"));
    EXPECT_EQ(list.value(0, QStringLiteral("**KJNM")), QStringLiteral("国道230号 札幌市南区川沿地区道路改良工事"));
    EXPECT_EQ(list.value(0, QStringLiteral("**CPNM")), QStringLiteral("北辰建設株式会社"));
    EXPECT_EQ(list.value(0, QStringLiteral("**CPNM"), 0, 1), QStringLiteral("有限会社石狩重機"));
    EXPECT_EQ(list.value(0, QStringLiteral("**CPNM"), 0, 2), QString());
    EXPECT_EQ(list.value(0, QStringLiteral("**NAME"), 0, 2), QStringLiteral("重機 62"));
    EXPECT_EQ(list.value(1, QStringLiteral("**CPNM")), QString());
    EXPECT_EQ(list.value(1, QStringLiteral("**NAME")), QStringLiteral("重機 92"));
    EXPECT_EQ(list.value(1, QStringLiteral("**SKNM")), QStringLiteral("O'Brien式足場"));
    EXPECT_TRUE(PrintChecks::QualificationNames(data.IBTransaction1, QStringLiteral("1"))
                    .contains(QStringLiteral("O'Brien式足場")));
}

TEST_F(QualificationListsTest, AQualificationNobodyHoldsGivesTheEmptyForm)
{
    const DocumentPages list = holders(QStringLiteral("') or 1=1 --"));
    EXPECT_LE(list.count(), 1);
    EXPECT_EQ(list.value(0, QStringLiteral("**NAME")), QString());
}

}  // namespace

#include "MaintenanceMessages.h"
#include "MaintenanceTestSupport.h"
#include "PackageExchange.h"
#include "ProjectDeletion.h"
#include "SiteFixture.h"

#include <QDir>

namespace {

class ProjectDeletionTest : public SiteFixture
{
protected:
    void SetUp() override
    {
        SiteFixture::SetUp();
        execute(ProjectRows(1, QStringLiteral("国道/1号 改良")));
        execute(ProjectRows(2, QStringLiteral("市道")));
    }

    // Committed rows of `table` for project `code`.
    int committedRows(const QString &table, int code) const
    {
        return committedColumn(QStringLiteral("select count(*) from %1 where KJCD = %2").arg(table).arg(code))
            .value(0)
            .toInt();
    }

    QStringList safetyCopies() const
    {
        return QDir(appDir()).entryList({QStringLiteral("Sorvikユニット_*.LDF")}, QDir::Files);
    }

    ProjectDeletion::Outcome deleteProject(int code, bool alsoReusable)
    {
        ProjectDeletion deletion(data, dialogs);
        return deletion.run(QString::number(code), QStringLiteral("国道/1号 改良"), alsoReusable);
    }

    FileAnswers dialogs;
};

TEST_F(ProjectDeletionTest, WithoutTheBoxOnlyTheSystemChartsAndDailyRecordsGoAfterASafetyCopy)
{
    messages.answer(true);
    const ProjectDeletion::Outcome outcome = deleteProject(1, false);

    EXPECT_TRUE(outcome.deleted);
    EXPECT_FALSE(outcome.deletedCurrent);
    for (const QString &table : ProjectTables) {
        const bool goes = ProjectTables.indexOf(table) < 5;
        EXPECT_EQ(committedRows(table, 1), goes ? 0 : 1) << table.toStdString();
        EXPECT_EQ(committedRows(table, 2), 1) << table.toStdString();
    }
    EXPECT_EQ(messages.texts(),
              (QStringList{MaintenanceMessages::ConfirmDeleteProject, MaintenanceMessages::ProjectDeleted}));
    EXPECT_EQ(messages.captions().first(), QStringLiteral("確認"));

    // The safety copy names the project without its slash and loads back as a project.
    ASSERT_EQ(safetyCopies().size(), 1);
    EXPECT_TRUE(safetyCopies().first().startsWith(QStringLiteral("Sorvikユニット_国道_1号 改良_")));
    sorvik::package::PackageExchange exchange(data, dialogs);
    ASSERT_TRUE(exchange.LoadUnit(QStringLiteral("9"), QDir(appDir()).filePath(safetyCopies().first())))
        << messages.texts().join(QLatin1Char('|')).toStdString();
    // A unit file carries no name cards.
    for (const QString &table : ProjectTables)
        EXPECT_EQ(committedRows(table, 9), table == QLatin1String("NMCARD") ? 0 : 1) << table.toStdString();
}

TEST_F(ProjectDeletionTest, WithTheBoxAllThirteenTablesOfTheCurrentProjectAreEmptied)
{
    AppContext::Project().Select({QStringLiteral("2"), QStringLiteral("市道"), {}, false});
    messages.answer(true);
    EXPECT_TRUE(deleteProject(2, true).deletedCurrent);
    for (const QString &table : ProjectTables) {
        EXPECT_EQ(committedRows(table, 2), 0) << table.toStdString();
        EXPECT_EQ(committedRows(table, 1), 1) << table.toStdString();
    }

    // Two copies within the same second never replace each other.
    execute(ProjectRows(2, QStringLiteral("市道")));
    messages.answer(true);
    deleteProject(2, true);
    EXPECT_EQ(safetyCopies().size(), 2);
}

TEST_F(ProjectDeletionTest, AFailureHalfWayDeletesNothingAndSaysWhy)
{
    execute({QStringLiteral("create exception E_KEEP 'daily records are locked'"),
             QStringLiteral("create trigger KEEP_D_KIKAI for D_KIKAI before delete as begin exception E_KEEP; end")});
    messages.answer(true);
    EXPECT_FALSE(deleteProject(1, true).deleted);
    for (const QString &table : ProjectTables)
        EXPECT_EQ(committedRows(table, 1), 1) << table.toStdString();
    EXPECT_TRUE(messages.texts().last().contains(QStringLiteral("daily records are locked")));
    EXPECT_EQ(messages.messages().last().kind, ScriptedMessageService::Kind::Error);
}

TEST_F(ProjectDeletionTest, WhenTheSafetyCopyFailsTheUserIsAskedAgainAndNoKeepsEverything)
{
    AppContext::instance().AppDir = QStringLiteral("/dev/null/");
    messages.answer(true);
    EXPECT_FALSE(deleteProject(1, true).deleted);
    for (const QString &table : ProjectTables)
        EXPECT_EQ(committedRows(table, 1), 1) << table.toStdString();
    EXPECT_TRUE(messages.texts().last().startsWith(QStringLiteral("削除前の控え")));
    EXPECT_EQ(messages.unansweredQuestions(), 1);
    EXPECT_EQ(messages.defaultNoQuestions(), 1);

    messages.answer(true);
    messages.answer(true);
    EXPECT_TRUE(deleteProject(1, false).deleted);
    EXPECT_EQ(committedRows(QStringLiteral("TAISEI"), 1), 0);
}

TEST_F(ProjectDeletionTest, NoMeansNothingIsWrittenOrDeleted)
{
    EXPECT_FALSE(deleteProject(1, true).deleted);
    EXPECT_TRUE(safetyCopies().isEmpty());
    EXPECT_EQ(committedRows(QStringLiteral("KOJI"), 1), 1);
}

}  // namespace

#include "SiteFixture.h"
#include "tree/ConstructionSystem.h"
#include "tree/MainMessages.h"

#include "dates/DateText.h"
#include "db/Query.h"

#include <functional>
#include <random>

namespace {

class ConstructionSystemTest : public SiteFixture
{
protected:
    void SetUp() override
    {
        SiteFixture::SetUp();
        addProject(1, QStringLiteral("川沿地区道路改良工事"));
        for (int code = 1; code <= 7; ++code)
            addContractor(1, code, QStringLiteral("業者%1").arg(code));
    }

    void addProject(int code, const QString &name, const QString &applied = QStringLiteral("2026/04/01"))
    {
        execute({QStringLiteral("Insert into KOJI (KJCD, APDT, KJNM, STDT, FNDT, JV, TTNM) values(%1, '%2', '%3', "
                                "'2026/04/01', '2027/03/19', 0, '元方')")
                     .arg(code)
                     .arg(applied, name)});
    }

    void addContractor(int project, int code, const QString &name,
                       const QString &applied = QStringLiteral("2026/04/01"))
    {
        execute({QStringLiteral("Insert into GYOSYA (KJCD, GYOCD, APDT, CPNM, KJNM, STDT, FNDT) values(%1, %2, '%3', "
                                "'%4', '工事', '2026/05/01', '2026/12/25')")
                     .arg(project)
                     .arg(code)
                     .arg(applied, name)});
    }

    QModelIndex node(const QString &gyoCode) { return system.tree().find(gyoCode); }

    // Places `code` under the node of `parent` through the selection, as the window does.
    void placeUnder(const QString &parent, const QString &code)
    {
        system.Select(node(parent));
        ASSERT_TRUE(system.PlaceUnderSelected(code, QStringLiteral("業者") + code));
    }

    QStringList rows() { return column(QStringLiteral("Select GYOCD from TAISEI where KJCD = 1 order by GYOCD")); }

    ConstructionSystem system{data.IBTransaction1, AppContext::instance().Project()};
};

TEST_F(ConstructionSystemTest, ProjectThatDoesNotExistFailsWithTheMessage)
{
    EXPECT_FALSE(system.LoadKoji(QStringLiteral("0")));
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_FALSE(system.LoadKoji(QStringLiteral("9")));
    EXPECT_EQ(messages.texts(), QStringList{MainMessages::NoProject});
    EXPECT_FALSE(system.actionState().projectDependent);
    EXPECT_TRUE(system.ProjectName().isEmpty());
}

TEST_F(ConstructionSystemTest, ProjectWithoutSystemOffersOnlyThePrimeActions)
{
    AppContext::instance().Project().SetSafetyKind(QStringLiteral("店社"));
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("1")));
    const AppContext &context = AppContext::instance();
    EXPECT_EQ(context.Project().CurKojiCode(), QStringLiteral("1"));
    EXPECT_EQ(context.Project().CurKojiName(), QStringLiteral("川沿地区道路改良工事"));
    EXPECT_EQ(context.Project().CurKojiStart(), QStringLiteral("2026/04/01"));
    EXPECT_EQ(context.Project().CurSafetyKind(), QStringLiteral("元方"));
    EXPECT_EQ(system.PeriodFrom(), QStringLiteral("令和 08年04月01日"));
    EXPECT_EQ(system.PeriodTo(), QStringLiteral("令和 09年03月19日"));
    EXPECT_EQ(ConstructionSystem::ProjectLabel(QStringLiteral("1"), system.ProjectName()),
              QStringLiteral("[登録No.1]  川沿地区道路改良工事"));
    const MainActionState state = system.actionState();
    EXPECT_TRUE(state.projectDependent);
    EXPECT_FALSE(state.primeDependent);
    EXPECT_FALSE(state.nodeDependent);
    EXPECT_TRUE(state.primeActionsVisible);
    EXPECT_FALSE(state.subActionsVisible);
}

TEST_F(ConstructionSystemTest, NewestVersionOfTheProjectIsShownAndANullKindKeepsThePreviousOne)
{
    execute(
        {QStringLiteral("Insert into KOJI (KJCD, APDT, KJNM, STDT, FNDT) values(1, '2026/09/15', '改名後', '', '')")});
    AppContext::instance().Project().SetSafetyKind(QStringLiteral("店社"));
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("1")));
    EXPECT_EQ(system.ProjectName(), QStringLiteral("改名後"));
    EXPECT_EQ(AppContext::instance().Project().CurSafetyKind(), QStringLiteral("店社"));
    EXPECT_EQ(AppContext::instance().Project().CurKojiStart(), DateToDateText(AppContext::instance().WorkDate));
    EXPECT_TRUE(system.PeriodFrom().isEmpty());
}

TEST_F(ConstructionSystemTest, PlacingThePrimeWritesTheRowAndSwitchesTheActions)
{
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("1")));
    int changes = 0;
    QObject::connect(&system, &ConstructionSystem::changed, [&changes] { ++changes; });
    ASSERT_TRUE(system.PlacePrime(QStringLiteral("1"), QStringLiteral("北辰建設株式会社")));
    EXPECT_GT(changes, 0);
    const QString today = DateToDateText(QDate::currentDate());
    EXPECT_EQ(column(QStringLiteral("Select KJCD||'|'||GYOCD||'|'||CPNM||'|'||HTYCD||'|'||UNUM||'|'||EFECT||'|'||CRDT"
                                    "||'|'||EDDT||'|'||YOBIN1||'|'||coalesce(YOBIN2, YOBIS1, YOBIS2, YOBIS3, YOBIS4,"
                                    " 'nulls') from TAISEI")),
              QStringList{QStringLiteral("1|1|北辰建設株式会社|0|0|1|%1|%1|0|nulls").arg(today)});
    EXPECT_EQ(system.PrimeGyoCode(), QStringLiteral("1"));
    const MainActionState state = system.actionState();
    EXPECT_FALSE(state.primeActionsVisible);
    EXPECT_TRUE(state.subActionsVisible);
    EXPECT_TRUE(state.primeDependent);
    EXPECT_TRUE(state.nissiEnabled);
    EXPECT_EQ(TreeCaptions(), QStringList{QStringLiteral("北辰建設株式会社")});
}

TEST_F(ConstructionSystemTest, SubcontractorNeedsASelectedOrderer)
{
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("1")));
    ASSERT_TRUE(system.PlacePrime(QStringLiteral("1"), QStringLiteral("業者1")));
    EXPECT_FALSE(system.PlaceUnderSelected(QStringLiteral("2"), QStringLiteral("業者2")));
    EXPECT_EQ(messages.texts(), QStringList{MainMessages::SelectOrderer});
    EXPECT_EQ(rows(), QStringList{QStringLiteral("1")});
}

TEST_F(ConstructionSystemTest, ChildrenAreInCodeOrderAfterReloadWhateverThePlacingOrder)
{
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("1")));
    ASSERT_TRUE(system.PlacePrime(QStringLiteral("1"), QStringLiteral("業者1")));
    placeUnder(QStringLiteral("1"), QStringLiteral("5"));
    placeUnder(QStringLiteral("1"), QStringLiteral("2"));
    placeUnder(QStringLiteral("5"), QStringLiteral("7"));
    placeUnder(QStringLiteral("7"), QStringLiteral("6"));
    placeUnder(QStringLiteral("5"), QStringLiteral("3"));
    // Before the reload the tree keeps the placing order.
    EXPECT_EQ(TreeCodes(), QString("1,5,7,6,3,2").split(','));

    ASSERT_TRUE(system.LoadKoji(QStringLiteral("1")));
    EXPECT_EQ(TreeCodes(), QString("1,2,5,3,7,6").split(','));
    EXPECT_EQ(TreeLevels(), QString("0,1,1,2,2,3").split(','));
    EXPECT_EQ(TreeCaptions(), QString("業者1,業者2,業者5,業者3,業者7,業者6").split(','));
}

TEST_F(ConstructionSystemTest, LevelsComeFromTheParentLinksNotTheStoredTier)
{
    execute({QStringLiteral("Insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM, EFECT) values(1, 1, '元請', 0, 0, 1)"),
             QStringLiteral("Insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM, EFECT) values(1, 2, 'x', 1, 5, 1)"),
             QStringLiteral("Insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM, EFECT) values(1, 3, 'y', 2, 1, 1)")});
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("1")));
    EXPECT_EQ(TreeLevels(), QString("0,1,2").split(','));
    EXPECT_EQ(system.tree().record(node(QStringLiteral("3"))).HtyCode, QStringLiteral("2"));
}

TEST_F(ConstructionSystemTest, CaptionsFollowTheWorkDateExceptTheRoots)
{
    addContractor(1, 1, QStringLiteral("新しい元請名"), QStringLiteral("2026/10/01"));
    addContractor(1, 2, QStringLiteral("株式会社二番"), QStringLiteral("2026/10/01"));
    execute({QStringLiteral(
                 "Insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM, EFECT) values(1, 1, '登録時の元請名', 0, 0, 1)"),
             QStringLiteral("Insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM, EFECT) values(1, 2, 'x', 1, 1, 1)")});
    AppContext::instance().WorkDate = QDate(2026, 6, 1);
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("1")));
    EXPECT_EQ(TreeCaptions(), QString("登録時の元請名,業者2").split(','));
    AppContext::instance().WorkDate = QDate(2026, 10, 1);
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("1")));
    EXPECT_EQ(TreeCaptions(), QString("登録時の元請名,株式会社二番").split(','));
}

TEST_F(ConstructionSystemTest, RemovingANodeTakesItsSubtreeRowsOnlyWhenConfirmed)
{
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("1")));
    ASSERT_TRUE(system.PlacePrime(QStringLiteral("1"), QStringLiteral("業者1")));
    placeUnder(QStringLiteral("1"), QStringLiteral("2"));
    placeUnder(QStringLiteral("2"), QStringLiteral("3"));
    placeUnder(QStringLiteral("1"), QStringLiteral("4"));

    system.Select(node(QStringLiteral("2")));
    messages.answer(false);
    EXPECT_FALSE(system.RemoveSelected());
    EXPECT_EQ(messages.texts().last(), QStringLiteral("業者2以下を体制図から外します"));
    EXPECT_EQ(messages.captions().last(), QStringLiteral("体制図から消去"));
    EXPECT_EQ(rows().size(), 4);

    messages.answer(true);
    EXPECT_TRUE(system.RemoveSelected());
    EXPECT_EQ(rows(), QString("1,4").split(','));
    EXPECT_EQ(TreeCodes(), QString("1,4").split(','));
    EXPECT_FALSE(system.actionState().nodeDependent);
    EXPECT_TRUE(system.SelGyoCode().isEmpty());
}

TEST_F(ConstructionSystemTest, RemovingThePrimeEmptiesTheSystemAndRestoresTheFirstState)
{
    addProject(2, QStringLiteral("別工事"));
    execute({QStringLiteral("Insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM, EFECT) values(2, 1, '他', 0, 0, 1)")});
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("1")));
    ASSERT_TRUE(system.PlacePrime(QStringLiteral("1"), QStringLiteral("業者1")));
    placeUnder(QStringLiteral("1"), QStringLiteral("2"));
    placeUnder(QStringLiteral("2"), QStringLiteral("3"));
    system.Select(node(QStringLiteral("1")));
    messages.answer(true);
    ASSERT_TRUE(system.RemoveSelected());
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_EQ(column(QStringLiteral("Select GYOCD from TAISEI where KJCD = 2")), QStringList{QStringLiteral("1")});
    EXPECT_TRUE(system.PrimeGyoCode().isEmpty());
    const MainActionState state = system.actionState();
    EXPECT_TRUE(state.primeActionsVisible);
    EXPECT_FALSE(state.subActionsVisible);
    EXPECT_FALSE(state.primeDependent);
    EXPECT_TRUE(TreeCaptions().isEmpty());
}

TEST_F(ConstructionSystemTest, RemovingWithoutSelectionAsksForOne)
{
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("1")));
    EXPECT_FALSE(system.RemoveSelected());
    EXPECT_EQ(messages.texts(), QStringList{MainMessages::SelectToRemove});
}

TEST_F(ConstructionSystemTest, ReloadingOrClearingTheTreeLeavesTheRows)
{
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("1")));
    ASSERT_TRUE(system.PlacePrime(QStringLiteral("1"), QStringLiteral("業者1")));
    placeUnder(QStringLiteral("1"), QStringLiteral("2"));
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("1")));
    system.ClearTree();
    EXPECT_EQ(rows(), QString("1,2").split(','));
}

TEST_F(ConstructionSystemTest, DatabaseRefusalLeavesTreeAndRowsAsTheyWere)
{
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("1")));
    ASSERT_TRUE(system.PlacePrime(QStringLiteral("1"), QStringLiteral("業者1")));
    placeUnder(QStringLiteral("1"), QStringLiteral("2"));
    system.Select(node(QStringLiteral("2")));
    // The same contractor twice violates the key of TAISEI.
    EXPECT_FALSE(system.PlaceUnderSelected(QStringLiteral("1"), QStringLiteral("業者1")));
    ASSERT_EQ(messages.messages().size(), 1);
    EXPECT_EQ(messages.messages().first().kind, ScriptedMessageService::Kind::Error);
    EXPECT_TRUE(messages.texts().first().contains(QStringLiteral("PK_TAISEI")));
    EXPECT_EQ(TreeCodes(), QString("1,2").split(','));
    EXPECT_EQ(rows(), QString("1,2").split(','));
    // The transaction goes on working after the rollback.
    placeUnder(QStringLiteral("2"), QStringLiteral("3"));
    EXPECT_EQ(rows(), QString("1,2,3").split(','));
}

TEST_F(ConstructionSystemTest, NodeAboveTheRelativeLevelIsRefusedWithoutARow)
{
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("1")));
    ASSERT_TRUE(system.PlacePrime(QStringLiteral("1"), QStringLiteral("業者1")));
    placeUnder(QStringLiteral("1"), QStringLiteral("2"));
    placeUnder(QStringLiteral("2"), QStringLiteral("3"));
    EXPECT_FALSE(
        system.AddNode(node(QStringLiteral("3")), 1, QStringLiteral("1"), QStringLiteral("x"), QStringLiteral("9"))
            .isValid());
    EXPECT_EQ(messages.texts().last(), MainMessages::LevelAboveRelative);
    EXPECT_FALSE(system.PlaceGyo(node(QStringLiteral("3")), QStringLiteral("1"), 1, QStringLiteral("1"),
                                 QStringLiteral("業者4"), QStringLiteral("4")));
    EXPECT_EQ(rows(), QString("1,2,3").split(','));
    // The same level appends a sibling, a deeper one a child.
    EXPECT_EQ(
        system.AddNode(node(QStringLiteral("3")), 2, QStringLiteral("2"), QStringLiteral("s"), QStringLiteral("8"))
            .parent(),
        node(QStringLiteral("2")));
}

TEST_F(ConstructionSystemTest, RenamingStoresTheNameAndShowsIt)
{
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("1")));
    ASSERT_TRUE(system.PlacePrime(QStringLiteral("1"), QStringLiteral("業者1")));
    ASSERT_TRUE(system.RenameNode(node(QStringLiteral("1")), QStringLiteral("O'Neil建設")));
    EXPECT_EQ(column(QStringLiteral("Select CPNM from TAISEI where KJCD = 1 and GYOCD = 1")),
              QStringList{QStringLiteral("O'Neil建設")});
    EXPECT_EQ(system.tree().caption(node(QStringLiteral("1"))), QStringLiteral("O'Neil建設"));
    EXPECT_EQ(TreeCaptions(), QStringList{QStringLiteral("O'Neil建設")});
}

TEST_F(ConstructionSystemTest, ACompanyNamedNullKeepsItsName)
{
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("1")));
    ASSERT_TRUE(system.PlacePrime(QStringLiteral("1"), QStringLiteral("NULL")));
    EXPECT_EQ(column(QStringLiteral("Select coalesce(CPNM, '<null>') from TAISEI where GYOCD = 1")),
              QStringList{QStringLiteral("NULL")});
}

// The tree as the main window drew it before it was read in two queries: the prime row,
// then each node's children by a query of their own, each caption by the lookup of the
// version valid at the work date.
QStringList treeReadNodeByNode(TDataModule1 &data, const QString &kojiCode, const QString &workDate)
{
    QStringList nodes;
    db::Query query(data.IBTransaction1);
    query.setSql(
        QStringLiteral("Select GYOCD, CPNM from TAISEI where KJCD = %1 and HTYCD = 0 order by GYOCD").arg(kojiCode));
    query.open();
    if (query.eof())
        return nodes;
    const QString prime = query.field(0).asString();
    nodes << QStringLiteral("0|%1|%2").arg(prime, query.field(1).asString());
    std::function<void(const QString &, int)> children = [&](const QString &parent, int level) {
        QStringList codes;
        db::Query below(data.IBTransaction1);
        below.setSql(QStringLiteral("Select GYOCD from TAISEI where KJCD = %1 and HTYCD = %2 order by GYOCD")
                         .arg(kojiCode, parent));
        for (below.open(); !below.eof(); below.next())
            codes << below.field(0).asString();
        for (const QString &code : codes) {
            QString caption;
            data.GetContractorItem(kojiCode, code, QStringLiteral("CPNM"), workDate, caption);
            nodes << QStringLiteral("%1|%2|%3").arg(level).arg(code, caption);
            children(code, level + 1);
        }
    };
    children(prime, 1);
    return nodes;
}

TEST_F(ConstructionSystemTest, TheTreeIsTheOneTheNodeByNodeReadingGave)
{
    // A random system of 120 contractors in project 2: versions before and after the work
    // date, contractors without any version, a second row claiming to be prime, rows
    // whose parent is not in the system.
    std::mt19937 random(20261209);
    db::Query insert(data.IBTransaction1);
    insert.setSql(QStringLiteral("Insert into GYOSYA (KJCD, GYOCD, APDT, CPNM) values (2, ?, ?, ?)"));
    db::Query place(data.IBTransaction1);
    place.setSql(
        QStringLiteral("Insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM, EFECT) values (2, ?, ?, ?, 9, 1)"));
    const QStringList dates{"2026/01/10", "2026/04/01", "2026/06/30", "2026/07/01", "2026/11/15"};
    for (int code = 1; code <= 120; ++code) {
        const int versions = int(random() % 4);
        for (int v = 0; v < versions; ++v) {
            insert.setParam(0, code);
            insert.setParam(1, dates[(code + v * 2) % dates.size()]);
            insert.setParam(2, QStringLiteral("業者%1-%2").arg(code).arg(v));
            insert.exec();
        }
        int parent = code < 7 ? 200 : code == 7 ? 0 : 7 + int(random() % (code - 7));
        if (code == 50)
            parent = 0;  // a second prime: the lowest code is the prime
        if (code == 60)
            parent = 500;  // a parent that is nowhere
        if (code >= 90 && code <= 95)
            parent = 3;  // under a contractor outside the system
        place.setParam(0, code);
        place.setParam(1, QStringLiteral("体制%1").arg(code));
        place.setParam(2, parent);
        place.exec();
    }
    execute({QStringLiteral("Insert into KOJI (KJCD, APDT, KJNM) values (2, '2026/04/01', '大規模')")});
    AppContext::instance().WorkDate = QDate(2026, 6, 30);

    const QStringList expected = treeReadNodeByNode(data, QStringLiteral("2"), QStringLiteral("2026/06/30"));
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("2")));
    QStringList loaded;
    const QStringList codes = TreeCodes(), captions = TreeCaptions(), levels = TreeLevels();
    for (int i = 0; i < codes.size(); ++i)
        loaded << QStringLiteral("%1|%2|%3").arg(levels[i], codes[i], captions[i]);
    EXPECT_GT(expected.size(), 80);
    EXPECT_EQ(loaded, expected);
    EXPECT_EQ(system.PrimeGyoCode(), QStringLiteral("7"));
}

}  // namespace

#include "ConstructionSystem.h"

#include "program/AppContext.h"
#include "program/DataModule1.h"
#include "dates/DateText.h"
#include "MainMessages.h"
#include "db/SqlText.h"
#include "messages/MessageService.h"

namespace {

QString today()
{
    return DateToDateText(QDate::currentDate());
}

}  // namespace

ConstructionSystem::ConstructionSystem(TDataModule1 &data, QObject *parent)
    : QObject(parent)
    , m_data(data)
{
}

QString ConstructionSystem::ProjectLabel(const QString &code, const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("  最初に工事情報を新規作成します");
    return QStringLiteral("[登録No.") + code + QStringLiteral("]") + QStringLiteral("  ") + name;
}

void ConstructionSystem::clearProjectFields()
{
    m_projectName.clear();
    m_periodFrom.clear();
    m_periodTo.clear();
}

bool ConstructionSystem::LoadKoji(const QString &code)
{
    AppContext &context = AppContext::instance();
    m_projectLoaded = false;
    ClearTree();
    context.CurKojiName.clear();
    m_primeGyoCode.clear();
    publishLists();

    bool loaded = false;
    if (code.isEmpty() || code == QLatin1String("0"))
        clearProjectFields();
    else if (readProject(code)) {
        m_projectLoaded = true;
        db::Query query(m_data.IBTransaction1);
        query.setSql(QStringLiteral("Select * from TAISEI where KJCD = ") + SqlIntOrNull(code)
                     + QStringLiteral(" and HTYCD = 0"));
        query.open();
        if (!query.eof()) {
            m_primeGyoCode = query.field(QStringLiteral("GYOCD")).asString();
            const QModelIndex root
                = AddNode({}, 0, QStringLiteral("0"), query.field(QStringLiteral("CPNM")).asString(), m_primeGyoCode);
            query.close();
            addSubtree(code, root);
            publishLists();
        }
        loaded = true;
    }
    emit changed();
    return loaded;
}

bool ConstructionSystem::readProject(const QString &code)
{
    AppContext &context = AppContext::instance();
    db::Query query(m_data.IBTransaction1);
    query.setSql(QStringLiteral("Select * from KOJI where KJCD = ") + SqlIntOrNull(code)
                 + QStringLiteral(" order by apdt desc"));
    query.open();
    if (query.eof()) {
        clearProjectFields();
        MessageService::current().information(MainMessages::NoProject);
        return false;
    }
    context.CurKojiName = query.field(QStringLiteral("KJNM")).asString();
    context.CurKojiCode = code;
    context.CurIsJV = query.field(QStringLiteral("JV")).asInt() == 1;
    const QString start = query.field(QStringLiteral("STDT")).asString();
    m_periodFrom = DateTextToEraLong(start);
    m_periodTo = DateTextToEraLong(query.field(QStringLiteral("FNDT")).asString());
    context.CurKojiStart = start.isEmpty() ? DateToDateText(context.WorkDate) : start;
    // A project without a kind keeps the one chosen before.
    if (!query.field(QStringLiteral("TTNM")).isNull())
        context.CurSafetyKind = query.field(QStringLiteral("TTNM")).asString();
    m_projectName = context.CurKojiName;
    return true;
}

void ConstructionSystem::RefreshProject()
{
    AppContext &context = AppContext::instance();
    db::Query query(m_data.IBTransaction1);
    query.setSql(QStringLiteral("Select * from KOJI where KJCD = ") + SqlIntOrNull(context.CurKojiCode)
                 + QStringLiteral(" order by apdt desc"));
    query.open();
    if (query.eof())
        return;
    context.CurKojiName = query.field(QStringLiteral("KJNM")).asString();
    context.CurIsJV = query.field(QStringLiteral("JV")).asInt() == 1;
    m_projectName = context.CurKojiName;
    m_periodFrom = DateTextToEraLong(query.field(QStringLiteral("STDT")).asString());
    m_periodTo = DateTextToEraLong(query.field(QStringLiteral("FNDT")).asString());
    emit changed();
}

// Depth first, children in ascending GYOCD; the levels follow the parent links, not the
// stored UNUM.
void ConstructionSystem::addSubtree(const QString &code, const QModelIndex &node)
{
    const TMyRec parent = m_tree.record(node);
    QStringList children;
    {
        db::Query query(m_data.IBTransaction1);
        query.setSql(QStringLiteral("Select * from TAISEI where KJCD = ") + SqlIntOrNull(code)
                     + QStringLiteral(" and HTYCD = ") + SqlIntOrNull(parent.GyoCode)
                     + QStringLiteral(" order by GYOCD"));
        for (query.open(); !query.eof(); query.next())
            children << query.field(QStringLiteral("GYOCD")).asString();
    }
    const QString workDate = DateToDateText(AppContext::instance().WorkDate);
    const QPersistentModelIndex parentNode(node);
    for (const QString &gyoCode : children) {
        QString caption;
        m_data.GetContractorItem(code, gyoCode, QStringLiteral("CPNM"), workDate, caption);
        const QModelIndex child = AddNode(parentNode, parent.Level + 1, parent.GyoCode, caption, gyoCode);
        addSubtree(code, child);
    }
}

QModelIndex ConstructionSystem::AddNode(const QModelIndex &relative, int level, const QString &parentCode,
                                        const QString &name, const QString &gyoCode)
{
    const TMyRec record{gyoCode, parentCode, level};
    if (level == 0)
        return m_tree.appendRoot(name, record);
    const int relativeLevel = m_tree.record(relative).Level;
    if (level == relativeLevel)
        return m_tree.appendChild(relative.parent(), name, record);
    if (level > relativeLevel && relative.isValid())
        return m_tree.appendChild(relative, name, record);
    MessageService::current().error(MainMessages::LevelAboveRelative);
    return {};
}

bool ConstructionSystem::execute(const QStringList &statements)
{
    try {
        db::Query query(m_data.IBTransaction1);
        for (const QString &sql : statements) {
            query.setSql(sql);
            query.exec();
        }
        m_data.IBTransaction1.commitRetaining();
        return true;
    } catch (const db::Error &error) {
        MessageService::current().error(error.message());
        try {
            m_data.IBTransaction1.rollbackRetaining();
        } catch (const db::Error &) {
            // The first message already tells what went wrong.
        }
        return false;
    }
}

bool ConstructionSystem::PlaceGyo(const QModelIndex &relative, const QString &kojiCode, int level,
                                  const QString &parentCode, const QString &name, const QString &gyoCode)
{
    // The level rule is checked before the row is written, so a refused node leaves no
    // row that the tree does not show.
    if (level != 0 && (!relative.isValid() || level < m_tree.record(relative).Level)) {
        MessageService::current().error(MainMessages::LevelAboveRelative);
        return false;
    }
    const QString date = SqlQuote(today());
    const QString insert = QStringLiteral("Insert into TAISEI values(")
        + QStringList{SqlIntOrNull(kojiCode),
                      SqlIntOrNull(gyoCode),
                      SqlStrOrNull(name),
                      SqlIntOrNull(parentCode),
                      QString::number(level),
                      QStringLiteral("1"),
                      date,
                      date,
                      QStringLiteral("0"),
                      QStringLiteral("null"),
                      QStringLiteral("null"),
                      QStringLiteral("null"),
                      QStringLiteral("null"),
                      QStringLiteral("null")}
              .join(QLatin1Char(','))
        + QStringLiteral(")");
    if (!execute({insert}))
        return false;
    AddNode(relative, level, parentCode, name, gyoCode);
    publishLists();
    emit changed();
    return true;
}

bool ConstructionSystem::PlacePrime(const QString &gyoCode, const QString &name)
{
    if (!PlaceGyo({}, AppContext::instance().CurKojiCode, 0, QStringLiteral("0"), name, gyoCode))
        return false;
    m_primeGyoCode = gyoCode;
    emit changed();
    return true;
}

bool ConstructionSystem::PlaceUnderSelected(const QString &gyoCode, const QString &name)
{
    if (!m_selNode.isValid()) {
        MessageService::current().information(MainMessages::SelectOrderer);
        return false;
    }
    const TMyRec parent = m_tree.record(m_selNode);
    return PlaceGyo(m_selNode, AppContext::instance().CurKojiCode, parent.Level + 1, parent.GyoCode, name, gyoCode);
}

bool ConstructionSystem::RemoveSelected()
{
    if (!m_selNode.isValid()) {
        MessageService::current().information(MainMessages::SelectToRemove);
        return false;
    }
    if (!MessageService::current().question(m_tree.caption(m_selNode) + MainMessages::RemoveQuestionSuffix,
                                            MainMessages::RemoveQuestionTitle))
        return false;
    return RemoveNode(m_selNode);
}

bool ConstructionSystem::RemoveNode(const QModelIndex &node)
{
    if (!node.isValid())
        return false;
    const QString project = SqlIntOrNull(AppContext::instance().CurKojiCode);
    QStringList deletes;
    for (const QModelIndex &index : m_tree.subtree(node)) {
        deletes << QStringLiteral("Delete from TAISEI where KJCD=") + project + QStringLiteral(" and GYOCD=")
                + SqlIntOrNull(m_tree.record(index).GyoCode);
    }
    // All rows of the subtree go in one commit, so a failure leaves the rows and the tree
    // as they were instead of a half-removed branch.
    if (!execute(deletes))
        return false;
    m_tree.removeNode(node);
    if (!m_selNode.isValid())
        m_selGyoCode.clear();
    if (m_tree.isEmpty())
        m_primeGyoCode.clear();
    publishLists();
    emit changed();
    return true;
}

bool ConstructionSystem::RenameNode(const QModelIndex &node, const QString &name)
{
    if (!node.isValid())
        return false;
    if (!execute({QStringLiteral("Update TAISEI set CPNM = ") + SqlStrOrNull(name) + QStringLiteral(" where KJCD=")
                  + SqlIntOrNull(AppContext::instance().CurKojiCode) + QStringLiteral(" and GYOCD=")
                  + SqlIntOrNull(m_tree.record(node).GyoCode)}))
        return false;
    m_tree.setCaption(node, name);
    publishLists();
    emit changed();
    return true;
}

void ConstructionSystem::ClearTree()
{
    m_tree.clear();
    m_selNode = QPersistentModelIndex();
    m_selGyoCode.clear();
}

void ConstructionSystem::Select(const QModelIndex &node)
{
    m_selNode = node;
    m_selGyoCode = node.isValid() ? m_tree.record(node).GyoCode : QString();
    emit changed();
}

bool ConstructionSystem::SelectedIsPrime() const
{
    return !m_selGyoCode.isEmpty() && m_selGyoCode == m_primeGyoCode;
}

QString ConstructionSystem::TreeCodeList() const
{
    QStringList codes;
    for (const QModelIndex &index : m_tree.nodesInTreeOrder())
        codes << m_tree.record(index).GyoCode;
    return codes.join(QLatin1Char(','));
}

void ConstructionSystem::publishLists()
{
    AppContext &context = AppContext::instance();
    context.TreeLabels.clear();
    context.TreeGyoCodes.clear();
    context.TreeLevels.clear();
    for (const QModelIndex &index : m_tree.nodesInTreeOrder()) {
        const TMyRec record = m_tree.record(index);
        context.TreeLabels << m_tree.caption(index);
        context.TreeGyoCodes << record.GyoCode;
        context.TreeLevels << QString::number(record.Level);
    }
}

MainActionState ConstructionSystem::actionState() const
{
    const bool realProject = AppContext::instance().CurKojiCode != QLatin1String("0");
    MainActionState state;
    state.projectDependent = m_projectLoaded;
    state.primeDependent = !m_primeGyoCode.isEmpty();
    state.nissiEnabled = state.primeDependent && realProject;
    state.nodeDependent = m_selNode.isValid();
    state.primeActionsVisible = realProject && m_tree.isEmpty();
    state.subActionsVisible = realProject && !m_tree.isEmpty();
    return state;
}

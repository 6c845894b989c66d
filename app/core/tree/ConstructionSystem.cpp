#include "ConstructionSystem.h"

#include "MainMessages.h"
#include "SystemTreeReader.h"
#include "dates/DateText.h"
#include "db/Error.h"
#include "db/Query.h"
#include "db/Transaction.h"
#include "messages/MessageService.h"
#include "program/AppContext.h"

namespace {

QString today()
{
    return DateToDateText(QDate::currentDate());
}

}  // namespace

ConstructionSystem::ConstructionSystem(db::Transaction &transaction, CurrentProject &project, QObject *parent)
    : QObject(parent)
    , m_transaction(transaction)
    , m_project(project)
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
    m_projectLoaded = false;
    ClearTree();
    m_primeGyoCode.clear();
    const bool loaded = !code.isEmpty() && code != QLatin1String("0") && readProject(code);
    if (loaded) {
        m_projectLoaded = true;
        const auto nodes = SystemTreeReader::Read(m_transaction, code, DateToDateText(AppContext::instance().WorkDate));
        if (!nodes.isEmpty())
            m_primeGyoCode = nodes.first().record.GyoCode;
        m_tree.assign(nodes);
    } else {
        clearProjectFields();
        m_project.Clear();
    }
    publishLists();
    emit changed();
    return loaded;
}

bool ConstructionSystem::readProject(const QString &code)
{
    db::Query query(m_transaction);
    SetStatement(query, {QStringLiteral("Select * from KOJI where KJCD = ? order by apdt desc"), {CodeParam(code)}});
    query.open();
    if (query.eof()) {
        MessageService::current().information(MainMessages::NoProject);
        return false;
    }
    const QString start = query.field(QStringLiteral("STDT")).asString();
    m_projectName = query.field(QStringLiteral("KJNM")).asString();
    m_periodFrom = DateTextToEraLong(start);
    m_periodTo = DateTextToEraLong(query.field(QStringLiteral("FNDT")).asString());
    m_project.Select({code, m_projectName, start.isEmpty() ? DateToDateText(AppContext::instance().WorkDate) : start,
                      query.field(QStringLiteral("JV")).asInt() == 1});
    // A project without a kind keeps the one chosen before.
    if (!query.field(QStringLiteral("TTNM")).isNull())
        m_project.SetSafetyKind(query.field(QStringLiteral("TTNM")).asString());
    return true;
}

void ConstructionSystem::RefreshProject()
{
    if (!m_project.IsOpen())
        return;
    if (readProject(m_project.CurKojiCode()))
        emit changed();
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

bool ConstructionSystem::execute(const QList<SqlStatement> &statements)
{
    try {
        db::Query query(m_transaction);
        for (const SqlStatement &sql : statements) {
            SetStatement(query, sql);
            query.exec();
        }
        m_transaction.commitRetaining();
        return true;
    } catch (const db::Error &error) {
        MessageService::current().error(error.message());
        try {
            m_transaction.rollbackRetaining();
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
    const QString date = today();
    const SqlStatement insert{
        QStringLiteral("Insert into TAISEI values(?,?,?,?,?,1,?,?,0,null,null,null,null,null)"),
        {CodeParam(kojiCode), CodeParam(gyoCode), name, CodeParam(parentCode), level, date, date}};
    if (!execute({insert}))
        return false;
    AddNode(relative, level, parentCode, name, gyoCode);
    publishLists();
    emit changed();
    return true;
}

bool ConstructionSystem::PlacePrime(const QString &gyoCode, const QString &name)
{
    if (!PlaceGyo({}, m_project.CurKojiCode(), 0, QStringLiteral("0"), name, gyoCode))
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
    return PlaceGyo(m_selNode, m_project.CurKojiCode(), parent.Level + 1, parent.GyoCode, name, gyoCode);
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
    const QVariant project = CodeParam(m_project.CurKojiCode());
    QList<SqlStatement> deletes;
    for (const QModelIndex &index : m_tree.subtree(node))
        deletes.append({QStringLiteral("Delete from TAISEI where KJCD=? and GYOCD=?"),
                        {project, CodeParam(m_tree.record(index).GyoCode)}});
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
    if (!execute({{QStringLiteral("Update TAISEI set CPNM = ? where KJCD=? and GYOCD=?"),
                   {name, CodeParam(m_project.CurKojiCode()), CodeParam(m_tree.record(node).GyoCode)}}}))
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

void ConstructionSystem::publishLists()
{
    QList<TreeEntry> tree;
    for (const QModelIndex &index : m_tree.nodesInTreeOrder())
        tree.append({m_tree.caption(index), m_tree.record(index).GyoCode, m_tree.record(index).Level});
    m_project.PublishTree(tree);
}

MainActionState ConstructionSystem::actionState() const
{
    const bool realProject = m_project.IsOpen();
    MainActionState state;
    state.projectDependent = m_projectLoaded;
    state.primeDependent = !m_primeGyoCode.isEmpty();
    state.nissiEnabled = state.primeDependent && realProject;
    state.nodeDependent = m_selNode.isValid();
    state.primeActionsVisible = realProject && m_tree.isEmpty();
    state.subActionsVisible = realProject && !m_tree.isEmpty();
    return state;
}

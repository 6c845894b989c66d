#include "ConstructionTreeModel.h"

#include <algorithm>

struct ConstructionTreeModel::Node
{
    QString caption;
    TMyRec record;
    Node *parent = nullptr;
    std::vector<std::unique_ptr<Node>> children;
};

ConstructionTreeModel::ConstructionTreeModel(QObject *parent)
    : QAbstractItemModel(parent)
{
}

ConstructionTreeModel::~ConstructionTreeModel() = default;

ConstructionTreeModel::Node *ConstructionTreeModel::node(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<Node *>(index.internalPointer()) : nullptr;
}

std::vector<std::unique_ptr<ConstructionTreeModel::Node>> &ConstructionTreeModel::childrenOf(Node *parent)
{
    return parent ? parent->children : m_roots;
}

const std::vector<std::unique_ptr<ConstructionTreeModel::Node>> &
ConstructionTreeModel::childrenOf(const Node *parent) const
{
    return parent ? parent->children : m_roots;
}

QModelIndex ConstructionTreeModel::indexOf(const Node *target) const
{
    if (!target)
        return {};
    const auto &siblings = childrenOf(target->parent);
    const auto it = std::find_if(siblings.begin(), siblings.end(),
                                 [target](const std::unique_ptr<Node> &n) { return n.get() == target; });
    return createIndex(int(it - siblings.begin()), 0, const_cast<Node *>(target));
}

QModelIndex ConstructionTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    const auto &children = childrenOf(node(parent));
    if (column != 0 || row < 0 || row >= int(children.size()))
        return {};
    return createIndex(row, 0, children[row].get());
}

QModelIndex ConstructionTreeModel::parent(const QModelIndex &child) const
{
    const Node *n = node(child);
    return n ? indexOf(n->parent) : QModelIndex();
}

int ConstructionTreeModel::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    return int(childrenOf(node(parent)).size());
}

int ConstructionTreeModel::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant ConstructionTreeModel::data(const QModelIndex &index, int role) const
{
    const Node *n = node(index);
    if (!n)
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return n->caption;
    return {};
}

Qt::ItemFlags ConstructionTreeModel::flags(const QModelIndex &index) const
{
    // Captions are read-only: a name changes only through the contractor editor.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void ConstructionTreeModel::clear()
{
    beginResetModel();
    m_roots.clear();
    endResetModel();
}

void ConstructionTreeModel::assign(const QList<NodeData> &nodes)
{
    beginResetModel();
    m_roots.clear();
    std::vector<Node *> ancestors;  // the last node of each level so far
    for (const NodeData &data : nodes) {
        const size_t level = size_t(std::max(0, data.record.Level));
        if (level > ancestors.size())
            continue;  // no parent one level up: tree order was broken
        ancestors.resize(level);
        Node *parent = ancestors.empty() ? nullptr : ancestors.back();
        auto created = std::make_unique<Node>();
        created->caption = data.caption;
        created->record = data.record;
        created->parent = parent;
        ancestors.push_back(created.get());
        childrenOf(parent).push_back(std::move(created));
    }
    endResetModel();
}

QModelIndex ConstructionTreeModel::append(Node *parent, const QString &caption, const TMyRec &record)
{
    auto &siblings = childrenOf(parent);
    const int row = int(siblings.size());
    beginInsertRows(indexOf(parent), row, row);
    auto created = std::make_unique<Node>();
    created->caption = caption;
    created->record = record;
    created->parent = parent;
    Node *raw = created.get();
    siblings.push_back(std::move(created));
    endInsertRows();
    return createIndex(row, 0, raw);
}

QModelIndex ConstructionTreeModel::appendRoot(const QString &caption, const TMyRec &record)
{
    return append(nullptr, caption, record);
}

QModelIndex ConstructionTreeModel::appendChild(const QModelIndex &parent, const QString &caption, const TMyRec &record)
{
    return append(node(parent), caption, record);
}

void ConstructionTreeModel::removeNode(const QModelIndex &index)
{
    Node *n = node(index);
    if (!n)
        return;
    beginRemoveRows(index.parent(), index.row(), index.row());
    auto &siblings = childrenOf(n->parent);
    siblings.erase(siblings.begin() + index.row());
    endRemoveRows();
}

TMyRec ConstructionTreeModel::record(const QModelIndex &index) const
{
    const Node *n = node(index);
    return n ? n->record : TMyRec{};
}

QString ConstructionTreeModel::caption(const QModelIndex &index) const
{
    const Node *n = node(index);
    return n ? n->caption : QString();
}

void ConstructionTreeModel::setCaption(const QModelIndex &index, const QString &caption)
{
    Node *n = node(index);
    if (!n)
        return;
    n->caption = caption;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::ToolTipRole});
}

void ConstructionTreeModel::collect(const Node *n, QModelIndexList &out) const
{
    out << indexOf(n);
    for (const auto &child : n->children)
        collect(child.get(), out);
}

QModelIndexList ConstructionTreeModel::nodesInTreeOrder() const
{
    QModelIndexList out;
    for (const auto &root : m_roots)
        collect(root.get(), out);
    return out;
}

QModelIndexList ConstructionTreeModel::subtree(const QModelIndex &index) const
{
    QModelIndexList out;
    if (const Node *n = node(index))
        collect(n, out);
    return out;
}

QModelIndex ConstructionTreeModel::find(const QString &gyoCode) const
{
    for (const QModelIndex &index : nodesInTreeOrder()) {
        if (node(index)->record.GyoCode == gyoCode)
            return index;
    }
    return {};
}

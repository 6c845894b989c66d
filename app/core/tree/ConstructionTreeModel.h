#pragma once

#include "TMyRec.h"

#include <QAbstractItemModel>
#include <memory>
#include <vector>

// The construction-system tree as an item model: which contractor works under which.
// Each node owns its TMyRec; the caption is the company name. The model knows nothing
// of the database, so clearing it (for a reload or at closing) never touches the rows.
class ConstructionTreeModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    explicit ConstructionTreeModel(QObject *parent = nullptr);
    ~ConstructionTreeModel() override;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    bool isEmpty() const { return m_roots.empty(); }
    void clear();

    struct NodeData
    {
        QString caption;
        TMyRec record;
    };
    // Replaces the whole tree in one reset by `nodes` in tree order (a parent before its
    // children), each placed under the nearest earlier node one level up.
    void assign(const QList<NodeData> &nodes);

    // Appends a node at the top level, or as the last child of `parent`.
    QModelIndex appendRoot(const QString &caption, const TMyRec &record);
    QModelIndex appendChild(const QModelIndex &parent, const QString &caption, const TMyRec &record);
    // Removes the node with its whole subtree.
    void removeNode(const QModelIndex &node);

    TMyRec record(const QModelIndex &node) const;
    QString caption(const QModelIndex &node) const;
    void setCaption(const QModelIndex &node, const QString &caption);

    // Every node in tree order: a parent before its children, children in their order.
    QModelIndexList nodesInTreeOrder() const;
    // The node and all nodes below it, in tree order.
    QModelIndexList subtree(const QModelIndex &node) const;
    // The node of a contractor; invalid when it is not in the tree.
    QModelIndex find(const QString &gyoCode) const;

private:
    struct Node;
    Node *node(const QModelIndex &index) const;
    QModelIndex indexOf(const Node *node) const;
    std::vector<std::unique_ptr<Node>> &childrenOf(Node *node);
    const std::vector<std::unique_ptr<Node>> &childrenOf(const Node *node) const;
    QModelIndex append(Node *parent, const QString &caption, const TMyRec &record);
    void collect(const Node *node, QModelIndexList &out) const;

    std::vector<std::unique_ptr<Node>> m_roots;
};

#pragma once

#include "ConstructionTreeModel.h"
#include "MainActionState.h"
#include "data/SqlStatement.h"

#include <QObject>
#include <QPersistentModelIndex>

class CurrentProject;

namespace db {
class Transaction;
}

// The main window's current project and its construction system without the window:
// loading a project with its tree, placing, removing and renaming contractors, the
// selection, the tree published through the current project, and the enabling rules.
// It is the one writer of the current project. Every change is announced by changed();
// the window only mirrors the state.
class ConstructionSystem : public QObject
{
    Q_OBJECT
public:
    ConstructionSystem(db::Transaction &transaction, CurrentProject &project, QObject *parent = nullptr);

    ConstructionTreeModel &tree() { return m_tree; }
    const ConstructionTreeModel &tree() const { return m_tree; }

    // Loads the newest version of the project and draws its construction system (two
    // reads whatever its size). On failure no project is current.
    bool LoadKoji(const QString &code);
    // Re-reads the newest version of the current project (after the project editor
    // posted) without touching the tree.
    void RefreshProject();

    // Adds a node relative to `relative` (see the level rule); invalid when refused.
    QModelIndex AddNode(const QModelIndex &relative, int level, const QString &parentCode, const QString &name,
                        const QString &gyoCode);
    // Inserts the TAISEI row and, when that succeeds, the node.
    bool PlaceGyo(const QModelIndex &relative, const QString &kojiCode, int level, const QString &parentCode,
                  const QString &name, const QString &gyoCode);
    // The contractor becomes the prime contractor of the current project.
    bool PlacePrime(const QString &gyoCode, const QString &name);
    // The contractor is placed under the selected node; asks for a selection without one.
    bool PlaceUnderSelected(const QString &gyoCode, const QString &name);
    // Asks, then removes the selected node with its subtree and their TAISEI rows.
    bool RemoveSelected();
    // Removes the node with its subtree and their TAISEI rows, all or nothing.
    bool RemoveNode(const QModelIndex &node);
    // Stores the new company name of the node's contractor and shows it.
    bool RenameNode(const QModelIndex &node, const QString &name);
    // Empties the tree; the rows stay (reload, closing).
    void ClearTree();

    void Select(const QModelIndex &node);
    QModelIndex SelNode() const { return m_selNode; }
    QString SelGyoCode() const { return m_selGyoCode; }
    QString PrimeGyoCode() const { return m_primeGyoCode; }
    bool SelectedIsPrime() const;

    bool ProjectLoaded() const { return m_projectLoaded; }
    QString ProjectName() const { return m_projectName; }
    QString PeriodFrom() const { return m_periodFrom; }
    QString PeriodTo() const { return m_periodTo; }
    // The text of the project label for a code and a project name.
    static QString ProjectLabel(const QString &code, const QString &name);

    MainActionState actionState() const;

signals:
    void changed();

private:
    void clearProjectFields();
    bool readProject(const QString &code);
    void publishLists();
    bool execute(const QList<SqlStatement> &statements);

    db::Transaction &m_transaction;
    CurrentProject &m_project;
    ConstructionTreeModel m_tree;
    QPersistentModelIndex m_selNode;
    QString m_selGyoCode;
    QString m_primeGyoCode;
    bool m_projectLoaded = false;
    QString m_projectName;
    QString m_periodFrom;
    QString m_periodTo;
};

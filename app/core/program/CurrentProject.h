#pragma once

#include <QList>
#include <QObject>
#include <QString>

// One node of the published construction system: the contractor's caption in the tree,
// its code and its level (0 for the prime contractor).
struct TreeEntry
{
    QString Caption;
    QString GyoCode;
    int Level = 0;

    bool operator==(const TreeEntry &) const = default;
};

// The project the main window has open, with its construction system as the other
// windows see it. There is one per program run (AppContext::Project()); the main window's
// project loading is the only writer of the project (Select, Clear) and of the tree
// (PublishTree), the project editor the only other writer (SetSafetyKind). Every change
// is announced by changed(); readers never keep copies.
class CurrentProject : public QObject
{
    Q_OBJECT
public:
    struct Particulars
    {
        QString Code;
        QString Name;
        QString Start;  // STDT, or the work date as a date text when the project has none
        bool IsJV = false;
    };

    explicit CurrentProject(QObject *parent = nullptr);

    // "0" when no project is open.
    QString CurKojiCode() const { return m_particulars.Code; }
    QString CurKojiName() const { return m_particulars.Name; }
    QString CurKojiStart() const { return m_particulars.Start; }
    bool CurIsJV() const { return m_particulars.IsJV; }
    // The kind of safety-and-health officer; it outlives the project that set it, so a
    // project without one (and the next new project) keeps the last.
    QString CurSafetyKind() const { return m_safetyKind; }
    bool IsOpen() const { return m_particulars.Code != QLatin1String("0"); }

    // The construction system in tree order: a parent before its children.
    const QList<TreeEntry> &Tree() const { return m_tree; }

    void Select(const Particulars &particulars);
    // No project: code "0", name and start empty, an empty tree.
    void Clear();
    // As at start: no project and no kind of safety officer.
    void Reset();
    void SetSafetyKind(const QString &kind);
    void PublishTree(const QList<TreeEntry> &tree);

signals:
    void changed();

private:
    Particulars m_particulars{QStringLiteral("0"), {}, {}, false};
    QString m_safetyKind;
    QList<TreeEntry> m_tree;
};

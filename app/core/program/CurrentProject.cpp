#include "CurrentProject.h"

CurrentProject::CurrentProject(QObject *parent)
    : QObject(parent)
{
}

void CurrentProject::Select(const Particulars &particulars)
{
    m_particulars = particulars;
    emit changed();
}

void CurrentProject::Clear()
{
    m_particulars = {QStringLiteral("0"), {}, {}, false};
    m_tree.clear();
    emit changed();
}

void CurrentProject::Reset()
{
    m_safetyKind.clear();
    Clear();
}

void CurrentProject::SetSafetyKind(const QString &kind)
{
    if (kind == m_safetyKind)
        return;
    m_safetyKind = kind;
    emit changed();
}

void CurrentProject::PublishTree(const QList<TreeEntry> &tree)
{
    m_tree = tree;
    emit changed();
}

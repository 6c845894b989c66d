#include "ProjectTree.h"

#include "program/AppContext.h"

void SelectProject(const QString &code, const QString &name)
{
    AppContext::instance().Project().Select({code, name, {}, false});
}

QStringList TreeCaptions()
{
    QStringList captions;
    for (const TreeEntry &entry : AppContext::instance().Project().Tree())
        captions << entry.Caption;
    return captions;
}

QStringList TreeCodes()
{
    QStringList codes;
    for (const TreeEntry &entry : AppContext::instance().Project().Tree())
        codes << entry.GyoCode;
    return codes;
}

QStringList TreeLevels()
{
    QStringList levels;
    for (const TreeEntry &entry : AppContext::instance().Project().Tree())
        levels << QString::number(entry.Level);
    return levels;
}

#include "DBImageFrame.h"

#include "data/ImageStore.h"
#include "db/Error.h"

#include <QFile>
#include <QToolButton>

DBImageFrame::DBImageFrame(QWidget *parent)
    : TImageFrame(parent)
{
    m_link.OnReload = [this] { reload(); };
    OnImageChange = [this](TImageFrame &) { imageChanged(); };
    reload();
}

void DBImageFrame::reload()
{
    if (m_link.modified())
        return;
    btnOpen->setEnabled(m_link.canModify());
    btnDelete->setEnabled(m_link.canModify());
    const QString name = m_link.text();
    // Fetched once per name: a state change of the same record shows what is there.
    if (Store && !name.isEmpty() && (name != FileName || !QFile::exists(Folder() + name))) {
        try {
            Store->FetchImageFile(name, Folder());
        } catch (const db::Error &) {
            // The frame shows its not-found picture: the image cannot be put where it is
            // shown from, and every move would repeat a message.
        }
    }
    ShowImage(name);
}

void DBImageFrame::imageChanged()
{
    const QString name = FileName;
    if (m_link.startEdit())
        m_link.write(name);
    else
        reload();
}

#pragma once

#include "ScriptedEditorServices.h"
#include "SiteFixture.h"
#include "kit/EditorContext.h"

#include <QColor>
#include <QImage>
#include <QTemporaryDir>

// A site with what an editor is handed: the records' context over the site's database
// (images shown from the program folder's "image") and scripted pickers, and JPEG files
// to register.
template<typename Site> class EditorFixture : public Site
{
protected:
    void SetUp() override
    {
        Site::SetUp();
        m_context = std::make_unique<EditorContext>(EditorContext{this->records(), services});
    }

    const EditorContext &context() const { return *m_context; }

    // A small photo of the given colour, written where a user would keep it.
    QString jpegFile(const QString &name, QColor colour = QColor(0x40, 0x80, 0x40))
    {
        QImage image(40, 50, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = m_files.filePath(name);
        image.save(path, "JPG");
        return path;
    }
    QString missingFile(const QString &name) const { return m_files.filePath(name); }

    // What another user of the database sees: only committed rows.
    QString committed(const QString &sql) { return this->committedColumn(sql).value(0); }

    ScriptedEditorServices services;

private:
    std::unique_ptr<EditorContext> m_context;
    QTemporaryDir m_files;
};

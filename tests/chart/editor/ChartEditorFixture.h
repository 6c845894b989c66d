#pragma once

#include "EditorFixture.h"
#include "TKItem.h"
#include "TTaikeizuForm.h"

#include <memory>

// The chart editor on the demo's road project, whose chart has two saved versions
// (2026/04/01, 2026/10/01), driven through the window as a user would: pointer and keys go
// to the window and reach the control under the pointer or with the focus.
class ChartEditorFixture : public EditorFixture<DemoSiteFixture>
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Shows the editor on project 1 (start date 2026/04/01) and makes it the active window.
    void open();

    TKItem *box(const QString &code) const;
    QPoint cell(const QString &code) const;  // column, row
    QStringList codes() const;               // in drawing order

    // Pointer actions at points of the layout, delivered to the window.
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void moveTo(QPoint at);
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void click(const QString &code);
    // Drags a box from its centre to the same place in another cell, with moves on the way.
    void drag(const QString &code, QPoint toCell);
    // Right-clicks a box and chooses `action` of its menu with the pointer.
    void choose(const QString &code, QAction *action);
    // A key delivered to the window, which hands it to the control with the focus.
    void key(int key);
    void typeDate(const QString &text);

    QPoint centre(const QString &code) const;
    QPoint inWindow(QPoint layoutPoint) const;
    QImage bitmap() const;
    QStringList committedRows(const QString &date);

    std::unique_ptr<TTaikeizuForm> form;
};

#include "ChartEditorFixture.h"
#include "ProjectTree.h"
#include "UiInput.h"
#include "TLayout.h"

#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QTest>

void ChartEditorFixture::SetUp()
{
    EditorFixture::SetUp();
    AppContext::instance().Project().Select({QStringLiteral("1"),
                                             QStringLiteral("国道230号 札幌市南区川沿地区道路改良工事"),
                                             QStringLiteral("2026/04/01"), false});
}

void ChartEditorFixture::TearDown()
{
    form.reset();
    EditorFixture::TearDown();
}

void ChartEditorFixture::open()
{
    form = std::make_unique<TTaikeizuForm>(context());
    form->ProjectCode = QStringLiteral("1");
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
}

TKItem *ChartEditorFixture::box(const QString &code) const
{
    for (TKItem *item : form->Boxes())
        if (item->Box().ContractorCode == code)
            return item;
    ADD_FAILURE() << "no box of contractor " << code.toStdString();
    return nullptr;
}

QPoint ChartEditorFixture::cell(const QString &code) const
{
    const TKItem *item = box(code);
    return item ? QPoint(item->Column(), item->Row()) : QPoint(-1, -1);
}

QStringList ChartEditorFixture::codes() const
{
    QStringList codes;
    for (const TKItem *item : form->Boxes())
        codes << item->Box().ContractorCode;
    return codes;
}

QPoint ChartEditorFixture::centre(const QString &code) const
{
    const TKItem *item = box(code);
    return item ? item->BoxRect().center() : QPoint();
}

QPoint ChartEditorFixture::inWindow(QPoint layoutPoint) const
{
    return form->Layout1->mapTo(form.get(), layoutPoint);
}

void ChartEditorFixture::press(QPoint at, Qt::MouseButton button)
{
    form->ScrollBox1->ensureVisible(at.x(), at.y(), 10, 10);
    QTest::mousePress(form->windowHandle(), button, {}, inWindow(at));
}

void ChartEditorFixture::moveTo(QPoint at)
{
    QTest::mouseMove(form->windowHandle(), inWindow(at));
}

void ChartEditorFixture::release(QPoint at, Qt::MouseButton button)
{
    QTest::mouseRelease(form->windowHandle(), button, {}, inWindow(at));
}

void ChartEditorFixture::click(const QString &code)
{
    press(centre(code));
    release(centre(code));
}

void ChartEditorFixture::drag(const QString &code, QPoint toCell)
{
    const QPoint from = centre(code);
    const QPoint to = from + (toCell - cell(code)) * 130;
    press(from);
    moveTo(from + (to - from) / 2);
    moveTo(to);
    release(to);
}

void ChartEditorFixture::choose(const QString &code, QAction *action)
{
    press(centre(code), Qt::RightButton);
    QMenu *menu = form->PopupMenu1;
    ASSERT_TRUE(menu->isVisible());
    release(centre(code), Qt::RightButton);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
}

void ChartEditorFixture::key(int key)
{
    QTest::keyClick(form->windowHandle(), Qt::Key(key));
}

void ChartEditorFixture::typeDate(const QString &text)
{
    form->edtAPDT->setFocus();
    form->edtAPDT->selectAll();
    TypeText(form->edtAPDT, text);
}

QImage ChartEditorFixture::bitmap() const
{
    return form->Layout1->Bitmap();
}

QStringList ChartEditorFixture::committedRows(const QString &date)
{
    return committedColumn(QStringLiteral("Select GYOCD||':'||HTYCD||':'||UNUM||':'||LOCPG||'/'||LOCROW||'/'||LOCCOL"
                                          " from TAIKEI where KJCD = 1 and APDT = '%1' order by GYOCD")
                               .arg(date));
}

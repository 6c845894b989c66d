#include "TMeishoBox.h"

#include "program/DataModule1.h"
#include "services/ModalService.h"
#include "NameEntryDelegate.h"
#include "pickers/PickerSql.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QVBoxLayout>

TMeishoBox::TMeishoBox(int kind, QWidget *parent)
    : QDialog(parent)
    , m_kind(kind)
{
    setWindowTitle(QStringLiteral("名称選択"));
    ListBox1 = new QListWidget(this);
    ListBox1->setItemDelegate(new NameEntryDelegate(ListBox1));
    ListBox1->viewport()->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(ListBox1);
    resize(460, 300);

    db::Query query(TDataModule1::instance()->IBTransaction1);
    SetStatement(query, PickerSql::NameList(kind));
    for (query.open(); !query.eof(); query.next()) {
        const QString abbreviation = query.field(QStringLiteral("PRNM")).asString();
        const QString name = query.field(QStringLiteral("NM")).asString();
        ListBox1->addItem(PickerSql::NameEntry(abbreviation, name));
        Abbreviations << abbreviation;
        Names << name;
    }
}

void TMeishoBox::choose()
{
    const int row = ListBox1->currentRow();
    if (row < 0 || !ListBox1->currentItem()->isSelected())
        return;
    Result = PickerSql::NameResult(m_kind, ListBox1->item(row)->text(), Abbreviations.at(row));
    ResultName = Names.at(row);
    accept();
}

void TMeishoBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        choose();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        Result.clear();
        ResultName.clear();
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TMeishoBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ListBox1->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const bool handled = QDialog::eventFilter(watched, event);
        if (ListBox1->itemAt(static_cast<QMouseEvent *>(event)->position().toPoint()))
            choose();
        return handled;
    }
    return QDialog::eventFilter(watched, event);
}

QString PickName(int top, int left, int kind, QWidget *parent)
{
    return PickNameChoice(top, left, kind, parent).Text;
}

NameChoice PickNameChoice(int top, int left, int kind, QWidget *parent)
{
    TMeishoBox box(kind, parent);
    box.move(left, top);
    ModalService::current().run(box);
    return {box.Result, box.ResultName};
}

#include "DBCheckGrid.h"

#include "services/UserAction.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QSignalBlocker>

DBCheckGrid::DBCheckGrid(QWidget *parent)
    : DataBoundControl(parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    for (int n = 0; n < BoxCount; ++n) {
        auto *box = new QCheckBox(QString(QChar(0x2460 + n)), this);
        box->setObjectName(QStringLiteral("box%1").arg(n + 1));
        box->setFixedWidth(BoxWidth);
        connect(box, &QCheckBox::clicked, this, [this] {
            const QString value = Get();
            if (!RunUserAction([&] { m_link.write(value); }))
                reload();
        });
        m_boxes << box;
        row->addWidget(box);
    }
    m_link.OnReload = [this] { reload(); };
    reload();
}

void DBCheckGrid::Put(const QString &text)
{
    for (int n = 0; n < BoxCount; ++n) {
        const QSignalBlocker quiet(m_boxes[n]);
        m_boxes[n]->setChecked(text.mid(n, 1) == QLatin1String("1"));
    }
}

QString DBCheckGrid::Get() const
{
    QString text;
    for (const QCheckBox *box : m_boxes)
        text += box->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
    return text;
}

void DBCheckGrid::reload()
{
    for (QCheckBox *box : std::as_const(m_boxes))
        box->setEnabled(m_link.canModify());
    Put(m_link.text());
}

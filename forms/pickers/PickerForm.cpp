#include "PickerForm.h"

#include "controls/DBGrid.h"
#include "program/DataModule1.h"
#include "bases/TPanel.h"
#include "services/UserAction.h"
#include "data/DataField.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

PickerForm::PickerForm(const QString &caption, const QString &header, const QString &okCaption,
                       const QString &cancelCaption, QWidget *parent)
    : TmyForm(parent)
    , IBQuery1(TDataModule1::instance()->IBTransaction1)
{
    setWindowTitle(caption);
    HeaderPanel = new TPanel(this, header);
    HeaderPanel->setMinimumHeight(36);
    ApplyTitleStyle(HeaderPanel);
    DataSource1.setDataSet(&IBQuery1);
    DBGrid1 = new DBGrid(this);
    DBGrid1->setDataSource(&DataSource1);
    btnOK = new QPushButton(okCaption, this);
    BitBtn2 = new QPushButton(cancelCaption, this);
    btnOK->setMinimumWidth(90);
    BitBtn2->setMinimumWidth(90);
    connect(btnOK, &QPushButton::clicked, this, [this] { RunUserAction([this] { btnOKClick(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this, [this] { RunUserAction([this] { btnOKClick(); }); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(BitBtn2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(HeaderPanel);
    Body = new QVBoxLayout;
    layout->addLayout(Body);
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(buttons);
    resize(640, 420);
}

void PickerForm::openList(const SqlStatement &sql)
{
    IBQuery1.SetSQL(sql.text, sql.params);
    IBQuery1.Open();
}

QString PickerForm::current(const QString &field)
{
    return hasRows() ? IBQuery1.FieldByName(field).AsString() : QString();
}

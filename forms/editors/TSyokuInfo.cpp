#include "TSyokuInfo.h"

#include "program/AppContext.h"
#include "controls/DBControls.h"
#include "controls/DBGrid.h"
#include "program/DataModule1.h"
#include "dateedit/DateControl.h"
#include "bases/TImageFrame.h"
#include "bases/TPanel.h"
#include "dateedit/TplDateEdit.h"
#include "services/UserAction.h"
#include "data/Abort.h"
#include "data/DataField.h"
#include "data/ImageStore.h"
#include "messages/MessageService.h"
#include "pickers/PickerSql.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

TSyokuInfo::TSyokuInfo(QWidget *parent)
    : TEditForm(parent)
    , IBTable1(TDataModule1::instance()->IBTransaction1)
{
    FormCreate();
}

QWidget *TSyokuInfo::buildFields()
{
    auto *fields = new QWidget(EditPanel);
    auto *grid = new QGridLayout(fields);
    grid->setContentsMargins(0, 0, 0, 0);
    DBEditNAME = new DBEdit(fields);
    DBEditFURI = new DBEdit(fields);
    DBEditPOST = new DBEdit(fields);
    dtBNDT = new TplDateEdit(fields);
    dtBNDT->setDefGengo(degShowa);
    dtBNDT->setCanEmpty(true);
    cmbSNSK = new DBComboBox(fields);
    DBEditSNNO = new DBEdit(fields);
    DBEditSDFL = new DBEdit(fields);
    DBEditSDFL->setReadOnly(true);
    DBEditSDFL->setFocusPolicy(Qt::NoFocus);
    const QList<QPair<QString, QWidget *>> rows{
        {QStringLiteral("氏名"), DBEditNAME},        {QStringLiteral("ふりがな"), DBEditFURI},
        {QStringLiteral("役職"), DBEditPOST},        {QStringLiteral("生年月日"), dtBNDT},
        {QStringLiteral("資格内容"), cmbSNSK},       {QStringLiteral("交付番号"), DBEditSNNO},
        {QStringLiteral("画像ファイル"), DBEditSDFL}};
    for (int row = 0; row < rows.size(); ++row) {
        grid->addWidget(new QLabel(rows[row].first, fields), row, 0);
        grid->addWidget(rows[row].second, row, 1);
    }
    ImageFrame1 = new TImageFrame(fields);
    grid->addWidget(ImageFrame1, 0, 2, rows.size(), 1, Qt::AlignTop);
    grid->setColumnStretch(1, 1);
    return fields;
}

void TSyokuInfo::FormCreate()
{
    setWindowTitle(QStringLiteral("職員情報"));
    TitlePanel->setCaption(QStringLiteral("職員情報"));
    lblID->setText(QStringLiteral("職員ID"));
    DBEditSHCD = new DBEdit(RirekiPanel);
    DBEditSHCD->setReadOnly(true);
    DBEditSHCD->setFocusPolicy(Qt::NoFocus);
    static_cast<QVBoxLayout *>(RirekiPanel->layout())->insertWidget(1, DBEditSHCD);

    auto *layout = new QVBoxLayout(EditPanel);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(buildFields());
    DBGrid1 = new DBGrid(EditPanel);
    layout->addWidget(DBGrid1, 1);

    btnCopy = new QPushButton(QStringLiteral("複写(&O)"), JobPanel);
    btnCopy->setToolTip(QStringLiteral("同一者で別の資格を登録できます。"));
    btnCopy->setAutoDefault(false);
    static_cast<QHBoxLayout *>(JobPanel->layout())->insertWidget(2, btnCopy);
    connect(btnCopy, &QPushButton::clicked, this, [this] { RunUserAction([this] { btnCopyClick(); }); });

    const AppContext &context = AppContext::instance();
    ImageFrame1->BaseDir = context.ImageRoot;
    ImageFrame1->SetSubDir(QStringLiteral("image"));
    ImageFrame1->OnImageChange = [this](TImageFrame &) { ImageFrame1ImageChange(); };

    QStringList qualifications;
    db::Query query(TDataModule1::instance()->IBTransaction1);
    query.setSql(PickerSql::NameList(6));
    for (query.open(); !query.eof(); query.next())
        qualifications << query.field(QStringLiteral("NM")).asString();
    cmbSNSK->setItems(qualifications, true);

    IBTable1.SetTableName(QStringLiteral("SHOKU"));
    DataSource1.setDataSet(&IBTable1);
    BindField(DBEditSHCD, &DataSource1, QStringLiteral("SHCD"));
    BindField(DBEditNAME, &DataSource1, QStringLiteral("NAME"));
    BindField(DBEditFURI, &DataSource1, QStringLiteral("FURI"));
    BindField(DBEditPOST, &DataSource1, QStringLiteral("POST"));
    BindField(cmbSNSK, &DataSource1, QStringLiteral("SNSK"));
    BindField(DBEditSNNO, &DataSource1, QStringLiteral("SNNO"));
    BindField(DBEditSDFL, &DataSource1, QStringLiteral("SDFL"));
    for (QWidget *control : std::initializer_list<QWidget *>{DBEditNAME, DBEditFURI, DBEditPOST, cmbSNSK, DBEditSNNO})
        m_retto.install(control);
    DBGrid1->setDataSource(&DataSource1);
    DBGrid1->setColumns({{QStringLiteral("NAME"), QStringLiteral("氏名"), 120},
                         {QStringLiteral("FURI"), QStringLiteral("ふりがな"), 130},
                         {QStringLiteral("BNDT"), QStringLiteral("生年月日"), 80},
                         {QStringLiteral("POST"), QStringLiteral("役職"), 100},
                         {QStringLiteral("SNSK"), QStringLiteral("資格内容"), 180}});

    IBTable1.AfterScroll = [this](DataSet &) { IBTable1AfterScroll(); };
    IBTable1.AfterCancel = [this](DataSet &) { IBTable1AfterScroll(); };
    IBTable1.AfterInsert = [this](DataSet &) { IBTable1AfterInsert(); };
    IBTable1.BeforePost = [this](DataSet &) { IBTable1BeforePost(); };
    connect(dtBNDT, &TplDateEdit::OnChange, this, [this] { RunUserAction([this] { dtBNDTChange(); }); });

    IBTable1.Open();
    resize(700, 520);
}

void TSyokuInfo::showRow()
{
    SetDateControl(*dtBNDT, IBTable1.FieldByName(QStringLiteral("BNDT")).AsString());
    const QString photo = IBTable1.FieldByName(QStringLiteral("SDFL")).AsString();
    ImageStore(IBTable1.Transaction()).FetchImageFile(photo, ImageFrame1->Folder());
    ImageFrame1->ShowImage(photo);
}

void TSyokuInfo::IBTable1AfterScroll()
{
    showRow();
}

void TSyokuInfo::IBTable1AfterInsert()
{
    IBTable1.FieldByName(QStringLiteral("SHCD")).SetAsInteger(0);
    DBEditNAME->setFocus();
}

void TSyokuInfo::IBTable1BeforePost()
{
    if (IBTable1.FieldByName(QStringLiteral("NAME")).AsString().isEmpty()) {
        MessageService::current().information(QStringLiteral("氏名が有りません"));
        DBEditNAME->setFocus();
        Abort();
    }
    IBTable1.FieldByName(QStringLiteral("BNDT")).SetAsString(GetDateControl(*dtBNDT));
    IBTable1.FieldByName(QStringLiteral("SDFL")).SetAsString(ImageFrame1->FileName);
}

void TSyokuInfo::btnCopyClick()
{
    if (IBTable1.State() != DataSetState::Browse || IBTable1.IsEmpty())
        return;
    QStringList values;
    const QStringList copied{QStringLiteral("NAME"), QStringLiteral("FURI"), QStringLiteral("BNDT"),
                             QStringLiteral("POST"), QStringLiteral("SDFL")};
    for (const QString &field : copied)
        values << IBTable1.FieldByName(field).AsString();
    IBTable1.Append();
    for (int i = 0; i < copied.size(); ++i)
        IBTable1.FieldByName(copied[i]).SetAsString(values[i]);
    showRow();
}

void TSyokuInfo::dtBNDTChange()
{
    if (!dtBNDT->IsBlank() && IBTable1.State() == DataSetState::Browse)
        DataSource1.edit();
}

void TSyokuInfo::ImageFrame1ImageChange()
{
    DataSource1.edit();
    IBTable1.FieldByName(QStringLiteral("SDFL")).SetAsString(ImageFrame1->FileName);
}

void TSyokuInfo::updateCopyButton()
{
    btnCopy->setEnabled(IBTable1.State() == DataSetState::Browse && !IBTable1.IsEmpty());
}

void TSyokuInfo::DataSource1StateChange()
{
    TEditForm::DataSource1StateChange();
    updateCopyButton();
}

void TSyokuInfo::DataSource1DataChange(int field)
{
    TEditForm::DataSource1DataChange(field);
    updateCopyButton();
}

void TSyokuInfo::FormCloseQuery(bool &canClose)
{
    // A new row nobody named is dropped without asking; a name still being typed counts.
    if (IBTable1.State() == DataSetState::Insert && DBEditNAME->text().isEmpty())
        IBTable1.Cancel();
    TEditForm::FormCloseQuery(canClose);
}

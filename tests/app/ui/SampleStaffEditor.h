#pragma once

#include "controls/DBControls.h"
#include "controls/RettoTab.h"
#include "bases/TEditForm.h"
#include "bases/TImageFrame.h"
#include "bases/TPanel.h"
#include "data/Abort.h"
#include "data/DataField.h"
#include "data/ImageStore.h"
#include "data/TableDataSet.h"
#include "messages/MessageService.h"

#include <QGridLayout>
#include <QLabel>

// A small editor of the staff master built on TEditForm the way the program's editors
// are: bound edits with Enter-as-Tab, a photo frame fed from the image store, a required
// name checked before the post.
class SampleStaffEditor : public TEditForm
{
public:
    SampleStaffEditor(db::Transaction &transaction, ImageStore &store, const QString &imageRoot)
        : IBTable1(transaction)
        , m_store(store)
    {
        setWindowTitle(QStringLiteral("職員マスタ"));
        TitlePanel->setCaption(QStringLiteral("職員マスタ"));
        IBTable1.SetTableName(QStringLiteral("SHOKU"));
        DataSource1.setDataSet(&IBTable1);

        auto *grid = new QGridLayout(EditPanel);
        grid->setContentsMargins(8, 8, 8, 8);
        const QStringList captions{QStringLiteral("氏名"), QStringLiteral("ふりがな"), QStringLiteral("役職"),
                                   QStringLiteral("資格")};
        for (int row = 0; row < captions.size(); ++row)
            grid->addWidget(new QLabel(captions[row], EditPanel), row, 0);
        DBEditNAME = new DBEdit(EditPanel);
        DBEditFURI = new DBEdit(EditPanel);
        DBEditNAME->setObjectName(QStringLiteral("DBEditNAME"));
        DBEditFURI->setObjectName(QStringLiteral("DBEditFURI"));
        DBComboBoxPOST = new DBComboBox(EditPanel);
        DBComboBoxPOST->setItems({QStringLiteral("所長"), QStringLiteral("工事主任"), QStringLiteral("安全担当")},
                                 true);
        DBEditSNSK = new DBEdit(EditPanel);
        BindField(DBEditNAME, &DataSource1, QStringLiteral("NAME"));
        BindField(DBEditFURI, &DataSource1, QStringLiteral("FURI"));
        BindField(DBComboBoxPOST, &DataSource1, QStringLiteral("POST"));
        BindField(DBEditSNSK, &DataSource1, QStringLiteral("SNSK"));
        grid->addWidget(DBEditNAME, 0, 1);
        grid->addWidget(DBEditFURI, 1, 1);
        grid->addWidget(DBComboBoxPOST, 2, 1);
        grid->addWidget(DBEditSNSK, 3, 1);
        for (QWidget *control : {static_cast<QWidget *>(DBEditNAME), static_cast<QWidget *>(DBEditFURI),
                                 static_cast<QWidget *>(DBComboBoxPOST), static_cast<QWidget *>(DBEditSNSK)})
            m_retto.install(control);

        ImageFrame1 = new TImageFrame(EditPanel);
        ImageFrame1->BaseDir = imageRoot;
        ImageFrame1->SubDir = QStringLiteral("image");
        ImageFrame1->Store = &store;
        ImageFrame1->OnImageChange = [this](TImageFrame &frame) {
            IBTable1.Edit();
            IBTable1.FieldByName(QStringLiteral("SDFL")).SetAsString(frame.FileName);
        };
        grid->addWidget(ImageFrame1, 0, 2, 5, 1, Qt::AlignTop);
        grid->setColumnStretch(1, 1);
        grid->setRowStretch(4, 1);

        IBTable1.AfterScroll = [this](DataSet &dataSet) {
            const QString photo = dataSet.FieldByName(QStringLiteral("SDFL")).AsString();
            m_store.FetchImageFile(photo, ImageFrame1->Folder());
            ImageFrame1->ShowImage(photo);
        };
        IBTable1.BeforePost = [](DataSet &dataSet) {
            if (dataSet.FieldByName(QStringLiteral("NAME")).AsString().isEmpty()) {
                MessageService::current().information(QStringLiteral("氏名が有りません"));
                Abort();
            }
        };
        IBTable1.Open();
        resize(520, 260);
    }

    void btnImportClick() override { ++imports; }

    TableDataSet IBTable1;
    DBEdit *DBEditNAME;
    DBEdit *DBEditFURI;
    DBComboBox *DBComboBoxPOST;
    DBEdit *DBEditSNSK;
    TImageFrame *ImageFrame1;
    int imports = 0;

private:
    ImageStore &m_store;
    RettoTab m_retto;
};

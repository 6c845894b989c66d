#include "TSystemSetForm.h"

#include "program/AppContext.h"
#include "services/ModalService.h"
#include "controls/ColorBox.h"
#include "bases/TitleStyle.h"
#include "config/IniFile.h"
#include "messages/MessageService.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QLineEdit *textField(int maxLength, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setMaxLength(maxLength);
    return field;
}

QSpinBox *numberField(int maximum, QWidget *parent)
{
    auto *field = new QSpinBox(parent);
    field->setRange(0, maximum);
    field->setFixedWidth(80);
    return field;
}

// A number between a caption and a unit: "高齢者とみなす年齢 [65] 以上".
QHBoxLayout *numberRow(const QString &caption, QSpinBox *field, const QString &unit)
{
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(caption));
    row->addWidget(field);
    if (!unit.isEmpty())
        row->addWidget(new QLabel(unit));
    row->addStretch();
    return row;
}

QWidget *pageOf(const QList<QWidget *> &groups)
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    for (QWidget *group : groups)
        layout->addWidget(group);
    layout->addStretch();
    return page;
}

}  // namespace

TSystemSetForm::TSystemSetForm(QWidget *parent)
    : TmyForm(parent)
{
    setObjectName(QStringLiteral("SystemSetForm"));
    setWindowTitle(QStringLiteral("各種設定"));

    PageControl1 = new QTabWidget(this);
    PageControl1->addTab(profilePage(), QStringLiteral("プロフィール"));
    PageControl1->addTab(generalPage(), QStringLiteral("各種設定"));
    PageControl1->addTab(healthPage(), QStringLiteral("健康管理"));
    PageControl1->addTab(chartPage(), QStringLiteral("体系図"));
    PageControl1->addTab(rosterPage(), QStringLiteral("名簿印刷"));
    PageControl1->addTab(layoutPage(), QStringLiteral("画面レイアウト"));
    PageControl1->addTab(regionalPage(), QStringLiteral("地域版の機能"));

    btnPost = new QPushButton(QStringLiteral("登録(&P)"), this);
    btnClose = new QPushButton(QStringLiteral("閉じる(&L)"), this);
    connect(btnPost, &QPushButton::clicked, this, &TSystemSetForm::btnPostClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnPost);
    buttons->addWidget(btnClose);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    layout->addLayout(buttons);
    resize(680, 420);
    FormShow();
}

QWidget *TSystemSetForm::profilePage()
{
    auto *company = new QGroupBox(QStringLiteral("自社名"));
    auto *companyLayout = new QVBoxLayout(company);
    companyLayout->addWidget(new QLabel(QStringLiteral("提出ﾌｧｲﾙ等に用いる会社略称（例：札幌建設）")));
    edtCMPNAME = textField(50, company);
    companyLayout->addWidget(edtCMPNAME);

    auto *barcode = new QGroupBox(QStringLiteral("統一バーコード"));
    auto *barcodeLayout = new QVBoxLayout(barcode);
    chkBarCode = new QCheckBox(
        QStringLiteral("採用する （作業員,車両情報のBARCDを全てユニークに設定する必要があります）"), barcode);
    barcodeLayout->addWidget(chkBarCode);
    return pageOf({company, barcode});
}

QWidget *TSystemSetForm::generalPage()
{
    auto *ages = new QGroupBox(QStringLiteral("年齢定義"));
    auto *agesLayout = new QVBoxLayout(ages);
    spnOLD = numberField(150, ages);
    spnYOUNG = numberField(150, ages);
    agesLayout->addLayout(numberRow(QStringLiteral("高齢者とみなす年齢"), spnOLD, QStringLiteral("以上")));
    agesLayout->addLayout(numberRow(QStringLiteral("年少者と見なす年齢"), spnYOUNG, QStringLiteral("未満")));

    grpExpMenu = new QGroupBox(QStringLiteral("メーンメニュー画面のデータ交換メニュー"));
    auto *expLayout = new QVBoxLayout(grpExpMenu);
    chkEXPMENU = new QCheckBox(QStringLiteral("表示する"), grpExpMenu);
    expLayout->addWidget(chkEXPMENU);

    grpPreInDlg = new QGroupBox(QStringLiteral("労務日報登録の数値入力"));
    auto *preLayout = new QVBoxLayout(grpPreInDlg);
    chkPREINDLG = new QCheckBox(QStringLiteral("労務日報の血圧などの数値はポップアップ画面で入力する"), grpPreInDlg);
    preLayout->addWidget(chkPREINDLG);

    auto *documents = new QGroupBox(QStringLiteral("文書の初期値"));
    auto *documentsLayout = new QFormLayout(documents);
    edtKENGEN = textField(50, documents);
    edtIKEN = textField(50, documents);
    documentsLayout->addRow(QStringLiteral("権限"), edtKENGEN);
    documentsLayout->addRow(QStringLiteral("意見申出方法"), edtIKEN);
    return pageOf({ages, grpExpMenu, grpPreInDlg, documents});
}

QWidget *TSystemSetForm::healthPage()
{
    auto *pressure = new QGroupBox(QStringLiteral("血圧設定"));
    auto *layout = new QVBoxLayout(pressure);
    spnBMUPR = numberField(300, pressure);
    spnBMLOW = numberField(300, pressure);
    layout->addLayout(numberRow(QStringLiteral("最高血圧（以上だとチェック）："), spnBMUPR, {}));
    layout->addLayout(numberRow(QStringLiteral("最小血圧（以上だとチェック）："), spnBMLOW, {}));
    return pageOf({pressure});
}

QWidget *TSystemSetForm::chartPage()
{
    auto *chart = new QGroupBox(QStringLiteral("施工体系図・編成表"));
    auto *layout = new QVBoxLayout(chart);
    chkSlash = new QCheckBox(QStringLiteral("専門技術者以下未入力の場合斜線を引く"), chart);
    layout->addWidget(chkSlash);
    return pageOf({chart});
}

QWidget *TSystemSetForm::rosterPage()
{
    auto *remarks = new QGroupBox(QStringLiteral("作業員名簿　備考欄"));
    auto *layout = new QFormLayout(remarks);
    layout->addRow(new QLabel(QStringLiteral("（帳票の下段余白に資格などの略称を説明します）")));
    for (int i = 0; i < 4; ++i) {
        edtRemark[i] = textField(128, remarks);
        layout->addRow(QStringLiteral("備考%1：").arg(QChar(u'１' + i)), edtRemark[i]);
    }
    return pageOf({remarks});
}

QWidget *TSystemSetForm::layoutPage()
{
    auto *title = new QGroupBox(QStringLiteral("画面タイトル"));
    auto *layout = new QFormLayout(title);
    cmbTitleColor = new ColorBox(title);
    cmbTitleFontColor = new ColorBox(title);
    btnFont = new QPushButton(QStringLiteral("フォント"), title);
    connect(btnFont, &QPushButton::clicked, this, &TSystemSetForm::btnFontClick);
    layout->addRow(QStringLiteral("背景："), cmbTitleColor);
    layout->addRow(QStringLiteral("文字："), cmbTitleFontColor);
    layout->addRow(QString(), btnFont);
    return pageOf({title});
}

QWidget *TSystemSetForm::regionalPage()
{
    auto *page = new QWidget;
    auto *layout = new QHBoxLayout(page);
    chkLocal = new QCheckBox(QStringLiteral("使用する"), page);
    cmbLocal = new QComboBox(page);
    cmbLocal->addItem(QStringLiteral("北海道"));
    cmbLocal->setFixedWidth(140);
    connect(chkLocal, &QCheckBox::toggled, cmbLocal, &QWidget::setVisible);
    layout->addWidget(chkLocal, 0, Qt::AlignTop);
    layout->addWidget(cmbLocal, 0, Qt::AlignTop);
    layout->addStretch();
    return page;
}

void TSystemSetForm::FormShow()
{
    grpExpMenu->hide();
    grpPreInDlg->hide();
    m_settings = SystemSettings::read(*AppContext::instance().IniFile);
    const SystemSettings &s = m_settings;
    edtCMPNAME->setText(s.CompanyName);
    chkBarCode->setChecked(s.BarCode);
    spnOLD->setValue(s.OldAge);
    spnYOUNG->setValue(s.YoungAge);
    chkEXPMENU->setChecked(s.ExpMenu);
    chkPREINDLG->setChecked(s.PreInDlg);
    edtKENGEN->setText(s.Kengen);
    edtIKEN->setText(s.Iken);
    spnBMUPR->setValue(s.BloodPressureUpper);
    spnBMLOW->setValue(s.BloodPressureLower);
    chkSlash->setChecked(s.Slash);
    for (int i = 0; i < 4; ++i)
        edtRemark[i]->setText(s.Remarks[i]);
    cmbTitleColor->setValue(s.TitleColor);
    cmbTitleFontColor->setValue(s.TitleFontColor);
    setTitleFont(TitleStyle::read(AppContext::instance().IniFile, false).font);
    chkLocal->setChecked(!s.Local.isEmpty());
    cmbLocal->setVisible(chkLocal->isChecked());
    if (!s.Local.isEmpty()) {
        if (cmbLocal->findText(s.Local) < 0)
            cmbLocal->addItem(s.Local);
        cmbLocal->setCurrentText(s.Local);
    }
    PageControl1->setCurrentIndex(0);
}

void TSystemSetForm::askCompanyNameOnly()
{
    for (int page = 1; page < PageControl1->count(); ++page)
        PageControl1->setTabVisible(page, false);
    setWindowTitle(QStringLiteral("システム利用者の会社名を入力して下さい"));
}

void TSystemSetForm::setTitleFont(const QFont &font)
{
    m_titleFont = font;
    // The button keeps its caption; the font chosen is told by its hint.
    btnFont->setToolTip(QStringLiteral("%1 %2pt").arg(font.family()).arg(font.pointSize()));
}

void TSystemSetForm::btnFontClick()
{
    // The dialog lists the faces installed here: a Windows face name ("ＭＳ Ｐゴシック") is
    // shown as the face that draws it, so the current font is the one preselected.
    QFont current = m_titleFont;
    current.setFamily(QFontInfo(m_titleFont).family());
    QFontDialog dialog(current, this);
    dialog.setWindowTitle(QStringLiteral("フォント"));
    if (ModalService::current().run(dialog) != QDialog::Accepted)
        return;
    QFont chosen = dialog.selectedFont();
    // The same face keeps the name the settings had, which Windows sites read too.
    if (chosen.family() == current.family())
        chosen.setFamily(m_titleFont.family());
    setTitleFont(chosen);
}

void TSystemSetForm::btnPostClick()
{
    SystemSettings s = m_settings;
    s.CompanyName = edtCMPNAME->text();
    s.BarCode = chkBarCode->isChecked();
    s.OldAge = spnOLD->value();
    s.YoungAge = spnYOUNG->value();
    s.ExpMenu = chkEXPMENU->isChecked();
    s.PreInDlg = chkPREINDLG->isChecked();
    s.Kengen = edtKENGEN->text();
    s.Iken = edtIKEN->text();
    s.BloodPressureUpper = spnBMUPR->value();
    s.BloodPressureLower = spnBMLOW->value();
    s.Slash = chkSlash->isChecked();
    for (int i = 0; i < 4; ++i)
        s.Remarks[i] = edtRemark[i]->text();
    s.TitleColor = cmbTitleColor->value();
    s.TitleFontColor = cmbTitleFontColor->value();
    s.TitleFontName = m_titleFont.family();
    s.TitleFontSize = m_titleFont.pointSize();
    s.TitleFontBold = m_titleFont.bold();
    s.TitleFontItalic = m_titleFont.italic();
    s.TitleFontUnderline = m_titleFont.underline();
    s.TitleFontStrikeOut = m_titleFont.strikeOut();
    s.Local = chkLocal->isChecked() ? cmbLocal->currentText() : QString();
    AppContext &context = AppContext::instance();
    if (!s.write(*context.IniFile)) {
        // The window stays open with the user's values, so nothing typed is lost.
        MessageService::current().error(QStringLiteral("設定ファイルに書き込めませんでした。\n\r")
                                        + context.IniFile->fileName() + QStringLiteral("\n\r")
                                        + context.IniFile->errorString());
        return;
    }
    context.CompanyName = s.CompanyName;
    context.UseBarcode = s.BarCode;
    accept();
}

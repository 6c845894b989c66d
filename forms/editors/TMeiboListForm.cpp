#include "TMeiboListForm.h"

#include "TInSikakuForm.h"
#include "bases/TPanel.h"
#include "controls/BoundControl.h"
#include "controls/CheckColumn.h"
#include "controls/DBGrid.h"
#include "data/DataField.h"
#include "dates/DateText.h"
#include "kit/BarcodeInput.h"
#include "records/BarcodeNumber.h"
#include "kit/DBDateEdit.h"
#include "messages/MessageService.h"
#include "program/CurrentProject.h"
#include "records/CommaSummary.h"
#include "records/WorkerRules.h"
#include "services/UserAction.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTimer>

namespace {

// The columns of the names and qualification choices, by tag.
const QStringList kChoiceColumns{QStringLiteral("MENKYO"), QStringLiteral("GINOKYO"), QStringLiteral("TOKUKYO"),
                                 QStringLiteral("TYP"), QStringLiteral("KIGO")};
const char *const kTag = "tag";

FieldSpec chosen(const QString &caption, int tag)
{
    return Edit(caption, kChoiceColumns.at(tag - 1)).Setup([tag](QWidget &edit) { edit.setProperty(kTag, tag); });
}

FieldSpec chooseButton(int tag)
{
    return PickerButton(QStringLiteral("btnMeisho") + QString::number(tag), {})
        .Setup([tag](QWidget &button) { button.setProperty(kTag, tag); })
        .SameRow();
}

EditorSpec RosterEditor()
{
    EditorSpec declaration;
    declaration.caption = QStringLiteral("作業員名簿");
    const QList<FieldSpec> person{
        Edit(QStringLiteral("氏名"), QStringLiteral("NAME")),
        Edit(QStringLiteral("ふりがな"), QStringLiteral("FURI")),
        chosen(QStringLiteral("職種"), 4),
        chooseButton(4),
        chosen(QStringLiteral("※"), 5),
        chooseButton(5),
        DateField(QStringLiteral("生年月日"), QStringLiteral("BNDT")).Era(degShowa),
        Number(QStringLiteral("年齢"), QStringLiteral("OLD")).Width(40).SameRow(),
        Group({},
              {Check(QStringLiteral("女子"), QStringLiteral("FMLE")),
               Check(QStringLiteral("年少"), QStringLiteral("YNG")).SameRow(),
               Check(QStringLiteral("高齢"), QStringLiteral("ADVA")).SameRow()}),
        DateField(QStringLiteral("雇入年月日"), QStringLiteral("KYDT")).Era(degHeisei),
        Number(QStringLiteral("経験"), QStringLiteral("KKNUM")).Width(40).SameRow(),
        Edit(QStringLiteral("共済番号"), QStringLiteral("KYONO")).ImeOff(),
        Edit(QStringLiteral("住所"), QStringLiteral("ADRS")),
        Edit(QStringLiteral("電話番号"), QStringLiteral("TEL")).ImeOff(),
        Edit(QStringLiteral("家族住所"), QStringLiteral("FAMADD")),
        Edit(QStringLiteral("家族電話"), QStringLiteral("FAMTEL")).ImeOff(),
    };
    const QList<FieldSpec> health{
        Edit(QStringLiteral("登録NO"), QStringLiteral("INCD")).ReadOnly().Width(60),
        Number(QStringLiteral("表示順"), QStringLiteral("ODRNO"))
            .Width(50)
            .Hint(QStringLiteral("表示順、任意の数字を入れます"))
            .SameRow(),
        BarcodeField(QStringLiteral("BARCD"), QStringLiteral("BARCDNO"))
            .Hint(BarcodeNumber::Hint)
            .Named(QStringLiteral("editBarcd"))
            .LabelNamed(QStringLiteral("lblBarcd"))
            .Width(90),
        DateField(QStringLiteral("健康診断日"), QStringLiteral("KKDT")).Era(degReiwa),
        Group({},
              {Number(QStringLiteral("血圧"), QStringLiteral("PRESU")).Width(50).Hint(QStringLiteral("血圧（上）")),
               StaticText(QStringLiteral("～")).SameRow(),
               Number({}, QStringLiteral("PRESL")).Width(50).Hint(QStringLiteral("血圧（下）")).SameRow()}),
        Group({},
              {List(QStringLiteral("血液型"), QStringLiteral("BRED"),
                    {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("O"), QStringLiteral("AB")}),
               List({}, QStringLiteral("BRRH"), {QStringLiteral("+"), QStringLiteral("-")}).SameRow()}),
        DateField(QStringLiteral("特殊検診日"), QStringLiteral("TKDT")).Era(degReiwa),
        Edit(QStringLiteral("種類"), QStringLiteral("TKNM")).Hint(QStringLiteral("特殊検診種類")),
        chosen(QStringLiteral("教育"), 3),
        chooseButton(3),
        chosen(QStringLiteral("技能講習"), 2),
        chooseButton(2),
        chosen(QStringLiteral("免許"), 1),
        chooseButton(1),
        CheckedDateField(QStringLiteral("入場年月日"), QStringLiteral("INDT")),
        CheckedDateField(QStringLiteral("受入教育日"), QStringLiteral("UKDT")),
    };
    declaration.fields = {
        Group({}, person),
        Group({}, health).SameRow(),
        Photo(QStringLiteral("SDFL"), QStringLiteral("ImageFrame1")).SameRow(),
    };
    declaration.grid = {{QStringLiteral("SEL"), QStringLiteral("選択"), 36},
                        {QStringLiteral("ODRNO"), QStringLiteral("表示順"), 50},
                        {QStringLiteral("BARCDNO"), QStringLiteral("BARCD"), 70},
                        {QStringLiteral("NAME"), QStringLiteral("氏名"), 110},
                        {QStringLiteral("FURI"), QStringLiteral("ふりがな"), 120},
                        {QStringLiteral("GINOKYO"), QStringLiteral("資格"), 150},
                        {QStringLiteral("MENKYO"), QStringLiteral("免許"), 150},
                        {QStringLiteral("TOKUKYO"), QStringLiteral("教育"), 150},
                        {QStringLiteral("INDT"), QStringLiteral("受入日"), 80},
                        {QStringLiteral("UKDT"), QStringLiteral("受付日"), 80}};
    // The worker package (kind 2) shows the exchange buttons; they send the roster package.
    declaration.packageKind = 2;
    declaration.size = {1060, 800};
    return declaration;
}

bool opensChoice(Qt::FocusReason reason)
{
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::MouseFocusReason
        || reason == Qt::ShortcutFocusReason;
}

}  // namespace

TMeiboListForm::TMeiboListForm(const EditorContext &context, QWidget *parent)
    : TRecordEditor(context, std::make_unique<WorkerRules>(context.records), RosterEditor(), parent)
    , editBarcd(FindControl<QLineEdit>(QStringLiteral("editBarcd")))
    , dtBNDT(FindControl<DBDateEdit>(QStringLiteral("dtBNDT")))
    , m_roster(IBTable1, workers())
{
    AddPanel(contractorStrip(), PanelPlace::Top);
    btnExport->setToolTip(QStringLiteral("選択者をエクスポートします"));
    editBarcd->setVisible(workers().UsesBarcode());
    FindControl<QLabel>(QStringLiteral("lblBarcd"))->setVisible(workers().UsesBarcode());

    for (int tag = 1; tag <= kChoiceColumns.size(); ++tag) {
        QWidget *edit = ControlOf(kChoiceColumns.at(tag - 1));
        edit->installEventFilter(this);
        auto *button = FindControl<QPushButton>(QStringLiteral("btnMeisho") + QString::number(tag));
        connect(button, &QPushButton::clicked, this,
                [this, tag, button] { RunUserAction([=, this] { btnMeishoClick(tag, button); }); });
    }
    // After the date edit's own check on leaving it, which may keep the focus there.
    connect(
        dtBNDT, &TplDateEdit::OnExit, this, [this] { RunUserAction([this] { dtBNDTExit(); }); }, Qt::QueuedConnection);
    MakeCheckColumn(*DBGrid1, 0, [this](int row) { toggleSelection(row); });
    DataSet::Chain(IBTable1.AfterPost, [this](DataSet &) { showSelectedCount(); });
    DataSet::Chain(IBTable1.AfterDelete, [this](DataSet &) { showSelectedCount(); });
    applyStates();
}

WorkerRules &TMeiboListForm::workers()
{
    return static_cast<WorkerRules &>(Rules());
}

QWidget *TMeiboListForm::contractorStrip()
{
    auto *strip = new QWidget(this);
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(QStringLiteral("業者名"), strip));
    ComboBox1 = new QComboBox(strip);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setMinimumWidth(320);
    row->addWidget(ComboBox1);
    row->addStretch(1);
    btnCalc = new QPushButton(QStringLiteral("年齢の再計算"), strip);
    btnCalc->setObjectName(QStringLiteral("btnCalc"));
    btnCalc->setToolTip(QStringLiteral("適用日で年齢算出します"));
    btnCalc->setAutoDefault(false);
    row->addWidget(btnCalc);
    connect(ComboBox1, &QComboBox::activated, this, [this] { RunUserAction([this] { ComboBox1Change(); }); });
    connect(btnCalc, &QPushButton::clicked, this, [this] { RunUserAction([this] { btnCalcClick(); }); });
    return strip;
}

bool TMeiboListForm::LoadContractorList()
{
    ComboBox1->clear();
    m_gyoCodes.clear();
    for (const TreeEntry &entry : Context().records.Project.Tree()) {
        ComboBox1->addItem(entry.Caption);
        m_gyoCodes << entry.GyoCode;
    }
    if (!m_gyoCodes.isEmpty())
        return true;
    MessageService::current().information(
        QStringLiteral("この工事に登録した業者情報が有りません。\n\r先に施工体制に業者を登録して下さい。"));
    return false;
}

void TMeiboListForm::SelectContractor(const QString &gyoCode)
{
    showContractor(std::max(0, int(m_gyoCodes.indexOf(gyoCode))));
}

bool TMeiboListForm::LocateWorker(const QString &workerCode)
{
    return IBTable1.Active() && IBTable1.Locate(QStringLiteral("INCD"), {workerCode});
}

void TMeiboListForm::showContractor(int index)
{
    const QString code = m_gyoCodes.value(index);
    if (code.isEmpty())
        return;
    const int shown = m_gyoCodes.indexOf(GyoCode);
    ComboBox1->setCurrentIndex(index);
    try {
        IBTable1.SetFilter(QStringLiteral("KJCD = ? and GYOCD = ?"), {CodeParam(KojiCode), CodeParam(code)});
        OpenRecords();
    } catch (...) {
        ComboBox1->setCurrentIndex(shown);
        throw;
    }
    GyoCode = code;
    workers().SetContractor(KojiCode, GyoCode, ComboBox1->itemText(index));
    showSelectedCount();
}

void TMeiboListForm::ComboBox1Change()
{
    // Another contractor only while browsing: a worker being edited keeps its contractor.
    if (DataSource1.editing()) {
        ComboBox1->setCurrentIndex(m_gyoCodes.indexOf(GyoCode));
        return;
    }
    showContractor(ComboBox1->currentIndex());
}

void TMeiboListForm::FormShow()
{
    TitlePanel->setCaption(KojiName);
    if (!IBTable1.Active() && !m_gyoCodes.isEmpty())
        showContractor(ComboBox1->currentIndex());
    if (IBTable1.Active())
        TRecordEditor::FormShow();
    applyStates();
}

void TMeiboListForm::showSelectedCount()
{
    StatusBar1->showMessage(QString::number(workers().SelectedCount()) + QStringLiteral(" 件選択されています."));
}

void TMeiboListForm::DataSource1StateChange()
{
    TRecordEditor::DataSource1StateChange();
    applyStates();
}

void TMeiboListForm::applyStates()
{
    const bool browsing = DataSource1.state() == DataSetState::Browse;
    DBGrid1->setEnabled(browsing);
    ComboBox1->setEnabled(browsing);
    btnImport->setEnabled(browsing);
    btnExport->setEnabled(browsing);
    btnCalc->setEnabled(!DataSource1.editing());
}

bool TMeiboListForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && !m_choosing && opensChoice(static_cast<QFocusEvent *>(event)->reason())) {
        auto *edit = static_cast<QWidget *>(watched);
        const int tag = edit->property(kTag).toInt();
        // Opened once the focus has settled, not from inside the focus change.
        m_choosing = true;
        QTimer::singleShot(0, this, [this, tag, edit] {
            m_choosing = false;
            RunUserAction([=, this] { btnMeishoClick(tag, edit); });
        });
    }
    return TRecordEditor::eventFilter(watched, event);
}

void TMeiboListForm::btnMeishoClick(int tag, QWidget *control)
{
    if (m_choosing || tag < 1 || tag > kChoiceColumns.size())
        return;
    m_choosing = true;
    const auto done = qScopeGuard([this] { m_choosing = false; });
    const QString column = kChoiceColumns.at(tag - 1);
    auto *edit = qobject_cast<QLineEdit *>(ControlOf(column));
    const int field = IBTable1.FieldIndex(column);
    const int maxLength = IBTable1.FieldInfo(field).charLength;
    const QString old = edit->text();
    QString text;
    if (tag >= 4) {
        const QString name = Context().services.PickName(this, control->mapToGlobal(QPoint(control->width(), 0)), tag);
        if (name.isEmpty())
            return;
        const std::optional<QString> appended = CommaSummary::Append(old, name, maxLength);
        if (!appended) {
            MessageService::current().information(
                CommaSummary::TooLongMessage(IBTable1.DisplayLabel(field), maxLength));
            return;
        }
        text = *appended;
    } else {
        DataSource1.edit();
        text = CommaSummary::Join(EditQualifications(Context(), this, tag, KojiCode, GyoCode,
                                                     IBTable1.FieldByName(QStringLiteral("INCD")).AsString()),
                                  maxLength);
    }
    if (text != old)
        SetBoundFieldText(edit, text);
}

void TMeiboListForm::dtBNDTExit()
{
    if (!DataSource1.editing() || dtBNDT->ErrorBits() != 0)
        return;
    const QString birth = dtBNDT->GetDateText();
    if (!birth.isEmpty())
        workers().ApplyBirthDate(IBTable1, DateTextToDate(birth));
}

void TMeiboListForm::btnCalcClick()
{
    if (!DataSource1.editing())
        m_roster.RecalculateAges();
}

void TMeiboListForm::toggleSelection(int row)
{
    if (DataSource1.state() == DataSetState::Browse && row == IBTable1.RecNo())
        m_roster.ToggleSelection();
}

void TMeiboListForm::postPending()
{
    if (DataSource1.editing())
        IBTable1.Post();
}

void TMeiboListForm::btnExportClick()
{
    postPending();
    Context().services.ExportRoster(this, KojiCode, GyoCode, ComboBox1->currentText());
}

void TMeiboListForm::btnImportClick()
{
    postPending();
    Context().services.ImportRoster(this, GyoCode, ComboBox1->currentText(), [this] { IBTable1.Refresh(); });
    showSelectedCount();
}

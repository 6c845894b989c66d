#include "TInSikakuForm.h"

#include "TSikakuForm.h"
#include "bases/TPanel.h"
#include "controls/BoundControl.h"
#include "dates/DateText.h"
#include "kit/DBDateEdit.h"
#include "program/CurrentProject.h"
#include "records/QualificationRules.h"
#include "services/ModalService.h"
#include "services/UserAction.h"

#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

namespace {

QWidget *radio(QWidget *parent, const QString &caption)
{
    auto *button = new QRadioButton(caption, parent);
    // Each is a command: it stays unchecked once it has done its work.
    button->setAutoExclusive(false);
    return button;
}

EditorSpec QualificationEditor()
{
    EditorSpec declaration;
    declaration.caption = QStringLiteral("作業員資格詳細画面");
    declaration.fields = {
        Edit(QStringLiteral("資格"), QStringLiteral("SKNM")),
        PickerButton(QStringLiteral("btnSikaku"), QStringLiteral("資格マスタ参照します")).SameRow(),
        Certificate(QStringLiteral("YOBIS2"), QStringLiteral("ImageFrame1")).SameRow().Span(7),
        Edit(QStringLiteral("資格略称"), QStringLiteral("PRNM")).MaxLength(QualificationRules::AbbreviationLength),
        StaticText(QStringLiteral("↑　帳票はこちらを採用")),
        Edit(QStringLiteral("交付番号"), QStringLiteral("SKNO")).ImeOff(),
        DateField(QStringLiteral("交付年月日"), QStringLiteral("SKDT")),
        DateField(QStringLiteral("有効期限"), QStringLiteral("YOBIS1"))
            .Named(QStringLiteral("dtFNDT"))
            .Hint(QStringLiteral("期限のないものは入力しません")),
        Group({},
              {Widget({}, QStringLiteral("rgPlus5"),
                      [](QWidget *parent) { return radio(parent, QStringLiteral("交付日より５年間")); }),
               Widget({}, QStringLiteral("rgNone"),
                      [](QWidget *parent) { return radio(parent, QStringLiteral("期限なし")); })
                   .SameRow()}),
        Group({},
              {StaticText(QStringLiteral("無ければ→")),
               Button(QStringLiteral("btnMSikaku"), QStringLiteral("資格マスタを作成")).SameRow()}),
    };
    declaration.grid = {{QStringLiteral("SKNM"), QStringLiteral("資格名称"), 260},
                        {QStringLiteral("PRNM"), QStringLiteral("略称"), 90},
                        {QStringLiteral("SKNO"), QStringLiteral("資格番号"), 140},
                        {QStringLiteral("SKDT"), QStringLiteral("交付年月日"), 90},
                        {QStringLiteral("YOBIS1"), QStringLiteral("有効期限"), 90}};
    declaration.beginNextAfterNew = true;
    declaration.size = {760, 600};
    return declaration;
}

}  // namespace

TInSikakuForm::TInSikakuForm(const EditorContext &context, int kind, const QString &kojiCode, const QString &gyoCode,
                             const QString &workerCode, QWidget *parent)
    : TRecordEditor(context, std::make_unique<QualificationRules>(context.records, kind, kojiCode, gyoCode, workerCode),
                    QualificationEditor(), parent)
    , btnSikaku(FindControl<QPushButton>(QStringLiteral("btnSikaku")))
    , btnMSikaku(FindControl<QPushButton>(QStringLiteral("btnMSikaku")))
    , rgPlus5(FindControl<QRadioButton>(QStringLiteral("rgPlus5")))
    , rgNone(FindControl<QRadioButton>(QStringLiteral("rgNone")))
    , m_kind(kind)
{
    OwnTransaction = false;
    AddPanel(headPanel(), PanelPlace::Top);
    const auto wire = [this](QAbstractButton *button, void (TInSikakuForm::*handler)()) {
        connect(button, &QAbstractButton::clicked, this, [this, button, handler] {
            RunUserAction([this, handler] { (this->*handler)(); });
            if (qobject_cast<QRadioButton *>(button))
                button->setChecked(false);
        });
    };
    wire(btnSikaku, &TInSikakuForm::btnSikakuClick);
    wire(btnMSikaku, &TInSikakuForm::btnMSikakuClick);
    wire(rgPlus5, &TInSikakuForm::rgPlus5Click);
    wire(rgNone, &TInSikakuForm::rgNoneClick);
}

QualificationRules &TInSikakuForm::qualifications()
{
    return static_cast<QualificationRules &>(Rules());
}

QWidget *TInSikakuForm::headPanel()
{
    HeadPanel = new TPanel(this);
    HeadPanel->setObjectName(QStringLiteral("HeadPanel"));
    auto *grid = new QGridLayout(HeadPanel);
    grid->setContentsMargins(8, 4, 8, 4);
    const auto value = [this, grid](int column, const QString &caption, const char *name) {
        grid->addWidget(new QLabel(caption, HeadPanel), 0, column);
        auto *label = new QLabel(HeadPanel);
        label->setObjectName(QLatin1String(name));
        label->setFrameShape(QFrame::StyledPanel);
        label->setMinimumWidth(120);
        grid->addWidget(label, 0, column + 1);
        return label;
    };
    lblCPNM = value(0, QStringLiteral("会社名"), "lblCPNM");
    lblNAME = value(2, QStringLiteral("氏  名"), "lblNAME");
    lblBNDT = value(4, QStringLiteral("生年月日"), "lblBNDT");
    grid->setColumnStretch(1, 1);
    return HeadPanel;
}

void TInSikakuForm::FormShow()
{
    TitlePanel->setCaption(Context().records.Project.CurKojiName());
    const std::optional<QualificationRules::Worker> &worker = qualifications().StoredWorker();
    HeadPanel->setVisible(worker.has_value());
    if (worker) {
        lblCPNM->setText(worker->company);
        lblNAME->setText(worker->name);
        lblBNDT->setText(DateTextToEraLong(worker->birth));
    }
    IBTable1.SetFilter(qualifications().Filter(), qualifications().FilterParams());
    TRecordEditor::FormShow();
}

void TInSikakuForm::btnSikakuClick()
{
    const QString entry
        = Context().services.PickName(this, btnSikaku->mapToGlobal(QPoint(btnSikaku->width(), 0)), m_kind);
    if (entry.isEmpty())
        return;
    const QualificationRules::Choice choice = qualifications().ChosenName(entry);
    SetBoundFieldText(ControlOf(QStringLiteral("SKNM")), choice.name);
    SetBoundFieldText(ControlOf(QStringLiteral("PRNM")), choice.abbreviation);
}

void TInSikakuForm::btnMSikakuClick()
{
    EditNamesMaster(Context(), this, m_kind);
}

void TInSikakuForm::rgPlus5Click()
{
    auto *issued = FindControl<DBDateEdit>(QStringLiteral("dtSKDT"));
    const QString expiry = QualificationRules::FiveYearsFrom(issued->GetDateText());
    if (!expiry.isEmpty())
        FindControl<DBDateEdit>(QStringLiteral("dtFNDT"))->SetDate(DateTextToDate(expiry));
}

void TInSikakuForm::rgNoneClick()
{
    FindControl<DBDateEdit>(QStringLiteral("dtFNDT"))->Clear();
}

void TInSikakuForm::FormClose()
{
    // The list is read before the base closes the dataset, without what was left unposted.
    if (DataSource1.editing())
        IBTable1.Cancel();
    m_abbreviations = qualifications().Abbreviations();
    TRecordEditor::FormClose();
}

QStringList EditQualifications(const EditorContext &context, QWidget *parent, int kind, const QString &kojiCode,
                               const QString &gyoCode, const QString &workerCode)
{
    TInSikakuForm qualifications(context, kind, kojiCode, gyoCode, workerCode, parent);
    ModalService::current().run(qualifications);
    return qualifications.Abbreviations();
}

#include "TTaikeizuForm.h"

#include "ChartMessages.h"
#include "ChartSaveCheck.h"
#include "ChartSubtree.h"
#include "ChartVersionWriter.h"
#include "TColorDlg.h"
#include "TItemForm.h"
#include "TKItem.h"
#include "TLayout.h"
#include "bases/TPanel.h"
#include "dates/DateText.h"
#include "kit/EditorContext.h"
#include "messages/MessageService.h"
#include "program/CurrentProject.h"
#include "services/ModalService.h"
#include "services/UserAction.h"

#include <QDateEdit>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QStyle>
#include <QStatusBar>

namespace {

constexpr int kCellSize = 130;

}  // namespace

TTaikeizuForm::TTaikeizuForm(const EditorContext &context, QWidget *parent)
    : TEditForm(context.records.Transaction, parent)
    , m_context(context)
    , m_grid(ChartGrid::FromSettings(context.records.Settings))
{
    setWindowTitle(QStringLiteral("施工体系図"));
    setSizeGripEnabled(true);

    edtAPDT = new QLineEdit(this);
    edtAPDT->setObjectName(QStringLiteral("edtAPDT"));
    edtAPDT->setMaxLength(10);
    edtAPDT->setAlignment(Qt::AlignCenter);
    edtAPDT->installEventFilter(this);
    SetIdField(QStringLiteral("適用日付"), edtAPDT);
    connect(edtAPDT, &QLineEdit::textChanged, this, [this] { edtAPDTChange(); });

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    QPalette boxColours = ScrollBox1->palette();
    boxColours.setColor(QPalette::Window, QColor(0xC0, 0xDC, 0xC0));
    ScrollBox1->setPalette(boxColours);
    ScrollBox1->setBackgroundRole(QPalette::Window);
    Layout1 = new TLayout(ScrollBox1);
    Layout1->setObjectName(QStringLiteral("Layout1"));
    Layout1->SetColWidth(kCellSize);
    Layout1->SetRowHeight(kCellSize);
    Layout1->SetPageRows(m_grid.PageRows());
    Layout1->SetColCount(m_grid.ColCount());
    Layout1->SetFixedCols(1);
    Layout1->SetFixedColor(ChartColor(0xC0DCC0));
    Layout1->SetBackColor(ChartColor(0x000080));
    Layout1->SetLinkColor(ChartColor(0x000000));
    Layout1->SetPageLineColor(ChartColor(0x008000));
    ScrollBox1->setWidget(Layout1);
    AddPanel(ScrollBox1, PanelPlace::Bottom, 1);
    FitGrid();
    connect(Layout1, &TLayout::changed, this, [this] { Change(); });
    connect(Layout1, &TLayout::deleteKeyPressed, this, [this] { RunUserAction([this] { DeleteSelection(); }); });

    BuildMenu();
    BuildBottomPanel();
    TitlePanel->setCaption(context.records.Project.CurKojiName());

    FitOnePage();
}

TTaikeizuForm::~TTaikeizuForm() = default;

void TTaikeizuForm::BuildMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const auto item = [this](const char *name, const QString &caption, void (TTaikeizuForm::*handler)()) {
        QAction *action = PopupMenu1->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this,
                [this, handler] { RunUserAction([this, handler] { (this->*handler)(); }); });
        return action;
    };
    mnuDisplay = item("mnuDisplay", QStringLiteral("業者情報を表示(&V)"), &TTaikeizuForm::mnuDisplayClick);
    PopupMenu1->addSeparator();
    mnuInsert = item("mnuInsert", QStringLiteral("請負業者を追加(&A)"), &TTaikeizuForm::mnuInsertClick);
    mnuDelete = item("mnuDelete", QStringLiteral("体系図から削除(&D)"), &TTaikeizuForm::mnuDeleteClick);
    PopupMenu1->addSeparator();
    nmColor = item("nmColor", QStringLiteral("色・枠線指定(&C)"), &TTaikeizuForm::nmColorClick);
    Layout1->SetItemMenu(PopupMenu1);
}

void TTaikeizuForm::BuildBottomPanel()
{
    auto *label = new QLabel(QStringLiteral("作業日"), this);
    edtWKDT = new QDateEdit(this);
    edtWKDT->setObjectName(QStringLiteral("edtWKDT"));
    edtWKDT->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    edtWKDT->setCalendarPopup(true);
    edtWKDT->setDate(m_context.records.Today());
    AddJobWidget(label);
    AddJobWidget(edtWKDT);
    btnNew->setText(QStringLiteral("作成(&A)"));
    btnNew->setToolTip(QStringLiteral("指定作業日の労務日報から新たに作成します"));
    btnDel->setToolTip(QStringLiteral("適用日付の体系図全て削除します"));
    btnPost->setToolTip(QStringLiteral("この画面の内容を保存します"));
    btnCancel->setToolTip(QStringLiteral("編集した内容を取り消します"));
}

void TTaikeizuForm::FitOnePage()
{
    // The page, and around it the scroll box's frame and scroll bar, the margins of the
    // editing area and the panels above and below it.
    const QMargins margins = EditPanel->layout()->contentsMargins();
    const int frame = 2 * ScrollBox1->frameWidth();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, ScrollBox1);
    const int top
        = std::max({RirekiPanel->sizeHint().height(), TitlePanel->sizeHint().height(), TitlePanel->minimumHeight()});
    const int panels = top + JobPanel->sizeHint().height() + StatusBar1->sizeHint().height() + 3 * layout()->spacing();
    resize(kCellSize * m_grid.ColCount() + margins.left() + margins.right() + frame + scrollBar,
           kCellSize * m_grid.PageRows() + margins.top() + margins.bottom() + frame + panels);
}

QString TTaikeizuForm::Today() const
{
    return DateToDateText(m_context.records.Today());
}

QList<TKItem *> TTaikeizuForm::Boxes() const
{
    QList<TKItem *> boxes;
    for (TItemBase *box : Layout1->Items())
        boxes << static_cast<TKItem *>(box);
    return boxes;
}

TEditForm::ButtonStates TTaikeizuForm::CurrentButtonStates() const
{
    return ButtonsFor(m_editState, m_versions);
}

void TTaikeizuForm::showEvent(QShowEvent *event)
{
    if (!m_shown) {
        m_shown = true;
        RunUserAction([this] { FormShow(); });
    }
    TEditForm::showEvent(event);
}

void TTaikeizuForm::FormShow()
{
    m_versions.Load(Transaction(), ProjectCode);
    if (m_versions.IsEmpty()) {
        m_chartDate.clear();
        const QString start = m_context.records.Project.CurKojiStart();
        edtAPDT->setText(start.isEmpty() ? Today() : start);
        BuildChart(ChartSource::ConstructionSystem, Today());
    } else {
        LoadVersion();
    }
    UpdateButtons();
}

bool TTaikeizuForm::BuildChart(ChartSource source, const QString &date)
{
    const std::optional<ChartRead> chart = ReadChart(Transaction(), ProjectCode, source, date, Today());
    if (!chart)
        return false;
    Layout1->Items().Clear();
    m_editState = source == ChartSource::SavedVersion ? ChartEditState::Saved : ChartEditState::New;
    m_createdOn = chart->CreatedOn;
    Layout1->BeginUpdate();
    QList<TKItem *> added;
    for (const ChartEntry &entry : chart->Entries)
        added << AddBox(entry, added);
    FitGrid();
    Layout1->EndUpdate();
    m_isNew = source != ChartSource::SavedVersion;
    UpdateButtons();
    return true;
}

TKItem *TTaikeizuForm::AddBox(const ChartEntry &entry, const QList<TKItem *> &added)
{
    auto box = std::make_unique<TKItem>(*Layout1);
    TKItem *item = box.get();
    item->SetLoading(true);
    item->SetBox(entry.Box);
    TKItem *parent = entry.ParentIndex >= 0 ? added.value(entry.ParentIndex) : nullptr;
    Layout1->Items().Add(parent, std::move(box));
    // The prime contractor always stands in the first cell, whatever was stored for it.
    if (parent && entry.Saved) {
        QList<QPoint> taken;
        for (const TKItem *other : added)
            taken << QPoint(other->Column(), other->Row());
        const QPoint cell
            = m_grid.SavedCellOrFree(m_grid.FromStored(*entry.Saved), QPoint(item->Column(), item->Row()), taken);
        item->SetColumn(cell.x());
        item->SetRow(cell.y());
    }
    item->SetLoading(false);
    return item;
}

void TTaikeizuForm::FitGrid()
{
    int lowest = 0;
    for (const TItemBase *box : Layout1->Items())
        lowest = std::max(lowest, box->Row());
    Layout1->SetRowCount(m_grid.RowCount(lowest));
    const QSize size(kCellSize * Layout1->ColCount(), kCellSize * Layout1->RowCount());
    Layout1->SetBitmapSize(size.width(), size.height());
    Layout1->setFixedSize(size);
}

void TTaikeizuForm::LoadVersion()
{
    m_chartDate = m_versions.Current();
    edtAPDT->setText(m_chartDate);
    BuildChart(ChartSource::SavedVersion, m_chartDate);
}

void TTaikeizuForm::Change()
{
    m_editState = AfterChange(m_editState);
    UpdateButtons();
}

void TTaikeizuForm::btnNewClick()
{
    const QString workDate = DateToDateText(edtWKDT->date());
    if (BuildChart(ChartSource::Attendance, workDate)) {
        m_chartDate.clear();
        edtAPDT->setText(workDate);
    }
    UpdateButtons();
}

void TTaikeizuForm::btnPostClick()
{
    const QString date = edtAPDT->text();
    bool hasPrime = false;
    QList<PlacedBox> boxes;
    for (const TKItem *box : Boxes()) {
        hasPrime = hasPrime || box->Box().IsPrime();
        boxes.append({box->Box(), QPoint(box->Column(), box->Row())});
    }
    const ChartSaveRefusal refusal = CheckChartSave(date, m_versions, m_isNew, hasPrime);
    if (refusal != ChartSaveRefusal::None) {
        MessageService::current().warning(RefusalMessage(refusal));
        if (refusal != ChartSaveRefusal::NoPrime)
            edtAPDT->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString replaced = m_isNew ? QString() : m_chartDate;
    ChartVersionWriter(Transaction(), ProjectCode, m_grid).Save(date, replaced, boxes, m_createdOn, Today());
    m_versions.Saved(date, replaced);
    m_chartDate = date;
    edtAPDT->setText(date);
    m_isNew = false;
    m_editState = ChartEditState::Saved;
    UpdateButtons();
}

void TTaikeizuForm::btnDelClick()
{
    MessageService &messages = MessageService::current();
    if (m_versions.Count() <= 1) {
        messages.information(ChartMessages::LastVersion);
        return;
    }
    if (!messages.question(ChartMessages::ConfirmDelete, ChartMessages::ConfirmCaption))
        return;
    // Committed at once: a later save that fails rolls back only its own work.
    ChartVersionWriter(Transaction(), ProjectCode, m_grid).Delete(m_chartDate);
    m_versions.RemoveCurrent();
    LoadVersion();
    UpdateButtons();
}

void TTaikeizuForm::btnCancelClick()
{
    if (m_versions.Index() < 0) {
        m_chartDate.clear();
        edtAPDT->setText(Today());
        BuildChart(ChartSource::ConstructionSystem, QString());
    } else {
        LoadVersion();
    }
    UpdateButtons();
}

void TTaikeizuForm::btnPrevClick()
{
    m_versions.Step(-1);
    LoadVersion();
    UpdateButtons();
}

void TTaikeizuForm::btnNextClick()
{
    m_versions.Step(+1);
    LoadVersion();
    UpdateButtons();
}

TKItem *TTaikeizuForm::MenuBox() const
{
    return static_cast<TKItem *>(TLayoutBase::MenuItem(PopupMenu1));
}

void TTaikeizuForm::mnuDisplayClick()
{
    if (TKItem *box = MenuBox()) {
        TItemForm particulars(box->Box(), this);
        ModalService::current().run(particulars);
    }
}

void TTaikeizuForm::mnuInsertClick()
{
    TKItem *parent = MenuBox();
    if (!parent)
        return;
    QStringList charted;
    for (const TKItem *box : Boxes())
        charted << box->Box().ContractorCode;
    ContractorChoice choice;
    if (!m_context.services.PickContractor(this, ProjectCode, QString(), charted.join(QLatin1Char(',')), choice))
        return;
    ChartBox added;
    added.ContractorCode = choice.gyoCode;
    added.CompanyName = choice.name;
    ReadParticulars(Transaction(), ProjectCode, m_chartDate, added);
    added.ParentCode = parent->Box().ContractorCode.toInt();
    added.Tier = parent->Box().Tier + 1;
    auto box = std::make_unique<TKItem>(*Layout1);
    box->SetBox(added);
    Layout1->Items().Add(parent, std::move(box));
    FitGrid();
    Change();
}

void TTaikeizuForm::mnuDeleteClick()
{
    TKItem *box = MenuBox();
    if (box && !Layout1->Selection().Contains(box))
        Layout1->Selection().Add(box);
    DeleteSelection();
}

void TTaikeizuForm::DeleteSelection()
{
    const QList<TKItem *> boxes = Boxes();
    QList<int> parentOf;
    for (const TKItem *box : boxes)
        parentOf << int(boxes.indexOf(static_cast<TKItem *>(box->ParentItem())));
    QList<int> selected;
    for (const TItemBase *box : Layout1->Selection())
        selected << int(boxes.indexOf(static_cast<const TKItem *>(box)));
    const QList<int> doomed = SubtreeClosure(parentOf, selected);
    if (doomed.isEmpty())
        return;
    for (int index : doomed)
        Layout1->Items().Delete(boxes[index]);
    Change();
}

void TTaikeizuForm::nmColorClick()
{
    TKItem *box = MenuBox();
    if (!box)
        return;
    TColorDlg colours(box->Box().BoxColor, box->Box().FrameStyle, this);
    if (ModalService::current().run(colours) != QDialog::Accepted)
        return;
    box->SetFrameStyle(colours.FrameStyle());
    box->SetBoxColor(colours.BoxColor());
}

void TTaikeizuForm::edtAPDTChange()
{
    Change();
}

void TTaikeizuForm::edtDTExit()
{
    if (IsDateText(edtAPDT->text()))
        return;
    MessageService::current().warning(ChartMessages::InvalidDate);
    edtAPDT->setFocus(Qt::OtherFocusReason);
}

bool TTaikeizuForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edtAPDT && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    if (watched == edtAPDT && event->type() == QEvent::FocusOut && !m_checkingDate) {
        // Leaving the window (another window, a menu) is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            m_checkingDate = true;
            RunUserAction([this] { edtDTExit(); });
            m_checkingDate = false;
        }
    }
    return TEditForm::eventFilter(watched, event);
}

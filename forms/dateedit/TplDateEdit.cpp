#include "TplDateEdit.h"

#include "data/Abort.h"
#include "dates/DateEntryRules.h"
#include "dates/DateText.h"
#include "EraComboBox.h"
#include "TplDateEditLabel.h"
#include "messages/MessageService.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTimer>

using namespace DateEntryRules;

namespace {

constexpr int EraExtraWidth = 26;
constexpr int FieldExtraWidth = 12;
constexpr int DefaultPointSize = 9;

bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

TplDateEdit::TplDateEdit(QWidget *parent)
    : QWidget(parent)
    , m_dialogCaption(DateEntryRules::DialogCaption)
{
    // The control itself is only a stop in the form's tab chain (so forms can order it
    // with setTabOrder); its focus goes to the era drop-down, and a Tab arriving there
    // from outside is passed on to the year field.
    setFocusPolicy(Qt::StrongFocus);

    // Created in tab order: year, month, day, then the era, so that tabbing into the
    // control lands on the year and the era is the last stop before leaving it.
    m_year = makeNumberField("year", 4);
    m_labelYear = new TplDateEditLabel(QStringLiteral("年"), this);
    m_month = makeNumberField("month", 2);
    m_labelMonth = new TplDateEditLabel(QStringLiteral("月"), this);
    m_day = makeNumberField("day", 2);
    m_labelDay = new TplDateEditLabel(QStringLiteral("日"), this);
    m_era = new EraComboBox(this);
    m_era->setObjectName(QStringLiteral("era"));
    m_era->addItems(eraItems());
    m_era->installEventFilter(this);
    m_era->view()->installEventFilter(this);
    setFocusProxy(m_era);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("text"));
    m_text->setAutoFillBackground(true);
    m_text->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_text->setIndent(4);
    m_text->hide();
    QWidget::setTabOrder(m_year, m_month);
    QWidget::setTabOrder(m_month, m_day);
    QWidget::setTabOrder(m_day, m_era);

    connect(m_era, &QComboBox::currentIndexChanged, this, &TplDateEdit::OnChange);
    connect(m_era, &EraComboBox::popupOpened, this, [this] { paintFocus(m_era, true); });
    connect(m_era, &EraComboBox::popupClosed, this, [this] { paintFocus(m_era, m_era->hasFocus()); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { onFocusChanged(now); });

    QFont defaultFont = font();
    defaultFont.setPointSize(DefaultPointSize);
    setFont(defaultFont);
    layoutParts();
    Clear();
    applyColors();
}

QLineEdit *TplDateEdit::makeNumberField(const char *name, int maxLength)
{
    auto *field = new QLineEdit(this);
    field->setObjectName(QLatin1String(name));
    field->setMaxLength(maxLength);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Pasted text is held to the same rule as typed keys.
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
    // Keys reach the field directly even while a Japanese input method is on, as its
    // full-width digits would be refused anyway.
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
    field->installEventFilter(this);
    connect(field, &QLineEdit::textChanged, this, &TplDateEdit::OnChange);
    return field;
}

// ---- properties ----

void TplDateEdit::setDefGengo(TplDefGengo value)
{
    m_defGengo = value;
    if (m_empty && m_editGengo)
        m_era->setCurrentIndex(m_defGengo - 1);
}

void TplDateEdit::setGengo(bool value)
{
    m_gengo = value;
    if (!m_empty)
        showDate(m_date);
}

void TplDateEdit::setEditGengo(bool value)
{
    m_editGengo = value;
    if (!value)
        m_gengo = false;
    setFocusProxy(value ? static_cast<QWidget *>(m_era) : m_year);
    layoutParts();
    // The year shown must match the era now in use, or it would be read back wrongly.
    if (m_empty)
        m_era->setCurrentIndex(value ? m_defGengo - 1 : -1);
    else
        showDate(m_date);
}

void TplDateEdit::setEditStyle(TplDateEditStyle value)
{
    m_editStyle = value;
    if (value != desYearMonthDay)
        m_day->clear();
    if (value == desYear)
        m_month->clear();
    layoutParts();
    if (!m_empty)
        showDate(m_date);
}

void TplDateEdit::setDisableColor(const QColor &value)
{
    m_disableColor = value;
    applyColors();
}

void TplDateEdit::setDisableFontColor(const QColor &value)
{
    m_disableFontColor = value;
    applyColors();
}

void TplDateEdit::setFocusedColor(const QColor &value)
{
    m_focusedColor = value;
    applyColors();
}

void TplDateEdit::setColor(const QColor &value)
{
    m_color = value;
    applyColors();
}

QString TplDateEdit::LabelYear() const
{
    return m_labelYear->text();
}
QString TplDateEdit::LabelMonth() const
{
    return m_labelMonth->text();
}
QString TplDateEdit::LabelDay() const
{
    return m_labelDay->text();
}

void TplDateEdit::setLabelYear(const QString &value)
{
    m_labelYear->setText(value);
    layoutParts();
}

void TplDateEdit::setLabelMonth(const QString &value)
{
    m_labelMonth->setText(value);
    layoutParts();
}

void TplDateEdit::setLabelDay(const QString &value)
{
    m_labelDay->setText(value);
    layoutParts();
}

// ---- appearance ----

void TplDateEdit::layoutParts()
{
    const QFontMetrics metrics(font());
    const int height = m_era->sizeHint().height();
    const int yearWidth = metrics.horizontalAdvance(QStringLiteral("0000"));
    const int twoDigitWidth = metrics.horizontalAdvance(QStringLiteral("00"));
    int x = 0;
    auto place = [&](QWidget *part, bool shown, int width) {
        part->setHidden(!shown);
        if (!shown)
            return;
        part->setGeometry(x, 0, width, height);
        x += width;
    };
    const bool monthShown = m_editStyle != desYear;
    const bool dayShown = m_editStyle == desYearMonthDay;
    place(m_era, m_editGengo, yearWidth + EraExtraWidth);
    place(m_year, true, yearWidth + FieldExtraWidth);
    place(m_labelYear, true, m_labelYear->preferredWidth());
    place(m_month, monthShown, twoDigitWidth + FieldExtraWidth);
    place(m_labelMonth, monthShown, m_labelMonth->preferredWidth());
    place(m_day, dayShown, twoDigitWidth + FieldExtraWidth);
    place(m_labelDay, dayShown, m_labelDay->preferredWidth());
    m_text->setGeometry(m_year->x(), 0, x - m_year->x(), height);
    // The control is exactly as large as its parts; a layout cannot stretch it.
    setFixedSize(x, height);
}

void TplDateEdit::paintPart(QWidget *part, const QColor &background, const QColor &text)
{
    QPalette colors = part->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colors.setColor(group, QPalette::Base, background);
        colors.setColor(group, QPalette::Button, background);
        colors.setColor(group, QPalette::Text, text);
        colors.setColor(group, QPalette::ButtonText, text);
    }
    part->setPalette(colors);
}

void TplDateEdit::paintFocus(QWidget *part, bool focused)
{
    if (!isEnabled())
        return;
    paintPart(part, focused ? m_focusedColor : m_color, palette().color(QPalette::Text));
}

void TplDateEdit::applyColors()
{
    for (QWidget *part : {static_cast<QWidget *>(m_era), static_cast<QWidget *>(m_year),
                          static_cast<QWidget *>(m_month), static_cast<QWidget *>(m_day)}) {
        if (isEnabled())
            paintFocus(part, part->hasFocus() || (part == m_era && m_era->isPopupOpen()));
        else
            paintPart(part, m_disableColor, m_disableFontColor);
    }
}

void TplDateEdit::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::PaletteChange)
        applyColors();
    else if (event->type() == QEvent::FontChange)
        layoutParts();
}

void TplDateEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    emit OnClick();
}

// ---- dates ----

void TplDateEdit::ShowText(const QString &text)
{
    Clear();
    QPalette colors = m_text->palette();
    colors.setColor(QPalette::Window, m_color);
    colors.setColor(QPalette::WindowText, Qt::red);
    m_text->setPalette(colors);
    m_text->setText(text);
    m_text->setToolTip(text);
    m_text->show();
    m_text->raise();
}

QString TplDateEdit::ShownText() const
{
    return m_text->isHidden() ? QString() : m_text->text();
}

void TplDateEdit::Clear()
{
    m_text->hide();
    m_era->setCurrentIndex(m_editGengo ? m_defGengo - 1 : -1);
    m_date = NoDate;
    m_year->clear();
    m_month->clear();
    m_day->clear();
    m_empty = true;
}

void TplDateEdit::SetDate(const QDate &date)
{
    if (m_loading)
        return;
    if (date == NoDate) {
        Clear();
        return;
    }
    if (!date.isValid() || date < MinimumDate) {
        // Keeping the fields of the previous date would let a post write that date into
        // the wrong record; an empty control is the honest state.
        Clear();
        m_errorBits = InvalidDateSet;
        if (m_displayError)
            MessageService::current().warning(MsgInvalidDateSet, m_dialogCaption);
        return;
    }
    m_date = date;
    m_empty = false;
    m_text->hide();
    showDate(date);
}

void TplDateEdit::showDate(const QDate &date)
{
    const Fields fields = fieldsFor(date, m_gengo, m_editStyle);
    m_era->setCurrentIndex(m_era->findText(fields.era));
    m_year->setText(fields.year);
    m_month->setText(fields.month);
    m_day->setText(fields.day);
}

QDate TplDateEdit::GetDate()
{
    if (!m_loading)
        validate();
    return m_date;
}

QString TplDateEdit::GetDateText()
{
    if (m_loading)
        return {};
    validate();
    return m_empty ? QString() : DateToDateText(m_date);
}

bool TplDateEdit::IsBlank() const
{
    return m_year->text().trimmed().isEmpty() && m_month->text().trimmed().isEmpty()
        && m_day->text().trimmed().isEmpty();
}

void TplDateEdit::validate()
{
    if (!m_editGengo)
        m_era->setCurrentIndex(-1);
    const Reading reading = read({m_era->currentText(), m_year->text(), m_month->text(), m_day->text()}, m_editStyle,
                                 m_gengo, m_canEmpty);
    m_errorBits = reading.errorBits;
    switch (reading.outcome) {
    case Reading::Date:
        m_date = reading.date;
        m_empty = false;
        showDate(m_date);
        break;
    case Reading::Empty:
        m_date = NoDate;
        m_empty = true;
        break;
    case Reading::Failure:
        fail(reading.message);
    }
}

void TplDateEdit::fail(const QString &message)
{
    if (m_displayError)
        MessageService::current().warning(message, m_dialogCaption);
    focusBack();
    throw EAbort();
}

void TplDateEdit::focusBack()
{
    if (m_editGengo)
        m_era->setFocus(Qt::OtherFocusReason);
    else
        m_year->setFocus(Qt::OtherFocusReason);
}

// ---- focus ----

bool TplDateEdit::contains(const QWidget *widget) const
{
    // Walks through window borders too, so the era list's popup counts as inside.
    for (; widget; widget = widget->parentWidget()) {
        if (widget == this)
            return true;
    }
    return false;
}

void TplDateEdit::onFocusChanged(QWidget *now)
{
    if (contains(now)) {
        if (!m_focusInside) {
            m_focusInside = true;
            emit OnEnter();
        }
        return;
    }
    // Focus going to another window (a message box, another program) comes back to where
    // it was, so only a move to another control of this window leaves the control.
    if (!m_focusInside || !now || now->window() != window())
        return;
    m_focusInside = false;
    emit OnExit();
    if (m_exitCheck && !m_loading && isEnabled()) {
        try {
            validate();
        } catch (const EAbort &) {
            // The user was told and the focus is back in the control.
        }
    }
}

// ---- keys ----

bool TplDateEdit::isNumberField(QObject *object) const
{
    return object == m_year || object == m_month || object == m_day;
}

void TplDateEdit::sendTab(bool backwards)
{
    QWidget *target = QApplication::focusWidget();
    if (!target)
        return;
    QKeyEvent tab(QEvent::KeyPress, backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                  backwards ? Qt::ShiftModifier : Qt::NoModifier);
    QCoreApplication::sendEvent(target, &tab);
}

bool TplDateEdit::handleKeyDown(QObject *watched, QKeyEvent *event)
{
    const int key = event->key();
    const bool inEraList = watched == m_era->view();
    if (isEnterKey(key)) {
        if (inEraList)
            m_era->setCurrentIndex(m_era->view()->currentIndex().row());
        if (m_era->isPopupOpen())
            m_era->hidePopup();
        if (m_enterNext)
            sendTab(event->modifiers() & Qt::ShiftModifier);
        return true;
    }
    if (inEraList)
        return false;
    if (key == Qt::Key_Down && m_dropDownKey && m_editGengo && !m_era->isPopupOpen()) {
        m_era->showPopup();
        return true;
    }
    if (key == Qt::Key_Delete && watched == m_era) {
        m_era->setCurrentIndex(-1);
        return true;
    }
    return false;
}

bool TplDateEdit::passesKeyPress(QObject *watched, QKeyEvent *event)
{
    const QString text = event->text();
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (text.isEmpty() || shortcut || watched == m_era->view())
        return true;
    const QChar typed = text.at(0);
    if (OnKeyPress && !OnKeyPress(typed))
        return false;
    // Control characters (Backspace, Escape) pass; of the printable ones the numeric fields take digits only and the
    // era none.
    if (!typed.isPrint())
        return true;
    return isNumberField(watched) && typed >= QLatin1Char('0') && typed <= QLatin1Char('9');
}

bool TplDateEdit::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *keyEvent = static_cast<QKeyEvent *>(event);
        if (OnKeyDown && !OnKeyDown(keyEvent->key(), keyEvent->modifiers()))
            return true;
        if (handleKeyDown(watched, keyEvent))
            return true;
        return !passesKeyPress(watched, keyEvent);
    }
    case QEvent::FocusIn:
        // Tabbing into the control reaches it through the era drop-down, its focus
        // stand-in; a user tabbing in wants to type the year.
        if (watched == m_era && !m_focusInside && static_cast<QFocusEvent *>(event)->reason() == Qt::TabFocusReason) {
            m_year->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (auto *part = qobject_cast<QWidget *>(watched); part && part != m_era->view()) {
            // Entering the control to type a date uncovers the fields.
            m_text->hide();
            paintFocus(part, true);
            if (auto *field = qobject_cast<QLineEdit *>(part)) {
                // A click places the cursor after the focus arrives; select once it has.
                if (static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason)
                    QTimer::singleShot(0, field, &QLineEdit::selectAll);
                else
                    field->selectAll();
            }
        }
        break;
    case QEvent::FocusOut:
        if (auto *part = qobject_cast<QWidget *>(watched); part && part != m_era->view())
            paintFocus(part, part == m_era && m_era->isPopupOpen());
        break;
    case QEvent::MouseButtonRelease:
        if (watched != m_era->view())
            emit OnClick();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

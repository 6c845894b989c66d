#pragma once

#include "dates/DateEditEnums.h"

#include <QColor>
#include <QDate>
#include <QString>
#include <QWidget>
#include <functional>

class EraComboBox;
class QLabel;
class QLineEdit;
class TplDateEditLabel;

// The program's own date entry: an era drop-down followed by year, month and day fields,
// each with its caption cell. A date is typed in the Western calendar or as an era year
// and shown back in the era form. The control is not bound to a column; forms move date
// texts in and out with SetDateControl and GetDateControl.
//
// Reading the date (GetDate, GetDateText) validates the fields; a failure is shown in a
// warning box (when DisplayError is on), the focus goes back into the control and EAbort
// is thrown, so the operation that asked for the date stops there.
class TplDateEdit : public QWidget
{
    Q_OBJECT
public:
    explicit TplDateEdit(QWidget *parent = nullptr);

    QString Version() const { return QStringLiteral("1.2"); }

    TplDefGengo DefGengo() const { return m_defGengo; }
    void setDefGengo(TplDefGengo value);
    bool CanEmpty() const { return m_canEmpty; }
    void setCanEmpty(bool value) { m_canEmpty = value; }
    bool Gengo() const { return m_gengo; }
    void setGengo(bool value);
    QColor DisableColor() const { return m_disableColor; }
    void setDisableColor(const QColor &value);
    QColor DisableFontColor() const { return m_disableFontColor; }
    void setDisableFontColor(const QColor &value);
    bool DropDownKey() const { return m_dropDownKey; }
    void setDropDownKey(bool value) { m_dropDownKey = value; }
    bool EnterNext() const { return m_enterNext; }
    void setEnterNext(bool value) { m_enterNext = value; }
    bool ExitCheck() const { return m_exitCheck; }
    void setExitCheck(bool value) { m_exitCheck = value; }
    bool DisplayError() const { return m_displayError; }
    void setDisplayError(bool value) { m_displayError = value; }
    QColor FocusedColor() const { return m_focusedColor; }
    void setFocusedColor(const QColor &value);
    QString LabelYear() const;
    void setLabelYear(const QString &value);
    QString LabelMonth() const;
    void setLabelMonth(const QString &value);
    QString LabelDay() const;
    void setLabelDay(const QString &value);
    QString DialogCaption() const { return m_dialogCaption; }
    void setDialogCaption(const QString &value) { m_dialogCaption = value; }
    // Hiding the era drop-down also turns Gengo off: without it an era year could not be
    // told from a Western year.
    bool EditGengo() const { return m_editGengo; }
    void setEditGengo(bool value);
    TplDateEditStyle EditStyle() const { return m_editStyle; }
    void setEditStyle(TplDateEditStyle value);
    QColor Color() const { return m_color; }
    void setColor(const QColor &value);

    // Called before the control's own key handling; returning false swallows the key.
    // OnKeyDown sees every key, OnKeyPress every typed character.
    std::function<bool(int key, Qt::KeyboardModifiers modifiers)> OnKeyDown;
    std::function<bool(QChar key)> OnKeyPress;

    // Era back to DefGengo, fields emptied, no date.
    void Clear();
    // Shows a date; an invalid date (or one before 1873/01/01 other than the no-date
    // value) is refused with a message and leaves the control cleared.
    void SetDate(const QDate &date);
    // Validates and returns the date; the no-date value (1872/12/31) when empty.
    QDate GetDate();
    // Validates and returns the date as "yyyy/mm/dd"; empty when the control is empty.
    QString GetDateText();
    // Shows a stored text that is no date ("2009/4/1") as it is, over the empty fields,
    // until the user enters the control or another date is put in.
    void ShowText(const QString &text);
    QString ShownText() const;  // the text ShowText shows; empty when none
    // True when the year, month and day fields are blank; the era does not count.
    bool IsBlank() const;
    // The error bits of the last validation (DateEntryRules::ErrorBit).
    int ErrorBits() const { return m_errorBits; }

    // While a form restores its controls, dates put in are ignored and reading one
    // returns the stored date without validating.
    void setLoading(bool loading) { m_loading = loading; }
    bool isLoading() const { return m_loading; }

signals:
    void OnChange();
    void OnClick();
    void OnEnter();
    void OnExit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QLineEdit *makeNumberField(const char *name, int maxLength);
    void layoutParts();
    void applyColors();
    void paintPart(QWidget *part, const QColor &background, const QColor &text);
    void paintFocus(QWidget *part, bool focused);
    void showDate(const QDate &date);
    void validate();
    [[noreturn]] void fail(const QString &message);
    void focusBack();
    bool contains(const QWidget *widget) const;
    void onFocusChanged(QWidget *now);
    bool handleKeyDown(QObject *watched, QKeyEvent *event);
    bool passesKeyPress(QObject *watched, QKeyEvent *event);
    void sendTab(bool backwards);
    bool isNumberField(QObject *object) const;

    EraComboBox *m_era;
    QLineEdit *m_year;
    QLineEdit *m_month;
    QLineEdit *m_day;
    QLabel *m_text;  // a stored text that is no date
    TplDateEditLabel *m_labelYear;
    TplDateEditLabel *m_labelMonth;
    TplDateEditLabel *m_labelDay;

    TplDefGengo m_defGengo = degReiwa;
    bool m_canEmpty = false;
    bool m_gengo = true;
    QColor m_disableColor{0x80, 0x80, 0x80};
    QColor m_disableFontColor{Qt::white};
    bool m_dropDownKey = true;
    bool m_enterNext = true;
    bool m_exitCheck = false;
    bool m_displayError = true;
    QColor m_focusedColor{0xFF, 0xFB, 0xF0};
    QString m_dialogCaption;
    bool m_editGengo = true;
    TplDateEditStyle m_editStyle = desYearMonthDay;
    QColor m_color{Qt::white};

    QDate m_date;
    bool m_empty = true;
    int m_errorBits = 0;
    bool m_loading = false;
    bool m_focusInside = false;
};

#pragma once

#include "dates/DateEditEnums.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// What kind of control a declared field is. The containers hold other fields.
enum class FieldKind {
    Edit,          // DBEdit
    Number,        // DBEdit taking a whole number, right-aligned
    Memo,          // DBMemo
    Check,         // DBCheckBox, checked and unchecked values ("1" and "0" unless given)
    List,          // DBComboBox with a fixed list; the choice is written at once
    EditableList,  // DBComboBox with suggestions; free text as in an edit
    Radio,         // DBRadioGroup: items and the values they store
    Date,          // DBDateEdit, the era date edit
    CheckedDate,   // DBCheckedDateEdit, a date picker with a check box
    Photo,         // DBImageFrame storing images of kind 0 ("KAO…")
    Certificate,   // DBImageFrame storing images of kind 1 ("GAZ…")
    CheckGrid,     // DBCheckGrid, ten boxes in a column of ten characters
    Label,         // DBText, a read-only text showing the column
    StaticText,    // a fixed text between controls ("工事業", "％"), bound to nothing
    Button,        // a push button beside a field (a picker, a clear button), bound to nothing
    Widget,        // a control the editor makes itself, bound to nothing (a drop-down, a radio button)
    Group,         // a group box (or a plain panel without caption) of fields
    Row,           // fields side by side in one line, each after its caption
    Pages,         // a tab control of Page fields
    Page,          // one tab of Pages
};

// One line of an editor's field declaration: the caption on the form, the column it is
// bound to, the kind of control with its options, and the control's name, which code
// finds it by (FindBoundControl("DBEdit" + tag)). Names follow the kind unless given:
// "DBEdit" + column, "DBMemo", "DBCheckBox", "DBComboBox", "DBRadioGroup", "dt",
// "ImageFrame", "ChkGrid", "DBText" + column.
//
//   Edit("氏名", "NAME").MaxLength(20),
//   DateField("生年月日", "BNDT").Era(degShowa),
//   EditableList("資格内容", "SNSK").NamesOfKind(6).Named("cmbSNSK"),
//   Photo("SDFL", "ImageFrame1").SameRow().Span(7),
//
// Fields run down in rows of caption and control; SameRow puts a field to the right of
// the one before, Span lets a control reach down over several rows. A Row lines its
// fields up one after the other (a permit: trade, "工事業", authority, kind, number, date)
// beside its own caption; controls with a Width keep it, the others share the line. The
// order of the declaration is the order Enter and Tab move in; buttons and fixed texts
// are no stops.
struct FieldSpec
{
    FieldKind kind = FieldKind::Edit;
    QString caption;
    QString column;
    QString name;
    QList<FieldSpec> children;  // containers
    QStringList items;          // lists and radio groups
    QStringList values;         // radio groups: stored per item; check boxes: checked, unchecked
    int namesKind = 0;          // lists filled from this kind of the names master
    TplDefGengo era = degReiwa;
    int maxLength = 0;  // below the column's length; 0: the column's
    int width = 0;      // pixels; 0: the control's own
    int rowSpan = 1;
    QString hint;
    QString labelName;  // the caption label's name, for code that recolours or renames it
    // The name messages give a field without a caption of its own: its row's caption.
    QString displayName;
    bool readOnly = false;
    bool sameRow = false;
    bool imeOff = false;
    std::function<void(QWidget &)> setup;            // any further option of the control
    std::function<QWidget *(QWidget *parent)> make;  // Widget: creates the control

    FieldSpec &Named(const QString &objectName);
    FieldSpec &Hint(const QString &text);
    FieldSpec &MaxLength(int characters);
    FieldSpec &Width(int pixels);
    FieldSpec &Span(int rows);
    FieldSpec &SameRow();
    FieldSpec &ReadOnly();
    FieldSpec &ImeOff();
    FieldSpec &Era(TplDefGengo defGengo);
    FieldSpec &Values(const QString &checked, const QString &unchecked);
    FieldSpec &NamesOfKind(int kind);
    FieldSpec &LabelNamed(const QString &objectName);
    FieldSpec &Setup(std::function<void(QWidget &)> configure);

    // The control's name: the given one, else the one of its kind.
    QString objectName() const;
    bool isContainer() const;
    // Whether the control shows the caption itself (a check box, a button) rather than a
    // label beside it.
    bool captionsItself() const;
};

FieldSpec Edit(const QString &caption, const QString &column);
FieldSpec Number(const QString &caption, const QString &column);
FieldSpec Memo(const QString &caption, const QString &column);
FieldSpec Check(const QString &caption, const QString &column);
FieldSpec List(const QString &caption, const QString &column, const QStringList &items);
FieldSpec EditableList(const QString &caption, const QString &column, const QStringList &items = {});
FieldSpec Radio(const QString &caption, const QString &column, const QStringList &items,
                const QStringList &values = {});
FieldSpec DateField(const QString &caption, const QString &column);
FieldSpec CheckedDateField(const QString &caption, const QString &column);
FieldSpec Photo(const QString &column, const QString &name);
FieldSpec Certificate(const QString &column, const QString &name);
FieldSpec CheckGrid(const QString &caption, const QString &column);
FieldSpec Label(const QString &caption, const QString &column);
FieldSpec StaticText(const QString &text);
FieldSpec Button(const QString &name, const QString &caption);
// The small "…" button beside a field that fills it from a picker, with its hint.
FieldSpec PickerButton(const QString &name, const QString &hint);
// A control of no column, made by `make`, with `caption` beside it unless empty: the
// editor wires it (FindControl<QComboBox>(name)). The kit names, places and orders it;
// Enter keeps its own meaning there.
FieldSpec Widget(const QString &caption, const QString &name, std::function<QWidget *(QWidget *parent)> make);
FieldSpec Group(const QString &caption, const QList<FieldSpec> &fields);
FieldSpec Row(const QString &caption, const QList<FieldSpec> &fields);
FieldSpec Pages(const QString &name, const QList<FieldSpec> &pages);
FieldSpec Page(const QString &caption, const QList<FieldSpec> &fields);

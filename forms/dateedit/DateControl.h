#pragma once

#include <QString>

class CheckedDateEdit;
class TplDateEdit;

// Moving date texts ("yyyy/mm/dd", empty for no date) in and out of the date controls.
// Putting a date in never raises the control's change notification, so a form's change
// handler sees only the user's edits.

// Empty text clears the control; a text that is no date is refused with the control's
// message and leaves it cleared.
void SetDateControl(TplDateEdit &control, const QString &text);
// Empty text unchecks the picker and sets it to the work date; a date checks it. A text
// that is no date is refused with a message and treated as empty.
void SetDateControl(CheckedDateEdit &control, const QString &text);

// Empty when the control is blank, otherwise its validated date (a failed validation is
// shown and throws EAbort).
QString GetDateControl(TplDateEdit &control);
// Empty when unchecked, otherwise the picker's date.
QString GetDateControl(const CheckedDateEdit &control);

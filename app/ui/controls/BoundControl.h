#pragma once

#include "data/FieldDataLink.h"

class QString;
class QWidget;

// What every control bound to a column has: its link to the field. Windows find a bound
// control by its name and reach the field through it (SetBoundFieldText).
class BoundControl
{
public:
    virtual ~BoundControl() = default;
    FieldDataLink &link() { return m_link; }

protected:
    FieldDataLink m_link;
};

// A widget bound to a column: the widget with its link.
template<typename Widget> class DataBoundControl : public Widget, public BoundControl
{
public:
    explicit DataBoundControl(QWidget *parent)
        : Widget(parent)
    {
    }
};

// Puts the dataset of a bound control into edit unless it is editing or inserting, then
// sets the control's field to `text` (a picker's choice put into a field). Raises
// db::Error when `control` is not a bound control or the field refuses the text.
void SetBoundFieldText(QWidget *control, const QString &text);

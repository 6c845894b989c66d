#pragma once

#include "kit/TRecordEditor.h"

// 職員情報: the staff master of the company that uses the program. The same person may
// be entered once per qualification; 複写 starts such a row from the current one.
class TSyokuInfo : public TRecordEditor
{
    Q_OBJECT
public:
    explicit TSyokuInfo(const EditorContext &context, QWidget *parent = nullptr);

    QPushButton *btnCopy;

    void btnCopyClick();
};

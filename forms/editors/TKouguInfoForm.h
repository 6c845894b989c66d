#pragma once

#include "TEquipmentEditor.h"

// 持込工具使用届: up to ten power tools a contractor brings onto the site under one
// acceptance number, each known on site by that number and its own two digits, with
// their inspection sheet: one row of ten boxes per inspection item, box n for tool n.
class TKouguInfoForm : public TEquipmentEditor
{
    Q_OBJECT
public:
    explicit TKouguInfoForm(const EditorContext &context, QWidget *parent = nullptr);

    // The 受理No. shown beside tool `tool` (1 to 10).
    QString ToolNumberText(int tool) const;

protected:
    void RecordShown() override;
    QString ExportName() override;
};

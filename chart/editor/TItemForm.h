#pragma once

#include "bases/TmyForm.h"

struct ChartBox;

// A chart box's contractor as the chart shows it (施工体系図業者設定), read-only: the
// particulars valid at the chart's date and the work period.
class TItemForm : public TmyForm
{
    Q_OBJECT

public:
    explicit TItemForm(const ChartBox &box, QWidget *parent = nullptr);
};

#pragma once

#include <QString>

class QBoxLayout;
class QDialog;

// The closing button of the chart's dialogs (btnClose), at the right end of `layout`: a
// click accepts the dialog.
void AddCloseButton(QDialog &dialog, QBoxLayout &layout, const QString &caption);

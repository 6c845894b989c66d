#pragma once

#include "PackageInfoForm.h"

class QCheckBox;

// データを作成する: shows the header of the package about to be written and asks whether
// to write it. The package is scrambled unless chkAngou is checked: sites still running a
// release older than the 2006 one read only plain packages.
class TExportForm : public PackageInfoForm
{
    Q_OBJECT
public:
    explicit TExportForm(const QStringList &fileInfo, QWidget *parent = nullptr);

    QCheckBox *chkAngou;
};

#pragma once

#include "kit/EditorServices.h"

#include <functional>

// The windows editors open, as the program shows them: the pickers, run through the
// installed ModalService. Packages cannot be exchanged from an editor until the package
// dialogs are given (ExchangeDialogs): until then the exchange buttons stay hidden.
class FormServices : public EditorServices
{
public:
    StaffChoice PickStaff(QWidget *parent) override;
    QString PickName(QWidget *parent, const QPoint &topLeft, int kind) override;
    bool PickContractor(QWidget *parent, const QString &kojiCode, const QString &preset, const QString &leaveOut,
                        ContractorChoice &choice) override;
    WorkerQualificationChoice PickWorkerQualification(QWidget *parent, const QString &kojiCode, const QString &gyoCode,
                                                      const QString &kinds) override;

    // The package dialogs' two entry points; both unset means no exchange.
    std::function<bool(QWidget *, const PackageRequest &, DataSet &)> ExportDialog;
    std::function<bool(QWidget *, const PackageRequest &, DataSet &)> ImportDialog;

    bool CanExchange() const override { return ExportDialog && ImportDialog; }
    bool ExportRecord(QWidget *parent, const PackageRequest &request, DataSet &record) override;
    bool ImportRecord(QWidget *parent, const PackageRequest &request, DataSet &record) override;
};

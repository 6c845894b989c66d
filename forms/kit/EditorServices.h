#pragma once

#include "pickers/TGyoListForm.h"
#include "pickers/TInListForm.h"
#include "pickers/TMeishoBox.h"
#include "pickers/TShokuListForm.h"

#include <QPoint>
#include <QString>
#include <functional>

class DataSet;
class QWidget;

// What an exchange button asks for: the package kind (0 projects, 1 contractors, 6–8
// equipment), the record's name that goes into the proposed file name, and the contractor
// a package is imported into. The dialogs' titles, filters and file names follow from the
// kind (exchange/package/PackageFiles.h).
struct PackageRequest
{
    int kind = -1;
    QString name;
    QString gyoCode;
};

// A contractor chosen in the contractor picker.
struct ContractorChoice
{
    QString kojiCode;
    QString gyoCode;
    QString name;
};

// The windows an editor opens for a choice or an exchange, replaceable as a whole so
// that an editor's tests script the answers instead of driving the pickers. The program
// gives FormServices.
class EditorServices
{
public:
    virtual ~EditorServices() = default;

    virtual StaffChoice PickStaff(QWidget *parent) = 0;
    // The names picker of a names-master kind with its top-left corner at `topLeft` on
    // the screen; empty when nothing was chosen.
    virtual QString PickName(QWidget *parent, const QPoint &topLeft, int kind) = 0;
    // The same with the entry's bare name, for fields that keep the name alone (an
    // engineer's qualification): cutting the returned text at its tenth character would
    // leave the tail of an abbreviation of ten characters or more in front of it.
    virtual NameChoice PickNameChoice(QWidget *parent, const QPoint &topLeft, int kind) = 0;
    virtual bool PickContractor(QWidget *parent, const QString &kojiCode, const QString &preset,
                                const QString &leaveOut, ContractorChoice &choice)
        = 0;
    virtual WorkerQualificationChoice PickWorkerQualification(QWidget *parent, const QString &kojiCode,
                                                              const QString &gyoCode, const QString &kinds)
        = 0;

    // Whether packages can be written and read here; the exchange buttons show only then.
    virtual bool CanExchange() const { return true; }
    // Asks for the file and writes `record` (the current record) as a package; false
    // when the user cancelled or the export failed (after saying so).
    virtual bool ExportRecord(QWidget *parent, const PackageRequest &request, DataSet &record) = 0;
    // Asks for a package and reads it into `record`; true when it was imported.
    virtual bool ImportRecord(QWidget *parent, const PackageRequest &request, DataSet &record) = 0;
    // The worker roster of a contractor: asks for the file and writes its marked workers
    // with their qualifications; false when the user cancelled or nothing was written
    // (after saying why).
    virtual bool ExportRoster(QWidget *parent, const QString &kojiCode, const QString &gyoCode,
                              const QString &contractorName)
        = 0;
    // Asks for a roster package and reads it into the contractor: the workers, then, when
    // the user confirmed them, their qualifications; `afterWorkers` runs in between.
    virtual bool ImportRoster(QWidget *parent, const QString &gyoCode, const QString &contractorName,
                              const std::function<void()> &afterWorkers)
        = 0;
};

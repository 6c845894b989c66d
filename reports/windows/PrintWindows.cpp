#include "PrintWindows.h"

#include "NotYetPrintForm.h"
#include "TMeiboPrintForm.h"
#include "framework/PrintChecks.h"
#include "messages/MessageService.h"
#include "program/AppContext.h"
#include "program/DataModule1.h"
#include "services/ModalService.h"

#include <QCheckBox>

using namespace sorvik::documents;

namespace PrintWindows {

namespace {

void openRoster(QWidget *parent, const PrintRequest &request, const WorkerEditor &editWorkers)
{
    TMeiboPrintForm window(parent);
    window.KojiCode = request.kojiCode;
    window.GyoCode = request.gyoCode;
    window.OpenWorkerEditor = editWorkers;
    window.chkCardType->setChecked(request.mode == 1);
    if (window.LoadContractorList())
        ModalService::current().run(window);
}

// The checks of the windows still to come, so that the user meets them already.
bool passesCheck(const PrintRequest &request)
{
    switch (request.window) {
    case PrintWindow::Notifications:
        if (AppContext::Project().Tree().isEmpty()) {
            MessageService::current().information(PrintChecks::NoContractors);
            return false;
        }
        return true;
    case PrintWindow::Licences:
        if (PrintChecks::QualifiedContractors(TDataModule1::instance()->IBTransaction1, request.kojiCode).isEmpty()) {
            MessageService::current().information(PrintChecks::NoQualifications);
            return false;
        }
        return true;
    default:
        return true;
    }
}

void openNotYet(QWidget *parent, const PrintRequest &request)
{
    if (!passesCheck(request))
        return;
    NotYetPrintForm window(Caption(request.window), parent);
    window.KojiCode = request.kojiCode;
    ModalService::current().run(window);
}

}  // namespace

void Open(QWidget *parent, const PrintRequest &request, const WorkerEditor &editWorkers)
{
    switch (request.window) {
    case PrintWindow::Roster:
        openRoster(parent, request, editWorkers);
        break;
    case PrintWindow::Ledger:
    case PrintWindow::EngineerChart:
    case PrintWindow::Instructions:
    case PrintWindow::Licences:
    case PrintWindow::Notifications:
    case PrintWindow::Inspections:
    case PrintWindow::OtherSafety:
        openNotYet(parent, request);
        break;
    }
}

QString Caption(PrintWindow window)
{
    switch (window) {
    case PrintWindow::Roster:
        return QStringLiteral("作業員名簿印刷");
    case PrintWindow::Ledger:
        return QStringLiteral("施工体制台帳印刷画面");
    case PrintWindow::EngineerChart:
        return QStringLiteral("体系図印刷画面");
    case PrintWindow::Instructions:
        return QStringLiteral("安全衛生印刷画面");
    case PrintWindow::Licences:
        return QStringLiteral("資格者一覧印刷画面");
    case PrintWindow::Notifications:
        return QStringLiteral("車両届・持込機械使用届");
    case PrintWindow::Inspections:
        return QStringLiteral("各種点検表印刷");
    case PrintWindow::OtherSafety:
        return QStringLiteral("その他安全文書印刷");
    }
    return {};
}

}  // namespace PrintWindows

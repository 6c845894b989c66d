#include "PlaceholderMainWindow.h"

#include "AppContext.h"
#include "StartupMessages.h"
#include "SystemInfo.h"

#include <QLabel>
#include <QVBoxLayout>

PlaceholderMainWindow::PlaceholderMainWindow(const QString &databaseName, QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(StartupMessages::ApplicationTitle);
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    const QString company = AppContext::instance().CompanyName;
    const QStringList lines = {
        QStringLiteral("%1 %2").arg(GetVersionString(ProgramFilePath(), 8), GetVersionString(ProgramFilePath(), 3)),
        QStringLiteral("データベース： %1").arg(databaseName),
        company.isEmpty() ? QString() : QStringLiteral("会社名： %1").arg(company),
    };
    for (const QString &line : lines) {
        if (!line.isEmpty())
            layout->addWidget(new QLabel(line, central));
    }
    layout->addStretch();
    setCentralWidget(central);
    resize(640, 400);
}

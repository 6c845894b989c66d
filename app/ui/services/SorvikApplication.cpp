#include "SorvikApplication.h"

#include "UserAction.h"
#include "startup/StartupMessages.h"

#include <QLibraryInfo>
#include <QLocale>

SorvikApplication::SorvikApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationDisplayName(StartupMessages::ApplicationTitle);
    // Missing translations (the Debian package qt6-translations-l10n) leave Qt's texts in
    // English; nothing else depends on them.
    if (m_qtTranslations.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qt"), QStringLiteral("_"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&m_qtTranslations);
}

bool SorvikApplication::notify(QObject *receiver, QEvent *event)
{
    bool handled = false;
    RunUserAction([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

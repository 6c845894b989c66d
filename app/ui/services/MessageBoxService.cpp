#include "MessageBoxService.h"

#include "startup/StartupMessages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

int show(QMessageBox::Icon icon, const QString &text, const QString &caption, bool yesNo)
{
    QMessageBox box(icon, caption.isEmpty() ? StartupMessages::ApplicationTitle : caption,
                    MessageBoxService::displayText(text), QMessageBox::NoButton, QApplication::activeWindow());
    if (yesNo) {
        QPushButton *yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.exec();
        return box.clickedButton() == yes ? QMessageBox::Yes : QMessageBox::No;
    }
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    return box.exec();
}

}  // namespace

QString MessageBoxService::displayText(const QString &text)
{
    QString display = text;
    display.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    display.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return display;
}

void MessageBoxService::information(const QString &text, const QString &caption)
{
    show(QMessageBox::Information, text, caption, false);
}

void MessageBoxService::warning(const QString &text, const QString &caption)
{
    show(QMessageBox::Warning, text, caption, false);
}

void MessageBoxService::error(const QString &text, const QString &caption)
{
    show(QMessageBox::Critical, text, caption, false);
}

bool MessageBoxService::question(const QString &text, const QString &caption)
{
    return show(QMessageBox::Question, text, caption, true) == QMessageBox::Yes;
}

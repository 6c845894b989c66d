#include "MessageBoxService.h"

#include "startup/StartupMessages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

enum class Buttons { Ok, YesNo, YesNoDefaultNo };

int show(QMessageBox::Icon icon, const QString &text, const QString &caption, Buttons buttons)
{
    QMessageBox box(icon, caption.isEmpty() ? StartupMessages::ApplicationTitle : caption,
                    MessageBoxService::displayText(text), QMessageBox::NoButton, QApplication::activeWindow());
    if (buttons != Buttons::Ok) {
        QPushButton *yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        QPushButton *no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
        box.setDefaultButton(buttons == Buttons::YesNo ? yes : no);
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
    show(QMessageBox::Information, text, caption, Buttons::Ok);
}

void MessageBoxService::warning(const QString &text, const QString &caption)
{
    show(QMessageBox::Warning, text, caption, Buttons::Ok);
}

void MessageBoxService::error(const QString &text, const QString &caption)
{
    show(QMessageBox::Critical, text, caption, Buttons::Ok);
}

bool MessageBoxService::question(const QString &text, const QString &caption)
{
    return show(QMessageBox::Question, text, caption, Buttons::YesNo) == QMessageBox::Yes;
}

bool MessageBoxService::questionDefaultNo(const QString &text, const QString &caption)
{
    return show(QMessageBox::Question, text, caption, Buttons::YesNoDefaultNo) == QMessageBox::Yes;
}

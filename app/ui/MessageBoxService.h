#pragma once

#include "messages/MessageService.h"

class QWidget;

// The message service of the running program: modal message boxes captioned with the
// program's title, over the active window.
class MessageBoxService : public MessageService
{
public:
    void information(const QString &text) override;
    void error(const QString &text) override;
    bool question(const QString &text) override;

    // The program's texts break lines with "\n\r"; a message box wants one break per line.
    static QString displayText(const QString &text);
};

#pragma once

#include "messages/MessageService.h"

class QWidget;

// The message service of the running program: modal message boxes captioned with the
// program's title, over the active window.
class MessageBoxService : public MessageService
{
public:
    void information(const QString &text, const QString &caption = {}) override;
    void warning(const QString &text, const QString &caption = {}) override;
    void error(const QString &text, const QString &caption = {}) override;
    bool question(const QString &text, const QString &caption = {}) override;
    bool questionDefaultNo(const QString &text, const QString &caption = {}) override;

    // The program's texts break lines with "\n\r"; a message box wants one break per line.
    static QString displayText(const QString &text);
};

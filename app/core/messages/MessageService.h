#pragma once

#include <QString>

// Every message box of the program goes through the installed MessageService, so that
// logic can tell the user something without knowing about windows, and tests can read
// the texts and give the answers. The program installs the message-box implementation
// at start; tests install a ScriptedMessageService.
class MessageService
{
public:
    virtual ~MessageService();

    // `caption` is the title of the box; empty gives the program's title.
    virtual void information(const QString &text, const QString &caption = {}) = 0;
    virtual void warning(const QString &text, const QString &caption = {}) = 0;
    virtual void error(const QString &text, const QString &caption = {}) = 0;
    // A question answered with yes (true) or no (false).
    virtual bool question(const QString &text, const QString &caption = {}) = 0;
    // A question whose default answer is no: going ahead after something went wrong.
    virtual bool questionDefaultNo(const QString &text, const QString &caption = {}) { return question(text, caption); }

    // The installed service; without one, texts go to standard error and questions are
    // answered no, which is the safe answer for every question the program asks.
    static MessageService &current();
    // Installs `service` (not owned; nullptr goes back to standard error) and returns the
    // previous one.
    static MessageService *install(MessageService *service);
};

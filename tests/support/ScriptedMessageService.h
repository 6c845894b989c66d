#pragma once

#include "messages/MessageService.h"

#include <QList>
#include <QString>
#include <QStringList>

// A MessageService for tests: records every message in order and answers questions from
// a script. It installs itself for its lifetime and puts the previous service back after.
class ScriptedMessageService : public MessageService
{
public:
    enum class Kind { Information, Warning, Error, Question };
    struct Message
    {
        Kind kind;
        QString text;
        QString caption;
    };

    ScriptedMessageService();
    ~ScriptedMessageService() override;

    // Answers for the next questions, in order. A question beyond the script is recorded
    // and answered no; unansweredQuestions() counts them.
    void answer(bool yes) { m_answers << yes; }

    void information(const QString &text, const QString &caption = {}) override;
    void warning(const QString &text, const QString &caption = {}) override;
    void error(const QString &text, const QString &caption = {}) override;
    bool question(const QString &text, const QString &caption = {}) override;
    // Recorded and answered as a question; counted apart, for tests of the default answer.
    bool questionDefaultNo(const QString &text, const QString &caption = {}) override;

    const QList<Message> &messages() const { return m_messages; }
    QStringList texts() const;
    QStringList captions() const;
    int unansweredQuestions() const { return m_unanswered; }
    int defaultNoQuestions() const { return m_defaultNo; }
    void clear();

private:
    MessageService *m_previous;
    QList<Message> m_messages;
    QList<bool> m_answers;
    int m_unanswered = 0;
    int m_defaultNo = 0;
};

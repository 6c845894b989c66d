#include "ScriptedMessageService.h"

ScriptedMessageService::ScriptedMessageService() : m_previous(MessageService::install(this))
{
}

ScriptedMessageService::~ScriptedMessageService()
{
    MessageService::install(m_previous);
}

void ScriptedMessageService::information(const QString &text)
{
    m_messages << Message{Kind::Information, text};
}

void ScriptedMessageService::error(const QString &text)
{
    m_messages << Message{Kind::Error, text};
}

bool ScriptedMessageService::question(const QString &text)
{
    m_messages << Message{Kind::Question, text};
    if (m_answers.isEmpty()) {
        ++m_unanswered;
        return false;
    }
    return m_answers.takeFirst();
}

QStringList ScriptedMessageService::texts() const
{
    QStringList texts;
    for (const Message &message : m_messages)
        texts << message.text;
    return texts;
}

void ScriptedMessageService::clear()
{
    m_messages.clear();
    m_answers.clear();
    m_unanswered = 0;
}

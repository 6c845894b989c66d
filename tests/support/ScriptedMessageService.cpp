#include "ScriptedMessageService.h"

ScriptedMessageService::ScriptedMessageService()
    : m_previous(MessageService::install(this))
{
}

ScriptedMessageService::~ScriptedMessageService()
{
    MessageService::install(m_previous);
}

void ScriptedMessageService::information(const QString &text, const QString &caption)
{
    m_messages << Message{Kind::Information, text, caption};
}

void ScriptedMessageService::warning(const QString &text, const QString &caption)
{
    m_messages << Message{Kind::Warning, text, caption};
}

void ScriptedMessageService::error(const QString &text, const QString &caption)
{
    m_messages << Message{Kind::Error, text, caption};
}

bool ScriptedMessageService::question(const QString &text, const QString &caption)
{
    m_messages << Message{Kind::Question, text, caption};
    if (m_answers.isEmpty()) {
        ++m_unanswered;
        return false;
    }
    return m_answers.takeFirst();
}

bool ScriptedMessageService::questionDefaultNo(const QString &text, const QString &caption)
{
    ++m_defaultNo;
    return question(text, caption);
}

QStringList ScriptedMessageService::texts() const
{
    QStringList texts;
    for (const Message &message : m_messages)
        texts << message.text;
    return texts;
}

QStringList ScriptedMessageService::captions() const
{
    QStringList captions;
    for (const Message &message : m_messages)
        captions << message.caption;
    return captions;
}

void ScriptedMessageService::clear()
{
    m_messages.clear();
    m_answers.clear();
    m_unanswered = 0;
    m_defaultNo = 0;
}

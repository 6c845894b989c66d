#include "MemoLog.h"

#include <QCoreApplication>
#include <QPlainTextEdit>

void MemoLog::begin()
{
    m_memo.clear();
    m_memo.show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MemoLog::line(const QString &text)
{
    m_memo.appendPlainText(text);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MemoLog::end()
{
    m_memo.hide();
}

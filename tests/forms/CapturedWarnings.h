#pragma once

#include "WarningMessage.h"

#include <QStringList>

// Takes the warning boxes of the forms while it lives, keeping caption and text.
class CapturedWarnings
{
public:
    CapturedWarnings()
        : m_previous(WarningMessage::replaceHandler(
              [this](QWidget *, const QString &caption, const QString &text) {
                  captions << caption;
                  texts << text;
              }))
    {
    }
    ~CapturedWarnings() { WarningMessage::replaceHandler(std::move(m_previous)); }
    CapturedWarnings(const CapturedWarnings &) = delete;
    CapturedWarnings &operator=(const CapturedWarnings &) = delete;

    QStringList captions;
    QStringList texts;

private:
    WarningMessage::Handler m_previous;
};

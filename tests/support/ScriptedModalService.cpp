#include "ScriptedModalService.h"

#include <QDialog>

ScriptedModalService::ScriptedModalService()
    : m_previous(ModalService::install(this))
{
}

ScriptedModalService::~ScriptedModalService()
{
    ModalService::install(m_previous);
}

void ScriptedModalService::then(Step step)
{
    m_steps << std::move(step);
}

int ScriptedModalService::run(QDialog &dialog)
{
    if (m_steps.isEmpty()) {
        ++m_unscripted;
        return QDialog::Rejected;
    }
    return m_steps.takeFirst()(dialog);
}

#include "ModalService.h"

#include <QDialog>

namespace {

class ExecModalService : public ModalService
{
public:
    int run(QDialog &dialog) override { return dialog.exec(); }
};

ModalService *installed = nullptr;

}  // namespace

ModalService::~ModalService() = default;

ModalService &ModalService::current()
{
    static ExecModalService exec;
    return installed ? *installed : exec;
}

ModalService *ModalService::install(ModalService *service)
{
    ModalService *previous = installed;
    installed = service;
    return previous;
}

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

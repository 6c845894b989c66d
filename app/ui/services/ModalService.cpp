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

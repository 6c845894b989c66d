#pragma once

#include "CelvaneOutputHandler.h"
#include "PreviewServices.h"

namespace celvane {

// Ends documents in the preview window or on the default printer.
class PreviewOutputHandler : public CelvaneOutputHandler
{
public:
    explicit PreviewOutputHandler(PreviewServices services = PreviewServices::standard())
        : m_services(std::move(services))
    {
    }

    void preview(Celvane &engine, const QRect &area) override;
    // Prints with the default printer's settings; without a printer the person is told so.
    void print(Celvane &engine) override;

private:
    PreviewServices m_services;
};

}  // namespace celvane

#pragma once

#include "services/ModalService.h"

#include <QList>
#include <functional>

// A ModalService for tests: each run hands the window to the next scripted step, which
// works it as a user would and returns the result; a window beyond the script is only
// counted and rejected. Installs itself for its lifetime.
class ScriptedModalService : public ModalService
{
public:
    using Step = std::function<int(QDialog &)>;

    ScriptedModalService();
    ~ScriptedModalService() override;

    void then(Step step);
    int run(QDialog &dialog) override;
    int unscripted() const { return m_unscripted; }

private:
    ModalService *m_previous;
    QList<Step> m_steps;
    int m_unscripted = 0;
};

#pragma once

#include "services/ModalService.h"

#include <QDialog>
#include <QList>
#include <functional>
#include <gtest/gtest.h>

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
    // The next window, shown and handed to `work`, which works it as a user would; the
    // window's result is the answer. A window of another class fails the test.
    template<typename Form> void thenShow(std::function<void(Form &)> work)
    {
        then([work = std::move(work)](QDialog &dialog) {
            auto *form = dynamic_cast<Form *>(&dialog);
            if (!form) {
                ADD_FAILURE() << "an unexpected window: " << dialog.metaObject()->className();
                return int(QDialog::Rejected);
            }
            form->show();
            work(*form);
            return form->result();
        });
    }
    int run(QDialog &dialog) override;
    int unscripted() const { return m_unscripted; }

private:
    ModalService *m_previous;
    QList<Step> m_steps;
    int m_unscripted = 0;
};

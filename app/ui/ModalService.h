#pragma once

#include <QList>
#include <functional>

class QDialog;

// Every window the program shows modally goes through the installed service, so that a
// test can drive the window (fill it, press its buttons) instead of a person. The
// default runs the dialog's own modal loop.
class ModalService
{
public:
    virtual ~ModalService();

    // Shows `dialog` modally and returns its result (QDialog::Accepted or Rejected).
    virtual int run(QDialog &dialog) = 0;

    static ModalService &current();
    static ModalService *install(ModalService *service);
};

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

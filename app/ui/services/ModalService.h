#pragma once

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

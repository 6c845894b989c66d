#pragma once

#include "Celvane.h"
#include "bases/TmyForm.h"

class QPushButton;
class QWidget;
class TPanel;

// The base of every report window: the project's name in the title panel, the window's
// own choices in the middle, and the print, preview and close buttons below. Print and
// preview both run the derived window's print handler with their Tag (1 print, 0
// preview); each click builds the document afresh from the template and the database. An
// error while a document is built ends that document with its message; the window stays.
class TPrintForm : public TmyForm
{
    Q_OBJECT
public:
    explicit TPrintForm(QWidget *parent = nullptr);

    QString KojiCode;  // set by the opener before the window is shown

    TPanel *TitlePanel;
    QWidget *ClientPanel;  // the derived window's choices
    TPanel *JobPanel;
    QPushButton *btnPrint;
    QPushButton *btnPrevew;
    QPushButton *btnClose;
    // The report engine; its output handler previews and prints (tests put in their own).
    celvane::Celvane Celvane1;

    static constexpr int PreviewTag = 0;
    static constexpr int PrintTag = 1;

protected:
    void showEvent(QShowEvent *event) override;
    // The derived window's print handler: builds its document in Celvane1 and ends it with
    // EndDocument(tag).
    virtual void PrintDocument(int tag) = 0;
    // Output.Preview on the screen's work area for the preview Tag, Output.Print otherwise.
    void EndDocument(int tag);

private:
    void btnPrintClick(QPushButton *sender);
};

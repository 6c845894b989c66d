#include "TVersionEditor.h"

#include "bases/TPanel.h"
#include "controls/BoundControl.h"
#include "controls/DBControls.h"
#include "messages/MessageService.h"
#include "program/CurrentProject.h"
#include "services/UserAction.h"

#include <QApplication>

FieldSpec TVersionEditor::AppliedDateField()
{
    return Edit(QStringLiteral("適用日付"), QStringLiteral("APDT")).ImeOff();
}

TVersionEditor::TVersionEditor(const EditorContext &context, std::unique_ptr<VersionRules> rules,
                               const EditorSpec &declaration, QWidget *parent)
    : TRecordEditor(context, std::move(rules), declaration, parent)
    , m_appliedDate(FindBoundControl(QStringLiteral("DBEditAPDT")))
{
    btnNew->setText(QStringLiteral("改訂(&A)"));
    const QString project = context.records.Project.CurKojiName();
    if (!project.isEmpty())
        TitlePanel->setCaption(project);
    DataSet::Chain(IBTable1.AfterPost, [this](DataSet &) { Posted = true; });
    DataSet::Chain(IBTable1.AfterDelete, [this](DataSet &) { Posted = true; });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
        // A move to another window (a message box) comes back; only leaving for another
        // control of this window leaves the field.
        if (old == m_appliedDate && now && now->window() == window())
            RunUserAction([this] { DBEditAPDTExit(); });
    });
}

bool TVersionEditor::LeavingRecord() const
{
    const QWidget *now = QApplication::focusWidget();
    return now == btnCancel || now == btnClose;
}

void TVersionEditor::DBEditAPDTExit()
{
    if (!DataSource1.editing() || LeavingRecord())
        return;
    const QString typed = static_cast<DBEdit *>(m_appliedDate)->text();
    const QString day = VersionRules::AppliedDateText(typed);
    if (day.isEmpty()) {
        MessageService::current().information(VersionRules::AppliedDateMessage);
        m_appliedDate->setFocus(Qt::OtherFocusReason);
    } else if (day != typed) {
        SetBoundFieldText(m_appliedDate, day);
    }
}

void TVersionEditor::btnPostClick()
{
    if (!m_creating) {
        TRecordEditor::btnPostClick();
        return;
    }
    // The window closes on its first post, with nothing to read again: the new object's
    // code may have been drawn anew just before the write.
    IBTable1.Post();
    close();
}

void TVersionEditor::btnCancelClick()
{
    TRecordEditor::btnCancelClick();
    if (m_creating)
        close();
}

#pragma once

#include "EditorBuilder.h"
#include "EditorContext.h"
#include "EditorSpec.h"
#include "bases/TEditForm.h"
#include "data/TableDataSet.h"
#include "records/RecordRules.h"
#include "records/RecordSession.h"

#include <functional>
#include <memory>

class DBGrid;

// The base of every editor of table records: an editor is its declaration (EditorSpec),
// its rules (RecordRules, in the core) and the little code neither can hold. From the
// declaration the kit builds and binds the controls, the version strip's field and the
// list; the rules decide defaults, carried values, post checks (refusals focus their
// field), cascades and delete guards through a RecordSession on IBTable1.
//
// The table opens when the window is first shown (FormShow), after the opener set the
// editor's inputs, so a filter is in place before any row is read. New records get the
// focus on the rules' field; a new record the user never began is dropped on closing
// without a question. The import and export buttons show when the declaration names a
// package kind and the services can exchange; they hand the current record to the
// services with the editor's ExportRequest and ImportRequest.
class TRecordEditor : public TEditForm
{
    Q_OBJECT
public:
    TRecordEditor(const EditorContext &context, std::unique_ptr<RecordRules> rules, const EditorSpec &declaration,
                  QWidget *parent = nullptr);
    ~TRecordEditor() override;

    TableDataSet IBTable1;
    DBGrid *DBGrid1 = nullptr;  // the list below the fields, when declared

    // The control named `name` ("DBEdit" + tag); nullptr when there is none.
    QWidget *FindBoundControl(const QString &name) const;
    // The control bound to `column`; nullptr when none is.
    QWidget *ControlOf(const QString &column) const { return m_builder.ControlOf(column); }
    template<typename Control> Control *FindControl(const QString &name) const { return findChild<Control *>(name); }

    // Runs `handler` as a user action whenever the declared button `name` is clicked.
    QPushButton *OnClick(const QString &name, std::function<void()> handler);
    // Writes `text` into `column` as a picker's choice: the record goes into edit first,
    // then the field takes the text and its control shows it at once. An empty text
    // stores null.
    void SetColumnText(const QString &column, const QString &text);

    // Opens the table when it is not open yet; the first showing does it too.
    void OpenRecords();

    void btnNewClick() override;
    void btnPostClick() override;
    void btnDelClick() override;
    void btnImportClick() override;
    void btnExportClick() override;
    void FormCloseQuery(bool &canClose) override;

protected:
    const EditorContext &Context() const { return m_context; }
    RecordSession &Session() { return m_session; }
    RecordRules &Rules() { return *m_rules; }

    // Runs once when the window is first shown: opens the table. An editor that filters
    // sets the filter first and may move afterwards (to the newest version).
    virtual void FormShow();
    // After every move and cancel, with the controls showing the record.
    virtual void RecordShown() { }
    // What the exchange buttons ask the package dialogs for.
    virtual PackageRequest ExportRequest();
    virtual PackageRequest ImportRequest();
    // After a package was read into the table.
    virtual void RecordImported() { }

    void showEvent(QShowEvent *event) override;

private:
    void focusColumn(const QString &column);

    const EditorContext &m_context;
    std::unique_ptr<RecordRules> m_rules;
    RecordSession m_session;
    EditorBuilder m_builder;
    int m_packageKind;
    bool m_beginNextAfterNew;
    bool m_shown = false;
};

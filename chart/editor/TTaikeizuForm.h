#pragma once

#include "ChartEditState.h"
#include "ChartGrid.h"
#include "ChartReader.h"
#include "ChartVersions.h"
#include "bases/TEditForm.h"

class QAction;
class QDateEdit;
class QLineEdit;
class QMenu;
class QScrollArea;
class TKItem;
class TLayout;
struct EditorContext;

// The organisation chart editor (施工体系図) of one project: the chart is built from the
// construction system, or from the contractors that attended on a work day, arranged,
// coloured and saved as a dated version; the saved versions are shown one at a time.
//
// The editor has no dataset: EditState drives the buttons, and the Prev/Next rule follows
// the shown version after every command. Every write is committed at once; closing asks
// nothing and drops what was not saved.
class TTaikeizuForm : public TEditForm
{
    Q_OBJECT

public:
    explicit TTaikeizuForm(const EditorContext &context, QWidget *parent = nullptr);
    ~TTaikeizuForm() override;

    // Set by the opener before the window is shown.
    QString ProjectCode = QStringLiteral("0");

    QScrollArea *ScrollBox1;
    TLayout *Layout1;
    QLineEdit *edtAPDT;
    QDateEdit *edtWKDT;
    QMenu *PopupMenu1;
    QAction *mnuDisplay;
    QAction *mnuInsert;
    QAction *mnuDelete;
    QAction *nmColor;

    // The saved versions (Dates) and the one shown (VersionIndex).
    const ChartVersions &Versions() const { return m_versions; }
    // The date of the shown saved version; empty for a chart not yet saved.
    const QString &ChartDate() const { return m_chartDate; }
    bool IsNew() const { return m_isNew; }
    const QString &CreatedOn() const { return m_createdOn; }
    ChartEditState EditState() const { return m_editState; }
    const ChartGrid &Grid() const { return m_grid; }
    // The contractor boxes in drawing order.
    QList<TKItem *> Boxes() const;

    ButtonStates CurrentButtonStates() const override;
    bool HasUnpostedChanges() const override { return false; }

    virtual void FormShow();
    void btnNewClick() override;
    void btnPostClick() override;
    void btnDelClick() override;
    void btnCancelClick() override;
    void btnPrevClick() override;
    void btnNextClick() override;
    void mnuDisplayClick();
    void mnuInsertClick();
    void mnuDeleteClick();
    void nmColorClick();
    void edtAPDTChange();
    void edtDTExit();
    // Deletes the selected boxes with everything below them.
    void DeleteSelection();

    // Replaces the chart by one built from `source` as of `date`; false, with the chart and
    // every state as they were, when there is no prime contractor to build from.
    bool BuildChart(ChartSource source, const QString &date);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildMenu();
    void BuildBottomPanel();
    void Change();
    void LoadVersion();
    // Adds a built box under its parent among `added`, at its saved cell when it has one.
    TKItem *AddBox(const ChartEntry &entry, const QList<TKItem *> &added);
    void FitGrid();
    // Sizes the window so that one whole page of the grid shows.
    void FitOnePage();
    TKItem *MenuBox() const;
    QString Today() const;

    const EditorContext &m_context;
    ChartGrid m_grid;
    ChartVersions m_versions;
    QString m_chartDate;
    bool m_isNew = false;
    QString m_createdOn;
    ChartEditState m_editState = ChartEditState::None;
    bool m_shown = false;
    bool m_checkingDate = false;
};

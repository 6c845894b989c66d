#pragma once

#include "DocumentRenderer.h"
#include "PreviewServices.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace celvane {

// The preview of a finished document: its printed pages one at a time, with page
// navigation, zoom, printing and, when the document allows it, saving as .xlsx or PDF.
class PreviewWindow : public QDialog
{
    Q_OBJECT
public:
    enum class Zoom { WholePage, PageWidth, Percent };

    PreviewWindow(const Workbook &document, bool allowSave, std::function<void(const QString &)> saveWorkbook,
                  PreviewServices services, QWidget *parent = nullptr);

    int currentPage() const { return m_page; }
    int pageCount() const { return m_renderer.pageCount(); }
    void showPage(int index);
    void setZoom(Zoom zoom, int percent = 100);
    // Resolution the page is shown at, in dots per inch.
    double shownDpi() const;
    QSize shownPageSize() const;
    void print();
    void save();
    // The name the save dialog offers, such as the template's.
    void setSuggestedFileName(const QString &name) { m_suggestedName = name; }

    QPushButton *saveButton() const { return m_save; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void refresh();
    void zoomChosen(int index);

    DocumentRenderer m_renderer;
    std::function<void(const QString &)> m_saveWorkbook;
    PreviewServices m_services;
    int m_page = 0;
    Zoom m_zoom = Zoom::WholePage;
    int m_percent = 100;
    QString m_suggestedName;
    QScrollArea *m_scroll = nullptr;
    QLabel *m_view = nullptr;
    QLabel *m_pageLabel = nullptr;
    QComboBox *m_zoomBox = nullptr;
    QPushButton *m_first = nullptr;
    QPushButton *m_previous = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_last = nullptr;
    QPushButton *m_save = nullptr;
};

}  // namespace celvane

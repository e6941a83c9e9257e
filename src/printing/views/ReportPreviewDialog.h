#pragma once

#include "printing/report/PreparedReport.h"

#include <QDialog>
#include <functional>

class QAction;
class QLabel;
class QPrinter;
class QPrintPreviewWidget;
class QToolBar;

namespace kvr::printing {

// The preview of prepared pages: zoom, page by page, close; printing and page set-up only when
// the layout allows printing from the preview. Print closes the preview and leaves the printing
// to whoever opened it.
class ReportPreviewDialog : public QDialog
{
    Q_OBJECT
public:
    ReportPreviewDialog(const report::PreparedReport& report, QPrinter& printer, bool mayPrint,
                        std::function<void()> pageSetup, QWidget* parent = nullptr);

    bool printRequested() const { return m_printRequested; }
    QPrintPreviewWidget* previewWidget() const { return m_preview; }
    QAction* printAction() const { return m_print; }
    QAction* pageSetupAction() const { return m_pageSetup; }
    QAction* nextPageAction() const { return m_next; }
    QAction* zoomInAction() const { return m_zoomIn; }
    QLabel* pageLabel() const { return m_pageLabel; }

private:
    void paintPages(QPrinter* printer);
    void showPageNumber();

    const report::PreparedReport& m_report;
    QPrintPreviewWidget* m_preview;
    QToolBar* m_toolbar;
    QAction* m_print = nullptr;
    QAction* m_pageSetup = nullptr;
    QAction* m_next = nullptr;
    QAction* m_zoomIn = nullptr;
    QLabel* m_pageLabel;
    bool m_printRequested = false;
};

} // namespace kvr::printing

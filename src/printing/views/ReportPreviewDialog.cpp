#include "printing/views/ReportPreviewDialog.h"

#include "printing/report/PagePainter.h"

#include <QAction>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <QVBoxLayout>

namespace kvr::printing {

ReportPreviewDialog::ReportPreviewDialog(const report::PreparedReport& report, QPrinter& printer, bool mayPrint,
                                         std::function<void()> pageSetup, QWidget* parent)
    : QDialog(parent)
    , m_report(report)
    , m_preview(new QPrintPreviewWidget(&printer, this))
    , m_toolbar(new QToolBar(this))
    , m_pageLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("reportPreviewDialog"));
    setWindowTitle(report.title);
    m_preview->setObjectName(QStringLiteral("reportPreviewWidget"));
    m_toolbar->setObjectName(QStringLiteral("previewToolBar"));
    const auto add = [this](const QString& name, const QString& text, const QKeySequence& key, auto slot) {
        QAction* action = m_toolbar->addAction(text);
        action->setObjectName(name);
        if (!key.isEmpty())
            action->setShortcut(key);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    m_zoomIn = add(QStringLiteral("zoomInAction"), QStringLiteral("ขยาย +"), QKeySequence::ZoomIn,
                   [this] { m_preview->zoomIn(); });
    add(QStringLiteral("zoomOutAction"), QStringLiteral("ย่อ −"), QKeySequence::ZoomOut,
        [this] { m_preview->zoomOut(); });
    add(QStringLiteral("fitWidthAction"), QStringLiteral("เต็มความกว้าง"), {}, [this] { m_preview->fitToWidth(); });
    add(QStringLiteral("fitPageAction"), QStringLiteral("ทั้งหน้า"), {}, [this] { m_preview->fitInView(); });
    m_toolbar->addSeparator();
    add(QStringLiteral("firstPageAction"), QStringLiteral("|◀"), QKeySequence(Qt::Key_Home),
        [this] { m_preview->setCurrentPage(1); });
    add(QStringLiteral("previousPageAction"), QStringLiteral("◀"), QKeySequence(Qt::Key_PageUp),
        [this] { m_preview->setCurrentPage(m_preview->currentPage() - 1); });
    m_toolbar->addWidget(m_pageLabel);
    m_next = add(QStringLiteral("nextPageAction"), QStringLiteral("▶"), QKeySequence(Qt::Key_PageDown),
                 [this] { m_preview->setCurrentPage(m_preview->currentPage() + 1); });
    add(QStringLiteral("lastPageAction"), QStringLiteral("▶|"), QKeySequence(Qt::Key_End),
        [this] { m_preview->setCurrentPage(m_preview->pageCount()); });
    m_toolbar->addSeparator();
    if (mayPrint) {
        m_pageSetup = add(QStringLiteral("pageSetupAction"), QStringLiteral("ตั้งค่าหน้ากระดาษ"), {}, [this, pageSetup] {
            pageSetup();
            m_preview->updatePreview();
        });
        m_print = add(QStringLiteral("printAction"), QStringLiteral("พิมพ์"), QKeySequence::Print, [this] {
            m_printRequested = true;
            accept();
        });
    }
    add(QStringLiteral("closeAction"), QStringLiteral("ปิด"), {}, [this] { reject(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_toolbar);
    layout->addWidget(m_preview, 1);
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, &ReportPreviewDialog::paintPages);
    connect(m_preview, &QPrintPreviewWidget::previewChanged, this, &ReportPreviewDialog::showPageNumber);
    resize(900, 1000);
    m_preview->fitToWidth();
}

void ReportPreviewDialog::paintPages(QPrinter* printer)
{
    QPageLayout layout = m_report.pageLayout;
    layout.setMinimumMargins(QMarginsF());
    layout.setMargins(QMarginsF());
    printer->setFullPage(true);
    printer->setPageLayout(layout);
    report::PagePainter::paintAll(*printer, m_report);
}

void ReportPreviewDialog::showPageNumber()
{
    m_pageLabel->setText(QStringLiteral(" %1 / %2 ").arg(m_preview->currentPage()).arg(m_preview->pageCount()));
}

} // namespace kvr::printing

#include "printing/views/TFrDocPrintFormGLAutoView.h"

#include "printing/docprint/TFrDocPrintForm.h"
#include "ui/base/Guarded.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace kvr::printing {

TFrDocPrintFormGLAutoView::TFrDocPrintFormGLAutoView(TFrDocPrintFormGLAuto& form, bool thai, QWidget* parent)
    : QDialog(parent)
    , m_form(form)
    , m_caption(new QLabel(TFrDocPrintFormGLAuto::caption(), this))
    , m_display(new QPushButton(this))
    , m_print(new QPushButton(this))
    , m_cancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("voucherPrintDialog"));
    m_caption->setObjectName(QStringLiteral("captionLabel"));
    m_display->setObjectName(QStringLiteral("displayPushButton"));
    m_print->setObjectName(QStringLiteral("printPushButton"));
    m_cancel->setObjectName(QStringLiteral("cancelPushButton"));
    const DocPrintCaptions c = DocPrintCaptions::forLanguage(thai);
    setWindowTitle(TFrDocPrintFormGLAuto::caption());
    QFont big = m_caption->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    m_caption->setFont(big);
    m_caption->setAlignment(Qt::AlignCenter);
    m_display->setText(c.display);
    m_display->setToolTip(c.displayHint);
    m_print->setText(c.print);
    m_print->setToolTip(c.printHint);
    m_cancel->setText(c.cancel);
    m_cancel->setToolTip(c.cancelHint);
    m_print->setDefault(true);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_display, m_print, m_cancel})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_caption);
    layout->addLayout(buttons);

    connect(m_display, &QPushButton::clicked, this, ui::guarded([this] { m_form.BtDisplayClick(); }));
    connect(m_print, &QPushButton::clicked, this, ui::guarded([this] { m_form.BtPrintClick(); }));
    connect(m_cancel, &QPushButton::clicked, this, ui::guarded([this] { m_form.Cancel(); }));
    connect(&m_form, &TFrDocPrintFormGLAuto::closeRequested, this, [this] {
        if (isVisible())
            done(QDialog::Accepted);
    });
}

void TFrDocPrintFormGLAutoView::run()
{
    m_form.FormShow();
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().right() - frameGeometry().width() + 1, screen->geometry().top());
    m_print->setFocus();
    exec();
}

} // namespace kvr::printing

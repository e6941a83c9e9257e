#include "ui/base/TFrShowError.h"

#include "ui/base/FormFont.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace kvr::ui {

namespace {

QPalette whiteOnRed(QPalette palette)
{
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base})
        palette.setColor(role, Qt::red);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
        palette.setColor(role, Qt::white);
    return palette;
}

} // namespace

TFrShowError::TFrShowError(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_errorBox(new QPlainTextEdit(this))
    , m_bOk(new QPushButton(QStringLiteral("Send Error"), this))
    , m_bCancel(new QPushButton(QStringLiteral("Don't Send"), this))
    , m_timeCount(new QLabel(this))
    , m_timer(new QTimer(this))
{
    setWindowTitle(QStringLiteral("Windows Error Message"));
    setObjectName(QStringLiteral("errorDialog"));
    setModal(true);
    setFont(formFont());
    setFixedSize(344, 101);
    setAutoFillBackground(true);
    setPalette(whiteOnRed(palette()));

    m_errorBox->setObjectName(QStringLiteral("errorBoxPlainTextEdit"));
    m_errorBox->setReadOnly(true);
    m_errorBox->setGeometry(0, 0, 344, 65);
    m_errorBox->setPalette(whiteOnRed(m_errorBox->palette()));
    m_errorBox->setFrameShape(QFrame::NoFrame);

    m_bOk->setObjectName(QStringLiteral("sendPushButton"));
    m_bCancel->setObjectName(QStringLiteral("dontSendPushButton"));
    m_bOk->setFont(formFont(true));
    m_bCancel->setFont(formFont(true));
    // The buttons keep the platform's colours so that they read as buttons on the red ground.
    m_bOk->setPalette(QPalette());
    m_bCancel->setPalette(QPalette());
    m_bOk->setGeometry(150, 70, 92, 26);
    m_bCancel->setGeometry(248, 70, 92, 26);

    m_timeCount->setObjectName(QStringLiteral("timeCountLabel"));
    m_timeCount->setFont(formFont(true));
    m_timeCount->setGeometry(8, 74, 130, 20);

    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &TFrShowError::tick);
    connect(m_bOk, &QPushButton::clicked, this, &TFrShowError::BOkClick);
    connect(m_bCancel, &QPushButton::clicked, this, &TFrShowError::BCancelClick);
    connect(this, &QDialog::finished, m_timer, &QTimer::stop);
}

ErrorDialogAnswer TFrShowError::answer() const
{
    return result() == QDialog::Accepted ? ErrorDialogAnswer::Send : ErrorDialogAnswer::DontSend;
}

void TFrShowError::setTickInterval(int milliseconds)
{
    m_timer->setInterval(milliseconds);
}

void TFrShowError::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    move(50, 100);
    m_errorBox->setPlainText(m_text);
    m_bCancel->setFocus();
    m_countdown = kCountdownStart;
    m_sent = false;
    m_timeCount->clear();
    setResult(QDialog::Rejected);
    m_timer->start();
}

void TFrShowError::tick()
{
    if (m_sent || !isVisible())
        return;
    --m_countdown;
    if (m_countdown <= 1)
        BCancelClick();
}

void TFrShowError::BCancelClick()
{
    reject();
}

void TFrShowError::BOkClick()
{
    m_sent = true;
    accept();
}

} // namespace kvr::ui

#pragma once

#include "ui/base/Prompter.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace kvr::ui {

// The red error dialog: the explained error, "Send Error" and "Don't Send"; it closes by itself
// about nine seconds after it opened unless the user chose to send.
class TFrShowError : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kCountdownStart = 10;

    explicit TFrShowError(QWidget* parent = nullptr);

    void setErrorText(const QString& text) { m_text = text; }
    ErrorDialogAnswer answer() const;
    int countdown() const { return m_countdown; }
    bool sent() const { return m_sent; }

    // One tick of the once-a-second timer.
    void tick();
    void setTickInterval(int milliseconds);

    QPlainTextEdit* errorBox() const { return m_errorBox; }
    QPushButton* sendButton() const { return m_bOk; }
    QPushButton* dontSendButton() const { return m_bCancel; }
    QLabel* timeCount() const { return m_timeCount; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BOkClick();
    void BCancelClick();

    QPlainTextEdit* m_errorBox;
    QPushButton* m_bOk;
    QPushButton* m_bCancel;
    QLabel* m_timeCount;
    QTimer* m_timer;
    QString m_text;
    // Each dialog counts for itself: a second error opened on top must neither speed up nor stop
    // the countdown of the first.
    int m_countdown = kCountdownStart;
    bool m_sent = false;
};

} // namespace kvr::ui

#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QStringList>

class QKeyEvent;
class QMessageBox;

namespace kvr::pos {

// Keeps the sale screen's message boxes from being answered by the scanner. A box (the stock
// message) opens while the cashier goes on scanning: the next code's characters and its Enter
// arrive as a burst, faster than anyone types. Keys of a burst never reach the box, so only a
// deliberate key closes it. A code scanned meanwhile is named in the box: over a message it is
// handed on once the box has closed, to become the next line; over a question, which may end
// the bill, the cashier is told to scan it again.
class ScanBurstGuard : public QObject
{
    Q_OBJECT
public:
    // Keys closer together than this, or this soon after a box opened, come from a scanner.
    static constexpr qint64 kBurstGapMs = 150;

    explicit ScanBurstGuard(QObject* parent = nullptr);
    ~ScanBurstGuard() override;

    // True when a key pressed now in the open box counts as the cashier's own.
    bool takesDeliberateKeys() const;

signals:
    // Codes scanned while a box was open, in scanning order, once it has closed.
    void codesHeld(const QStringList& codes);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool filterKey(const QKeyEvent& key);
    void watch(QMessageBox& box);
    void boxClosed();
    void holdCode(const QString& code);

    QPointer<QMessageBox> m_box;
    QString m_boxText;
    QElapsedTimer m_lastKey;
    QString m_typing;
    QStringList m_held;
    QStringList m_refused;
};

} // namespace kvr::pos

#include "pos/ScanBurstGuard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace kvr::pos {

namespace {

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Keys that answer a box: Enter, Space on its focused button, Escape.
bool answers(int key)
{
    return isEnter(key) || key == Qt::Key_Space || key == Qt::Key_Escape;
}

QMessageBox* boxOf(QObject* watched)
{
    for (auto* widget = qobject_cast<QWidget*>(watched); widget; widget = widget->parentWidget()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget))
            return box;
        if (widget->isWindow())
            break;
    }
    return nullptr;
}

} // namespace

ScanBurstGuard::ScanBurstGuard(QObject* parent)
    : QObject(parent)
{
    qApp->installEventFilter(this);
}

ScanBurstGuard::~ScanBurstGuard()
{
    qApp->removeEventFilter(this);
}

bool ScanBurstGuard::takesDeliberateKeys() const
{
    return !m_lastKey.isValid() || m_lastKey.elapsed() >= kBurstGapMs;
}

bool ScanBurstGuard::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
        if (auto* box = qobject_cast<QMessageBox*>(watched))
            watch(*box);
        break;
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
        if (m_box && boxOf(watched) == m_box)
            return filterKey(static_cast<const QKeyEvent&>(*event));
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void ScanBurstGuard::watch(QMessageBox& box)
{
    if (m_box == &box)
        return;
    // A box over another box: the outer one's held codes wait for their own close.
    if (m_box)
        boxClosed();
    m_box = &box;
    m_boxText = box.informativeText();
    m_typing.clear();
    m_refused.clear();
    // The box counts as a key: what arrives at once belongs to the burst that was under way.
    m_lastKey.start();
    connect(&box, &QObject::destroyed, this, &ScanBurstGuard::boxClosed);
    connect(&box, &QDialog::finished, this, &ScanBurstGuard::boxClosed);
}

bool ScanBurstGuard::filterKey(const QKeyEvent& key)
{
    // Shortcut overrides only ask; the key press that follows is the one decided on.
    if (key.type() == QEvent::ShortcutOverride)
        return false;
    const bool burst = !takesDeliberateKeys();
    m_lastKey.start();
    if (answers(key.key())) {
        if (!burst && m_typing.isEmpty())
            return false;
        // The end of a scan (or a stray key of one): the box stays, and says what became of it.
        if (isEnter(key.key()) && !m_typing.trimmed().isEmpty())
            holdCode(m_typing.trimmed());
        m_typing.clear();
        return true;
    }
    const QString text = key.text();
    if (!text.isEmpty() && text.at(0).isPrint() && !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        // Letters do nothing in a box: they can only be a code being scanned.
        m_typing += text;
        return true;
    }
    return false;
}

void ScanBurstGuard::holdCode(const QString& code)
{
    const QString message = m_box->text();
    const bool thai = std::any_of(message.cbegin(), message.cend(),
                                  [](QChar c) { return c.unicode() >= 0x0E00 && c.unicode() <= 0x0E7F; });
    // A message only acknowledged leaves the sale where it was: the code becomes the next line.
    // A question may end the bill: the code is not taken, and the cashier is told to scan again.
    const bool acknowledged = m_box->standardButtons() == QMessageBox::Ok;
    QString told;
    if (acknowledged) {
        m_held << code;
        const QString codes = m_held.join(QStringLiteral(", "));
        told = thai ? QStringLiteral("รหัสที่สแกนระหว่างนี้ %1 จะเป็นรายการถัดไปเมื่อปิดข้อความนี้").arg(codes)
                    : QStringLiteral("Scanned meanwhile: %1, added as the next line once this is closed").arg(codes);
    } else {
        m_refused << code;
        const QString codes = m_refused.join(QStringLiteral(", "));
        told = thai ? QStringLiteral("รหัสที่สแกนระหว่างนี้ %1 ไม่ได้บันทึก โปรดสแกนใหม่หลังตอบคำถามนี้").arg(codes)
                    : QStringLiteral("Scanned meanwhile and not taken: %1; scan again after answering").arg(codes);
    }
    m_box->setInformativeText(m_boxText.isEmpty() ? told : m_boxText + QLatin1Char('\n') + told);
}

void ScanBurstGuard::boxClosed()
{
    if (m_box)
        disconnect(m_box, nullptr, this, nullptr);
    m_box = nullptr;
    m_typing.clear();
    m_refused.clear();
    m_lastKey.invalidate();
    if (m_held.isEmpty())
        return;
    // Handed on once the work that opened the box has finished with its line.
    QTimer::singleShot(0, this, [this, codes = std::exchange(m_held, {})] { emit codesHeld(codes); });
}

} // namespace kvr::pos

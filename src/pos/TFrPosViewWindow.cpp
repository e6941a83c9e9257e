// The sale window's keys, tool bar clicks and geometry.
#include "pos/TFrPosView.h"

#include "ui/base/DataGrid.h"
#include "util/IniFile.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QSettings>
#include <QTabWidget>

namespace kvr::pos {

bool TFrPosView::pageKey(QKeyCombination key)
{
    if (key.keyboardModifiers() != Qt::NoModifier)
        return false;
    QWidget* focus = QApplication::focusWidget();
    const bool inGrid = focus == grid() || grid()->isAncestorOf(focus);
    switch (key.key()) {
    case Qt::Key_F7:
        m_pos.PosPageChange(PosPage::Product);
        if (inGrid)
            moveFocus(PosFocus::Grid);
        return true;
    case Qt::Key_F8: // the page key wins over the base form's delete shortcut on this screen
        m_pos.PosPageChange(PosPage::Discount);
        if (inGrid)
            moveFocus(PosFocus::DiscRate1);
        return true;
    case Qt::Key_F9:
        m_pos.showReceiptPage();
        showHeader();
        return true;
    default:
        return false;
    }
}

bool TFrPosView::eventFilter(QObject* watched, QEvent* event)
{
    // Every event of the program passes here first (key preview), the tool bar's clicks among them.
    if (watched == m_toolbar && event->type() == QEvent::MouseButtonPress) {
        // Only the bare tool bar: its buttons take their own clicks.
        m_pos.ToolBar1Click();
        return false;
    }
    if (event->type() == QEvent::KeyPress && isActiveWindow()) {
        QWidget* focus = QApplication::focusWidget();
        const bool here = focus ? watched == focus && (focus == this || isAncestorOf(focus)) : watched == this;
        if (here && pageKey(static_cast<QKeyEvent*>(event)->keyCombination()))
            return true;
    }
    return ui::TFrFormView::eventFilter(watched, event);
}

void TFrPosView::showEvent(QShowEvent* event)
{
    const bool first = !event->spontaneous() && !m_geometryRestored;
    m_geometryRestored = m_geometryRestored || first;
    // The base form centres the window the first time; the stored place wins over that.
    if (first)
        restoreGeometry(false);
    ui::TFrFormView::showEvent(event);
    // The shift dialog was cancelled: a window cannot close while it is being shown, so it closes
    // right after.
    if (m_pos.closeWithoutAsking())
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    else if (first)
        restoreGeometry(true);
}

void TFrPosView::closeEvent(QCloseEvent* event)
{
    ui::TFrFormView::closeEvent(event);
    if (event->isAccepted())
        storeGeometry();
}

void TFrPosView::restoreGeometry(bool place)
{
    if (!util::IsIniFileUsable(iniPath()))
        return;
    QSettings ini(iniPath(), QSettings::IniFormat);
    ini.beginGroup(QString::fromLatin1(kIniSection));
    if (!ini.contains(QStringLiteral("Width")))
        return;
    const int width = std::max(kMinimumWidth, ini.value(QStringLiteral("Width")).toInt());
    const int height = std::max(minimumHeight(), ini.value(QStringLiteral("Height")).toInt());
    if (!place)
        resize(width, height);
    else
        move(ini.value(QStringLiteral("Left")).toInt(), ini.value(QStringLiteral("Top")).toInt());
}

void TFrPosView::storeGeometry() const
{
    if (!util::IsIniFileUsable(iniPath()))
        return;
    QSettings ini(iniPath(), QSettings::IniFormat);
    ini.beginGroup(QString::fromLatin1(kIniSection));
    ini.setValue(QStringLiteral("Left"), x());
    ini.setValue(QStringLiteral("Top"), y());
    ini.setValue(QStringLiteral("Width"), width());
    ini.setValue(QStringLiteral("Height"), height());
}

} // namespace kvr::pos

// The sale window's keys, tool bar clicks and geometry.
#include "pos/TFrPosView.h"

#include "ui/base/DataGrid.h"
#include "util/IniFile.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QSettings>
#include <QTabWidget>
#include <algorithm>

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

bool TFrPosView::filterEvent(QObject* watched, QEvent* event)
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
    return ui::TFrFormView::filterEvent(watched, event);
}

void TFrPosView::showEvent(QShowEvent* event)
{
    const bool first = !event->spontaneous() && !m_geometryRestored;
    m_geometryRestored = m_geometryRestored || first;
    // The base form centres the window the first time; the stored place wins over that.
    if (first)
        restoreGeometry(false);
    ui::TFrFormView::showEvent(event);
    // A cancelled shift dialog has asked the base form to close right after the show; a closing
    // window is not placed.
    if (first && !m_pos.closeWithoutAsking())
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
    // The first run at a counter fills its screen; later runs open where the cashier left it.
    if (!ini.contains(QStringLiteral("Width")) || ini.value(QStringLiteral("Maximized")).toBool()) {
        if (place)
            setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    const QRect stored(ini.value(QStringLiteral("Left")).toInt(), ini.value(QStringLiteral("Top")).toInt(),
                       std::max(kMinimumWidth, ini.value(QStringLiteral("Width")).toInt()),
                       std::max(minimumHeight(), ini.value(QStringLiteral("Height")).toInt()));
    // The place is the frame's and the size the window's own: the frame must fit as well, or its
    // bottom edge, where the change is shown, would be off the screen.
    const QSize frame = place ? frameGeometry().size() - size() : QSize(0, 0);
    const QRect shown =
        fittedInto(QRect(stored.topLeft(), stored.size() + frame), screen() ? screen()->availableGeometry() : QRect());
    if (place)
        move(shown.topLeft());
    resize(shown.size() - frame);
}

QRect TFrPosView::fittedInto(const QRect& stored, const QRect& available)
{
    if (!available.isValid())
        return stored;
    // A place kept from a wider or larger screen would put the total and the change off this one.
    QRect fitted(stored.topLeft(), stored.size().boundedTo(available.size()).expandedTo(QSize(kMinimumWidth, 0)));
    fitted.moveLeft(std::clamp(fitted.left(), available.left(),
                               std::max(available.left(), available.right() - fitted.width() + 1)));
    fitted.moveTop(
        std::clamp(fitted.top(), available.top(), std::max(available.top(), available.bottom() - fitted.height() + 1)));
    return fitted;
}

void TFrPosView::storeGeometry() const
{
    if (!util::IsIniFileUsable(iniPath()))
        return;
    QSettings ini(iniPath(), QSettings::IniFormat);
    ini.beginGroup(QString::fromLatin1(kIniSection));
    // Maximised is a window filling its screen: one resized since is kept at its own size.
    const bool maximized = isMaximized() && screen() && size() == screen()->availableGeometry().size();
    const QRect normal = maximized ? normalGeometry() : QRect(QWidget::pos(), size());
    ini.setValue(QStringLiteral("Left"), normal.x());
    ini.setValue(QStringLiteral("Top"), normal.y());
    ini.setValue(QStringLiteral("Width"), normal.width());
    ini.setValue(QStringLiteral("Height"), normal.height());
    ini.setValue(QStringLiteral("Maximized"), maximized);
}

} // namespace kvr::pos

#pragma once

#include "admin/TFrPosShiftNoView.h"
#include "pos/TFrPosView.h"
#include "support/WindowWait.h"
#include "ui/base/DataGrid.h"

#include <QDate>
#include <QDateEdit>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <functional>

namespace kvr::test {

// Shows a sale window, whose shift dialog opens modally first, and takes a shift there by keys as
// the cashier does: the machine code and the shift number, each with Enter, then F10 once the
// float can be counted. `dialogShown` runs first, with the dialog, for a test that checks it; a
// valid `date` is set before the keys. Succeeds once the dialog has gone and the sale window is
// visible and active.
inline ::testing::AssertionResult openWithShift(QWidget& saleWindow, admin::TFrPosShiftNoView& shift,
                                                const QString& machine, const QString& shiftNo, const QDate& date = {},
                                                const std::function<void()>& dialogShown = {})
{
    bool driven = false;
    whenModalOpens([&](QWidget* dialog) {
        ASSERT_EQ(dialog, &shift);
        if (dialogShown)
            dialogShown();
        if (date.isValid())
            shift.dateEdit()->setDate(date);
        for (const auto& [field, text] : {std::pair{shift.machineEdit(), machine}, {shift.shiftNoEdit(), shiftNo}}) {
            field->setFocus();
            ASSERT_TRUE(waitForFocusIn(field));
            typeText(text);
            pressKey(Qt::Key_Return);
        }
        ASSERT_TRUE(waitUntil([&] { return shift.grid()->isEnabled(); })) << "the shift was refused";
        driven = true;
        pressKey(Qt::Key_F10);
    });
    saleWindow.show();
    if (!waitUntil([&] { return driven && !shift.isVisible(); }))
        return ::testing::AssertionFailure() << "the shift dialog was not driven to its end";
    if (!saleWindow.isVisible())
        return ::testing::AssertionFailure() << "the shift was not taken";
    if (!waitForActiveWindow(&saleWindow))
        return ::testing::AssertionFailure() << "the sale window is not active";
    return ::testing::AssertionSuccess();
}

// As a scan leaves the grid: `lines` lines, its checks run, the cursor in the product code of the
// last, empty one.
inline bool cursorOnNewLine(pos::TFrPosView& view, int lines)
{
    const QModelIndex at = view.grid()->currentIndex();
    return view.pos().QDt().recordCount() == lines && at.row() == lines - 1 &&
        at.column() == view.grid()->gridModel().columnOf(QStringLiteral("ProductCode")) &&
        !view.pos().cellFlow().hasWaitingChecks();
}

} // namespace kvr::test

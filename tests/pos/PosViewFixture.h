#pragma once

#include "PosFixture.h"

#include "pos/TFrPosView.h"
#include "support/WindowWait.h"
#include "ui/base/DataGrid.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace kvr::test {

// The sale screen's window on the test shop, offscreen, with its shift chosen: list prices for
// water (10), rice (185, barcode 8850002000010) and screws (2).
class PosViewFixture : public PosFixture
{
protected:
    void buildShop(ShopBuilder& shop) override
    {
        PosFixture::buildShop(shop);
        shop.update(QStringLiteral("ProductUnits"), 21, {{"BarCode", "8850002000010"}});
        shop.price(pos_shop::water, 11, 0, 10);
        shop.price(pos_shop::rice, 21, 0, 185);
        shop.price(pos_shop::screw, 41, 0, 2);
    }
    void TearDown() override
    {
        if (view && view->isVisible()) {
            prompter.answerConfirm(true);
            view->close();
        }
        view.reset();
        PosFixture::TearDown();
    }
    void show(pos::PosMode mode = pos::PosMode::Goods)
    {
        pos::TFrPos& form = screen(mode);
        form.setShiftDialog([] { return true; });
        view = std::make_unique<pos::TFrPosView>(form);
        view->show();
        ASSERT_TRUE(waitForActiveWindow(view.get()));
    }
    // The window on a new bill of the cash customer, the cursor in the line grid.
    void showBill(pos::PosMode mode = pos::PosMode::Goods)
    {
        show(mode);
        ASSERT_FALSE(HasFatalFailure());
        pos::TFrPos& form = view->pos();
        form.QHd().edit();
        form.QHd().setValue(QStringLiteral("Customer"), pos_shop::cashCustomer);
        ASSERT_TRUE(form.PosPageEnter());
        ASSERT_TRUE(waitForFocusIn(view->grid()));
    }
    static void focus(QWidget* widget)
    {
        widget->setFocus();
        ASSERT_TRUE(waitForFocusIn(widget));
    }
    // Keys carrying their text where the focus is, Thai letters too, as from a Thai keyboard layout.
    static void typeText(const QString& text)
    {
        for (const QChar letter : text)
            QTest::sendKeyEvent(QTest::Click, focusedWidget(), Qt::Key_unknown, QString(letter), Qt::NoModifier);
    }
    // Typed into the field and left with Tab, as the cashier does.
    static void typeInto(QLineEdit* edit, const QString& text)
    {
        focus(edit);
        edit->selectAll();
        typeText(text);
        pressKey(Qt::Key_Tab);
    }
    // A key where the focus is; the checks of the cells it left have run once it returns.
    void pressKeyChecked(Qt::Key key)
    {
        pressKey(key);
        ASSERT_TRUE(waitUntil([this] { return !view->pos().cellFlow().hasWaitingChecks(); }));
    }
    // A line typed or scanned and ended with Enter.
    void typeLine(const QString& text)
    {
        kvr::test::typeText(text);
        pressKeyChecked(Qt::Key_Return);
    }
    // The grid's cursor on that row and column, once the moves the screen asked for are done.
    bool cursorAt(int row, const QString& field)
    {
        return waitUntil([&] {
            return view->grid()->currentRow() == row &&
                view->grid()->selectedField().compare(field, Qt::CaseInsensitive) == 0;
        });
    }
    QString totalShown() const { return view->totalLabel()->text().trimmed(); }

    std::unique_ptr<pos::TFrPosView> view;
};

} // namespace kvr::test

// Program number 3 as start-up opens it, through its real window offscreen and by keys: a bill
// number typed, Delete by F8 or by the tool-bar button, Yes in the question, the reason and Enter.
#include "admin/CancelFixture.h"

#include "admin/TFrCancelPosView.h"
#include "support/ModalDialogs.h"
#include "support/StartUp.h"
#include "support/WindowWait.h"
#include "ui/base/DialogPrompter.h"

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

using kvr::admin::CancelPosDisplay;
using kvr::admin::TFrCancelPosView;
using kvr::test::whenDialogOpens;

namespace {

class CancelProgram : public kvr::test::CancelFixture
{
protected:
    void openScreen() override
    {
        startUp = std::make_unique<kvr::test::StartUp>(*dm, *config, *product, dialogs);
        view = startUp->show<TFrCancelPosView>(3);
        ASSERT_TRUE(view);
        ASSERT_TRUE(kvr::test::waitForFocusIn(view->numberEdit()));
    }
    void closeScreen() override
    {
        if (view) {
            // Leaving asks first: Yes.
            whenDialogOpens<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
            view->close();
            view.reset();
        }
        startUp.reset();
    }

    // `trigger` asks to cancel: Yes to "ยกเลิกบิลขายสด ?", then the reason typed into its box and
    // Enter. True once the bill is cancelled with that reason, the screen empty again and back in
    // front (offscreen, no window manager gives the window back its activation when the boxes close).
    bool cancel(int id, const QString& reason, const std::function<void()>& trigger)
    {
        questions.clear();
        whenDialogOpens<QMessageBox>([this](QMessageBox* box) {
            questions << box->text();
            QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
        });
        whenDialogOpens<QInputDialog>([this, reason](QInputDialog* box) {
            questions << box->windowTitle() + QStringLiteral(": ") + box->labelText();
            auto* edit = box->findChild<QLineEdit*>();
            ASSERT_NE(edit, nullptr);
            // Thai letters come as key presses carrying their text, as from a Thai keyboard layout.
            for (const QChar letter : reason)
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(letter), Qt::NoModifier);
            QTest::keyClick(edit, Qt::Key_Return);
        });
        trigger();
        return kvr::test::waitUntil([&] {
                   return text(id, "DelFlag") == QLatin1String("Y") && text(id, "DelRemark") == reason &&
                       view->numberEdit()->text().isEmpty() && !QApplication::activeModalWidget();
               }) &&
            kvr::test::waitForActiveWindow(view.get());
    }
    QString shown(QString CancelPosDisplay::*field) const { return view->valueLabel(field)->text(); }

    kvr::ui::DialogPrompter dialogs;
    std::unique_ptr<kvr::test::StartUp> startUp;
    std::unique_ptr<TFrCancelPosView> view;
    QStringList questions;
};

TEST_P(CancelProgram, a_number_typed_and_f8_or_the_tool_bar_delete_cancel_the_bill_with_the_reason)
{
    const int id = bill({.number = QStringLiteral("123"), .total = 1234.5});
    kvr::test::typeText(QStringLiteral("123"));
    EXPECT_EQ(view->numberEdit()->text(), QStringLiteral("     123"));
    // Enter shows the bill before it is cancelled.
    kvr::test::pressKey(Qt::Key_Return);
    EXPECT_EQ(shown(&CancelPosDisplay::billNo), QStringLiteral("     123"));
    EXPECT_EQ(shown(&CancelPosDisplay::customer), QStringLiteral("ร้านป้าแดง"));
    EXPECT_EQ(shown(&CancelPosDisplay::total), QStringLiteral("1,234.50"));
    QToolButton* remove = view->button(kvr::ui::TFrForm::Action::Del);
    ASSERT_TRUE(remove->isEnabled());

    // The tool-bar button, with the bill shown, cancels it.
    ASSERT_TRUE(cancel(id, QStringLiteral("ลูกค้าคืนสินค้า"), [remove] { QTest::mouseClick(remove, Qt::LeftButton); }));
    EXPECT_EQ(questions, QStringList({"ยกเลิกบิลขายสด ?", "ป้อนสาเหตุการยกเลิก ? : เหตุผล"}));
    EXPECT_EQ(shown(&CancelPosDisplay::billNo), QString());
    EXPECT_FALSE(remove->isEnabled());
    EXPECT_TRUE(kvr::test::waitForFocusIn(view->numberEdit())) << "ready for the next number";

    // F8 straight after the number, without Enter, cancels that bill too.
    const int next = bill({.number = QStringLiteral("124")});
    kvr::test::typeText(QStringLiteral("124"));
    EXPECT_TRUE(cancel(next, QStringLiteral("พิมพ์ผิด"), [] { kvr::test::pressKey(Qt::Key_F8); }));

    // The first number again: cancelled, with its reason, and nothing to delete.
    ASSERT_TRUE(kvr::test::waitForFocusIn(view->numberEdit()));
    kvr::test::typeText(QStringLiteral("123"));
    kvr::test::pressKey(Qt::Key_Return);
    EXPECT_EQ(view->noticeLabel()->text(), QStringLiteral("บิลเลขที่ 123 ถูกยกเลิกแล้ว สาเหตุ : ลูกค้าคืนสินค้า"));
    EXPECT_FALSE(remove->isEnabled());
}

KVR_INSTANTIATE_BACKENDS(CancelProgram);

} // namespace

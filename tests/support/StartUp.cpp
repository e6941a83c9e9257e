#include "StartUp.h"

#include "search/SearchDialogView.h"
#include "ui/base/DataGrid.h"

namespace kvr::test {

std::vector<std::unique_ptr<QWidget>> StartUp::open(int programNo)
{
    std::vector<std::unique_ptr<QWidget>> windows;
    const app::FunctionFactory* factory = app::FunctionTable::standard().find(programNo);
    EXPECT_NE(factory, nullptr) << "program " << programNo << " opens no screen";
    if (factory)
        for (QWidget* window : (*factory)(m_modules))
            windows.emplace_back(window);
    return windows;
}

void chooseFirstFound(QWidget* dialog, const QString& text)
{
    auto* view = qobject_cast<search::SearchDialogView*>(dialog);
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(waitForFocusIn(view));
    typeText(text);
    pressKey(Qt::Key_Return);
    ASSERT_TRUE(waitForFocusIn(view->grid())) << "nothing found for " << text.toStdString();
    pressKey(Qt::Key_Return);
}

} // namespace kvr::test

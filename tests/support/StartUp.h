#pragma once

#include "app/FunctionTable.h"
#include "products/TDmService.h"
#include "support/WindowWait.h"

#include <gtest/gtest.h>

namespace kvr::test {

// The programs of the start-up table, opened on a session's data modules as start-up does.
class StartUp
{
public:
    StartUp(data::TDM& dm, data::TDMConfig& config, products::TDmProduct& product, ui::Prompter& prompter)
        : m_service(dm)
        , m_modules{dm, config, product, m_service, prompter}
    { }

    // The windows of the program, the main one first; none for a number the table does not know.
    std::vector<std::unique_ptr<QWidget>> open(int programNo);

    // The one window of the program, shown and active; null when it opens another.
    template <class View>
    std::unique_ptr<View> show(int programNo)
    {
        std::vector<std::unique_ptr<QWidget>> windows = open(programNo);
        if (windows.size() != 1 || !qobject_cast<View*>(windows.front().get()))
            return nullptr;
        std::unique_ptr<View> view(static_cast<View*>(windows.front().release()));
        view->show();
        EXPECT_TRUE(waitForActiveWindow(view.get())) << "program " << programNo;
        return view;
    }

private:
    products::TDmService m_service;
    app::DataModules m_modules;
};

// In a search dialog, once it has the focus: `text` typed into its field with the focus, Enter to
// search, and Enter to choose the first row once the grid has the focus.
void chooseFirstFound(QWidget* dialog, const QString& text);

} // namespace kvr::test

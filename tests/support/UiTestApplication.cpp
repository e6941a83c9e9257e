#include "ui/base/Application.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

// The program's own application object, created once for the whole test run as the program
// creates it: widgets need one, and exceptions are caught in its notify().
class ApplicationEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "kvr-ui-test";
        static char* argv[] = {name, nullptr};
        m_application = std::make_unique<kvr::ui::Application>(argc, argv);
    }
    void TearDown() override { m_application.reset(); }

private:
    std::unique_ptr<kvr::ui::Application> m_application;
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

} // namespace

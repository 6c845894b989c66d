#include <QApplication>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Widgets need one application object for the whole run.
class QtApplicationEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "forms_tests";
        static char *argv[] = {name, nullptr};
        m_app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QApplication> m_app;
};

const auto *const environment = ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace

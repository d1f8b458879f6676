#include <QApplication>

// The window's tests run under the game's own application object, which
// shows the errors that escape event handlers.
#ifdef TOLM_GAME_APPLICATION
#include "TGameApplication.h"
using TTestApplication = TGameApplication;
#else
using TTestApplication = QApplication;
#endif

#include <gtest/gtest.h>

#include <memory>

namespace {

// Made when the tests run, not when they are only listed: listing happens at
// build time, where there may be no display to open.
class TQtEnvironment : public ::testing::Environment {
public:
    TQtEnvironment(int& argc, char** argv) : Argc(argc), Argv(argv) {}
    void SetUp() override { App = std::make_unique<TTestApplication>(Argc, Argv); }
    void TearDown() override { App.reset(); }

private:
    int& Argc;
    char** Argv;
    std::unique_ptr<TTestApplication> App;
};

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new TQtEnvironment(argc, argv));
    return RUN_ALL_TESTS();
}

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

// The application object is made only when the tests run: they are listed at
// build time too, where there may be no display to open.
int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    const TTestApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

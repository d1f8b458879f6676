#include <QApplication>

#include <gtest/gtest.h>

// The application object is made only when the tests run: they are listed at
// build time too, where there may be no display to open.
int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    const QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

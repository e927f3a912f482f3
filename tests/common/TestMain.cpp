// Shared main for every test executable. A QApplication exists while tests run (widgets, the
// clipboard and printing need one), but not while CTest merely lists the tests. Tests run in the C
// locale (ISO dates and times) and know the source and build folders.
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

int main(int argc, char** argv)
{
    setenv("LC_ALL", "C", 1);
    setenv("SCLERON_SOURCE_DIR", SCLERON_TEST_SOURCE_DIR, 0);
    setenv("SCLERON_BINARY_DIR", SCLERON_TEST_BINARY_DIR, 0);
    ::testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<QApplication> app;
    if (!GTEST_FLAG_GET(list_tests)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
    }
    return RUN_ALL_TESTS();
}

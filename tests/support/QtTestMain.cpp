// Test entry point for tests that need a QApplication (widgets, fonts,
// rich-text documents). ctest runs them on the offscreen platform.
#include "windows/shared/Accessibility.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    InstallAccessibility();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

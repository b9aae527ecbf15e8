// SPDX-License-Identifier: MIT
// Test entry point for tests that need a QApplication (widgets, fonts, styles).
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Tests never need a display; the offscreen platform is also what CI has.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

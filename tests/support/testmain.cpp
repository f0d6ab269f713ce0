// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs every GoogleTest of one test program inside a QApplication. Tests are headless: they use the
// offscreen platform unless the environment chooses another.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
#ifdef HIGHROLL_TEST_SCALE_FACTOR
    qputenv("QT_SCALE_FACTOR", HIGHROLL_TEST_SCALE_FACTOR);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    // Death tests fork; "threadsafe" re-runs the test program in the child, so the child gets a fresh
    // QApplication instead of a copy of one whose threads did not survive the fork.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("HighRoll"));
    return RUN_ALL_TESTS();
}

// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs every GoogleTest of one test program inside a QApplication on the tests' one platform: Qt's
// offscreen platform, whatever the environment says, so a test draws, measures fonts and takes input the
// same way under ctest, run by hand, or from a desktop session. A test that needs a real display server
// starts the program in a process of its own, on a server of its own (gameprocess.h).
#include "buildinfo.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef HIGHROLL_TEST_SCALE_FACTOR
    qputenv("QT_SCALE_FACTOR", HIGHROLL_TEST_SCALE_FACTOR);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    // Death tests fork; "threadsafe" re-runs the test program in the child, so the child gets a fresh
    // QApplication instead of a copy of one whose threads did not survive the fork.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(BuildInfo::kName));
    return RUN_ALL_TESTS();
}

#pragma once
// The main of the test programs that need an application object: one for
// the whole run, made before the first test and kept until the process ends
// (destroying it among the exit handlers races Qt's own global objects).

#include "tests/support/testfonts.h"

#include <QByteArray>
#include <QtGlobal>
#include <gtest/gtest.h>

namespace testing_support {

template <typename Application> int runTests(int argc, char** argv) {
    // Test discovery runs the program without the tests' environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Fonts for the offscreen drawing where it finds none by itself (Windows).
    if (*VOLARO_TEST_FONT_DIR && qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR"))
        qputenv("QT_QPA_FONTDIR", VOLARO_TEST_FONT_DIR);
    testing::InitGoogleTest(&argc, argv);
    static int appArgc = 1;
    static char* appArgv[] = {argv[0], nullptr};
    new Application(appArgc, appArgv);
    ensureRealFont();
    return RUN_ALL_TESTS();
}

} // namespace testing_support

// Test programs that draw text (fonts) but show no window.
#include "tests/support/testapplication.h"

#include <QGuiApplication>

int main(int argc, char** argv) {
    return testing_support::runTests<QGuiApplication>(argc, argv);
}

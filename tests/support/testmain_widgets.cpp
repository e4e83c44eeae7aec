// Test programs of windows.
#include "tests/support/testapplication.h"

#include <QApplication>

int main(int argc, char** argv) {
    return testing_support::runTests<QApplication>(argc, argv);
}

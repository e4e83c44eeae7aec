// upgrader: moves the package's gauges from "Upgrade v1" to version 2.
#include "common/platform/console.h"
#include "common/platform/programarguments.h"
#include "upgrader/upgrade2app.h"

int main(int argc, char* argv[]) {
    platform::prepareStandardOutput();
    if (const auto answered = answerWithoutWindow(platform::commandLineArguments(argc, argv)))
        return *answered;
    Upgrade2App app(argc, argv);
    return app.InitInstance();
}

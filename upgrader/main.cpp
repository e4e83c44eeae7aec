// upgrader: moves the package's gauges from "Upgrade v1" to version 2.
#include "common/platform/console.h"
#include "upgrader/upgrade2app.h"

int main(int argc, char* argv[]) {
    platform::prepareStandardOutput();
    Upgrade2App app(argc, argv);
    return app.InitInstance();
}

// upgrader: moves the package's gauges from "Upgrade v1" to version 2.
#include "upgrader/upgrade2app.h"

int main(int argc, char* argv[]) {
    Upgrade2App app(argc, argv);
    return app.InitInstance();
}

#include "configurator/app/fuelplannertool.h"

#include "configurator/fuel/fuelplanner.h"
#include "configurator/loadsheet/loadsheetexport.h"

void runFuelPlanner(QWidget* parent) {
    CFuelPlanner planner(parent);
    loadsheet::attachExport(planner);
    planner.exec();
}

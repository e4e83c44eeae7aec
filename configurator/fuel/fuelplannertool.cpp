#include "configurator/fuel/fuelplannertool.h"

#include "configurator/fuel/fuelplanner.h"

void runFuelPlanner(QWidget* parent) {
    CFuelPlanner planner(parent);
    planner.exec();
}

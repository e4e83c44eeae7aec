#include "configurator/fuel/fuelplannertool.h"

void runFuelPlanner(QWidget*) {}

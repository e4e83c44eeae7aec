#pragma once
// "Export load sheet..." of the fuel planner: the sheet of the flight it
// shows, saved where the user chooses, with what went wrong told in a box.

#include "configurator/fuel/plannedflight.h"

class CFuelPlanner;

namespace loadsheet {

// Prints the sheet of `flight`, which `planner` shows.
void exportPlannedFlight(CFuelPlanner& planner, fuel::PlannedFlight flight);

// Lets `planner`'s "Export load sheet..." print the sheet.
void attachExport(CFuelPlanner& planner);

} // namespace loadsheet

#pragma once
// "Export load sheet..." of the fuel planner: the sheet of the flight it
// shows, saved where the user chooses, with what went wrong told in a box.

class CFuelPlanner;
class QWidget;

namespace fuel {
struct PlannedFlight;
}

namespace loadsheet {

// Prints the sheet of `flight` over `parent`.
void exportPlannedFlight(QWidget* parent, const fuel::PlannedFlight& flight);

// Lets `planner`'s "Export load sheet..." print the sheet.
void attachExport(CFuelPlanner& planner);

} // namespace loadsheet

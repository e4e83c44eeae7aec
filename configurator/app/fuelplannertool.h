#pragma once
// The fuel planner as the main menu runs it: reads `CurrentAircraft` and
// `AircraftZfw` itself; the result is not used.

class QWidget;

void runFuelPlanner(QWidget* parent);

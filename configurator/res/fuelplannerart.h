#pragma once
// Artwork of the fuel planner, drawn in code. Its banner is the main menu's
// fuel planner image (shellart.h); this is what the planner adds.

#include <QImage>

namespace art {

// Top view of the aircraft, nose up, drawn faintly behind the tank fields so
// that they read as a plan view: the wings across the row of wing tanks, the
// horizontal stabiliser (the trim tank) below the centre. `size` in pixels.
QImage fuelTankPlanView(QSize size);

} // namespace art

#pragma once
// Artwork of the fuel planner, drawn in code at the pixel size its control is
// made for.

#include <QImage>

namespace art {

inline constexpr QSize kFuelPlannerBannerSize{450, 69};

// The planner's title over a top view of the wing with its fuel tanks,
// coloured as the planner colours its tank fields.
QImage fuelPlannerBanner();

} // namespace art

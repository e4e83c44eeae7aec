#pragma once
// Artwork of the load manager windows, drawn in code: the banner, a top view
// of the fuselage with its two cabin sections and a side view of the aircraft
// with its two cargo holds. The window lays its fill bars over the sections
// and holds, so it tells the drawing where they are (image pixels).

#include <QImage>
#include <QRect>

namespace art {

inline constexpr QSize kLoadManagerBannerSize{638, 100};

// "Load Manager" over the night-blue strip of every banner.
QImage loadManagerBanner();

struct CabinPlan {
    QSize size;
    QRect business; // where the business class section lies
    QRect economy;
    int enginesPerWing; // 1 or 2
};
// Top view of the fuselage, nose on the left.
QImage cabinTopView(const CabinPlan& plan);

struct HoldPlan {
    QSize size;
    QRect forward; // where the forward hold lies
    QRect aft;
    int enginesPerWing;
};
// Side view of the aircraft, nose on the left, holds below the cabin floor.
QImage cargoSideView(const HoldPlan& plan);

} // namespace art

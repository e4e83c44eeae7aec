#pragma once
// Artwork of the main menu, the aircraft selector and the configuration
// window, drawn in code at the pixel sizes their controls are made for.

#include <QImage>

namespace art {

enum class MenuTool { Configuration, LoadManager, FuelPlanner, KeyConfig };

inline constexpr QSize kMenuButtonSize{450, 69};
inline constexpr QSize kSelectorSize{300, 62};
inline constexpr QSize kBannerSize{638, 100};

// The tool's title over a picture strip.
QImage menuButtonImage(MenuTool tool);
// The fuel planner's banner: its menu image with the designation of the
// aircraft planned for (codes 6 to 9; any other code: the menu image alone).
QImage fuelPlannerBanner(int aircraftCode);
// The aircraft's designation in large letters; codes 6 to 9.
QImage selectorImage(int aircraftCode);
// Banner of the configuration window, titled "Configuration".
QImage configurationBanner();
// The program icon, `size` pixels square.
QImage programIcon(int size);

} // namespace art

#include "configurator/res/shellart.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

// The images fill their controls exactly; a wrong size shows as a cut or a gap.
TEST(Artwork, ImagesHaveTheSizesTheirControlsAreMadeFor) {
    for (art::MenuTool tool : {art::MenuTool::Configuration, art::MenuTool::LoadManager,
                               art::MenuTool::FuelPlanner, art::MenuTool::KeyConfig})
        EXPECT_EQ(art::menuButtonImage(tool).size(), QSize(450, 69));
    for (int code = 6; code <= 9; ++code)
        EXPECT_EQ(art::selectorImage(code).size(), QSize(300, 62)) << code;
    EXPECT_EQ(art::configurationBanner().size(), QSize(638, 100));
    EXPECT_EQ(art::programIcon(32).size(), QSize(32, 32));
    // Distinct pictures, not one image four times.
    EXPECT_NE(art::selectorImage(6), art::selectorImage(9));
    EXPECT_NE(art::menuButtonImage(art::MenuTool::FuelPlanner),
              art::menuButtonImage(art::MenuTool::KeyConfig));
}

// The fuel planner's banner is its menu image naming the aircraft planned for.
TEST(Artwork, FuelPlannerBannerNamesTheAircraft) {
    const QImage menu = art::menuButtonImage(art::MenuTool::FuelPlanner);
    for (int code = 6; code <= 9; ++code) {
        const QImage banner = art::fuelPlannerBanner(code);
        EXPECT_EQ(banner.size(), menu.size()) << code;
        EXPECT_NE(banner, menu) << code;
        if (code > 6) {
            EXPECT_NE(banner, art::fuelPlannerBanner(code - 1)) << code;
        }
    }
    EXPECT_EQ(art::fuelPlannerBanner(0), menu);
}

} // namespace

// What must hold of the nine catalogue entries for the run to find, check and
// patch the right files: signatures a digest can equal, names that tell the
// entries apart, folders and patch data that belong to their gauge.
#include "upgrader/catalogue.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

bool isSignature(const std::string& text) {
    return text.size() == 32 && text.find_first_not_of("0123456789ABCDEF") == std::string::npos;
}

std::string withoutBlanks(std::string text) {
    std::erase(text, ' ');
    return text;
}

TEST(UpgradeCatalogue, SixAircraftThenThreeNightPanelsInProcessingOrder) {
    const auto catalogue = UpgradeCatalogue();
    std::vector<std::string> names;
    for (const UpgradeEntry& entry : catalogue)
        names.push_back(entry.displayName);
    EXPECT_THAT(names, ::testing::ElementsAre("A332 GE", "A332 RR", "A333 GE", "A333 RR",
                                              "A343 CFM", "A346 RR", "A330 Night Panel",
                                              "A343 Night Panel", "A346 Night Panel"));
    for (std::size_t i = 0; i < catalogue.size(); ++i)
        EXPECT_EQ(catalogue[i].panelOnly, i < 6 ? 0 : 1) << names[i];
}

// A digest is 32 upper-case hex digits; anything else could never match, so
// the gauge would be refused whatever it holds. The two A340 night panels
// had no MCDU Upgrade release.
TEST(UpgradeCatalogue, SignaturesAreDigestTextAndOnlyTheA340NightPanelsLackAnMcduOne) {
    std::set<std::string> signatures;
    std::size_t count = 0;
    for (const UpgradeEntry& entry : UpgradeCatalogue()) {
        SCOPED_TRACE(entry.displayName);
        const bool mcdu = entry.gaugeName.find("A34") != 0 || entry.panelOnly == 0;
        EXPECT_TRUE(isSignature(entry.signatureV1));
        EXPECT_TRUE(isSignature(entry.signatureV2));
        EXPECT_EQ(isSignature(entry.signatureMcdu), mcdu);
        EXPECT_EQ(entry.signatureMcdu.empty(), !mcdu);
        for (const std::string* signature :
             {&entry.signatureV1, &entry.signatureMcdu, &entry.signatureV2}) {
            if (!signature->empty()) {
                signatures.insert(*signature);
                ++count;
            }
        }
    }
    EXPECT_EQ(count, 25u);
    EXPECT_EQ(signatures.size(), count) << "two releases share a signature";
}

TEST(UpgradeCatalogue, NamesGaugesAndPatchDataAreUniqueAndFitTheirFields) {
    std::set<std::string> displayNames, gaugeNames, patchFiles, gaugeFolders;
    for (const UpgradeEntry& entry : UpgradeCatalogue()) {
        SCOPED_TRACE(entry.displayName);
        displayNames.insert(entry.displayName);
        gaugeNames.insert(entry.gaugeName);
        patchFiles.insert(entry.patchFile);
        gaugeFolders.insert(entry.folder + (entry.panelOnly ? "" : "\\panel") + '\\' +
                            entry.gaugeName);
        // Capacities of the text fields, the end mark included.
        EXPECT_LT(entry.displayName.size(), 50u);
        EXPECT_LT(entry.folder.size(), 260u);
        EXPECT_LT(entry.gaugeName.size(), 100u);
        EXPECT_LT(entry.patchFile.size(), 260u);
    }
    EXPECT_EQ(displayNames.size(), 9u);
    EXPECT_EQ(gaugeNames.size(), 9u);
    EXPECT_EQ(patchFiles.size(), 9u);
    EXPECT_EQ(gaugeFolders.size(), 9u);
}

// "A332 GE": folder Aircraft\Korvanta TEV A332GE, gauge A332GE_Korvanta,
// patch data VolaroUpgrade\A332GE_fs9.pak2.
TEST(UpgradeCatalogue, AircraftEntriesNameTheirAircraftInFolderGaugeAndPatchData) {
    for (const UpgradeEntry& entry : UpgradeCatalogue()) {
        if (entry.panelOnly)
            continue;
        SCOPED_TRACE(entry.displayName);
        const std::string type = withoutBlanks(entry.displayName);
        EXPECT_EQ(entry.folder, "Aircraft\\Korvanta TEV " + type);
        EXPECT_EQ(entry.gaugeName, type + "_Korvanta");
        EXPECT_EQ(entry.patchFile, "VolaroUpgrade\\" + type + "_fs9.pak2");
    }
}

// A night panel lies in the simulator's Gauges folder (A330) or in the
// panel folder of the aircraft it belongs to (A340s).
TEST(UpgradeCatalogue, NightPanelsLieWhereTheirAircraftKeepThem) {
    const auto catalogue = UpgradeCatalogue();
    std::set<std::string> aircraftPanels;
    for (const UpgradeEntry& entry : catalogue) {
        if (!entry.panelOnly)
            aircraftPanels.insert(entry.folder + "\\panel");
    }
    for (const UpgradeEntry& entry : catalogue) {
        if (!entry.panelOnly)
            continue;
        SCOPED_TRACE(entry.displayName);
        const std::string type = entry.displayName.substr(0, 4); // "A343"
        EXPECT_EQ(entry.gaugeName, type + "NightPanel_Korvanta");
        EXPECT_EQ(entry.patchFile, "VolaroUpgrade\\" + type + "Night_fs9.pak2");
        if (type == "A330") {
            EXPECT_EQ(entry.folder, "Gauges");
        } else {
            EXPECT_EQ(aircraftPanels.count(entry.folder), 1u) << entry.folder;
            EXPECT_TRUE(entry.folder.starts_with("Aircraft\\Korvanta TEV " + type)) << entry.folder;
        }
    }
}

} // namespace

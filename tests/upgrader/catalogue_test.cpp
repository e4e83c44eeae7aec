// Every field of the nine catalogue entries, typed from the published
// release data: one wrong digit of a signature would otherwise refuse a good
// gauge or accept a broken one without any other test noticing.
#include "upgrader/catalogue.h"

#include <gtest/gtest.h>

namespace {

struct ExpectedEntry {
    const char* displayName;
    const char* folder;
    const char* gaugeName;
    const char* signatureV1;
    const char* signatureMcdu;
    const char* signatureV2;
    const char* patchFile;
    int panelOnly;
};

// clang-format off
const ExpectedEntry kExpected[] = {
    {"A332 GE", "Aircraft\\Korvanta TEV A332GE", "A332GE_Korvanta",
     "CA0D0A7018C617434FFC8DFA2D0821EE", "233C1941CB414A2A1E2091EAE1872CC4", "FDFB7D0955B40E05E1CE4ECF9D06DBF6",
     "VolaroUpgrade\\A332GE_fs9.pak2", 0},
    {"A332 RR", "Aircraft\\Korvanta TEV A332RR", "A332RR_Korvanta",
     "F2AE8C30B02CAF7F5E40F6033E796D68", "35EBD4414DD6B010C16D4C9CAAF8E9AA", "BB06365C836595E515317625DBD53154",
     "VolaroUpgrade\\A332RR_fs9.pak2", 0},
    {"A333 GE", "Aircraft\\Korvanta TEV A333GE", "A333GE_Korvanta",
     "1F9C772301C77AB4730A026444AB8FFB", "63109068A24150B11309E7BE7B6523FD", "7673EC4C81C9EE9D817326FF3E131C49",
     "VolaroUpgrade\\A333GE_fs9.pak2", 0},
    {"A333 RR", "Aircraft\\Korvanta TEV A333RR", "A333RR_Korvanta",
     "AF25BC1B3FE38A791E833970E4CAA7F2", "8E621C6D4D263A0074158195A6B47D6B", "98EAF15270607822C230F0142EA614AC",
     "VolaroUpgrade\\A333RR_fs9.pak2", 0},
    {"A343 CFM", "Aircraft\\Korvanta TEV A343CFM", "A343CFM_Korvanta",
     "61D0694C512B0E7094049FED70ADAA53", "12D05BCBFC92340E3097906AB5586C35", "4D84A67B51A5A31B1E169B25C5875799",
     "VolaroUpgrade\\A343CFM_fs9.pak2", 0},
    {"A346 RR", "Aircraft\\Korvanta TEV A346RR", "A346RR_Korvanta",
     "52D8EE170C03F459A3A9739733B02ED3", "E321BBAADD4F81ED5C1038F38CE6BC3A", "161ABB64C5B88226747FB573A5281F3A",
     "VolaroUpgrade\\A346RR_fs9.pak2", 0},
    {"A330 Night Panel", "Gauges", "A330NightPanel_Korvanta",
     "B2B095AAAAD9CDD0A96616A5CDECDEB7", "41975D166B79F91C52B6C6F9BFB6CAB7", "68EB6682E3A9C01B1B3FA929827B6C61",
     "VolaroUpgrade\\A330Night_fs9.pak2", 1},
    {"A343 Night Panel", "Aircraft\\Korvanta TEV A343CFM\\panel", "A343NightPanel_Korvanta",
     "F6A2B34B25A805350622C4D00CB4C0AD", "", "150FC9DC0873816B28756E6A563C9ACB",
     "VolaroUpgrade\\A343Night_fs9.pak2", 1},
    {"A346 Night Panel", "Aircraft\\Korvanta TEV A346RR\\panel", "A346NightPanel_Korvanta",
     "C62AD3D08AA2D21FDFEF5D43824E6596", "", "155EBDAA5026DD631736B28D30C0D07E",
     "VolaroUpgrade\\A346Night_fs9.pak2", 1},
};
// clang-format on

TEST(UpgradeCatalogue, EveryFieldOfEveryEntryInOrder) {
    const auto catalogue = UpgradeCatalogue();
    ASSERT_EQ(catalogue.size(), std::size(kExpected));
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const UpgradeEntry& entry = catalogue[i];
        const ExpectedEntry& expected = kExpected[i];
        SCOPED_TRACE("entry " + std::to_string(i) + " " + expected.displayName);
        EXPECT_EQ(entry.displayName, expected.displayName);
        EXPECT_EQ(entry.folder, expected.folder);
        EXPECT_EQ(entry.gaugeName, expected.gaugeName);
        EXPECT_EQ(entry.signatureV1, expected.signatureV1);
        EXPECT_EQ(entry.signatureMcdu, expected.signatureMcdu);
        EXPECT_EQ(entry.signatureV2, expected.signatureV2);
        EXPECT_EQ(entry.patchFile, expected.patchFile);
        EXPECT_EQ(entry.panelOnly, expected.panelOnly);
    }
}

} // namespace

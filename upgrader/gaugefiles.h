#pragma once
// Where the files of one catalogue entry lie below the simulator root: the
// run and --check both build every path here, so they cannot disagree.
// Paths are Windows path text (backslashes), the root without a trailing
// separator.

#include "upgrader/catalogue.h"

#include <string>
#include <string_view>

// The installer data folder below the root: the patch program, the patch
// data and the install log.
inline constexpr std::string_view kInstallerFolder = "VolaroUpgrade";

std::string installerFolder(const std::string& root);

struct GaugeFiles {
    std::string folder;        // the folder that holds the gauge
    std::string gauge;         // folder\gaugeName.gau
    std::string backup;        // folder\gaugeName.upg1
    std::string patchProgram;  // root\VolaroUpgrade\patch.bin
    std::string patchData;     // root\patchFile, for an "Upgrade v1" base
    std::string mcduPatchData; // the same with "_" appended, for an "MCDU Upgrade" base
    // Aircraft entries only; empty for a panel-only entry.
    std::string aircraftFile;   // root\folder\aircraft.cfg
    std::string aircraftBackup; // root\folder\aircraft.upg1
};

GaugeFiles gaugeFiles(const std::string& root, const UpgradeEntry& entry);

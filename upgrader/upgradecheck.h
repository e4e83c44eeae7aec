#pragma once
// What a run of the upgrade would do with each gauge, found by reading the
// same files the run reads and writing nothing: no gauge, backup, aircraft
// file or log is touched.

#include "upgrader/catalogue.h"
#include "upgrader/simulatorfolder.h"
#include "upgrader/upgraderun.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

enum class GaugeState {
    NotInstalled, // the run skips it
    UpgradeV1,    // the run would patch it (from the base kind below)
    AlreadyV2,    // the run has nothing to do
    Unknown,      // neither earlier release: the run would refuse it
};

struct GaugeCheck {
    const UpgradeEntry* entry = nullptr;
    GaugeState state = GaugeState::NotInstalled;
    BaseKind baseKind = BaseKind::None; // of the base the run would patch
    std::string gaugePath;              // path text, as the run builds it
    bool backupPresent = false;         // the gauge's .upg1
    // Aircraft entries only: whether aircraft.cfg is there and already holds
    // both settings the upgrade writes.
    std::string aircraftPath;
    bool aircraftFilePresent = false;
    bool aircraftSettingsPresent = false;
    // What the run would report as an error for this gauge; empty when none.
    std::vector<std::string> problems;
};

struct UpgradeCheck {
    std::vector<GaugeCheck> gauges;
    // Not None: the window would refuse to start a run here.
    FolderProblem folderProblem = FolderProblem::None;
    // The installer data folder, which holds the log (path text); a run
    // creates it when missing, unless the folder has a problem above.
    std::string logFolder;
    bool logFolderPresent = false;
    bool wouldSucceed() const;
};

UpgradeCheck checkUpgrade(const std::string& root, std::span<const UpgradeEntry> catalogue);

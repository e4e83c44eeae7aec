#include "upgrader/upgradecheck.h"

#include "common/platform/hostpath.h"
#include "common/profile/profile.h"
#include "upgrader/gaugefiles.h"
#include "upgrader/signature.h"
#include "upgrader/version2settings.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

std::string shown(const std::string& path) {
    return platform::pathText(platform::displayPath(path));
}

// The run patches from its backup once one exists: the backup holds the
// gauge as it was before any earlier attempt.
void checkBase(const std::string& base, const UpgradeEntry& entry, GaugeCheck& check) {
    if (CheckSignature(base, entry.signatureV1) == SignatureMatch) {
        check.state = GaugeState::UpgradeV1;
        check.baseKind = BaseKind::UpgradeV1;
    } else if (CheckSignature(base, entry.signatureMcdu) == SignatureMatch) {
        check.state = GaugeState::UpgradeV1;
        check.baseKind = BaseKind::McduUpgrade;
    } else {
        check.state = GaugeState::Unknown;
        check.problems.push_back(shown(base) +
                                 " is neither Upgrade v1 nor MCDU Upgrade: the upgrade refuses it");
    }
}

bool hasVersion2Settings(const std::string& aircraftFile) {
    return std::all_of(
        kVersion2Settings.begin(), kVersion2Settings.end(), [&](const AircraftSetting& setting) {
            return profile::readString(setting.section, setting.key, profile::kUndefined, 100,
                                       aircraftFile) == setting.value;
        });
}

} // namespace

bool UpgradeCheck::wouldSucceed() const {
    return folderProblem == FolderProblem::None &&
           std::all_of(gauges.begin(), gauges.end(),
                       [](const GaugeCheck& gauge) { return gauge.problems.empty(); });
}

UpgradeCheck checkUpgrade(const std::string& root, std::span<const UpgradeEntry> catalogue) {
    UpgradeCheck result;
    result.folderProblem = simulatorFolderProblem(root, catalogue);
    result.logFolder = installerFolder(root);
    std::error_code error;
    result.logFolderPresent =
        std::filesystem::is_directory(platform::hostPath(result.logFolder), error);
    for (const UpgradeEntry& entry : catalogue) {
        GaugeCheck check;
        check.entry = &entry;
        const GaugeFiles files = gaugeFiles(root, entry);
        check.gaugePath = files.gauge;
        const std::string& backup = files.backup;
        check.backupPresent = FileExists(backup);
        if (entry.panelOnly == 0) {
            check.aircraftPath = files.aircraftFile;
            check.aircraftFilePresent = FileExists(check.aircraftPath);
            check.aircraftSettingsPresent =
                check.aircraftFilePresent && hasVersion2Settings(check.aircraftPath);
        }

        if (!FileExists(check.gaugePath)) {
            check.state = GaugeState::NotInstalled;
        } else if (CheckSignature(check.gaugePath, entry.signatureV2) == SignatureMatch) {
            check.state = GaugeState::AlreadyV2;
        } else {
            checkBase(check.backupPresent ? backup : check.gaugePath, entry, check);
        }

        if (check.state == GaugeState::UpgradeV1) {
            if (!FileExists(files.patchProgram))
                check.problems.push_back("the patch program " + shown(files.patchProgram) +
                                         " is missing");
            const std::string& patchData =
                check.baseKind == BaseKind::McduUpgrade ? files.mcduPatchData : files.patchData;
            if (!FileExists(patchData))
                check.problems.push_back("the patch data " + shown(patchData) + " is missing");
            if (entry.panelOnly == 0 && !check.aircraftFilePresent)
                check.problems.push_back("the aircraft file " + shown(check.aircraftPath) +
                                         " is missing or cannot be read");
        }
        result.gauges.push_back(std::move(check));
    }
    return result;
}

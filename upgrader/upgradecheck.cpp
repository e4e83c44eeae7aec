#include "upgrader/upgradecheck.h"

#include "common/platform/hostpath.h"
#include "common/profile/profile.h"
#include "upgrader/signature.h"

#include <algorithm>

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
    return profile::readString("Electrical", "electric_always_available", profile::kUndefined, 100,
                               aircraftFile) == "0" &&
           profile::readString("Radios", "Adf.2", profile::kUndefined, 100, aircraftFile) == "1";
}

} // namespace

bool UpgradeCheck::wouldSucceed() const {
    return std::all_of(gauges.begin(), gauges.end(),
                       [](const GaugeCheck& gauge) { return gauge.problems.empty(); });
}

UpgradeCheck checkUpgrade(const std::string& root, std::span<const UpgradeEntry> catalogue) {
    UpgradeCheck result;
    const std::string patchProgram = root + "\\VolaroUpgrade\\patch.bin";
    for (const UpgradeEntry& entry : catalogue) {
        GaugeCheck check;
        check.entry = &entry;
        const std::string folder =
            root + '\\' + entry.folder + (entry.panelOnly == 1 ? "" : "\\panel");
        check.gaugePath = folder + '\\' + entry.gaugeName + ".gau";
        const std::string backup = folder + '\\' + entry.gaugeName + ".upg1";
        check.backupPresent = FileExists(backup);
        if (entry.panelOnly == 0) {
            check.aircraftPath = root + '\\' + entry.folder + "\\aircraft.cfg";
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
            if (!FileExists(patchProgram))
                check.problems.push_back("the patch program " + shown(patchProgram) +
                                         " is missing");
            std::string patchData = root + '\\' + entry.patchFile;
            if (check.baseKind == BaseKind::McduUpgrade)
                patchData += '_';
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

#include "upgrader/upgraderun.h"

#include "common/platform/fileops.h"
#include "common/platform/hostpath.h"
#include "upgrader/signature.h"
#include "upgrader/version2settings.h"

#include <algorithm>
#include <optional>

namespace {

const std::string kEquals(32, '=');
const std::string kHyphens(32, '-');
constexpr std::size_t kErrorCapacity = 500;

// A path as the lines and boxes show it: the file as the host names it.
std::string shown(const std::string& path) {
    return platform::pathText(platform::displayPath(path));
}

} // namespace

std::vector<std::string> introductionLines() {
    return {
        "This application will upgrade your Volaro aircrafts from Upgrade Version 1 to Version 2.",
        "This is for Upgrade V1 users ONLY, you MUST have the Upgrade Version 1 installed.",
        "Don't be surprised if you see DOS windows appear and disappear.",
        " ",
        std::string(103, '-'),
        "Press 'START' to begin...",
    };
}

bool AircraftFileUpdate::ok() const {
    return std::all_of(writes.begin(), writes.end(),
                       [](const profile::WriteResult& write) { return write.ok; });
}

std::size_t maxRootLength(std::span<const UpgradeEntry> catalogue) {
    // Every path below an empty root, which is what the root adds to.
    std::size_t longest = installLogPath("").size();
    for (const UpgradeEntry& entry : catalogue) {
        const GaugeFiles files = gaugeFiles("", entry);
        for (const std::string* path :
             {&files.gauge, &files.backup, &files.patchProgram, &files.patchData,
              &files.mcduPatchData, &files.aircraftFile, &files.aircraftBackup})
            longest = std::max(longest, path->size());
    }
    return kPathCapacity - 1 > longest ? kPathCapacity - 1 - longest : 0;
}

UpgradeRun::UpgradeRun(std::string root, std::span<const UpgradeEntry> catalogue, UpgradeView& view,
                       PatchLauncher launcher)
    : root_(std::move(root))
    , catalogue_(catalogue)
    , view_(view)
    , launcher_(std::move(launcher))
    , folderProblem_(simulatorFolderProblem(root_, catalogue))
    , log_(root_, folderProblem_ == FolderProblem::None)
    , entryCount_(static_cast<int>(catalogue.size())) {}

void UpgradeRun::AddLine(std::string_view text) {
    view_.showLine(std::string(text));
    log_.WriteLog(text);
}

void UpgradeRun::tellIfLogUnwritten() {
    if (log_.isOpen() || folderProblem_ != FolderProblem::None)
        return;
    view_.showLine("The install log " + shown(log_.path()) +
                   " could not be written: " + log_.openProblem() + ".");
}

void UpgradeRun::ReportError(std::string_view text, std::string_view caption) {
    std::string line = "ERROR: " + std::string(text);
    line.resize(std::min(line.size(), kErrorCapacity - 1));
    log_.WriteLog(line);
    // The box's own event loop goes on delivering ticks; they must not move
    // the run on behind it.
    ++openErrorBoxes_;
    view_.showError(std::string(text), std::string(caption));
    --openErrorBoxes_;
}

void UpgradeRun::OnTimer() {
    if (entryIndex_ >= entryCount_)
        return; // complete: no entry left to step
    if (openErrorBoxes_ > 0)
        return; // the user reads an error first
    const int step = step_;
    step_ = step + 1;
    switch (step) {
    case 0:
        locateGauge();
        break;
    case 1:
        checkAlreadyUpgraded();
        break;
    case 2:
        lookForBackup();
        break;
    case 3:
        checkBase();
        break;
    case 4:
        makeBackup();
        break;
    case 5:
        createNewGauge();
        break;
    case 6:
        verifyNewGauge();
        break;
    case 7:
        AddLine("No panel update needed.");
        break;
    case 8:
        updateAircraft();
        break;
    case 9:
        closeEntry();
        break;
    default:
        break; // a failed entry: nothing until FatalError moves on
    }
}

void UpgradeRun::locateGauge() {
    files_ = gaugeFiles(root_, entry());
    gaugeExists_ = FileExists(files_.gauge);
    gaugesFound_ += gaugeExists_;
    alreadyInstalled_ = false;
    if (!gaugeExists_) {
        AddLine(entry().gaugeName + " gauge not installed, skipping");
        AddLine(kEquals);
        step_ = 9;
    }
}

void UpgradeRun::checkAlreadyUpgraded() {
    if (CheckSignature(files_.gauge, entry().signatureV2) == SignatureMatch) {
        alreadyInstalled_ = true;
        step_ = 9;
    }
}

void UpgradeRun::lookForBackup() {
    AddLine("- Starting Update of the " + entry().displayName + " gauge -");
    AddLine("Checking the existence of the gauge backup...");
    backupPresent_ = FileExists(files_.backup);
    baseIsBackup_ = backupPresent_;
    if (backupPresent_)
        AddLine("Upgrade v1 gauge file " + shown(files_.backup) + " already backup");
    else
        AddLine("Upgrade v1 backup gauge file not found");
}

void UpgradeRun::checkBase() {
    const std::string& base = baseIsBackup_ ? files_.backup : files_.gauge;
    AddLine("Checking the signature of the base gauge...");
    AddLine(shown(base));
    switch (CheckSignature(base, entry().signatureV1)) {
    case SignatureMatch:
        AddLine("Valid (Upgrade v1)");
        baseKind_ = BaseKind::UpgradeV1;
        return;
    case SignatureNotFound:
        return; // carries on with the BaseKind of an earlier entry
    case SignatureMismatch:
        break;
    }
    switch (CheckSignature(base, entry().signatureMcdu)) {
    case SignatureMatch:
        AddLine("Valid (MCDU Upgrade)");
        baseKind_ = BaseKind::McduUpgrade;
        return;
    case SignatureNotFound:
        step_ = StepFailed;
        ReportError("The " + entry().gaugeName + " gauge was not found...", "Failure");
        break;
    case SignatureMismatch:
        step_ = StepFailed;
        ReportError("The " + entry().gaugeName +
                        " gauge is not the right one.\nPlease install Upgrade v1 first.",
                    "Failure");
        break;
    }
    FatalError();
}

void UpgradeRun::makeBackup() {
    if (backupPresent_)
        return;
    AddLine("Creating backup gauge...");
    AddLine("Copying " + shown(files_.gauge) + " to " + shown(files_.backup));
    if (platform::copyFileNoOverwrite(files_.gauge, files_.backup)) {
        backupPresent_ = true;
        return;
    }
    step_ = StepFailed;
    ReportError("Error in copying the backup gauge file", "Failure");
    FatalError();
}

void UpgradeRun::createNewGauge() {
    AddLine("Creating the new gauge...");
    PatchLaunch launch;
    launch.program = files_.patchProgram;
    launch.backupPath = files_.backup;
    launch.patchDataPath =
        baseKind_ == BaseKind::McduUpgrade ? files_.mcduPatchData : files_.patchData;
    launch.gaugePath = files_.gauge;

    // A program that rewrote the gauge and then ended with -1 must not leave
    // its half-made gauge behind: remember the gauge to tell.
    const std::optional<std::string> before = FileSignature(files_.gauge);
    if (launcher_(launch) != -1) {
        AddLine("Done.");
        return;
    }
    step_ = StepFailed;
    ReportError("Error in launching the patching program...", "Failure");
    const std::optional<std::string> after = FileSignature(files_.gauge);
    if (after != before)
        putBackupBack(after.has_value());
    FatalError();
}

void UpgradeRun::verifyNewGauge() {
    AddLine("Checking the signature of the generated gauge...");
    AddLine(shown(files_.gauge));
    const SignatureResult result = CheckSignature(files_.gauge, entry().signatureV2);
    if (result == SignatureMatch) {
        AddLine("Successful.");
        return;
    }
    step_ = StepFailed;
    if (result == SignatureMismatch)
        ReportError("The new gauge generation was not successful.\nCheck failed...", "Failure");
    else
        ReportError("The new gauge file could not be found.\nGeneration failed...",
                    "File not found");
    putBackupBack(result == SignatureMismatch);
    FatalError();
}

void UpgradeRun::putBackupBack(bool faultyGaugePresent) {
    // Deleting the faulty gauge is only safe with a backup to put in its
    // place: a patch program may have removed the backup, and the gauge may
    // then still be the only copy of the original.
    if (faultyGaugePresent && FileExists(files_.backup)) {
        if (platform::deleteFile(files_.gauge))
            AddLine("Faulty generated gauge deleted.");
        else
            ReportError("The faulty generated gauge could not be deleted", "Error");
    }
    AddLine("Restoring the backup gauge...");
    if (platform::renameNoReplace(files_.backup, files_.gauge))
        AddLine("Gauge restore completed.");
    else
        ReportError("The backup gauge could not be restored", "Error");
}

void UpgradeRun::updateAircraft() {
    if (entry().panelOnly != 0)
        return;
    AddLine("Updating aircraft.cfg...");
    const std::string& backup = files_.aircraftBackup;
    const std::string& aircraftFile = files_.aircraftFile;
    AddLine(shown(aircraftFile));
    // FatalError moves the run on: it must be called once for this entry, and
    // later failures here only report.
    bool entryFailed = false;
    if (!FileExists(backup)) {
        AddLine("Creating a backup copy of the aircraft.cfg file named aircraft.upg1...");
        if (!platform::copyFileNoOverwrite(aircraftFile, backup)) {
            step_ = StepFailed;
            ReportError("Error in copying the backup aircraft file", "Failure");
            FatalError();
            entryFailed = true;
        }
    }
    // Writing the settings would create an aircraft.cfg holding only them,
    // which the simulator would take for a broken aircraft.
    if (!FileExists(aircraftFile)) {
        if (!entryFailed) {
            step_ = StepFailed;
            ReportError("The aircraft file could not be updated: " + shown(aircraftFile) +
                            " (it is missing or cannot be read)",
                        "ERROR");
            FatalError();
        }
        return;
    }
    const AircraftFileUpdate update = UpdateAircraftFile(aircraftFile);
    if (!update.ok() && !entryFailed) { // an aircraft left without its two settings
        step_ = StepFailed;
        FatalError();
    }
}

AircraftFileUpdate UpgradeRun::UpdateAircraftFile(const std::string& aircraftFile) {
    AircraftFileUpdate update;
    for (const AircraftSetting& setting : kVersion2Settings)
        update.writes.push_back(
            profile::writeString(setting.section, setting.key, setting.value, aircraftFile));
    if (update.ok()) {
        AddLine("Aircraft updated (ADF2 added).");
        return update;
    }
    const profile::WriteResult& failed =
        *std::find_if(update.writes.begin(), update.writes.end(),
                      [](const profile::WriteResult& write) { return !write.ok; });
    // The log holds path text, like every path the run shows.
    const std::string reason = platform::pathText(
        QString::fromUtf8(failed.reason.data(), static_cast<qsizetype>(failed.reason.size())));
    ReportError("The aircraft file could not be updated: " + shown(aircraftFile) + " (" + reason +
                    ")",
                "ERROR");
    return update;
}

void UpgradeRun::closeEntry() {
    if (alreadyInstalled_)
        AddLine("Upgrade v2 already installed.");
    if (gaugeExists_) {
        AddLine(entry().displayName + " successfully upgraded in v2.");
        AddLine(kEquals);
    }
    if (NextAircraft())
        completionReport();
}

void UpgradeRun::FatalError() {
    success_ = false;
    AddLine("Fatal error for " + entry().gaugeName);
    AddLine(kHyphens);
    if (NextAircraft())
        completionReport();
}

bool UpgradeRun::NextAircraft() {
    ++entryIndex_;
    if (entryIndex_ != entryCount_) {
        step_ = 0;
        return false;
    }
    view_.runComplete();
    return true;
}

void UpgradeRun::completionReport() {
    view_.beep();
    AddLine(" ");
    if (success_ && gaugesFound_ == 0) {
        // The gauges went away after the window opened: nothing was upgraded.
        for (const std::string& line : folderProblemLines(FolderProblem::NoGaugeFound, root_))
            AddLine(line);
    } else if (success_) {
        AddLine("Installation of Upgrade v2 successfully completed !!");
    } else {
        AddLine("Errors occured, please see the log file: " + installLogName());
        tellIfLogUnwritten();
    }
    AddLine("Press 'End' to exit.");
}

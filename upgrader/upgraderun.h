#pragma once
// One run of the upgrade over a catalogue, as a step machine: each tick runs
// one step of the current entry. Everything the user sees goes through
// AddLine (progress line, also logged) and ReportError ("ERROR: " log line
// and a modal box), which the window behind UpgradeView shows.

#include "common/profile/profile.h"
#include "upgrader/catalogue.h"
#include "upgrader/gaugefiles.h"
#include "upgrader/installlog.h"
#include "upgrader/patchlaunch.h"
#include "upgrader/simulatorfolder.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// What the run asks of its window. Texts are path text (hostpath.h): the
// paths the run shows are in them.
class UpgradeView {
public:
    virtual ~UpgradeView() = default;
    // Appends a line to the progress list and keeps the newest line in view.
    virtual void showLine(const std::string& text) = 0;
    // A modal error box; returns when the user has closed it.
    virtual void showError(const std::string& text, const std::string& caption) = 0;
    // Every entry visited: stop the ticks, the action button becomes "End".
    virtual void runComplete() = 0;
    virtual void beep() = 0;
};

// The step counter of a failed entry; ticks count on from here doing nothing.
inline constexpr int StepFailed = 999;

// What the base gauge of the last checked entry was; kept across entries.
enum class BaseKind { None = 0, UpgradeV1 = 2, McduUpgrade = 3 };

// The writes of the version 2 settings to an upgraded aircraft's
// aircraft.cfg, in the order of kVersion2Settings.
struct AircraftFileUpdate {
    std::vector<profile::WriteResult> writes;
    bool ok() const;
};

// The introduction the window shows before START.
std::vector<std::string> introductionLines();

// Paths are built in 260-character buffers (259 characters and the end
// mark); a root longer than this would not fit every path of `catalogue`.
inline constexpr std::size_t kPathCapacity = 260;
std::size_t maxRootLength(std::span<const UpgradeEntry> catalogue);

class UpgradeRun {
public:
    UpgradeRun(std::string root, std::span<const UpgradeEntry> catalogue, UpgradeView& view,
               PatchLauncher launcher = launchPatchProgram);

    // One tick: one step of the current entry.
    void OnTimer();

    void AddLine(std::string_view text);
    void ReportError(std::string_view text, std::string_view caption);
    void FatalError();
    // True when the last entry has been visited.
    bool NextAircraft();
    AircraftFileUpdate UpdateAircraftFile(const std::string& aircraftFile);

    void closeLog() { log_.close(); }
    bool logOpen() const { return log_.isOpen(); }
    // When the log could not be opened: says so in the window, not in the
    // log. Nothing when the log is open or nothing can be run here.
    void tellIfLogUnwritten();

    // Why nothing can be upgraded under this root (FolderProblem::None when
    // the run can start), found when the run is made.
    FolderProblem folderProblem() const { return folderProblem_; }

    const std::string& root() const { return root_; }
    int entryIndex() const { return entryIndex_; }
    int step() const { return step_; }
    int entryCount() const { return entryCount_; }
    bool success() const { return success_; }
    BaseKind baseKind() const { return baseKind_; }

private:
    const UpgradeEntry& entry() const { return catalogue_[static_cast<std::size_t>(entryIndex_)]; }
    void locateGauge();
    void checkAlreadyUpgraded();
    void lookForBackup();
    void checkBase();
    void makeBackup();
    void createNewGauge();
    void verifyNewGauge();
    void updateAircraft();
    void closeEntry();
    void putBackupBack(bool faultyGaugePresent);
    void completionReport();

    std::string root_;
    std::span<const UpgradeEntry> catalogue_;
    UpgradeView& view_;
    PatchLauncher launcher_;
    FolderProblem folderProblem_; // before log_: it decides whether the log may make its folder
    InstallLog log_;

    int entryIndex_ = 0;
    int step_ = 0;
    int entryCount_;
    bool success_ = true;
    int openErrorBoxes_ = 0;

    int gaugesFound_ = 0;

    GaugeFiles files_; // of the current entry, from step 0 on
    bool baseIsBackup_ = false;
    bool gaugeExists_ = false;
    bool alreadyInstalled_ = false;
    bool backupPresent_ = false;
    BaseKind baseKind_ = BaseKind::None;
};

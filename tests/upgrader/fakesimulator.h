#pragma once
// A throw-away simulator folder with test gauges, the test patch program
// installed as patch.bin, and a catalogue of its own, so that whole upgrade
// runs can be checked without the package's real gauges.

#include "tests/support/tempdir.h"
#include "upgrader/catalogue.h"
#include "upgrader/upgraderun.h"

#include <QCryptographicHash>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace upgrader_testing {

namespace fs = std::filesystem;

inline std::string md5(const std::string& bytes) {
    return QCryptographicHash::hash(QByteArray::fromStdString(bytes), QCryptographicHash::Md5)
        .toHex()
        .toUpper()
        .toStdString();
}

// The three releases of one test gauge. Version 2 grows out of version 1,
// so the plain patch only works from a version 1 base.
struct TestGauge {
    std::string v1, mcdu, v2;
    explicit TestGauge(const std::string& name)
        : v1("GAUGE " + name + " Upgrade v1\n" + std::string(40000, 'a'))
        , mcdu("GAUGE " + name + " MCDU Upgrade\n" + std::string(300, 'm'))
        , v2(v1 + "version 2 code of " + name + "\n") {}
};

inline std::string insertOp(const std::string& bytes) {
    return "insert " + std::to_string(bytes.size()) + "\n" + bytes + "\n";
}

// Patch data for the test patch program, with misbehaviour lines appended.
inline std::string plainPatch(const TestGauge& gauge, const std::string& faults = {}) {
    return "VOLARO TEST PATCH 1\ncopy 0 " + std::to_string(gauge.v1.size()) + "\n" +
           insertOp(gauge.v2.substr(gauge.v1.size())) + faults;
}

inline std::string mcduPatch(const TestGauge& gauge, const std::string& faults = {}) {
    return "VOLARO TEST PATCH 1\n" + insertOp(gauge.v2) + faults;
}

// Records what the run shows: progress lines, error boxes, completion.
struct RecordingView : UpgradeView {
    std::vector<std::string> lines;
    std::vector<std::pair<std::string, std::string>> errors; // text, caption
    int completions = 0;
    int beeps = 0;
    void showLine(const std::string& text) override { lines.push_back(text); }
    // Called while an error box is open, as the box's event loop would.
    std::function<void()> whileErrorShown;
    void showError(const std::string& text, const std::string& caption) override {
        errors.emplace_back(text, caption);
        if (whileErrorShown)
            whileErrorShown();
    }
    void runComplete() override { ++completions; }
    void beep() override { ++beeps; }
};

// The log is a text file: its lines end as the host's text files do.
inline constexpr std::string_view kLogLineEnd = VOLARO_TEXT_LINE_END;

class FakeSimulator {
public:
    explicit FakeSimulator(const std::string& rootName = "FS9")
        : root_(temp_.path() / rootName) {
        fs::create_directories(root_ / "VolaroUpgrade");
    }

    // The root as the upgrader receives it (no trailing separator).
    std::string root() const { return root_.string(); }
    // With the host's own separators, as the programs it starts are given it.
    fs::path path(const std::string& relative) const { return (root_ / relative).make_preferred(); }

    // An aircraft entry ("Aircraft/<folder>", gauge in "panel") or a panel entry.
    UpgradeEntry aircraftEntry(const std::string& name, const TestGauge& gauge,
                               bool withMcdu = true) const {
        return {name + " test",
                "Aircraft\\Korvanta TEV " + name,
                name + "_Korvanta",
                md5(gauge.v1),
                withMcdu ? md5(gauge.mcdu) : std::string(),
                md5(gauge.v2),
                "VolaroUpgrade\\" + name + "_fs9.pak2",
                0};
    }
    UpgradeEntry panelEntry(const std::string& name, const TestGauge& gauge) const {
        UpgradeEntry entry = aircraftEntry(name, gauge, false);
        entry.folder = "Gauges";
        entry.panelOnly = 1;
        return entry;
    }

    // Host paths below the root of an entry's files.
    static std::string folderOf(const UpgradeEntry& e) {
        std::string folder = e.folder;
        std::replace(folder.begin(), folder.end(), '\\', '/');
        return folder;
    }
    static std::string gaugeFile(const UpgradeEntry& e) {
        return folderOf(e) + (e.panelOnly ? "/" : "/panel/") + e.gaugeName + ".gau";
    }
    static std::string backupFile(const UpgradeEntry& e) {
        return folderOf(e) + (e.panelOnly ? "/" : "/panel/") + e.gaugeName + ".upg1";
    }
    static std::string patchFile(const UpgradeEntry& e) {
        std::string file = e.patchFile;
        std::replace(file.begin(), file.end(), '\\', '/');
        return file;
    }

    void write(const std::string& relative, const std::string& bytes) const {
        testing_support::writeFile(path(relative), bytes);
    }
    std::string read(const std::string& relative) const {
        return testing_support::readFile(path(relative));
    }
    bool exists(const std::string& relative) const { return fs::exists(path(relative)); }

    void installPatchProgram() const {
        fs::copy_file(VOLARO_TESTPATCH, path("VolaroUpgrade/patch.bin"),
                      fs::copy_options::overwrite_existing);
    }

    std::string log() const { return read("VolaroUpgrade/Install_v2_Vol2.log"); }
    std::vector<std::string> logLines() const {
        std::vector<std::string> lines;
        const std::string text = log();
        for (std::size_t pos = 0; pos < text.size();) {
            const std::size_t end = std::min(text.find(kLogLineEnd, pos), text.size());
            lines.push_back(text.substr(pos, end - pos));
            pos = end + kLogLineEnd.size();
        }
        return lines;
    }

    // Every file below the root with its bytes, the log left out.
    std::vector<std::pair<std::string, std::string>> snapshot() const {
        std::vector<std::pair<std::string, std::string>> files;
        for (const auto& item : fs::recursive_directory_iterator(root_)) {
            if (item.is_regular_file() && item.path().filename() != "Install_v2_Vol2.log")
                files.emplace_back(item.path().string(), testing_support::readFile(item.path()));
        }
        std::sort(files.begin(), files.end());
        return files;
    }

private:
    testing_support::TempDir temp_;
    fs::path root_;
};

// Ticks `run` until its last entry has been visited; returns the ticks taken.
inline int runToEnd(UpgradeRun& run, int limit = 1000) {
    int ticks = 0;
    while (run.entryIndex() < run.entryCount() && ticks < limit) {
        run.OnTimer();
        ++ticks;
    }
    return ticks;
}

// The text the log holds for `lines`.
inline std::string logText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        for (const char c : line + '\n') // a line break inside a message too
            text += c == '\n' ? std::string(kLogLineEnd) : std::string(1, c);
    }
    return text;
}

} // namespace upgrader_testing

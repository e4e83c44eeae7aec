// The save of an aircraft with two engine variants, killed at any moment,
// leaves each of its files exactly as before or exactly as after.
#include "configurator/load/loadmanager.h"
#include "configurator/session/installpaths.h"
#include "configurator/session/sessionstate.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

void setPayload(CLoadManager& model, bool full) {
    model.setBusiness(full ? 30 : 2);
    model.setEconomy(full ? 263 : 40);
    model.setForward(full ? 100 : 5);
    model.setAft(full ? 100 : 0);
}

TEST(LoadSaveCrashSafety, KilledSaveLeavesEachVariantFileOldOrNew) {
    TempDir dir;
    resolveInstallPaths(dir.path().string(), "");
    const AircraftType& row = *aircraftOfCode(kA330_200);
    std::vector<std::filesystem::path> files;
    for (const std::string& relative : aircraftFileTexts(row)) {
        std::string host = relative;
        std::replace(host.begin(), host.end(), '\\', '/');
        files.push_back(dir.path().string() + host);
    }
    // Large enough that a write takes a while and a kill often lands inside it.
    const std::string filler = "; " + std::string(128 * 1024, '-') + "\r\n";
    for (const auto& file : files)
        writeFile(file, "[fltsim.0]\r\ntitle=" + file.parent_path().filename().string() + "\r\n" +
                            filler + "[WEIGHT_AND_BALANCE]\r\nempty_weight=264875\r\n" + filler);

    // The two contents each file can have.
    std::vector<std::string> light, full;
    for (const bool heavy : {false, true}) {
        auto model = createLoadManager(kA330_200);
        setPayload(*model, heavy);
        for (const auto& result : model->save())
            ASSERT_TRUE(result.ok) << result.reason;
        for (const auto& file : files)
            (heavy ? full : light).push_back(readFile(file));
    }
    ASSERT_NE(light[0], full[0]);

    for (int round = 0; round < 25; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            auto model = createLoadManager(kA330_200);
            for (int i = 0;; ++i) {
                setPayload(*model, i % 2 == 0);
                model->save();
            }
        }
        ::usleep(static_cast<useconds_t>(2000 + round * 1500));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);

        for (std::size_t i = 0; i < files.size(); ++i) {
            const std::string now = readFile(files[i]);
            ASSERT_TRUE(now == light[i] || now == full[i])
                << "round " << round << ", file " << files[i];
        }
    }
}

} // namespace

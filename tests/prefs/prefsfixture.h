#pragma once
// A temporary simulator folder with an empty preferences folder, and
// `InstallFolder`/`PrefsPath` pointing into it.

#include "configurator/session/installpaths.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

class PrefsFileTest : public testing::Test {
protected:
    PrefsFileTest() {
        std::filesystem::create_directories(sim_.path() / "Korvanta" / "Volaro");
        resolveInstallPaths(sim_.path().string(), "");
    }

    std::filesystem::path prefsFile() const { return sim_.path() / "Korvanta/Volaro/Prefs.cfg"; }
    void writePrefs(const std::string& text) const {
        testing_support::writeFile(prefsFile(), text);
    }
    std::string readPrefs() const { return testing_support::readFile(prefsFile()); }

    testing_support::TempDir sim_;
};

#pragma once

#include "common/platform/exepath.h"
#include "tests/support/scopedenv.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>
#include <string>

// Each test starts with no environment value and an empty Wine prefix.
class ExePath : public testing::Test {
protected:
    testing_support::TempDir prefix;
    testing_support::ScopedEnv noRoot{platform::kFsRootEnv, std::nullopt};
    testing_support::ScopedEnv winePrefix{"WINEPREFIX", prefix.path().string()};

    void writeRegistry(const std::string& body) {
        testing_support::writeFile(prefix.path() / "system.reg",
                                   "WINE REGISTRY Version 2\n\n" + body);
    }
};

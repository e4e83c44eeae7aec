#pragma once
// A folder with a gauge and a backup, named as the upgrade names them.

#include "tests/support/tempdir.h"

#include <gtest/gtest.h>
#include <string>

class FileOpsTest : public ::testing::Test {
protected:
    FileOpsTest() {
        testing_support::writeFile(dir.path() / "Gauge.gau", "original");
        testing_support::writeFile(dir.path() / "Other.upg1", "backup");
    }
    std::string text(const char* name) const { return dir.path().string() + "\\" + name; }
    testing_support::TempDir dir;
};

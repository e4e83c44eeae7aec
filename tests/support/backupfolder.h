#pragma once
// The backups a test makes, kept in a temporary folder of its own.

#include "tests/support/scopedenv.h"
#include "tests/support/tempdir.h"

namespace testing_support {

class BackupFolder {
public:
    const std::filesystem::path& path() const { return dir_.path(); }

private:
    TempDir dir_;
    ScopedEnv env_{"VOLARO_BACKUP_DIR", dir_.path().string()};
};

} // namespace testing_support

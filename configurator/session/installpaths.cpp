#include "configurator/session/installpaths.h"

#include <cstring>

char InstallFolder[kInstallFolderSize];
char PrefsPath[kPrefsPathSize];

namespace {
// Copies `text` when it fits with its terminator; returns whether it did.
bool copyIfFits(char* buffer, int size, const std::string& text) {
    if (text.size() + 1 > static_cast<std::size_t>(size))
        return false;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return true;
}
} // namespace

void resolveInstallPaths(const std::optional<std::string>& exePath,
                         const std::string& workingDirectory) {
    std::memset(InstallFolder, 0, sizeof InstallFolder);
    std::memset(PrefsPath, 0, sizeof PrefsPath);

    if (!exePath || !copyIfFits(InstallFolder, kInstallFolderSize, *exePath)) {
        // A working directory too long for the buffer: ".\..\.." names the
        // same folder relative to it, and the working directory never changes.
        if (!copyIfFits(InstallFolder, kInstallFolderSize, workingDirectory + kFallbackSuffix))
            copyIfFits(InstallFolder, kInstallFolderSize, std::string(".") + kFallbackSuffix);
    }
    // 499 characters of folder plus the suffix always fit in 1000 bytes.
    copyIfFits(PrefsPath, kPrefsPathSize, std::string(InstallFolder) + kPrefsSuffix);
}

void resolveInstallPaths(const platform::ExePathSource& source) {
    resolveInstallPaths(platform::readExePath(source, kInstallFolderSize),
                        platform::currentDirectory());
}

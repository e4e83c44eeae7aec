#include "upgrader/installlog.h"

#include "common/platform/fileops.h"
#include "common/platform/hostpath.h"
#include "upgrader/gaugefiles.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace {

constexpr std::string_view kLogFile = "Install_v2_Vol2.log";

std::string reasonOf(int error) {
    return error != 0 ? std::generic_category().message(error)
                      : std::string("it cannot be opened for writing");
}

} // namespace

std::string installLogName() {
    return std::string(kInstallerFolder) + '\\' + std::string(kLogFile);
}

std::string installLogPath(const std::string& root) {
    return installerFolder(root) + '\\' + std::string(kLogFile);
}

InstallLog::InstallLog(const std::string& root, bool mayCreateFolder)
    : folder_(installerFolder(root))
    , path_(installLogPath(root))
    , mayCreateFolder_(mayCreateFolder) {}

bool InstallLog::open() {
    errno = 0;
    file_ = platform::openFile(path_, "w"); // text mode: CR LF on Windows
    if (file_) {
        openProblem_.clear();
        return true;
    }
    openProblem_ = reasonOf(errno);
    const std::filesystem::path folder = platform::hostPath(folder_);
    std::error_code error;
    if (!mayCreateFolder_ || std::filesystem::exists(folder, error))
        return false;
    // One level only: a root that is not there stays not there.
    if (!std::filesystem::create_directory(folder, error)) {
        openProblem_ = "the folder " + platform::pathText(platform::displayPath(folder_)) +
                       " could not be created (" + error.message() + ")";
        return false;
    }
    errno = 0;
    file_ = platform::openFile(path_, "w");
    if (!file_) {
        openProblem_ = reasonOf(errno);
        return false;
    }
    openProblem_.clear();
    return true;
}

bool InstallLog::WriteLog(std::string_view text) {
    if (!file_ && !open())
        return false;
    std::fwrite(text.data(), 1, text.size(), file_);
    std::fputc('\n', file_);
    std::fflush(file_);
    return true;
}

void InstallLog::close() {
    if (file_)
        std::fclose(file_);
    file_ = nullptr;
}

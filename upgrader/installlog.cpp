#include "upgrader/installlog.h"
#include "common/platform/fileops.h"

InstallLog::InstallLog(const std::string& root)
    : path_(root + '\\' + std::string(kInstallLogName)) {}

void InstallLog::WriteLog(std::string_view text) {
    if (!file_) {
        file_ = platform::openFile(path_, "w"); // text mode: CR LF on Windows
        if (!file_)
            return;
    }
    std::fwrite(text.data(), 1, text.size(), file_);
    std::fputc('\n', file_);
    std::fflush(file_);
}

void InstallLog::close() {
    if (file_)
        std::fclose(file_);
    file_ = nullptr;
}

#pragma once
// The install log: one line per message, emptied by the first line of each
// start of the program. Every line is flushed at once: the log is what the
// user reads after a failure, also when the program was killed.

#include <cstdio>
#include <string>
#include <string_view>

// Relative to the simulator root; also named in the completion report.
inline constexpr std::string_view kInstallLogName = "VolaroUpgrade\\Install_v2_Vol2.log";

class InstallLog {
public:
    explicit InstallLog(const std::string& root);
    ~InstallLog() { close(); }
    InstallLog(const InstallLog&) = delete;
    InstallLog& operator=(const InstallLog&) = delete;

    // Writes `text` and a line break; the first call creates or empties the
    // file. When the file cannot be opened the text is dropped and the next
    // call tries again.
    void WriteLog(std::string_view text);
    void close();
    bool isOpen() const { return file_ != nullptr; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::FILE* file_ = nullptr;
};

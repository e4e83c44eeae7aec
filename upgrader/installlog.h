#pragma once
// The install log: one line per message, emptied by the first line of each
// start of the program. Every line is flushed at once: the log is what the
// user reads after a failure, also when the program was killed.

#include <cstdio>
#include <string>
#include <string_view>

// The log's name relative to the simulator root, as the completion report
// names it: "VolaroUpgrade\Install_v2_Vol2.log".
std::string installLogName();
std::string installLogPath(const std::string& root);

class InstallLog {
public:
    // With `mayCreateFolder`, a missing installer data folder is created when
    // the log is opened, as the package's installer would have made it; the
    // root above it never is.
    InstallLog(const std::string& root, bool mayCreateFolder);
    ~InstallLog() { close(); }
    InstallLog(const InstallLog&) = delete;
    InstallLog& operator=(const InstallLog&) = delete;

    // Writes `text` and a line break; the first call creates or empties the
    // file. When the file cannot be opened the text is dropped, false is
    // returned, and the next call tries again.
    bool WriteLog(std::string_view text);
    void close();
    bool isOpen() const { return file_ != nullptr; }
    const std::string& path() const { return path_; }
    // Why the last open failed, for the user; empty when it did not.
    const std::string& openProblem() const { return openProblem_; }

private:
    bool open();

    std::string folder_;
    std::string path_;
    bool mayCreateFolder_;
    std::string openProblem_;
    std::FILE* file_ = nullptr;
};

#pragma once
// Profile (INI) files read and written key by key, as the simulator's own
// profile functions do. Text is Windows-1252 bytes; `path` is the path text
// as the system composes it (backslashes allowed), mapped to the host at the
// file boundary.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace profile {

// The text every missing-value check compares against.
inline constexpr std::string_view kUndefined = "<UNDEFINED>";

// Value of `key` in `section`: blanks around it and one enclosing pair of
// double quotes removed, cut to capacity - 1 characters. `fallback` (also cut)
// when the file, section or key is missing.
std::string readString(std::string_view section, std::string_view key, std::string_view fallback,
                       int capacity, std::string_view path);

// Leading decimal number of the value (optional sign; 0 when there is none,
// wrapping at 2^32), or `fallback` when the key is missing.
int readInt(std::string_view section, std::string_view key, int fallback, std::string_view path);

// Names of the keys of `section`, in file order, as the platform lists them
// for a null key; empty when the file or section is missing.
std::vector<std::string> readKeys(std::string_view section, std::string_view path);

// Outcome of a write. The old file is untouched whenever ok is false.
struct WriteResult {
    bool ok = true;
    std::string hostPath; // the file as the host names it (UTF-8)
    std::string reason;   // why it failed, for the user
    explicit operator bool() const { return ok; }
};

// Why a file that is there cannot be read (a folder of that name, no
// permission), or nothing when it reads or is missing. The read operations
// take both for a missing file, as the system does; this tells the user.
struct ReadProblem {
    std::string hostPath; // the file as the host names it (UTF-8)
    std::string reason;
};
std::optional<ReadProblem> readProblem(std::string_view path);

// A whole file as a window read it, to tell at its save whether another
// program changed it since. A file that cannot be read counts as missing.
struct FileContent {
    bool exists = false;
    std::string bytes;
    bool operator==(const FileContent&) const = default;
};
FileContent readContent(std::string_view path);
// The file as the host names it (UTF-8), for messages.
std::string hostFileName(std::string_view path);

// Sets `key` in `section` to `value`, written verbatim; creates the key, the
// section (at the end) and the file when missing. Never creates folders.
WriteResult writeString(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view path);

// Several writes to one file committed as one replacement of the file; the
// result equals that of the same writeString calls one by one.
class WriteBatch {
public:
    explicit WriteBatch(std::string_view path);
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    // Keep the file's current bytes in the backup store (common/backup)
    // before replacing it; the write fails when they cannot be kept.
    void keepBackup() { keepBackup_ = true; }
    // Write only if the file still holds `content`, else fail and leave it.
    void requireContent(FileContent content) { required_ = std::move(content); }
    WriteResult commit();

private:
    struct Entry {
        std::string section, key, value;
    };
    std::string path_;
    std::vector<Entry> entries_;
    bool keepBackup_ = false;
    std::optional<FileContent> required_;
};

} // namespace profile

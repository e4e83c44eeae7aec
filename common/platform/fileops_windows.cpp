#include "common/platform/fileops.h"
#include "common/platform/hostpath.h"

#include <cstdio>
#include <string>
#include <vector>
#include <windows.h>

namespace platform {
namespace {

class Handle {
public:
    explicit Handle(HANDLE handle)
        : handle_(handle) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close() {
        const bool closed = !isOpen() || ::CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

bool copyBytes(HANDLE in, HANDLE out) {
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(in, buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr))
            return false;
        if (read == 0)
            return true;
        DWORD written = 0;
        if (!::WriteFile(out, buffer.data(), read, &written, nullptr) || written != read)
            return false;
    }
}

} // namespace

// Our own loop instead of CopyFile: whether CopyFile removes a target it
// left half-written is not promised everywhere (Wine among them).
bool copyFileNoOverwrite(std::string_view from, std::string_view to) {
    const std::filesystem::path source = hostPath(from);
    const std::filesystem::path target = hostPath(to);
    // Without backup semantics a folder does not open, as CopyFile refuses it.
    Handle in(::CreateFileW(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!in.isOpen())
        return false;
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(in.get(), &info))
        return false;
    // CREATE_NEW fails when the target exists: no check-then-act.
    Handle out(::CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out.isOpen())
        return false;
    const bool copied = copyBytes(in.get(), out.get()) && ::FlushFileBuffers(out.get()) &&
                        ::SetFileTime(out.get(), nullptr, nullptr, &info.ftLastWriteTime);
    if (!out.close() || !copied) {
        ::DeleteFileW(target.c_str());
        return false;
    }
    // Attributes as CopyFile gives them, read-only included, once the bytes are whole.
    ::SetFileAttributesW(target.c_str(), info.dwFileAttributes & ~FILE_ATTRIBUTE_DIRECTORY);
    return true;
}

bool renameNoReplace(std::string_view from, std::string_view to) {
    // Without MOVEFILE_REPLACE_EXISTING the move fails when the target exists.
    return ::MoveFileExW(hostPath(from).c_str(), hostPath(to).c_str(), MOVEFILE_WRITE_THROUGH) != 0;
}

bool deleteFile(std::string_view path) {
    return ::DeleteFileW(hostPath(path).c_str()) != 0;
}

std::FILE* openFile(std::string_view path, const char* mode) {
    const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return ::_wfopen(hostPath(path).c_str(), wideMode.c_str());
}

} // namespace platform

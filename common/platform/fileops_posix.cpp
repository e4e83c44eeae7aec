#include "common/platform/fileops.h"
#include "common/platform/hostpath.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

class Descriptor {
public:
    explicit Descriptor(int fd)
        : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool closeChecked() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, const char* data, ssize_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<std::size_t>(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

bool copyContents(int in, int out) {
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(in, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (got == 0)
            return true;
        if (!writeAll(out, buffer, got))
            return false;
    }
}

} // namespace

bool copyFileNoOverwrite(std::string_view from, std::string_view to) {
    const std::string source = hostPath(from).string();
    const std::string target = hostPath(to).string();

    Descriptor in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info;
    if (in.get() < 0 || ::fstat(in.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;

    // O_EXCL makes the existence test and the creation one step.
    Descriptor out(
        ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, info.st_mode & 0777));
    if (out.get() < 0)
        return false;

    // The copy is often the only other copy of a file about to be rewritten:
    // make it durable before reporting success.
    const timespec times[2] = {info.st_atim, info.st_mtim};
    const bool copied = copyContents(in.get(), out.get()) && ::futimens(out.get(), times) == 0 &&
                        ::fsync(out.get()) == 0 && out.closeChecked();
    if (!copied) {
        ::unlink(target.c_str());
        return false;
    }
    return true;
}

bool renameNoReplace(std::string_view from, std::string_view to) {
    const std::string source = hostPath(from).string();
    const std::string target = hostPath(to).string();

    if (::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return false;

    // File systems without RENAME_NOREPLACE: a hard link is refused when the
    // target exists, so link + unlink keeps the refusal atomic.
    struct stat info;
    if (::lstat(source.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    if (::link(source.c_str(), target.c_str()) != 0)
        return false;
    if (::unlink(source.c_str()) != 0) {
        ::unlink(target.c_str());
        return false;
    }
    return true;
}

bool deleteFile(std::string_view path) {
    return ::unlink(hostPath(path).string().c_str()) == 0;
}

std::FILE* openFile(std::string_view path, const char* mode) {
    std::FILE* file = std::fopen(hostPath(path).string().c_str(), mode);
    if (!file)
        return nullptr;
    struct stat info;
    if (::fstat(::fileno(file), &info) != 0 || S_ISDIR(info.st_mode)) {
        std::fclose(file);
        return nullptr;
    }
    return file;
}

} // namespace platform

#pragma once
// A fresh temporary folder per test, removed afterwards, with small helpers
// to lay down and read back files byte for byte.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace testing_support {

class TempDir {
public:
    TempDir() {
        // create_directory is exclusive: a name another process took is skipped.
        std::random_device seed;
        std::mt19937_64 random(seed());
        const auto base = std::filesystem::temp_directory_path();
        for (;;) {
            path_ = base / ("volaro-" + std::to_string(random() % 1000000000));
            if (std::filesystem::create_directory(path_))
                break;
        }
    }
    ~TempDir() {
        // Read-only entries would stop the removal (on Windows even of a file).
        std::error_code ignored;
        const auto writable = [&](const std::filesystem::path& p) {
            std::filesystem::permissions(p, std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
        };
        writable(path_);
        for (auto it = std::filesystem::recursive_directory_iterator(path_, ignored);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ignored))
            writable(it->path());
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// How many entries `dir` holds (a stray temporary file shows here).
inline std::size_t entriesIn(const std::filesystem::path& dir) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir))
        ++n;
    return n;
}

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace testing_support

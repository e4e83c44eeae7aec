// The gauge signature check on a 64 MB file: MD5 read in 16 KiB blocks.
// The file is read from the page cache after the first pass, as a gauge the
// installer has just copied would be.
#include "upgrader/signature.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr std::size_t kFileSize = 64u << 20;

class SignatureFile {
public:
    SignatureFile() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "volaro-bench-XXXXXX").string();
        path_ = std::string(::mkdtemp(pattern.data())) + "/gauge.gau";
        std::ofstream out(path_, std::ios::binary);
        std::string block(1u << 20, '\0');
        for (std::size_t i = 0; i < block.size(); ++i)
            block[i] = static_cast<char>((i * 131 + 7) & 0xff);
        for (std::size_t written = 0; written < kFileSize; written += block.size())
            out.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
    ~SignatureFile() { std::filesystem::remove_all(std::filesystem::path(path_).parent_path()); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

void CheckSignature64MB(benchmark::State& state) {
    const SignatureFile file;
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckSignature(file.path(), "00000000000000000000000000000000"));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(kFileSize));
    // Leaves the file for an `md5sum` comparison when asked to.
    if (const char* keep = std::getenv("VOLARO_BENCH_KEEP")) {
        std::filesystem::copy_file(file.path(), keep,
                                   std::filesystem::copy_options::overwrite_existing);
    }
}
BENCHMARK(CheckSignature64MB)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

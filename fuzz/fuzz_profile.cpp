// Any bytes as a profile file, then any sequence of reads and writes: nothing
// crashes, a written value reads back, and no line but the written one changes.
#include "common/profile/profile.h"
#include "common/profile/profiledocument.h"
#include "tests/support/textlines.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

// Input: file bytes, then "\n#OPS#\n", then operations, one per line:
// "section|key|value" writes, "section|key" reads.
constexpr std::string_view kSeparator = "\n#OPS#\n";

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

// Only the bytes of one line's content may disappear in a write.
void checkOnlyOneLineChanged(const std::string& before, const std::string& after) {
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const std::string_view removed(before.data() + prefix, before.size() - prefix - suffix);
    if (removed.find_first_of("\r\n") != std::string_view::npos)
        fail("a line other than the written one was lost");
}

std::string tempFile() {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("fuzz-profile-" + std::to_string(::getpid())))
            .string();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find(kSeparator);
    const std::string file(input.substr(0, split));
    std::string_view ops = split == std::string_view::npos
                               ? std::string_view()
                               : input.substr(split + kSeparator.size());

    profile::ProfileDocument document(file);
    profile::WriteBatch batch(tempFile());
    while (!ops.empty()) {
        const std::size_t end = ops.find('\n');
        const std::string_view op = ops.substr(0, end);
        ops = end == std::string_view::npos ? std::string_view() : ops.substr(end + 1);

        const std::size_t bar1 = op.find('|');
        if (bar1 == std::string_view::npos)
            continue;
        const std::string_view section = op.substr(0, bar1);
        const std::string_view rest = op.substr(bar1 + 1);
        const std::size_t bar2 = rest.find('|');
        const std::string_view key = rest.substr(0, bar2);
        if (bar2 == std::string_view::npos) {
            (void)document.find(section, key);
            continue;
        }
        const std::string_view value = rest.substr(bar2 + 1);
        if (!profile::invalidWrite(section, key, value).empty())
            continue;
        const std::string before = document.bytes();
        document.set(section, key, value);
        checkOnlyOneLineChanged(before, document.bytes());
        const auto found = document.find(section, key);
        if (!found || *found != testing_support::trimBlanks(value))
            fail("a written value does not read back");
        batch.writeString(section, key, value);
    }

    // The same writes through the file engine give the same bytes. Each
    // commit syncs to disk, so only one input in 64 takes this path.
    if (size % 64 != 0)
        return 0;
    std::ofstream(tempFile(), std::ios::binary | std::ios::trunc) << file;
    if (!batch.commit())
        fail("a valid batch failed");
    std::ifstream in(tempFile(), std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(in)), {});
    if (written != document.bytes())
        fail("the file differs from the edited document");
    return 0;
}

// Any argument vector through the upgrader's argument joining: nothing
// crashes, and the root is the joined arguments cut to fit its buffer.
#include "common/platform/hostpath.h"
#include "upgrader/rootargument.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t kLongestRoot = 259;
constexpr std::string_view kSwitchMarkers = "-/";

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

} // namespace

// Input: one byte for the longest usable root, then the arguments separated
// by NUL bytes, as UTF-8 (so any character, also one Windows-1252 lacks);
// the root is host path text, as the upgrader composes it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::size_t maxRoot = data[0] * 2u;
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    QStringList arguments;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\0');
        const std::string_view argument = rest.substr(0, end);
        arguments.append(
            QString::fromUtf8(argument.data(), static_cast<qsizetype>(argument.size())));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }

    Upgrade2CommandLine line;
    parseArguments(arguments, kSwitchMarkers, line);

    std::string joined;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        std::string text = platform::pathText(arguments[i]);
        if (!text.empty() && kSwitchMarkers.find(text.front()) != std::string_view::npos)
            text.erase(0, 1);
        if (i > 0)
            joined += ' ';
        joined += text;
    }
    if (line.root().size() > kLongestRoot)
        fail("the root is longer than its buffer");
    if (line.root() != joined.substr(0, kLongestRoot))
        fail("the root is not the joined arguments");
    if (line.tooLong() != (joined.size() > kLongestRoot))
        fail("too long is told wrongly");

    const auto problem = rootProblem(arguments, kSwitchMarkers, maxRoot);
    if (!problem && (line.tooLong() || line.root().size() > maxRoot))
        fail("an unusable root passes");
    return 0;
}

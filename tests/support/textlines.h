#pragma once
// Profile file bytes seen line by line, for checks that every line but the
// ones a write touched survives.

#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

// `text` without leading and trailing blanks and tabs.
inline std::string_view trimBlanks(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return {};
    return text.substr(start, text.find_last_not_of(" \t") - start + 1);
}

// The line texts of `bytes` (CR LF, LF and CR each end a line) for which
// `keep` holds.
template <typename Keep> std::vector<std::string> lineTexts(std::string_view bytes, Keep keep) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = bytes.size();
        const std::string_view line = bytes.substr(pos, end - pos);
        if (keep(line))
            lines.emplace_back(line);
        if (end < bytes.size())
            end += bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        pos = end;
    }
    return lines;
}

} // namespace testing_support

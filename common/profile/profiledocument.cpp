#include "common/profile/profiledocument.h"

#include "common/text/caseinsensitive.h"

#include <cctype>

namespace profile {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

enum class LineKind { Other, Section, Key };

// One line of the file: [begin, contentEnd) is its text, [contentEnd, end)
// its line ending (CR LF, LF or CR; empty on a last line without one).
struct Line {
    std::size_t begin = 0;
    std::size_t contentEnd = 0;
    std::size_t end = 0;
    LineKind kind = LineKind::Other;
    std::string_view name;  // section or key name, trimmed
    std::string_view value; // key value, trimmed
};

class LineReader {
public:
    explicit LineReader(std::string_view bytes)
        : bytes_(bytes) {}

    bool next(Line& line) {
        if (pos_ >= bytes_.size())
            return false;
        line = Line{};
        line.begin = pos_;
        std::size_t i = pos_;
        while (i < bytes_.size() && bytes_[i] != '\n' && bytes_[i] != '\r')
            ++i;
        line.contentEnd = i;
        if (i < bytes_.size()) {
            i += (bytes_[i] == '\r' && i + 1 < bytes_.size() && bytes_[i + 1] == '\n') ? 2 : 1;
        }
        line.end = pos_ = i;
        classify(line);
        return true;
    }

private:
    void classify(Line& line) const {
        const std::string_view text = trim(bytes_.substr(line.begin, line.contentEnd - line.begin));
        if (text.empty() || text.front() == ';')
            return;
        if (text.front() == '[') {
            const std::size_t close = text.find(']');
            if (close != std::string_view::npos) {
                line.kind = LineKind::Section;
                line.name = trim(text.substr(1, close - 1));
                return;
            }
        }
        const std::size_t equals = text.find('=');
        if (equals == std::string_view::npos)
            return;
        line.kind = LineKind::Key;
        line.name = trim(text.substr(0, equals));
        line.value = trim(text.substr(equals + 1));
    }

    std::string_view bytes_;
    std::size_t pos_ = 0;
};

} // namespace

std::optional<std::string_view> ProfileDocument::find(std::string_view section,
                                                      std::string_view key) const {
    LineReader reader(bytes_);
    Line line;
    bool inSection = false;
    while (reader.next(line)) {
        if (line.kind == LineKind::Section) {
            if (inSection)
                return std::nullopt; // only the first section of that name counts
            inSection = text::equalsIgnoringCase(line.name, section);
        } else if (inSection && line.kind == LineKind::Key &&
                   text::equalsIgnoringCase(line.name, key)) {
            return line.value;
        }
    }
    return std::nullopt;
}

std::vector<std::string_view> ProfileDocument::keys(std::string_view section) const {
    std::vector<std::string_view> names;
    LineReader reader(bytes_);
    Line line;
    bool inSection = false;
    while (reader.next(line)) {
        if (line.kind == LineKind::Section) {
            if (inSection)
                break;
            inSection = text::equalsIgnoringCase(line.name, section);
        } else if (inSection && line.kind == LineKind::Key) {
            names.push_back(line.name);
        }
    }
    return names;
}

std::string_view ProfileDocument::lineEnding() const {
    // Follow the file's own convention; new files get the simulator's CR LF.
    const std::size_t i = bytes_.find_first_of("\r\n");
    if (i == std::string::npos)
        return "\r\n";
    if (bytes_[i] == '\n')
        return "\n";
    return (i + 1 < bytes_.size() && bytes_[i + 1] == '\n') ? "\r\n" : "\r";
}

void ProfileDocument::set(std::string_view section, std::string_view key, std::string_view value) {
    LineReader reader(bytes_);
    Line line;
    bool inSection = false;
    std::optional<Line> anchor; // header or last key line of the section
    while (reader.next(line)) {
        if (line.kind == LineKind::Section) {
            if (inSection)
                break;
            inSection = text::equalsIgnoringCase(line.name, section);
            if (inSection)
                anchor = line;
        } else if (inSection && line.kind == LineKind::Key) {
            if (text::equalsIgnoringCase(line.name, key)) {
                // Keep the file's spelling of the name.
                std::string replacement(line.name);
                replacement += '=';
                replacement += value;
                bytes_.replace(line.begin, line.contentEnd - line.begin, replacement);
                return;
            }
            anchor = line;
        }
    }

    const std::string_view eol = lineEnding();
    std::string keyLine(key);
    keyLine += '=';
    keyLine += value;

    if (anchor) {
        if (anchor->end == anchor->contentEnd) // last line of the file, without an ending
            bytes_.insert(anchor->end, std::string(eol) + keyLine);
        else // the anchor's own ending: a lone CR must not meet a following LF
            bytes_.insert(anchor->end, keyLine + bytes_.substr(anchor->contentEnd,
                                                               anchor->end - anchor->contentEnd));
        return;
    }

    if (!bytes_.empty() && bytes_.back() != '\n' && bytes_.back() != '\r')
        bytes_ += eol;
    bytes_ += '[';
    bytes_ += section;
    bytes_ += ']';
    bytes_ += eol;
    bytes_ += keyLine;
    bytes_ += eol;
}

std::string invalidWrite(std::string_view section, std::string_view key, std::string_view value) {
    const auto hasLineBreak = [](std::string_view text) {
        return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
    };
    if (hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value))
        return "a name or value holds a line break";
    if (section.empty() || trim(section) != section || section.find(']') != std::string_view::npos)
        return "the section name is not usable";
    const std::string_view name = trim(key);
    if (name.empty() || name != key || key.find('=') != std::string_view::npos ||
        key.front() == '[' || key.front() == ';')
        return "the key name is not usable";
    return {};
}

} // namespace profile

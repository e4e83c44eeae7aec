#include "common/platform/keyboardlayout.h"

#include <cctype>
#include <fstream>
#include <optional>

namespace platform {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view unquoted(std::string_view text) {
    text = trimmed(text);
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front())
        text = text.substr(1, text.size() - 2);
    return trimmed(text);
}

std::string lowered(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

// NAME=value lines of a shell-style file (etc/default/keyboard, vconsole.conf).
std::optional<std::string> shellVariable(const std::filesystem::path& file, std::string_view name) {
    std::ifstream in(file, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        std::string_view text = trimmed(line);
        if (text.substr(0, 7) == "export ")
            text = trimmed(text.substr(7));
        if (text.size() > name.size() && text.substr(0, name.size()) == name &&
            text[name.size()] == '=')
            return std::string(unquoted(text.substr(name.size() + 1)));
    }
    return std::nullopt;
}

// Option "XkbLayout" "fr" of an X server configuration file.
std::optional<std::string> xorgLayout(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        std::string_view text = trimmed(line);
        if (text.empty() || text.front() == '#')
            continue;
        const std::string lower = lowered(text);
        const auto at = lower.find("\"xkblayout\"");
        if (lower.rfind("option", 0) != 0 || at == std::string::npos)
            continue;
        std::string_view rest = text.substr(at + 11);
        const auto open = rest.find('"');
        const auto close = rest.find('"', open + 1);
        if (open != std::string_view::npos && close != std::string_view::npos)
            return std::string(rest.substr(open + 1, close - open - 1));
    }
    return std::nullopt;
}

} // namespace

std::uint16_t languageOfXkbLayout(std::string_view layouts) {
    std::string first = lowered(trimmed(layouts.substr(0, layouts.find(','))));
    first = std::string(trimmed(first.substr(0, first.find('('))));
    return first == "fr" ? kFrenchFranceLanguage : kUsEnglishLanguage;
}

std::string configuredXkbLayout(const std::filesystem::path& root) {
    const auto named = [](const std::optional<std::string>& value) {
        return value && !trimmed(*value).empty();
    };
    if (auto layout = xorgLayout(root / "etc/X11/xorg.conf.d/00-keyboard.conf"); named(layout))
        return *layout;
    if (auto layout = shellVariable(root / "etc/default/keyboard", "XKBLAYOUT"); named(layout))
        return *layout;
    if (auto layout = shellVariable(root / "etc/vconsole.conf", "XKBLAYOUT"); named(layout))
        return *layout;
    // Console keymaps are named "fr", "fr-latin9", "fr_CH-latin1", "de-latin1".
    if (auto keymap = shellVariable(root / "etc/vconsole.conf", "KEYMAP"); named(keymap))
        return keymap->substr(0, keymap->find('-'));
    return {};
}

} // namespace platform

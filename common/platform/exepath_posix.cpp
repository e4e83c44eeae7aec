#include "common/platform/exepath.h"
#include "common/platform/hostpath.h"
#include "common/text/caseinsensitive.h"

#include <QString>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace platform {
namespace {

std::optional<std::string> fitting(std::string value, int capacity) {
    if (value.size() + 1 > static_cast<std::size_t>(capacity))
        return std::nullopt;
    return value;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    return std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
}

// A quoted value of a Wine registry file: \\ \" \n and \xHHHH escapes.
std::optional<QString> unescapeRegValue(std::string_view quoted) {
    if (quoted.empty() || quoted.front() != '"')
        return std::nullopt;
    QString value;
    for (std::size_t i = 1; i < quoted.size(); ++i) {
        const char c = quoted[i];
        if (c == '"')
            return value;
        if (c != '\\' || i + 1 == quoted.size()) {
            value.append(QChar(static_cast<char16_t>(static_cast<unsigned char>(c))));
            continue;
        }
        const char next = quoted[++i];
        if (next == 'x') {
            std::size_t digits = 0;
            char16_t code = 0;
            while (digits < 4 && i + 1 < quoted.size() &&
                   std::isxdigit(static_cast<unsigned char>(quoted[i + 1]))) {
                code = static_cast<char16_t>(code * 16 + hexValue(quoted[++i]));
                ++digits;
            }
            value.append(QChar(code));
        } else if (next == 'n') {
            value.append(QLatin1Char('\n'));
        } else if (next == 't') {
            value.append(QLatin1Char('\t'));
        } else {
            value.append(QChar(static_cast<char16_t>(static_cast<unsigned char>(next))));
        }
    }
    return std::nullopt; // no closing quote
}

// "EXE Path" from the prefix's system.reg, under the plain key or, for a
// 64-bit prefix, its 32-bit view.
std::optional<std::string> readWineRegistry() {
    std::ifstream file(winePrefix() / "system.reg", std::ios::binary);
    if (!file)
        return std::nullopt;
    const std::string_view keys[] = {
        R"([Software\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0])",
        R"([Software\\Wow6432Node\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0])"};
    const std::string_view valueName = R"("EXE Path"=)";

    std::optional<std::string> found[2];
    int section = -1;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.front() == '[') {
            section = -1;
            for (int k = 0; k < 2; ++k) {
                if (text::startsWithIgnoringCase(line, keys[k]))
                    section = k;
            }
            continue;
        }
        if (section < 0 || found[section] || !text::startsWithIgnoringCase(line, valueName))
            continue;
        std::string_view rest = std::string_view(line).substr(valueName.size());
        if (text::startsWithIgnoringCase(rest, "str(2):"))
            rest.remove_prefix(7);
        if (const auto value = unescapeRegValue(rest))
            found[section] = pathText(*value);
    }
    return found[0] ? found[0] : found[1];
}

} // namespace

std::optional<std::string> readExePath(const ExePathSource& source, int capacity) {
    // The host's own bytes from the command line and the environment: any
    // folder name the host can open stays usable.
    if (source.fsRoot)
        return fitting(pathText(QString::fromStdString(*source.fsRoot)), capacity);
    if (const char* env = std::getenv(kFsRootEnv); env && *env)
        return fitting(env, capacity);
    if (auto value = readWineRegistry())
        return fitting(std::move(*value), capacity);
    return std::nullopt;
}

const char* exePathStoreName() {
    return "the Wine registry";
}

std::string currentDirectory() {
    std::error_code error;
    const std::filesystem::path cwd = std::filesystem::current_path(error);
    return error ? std::string() : cwd.string();
}

} // namespace platform

#include "common/platform/hostpath.h"
#include "common/text/caseinsensitive.h"

#include <QByteArray>
#include <QFile>
#include <cctype>
#include <cstdlib>
#include <dirent.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace fs = std::filesystem;

namespace platform {
namespace {

bool exists(const std::string& path) {
    struct stat info;
    return ::lstat(path.c_str(), &info) == 0;
}

// The entry of `folder` spelled like `name` ignoring case, if any. The first
// one in directory order wins, as on a case-insensitive file system.
std::string findIgnoringCase(const std::string& folder, const std::string& name) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.empty() ? "." : folder.c_str()),
                                                  &::closedir);
    if (!dir)
        return {};
    while (const dirent* entry = ::readdir(dir.get())) {
        if (text::equalsIgnoringCase(entry->d_name, name))
            return entry->d_name;
    }
    return {};
}

std::vector<std::string> splitComponents(const std::string& text) {
    std::vector<std::string> parts;
    std::string part;
    for (const char c : text) {
        if (c == '/') {
            if (!part.empty())
                parts.push_back(std::move(part));
            part.clear();
        } else {
            part.push_back(c);
        }
    }
    if (!part.empty())
        parts.push_back(std::move(part));
    return parts;
}

// "C:" maps to the prefix's dosdevices link, or to drive_c for C: alone.
std::string driveFolder(char letter) {
    const fs::path prefix = winePrefix();
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    const fs::path device = prefix / "dosdevices" / std::string{lower, ':'};
    if (exists(device.string()) || lower != 'c')
        return device.string();
    return (prefix / "drive_c").string();
}

} // namespace

QString qtPath(const fs::path& path) {
    return QFile::decodeName(path.c_str());
}

std::string pathText(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

QString fromPathText(std::string_view text) {
    return QFile::decodeName(QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

fs::path winePrefix() {
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix)
        return fs::path(prefix);
    const char* home = std::getenv("HOME");
    return fs::path(home ? home : "") / ".wine";
}

fs::path hostPath(std::string_view windowsPath) {
    // Path text is the host's own bytes here; '\\' never occurs inside a
    // UTF-8 sequence, so only separators change.
    std::string text(windowsPath);
    for (char& c : text) {
        if (c == '\\')
            c = '/';
    }

    std::string resolved;
    if (text.size() >= 2 && text[1] == ':' && std::isalpha(static_cast<unsigned char>(text[0]))) {
        resolved = driveFolder(text[0]);
        text.erase(0, 2);
    } else if (!text.empty() && text[0] == '/') {
        resolved = '/';
    }

    bool searching = true; // stop searching below the first missing component
    for (const std::string& part : splitComponents(text)) {
        const std::string base = resolved;
        if (!resolved.empty() && resolved.back() != '/')
            resolved.push_back('/');
        if (!searching || part == "." || part == "..") {
            resolved += part;
            continue;
        }
        if (exists(resolved + part)) {
            resolved += part;
            continue;
        }
        const std::string match = findIgnoringCase(base, part);
        if (match.empty()) {
            searching = false;
            resolved += part;
        } else {
            resolved += match;
        }
    }
    return fs::path(resolved);
}

} // namespace platform

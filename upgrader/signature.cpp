#include "upgrader/signature.h"
#include "common/platform/fileops.h"

#include <QCryptographicHash>
#include <cstdio>
#include <memory>

namespace {
using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;
constexpr std::size_t kBlockSize = 16384;
} // namespace

std::optional<std::string> FileSignature(std::string_view path) {
    const File file(platform::openFile(path, "rb"), &std::fclose);
    if (!file)
        return std::nullopt;
    QCryptographicHash md5(QCryptographicHash::Md5);
    char block[kBlockSize];
    std::size_t got;
    while ((got = std::fread(block, 1, sizeof block, file.get())) > 0)
        md5.addData(QByteArrayView(block, static_cast<qsizetype>(got)));
    return md5.result().toHex().toUpper().toStdString();
}

SignatureResult CheckSignature(std::string_view path, std::string_view expected) {
    const std::optional<std::string> signature = FileSignature(path);
    if (!signature)
        return SignatureNotFound;
    return *signature == expected ? SignatureMatch : SignatureMismatch;
}

bool FileExists(std::string_view path) {
    const File file(platform::openFile(path, "r"), &std::fclose);
    return file != nullptr;
}

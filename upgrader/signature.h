#pragma once
// The two file tests of the upgrade. Paths are Windows path text.

#include <optional>
#include <string>
#include <string_view>

enum SignatureResult { SignatureMatch = 0, SignatureNotFound = 1, SignatureMismatch = 2 };

// MD5 of the file as 32 upper-case hex digits, read in 16 KiB blocks (never
// whole in memory); nothing when the file cannot be opened.
std::optional<std::string> FileSignature(std::string_view path);

// The file's MD5 against `expected`, compared exactly: lower-case or empty
// expected texts never match.
SignatureResult CheckSignature(std::string_view path, std::string_view expected);

// Whether the file can be opened for reading.
bool FileExists(std::string_view path);

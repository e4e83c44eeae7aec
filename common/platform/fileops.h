#pragma once
// File operations with the results the Windows file functions give, on any
// host. Paths are Windows path text (Windows-1252), mapped to the host by
// hostPath(). None of them checks first and acts afterwards: the refusal to
// overwrite is made by the file system in the same call that would write.

#include <cstdio>
#include <string_view>

namespace platform {

// Copies `from` to `to`, failing when `to` exists (also under another letter
// case) or `from` cannot be read. The target is created exclusively; a copy
// that fails half-way is removed, so `to` either is a whole copy or is not
// there. True on success.
bool copyFileNoOverwrite(std::string_view from, std::string_view to);

// Renames `from` to `to`, failing when `to` exists. True on success.
bool renameNoReplace(std::string_view from, std::string_view to);

// Deletes the file `path` (never a folder). True on success.
bool deleteFile(std::string_view path);

// Opens a file as fopen(path, mode) does on Windows: a folder never opens.
// nullptr on failure. The caller closes it with std::fclose.
std::FILE* openFile(std::string_view path, const char* mode);

} // namespace platform

#pragma once
// The system's 8-bit text is Windows-1252; widgets and the host's file names
// speak Unicode. Convert only at those edges.

#include <QString>
#include <string>
#include <string_view>

namespace platform {

QString fromWindows1252(std::string_view bytes);
// Characters Windows-1252 cannot hold become '?'.
std::string toWindows1252(const QString& text);

} // namespace platform

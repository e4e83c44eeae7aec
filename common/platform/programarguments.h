#pragma once
// Command-line conventions of the host.

#include <QStringList>
#include <string>
#include <string_view>

namespace platform {

// The characters that mark an argument as a switch when they lead it. On
// Windows "-" and "/" both do; elsewhere only "-", since "/" begins every
// absolute path.
std::string_view switchMarkers();

// The program's arguments after its name, as Qt would give them, but before
// any application object exists (the arguments decide which one to make).
// Windows: from the wide command line, so no character is lost to the ANSI
// code page; elsewhere `argv` in the locale's encoding.
QStringList commandLineArguments(int argc, char* argv[]);

// An environment variable as the host's command shell writes it, for help
// texts: $NAME, or %NAME% on Windows.
std::string shellVariable(std::string_view name);

} // namespace platform

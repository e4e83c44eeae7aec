#pragma once
// Command-line conventions of the host.

#include <string_view>

namespace platform {

// The characters that mark an argument as a switch when they lead it. On
// Windows "-" and "/" both do; elsewhere only "-", since "/" begins every
// absolute path.
std::string_view switchMarkers();

} // namespace platform

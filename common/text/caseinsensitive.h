#pragma once
// Names the simulator and Windows match without regard to case (sections and
// keys of profile files, file names, aircraft designations): ASCII letters
// only, as the Windows-1252 files and the "C" locale have them.

#include <string_view>

namespace text {

bool equalsIgnoringCase(std::string_view a, std::string_view b);
bool startsWithIgnoringCase(std::string_view text, std::string_view prefix);

} // namespace text

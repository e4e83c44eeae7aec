#pragma once
// The font families the tools are drawn in travel with the Windows programs,
// in a "fonts" folder beside them; on Linux the system has the same ones.
// Windows and the load sheet then look alike everywhere, also in a Wine
// prefix that has none of Windows' own fonts.

#include <QFont>

namespace ui {

// The family of the dialogs and of every document.
inline constexpr const char* kShippedFamily = "Liberation Sans";

// Makes the font files of the "fonts" folder beside the program known to the
// application, once. Needs the application object; does nothing where there
// is no such folder.
void loadShippedFonts();

// loadShippedFonts, and where fonts are shipped but the system lacks the
// family of its own dialog font, the shipped family for every window (the
// message boxes too) at the system's size. Needs the QApplication.
void useShippedFonts();

// The font of a document page: the shipped family whenever it is there (it is
// loaded first), else the application's font.
QFont documentFont(int points, bool bold);

} // namespace ui

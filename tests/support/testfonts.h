#pragma once
// Text measured by the tests needs a real font. A machine whose font
// configuration yields none draws every glyph as a box one em wide; the
// fonts the setup installs are then loaded from their files.

namespace testing_support {

// Call once the application object exists.
void ensureRealFont();

} // namespace testing_support

#pragma once
// What a window asks at OK when a file it read was changed by another
// program since (a text editor, the simulator).

#include "common/profile/profile.h"

#include <QStringList>
#include <string_view>

class QWidget;

namespace ui {

// True when `changedFiles` is empty or the user chose to overwrite those
// changes; false when the user chose to keep the files as they are now.
bool overwriteOutsideChanges(QWidget* owner, const QStringList& changedFiles);

// The same for one file (path text) that the window read as `read`: when the
// user chooses to overwrite, `read` becomes what the file holds now, so that
// the write that follows checks against that.
bool overwriteOutsideChange(QWidget* owner, std::string_view path, profile::FileContent& read);

} // namespace ui

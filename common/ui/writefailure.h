#pragma once
// Tells the user that a file could not be written, instead of the message
// that would have said all went well.

#include "common/profile/profile.h"

#include <QString>

class QWidget;

namespace ui {

// The text of that message: what was not saved, the file and the reason.
QString writeFailureText(const QString& what, const profile::WriteResult& result);

// An "ERROR" box with that text, owned by `owner`.
void reportWriteFailure(QWidget* owner, const QString& what, const profile::WriteResult& result);

} // namespace ui

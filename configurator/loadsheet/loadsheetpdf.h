#pragma once
// The load sheet as a one-page PDF (Qt's PDF writer). Only drawing here: the
// texts come from the sheet.

#include "configurator/loadsheet/loadsheet.h"

#include <QString>

namespace loadsheet {

// Writes `sheet` to `hostPath` through a temporary file renamed into place,
// so that a failure leaves no half-written file (and an older file whole).
// Returns an empty string, or why the file could not be written.
QString writePdf(const Sheet& sheet, const QString& hostPath);

} // namespace loadsheet

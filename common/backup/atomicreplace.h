#pragma once
// One replacement of a whole file: a reader, a crash or a full disk sees the
// old file or the new one, never a mix.

#include <QByteArray>
#include <QString>

namespace backup {

// Writes `bytes` to a temporary file beside `file`, flushes it to disk and
// renames it over `file`, keeping its permissions. Empty on success, else
// why it failed (the old file is then untouched).
QString replaceFile(const QString& file, const QByteArray& bytes);

} // namespace backup

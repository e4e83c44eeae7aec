#pragma once
// How `backups` and `restore` write what they name: a kept version's time,
// its size, a path in the host's form.

#include <QDateTime>
#include <QString>

namespace backup_text {

QString shownTime(const QDateTime& time); // "2026-12-10 13:27:25.123 UTC"
QString native(const QString& path);
QString bytes(qint64 size); // "1 byte", "24 bytes"

} // namespace backup_text

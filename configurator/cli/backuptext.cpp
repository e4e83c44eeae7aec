#include "configurator/cli/backuptext.h"

#include <QDir>

namespace backup_text {

QString shownTime(const QDateTime& time) {
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")) + QStringLiteral(" UTC");
}

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString bytes(qint64 size) {
    return size == 1 ? QStringLiteral("1 byte") : QStringLiteral("%1 bytes").arg(size);
}

} // namespace backup_text

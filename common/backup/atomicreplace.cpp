#include "common/backup/atomicreplace.h"

#include <QSaveFile>

namespace backup {

QString replaceFile(const QString& file, const QByteArray& bytes) {
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return out.errorString();
    if (out.write(bytes) != bytes.size()) {
        const QString reason = out.errorString();
        out.cancelWriting();
        return reason;
    }
    if (!out.commit())
        return out.errorString();
    return {};
}

} // namespace backup

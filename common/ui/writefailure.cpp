#include "common/ui/writefailure.h"

#include "common/ui/messagebox.h"

namespace ui {

QString writeFailureText(const QString& what, const profile::WriteResult& result) {
    return QStringLiteral("The %1 could not be saved in the file\n%2\n(%3).\n"
                          "That file has been left as it was.")
        .arg(what, QString::fromStdString(result.hostPath), QString::fromStdString(result.reason));
}

void reportWriteFailure(QWidget* owner, const QString& what, const profile::WriteResult& result) {
    showMessage(owner, writeFailureText(what, result), QStringLiteral("ERROR"), MessageIcon::Error);
}

} // namespace ui

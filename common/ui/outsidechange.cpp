#include "common/ui/outsidechange.h"

#include "common/ui/messagebox.h"

namespace ui {

bool overwriteOutsideChanges(QWidget* owner, const QStringList& changedFiles) {
    if (changedFiles.isEmpty())
        return true;
    const QString text =
        (changedFiles.size() == 1
             ? QStringLiteral("Another program has changed this file since the window opened:\n")
             : QStringLiteral(
                   "Another program has changed these files since the window opened:\n")) +
        changedFiles.join(u'\n') +
        QStringLiteral("\n\nOverwrite: save your settings over that change.\n"
                       "Cancel: keep the file as it is now and go back to the window.");
    return askToProceed(owner, text, QStringLiteral("File changed"), QStringLiteral("Overwrite"),
                        QStringLiteral("Cancel"));
}

bool overwriteOutsideChange(QWidget* owner, std::string_view path, profile::FileContent& read) {
    profile::FileContent now = profile::readContent(path);
    if (now == read)
        return true;
    if (!overwriteOutsideChanges(owner, {QString::fromStdString(profile::hostFileName(path))}))
        return false;
    read = std::move(now);
    return true;
}

} // namespace ui

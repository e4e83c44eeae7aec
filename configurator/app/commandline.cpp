#include "configurator/app/commandline.h"

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine line;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if (word == QStringLiteral("--fs-root")) {
            if (i + 1 >= arguments.size()) {
                line.error = QStringLiteral("--fs-root needs a folder");
                return line;
            }
            line.fsRoot = arguments[++i].toStdString();
        } else if (word.startsWith(QStringLiteral("--fs-root="))) {
            line.fsRoot = word.mid(10).toStdString();
        } else {
            line.words.append(word);
        }
    }
    return line;
}

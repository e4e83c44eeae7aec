// Set before main, so that every save a test makes, in this process or in a
// program it starts, keeps its backups in the build folder. Tests of the
// backups themselves choose a folder of their own.
#include <QByteArray>
#include <QtGlobal>

namespace {

const bool kBackupsInTheBuildFolder = [] {
    if (!qEnvironmentVariableIsSet("VOLARO_BACKUP_DIR"))
        qputenv("VOLARO_BACKUP_DIR", QByteArray(VOLARO_TEST_BACKUP_DIR));
    return true;
}();

} // namespace

#include "configurator/keys/keysscreenshots.h"

#include "common/ui/screenshot.h"
#include "configurator/keys/keyassigner.h"
#include "configurator/keys/keycapturefield.h"
#include "configurator/keys/keyconfig.h"
#include "configurator/session/installpaths.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

QStringList saveKeysScreenshots(const QString& dir) {
    // A table of its own: rendering must not change the run's shortcuts.
    keys::CommandTable table;
    QStringList written;

    keys::CKeyConfig config(table, PrefsPath);
    config.control<QComboBox>(keys::CKeyConfig::kCommandList)->setCurrentIndex(44); // slot 43
    if (const QString file = ui::saveScreenshot(config, dir, QStringLiteral("key-assignments"));
        !file.isEmpty())
        written << file;

    keys::CKeyAssigner assigner(table, 43);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F5, Qt::ShiftModifier | Qt::ControlModifier);
    QApplication::sendEvent(assigner.captureField(), &press);
    if (const QString file = ui::saveScreenshot(assigner, dir, QStringLiteral("key-assignment"));
        !file.isEmpty())
        written << file;
    return written;
}

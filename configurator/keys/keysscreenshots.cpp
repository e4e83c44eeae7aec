#include "configurator/keys/keysscreenshots.h"

#include "common/ui/messagebox.h"
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

    // CTRL + I, the INIT key's, chosen for AP1.
    constexpr int kAp1 = 38;
    const std::int32_t modifier = table.modifier(3), keyCode = table.keyCode(3);
    const keys::DuplicateQuestion question = keys::duplicateShortcutQuestion(
        table, kAp1, modifier, keyCode, table.slotsWithShortcut(modifier, keyCode, kAp1));
    ui::QuestionBox box(question.caption, question.text, question.replace, question.keepBoth,
                        &assigner);
    if (const QString file = ui::saveScreenshot(box, dir, QStringLiteral("key-duplicate-question"));
        !file.isEmpty())
        written << file;
    return written;
}

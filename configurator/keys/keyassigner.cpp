#include "configurator/keys/keyassigner.h"

#include "common/platform/windows1252.h"
#include "common/ui/messagebox.h"
#include "configurator/keys/keycapturefield.h"
#include "configurator/keys/keynames.h"

#include <QLineEdit>

namespace keys {
namespace {

constexpr ui::Control kControls[] = {
    {ui::kNoId, ui::Kind::GroupBox, "Command", 7, 7, 173, 33},
    {CKeyAssigner::kCommandName, ui::Kind::Edit, "", 17, 19, 152, 14, ui::Centered | ui::ReadOnly},
    {ui::kNoId, ui::Kind::GroupBox, "Key", 7, 43, 173, 33},
    {CKeyAssigner::kKeyCapture, ui::Kind::Custom, nullptr, 17, 54, 152, 14},
    {CKeyAssigner::kPrompt, ui::Kind::Text,
     "Press the key to assign,\nthen OK to accept or Cancel to abort.", 23, 83, 139, 17,
     ui::Centered},
    {1, ui::Kind::DefaultButton, "OK", 7, 108, 50, 14},
    {2, ui::Kind::PushButton, "Cancel", 130, 108, 50, 14},
};
constexpr ui::DialogTemplate kTemplate{"Key Assignment", 187, 129, kControls};

QString nameOf(const CommandTable& table, int slot) {
    return platform::fromWindows1252(table.name(slot));
}

} // namespace

DuplicateQuestion duplicateShortcutQuestion(const CommandTable& table, int slot,
                                            std::int32_t modifier, std::int32_t keyCode,
                                            const std::vector<int>& holders) {
    const QString shortcut = platform::fromWindows1252(shortcutText(modifier, keyCode));
    QString text = QStringLiteral("%1 is already assigned to\n").arg(shortcut);
    for (const int holder : holders)
        text += QStringLiteral("    %1\n").arg(nameOf(table, holder));
    if (holders.size() == 1) {
        text += QStringLiteral("\nReplace: %1 gets %2, and %3 is left with no key.\n"
                               "Keep Both: both commands react to %2.")
                    .arg(nameOf(table, slot), shortcut, nameOf(table, holders.front()));
    } else {
        text += QStringLiteral("\nReplace: %1 gets %2, and the commands above are left with no "
                               "key.\nKeep Both: all these commands react to %2.")
                    .arg(nameOf(table, slot), shortcut);
    }
    return {QStringLiteral("Key already assigned"), text, QStringLiteral("Replace"),
            QStringLiteral("Keep Both")};
}

CKeyAssigner::CKeyAssigner(CommandTable& table, int slot, QWidget* parent)
    : ui::TemplateDialog(kTemplate, parent)
    , table_(table)
    , slot_(slot) {
    setObjectName(QStringLiteral("CKeyAssigner"));
    control<QLineEdit>(kCommandName)->setText(platform::fromWindows1252(table_.name(slot_)));
    placeCustom(kKeyCapture, new KeyCaptureField);
    // Placed after the template's controls: Tab reaches it after the command name.
    setTabOrder(control(kCommandName), captureField());
    captureField()->setFocus();
}

KeyCaptureField* CKeyAssigner::captureField() const {
    return control<KeyCaptureField>(kKeyCapture);
}

void CKeyAssigner::showEvent(QShowEvent* event) {
    ui::TemplateDialog::showEvent(event);
    captureField()->setFocus();
}

void CKeyAssigner::onCommand(int id) {
    if (id != 1) {
        ui::TemplateDialog::onCommand(id);
        return;
    }
    const KeyCombination combination = captureField()->combination();
    if (combination.alt) {
        ui::showMessage(this, QStringLiteral("ALT modifier is not authorized, please use another."),
                        QStringLiteral("Error"), ui::MessageIcon::Error);
        captureField()->setFocus();
        return;
    }
    std::int32_t modifier = kNoModifier;
    if (combination.shift)
        modifier = kShift;
    if (combination.ctrl)
        modifier = combination.shift ? kShiftCtrl : kCtrl;
    const std::int32_t keyCode = keyCodeFromVirtualKey(combination.virtualKey);
    // Two commands on one shortcut both react to it in the cockpit: say so,
    // and let the user choose.
    const std::vector<int> holders = table_.slotsWithShortcut(modifier, keyCode, slot_);
    if (!holders.empty()) {
        const DuplicateQuestion question =
            duplicateShortcutQuestion(table_, slot_, modifier, keyCode, holders);
        if (ui::askToProceed(this, question.text, question.caption, question.replace,
                             question.keepBoth)) {
            for (const int holder : holders)
                table_.set(holder, kNoModifier, 0);
        }
    }
    table_.set(slot_, modifier, keyCode);
    ui::TemplateDialog::onCommand(id);
}

} // namespace keys

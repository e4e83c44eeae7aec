#pragma once
// CKeyAssigner: captures one key combination for one command slot and, on
// OK, stores it into that slot of the command table.

#include "common/ui/dialogtemplate.h"
#include "configurator/keys/commandtable.h"

#include <QString>
#include <vector>

namespace keys {

class KeyCaptureField;

// What the capture dialog asks when the shortcut chosen for `slot` is
// already `holders`' (other commands of `table`).
struct DuplicateQuestion {
    QString caption, text, replace, keepBoth;
};
DuplicateQuestion duplicateShortcutQuestion(const CommandTable& table, int slot,
                                            std::int32_t modifier, std::int32_t keyCode,
                                            const std::vector<int>& holders);

class CKeyAssigner : public ui::TemplateDialog {
    Q_OBJECT
public:
    enum : int { kCommandName = 1010, kKeyCapture = 1013, kPrompt = 1012 };

    CKeyAssigner(CommandTable& table, int slot, QWidget* parent = nullptr);

    KeyCaptureField* captureField() const;

protected:
    void onCommand(int id) override;
    void showEvent(QShowEvent* event) override;

private:
    CommandTable& table_;
    int slot_;
};

} // namespace keys

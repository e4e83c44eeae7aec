#include "configurator/keys/keyconfig.h"

#include "common/platform/windows1252.h"
#include "common/ui/messagebox.h"
#include "common/ui/outsidechange.h"
#include "common/ui/writefailure.h"
#include "configurator/keys/keyassigner.h"
#include "configurator/keys/keynames.h"
#include "configurator/keys/shortcutstore.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

namespace keys {
namespace {

constexpr ui::Control kControls[] = {
    {CKeyConfig::kCommandList, ui::Kind::DropDownList, nullptr, 7, 7, 205, 86},
    {ui::kNoId, ui::Kind::GroupBox, "Key Assignment", 7, 22, 205, 73},
    {CKeyConfig::kShortcut, ui::Kind::Edit, "", 26, 40, 166, 14, ui::Centered | ui::ReadOnly},
    {CKeyConfig::kChange, ui::Kind::PushButton, "&Change Assignment", 64, 69, 91, 14},
    {1, ui::Kind::DefaultButton, "OK", 7, 103, 50, 16},
    {2, ui::Kind::PushButton, "Cancel", 162, 103, 50, 16},
};
constexpr ui::DialogTemplate kTemplate{"Key Assignments", 219, 126, kControls};

// The template's height of a drop-down list includes its open list; closed,
// it is one line high.
constexpr int kClosedListHeight = 12;

} // namespace

CKeyConfig::CKeyConfig(CommandTable& table, std::string prefsPath, QWidget* parent)
    : ui::TemplateDialog(kTemplate, parent)
    , table_(table)
    , prefsPath_(std::move(prefsPath))
    , runAssigner_([](CKeyAssigner& assigner) { assigner.exec(); }) {
    setObjectName(QStringLiteral("CKeyConfig"));
    auto* list = control<QComboBox>(kCommandList);
    const QRect open = unitsToPixels(7, 7, 205, 86);
    const QRect closed = unitsToPixels(7, 7, 205, kClosedListHeight);
    list->setGeometry(open.x(), open.y(), open.width(),
                      std::max(closed.height(), list->sizeHint().height()));
    list->addItem(QStringLiteral("Select a command"));

    read_ = profile::readContent(prefsPath_); // before the shortcuts, so no change goes unseen
    loadShortcuts(table_, prefsPath_);
    for (int slot = 0; slot < table_.count(); ++slot) {
        if (!table_.name(slot).empty())
            list->addItem(platform::fromWindows1252(table_.name(slot)), slot);
    }
    list->setCurrentIndex(0);
    // Open, field and list together are as high as the template says.
    const int rowHeight = std::max(1, list->view()->sizeHintForRow(0));
    list->setMaxVisibleItems(std::max(1, (open.height() - list->height()) / rowHeight));
    connect(list, &QComboBox::currentIndexChanged, this, [this] { showShortcutOfSelection(); });
}

int CKeyConfig::selectedSlot() const {
    const auto* list = control<QComboBox>(kCommandList);
    if (list->currentIndex() <= 0)
        return -1;
    return list->currentData().toInt();
}

void CKeyConfig::showShortcutOfSelection() {
    const int slot = selectedSlot();
    control<QLineEdit>(kShortcut)->setText(
        slot < 0
            ? QString()
            : platform::fromWindows1252(shortcutText(table_.modifier(slot), table_.keyCode(slot))));
}

void CKeyConfig::onCommand(int id) {
    if (id == kChange) {
        const int slot = selectedSlot();
        if (slot < 0) {
            ui::showMessage(this, QStringLiteral("Please select a command first."),
                            QStringLiteral("ERROR"), ui::MessageIcon::Error);
            return;
        }
        CKeyAssigner assigner(table_, slot, this);
        runAssigner_(assigner);
        showShortcutOfSelection();
        return;
    }
    if (id == 1) {
        if (!ui::overwriteOutsideChange(this, prefsPath_, read_))
            return; // stay open; the file keeps the other program's change
        saveResult_ = saveShortcuts(table_, prefsPath_, read_);
        if (!saveResult_.ok) {
            // Stay open: the assignments are kept, and OK can be tried again.
            ui::reportWriteFailure(this, QStringLiteral("key assignments"), saveResult_);
            return;
        }
    }
    ui::TemplateDialog::onCommand(id);
}

} // namespace keys

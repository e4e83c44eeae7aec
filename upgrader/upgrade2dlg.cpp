#include "upgrader/upgrade2dlg.h"
#include "common/platform/hostpath.h"
#include "common/ui/messagebox.h"
#include "upgrader/res/upgradericon.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>

namespace {

// clang-format off
constexpr ui::Control kControls[] = {
    {ui::kNoId, ui::Kind::Text,
     "This application installs the Volaro Upgrade v2 and upgrades all the aircrafts accordingly.",
     7, 7, 415, 8, ui::Centered},
    {Upgrade2Dlg::kListId, ui::Kind::ListBox, "", 25, 20, 379, 151},
    {Upgrade2Dlg::kActionButtonId, ui::Kind::PushButton, "Button1", 176, 180, 77, 14},
};
// clang-format on
constexpr ui::DialogTemplate kTemplate{"Volaro Upgrade v2 Installer", 429, 201, kControls};

} // namespace

Upgrade2Dlg::Upgrade2Dlg(const std::string& root, std::span<const UpgradeEntry> catalogue,
                         PatchLauncher launcher, QWidget* parent)
    : ui::TemplateDialog(kTemplate, parent)
    , run_(root, catalogue, *this, std::move(launcher)) {
    setObjectName(QStringLiteral("Upgrade2Dlg"));
    setWindowIcon(upgraderIcon());
    timer_.setInterval(kTickMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &Upgrade2Dlg::OnTimer);
    list()->setSelectionMode(QAbstractItemView::NoSelection);
    OnInitDialog();
}

QListWidget* Upgrade2Dlg::list() const {
    return control<QListWidget>(kListId);
}

QPushButton* Upgrade2Dlg::actionButton() const {
    return control<QPushButton>(kActionButtonId);
}

void Upgrade2Dlg::OnInitDialog() {
    actionButton()->setText(QStringLiteral("START"));
    for (const std::string& line : introductionLines())
        run_.AddLine(line); // the first line empties the log of the previous start
    if (nothingToRun()) {
        // A run here would skip every gauge and call that a success.
        run_.AddLine(" ");
        for (const std::string& line : folderProblemLines(run_.folderProblem(), run_.root()))
            run_.AddLine(line);
        run_.AddLine("Press 'End' to exit.");
        actionButton()->setText(QStringLiteral("End"));
    } else {
        run_.tellIfLogUnwritten();
    }
    actionButton()->setFocus();
}

bool Upgrade2Dlg::nothingToRun() const {
    return run_.folderProblem() != FolderProblem::None;
}

void Upgrade2Dlg::end(int result) {
    run_.closeLog();
    done(result);
}

void Upgrade2Dlg::onCommand(int id) {
    if (id == kActionButtonId)
        OnActionButton();
    else if (id == 2 && nothingToRun())
        end(QDialog::Rejected); // no run to protect: the user may leave any way
    else if (id == 2)
        refuseExit(); // Escape, the close box and the system menu
}

void Upgrade2Dlg::OnActionButton() {
    if (!nothingToRun() && run_.step() == 0 && run_.entryIndex() < run_.entryCount()) {
        timer_.start();
        actionButton()->setEnabled(false); // until the run is complete
        return;
    }
    end(QDialog::Accepted);
}

void Upgrade2Dlg::OnTimer() {
    run_.OnTimer();
}

void Upgrade2Dlg::refuseExit() {
    ui::showMessage(
        this,
        QStringLiteral(
            "You can not exit now before the aircraft gauge has \nbeen upgraded to version 2."),
        QStringLiteral("ABORT"), ui::MessageIcon::Exclamation);
}

void Upgrade2Dlg::showLine(const std::string& text) {
    QListWidget* lines = list();
    lines->addItem(platform::fromPathText(text));
    if (lines->count() >= 2)
        lines->scrollToItem(lines->item(lines->count() - 1), QAbstractItemView::PositionAtTop);
}

void Upgrade2Dlg::showError(const std::string& text, const std::string& caption) {
    ui::showMessage(this, platform::fromPathText(text), platform::fromPathText(caption),
                    ui::MessageIcon::Error);
}

void Upgrade2Dlg::runComplete() {
    timer_.stop();
    actionButton()->setText(QStringLiteral("End"));
    actionButton()->setEnabled(true);
}

void Upgrade2Dlg::beep() {
    QApplication::beep();
}

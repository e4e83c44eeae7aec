#include "common/ui/dialogtemplate.h"
#include "common/ui/dialogunits.h"
#include "common/ui/screenfit.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr ui::Control kControls[] = {
    {10, ui::Kind::GroupBox, "Group", 5, 5, 100, 60},
    {11, ui::Kind::RadioButton, "A", 10, 15, 40, 10, ui::GroupStart},
    {12, ui::Kind::RadioButton, "B", 10, 27, 40, 10},
    {13, ui::Kind::RadioButton, "C", 60, 15, 40, 10, ui::GroupStart},
    {14, ui::Kind::RadioButton, "D", 60, 27, 40, 10},
    {15, ui::Kind::CheckBox, "Check", 10, 40, 60, 10},
    {16, ui::Kind::Text, "Cold && Dark", 10, 52, 60, 10, ui::Centered | ui::Border},
    {17, ui::Kind::Custom, "", 110, 5, 30, 30},
    {1, ui::Kind::DefaultButton, "Ok", 100, 80, 50, 14},
    {2, ui::Kind::PushButton, "Cancel", 155, 80, 50, 14},
};
constexpr ui::DialogTemplate kTemplate{"Test window", 210, 100, kControls};

TEST(TemplateDialog, SizesAndPlacesFromDialogUnits) {
    ui::TemplateDialog dialog(kTemplate);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Test window"));
    EXPECT_EQ(dialog.size(), ui::dialogSize(210, 100));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_EQ(dialog.control(1)->geometry(), ui::dialogRect(100, 80, 50, 14));
    EXPECT_TRUE(dialog.control<QPushButton>(1)->isDefault());
    EXPECT_EQ(dialog.control<QLabel>(16)->text(), QStringLiteral("Cold & Dark"));
    EXPECT_EQ(dialog.control(17), nullptr);
    auto* custom = new QWidget;
    dialog.placeCustom(17, custom);
    EXPECT_EQ(dialog.control(17), custom);
    EXPECT_EQ(custom->geometry(), ui::dialogRect(110, 5, 30, 30));
    EXPECT_EQ(dialog.findChild<QWidget*>(QStringLiteral("id15")), dialog.control(15));
}

TEST(TemplateDialog, GroupStartSeparatesExclusiveRadioGroups) {
    ui::TemplateDialog dialog(kTemplate);
    dialog.control<QRadioButton>(11)->click();
    dialog.control<QRadioButton>(13)->click();
    EXPECT_TRUE(dialog.isChecked(11));
    EXPECT_TRUE(dialog.isChecked(13));
    dialog.control<QRadioButton>(12)->click();
    EXPECT_FALSE(dialog.isChecked(11));
    EXPECT_TRUE(dialog.isChecked(13));
    dialog.setChecked(12, false);
    EXPECT_FALSE(dialog.isChecked(12));
}

TEST(TemplateDialog, ClicksBecomeCommandsAndOkCancelEndWithTheirId) {
    ui::TemplateDialog dialog(kTemplate);
    std::vector<int> commands;
    QObject::connect(&dialog, &ui::TemplateDialog::command,
                     [&](int id) { commands.push_back(id); });
    dialog.control<QCheckBox>(15)->click();
    dialog.control<QRadioButton>(14)->click();
    EXPECT_EQ(commands, (std::vector<int>{15, 14}));

    QTimer::singleShot(0, &dialog, [&] { dialog.control<QPushButton>(1)->click(); });
    EXPECT_EQ(dialog.exec(), 1);
    QTimer::singleShot(0, &dialog, [&] { dialog.reject(); }); // Escape, close box
    EXPECT_EQ(dialog.exec(), 2);
    EXPECT_EQ(commands.back(), 2);
}

// Tab and Shift+Tab as the focused widget receives them.
QWidget* tab(QWidget& window, bool backward = false) {
    QKeyEvent press(QEvent::KeyPress, backward ? Qt::Key_Backtab : Qt::Key_Tab,
                    backward ? Qt::ShiftModifier : Qt::NoModifier);
    QApplication::sendEvent(window.focusWidget(), &press);
    return window.focusWidget();
}

TEST(TemplateDialog, TabEntersEachRadioGroupAtItsCheckedButton) {
    ui::TemplateDialog dialog(kTemplate);
    dialog.show();
    dialog.setChecked(12, true);
    dialog.control<QRadioButton>(14)->click();
    dialog.control(2)->setFocus();
    EXPECT_EQ(tab(dialog), dialog.control(12)); // wraps round to the first group
    EXPECT_EQ(tab(dialog), dialog.control(14));
    EXPECT_EQ(tab(dialog), dialog.control(15));
    EXPECT_EQ(tab(dialog, true), dialog.control(14));
    EXPECT_EQ(tab(dialog, true), dialog.control(12));

    // Checked from the program while the focus is elsewhere: the stop follows.
    dialog.setChecked(13, true);
    dialog.control(15)->setFocus();
    EXPECT_EQ(tab(dialog, true), dialog.control(13));
}

TEST(TemplateDialog, TabEntersAGroupWithoutCheckAtItsFirstEnabledButton) {
    ui::TemplateDialog dialog(kTemplate);
    dialog.show();
    dialog.control(13)->setEnabled(false);
    dialog.setChecked(13, true); // checked but disabled
    dialog.control(12)->setFocus();
    EXPECT_EQ(tab(dialog), dialog.control(14));
}

QWidget* arrow(QWidget& window, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(window.focusWidget(), &press);
    return window.focusWidget();
}

TEST(TemplateDialog, ArrowKeysMoveRoundTheRadioGroupAndChoose) {
    ui::TemplateDialog dialog(kTemplate);
    std::vector<int> commands;
    QObject::connect(&dialog, &ui::TemplateDialog::command,
                     [&](int id) { commands.push_back(id); });
    dialog.show();
    dialog.control(11)->setFocus(); // none of its group checked yet
    EXPECT_EQ(arrow(dialog, Qt::Key_Down), dialog.control(12));
    EXPECT_TRUE(dialog.isChecked(12));
    EXPECT_EQ(arrow(dialog, Qt::Key_Right), dialog.control(11)) << "round at the end";
    EXPECT_TRUE(dialog.isChecked(11));
    EXPECT_FALSE(dialog.isChecked(12));
    EXPECT_EQ(arrow(dialog, Qt::Key_Up), dialog.control(12)) << "round at the start";
    EXPECT_EQ(arrow(dialog, Qt::Key_Left), dialog.control(11));
    EXPECT_EQ(commands, (std::vector<int>{12, 11, 12, 11}));
    EXPECT_FALSE(dialog.isChecked(13) || dialog.isChecked(14)) << "the other group is untouched";

    dialog.control(14)->setEnabled(false);
    dialog.control(13)->setFocus();
    EXPECT_EQ(arrow(dialog, Qt::Key_Down), dialog.control(13)) << "a disabled button is skipped";
}

// Before a window is first shown its frame is unknown: placed at the top
// edge, its title bar would lie above the screen.
TEST(ScreenFit, KeepsTheWindowAndItsFrameInsideTheArea) {
    QDialog window;
    auto* content = new QWidget(&window);
    content->setFixedSize(300, 200);
    ui::ScreenFit fit(window, *content, {}, 200);
    const QRect area(0, 0, 800, 600);
    fit.fitTo(area);
    EXPECT_FALSE(fit.isScrolling());

    const struct {
        QPoint at, expected;
    } cases[] = {
        {{250, 0}, {250, ui::kWindowFrameAllowance.top()}},
        {{790, 300}, {800 - ui::kWindowFrameAllowance.right() - 300, 300}},
        {{100, 100}, {100, 100}}, // inside: left where it is
    };
    for (const auto& c : cases) {
        window.setGeometry(QRect(c.at, window.size()));
        fit.keepInside(area);
        EXPECT_EQ(window.geometry().topLeft(), c.expected) << c.at.x() << "," << c.at.y();
    }
}

} // namespace

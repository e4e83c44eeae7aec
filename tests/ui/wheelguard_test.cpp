#include "common/ui/screenfit.h"
#include "common/ui/wheelguard.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

// One notch of the wheel turned towards the user (scrolls down).
void wheelDown(QWidget* widget) {
    const QPointF at = QRectF(widget->rect()).center();
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

// A form twice as high as the area it is shown in, with one control of each
// wheel-taking kind halfway down.
class ScrolledForm : public testing::Test {
protected:
    ScrolledForm() {
        content = new QWidget(&window);
        content->setFixedSize(300, 800);
        slider = new QSlider(Qt::Horizontal, content);
        slider->setGeometry(10, 400, 200, 20);
        slider->setRange(0, 100);
        slider->setValue(49);
        combo = new QComboBox(content);
        combo->setGeometry(10, 440, 200, 24);
        combo->addItems({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
        spin = new QSpinBox(content);
        spin->setGeometry(10, 480, 100, 24);
        spin->setValue(5);
        first = new QSlider(Qt::Horizontal, content); // takes the focus first
        first->setGeometry(10, 10, 200, 20);
        fit = std::make_unique<ui::ScreenFit>(window, *content, QList<QWidget*>{}, 800);
        fit->fitTo(QRect(0, 0, 800, 400));
        window.show();
        first->setFocus();
    }

    int scrolled() const { return fit->scrollArea()->verticalScrollBar()->value(); }

    QDialog window;
    QWidget* content = nullptr;
    QSlider* slider = nullptr;
    QSlider* first = nullptr;
    QComboBox* combo = nullptr;
    QSpinBox* spin = nullptr;
    std::unique_ptr<ui::ScreenFit> fit;
};

TEST_F(ScrolledForm, WheelOverAControlWithoutFocusScrollsTheWindow) {
    ASSERT_TRUE(fit->isScrolling());
    int before = scrolled();
    for (QWidget* control : std::initializer_list<QWidget*>{slider, combo, spin}) {
        wheelDown(control);
        EXPECT_GT(scrolled(), before) << control->metaObject()->className();
        before = scrolled();
    }
    EXPECT_EQ(slider->value(), 49);
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(spin->value(), 5);
    EXPECT_NE(window.focusWidget(), combo) << "the wheel gives no focus";
}

TEST_F(ScrolledForm, AControlWithTheFocusTakesTheWheel) {
    slider->setFocus();
    const int before = scrolled();
    wheelDown(slider);
    EXPECT_NE(slider->value(), 49);
    EXPECT_EQ(scrolled(), before);

    combo->setFocus();
    wheelDown(combo);
    EXPECT_EQ(combo->currentIndex(), 1);
}

// Controls placed after the window began to scroll are guarded at the next
// fit, and a window that fits again gives the controls their wheel back.
TEST_F(ScrolledForm, LaterControlsAreGuardedAndFittingEndsTheGuard) {
    auto* later = new QSpinBox(content);
    later->setGeometry(10, 520, 100, 24);
    later->show();
    fit->fitTo(QRect(0, 0, 800, 400));
    wheelDown(later);
    EXPECT_EQ(later->value(), 0);
    EXPECT_EQ(combo->focusPolicy(), Qt::StrongFocus);

    fit->fitTo(QRect(0, 0, 1600, 1200));
    ASSERT_FALSE(fit->isScrolling());
    EXPECT_EQ(combo->focusPolicy(), Qt::WheelFocus);
    wheelDown(slider);
    EXPECT_NE(slider->value(), 49);
}

TEST(WheelGuard, ScrollBarsAreNoControlsToGuard) {
    QWidget parent;
    const QScrollBar bar(Qt::Vertical, &parent);
    const QSlider slider(&parent);
    const QComboBox combo(&parent);
    EXPECT_FALSE(ui::takesTheWheel(bar));
    EXPECT_TRUE(ui::takesTheWheel(slider));
    EXPECT_TRUE(ui::takesTheWheel(combo));
    EXPECT_FALSE(ui::takesTheWheel(parent));
}

} // namespace

#include "common/ui/wheelguard.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace ui {

bool takesTheWheel(const QWidget& widget) {
    if (qobject_cast<const QScrollBar*>(&widget))
        return false; // scrolling is what the wheel is for
    return qobject_cast<const QAbstractSlider*>(&widget) ||
           qobject_cast<const QAbstractSpinBox*>(&widget) ||
           qobject_cast<const QComboBox*>(&widget);
}

WheelGuard::WheelGuard(QScrollArea& scroll)
    : QObject(&scroll)
    , scroll_(scroll) {
    guardContent();
}

WheelGuard::~WheelGuard() {
    for (const Guarded& entry : guarded_) {
        if (entry.control)
            entry.control->setFocusPolicy(entry.policy);
    }
}

void WheelGuard::guardContent() {
    QWidget* content = scroll_.widget();
    if (!content)
        return;
    for (QWidget* widget : content->findChildren<QWidget*>()) {
        if (!takesTheWheel(*widget))
            continue;
        const bool known = std::any_of(guarded_.begin(), guarded_.end(),
                                       [widget](const auto& g) { return g.control == widget; });
        if (known)
            continue;
        guarded_.push_back({widget, widget->focusPolicy()});
        // A wheel would otherwise give it the focus before it sees the wheel.
        if ((widget->focusPolicy() & Qt::WheelFocus) == Qt::WheelFocus)
            widget->setFocusPolicy(Qt::StrongFocus);
        widget->installEventFilter(this);
    }
}

bool WheelGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel)
        return QObject::eventFilter(watched, event);
    auto* control = static_cast<QWidget*>(watched);
    // The window's focus widget, whether or not the window is active: it is
    // the control the keys would move.
    const QWidget* focus = control->window()->focusWidget();
    if (focus && (focus == control || control->isAncestorOf(focus)))
        return false;
    const auto* wheel = static_cast<QWheelEvent*>(event);
    QWidget* viewport = scroll_.viewport();
    QWheelEvent scrolled(control->mapTo(viewport, wheel->position()), wheel->globalPosition(),
                         wheel->pixelDelta(), wheel->angleDelta(), wheel->buttons(),
                         wheel->modifiers(), wheel->phase(), wheel->inverted(), wheel->source(),
                         wheel->pointingDevice());
    QApplication::sendEvent(viewport, &scrolled);
    event->setAccepted(scrolled.isAccepted());
    return true;
}

} // namespace ui

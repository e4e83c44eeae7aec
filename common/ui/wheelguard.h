#pragma once
// While a window's content scrolls, the mouse wheel scrolls it: a control
// that would take the wheel (a trackbar, a spin box, a drop-down list) takes
// it only once it has the focus. Otherwise a wheel turned to scroll the
// window would move whichever trackbar passes under the pointer, and change
// a load without the user noticing.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <vector>

class QScrollArea;

namespace ui {

class WheelGuard : public QObject {
    Q_OBJECT
public:
    // Owned by `scroll`; guards the controls of its content.
    explicit WheelGuard(QScrollArea& scroll);
    ~WheelGuard() override; // the controls take the wheel again

    // Guards controls added to the content since (idempotent).
    void guardContent();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Guarded {
        QPointer<QWidget> control;
        Qt::FocusPolicy policy; // as it was
    };
    QScrollArea& scroll_;
    std::vector<Guarded> guarded_;
};

// Whether `widget` is a control that changes its value with the wheel.
bool takesTheWheel(const QWidget& widget);

} // namespace ui

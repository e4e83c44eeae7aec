#pragma once
// Keeps a window that is built at a fixed size inside the area its screen
// offers. A window that fits keeps its fixed size; one that does not opens
// as large as the area allows, its content scrolls, and the row of buttons at
// its bottom (OK, Cancel, Close, ...) stays visible below the content, and
// the mouse wheel scrolls it rather than the controls it passes (wheelguard.h).

#include <QList>
#include <QMargins>
#include <QRect>
#include <QSize>

class QDialog;
class QScrollArea;
class QWidget;

namespace ui {

// What a window manager adds around a window (title bar, borders), as far as
// it can be known before the window is shown. Without a window manager the
// frame is smaller, and a window a few pixels short of the screen scrolls.
inline constexpr QMargins kWindowFrameAllowance{8, 32, 8, 8};

// Whether a window of `size`, with its frame, fits in `available`.
bool fitsOnScreen(QSize size, const QRect& available);

class ScreenFit {
public:
    // `content` is a child of `window` of the window's fixed size holding
    // every control; `buttons` (children of `content`) sit in the band from
    // `stripTop` (pixels, in the content) down to its bottom.
    ScreenFit(QDialog& window, QWidget& content, QList<QWidget*> buttons, int stripTop);
    ~ScreenFit();
    ScreenFit(const ScreenFit&) = delete;
    ScreenFit& operator=(const ScreenFit&) = delete;

    // Fixed size when the window fits in `available`, scrolling otherwise.
    void fitTo(const QRect& available);
    // Back to the fixed size whatever the screen (a picture of the whole window).
    void keepFixedSize();
    // Moves the window, if needed, so that it and the frame around it lie in
    // `available`. Before a window is first shown its frame is not known, and
    // a window placed at the top of the screen would have its title bar above it.
    void keepInside(const QRect& available);

    // The window's frame as its size allows: a fixed-size window has no
    // maximise box and a frame that cannot be stretched; a scrolling one may
    // be resized within the screen, and keeps a maximise box its owner gave
    // it. Before the window is shown: a shown window hides when its frame
    // changes.
    void adjustFrame();

    bool isScrolling() const { return scroll_ != nullptr; }
    QScrollArea* scrollArea() const { return scroll_; }
    // The band that holds the buttons while the content scrolls, else nullptr.
    QWidget* buttonStrip() const;

private:
    void startScrolling();
    void stopScrolling();
    void sizeForScrolling(const QRect& available);

    QDialog& window_;
    QWidget& content_;
    QList<QWidget*> buttons_;
    QList<QRect> homes_; // the buttons' places in the content
    int stripTop_ = 0;
    bool maximiseBoxWanted_ = false;
    QScrollArea* scroll_ = nullptr;
    class ButtonStrip* strip_ = nullptr;
    class WheelGuard* guard_ = nullptr; // owned by scroll_
};

} // namespace ui

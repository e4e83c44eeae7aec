#include "common/ui/screenfit.h"

#include "common/ui/wheelguard.h"

#include <QDialog>
#include <QFrame>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace ui {

// The buttons below the scrolling content, where they were in the window's
// bottom band. Buttons on the right half keep their distance to the visible
// content's right edge, those on the left to its left edge.
class ButtonStrip : public QWidget {
public:
    ButtonStrip(QWidget* parent, QScrollArea& scroll, QWidget& content,
                const QList<QWidget*>& buttons, const QList<QRect>& homes, int stripTop)
        : QWidget(parent)
        , scroll_(scroll)
        , content_(content)
        , buttons_(buttons)
        , homes_(homes)
        , stripTop_(stripTop) {
        auto* rule = new QFrame(this);
        rule->setFrameShape(QFrame::HLine);
        rule->setFrameShadow(QFrame::Sunken);
        rule->setGeometry(0, 0, 1, 2);
        rule_ = rule;
        setFixedHeight(content.height() - stripTop);
        for (QWidget* button : buttons_)
            button->setParent(this);
    }

    void place() {
        rule_->setGeometry(0, 0, width(), 2);
        const int visible = scroll_.viewport()->width();
        const int shift = std::max(0, content_.width() - visible);
        for (qsizetype i = 0; i < buttons_.size(); ++i) {
            QRect home = homes_[i].translated(0, -stripTop_);
            if (home.center().x() > content_.width() / 2)
                home.translate(-shift, 0);
            buttons_[i]->setGeometry(home);
            buttons_[i]->show();
        }
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        place();
    }

private:
    QScrollArea& scroll_;
    QWidget& content_;
    QList<QWidget*> buttons_;
    QList<QRect> homes_;
    int stripTop_;
    QFrame* rule_ = nullptr;
};

bool fitsOnScreen(QSize size, const QRect& available) {
    const QSize room = available.size().shrunkBy(kWindowFrameAllowance);
    return size.width() <= room.width() && size.height() <= room.height();
}

ScreenFit::ScreenFit(QDialog& window, QWidget& content, QList<QWidget*> buttons, int stripTop)
    : window_(window)
    , content_(content)
    , buttons_(std::move(buttons))
    , stripTop_(std::clamp(stripTop, 0, content.height())) {}

ScreenFit::~ScreenFit() = default; // the widgets belong to the window

QWidget* ScreenFit::buttonStrip() const {
    return strip_;
}

void ScreenFit::fitTo(const QRect& available) {
    if (fitsOnScreen(content_.size(), available)) {
        stopScrolling();
        return;
    }
    startScrolling();
    guard_->guardContent(); // controls placed since the window began to scroll
    sizeForScrolling(available);
}

void ScreenFit::keepInside(const QRect& available) {
    const QRect room = available.marginsRemoved(kWindowFrameAllowance);
    const QRect client = window_.geometry();
    if (room.contains(client) || client.width() > room.width() || client.height() > room.height())
        return;
    const int x = std::clamp(client.x(), room.left(), room.right() + 1 - client.width());
    const int y = std::clamp(client.y(), room.top(), room.bottom() + 1 - client.height());
    window_.setGeometry(QRect(QPoint(x, y), client.size()));
}

void ScreenFit::adjustFrame() {
    Qt::WindowFlags flags = window_.windowFlags();
    maximiseBoxWanted_ = maximiseBoxWanted_ || flags.testFlag(Qt::WindowMaximizeButtonHint);
    const bool fixed = !isScrolling();
    // Maximised, a fixed window would lie in a black margin; the fixed-size
    // frame keeps Windows (and Wine) from stretching it too.
    flags.setFlag(Qt::WindowMaximizeButtonHint, !fixed && maximiseBoxWanted_);
    flags.setFlag(Qt::MSWindowsFixedSizeDialogHint, fixed);
    if (flags != window_.windowFlags())
        window_.setWindowFlags(flags);
}

void ScreenFit::keepFixedSize() {
    stopScrolling();
}

void ScreenFit::startScrolling() {
    if (scroll_)
        return;
    homes_.clear();
    for (QWidget* button : buttons_)
        homes_.push_back(button->geometry());

    // Reparenting within one window keeps the tab order.
    scroll_ = new QScrollArea(&window_);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setWidgetResizable(false);
    scroll_->setWidget(&content_);
    strip_ = new ButtonStrip(&window_, *scroll_, content_, buttons_, homes_, stripTop_);
    guard_ = new WheelGuard(*scroll_);

    auto* layout = new QVBoxLayout(&window_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(scroll_, 1);
    layout->addWidget(strip_);
    scroll_->show();
    strip_->show();
}

void ScreenFit::stopScrolling() {
    if (scroll_) {
        for (qsizetype i = 0; i < buttons_.size(); ++i) {
            buttons_[i]->setParent(&content_);
            buttons_[i]->setGeometry(homes_[i]);
            buttons_[i]->show();
        }
        scroll_->takeWidget();
        content_.setParent(&window_);
        content_.move(0, 0);
        content_.show();
        delete window_.layout();
        delete strip_;
        delete scroll_; // and its wheel guard
        strip_ = nullptr;
        scroll_ = nullptr;
        guard_ = nullptr;
    }
    window_.setFixedSize(content_.size());
}

void ScreenFit::sizeForScrolling(const QRect& available) {
    const QSize room = available.size().shrunkBy(kWindowFrameAllowance);
    const QSize natural = content_.size();
    const int bar = window_.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_);
    const int strip = strip_->height();

    const bool vertical = natural.height() + strip > room.height();
    const bool horizontal = natural.width() + (vertical ? bar : 0) > room.width();
    const QSize largest(natural.width() + (vertical ? bar : 0),
                        natural.height() + strip + (horizontal ? bar : 0));
    const QSize size = largest.boundedTo(room);
    // The user may make it larger (up to the whole content) on a larger screen.
    window_.setMinimumSize(QSize(160, strip + 60).boundedTo(size));
    window_.setMaximumSize(QSize(natural.width() + bar, natural.height() + strip + bar));
    window_.resize(size);
    window_.layout()->activate();
    strip_->place();
}

} // namespace ui

#include "common/ui/messagebox.h"

#include <QLabel>
#include <QLayout>
#include <QScreen>

namespace ui {
namespace {
MessageRecorder* activeRecorder = nullptr; // test hook only

QMessageBox::Icon toQt(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}
} // namespace

MessageRecorder::MessageRecorder()
    : previous_(activeRecorder) {
    activeRecorder = this;
}

MessageRecorder::~MessageRecorder() {
    activeRecorder = previous_;
}

void showMessage(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon) {
    if (activeRecorder) {
        activeRecorder->messages_.push_back(Message{owner, text, caption, icon});
        return;
    }
    MessageBox box(icon, caption, text, owner);
    box.exec();
}

MessageBox::MessageBox(MessageIcon icon, const QString& caption, const QString& text,
                       QWidget* owner)
    : QMessageBox(toQt(icon), caption, text, QMessageBox::Ok, owner) {
    setTextFormat(Qt::PlainText); // the blanks of an indented line are kept
}

void MessageBox::showEvent(QShowEvent* event) {
    QMessageBox::showEvent(event); // sizes the box, wrapping long lines
    keepLinesWhole();
}

void MessageBox::changeEvent(QEvent* event) {
    QMessageBox::changeEvent(event); // a new font or style sizes it again
    if (isVisible())
        keepLinesWhole();
}

void MessageBox::keepLinesWhole() {
    auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!label || !label->wordWrap() || !layout())
        return;
    label->setWordWrap(false);
    layout()->activate();
    const QSize whole = layout()->totalMinimumSize();
    const QScreen* shownOn = screen();
    if (shownOn && whole.width() > shownOn->availableGeometry().width()) {
        label->setWordWrap(true); // wider than the screen: wrapped is better than cut
        return;
    }
    setFixedSize(whole);
}

} // namespace ui

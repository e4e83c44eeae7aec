#include "common/ui/messagebox.h"

#include <QMessageBox>

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
    QMessageBox box(toQt(icon), caption, text, QMessageBox::Ok, owner);
    box.exec();
}

} // namespace ui

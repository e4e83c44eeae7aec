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
    MessageBox box(icon, caption, text, owner);
    box.exec();
}

MessageBox::MessageBox(MessageIcon icon, const QString& caption, const QString& text,
                       QWidget* owner)
    : QMessageBox(toQt(icon), caption, QString(text).replace(u' ', QChar::Nbsp), QMessageBox::Ok,
                  owner) {
    // Plain text keeps the blanks that indent a line.
    setTextFormat(Qt::PlainText);
}

} // namespace ui

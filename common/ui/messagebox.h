#pragma once
// The one way every window tells the user something: a modal box with an
// owner, a text, a caption, an icon and an OK button. Tests install a
// MessageRecorder so that no test ever blocks on a real box.

#include <QMessageBox>
#include <QString>
#include <vector>

namespace ui {

enum class MessageIcon { Information, Exclamation, Error };

struct Message {
    QWidget* owner = nullptr;
    QString text;
    QString caption;
    MessageIcon icon = MessageIcon::Information;
};

void showMessage(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon);

// The box showMessage shows. Qt wraps a line wider than half the screen; our
// texts are laid out line by line, so a line is kept whole (its blanks shown
// as non-breaking ones) unless it is wider than the screen itself.
class MessageBox : public QMessageBox {
    Q_OBJECT
public:
    MessageBox(MessageIcon icon, const QString& caption, const QString& text, QWidget* owner);
};

// While one exists, messages are recorded instead of shown (innermost wins).
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const std::vector<Message>& messages() const { return messages_; }
    void clear() { messages_.clear(); }

private:
    friend void showMessage(QWidget*, const QString&, const QString&, MessageIcon);
    std::vector<Message> messages_;
    MessageRecorder* previous_ = nullptr;
};

} // namespace ui

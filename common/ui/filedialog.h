#pragma once
// The one way every window asks the user for a file: a modal file dialog
// owned by a window. Tests install a FileDialogRecorder, which answers at once
// with the file it was given, so that no test ever blocks on a real dialog.

#include <QString>
#include <vector>

class QWidget;

namespace ui {

enum class FileDialogMode { Open, Save };

struct FileRequest {
    QWidget* owner = nullptr;
    FileDialogMode mode = FileDialogMode::Open;
    QString caption;
    QString suggestion; // folder or file the dialog starts at
    QString filter;     // "Flight plans (*.xml);;All files (*)"
};

// The file chosen (host path), or an empty string when the user cancelled.
// A Save dialog asks before it names a file that exists.
QString askForFile(const FileRequest& request);

// While one exists, requests are recorded and answered with `answer` instead
// of shown (innermost wins); an empty answer is a cancel.
class FileDialogRecorder {
public:
    explicit FileDialogRecorder(QString answer = QString());
    ~FileDialogRecorder();
    FileDialogRecorder(const FileDialogRecorder&) = delete;
    FileDialogRecorder& operator=(const FileDialogRecorder&) = delete;

    void setAnswer(const QString& answer) { answer_ = answer; }
    const std::vector<FileRequest>& requests() const { return requests_; }

private:
    friend QString askForFile(const FileRequest&);
    QString answer_;
    std::vector<FileRequest> requests_;
    FileDialogRecorder* previous_ = nullptr;
};

} // namespace ui

#include "common/ui/filedialog.h"

#include <QFileDialog>
#include <utility>

namespace ui {
namespace {
FileDialogRecorder* activeRecorder = nullptr; // test hook only
} // namespace

FileDialogRecorder::FileDialogRecorder(QString answer)
    : answer_(std::move(answer))
    , previous_(activeRecorder) {
    activeRecorder = this;
}

FileDialogRecorder::~FileDialogRecorder() {
    activeRecorder = previous_;
}

QString askForFile(const FileRequest& request) {
    if (activeRecorder) {
        activeRecorder->requests_.push_back(request);
        return activeRecorder->answer_;
    }
    if (request.mode == FileDialogMode::Save)
        return QFileDialog::getSaveFileName(request.owner, request.caption, request.suggestion,
                                            request.filter);
    return QFileDialog::getOpenFileName(request.owner, request.caption, request.suggestion,
                                        request.filter);
}

} // namespace ui

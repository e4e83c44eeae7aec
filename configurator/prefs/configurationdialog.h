#pragma once
// The configuration window: shows every preference when it opens, writes
// them all at Ok, nothing at Cancel; Cold & Dark writes its request at once.

#include "common/profile/profile.h"
#include "common/ui/dialogtemplate.h"

class ConfigurationDialog : public ui::TemplateDialog {
    Q_OBJECT
public:
    explicit ConfigurationDialog(QWidget* parent = nullptr);

    // Outcome of the last write the window made (Ok or Cold & Dark).
    const profile::WriteResult& lastWrite() const { return lastWrite_; }

protected:
    void onCommand(int id) override;

private:
    void showValues();
    void updateLabels();
    void drawVolumeLabel();
    void drawIrsLabel();
    void presetIrsTime(int seconds);
    void enableModifiers(bool enabled);

    profile::WriteResult lastWrite_;
    profile::FileContent read_; // Prefs.cfg as the window read it
};

// Runs the window modally, owned by `parent`: 1 after Ok, 2 after Cancel.
int runConfiguration(QWidget* parent);

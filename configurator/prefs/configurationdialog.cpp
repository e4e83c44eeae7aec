#include "configurator/prefs/configurationdialog.h"

#include "common/ui/messagebox.h"
#include "common/ui/outsidechange.h"
#include "common/ui/writefailure.h"
#include "configurator/prefs/preferences.h"
#include "configurator/res/shellart.h"
#include "configurator/session/installpaths.h"

#include <QLabel>
#include <QPixmap>
#include <QSignalBlocker>
#include <QSlider>

namespace {

using ui::Kind;

enum Id {
    kOk = 1,
    kCancel = 2,
    kVolumeTrackbar = 1003,
    kMetric = 1004,
    kImperial = 1005,
    kVolumeLabel = 1006,
    kBeginner = 1007,
    kIntermediate = 1008,
    kExpert = 1009,
    kShift = 1013,
    kControl = 1014,
    kControlShift = 1015,
    kWindows = 1016,
    kScrollLock = 1017,
    kCapsLock = 1018,
    kNumLock = 1019,
    kNoLock = 1020,
    kIrsLabel = 1021,
    kColdAndDark = 1022,
    kStandardPushback = 1023,
    kPpuPushback = 1024,
    kIrsTrackbar = 1025,
    kAutoPause = 1026,
    kFsuipc = 1027,
    kFmgcSaveMode = 1028, // no control in the window
    kBanner = 2000,       // no id in the template; ours to reach the image
};

// "None" leads the lock key group in tab order, so it carries GroupStart.
constexpr ui::Control kControls[] = {
    {kBanner, Kind::Bitmap, "", 7, 7, 425, 62},
    {1010, Kind::GroupBox, "User Experience (Realism)", 7, 82, 211, 52},
    {kBeginner, Kind::RadioButton, "Beginner", 19, 93, 44, 10, ui::GroupStart},
    {kIntermediate, Kind::RadioButton, "Intermediate", 19, 106, 57, 10},
    {kExpert, Kind::RadioButton, "Expert", 19, 119, 37, 10},
    {ui::kNoId, Kind::GroupBox, "IRS Alignment Time", 7, 136, 211, 31},
    {kIrsTrackbar, Kind::Trackbar, "", 15, 148, 139, 15},
    {kIrsLabel, Kind::Text, "Static", 164, 148, 45, 13, ui::Centered | ui::Border},
    {1011, Kind::GroupBox, "Unit System", 7, 170, 211, 31},
    {kMetric, Kind::RadioButton, "Metric System (KG)", 19, 182, 77, 10, ui::GroupStart},
    {kImperial, Kind::RadioButton, "Imperial System (Lbs)", 112, 182, 85, 10},
    {ui::kNoId, Kind::GroupBox, "Panel Sound Volume", 7, 204, 211, 31},
    {kVolumeTrackbar, Kind::Trackbar, "", 15, 217, 139, 15},
    {kVolumeLabel, Kind::Text, "Static", 163, 217, 45, 13, ui::Centered | ui::Border},
    {ui::kNoId, Kind::GroupBox, "Network Flight", 7, 238, 211, 31},
    {kFsuipc, Kind::CheckBox, "Use FSUIPC for Squawk Box 3 support", 32, 251, 147, 10},
    {1012, Kind::GroupBox, "MCDU Keyboard Input", 248, 82, 184, 86},
    {ui::kNoId, Kind::Text, "Key Modifiers", 266, 94, 57, 10},
    {ui::kNoId, Kind::Text, "Key Locks", 351, 95, 57, 10},
    {kShift, Kind::RadioButton, "Shift", 272, 110, 31, 10, ui::GroupStart},
    {kControl, Kind::RadioButton, "Control", 272, 124, 39, 10},
    {kControlShift, Kind::RadioButton, "Control-Shift", 272, 138, 57, 10},
    {kWindows, Kind::RadioButton, "Windows", 272, 152, 45, 10},
    {kNoLock, Kind::RadioButton, "None", 357, 110, 33, 10, ui::GroupStart},
    {kScrollLock, Kind::RadioButton, "Scroll Lock", 357, 124, 49, 10},
    {kCapsLock, Kind::RadioButton, "Caps Lock", 357, 138, 48, 10},
    {kNumLock, Kind::RadioButton, "Num Lock", 357, 152, 46, 10},
    {ui::kNoId, Kind::GroupBox, "Startup", 249, 170, 184, 31},
    {kColdAndDark, Kind::PushButton, "Cold && Dark", 289, 182, 108, 14},
    {ui::kNoId, Kind::GroupBox, "Pushback", 250, 204, 183, 31},
    {kStandardPushback, Kind::RadioButton, "Standard", 274, 217, 45, 10, ui::GroupStart},
    {kPpuPushback, Kind::RadioButton, "PPU", 358, 217, 29, 10},
    {ui::kNoId, Kind::GroupBox, "Auto-Pause", 249, 238, 183, 31},
    {kAutoPause, Kind::CheckBox, "Pause 20 NM before Top of Descent", 274, 251, 133, 10},
    {kOk, Kind::DefaultButton, "Ok", 322, 272, 50, 14},
    {kCancel, Kind::PushButton, "Cancel", 382, 272, 50, 14},
};
constexpr ui::DialogTemplate kTemplate{"Configuration", 439, 293, kControls};

constexpr int kModifierButtons[] = {kShift, kControl, kControlShift, kWindows};

// Values the labels were last drawn for; 99999 forces the first drawing.
std::int32_t lastIrsTimeDrawn = 99999;
std::int32_t lastVolumeDrawn = 99999;

} // namespace

ConfigurationDialog::ConfigurationDialog(QWidget* parent)
    : ui::TemplateDialog(kTemplate, parent) {
    setImage(kBanner, QPixmap::fromImage(art::configurationBanner()));
    read_ = profile::readContent(PrefsPath); // before the values, so no change goes unseen
    prefs::getAll();
    showValues();
    // Connected after the values are shown, so that only the user's actions
    // count as scrolling. An action at a trackbar's end moves nothing but
    // still counts, as does releasing the thumb.
    for (int id : {kVolumeTrackbar, kIrsTrackbar}) {
        auto* trackbar = control<QSlider>(id);
        connect(trackbar, &QSlider::valueChanged, this, [this] { updateLabels(); });
        connect(trackbar, &QSlider::actionTriggered, this, [this] { updateLabels(); });
        connect(trackbar, &QSlider::sliderReleased, this, [this] { updateLabels(); });
    }
}

void ConfigurationDialog::showValues() {
    prefs::Values& v = prefs::Working;
    if (v.unitSystem == 0 || v.unitSystem == 1)
        setChecked(v.unitSystem == 0 ? kMetric : kImperial, true);
    setChecked(v.pushbackType != 0 ? kPpuPushback : kStandardPushback, true);
    if (v.userExperience >= 0 && v.userExperience <= 2)
        setChecked(kBeginner + v.userExperience, true);

    auto* volume = control<QSlider>(kVolumeTrackbar);
    volume->setRange(0, 100);
    volume->setValue(v.panelVolume); // shown at the nearest end when outside
    lastVolumeDrawn = v.panelVolume;
    drawVolumeLabel();

    auto* irs = control<QSlider>(kIrsTrackbar);
    irs->setRange(0, 600);
    irs->setValue(v.irsAlignmentTime);
    lastIrsTimeDrawn = v.irsAlignmentTime;
    drawIrsLabel();

    switch (v.modifier) {
    case 1:
        setChecked(kShift, true);
        break;
    case 2:
        setChecked(kControl, true);
        break;
    case 0:
    case 3:
        setChecked(kControlShift, true);
        break;
    case 4:
        setChecked(kWindows, true);
        break;
    default:
        break;
    }
    if (v.locker == 0)
        setChecked(kNoLock, true);
    else if (v.locker >= 1 && v.locker <= 3)
        setChecked(kScrollLock + v.locker - 1, true);
    prefs::chooseLocker(v, v.locker);
    enableModifiers(prefs::modifiersEnabled(v.locker));

    setChecked(kAutoPause, v.autoPause != 0);
    setChecked(kFsuipc, v.fsuipcUsage != 0);
}

void ConfigurationDialog::drawVolumeLabel() {
    control<QLabel>(kVolumeLabel)
        ->setText(QString::fromLatin1(prefs::volumeLabel(prefs::Working.panelVolume)));
}

void ConfigurationDialog::drawIrsLabel() {
    control<QLabel>(kIrsLabel)->setText(
        QString::fromStdString(prefs::irsTimeLabel(prefs::Working.irsAlignmentTime)));
}

void ConfigurationDialog::updateLabels() {
    // Both trackbars are read whichever one moved; during an action the
    // position is already the new one while the value follows.
    prefs::Working.panelVolume = control<QSlider>(kVolumeTrackbar)->sliderPosition();
    if (prefs::Working.panelVolume != lastVolumeDrawn) {
        lastVolumeDrawn = prefs::Working.panelVolume;
        drawVolumeLabel();
    }
    prefs::Working.irsAlignmentTime = control<QSlider>(kIrsTrackbar)->sliderPosition();
    if (prefs::Working.irsAlignmentTime != lastIrsTimeDrawn) {
        lastIrsTimeDrawn = prefs::Working.irsAlignmentTime;
        drawIrsLabel();
    }
}

void ConfigurationDialog::presetIrsTime(int seconds) {
    prefs::Working.irsAlignmentTime = seconds;
    const QSignalBlocker quiet(control<QSlider>(kIrsTrackbar));
    control<QSlider>(kIrsTrackbar)->setValue(seconds);
    lastIrsTimeDrawn = seconds;
    drawIrsLabel();
}

void ConfigurationDialog::enableModifiers(bool enabled) {
    for (int id : kModifierButtons)
        control(id)->setEnabled(enabled);
}

void ConfigurationDialog::onCommand(int id) {
    prefs::Values& v = prefs::Working;
    switch (id) {
    case kMetric:
    case kImperial:
        v.unitSystem = id - kMetric;
        break;
    case kStandardPushback:
    case kPpuPushback:
        v.pushbackType = id - kStandardPushback;
        break;
    case kBeginner:
    case kIntermediate:
    case kExpert:
        v.userExperience = id - kBeginner;
        presetIrsTime(prefs::irsPresetFor(v.userExperience));
        break;
    case kShift:
    case kControl:
    case kControlShift:
    case kWindows:
        v.modifier = id - kShift + 1;
        break;
    case kScrollLock:
    case kCapsLock:
    case kNumLock:
    case kNoLock: {
        const std::int32_t locker = id == kNoLock ? 0 : id - kScrollLock + 1;
        prefs::chooseLocker(v, locker);
        enableModifiers(prefs::modifiersEnabled(locker));
        break;
    }
    case kColdAndDark: {
        // Our own request is no change by another program.
        const bool unchanged = profile::readContent(PrefsPath) == read_;
        lastWrite_ = prefs::requestColdAndDark();
        if (lastWrite_.ok && unchanged)
            read_ = profile::readContent(PrefsPath);
        if (!lastWrite_.ok) {
            ui::reportWriteFailure(this, QStringLiteral("Cold & Dark request"), lastWrite_);
            break;
        }
        ui::showMessage(
            this, QStringLiteral("The aircraft will be Cold & Dark\nnext time you load it in FS."),
            QStringLiteral("Status"), ui::MessageIcon::Information);
        break;
    }
    case kAutoPause:
        v.autoPause = isChecked(kAutoPause) ? 1 : 0;
        break;
    case kFsuipc:
        v.fsuipcUsage = isChecked(kFsuipc) ? 1 : 0;
        break;
    case kFmgcSaveMode:
        v.fmgcSaveMode = isChecked(kFmgcSaveMode) ? 1 : 0;
        break;
    default:
        break;
    }

    if (id == kOk) {
        if (!ui::overwriteOutsideChange(this, PrefsPath, read_))
            return; // stay open; the file keeps the other program's change
        lastWrite_ = prefs::setAll(read_);
        if (!lastWrite_.ok) {
            // Stay open: the choices are not lost, and Ok can be tried again.
            ui::reportWriteFailure(this, QStringLiteral("preferences"), lastWrite_);
            return;
        }
        done(1);
    } else if (id == kCancel) {
        done(2);
    }
}

int runConfiguration(QWidget* parent) {
    ConfigurationDialog dialog(parent);
    return dialog.exec();
}

#include "configurator/load/loadmanagerdialog.h"

#include "common/ui/coloredit.h"
#include "common/ui/fillbar.h"
#include "common/ui/outsidechange.h"
#include "configurator/load/loadmanager.h"
#include "configurator/res/loadmanagerart.h"
#include "configurator/session/sessionstate.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <array>
#include <cmath>

namespace {

using namespace loadids;
using ui::Control;
using ui::Kind;

struct Box {
    int x, y, w, h;
};

// Where the fill bars lie over the two images; the rest of the window is the
// same for every aircraft.
struct BarPlacement {
    Box business, economy, forward, aft;
};

constexpr Control bar(int id, Box b) {
    return Control{id, Kind::ProgressBar, nullptr, b.x, b.y, b.w, b.h};
}

constexpr int kFieldHeight = 12;

constexpr auto controls(BarPlacement bars) {
    using ui::Border;
    using ui::Centered;
    return std::to_array<Control>({
        {kBanner, Kind::Bitmap, nullptr, 7, 7, 396, 50},
        {ui::kNoId, Kind::GroupBox, "Payload", 7, 61, 396, 276},
        {ui::kNoId, Kind::Text, "Pax", 281, 69, 52, 8, Centered},
        {ui::kNoId, Kind::Text, "Weight", 339, 69, 52, 8, Centered},
        {ui::kNoId, Kind::Text, "Business Class", 16, 82, 68, 8},
        {kBusinessTrackbar, Kind::Trackbar, nullptr, 87, 78, 188, 16},
        {kBusinessPax, Kind::Custom, nullptr, 281, 80, 52, kFieldHeight},
        {kBusinessWeight, Kind::Custom, nullptr, 339, 80, 52, kFieldHeight},
        {ui::kNoId, Kind::Text, "Economy Class", 16, 98, 68, 8},
        {kEconomyTrackbar, Kind::Trackbar, nullptr, 87, 94, 188, 16},
        {kEconomyPax, Kind::Custom, nullptr, 281, 96, 52, kFieldHeight},
        {kEconomyWeight, Kind::Custom, nullptr, 339, 96, 52, kFieldHeight},
        {ui::kNoId, Kind::Text, "%", 281, 113, 52, 8, Centered},
        {ui::kNoId, Kind::Text, "Weight", 339, 113, 52, 8, Centered},
        {ui::kNoId, Kind::Text, "Forward Cargo", 16, 126, 68, 8},
        {kForwardTrackbar, Kind::Trackbar, nullptr, 87, 122, 188, 16},
        {kForwardPercent, Kind::Custom, nullptr, 281, 124, 52, kFieldHeight},
        {kForwardWeight, Kind::Custom, nullptr, 339, 124, 52, kFieldHeight},
        {ui::kNoId, Kind::Text, "Aft Cargo", 16, 142, 68, 8},
        {kAftTrackbar, Kind::Trackbar, nullptr, 87, 138, 188, 16},
        {kAftPercent, Kind::Custom, nullptr, 281, 140, 52, kFieldHeight},
        {kAftWeight, Kind::Custom, nullptr, 339, 140, 52, kFieldHeight},
        // The images first, so the bars lie on top of them.
        {kCabinImage, Kind::Bitmap, nullptr, 14, 162, 381, 75},
        {kCargoImage, Kind::Bitmap, nullptr, 14, 241, 381, 75},
        bar(kBusinessBar, bars.business),
        bar(kEconomyBar, bars.economy),
        bar(kForwardBar, bars.forward),
        bar(kAftBar, bars.aft),
        {ui::kNoId, Kind::GroupBox, "Total Weight", 7, 345, 190, 85},
        {ui::kNoId, Kind::Text, "Pax Weight", 16, 359, 78, 8},
        {kPaxWeight, Kind::Custom, "Static", 100, 357, 85, kFieldHeight},
        {ui::kNoId, Kind::Text, "Cargo Weight", 16, 375, 78, 8},
        {kCargoWeight, Kind::Custom, "Static", 100, 373, 85, kFieldHeight},
        {ui::kNoId, Kind::Text, "Aircraft Weight", 16, 391, 78, 8},
        {kAircraftWeight, Kind::Text, "Static", 100, 389, 85, kFieldHeight, Centered | Border},
        {ui::kNoId, Kind::Text, "ZFW", 16, 410, 78, 8},
        {kZfw, Kind::Custom, "Static", 100, 406, 85, 16},
        {ui::kNoId, Kind::GroupBox, "Weight Unit", 222, 343, 181, 40},
        {kMetric, Kind::RadioButton, "Metric (KG)", 232, 358, 70, 10, ui::GroupStart},
        {kImperial, Kind::RadioButton, "Imperial (LBS)", 312, 358, 80, 10},
        // The free space below the unit group, level with the aircraft
        // weight and as wide as OK and Cancel together.
        {ui::kNoId, Kind::Text, "ZFW CG", 224, 391, 70, 8},
        {kZfwCg, Kind::Text, "---", 299, 389, 104, kFieldHeight, Centered | Border},
        {1, Kind::DefaultButton, "OK", 299, 412, 50, 14},
        {2, Kind::PushButton, "Cancel", 353, 412, 50, 14},
    });
}

constexpr auto kA330Controls =
    controls({{65, 185, 51, 25}, {119, 185, 190, 25}, {67, 283, 66, 14}, {194, 283, 94, 14}});
constexpr auto kA343Controls =
    controls({{60, 187, 51, 25}, {119, 187, 177, 24}, {60, 285, 72, 14}, {214, 285, 79, 14}});
constexpr auto kA346Controls =
    controls({{49, 191, 64, 19}, {118, 190, 204, 19}, {58, 285, 89, 14}, {235, 285, 73, 14}});

struct WindowRow {
    int code;
    int templateId;
    ui::DialogTemplate dialogTemplate;
    // Bitmap numbers and pixel sizes of the two images.
    int cabinBitmap;
    QSize cabinSize;
    int cargoBitmap;
    QSize cargoSize;
    int enginesPerWing;
};

const WindowRow kWindows[] = {
    {kA330_200,
     134,
     {"A330-200 Load Manager", 410, 437, kA330Controls},
     147,
     {570, 126},
     141,
     {570, 115},
     1},
    {kA330_300,
     146,
     {"A330-300 Load Manager", 410, 437, kA330Controls},
     147,
     {570, 126},
     141,
     {570, 115},
     1},
    {kA340_300,
     147,
     {"A340-300 Load Manager", 410, 437, kA343Controls},
     150,
     {570, 125},
     149,
     {570, 115},
     2},
    {kA340_600,
     148,
     {"A340-600 Load Manager", 410, 437, kA346Controls},
     148,
     {570, 126},
     151,
     {569, 115},
     2},
};

const WindowRow& windowRow(int code) {
    for (const WindowRow& row : kWindows) {
        if (row.code == code)
            return row;
    }
    return kWindows[0];
}

const QColor kPassengerCount{255, 255, 128};
const QColor kPassengerWeight{255, 200, 130};
const QColor kCargoPercent{192, 255, 192};
const QColor kCargoWeightColour{128, 255, 128};
const QColor kZfwBackground{0, 0, 150};

} // namespace

int LoadManagerDialog::templateId(int aircraftCode) {
    return windowRow(aircraftCode).templateId;
}

LoadManagerDialog::LoadManagerDialog(CLoadManager& model, QWidget* parent)
    : ui::TemplateDialog(windowRow(model.aircraft().code).dialogTemplate, parent)
    , model_(model) {
    setObjectName(QString::fromLatin1(model.aircraft().loadManagerClass));
    setWindowFlag(Qt::WindowMinMaxButtonsHint);
    const AircraftType& aircraft = model_.aircraft();

    for (const int id :
         {kBusinessPax, kEconomyPax, kForwardPercent, kAftPercent, kBusinessWeight, kEconomyWeight,
          kForwardWeight, kAftWeight, kPaxWeight, kCargoWeight, kZfw})
        placeCustom(id, new CColorEdit);
    setUpImages(aircraft.code);

    control<QSlider>(kBusinessTrackbar)->setRange(0, aircraft.businessSeats);
    control<QSlider>(kEconomyTrackbar)->setRange(0, aircraft.economySeats);
    control<QSlider>(kForwardTrackbar)->setRange(0, 100);
    control<QSlider>(kAftTrackbar)->setRange(0, 100);
    control<QProgressBar>(kBusinessBar)->setRange(0, aircraft.businessSeats);
    control<QProgressBar>(kEconomyBar)->setRange(0, aircraft.economySeats);
    control<QProgressBar>(kForwardBar)->setRange(0, 100);
    control<QProgressBar>(kAftBar)->setRange(0, 100);
    for (const int id : {kBusinessBar, kEconomyBar, kForwardBar, kAftBar}) {
        const bool cabin = id == kBusinessBar || id == kEconomyBar;
        control<ui::FillBar>(id)->setColors(Qt::white,
                                            cabin ? kPassengerWeight : kCargoWeightColour);
    }

    // Every opening starts in kilograms, whatever the preferences say.
    setChecked(kMetric, true);
    model_.setUnit(WeightUnit::Kilograms);

    const auto colour = [this](int id, const QColor& background) {
        control<CColorEdit>(id)->setBackgroundColor(background);
    };
    for (const int id : {kBusinessPax, kEconomyPax})
        colour(id, kPassengerCount);
    for (const int id : {kBusinessWeight, kEconomyWeight, kPaxWeight})
        colour(id, kPassengerWeight);
    for (const int id : {kForwardPercent, kAftPercent})
        colour(id, kCargoPercent);
    for (const int id : {kForwardWeight, kAftWeight, kCargoWeight})
        colour(id, kCargoWeightColour);
    colour(kZfw, kZfwBackground);
    auto* zfw = control<CColorEdit>(kZfw);
    zfw->setTextColor(Qt::white);
    // Tahoma where it is installed, else the nearest bold sans-serif.
    zfwFont_.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"),
                          QStringLiteral("Liberation Sans")});
    zfwFont_.setStyleHint(QFont::SansSerif);
    zfwFont_.setPointSize(9);
    zfwFont_.setBold(true);
    zfw->setFont(zfwFont_);

    model_.load();
    const std::array<std::pair<int, int>, 4> positions = {{{kBusinessTrackbar, model_.business()},
                                                           {kEconomyTrackbar, model_.economy()},
                                                           {kForwardTrackbar, model_.forward()},
                                                           {kAftTrackbar, model_.aft()}}};
    for (const auto& [id, position] : positions) {
        auto* slider = control<QSlider>(id);
        {
            const QSignalBlocker quiet(slider);
            slider->setValue(position);
        }
        // Mouse, keyboard, wheel and code all change the value: follow each.
        connect(slider, &QSlider::valueChanged, this, &LoadManagerDialog::synchronise);
    }
    synchronise();
    control<QPushButton>(1)->setFocus();
}

void LoadManagerDialog::setUpImages(int aircraftCode) {
    const WindowRow& row = windowRow(aircraftCode);

    // The images sit centred in their controls, unscaled at 96 dpi; on a
    // larger screen they grow with the template so the bars, placed by the
    // template, still lie on the sections and holds they are drawn for.
    const double scale = unitsToPixels(0, 0, 1000, 0).width() / 1500.0;
    const auto inImage = [this, scale](int imageId, QSize size, int barId) {
        const QRect frame = control(imageId)->geometry();
        const QSizeF shown = QSizeF(size) * scale;
        const QPointF origin(frame.x() + std::floor((frame.width() - shown.width()) / 2),
                             frame.y() + std::floor((frame.height() - shown.height()) / 2));
        const QRectF bar = control(barId)->geometry();
        return QRectF((bar.topLeft() - origin) / scale, bar.size() / scale).toRect();
    };
    const auto shown = [scale](const QImage& image) {
        if (scale <= 1.0)
            return QPixmap::fromImage(image);
        return QPixmap::fromImage(image.scaled((QSizeF(image.size()) * scale).toSize(),
                                               Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    };
    setImage(kBanner, shown(art::loadManagerBanner()));
    const art::CabinPlan cabin{row.cabinSize, inImage(kCabinImage, row.cabinSize, kBusinessBar),
                               inImage(kCabinImage, row.cabinSize, kEconomyBar),
                               row.enginesPerWing};
    const art::HoldPlan holds{row.cargoSize, inImage(kCargoImage, row.cargoSize, kForwardBar),
                              inImage(kCargoImage, row.cargoSize, kAftBar), row.enginesPerWing};
    setImage(kCabinImage, shown(art::cabinTopView(cabin)));
    setImage(kCargoImage, shown(art::cargoSideView(holds)));
    for (const int id : {kBanner, kCabinImage, kCargoImage})
        control<QLabel>(id)->setAlignment(Qt::AlignCenter);
}

void LoadManagerDialog::synchronise() {
    const std::array<std::array<int, 3>, 4> rows = {
        {{kBusinessTrackbar, kBusinessPax, kBusinessBar},
         {kEconomyTrackbar, kEconomyPax, kEconomyBar},
         {kForwardTrackbar, kForwardPercent, kForwardBar},
         {kAftTrackbar, kAftPercent, kAftBar}}};
    for (const auto& [trackbar, field, fill] : rows) {
        const int position = control<QSlider>(trackbar)->value();
        control<CColorEdit>(field)->setText(QString::number(position));
        control<QProgressBar>(fill)->setValue(position);
    }
    model_.setBusiness(control<QSlider>(kBusinessTrackbar)->value());
    model_.setEconomy(control<QSlider>(kEconomyTrackbar)->value());
    model_.setForward(control<QSlider>(kForwardTrackbar)->value());
    model_.setAft(control<QSlider>(kAftTrackbar)->value());
    showFigures();
}

void LoadManagerDialog::showFigures() {
    model_.refresh();
    const PayloadFigures& f = model_.figures();
    const auto show = [this](int id, int value) {
        const QString text = QString::number(value);
        if (auto* field = control<CColorEdit>(id))
            field->setText(text);
        else if (auto* label = control<QLabel>(id))
            label->setText(text);
    };
    show(kBusinessWeight, f.businessWeight);
    show(kEconomyWeight, f.economyWeight);
    show(kPaxWeight, f.paxWeight);
    show(kForwardWeight, f.forwardWeight);
    show(kAftWeight, f.aftWeight);
    show(kCargoWeight, f.cargoWeight);
    show(kAircraftWeight, f.aircraftWeight);
    show(kZfw, f.zfw);
    const auto cg = model_.zfwCgPercentMac();
    control<QLabel>(kZfwCg)->setText(cg ? QString::fromStdString(balance::percentMacText(cg)) +
                                              QStringLiteral(" % MAC")
                                        : QStringLiteral("---"));
}

void LoadManagerDialog::onCommand(int id) {
    if (id == kMetric || id == kImperial) {
        // Positions, counts and bars stay; only the weights change unit.
        model_.setUnit(id == kImperial ? WeightUnit::Pounds : WeightUnit::Kilograms);
        showFigures();
    }
    if (id == 1 && !confirmOutsideChanges())
        return; // stay open; the files keep the other program's change
    ui::TemplateDialog::onCommand(id);
}

bool LoadManagerDialog::confirmOutsideChanges() {
    QStringList changed;
    for (const std::string& file : model_.changedFiles())
        changed << QString::fromStdString(file);
    if (!ui::overwriteOutsideChanges(this, changed))
        return false;
    model_.acceptChanges();
    return true;
}

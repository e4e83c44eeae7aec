#pragma once
// The load manager window of one aircraft: four trackbars set the payload of
// the model it is given; every change shows the weights and the zero fuel
// weight at once. The window writes no file: the caller saves after OK.

#include "common/ui/dialogtemplate.h"

#include <QFont>

class CLoadManager;

namespace loadids {
inline constexpr int kBanner = 1036; // the template gives the banner no id of its own
inline constexpr int kBusinessTrackbar = 1018;
inline constexpr int kEconomyTrackbar = 1010;
inline constexpr int kForwardTrackbar = 1013;
inline constexpr int kAftTrackbar = 1014;
inline constexpr int kBusinessPax = 1012;
inline constexpr int kEconomyPax = 1015;
inline constexpr int kForwardPercent = 1016;
inline constexpr int kAftPercent = 1017;
inline constexpr int kBusinessWeight = 1019;
inline constexpr int kEconomyWeight = 1020;
inline constexpr int kForwardWeight = 1021;
inline constexpr int kAftWeight = 1022;
inline constexpr int kCabinImage = 1024;
inline constexpr int kBusinessBar = 1025;
inline constexpr int kEconomyBar = 1026;
inline constexpr int kCargoImage = 1027;
inline constexpr int kForwardBar = 1033;
inline constexpr int kAftBar = 1034;
inline constexpr int kPaxWeight = 1028;
inline constexpr int kCargoWeight = 1029;
inline constexpr int kAircraftWeight = 1035;
inline constexpr int kZfw = 1030;
inline constexpr int kMetric = 1031;
inline constexpr int kImperial = 1032;
// Beside the template's controls: the zero fuel weight centre of gravity.
inline constexpr int kZfwCg = 1037;
} // namespace loadids

class LoadManagerDialog : public ui::TemplateDialog {
    Q_OBJECT
public:
    // Reads the model's primary file and shows it, in kilograms. `model`
    // must outlive the dialog.
    explicit LoadManagerDialog(CLoadManager& model, QWidget* parent = nullptr);

    // The template resource number of the aircraft's window (134, 146, 147, 148).
    static int templateId(int aircraftCode);

protected:
    void onCommand(int id) override;

private:
    void setUpImages(int aircraftCode);
    // Positions -> counts, percents and bars, then the model's figures.
    void synchronise();
    void showFigures();
    // Whether OK may close for a save: no file changed since it was read,
    // or the user chose to overwrite.
    bool confirmOutsideChanges();

    CLoadManager& model_;
    QFont zfwFont_;
};

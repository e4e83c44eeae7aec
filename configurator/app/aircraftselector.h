#pragma once
// The aircraft selector: each aircraft button stores its code in
// `CurrentAircraft` without closing; "Select an aircraft...", Escape and the
// close box end the window. A double-click on an aircraft chooses it and
// ends the window, as its click and then "Select an aircraft..." would.

#include "common/ui/dialogtemplate.h"

class AircraftSelector : public ui::TemplateDialog {
    Q_OBJECT
public:
    explicit AircraftSelector(QWidget* parent = nullptr);

    // Button ids of the four aircraft, in code order 6 to 9.
    static constexpr int kFirstAircraftButton = 1008;

protected:
    void onCommand(int id) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Runs the selector once, modally.
void runAircraftSelector(QWidget* parent);

#pragma once
// The load manager of one aircraft as the main menu drives it: created when
// the aircraft is chosen, asked whether it is installed, shown modally, and
// told to save when it was closed with OK.

#include "common/profile/profile.h"

#include <memory>

class QWidget;

class LoadManagerTool {
public:
    virtual ~LoadManagerTool() = default;
    virtual bool isInstalled() const = 0;
    // Runs the dialog modally; 1 when closed with OK. Writes no file.
    virtual int exec(QWidget* parent) = 0;
    // Writes the payload into the aircraft's files (after OK only).
    virtual profile::WriteResult save() = 0;
};

// Never null; a code outside 6..9 gives a tool that is not installed.
std::unique_ptr<LoadManagerTool> createLoadManagerTool(int aircraftCode);

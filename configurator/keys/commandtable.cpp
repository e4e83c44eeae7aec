#include "configurator/keys/commandtable.h"

namespace keys {
namespace {

struct DefaultCommand {
    int slot;
    const char* name;
    std::int32_t modifier;
    std::int32_t keyCode;
};

// Slots 85 to 90 are spare: no name, no shortcut.
constexpr DefaultCommand kDefaults[] = {
    {0, "T.O CONFIG", kShiftCtrl, 0x14},
    {1, "Panel Flood Light", kShiftCtrl, 0x21},
    {2, "Reset Flight", kShiftCtrl, 0x13},
    {3, "[MCDU] INIT Key", kCtrl, 0x17},
    {4, "[MCDU] DIR Key", kCtrl, 0x20},
    {5, "[MCDU] PERF Key", kCtrl, 0x19},
    {6, "[MCDU] PROG Key", kCtrl, 0x18},
    {7, "[MCDU] DATA Key", kCtrl, 0x1E},
    {8, "[MCDU] FPLN Key", kCtrl, 0x31},
    {9, "[MCDU] RAD NAV Key", kCtrl, 0x13},
    {10, "[MCDU] FUEL PRED Key", kCtrl, 0x16},
    {11, "[MCDU] MENU Key", kCtrl, 0x32},
    {12, "[MCDU] NEXT PAGE Key", kCtrl, 0xD1},
    {13, "[MCDU] Up Arrow Key", kCtrl, 0xC8},
    {14, "[MCDU] Down Arrow Key", kCtrl, 0xD0},
    {15, "[BARO] Toggle Barometric Setting", kShiftCtrl, 0x30},
    {16, "[BARO] Set Barometric Unit to InHg", kNoModifier, 0},
    {17, "[BARO] Set Barometric Unit to hPa", kNoModifier, 0},
    {18, "[BARO] Set Barometric Standard Mode", kNoModifier, 0},
    {19, "[BARO] Set Barometric QNH Mode", kNoModifier, 0},
    {20, "[BARO] Increase Barometric Pressure", kNoModifier, 0},
    {21, "[BARO] Decrease Barometric Pressure", kNoModifier, 0},
    {22, "[FCU] Decrease Speed/Mach", kCtrl, 0x4F},
    {23, "[FCU] Increase Speed/Mach", kCtrl, 0x50},
    {24, "[FCU] Decrease Speed/Mach Quickly", kNoModifier, 0},
    {25, "[FCU] Increase Speed/Mach Quickly", kNoModifier, 0},
    {26, "[FCU] Decrease Heading/Track", kCtrl, 0x4B},
    {27, "[FCU] Increase Heading/Track", kCtrl, 0x4C},
    {28, "[FCU] Decrease Heading/Track Quickly", kNoModifier, 0},
    {29, "[FCU] Increase Heading/Track Quickly", kNoModifier, 0},
    {30, "[FCU] Decrease Altitude", kCtrl, 0x47},
    {31, "[FCU] Increase Altitude", kCtrl, 0x48},
    {32, "[FCU] Decrease Altitude Quickly", kNoModifier, 0},
    {33, "[FCU] Increase Altitude Quickly", kNoModifier, 0},
    {34, "[FCU] Decrease V/S", kCtrl, 0x51},
    {35, "[FCU] Increase V/S", kCtrl, 0x4D},
    {36, "[FCU] Decrease V/S Quickly", kNoModifier, 0},
    {37, "[FCU] Increase V/S Quickly", kNoModifier, 0},
    {38, "[FCU] Toggle AP1", kNoModifier, 0},
    {39, "[FCU] Toggle AP2", kNoModifier, 0},
    {40, "[FCU] Toggle EXPED", kNoModifier, 0},
    {41, "[FCU] Toggle LOC mode", kNoModifier, 0},
    {42, "[FCU] Toggle APPR mode", kNoModifier, 0},
    {43, "[FCU] Speed Selected (Pull speed knob)", kShiftCtrl, 0x3F},
    {44, "[FCU] Speed Managed (Push speed knob)", kShiftCtrl, 0x40},
    {45, "[FCU] Heading Selected (Pull heading knob)", kShiftCtrl, 0x41},
    {46, "[FCU] Heading Managed (Push heading knob)", kShiftCtrl, 0x42},
    {47, "[FCU] Open Climb/Descent (Pull altitude knob)", kShiftCtrl, 0x43},
    {48, "[FCU] Managed Climb/Descent (Push altitude knob)", kShiftCtrl, 0x44},
    {49, "[FCU] V/S Mode (Pull V/S knob)", kShiftCtrl, 0x57},
    {50, "[FCU] Level Off (Push V/S knob)", kShiftCtrl, 0x58},
    {51, "[FCU] Speed/Mach display", kNoModifier, 0},
    {52, "[FCU] HDG-VS/TRK-FPA display", kNoModifier, 0},
    {53, "[FCU] Metric Alt display", kNoModifier, 0},
    {54, "[FCU] Altitude variation by 100 feet", kNoModifier, 0},
    {55, "[FCU] Altitude variation by 1000 feet", kNoModifier, 0},
    {56, "[EFIS] Show/Hide Airports on ND", kNoModifier, 0},
    {57, "[EFIS] Show/Hide NDB on ND", kNoModifier, 0},
    {58, "[EFIS] Show/Hide VOR/DME on ND", kNoModifier, 0},
    {59, "[EFIS] Show/Hide Waypoints on ND", kNoModifier, 0},
    {60, "[EFIS] Show/Hide Constraints on ND", kNoModifier, 0},
    {61, "[EFIS] Set NAV1 Switch to ADF mode", kNoModifier, 0},
    {62, "[EFIS] Set NAV1 Switch to OFF", kNoModifier, 0},
    {63, "[EFIS] Set NAV1 Switch to VOR mode", kNoModifier, 0},
    {64, "[EFIS] Set NAV2 Switch to ADF mode", kNoModifier, 0},
    {65, "[EFIS] Set NAV2 Switch to OFF", kNoModifier, 0},
    {66, "[EFIS] Set NAV2 Switch to VOR mode", kNoModifier, 0},
    {67, "[EFIS] Toggle ILS display", kNoModifier, 0},
    {68, "[ECAM] Engine Page (ENG)", kNoModifier, 0},
    {69, "[ECAM] Bleed Page (BLEED)", kNoModifier, 0},
    {70, "[ECAM] Pressure Page (PRESS)", kNoModifier, 0},
    {71, "[ECAM] AC Electricity Page (EL/AC)", kNoModifier, 0},
    {72, "[ECAM] DC Electricity Page (EL/DC)", kNoModifier, 0},
    {73, "[ECAM] Hydraulic Page (HYD)", kNoModifier, 0},
    {74, "[ECAM] Auxiliary Power Unit Page (APU)", kNoModifier, 0},
    {75, "[ECAM] Air Conditioning Page (COND)", kNoModifier, 0},
    {76, "[ECAM] Door Page (DOOR)", kNoModifier, 0},
    {77, "[ECAM] Wheel Page (WHEEL)", kNoModifier, 0},
    {78, "[ECAM] Flight Controls Page (F/CTL)", kNoModifier, 0},
    {79, "[ECAM] Fuel Page (FUEL)", kNoModifier, 0},
    {80, "[ECAM] System Page (STS)", kNoModifier, 0},
    {81, "[ECAM] Circuit Breaker Page (CB)", kNoModifier, 0},
    {82, "Aircraft Cold & Dark", kShiftCtrl, 0x20},
    {83, "Clear ECAM Alerts", kNoModifier, 0},
    {84, "Recall cleared ECAM Alerts", kNoModifier, 0},
};

constexpr bool slotsInOrder() {
    int expected = 0;
    for (const DefaultCommand& command : kDefaults) {
        if (command.slot != expected++)
            return false;
    }
    return expected == CommandTable::kNamedCount;
}
static_assert(slotsInOrder(), "one default row per named slot, in slot order");

const CommandSlot kNoSlot{};

} // namespace

CommandTable::CommandTable() {
    resetToDefaults();
}

const CommandSlot& CommandTable::slot(int number) const {
    if (number < 0 || number >= kCount)
        return kNoSlot;
    return slots_[static_cast<std::size_t>(number)];
}

void CommandTable::set(int number, std::int32_t modifier, std::int32_t keyCode) {
    if (number < 0 || number >= kCount)
        return;
    slots_[static_cast<std::size_t>(number)].modifier = modifier;
    slots_[static_cast<std::size_t>(number)].keyCode = keyCode;
}

std::vector<int> CommandTable::slotsWithShortcut(std::int32_t modifier, std::int32_t keyCode,
                                                 int except) const {
    std::vector<int> holders;
    if (keyCode == 0)
        return holders;
    for (int number = 0; number < kNamedCount; ++number) {
        const CommandSlot& other = slots_[static_cast<std::size_t>(number)];
        if (number != except && other.modifier == modifier && other.keyCode == keyCode)
            holders.push_back(number);
    }
    return holders;
}

void CommandTable::resetToDefaults() {
    slots_.fill(CommandSlot{{}, kNoModifier, 0});
    for (const DefaultCommand& command : kDefaults)
        slots_[static_cast<std::size_t>(command.slot)] = {command.name, command.modifier,
                                                          command.keyCode};
}

CommandTable& commandTable() {
    static CommandTable table;
    return table;
}

} // namespace keys

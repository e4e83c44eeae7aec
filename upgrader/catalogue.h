#pragma once
// The fixed work of the upgrade: nine gauges, each with the MD5 signatures
// of its earlier releases and of its version 2 form, and the patch data that
// turns the one into the other.

#include <span>
#include <string>

struct UpgradeEntry {
    std::string displayName;   // "A332 GE", in progress lines
    std::string folder;        // relative to the simulator root
    std::string gaugeName;     // file name without ".gau"
    std::string signatureV1;   // as "Upgrade v1" installs it
    std::string signatureMcdu; // as "MCDU Upgrade" installs it; empty when there is none
    std::string signatureV2;   // what the patch must produce
    std::string patchFile;     // relative to the simulator root
    int panelOnly = 0;         // 1: `folder` holds the gauge and there is no aircraft.cfg step
};

// The nine entries in the order they are processed.
std::span<const UpgradeEntry> UpgradeCatalogue();

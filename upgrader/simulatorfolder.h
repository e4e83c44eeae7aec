#pragma once
// Whether the root the upgrader was given is a simulator with the package:
// a run anywhere else would skip every gauge and report success.

#include "upgrader/catalogue.h"

#include <span>
#include <string>
#include <vector>

enum class FolderProblem {
    None,
    NoFolderGiven, // an empty root: every path would start at the drive's root
    FolderMissing,
    NoGaugeFound, // not one gauge of the catalogue where the run looks
};

FolderProblem simulatorFolderProblem(const std::string& root,
                                     std::span<const UpgradeEntry> catalogue);

// What the user is told about `problem`, naming the folder looked in (path
// text); empty for FolderProblem::None.
std::vector<std::string> folderProblemLines(FolderProblem problem, const std::string& root);

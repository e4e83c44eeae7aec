#pragma once
// One save of a payload: every aircraft file of the type written as OK
// writes it, and the contents they replaced kept as one save, so that one
// restore undoes all of it (the A330-200's two engine variants together).

#include "common/profile/profile.h"

#include <vector>

class CLoadManager;

std::vector<profile::WriteResult> savePayload(const CLoadManager& model);

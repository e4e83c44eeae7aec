#pragma once
// The key assignments as the main menu runs them; the result is not used.

class QWidget;

void runKeyAssignments(QWidget* parent);

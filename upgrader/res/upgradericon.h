#pragma once

#include <QIcon>
#include <QPixmap>

// The upgrader's icon: a cockpit dial whose needle sweeps up past a green
// arrow, drawn in code at any size.
QPixmap upgraderIconPixmap(int size);
QIcon upgraderIcon();

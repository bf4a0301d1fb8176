#pragma once
#include <QIcon>

struct Kind;

// The picture of a kind's button in the main window's band: the kind's name on a tile, blue for
// sale, green for lease.
QIcon kindIcon(const Kind &kind, bool lease);

#pragma once
#include <QDate>

class Tdm;

namespace demo {
// Fills a new data folder (open as the run's database, `dm.DataPath` set) with demonstration data:
// office settings, address pick lists and postal directory, listings of every kind with pictures,
// customers, requests and schedule items around `today`.
void fill(Tdm &dm, const QDate &today);
} // namespace demo

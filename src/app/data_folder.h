#pragma once
// Creating a data folder: every table, the "img" folder inside it, the "image" folder beside it, one
// registrant row, and the alias pointed at it; optionally filled with demonstration data.

#include <QString>

namespace datafolder {
// Where a new office's data lives when nothing else was chosen.
QString defaultFolder();
// Throws DbError when the folder cannot be created or already holds a database.
void create(const QString &folder, bool demo);
} // namespace datafolder

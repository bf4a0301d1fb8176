#pragma once
// Where a listing's pictures and video are kept: <data folder>/img/img<Id_seq>_<slot><.ext>, the
// extension as the source file has it. Stored paths follow the data folder when it moves.

#include <QString>

namespace attachments {
// The kept file of slot k (1-3 pictures, 4 the video) of listing `idSeq` for a source file.
QString keptPath(const QString &dataPath, qint64 idSeq, int slot, const QString &sourceFile);
// A stored path re-rooted onto the current data folder: a file kept in an "img" folder (written with
// "\" or "/") is looked for in the current data folder's img folder. Any other path stays as it is.
QString reroot(const QString &stored, const QString &dataPath);
// Copies `source` to `kept` (replacing what is there); true when `kept` then holds the file.
// Creates the img folder when it is missing.
bool keep(const QString &source, const QString &kept);
} // namespace attachments

#pragma once
// Two flags that belong to a window's kind rather than to one open window: whether the last save
// stopped at a check, and the answer to the secret-information question that the kind's sheets read.

#include <QString>

struct KindFlags {
    QString SaveFailed; // "1" when the last save stopped at a check
    QString ShowSecret; // "Y" or "N"
};

// The flags of an entry window by its name ("TfmApt", "TfmAptLent", ...).
KindFlags &kindFlags(const QString &window);

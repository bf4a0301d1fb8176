#pragma once
// Reading the catalogue files compiled into the program, and finding an entry by its name.

#include <QJsonObject>
#include <QList>
#include <QString>

namespace catalogue {
// The JSON object of ":/catalogue/<file>"; an empty object and `error` set when it cannot be read.
QJsonObject readResource(const QString &file, QString *error);

template <class Spec> const Spec *findByName(const QList<Spec> &all, const QString &name)
{
    for (const Spec &s : all)
        if (s.name == name)
            return &s;
    return nullptr;
}
} // namespace catalogue

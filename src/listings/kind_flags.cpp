#include "listings/kind_flags.h"

#include <QHash>

KindFlags &kindFlags(const QString &window)
{
    static QHash<QString, KindFlags> flags;
    return flags[window];
}

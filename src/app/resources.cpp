#include "app/resources.h"

#include <QtGlobal>

static void initApp() { Q_INIT_RESOURCE(app); }
static void initData() { Q_INIT_RESOURCE(data); }

void initDomoraResources()
{
    static const bool done = [] {
        initApp();
        initData();
        return true;
    }();
    Q_UNUSED(done);
}

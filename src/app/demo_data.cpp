#include "app/demo_data.h"

#include "data/data_module.h"

namespace demo {
void fill(Tdm &, const QDate &) {}
} // namespace demo

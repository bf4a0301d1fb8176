#pragma once
class QTableView;

namespace grids {
// A read-only list grid: whole-row single selection that stays visible without focus, a narrow
// indicator column and clickable titles.
void setUpReadOnly(QTableView *grid);
} // namespace grids

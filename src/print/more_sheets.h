#pragma once
// The sheets beyond the listing detail sheets: the information sheets of every kind, the list prints
// of every list window, and the customer sheets. Each is registered by its name for its preview and
// for building its pages (see print_sheets.h).
void registerMoreSheets();

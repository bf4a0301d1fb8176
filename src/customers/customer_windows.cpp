#include "customers/customer_windows.h"

#include "customers/customer_list.h"
#include "customers/customer_window.h"
#include "customers/find_customer_list.h"
#include "data/address_lookup.h"
#include "ui/window_registry.h"

void registerCustomerWindows()
{
    windows::registerWindow(QStringLiteral("TfmCust"),
                            [](QWidget *parent) -> QDialog * { return new CustomerWindow(parent); });
    windows::registerWindow(QStringLiteral("TfmCustlist"),
                            [](QWidget *parent) -> QDialog * { return new CustomerList(parent); });
    windows::registerWindow(QStringLiteral("TfmFindCustlist"),
                            [](QWidget *parent) -> QDialog * { return new FindCustomerList(parent); });
    registerAddressLookup();
}

#include "print/more_sheets.h"

#include "print/customer_list_sheet.h"
#include "print/customer_sheet.h"
#include "print/info_sheet.h"
#include "print/list_print.h"
#include "print/print_sheets.h"

void registerMoreSheets()
{
    for (const InfoSheetSpec &spec : infosheets::all())
        printsheets::registerSheet(spec.name,
                                   [name = spec.name] { return InfoSheet(*infosheets::byName(name)).build(); });
    for (const ListPrintSpec &spec : listprints::all())
        printsheets::registerSheet(spec.name,
                                   [name = spec.name] { return ListPrint(*listprints::byName(name)).build(); });
    printsheets::registerSheet(customersheet::kName, [] { return customersheet::buildAndRestore(); });
    printsheets::registerSheet(customerlist::kName, [] { return customerlist::build(); });
}

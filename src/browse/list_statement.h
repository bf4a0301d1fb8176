#pragma once
// The statement of a listing list: "select " + the list columns + " from mamul_table.db", the
// window's base condition, a fragment for every filled filter in the window's order, and the sort.
// Typed values never break it: quotes are doubled, and numbers that are not numbers are compared
// as text.

#include "catalogue/list_catalogue.h"

#include <QString>
#include <functional>

struct ListSettings {
    QString listColumns;
    bool activeStatesOnly = true; // office setting; anything but "NO" is on
    bool sortByInputOrder = true;
};

class ListStatement {
public:
    using TextOf = std::function<QString(const QString &control)>;

    static inline const QString kNoSort = QStringLiteral("분류순서선택");

    static QString build(const ListWindowSpec &spec, const TextOf &textOf, const ListSettings &settings,
                         const QString &sortText);
    static QString conditions(const ListWindowSpec &spec, const TextOf &textOf, const ListSettings &settings);
    static QString fragment(const FilterSpec &filter, const TextOf &textOf, const ListSettings &settings);
    // The sort fragment for the sort box text: a choice of the window's table, a column list put
    // there by a title click, or (anything else) the default order.
    static QString sortFragment(const ListWindowSpec &spec, const QString &sortText, const ListSettings &settings);
    // The sort box text a click on a grid title puts there.
    static QString titleClickText(const QString &field);
    static QString rangeFragment(const QString &column, const QString &a, const QString &b, bool quoted);
    // The range rule on a date column: dates are text, so both bounds are quoted.
    static QString dateRangeFragment(const QString &column, const QString &a, const QString &b);
    static QString literal(const QString &text); // '...' with quotes doubled
};

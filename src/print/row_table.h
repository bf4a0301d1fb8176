#pragma once
// The table of the list prints: two lines of columns per row under a two-line column header, a rule
// under every row, and the count after the last row. The listing lists and the customer roster lay
// their rows out with it.

#include "print/list_print_catalogue.h"
#include "print/sheet.h"

#include <QFontMetricsF>
#include <QHash>
#include <memory>

class SqlQuery;

// Rows read from a query: per row its values in the order of `columns`.
struct TableRows {
    QStringList columns;
    QList<QStringList> values;

    int count() const { return int(values.size()); }
    int indexOf(const QString &column) const; // any case; -1 when not read
    QString value(int row, const QString &column) const;

    // Every row of `query` from its first to its last (a column it lacks reads empty); the query is
    // left on the row it stood on.
    static TableRows read(SqlQuery &query, const QStringList &columns);
};

class RowTable {
public:
    // Design sizes, in pixels at 96 per inch.
    static constexpr qreal kRowHeight = 36;
    static constexpr qreal kLineHeight = 16;
    static constexpr qreal kHeaderLinesHeight = 36; // both header lines
    static constexpr qreal kSummaryHeight = 30;

    // `width` in millimetres. Line 1 fills the width; line 2 starts under the second column of line 1
    // when line 1 starts with the row number. `masks` (lower-case column → text) are printed instead of
    // the values; leave it empty where nothing is masked.
    RowTable(const QList<ListPrintColumn> &line1, const QList<ListPrintColumn> &line2, qreal width,
             const QStringList &rowColumns, const QHash<QString, QString> &masks);
    ~RowTable();

    static sheet::FontSpec headerFont();
    static sheet::FontSpec detailFont();

    // The header texts of both lines (field "header"), the first line at `top` (millimetres).
    void addHeaders(sheet::Band &band, qreal top) const;
    // The band of row `number` (counted from 1) with its values in the order of the row columns.
    sheet::Band row(int number, const QStringList &values) const;
    // "TOTAL:", the count and its unit between two rules.
    static sheet::Band summary(qreal width, int count, const QString &unit);

private:
    struct Cell {
        qreal left = 0, width = 0; // millimetres
    };
    struct Part {
        int value = -1; // index into the row's values; -1 for a fixed text
        QString text;   // the fixed text, or the mask
        QString field;
        bool masked = false;
    };
    struct Column {
        Cell cell;
        bool rowNumber = false;
        bool spaced = false;
        QList<Part> parts;
    };

    QList<Column> resolve(const QList<ListPrintColumn> &line, const QList<Cell> &cells, const QStringList &rowColumns,
                          const QHash<QString, QString> &masks) const;
    void addLine(sheet::Band &band, const QList<Column> &line, int number, const QStringList &values, qreal top) const;
    qreal measure(const QString &text) const;

    QList<ListPrintColumn> m_headers1, m_headers2;
    QList<Column> m_line1, m_line2;
    std::unique_ptr<QFontMetricsF> m_metrics;
    mutable QHash<QString, qreal> m_widths;
    qreal m_blank = 0;
};

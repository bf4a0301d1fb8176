#pragma once
// A date edit: year-month-day text ("2026-12-11", the form every stored date takes) with a
// drop-down calendar. An empty edit stores an empty date.

#include <QDate>
#include <QLineEdit>

class DateEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DateEdit(QWidget *parent = nullptr);

    static QString format() { return QStringLiteral("yyyy-MM-dd"); }
    static QString textOf(const QDate &date) { return date.isValid() ? date.toString(format()) : QString(); }

    QDate date() const { return QDate::fromString(text(), format()); }
    void setDate(const QDate &date) { setText(textOf(date)); }
    void showCalendar();
};

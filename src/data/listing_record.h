#pragma once
// One row of mamul_table in memory: 97 texts in column order, numbers and amounts as decimal text.

#include <QString>
#include <QStringList>
#include <array>

class mamulRecord {
public:
    static constexpr int kColumns = 97;

    static const QStringList &columns();
    // 0-based position of a column (any case), -1 when it is not a listing column.
    static int indexOf(const QString &column);

    QString &operator[](int i) { return m_fields[size_t(i)]; }
    const QString &operator[](int i) const { return m_fields[size_t(i)]; }
    // By column name, any case; throws DbError for a name that is not a column.
    QString &operator[](const QString &column);
    const QString &operator[](const QString &column) const;

    bool isEmpty() const;
    bool operator==(const mamulRecord &other) const = default;

private:
    std::array<QString, kColumns> m_fields;
};

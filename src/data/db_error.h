#pragma once
#include <QString>
#include <stdexcept>

// An error of the database engine (missing table or column, a statement that does not parse, a
// parameter without a value, an unreadable data folder). It ends the running command: the
// application catches it at the event loop and shows its text to the user.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    QString text() const { return m_text; }

private:
    QString m_text;
};

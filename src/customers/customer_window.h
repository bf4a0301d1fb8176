#pragma once
// The customer window: registers, shows, edits, deletes and prints one customer of the office. It
// works on the current row of the shared customer query; its caller re-opens that query afterwards.

#include <QDialog>
#include <QHash>
#include <QString>

class QLabel;
class QPushButton;
class QToolButton;

class CustomerWindow : public QDialog {
    Q_OBJECT
    // Readable and writable by name, for callers that only know the window by its registered name.
    Q_PROPERTY(QString Mode MEMBER Mode)
    Q_PROPERTY(QString CustNum MEMBER CustNum)
public:
    explicit CustomerWindow(QWidget *parent = nullptr);

    // "Append" (empty window), "Append2" (name, phones and address filled in by the caller) or "Edit".
    QString Mode = QStringLiteral("Append");
    // Num of the customer shown; empty for a customer not yet saved.
    QString CustNum;

    // Fills the window for its mode (when shown and after every navigator move).
    void FormShow();
    void SaveClick();
    void DelContClick();
    void PrintClick();
    void navigate(int where); // 0 first, 1 prior, 2 next, 3 last
    void zipClick();

    // The control that edits a column (any case); nullptr when there is none.
    QWidget *control(const QString &column) const { return m_controls.value(column.toLower()); }
    QString textOf(const QString &column) const;
    void setTextOf(const QString &column, const QString &text);

    // The columns the window writes, in the order of its statements.
    static const QStringList &columns();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildLayout();
    bool appendMode() const { return Mode == QLatin1String("Append") || Mode == QLatin1String("Append2"); }
    void insertCustomer();
    void updateCustomer(qint64 num);

    QHash<QString, QWidget *> m_controls; // by column, lower case
};

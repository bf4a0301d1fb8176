#pragma once
// A calculator edit: numeric text (digits and one decimal point) with a drop-down calculator.
// Used for amounts in 만원 and for areas ("area" shows values with the format "0").

#include <QLineEdit>

class QToolButton;

class AmountEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit AmountEdit(QWidget *parent = nullptr);

    // Shows a stored number: "0" and "" show as empty; with `wholeDisplay` the value is shown
    // rounded to a whole number (format "0").
    void setValueText(const QString &stored);
    // The value to store: the stored value as it was while the shown text is untouched (an area of
    // 25.5 shows as 26 but is saved as 25.5), otherwise what the user typed.
    QString valueText() const;
    void setWholeDisplay(bool on) { m_wholeDisplay = on; }
    bool wholeDisplay() const { return m_wholeDisplay; }

    void showCalculator();

private:
    bool m_wholeDisplay = false;
    QString m_stored; // the value last given to setValueText
    QString m_shown;  // the text it was shown as
};

// The small calculator that drops down under an amount edit; "=" or OK puts the result back.
class CalculatorPopup : public QFrame {
    Q_OBJECT
public:
    explicit CalculatorPopup(AmountEdit *target);
    void press(const QString &key);
    QString display() const;

private:
    void finish();
    AmountEdit *m_target;
    class QLabel *m_display;
    double m_acc = 0;
    QString m_entry;
    QChar m_op;
};

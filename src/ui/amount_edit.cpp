#include "ui/amount_edit.h"

#include "ui/key_navigation.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

AmountEdit::AmountEdit(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    keys::installNumericFilter(this);
    QAction *calc = addAction(QIcon(), QLineEdit::TrailingPosition);
    calc->setText(QStringLiteral("계산기"));
    calc->setToolTip(QStringLiteral("계산기"));
    // A small drawn arrow, so no icon theme is needed.
    QPixmap pix(10, 10);
    pix.fill(Qt::transparent);
    {
        QPainter p(&pix);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(palette().color(QPalette::Text));
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({QPointF(1, 3), QPointF(9, 3), QPointF(5, 8)}));
    }
    calc->setIcon(QIcon(pix));
    connect(calc, &QAction::triggered, this, &AmountEdit::showCalculator);
}

void AmountEdit::setValueText(const QString &stored)
{
    const QString t = stored.trimmed();
    bool ok = false;
    const double v = t.toDouble(&ok);
    QString shown = t;
    if (t.isEmpty() || (ok && v == 0))
        shown.clear();
    else if (ok && m_wholeDisplay)
        shown = QString::number(qint64(std::llround(v)));
    setText(shown);
    m_stored = stored;
    m_shown = shown;
}

QString AmountEdit::valueText() const
{
    if (text() == m_shown && !m_shown.isEmpty())
        return m_stored;
    return text();
}

void AmountEdit::showCalculator()
{
    auto *popup = new CalculatorPopup(this);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    popup->move(mapToGlobal(QPoint(0, height())));
    popup->show();
}

CalculatorPopup::CalculatorPopup(AmountEdit *target) : QFrame(target, Qt::Popup), m_target(target)
{
    setObjectName(QStringLiteral("Calculator"));
    setFrameShape(QFrame::Box);
    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(4, 4, 4, 4);
    m_display = new QLabel(target->text().isEmpty() ? QStringLiteral("0") : target->text(), this);
    m_display->setAlignment(Qt::AlignRight);
    m_display->setFrameShape(QFrame::Panel);
    m_display->setFrameShadow(QFrame::Sunken);
    m_entry = target->text();
    box->addWidget(m_display);
    auto *grid = new QGridLayout;
    const QStringList keysText = {"7", "8", "9", "/", "4", "5", "6", "*", "1", "2", "3", "-", "0", "C", "=", "+"};
    for (int i = 0; i < keysText.size(); ++i) {
        auto *b = new QPushButton(keysText.at(i), this);
        b->setFixedSize(30, 24);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, k = keysText.at(i)] { press(k); });
        grid->addWidget(b, i / 4, i % 4);
    }
    box->addLayout(grid);
}

QString CalculatorPopup::display() const
{
    return m_display->text();
}

static QString numberText(double v)
{
    if (std::fabs(v - std::round(v)) < 1e-9)
        return QString::number(qint64(std::llround(v)));
    return QString::number(v, 'f', 2);
}

void CalculatorPopup::press(const QString &key)
{
    const QChar k = key.at(0);
    if (k.isDigit()) {
        m_entry += k;
        m_display->setText(m_entry);
        return;
    }
    if (k == QLatin1Char('C')) {
        m_acc = 0;
        m_entry.clear();
        m_op = QChar();
        m_display->setText(QStringLiteral("0"));
        return;
    }
    const double value = m_entry.toDouble();
    if (m_op.isNull())
        m_acc = value;
    else if (m_op == QLatin1Char('+'))
        m_acc += value;
    else if (m_op == QLatin1Char('-'))
        m_acc -= value;
    else if (m_op == QLatin1Char('*'))
        m_acc *= value;
    else if (m_op == QLatin1Char('/') && value != 0)
        m_acc /= value;
    m_entry.clear();
    m_display->setText(numberText(m_acc));
    if (k == QLatin1Char('=')) {
        m_op = QChar();
        finish();
        return;
    }
    m_op = k;
}

void CalculatorPopup::finish()
{
    m_target->setText(numberText(m_acc));
    close();
}

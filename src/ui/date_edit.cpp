#include "ui/date_edit.h"

#include "ui/key_navigation.h"
#include "ui/seams.h"

#include <QAction>
#include <QCalendarWidget>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

DateEdit::DateEdit(QWidget *parent) : QLineEdit(parent)
{
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("^\\d{0,4}(-\\d{0,2}(-\\d{0,2})?)?$")), this));
    setPlaceholderText(QStringLiteral("yyyy-mm-dd"));
    keys::installNavigation(this);
    QPixmap pix(12, 12);
    pix.fill(Qt::transparent);
    {
        QPainter p(&pix);
        p.setPen(palette().color(QPalette::Text));
        p.drawRect(1, 2, 10, 9);
        p.fillRect(1, 2, 11, 3, palette().color(QPalette::Text));
    }
    QAction *calendar = addAction(QIcon(pix), QLineEdit::TrailingPosition);
    calendar->setToolTip(QStringLiteral("달력"));
    connect(calendar, &QAction::triggered, this, &DateEdit::showCalendar);
}

void DateEdit::showCalendar()
{
    auto *popup = new QFrame(this, Qt::Popup);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    auto *box = new QVBoxLayout(popup);
    box->setContentsMargins(2, 2, 2, 2);
    auto *cal = new QCalendarWidget(popup);
    cal->setObjectName(QStringLiteral("Calendar"));
    cal->setSelectedDate(date().isValid() ? date() : seams::clock().today());
    box->addWidget(cal);
    connect(cal, &QCalendarWidget::activated, this, [this, popup](const QDate &d) {
        setDate(d);
        popup->close();
    });
    connect(cal, &QCalendarWidget::clicked, this, [this, popup](const QDate &d) {
        setDate(d);
        popup->close();
    });
    popup->move(mapToGlobal(QPoint(0, height())));
    popup->show();
}

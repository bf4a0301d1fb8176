#include "ui/input_text.h"

#include "ui/amount_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace inputs {

QString text(const QWidget *w)
{
    if (auto *a = qobject_cast<const AmountEdit *>(w))
        return a->valueText();
    if (auto *e = qobject_cast<const QLineEdit *>(w))
        return e->text();
    if (auto *c = qobject_cast<const QComboBox *>(w))
        return c->currentText();
    if (auto *m = qobject_cast<const QPlainTextEdit *>(w))
        return m->toPlainText();
    if (auto *b = qobject_cast<const QCheckBox *>(w))
        return b->isChecked() ? QStringLiteral("YES") : QStringLiteral("NO");
    return QString();
}

void setText(QWidget *w, const QString &text)
{
    if (auto *a = qobject_cast<AmountEdit *>(w))
        a->setValueText(text);
    else if (auto *e = qobject_cast<QLineEdit *>(w))
        e->setText(text);
    else if (auto *c = qobject_cast<QComboBox *>(w)) {
        if (c->isEditable())
            c->setEditText(text);
        else
            c->setCurrentIndex(c->findText(text));
    } else if (auto *m = qobject_cast<QPlainTextEdit *>(w))
        m->setPlainText(text);
    else if (auto *b = qobject_cast<QCheckBox *>(w))
        b->setChecked(text == QLatin1String("YES"));
}

} // namespace inputs

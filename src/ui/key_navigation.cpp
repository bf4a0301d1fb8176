#include "ui/key_navigation.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace keys {

namespace {

void moveFocus(QWidget *from, bool forward)
{
    QWidget *w = from;
    // Leave a combo box's inner line edit as the combo itself.
    if (auto *combo = qobject_cast<QComboBox *>(w->parentWidget()))
        w = combo;
    QWidget *next = forward ? w->nextInFocusChain() : w->previousInFocusChain();
    for (int guard = 0; next && next != w && guard < 500; ++guard) {
        if (next->isVisible() && next->isEnabled() && (next->focusPolicy() & Qt::TabFocus) &&
            !qobject_cast<QComboBox *>(next->parentWidget()))
            break;
        next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
    }
    if (next && next != w)
        next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

class Navigation : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *obj, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *w = qobject_cast<QWidget *>(obj);
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        // An open drop-down list keeps its own keys.
        if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->view()->isVisible())
            return false;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            moveFocus(w, true);
            return true;
        case Qt::Key_Down:
            moveFocus(w, true);
            return true;
        case Qt::Key_Up:
            moveFocus(w, false);
            return true;
        default:
            break;
        }
        if (w->property("numericInput").toBool()) {
            const QString t = key->text();
            if (!t.isEmpty() && t.at(0).isPrint()) {
                const QChar c = t.at(0);
                if (!(c.isDigit() && c.unicode() < 128) && c != QLatin1Char('.'))
                    return true; // dropped
            }
        }
        return false;
    }
};

Navigation *filter()
{
    static Navigation *f = new Navigation;
    return f;
}

} // namespace

void installNavigation(QWidget *input)
{
    if (!input || input->property("keysInstalled").toBool())
        return;
    input->setProperty("keysInstalled", true);
    input->installEventFilter(filter());
}

void installNumericFilter(QWidget *input)
{
    if (!input)
        return;
    input->setProperty("numericInput", true);
    installNavigation(input);
}

bool isNumericInput(const QWidget *input)
{
    return input && input->property("numericInput").toBool();
}

} // namespace keys

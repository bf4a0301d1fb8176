#include "ui/cp949.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>

namespace cp949 {

int length(const QString &text)
{
    int n = 0;
    for (QChar c : text)
        n += c.unicode() < 0x80 ? 1 : 2;
    return n;
}

QString truncated(const QString &text, int bytes)
{
    int n = 0;
    for (int i = 0; i < text.size(); ++i) {
        n += text.at(i).unicode() < 0x80 ? 1 : 2;
        if (n > bytes)
            return text.left(i);
    }
    return text;
}

static const char *kLimitProperty = "cp949MaxLength";

static QLineEdit *lineEditOf(QWidget *input)
{
    if (auto *edit = qobject_cast<QLineEdit *>(input))
        return edit;
    if (auto *combo = qobject_cast<QComboBox *>(input))
        return combo->lineEdit();
    return input->findChild<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly);
}

void applyByteLimit(QWidget *input, int bytes)
{
    if (!input)
        return;
    input->setProperty(kLimitProperty, bytes);
    QLineEdit *edit = lineEditOf(input);
    if (!edit)
        return;
    // Only what the user types or pastes is held to the limit: a stored value that is longer (written
    // by another program, or under an older limit) is shown whole and saved back unchanged.
    if (edit->property("cp949Hooked").toBool())
        return;
    edit->setProperty("cp949Hooked", true);
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, input](const QString &text) {
        const int limit = input->property(kLimitProperty).toInt();
        if (limit <= 0 || length(text) <= limit)
            return;
        // What was just typed or pasted stands before the cursor: take back from it what does not fit,
        // so a syllable typed in front of "12" is refused instead of cutting the "2" off the end.
        QString cut = text;
        int cursor = edit->cursorPosition();
        while (cursor > 0 && length(cut) > limit) {
            const int width = cursor > 1 && cut.at(cursor - 1).isLowSurrogate() ? 2 : 1;
            cursor -= width;
            cut.remove(cursor, width);
        }
        if (length(cut) > limit)
            cut = truncated(cut, limit);
        edit->setText(cut);
        edit->setCursorPosition(qMin(cursor, int(cut.size())));
    });
}

int byteLimit(const QWidget *input)
{
    return input ? input->property(kLimitProperty).toInt() : 0;
}

} // namespace cp949

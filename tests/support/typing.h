#pragma once
// Types text into a widget key by key, as a user would. QTest::keyClicks cannot send Hangul, so
// every character that is not ASCII goes as a key event that carries its text.

#include <QString>
#include <QTest>
#include <QWidget>

inline void typeText(QWidget *widget, const QString &text)
{
    for (QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(widget, char(ch.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

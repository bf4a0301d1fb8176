// Widths of texts in code page 949 bytes, and the byte limit on inputs.

#include "support/typing.h"
#include "ui/cp949.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

class TestCp949 : public QObject {
    Q_OBJECT

private slots:
    void length_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bytes");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("ASCII") << "abc 12-3" << 8;
        QTest::newRow("Hangul") << "서울" << 4;
        QTest::newRow("floor") << "12층" << 4;
        QTest::newRow("mixed") << "A동 101호" << 9;
        QTest::newRow("jamo") << "ㄱㄴ" << 4;
        QTest::newRow("middle dot") << "상가·주택" << 10;
        QTest::newRow("full-width digit") << "１" << 2;
        QTest::newRow("tab and newline") << "a\tb\n" << 4;
    }
    void length()
    {
        QFETCH(QString, text);
        QFETCH(int, bytes);
        QCOMPARE(cp949::length(text), bytes);
    }

    void truncated_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("syllable does not fit") << "12층" << 3 << "12";
        QTest::newRow("syllable first") << "층12" << 3 << "층1";
        QTest::newRow("never half a syllable") << "서울" << 3 << "서";
        QTest::newRow("exact fit") << "서울" << 4 << "서울";
        QTest::newRow("odd limit") << "가나다" << 5 << "가나";
        QTest::newRow("shorter than the limit") << "abc" << 10 << "abc";
        QTest::newRow("zero bytes") << "abc" << 0 << "";
        QTest::newRow("empty") << "" << 5 << "";
    }
    void truncated()
    {
        QFETCH(QString, text);
        QFETCH(int, bytes);
        QFETCH(QString, prefix);
        QCOMPARE(cp949::truncated(text, bytes), prefix);
    }

    void typing_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("cursor"); // where the new text goes; -1 = at the end
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("paste");
        QTest::addColumn<QString>("after");
        QTest::newRow("floor typed") << 3 << "" << -1 << "12층" << false << "12";
        QTest::newRow("syllable and digit typed") << 3 << "" << -1 << "층1" << false << "층1";
        QTest::newRow("digits typed") << 3 << "" << -1 << "1234" << false << "123";
        QTest::newRow("odd limit") << 5 << "" << -1 << "가나다" << false << "가나";
        QTest::newRow("syllable typed in front is refused") << 3 << "12" << 0 << "층" << false << "12";
        QTest::newRow("syllable typed in the middle fits") << 4 << "ab" << 1 << "가" << false << "a가b";
        QTest::newRow("second syllable in the middle refused") << 4 << "ab" << 1 << "가나" << false << "a가b";
        QTest::newRow("no limit") << 0 << "" << -1 << "가나다라마바사아자차" << false << "가나다라마바사아자차";
        QTest::newRow("paste cut to fit") << 5 << "" << -1 << "가나다" << true << "가나";
        QTest::newRow("paste in front keeps what was there") << 5 << "ab" << 0 << "가나다" << true << "가ab";
    }
    void typing()
    {
        QFETCH(int, limit);
        QFETCH(QString, before);
        QFETCH(int, cursor);
        QFETCH(QString, input);
        QFETCH(bool, paste);
        QFETCH(QString, after);
        QLineEdit edit;
        cp949::applyByteLimit(&edit, limit);
        QCOMPARE(cp949::byteLimit(&edit), limit);
        edit.show();
        edit.setText(before);
        edit.setCursorPosition(cursor < 0 ? int(before.size()) : cursor);
        if (paste)
            edit.insert(input);
        else
            typeText(&edit, input);
        QCOMPARE(edit.text(), after);
        QVERIFY(cp949::length(edit.text()) <= (limit > 0 ? limit : 1000));
    }

    void editableComboBox()
    {
        QComboBox combo;
        combo.setEditable(true);
        cp949::applyByteLimit(&combo, 10);
        QCOMPARE(cp949::byteLimit(&combo), 10);
        combo.show();
        typeText(combo.lineEdit(), QStringLiteral("서울특별시청"));
        QCOMPARE(combo.currentText(), QStringLiteral("서울특별시"));
    }

    void limitCanBeChangedAndRemoved()
    {
        QLineEdit edit;
        cp949::applyByteLimit(&edit, 2);
        cp949::applyByteLimit(&edit, 4);
        edit.show();
        typeText(&edit, QStringLiteral("가나다"));
        QCOMPARE(edit.text(), QStringLiteral("가나"));
        cp949::applyByteLimit(&edit, 0);
        QCOMPARE(cp949::byteLimit(&edit), 0);
        typeText(&edit, QStringLiteral("다라마바"));
        QCOMPARE(edit.text(), QStringLiteral("가나다라마바"));
        cp949::applyByteLimit(nullptr, 3);
        QCOMPARE(cp949::byteLimit(nullptr), 0);
    }
};

QTEST_MAIN(TestCp949)
#include "test_cp949.moc"

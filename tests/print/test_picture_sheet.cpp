// The picture sheet printed from the picture viewer: its title, the picture at the viewer's print
// size inside the sheet's picture area, preview or direct printing.
#include "listings/picture_view.h"
#include "print/picture_sheet.h"
#include "print/print_sheets.h"
#include "print/sheet_preview.h"
#include "support/scripted_env.h"

#include <QAction>
#include <QFileInfo>
#include <QPixmap>
#include <QPrinterInfo>
#include <QProcess>
#include <QTest>
#include <memory>

namespace {

QPixmap picture(int w, int h)
{
    QPixmap p(w, h);
    p.fill(Qt::darkCyan);
    return p;
}

} // namespace

class TestPictureSheet : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env = std::make_unique<TestEnv>();
        registerPrintSheets();
    }
    void cleanup() { env.reset(); }

    void previewShowsThePictureAtItsPrintSize_data()
    {
        QTest::addColumn<QSize>("natural");
        QTest::addColumn<QSize>("printed");
        // 1000 wide: 29 print steps of 10 by 5 bring it to 710.
        QTest::newRow("wide") << QSize(1000, 500) << QSize(710, 355);
        QTest::newRow("small") << QSize(300, 200) << QSize(300, 200);
        // Taller than the 700 of the sheet's picture area: smaller in proportion.
        QTest::newRow("tall") << QSize(400, 1400) << QSize(200, 700);
    }
    void previewShowsThePictureAtItsPrintSize()
    {
        QFETCH(QSize, natural);
        QFETCH(QSize, printed);
        Tpicture_view viewer;
        viewer.setPicture(picture(natural.width(), natural.height()));
        viewer.naturalSize();
        const QString pdf = env->path("picture.pdf");
        sheet::Document shown;
        env->modal->handlers << [&](QDialog *d) {
            auto *preview = qobject_cast<sheet::SheetPreview *>(d);
            QVERIFY(preview);
            QCOMPARE(preview->windowTitle(), QString("매물사진정보"));
            shown = preview->document();
            env->dialogs->saveFiles << pdf;
            preview->savePdfAction()->trigger();
        };
        viewer.print(true);
        QCOMPARE(env->modal->opened, QStringList{"Tpictureprn"});
        QCOMPARE(shown.pages.size(), 1);
        const sheet::Item *title = shown.firstOf("title");
        QVERIFY(title);
        QCOMPARE(title->text, QString("매물 사진 정보"));
        bool framed = false;
        for (const sheet::Item &item : shown.pages.first().items)
            framed = framed || (item.kind == sheet::ItemKind::Frame && item.rect == title->rect);
        QVERIFY(framed);
        const sheet::Item *image = shown.firstOf("pic_img");
        QVERIFY(image);
        QVERIFY(!image->picture.isNull());
        QCOMPARE(image->rect.width(), sheet::px(printed.width()));
        QCOMPARE(image->rect.height(), sheet::px(printed.height()));
        QVERIFY(image->rect.top() > title->rect.bottom());
        QVERIFY(shown.printableRect().contains(image->rect));

        QProcess text;
        text.start("pdftotext", {pdf, "-"});
        text.waitForFinished();
        QVERIFY(QString::fromUtf8(text.readAllStandardOutput()).replace(QChar(1), ' ').contains("매물 사진 정보"));
        QProcess images;
        images.start("pdfimages", {"-list", pdf});
        images.waitForFinished();
        QCOMPARE(QString::fromUtf8(images.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts).size(), 3);
    }

    void printingDirectlyShowsNoPreview()
    {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("A printer is installed here; printing directly would put paper through it.");
        Tpicture_view viewer;
        viewer.setPicture(picture(200, 100));
        viewer.naturalSize();
        viewer.print(false);
        QVERIFY(env->modal->opened.isEmpty());
        QCOMPARE(env->dialogs->messages, QStringList{"사용할 수 있는 프린터가 없습니다."});
    }

    void fittedSize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("natural");
        QTest::addColumn<QSize>("fitted");
        QTest::newRow("as the viewer computed") << QSize(700, 300) << QSize(1000, 430) << QSize(700, 300);
        QTest::newRow("no size: the natural one") << QSize() << QSize(320, 240) << QSize(320, 240);
        QTest::newRow("too tall") << QSize(350, 1400) << QSize(350, 1400) << QSize(175, 700);
        QTest::newRow("too wide") << QSize(1420, 300) << QSize(1420, 300) << QSize(710, 150);
        QTest::newRow("nothing") << QSize() << QSize() << QSize();
    }
    void fittedSize()
    {
        QFETCH(QSize, size);
        QFETCH(QSize, natural);
        QFETCH(QSize, fitted);
        QCOMPARE(picturesheet::fittedSize(size, natural), fitted);
    }

private:
    std::unique_ptr<TestEnv> env;
};

QTEST_MAIN(TestPictureSheet)
#include "test_picture_sheet.moc"

// The sheet layer: bands laid out into pages, page numbers and the printing date, growing rich text,
// and the preview, the printer and PDF files drawing the same pages.
#include "print/sheet_layout.h"
#include "print/sheet_preview.h"
#include "print/sheet_renderer.h"
#include "print/sheet_text.h"
#include "support/scripted_env.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QToolBar>
#include <memory>

using namespace sheet;

namespace {

const FontSpec kBody{QStringLiteral("Arial"), 10, false};

Band textBand(qreal height, const QString &text, const QString &field)
{
    Band b;
    b.height = height;
    b.text(QRectF(0, 0, 120, height), text, kBody, Qt::AlignLeft | Qt::AlignVCenter, field);
    return b;
}

Document a4()
{
    Document d;
    d.name = QStringLiteral("TTestPrtScr");
    d.caption = QStringLiteral("시험 출력");
    return d;
}

// A few pages: a page header, a title, a column header with the page number, rows, a summary.
Document listing(int rows, qreal rowHeight = 9)
{
    SheetLayout layout(a4());
    layout.setPageHeader(textBand(8, QStringLiteral("머리글"), QStringLiteral("pageHeader")));
    layout.setTitle(textBand(30, QStringLiteral("아파트 매매 목록"), QStringLiteral("title")));
    Band columns = textBand(10, QStringLiteral("번호 주소 아파트"), QStringLiteral("columnHeader"));
    columns.system(QRectF(150, 0, 40, 10), SystemText::PageNumber, kBody, Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("페이지: %1"));
    columns.system(QRectF(150, 5, 40, 5), SystemText::PrintDate, kBody);
    layout.setColumnHeader(columns);
    Band footer = textBand(6, QString(), QStringLiteral("footer"));
    footer.system(QRectF(0, 0, 40, 6), SystemText::PageCount, kBody, Qt::AlignLeft, QStringLiteral("/%1"));
    layout.setPageFooter(footer);
    for (int i = 1; i <= rows; ++i)
        layout.addDetail(textBand(rowHeight, QStringLiteral("%1 서울 강남구 역삼동").arg(i), QStringLiteral("row")));
    layout.setSummary(textBand(12, QStringLiteral("TOTAL: %1 개").arg(rows), QStringLiteral("summary")));
    return layout.layout();
}

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>").arg(program, QString::fromUtf8(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of a PDF, page by page; NanumGothic blanks come out as U+0001 and every run of white
// space counts as one blank.
QStringList pdfPages(const QString &file)
{
    QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    text.replace(QChar(1), QLatin1Char(' '));
    QStringList pages = text.split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    for (QString &p : pages)
        p = p.simplified();
    return pages;
}

bool inside(const QRectF &outer, const QRectF &inner)
{
    const qreal e = 0.01;
    return inner.left() >= outer.left() - e && inner.top() >= outer.top() - e && inner.right() <= outer.right() + e &&
           inner.bottom() <= outer.bottom() + e;
}

QList<const Item *> onPage(const Document &doc, int page, const QString &field)
{
    QList<const Item *> out;
    for (const Item &item : doc.pages.at(page).items)
        if (item.field == field)
            out << &item;
    return out;
}

QString longText(int lines)
{
    QStringList out;
    for (int i = 1; i <= lines; ++i)
        out << QStringLiteral("%1번째 줄에는 남향이며 주차가 편리하고 학교가 가깝다는 설명이 이어집니다").arg(i);
    return out.join(QLatin1Char('\n'));
}

} // namespace

class TestSheetLayer : public QObject {
    Q_OBJECT
private slots:
    void init() { env = std::make_unique<TestEnv>(); }
    void cleanup() { env.reset(); }

    void pagination_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<qreal>("rowHeight");
        QTest::newRow("one page") << 3 << qreal(9);
        QTest::newRow("summary onto the next page") << 24 << qreal(9);
        QTest::newRow("three pages") << 60 << qreal(9);
        QTest::newRow("tall rows") << 12 << qreal(40);
        QTest::newRow("no rows") << 0 << qreal(9);
    }
    void pagination()
    {
        QFETCH(int, rows);
        QFETCH(qreal, rowHeight);
        const Document doc = listing(rows, rowHeight);
        const QRectF area = doc.printableRect();
        // Body: below the page header (8), the column header (10) and on the first page the title (30);
        // above the footer (6).
        const qreal bottom = area.bottom() - 6;
        const int firstPage = int((bottom - area.top() - 48 + 0.001) / rowHeight);
        const int otherPages = int((bottom - area.top() - 18 + 0.001) / rowHeight);
        int expectedPages = 1, left = rows - firstPage;
        while (left > 0) {
            ++expectedPages;
            left -= otherPages;
        }
        // The summary (12) goes onto a page of its own when the last page is full.
        const int onLast = rows <= firstPage ? rows : rows - firstPage - (expectedPages - 2) * otherPages;
        const qreal lastTop = area.top() + (expectedPages == 1 ? 48 : 18);
        if (lastTop + onLast * rowHeight + 12 > bottom + 0.001)
            ++expectedPages;
        QCOMPARE(doc.pages.size(), expectedPages);

        int next = 1;
        for (int p = 0; p < doc.pages.size(); ++p) {
            const QList<const Item *> header = onPage(doc, p, QStringLiteral("pageHeader"));
            const QList<const Item *> columns = onPage(doc, p, QStringLiteral("columnHeader"));
            QCOMPARE(header.size(), 1);
            QCOMPARE(columns.size(), 1);
            QCOMPARE(header.first()->rect.top(), area.top());
            QCOMPARE(columns.first()->rect.top(), area.top() + (p == 0 ? 38 : 8));
            QCOMPARE(onPage(doc, p, QStringLiteral("title")).size(), p == 0 ? 1 : 0);
            QCOMPARE(onPage(doc, p, QStringLiteral("footer")).first()->rect.top(), bottom);
            qreal y = columns.first()->rect.bottom();
            for (const Item *row : onPage(doc, p, QStringLiteral("row"))) {
                QCOMPARE(row->text, QStringLiteral("%1 서울 강남구 역삼동").arg(next++));
                QCOMPARE(row->rect.top(), y);
                QVERIFY(row->rect.bottom() <= bottom + 0.001);
                y = row->rect.bottom();
            }
        }
        QCOMPARE(next, rows + 1);
        const QList<const Item *> summary = doc.itemsOf(QStringLiteral("summary"));
        QCOMPARE(summary.size(), 1);
        QCOMPARE(onPage(doc, int(doc.pages.size()) - 1, QStringLiteral("summary")).size(), 1);
        QCOMPARE(summary.first()->text, QStringLiteral("TOTAL: %1 개").arg(rows));
    }

    void pageNumbersAndTheDateOfPrinting()
    {
        env->clock->date = QDate(2027, 3, 1);
        const Document doc = listing(80);
        QVERIFY(doc.pages.size() >= 3);
        for (int p = 0; p < doc.pages.size(); ++p) {
            QStringList numbers, dates, counts;
            for (const Item &item : doc.pages.at(p).items) {
                if (item.system == SystemText::PageNumber)
                    numbers << item.text;
                if (item.system == SystemText::PrintDate)
                    dates << item.text;
                if (item.system == SystemText::PageCount)
                    counts << item.text;
            }
            QCOMPARE(numbers, QStringList{QStringLiteral("페이지: %1").arg(p + 1)});
            QCOMPARE(dates, QStringList{QStringLiteral("2027-03-01")});
            QCOMPARE(counts, QStringList{QStringLiteral("/%1").arg(doc.pages.size())});
        }
    }

    void richTextGrowsWithItsBand()
    {
        Band band;
        band.height = 30;
        Item &frame = band.frame(QRectF(0, 0, 100, 28));
        frame.stretches = true;
        band.frame(QRectF(110, 0, 60, 28));
        band.richText(QRectF(2, 5, 96, 20), longText(12), kBody, true, QStringLiteral("Spec"));
        const Band grown = SheetLayout::grown(band);
        const Item &text = grown.items.at(2);
        const qreal need = measureRichText(band.items.at(2)).height;
        QVERIFY(need > 40);
        QCOMPARE(text.rect.height(), need);
        const qreal growth = need - 20;
        QCOMPARE(grown.height, 30 + growth);
        QCOMPARE(grown.items.at(0).rect.height(), 28 + growth);
        QCOMPARE(grown.items.at(1).rect.height(), qreal(28));

        // A short text keeps the designed size.
        Band small = band;
        small.items[2].text = QStringLiteral("짧은 글");
        QCOMPARE(SheetLayout::grown(small).height, qreal(30));
        QCOMPARE(SheetLayout::grown(small).items.at(2).rect.height(), qreal(20));
    }

    void richTextContinuesOverPages()
    {
        SheetLayout layout(a4());
        layout.setPageHeader(textBand(8, QStringLiteral("머리글"), QStringLiteral("pageHeader")));
        layout.addDetail(textBand(200, QStringLiteral("앞의 내용"), QStringLiteral("before")));
        Band remarks;
        remarks.height = 40;
        remarks.frame(QRectF(0, 0, 190, 38)).stretches = true;
        remarks.richText(QRectF(2, 4, 120, 30), longText(200), kBody, true, QStringLiteral("Spec"));
        layout.addDetail(remarks);
        const Document doc = layout.layout();

        const QList<const Item *> pieces = doc.itemsOf(QStringLiteral("Spec"));
        QVERIFY(pieces.size() >= 3);
        QCOMPARE(pieces.size(), doc.pages.size());
        const RichTextLines lines = measureRichText(*pieces.first());
        qreal offset = 0;
        for (int p = 0; p < pieces.size(); ++p) {
            const Item *piece = pieces.at(p);
            QVERIFY(inside(doc.printableRect(), piece->rect));
            QCOMPARE(piece->textOffset, offset);
            // Pieces end at the end of a line, never in the middle of one.
            const qreal end = offset + piece->rect.height();
            bool atLine = false;
            for (qreal b : lines.lineBottoms)
                atLine = atLine || qAbs(b - end) < 0.001;
            QVERIFY2(atLine, qPrintable(QString::number(end)));
            offset = end;
            QCOMPARE(onPage(doc, p, QStringLiteral("pageHeader")).size(), 1);
        }
        QCOMPARE(offset, lines.height);
        // The text starts on the first page, under what came before it, with its frame cut at the page's end.
        QCOMPARE(onPage(doc, 0, QStringLiteral("Spec")).size(), 1);
        QVERIFY(pieces.first()->rect.top() > onPage(doc, 0, QStringLiteral("before")).first()->rect.bottom());
        for (const Item &item : doc.pages.first().items)
            if (item.kind == ItemKind::Frame)
                QVERIFY(inside(doc.printableRect(), item.rect));
    }

    void aBandThatDoesNotFitStartsTheNextPage()
    {
        SheetLayout layout(a4());
        layout.addDetail(textBand(200, QStringLiteral("첫째"), QStringLiteral("first")));
        layout.addDetail(textBand(100, QStringLiteral("둘째"), QStringLiteral("second")));
        const Document doc = layout.layout();
        QCOMPARE(doc.pages.size(), 2);
        QCOMPARE(onPage(doc, 1, QStringLiteral("second")).first()->rect.top(), doc.printableRect().top());
    }

    void renderersDrawTheSamePages()
    {
        Document doc = listing(70);
        QVERIFY(doc.pages.size() >= 2);
        Band pictures;
        pictures.height = 60;
        QImage image(200, 100, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        pictures.picture(QRectF(0, 0, 66, 37), image, QString(), QStringLiteral("Pic_pic1"));
        pictures.circle(QRectF(80, 0, 60, 20));
        pictures.rule(QPointF(0, 50), QPointF(190, 50));
        SheetLayout more(a4());
        more.addDetail(pictures);
        doc.pages += more.layout().pages;

        const QString direct = env->path(QStringLiteral("direct.pdf"));
        QString error;
        QVERIFY2(writePdf(doc, direct, &error), qPrintable(error));

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString printed = env->path(QStringLiteral("printed.pdf"));
        printer.setOutputFileName(printed);
        QVERIFY(printDocument(doc, &printer));

        // The preview paints whatever printer it is given, with the pages of its document.
        const QString previewed = env->path(QStringLiteral("previewed.pdf"));
        int previewPages = -1;
        env->modal->handlers << [&](QDialog *d) {
            auto *preview = qobject_cast<SheetPreview *>(d);
            QVERIFY(preview);
            QCOMPARE(preview->windowTitle(), QStringLiteral("시험 출력"));
            if (auto *widget = preview->findChild<QPrintPreviewWidget *>())
                previewPages = widget->pageCount();
            QPrinter target(QPrinter::HighResolution);
            target.setOutputFormat(QPrinter::PdfFormat);
            target.setOutputFileName(previewed);
            preparePrinter(preview->document(), &target);
            emit preview->paintRequested(&target);
        };
        showPreview(doc, nullptr);
        QCOMPARE(env->modal->opened, QStringList{QStringLiteral("TTestPrtScr")});
        QCOMPARE(previewPages, int(doc.pages.size()));

        const QStringList expected = pdfPages(direct);
        QCOMPARE(expected.size(), doc.pages.size());
        QCOMPARE(pdfPages(printed), expected);
        QCOMPARE(pdfPages(previewed), expected);
        // Every text item prints on its own page.
        for (int p = 0; p < doc.pages.size(); ++p)
            for (const Item &item : doc.pages.at(p).items)
                if (item.kind == ItemKind::Text && !item.text.isEmpty())
                    QVERIFY2(expected.at(p).contains(item.text.simplified()),
                             qPrintable(QStringLiteral("page %1: %2").arg(p + 1).arg(item.text)));
        for (const QString &file : {direct, printed, previewed}) {
            const QString info = run(QStringLiteral("pdfinfo"), {file});
            QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
            QVERIFY(run(QStringLiteral("pdffonts"), {file}).contains(QStringLiteral("NanumGothic")));
            // One picture, on the last page.
            const QStringList images = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file})
                                           .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                           .mid(2);
            QCOMPARE(images.size(), 1);
            QCOMPARE(images.first().simplified().section(QLatin1Char(' '), 0, 0), QString::number(doc.pages.size()));
        }
    }

    void textPrintsWhereItsItemIs()
    {
        Document doc = a4();
        Band band;
        band.height = 100;
        band.text(QRectF(40, 30, 80, 10), QStringLiteral("위치확인"), kBody, Qt::AlignLeft | Qt::AlignTop);
        SheetLayout layout(doc);
        layout.addDetail(band);
        doc = layout.layout();
        const QString file = env->path(QStringLiteral("where.pdf"));
        QVERIFY(writePdf(doc, file));
        const QString words = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
        const QRegularExpression word(QStringLiteral("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>위치확인<"));
        const QRegularExpressionMatch m = word.match(words);
        QVERIFY2(m.hasMatch(), qPrintable(words));
        const qreal mmPerPoint = 25.4 / 72;
        // The item lies at (50, 40) mm on the paper: 10 mm margins plus its place in the band.
        QVERIFY(qAbs(m.captured(1).toDouble() * mmPerPoint - 50) < 1.0);
        QVERIFY(qAbs(m.captured(2).toDouble() * mmPerPoint - 40) < 2.0);
    }

    void landscapePages()
    {
        Document doc = a4();
        doc.orientation = QPageLayout::Landscape;
        QCOMPARE(doc.printableRect().width(), qreal(277));
        SheetLayout layout(doc);
        layout.addDetail(textBand(10, QStringLiteral("가로"), QStringLiteral("row")));
        const QString file = env->path(QStringLiteral("landscape.pdf"));
        QVERIFY(writePdf(layout.layout(), file));
        const QString info = run(QStringLiteral("pdfinfo"), {file});
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+)")).match(info);
        QVERIFY2(m.hasMatch(), qPrintable(info));
        QVERIFY(m.captured(1).toDouble() > m.captured(2).toDouble());
    }

    void savePdfFromThePreview_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("message");
        QTest::newRow("named file") << "out/sheet.pdf"
                                    << "out/sheet.pdf"
                                    << "";
        QTest::newRow("no suffix") << "out/sheet"
                                   << "out/sheet.pdf"
                                   << "";
        QTest::newRow("cancelled") << ""
                                   << ""
                                   << "";
        QTest::newRow("missing folder") << "nowhere/at/all/sheet.pdf"
                                        << ""
                                        << "PDF 파일을 저장할 수 없습니다 : ";
    }
    void savePdfFromThePreview()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QFETCH(QString, message);
        QDir(env->path(QString())).mkpath(QStringLiteral("out"));
        const Document doc = listing(5);
        bool saved = false;
        env->modal->handlers << [&](QDialog *d) {
            auto *preview = qobject_cast<SheetPreview *>(d);
            QVERIFY(preview);
            QAction *action = preview->savePdfAction();
            QVERIFY(action);
            QCOMPARE(action->text(), QStringLiteral("PDF로 저장"));
            auto *bar = preview->findChild<QToolBar *>();
            QVERIFY(bar && bar->actions().contains(action));
            env->dialogs->saveFiles << (chosen.isEmpty() ? QString() : env->path(chosen));
            saved = preview->savePdf();
        };
        showPreview(doc, nullptr);
        QCOMPARE(env->dialogs->lastSaveFilter, QStringLiteral("PDF 파일 (*.pdf)"));
        QCOMPARE(saved, !written.isEmpty());
        if (!written.isEmpty())
            QCOMPARE(pdfPages(env->path(written)).join(QLatin1Char(' ')).contains(QStringLiteral("TOTAL: 5 개")), true);
        if (message.isEmpty())
            QVERIFY(env->dialogs->messages.isEmpty());
        else
            QVERIFY(env->dialogs->messages.value(0).startsWith(message));
        QVERIFY(!QFileInfo::exists(env->path(QStringLiteral("out/sheet"))));
    }

    void writePdfFailsClearly()
    {
        QString error;
        QVERIFY(!writePdf(listing(1), env->path(QStringLiteral("no/such/folder/x.pdf")), &error));
        QVERIFY(error.startsWith(QStringLiteral("PDF 파일을 저장할 수 없습니다 : ")));
    }

private:
    std::unique_ptr<TestEnv> env;
};

QTEST_MAIN(TestSheetLayer)
#include "test_sheet_layer.moc"

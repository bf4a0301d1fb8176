#include "app/application.h"

#include "app/data_folder.h"
#include "app/main_window.h"
#include "data/data_module.h"
#include "data/db_error.h"
#include "browse/list_window.h"
#include "customers/customer_windows.h"
#include "data/zipcode_import.h"
#include "listings/entry_window.h"
#include "print/print_command.h"
#include "print/print_sheets.h"
#include "ui/fonts.h"
#include "ui/seams.h"
#include "ui/window_registry.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QTextStream>
#include <memory>

namespace {

// An engine error ends the command that raised it and is shown to the user; the program goes on.
class DomoraApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const DbError &e) {
            seams::dialogs().inform(e.text());
        } catch (const std::exception &e) {
            seams::dialogs().inform(QString::fromLocal8Bit(e.what()));
        }
        return false;
    }
};

bool wantsCommandLineTask(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "--new-data-folder" || a == "--import-zipcodes" || a.startsWith("--import-zipcodes=") ||
            a == "--print" || a.startsWith("--print=") || a == "--help" || a == "-h")
            return true;
    }
    return false;
}

} // namespace

int runDomora(int argc, char *argv[])
{
    // Tasks on the command line need no screen.
    if (wantsCommandLineTask(argc, argv) && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    DomoraApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("domora"));
    QApplication::setApplicationDisplayName(QStringLiteral("DOMORA"));
    QApplication::setFont(fonts::font(QStringLiteral("굴림"), 9));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("부동산 매물관리 프로그램"));
    parser.addHelpOption();
    QCommandLineOption newFolder(QStringLiteral("new-data-folder"),
                                 QStringLiteral("Create a data folder at DIR and point the program at it."),
                                 QStringLiteral("DIR"));
    QCommandLineOption demoOption(QStringLiteral("demo"), QStringLiteral("Fill the new data folder with demonstration data."));
    QCommandLineOption importZipcodes(
        QStringLiteral("import-zipcodes"),
        QStringLiteral("Replace the postal directory of the data folder with the rows of FILE (CSV, UTF-8 or CP949)."),
        QStringLiteral("FILE"));
    parser.addOption(newFolder);
    parser.addOption(demoOption);
    parser.addOption(importZipcodes);
    QCommandLineOption printOption(
        QStringLiteral("print"), QStringLiteral("Print a listing's sheet (detail or info) into the PDF file of --pdf."),
        QStringLiteral("SHEET"));
    QCommandLineOption listingOption(QStringLiteral("listing"), QStringLiteral("The listing to print (Id_seq)."),
                                     QStringLiteral("ID"));
    QCommandLineOption secretOption(QStringLiteral("secret"),
                                    QStringLiteral("Print the secret information (Y) or mask it (N, the default)."),
                                    QStringLiteral("Y|N"));
    QCommandLineOption pdfOption(QStringLiteral("pdf"), QStringLiteral("The PDF file to write."),
                                 QStringLiteral("FILE"));
    parser.addOptions({printOption, listingOption, secretOption, pdfOption});
    parser.process(app);

    QTextStream err(stderr);
    if (parser.isSet(newFolder)) {
        try {
            datafolder::create(parser.value(newFolder), parser.isSet(demoOption));
        } catch (const DbError &e) {
            err << e.text() << Qt::endl;
            return 1;
        }
        return 0;
    }
    if (parser.isSet(importZipcodes))
        return zipcodes::runCommand(parser.value(importZipcodes));
    if (parser.isSet(printOption)) {
        registerPrintSheets();
        return printcommand::run({parser.value(printOption), parser.value(listingOption), parser.value(secretOption),
                                  parser.value(pdfOption)},
                                 err);
    }

    registerListingWindows();
    registerListWindows();
    registerPrintSheets();
    registerCustomerWindows();
    // The objects that live for the whole run, in their order.
    TfmMain mainWindow;
    Tdm dm;
    setDataModule(&dm);
    std::unique_ptr<QDialog> customerWindow(windows::create(QStringLiteral("TfmCust"), &mainWindow));
    std::unique_ptr<QDialog> pictureViewer(windows::create(QStringLiteral("Tpicture_view"), &mainWindow));
    std::unique_ptr<QDialog> kindChooser(windows::create(QStringLiteral("TfmALLkind"), &mainWindow));
    mainWindow.showMaximized();
    const int result = app.exec();
    setDataModule(nullptr);
    return result;
}

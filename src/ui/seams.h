#pragma once
// Every effect that leaves the program (a message box, a file or folder dialog, a modal window,
// the desktop shell, today's date) goes through one of these small interfaces. The running program
// installs the Qt versions; tests install scripted ones (tests/support).

#include <QDate>
#include <QFont>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>

class QDialog;
class QWidget;

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void inform(const QString &text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool ask(const QString &text) = 0;
    // Empty when cancelled.
    virtual QString chooseFile(const QString &filter) = 0;
    // A file to write, such as a sheet saved as PDF; empty when cancelled.
    virtual QString chooseSaveFile(const QString &filter) = 0;
    virtual QString chooseFolder(const QString &title, const QString &start) = 0;
    virtual std::optional<QFont> chooseFont(const QFont &font) = 0;
};

class Modal {
public:
    virtual ~Modal() = default;
    // Shows the window modally and returns its result (QDialog::Accepted and so on).
    virtual int run(QDialog *window) = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    virtual void openUrl(const QUrl &url) = 0;
    // Copies every file and sub-folder of `source` into `target`, showing progress.
    // Returns false and fills `error` when something could not be copied.
    virtual bool copyFolder(const QString &source, const QString &target, QString *error) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() = 0;
};

namespace seams {
Dialogs &dialogs();
Modal &modal();
Shell &shell();
Clock &clock();

// Replace a seam; the previous one is destroyed. Passing nullptr restores the production version.
void install(std::unique_ptr<Dialogs> d);
void install(std::unique_ptr<Modal> m);
void install(std::unique_ptr<Shell> s);
void install(std::unique_ptr<Clock> c);
} // namespace seams

// Copies a folder tree file by file; calls `progress(done, total)` after each file and stops when it
// returns false. Shared by the production shell and by tests.
bool copyFolderTree(const QString &source, const QString &target, QString *error,
                    const std::function<bool(int, int)> &progress = {});

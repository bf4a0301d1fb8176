#include "ui/seams.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QProgressDialog>

namespace {

QWidget *activeParent() { return QApplication::activeWindow(); }

class QtDialogs : public Dialogs {
public:
    void inform(const QString &text) override
    {
        QMessageBox box(QMessageBox::Information, QApplication::applicationDisplayName(), text,
                        QMessageBox::Ok, activeParent());
        box.exec();
    }
    bool ask(const QString &text) override
    {
        QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text,
                        QMessageBox::Yes | QMessageBox::No, activeParent());
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
    }
    QString chooseFile(const QString &filter) override
    {
        return QFileDialog::getOpenFileName(activeParent(), QString(), QString(), filter);
    }
    QString chooseSaveFile(const QString &filter) override
    {
        return QFileDialog::getSaveFileName(activeParent(), QString(), QString(), filter);
    }
    QString chooseFolder(const QString &title, const QString &start) override
    {
        return QFileDialog::getExistingDirectory(activeParent(), title, start,
                                                 QFileDialog::ShowDirsOnly);
    }
    std::optional<QFont> chooseFont(const QFont &font) override
    {
        bool ok = false;
        QFont chosen = QFontDialog::getFont(&ok, font, activeParent());
        if (!ok)
            return std::nullopt;
        return chosen;
    }
};

class QtModal : public Modal {
public:
    int run(QDialog *window) override { return window->exec(); }
};

class QtShell : public Shell {
public:
    void openUrl(const QUrl &url) override { QDesktopServices::openUrl(url); }
    bool copyFolder(const QString &source, const QString &target, QString *error) override
    {
        QProgressDialog progress(QStringLiteral("데이터를 백업하고 있습니다..."),
                                 QStringLiteral("취소"), 0, 0, activeParent());
        progress.setWindowModality(Qt::ApplicationModal);
        progress.setMinimumDuration(300);
        return copyFolderTree(source, target, error, [&](int done, int total) {
            progress.setMaximum(total);
            progress.setValue(done);
            QApplication::processEvents();
            return !progress.wasCanceled();
        });
    }
};

class SystemClock : public Clock {
public:
    QDate today() override { return QDate::currentDate(); }
};

std::unique_ptr<Dialogs> g_dialogs;
std::unique_ptr<Modal> g_modal;
std::unique_ptr<Shell> g_shell;
std::unique_ptr<Clock> g_clock;

} // namespace

namespace seams {

Dialogs &dialogs()
{
    if (!g_dialogs)
        g_dialogs = std::make_unique<QtDialogs>();
    return *g_dialogs;
}
Modal &modal()
{
    if (!g_modal)
        g_modal = std::make_unique<QtModal>();
    return *g_modal;
}
Shell &shell()
{
    if (!g_shell)
        g_shell = std::make_unique<QtShell>();
    return *g_shell;
}
Clock &clock()
{
    if (!g_clock)
        g_clock = std::make_unique<SystemClock>();
    return *g_clock;
}
void install(std::unique_ptr<Dialogs> d) { g_dialogs = std::move(d); }
void install(std::unique_ptr<Modal> m) { g_modal = std::move(m); }
void install(std::unique_ptr<Shell> s) { g_shell = std::move(s); }
void install(std::unique_ptr<Clock> c) { g_clock = std::move(c); }

} // namespace seams

bool copyFolderTree(const QString &source, const QString &target, QString *error,
                    const std::function<bool(int, int)> &progress)
{
    QDir src(source);
    if (!src.exists()) {
        if (error)
            *error = QStringLiteral("폴더가 없습니다 : %1").arg(source);
        return false;
    }
    QStringList files;
    QDirIterator it(source, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    QDir().mkpath(target);
    int done = 0;
    bool ok = true;
    for (const QString &file : files) {
        const QString rel = src.relativeFilePath(file);
        const QString dest = QDir(target).filePath(rel);
        QDir().mkpath(QFileInfo(dest).absolutePath());
        if (QFile::exists(dest))
            QFile::remove(dest);
        if (!QFile::copy(file, dest)) {
            ok = false;
            if (error)
                *error += QStringLiteral("복사할 수 없는 파일 : %1\n").arg(file);
        }
        ++done;
        if (progress && !progress(done, int(files.size()))) {
            if (error)
                *error += QStringLiteral("백업이 취소되었습니다.\n");
            return false;
        }
    }
    return ok;
}

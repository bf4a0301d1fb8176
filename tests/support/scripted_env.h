#pragma once
// What every test needs: a temporary home for configuration and data, scripted seams that answer
// questions in order and record every message, and a data module of its own.

#include "data/data_module.h"
#include "ui/seams.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <functional>
#include <memory>

class ScriptedDialogs : public Dialogs {
public:
    QStringList messages;       // every text shown, informs and questions alike, in order
    QList<bool> answers;        // answers to questions, taken in order
    QStringList files, folders; // choices of the file and folder dialogs, taken in order ("" = cancel)
    QStringList saveFiles;      // choices of the save-file dialog, taken in order ("" = cancel)
    std::optional<QFont> fontChoice;
    int unexpectedQuestions = 0; // questions asked when no answer was left (answered No)

    void inform(const QString &text) override { messages << text; }
    bool ask(const QString &text) override
    {
        messages << text;
        if (answers.isEmpty()) {
            ++unexpectedQuestions;
            return false;
        }
        return answers.takeFirst();
    }
    QString chooseFile(const QString &filter) override
    {
        lastFilter = filter;
        return files.isEmpty() ? QString() : files.takeFirst();
    }
    QString chooseSaveFile(const QString &filter) override
    {
        lastSaveFilter = filter;
        return saveFiles.isEmpty() ? QString() : saveFiles.takeFirst();
    }
    QString chooseFolder(const QString &title, const QString &start) override
    {
        lastTitle = title;
        lastStart = start;
        return folders.isEmpty() ? QString() : folders.takeFirst();
    }
    std::optional<QFont> chooseFont(const QFont &) override { return fontChoice; }
    QString lastFilter, lastSaveFilter, lastTitle, lastStart;
};

class ScriptedModal : public Modal {
public:
    // Each modal window runs the next handler while shown; the handler's return value is the
    // window's result unless it closed the window itself (accept/reject/done).
    QList<std::function<void(QDialog *)>> handlers;
    QStringList opened; // object names of the windows shown, in order
    int run(QDialog *window) override;
};

class RecordingShell : public Shell {
public:
    QList<QUrl> urls;
    int copies = 0;
    void openUrl(const QUrl &url) override { urls << url; }
    bool copyFolder(const QString &source, const QString &target, QString *error) override
    {
        ++copies;
        return copyFolderTree(source, target, error);
    }
};

class FixedClock : public Clock {
public:
    QDate date{2026, 12, 9}; // a Wednesday
    QDate today() override { return date; }
};

class TestEnv {
public:
    TestEnv();
    ~TestEnv();

    QString path(const QString &relative) const;
    // Creates a data folder (every table, one registrant row) under the temporary home, points the
    // alias at it and opens it; returns the folder.
    QString newDataFolder(const QString &name = QStringLiteral("office/data"), bool demo = false);

    QTemporaryDir home;
    ScriptedDialogs *dialogs;
    ScriptedModal *modal;
    RecordingShell *shell;
    FixedClock *clock;
    std::unique_ptr<Tdm> dm;
};

// Runs a statement on the open data folder (test set-up); fails the test on an error.
void execSql(const QString &sql);
// A single value of a select, as text.
QString sqlValue(const QString &sql);

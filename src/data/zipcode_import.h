#pragma once
// Importing a postal directory: a comma-separated file whose rows hold the seven columns of ZIPCODE
// in order (ZIPCODE,SIDO,GUGUN,DONG,BUNJI,GITA,ADDR), in UTF-8 or in the Korean Windows code page.
// The whole file is read and checked first; only a file without faults replaces the directory, and
// the district and town pick lists (SIGUN, UMD) are rebuilt from the same rows in the same
// transaction.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zipcodes {

struct ImportResult {
    bool ok = false;
    QString error;     // why nothing was imported (Korean)
    int errorLine = 0; // the faulty line of the file, 0 when no single line is at fault
    int rows = 0;      // ZIPCODE rows stored
    int districts = 0; // SIGUN rows stored
    int towns = 0;     // UMD rows stored
};

// The fields of one line; false with `why` filled when the line cannot be split.
bool splitLine(const QString &line, QStringList *fields, QString *why);
// The file's text: UTF-8 when it reads as UTF-8, else code page 949; false when it is neither.
bool decode(const QByteArray &bytes, QString *text);

// Replaces the directory of the open data folder. Engine errors throw DbError (nothing is changed).
ImportResult importBytes(const QByteArray &bytes);
ImportResult importFile(const QString &path);

// The command-line task: opens the data folder of the alias, imports `path`, and reports on the
// standard streams. Returns the program's exit code (0 done, 1 nothing imported).
int runCommand(const QString &path);

} // namespace zipcodes

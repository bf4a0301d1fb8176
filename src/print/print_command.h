#pragma once
// Printing a listing's sheet from the command line into a PDF file, as the entry window of the
// listing's kind would print it: the data folder of the alias, the office information of the first
// registrant, the print query opened on the listing and the window's secret flag set.

#include <QString>

class QTextStream;

namespace printcommand {

struct Request {
    QString sheet;   // "detail" or "info"
    QString listing; // Id_seq
    QString secret;  // "Y" or "N" (empty: "N", the secret information stays masked)
    QString pdf;     // the file to write
};

// 0 when the file was written; otherwise 1 with the reason in Korean on `err`.
int run(const Request &request, QTextStream &err);

// The kind code (APT, BUN, ..., OTH) of an Obj_kind, and the deal ("sale"/"lease", "" for none) of a
// listing of that kind with that Obj_kubun1, as the listings open their entry windows.
QString kindCodeOf(const QString &objKind);
QString dealOf(const QString &kindCode, const QString &objKubun1);

} // namespace printcommand

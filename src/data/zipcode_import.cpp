#include "data/zipcode_import.h"

#include "data/alias_registry.h"
#include "data/database.h"
#include "data/db_error.h"
#include "data/schema.h"
#include "ui/cp949.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringDecoder>
#include <QTextStream>
#include <algorithm>

namespace zipcodes {

namespace {

constexpr int kColumns = 7;

// Old six-digit codes with or without their hyphen, and the five-digit codes.
const QRegularExpression &zipPattern()
{
    static const QRegularExpression re(QStringLiteral("^(\\d{3}-?\\d{3}|\\d{5})$"));
    return re;
}

ImportResult failure(int line, const QString &why)
{
    ImportResult r;
    r.errorLine = line;
    r.error = line > 0 ? QStringLiteral("%1번째 줄: %2").arg(line).arg(why) : why;
    return r;
}

void run(QSqlQuery &q, const QString &sql)
{
    if (!q.exec(sql))
        throw DbError(q.lastError().text() + QStringLiteral("\n") + sql);
}

// Distinct keys of the rows, sorted so the pick lists come out in 가나다 order.
QList<QStringList> distinctSorted(const QSet<QStringList> &set)
{
    QList<QStringList> list(set.begin(), set.end());
    std::sort(list.begin(), list.end(), [](const QStringList &a, const QStringList &b) {
        for (int i = 0; i < a.size() && i < b.size(); ++i)
            if (a.at(i) != b.at(i))
                return a.at(i) < b.at(i);
        return a.size() < b.size();
    });
    return list;
}

} // namespace

bool splitLine(const QString &line, QStringList *fields, QString *why)
{
    fields->clear();
    const int n = int(line.size());
    int i = 0;
    while (true) {
        while (i < n && (line.at(i) == QLatin1Char(' ') || line.at(i) == QLatin1Char('\t')))
            ++i;
        QString field;
        if (i < n && line.at(i) == QLatin1Char('"')) {
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar c = line.at(i);
                if (c == QLatin1Char('"')) {
                    if (i + 1 < n && line.at(i + 1) == QLatin1Char('"')) {
                        field += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                field += c;
                ++i;
            }
            if (!closed) {
                *why = QStringLiteral("따옴표가 닫히지 않았습니다.");
                return false;
            }
            while (i < n && (line.at(i) == QLatin1Char(' ') || line.at(i) == QLatin1Char('\t')))
                ++i;
            if (i < n && line.at(i) != QLatin1Char(',')) {
                *why = QStringLiteral("닫는 따옴표 뒤에 쉼표가 없습니다.");
                return false;
            }
        } else {
            const int comma = line.indexOf(QLatin1Char(','), i);
            const int end = comma < 0 ? n : comma;
            field = line.mid(i, end - i).trimmed();
            i = end;
        }
        *fields << field;
        if (i >= n)
            return true;
        ++i; // the comma
    }
}

bool decode(const QByteArray &bytes, QString *text)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    *text = utf8.decode(bytes);
    if (!utf8.hasError())
        return true;
    // "CP949" names IBM's code page in the conversion library; the Korean Windows one is this.
    QStringDecoder korean("windows-949", QStringConverter::Flag::Stateless);
    if (!korean.isValid())
        return false;
    *text = korean.decode(bytes);
    return !korean.hasError();
}

ImportResult importBytes(const QByteArray &bytes)
{
    QString text;
    if (!decode(bytes, &text))
        return failure(0, QStringLiteral("파일의 글자를 읽을 수 없습니다 (UTF-8도 CP949도 아닙니다)."));

    const schema::Table &table = schema::table(QStringLiteral("ZIPCODE"));
    QList<QStringList> rows;
    QSet<QStringList> districts, towns;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int at = 0; at < lines.size(); ++at) {
        QString line = lines.at(at);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const int lineNo = at + 1;
        QStringList fields;
        QString why;
        if (!splitLine(line, &fields, &why))
            return failure(lineNo, why);
        // A first line that names the columns holds no postal code.
        if (at == 0 && !fields.first().contains(QRegularExpression(QStringLiteral("\\d"))))
            continue;
        if (fields.size() != kColumns)
            return failure(lineNo,
                           QStringLiteral("항목이 %1개입니다. 우편번호,시도,구군,동,번지,기타,주소의 7개여야 합니다.")
                               .arg(fields.size()));
        if (!zipPattern().match(fields.at(0)).hasMatch())
            return failure(lineNo, QStringLiteral("우편번호 \"%1\"이(가) 올바르지 않습니다.").arg(fields.at(0)));
        if (fields.at(1).isEmpty())
            return failure(lineNo, QStringLiteral("시/도가 비어 있습니다."));
        if (fields.at(3).isEmpty())
            return failure(lineNo, QStringLiteral("동이 비어 있습니다."));
        for (int c = 0; c < kColumns; ++c) {
            const int width = table.columns.at(c).width;
            if (cp949::length(fields.at(c)) > width)
                return failure(lineNo, QStringLiteral("%1 값이 너무 깁니다 (최대 %2바이트).")
                                           .arg(QString::fromLatin1(table.columns.at(c).name))
                                           .arg(width));
        }
        if (!fields.at(2).isEmpty())
            districts.insert({fields.at(1), fields.at(2)});
        towns.insert({fields.at(1), fields.at(2), fields.at(3)});
        rows << fields;
    }
    if (rows.isEmpty())
        return failure(0, QStringLiteral("가져올 주소가 없습니다."));

    const QList<QStringList> districtRows = distinctSorted(districts);
    const QList<QStringList> townRows = distinctSorted(towns);
    database::inWriteTransaction([&] {
        QSqlQuery q(database::connection());
        run(q, QStringLiteral("delete from ZIPCODE"));
        run(q, QStringLiteral("delete from SIGUN"));
        run(q, QStringLiteral("delete from UMD"));
        auto insertAll = [](const QString &sql, const QList<QStringList> &values) {
            QSqlQuery ins(database::connection());
            if (!ins.prepare(sql))
                throw DbError(ins.lastError().text() + QStringLiteral("\n") + sql);
            for (const QStringList &row : values) {
                for (int i = 0; i < row.size(); ++i)
                    ins.bindValue(i, row.at(i).isNull() ? QStringLiteral("") : row.at(i));
                if (!ins.exec())
                    throw DbError(ins.lastError().text());
            }
        };
        insertAll(
            QStringLiteral("insert into ZIPCODE (ZIPCODE,SIDO,GUGUN,DONG,BUNJI,GITA,ADDR) values (?,?,?,?,?,?,?)"),
            rows);
        insertAll(QStringLiteral("insert into SIGUN (sido,sigun) values (?,?)"), districtRows);
        insertAll(QStringLiteral("insert into UMD (sido,sigun,umd) values (?,?,?)"), townRows);
    });
    ImportResult r;
    r.ok = true;
    r.rows = int(rows.size());
    r.districts = int(districtRows.size());
    r.towns = int(townRows.size());
    return r;
}

ImportResult importFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(0, QStringLiteral("파일을 열 수 없습니다 : %1").arg(QDir::toNativeSeparators(path)));
    return importBytes(file.readAll());
}

int runCommand(const QString &path)
{
    QTextStream out(stdout), err(stderr);
    const QString folder = aliases::pathOf(aliases::kAlias);
    if (folder.isEmpty()) {
        err << aliases::kMissingMessage << Qt::endl;
        return 1;
    }
    try {
        database::open(folder);
        const ImportResult r = importFile(path);
        database::close();
        if (!r.ok) {
            err << r.error << Qt::endl << QStringLiteral("주소 자료는 바뀌지 않았습니다.") << Qt::endl;
            return 1;
        }
        out << QStringLiteral("우편번호 %1건, 구/군 %2건, 읍/면/동 %3건을 가져왔습니다.")
                   .arg(r.rows)
                   .arg(r.districts)
                   .arg(r.towns)
            << Qt::endl;
        return 0;
    } catch (const DbError &e) {
        database::close();
        err << e.text() << Qt::endl;
        return 1;
    }
}

} // namespace zipcodes

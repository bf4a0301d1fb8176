#include "customers/customer_window.h"

#include "data/data_module.h"
#include "data/database.h"
#include "ui/seams.h"
#include "ui/sheet_registry.h"
#include "ui/window_registry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <memory>
#include <optional>

namespace {

const QString kListingPrintStatement = QStringLiteral("select * from mamul_table.db where Id_seq = :Id_seq");

// Num of a customer as stored, or nothing for one that has not been saved.
std::optional<qint64> numberOf(const QString &custNum)
{
    bool ok = false;
    const qint64 n = custNum.trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return n;
}

} // namespace

CustomerWindow::CustomerWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfmCust"));
    setWindowTitle(QStringLiteral("고객 등록/수정..."));
    buildLayout();
}

const QStringList &CustomerWindow::columns()
{
    static const QStringList cols = {
        QStringLiteral("Cname"),        QStringLiteral("CCompany"),        QStringLiteral("CGwange"),
        QStringLiteral("Cbuseo"),       QStringLiteral("Cgikchek"),        QStringLiteral("Chandphone"),
        QStringLiteral("Cphone"),       QStringLiteral("Cophone"),         QStringLiteral("Cfax"),
        QStringLiteral("Chomepage"),    QStringLiteral("Caddr"),           QStringLiteral("Cbld_type"),
        QStringLiteral("Cliving_type"), QStringLiteral("Cmove_into_date"), QStringLiteral("Cmove_out_date"),
        QStringLiteral("Oname"),        QStringLiteral("Ophone"),          QStringLiteral("Ohandphone"),
        QStringLiteral("OEmail"),       QStringLiteral("CMemo"),
    };
    return cols;
}

QString CustomerWindow::textOf(const QString &column) const
{
    QWidget *w = control(column);
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    if (auto *c = qobject_cast<QComboBox *>(w))
        return c->currentText();
    if (auto *m = qobject_cast<QPlainTextEdit *>(w))
        return m->toPlainText();
    return QString();
}

void CustomerWindow::setTextOf(const QString &column, const QString &text)
{
    QWidget *w = control(column);
    if (auto *e = qobject_cast<QLineEdit *>(w))
        e->setText(text);
    else if (auto *c = qobject_cast<QComboBox *>(w))
        c->setEditText(text);
    else if (auto *m = qobject_cast<QPlainTextEdit *>(w))
        m->setPlainText(text);
}

void CustomerWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void CustomerWindow::FormShow()
{
    move(10, 60);
    if (appendMode()) {
        // "Append2" keeps the name, phones and address its caller put in.
        if (Mode == QLatin1String("Append"))
            for (const char *c : {"Cname", "Chandphone", "Cphone", "Cophone", "Caddr"})
                setTextOf(QString::fromLatin1(c), QString());
        for (const char *c : {"CCompany", "Cbuseo", "Cgikchek", "Cfax", "Cbld_type", "Cliving_type", "Cmove_into_date",
                              "Cmove_out_date", "Oname", "Ophone", "Ohandphone", "OEmail", "CMemo"})
            setTextOf(QString::fromLatin1(c), QString());
        setTextOf(QStringLiteral("CGwange"), QStringLiteral("고객"));
        setTextOf(QStringLiteral("Chomepage"), QStringLiteral("http://"));
        control(QStringLiteral("Cname"))->setFocus();
        setWindowTitle(QStringLiteral("고객 등록"));
        return;
    }
    if (Mode == QLatin1String("Edit") && !CustNum.isEmpty()) {
        const SqlQuery &q = dataModule()->qry_cust;
        for (const QString &c : columns())
            setTextOf(c, q.fieldByName(c).asString());
        control(QStringLiteral("Cname"))->setFocus();
    }
    setWindowTitle(QStringLiteral("고객 조회 수정"));
}

// ---- save ----

void CustomerWindow::SaveClick()
{
    Tdm *dm = dataModule();
    std::optional<qint64> editing;
    if (!appendMode()) {
        editing = numberOf(CustNum);
        if (!editing) {
            seams::dialogs().inform(QStringLiteral("수정할 고객이 없습니다. 고객 목록에서 고객을 골라 주십시오."));
            return;
        }
    }
    dm->all_qry.setSql(QStringLiteral("select count(*) cnt1 from cust_table.db where Cname='") +
                       Tdm::quoted(textOf(QStringLiteral("Cname"))) + QStringLiteral("' and Cphone='") +
                       Tdm::quoted(textOf(QStringLiteral("Cphone"))) + QStringLiteral("'"));
    dm->all_qry.open();
    const qint64 count = dm->all_qry.fieldByName(QStringLiteral("cnt1")).asInteger();
    dm->all_qry.close();
    if (count > 0 && appendMode() &&
        !seams::dialogs().ask(QStringLiteral("이미 등록된 고객입니다! 등록하시겠습니까?"))) {
        reject();
        return;
    }
    QString message;
    if (appendMode()) {
        insertCustomer();
        message = QStringLiteral(" * 등록되었습니다, 감사합니다, 계속 등록하시겠습니까? ");
    } else {
        updateCustomer(*editing);
        message = QStringLiteral(" * 수정되었습니다, 감사합니다, 다른 항목을 수정하시겠습니까? ");
    }
    if (!seams::dialogs().ask(message))
        accept();
}

// The values are bound, so whatever was typed (quotes included) is stored as it stands.
void CustomerWindow::insertCustomer()
{
    Tdm *dm = dataModule();
    QStringList params;
    for (const QString &c : columns())
        params << QLatin1Char(':') + c;
    // The number and the row that uses it are written together, so two offices on one data folder
    // cannot both take the same number.
    CustNum = database::inWriteTransaction([&] {
        const QString num = dm->NextCustNum();
        SqlQuery &q = dm->tbl_cust;
        q.close();
        q.clearSql();
        q.clearParams();
        q.setSql(QStringLiteral("insert into \"cust_table.db\" (Num,") + columns().join(QLatin1Char(',')) +
                 QStringLiteral(") values (:Num,") + params.join(QLatin1Char(',')) + QLatin1Char(')'));
        q.setInteger(QStringLiteral("Num"), num.toLongLong());
        for (const QString &c : columns())
            q.setText(c, textOf(c));
        q.execSql();
        return num;
    });
}

void CustomerWindow::updateCustomer(qint64 num)
{
    SqlQuery &q = dataModule()->tbl_cust;
    QStringList sets;
    for (const QString &c : columns())
        sets << c + QStringLiteral(" = :") + c;
    q.close();
    q.clearSql();
    q.clearParams();
    q.setSql(QStringLiteral("update \"cust_table.db\" set ") + sets.join(QStringLiteral(", ")) +
             QStringLiteral(" where Num = :Num"));
    for (const QString &c : columns())
        q.setText(c, textOf(c));
    q.setInteger(QStringLiteral("Num"), num);
    q.execSql();
}

// ---- delete and print ----

void CustomerWindow::DelContClick()
{
    const std::optional<qint64> num = numberOf(CustNum);
    if (!num) {
        seams::dialogs().inform(QStringLiteral("저장되지 않은 고객은 삭제할 수 없습니다."));
        return;
    }
    if (!seams::dialogs().ask(QStringLiteral("거래처 정보를 삭제 하시겠습니까?")))
        return;
    SqlQuery &q = dataModule()->tbl_cust;
    q.close();
    q.clearSql();
    q.clearParams();
    q.setSql(QStringLiteral("delete from \"cust_table.db\" where Num = :Num"));
    q.setInteger(QStringLiteral("Num"), *num);
    q.execSql();
    accept();
}

void CustomerWindow::PrintClick()
{
    // The sheet prints the stored row, so only a saved customer has one.
    const std::optional<qint64> num = numberOf(CustNum);
    if (!num) {
        seams::dialogs().inform(QStringLiteral("저장되지 않은 고객은 출력할 수 없습니다."));
        return;
    }
    SqlQuery &q = dataModule()->qry_prt_mamul;
    // The listing prints rely on the print query's own statement, so it goes back even when the
    // print fails.
    struct Restore {
        SqlQuery &q;
        ~Restore()
        {
            q.close();
            q.setSql(kListingPrintStatement);
        }
    } restore{q};
    q.close();
    q.setSql(QStringLiteral("select * from cust_table.db where Num =") + QString::number(*num));
    q.open();
    sheets::preview(QStringLiteral("TCustConPrtScr"), this);
}

// ---- navigator and address ----

void CustomerWindow::navigate(int where)
{
    SqlQuery &q = dataModule()->qry_cust;
    if (!q.navigate(where))
        return;
    CustNum = q.fieldByName(QStringLiteral("Num")).asString();
    FormShow();
}

void CustomerWindow::zipClick()
{
    std::unique_ptr<QDialog> zip(windows::create(QStringLiteral("TfmZip"), this));
    if (!zip || seams::modal().run(zip.get()) != QDialog::Accepted)
        return;
    const SqlQuery &q = dataModule()->qry_zip;
    if (!q.isOpen() || q.recNo() < 0)
        return;
    setTextOf(QStringLiteral("Caddr"), QStringLiteral("(") + q.fieldByName(QStringLiteral("ZIPCODE")).asString() +
                                           QStringLiteral(") ") + q.fieldByName(QStringLiteral("ADDR")).asString());
    control(QStringLiteral("Caddr"))->setFocus();
}

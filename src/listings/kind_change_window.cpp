#include "listings/kind_change_window.h"

#include "data/data_module.h"
#include "data/db_error.h"

#include <QRegularExpression>

namespace {

InputSpec input(const QString &column, const QString &control, const QString &caption, const QString &group,
                const QString &kind, const QString &unit = QString(), const QString &list = QString())
{
    InputSpec in;
    in.column = column;
    in.control = control;
    in.caption = caption;
    in.group = group;
    in.kind = kind;
    in.unit = unit;
    in.list = list;
    return in;
}

bool isZeroOrEmpty(const QString &text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    return text.trimmed().isEmpty() || (ok && v == 0);
}

EntryWindowSpec buildSpec()
{
    EntryWindowSpec s;
    s.name = QStringLiteral("TfmALL");
    s.code = QStringLiteral("ALL");
    s.deal = QStringLiteral("sale");
    s.designCaption = s.appendCaption = s.editCaption = QStringLiteral("모든 물건 관리 프로그램...");
    s.hasNavigator = false;
    s.setsSavedFlagOnShow = true;
    s.updateDateToday = true;
    s.objKindFromCombo = true;
    s.specUpload = QStringLiteral("none");
    s.detailSheet = QStringLiteral("TALLConPrtScr");
    s.infoSheet = QStringLiteral("TALLBanPrtScr");
    s.groupCaptions = {{QStringLiteral("1"), QStringLiteral("1. 소재지 정보")},
                       {QStringLiteral("2"), QStringLiteral("2. 가격정보")},
                       {QStringLiteral("3"), QStringLiteral("3. 면적정보")},
                       {QStringLiteral("4"), QStringLiteral("4. 특징")},
                       {QStringLiteral("5"), QStringLiteral("5. 제목")},
                       {QStringLiteral("6"), QStringLiteral("6. 매물상태정보")},
                       {QStringLiteral("7"), QStringLiteral("7. 부동산정보")},
                       {QStringLiteral("8"), QStringLiteral("8. 매물등록정보")}};
    s.blocks = {{1}, {2}, {3}, {4, 5, 6}, {7, 8}, {10, 11}};

    // The address inputs and their checks, the owner and tenant blocks and the file filters are
    // those of the model window and of the other-kinds window.
    const EntryWindowSpec *model = catalogue::entryWindow(QStringLiteral("TfmApt"));
    const EntryWindowSpec *other = catalogue::entryWindow(QStringLiteral("TfmOTH"));
    const QStringList address = {QStringLiteral("Add_city"), QStringLiteral("Add_district"), QStringLiteral("Add_town"),
                                 QStringLiteral("Addr_number")};
    if (model)
        for (const CheckSpec &c : model->checks)
            if (address.mid(0, 3).contains(c.column))
                s.checks << c;
    if (other) {
        s.videoFilter = other->videoFilter;
        s.pictureFilter = other->pictureFilter;
        s.pictureFilterAfterVideo = other->pictureFilterAfterVideo;
    }

    QList<InputSpec> &in = s.inputs;
    const QString top = QStringLiteral("top");
    in << input(QStringLiteral("Obj_kind"), QStringLiteral("obj_kind"), QStringLiteral("매물종류"), top,
                QStringLiteral("combo"), {}, QStringLiteral("allKinds"));
    in << input(QStringLiteral("Obj_kubun1"), QStringLiteral("Obj_kubun1"), QStringLiteral("거래구분"), top,
                QStringLiteral("combo"), {}, QStringLiteral("deals"));
    in << input(QStringLiteral("Obj_kubun2"), QStringLiteral("Obj_kubun2"), QStringLiteral("임대구분"), top,
                QStringLiteral("combo"), {}, QStringLiteral("leaseTypes"));
    in << input(QStringLiteral("Obj_kubun3"), QStringLiteral("obj_kubun3"), QStringLiteral("구분/종류"), top,
                QStringLiteral("edit"));

    const QString g1 = QStringLiteral("1");
    if (model)
        for (const InputSpec &i : model->inputs)
            if (address.contains(i.column))
                in << i;
    const QString edit = QStringLiteral("edit"), combo = QStringLiteral("combo");
    in << input(QStringLiteral("Bld_nme"), QStringLiteral("Bld_nme"), QStringLiteral("건 물 명"), g1, edit);
    in << input(QStringLiteral("Add_degree"), QStringLiteral("Add_degree"), QStringLiteral("단지/차수"), g1, edit);
    in << input(QStringLiteral("Bld_degree"), QStringLiteral("Bld_degree"), QStringLiteral("동    수"), g1, edit);
    in << input(QStringLiteral("Bld_num"), QStringLiteral("Bld_num"), QStringLiteral("호    수"), g1, edit);
    in << input(QStringLiteral("Move_to_date"), QStringLiteral("Move_to_date"), QStringLiteral("입주가능일"), g1, edit);
    in << input(QStringLiteral("Bld_layer"), QStringLiteral("bld_layer"), QStringLiteral("층    수"), g1, combo, {},
                QStringLiteral("floors70"));
    in << input(QStringLiteral("Bld_hi_layer"), QStringLiteral("bld_hi_layer"), QStringLiteral("지상층수"), g1, combo,
                {}, QStringLiteral("floors70"));
    in << input(QStringLiteral("Bld_lo_layer"), QStringLiteral("bld_lo_layer"), QStringLiteral("지하층수"), g1, combo,
                {}, QStringLiteral("floors70"));

    const QString g2 = QStringLiteral("2"), amount = QStringLiteral("amount"), won = QStringLiteral("만원");
    in << input(QStringLiteral("Sales_amt"), QStringLiteral("Sales_amt"), QStringLiteral("금    액"), g2, amount, won);
    in << input(QStringLiteral("Warrenty_amt"), QStringLiteral("Warrenty_amt"), QStringLiteral("보 증 금"), g2, amount,
                won);
    in << input(QStringLiteral("Monthly_amt"), QStringLiteral("Monthly_amt"), QStringLiteral("월    세"), g2, amount,
                won);
    in << input(QStringLiteral("Premium_amt"), QStringLiteral("Premium_amt"), QStringLiteral("권 리 금"), g2, amount,
                won);
    in << input(QStringLiteral("Oth_amt"), QStringLiteral("oth_amt"), QStringLiteral("기타금액"), g2, edit);

    const QString g3 = QStringLiteral("3"), area = QStringLiteral("area"), py = QStringLiteral("평");
    const QString each = QStringLiteral("개"), counts = QStringLiteral("counts1");
    in << input(QStringLiteral("Gnd_png"), QStringLiteral("Gnd_png"), QStringLiteral("면    적"), g3, area, py);
    in << input(QStringLiteral("Gnd_area"), QStringLiteral("Gnd_area"), QStringLiteral("건    평"), g3, area, py);
    in << input(QStringLiteral("Room_num"), QStringLiteral("Room_num"), QStringLiteral("방"), g3, combo, each, counts);
    in << input(QStringLiteral("Living_num"), QStringLiteral("Living_num"), QStringLiteral("거실"), g3, combo, each,
                counts);
    in << input(QStringLiteral("Bath_num"), QStringLiteral("Bath_num"), QStringLiteral("화장실"), g3, combo, each,
                counts);

    in << input(QStringLiteral("Spec"), QStringLiteral("Spec"), QString(), QStringLiteral("4"), QStringLiteral("memo"));
    in << input(QStringLiteral("Open_title"), QStringLiteral("Open_title"), QStringLiteral("공개제목"),
                QStringLiteral("5"), edit);
    in << input(QStringLiteral("Close_title"), QStringLiteral("Close_title"), QStringLiteral("비공개제목"),
                QStringLiteral("5"), edit);

    const QString g6 = QStringLiteral("6");
    in << input(QStringLiteral("Cont_date"), QStringLiteral("Cont_date"), QStringLiteral("계약기간"), g6,
                QStringLiteral("date"));
    in << input(QStringLiteral("Cont_end_date"), QStringLiteral("Cont_end_date"), QStringLiteral("일부터"), g6,
                QStringLiteral("date"), QStringLiteral("까지"));
    in << input(QStringLiteral("Obj_state"), QStringLiteral("obj_state"), QStringLiteral("현재매물은?"), g6, combo, {},
                QStringLiteral("statesNormal"));
    in << input(QStringLiteral("c1"), QStringLiteral("c1"), QStringLiteral("노트번호"), g6, edit);
    in << input(QStringLiteral("c2"), QStringLiteral("c2"), QStringLiteral("통신하기"), g6, QStringLiteral("list"), {},
                QStringLiteral("yesNo"));

    const QString g7 = QStringLiteral("7");
    in << input(QStringLiteral("Estate_nme"), QStringLiteral("Estate_nme"), QStringLiteral("부동산상호"), g7, edit);
    in << input(QStringLiteral("Estate_rep"), QStringLiteral("Estate_rep"), QStringLiteral("대표전화"), g7, edit);
    in << input(QStringLiteral("Estate_pnum"), QStringLiteral("Estate_pnum"), QStringLiteral("담당자전화"), g7, edit);
    in << input(QStringLiteral("Estate_cnum"), QStringLiteral("Estate_cnum"), QStringLiteral("담당자핸드폰"), g7, edit);

    in << input(QStringLiteral("Insert_date"), QStringLiteral("Insert_date"), QStringLiteral("등록일자"),
                QStringLiteral("8"), QStringLiteral("date"));
    in << input(QStringLiteral("Update_date"), QStringLiteral("Update_date"), QStringLiteral("수정일자"),
                QStringLiteral("8"), QStringLiteral("date"));

    if (model)
        for (const InputSpec &i : model->inputs)
            if (i.group == QLatin1String("10") || i.group == QLatin1String("11"))
                in << i;
    return s;
}

} // namespace

KindChangeWindow::KindChangeWindow(QWidget *parent) : EntryWindow(windowSpec(), parent)
{
    // Opened only on an existing listing.
    Mode = QStringLiteral("Edit");
}

const EntryWindowSpec &KindChangeWindow::windowSpec()
{
    static const EntryWindowSpec spec = buildSpec();
    return spec;
}

const QString &KindChangeWindow::updateStatement()
{
    // The move-in date and the other amounts are inputs of this window too: they are written with the
    // rest, so what the user types there is not lost.
    static const QString sql = QStringLiteral(
        "update \"mamul_table.db\" set  Obj_kind = :Obj_kind, Obj_kubun1 = :Obj_kubun1, Obj_kubun2 = :Obj_kubun2, "
        "Obj_kubun3 = :Obj_kubun3, Add_city = :Add_city, Add_district = :Add_district, Add_town = :Add_town, "
        "Addr_number = :Addr_number, Bld_nme = :Bld_nme, Add_degree = :Add_degree, Bld_degree = :Bld_degree, "
        "Bld_num = :Bld_num, Move_to_date = :Move_to_date, Oth_amt = :Oth_amt, Bld_layer = :Bld_layer, Bld_hi_layer = "
        ":Bld_hi_layer, Bld_lo_layer = :Bld_lo_layer, "
        "Gnd_png = :Gnd_png, Gnd_area = :Gnd_area, Room_num = :Room_num, Bath_num = :Bath_num, "
        "Living_num = :Living_num, Sales_amt = :Sales_amt, Premium_amt = :Premium_amt, "
        "Warrenty_amt = :Warrenty_amt, Monthly_amt = :Monthly_amt, Spec = :Spec, Open_title = :Open_title, "
        "Close_title = :Close_title, C16 = :C16, Obj_state = :Obj_state, c1 = :c1, Cont_date = :Cont_date, "
        "Cont_end_date = :Cont_end_date, Sales_person = :Sales_person, Sales_pnum = :Sales_pnum, "
        "Sales_cnum = :Sales_cnum, Sales_onum = :Sales_onum, Lent_person = :Lent_person, Lent_pnum = :Lent_pnum, "
        "Lent_cnum = :Lent_cnum, Lent_onum = :Lent_onum, Estate_nme = :Estate_nme, Estate_rep = :Estate_rep, "
        "Estate_pnum = :Estate_pnum, Estate_cnum = :Estate_cnum, Update_date = :Update_date, "
        "Insert_date = :Insert_date, Pic_pic1 = :Pic_pic1, Pic_pic2 = :Pic_pic2, Pic_pic3 = :Pic_pic3, "
        "Pic_pic4 = :Pic_pic4 where   Id_seq = :Id_seq");
    return sql;
}

const QStringList &KindChangeWindow::updatedColumns()
{
    static const QStringList columns = [] {
        QStringList out;
        static const QRegularExpression param(QStringLiteral(":([A-Za-z0-9_]+)"));
        for (auto it = param.globalMatch(updateStatement()); it.hasNext();)
            out << it.next().captured(1);
        return out;
    }();
    return columns;
}

void KindChangeWindow::loadRecord(const mamulRecord &rec)
{
    EntryWindow::loadRecord(rec);
    // A listing without an area shows its land area instead; saving then stores it as the area.
    if (isZeroOrEmpty(rec[QStringLiteral("Gnd_png")]))
        setTextOf(QStringLiteral("Gnd_png"), rec[QStringLiteral("Gnd_gnd")]);
}

void KindChangeWindow::completeRecord(mamulRecord &rec, bool append)
{
    Q_UNUSED(append);
    // What the update statement writes comes from the inputs; every other column (the title line
    // C16, which has no input here, included) keeps what the listing held, on both paths, so that a
    // listing stored as new is this listing as a save would leave it.
    mamulRecord out = LoadedRecord;
    for (const QString &column : updatedColumns())
        if (column != QLatin1String("C16"))
            out[column] = rec[column];
    out[0] = rec[0];
    for (const char *c : {"Obj_kind", "Obj_kubun1", "Obj_kubun2", "Obj_kubun3"})
        out[QString::fromLatin1(c)] = textOf(QString::fromLatin1(c));
    out[QStringLiteral("Update_date")] = today();
    rec = out;
}

void KindChangeWindow::writeUpdate(const mamulRecord &rec)
{
    Tdm *dm = dataModule();
    SqlQuery &q = dm->procQry;
    q.setSql(updateStatement());
    q.clearParams();
    for (const QString &column : updatedColumns()) {
        QString value = rec[column].trimmed();
        value.remove(QLatin1Char(','));
        const QString c = column.toLower();
        if (c == QLatin1String("id_seq")) {
            q.setFloat(column, double(IdSeq));
        } else if (c == QLatin1String("gnd_png") || c == QLatin1String("gnd_area")) {
            bool ok = value.isEmpty();
            const double v = ok ? 0 : value.toDouble(&ok);
            if (!ok)
                throw DbError(QStringLiteral("'%1'은(는) 올바른 숫자가 아닙니다. (%2)").arg(rec[column], column));
            q.setFloat(column, v);
        } else if (c == QLatin1String("sales_amt") || c == QLatin1String("warrenty_amt") ||
                   c == QLatin1String("monthly_amt") || c == QLatin1String("premium_amt")) {
            bool ok = value.isEmpty();
            const qint64 v = ok ? 0 : value.toLongLong(&ok);
            if (!ok)
                throw DbError(QStringLiteral("'%1'은(는) 올바른 정수가 아닙니다. (%2)").arg(rec[column], column));
            q.setMoney(column, v);
        } else if (c == QLatin1String("spec")) {
            q.setMemo(column, rec[column]);
        } else {
            q.setText(column, rec[column]);
        }
    }
    q.execSql();
}

QString KindChangeWindow::infoSheet() const
{
    return LoadedRecord[QStringLiteral("Obj_kubun1")] == QStringLiteral("임대") ? QStringLiteral("TAllLentBanPrtScr")
                                                                                : QStringLiteral("TALLBanPrtScr");
}

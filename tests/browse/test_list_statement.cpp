// The list statement as text: base conditions, every kind of filter fragment, the range rule, the
// state rules, the person search and the sort tables.
#include "browse/list_statement.h"
#include "catalogue/list_catalogue.h"
#include "data/data_module.h"

#include <QHash>
#include <QTest>

namespace {

ListSettings settings(bool active = true, bool inputOrder = true)
{
    ListSettings s;
    s.listColumns = Tdm::listColumnPieces().join(QString());
    s.activeStatesOnly = active;
    s.sortByInputOrder = inputOrder;
    return s;
}

const ListWindowSpec &window(const QString &name)
{
    const ListWindowSpec *s = catalogue::listWindow(name);
    Q_ASSERT(s);
    return *s;
}

QString conditions(const QString &name, const QHash<QString, QString> &texts, bool active = true)
{
    return ListStatement::conditions(
        window(name), [&](const QString &c) { return texts.value(c); }, settings(active));
}

} // namespace

class TestListStatement : public QObject {
    Q_OBJECT
private slots:
    void catalogueLoads()
    {
        QVERIFY2(catalogue::listLoadError().isEmpty(), qPrintable(catalogue::listLoadError()));
        QCOMPARE(catalogue::listWindows().size(), 33);
        for (const ListWindowSpec &s : catalogue::listWindows()) {
            QCOMPARE(s.filters.first().type, QStringLiteral("city"));
            QCOMPARE(s.filters.last().type, QStringLiteral("person"));
            for (const QString &item : s.sortItems)
                QVERIFY2(s.sortTable.contains(item), qPrintable(s.name + QStringLiteral(": ") + item));
        }
    }

    void modelStatement()
    {
        const QString sql = ListStatement::build(
            window(QStringLiteral("TfmAPTList")), [](const QString &) { return QString(); }, settings(),
            ListStatement::kNoSort);
        QCOMPARE(sql, QStringLiteral("select ") + settings().listColumns +
                          QStringLiteral(" from mamul_table.db\rwhere Obj_kind = '아파트' and \rObj_kubun1 = '매매'"
                                         " and obj_state in ('일반','추천','급매','기타')\r order by id_seq desc "));
    }

    void baseConditions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("base");
        QTest::newRow("apt sale") << "TfmAPTList"
                                  << "Obj_kind = '아파트' and \rObj_kubun1 = '매매'";
        QTest::newRow("apt lease") << "TfmAPTLentList"
                                   << "Obj_kind = '아파트' and\rObj_kubun1 = '임대'";
        QTest::newRow("presale") << "TfmBUNList"
                                 << "Obj_kind = '아파트분양권' and \rObj_kubun1 = '매매'";
        QTest::newRow("shop") << "TfmSANList"
                              << "Obj_kind = '상가' and \rObj_kubun1 = '매매'";
        QTest::newRow("villa sale") << "TfmBILList"
                                    << "Obj_kubun1 = '매매'";
        QTest::newRow("villa lease") << "TfmBILLentList"
                                     << "Obj_kubun1 = '임대'";
        QTest::newRow("other lease")
            << "TfmOTHLentList"
            << "Obj_kind not in "
               "('아파트','아파트분양권','단독주택','다가구','빌라','다세대','연립','상가','상가주택','오피스텔','원룸'"
               ","
               "'사무실','빌딩','토지','공장','전원주택','주유소','모텔') and\rObj_kubun1 = '임대'";
    }
    void baseConditions()
    {
        QFETCH(QString, name);
        QFETCH(QString, base);
        QCOMPARE(window(name).baseCondition, base);
    }

    void fragments_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected"); // contained in the conditions
        QTest::newRow("city") << "TfmAPTList"
                              << "Add_city"
                              << "서울"
                              << " and add_city = '서울'\r";
        QTest::newRow("district") << "TfmAPTList"
                                  << "Add_district"
                                  << "강남구"
                                  << " and add_district = '강남구'\r";
        QTest::newRow("town") << "TfmAPTList"
                              << "Add_town"
                              << "역삼동"
                              << " and add_town = '역삼동'\r";
        QTest::newRow("lot") << "TfmAPTList"
                             << "Addr_number"
                             << "12"
                             << " and addr_number like '%12%'\r";
        QTest::newRow("name") << "TfmAPTList"
                              << "Bld_nme"
                              << "래미안"
                              << " and Bld_nme like '%래미안%'\r";
        QTest::newRow("quote doubled") << "TfmAPTList"
                                       << "Bld_nme"
                                       << "O'Neil"
                                       << " and Bld_nme like '%O''Neil%'\r";
        QTest::newRow("state chosen") << "TfmAPTList"
                                      << "obj_state"
                                      << "삭제"
                                      << " and obj_state = '삭제'\r";
        QTest::newRow("lease type prefix") << "TfmAPTLentList"
                                           << "obj_kubun2"
                                           << "전세"
                                           << " and Obj_kubun2 like '전세%'\r";
        QTest::newRow("sub-type prefix") << "TfmDAGList"
                                         << "Obj_kubun3"
                                         << "2룸"
                                         << " and Obj_kubun3 like '2룸%'\r";
        QTest::newRow("villa kind") << "TfmBILList"
                                    << "obj_kind"
                                    << "연립"
                                    << " and obj_kind like '연립%'\r";
        QTest::newRow("kind prefix") << "TfmOTHList"
                                     << "Obj_kind"
                                     << "학원"
                                     << " and Obj_kind like '학원%'\r";
        QTest::newRow("room count") << "TfmDANList"
                                    << "room_num"
                                    << "3"
                                    << " and room_num = '3'\r";
        QTest::newRow("land use") << "TfmTOJList"
                                  << "Youngdo"
                                  << "임야"
                                  << " and youngdo like '%임야%'\r";
        QTest::newRow("land category") << "TfmTOJList"
                                       << "Gimok"
                                       << "대지"
                                       << " and gimok like '%대지%'\r";
        QTest::newRow("zoning") << "TfmTOJList"
                                << "Dosi"
                                << "녹지"
                                << " and dosi like '%녹지%'\r";
        QTest::newRow("lot or village") << "TfmTOJList"
                                        << "Addr_number"
                                        << "산1"
                                        << " and ( addr_number like '%산1%' or add_village_nme like '%산1%')\r";
        QTest::newRow("name with 전체 kept") << "TfmSANList"
                                             << "Bld_nme"
                                             << "전체"
                                             << " and Bld_nme like '%전체%'\r";
    }
    void fragments()
    {
        QFETCH(QString, name);
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QString sql = conditions(name, {{control, text}});
        QVERIFY2(sql.contains(expected), qPrintable(sql));
        QVERIFY2(!conditions(name, {}).contains(expected), qPrintable(name));
    }

    void skippedTexts()
    {
        // "전체" in the model's name box and the address placeholders add nothing.
        const QString sql =
            conditions(QStringLiteral("TfmAPTList"), {{QStringLiteral("Bld_nme"), QStringLiteral("전체")},
                                                      {QStringLiteral("Add_city"), QStringLiteral("전체시도")},
                                                      {QStringLiteral("Add_district"), QStringLiteral("전체구시군")},
                                                      {QStringLiteral("Add_town"), QStringLiteral("전체읍면동")}});
        QCOMPARE(sql, conditions(QStringLiteral("TfmAPTList"), {}));
        // The villa lists keep to villas even with an empty kind box.
        QVERIFY(conditions(QStringLiteral("TfmBILList"), {})
                    .contains(QStringLiteral(" and Obj_kind in ('빌라','다세대','연립')\r")));
    }

    void rangeRule_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("quoted");
        QTest::addColumn<QString>("expected");
        QTest::newRow("both") << "10"
                              << "20" << false << " and sales_amt >= 10 and sales_amt <= 20";
        QTest::newRow("lower only") << "10"
                                    << "" << false << " and sales_amt  = 10";
        QTest::newRow("upper only") << ""
                                    << "5000" << false << " and sales_amt  = 5000";
        QTest::newRow("none") << ""
                              << "" << false << "";
        QTest::newRow("not a number") << "1;drop"
                                      << "" << false << " and sales_amt  = '1;drop'";
        QTest::newRow("floors numeric") << "2"
                                        << "10" << true
                                        << " and cast(sales_amt as integer) >= 2 and cast(sales_amt as integer) <= 10";
        QTest::newRow("floors text") << "B1"
                                     << "3" << true << " and sales_amt >= 'B1' and sales_amt <= '3'";
        QTest::newRow("floor one") << ""
                                   << "7" << true << " and sales_amt  = '7'";
    }
    void rangeRule()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, quoted);
        QFETCH(QString, expected);
        QCOMPARE(ListStatement::rangeFragment(QStringLiteral("sales_amt"), a, b, quoted), expected);
    }

    void stateRules()
    {
        const QString inList = QStringLiteral(" and obj_state in ('일반','추천','급매','기타')\r");
        // The apartment and presale sale lists honour the office setting...
        QVERIFY(conditions(QStringLiteral("TfmAPTList"), {}, true).contains(inList));
        QVERIFY(!conditions(QStringLiteral("TfmAPTList"), {}, false).contains(inList));
        QVERIFY(!conditions(QStringLiteral("TfmBUNList"), {}, false).contains(inList));
        // ...every other list always hides contracted, on-hold and deleted listings under "전체".
        QVERIFY(conditions(QStringLiteral("TfmDANList"), {}, false).contains(inList));
        QVERIFY(
            conditions(QStringLiteral("TfmAPTLentList"), {{QStringLiteral("obj_state"), QStringLiteral("전체")}}, false)
                .contains(inList));
    }

    void personSearch_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("owner") << "의뢰인성명"
                               << "김"
                               << " and sales_person  like '%김%'";
        QTest::newRow("owner phone") << "의뢰인전화"
                                     << "555"
                                     << " and sales_pnum  like '%555%'";
        QTest::newRow("owner office") << "의뢰인회사"
                                      << "02"
                                      << " and sales_onum  like '%02%'";
        QTest::newRow("owner mobile") << "의뢰인핸드폰"
                                      << "010"
                                      << " and sales_cnum  like '%010%'";
        QTest::newRow("tenant") << "세입자성명"
                                << "이"
                                << " and lent_person  like '%이%'";
        QTest::newRow("tenant phone") << "세입자전화"
                                      << "1"
                                      << " and lent_pnum  like '%1%'";
        QTest::newRow("tenant office") << "세입자회사"
                                       << "2"
                                       << " and lent_onum  like '%2%'";
        QTest::newRow("tenant mobile") << "세입자핸드폰"
                                       << "3"
                                       << " and lent_cnum  like '%3%'";
        QTest::newRow("note upper-cased") << "노트번호"
                                          << "ab"
                                          << " and c1  like '%AB%'";
        QTest::newRow("unknown choice") << "아무거나"
                                        << "x"
                                        << "";
    }
    void personSearch()
    {
        QFETCH(QString, choice);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        const ListWindowSpec &s = window(QStringLiteral("TfmAPTList"));
        const FilterSpec &person = s.filters.last();
        const QString got = ListStatement::fragment(
            person,
            [&](const QString &c) { return c == person.control    ? choice
                                           : c == person.control2 ? value
                                                                  : QString(); },
            settings());
        QCOMPARE(got, expected);
    }

    void sorts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("expected");
        QTest::newRow("apt 주소") << "TfmAPTList"
                                  << "주소"
                                  << " order by add_district, add_town, addr_number ";
        QTest::newRow("apt lease 주소")
            << "TfmAPTLentList"
            << "주소"
            << " order by add_district, add_town, addr_number, bld_nme, Add_degree, Bld_degree, bld_num ";
        QTest::newRow("land 주소") << "TfmTOJList"
                                   << "주소"
                                   << " order by add_city, add_district, add_town, addr_number ";
        QTest::newRow("general 주소")
            << "TfmDANList"
            << "주소"
            << " order by add_city, add_district, add_town, addr_number, bld_nme, Add_degree, Bld_degree, bld_num ";
        QTest::newRow("land lease 보증금") << "TfmTOJLentList"
                                           << "보증금"
                                           << " order by warrenty_amt ";
        QTest::newRow("general 보증금") << "TfmDANList"
                                        << "보증금"
                                        << " order by warrenty_amt, gnd_png ";
        QTest::newRow("other 물건종류") << "TfmOTHList"
                                        << "물건종류"
                                        << " order by obj_kind  ";
        QTest::newRow("dag 물건종류") << "TfmDAGList"
                                      << "물건종류"
                                      << " order by obj_kubun3  ";
        QTest::newRow("평형") << "TfmAPTList"
                              << "평형"
                              << " order by gnd_png, warrenty_amt ";
        QTest::newRow("수익률") << "TfmDANList"
                                << "수익률"
                                << " order by n1 desc ";
        QTest::newRow("nothing chosen") << "TfmAPTList"
                                        << "분류순서선택"
                                        << " order by id_seq desc ";
        QTest::newRow("title click") << "TfmAPTList"
                                     << "add_city,add_district,add_town,addr_number"
                                     << " order by add_city,add_district,add_town,addr_number";
        QTest::newRow("title click field") << "TfmAPTList"
                                           << "Sales_amt"
                                           << " order by Sales_amt";
        QTest::newRow("no column") << "TfmAPTList"
                                   << "nonsense; drop"
                                   << " order by id_seq desc ";
        QTest::newRow("unknown name") << "TfmAPTList"
                                      << "Spec"
                                      << " order by id_seq desc ";
    }
    void sorts()
    {
        QFETCH(QString, name);
        QFETCH(QString, choice);
        QFETCH(QString, expected);
        QCOMPARE(ListStatement::sortFragment(window(name), choice, settings()), expected);
    }

    void sortWithoutInputOrder()
    {
        QCOMPARE(ListStatement::sortFragment(window(QStringLiteral("TfmAPTList")), ListStatement::kNoSort,
                                             settings(true, false)),
                 QString());
    }

    void titleClickTexts_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        QTest::newRow("address") << "addr_list"
                                 << "add_city,add_district,add_town,addr_number";
        QTest::newRow("floors") << "layer_sum"
                                << "bld_layer,bld_hi_layer";
        QTest::newRow("contact") << "phones"
                                 << "sales_cnum";
        QTest::newRow("plain") << "Gnd_png"
                               << "Gnd_png";
    }
    void titleClickTexts()
    {
        QFETCH(QString, field);
        QFETCH(QString, expected);
        QCOMPARE(ListStatement::titleClickText(field), expected);
    }
};

QTEST_MAIN(TestListStatement)
#include "test_list_statement.moc"

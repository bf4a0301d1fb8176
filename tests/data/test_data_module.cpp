// The services of the data module that windows call: address pick lists, input limits, fonts, the
// customer lookup, the office information, the data folder and its back-up.

#include "data/alias_registry.h"
#include "data/database.h"
#include "support/scripted_env.h"
#include "support/typing.h"
#include "ui/amount_edit.h"
#include "ui/cp949.h"
#include "ui/date_edit.h"
#include "ui/window_registry.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace {

const QString kNotACustomer = QStringLiteral("등록된 고객님이 아닙니다.");

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QStringList items(const QComboBox &combo)
{
    QStringList list;
    for (int i = 0; i < combo.count(); ++i)
        list << combo.itemText(i);
    return list;
}

std::unique_ptr<QWidget> makeWidget(const QString &kind)
{
    if (kind == QLatin1String("QLabel"))
        return std::make_unique<QLabel>(QStringLiteral("아파트명"));
    if (kind == QLatin1String("QLineEdit"))
        return std::make_unique<QLineEdit>();
    if (kind == QLatin1String("QComboBox"))
        return std::make_unique<QComboBox>();
    if (kind == QLatin1String("editable QComboBox")) {
        auto combo = std::make_unique<QComboBox>();
        combo->setEditable(true);
        return combo;
    }
    if (kind == QLatin1String("QCheckBox"))
        return std::make_unique<QCheckBox>(QStringLiteral("통신하기"));
    if (kind == QLatin1String("AmountEdit"))
        return std::make_unique<AmountEdit>();
    if (kind == QLatin1String("DateEdit"))
        return std::make_unique<DateEdit>();
    if (kind == QLatin1String("QDateEdit"))
        return std::make_unique<QDateEdit>();
    if (kind == QLatin1String("QTableView"))
        return std::make_unique<QTableView>();
    if (kind == QLatin1String("QFrame"))
        return std::make_unique<QFrame>();
    if (kind == QLatin1String("QTabWidget"))
        return std::make_unique<QTabWidget>();
    if (kind == QLatin1String("QPushButton"))
        return std::make_unique<QPushButton>(QStringLiteral("저 장"));
    if (kind == QLatin1String("QPlainTextEdit"))
        return std::make_unique<QPlainTextEdit>();
    if (kind == QLatin1String("QRadioButton"))
        return std::make_unique<QRadioButton>(QStringLiteral("매매"));
    if (kind == QLatin1String("QToolButton"))
        return std::make_unique<QToolButton>();
    if (kind == QLatin1String("QSlider"))
        return std::make_unique<QSlider>();
    if (kind == QLatin1String("QListWidget"))
        return std::make_unique<QListWidget>();
    return nullptr;
}

QColor foreground(const QWidget &w)
{
    return w.palette().color(w.foregroundRole());
}

void setLabelFont(Tdm &dm, const QString &name, const QString &color, const QString &size, const QString &style)
{
    dm.LabelFontName = name;
    dm.LabelFontCharset = QStringLiteral("129");
    dm.LabelFontColor = color;
    dm.LabelFontSize = size;
    dm.LabelFontStyle = style;
}

void setInputFont(Tdm &dm, const QString &name, const QString &color, const QString &size, const QString &style)
{
    dm.InputFontName = name;
    dm.InputFontCharset = QStringLiteral("129");
    dm.InputFontColor = color;
    dm.InputFontSize = size;
    dm.InputFontStyle = style;
}

// The registrant row as start-up or the login reads it.
void openRegistrant(Tdm &dm, const QString &assignments)
{
    execSql(QStringLiteral("update id_table set ") + assignments);
    dm.tbl_id.setSql(QStringLiteral("select * from id_table"));
    dm.tbl_id.open();
}

void insertCustomers()
{
    execSql(QStringLiteral("insert into cust_table (Num, Cname, Cphone, Cophone, Chandphone) values "
                           "(1, '김철수', '02-111-1111', '02-222-2222', '010-3333-3333'), "
                           "(2, '김영희', '031-444-4444', '', '010-5555-5555'), "
                           "(3, 'O''Neil', '02-777-7777', '02-888-8888', ''), "
                           "(4, '박민수', '', '', '011-999-9999')"));
}

QStringList picked(const Tdm &dm)
{
    return {dm.PickedCustNum, dm.PickedCustName, dm.PickedCustPhone, dm.PickedCustOfficePhone, dm.PickedCustMobile};
}

} // namespace

class TestDataModule : public QObject {
    Q_OBJECT

private slots:
    // ---- address pick lists ----

    void cityListIsAppended()
    {
        TestEnv env;
        const QStringList cities = {"서울", "경기", "인천", "부산", "광주", "대구", "대전", "울산",
                                    "강원", "충북", "충남", "전북", "전남", "경북", "경남", "제주"};
        QComboBox combo;
        combo.addItem(QStringLiteral("전체"));
        env.dm->FillCityList(&combo);
        QCOMPARE(items(combo), QStringList{QStringLiteral("전체")} + cities);
        env.dm->FillCityList(&combo);
        QCOMPARE(items(combo), QStringList{QStringLiteral("전체")} + cities + cities);
        env.dm->FillCityList(nullptr);
    }

    void districtAndTownLists_data()
    {
        QTest::addColumn<bool>("editable");
        QTest::newRow("drop-down list") << false;
        QTest::newRow("editable") << true;
    }
    void districtAndTownLists()
    {
        QFETCH(bool, editable);
        TestEnv env;
        env.newDataFolder();
        execSql(QStringLiteral("insert into SIGUN (sido, sigun) values ('서울', '종로구'), ('부산', '중구'), "
                               "('서울', '중구'), ('서울', '강남구'), ('부산', '해운대구')"));
        execSql(
            QStringLiteral("insert into UMD (sido, sigun, umd) values ('서울', '중구', '명동'), "
                           "('부산', '중구', '남포동'), ('서울', '중구', '을지로동'), ('서울', '종로구', '혜화동')"));
        QComboBox combo;
        combo.setEditable(editable);
        combo.addItems({QStringLiteral("전체구시군"), QStringLiteral("old")});

        env.dm->FillDistrictList(QStringLiteral("서울"), &combo);
        QCOMPARE(items(combo), (QStringList{"종로구", "중구", "강남구"}));
        QCOMPARE(combo.currentText(), QStringLiteral("종로구"));

        env.dm->FillTownList(QStringLiteral("서울"), QStringLiteral("중구"), &combo);
        QCOMPARE(items(combo), (QStringList{"명동", "을지로동"}));
        QCOMPARE(combo.currentText(), QStringLiteral("명동"));

        env.dm->FillDistrictList(QStringLiteral("세종"), &combo);
        QCOMPARE(combo.count(), 0);
        QCOMPARE(combo.currentText(), QString());

        env.dm->FillTownList(QStringLiteral("서울"), QStringLiteral("강남구"), &combo);
        QCOMPARE(combo.count(), 0);
        QCOMPARE(combo.currentText(), QString());

        env.dm->FillDistrictList(QStringLiteral("부산"), &combo);
        QCOMPARE(items(combo), (QStringList{"중구", "해운대구"}));
        QCOMPARE(combo.currentText(), QStringLiteral("중구"));
    }

    // ---- input limits ----

    void columnMaxLength_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<int>("bytes");
        QTest::newRow("Bld_layer") << "Bld_layer" << 3;
        QTest::newRow("Bld_lo_layer") << "Bld_lo_layer" << 3;
        QTest::newRow("Room_num") << "Room_num" << 5;
        QTest::newRow("Bld_hi_home") << "Bld_hi_home" << 5;
        QTest::newRow("Zip_code") << "Zip_code" << 7;
        QTest::newRow("N1") << "N1" << 7;
        QTest::newRow("Add_city") << "Add_city" << 10;
        QTest::newRow("Gnd_png") << "Gnd_png" << 10;
        QTest::newRow("Cont_end_date") << "Cont_end_date" << 10;
        QTest::newRow("Bld_degree") << "Bld_degree" << 12;
        QTest::newRow("Monthly_amt") << "Monthly_amt" << 12;
        QTest::newRow("Premium_amt") << "Premium_amt" << 12;
        QTest::newRow("Sales_amt") << "Sales_amt" << 15;
        QTest::newRow("Lent_cnum") << "Lent_cnum" << 15;
        QTest::newRow("c3") << "c3" << 15;
        QTest::newRow("Obj_kind") << "Obj_kind" << 20;
        QTest::newRow("Add_degree") << "Add_degree" << 20;
        QTest::newRow("Hire_gbn") << "Hire_gbn" << 30;
        QTest::newRow("Bld_nme") << "Bld_nme" << 50;
        QTest::newRow("Pic_pic4") << "Pic_pic4" << 50;
        QTest::newRow("E_mail") << "E_mail" << 50;
        QTest::newRow("Addr_number") << "Addr_number" << 60;
        QTest::newRow("Oth_amt") << "Oth_amt" << 100;
        QTest::newRow("Etc_etc2") << "Etc_etc2" << 100;
        QTest::newRow("C16") << "C16" << 200;
        QTest::newRow("Spec") << "Spec" << 240;
        QTest::newRow("Id_seq") << "Id_seq" << 0;
        QTest::newRow("Elect") << "Elect" << 0;
        QTest::newRow("other case") << "oth_amt" << 0;
        QTest::newRow("lower-case layer") << "bld_layer" << 0;
        QTest::newRow("upper-case C1") << "C1" << 0;
        QTest::newRow("not a column") << "Cname" << 0;
        QTest::newRow("empty") << "" << 0;
    }
    void columnMaxLength()
    {
        QFETCH(QString, column);
        QFETCH(int, bytes);
        QCOMPARE(Tdm::ColumnMaxLength(column), bytes);
    }

    void applyMaxLength_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("bytes");
        QTest::newRow("edit Bld_layer") << "QLineEdit"
                                        << "Bld_layer" << 3;
        QTest::newRow("edit bld_layer") << "QLineEdit"
                                        << "bld_layer" << 0;
        QTest::newRow("edit Sales_amt") << "QLineEdit"
                                        << "Sales_amt" << 15;
        QTest::newRow("combo Add_city") << "QComboBox"
                                        << "Add_city" << 10;
        QTest::newRow("editable combo Add_district") << "editable QComboBox"
                                                     << "Add_district" << 20;
        QTest::newRow("date edit Cont_date") << "DateEdit"
                                             << "Cont_date" << 10;
        QTest::newRow("Qt date edit Insert_date") << "QDateEdit"
                                                  << "Insert_date" << 10;
        QTest::newRow("amount edit Monthly_amt") << "AmountEdit"
                                                 << "Monthly_amt" << 12;
        QTest::newRow("area edit Gnd_png") << "AmountEdit"
                                           << "Gnd_png" << 10;
        QTest::newRow("label Bld_nme") << "QLabel"
                                       << "Bld_nme" << 0;
        QTest::newRow("memo Spec") << "QPlainTextEdit"
                                   << "Spec" << 0;
    }
    void applyMaxLength()
    {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(int, bytes);
        std::unique_ptr<QWidget> w = makeWidget(kind);
        w->setObjectName(name);
        Tdm::ApplyMaxLength(w.get());
        QCOMPARE(cp949::byteLimit(w.get()), bytes);
        Tdm::ApplyMaxLength(nullptr);
    }

    void typingIntoTheFloorEdit_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("digits and a syllable") << "12층"
                                               << "12";
        QTest::newRow("a syllable and a digit") << "층1"
                                                << "층1";
        QTest::newRow("three digits") << "123"
                                      << "123";
        QTest::newRow("four digits") << "1234"
                                     << "123";
        QTest::newRow("two syllables") << "지하"
                                       << "지";
    }
    void typingIntoTheFloorEdit()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QLineEdit edit;
        edit.setObjectName(QStringLiteral("Bld_layer"));
        Tdm::ApplyMaxLength(&edit);
        edit.show();
        typeText(&edit, typed);
        QCOMPARE(edit.text(), kept);
    }

    // ---- fonts ----

    void applyFonts_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("font"); // "label", "input" or "own"
        QTest::newRow("label") << "QLabel"
                               << "label";
        QTest::newRow("panel") << "QFrame"
                               << "label";
        QTest::newRow("page control") << "QTabWidget"
                                      << "label";
        QTest::newRow("button") << "QPushButton"
                                << "label";
        QTest::newRow("grid") << "QTableView"
                              << "label";
        QTest::newRow("edit") << "QLineEdit"
                              << "input";
        QTest::newRow("combo box") << "QComboBox"
                                   << "input";
        QTest::newRow("editable combo box") << "editable QComboBox"
                                            << "input";
        QTest::newRow("check box") << "QCheckBox"
                                   << "input";
        QTest::newRow("date edit") << "DateEdit"
                                   << "input";
        QTest::newRow("Qt date edit") << "QDateEdit"
                                      << "input";
        QTest::newRow("calculator edit") << "AmountEdit"
                                         << "input";
        QTest::newRow("memo") << "QPlainTextEdit"
                              << "own";
        QTest::newRow("radio button") << "QRadioButton"
                                      << "own";
        QTest::newRow("speed button") << "QToolButton"
                                      << "own";
        QTest::newRow("list box") << "QListWidget"
                                  << "own";
        QTest::newRow("slider") << "QSlider"
                                << "own";
    }
    void applyFonts()
    {
        QFETCH(QString, kind);
        QFETCH(QString, font);
        TestEnv env;
        setLabelFont(*env.dm, QStringLiteral("굴림"), QStringLiteral("255"), QStringLiteral("12"), QStringLiteral("1"));
        setInputFont(*env.dm, QStringLiteral("돋움"), QStringLiteral("16711680"), QStringLiteral("10"),
                     QStringLiteral("2"));
        std::unique_ptr<QWidget> w = makeWidget(kind);
        QFont own = w->font();
        own.setPointSize(23);
        w->setFont(own);
        const QColor ownColor = foreground(*w);

        env.dm->ApplyFonts(w.get());

        if (font == QLatin1String("label")) {
            QCOMPARE(w->font().pointSize(), 12);
            QVERIFY(w->font().bold());
            QVERIFY(!w->font().italic());
            QCOMPARE(foreground(*w), QColor(255, 0, 0)); // 0x0000FF is red: the value is 0x00BBGGRR
        } else if (font == QLatin1String("input")) {
            QCOMPARE(w->font().pointSize(), 10);
            QVERIFY(w->font().italic());
            QVERIFY(!w->font().bold());
            QCOMPARE(foreground(*w), QColor(0, 0, 255));
        } else {
            QCOMPARE(w->font().pointSize(), 23);
            QVERIFY(!w->font().bold() && !w->font().italic());
            QCOMPARE(foreground(*w), ownColor);
        }
    }

    void fontColours_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QColor>("color");
        const QPalette p = QApplication::palette();
        QTest::newRow("black") << "0" << QColor(0, 0, 0);
        QTest::newRow("green") << "32768" << QColor(0, 128, 0);
        QTest::newRow("navy") << "8388608" << QColor(0, 0, 128);
        QTest::newRow("white") << "16777215" << QColor(255, 255, 255);
        QTest::newRow("window text") << "-16777208" << p.color(QPalette::WindowText);
        QTest::newRow("button face") << "-16777201" << p.color(QPalette::Button);
        QTest::newRow("highlight") << "-16777203" << p.color(QPalette::Highlight);
        QTest::newRow("window") << "-16777211" << p.color(QPalette::Base);
    }
    void fontColours()
    {
        QFETCH(QString, value);
        QFETCH(QColor, color);
        TestEnv env;
        setLabelFont(*env.dm, QStringLiteral("굴림"), value, QStringLiteral("9"), QStringLiteral("0"));
        setInputFont(*env.dm, QStringLiteral("굴림"), value, QStringLiteral("9"), QStringLiteral("0"));
        QLabel label;
        QLineEdit edit;
        env.dm->ApplyFonts(&label);
        env.dm->ApplyFonts(&edit);
        QCOMPARE(foreground(label), color);
        QCOMPARE(foreground(edit), color);
    }

    void unusableFontFieldsLeaveControlsAlone_data()
    {
        QTest::addColumn<QStringList>("parts"); // name, color, size, style for both fonts
        QTest::newRow("all empty") << QStringList{"", "", "", ""};
        QTest::newRow("no face name") << QStringList{"", "255", "12", "1"};
        QTest::newRow("size not a number") << QStringList{"굴림", "255", "큰", "1"};
    }
    void unusableFontFieldsLeaveControlsAlone()
    {
        QFETCH(QStringList, parts);
        TestEnv env;
        setLabelFont(*env.dm, parts[0], parts[1], parts[2], parts[3]);
        setInputFont(*env.dm, parts[0], parts[1], parts[2], parts[3]);
        QLabel label;
        QLineEdit edit;
        QFont own = label.font();
        own.setPointSize(23);
        own.setItalic(true);
        label.setFont(own);
        edit.setFont(own);
        const QPalette labelPalette = label.palette(), editPalette = edit.palette();
        env.dm->ApplyFonts(&label);
        env.dm->ApplyFonts(&edit);
        env.dm->ApplyFonts(nullptr);
        QCOMPARE(label.font(), own);
        QCOMPARE(edit.font(), own);
        QCOMPARE(label.palette(), labelPalette);
        QCOMPARE(edit.palette(), editPalette);
    }

    // ---- customer lookup ----

    void findCustomerByName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("picked"); // Num, Cname, Cphone, Cophone, Chandphone
        QTest::addColumn<bool>("notFound");
        QTest::newRow("nobody") << "최" << QStringList{"", "", "", "", ""} << true;
        QTest::newRow("empty name") << "" << QStringList{"", "", "", "", ""} << true;
        QTest::newRow("one by part of the name")
            << "민수" << QStringList{"4", "박민수", "", "", "011-999-9999"} << false;
        QTest::newRow("one by full name")
            << "김철수" << QStringList{"1", "김철수", "02-111-1111", "02-222-2222", "010-3333-3333"} << false;
        QTest::newRow("single quote") << "O'Neil" << QStringList{"3", "O'Neil", "02-777-7777", "02-888-8888", ""}
                                      << false;
    }
    void findCustomerByName()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, picked);
        QFETCH(bool, notFound);
        TestEnv env;
        env.newDataFolder();
        insertCustomers();
        // Whatever the previous lookup picked is forgotten first.
        env.dm->PickedCustNum = QStringLiteral("9");
        env.dm->PickedCustName = QStringLiteral("이전");
        env.dm->PickedCustMobile = QStringLiteral("010");
        env.dm->CustSearchName = name;
        env.dm->FindCustomerByName();
        QCOMPARE(::picked(*env.dm), picked);
        QCOMPARE(env.dialogs->messages, notFound ? QStringList{kNotACustomer} : QStringList());
        QVERIFY(env.modal->opened.isEmpty());
    }

    void severalCustomersOpenThePickList()
    {
        TestEnv env;
        env.newDataFolder();
        insertCustomers();
        QString nameWhileShown;
        windows::registerWindow(QStringLiteral("TfmFindCustlist"), [](QWidget *parent) {
            auto *d = new QDialog(parent);
            d->setObjectName(QStringLiteral("TfmFindCustlist"));
            return d;
        });
        // The pick list reads the name it searches for, and a double click there picks a customer.
        env.modal->handlers << [&](QDialog *d) {
            nameWhileShown = env.dm->CustSearchName;
            env.dm->PickedCustNum = QStringLiteral("2");
            env.dm->PickedCustName = QStringLiteral("김영희");
            d->accept();
        };
        env.dm->CustSearchName = QStringLiteral("김");
        env.dm->FindCustomerByName();
        windows::registerWindow(QStringLiteral("TfmFindCustlist"), {});

        QCOMPARE(env.modal->opened, QStringList{QStringLiteral("TfmFindCustlist")});
        QCOMPARE(nameWhileShown, QStringLiteral("김"));
        QCOMPARE(env.dm->CustSearchName, QString());
        QCOMPARE(env.dm->PickedCustNum, QStringLiteral("2"));
        QCOMPARE(env.dm->PickedCustName, QStringLiteral("김영희"));
        QVERIFY(env.dialogs->messages.isEmpty());
    }

    // ---- office information ----

    void officePhone_data()
    {
        QTest::addColumn<QString>("ddd");
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("atStartup");
        QTest::addColumn<QString>("atLogin");
        QTest::newRow("both") << "02"
                              << "555-1234"
                              << "02-555-1234"
                              << "555-1234";
        QTest::newRow("no area code") << ""
                                      << "555-1234"
                                      << "555-1234"
                                      << "555-1234";
        QTest::newRow("blank area code") << "  "
                                         << "555-1234"
                                         << "  555-1234"
                                         << "555-1234";
        QTest::newRow("no phone") << "031"
                                  << ""
                                  << "031"
                                  << "";
        QTest::newRow("blanks kept when both are there") << "031 "
                                                         << " 777"
                                                         << "031 - 777"
                                                         << " 777";
        QTest::newRow("neither") << ""
                                 << ""
                                 << ""
                                 << "";
    }
    void officePhone()
    {
        QFETCH(QString, ddd);
        QFETCH(QString, phone);
        QFETCH(QString, atStartup);
        QFETCH(QString, atLogin);
        TestEnv env;
        env.newDataFolder();
        openRegistrant(*env.dm, QStringLiteral("ddd = '%1', phone = '%2'").arg(ddd, phone));
        env.dm->LoadOfficeInformation(true, QFont(), Qt::black);
        QCOMPARE(env.dm->OfficePhone, atStartup);
        QCOMPARE(env.dm->OfficeMainPhone, phone);
        env.dm->LoadOfficeInformation(false, QFont(), Qt::black);
        QCOMPARE(env.dm->OfficePhone, atLogin);
    }

    void logoSettingsAtStartup_data()
    {
        QTest::addColumn<QString>("c4");
        QTest::addColumn<QString>("c5");
        QTest::addColumn<QString>("logoText");
        QTest::addColumn<QString>("printLogo");
        QTest::newRow("defaults") << ""
                                  << ""
                                  << "로고를 입력해주세요"
                                  << "YES";
        QTest::newRow("NO") << "행복부동산"
                            << "NO"
                            << "행복부동산"
                            << "NO";
        QTest::newRow("YES") << "행복부동산"
                             << "YES"
                             << "행복부동산"
                             << "YES";
        QTest::newRow("lower-case no") << "로고"
                                       << "no"
                                       << "로고"
                                       << "YES";
        QTest::newRow("N") << "로고"
                           << "N"
                           << "로고"
                           << "YES";
        QTest::newRow("NO with a blank") << "로고"
                                         << "NO "
                                         << "로고"
                                         << "YES";
    }
    void logoSettingsAtStartup()
    {
        QFETCH(QString, c4);
        QFETCH(QString, c5);
        QFETCH(QString, logoText);
        QFETCH(QString, printLogo);
        TestEnv env;
        env.newDataFolder();
        openRegistrant(*env.dm, QStringLiteral("c4 = '%1', c5 = '%2'").arg(c4, c5));
        env.dm->LoadOfficeInformation(true, QFont(), Qt::black);
        QCOMPARE(env.dm->LogoText, logoText);
        QCOMPARE(env.dm->PrintLogo, printLogo);
    }

    void startupAndLoginLoadTheirFields()
    {
        TestEnv env;
        env.newDataFolder();
        openRegistrant(*env.dm,
                       QStringLiteral("id = 'KIM', sangho = '행복부동산', ddd = '02', phone = '555-1234', "
                                      "handphone = '010-1234-5678', c1 = '서울', c2 = '강남구', c3 = '역삼동', "
                                      "c4 = '행복', c5 = 'NO', c8 = 'NO', c9 = 'YES', c10 = 'NO', c11 = 'NO', "
                                      "c17 = 'C:\\old\\image\\logo.gif', bt_font = '굴림', bt_charset = '129', "
                                      "bt_color = '255', bt_size = '11', bt_style = '1', ip_font = '돋움', "
                                      "ip_charset = '129', ip_color = '-16777208', ip_size = '10', ip_style = '6'"));
        Tdm &dm = *env.dm;
        dm.LoadOfficeInformation(true, QFont(), Qt::black);
        QCOMPARE((QStringList{dm.LoginId, dm.OfficeName, dm.OfficePhone, dm.OfficeMainPhone, dm.OfficeMobile}),
                 (QStringList{"KIM", "행복부동산", "02-555-1234", "555-1234", "010-1234-5678"}));
        QCOMPARE((QStringList{dm.DefaultCity, dm.DefaultDistrict, dm.DefaultTown}),
                 (QStringList{"서울", "강남구", "역삼동"}));
        QCOMPARE((QStringList{dm.LogoText, dm.PrintLogo, dm.BackupOnExit, dm.SpecUploadDefault, dm.SortByInputOrder,
                              dm.ActiveStatesOnly, dm.MainLogoFile}),
                 (QStringList{"행복", "NO", "NO", "YES", "NO", "NO", "C:\\old\\image\\logo.gif"}));
        QCOMPARE((QStringList{dm.LabelFontName, dm.LabelFontCharset, dm.LabelFontColor, dm.LabelFontSize,
                              dm.LabelFontStyle}),
                 (QStringList{"굴림", "129", "255", "11", "1"}));
        QCOMPARE((QStringList{dm.InputFontName, dm.InputFontCharset, dm.InputFontColor, dm.InputFontSize,
                              dm.InputFontStyle}),
                 (QStringList{"돋움", "129", "-16777208", "10", "6"}));

        // A login into a fresh module loads only its part; the rest stays as it was.
        Tdm other;
        other.LogoText = QStringLiteral("이전 로고");
        other.tbl_id.setSql(QStringLiteral("select * from id_table"));
        other.tbl_id.open();
        other.LoadOfficeInformation(false, QFont(), Qt::black);
        QCOMPARE(
            (QStringList{other.LoginId, other.OfficeName, other.OfficePhone, other.OfficeMainPhone, other.OfficeMobile,
                         other.DefaultCity, other.DefaultDistrict, other.DefaultTown}),
            (QStringList{"KIM", "행복부동산", "555-1234", "555-1234", "010-1234-5678", "서울", "강남구", "역삼동"}));
        QCOMPARE(other.LogoText, QStringLiteral("이전 로고"));
        QCOMPARE((QStringList{other.PrintLogo, other.BackupOnExit, other.SpecUploadDefault, other.SortByInputOrder,
                              other.ActiveStatesOnly, other.MainLogoFile}),
                 (QStringList{"", "", "", "", "", ""}));
        QCOMPARE(other.LabelFontName, QStringLiteral("굴림"));
        QCOMPARE(other.InputFontStyle, QStringLiteral("6"));
    }

    void emptyStoredFontFallsBackToTheGivenFont_data()
    {
        QTest::addColumn<bool>("atStartup");
        QTest::newRow("startup") << true;
        QTest::newRow("login") << false;
    }
    void emptyStoredFontFallsBackToTheGivenFont()
    {
        QFETCH(bool, atStartup);
        TestEnv env;
        env.newDataFolder();
        openRegistrant(*env.dm, QStringLiteral("bt_font = '', ip_font = '돋움', ip_charset = '129', ip_color = '0', "
                                               "ip_size = '10', ip_style = '0'"));
        QFont own(QStringLiteral("MS Sans Serif"));
        own.setPointSize(8);
        own.setItalic(true);
        own.setUnderline(true);
        env.dm->LoadOfficeInformation(atStartup, own, QColor(0x12, 0x34, 0x56));
        QCOMPARE(env.dm->LabelFontName, QStringLiteral("MS Sans Serif"));
        QCOMPARE(env.dm->LabelFontSize, QStringLiteral("8"));
        QCOMPARE(env.dm->LabelFontStyle, QStringLiteral("6"));       // italic 2 + underline 4
        QCOMPARE(env.dm->LabelFontColor, QString::number(0x563412)); // stored as 0x00BBGGRR
        bool isNumber = false;
        env.dm->LabelFontCharset.toInt(&isNumber);
        QVERIFY(isNumber);
        QCOMPARE(env.dm->InputFontName, QStringLiteral("돋움"));
        QCOMPARE(env.dm->InputFontSize, QStringLiteral("10"));
        // The fallback is a font the windows can use.
        QFont applied;
        QColor color;
        QVERIFY(env.dm->ApplyLabelFont(applied, &color));
        QCOMPARE(applied.pointSize(), 8);
        QVERIFY(applied.italic() && applied.underline() && !applied.bold());
        QCOMPARE(color, QColor(0x12, 0x34, 0x56));
    }

    // ---- the data folder ----

    void changeDataPath_data()
    {
        QTest::addColumn<QString>("chosen"); // "" = cancelled, "same" = the current folder
        QTest::addColumn<bool>("changed");
        QTest::newRow("cancelled") << "" << false;
        QTest::newRow("another folder") << "/srv/new data, 2/본점" << true;
        QTest::newRow("the same folder again") << "same" << true;
    }
    void changeDataPath()
    {
        QFETCH(QString, chosen);
        QFETCH(bool, changed);
        TestEnv env;
        const QString folder = env.newDataFolder();
        const QStringList before = {QStringLiteral("PATH=") + folder, QStringLiteral("DEFAULT DRIVER=PARADOX")};
        aliases::setParams(aliases::kAlias, before);
        if (chosen == QLatin1String("same"))
            chosen = folder;
        env.dialogs->folders << chosen;

        QCOMPARE(env.dm->ChangeDataPath(), changed);
        QCOMPARE(env.dialogs->lastTitle, QStringLiteral("새로 변경하실 데이터 경로를 선택 하세요"));
        QCOMPARE(env.dialogs->lastStart, folder);
        QCOMPARE(aliases::params(aliases::kAlias), changed ? QStringList{QStringLiteral("PATH=") + chosen} : before);
        QVERIFY(env.dialogs->messages.isEmpty());
    }

    void changeDataPathWithoutTheAlias()
    {
        TestEnv env;
        env.dialogs->folders << QStringLiteral("/srv/new");
        QVERIFY(!env.dm->ChangeDataPath());
        QCOMPARE(env.dialogs->messages, QStringList{QStringLiteral("Alias oms does not exist")});
        QCOMPARE(env.dialogs->lastTitle, QString()); // no folder dialog
        QVERIFY(!aliases::exists(aliases::kAlias));
    }

    void backupGoesIntoTheWeekdayFolder_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("folder");
        QTest::newRow("Sunday") << QDate(2026, 12, 6) << "1";
        QTest::newRow("Monday") << QDate(2026, 12, 7) << "2";
        QTest::newRow("Wednesday") << QDate(2026, 12, 9) << "4";
        QTest::newRow("Saturday") << QDate(2026, 12, 12) << "7";
    }
    void backupGoesIntoTheWeekdayFolder()
    {
        QFETCH(QDate, date);
        QFETCH(QString, folder);
        TestEnv env;
        env.newDataFolder();
        env.clock->date = date;
        env.dm->BackupData();
        QCOMPARE(QDir(env.dm->BackupRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{folder});
        QVERIFY(QFileInfo::exists(env.dm->BackupRoot + QLatin1Char('/') + folder + QStringLiteral("/") +
                                  database::kFileName));
    }

    void backupCopiesTheOpenDatabaseAndThePictures()
    {
        TestEnv env;
        const QString data = env.newDataFolder();
        for (int i = 0; i < 5; ++i) {
            mamulRecord rec;
            rec[QStringLiteral("Bld_nme")] = QStringLiteral("백업%1").arg(i);
            env.dm->InsertNewListing(rec);
        }
        writeFile(data + QStringLiteral("/img/1_1.jpg"), "picture one");
        writeFile(data + QStringLiteral("/img/video/1_4.avi"), "video");
        writeFile(data + QStringLiteral("/notes.txt"), "office notes");

        env.dm->BackupData();

        QVERIFY2(env.dialogs->messages.isEmpty(), qPrintable(env.dialogs->messages.join(QLatin1Char('\n'))));
        const QString target = env.dm->BackupRoot + QStringLiteral("/4");
        QCOMPARE(readFile(target + QStringLiteral("/img/1_1.jpg")), QByteArray("picture one"));
        QCOMPARE(readFile(target + QStringLiteral("/img/video/1_4.avi")), QByteArray("video"));
        QCOMPARE(readFile(target + QStringLiteral("/notes.txt")), QByteArray("office notes"));
        // The copy is a database of its own with every row written so far.
        QString rows;
        {
            QSqlDatabase copy = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("backup"));
            copy.setDatabaseName(target + QLatin1Char('/') + database::kFileName);
            copy.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            QVERIFY(copy.open());
            QSqlQuery q(copy);
            if (q.exec(QStringLiteral(
                    "select group_concat(Bld_nme) from (select Bld_nme from mamul_table order by Id_seq)")) &&
                q.next())
                rows = q.value(0).toString();
            copy.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("backup"));
        QCOMPARE(rows, QStringLiteral("백업0,백업1,백업2,백업3,백업4"));
        // The data folder stays open and writable.
        mamulRecord rec;
        QCOMPARE(env.dm->InsertNewListing(rec), qint64(6));
    }

    void backupClearsTheTopOfLastWeeksFolder()
    {
        TestEnv env;
        const QString data = env.newDataFolder();
        writeFile(data + QStringLiteral("/img/new.jpg"), "new");
        const QString target = env.dm->BackupRoot + QStringLiteral("/4");
        writeFile(target + QStringLiteral("/stale.txt"), "old");
        writeFile(target + QLatin1Char('/') + database::kFileName, "old database");
        writeFile(target + QStringLiteral("/img/old.jpg"), "old picture");
        writeFile(target + QStringLiteral("/kept/inner.txt"), "kept");

        env.dm->BackupData();

        QVERIFY(!QFileInfo::exists(target + QStringLiteral("/stale.txt")));
        QVERIFY(readFile(target + QLatin1Char('/') + database::kFileName) != QByteArray("old database"));
        QCOMPARE(readFile(target + QStringLiteral("/img/old.jpg")), QByteArray("old picture"));
        QCOMPARE(readFile(target + QStringLiteral("/kept/inner.txt")), QByteArray("kept"));
        QCOMPARE(readFile(target + QStringLiteral("/img/new.jpg")), QByteArray("new"));
    }

    void backupWithoutTheAlias()
    {
        TestEnv env;
        env.dm->BackupData();
        QCOMPARE(env.dialogs->messages, QStringList{QStringLiteral("Alias oms does not exist")});
        QVERIFY(!QFileInfo::exists(env.dm->BackupRoot));
    }

    void backupOfAMissingDataFolderSaysWhich()
    {
        TestEnv env;
        const QString gone = env.path(QStringLiteral("gone/data"));
        aliases::setPath(aliases::kAlias, gone);
        env.dm->BackupData();
        QCOMPARE(env.dialogs->messages.size(), 1);
        QVERIFY2(env.dialogs->messages.first().contains(QDir::toNativeSeparators(gone)),
                 qPrintable(env.dialogs->messages.first()));
    }
};

QTEST_MAIN(TestDataModule)
#include "test_data_module.moc"

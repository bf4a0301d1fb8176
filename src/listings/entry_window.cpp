#include "listings/entry_window.h"

#include "data/data_module.h"
#include "data/db_error.h"
#include "listings/attachment_panel.h"
#include "listings/attachment_paths.h"
#include "listings/kind_change_window.h"
#include "listings/kind_chooser.h"
#include "listings/kind_flags.h"
#include "listings/picture_view.h"
#include "ui/amount_edit.h"
#include "ui/date_edit.h"
#include "ui/input_text.h"
#include "ui/seams.h"
#include "ui/sheet_registry.h"
#include "ui/window_registry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>

static const QStringList kOwnerColumns = {QStringLiteral("Sales_person"), QStringLiteral("Sales_pnum"),
                                          QStringLiteral("Sales_onum"), QStringLiteral("Sales_cnum")};
static const QStringList kTenantColumns = {QStringLiteral("Lent_person"), QStringLiteral("Lent_pnum"),
                                           QStringLiteral("Lent_onum"), QStringLiteral("Lent_cnum")};

EntryWindow::EntryWindow(const EntryWindowSpec &spec, QWidget *parent) : QDialog(parent), m_spec(spec)
{
    setObjectName(spec.name);
    setWindowTitle(spec.designCaption);
    buildLayout();
    if (QLabel *estate = m_labels.value(QStringLiteral("estate_nme")); estate && !spec.estateCaption.isEmpty())
        estate->setText(spec.estateCaption);
    resize(qMax(790, sizeHint().width()), qMax(546, sizeHint().height()));

    if (auto *city = qobject_cast<QComboBox *>(control(QStringLiteral("Add_city"))))
        connect(city, &QComboBox::currentTextChanged, this, [this] {
            if (!m_filling)
                onCityChanged();
        });
    if (auto *district = qobject_cast<QComboBox *>(control(QStringLiteral("Add_district"))))
        connect(district, &QComboBox::currentTextChanged, this, [this] {
            if (!m_filling)
                onDistrictChanged();
        });
    connect(m_visibleRequest, &QCheckBox::toggled, this, &EntryWindow::setHidden);
}

QWidget *EntryWindow::control(const QString &column) const
{
    return m_controls.value(column.toLower());
}

QString EntryWindow::textOf(const QString &column) const
{
    return inputs::text(control(column));
}

void EntryWindow::setTextOf(const QString &column, const QString &text)
{
    inputs::setText(control(column), text);
}

QString EntryWindow::PicFile(int slot) const
{
    return m_attachments->file(slot);
}

QString EntryWindow::today() const
{
    return DateEdit::textOf(seams::clock().today());
}

void EntryWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        FormShow();
    }
}

// ---- showing ----

void EntryWindow::onCityChanged()
{
    Tdm *dm = dataModule();
    auto *district = qobject_cast<QComboBox *>(control(QStringLiteral("Add_district")));
    if (!district)
        return;
    m_filling = true;
    dm->FillDistrictList(textOf(QStringLiteral("Add_city")), district);
    m_filling = false;
    onDistrictChanged();
}

void EntryWindow::onDistrictChanged()
{
    auto *town = qobject_cast<QComboBox *>(control(QStringLiteral("Add_town")));
    if (!town)
        return;
    m_filling = true;
    dataModule()->FillTownList(textOf(QStringLiteral("Add_city")), textOf(QStringLiteral("Add_district")), town);
    m_filling = false;
}

void EntryWindow::clearInputs()
{
    for (const InputSpec &in : m_spec.inputs) {
        QWidget *w = control(in.column);
        if (!w || in.column.isEmpty())
            continue;
        const QString col = in.column.toLower();
        if (col == QLatin1String("add_city") || col == QLatin1String("add_district") ||
            col == QLatin1String("add_town"))
            continue;
        // Lease types and kinds keep their design text.
        if (col == QLatin1String("obj_kubun2") || col == QLatin1String("obj_kind"))
            continue;
        if (auto *c = qobject_cast<QComboBox *>(w)) {
            const ValueList &list = catalogue::valueList(in.list);
            if (c->isEditable())
                c->setEditText(col == QLatin1String("obj_kubun3") ? list.design : QString());
            else
                c->setCurrentIndex(-1);
            continue;
        }
        if (auto *b = qobject_cast<QCheckBox *>(w)) {
            b->setChecked(false);
            continue;
        }
        setTextOf(in.column, QString());
    }
    m_attachments->clearAll();
}

void EntryWindow::loadRecord(const mamulRecord &rec)
{
    m_filling = true;
    Tdm *dm = dataModule();
    auto *district = qobject_cast<QComboBox *>(control(QStringLiteral("Add_district")));
    auto *town = qobject_cast<QComboBox *>(control(QStringLiteral("Add_town")));
    dm->FillDistrictList(rec[QStringLiteral("Add_city")], district);
    dm->FillTownList(rec[QStringLiteral("Add_city")], rec[QStringLiteral("Add_district")], town);
    for (const InputSpec &in : m_spec.inputs) {
        if (in.column.isEmpty() || !control(in.column) || mamulRecord::indexOf(in.column) < 0)
            continue;
        if (in.column == QLatin1String("c2")) {
            setTextOf(in.column, rec[in.column] == QLatin1String("YES") ? QStringLiteral("Yes") : QStringLiteral("No"));
            continue;
        }
        setTextOf(in.column, rec[in.column]);
    }
    m_filling = false;

    // Attachments follow the data folder; a file that is gone leaves its slot empty.
    m_attachments->clearAll();
    for (int slot = 1; slot <= AttachmentPanel::kSlots; ++slot) {
        const QString path = attachments::reroot(rec[QStringLiteral("Pic_pic%1").arg(slot)], dm->DataPath);
        if (!path.isEmpty() && QFileInfo::exists(path))
            m_attachments->setFile(slot, path, true);
    }
}

void EntryWindow::FormShow()
{
    Tdm *dm = dataModule();
    if (m_spec.setsSavedFlagOnShow)
        dm->SavedFlag = QStringLiteral("NO");
    for (QWidget *w : findChildren<QWidget *>()) {
        dm->ApplyFonts(w);
        Tdm::ApplyMaxLength(w);
    }
    auto *city = qobject_cast<QComboBox *>(control(QStringLiteral("Add_city")));
    auto *district = qobject_cast<QComboBox *>(control(QStringLiteral("Add_district")));
    auto *town = qobject_cast<QComboBox *>(control(QStringLiteral("Add_town")));
    m_filling = true;
    // Filled afresh at every show, so a navigator move does not grow the list.
    if (city) {
        city->clear();
        dm->FillCityList(city);
    }
    m_filling = false;

    if (Mode == QLatin1String("Append")) {
        LoadedRecord = mamulRecord();
        m_filling = true;
        if (!dm->DefaultCity.isEmpty()) {
            dm->FillDistrictList(dm->DefaultCity, district);
            dm->FillTownList(dm->DefaultCity, dm->DefaultDistrict, town);
            setTextOf(QStringLiteral("Add_city"), dm->DefaultCity);
            setTextOf(QStringLiteral("Add_district"), dm->DefaultDistrict);
            setTextOf(QStringLiteral("Add_town"), dm->DefaultTown);
        } else {
            dm->FillDistrictList(QStringLiteral("서울"), district);
            dm->FillTownList(QStringLiteral("서울"), QStringLiteral("강남구"), town);
            setTextOf(QStringLiteral("Add_city"), QStringLiteral("서울"));
            setTextOf(QStringLiteral("Add_district"), QString());
            setTextOf(QStringLiteral("Add_town"), QString());
        }
        m_filling = false;
        clearInputs();
        for (const char *c : {"Room_num", "Living_num", "Bath_num"})
            if (auto *combo = qobject_cast<QComboBox *>(control(QString::fromLatin1(c))))
                combo->setEditText(QStringLiteral("1"));
        setTextOf(QStringLiteral("Obj_state"), QStringLiteral("일반"));
        setTextOf(QStringLiteral("Estate_nme"), dm->OfficeName);
        setTextOf(QStringLiteral("Estate_rep"), dm->OfficeMainPhone);
        setTextOf(QStringLiteral("Estate_pnum"), dm->OfficePhone);
        setTextOf(QStringLiteral("Estate_cnum"), dm->OfficeMobile);
        setTextOf(QStringLiteral("Insert_date"), today());
        setTextOf(QStringLiteral("Update_date"), today());
        for (auto it = m_spec.appendValues.begin(); it != m_spec.appendValues.end(); ++it)
            setTextOf(it.key(), it.value());
        for (auto it = AppendValues.cbegin(); it != AppendValues.cend(); ++it)
            setTextOf(it.key(), it.value());
        if (m_specUpload)
            m_specUpload->setChecked(m_spec.specUpload == QLatin1String("store") &&
                                     dm->SpecUploadDefault == QLatin1String("YES"));
        m_visibleRequest->setChecked(false);
        m_navigator->setVisible(m_spec.navigatorInAppend && m_spec.hasNavigator);
        m_newSave->setVisible(false);
        setWindowTitle(m_spec.appendCaption.isEmpty() ? m_spec.designCaption : m_spec.appendCaption);
    } else {
        const mamulRecord rec = dm->ReadListing(IdSeq);
        if (!rec.isEmpty()) {
            LoadedRecord = rec;
            loadRecord(rec);
            if (m_specUpload && m_spec.specUpload == QLatin1String("store"))
                m_specUpload->setChecked(rec[QStringLiteral("c3")] == QLatin1String("YES"));
        }
        m_visibleRequest->setChecked(true);
        m_navigator->setVisible(m_spec.hasNavigator);
        m_newSave->setVisible(true);
        setWindowTitle(m_spec.editCaption.isEmpty() ? m_spec.designCaption : m_spec.editCaption);
    }
    setHidden(m_visibleRequest->isChecked());
}

void EntryWindow::setHidden(bool hidden)
{
    for (const QStringList *columns : {&kOwnerColumns, &kTenantColumns})
        for (const QString &c : *columns)
            if (auto *e = qobject_cast<QLineEdit *>(control(c))) {
                e->setEchoMode(hidden ? QLineEdit::Password : QLineEdit::Normal);
                e->setStyleSheet(hidden ? QStringLiteral("lineedit-password-character: 42;") : QString());
            }
}

// ---- saving ----

static bool isZeroOrEmpty(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return true;
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok && v == 0;
}

bool EntryWindow::runChecks()
{
    KindFlags &flags = kindFlags(kindFlagName());
    auto fail = [&](const QString &message, QWidget *focus) {
        seams::dialogs().inform(message);
        flags.SaveFailed = QStringLiteral("1");
        if (focus)
            focus->setFocus();
        return false;
    };
    for (const CheckSpec &check : m_spec.checks) {
        const QString text = textOf(check.column);
        const bool empty = check.zeroIsEmpty ? isZeroOrEmpty(text) : text.trimmed().isEmpty();
        if (empty)
            return fail(check.message, check.focus ? control(check.column) : nullptr);
    }
    // Numbers that would not convert are refused here, naming the input, before anything is written.
    for (const InputSpec &in : m_spec.inputs) {
        const bool whole = in.kind == QLatin1String("amount");
        const bool number = whole || in.kind == QLatin1String("area") || in.kind == QLatin1String("number");
        if (!number || !control(in.column))
            continue;
        QString t = textOf(in.column).trimmed();
        t.remove(QLatin1Char(','));
        if (t.isEmpty())
            continue;
        bool ok = false;
        if (whole)
            t.toLongLong(&ok);
        else
            t.toDouble(&ok);
        if (!ok) {
            const QString caption = QString(in.caption).simplified();
            return fail(
                whole ? QStringLiteral("[%1]은(는) 소수점 없는 숫자(만원 단위)로 입력하셔야 합니다. ").arg(caption)
                      : QStringLiteral("[%1]은(는) 숫자로 입력하셔야 합니다. ").arg(caption),
                control(in.column));
        }
    }
    return true;
}

mamulRecord EntryWindow::buildRecord()
{
    // Every column without a control keeps what the row held (empty for a new listing).
    mamulRecord rec = LoadedRecord;
    for (const InputSpec &in : m_spec.inputs) {
        if (in.column.isEmpty() || !control(in.column) || mamulRecord::indexOf(in.column) < 0)
            continue;
        QString value = textOf(in.column);
        if (in.column == QLatin1String("c1") || in.column == QLatin1String("c2"))
            value = value.toUpper();
        rec[in.column] = value;
    }
    // Columns written empty whatever the row held.
    for (const char *c : {"Obj_kubun3", "N1", "c3", "Elect"})
        if (!control(QString::fromLatin1(c)))
            rec[QString::fromLatin1(c)].clear();
    if (m_spec.isLease()) {
        for (const char *c : {"Sales_amt", "Move_into_amt", "Land_amt"})
            if (!control(QString::fromLatin1(c)))
                rec[QString::fromLatin1(c)].clear();
    } else if (m_spec.specUpload == QLatin1String("box")) {
        rec[QStringLiteral("c3")].clear();
    }
    return rec;
}

bool EntryWindow::saveRoutine()
{
    if (!runChecks())
        return false;
    Tdm *dm = dataModule();
    mamulRecord rec = buildRecord();
    const QString deal = m_spec.isLease() ? QStringLiteral("임대") : QStringLiteral("매매");
    auto pictures = [this, dm](mamulRecord &r) {
        const qint64 id = r[0].toLongLong();
        for (int slot = 1; slot <= AttachmentPanel::kSlots; ++slot) {
            const QString source = m_attachments->file(slot);
            r[QStringLiteral("Pic_pic%1").arg(slot)] =
                source.isEmpty() ? QString() : attachments::keptPath(dm->DataPath, id, slot, source);
        }
    };
    if (Mode != QLatin1String("Append")) {
        for (const char *c : {"Obj_kind", "Obj_kubun1"})
            rec[QString::fromLatin1(c)] = LoadedRecord[QString::fromLatin1(c)];
        if (!m_spec.isLease())
            rec[QStringLiteral("Obj_kubun2")] = LoadedRecord[QStringLiteral("Obj_kubun2")];
        if (m_spec.objKindFromCombo)
            rec[QStringLiteral("Obj_kind")] = textOf(QStringLiteral("Obj_kind"));
        if (m_spec.updateDateToday)
            rec[QStringLiteral("Update_date")] = today();
        rec[0] = QString::number(IdSeq);
        completeRecord(rec, false);
        pictures(rec);
        writeUpdate(rec);
    } else {
        rec[QStringLiteral("Obj_kind")] = m_spec.objKindFromCombo ? textOf(QStringLiteral("Obj_kind")) : m_spec.objKind;
        rec[QStringLiteral("Obj_kubun1")] = deal;
        if (!m_spec.isLease())
            rec[QStringLiteral("Obj_kubun2")].clear();
        completeRecord(rec, true);
        NewIdSeq = dm->InsertNewListing(rec, pictures);
    }
    // Copy the attachments to their kept names (an emptied slot leaves its old file on disk).
    QStringList failed;
    for (int slot = 1; slot <= AttachmentPanel::kSlots; ++slot) {
        const QString source = m_attachments->file(slot);
        const QString kept = rec[QStringLiteral("Pic_pic%1").arg(slot)];
        if (source.isEmpty() || kept.isEmpty())
            continue;
        if (!attachments::keep(source, kept))
            failed << source;
    }
    if (!failed.isEmpty())
        seams::dialogs().inform(QStringLiteral("첨부 파일을 데이터 폴더에 복사할 수 없습니다 :\n") +
                                failed.join(QLatin1Char('\n')));
    return true;
}

void EntryWindow::writeUpdate(const mamulRecord &rec)
{
    dataModule()->UpdateListing(rec);
}

void EntryWindow::SaveClick()
{
    KindFlags &flags = kindFlags(kindFlagName());
    flags.SaveFailed.clear();
    const bool ok = saveRoutine();
    dataModule()->SavedFlag = QStringLiteral("YES");
    const bool append = Mode == QLatin1String("Append");
    if (append)
        IdSeq = NewIdSeq;
    if (!ok)
        return;
    if (append) {
        if (!seams::dialogs().ask(QStringLiteral("입력을 계속 하시겠습니까?")))
            accept();
        return;
    }
    accept();
}

void EntryWindow::NewSaveClick()
{
    KindFlags &flags = kindFlags(kindFlagName());
    Mode = QStringLiteral("Append");
    flags.SaveFailed.clear();
    const bool ok = saveRoutine();
    dataModule()->SavedFlag = QStringLiteral("YES");
    Mode = QStringLiteral("Edit");
    if (!ok)
        return; // the window stays on the listing it showed
    IdSeq = NewIdSeq;
    if (!seams::dialogs().ask(QStringLiteral("입력을 계속 하시겠습니까?")))
        accept();
}

void EntryWindow::DeleteClick()
{
    if (!seams::dialogs().ask(QStringLiteral("삭제 하시겠습니까?")))
        return;
    dataModule()->DeleteListing(IdSeq);
    reject();
}

// ---- printing ----

static void printSheet(EntryWindow *w, const QString &sheet, qint64 id)
{
    Tdm *dm = dataModule();
    dm->qry_prt_mamul.close();
    dm->qry_prt_mamul.setInteger(QStringLiteral("Id_seq"), id);
    try {
        dm->qry_prt_mamul.open();
        sheets::preview(sheet, w);
    } catch (...) {
        dm->qry_prt_mamul.close();
        throw;
    }
    dm->qry_prt_mamul.close();
}

void EntryWindow::PrintClick()
{
    const bool secret = seams::dialogs().ask(QStringLiteral("비밀정보(물건정보/성명/연락처)를 출력하시겠습니까?"));
    kindFlags(kindFlagName()).ShowSecret = secret ? QStringLiteral("Y") : QStringLiteral("N");
    printSheet(this, m_spec.detailSheet, IdSeq);
}

void EntryWindow::InfoPrintClick()
{
    printSheet(this, infoSheet(), IdSeq);
}

// ---- navigator ----

void EntryWindow::navigate(int where)
{
    SqlQuery &q = dataModule()->qry_mamul;
    if (!q.navigate(where))
        return;
    IdSeq = q.fieldByName(QStringLiteral("Id_seq")).asInteger();
    if (!m_spec.setsSavedFlagOnShow && m_spec.name != QLatin1String("TfmAptLent"))
        dataModule()->SavedFlag = QStringLiteral("NO");
    FormShow();
}

// ---- owner and tenant ----

void EntryWindow::custSearch(bool tenant)
{
    const QStringList &cols = tenant ? kTenantColumns : kOwnerColumns;
    Tdm *dm = dataModule();
    if (textOf(cols.at(0)).isEmpty()) {
        seams::dialogs().inform(QStringLiteral("찾고싶은 고객님의 성함을 입력해주십시오."));
        return;
    }
    dm->CustSearchName = textOf(cols.at(0));
    dm->FindCustomerByName();
    if (dm->PickedCustNum.isEmpty())
        return;
    if (!seams::dialogs().ask(QStringLiteral("현 의뢰인정보를 변경하시겠습니까?"))) {
        if (QWidget *w = control(cols.at(0)))
            w->setFocus();
        return;
    }
    setTextOf(cols.at(0), dm->PickedCustName);
    setTextOf(cols.at(1), dm->PickedCustPhone);
    setTextOf(cols.at(2), dm->PickedCustOfficePhone);
    setTextOf(cols.at(3), dm->PickedCustMobile);
}

void EntryWindow::custRegister(bool tenant)
{
    const QStringList &cols = tenant ? kTenantColumns : kOwnerColumns;
    Tdm *dm = dataModule();
    QString sql = QStringLiteral("select count(*) cnt1 from cust_table.db where Cname='") +
                  Tdm::quoted(textOf(cols.at(0))) + QStringLiteral("'");
    if (!textOf(cols.at(1)).isEmpty())
        sql += QStringLiteral(" and Cphone='") + Tdm::quoted(textOf(cols.at(1))) + QStringLiteral("'");
    dm->all_qry.setSql(sql);
    dm->all_qry.open();
    const qint64 count = dm->all_qry.fieldByName(QStringLiteral("cnt1")).asInteger();
    dm->all_qry.close();
    if (count > 0 && !seams::dialogs().ask(QStringLiteral("이미 등록된 고객입니다! 등록하시겠습니까?"))) {
        if (QWidget *w = control(cols.at(0)))
            w->setFocus();
        return;
    }
    OwnerAddressText = textOf(QStringLiteral("Add_city")) + QLatin1Char(' ') + textOf(QStringLiteral("Add_district")) +
                       QLatin1Char(' ') + textOf(QStringLiteral("Add_town")) + QLatin1Char(' ') +
                       textOf(QStringLiteral("Addr_number")) + QStringLiteral("   ") +
                       textOf(QStringLiteral("Bld_nme")) + QLatin1Char(' ') + textOf(QStringLiteral("Add_degree")) +
                       QLatin1Char(' ') + textOf(QStringLiteral("Bld_degree")) + QLatin1Char('-') +
                       textOf(QStringLiteral("Bld_num"));
    std::unique_ptr<QDialog> cust(windows::create(QStringLiteral("TfmCust"), this));
    if (cust) {
        cust->setProperty("Mode", QStringLiteral("Append2"));
        const QStringList targets = {QStringLiteral("Cname"), QStringLiteral("Cphone"), QStringLiteral("Cophone"),
                                     QStringLiteral("Chandphone")};
        for (int i = 0; i < 4; ++i)
            if (auto *e = cust->findChild<QLineEdit *>(targets.at(i)))
                e->setText(textOf(cols.at(i)));
        if (auto *e = cust->findChild<QLineEdit *>(QStringLiteral("Caddr")))
            e->setText(OwnerAddressText);
        seams::modal().run(cust.get());
        dm->qry_cust.close();
        dm->qry_cust.open();
    }
    if (QWidget *w = control(cols.at(0)))
        w->setFocus();
}

void EntryWindow::initInfo(bool tenant)
{
    const QStringList &cols = tenant ? kTenantColumns : kOwnerColumns;
    for (const QString &c : cols)
        setTextOf(c, LoadedRecord[c]);
}

void EntryWindow::sameAsOwner()
{
    for (int i = 0; i < 4; ++i)
        setTextOf(kTenantColumns.at(i), textOf(kOwnerColumns.at(i)));
}

void EntryWindow::zipClick()
{
    std::unique_ptr<QDialog> zip(windows::create(QStringLiteral("TfmZip"), this));
    if (!zip || seams::modal().run(zip.get()) != QDialog::Accepted)
        return;
    SqlQuery &q = dataModule()->qry_zip;
    if (!q.isOpen() || q.recNo() < 0)
        return;
    m_filling = true;
    const QString sido = q.fieldByName(QStringLiteral("SIDO")).asString();
    const QString gugun = q.fieldByName(QStringLiteral("GUGUN")).asString();
    dataModule()->FillDistrictList(sido, qobject_cast<QComboBox *>(control(QStringLiteral("Add_district"))));
    dataModule()->FillTownList(sido, gugun, qobject_cast<QComboBox *>(control(QStringLiteral("Add_town"))));
    setTextOf(QStringLiteral("Add_city"), sido);
    setTextOf(QStringLiteral("Add_district"), gugun);
    setTextOf(QStringLiteral("Add_town"), q.fieldByName(QStringLiteral("DONG")).asString());
    setTextOf(QStringLiteral("Addr_number"), q.fieldByName(QStringLiteral("BUNJI")).asString());
    m_filling = false;
    if (QWidget *w = control(QStringLiteral("Addr_number")))
        w->setFocus();
}

// ---- registration ----

void registerListingWindows()
{
    for (const EntryWindowSpec &spec : catalogue::entryWindows()) {
        const QString name = spec.name;
        windows::registerWindow(name, [name](QWidget *parent) -> QDialog * {
            const EntryWindowSpec *s = catalogue::entryWindow(name);
            return s ? new EntryWindow(*s, parent) : nullptr;
        });
    }
    windows::registerWindow(QStringLiteral("Tpicture_view"), [](QWidget *parent) { return new Tpicture_view(parent); });
    windows::registerWindow(QStringLiteral("TfmALL"), [](QWidget *parent) { return new KindChangeWindow(parent); });
    windows::registerWindow(QStringLiteral("TfmALLkind"), [](QWidget *parent) { return new KindChooser(parent); });
}

#include "listings/picture_view.h"

#include "data/data_module.h"
#include "ui/key_navigation.h"
#include "ui/sheet_registry.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

Tpicture_view::Tpicture_view(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tpicture_view"));
    setWindowTitle(QStringLiteral("사진보기 축소/확대 가능..."));
    auto *top = new QHBoxLayout;
    auto add = [&](const QString &text, const char *name, auto slot) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        top->addWidget(b);
    };
    add(QStringLiteral("닫  기"), "CloseButton", [this] { reject(); });
    add(QStringLiteral("처음크기"), "NaturalButton", [this] { naturalSize(); });
    add(QStringLiteral("확대하기"), "ZoomInButton", [this] { zoomIn(); });
    add(QStringLiteral("축소하기"), "ZoomOutButton", [this] { zoomOut(); });
    add(QStringLiteral("출  력"), "PrintButton", [this] { print(false); });
    add(QStringLiteral("미리보기"), "PreviewButton", [this] { print(true); });
    m_width = new QLineEdit(this);
    m_width->setObjectName(QStringLiteral("edit1"));
    m_height = new QLineEdit(this);
    m_height->setObjectName(QStringLiteral("edit2"));
    for (auto [edit, caption] :
         {std::pair{m_width, QStringLiteral("넓이")}, std::pair{m_height, QStringLiteral("높이")}}) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(edit);
        edit->setFixedWidth(60);
        keys::installNumericFilter(edit);
        top->addWidget(label);
        top->addWidget(edit);
        connect(edit, &QLineEdit::editingFinished, this,
                [this] { stretchTo(m_width->text().toInt(), m_height->text().toInt()); });
    }
    top->addStretch(1);
    m_image = new QLabel;
    m_image->setObjectName(QStringLiteral("pic_img"));
    m_image->setScaledContents(true);
    m_area = new QScrollArea(this);
    m_area->setWidget(m_image);
    m_area->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *box = new QVBoxLayout(this);
    box->addLayout(top);
    box->addWidget(m_area, 1);
    resize(600, 600);
}

Tpicture_view::Steps &Tpicture_view::steps()
{
    static Steps shared;
    return shared;
}

Tpicture_view::Steps Tpicture_view::stepsFor(int width, int height)
{
    Steps s;
    s.W = width;
    s.H = height;
    s.PX = width / 100;
    s.PY = height / 100;
    s.SX = s.PX * 10;
    s.SY = s.PY * 10;
    if (s.SX == 0) {
        s.SX = width / 10;
        s.SY = height / 10;
    }
    if (s.SX == 0) {
        s.SX = width % 10;
        s.SY = height % 10;
    }
    return s;
}

QSize Tpicture_view::printSize(const Steps &s)
{
    int w = s.W, h = s.H;
    if (w > 710) {
        // Without a print step (a picture under 100 pixels high cannot be this wide) scale directly.
        if (s.PX <= 0)
            return QSize(710, s.W > 0 ? s.H * 710 / s.W : s.H);
        while (w > 710) {
            w -= s.PX;
            h -= s.PY;
        }
    }
    return QSize(w, h);
}

void Tpicture_view::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    m_image->setPixmap(picture);
}

QSize Tpicture_view::shownSize() const
{
    return m_shown;
}

void Tpicture_view::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    naturalSize();
}

void Tpicture_view::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        naturalSize();
}

void Tpicture_view::naturalSize()
{
    steps() = stepsFor(m_picture.width(), m_picture.height());
    // The picture at its natural size in the area below the panel (scrolling when larger); the size
    // inputs show the area.
    const QSize area = m_area->viewport()->size();
    m_shown = m_picture.size();
    m_image->resize(m_shown);
    m_width->setText(QString::number(area.width()));
    m_height->setText(QString::number(area.height()));
}

void Tpicture_view::stretchTo(int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    m_shown = QSize(width, height);
    m_image->resize(m_shown);
    m_width->setText(QString::number(width));
    m_height->setText(QString::number(height));
}

void Tpicture_view::zoomIn()
{
    stretchTo(m_shown.width() + steps().SX, m_shown.height() + steps().SY);
}

void Tpicture_view::zoomOut()
{
    stretchTo(m_shown.width() - steps().SX, m_shown.height() - steps().SY);
}

void Tpicture_view::print(bool preview)
{
    // The picture sheet reads the picture and its print size from the viewer that asked for it.
    setProperty("printPicture", m_picture);
    setProperty("printSize", printSize(steps()));
    setProperty("printDirect", !preview);
    sheets::preview(QStringLiteral("Tpictureprn"), this);
}

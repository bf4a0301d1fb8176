// Pictures of the demonstration listings, drawn rather than shipped: a view of the property from the
// street (slot 1) or a room inside it (slot 2), with its name along the bottom.

#include "app/demo_data_parts.h"

#include <QFont>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace demo::detail {

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kGround = 380;

enum class Scene { Tower, Villa, House, Shop, Factory, Land, Station };

Scene sceneOf(const QString &kind)
{
    static const QHash<QString, Scene> scenes = {
        {QStringLiteral("아파트"), Scene::Tower},   {QStringLiteral("아파트분양권"), Scene::Tower},
        {QStringLiteral("오피스텔"), Scene::Tower}, {QStringLiteral("사무실"), Scene::Tower},
        {QStringLiteral("빌딩"), Scene::Tower},     {QStringLiteral("상가"), Scene::Shop},
        {QStringLiteral("모텔"), Scene::Shop},      {QStringLiteral("공장"), Scene::Factory},
        {QStringLiteral("토지"), Scene::Land},      {QStringLiteral("주유소"), Scene::Station},
        {QStringLiteral("빌라"), Scene::Villa},     {QStringLiteral("다세대"), Scene::Villa},
        {QStringLiteral("연립"), Scene::Villa},     {QStringLiteral("다가구"), Scene::Villa},
        {QStringLiteral("상가주택"), Scene::Villa}, {QStringLiteral("원룸"), Scene::Villa},
    };
    return scenes.value(kind, Scene::House);
}

QColor pick(Rng &rng, const QList<QColor> &colors)
{
    return colors.at(rng.between(0, int(colors.size()) - 1));
}

const QList<QColor> kWalls = {QColor(0xe8, 0xd8, 0xc0), QColor(0xf2, 0xf0, 0xe6), QColor(0xc9, 0xd6, 0xe3),
                              QColor(0xd9, 0xb8, 0x9c), QColor(0xb8, 0xc4, 0xb0), QColor(0xe6, 0xc8, 0xc8)};
const QList<QColor> kRoofs = {QColor(0x8b, 0x3a, 0x3a), QColor(0x3c, 0x55, 0x7a), QColor(0x4a, 0x4a, 0x4a),
                              QColor(0x6b, 0x4f, 0x2a)};

void sky(QPainter &p, Rng &rng)
{
    const bool evening = rng.chance(25);
    QLinearGradient g(0, 0, 0, kGround);
    g.setColorAt(0, evening ? QColor(0xf6, 0x9a, 0x5b) : QColor(0x4a, 0x90, 0xd9));
    g.setColorAt(1, evening ? QColor(0xfd, 0xe9, 0xc9) : QColor(0xdc, 0xee, 0xfb));
    p.fillRect(0, 0, kWidth, kGround, g);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    for (int i = 0; i < 3; ++i) {
        const int x = rng.between(0, kWidth - 120);
        const int y = rng.between(20, 120);
        p.drawEllipse(x, y, 90, 28);
        p.drawEllipse(x + 30, y - 12, 70, 30);
    }
}

void ground(QPainter &p, const QColor &color)
{
    p.fillRect(0, kGround, kWidth, kHeight - kGround, color);
}

void windows(QPainter &p, Rng &rng, const QRect &front, int stepX, int stepY, const QSize &size)
{
    for (int y = front.top() + 12; y + size.height() < front.bottom() - 8; y += stepY) {
        for (int x = front.left() + 10; x + size.width() < front.right() - 6; x += stepX) {
            p.setBrush(rng.chance(20) ? QColor(0xff, 0xe0, 0x8a) : QColor(0x9e, 0xc5, 0xe8));
            p.drawRect(x, y, size.width(), size.height());
        }
    }
}

void tower(QPainter &p, Rng &rng)
{
    ground(p, QColor(0x9a, 0x9a, 0x92));
    const int count = rng.between(1, 3);
    const int width = rng.between(110, 160);
    const int gap = (kWidth - count * width) / (count + 1);
    for (int i = 0; i < count; ++i) {
        const int height = rng.between(220, 330);
        const QRect front(gap + i * (width + gap), kGround - height, width, height);
        p.setPen(QPen(QColor(0x55, 0x55, 0x55), 2));
        p.setBrush(pick(rng, kWalls));
        p.drawRect(front);
        p.setPen(Qt::NoPen);
        windows(p, rng, front, 24, 22, QSize(14, 12));
    }
}

// A low block of flats: a few floors with balconies and a flat roof.
void villa(QPainter &p, Rng &rng)
{
    ground(p, QColor(0xa8, 0xa8, 0xa0));
    const int floors = rng.between(3, 5);
    const int top = kGround - 55 * floors;
    const QRect body(150, top, 340, kGround - top);
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 2));
    p.setBrush(pick(rng, kWalls));
    p.drawRect(body);
    p.setBrush(pick(rng, kRoofs));
    p.drawRect(body.left() - 10, top - 14, body.width() + 20, 14);
    for (int f = 0; f < floors; ++f) {
        const int y = kGround - 55 * (f + 1);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x9e, 0xc5, 0xe8));
        p.drawRect(175, y + 10, 70, 34);
        p.drawRect(395, y + 10, 70, 34);
        if (f > 0) {
            // Balcony rails.
            p.setPen(QPen(QColor(0x44, 0x44, 0x44), 2));
            p.drawLine(170, y + 30, 250, y + 30);
            p.drawLine(390, y + 30, 470, y + 30);
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6b, 0x42, 0x26));
    p.drawRect(295, kGround - 50, 50, 50);
}

void house(QPainter &p, Rng &rng)
{
    ground(p, QColor(0x7c, 0xb3, 0x5b));
    const int floors = rng.between(1, 3);
    const int top = kGround - 70 * floors;
    const QRect body(170, top, 300, kGround - top);
    p.setPen(QPen(QColor(0x55, 0x44, 0x33), 2));
    p.setBrush(pick(rng, kWalls));
    p.drawRect(body);
    p.setBrush(pick(rng, kRoofs));
    p.drawPolygon(QPolygonF({QPointF(150, top), QPointF(320, top - 90), QPointF(490, top)}));
    p.drawRect(400, top - 70, 22, 45);
    p.setBrush(QColor(0x6b, 0x42, 0x26));
    p.drawRect(300, kGround - 60, 40, 60);
    p.setPen(QPen(Qt::white, 3));
    for (int f = 0; f < floors; ++f) {
        const int y = kGround - 70 * (f + 1) + 18;
        p.setBrush(QColor(0x9e, 0xc5, 0xe8));
        p.drawRect(200, y, 60, 36);
        p.drawRect(380, y, 60, 36);
    }
    // A tree beside the house.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6b, 0x42, 0x26));
    p.drawRect(540, kGround - 70, 14, 70);
    p.setBrush(QColor(0x3e, 0x8e, 0x41));
    p.drawEllipse(QPoint(547, kGround - 95), 45, 50);
}

void shop(QPainter &p, Rng &rng, const QString &name)
{
    ground(p, QColor(0xa0, 0xa0, 0x98));
    const int floors = rng.between(2, 5);
    const QRect body(90, kGround - 60 * floors - 40, 460, 60 * floors + 40);
    p.setPen(QPen(QColor(0x44, 0x44, 0x44), 2));
    p.setBrush(pick(rng, kWalls));
    p.drawRect(body);
    p.setPen(Qt::NoPen);
    windows(p, rng, QRect(body.left(), body.top(), body.width(), body.height() - 100), 40, 60, QSize(28, 34));
    // Shop windows and a striped awning on the ground floor.
    p.setBrush(QColor(0xbf, 0xdf, 0xf0));
    p.drawRect(body.left() + 20, kGround - 70, body.width() - 40, 70);
    const QColor stripe = pick(rng, {QColor(0xc0, 0x39, 0x2b), QColor(0x27, 0x8e, 0x4f), QColor(0x29, 0x6f, 0xb0)});
    for (int x = body.left(); x < body.right(); x += 40) {
        p.setBrush((x / 40) % 2 ? stripe : QColor(Qt::white));
        p.drawRect(x, kGround - 95, 40, 22);
    }
    p.setBrush(QColor(0x22, 0x22, 0x22));
    p.drawRect(body.left() + 60, body.top() - 36, body.width() - 120, 34);
    QFont font(QStringLiteral("NanumGothic"));
    font.setPixelSize(22);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0xff, 0xe0, 0x8a));
    p.drawText(QRect(body.left() + 60, body.top() - 36, body.width() - 120, 34), Qt::AlignCenter, name);
}

void factory(QPainter &p, Rng &rng)
{
    ground(p, QColor(0x8e, 0x8a, 0x7a));
    const QColor wall = pick(rng, {QColor(0xb0, 0xb8, 0xc0), QColor(0x9a, 0xa8, 0x9a), QColor(0xc8, 0xbc, 0xa8)});
    p.setPen(QPen(QColor(0x44, 0x44, 0x44), 2));
    p.setBrush(wall);
    p.drawRect(60, kGround - 120, 520, 120);
    QPolygonF roof;
    roof << QPointF(60, kGround - 120);
    for (int x = 60; x < 580; x += 65)
        roof << QPointF(x + 65, kGround - 170) << QPointF(x + 65, kGround - 120);
    p.setBrush(wall.darker(130));
    p.drawPolygon(roof);
    p.setBrush(QColor(0x77, 0x77, 0x77));
    p.drawRect(500, kGround - 260, 30, 140);
    p.setBrush(QColor(0x55, 0x60, 0x70));
    p.drawRect(120, kGround - 80, 110, 80);
    p.drawRect(280, kGround - 80, 110, 80);
}

void land(QPainter &p, Rng &rng)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5d, 0x8a, 0x4a));
    p.drawEllipse(QPoint(180, kGround + 40), 320, 140);
    p.drawEllipse(QPoint(520, kGround + 60), 260, 120);
    ground(p, QColor(0x9c, 0xc0, 0x5e));
    // Furrows of the field and a fence along the road.
    p.setPen(QPen(QColor(0x7f, 0xa1, 0x45), 2));
    for (int y = kGround + 12; y < kHeight; y += 14)
        p.drawLine(0, y, kWidth, y);
    p.setPen(QPen(QColor(0x6b, 0x42, 0x26), 4));
    p.drawLine(0, kGround + 6, kWidth, kGround + 6);
    for (int x = 10; x < kWidth; x += 50)
        p.drawLine(x, kGround - 24, x, kGround + 10);
    p.setPen(Qt::NoPen);
    const int trees = rng.between(2, 5);
    for (int i = 0; i < trees; ++i) {
        const int x = rng.between(40, kWidth - 40);
        p.setBrush(QColor(0x6b, 0x42, 0x26));
        p.drawRect(x - 5, kGround - 70, 10, 50);
        p.setBrush(QColor(0x2f, 0x7a, 0x3a));
        p.drawEllipse(QPoint(x, kGround - 90), 30, 36);
    }
}

void station(QPainter &p, Rng &rng, const QString &brand)
{
    ground(p, QColor(0x88, 0x88, 0x88));
    const QColor colour = pick(
        rng, {QColor(0xd3, 0x2f, 0x2f), QColor(0xf5, 0x9e, 0x0b), QColor(0x1e, 0x88, 0xe5), QColor(0x2e, 0x7d, 0x32)});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x66, 0x66, 0x66));
    p.drawRect(150, kGround - 170, 14, 170);
    p.drawRect(470, kGround - 170, 14, 170);
    p.setBrush(colour);
    p.drawRect(110, kGround - 200, 420, 36);
    p.setBrush(QColor(0xee, 0xee, 0xee));
    for (int x = 220; x < 440; x += 80)
        p.drawRect(x, kGround - 70, 34, 70);
    p.setBrush(colour);
    p.drawRect(570, kGround - 230, 50, 70);
    p.setBrush(QColor(0x66, 0x66, 0x66));
    p.drawRect(590, kGround - 160, 10, 160);
    QFont font(QStringLiteral("NanumGothic"));
    font.setPixelSize(24);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(110, kGround - 200, 420, 36), Qt::AlignCenter, brand);
}

void room(QPainter &p, Rng &rng)
{
    const QColor wall = pick(rng, {QColor(0xf4, 0xef, 0xe6), QColor(0xe9, 0xf0, 0xf4), QColor(0xf3, 0xe6, 0xd8)});
    p.fillRect(0, 0, kWidth, 330, wall);
    QLinearGradient floor(0, 330, 0, kHeight);
    floor.setColorAt(0, QColor(0xc8, 0x9f, 0x6e));
    floor.setColorAt(1, QColor(0x8d, 0x62, 0x38));
    p.fillRect(0, 330, kWidth, kHeight - 330, floor);
    // A wide window with the sky behind it.
    QLinearGradient view(0, 60, 0, 240);
    view.setColorAt(0, QColor(0x4a, 0x90, 0xd9));
    view.setColorAt(1, QColor(0xdc, 0xee, 0xfb));
    p.setPen(QPen(Qt::white, 8));
    p.setBrush(view);
    p.drawRect(200, 60, 320, 180);
    p.drawLine(360, 60, 360, 240);
    // A sofa and a lamp.
    const QColor sofa = pick(rng, {QColor(0x5b, 0x6e, 0x8c), QColor(0x8c, 0x5b, 0x5b), QColor(0x6e, 0x8c, 0x5b)});
    p.setPen(Qt::NoPen);
    p.setBrush(sofa);
    p.drawRoundedRect(80, 280, 300, 90, 18, 18);
    p.setBrush(sofa.lighter(120));
    p.drawRoundedRect(60, 310, 340, 70, 18, 18);
    p.setBrush(QColor(0x44, 0x44, 0x44));
    p.drawRect(520, 200, 6, 170);
    p.setBrush(QColor(0xff, 0xe0, 0x8a));
    p.drawEllipse(QPoint(523, 195), 34, 24);
}

void caption(QPainter &p, const QString &text)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawRect(0, kHeight - 56, kWidth, 56);
    QFont font(QStringLiteral("NanumGothic"));
    font.setPixelSize(26);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(16, kHeight - 56, kWidth - 32, 56), Qt::AlignVCenter | Qt::AlignLeft, text);
}

} // namespace

QImage listingPicture(const mamulRecord &rec, int slot)
{
    const QString kind = rec[QStringLiteral("Obj_kind")];
    const QString name = rec[QStringLiteral("Bld_nme")];
    // Each listing draws from its own stream, so its picture stays the same whatever else changes.
    Rng rng(std::uint32_t(rec[QStringLiteral("Id_seq")].toUInt()) * 2654435761u + std::uint32_t(slot));
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (slot == 2) {
        room(p, rng);
    } else {
        sky(p, rng);
        switch (sceneOf(kind)) {
        case Scene::Tower:
            tower(p, rng);
            break;
        case Scene::Villa:
            villa(p, rng);
            break;
        case Scene::House:
            house(p, rng);
            break;
        case Scene::Shop:
            shop(p, rng, name.isEmpty() ? kind : name);
            break;
        case Scene::Factory:
            factory(p, rng);
            break;
        case Scene::Land:
            land(p, rng);
            break;
        case Scene::Station:
            station(p, rng, name);
            break;
        }
    }
    const QString title = (name.isEmpty() || sceneOf(kind) == Scene::Station ? kind : name);
    const QString where = rec[QStringLiteral("Add_district")] + QLatin1Char(' ') + rec[QStringLiteral("Add_town")];
    caption(p, title + QStringLiteral("  |  ") + where + (slot == 2 ? QStringLiteral("  |  실내") : QString()));
    p.end();
    return image;
}

} // namespace demo::detail

#include "gui/widgets/StatusImages.h"

#include "gui/shell/ShellTexts.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

namespace qarvo::gui {
namespace {

// Image number → look. The order is the zone list's icon numbering: off,
// on, on in the second look, then A, A and B, B, and those three again in
// the second look.
constexpr std::array<ImageLook, kStatusImageCount> kLooks{{
    {false, false, false, false},
    {true, false, false, false},
    {true, false, false, true},
    {true, false, true, false},
    {true, true, true, false},
    {false, true, true, false},
    {true, false, true, true},
    {true, true, true, true},
    {false, true, true, true},
}};

// Texts of what each image says about an indicator.
constexpr std::array<int, kStatusImageCount> kMeaningIds{9300, 9301, 9302, 9303, 9304, 9305, 9306, 9307, 9308};

// A palette that stays apart for the common colour vision deficiencies;
// shapes carry the meaning as well.
const QColor kOrange(0xE6, 0x9F, 0x00);
const QColor kPurple(0xCC, 0x79, 0xA7);
const QColor kVermillion(0xD5, 0x5E, 0x00);
const QColor kBlue(0x00, 0x72, 0xB2);
const QColor kGreen(0x00, 0x9E, 0x73);
const QColor kLampOn(0x1F, 0xA8, 0x3C);
const QColor kLampAlarm(0xC6, 0x28, 0x28);
const QColor kOffGrey(0x9E, 0x9E, 0x9E);

struct GlyphStyle {
    QColor colour;
    bool exclamation; // a white "!" inside the mark
};

GlyphStyle styleOf(Glyph glyph)
{
    switch (glyph) {
    case Glyph::Lamp: return {kLampOn, false};
    case Glyph::ZoneOpen: return {kOrange, false};
    case Glyph::TamperOpen: return {kPurple, false};
    case Glyph::Burglary: return {kVermillion, true};
    case Glyph::TamperAlarm: return {kVermillion, true};
    case Glyph::Bypass: return {kBlue, false};
    case Glyph::Stay: return {kGreen, false};
    }
    return {kOffGrey, false};
}

QPolygonF regularPolygon(const QRectF& box, int corners, double startDegrees)
{
    QPolygonF polygon;
    const QPointF c = box.center();
    const double r = box.width() / 2;
    for (int i = 0; i < corners; ++i) {
        const double a = (startDegrees + 360.0 * i / corners) * M_PI / 180.0;
        polygon << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    return polygon;
}

QRectF square(const QPointF& centre, double side)
{
    return {centre.x() - side / 2, centre.y() - side / 2, side, side};
}

// The outline of a glyph's mark in a square box.
QPainterPath outline(Glyph glyph, const QRectF& box)
{
    QPainterPath path;
    const double w = box.width();
    switch (glyph) {
    case Glyph::Lamp:
    case Glyph::Bypass:
        path.addEllipse(box);
        break;
    case Glyph::ZoneOpen: {
        // A door frame with its leaf swung open towards the viewer.
        const QRectF frame = box.adjusted(w * 0.1, 0, -w * 0.35, 0);
        path.addRect(frame);
        QPolygonF leaf;
        leaf << frame.topLeft() << QPointF(box.right(), box.top() + w * 0.18)
             << QPointF(box.right(), box.bottom() - w * 0.18) << frame.bottomLeft();
        path.addPolygon(leaf);
        path.closeSubpath();
        break;
    }
    case Glyph::TamperOpen:
    case Glyph::TamperAlarm: {
        QPolygonF triangle;
        triangle << QPointF(box.center().x(), box.top()) << box.bottomRight() << box.bottomLeft();
        path.addPolygon(triangle);
        path.closeSubpath();
        break;
    }
    case Glyph::Burglary: {
        // A burst: eight points around the alarm's "!".
        const QPolygonF outer = regularPolygon(box, 8, -90);
        const QPolygonF inner = regularPolygon(square(box.center(), w * 0.62), 8, -90 + 22.5);
        QPolygonF burst;
        for (int i = 0; i < 8; ++i)
            burst << outer[i] << inner[i];
        path.addPolygon(burst);
        path.closeSubpath();
        break;
    }
    case Glyph::Stay: {
        QPolygonF house;
        house << QPointF(box.center().x(), box.top()) << QPointF(box.right(), box.top() + w * 0.45)
              << box.bottomRight() << box.bottomLeft() << QPointF(box.left(), box.top() + w * 0.45);
        path.addPolygon(house);
        path.closeSubpath();
        break;
    }
    }
    return path;
}

void drawExclamation(QPainter& p, const QRectF& box, const QColor& colour)
{
    QPen pen(colour, std::max(1.2, box.width() * 0.14), Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    const double x = box.center().x();
    p.drawLine(QPointF(x, box.top() + box.height() * 0.32), QPointF(x, box.top() + box.height() * 0.62));
    p.drawPoint(QPointF(x, box.top() + box.height() * 0.8));
}

// One mark: active (filled), second look or off.
void drawMark(QPainter& p, Glyph glyph, const QRectF& box, bool active, bool second)
{
    const GlyphStyle style = styleOf(glyph);
    const QPainterPath path = outline(glyph, box);
    if (!active) {
        // Off: a small grey ring for the lamp, nothing for an indicator
        // (the empty slot already says "not active").
        if (glyph == Glyph::Lamp) {
            p.setPen(QPen(kOffGrey, 1.2));
            p.setBrush(Qt::NoBrush);
            p.drawPath(path);
        }
        return;
    }
    if (glyph == Glyph::Lamp) {
        // The lamp's second look is its alarm look: red, with a "!".
        const QColor colour = second ? kLampAlarm : kLampOn;
        p.setPen(QPen(colour.darker(140), 1.0));
        p.setBrush(colour);
        p.drawPath(path);
        if (second)
            drawExclamation(p, box, Qt::white);
        else
            p.fillRect(QRectF(box.left() + box.width() * 0.28, box.top() + box.height() * 0.22, box.width() * 0.2,
                              box.height() * 0.2),
                       QColor(255, 255, 255, 150));
        return;
    }
    if (second) {
        p.setPen(QPen(style.colour, 1.4, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        return;
    }
    if (glyph == Glyph::TamperOpen) {
        // An open tamper loop: the triangle of the tamper alarm, hollow.
        p.setPen(QPen(style.colour, std::max(2.0, box.width() * 0.16), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(outline(glyph, box.adjusted(1, 1, -1, -1)));
        return;
    }
    p.setPen(QPen(style.colour.darker(150), 1.0));
    p.setBrush(style.colour);
    p.drawPath(path);
    if (glyph == Glyph::Bypass) {
        p.setPen(QPen(Qt::white, std::max(1.5, box.width() * 0.16)));
        p.drawLine(QPointF(box.left() + box.width() * 0.25, box.bottom() - box.height() * 0.25),
                   QPointF(box.right() - box.width() * 0.25, box.top() + box.height() * 0.25));
    }
    if (style.exclamation)
        drawExclamation(p, box.adjusted(0, box.height() * 0.08, 0, 0), Qt::white);
}

void drawImage(QPainter& p, Glyph glyph, const ImageLook& look)
{
    const QRectF area(QPointF(0, 0), QSizeF(kStatusImageSize));
    if (!look.dual) {
        drawMark(p, glyph, square(area.center(), area.height() - 4), look.a, look.second);
        return;
    }
    // Two slots, each a partition letter and its mark.
    QFont font = p.font();
    font.setPixelSize(9);
    font.setBold(true);
    p.setFont(font);
    const double slot = area.width() / 2;
    const std::pair<QChar, bool> parts[] = {{u'A', look.a}, {u'B', look.b}};
    for (int i = 0; i < 2; ++i) {
        const QRectF letter(i * slot, 0, 7, area.height());
        p.setPen(parts[i].second ? QColor(0x20, 0x20, 0x20) : kOffGrey);
        p.drawText(letter, Qt::AlignCenter, QString(parts[i].first));
        drawMark(p, glyph, square(QPointF(i * slot + 7 + (slot - 8) / 2, area.center().y()), 12), parts[i].second,
                 look.second);
    }
}

} // namespace

Glyph glyphOf(online::Indicator indicator)
{
    switch (indicator) {
    case online::Indicator::ZoneOpen: return Glyph::ZoneOpen;
    case online::Indicator::TamperOpen: return Glyph::TamperOpen;
    case online::Indicator::Burglary: return Glyph::Burglary;
    case online::Indicator::TamperAlarm: return Glyph::TamperAlarm;
    case online::Indicator::Bypass: return Glyph::Bypass;
    case online::Indicator::Stay: return Glyph::Stay;
    }
    return Glyph::Lamp;
}

ImageLook imageLook(int image)
{
    return image >= 0 && image < kStatusImageCount ? kLooks[static_cast<std::size_t>(image)] : kLooks[0];
}

QPixmap statusImage(Glyph glyph, int image, qreal devicePixelRatio)
{
    if (image < 0 || image >= kStatusImageCount)
        return {};
    static QHash<QString, QPixmap> cache;
    const QString key = QStringLiteral("%1/%2/%3").arg(int(glyph)).arg(image).arg(devicePixelRatio);
    if (const auto it = cache.constFind(key); it != cache.constEnd())
        return *it;
    QPixmap pixmap(kStatusImageSize * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        drawImage(painter, glyph, kLooks[static_cast<std::size_t>(image)]);
    }
    cache.insert(key, pixmap);
    return pixmap;
}

QString imageMeaning(int image)
{
    return image >= 0 && image < kStatusImageCount ? text(kMeaningIds[static_cast<std::size_t>(image)]) : QString();
}

} // namespace qarvo::gui

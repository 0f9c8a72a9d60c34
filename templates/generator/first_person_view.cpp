#include "first_person_view.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>

namespace {

// Field of view of about 75 degrees across a 640-pixel screen.
constexpr double kFocalPerWidth = 0.66;
constexpr int kArcSteps = 24;

// Weapons are drawn thicker than they are, as games draw them, so that they read at the bottom of
// the screen: every cross-section is enlarged about the line the sights are modelled on, and that
// line is held low enough below the eye for the weapon's top to show along its length.
constexpr double kBulk = 2.6;
constexpr double kSightLine = 0.2;
constexpr double kHeldSightLine = 0.3;
// Their length is drawn longer too, from just in front of the hands onwards.
constexpr double kLength = 3.0;
constexpr double kLengthFrom = 0.45;

double stretched(double z)
{
    return z < kLengthFrom ? z : kLengthFrom + (z - kLengthFrom) * kLength;
}

// How much darker the far end of a long face is: distance fades colours a little.
constexpr int kFarDarkening = 150;

QColor outlineOf(const QColor &color)
{
    return color.darker(260);
}

QPointF midpoint(const QPointF &a, const QPointF &b)
{
    return (a + b) / 2;
}

} // namespace

FirstPersonView::FirstPersonView(QPainter &painter, QSize screen, Point3 shift)
    : m_painter(painter),
      m_centre(screen.width() / 2.0, screen.height() / 2.0),
      m_focal(screen.width() * kFocalPerWidth),
      m_shift(shift)
{
    m_painter.setRenderHint(QPainter::Antialiasing);
}

Point3 FirstPersonView::shifted(Point3 point) const
{
    return {point.x * kBulk + m_shift.x, kHeldSightLine + (point.y - kSightLine) * kBulk + m_shift.y, stretched(point.z) + m_shift.z};
}

QPointF FirstPersonView::project(Point3 point) const
{
    const Point3 p = shifted(point);
    return m_centre + QPointF(p.x, p.y) * (m_focal / p.z);
}

double FirstPersonView::scaleAt(double z) const
{
    return m_focal / (stretched(z) + m_shift.z);
}

void FirstPersonView::face(const QPolygonF &corners, const QColor &nearColor, const QColor &farColor, int nearEdge,
                           int farEdge)
{
    QLinearGradient gradient(midpoint(corners[nearEdge], corners[(nearEdge + 1) % 4]),
                             midpoint(corners[farEdge], corners[(farEdge + 1) % 4]));
    gradient.setColorAt(0, nearColor);
    gradient.setColorAt(1, farColor);
    m_painter.setPen(QPen(outlineOf(nearColor), 1.0));
    m_painter.setBrush(gradient);
    m_painter.drawPolygon(corners);
}

void FirstPersonView::box(double x0, double x1, double y0, double y1, double z0, double z1, const QColor &color)
{
    const auto at = [this](double x, double y, double z) { return project({x, y, z}); };
    // Which faces the eye sees depends on where the box is drawn, not where it is modelled.
    const Point3 low = shifted({x0, y0, z0});
    const Point3 high = shifted({x1, y1, z1});
    const QColor top = color.lighter(135);
    const QColor side = color.darker(125);
    if (low.y > 0)
        face({at(x0, y0, z0), at(x1, y0, z0), at(x1, y0, z1), at(x0, y0, z1)}, top, top.darker(kFarDarkening), 0, 2);
    if (high.y < 0)
        face({at(x0, y1, z0), at(x1, y1, z0), at(x1, y1, z1), at(x0, y1, z1)}, side, side.darker(kFarDarkening), 0, 2);
    if (low.x > 0)
        face({at(x0, y0, z0), at(x0, y1, z0), at(x0, y1, z1), at(x0, y0, z1)}, side, side.darker(kFarDarkening), 0, 2);
    if (high.x < 0)
        face({at(x1, y0, z0), at(x1, y1, z0), at(x1, y1, z1), at(x1, y0, z1)}, side, side.darker(kFarDarkening), 0, 2);
    m_painter.setPen(QPen(outlineOf(color), 1.0));
    m_painter.setBrush(color);
    m_painter.drawPolygon(QPolygonF({at(x0, y0, z0), at(x1, y0, z0), at(x1, y1, z0), at(x0, y1, z0)}));
}

void FirstPersonView::rod(Point3 from, Point3 to, double radius, const QColor &color, bool cap)
{
    const QPointF a = project(from);
    const QPointF b = project(to);
    const double ra = radius * kBulk * scaleAt(from.z);
    const double rb = radius * kBulk * scaleAt(to.z);
    const QPointF axis = b - a;
    const double length = std::hypot(axis.x(), axis.y());

    // The outline of the two end circles and the bar between them.
    QPolygonF outline;
    QPointF across(0, -1);
    if (length <= std::abs(ra - rb)) {
        const QPointF centre = ra > rb ? a : b;
        const double r = std::max(ra, rb);
        for (int i = 0; i < 2 * kArcSteps; ++i) {
            const double angle = i * M_PI / kArcSteps;
            outline << centre + QPointF(std::cos(angle), std::sin(angle)) * r;
        }
    } else {
        const double heading = std::atan2(axis.y(), axis.x());
        const double spread = std::acos((ra - rb) / length);
        for (int i = 0; i <= kArcSteps; ++i) {
            const double angle = heading + spread + i * (2 * M_PI - 2 * spread) / kArcSteps;
            outline << a + QPointF(std::cos(angle), std::sin(angle)) * ra;
        }
        for (int i = 0; i <= kArcSteps; ++i) {
            const double angle = heading - spread + i * (2 * spread) / kArcSteps;
            outline << b + QPointF(std::cos(angle), std::sin(angle)) * rb;
        }
        across = QPointF(-axis.y(), axis.x()) / length;
        if (across.y() > 0)
            across = -across;
    }

    // Lit from above: a highlight along the upper side, shadow along the lower one.
    const double r = std::max(ra, rb);
    const QPointF middle = (a + b) / 2;
    QLinearGradient shading(middle + across * r, middle - across * r);
    shading.setColorAt(0, color.darker(120));
    shading.setColorAt(0.25, color.lighter(160));
    shading.setColorAt(0.5, color);
    shading.setColorAt(1, color.darker(220));
    m_painter.setPen(QPen(outlineOf(color), 1.0));
    m_painter.setBrush(shading);
    m_painter.drawPolygon(outline);

    if (cap) {
        const bool fromIsNear = from.z < to.z;
        disc(fromIsNear ? from : to, radius, color.darker(135));
    }
}

void FirstPersonView::disc(Point3 centre, double radius, const QColor &color)
{
    const double r = radius * kBulk * scaleAt(centre.z);
    m_painter.setPen(QPen(outlineOf(color), 1.0));
    m_painter.setBrush(color);
    m_painter.drawEllipse(project(centre), r, r);
}

void FirstPersonView::flash(Point3 centre, double size, const QColor &core, const QColor &outer)
{
    const QPointF at = project(centre);
    const double r = size * kBulk * scaleAt(centre.z);

    QRadialGradient glow(at, r * 1.6);
    glow.setColorAt(0, QColor(outer.red(), outer.green(), outer.blue(), 150));
    glow.setColorAt(1, QColor(outer.red(), outer.green(), outer.blue(), 0));
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(glow);
    m_painter.drawEllipse(at, r * 1.6, r * 1.6);

    // Uneven spikes, the same on every build.
    constexpr int kSpikes = 14;
    constexpr double kSpikeLengths[] = {1.0, 0.55, 0.8, 0.5, 0.95, 0.6, 0.75};
    QPolygonF star;
    for (int i = 0; i < 2 * kSpikes; ++i) {
        const double angle = i * M_PI / kSpikes + 0.2;
        const double reach = i % 2 == 0 ? kSpikeLengths[(i / 2) % 7] : 0.32;
        star << at + QPointF(std::cos(angle), std::sin(angle)) * (r * reach);
    }
    QRadialGradient fire(at, r);
    fire.setColorAt(0, Qt::white);
    fire.setColorAt(0.25, core);
    fire.setColorAt(0.7, outer);
    fire.setColorAt(1, QColor(outer.red(), outer.green(), outer.blue(), 0));
    m_painter.setBrush(fire);
    m_painter.drawPolygon(star);
}

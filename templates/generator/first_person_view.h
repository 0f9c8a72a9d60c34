#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QSize>

// A point in front of the player's eye, in metres: x to the right, y down, z away from the eye.
struct Point3 {
    double x;
    double y;
    double z;
};

// Draws solids as the player's eye sees them, for the weapon pictures: a perspective projection
// with the eye at the origin, cross-sections drawn thicker than modelled. Solids are painted in the order they are given, so a
// model lists its far parts first.
class FirstPersonView {
public:
    // `shift` moves every solid, as the recoil of a shot does.
    FirstPersonView(QPainter &painter, QSize screen, Point3 shift);

    QPointF project(Point3 point) const;

    // A box along the axes; its near face, and the top and side faces the eye can see.
    void box(double x0, double x1, double y0, double y1, double z0, double z1, const QColor &color);
    // A round bar from one point to another; `cap` shows the end nearer the eye.
    void rod(Point3 from, Point3 to, double radius, const QColor &color, bool cap = true);
    // A small disc facing the eye, for vents, lamps and the bore of a tube.
    void disc(Point3 centre, double radius, const QColor &color);
    // A muzzle flash centred on a point; `size` is its radius in metres.
    void flash(Point3 centre, double size, const QColor &core, const QColor &outer);

private:
    Point3 shifted(Point3 point) const;
    double scaleAt(double z) const;
    void face(const QPolygonF &corners, const QColor &nearColor, const QColor &farColor, int nearEdge, int farEdge);

    QPainter &m_painter;
    QPointF m_centre;
    double m_focal;
    Point3 m_shift;
};

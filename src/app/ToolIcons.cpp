// Tool bar pictograms: a small sketching vocabulary on a 24-unit grid, one drawing
// routine per icon, and a table from icon to its group's accent colour and routine.
#include "app/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPixmap>

#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace vt {
namespace {

constexpr qreal kGrid = 24.0;    // design units across an icon
constexpr qreal kStroke = 2.0;   // the one stroke width, in design units
constexpr qreal kTintMix = 0.6;  // how far a tint moves the accent towards white
constexpr std::array<int, 3> kIconSizes{16, 24, 32};

const QColor kOutline(0x2b, 0x3a, 0x42);

// Button groups, each with its accent colour.
enum class Group { Files, Editors, Settings, Diagrams, Toggles };

QColor Accent(Group g) {
    switch (g) {
        case Group::Files: return {0x2f, 0x7f, 0xd8};     // blue
        case Group::Editors: return {0xe8, 0x80, 0x1c};   // orange
        case Group::Settings: return {0x2e, 0x9e, 0x4a};  // green
        case Group::Diagrams: return {0x8e, 0x4c, 0xc8};  // purple
        case Group::Toggles: return {0x14, 0x9c, 0x9c};   // teal
    }
    return kOutline;
}

enum class Tone { Outline, Accent };
enum class Fill { None, Tint, Solid };

// A point at radius r and angle deg (counter-clockwise from east, as seen) about c.
QPointF Polar(QPointF c, qreal r, qreal deg) {
    const qreal a = deg * std::numbers::pi / 180.0;
    return {c.x() + r * std::cos(a), c.y() - r * std::sin(a)};
}

// The drawing vocabulary shared by all icons, in grid units with the common pen.
class Sketch {
public:
    Sketch(QPainter& p, QColor accent)
        : p_(p), accent_(accent), tint_(Mix(accent, Qt::white, kTintMix)) {}

    void Path(const QPainterPath& path, Tone tone, Fill fill = Fill::None) {
        QPen pen(Colour(tone), kStroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p_.setPen(pen);
        p_.setBrush(fill == Fill::None    ? QBrush(Qt::NoBrush)
                    : fill == Fill::Tint ? QBrush(tint_)
                                         : QBrush(Colour(tone)));
        p_.drawPath(path);
    }
    void Line(QPointF a, QPointF b, Tone tone) { Polyline({a, b}, tone); }
    void Polyline(std::initializer_list<QPointF> pts, Tone tone) {
        Path(Through(pts, false), tone);
    }
    void Polygon(std::initializer_list<QPointF> pts, Tone tone, Fill fill = Fill::None) {
        Path(Through(pts, true), tone, fill);
    }
    void Circle(QPointF c, qreal r, Tone tone, Fill fill = Fill::None) {
        QPainterPath path;
        path.addEllipse(c, r, r);
        Path(path, tone, fill);
    }
    // A filled disc without the stroke: pins and pivots.
    void Dot(QPointF c, qreal r, Tone tone) {
        p_.setPen(Qt::NoPen);
        p_.setBrush(Colour(tone));
        p_.drawEllipse(c, r, r);
    }
    void Arc(QPointF c, qreal r, qreal fromDeg, qreal spanDeg, Tone tone) {
        QPainterPath path;
        const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
        path.arcMoveTo(box, fromDeg);
        path.arcTo(box, fromDeg, spanDeg);
        Path(path, tone);
    }
    // An open arrow head whose tip points along heading (degrees, as Polar).
    void Chevron(QPointF tip, qreal heading, Tone tone, qreal len = 3.0, qreal spread = 40) {
        Polyline({Polar(tip, len, heading + 180 - spread), tip,
                  Polar(tip, len, heading + 180 + spread)},
                 tone);
    }
    // A dimension line between a and b: arrow heads at both ends and end ticks.
    void Dimension(QPointF a, QPointF b, qreal tick, Tone tone) {
        const qreal heading = std::atan2(a.y() - b.y(), b.x() - a.x()) * 180 / std::numbers::pi;
        const QPointF inset = (b - a) * (kStroke / std::hypot(b.x() - a.x(), b.y() - a.y()));
        Line(a + inset, b - inset, tone);
        Chevron(a + inset, heading + 180, tone, 3.5, 45);
        Chevron(b - inset, heading, tone, 3.5, 45);
        for (QPointF end : {a, b})
            Line(Polar(end, tick, heading + 90), Polar(end, tick, heading - 90), tone);
    }

private:
    static QColor Mix(QColor a, QColor b, qreal t) {
        return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                                float(a.greenF() + (b.greenF() - a.greenF()) * t),
                                float(a.blueF() + (b.blueF() - a.blueF()) * t));
    }
    static QPainterPath Through(std::initializer_list<QPointF> pts, bool closed) {
        QPainterPath path;
        for (QPointF pt : pts) {
            if (path.elementCount() == 0)
                path.moveTo(pt);
            else
                path.lineTo(pt);
        }
        if (closed) path.closeSubpath();
        return path;
    }
    QColor Colour(Tone tone) const { return tone == Tone::Outline ? kOutline : accent_; }

    QPainter& p_;
    QColor accent_, tint_;
};

constexpr Tone O = Tone::Outline;
constexpr Tone A = Tone::Accent;

// A curve through f(x) sampled from x0 to x1, in grid units.
template <class F>
QPainterPath Graph(qreal x0, qreal x1, F f, int steps = 24) {
    QPainterPath path;
    path.moveTo(x0, f(x0));
    for (int i = 1; i <= steps; ++i) {
        const qreal x = x0 + (x1 - x0) * i / steps;
        path.lineTo(x, f(x));
    }
    return path;
}

// The plain L of a diagram's axes.
void Axes(Sketch& s) { s.Polyline({{4, 3}, {4, 20}, {21, 20}}, O); }

// --- files ---------------------------------------------------------------------------

void DrawOpenFile(Sketch& s) {
    s.Polyline({{3, 19}, {3, 5}, {9, 5}, {11, 7}, {18, 7}, {18, 10}}, O);
    s.Polygon({{3, 19}, {6.5, 10.5}, {21.5, 10.5}, {18, 19}}, A, Fill::Tint);
}

void DrawSaveAs(Sketch& s) {
    s.Polygon({{4, 4}, {17, 4}, {20, 7}, {20, 20}, {4, 20}}, O);
    s.Polyline({{8, 4}, {8, 9}, {15, 9}, {15, 4}}, O);
    s.Polygon({{7.5, 13}, {16.5, 13}, {16.5, 20}, {7.5, 20}}, A, Fill::Tint);
}

// --- dimension editors -----------------------------------------------------------------

void DrawFrameDimensions(Sketch& s) {
    const QPointF l(5, 20), r(19, 20), top(12, 12.5);
    s.Polygon({l, top, r}, O);
    for (QPointF pin : {l, r, top}) s.Dot(pin, 2, O);
    s.Dimension({4, 6}, {20, 6}, 3, A);
}

void DrawCylinderDimensions(Sketch& s) {
    s.Polygon({{3, 11}, {17, 11}, {17, 20}, {3, 20}}, O);
    s.Polygon({{7, 12.5}, {9.5, 12.5}, {9.5, 18.5}, {7, 18.5}}, O, Fill::Solid);
    s.Line({9.5, 15.5}, {21.5, 15.5}, O);
    s.Dimension({3, 6}, {17, 6}, 3, A);
}

// --- angle and position settings ---------------------------------------------------------

void DrawDriverAngle(Sketch& s) {
    const QPointF c(12, 12);
    const qreal crank = 60;
    QPainterPath wedge(c);
    wedge.arcTo(QRectF(c.x() - 6, c.y() - 6, 12, 12), 0, crank);
    wedge.closeSubpath();
    s.Path(wedge, A, Fill::Tint);
    s.Circle(c, 9.5, O);
    s.Line(c, Polar(c, 6.5, crank), O);
    s.Dot(Polar(c, 6.5, crank), 2, O);
    s.Dot(c, 2, O);
}

void DrawStepAngle(Sketch& s) {
    const QPointF c(12, 20);
    for (qreal deg = 30; deg <= 150; deg += 40) s.Line(Polar(c, 7, deg), Polar(c, 12.5, deg), O);
    s.Arc(c, 9.5, 150, -115, A);
    s.Chevron(Polar(c, 9.5, 35), -55, A, 3.5);
    s.Dot(c, 2, O);
}

void DrawReverseArm(Sketch& s) {
    const QPointF c(12, 20);
    s.Arc(c, 12, 55, 70, O);
    for (qreal deg = 60; deg <= 120; deg += 15) s.Line(Polar(c, 12, deg), Polar(c, 14.5, deg), O);
    const QPointF handle = Polar(c, 16.5, 105);
    s.Line(c, handle, A);
    s.Dot(handle, 2, A);
    s.Dot(c, 2, O);
}

void DrawMidGear(Sketch& s) {
    QPainterPath centre;
    const QPointF k(30, 12);
    const qreal r = 17;
    const QRectF box(k.x() - r, k.y() - r, 2 * r, 2 * r);
    centre.arcMoveTo(box, 155);
    centre.arcTo(box, 155, 50);
    QPainterPathStroker slot;
    slot.setWidth(6);
    slot.setCapStyle(Qt::RoundCap);
    s.Path(slot.createStroke(centre).simplified(), O);
    s.Line({3, 12}, {9, 12}, A);
    s.Line({17, 12}, {21, 12}, A);
    s.Polygon({{11.5, 11}, {14.5, 11}, {14.5, 13}, {11.5, 13}}, A, Fill::Solid);
}

// --- display toggles -----------------------------------------------------------------------

void DrawSteamDisplay(Sketch& s) {
    QPainterPath puff;
    puff.addEllipse(QPointF(5.5, 14.5), 3, 3);
    puff.addEllipse(QPointF(9.5, 10), 4.5, 4.5);
    puff.addEllipse(QPointF(13, 15), 3, 3);
    puff.addRect(QRectF(5.5, 12.5, 7.5, 5.5));
    puff.setFillRule(Qt::WindingFill);
    s.Path(puff.simplified(), O, Fill::Tint);
    const QPointF c(15, 13);
    s.Arc(c, 4, -45, 90, A);
    s.Arc(c, 7, -50, 100, A);
}

void DrawReferencePoints(Sketch& s) {
    for (QPointF c : {QPointF(7.5, 7.5), QPointF(16.5, 16.5)}) {
        s.Circle(c, 3.5, A, Fill::Tint);
        for (qreal deg = 0; deg < 360; deg += 90) s.Line(Polar(c, 3.5, deg), Polar(c, 6, deg), O);
        s.Dot(c, 1.2, O);
    }
}

void DrawDrawLines(Sketch& s) {
    s.Circle({8, 9}, 5, O);
    s.Line({3, 21}, {11, 21}, O);
    // The pen, drawn along its own axis from the tip.
    const QPointF tip(12.5, 20.5);
    const qreal heading = 55;
    const qreal w = 2.2;
    const QPointF shoulder = Polar(tip, 4, heading);
    const QPointF end = Polar(tip, 15, heading);
    s.Polygon({tip, Polar(shoulder, w, heading + 90), Polar(end, w, heading + 90),
               Polar(end, w, heading - 90), Polar(shoulder, w, heading - 90)},
              A, Fill::Tint);
}

void DrawPivotData(Sketch& s) {
    const QPointF pin(8, 9);
    s.Line({3, 17}, pin, O);
    s.Line(pin, {17, 3}, O);
    s.Circle(pin, 3, O, Fill::Tint);
    s.Dot(pin, 1, O);
    s.Line({12, 14}, {21, 14}, A);
    s.Line({12, 17.5}, {19, 17.5}, A);
    s.Line({12, 21}, {20, 21}, A);
}

void DrawDynamicVariables(Sketch& s) {
    s.Polygon({{3, 15}, {21, 15}, {21, 20.5}, {3, 20.5}}, O);
    s.Polygon({{10, 14}, {14, 14}, {14, 21.5}, {10, 21.5}}, A, Fill::Solid);
    // An italic x: two crossing strokes, the first with hooked ends.
    QPainterPath x;
    x.moveTo(7, 6);
    x.cubicTo(9, 3.5, 10.5, 5, 11.5, 8);
    x.cubicTo(12.5, 11, 14, 12.5, 16, 10.5);
    s.Path(x, O);
    s.Line({15.5, 4.5}, {8, 12}, O);
}

void DrawUndo(Sketch& s) {
    QPainterPath hook;
    hook.moveTo(4, 8);
    hook.lineTo(14.5, 8);
    hook.arcTo(QRectF(8.5, 8, 12.5, 12.5), 90, -180);
    hook.lineTo(9, 20.5);
    s.Path(hook, A);
    s.Chevron({4, 8}, 180, A, 4.5);
}

// --- analysis diagrams -----------------------------------------------------------------------

void DrawSineDiagram(Sketch& s) {
    s.Line({4, 3}, {4, 21}, O);
    s.Line({4, 12}, {21, 12}, O);
    s.Path(Graph(4, 20, [](qreal x) { return 12 - 6.5 * std::sin((x - 4) * std::numbers::pi / 8); }),
           A);
}

void DrawOvalDiagram(Sketch& s) {
    Axes(s);
    QPainterPath oval;
    oval.addEllipse(QPointF(0, 0), 7.5, 4);
    s.Path(QTransform().translate(13, 11.5).rotate(-25).map(oval), A);
}

void DrawSteamDiagram(Sketch& s) {
    Axes(s);
    QPainterPath loop = Graph(10, 20, [](qreal x) { return 20 - 105 / (x - 3); });
    loop.lineTo(20, 17);
    loop.lineTo(9, 17);
    loop.quadTo(7, 16.5, 7, 5);
    loop.closeSubpath();
    s.Path(loop, A, Fill::Tint);
}

void DrawPortEvents(Sketch& s) {
    s.Line({3, 20}, {21, 20}, O);
    s.Line({12, 20}, {12, 22}, O);
    for (qreal rise : {13.0, 8.0, 3.0})
        s.Path(Graph(4, 21, [rise](qreal x) { return 17 - rise * std::sqrt((x - 4) / 17); }), A);
}

// A small table: a header band and ruled rows, the figures a designer checks.
void DrawEventsTable(Sketch& s) {
    for (qreal y : {4.0, 8.0, 12.0, 16.0, 20.0}) s.Line({3, y}, {21, y}, y == 8.0 ? A : O);
    for (qreal x : {3.0, 9.0, 15.0, 21.0}) s.Line({x, 4}, {x, 20}, O);
}

// A slide valve set over its two ports, with a tick: the gear set as asked.
void DrawValveSetting(Sketch& s) {
    s.Line({2, 20}, {22, 20}, O);
    for (qreal x : {5.0, 17.0}) s.Line({x, 20}, {x, 23}, O);
    s.Polygon({{7, 20}, {7, 14}, {17, 14}, {17, 20}}, O, Fill::Tint);
    s.Polyline({{7, 7}, {10.5, 10.5}, {18, 3}}, A);
}

// Bars falling in length from one upright: the largest influences first.
void DrawSensitivity(Sketch& s) {
    for (auto [y, length] : {std::pair{4.0, 15.0}, {9.5, 10.0}, {15.0, 5.5}})
        s.Polygon({{5, y}, {5 + length, y}, {5 + length, y + 3.5}, {5, y + 3.5}}, A, Fill::Tint);
    s.Line({5, 2.5}, {5, 21}, O);
}

// --- the view ----------------------------------------------------------------------------

// The wheel and its crank filling a frame of corner marks.
void DrawFitToWindow(Sketch& s) {
    s.Polyline({{3, 8}, {3, 3}, {8, 3}}, O);
    s.Polyline({{16, 3}, {21, 3}, {21, 8}}, O);
    s.Polyline({{21, 16}, {21, 21}, {16, 21}}, O);
    s.Polyline({{8, 21}, {3, 21}, {3, 16}}, O);
    const QPointF c(12, 12);
    s.Circle(c, 6, A, Fill::Tint);
    s.Line(c, Polar(c, 4, 30), O);
    s.Dot(c, 1.5, O);
}

// --- the table -------------------------------------------------------------------------------

struct IconDef {
    ToolIcon icon;
    Group group;
    void (*draw)(Sketch&);
};

constexpr std::array<IconDef, kToolIconCount> kIcons{{
    {ToolIcon::OpenFile, Group::Files, DrawOpenFile},
    {ToolIcon::SaveAs, Group::Files, DrawSaveAs},
    {ToolIcon::FrameDimensions, Group::Editors, DrawFrameDimensions},
    {ToolIcon::CylinderDimensions, Group::Editors, DrawCylinderDimensions},
    {ToolIcon::DriverAngle, Group::Settings, DrawDriverAngle},
    {ToolIcon::StepAngle, Group::Settings, DrawStepAngle},
    {ToolIcon::ReverseArm, Group::Settings, DrawReverseArm},
    {ToolIcon::MidGear, Group::Settings, DrawMidGear},
    {ToolIcon::SteamDisplay, Group::Toggles, DrawSteamDisplay},
    {ToolIcon::ReferencePoints, Group::Toggles, DrawReferencePoints},
    {ToolIcon::DrawLines, Group::Toggles, DrawDrawLines},
    {ToolIcon::PivotData, Group::Toggles, DrawPivotData},
    {ToolIcon::DynamicVariables, Group::Toggles, DrawDynamicVariables},
    {ToolIcon::Undo, Group::Toggles, DrawUndo},
    {ToolIcon::SineDiagram, Group::Diagrams, DrawSineDiagram},
    {ToolIcon::OvalDiagram, Group::Diagrams, DrawOvalDiagram},
    {ToolIcon::SteamDiagram, Group::Diagrams, DrawSteamDiagram},
    {ToolIcon::PortEvents, Group::Diagrams, DrawPortEvents},
    {ToolIcon::EventsTable, Group::Diagrams, DrawEventsTable},
    {ToolIcon::ValveSetting, Group::Diagrams, DrawValveSetting},
    {ToolIcon::Sensitivity, Group::Diagrams, DrawSensitivity},
    {ToolIcon::FitToWindow, Group::Toggles, DrawFitToWindow},
}};

constexpr bool InEnumOrder() {
    for (std::size_t i = 0; i < kIcons.size(); ++i)
        if (kIcons[i].icon != ToolIcon(i)) return false;
    return true;
}
static_assert(InEnumOrder(), "kIcons is indexed by ToolIcon");

}  // namespace

QImage RenderToolIcon(ToolIcon which, int size) {
    const auto index = static_cast<std::size_t>(which);
    if (size < 1 || index >= kIcons.size()) return {};
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kGrid, size / kGrid);
    Sketch sketch(p, Accent(kIcons[index].group));
    kIcons[index].draw(sketch);
    return image;
}

QIcon MakeToolIcon(ToolIcon which) {
    QIcon icon;
    for (int size : kIconSizes) icon.addPixmap(QPixmap::fromImage(RenderToolIcon(which, size)));
    return icon;
}

}  // namespace vt

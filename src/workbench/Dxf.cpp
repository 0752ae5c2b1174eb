// The DXF drawing: group codes and values, one a line, section by section.
#include "workbench/Dxf.h"

#include <cstdio>

namespace vt::wb {

namespace {

class DxfText {
  public:
    void Code(int code, const std::string& value) {
        text_ += std::to_string(code) + "\n" + value + "\n";
    }
    void Code(int code, int value) { Code(code, std::to_string(value)); }
    void Number(int code, double v) {
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.12g", v);
        Code(code, buf);
    }
    // A point: x at `code`, y at code + 10, z at code + 20.
    void Point(int code, const Vec2& p) {
        Number(code, p.x());
        Number(code + 10, p.y());
        Number(code + 20, 0);
    }
    void Entity(const char* type, const std::string& layer) {
        Code(0, type);
        Code(8, layer);
    }
    std::string Take() { return std::move(text_); }

  private:
    std::string text_;
};

void Header(DxfText& t, gears::LengthUnit u) {
    t.Code(0, "SECTION");
    t.Code(2, "HEADER");
    t.Code(9, "$ACADVER");
    t.Code(1, "AC1009");
    t.Code(9, "$INSUNITS");
    t.Code(70, DxfUnitCode(u));
    t.Code(0, "ENDSEC");
}

void Polyline(DxfText& t, const std::string& layer, const TurnSweep& turn, int pin) {
    t.Entity("POLYLINE", layer);
    t.Code(66, 1);
    t.Point(10, {0, 0});
    t.Code(70, 1); // closed: the path of a turn returns to its start
    for (const auto& pose : turn.Poses) {
        t.Entity("VERTEX", layer);
        t.Point(10, pose.Pin(pin));
    }
    t.Entity("SEQEND", layer);
}

} // namespace

int DxfUnitCode(gears::LengthUnit u) {
    switch (u) {
    case gears::LengthUnit::Inch:
        return 1;
    case gears::LengthUnit::Millimetre:
        return 4;
    case gears::LengthUnit::Units:
        break;
    }
    return 0;
}

std::string GearDxf(const gears::GearDesign& d, const GearPicture& pic, const TurnSweep& turn,
                    std::span<const int> pathPins, double pinRadius) {
    DxfText t;
    Header(t, d.Unit);
    t.Code(0, "SECTION");
    t.Code(2, "ENTITIES");
    for (const Line& l : pic.Lines) {
        if (l.On == Layer::Steam) continue; // the hatching of the steam is the screen's
        t.Entity("LINE", l.On == Layer::Body ? "BODIES" : "SECTION");
        t.Point(10, l.A);
        t.Point(11, l.B);
    }
    for (const Pin& p : pic.Pins) {
        t.Entity("CIRCLE", "PINS");
        t.Point(10, p.At);
        t.Number(40, pinRadius);
    }
    const auto pins = d.Kind->Pins();
    for (int pin : pathPins)
        if (pin >= 0 && std::size_t(pin) < pins.size() && !turn.Poses.empty())
            Polyline(t, std::string("PATH-") + pins[std::size_t(pin)].Name, turn, pin);
    t.Code(0, "ENDSEC");
    t.Code(0, "EOF");
    return t.Take();
}

} // namespace vt::wb

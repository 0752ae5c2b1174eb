// The two editors' layouts; see EditorLayout.h. Label texts keep their blanks: they line
// the words up in columns in the dialog's font.
#include "dialogs/EditorLayout.h"

#include <array>

namespace vt {

namespace {

constexpr std::array<EditorField, kFrameRows> kFrameFields{{
    {"Edit1", "Button1", 0, 0, 0, 1, 0, FieldRule::Dimension, {{"Driver                    Diameter", 10, 0}}},
    {"Edit2", "Button2", 0, 1, 1, 2, 1, FieldRule::Dimension, {{"Stroke                      Length", 10, 1}}},
    {"Edit3", "Button3", 0, 2, 2, 3, 2, FieldRule::Dimension, {{"Main Rod                 Length", 10, 2}}},
    {"Edit4", "Button4", 0, 3, 3, 4, 3, FieldRule::Dimension, {{"Eccentric Circle             Dia", 10, 3}}},
    {"Edit5", "Button5", 0, 4, 4, 5, 4, FieldRule::Dimension, {{"Eccentric                       Dia", 10, 4}}},
    {"Edit6", "Button6", 0, 5, 5, 6, 5, FieldRule::Dimension, {{"Eccentric Angle      Forward", 10, 5}}},
    {"Edit7", "Button7", 0, 6, 6, 7, 6, FieldRule::Dimension, {{"\"       \"          Reverse", 40, 6}}},
    {"Edit8", "Button8", 0, 7, 7, 8, 7, FieldRule::Dimension, {{"Eccentric Rod        Forward", 10, 7}}},
    {"Edit9", "Button9", 0, 8, 8, 9, 8, FieldRule::Dimension, {{"\"       \"          Reverse", 40, 8}}},
    {"Edit10", "Button10", 0, 9, 9, 10, 9, FieldRule::Dimension, {{"Link                          Radius", 10, 9}}},
    {"Edit11", "Button11", 0, 10, 10, 11, 10, FieldRule::Dimension, {{"Link Center Pivot  Back Set", 10, 10}}},
    {"Edit28", "Button28", 0, 11, 11, 28, 11, FieldRule::Dimension, {{"Link Center Pivot          Vert", 10, 11}}},
    {"Edit12", "Button12", 0, 12, 12, 12, 12, FieldRule::Dimension, {{"Link-Ecc Rod Pivot       Vert", 10, 12}}},
    {"Edit13", "Button13", 0, 13, 13, 13, 13, FieldRule::Dimension, {{"\"           \"     Back Set", 40, 13}}},
    {"Edit14", "Button14", 1, 0, 0, 14, 14, FieldRule::Dimension, {{"Rocker Upper Vert Length", 204, 0}}},
    {"Edit15", "Button15", 1, 1, 1, 15, 15, FieldRule::Dimension, {{"Rocker Upper     Back Set", 204, 1}}},
    {"Edit16", "Button16", 1, 2, 2, 16, 16, FieldRule::Dimension, {{"Rocker Lower           Length", 204, 2}}},
    {"Edit17", "Button17", 1, 3, 3, 17, 17, FieldRule::Dimension, {{"Rocker Pivot                 Vert", 204, 3}}},
    {"Edit18", "Button18", 1, 4, 4, 18, 18, FieldRule::Dimension, {{"\"           \"                Horz", 224, 4}}},
    {"Edit19", "Button19", 1, 5, 5, 19, 19, FieldRule::Dimension, {{"Valve Con Rod         Length", 204, 5}}},
    {"Edit20", "Button20", 1, 6, 6, 20, 20, FieldRule::Dimension, {{"Lifting Link                Length", 204, 6}}},
    {"Edit21", "Button21", 1, 7, 7, 21, 21, FieldRule::Dimension, {{"Reverse Arm Vert    Length", 204, 7}}},
    {"Edit22", "Button22", 1, 8, 8, 22, 22, FieldRule::Dimension, {{"\"           \"         Back Set", 224, 8}}},
    {"Edit23", "Button23", 1, 9, 9, 23, 23, FieldRule::Dimension, {{"Lifting Arm                 Length", 204, 9}}},
    {"Edit24", "Button24", 1, 10, 10, 24, 24, FieldRule::Dimension, {{"Rev/Lift Arm Pivot         Vert", 204, 10}}},
    {"Edit25", "Button25", 1, 11, 11, 25, 25, FieldRule::Dimension, {{"\"         \"               Horz", 234, 11}}},
    {"Edit26", "Button26", 1, 12, 12, 26, 26, FieldRule::Norm, {{"Rev Arm to Center Norm", 204, 12}}},
    {"Edit27", "Button27", 1, 13, 13, 27, 27, FieldRule::Max, {{"\"           \"             Max", 234, 13}}},
}};

constexpr std::array<EditorField, kCylRows> kCylFields{{
    {"Edit1", "Button1", 0, 0, 0, 101, 0, FieldRule::Dimension, {{"Cylinder ctr to Driver ctr", 10, 0}}},
    {"Edit2", "Button2", 0, 1, 1, 102, 1, FieldRule::Dimension, {{"Cylinder CL above Driver", 10, 1}}},
    {"Edit3", "Button3", 0, 2, 2, 103, 2, FieldRule::Dimension, {{"Cylinder Bore         Diameter", 10, 2}}},
    {"Edit4", "Button4", 0, 3, 3, 104, 3, FieldRule::Dimension, {{"Cylinder Bore            Length", 10, 3}}},
    {"Edit5", "Button5", 0, 4, 4, 105, 4, FieldRule::Dimension, {{"Cylinder Steam Port   Width", 10, 4}}},
    {"Edit6", "Button6", 0, 6, 5, 106, 5, FieldRule::Dimension, {{"Piston ctr to Crosshead ctr", 10, 5}, {"(Piston Rod)", 82, 6}}},
    {"Edit7", "Button7", 0, 7, 7, 107, 6, FieldRule::Dimension, {{"Piston                         Width", 10, 7}}},
    {"Edit8", "Button8", 0, 8, 8, 108, 7, FieldRule::Dimension, {{"ValveSurface to CylinderCL", 10, 8}}},
    {"Edit9", "Button9", 0, 9, 9, 109, 8, FieldRule::Dimension, {{"Valve Stem CL to Cyl CL", 10, 9}}},
    {"Edit10", "Button10", 0, 10, 10, 110, 9, FieldRule::Dimension, {{"Exhaust Port               Width", 10, 10}}},
    {"Edit11", "Button11", 0, 11, 11, 111, 10, FieldRule::Dimension, {{"Bridge Width                Rear", 10, 11}}},
    {"Edit12", "Button12", 0, 12, 12, 112, 11, FieldRule::Dimension, {{"Bridge Width                Front", 10, 12}}},
    {"Edit13", "Button13", 1, 0, 0, 113, 12, FieldRule::Dimension, {{"Steam Port Width        Rear", 204, 0}}},
    {"Edit14", "Button14", 1, 1, 1, 114, 13, FieldRule::Dimension, {{"Steam Port Width        Front", 204, 1}}},
    {"Edit15", "Button15", 1, 2, 2, 115, 14, FieldRule::Dimension, {{"Valve Chamber        Height", 204, 2}}},
    {"Edit16", "Button16", 1, 3, 3, 116, 15, FieldRule::Dimension, {{"Valve Chamber        Length", 204, 3}}},
    {"Edit17", "Button17", 1, 4, 4, 117, 16, FieldRule::Dimension, {{"Valve Height", 204, 4}}},
    {"Edit18", "Button18", 1, 5, 5, 118, 17, FieldRule::Dimension, {{"Valve Length       Rear Half", 204, 5}}},
    {"Edit19", "Button19", 1, 6, 6, 119, 18, FieldRule::Dimension, {{"Valve Length       Front Half", 204, 6}}},
    {"Edit20", "Button20", 1, 7, 7, 120, 19, FieldRule::Dimension, {{"Valve ExhCavity  Rear Half", 204, 7}}},
    {"Edit21", "Button21", 1, 8, 8, 121, 20, FieldRule::Dimension, {{"Valve ExhCavity  Front Half", 204, 8}}},
    {"Edit22", "Button22", 1, 10, 9, 122, 21, FieldRule::Dimension, {{"Valve ctr to Joint", 204, 9}, {"  (Valve Stem)", 266, 10}}},
}};

} // namespace

const EditorLayout& FrameEditorLayout() {
    static const EditorLayout layout{
        "TFrameDi", "Frame Dimensions", 386, 233, kFrameFields, FrameDimensionTable(),
        {"To Show Graphic Position of Variable, Click Small Button",
         "To Select Dynamic Variable, Click Dimension in GrayArea"},
        {"ResetFrame", "ResetFrameDim", 288, 183, 89, 25},
        {"Close1", "Close", 288, 207, 89, 25},
        true};
    return layout;
}

const EditorLayout& CylEditorLayout() {
    static const EditorLayout layout{
        "TCylDimen", "Cylinder Dimensions", 386, 230, kCylFields, CylDimensionTable(),
        {"To Show Graphic Position of Variable, Click Small Button",
         "To Select a Dynamic Variable, Click Dimension in Gray Area"},
        {"Reset1", "ResetCylDim", 294, 168, 90, 25},
        {"Close1", "Close", 294, 192, 90, 25},
        false};
    return layout;
}

} // namespace vt

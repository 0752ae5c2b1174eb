// The tool bar icons render at every size onto transparency, carry their group's accent
// and no other, differ from one another, and look alike at 16, 24 and 32 px.
#include "app/ToolIcons.h"

#include <QGuiApplication>
#include <QPixmap>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace vt {
namespace {

constexpr std::array<int, 3> kSizes{16, 24, 32};

const QColor kBlue(0x2f, 0x7f, 0xd8), kOrange(0xe8, 0x80, 0x1c), kGreen(0x2e, 0x9e, 0x4a),
    kPurple(0x8e, 0x4c, 0xc8), kTeal(0x14, 0x9c, 0x9c);
const std::array<QColor, 5> kAccents{kBlue, kOrange, kGreen, kPurple, kTeal};

struct Expected {
    const char* name;
    QColor accent;  // the accent of the button's group
};

// Indexed by ToolIcon: files blue, dimension editors orange, angle and position settings
// green, display toggles and the view teal, analysis diagrams purple.
const std::array<Expected, kToolIconCount> kExpected{{
    {"OpenFile", kBlue},
    {"SaveAs", kBlue},
    {"FrameDimensions", kOrange},
    {"CylinderDimensions", kOrange},
    {"DriverAngle", kGreen},
    {"StepAngle", kGreen},
    {"ReverseArm", kGreen},
    {"MidGear", kGreen},
    {"SteamDisplay", kTeal},
    {"ReferencePoints", kTeal},
    {"DrawLines", kTeal},
    {"PivotData", kTeal},
    {"DynamicVariables", kTeal},
    {"Undo", kTeal},
    {"SineDiagram", kPurple},
    {"OvalDiagram", kPurple},
    {"SteamDiagram", kPurple},
    {"PortEvents", kPurple},
    {"EventsTable", kPurple},
    {"ValveSetting", kPurple},
    {"Sensitivity", kPurple},
    {"FitToWindow", kTeal},
}};

std::vector<ToolIcon> AllIcons() {
    std::vector<ToolIcon> all;
    for (int i = 0; i < kToolIconCount; ++i) all.push_back(ToolIcon(i));
    return all;
}

const Expected& Expect(ToolIcon icon) { return kExpected.at(static_cast<std::size_t>(icon)); }

}  // namespace

// Test names and failure messages show the icon's name.
void PrintTo(ToolIcon icon, std::ostream* os) { *os << Expect(icon).name; }

namespace {

// The icon as straight (not premultiplied) ARGB, so edge pixels keep their colour.
QImage Straight(ToolIcon icon, int size) {
    return RenderToolIcon(icon, size).convertToFormat(QImage::Format_ARGB32);
}

bool Opaque(QRgb px) { return qAlpha(px) >= 128; }

// A fairly opaque pixel whose colour is within a few levels of c.
bool Near(QRgb px, QColor c) {
    return qAlpha(px) >= 160 && std::abs(qRed(px) - c.red()) <= 12 &&
           std::abs(qGreen(px) - c.green()) <= 12 && std::abs(qBlue(px) - c.blue()) <= 12;
}

int CountPixels(const QImage& img, auto pred) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += pred(img.pixel(x, y)) ? 1 : 0;
    return n;
}

// Mean absolute difference of alpha, 0 (same coverage) to 255.
double AlphaDistance(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) sum += std::abs(qAlpha(a.pixel(x, y)) - qAlpha(b.pixel(x, y)));
    return sum / (a.width() * a.height());
}

// --- every icon at every size -------------------------------------------------------------

class RenderedIcon : public testing::TestWithParam<std::tuple<ToolIcon, int>> {
protected:
    ToolIcon icon() const { return std::get<0>(GetParam()); }
    int size() const { return std::get<1>(GetParam()); }
};

TEST_P(RenderedIcon, IsASquareImageWithAlpha) {
    const QImage img = RenderToolIcon(icon(), size());
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size(), QSize(size(), size()));
    EXPECT_TRUE(img.hasAlphaChannel());
}

TEST_P(RenderedIcon, CornersAreTransparent) {
    const QImage img = Straight(icon(), size());
    const int k = std::max(1, size() / 12);  // two design units, rounded down
    for (int cy : {0, size() - k})
        for (int cx : {0, size() - k})
            for (int y = cy; y < cy + k; ++y)
                for (int x = cx; x < cx + k; ++x)
                    EXPECT_EQ(qAlpha(img.pixel(x, y)), 0) << "at " << x << "," << y;
}

TEST_P(RenderedIcon, HasAPictogramsAmountOfInk) {
    const QImage img = Straight(icon(), size());
    const double ink = double(CountPixels(img, Opaque)) / (size() * size());
    EXPECT_GT(ink, 0.10) << "nearly empty";
    EXPECT_LT(ink, 0.55) << "nearly a filled square";
}

// Wide or tall pictograms may be short the other way, but none sits small in a corner.
TEST_P(RenderedIcon, SpansMostOfTheGrid) {
    const QImage img = Straight(icon(), size());
    int x0 = size(), y0 = size(), x1 = -1, y1 = -1;
    for (int y = 0; y < size(); ++y)
        for (int x = 0; x < size(); ++x)
            if (Opaque(img.pixel(x, y))) {
                x0 = std::min(x0, x), x1 = std::max(x1, x);
                y0 = std::min(y0, y), y1 = std::max(y1, y);
            }
    const int w = x1 - x0 + 1, h = y1 - y0 + 1;
    EXPECT_GE(std::max(w, h), size() * 3 / 4) << w << " x " << h;
    EXPECT_GE(std::min(w, h), size() / 2) << w << " x " << h;
}

TEST_P(RenderedIcon, CarriesItsGroupsAccent) {
    const QImage img = Straight(icon(), size());
    const QColor own = Expect(icon()).accent;
    EXPECT_GT(CountPixels(img, [&](QRgb px) { return Near(px, own); }), 0);
}

TEST_P(RenderedIcon, CarriesNoOtherGroupsAccent) {
    const QImage img = Straight(icon(), size());
    for (QColor other : kAccents) {
        if (other == Expect(icon()).accent) continue;
        EXPECT_EQ(CountPixels(img, [&](QRgb px) { return Near(px, other); }), 0)
            << "found " << other.name().toStdString();
    }
}

std::string CaseName(const testing::TestParamInfo<RenderedIcon::ParamType>& c) {
    return std::string(Expect(std::get<0>(c.param)).name) + "_" + std::to_string(std::get<1>(c.param));
}

INSTANTIATE_TEST_SUITE_P(AllIconsAllSizes, RenderedIcon,
                         testing::Combine(testing::ValuesIn(AllIcons()), testing::ValuesIn(kSizes)),
                         CaseName);

// Drawn from one design: an icon at 16 or 24 px resembles its own 32 px drawing,
// scaled down, more than any other icon's.
using SmallIcon = RenderedIcon;

TEST_P(SmallIcon, MatchesItsOwnLargerDrawingBest) {
    const QImage img = Straight(icon(), size());
    auto scaledDown = [&](ToolIcon other) {
        return Straight(other, 32).scaled(size(), size(), Qt::IgnoreAspectRatio,
                                          Qt::SmoothTransformation);
    };
    const double own = AlphaDistance(img, scaledDown(icon()));
    for (ToolIcon other : AllIcons()) {
        if (other == icon()) continue;
        EXPECT_LT(own, AlphaDistance(img, scaledDown(other))) << Expect(other).name;
    }
}

INSTANTIATE_TEST_SUITE_P(AllIconsSmallSizes, SmallIcon,
                         testing::Combine(testing::ValuesIn(AllIcons()), testing::Values(16, 24)),
                         CaseName);

// --- the set as a whole ---------------------------------------------------------------------

// Pixels that differ visibly between two renderings.
int VisiblyDifferent(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            n += (std::abs(qAlpha(p) - qAlpha(q)) > 64 || std::abs(qRed(p) - qRed(q)) > 64 ||
                  std::abs(qGreen(p) - qGreen(q)) > 64 || std::abs(qBlue(p) - qBlue(q)) > 64)
                     ? 1
                     : 0;
        }
    return n;
}

TEST(ToolIconSet, AllIconsDifferPairwise) {
    for (int size : kSizes) {
        std::vector<QImage> imgs;
        for (ToolIcon icon : AllIcons()) imgs.push_back(RenderToolIcon(icon, size));
        for (std::size_t i = 0; i < imgs.size(); ++i)
            for (std::size_t j = i + 1; j < imgs.size(); ++j)
                EXPECT_GE(VisiblyDifferent(imgs[i], imgs[j]), size * size / 10)
                    << kExpected[i].name << " vs " << kExpected[j].name << " at " << size;
    }
}

TEST(ToolIconSet, SizesBelowOneGiveANullImage) {
    EXPECT_TRUE(RenderToolIcon(ToolIcon::OpenFile, 0).isNull());
    EXPECT_TRUE(RenderToolIcon(ToolIcon::OpenFile, -16).isNull());
}

TEST(ToolIconSet, AValueOutsideTheEnumGivesANullImage) {
    EXPECT_TRUE(RenderToolIcon(ToolIcon(kToolIconCount), 24).isNull());
    EXPECT_TRUE(RenderToolIcon(ToolIcon(-1), 24).isNull());
}

// --- the QIcon ----------------------------------------------------------------------------

TEST(MakeToolIcon, HoldsAPixmapAtEachToolBarSize) {
    for (ToolIcon icon : AllIcons()) {
        const QList<QSize> sizes = MakeToolIcon(icon).availableSizes();
        ASSERT_EQ(sizes.size(), 3) << Expect(icon).name;
        for (int size : kSizes) EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    }
}

TEST(MakeToolIcon, EachSizeIsTheDrawingForThatSizeNotARescale) {
    for (ToolIcon icon : AllIcons()) {
        const QIcon qicon = MakeToolIcon(icon);
        for (int size : kSizes) {
            const QImage got = qicon.pixmap(QSize(size, size))
                                   .toImage()
                                   .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            EXPECT_EQ(got, RenderToolIcon(icon, size)) << Expect(icon).name << " at " << size;
        }
    }
}

}  // namespace
}  // namespace vt

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

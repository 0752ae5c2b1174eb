// The graph windows at any size, through the real window: resized and maximised, the
// diagram fills the client area at the scale that fits, centred, its lines one device
// pixel; the diagram menu, opened by the right button and worked by keys, writes PNG at
// the scale shown or a chosen one and a one-page vector PDF, leaving out the undo line;
// the title is never cut off.
#include "graphs/DiagramMenu.h"
#include "graphs/GraphWindow.h"
#include "graphs/Ports.h"
#include "graphs/Sine.h"
#include "model/Titles.h"
#include "support/Designs.h"
#include "widgets/SceneView.h"

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace vt {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;

// The box of the non-white pixels.
QRect Ink(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kWhite) box |= QRect(x, y, 1, 1);
    return box;
}

int Black(const QImage& image, int y, int x0, int x1) {
    int n = 0;
    for (int x = x0; x <= x1; ++x) n += image.pixel(x, y) == 0xFF000000u;
    return n;
}

// The port window of the built-in design, its file dialog answering `chosen`.
struct ScaledWindow : ::testing::Test {
    ScaledWindow() {
        w.ContextMenu()->SetFileUi({[this](const FileDialogFacts&) { return chosen; },
                                    [this](const QString& m) { reports << m; }});
    }
    void Open() {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        for (int i = 0; i < 100 && w.Drawings() == 0; ++i) QTest::qWait(1);
        ASSERT_EQ(w.Drawings(), 1);
    }
    SceneView* View() const { return w.findChild<SceneView*>(); }
    QImage Shown() const { return View()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    double Scale() const { return std::min(View()->width() / 632.0, View()->height() / 414.0); }
    QPointF Origin() const {
        return {std::floor((View()->width() - 632 * Scale()) / 2),
                std::floor((View()->height() - 414 * Scale()) / 2)};
    }
    // Waits until the view has the size asked for and the picture follows it.
    void Settle() {
        for (int i = 0; i < 200 && w.Image().size() != View()->size(); ++i) QTest::qWait(5);
        QTest::qWait(20);
    }
    // The diagram's ink at this size is its ink at the layout's size scaled and centred,
    // and its base line (9, 343) to (549, 343), as painted, is one device pixel thick.
    void ExpectFilled(const QRect& layoutInk) {
        const double s = Scale();
        const QPointF o = Origin();
        const QRect ink = Ink(w.Image()); // the picture without the controls over it
        EXPECT_NEAR(ink.left(), o.x() + layoutInk.left() * s, 2 * s + 2);
        EXPECT_NEAR(ink.right(), o.x() + layoutInk.right() * s, 2 * s + 2);
        EXPECT_NEAR(ink.top(), o.y() + layoutInk.top() * s, 2 * s + 2);
        EXPECT_NEAR(ink.bottom(), o.y() + layoutInk.bottom() * s, 2 * s + 2);
        const QImage shown = Shown();
        const int y = int(std::lround(o.y() + 343 * s));
        const int x0 = int(std::lround(o.x() + 20 * s)), x1 = int(std::lround(o.x() + 540 * s));
        EXPECT_GT(Black(shown, y, x0, x1), (x1 - x0) * 9 / 10);
        EXPECT_LT(Black(shown, y - 1, x0, x1), (x1 - x0) / 5);
        EXPECT_LT(Black(shown, y + 1, x0, x1), (x1 - x0) / 5);
    }
    // Right button over the diagram, then the keys of the menu's items.
    void Choose(std::initializer_list<Qt::Key> keys) {
        QTest::mouseClick(w.windowHandle(), Qt::RightButton, {},
                          View()->mapTo(&w, QPoint(300, 250)));
        QMenu* menu = w.ContextMenu();
        for (Qt::Key key : keys) {
            QMenu* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QTest::keyClick(open ? open : menu, key);
        }
    }
    QString Save(const QString& name) {
        chosen = dir.filePath(name);
        Choose({Qt::Key_S});
        return chosen;
    }

    test::CountingState c = test::BuiltIn();
    GraphWindow w{PortDiaFacts(), *c, GraphHost{}, nullptr, nullptr};
    QTemporaryDir dir;
    QString chosen;
    QStringList reports;
};

QRect LayoutInk(State& s) {
    GraphWindow w(PortDiaFacts(), s, GraphHost{}, nullptr, nullptr);
    return Ink(DiagramImage(w.Picture(), 1));
}

TEST_F(ScaledWindow, ResizedAndMaximisedTheDiagramFillsTheClientArea) {
    const QRect layoutInk = LayoutInk(*c);
    Open();
    w.resize(1600, 900); // the height decides: white margins left and right
    Settle();
    ASSERT_GT(Scale(), 2);
    ASSERT_GT(View()->width(), 640 * Scale());
    ExpectFilled(layoutInk);
    w.showMaximized();
    Settle();
    const QRect screen = w.screen()->availableGeometry();
    EXPECT_GE(View()->width(), screen.width() * 9 / 10);
    ExpectFilled(layoutInk);
    EXPECT_EQ(w.Drawings(), 1); // a new size draws the picture again, not a redraw of the state
}

TEST_F(ScaledWindow, PngAtTheScaleShownOrAtTwiceTheLayoutAndPdfByKeys) {
    Open();
    w.resize(1000, 700);
    Settle();
    QImage png(Save("shown.png"));
    EXPECT_EQ(png.size(), QSize(int(std::lround(632 * Scale())), int(std::lround(414 * Scale()))));
    const QImage shown = Shown();
    const QPointF o = Origin();
    const QRect below(0, int(std::lround(100 * Scale())), png.width(), png.height() / 2);
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32).copy(below),
              shown.copy(below.translated(o.toPoint())));

    Choose({Qt::Key_P, Qt::Key_2}); // "PNG Size", "2x"
    png = QImage(Save("twice.png"));
    EXPECT_EQ(png.size(), QSize(1264, 828));

    QFile pdf(Save("page.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray page = pdf.readAll();
    EXPECT_TRUE(page.startsWith("%PDF-"));
    EXPECT_EQ(page.count("/Type /Page") - page.count("/Type /Pages"), 1); // one page
    EXPECT_FALSE(page.contains("/Subtype /Image"));
    EXPECT_TRUE(reports.isEmpty()) << reports.join("\n").toStdString();
}

// The diagram alone: with the undo line shown, the file is the window's picture without it.
TEST_F(ScaledWindow, FilesLeaveOutTheUndoLine) {
    Open();
    QAction* undo = w.MenuAction(2); // "&UnDo": the undo line on and off
    undo->trigger();
    const QImage png = QImage(Save("alone.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(png.size(), QSize(632, 414));
    EXPECT_NE(png, w.Image().copy(0, 0, 632, 414));
    undo->trigger();
    EXPECT_EQ(png, w.Image().copy(0, 0, 632, 414));
}

TEST_F(ScaledWindow, TheWholeTitleFits) {
    const QString title = QString::fromStdString(WindowTitle(
        TitledWindow::Ports, "A Design Whose Long Descriptive Name Alone Is Wider Than The Layout",
        "12/09/2026", "03:58:00"));
    w.setWindowTitle(title);
    Open();
    w.resize(300, 500);
    Settle();
    QFont bold = QApplication::font();
    bold.setBold(true);
    ASSERT_GT(QFontMetrics(bold).horizontalAdvance(title), 632);
    EXPECT_GT(w.width(), QFontMetrics(bold).horizontalAdvance(title));
    EXPECT_GE(View()->height(), 414);
}

} // namespace
} // namespace vt

// The graph windows' diagram menu: the right mouse button over the diagram opens "Copy
// Image", "Save Image As..." and "PNG Size"; the copy and the PNG are the picture shown
// pixel for pixel, the SVG holds shapes at the layout's size, the PDF one vector page; a
// failed or cancelled save writes nothing, and the save dialog gives a name typed without
// an extension the chosen filter's.
#include "graphs/DiagramMenu.h"

#include "graphs/DiagramFile.h"
#include "graphs/GraphWindow.h"
#include "graphs/Oval.h"
#include "graphs/Ports.h"
#include "graphs/SetReverArm.h"
#include "graphs/Sine.h"
#include "graphs/Steam.h"
#include "support/Designs.h"
#include "widgets/FileDialogs.h"
#include "widgets/SceneView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vt {
namespace {

int NonWhitePixels(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += img.pixel(x, y) != qRgb(255, 255, 255);
    return n;
}

QStringList Texts(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* a : actions) texts << a->text();
    return texts;
}

// A graph window of the built-in design with three stored positions and its diagram
// drawn; its file dialog answers `chosen` and its error box is a list.
struct DiagramWindow {
    explicit DiagramWindow(const GraphFacts& facts) : w(facts, *c, GraphHost{}, &positions, nullptr) {
        w.ContextMenu()->SetFileUi({[this](const FileDialogFacts& f) {
                                        filters.emplace_back(f.filter);
                                        return chosen;
                                    },
                                    [this](const QString& m) { reports << m; }});
        w.ReDrawClick();
    }
    static test::CountingState Design() {
        auto c = test::BuiltIn();
        c->RevArmCount = 3;
        return c;
    }
    QAction* Item(int i) const { return w.ContextMenu()->actions()[i]; }
    // "Save Image As..." answered with `name` in the scratch folder; returns the path.
    QString SaveAs(const QString& name) {
        chosen = name.isEmpty() ? QString() : dir.filePath(name);
        Item(1)->trigger();
        return chosen;
    }
    QStringList Written() const { return QDir(dir.path()).entryList(QDir::Files); }

    test::CountingState c = Design();
    SetRevArmDialog positions{*c, nullptr};
    GraphWindow w;
    QTemporaryDir dir;
    QString chosen;
    std::vector<std::string> filters; // what each dialog offered
    QStringList reports;
};

struct DiagramMenuTest : ::testing::TestWithParam<const GraphFacts*> {
    DiagramWindow d{*GetParam()};
    const QImage& Shown() const { return d.w.Image(); }
};

TEST_P(DiagramMenuTest, HasCopyImageSaveImageAsAndPngSize) {
    EXPECT_EQ(Texts(d.w.ContextMenu()->actions()),
              (QStringList{"&Copy Image", "&Save Image As...", "&PNG Size"}));
}

TEST_P(DiagramMenuTest, CopyImagePutsThePictureShownOnTheClipboard) {
    ASSERT_GT(NonWhitePixels(Shown()), 1000); // a diagram, not a blank page
    QApplication::clipboard()->clear();
    d.Item(0)->trigger();
    const QImage copied = QApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), Shown());
}

TEST_P(DiagramMenuTest, PngIsThePictureShownPixelForPixel) {
    ASSERT_GT(NonWhitePixels(Shown()), 1000);
    const QString path = d.SaveAs("diagram.png");
    EXPECT_TRUE(d.reports.isEmpty()) << d.reports.join("\n").toStdString();
    EXPECT_EQ(d.filters, std::vector<std::string>{kSaveImageDialog.filter});
    QImage saved;
    ASSERT_TRUE(saved.load(path, "PNG"));
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), Shown());
}

// Shapes, not a bitmap: lines, text and no embedded image; rendered back at 1:1 it puts
// ink where the picture shown has it.
TEST_P(DiagramMenuTest, SvgHoldsShapesAtTheLayoutsSize) {
    const QString path = d.SaveAs("diagram.SVG");
    EXPECT_TRUE(d.reports.isEmpty()) << d.reports.join("\n").toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_FALSE(text.contains("<image"));
    EXPECT_GT(text.count("<text"), 20);
    EXPECT_GT(text.count("<polyline") + text.count("<line") + text.count("<path"), 100);
    QSvgRenderer svg(path);
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), Shown().rect());
    QImage back(Shown().size(), QImage::Format_RGB32);
    back.fill(Qt::white);
    QPainter painter(&back);
    svg.render(&painter);
    painter.end();
    int inkShown = 0, inkMet = 0;
    for (int y = 1; y + 1 < back.height(); ++y)
        for (int x = 1; x + 1 < back.width(); ++x) {
            if (Shown().pixel(x, y) == qRgb(255, 255, 255)) continue;
            ++inkShown;
            bool near = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    near = near || back.pixel(x + dx, y + dy) != qRgb(255, 255, 255);
            inkMet += near;
        }
    EXPECT_GT(inkMet, inkShown * 95 / 100);
}

// The picture is read at each use: after a change of mode the port window saves the new one.
TEST(DiagramMenu, SavesThePictureShownNowNotTheFirst) {
    DiagramWindow d(PortDiaFacts());
    const QImage forward = d.w.Image().copy();
    d.w.OwnMenuAction(1)->trigger(); // the reverse graph
    ASSERT_NE(d.w.Image(), forward);
    QImage saved(d.SaveAs("reverse.png"));
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), d.w.Image());
}

TEST(DiagramMenu, FailedSaveSaysWhyAndWritesNothing) {
    DiagramWindow d(SineDiaFacts());
    const QString missing = d.SaveAs("no such folder/diagram.png");
    ASSERT_EQ(d.reports.size(), 1);
    EXPECT_TRUE(d.reports[0].startsWith("The diagram could not be saved as " + missing + ": "));
    EXPECT_TRUE(d.reports[0].endsWith("; any file of that name is as it was."));
    EXPECT_TRUE(d.Written().isEmpty());

    for (const char* name : {"diagram.bmp", "diagram"}) { // a name a dialog may still give
        d.reports.clear();
        const QString path = d.SaveAs(name);
        ASSERT_EQ(d.reports.size(), 1) << name;
        EXPECT_EQ(d.reports[0], "The diagram could not be saved as " + path +
                                    ": the name must end in .png, .svg or .pdf; any file of "
                                    "that name is as it was.");
        EXPECT_TRUE(d.Written().isEmpty()) << name;
    }
}

TEST(DiagramMenu, FailedSaveKeepsTheFileThatWasThere) {
    DiagramWindow d(OvalDiaFacts());
    QFile old(d.dir.filePath("keep.bmp"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old picture");
    old.close();
    d.SaveAs("keep.bmp");
    EXPECT_EQ(d.reports.size(), 1);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old picture");
}

TEST(DiagramMenu, CancelledSaveDoesNothing) {
    DiagramWindow d(SteamDiaFacts());
    d.SaveAs(QString());
    EXPECT_EQ(d.filters.size(), 1u); // the dialog was asked
    EXPECT_TRUE(d.reports.isEmpty());
    EXPECT_TRUE(d.Written().isEmpty());
}

// Through the window system, as a user clicks: the menu pops up where the button went down.
TEST(DiagramMenu, RightButtonOverTheDiagramOpensIt) {
    auto c = test::BuiltIn();
    GraphWindow w(PortDiaFacts(), *c, GraphHost{}, nullptr, nullptr);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const auto* view = w.findChild<SceneView*>();
    const QPoint at(300, 250);
    EXPECT_FALSE(w.ContextMenu()->isVisible());
    QTest::mouseClick(w.windowHandle(), Qt::RightButton, {}, view->mapTo(&w, at));
    EXPECT_TRUE(w.ContextMenu()->isVisible());
    EXPECT_EQ(w.ContextMenu()->pos(), view->mapToGlobal(at));
    w.ContextMenu()->close();
}

std::string WindowName(const ::testing::TestParamInfo<const GraphFacts*>& p) { return p.param->name; }

INSTANTIATE_TEST_SUITE_P(AllFour, DiagramMenuTest,
                         ::testing::Values(&SineDiaFacts(), &OvalDiaFacts(), &SteamDiaFacts(), &PortDiaFacts()),
                         WindowName);

// The standard dialog: a name typed without an extension gets the chosen filter's.
QString Typed(QFileDialog& dialog, const QString& name, int filter) {
    auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
    if (!types) return "no file type box";
    while (types->currentIndex() < filter) QTest::keyClick(types, Qt::Key_Down);
    while (types->currentIndex() > filter) QTest::keyClick(types, Qt::Key_Up);
    dialog.selectFile(name);
    return QFileInfo(dialog.selectedFiles().value(0)).fileName();
}

TEST(DiagramSaveDialog, OffersPngSvgAndPdfAndANameWithoutExtensionTakesTheFilters) {
    const auto dialog = MakeFileDialog(kSaveImageDialog, nullptr);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    EXPECT_EQ(dialog->nameFilters(),
              (QStringList{"PNG Image (*.png)", "SVG Image (*.svg)", "PDF Document (*.pdf)"}));
    EXPECT_EQ(Typed(*dialog, "sine", 2), "sine.pdf");
    EXPECT_EQ(Typed(*dialog, "sine", 0), "sine.png");
    EXPECT_EQ(Typed(*dialog, "sine", 1), "sine.svg");
    EXPECT_EQ(Typed(*dialog, "sine.png", 1), "sine.png"); // a typed extension stays
    EXPECT_EQ(Typed(*dialog, "sine", 0), "sine.png");
}

TEST(DiagramSaveDialog, AllFilesKeepsTheDialogsOwnSuffix) {
    const auto dialog = MakeFileDialog(kSaveDimensionsDialog, nullptr);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    EXPECT_EQ(Typed(*dialog, "design", 1), "design.dvt");
    EXPECT_EQ(Typed(*dialog, "design", 0), "design.dvt");
}

} // namespace
} // namespace vt

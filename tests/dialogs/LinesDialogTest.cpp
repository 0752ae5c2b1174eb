// The "Draw Lines" dialog's widgets and the main window's wiring: its 80 fields, the
// current row in aqua, an entry made with the buttons, the menu item's beep, a mouse pick
// that reopens the dialog, and the rows after a file is opened.
#include "support/MainFormTest.h"

#include "dialogs/Line.h"
#include "files/DimFile.h"
#include "support/Designs.h"
#include "widgets/NumberEdit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace vt {
namespace {

struct LinesDialogTest : test::MainFormTest {
    std::unique_ptr<LinesDialog> dialog;
    int beeps = 0;
    int shown = 0;
    void SetUp() override {
        MainFormTest::SetUp();
        dialog = std::make_unique<LinesDialog>(*s, form->controls(), form.get());
        form->SetDialogs({.drawLines = dialog.get()});
        s->hooks.Beep = [this] { ++beeps; };
        form->Command(Cmd::ReferPoints);
    }
    // Runs `inside` once the modal dialog is up; the dialog is closed afterwards if the
    // steps left it open.
    void WhileOpen(std::function<void()> inside) {
        QTimer::singleShot(0, dialog.get(), [this, inside] {
            ++shown;
            inside();
            if (dialog->isVisible()) dialog->reject();
        });
    }
    QAbstractButton* Choice(int group, int id) const { return dialog->Group(group)->button(id); }
    QColor Back(int row) const { return dialog->RowPanel(row)->palette().color(QPalette::Window); }
};

TEST_F(LinesDialogTest, EightyFieldsTwentyRowsAndTheTitles) {
    EXPECT_EQ(dialog->windowTitle(), "Draw Lines");
    EXPECT_EQ(dialog->findChildren<NumberEdit*>().size(), 80);
    EXPECT_EQ(dialog->RowNumber(1)->text(), "1  ");
    EXPECT_EQ(dialog->RowNumber(9)->text(), "9  ");
    EXPECT_EQ(dialog->RowNumber(20)->text(), "20");
    QStringList texts;
    for (const QLabel* l : dialog->findChildren<QLabel*>()) texts << l->text();
    for (const char* t : {"Item", "No.", "Type     Color     Ref to", "Line1Vert   Line1Horz     Line2Vert   Line2Horz",
                          "CirCentV    CirCentH                        CirRadius"})
        EXPECT_TRUE(texts.contains(t)) << t;
    QStringList groups;
    for (const QGroupBox* g : dialog->findChildren<QGroupBox*>()) groups << g->title();
    EXPECT_EQ(groups, (QStringList{"  Type    ", "  Color  ", "  Referenced to  "}));
    EXPECT_EQ(Choice(1, 5)->text(), "Gray");
    EXPECT_EQ(Choice(2, 3)->text(), "Piv1/Piv2");
    EXPECT_FALSE(dialog->DrawClose()->isEnabled());
    EXPECT_EQ(Back(1), QColor(0, 255, 255));
    EXPECT_EQ(Back(2), QColor(255, 255, 255));
}

TEST_F(LinesDialogTest, TheMenuItemBeepsWithBothPointsAtTheOriginAndARowClickMovesTheAqua) {
    WhileOpen([this] { QTest::mouseClick(dialog->RowNumber(5), Qt::LeftButton); });
    form->Command(Cmd::DrawLinesCircles);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(s->CurLineNo, 5);
    EXPECT_EQ(Back(5), QColor(0, 255, 255));
    EXPECT_EQ(Back(1), QColor(255, 255, 255));
    EXPECT_TRUE(dialog->Field(5, 3)->styleSheet().contains("#00ffff"));
    EXPECT_TRUE(dialog->Field(1, 0)->styleSheet().contains("#ffffff"));
}

TEST_F(LinesDialogTest, AnEntryMadeWithTheButtons) {
    s->PivotX[19] = 1, s->PivotY[19] = 2, s->PivotX[20] = 4, s->PivotY[20] = 6;
    WhileOpen([this] {
        Choice(0, 0)->click();
        Choice(1, 4)->click();
        Choice(2, 0)->click();
        ASSERT_TRUE(dialog->DrawClose()->isEnabled());
        dialog->DrawClose()->click();
        EXPECT_FALSE(dialog->isVisible());
    });
    form->Command(Cmd::DrawLinesCircles);
    EXPECT_EQ(beeps, 0);
    EXPECT_EQ(s->LineColor[1], 16711680.0f);
    EXPECT_EQ(dialog->RowLabel(1, 0)->text(), "Line");
    EXPECT_EQ(dialog->RowLabel(1, 1)->text(), "Blue");
    EXPECT_EQ(dialog->RowLabel(1, 2)->text(), "0 , 0");
    EXPECT_EQ(dialog->Field(1, 3)->text(), "  4.000");
    EXPECT_EQ(s->CurLineNo, 2);
    EXPECT_EQ(Back(2), QColor(0, 255, 255));
    EXPECT_FALSE(Choice(0, 0)->isChecked());
}

TEST_F(LinesDialogTest, TypedFieldsAndTheCircleRowsLockedThirdField) {
    s->PivotX[19] = 1, s->PivotX[20] = 2;
    WhileOpen([this] {
        QApplication::setActiveWindow(dialog.get()); // focus moves only in the active window
        Choice(0, 1)->click(); // row 1 reads "Circle"
        dialog->Field(1, 2)->setFocus();
        QTest::keyClicks(dialog->Field(1, 2), "12");
        EXPECT_EQ(dialog->Field(1, 2)->text(), "");
        dialog->Field(2, 1)->setFocus();
        QTest::keyClicks(dialog->Field(2, 1), "-1.5-.x");
        EXPECT_EQ(dialog->Field(2, 1)->text(), "-1.5");
        dialog->Field(2, 2)->setFocus(); // leaving the field takes the value
    });
    form->Command(Cmd::DrawLinesCircles);
    EXPECT_EQ(s->LineP1Horz[2], -1.5f);
}

TEST_F(LinesDialogTest, EscapeClosesLikeCloseKeepingWhatWasTyped) {
    WhileOpen([this] {
        QApplication::setActiveWindow(dialog.get());
        dialog->Field(3, 0)->setFocus();
        QTest::keyClicks(dialog->Field(3, 0), "2.5");
        QTest::keyClick(dialog->Field(3, 0), Qt::Key_Escape);
    });
    form->Command(Cmd::DrawLinesCircles);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(s->LineP1Vert[3], 2.5f);
}

TEST_F(LinesDialogTest, APickInTheDrawingReopensTheDialog) {
    s->PivotX[19] = 2, s->PivotY[19] = 1, s->PivotX[20] = 3, s->PivotY[20] = 1;
    form->Command(Cmd::CalcCentRevArm);
    WhileOpen([this] {
        Choice(0, 0)->click();
        Choice(1, 1)->click();
        Choice(2, 1)->click(); // "Pivot1": the dialog closes for the pick
        EXPECT_FALSE(dialog->isVisible());
    });
    form->Command(Cmd::DrawLinesCircles);
    EXPECT_TRUE(s->PickPromptOn);
    // A left press on the axle (pixel 110, 270 in the start-up view) reopens it.
    WhileOpen([this] { dialog->DrawClose()->click(); });
    QTest::mouseClick(form->centralWidget(), Qt::LeftButton, {}, QPoint(110, 270));
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(s->LinePivot1[1], 1.0f);
    EXPECT_EQ(s->LineType[1], 0.0f);
    EXPECT_FALSE(s->PickPromptOn);
}

TEST_F(LinesDialogTest, OpeningAFileRefreshesTheRows) {
    QTemporaryDir dir;
    auto design = test::BuiltIn();
    design->LineType[3] = 1, design->LineColor[3] = 32768, design->LineRefMode[3] = 0;
    design->LineP2Horz[3] = 2.5f;
    design->CurLineNo = 3;
    const QString path = dir.filePath("Circles.dvt");
    ASSERT_TRUE(SaveDimensionFile(*design, path.toStdString()).ok);
    form->SetFileUi({[path](const FileDialogFacts&) { return path; }, [](const QString&) {}});
    form->Command(Cmd::OpenDimensions);
    dialog->Mirror();
    EXPECT_EQ(dialog->RowLabel(3, 0)->text(), "Circle");
    EXPECT_EQ(dialog->RowLabel(3, 1)->text(), "Green");
    EXPECT_EQ(dialog->Field(3, 3)->text(), "  2.500");
    EXPECT_EQ(Back(3), QColor(0, 255, 255));
}

} // namespace
} // namespace vt

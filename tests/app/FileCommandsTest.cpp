// The file commands of the main window: the facts of the three file dialogs, and the
// menu items from the chosen name to the loaded design, the reverse arm bar and the
// message of a failure.
#include "support/MainFormTest.h"

#include "files/DimFile.h"
#include "model/EditorRules.h"
#include "support/Designs.h"
#include "widgets/FileDialogs.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vt {
namespace {

struct FileCommandsTest : test::MainFormTest {
    QTemporaryDir dir;
    QString answer; // what the next file dialog returns; empty is a cancel
    std::vector<const FileDialogFacts*> asked;
    QStringList reports;
    void SetUp() override {
        MainFormTest::SetUp();
        form->SetFileUi({[this](const FileDialogFacts& f) {
                             asked.push_back(&f);
                             return answer;
                         },
                         [this](const QString& m) { reports << m; }});
    }
    QString Sample(const char* file) const { return QDir(VT_DATA_DIR).filePath(file); }
};

TEST(FileDialogs, TitlesFiltersAndExtensions) {
    const auto save = MakeFileDialog(kSaveDimensionsDialog, nullptr);
    EXPECT_EQ(save->windowTitle(), "Save As.....");
    EXPECT_EQ(save->nameFilters(), (QStringList{"Data File (*.dvt)", "All Files (*.*)"}));
    EXPECT_EQ(save->defaultSuffix(), "dvt");
    EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(save->testOption(QFileDialog::DontConfirmOverwrite));
    const auto open = MakeFileDialog(kOpenDimensionsDialog, nullptr);
    EXPECT_EQ(open->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(open->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(open->defaultSuffix(), "dvt");
    const auto older = MakeFileDialog(kOpenOlderDialog, nullptr);
    EXPECT_EQ(older->nameFilters(), (QStringList{"Data File (*.ovt)", "All Files (*.*)"}));
    EXPECT_EQ(older->fileMode(), QFileDialog::AnyFile); // a name that is not there is allowed
    EXPECT_EQ(older->defaultSuffix(), "ovt");
}

TEST_F(FileCommandsTest, OpenTakesTheDesignAndPutsTheReverseArmBarAtMidGear) {
    Bar("SBRevArm")->setValue(-900);
    EXPECT_EQ(s->DirectionText, "Rev");
    answer = Sample("Long Travel.dvt");
    form->MenuAction(Cmd::OpenDimensions)->trigger();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], &kOpenDimensionsDialog);
    EXPECT_TRUE(reports.isEmpty());
    EXPECT_EQ(s->DataSetName, "Long Travel");
    EXPECT_EQ(s->EccCircleDia, 1.0f);
    EXPECT_EQ(Bar("SBRevArm")->value(), 0);
    EXPECT_EQ(s->RevArmPos, s->RevArmSet[0]);
    EXPECT_EQ(s->DirectionText, "Fwd");
    form->Timer1Timer();
    EXPECT_TRUE(form->windowTitle().contains("Long Travel"));
}

// A bar standing beyond the new design's travel must not pull the gear off mid gear.
TEST_F(FileCommandsTest, BothOpensLeaveTheGearAtMidGearFromABarBeyondTheNewTravel) {
    for (Cmd open : {Cmd::OpenDimensions, Cmd::OpenDosVersionDim}) {
        s->RevArmCentMax = 2;
        SetRevArmBarRange(*s, form->controls());
        form->SharedStateChanged();
        Bar("SBRevArm")->setValue(1800);
        ASSERT_EQ(form->controls().RevArm.Pos, 1800);
        answer = Sample("Nominal.dvt");
        test::AnswerMessageBox(Qt::Key_D); // the changed design is discarded
        form->Command(open);
        EXPECT_EQ(Bar("SBRevArm")->value(), 0);
        EXPECT_EQ(s->RevArmPos, s->RevArmSet[0]);
        EXPECT_FALSE(form->controls().CenterEnabled);
    }
}

TEST_F(FileCommandsTest, FailuresShowTheMessageAndChangeNothing) {
    const std::vector<uint8_t> before = EncodeDesign(*s);
    for (const char* name : {"Missing.dvt", "Missing.ovt"}) {
        answer = dir.filePath(name);
        form->Command(Cmd::OpenDimensions);
        form->Command(Cmd::OpenDosVersionDim);
    }
    answer = dir.filePath("none/New.dvt");
    form->Command(Cmd::SaveAsDimensions);
    EXPECT_EQ(reports, QStringList(5, "File not found"));
    answer.clear(); // cancelled dialogs report nothing
    for (Cmd cmd : {Cmd::OpenDimensions, Cmd::OpenDosVersionDim, Cmd::SaveAsDimensions}) form->Command(cmd);
    EXPECT_EQ(reports.size(), 5);
    EXPECT_EQ(EncodeDesign(*s), before);
    EXPECT_EQ(s->DataSetName, "Nominal");
}

TEST_F(FileCommandsTest, SaveAsWritesTheWholeDesignUnderItsName) {
    s->EccFwdAngle = 63;
    answer = dir.filePath("My Gear.dvt");
    form->MenuAction(Cmd::SaveAsDimensions)->trigger();
    EXPECT_EQ(asked.back(), &kSaveDimensionsDialog);
    EXPECT_TRUE(reports.isEmpty());
    EXPECT_EQ(s->DataSetName, "My Gear");
    QFile saved(answer);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.end()), EncodeDesign(*s));
}

TEST_F(FileCommandsTest, TheOlderImportTakesTheDimensionsOnly) {
    s->GraphicZoom = 20;
    answer = Sample("Crossed Rods.dvt"); // a current file read as an older one
    form->Command(Cmd::OpenDosVersionDim);
    EXPECT_EQ(asked.back(), &kOpenOlderDialog);
    EXPECT_EQ(s->EccFwdAngle, 118.0f);
    EXPECT_EQ(s->GraphicZoom, 20.0f);
    EXPECT_EQ(s->DataSetName, "Crossed Rods");
    EXPECT_EQ(Bar("SBRevArm")->value(), 0);
}

} // namespace
} // namespace vt

// No work lost without a question: with the design changed, quitting (Ctrl+Q, "E&xit",
// the close box), opening, the older import and the reset ask "Save changes to NAME?",
// answered here by key; a save that fails keeps the program and the design.
#include "support/MainFormTest.h"

#include "files/DimFile.h"
#include "widgets/FileDialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace vt {
namespace {

struct SaveQuestionTest : test::MainFormTest {
    QTemporaryDir dir;
    QStringList answers; // what the next file dialogs return, in turn; empty is a cancel
    std::vector<const FileDialogFacts*> asked;
    QStringList reports;
    void SetUp() override {
        MainFormTest::SetUp();
        form->SetFileUi({[this](const FileDialogFacts& f) {
                             asked.push_back(&f);
                             return answers.isEmpty() ? QString() : answers.takeFirst();
                         },
                         [this](const QString& m) { reports << m; }});
        ShowActive();
        s->StrokeLen = 3.5f; // the design changed
        form->Timer1Timer();
    }
    bool Marked() const { return form->windowTitle().startsWith('*'); }
    std::vector<uint8_t> Saved(const QString& path) const {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return {};
        const QByteArray bytes = f.readAll();
        return {bytes.begin(), bytes.end()};
    }
    // A directory nobody may write to; a privileged user writes anywhere but in sysfs.
    QString ReadOnlyTarget() const {
        const QString locked = dir.filePath("locked");
        QDir().mkdir(locked);
        chmod(QFile::encodeName(locked).constData(), 0555);
        QFile probe(locked + "/probe");
        if (!probe.open(QIODevice::WriteOnly)) return locked + "/Gear.dvt";
        probe.remove();
        return "/sys/valvetrace-locked.dvt";
    }
};

TEST_F(SaveQuestionTest, EveryWayOfQuittingAsksAndCancelKeepsTheProgram) {
    ASSERT_TRUE(Marked());
    const std::vector<uint8_t> before = EncodeDesign(*s);
    for (int way = 0; way < 3; ++way) {
        const auto question = test::AnswerMessageBox(Qt::Key_Escape);
        if (way == 0) QTest::keyClick(form.get(), Qt::Key_Q, Qt::ControlModifier);
        if (way == 1) form->MenuAction(Cmd::Exit)->trigger();
        if (way == 2) form->close(); // as the close box
        EXPECT_EQ(*question, "Save changes to Nominal?") << way;
        EXPECT_TRUE(form->isVisible()) << way;
    }
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(EncodeDesign(*s), before);
    EXPECT_TRUE(Marked());
}

TEST_F(SaveQuestionTest, QuitDiscardsOrSavesFirst) {
    test::AnswerMessageBox(Qt::Key_D);
    QTest::keyClick(form.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(asked.empty());

    ShowActive();
    answers << dir.filePath("Quit.dvt");
    test::AnswerMessageBox(Qt::Key_S);
    QTest::keyClick(form.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(form->isVisible());
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], &kSaveDimensionsDialog);
    EXPECT_EQ(Saved(dir.filePath("Quit.dvt")), EncodeDesign(*s));
    EXPECT_EQ(s->DataSetName, "Quit");
}

TEST_F(SaveQuestionTest, AFailedOrCancelledSaveKeepsTheProgramAndTheDesign) {
    const std::vector<uint8_t> before = EncodeDesign(*s);
    answers << ReadOnlyTarget() << QString();
    for (int attempt = 0; attempt < 2; ++attempt) {
        test::AnswerMessageBox(Qt::Key_S);
        QTest::keyClick(form.get(), Qt::Key_Q, Qt::ControlModifier);
        EXPECT_TRUE(form->isVisible()) << attempt;
    }
    ASSERT_EQ(reports.size(), 1); // the cancelled dialog reports nothing
    EXPECT_FALSE(reports[0].isEmpty());
    EXPECT_EQ(EncodeDesign(*s), before);
    EXPECT_EQ(s->DataSetName, "Nominal");
    EXPECT_TRUE(Marked());
}

// Each command that replaces the design, answered each way.
TEST_F(SaveQuestionTest, OpenImportAndResetAskFirst) {
    // A copy, so that a failing run cannot save over the sample.
    const QString sample = dir.filePath("Long Travel.dvt");
    ASSERT_TRUE(QFile::copy(QDir(VT_DATA_DIR).filePath("Long Travel.dvt"), sample));
    for (Cmd cmd : {Cmd::OpenDimensions, Cmd::OpenDosVersionDim, Cmd::ResetAllDimensions}) {
        for (int key : {Qt::Key_Escape, Qt::Key_D, Qt::Key_S}) {
            SCOPED_TRACE(testing::Message() << int(cmd) << " " << key);
            s->StrokeLen = 3.777f; // no sample's stroke
            s->DataSetName = "Mine";
            form->Timer1Timer();
            const std::vector<uint8_t> changed = EncodeDesign(*s);
            asked.clear();
            answers.clear();
            const QString target = dir.filePath(QString("Kept%1.dvt").arg(key));
            if (key == Qt::Key_S) answers << target;
            if (cmd != Cmd::ResetAllDimensions) answers << sample;
            const auto question = test::AnswerMessageBox(key);
            form->Command(cmd);
            EXPECT_EQ(*question, "Save changes to Mine?");
            if (key == Qt::Key_Escape) {
                EXPECT_TRUE(asked.empty());
                EXPECT_EQ(EncodeDesign(*s), changed);
                EXPECT_TRUE(Marked());
                continue;
            }
            EXPECT_EQ(Saved(target), key == Qt::Key_S ? changed : std::vector<uint8_t>());
            EXPECT_NE(s->StrokeLen, 3.777f); // replaced
            EXPECT_FALSE(Marked());
        }
    }
}

} // namespace
} // namespace vt

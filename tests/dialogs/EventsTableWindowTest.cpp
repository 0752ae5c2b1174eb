// The valve events table window: opened from its menu item and tool button, it shows the
// current design's table, copies it, saves the CSV, and says why a save failed.
#include "dialogs/EventsTableWindow.h"

#include "analysis/EventsText.h"
#include "support/MainFormTest.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

#include <algorithm>

namespace vt {
namespace {

struct EventsTableWindowTest : test::MainFormTest {
    QString chosen;
    QStringList reports;
    std::unique_ptr<EventsTableWindow> window;
    void SetUp() override {
        MainFormTest::SetUp();
        window = std::make_unique<EventsTableWindow>(
            *s, FileUi{[this](const FileDialogFacts&) { return chosen; },
                       [this](const QString& m) { reports << m; }},
            form.get());
        MainForm::Dialogs d;
        d.eventsTable = window.get();
        form->SetDialogs(d);
    }
    // Runs a command that opens the window modally; the window is closed from inside.
    void OpenThrough(Cmd cmd) {
        QTimer::singleShot(0, window.get(), [this] { window->accept(); });
        form->Command(cmd);
    }
};

TEST_F(EventsTableWindowTest, MenuItemAndToolButtonOpenTheCurrentDesignsTable) {
    QAction* item = form->MenuAction(Cmd::EventsTable);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "&EventsTable");
    const QList<QAction*> tools = form->findChild<QToolBar*>("ToolBar1")->actions();
    const auto tool = std::find_if(tools.begin(), tools.end(), [](const QAction* a) {
        return a->toolTip() == "View Valve Events Table";
    });
    ASSERT_NE(tool, tools.end());
    QTimer::singleShot(0, window.get(), [this] { window->accept(); });
    (*tool)->trigger();
    EXPECT_TRUE(window->Text().contains("F18  Fwd"));
    s->StrokeLen = 30; // a different design shows a different table at the next opening
    const QString before = window->Text();
    OpenThrough(Cmd::EventsTable);
    EXPECT_NE(window->Text(), before);
    EXPECT_TRUE(window->Text().contains("R18  Rev"));
    EXPECT_EQ(window->Text().toStdString(), FormatEventsText(window->Table()));
}

// Scrolled by keys and by the wheel, the rows move under the column names, which stay
// where they were; every line shows whole, and the named rows say which they are.
TEST_F(EventsTableWindowTest, TheColumnNamesStayInViewAndEveryLineShowsWhole) {
    QTimer::singleShot(0, window.get(), [this] {
        auto* rows = window->findChild<QPlainTextEdit*>("EventsText");
        auto* columns = window->findChild<QPlainTextEdit*>("EventsColumns");
        ASSERT_TRUE(rows && columns);
        const QPoint columnsAt = columns->mapTo(window.get(), QPoint(0, 0));
        const auto topLine = [rows] { return rows->cursorForPosition(QPoint(4, 4)).block(); };
        EXPECT_EQ(topLine().blockNumber(), 0);
        EXPECT_TRUE(test::Wheel(rows->viewport(), -2));
        const int afterWheel = topLine().blockNumber();
        EXPECT_GT(afterWheel, 0);
        QTest::keyClick(rows, Qt::Key_PageDown);
        EXPECT_GT(topLine().blockNumber(), afterWheel);
        EXPECT_TRUE(columns->isVisible());
        EXPECT_EQ(columns->mapTo(window.get(), QPoint(0, 0)), columnsAt);
        EXPECT_TRUE(columns->toPlainText().startsWith("Row  Dir   RevArm  End"));
        EXPECT_TRUE(columns->toPlainText().endsWith("DieSlip  Gear"));
        EXPECT_EQ(rows->horizontalScrollBar()->maximum(), 0); // nothing to scroll to
        const QFontMetrics metrics(rows->font());
        int widest = 0;
        for (const QString& line : rows->toPlainText().split('\n'))
            widest = std::max(widest, metrics.horizontalAdvance(line));
        EXPECT_LE(widest, rows->viewport()->width());
        EXPECT_LE(metrics.horizontalAdvance(columns->toPlainText()), columns->viewport()->width());
        window->accept();
    });
    form->Command(Cmd::EventsTable);
    for (const char* name : {"full forward", "normal forward", "mid gear", "normal reverse",
                             "full reverse"})
        EXPECT_EQ(window->Text().count(name), 1) << name;
}

TEST_F(EventsTableWindowTest, CopyPutsTheListingOnTheClipboard) {
    OpenThrough(Cmd::EventsTable);
    QApplication::clipboard()->clear();
    window->CopyClick();
    EXPECT_EQ(QApplication::clipboard()->text(), window->Text());
}

TEST_F(EventsTableWindowTest, SaveWritesTheCsvAndAFailureSaysWhyAndKeepsTheOldFile) {
    OpenThrough(Cmd::EventsTable);
    QTemporaryDir dir;
    chosen = dir.filePath("events.csv");
    window->SaveCsvClick();
    QFile saved(chosen);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().toStdString(), FormatEventsCsv(window->Table()));
    EXPECT_TRUE(reports.isEmpty());

    chosen = dir.filePath("missing/events.csv"); // a folder that is not there
    window->SaveCsvClick();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].startsWith("The valve events table could not be saved as " + chosen));
    EXPECT_FALSE(QFile::exists(chosen));

    chosen.clear(); // cancelled: nothing happens
    window->SaveCsvClick();
    EXPECT_EQ(reports.size(), 1);
}

} // namespace
} // namespace vt

// The workbench tests' fixture: a sample opened in its window, the file dialogs answered
// by the test, and a value typed into the dimension table as a user edits in place.
#pragma once

#include "support/MainFormTest.h"

#include "workbench/DimensionTable.h"
#include "workbench/LiveEvents.h"
#include "workbench/Workbench.h"
#include "workbench/Workbenches.h"

#include <QDir>
#include <QSlider>
#include <QStyle>
#include <QInputDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace vt::wb {

// Where a mouse presses a horizontal slider to put its handle at value v.
inline QPoint SliderPoint(const QSlider* slider, int v) {
    const int x = QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(), v,
                                                  slider->width() - 12);
    return QPoint(x + 6, slider->height() / 2);
}

struct WorkbenchTest : ::testing::Test {
    QTemporaryDir dir;
    QString answer; // what the next file dialog returns; empty is a cancel
    QStringList reports;
    std::unique_ptr<Workbenches> benches = std::make_unique<Workbenches>();
    Workbench* w = nullptr;

    void SetUp() override {
        benches->SetFileUi({[this](const FileDialogFacts&) { return answer; },
                            [this](const QString& m) { reports << m; }});
        w = Open("Walschaerts.vgear");
        Activate(w);
    }
    void Activate(Workbench* bench) {
        ASSERT_TRUE(bench);
        w = bench;
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }
    Workbench* Open(const char* file) {
        return benches->OpenPath(QDir(VT_DATA_DIR).filePath(file));
    }
    DimensionTable* Table() const { return w->findChild<DimensionTable*>(); }
    int Dim(const char* name) const { return w->Design().Kind->DimensionIndex(name); }
    double Value(const char* name) const { return w->Design().Value(name); }
    // Selects the row and types the text into its value, as a user edits in place.
    void Type(const char* name, const QString& text) {
        DimensionTable* t = Table();
        Activate(w); // a message box may have had the focus
        t->setFocus();
        t->SelectDimension(Dim(name));
        QTest::keyClick(t, Qt::Key_F2);
        QWidget* editor = QApplication::focusWidget();
        ASSERT_TRUE(editor && editor != t);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The delegate commits the edit from the event loop, and the table reports it after.
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    // Lets the event loop run until the notch table answers the design as it now is.
    void WaitForTable() {
        for (int i = 0; i < 500 && !w->Events().TableReady(); ++i)
            QTest::qWait(10);
        ASSERT_TRUE(w->Events().TableReady());
    }
};

// Answers the next choice dialog with this item.
inline void Choose(const QString& item) {
    QTimer::singleShot(50, [item] {
        if (auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget()))
            dialog->setTextValue(item), dialog->accept();
    });
}

} // namespace vt::wb

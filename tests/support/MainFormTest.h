// A fixture with the main window on a fresh state, its timer stopped so that the tests
// tick by hand, and lookups of its controls by name; the wheel and a scroll bar's own
// context menu as a user works them.
#pragma once

#include "app/Main.h"
#include "widgets/ScrollBar.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

namespace vt::test {

struct MainFormTest : ::testing::Test {
    std::unique_ptr<State> s = std::make_unique<State>();
    std::unique_ptr<MainForm> form;
    void SetUp() override {
        form = std::make_unique<MainForm>(*s);
        form->Timer().stop();
    }
    QPushButton* Button(const char* name) const { return form->findChild<QPushButton*>(name); }
    ScrollBar* Bar(const char* name) const { return form->findChild<ScrollBar*>(name); }
    void ShowActive() {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
};

// Answers the next message box with a key once it shows (Key_S saves, Key_D discards,
// Key_Escape cancels); the text it asked is kept in the returned string. A poll that no
// box ever answers belongs to the application, which frees it at the end.
inline std::shared_ptr<QString> AnswerMessageBox(int key) {
    auto asked = std::make_shared<QString>();
    auto* poll = new QTimer(QCoreApplication::instance());
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, asked, key] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        *asked = box->text();
        poll->deleteLater();
        poll->stop();
        QTest::keyClick(box, Qt::Key(key));
    });
    poll->start();
    return asked;
}

// Turns the wheel over a widget by whole notches; whether the widget took the turn.
inline bool Wheel(QWidget* w, int notches) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
    return e.isAccepted();
}

// Opens the widget's context menu and clicks its item `text` (the menu closes unused
// when there is no such item).
inline void ChooseFromContextMenu(QWidget* w, const QString& text) {
    QTimer::singleShot(0, [text] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        for (QAction* a : menu->actions())
            if (a->text() == text) return QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
        menu->close();
    });
    const QPoint at(w->width() / 2, w->height() / 2);
    QContextMenuEvent e(QContextMenuEvent::Mouse, at, w->mapToGlobal(at));
    QApplication::sendEvent(w, &e);
}

} // namespace vt::test

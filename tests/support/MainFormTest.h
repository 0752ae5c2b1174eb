// A fixture with the main window on a fresh state, its timer stopped so that the tests
// tick by hand, and lookups of its controls by name.
#pragma once

#include "app/Main.h"
#include "widgets/ScrollBar.h"

#include <QPushButton>

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
};

} // namespace vt::test

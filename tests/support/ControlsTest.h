// A fixture with the built-in design started up and the main window's control record
// set up for it, for the tests of the control rules.
#pragma once

#include "model/Controls.h"
#include "support/Designs.h"

#include <gtest/gtest.h>

namespace vt::test {

struct ControlsFixture : ::testing::Test {
    CountingState c = BuiltIn();
    Controls k;
    void SetUp() override { InitRevArmBar(*c, k); }
};

} // namespace vt::test

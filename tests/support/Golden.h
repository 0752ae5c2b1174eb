// Golden-image comparison for the tests that draw through the Qt canvas.
// VT_UPDATE_GOLDEN=1 rewrites the golden image; a mismatch writes the actual image and a
// difference image beside the test program.
#pragma once

#include <QImage>

#include <string>

namespace vt::test {

// Compares an image with the committed golden image of that name in `dir`.
void ExpectGolden(const QImage& actual, const std::string& dir, const std::string& name);

} // namespace vt::test

// Golden-image comparison; see Golden.h.
#include "support/Golden.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace vt::test {

void ExpectGolden(const QImage& actual, const std::string& dir, const std::string& name) {
    const std::string path = dir + "/" + name + ".png";
    if (std::getenv("VT_UPDATE_GOLDEN")) {
        ASSERT_TRUE(actual.save(QString::fromStdString(path)));
        GTEST_SKIP() << "golden image rewritten";
    }
    QImage golden(QString::fromStdString(path));
    ASSERT_FALSE(golden.isNull()) << "missing " << path;
    golden = golden.convertToFormat(actual.format());
    ASSERT_EQ(golden.size(), actual.size());
    QImage diff(actual.size(), QImage::Format_RGB32);
    diff.fill(Qt::white);
    int differing = 0;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != golden.pixel(x, y)) {
                ++differing;
                diff.setPixel(x, y, qRgb(255, 0, 0));
            }
    if (differing) {
        actual.save(QString::fromStdString(name + ".actual.png"));
        diff.save(QString::fromStdString(name + ".diff.png"));
    }
    EXPECT_EQ(differing, 0) << "see " << name << ".actual.png and " << name << ".diff.png";
}

} // namespace vt::test

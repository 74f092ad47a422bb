#include "base/clock.h"

#include <gtest/gtest.h>

#include "base/bounded_array.h"

namespace {

TEST(DateFormats, AreZeroPaddedWithPoints) {
    const base::DateTime t{2004, 3, 5, 7, 5, 9};
    EXPECT_EQ(base::FormatDdMmYy(t), "05.03.04");
    EXPECT_EQ(base::FormatDdMmYyyy(t), "05.03.2004");
    EXPECT_EQ(base::FormatHhMmSs(t), "07:05:09");
    EXPECT_EQ(base::FormatHhMmSs({2003, 12, 7, 23, 59, 58}), "23:59:58");
    EXPECT_EQ(base::FormatDdMmYy({2000, 1, 1}), "01.01.00");
}

TEST(BoundedArrays, AnIndexOutsideTheBoundsIsSubscriptOutOfRange) {
    base::Array3<int16_t> cube(1, 10, 1, 15, 1, 35, 7);
    EXPECT_EQ(cube.size(), 5250u);
    cube(10, 15, 35) = 3;
    EXPECT_EQ(cube(10, 15, 35), 3);
    EXPECT_EQ(cube(1, 1, 1), 7);
    for (auto [i, j, k] :
         {std::tuple{0, 1, 1}, {11, 1, 1}, {1, 0, 1}, {1, 16, 1}, {1, 1, 0}, {1, 1, 36}}) {
        try {
            cube(i, j, k);
            FAIL() << i << "," << j << "," << k;
        } catch (const base::RuntimeFailure& failure) {
            EXPECT_EQ(failure.number(), 9);
        }
    }
    base::Array1<float> line(0, 100);
    line(0) = 1.5f;
    line(100) = 2.5f;
    EXPECT_FLOAT_EQ(line(0) + line(100), 4.0f);
    EXPECT_THROW(line(101), base::RuntimeFailure);
    EXPECT_THROW(line(-1), base::RuntimeFailure);
}

}  // namespace

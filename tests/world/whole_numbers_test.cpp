#include "world/whole_numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();
constexpr float kNotANumber = std::numeric_limits<float>::quiet_NaN();

TEST(TruncatedProduct, TruncatesTowardZeroInSinglePrecisionAndStopsAtTheBound) {
  // Columns: value, factor, product.
  struct Row {
    int value;
    float factor;
    int product;
  };
  const Row rows[] = {
      {7, 1.5f, 10},
      {-7, 1.5f, -10},  // toward zero, not down
      {10, 0.7f, 7},    // 7 in single precision, 6.999... in double
      {-10, 0.7f, -7},
      {3, 0.25f, 0},
      {-3, 0.25f, 0},
      {0, 100.0f, 0},
      {20, 0.0f, 0},
      {5'000'000, 99.0f, 495'000'000},
      {5'000'000, 100.0f, kLargestProduct},
      {20'000'000, 100.0f, kLargestProduct},
      {-20'000'000, 100.0f, -kLargestProduct},
      {std::numeric_limits<int>::max(), 100.0f, kLargestProduct},
      {std::numeric_limits<int>::min(), 100.0f, -kLargestProduct},
      {1, kInfinity, kLargestProduct},
      {-1, kInfinity, -kLargestProduct},
      {0, kInfinity, 0},  // not a number
      {12, kNotANumber, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.value) + " x " + std::to_string(row.factor));
    EXPECT_EQ(truncatedProduct(row.value, row.factor), row.product);
  }
}

TEST(TruncatedQuotient, ADivisorOfZeroGivesTheBoundOfTheValuesSign) {
  // Columns: value, divisor, quotient.
  struct Row {
    int value;
    float divisor;
    int quotient;
  };
  const Row rows[] = {
      {10, 0.25f, 40},
      {-7, 2.0f, -3},
      {9, 1.25f, 7},
      {5, 0.0f, kLargestProduct},
      {-5, 0.0f, -kLargestProduct},
      {0, 0.0f, 0},
      {10'000'000, 0.000001f, kLargestProduct},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.value) + " / " + std::to_string(row.divisor));
    EXPECT_EQ(truncatedQuotient(row.value, row.divisor), row.quotient);
  }
}

TEST(TruncatedWhole, HoldsDoublesOfAnySizeAndNotANumber) {
  // Columns: value, whole part.
  struct Row {
    double value;
    int whole;
  };
  const Row rows[] = {
      {10.5, 10},
      {-10.5, -10},
      {-0.9, 0},
      {499'999'999.9, 499'999'999},
      {-499'999'999.9, -499'999'999},
      {1e16, kLargestProduct},
      {-1e300, -kLargestProduct},
      {std::numeric_limits<double>::infinity(), kLargestProduct},
      {std::nan(""), 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.value);
    EXPECT_EQ(truncatedWhole(row.value), row.whole);
  }
}

}  // namespace

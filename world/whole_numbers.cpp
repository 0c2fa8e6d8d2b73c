#include "world/whole_numbers.h"

#include <cmath>

int truncatedWhole(double value) {
  if (std::isnan(value)) return 0;
  if (value >= kLargestProduct) return kLargestProduct;
  if (value <= -kLargestProduct) return -kLargestProduct;
  return static_cast<int>(value);
}

// Each product is rounded to single precision before it is truncated, as the
// game's factors always were: 10 x 0.7f is 7, not the 6 of double precision.
int truncatedProduct(int value, float factor) {
  const float product = static_cast<float>(value) * factor;
  return truncatedWhole(product);
}

int truncatedQuotient(int value, float divisor) {
  const float quotient = static_cast<float>(value) / divisor;
  return truncatedWhole(quotient);
}

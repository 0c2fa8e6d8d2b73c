#pragma once
// The game's products of a whole number and a factor (damage, prices,
// rewards, shown figures) truncate toward zero. A run loaded at the save
// reader's bounds can ask for far more than an int holds (an attack of ten
// million against a defence of minus ten million, doubled by a matchup and
// scaled by two factors of 100), and converting such a float to int is
// undefined. These operations stop at a bound instead.

// The bound of every truncated product. A blow is tripled by a critical after
// its factors, and then a wound, purse or score of up to the run bound
// (10,000,000) is added to or taken from it within the same step:
// 3 x 500,000,000 + 10,000,000 still fits an int, as does a sum of two such
// products. No value of ordinary play comes near it.
inline constexpr int kLargestProduct = 500'000'000;

// `value` truncated toward zero, held to -kLargestProduct..kLargestProduct;
// a value that is not a number (0 times an infinity, 0 / 0) counts as 0.
int truncatedWhole(double value);

// value x factor in single precision, truncated as truncatedWhole does.
int truncatedProduct(int value, float factor);

// value / divisor in single precision, truncated as truncatedWhole does: a
// divisor of 0 gives the bound of the value's sign, or 0 for a value of 0.
int truncatedQuotient(int value, float divisor);

#include "world/random_source.h"

#include <cstdlib>
#include <memory>
#include <random>
#include <stdexcept>

namespace dice {
namespace {

struct Seeded {
  std::mt19937 draws;
  std::mt19937 crands;
};

std::unique_ptr<Seeded> gSeeded;
Script* gScript = nullptr;

std::random_device& device() {
  static std::random_device dev;
  return dev;
}

}  // namespace

std::uint32_t draw() {
  if (gScript) {
    if (gScript->draws_.empty()) throw std::logic_error("scripted random draws ran out");
    const std::uint32_t value = gScript->draws_.front();
    gScript->draws_.pop_front();
    return value;
  }
  if (gSeeded) return static_cast<std::uint32_t>(gSeeded->draws());
  return static_cast<std::uint32_t>(device()());
}

std::uint32_t below(std::uint32_t choices) {
  const std::uint32_t value = draw();
  // A roll among no choices (an emptied list) picks 0 instead of dividing by zero.
  return choices == 0 ? 0 : value % choices;
}

int crand() {
  if (gScript) {
    if (gScript->crands_.empty()) throw std::logic_error("scripted rand() values ran out");
    const int value = gScript->crands_.front();
    gScript->crands_.pop_front();
    return value;
  }
  if (gSeeded) return static_cast<int>(gSeeded->crands() % (static_cast<std::uint32_t>(RAND_MAX) + 1u));
  return std::rand();
}

void csrand(unsigned seed) {
  // A seeded run keeps its own sequence: the clock must not leak into it.
  if (gSeeded || gScript) return;
  std::srand(seed);
}

void useSeed(std::uint64_t seed) {
  gSeeded = std::make_unique<Seeded>();
  gSeeded->draws.seed(static_cast<std::mt19937::result_type>(seed));
  gSeeded->crands.seed(static_cast<std::mt19937::result_type>(seed ^ 0x9e3779b9u));
}

void useDevice() { gSeeded.reset(); }

Script::Script(std::vector<std::uint32_t> draws, std::vector<int> crands)
    : draws_(draws.begin(), draws.end()), crands_(crands.begin(), crands.end()), previous_(gScript) {
  gScript = this;
}

Script::~Script() { gScript = previous_; }

}  // namespace dice

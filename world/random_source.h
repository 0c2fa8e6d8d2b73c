#pragma once
// Every roll of the game goes through here. In play a draw is a fresh value of
// std::random_device and the few rolls the game makes with the C library's
// rand() use rand() itself; the console driver swaps both for one seeded
// generator, and tests can script the exact values a roll will see.
#include <cstdint>
#include <deque>
#include <vector>

namespace dice {

// A fresh unsigned 32-bit value.
std::uint32_t draw();
// draw() reduced modulo `choices` (the game's usual roll); 0 when `choices` is 0.
std::uint32_t below(std::uint32_t choices);
// The C library's rand() and srand(), or their seeded stand-ins.
int crand();
void csrand(unsigned seed);

// Make every later draw and crand() come from generators seeded with `seed`.
void useSeed(std::uint64_t seed);
// Back to the real random device and the C library.
void useDevice();

// While alive, draws and crand() values are taken from these lists in order;
// running out throws std::logic_error, so a test sees a roll it did not expect.
class Script {
 public:
  explicit Script(std::vector<std::uint32_t> draws, std::vector<int> crands = {});
  ~Script();
  Script(const Script&) = delete;
  Script& operator=(const Script&) = delete;

  // Values not consumed yet, for tests that check how many rolls were made.
  std::size_t drawsLeft() const { return draws_.size(); }
  std::size_t crandsLeft() const { return crands_.size(); }

  std::deque<std::uint32_t> draws_;
  std::deque<int> crands_;
  Script* previous_ = nullptr;
};

}  // namespace dice

// Stand-in for a record's own random device: copyable, so records copy whole.
struct RandomDevice {
  std::uint32_t operator()() const { return dice::draw(); }
};

#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model.hpp"

namespace orvane::demo {

// A transcript that grows as fast as the client takes it: blocks are appended, the answer
// at the tail grows, and tool groups spin for a few steps before they finish.
struct Stress {
  std::size_t target = 10'000;
  std::uint64_t steps = 0;
  std::uint32_t random = 0x9E3779B9u;
  std::vector<std::string> running;  // ids of the tool groups still spinning
};

// Makes one change to the model's transcript. False once the transcript has reached its
// target and nothing spins any more.
bool stress_step(Stress& stress, Model& model);

}  // namespace orvane::demo

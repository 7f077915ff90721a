#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "bridge/snapshot.hpp"

namespace orvane::demo {

// What the line says about itself, besides the state.
struct Framing {
  std::uint32_t schema = 1;
  std::uint64_t revision = 0;
  std::uint64_t blocks_from = 0;
};

// `state` as one compact JSON line without its line feed, with `blocks` as its transcript
// (the state's own `blocks`, `schema`, `revision` and `blocks_from` are not read). Keys
// that hold their default are left out, except `restore` and `insert`: the client drops a
// complete snapshot unread only when it finds both written empty.
std::string snapshot_json(const bridge::Snapshot& state, Framing framing,
                          std::span<const bridge::Content> blocks);

}  // namespace orvane::demo

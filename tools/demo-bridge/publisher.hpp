#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "bridge/snapshot.hpp"
#include "transcript.hpp"

namespace orvane::demo {

// Turns states into lines with increasing revisions, sending only the changed tail of the
// transcript where that is safe.
//
// The client drops a complete snapshot unread when a later line waits behind it, so a patch
// may be spliced onto any of the snapshots sent since the last line it was sure to read.
// A patch therefore keeps only the head that all of those agree on (`settled_`).
class Publisher {
 public:
  // The next line for `state` with `transcript` as its blocks (the state's own blocks are
  // not read). Marks the transcript as sent.
  std::string line(const bridge::Snapshot& state, Transcript& transcript);

  std::uint64_t revision() const { return revision_; }

 private:
  std::uint64_t revision_ = 0;
  bool sent_ = false;
  std::uint64_t generation_ = 0;
  std::string page_;
  std::size_t sent_blocks_ = 0;
  std::size_t settled_ = 0;
};

// Up to this many blocks an unchanged transcript goes out in a complete snapshot, which the
// client may skip; a longer one is sent as an empty patch instead of being repeated.
inline constexpr std::size_t kCompleteSnapshotBlocks = 64;

}  // namespace orvane::demo

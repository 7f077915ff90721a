#pragma once
// Takes snapshot lines the way the client does: a complete snapshot with nothing for the
// composer is skipped when a later line of the same batch waits, every other line is
// decoded, checked and spliced onto the snapshot held before it.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <variant>
#include <vector>

#include "bridge/coalesce.hpp"
#include "bridge/decode.hpp"
#include "bridge/patch.hpp"
#include "bridge/snapshot.hpp"

namespace orvane::demo::testing {

struct ClientView {
  bridge::Snapshot current;
  std::size_t decoded = 0;
  std::size_t skipped = 0;

  // False (with a test failure) when a line could not be applied.
  bool apply(const std::vector<std::string>& batch) {
    for (std::size_t i = 0; i < batch.size(); ++i) {
      if (i + 1 < batch.size() && bridge::coalescable(batch[i])) {
        ++skipped;
        continue;
      }
      auto decoded_line = bridge::decode_snapshot(batch[i]);
      if (auto* error = std::get_if<bridge::DecodeError>(&decoded_line)) {
        ADD_FAILURE() << "line does not decode: " << error->message << "\n" << batch[i].substr(0, 300);
        return false;
      }
      auto next = std::get<bridge::Snapshot>(std::move(decoded_line));
      ++decoded;
      if (next.schema != 1 && next.schema != 2) {
        ADD_FAILURE() << "schema " << next.schema;
        return false;
      }
      if (next.revision <= current.revision && current.schema != 0) {
        ADD_FAILURE() << "revision " << next.revision << " after " << current.revision;
        return false;
      }
      if (const auto error = bridge::restore_blocks(next, current)) {
        ADD_FAILURE() << *error << ": blocks_from " << next.blocks_from << " onto " << current.blocks.size()
                      << " blocks";
        return false;
      }
      current = std::move(next);
    }
    return true;
  }
};

// Splits `lines` into batches of the sizes in `pattern`, repeated.
inline std::vector<std::vector<std::string>> batches(const std::vector<std::string>& lines,
                                                     const std::vector<std::size_t>& pattern) {
  std::vector<std::vector<std::string>> result;
  std::size_t at = 0;
  for (std::size_t k = 0; at < lines.size(); ++k) {
    const std::size_t size = std::max<std::size_t>(1, pattern[k % pattern.size()]);
    result.emplace_back(lines.begin() + static_cast<std::ptrdiff_t>(at),
                        lines.begin() + static_cast<std::ptrdiff_t>(std::min(lines.size(), at + size)));
    at += size;
  }
  return result;
}

}  // namespace orvane::demo::testing

#pragma once
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "bridge/snapshot.hpp"

namespace orvane::demo {

// The blocks of one transcript, with the first index that changed since they were last
// sent. Every change goes through here so that a patch never misses one.
class Transcript {
 public:
  const std::vector<bridge::Content>& blocks() const { return blocks_; }
  std::size_t size() const { return blocks_.size(); }

  void append(bridge::Content block);
  bridge::Content& edit(std::size_t index);
  // The block with this id, searched from the end where the live blocks are.
  std::optional<std::size_t> index_of(std::string_view id) const;
  bridge::Content* edit_id(std::string_view id);
  void assign(std::vector<bridge::Content> blocks);

  // First block that differs from the last sent transcript; size() when none does.
  std::size_t changed_from() const { return changed_from_; }
  void mark_sent() { changed_from_ = blocks_.size(); }

 private:
  std::vector<bridge::Content> blocks_;
  std::size_t changed_from_ = 0;
};

}  // namespace orvane::demo

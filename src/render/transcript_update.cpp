#include "render/transcript_update.hpp"

#include <algorithm>
#include <chrono>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "render/same_block.hpp"
#include "transcript/build.hpp"
#include "transcript/text_lines.hpp"

namespace orvane::render {

namespace {

// Parts are kept only for the blocks this close to the end, and for this many blocks in
// all pages together, so that memory stays bounded however long the transcripts get.
constexpr std::size_t kKeptBlocks = 16384;
constexpr std::size_t kKeptParts = 32768;

// Hint blocks go blank while the user types, so the hints do not show through the text
// being written; they keep their height so the transcript does not jump.
bool blanked(const bridge::Content& block, bool composer_typed) {
  return composer_typed && block.kind == "hints";
}

std::string blank_lines(std::string_view text) {
  const std::size_t count = transcript::text_lines(text).size();
  std::string out;
  for (std::size_t i = 0; i < count; ++i) out += i == 0 ? "\t" : "\n\t";
  return out;
}

std::shared_ptr<const Part> built_part(const bridge::Content& block, std::uint16_t width,
                                       bool blank, const Palette& palette) {
  std::vector<transcript::TranscriptLine> laid;
  if (blank) {
    bridge::Content copy = block;
    copy.text = blank_lines(block.text);
    laid = transcript::build(copy, width, palette);
  } else {
    laid = transcript::build(block, width, palette);
  }
  std::vector<tui::Line> lines;
  std::vector<std::optional<bridge::JsonValue>> actions;
  lines.reserve(laid.size());
  actions.reserve(laid.size());
  for (transcript::TranscriptLine& line : laid) {
    lines.push_back(std::move(line.line));
    actions.push_back(std::move(line.click));
  }
  return std::make_shared<const Part>(Part{
      block, std::make_shared<const std::vector<tui::Line>>(std::move(lines)),
      std::make_shared<const std::vector<std::optional<bridge::JsonValue>>>(std::move(actions)),
      width, blank});
}

// A part may stand for a block equal to its own only when it was laid out at this width
// with the hints shown or blanked as the composer now wants.
bool fits(const Part& part, const bridge::Content& block, std::uint16_t width, bool composer_typed) {
  return part.width == width && part.blanked == blanked(block, composer_typed);
}

bool fits(const PlacedBlock& placed, const bridge::Content& block, std::uint16_t width,
          bool composer_typed) {
  return placed.width == width && placed.blanked == blanked(block, composer_typed);
}

bool reusable(const Part& part, const bridge::Content& block, std::uint16_t width,
              bool composer_typed) {
  return fits(part, block, width, composer_typed) && same_block(part.block, block);
}

// `same_block` of the placed block's own and `block`; tagged blocks are decided by the
// tags kept beside the part.
bool same_as_placed(const PlacedBlock& placed, const bridge::Content& block) {
  if (!placed.rev.empty() && !block.rev.empty()) {
    return placed.id == block.id && placed.rev == block.rev;
  }
  return same_block(placed.part->block, block);
}

PlacedBlock placed_block(const std::shared_ptr<const Part>& part) {
  return {part, part->block.id, part->block.rev, part->width, part->blanked};
}

// How many leading blocks are the same as the ones the parts were built from; the first
// `known_same` are so without comparing.
std::size_t same_prefix(const std::vector<PlacedBlock>& placed,
                        const std::vector<bridge::Content>& blocks, std::size_t known_same) {
  const std::size_t count = std::min(placed.size(), blocks.size());
  std::size_t same = std::min(known_same, count);
  while (same < count && same_as_placed(placed[same], blocks[same])) ++same;
  return same;
}

// The index of the first block whose part is kept in the part map.
std::size_t first_kept(std::size_t count) {
  return count > kKeptBlocks ? count - kKeptBlocks : 0;
}

// The position is part of the key: the same id at another index is another part.
std::string part_key(const std::string& page, const std::string& id, std::size_t index) {
  return page + id + ":" + std::to_string(index);
}

// Lays out every block that no part in the map can stand for and assembles the lines from
// the parts. This is the way in when the lines do not hold this page's blocks in order:
// the first frame, after a reset, after plain lines, or on another page.
void relayout_keyed(Cache& cache, const std::vector<bridge::Content>& blocks, bool composer_typed,
                    std::uint16_t width, const Palette& palette) {
  auto old = std::exchange(cache.parts, {});
  cache.parts.reserve(std::min(blocks.size(), kKeptBlocks));
  std::vector<PlacedBlock> placed;
  std::vector<Indexed<tui::Line>::Part> line_parts;
  std::vector<Indexed<std::optional<bridge::JsonValue>>::Part> action_parts;
  placed.reserve(blocks.size());
  line_parts.reserve(blocks.size());
  action_parts.reserve(blocks.size());
  const std::string page = cache.page_key + "|";
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const bridge::Content& block = blocks[i];
    std::string key = part_key(page, block.id, i);
    auto node = old.extract(key);
    std::shared_ptr<const Part> part;
    if (node && reusable(*node.mapped(), block, width, composer_typed)) {
      part = node.mapped();
    } else {
      part = built_part(block, width, blanked(block, composer_typed), palette);
      ++cache.built_blocks;
    }
    line_parts.push_back(part->lines);
    action_parts.push_back(part->actions);
    placed.push_back(placed_block(part));
    if (i < first_kept(blocks.size())) continue;
    if (node) {
      node.mapped() = std::move(part);
      cache.parts.insert(std::move(node));
    } else {
      cache.parts.emplace(std::move(key), std::move(part));
    }
  }
  cache.lines.set_parts(std::move(line_parts));
  cache.actions.set_parts(std::move(action_parts));
  cache.blocks = std::move(placed);

  // Other pages keep their parts for when the user comes back to them, within the bound;
  // parts of this page that were not reused are stale.
  if (old.size() + cache.parts.size() <= kKeptParts) {
    for (auto it = old.begin(); it != old.end();) {
      const auto next = std::next(it);
      if (!it->first.starts_with(page)) cache.parts.insert(old.extract(it));
      it = next;
    }
  }
}

// Lays out again only the blocks that changed, in place. The lines hold this page's parts
// in block order and the map holds exactly those of the last kKeptBlocks blocks, so the
// part at the same index is the one the map would give; the first `same` blocks are
// known to be unchanged. Unchanged blocks cost neither a map lookup nor a reference
// count, which keeps a frame after one new block cheap under a long transcript.
void relayout_in_place(Cache& cache, const std::vector<bridge::Content>& blocks, std::size_t same,
                       bool composer_typed, std::uint16_t width, const Palette& palette) {
  const std::size_t old_count = cache.blocks.size();
  const std::size_t count = blocks.size();
  const std::size_t old_first = first_kept(old_count);
  const std::size_t first = first_kept(count);
  // When only the composer changed, the blocks too far from the end to keep a part in
  // the map still have their parts here, and those that do not show hints stay.
  const bool only_typed = same == old_count && same == count && cache.width == width;
  const std::string page = cache.page_key + "|";
  const std::size_t other_pages = cache.parts.size() - (old_count - old_first);
  std::size_t reused_from_map = 0;

  std::vector<PlacedBlock>& placed = cache.blocks;
  auto& line_parts = cache.lines.parts;
  auto& action_parts = cache.actions.parts;
  for (std::size_t i = std::max(count, old_first); i < old_count; ++i) {
    cache.parts.erase(part_key(page, placed[i].id, i));
  }
  std::size_t first_changed = std::min(count, old_count);
  placed.resize(count);
  line_parts.resize(count);
  action_parts.resize(count);

  for (std::size_t i = 0; i < count; ++i) {
    const bridge::Content& block = blocks[i];
    const bool in_map = i < old_count && i >= old_first;
    const bool keep = i >= first;
    if (in_map || (only_typed && i < old_count)) {
      if (fits(placed[i], block, width, composer_typed) &&
          (i < same || same_as_placed(placed[i], block))) {
        if (in_map) ++reused_from_map;
        if (in_map && !keep) cache.parts.erase(part_key(page, block.id, i));
        continue;
      }
    }
    auto part = built_part(block, width, blanked(block, composer_typed), palette);
    ++cache.built_blocks;
    if (in_map && (!keep || placed[i].id != block.id)) {
      cache.parts.erase(part_key(page, placed[i].id, i));
    }
    if (keep) cache.parts.insert_or_assign(part_key(page, block.id, i), part);
    line_parts[i] = part->lines;
    action_parts[i] = part->actions;
    placed[i] = placed_block(part);
    first_changed = std::min(first_changed, i);
  }
  cache.lines.recount_from(first_changed);
  cache.actions.recount_from(first_changed);

  // The same bound on the parts of other pages as when the map is rebuilt: the old
  // entries not reused and the new ones together.
  const std::size_t left_over = other_pages + (old_count - old_first) - reused_from_map;
  if (left_over + (count - first) > kKeptParts) {
    std::erase_if(cache.parts, [&](const auto& entry) { return !entry.first.starts_with(page); });
  }
}

}  // namespace

void update_transcript(Cache& cache, const bridge::Snapshot& snapshot, bool composer_typed,
                       std::uint16_t width, const Palette& palette, std::size_t known_same) {
  cache.update_time = {};
  cache.built_blocks = 0;
  cache.composer_typed = composer_typed;
  cache.page_key = snapshot.agent_page;
  const std::vector<bridge::Content>& blocks = snapshot.blocks;
  if (blocks.empty()) {
    cache.update(snapshot.lines, width, palette);
    return;
  }
  const std::size_t same = same_prefix(cache.blocks, blocks, known_same);
  const bool unchanged = same == cache.blocks.size() && same == blocks.size() &&
                         cache.plain_source.empty() && cache.width == width;
  if (unchanged && composer_typed == cache.built_typed) return;

  const auto start = std::chrono::steady_clock::now();
  cache.built_typed = composer_typed;
  if (!cache.blocks.empty() && cache.built_page == cache.page_key) {
    relayout_in_place(cache, blocks, same, composer_typed, width, palette);
  } else {
    relayout_keyed(cache, blocks, composer_typed, width, palette);
  }
  cache.built_page = cache.page_key;
  cache.plain_source.clear();
  cache.width = width;
  cache.update_time = std::chrono::steady_clock::now() - start;
}

}  // namespace orvane::render

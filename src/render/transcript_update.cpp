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

bool reusable(const Part& part, const bridge::Content& block, std::uint16_t width,
              bool composer_typed) {
  return part.width == width && part.blanked == blanked(block, composer_typed) &&
         same_block(part.block, block);
}

// The lines were built from these very blocks at this width.
bool same_blocks(const Cache& cache, const std::vector<bridge::Content>& blocks,
                 std::uint16_t width) {
  return cache.plain_source.empty() && cache.width == width &&
         std::equal(cache.blocks.begin(), cache.blocks.end(), blocks.begin(), blocks.end(),
                    same_block);
}

// The position is part of the key: the same id at another index is another part.
std::string part_key(const std::string& page, const bridge::Content& block, std::size_t index) {
  return page + block.id + ":" + std::to_string(index);
}

// Lays out every block whose part cannot be reused and assembles the lines from the parts.
void relayout_blocks(Cache& cache, const std::vector<bridge::Content>& blocks, bool composer_typed,
                     std::uint16_t width, const Palette& palette) {
  auto old = std::exchange(cache.parts, {});
  cache.parts.reserve(std::min(blocks.size(), kKeptBlocks));
  std::vector<Indexed<tui::Line>::Part> line_parts;
  std::vector<Indexed<std::optional<bridge::JsonValue>>::Part> action_parts;
  line_parts.reserve(blocks.size());
  action_parts.reserve(blocks.size());
  const std::string page = cache.page_key + "|";
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const bridge::Content& block = blocks[i];
    std::string key = part_key(page, block, i);
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
    if (i + kKeptBlocks < blocks.size()) continue;
    if (node) {
      node.mapped() = std::move(part);
      cache.parts.insert(std::move(node));
    } else {
      cache.parts.emplace(std::move(key), std::move(part));
    }
  }
  cache.lines.set_parts(std::move(line_parts));
  cache.actions.set_parts(std::move(action_parts));

  // Other pages keep their parts for when the user comes back to them, within the bound;
  // parts of this page that were not reused are stale.
  if (old.size() + cache.parts.size() <= kKeptParts) {
    for (auto it = old.begin(); it != old.end();) {
      const auto next = std::next(it);
      if (!it->first.starts_with(page)) cache.parts.insert(old.extract(it));
      it = next;
    }
  }

  cache.plain_source.clear();
  cache.blocks = blocks;
  cache.width = width;
}

// Lays out again only the hint blocks, the only ones whose lines depend on whether the
// composer holds text. The lines hold one part per block, in block order, so the others
// stay where they are; this keeps the first key typed under a long transcript cheap.
void relayout_hints(Cache& cache, const std::vector<bridge::Content>& blocks, bool composer_typed,
                    std::uint16_t width, const Palette& palette) {
  auto line_parts = cache.lines.parts;
  auto action_parts = cache.actions.parts;
  const std::string page = cache.page_key + "|";
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const bridge::Content& block = blocks[i];
    if (block.kind != "hints") continue;
    auto part = built_part(block, width, blanked(block, composer_typed), palette);
    ++cache.built_blocks;
    line_parts[i] = part->lines;
    action_parts[i] = part->actions;
    if (i + kKeptBlocks >= blocks.size()) cache.parts[part_key(page, block, i)] = std::move(part);
  }
  cache.lines.set_parts(std::move(line_parts));
  cache.actions.set_parts(std::move(action_parts));
}

}  // namespace

void update_transcript(Cache& cache, const bridge::Snapshot& snapshot, bool composer_typed,
                       std::uint16_t width, const Palette& palette) {
  cache.update_time = {};
  cache.built_blocks = 0;
  cache.composer_typed = composer_typed;
  cache.page_key = snapshot.agent_page;
  const std::vector<bridge::Content>& blocks = snapshot.blocks;
  if (blocks.empty()) {
    cache.update(snapshot.lines, width, palette);
    return;
  }
  const bool same = same_blocks(cache, blocks, width);
  if (same && composer_typed == cache.built_typed) return;

  const auto start = std::chrono::steady_clock::now();
  cache.built_typed = composer_typed;
  if (same) {
    relayout_hints(cache, blocks, composer_typed, width, palette);
  } else {
    relayout_blocks(cache, blocks, composer_typed, width, palette);
  }
  cache.update_time = std::chrono::steady_clock::now() - start;
}

}  // namespace orvane::render

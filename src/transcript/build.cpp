#include "transcript/build.hpp"

#include <algorithm>
#include <string>
#include <string_view>

#include "transcript/diff.hpp"
#include "transcript/layouts.hpp"
#include "transcript/user.hpp"

namespace orvane::transcript {

namespace {

using Layout = void (*)(std::vector<TranscriptLine>&, const bridge::Content&, std::size_t,
                        const render::Palette&);

struct Kind {
  std::string_view name;
  Layout layout;
};

constexpr Kind kKinds[] = {
    {"user", user},
    {"diff", diff},
    {"tool", tool_lines},
    {"tool_group", tool_group},
    {"thought", thought},
    {"agent", agent_heading},
    {"context", context_badge},
    {"context_header", context_strip},
    {"collapsed", collapsed_block},
    {"markdown", markdown_text},
    {"summary", summary},
    {"hints", hints},
    {"error", error_text},
};

Layout layout(std::string_view kind) {
  for (const Kind& k : kKinds) {
    if (k.name == kind) return k.layout;
  }
  return generic_block;
}

}  // namespace

std::string flowed(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i] == '\n' ? ' ' : text[i];
  }
  return out;
}

void append_block(std::vector<TranscriptLine>& out, const bridge::Content& block, std::size_t width,
                  const render::Palette& palette) {
  out.resize(out.size() + block.gap);
  layout(block.kind)(out, block, width, palette);
}

std::vector<TranscriptLine> build(const bridge::Content& block, std::uint16_t width,
                                  const render::Palette& palette) {
  std::vector<TranscriptLine> out;
  append_block(out, block, std::max<std::size_t>(width, 8), palette);
  return out;
}

}  // namespace orvane::transcript

#pragma once
#include <cstddef>
#include <string_view>

namespace orvane::unicode {

// Terminal columns of one extended grapheme cluster: 0, 1 or 2. This is the only
// measure of text in the client: wrapping, truncation, layout and the cell buffer
// all use it, so that what is measured is what gets drawn.
//
// The rule, chosen to match what current terminals draw:
//  - a cluster holding any control character (Cc) is 0 wide and is never drawn;
//  - a pair of regional indicators (a flag) is 2;
//  - an emoji sequence joined by U+200D, or an emoji followed by U+FE0F, is 2;
//  - otherwise the width of the cluster's first code point: 2 for East Asian wide
//    and fullwidth characters, 0 for combining and zero-width characters, else 1.
std::size_t cluster_width(std::string_view cluster);

// Sum of the widths of the clusters of `text`.
std::size_t text_width(std::string_view text);

}  // namespace orvane::unicode

#pragma once

#include <optional>
#include <string_view>

#include "bridge/snapshot.hpp"

namespace orvane::bridge {

inline constexpr std::string_view kInvalidPatchOffset = "invalid transcript patch offset";
inline constexpr std::string_view kPatchCrossesSessionPage =
    "transcript patch crosses session/page";

// Why the transcript patch of `incoming` (schema 2) cannot be spliced onto `current`:
// it starts past the end of the current transcript, or keeps a head that belongs to
// another generation or page. None for a splice that works, and for schema 1.
[[nodiscard]] std::optional<std::string_view> patch_error(const Snapshot& incoming,
                                                          const Snapshot& current);

// Makes the `blocks` of a schema-2 `incoming` the whole transcript: the first
// `blocks_from` blocks of `current`, moved, followed by the patch. `current` is left
// without blocks. On a patch_error nothing changes and the error is returned.
[[nodiscard]] std::optional<std::string_view> restore_blocks(Snapshot& incoming, Snapshot& current);

}  // namespace orvane::bridge

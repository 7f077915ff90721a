#pragma once

#include <string_view>

namespace orvane::bridge {

// True when `line` may be dropped unread as long as a later line of the same batch is
// waiting: a complete (schema 1) snapshot with no text for the composer, which the later
// line supersedes. The test is textual and relies on the bridge writing compact JSON: the
// line must contain `"schema":1`, `"restore":""` and `"insert":""`. A schema-2 patch, or
// the same keys written with spaces, is never dropped.
bool coalescable(std::string_view line);

}  // namespace orvane::bridge

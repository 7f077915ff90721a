#pragma once
#include <string>
#include <string_view>

namespace orvane::input {

// The pasted text without control characters other than tab and line feed, so that
// nothing pasted can act on the terminal and a CR LF line break becomes one line feed.
std::string cleaned_paste(std::string_view text);

}  // namespace orvane::input

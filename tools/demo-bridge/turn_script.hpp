#pragma once
#include <string_view>
#include <vector>

#include "model.hpp"

namespace orvane::demo {

// What the agent does after message `number` of the current conversation. Words in the
// message pick variants: "question" asks a question, "error" ends in an error, "long"
// streams a long answer and edits a second file.
std::vector<Step> turn_script(const Model& model, std::uint32_t number, std::string_view text);

// True when the lower-case `word` occurs in `text` as a whole word, ignoring case.
bool mentions(std::string_view text, std::string_view word);

}  // namespace orvane::demo

#pragma once
#include <optional>
#include <string>

#include "model.hpp"
#include "publisher.hpp"

namespace orvane::demo {

// The line that sends what changed, or none when nothing did. Fields the client acts on
// once (restore, insert, the completion answer) are cleared once sent.
std::optional<std::string> take_line(Model& model, Publisher& publisher);

}  // namespace orvane::demo

#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model.hpp"

namespace orvane::demo {

// Candidates for the word at the composer's cursor: slash commands for "/", the entries of
// a directory under `root` for "@" (directories end in "/", hidden entries only when the
// word asks for them), model names in the arguments of "/model". Paths leading out of
// `root` get none.
std::vector<std::string> completion_candidates(const std::filesystem::path& root,
                                               const std::vector<ModelInfo>& models, std::string_view word,
                                               std::string_view prefix);

// Answers the client's "complete" request in the next snapshot.
void complete(Model& model, std::string_view word, std::string_view prefix);

}  // namespace orvane::demo

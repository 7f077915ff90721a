#include "completion.hpp"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "texts.hpp"

namespace orvane::demo {

namespace {

constexpr std::size_t kMaxCandidates = 200;

bool starts_with_folded(std::string_view text, std::string_view start) {
  if (start.size() > text.size()) return false;
  for (std::size_t i = 0; i < start.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(start[i]))) {
      return false;
    }
  }
  return true;
}

std::vector<std::string> file_candidates(const std::filesystem::path& root, std::string_view relative) {
  const std::size_t slash = relative.rfind('/');
  const std::string_view directory = slash == std::string_view::npos ? "" : relative.substr(0, slash + 1);
  const std::string_view leaf = slash == std::string_view::npos ? relative : relative.substr(slash + 1);
  const std::filesystem::path path(directory);
  if (path.is_absolute()) return {};
  for (const auto& part : path) {
    if (part == "..") return {};
  }

  std::vector<std::string> candidates;
  std::error_code error;
  for (std::filesystem::directory_iterator it(root / path, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.starts_with('.') && !leaf.starts_with('.')) continue;
    if (!starts_with_folded(name, leaf)) continue;
    std::error_code type_error;
    const bool directory_entry = it->is_directory(type_error);
    candidates.push_back(std::string(directory) + name + (directory_entry ? "/" : ""));
  }
  std::sort(candidates.begin(), candidates.end());
  if (candidates.size() > kMaxCandidates) candidates.resize(kMaxCandidates);
  return candidates;
}

}  // namespace

std::vector<std::string> completion_candidates(const std::filesystem::path& root,
                                               const std::vector<ModelInfo>& models, std::string_view word,
                                               std::string_view prefix) {
  std::vector<std::string> candidates;
  if (word.starts_with('@')) {
    while (word.starts_with('@')) word.remove_prefix(1);
    return file_candidates(root, word);
  }
  if (word.starts_with('/') && prefix.size() == word.size()) {
    for (std::string_view command : kSlashCommands) {
      if (command.starts_with(word)) candidates.emplace_back(command);
    }
    return candidates;
  }
  if (prefix.starts_with("/model ")) {
    for (const ModelInfo& info : models) {
      if (starts_with_folded(info.name, word)) candidates.push_back(info.name);
    }
  }
  return candidates;
}

void complete(Model& model, std::string_view word, std::string_view prefix) {
  model.view.completions = completion_candidates(model.root, model.models, word, prefix);
  model.view.completion_query = word;
  model.view.completion_prefix = prefix;
  model.changed = true;
}

}  // namespace orvane::demo

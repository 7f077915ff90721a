#include "completion.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

namespace orvane::demo {
namespace {

class CompletionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = std::filesystem::temp_directory_path() / ("orvane-demo-completion-" + std::to_string(::getpid()));
    std::filesystem::create_directories(root_ / "src" / "app");
    for (const char* file : {"src/main.cpp", "src/Makefile", "README.md", ".hidden"}) std::ofstream(root_ / file) << "x";
  }
  void TearDown() override { std::filesystem::remove_all(root_); }

  std::vector<std::string> complete(std::string_view word, std::string_view prefix) const {
    return completion_candidates(root_, models_, word, prefix);
  }

  std::filesystem::path root_;
  std::vector<ModelInfo> models_ = {{"anthropic", "claude-opus-4-1", 1}, {"openai", "gpt-5", 1}, {"openai", "gpt-5-mini", 1}};
};

TEST_F(CompletionTest, AnswersEachKindOfWord) {
  struct Case {
    std::string_view word;
    std::string_view prefix;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"@", "see @", {"README.md", "src/"}},
      {"@sr", "@sr", {"src/"}},
      {"@src/", "@src/", {"src/Makefile", "src/app/", "src/main.cpp"}},
      {"@src/MA", "@src/MA", {"src/Makefile", "src/main.cpp"}},
      {"@@src/app", "@@src/app", {"src/app/"}},
      {"@.", "@.", {".hidden"}},
      {"@../", "@../", {}},
      {"@src/../../", "@src/../../", {}},
      {"@/etc/", "@/etc/", {}},
      {"@missing/", "@missing/", {}},
      {"/mo", "/mo", {"/model"}},
      {"/ne", "hello /ne", {}},
      {"gp", "/model gp", {"gpt-5", "gpt-5-mini"}},
      {"gp", "see gp", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(complete(c.word, c.prefix), c.expected) << c.prefix;
  EXPECT_EQ(complete("/", "/").size(), 14u);
}

}  // namespace
}  // namespace orvane::demo

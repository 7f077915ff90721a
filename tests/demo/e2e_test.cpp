// orvane-demo runs the real client inside tmux, and the test looks at the pane as a person
// would: the welcome hints, a message in its bubble, a tool group that spins and then shows
// its output, a permission prompt answered by its key, the markdown answer, a model picked
// from the models panel, both sidebars, and the shell screen back after Ctrl+q.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "tmux.hpp"

namespace orvane::demo {
namespace {

using testing::Tmux;

// Whether one pane row holds every part.
bool row_holds(const std::string& pane, std::initializer_list<std::string_view> parts) {
  std::istringstream rows(pane);
  for (std::string row; std::getline(rows, row);) {
    if (std::all_of(parts.begin(), parts.end(), [&](std::string_view part) { return row.find(part) != row.npos; })) {
      return true;
    }
  }
  return false;
}

// Whether the row holding `text` shows a spinner frame.
bool spins(const std::string& pane, std::string_view text) {
  for (std::string_view frame : {"⠋", "⠙", "⠹", "⠸", "⠼", "⠴", "⠦", "⠧", "⠇", "⠏"}) {
    if (row_holds(pane, {text, frame})) return true;
  }
  return false;
}

std::string file_text(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!Tmux::installed()) GTEST_SKIP() << "tmux is not installed (make test installs it)";
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string log() const { return file_text(dir_ / "demo.log"); }

  // The shell command that runs the demo with `options`, logging to the test's folder, then
  // prints its exit status and keeps the pane open.
  std::string demo_command(const std::string& options) const {
    return std::string(ORVANE_DEMO_PATH) + " " + options + " --log " + (dir_ / "demo.log").string() +
           "; echo demo-exit=$?; exec sleep 600";
  }

  const std::filesystem::path dir_ =
      std::filesystem::temp_directory_path() / ("orvane-demo-e2e-" + std::to_string(::getpid()));
};

TEST_F(EndToEnd, ATurnAsAPersonSeesIt) {
  // At quarter speed each state stays on screen for seconds, long enough for a loaded
  // machine to see it. The edit goes ahead without its permission prompt, which the next
  // test answers. The client is the orvane-tui beside orvane-demo.
  Tmux tmux;
  const std::string command = "printf 'before the demo\\n'; " + demo_command("--allow-edits --speed 0.25");
  if (!tmux.start(command, 120, 40)) GTEST_SKIP() << "tmux cannot start a server here";
  std::string pane;

  ASSERT_TRUE(tmux.wait_for([](const std::string& p) {
    return p.find("send a message") != std::string::npos && p.find("quit") != std::string::npos;
  }, pane)) << "the welcome hints\n" << pane << log();

  tmux.type("hello from tmux");
  tmux.key("Enter");
  ASSERT_TRUE(tmux.wait_for([](const std::string& p) {
    return row_holds(p, {"hello from tmux", "#1"});
  }, pane)) << "the message in its bubble, numbered\n" << pane << log();

  EXPECT_TRUE(tmux.wait_for([](const std::string& p) { return spins(p, "Exploring the workspace"); }, pane))
      << "the tool group spins while it runs\n" << pane;
  EXPECT_TRUE(tmux.wait_for([](const std::string& p) {
    return row_holds(p, {"Explored 3 items"}) && !spins(p, "Explored 3 items") &&
           row_holds(p, {"size", "612 B"});
  }, pane)) << "the finished group with its output\n" << pane;

  EXPECT_TRUE(tmux.wait_for([](const std::string& p) {
    return row_holds(p, {"French", "Bonjour, Ada !"}) &&
           p.find("format string syntax") != std::string::npos && p.find("Worked for") != std::string::npos;
  }, pane)) << "the markdown answer with its table and link, then the summary\n" << pane;

  tmux.key("C-q");
  ASSERT_TRUE(tmux.wait_for_text("demo-exit=0", pane)) << pane << log();
  EXPECT_NE(pane.find("before the demo"), std::string::npos) << "the shell screen is back\n" << pane;
  EXPECT_EQ(pane.find("send a message"), std::string::npos) << pane;
}

TEST_F(EndToEnd, APermissionPromptAnsweredByItsKey) {
  Tmux tmux;
  if (!tmux.start(demo_command(""), 120, 40)) GTEST_SKIP() << "tmux cannot start a server here";
  std::string pane;
  ASSERT_TRUE(tmux.wait_for_text("send a message", pane)) << pane << log();

  tmux.type("please edit the greeting");
  tmux.key("Enter");
  ASSERT_TRUE(tmux.wait_for([](const std::string& p) {
    return p.find("Permission requested") != std::string::npos && row_holds(p, {"[y]", "Allow once"}) &&
           row_holds(p, {"[e]", "(unavailable)"});
  }, pane)) << "the permission prompt with its choices\n" << pane << log();

  // The disabled choice does not answer; its allowed neighbour does.
  tmux.type("e");
  tmux.type("y");
  EXPECT_TRUE(tmux.wait_for([](const std::string& p) {
    return p.find("Permission requested") == std::string::npos && p.find("Worked for") != std::string::npos;
  }, pane)) << "the prompt gone and the turn finished\n" << pane << log();
  const std::string bridge_log = log();
  EXPECT_NE(bridge_log.find("answered: allow"), std::string::npos) << bridge_log;
  EXPECT_EQ(bridge_log.find("answered: edit"), std::string::npos) << bridge_log;

  tmux.key("C-q");
  EXPECT_TRUE(tmux.wait_for_text("demo-exit=0", pane)) << pane << log();
}

TEST_F(EndToEnd, AModelPickedFromTheModelsPanel) {
  Tmux tmux;
  if (!tmux.start(demo_command(""), 120, 40)) GTEST_SKIP() << "tmux cannot start a server here";
  std::string pane;
  ASSERT_TRUE(tmux.wait_for_text("send a message", pane)) << pane << log();
  ASSERT_TRUE(row_holds(pane, {"claude-sonnet-4-5"})) << "the model in use\n" << pane;

  tmux.type("/model");
  tmux.key("Enter");
  ASSERT_TRUE(tmux.wait_for([](const std::string& p) {
    return row_holds(p, {"Models", "by provider"}) && row_holds(p, {"Filter"}) && row_holds(p, {"anthropic"}) &&
           row_holds(p, {"\u25b8", "claude-opus-4-1"});
  }, pane)) << "the grouped model list, the first model selected\n" << pane << log();

  tmux.type("haiku");
  ASSERT_TRUE(tmux.wait_for([](const std::string& p) {
    return row_holds(p, {"Filter haiku"}) && row_holds(p, {"\u25b8", "claude-haiku-4-5"}) &&
           !row_holds(p, {"gpt-5"});
  }, pane)) << "the list filtered to one model\n" << pane << log();

  tmux.key("Enter");
  EXPECT_TRUE(tmux.wait_for([](const std::string& p) {
    return !row_holds(p, {"Filter"}) && row_holds(p, {"claude-haiku-4-5 anthropic"});
  }, pane)) << "the panel closed and the composer showing the picked model\n" << pane << log();
  EXPECT_NE(log().find("model set to anthropic / claude-haiku-4-5"), std::string::npos) << log();

  tmux.key("C-q");
  EXPECT_TRUE(tmux.wait_for_text("demo-exit=0", pane)) << pane << log();
}

TEST_F(EndToEnd, TheSidebarsOpenByTheirChords) {
  Tmux tmux;
  if (!tmux.start(demo_command(""), 140, 40)) GTEST_SKIP() << "tmux cannot start a server here";
  std::string pane;
  ASSERT_TRUE(tmux.wait_for_text("send a message", pane)) << pane << log();
  EXPECT_TRUE(row_holds(pane, {"Demo session", "\u00d7"})) << "the session's tab\n" << pane;

  tmux.key("C-x");
  tmux.type("b");
  EXPECT_TRUE(tmux.wait_for([](const std::string& p) {
    return row_holds(p, {"\u2630 Sessions", "+"}) && row_holds(p, {"SESSIONS 5"}) &&
           row_holds(p, {"Fix the deploy script"}) && row_holds(p, {"Filter sessions"});
  }, pane)) << "the sessions sidebar\n" << pane << log();

  tmux.key("C-x");
  tmux.type("l");
  EXPECT_TRUE(tmux.wait_for([](const std::string& p) {
    return row_holds(p, {"Session Files MCP Logs"}) && row_holds(p, {"Model", "anthropic"});
  }, pane)) << "the details sidebar on its Session tab\n" << pane << log();

  tmux.key("C-q");
  EXPECT_TRUE(tmux.wait_for_text("demo-exit=0", pane)) << pane << log();
}

}  // namespace
}  // namespace orvane::demo

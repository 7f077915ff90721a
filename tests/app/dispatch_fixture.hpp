#pragma once
#include <gtest/gtest.h>

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "app/completion.hpp"
#include "app/dispatch.hpp"
#include "app/state.hpp"
#include "render/target.hpp"
#include "support/recording_outbox.hpp"
#include "term/event.hpp"
#include "unicode/utf8.hpp"

namespace orvane::app::testing {

using namespace std::chrono_literals;
using term::Key;
using term::KeyEvent;
using term::Modifiers;

inline constexpr Modifiers kNone = Modifiers::None;
inline constexpr Modifiers kShift = Modifiers::Shift;
inline constexpr Modifiers kAlt = Modifiers::Alt;
inline constexpr Modifiers kCtrl = Modifiers::Ctrl;

inline KeyEvent key(Key code, Modifiers modifiers = kNone) {
  return KeyEvent{{code}, modifiers};
}
inline KeyEvent ch(char32_t c, Modifiers modifiers = kNone) {
  return KeyEvent{{Key::Char, c}, modifiers};
}
inline KeyEvent ctrl(char32_t c) {
  return ch(c, kCtrl);
}

// A loop state, a clock the test moves and a terminal size the test sets. Each key is
// dispatched as a batch of its own, with the overlay rebuilt before it as the loop does.
class DispatchTest : public ::testing::Test {
 protected:
  const Clock::time_point start = Clock::time_point(std::chrono::hours(1));
  LoopState state{start};
  Clock::time_point now = start;
  input::testing::RecordingOutbox outbox;
  term::Size size{120, 40};
  std::error_code size_error;

  KeyDispatch press(const KeyEvent& key) {
    state.overlay = completion_overlay(state);
    const KeyContext context{outbox, now, [this] {
                               term::Result<term::Size> result;
                               if (size_error) {
                                 result.error = size_error;
                               } else {
                                 result.value = size;
                               }
                               return result;
                             }};
    return dispatch_key(state, context, key);
  }

  // Lays out a transcript whose click targets are these line ranges: target i carries
  // the click value {"target":i}, lines outside every target carry none.
  void set_targets(const std::vector<render::Target>& targets) {
    std::vector<std::optional<bridge::JsonValue>> values(targets.empty() ? 0
                                                                         : targets.back().last + 1);
    for (std::size_t i = 0; i < targets.size(); ++i) {
      for (std::size_t line = targets[i].first; line <= targets[i].last; ++line) {
        values[line] = bridge::JsonValue{R"({"target":)" + std::to_string(i) + "}"};
      }
    }
    state.cache.actions =
        render::Indexed<std::optional<bridge::JsonValue>>::from(std::move(values));
  }

  void press_all(const std::vector<KeyEvent>& keys) {
    for (const KeyEvent& k : keys) {
      const KeyDispatch result = press(k);
      ASSERT_FALSE(result.error) << result.error->message;
      ASSERT_FALSE(result.quit);
    }
  }

  void type(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
      const unicode::Decoded d = unicode::decode(text, i);
      press(ch(d.code_point));
      i += d.length;
    }
  }

  // The lines written since the last call, without their line feeds.
  std::vector<std::string> sent() {
    std::vector<std::string> lines;
    for (std::string& line : outbox.lines) {
      if (!line.empty() && line.back() == '\n') line.pop_back();
      lines.push_back(std::move(line));
    }
    outbox.lines.clear();
    return lines;
  }

  void set_composer(std::string_view text) {
    state.composer.text = std::string(text);
    state.composer.cursor = text.size();
    state.composer.anchor.reset();
  }
};

}  // namespace orvane::app::testing

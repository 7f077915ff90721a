#include "voice.hpp"

#include <chrono>
#include <cmath>
#include <string>
#include <string_view>

#include "texts.hpp"

namespace orvane::demo {

namespace {

using namespace std::chrono_literals;

// The first `words` words of the phrase.
std::string heard(std::size_t words) {
  std::size_t end = 0;
  for (std::size_t i = 0; i < words && end != std::string_view::npos; ++i) {
    end = kVoicePhrase.find(' ', end + (i > 0 ? 1 : 0));
  }
  return std::string(kVoicePhrase.substr(0, end));
}

std::size_t phrase_words() {
  std::size_t words = 1;
  for (char c : kVoicePhrase) words += c == ' ' ? 1 : 0;
  return words;
}

void end_voice(Model& model) {
  model.timers.cancel(Tag::voice);
  model.view.voice_phase.clear();
  model.view.voice_preview.clear();
  model.view.voice_level = 0;
  model.changed = true;
}

void transcribe(Model& model, Time now) {
  model.timers.cancel(Tag::voice);
  model.view.voice_phase = "transcribing";
  model.view.voice_level = 0;
  model.changed = true;
  model.timers.at(now + scaled(model, 700ms), Tag::voice, [](Model& m, Time) {
    const std::string text = heard(m.voice_words);
    end_voice(m);
    if (text.empty()) {
      note(m, "voice: nothing was heard");
      return;
    }
    // One-shot fields: two inserts before the next line must both arrive.
    m.view.insert += m.view.insert.empty() ? text : " " + text;
    m.view.insert_kind = "voice";
    m.view.auto_send_insert = m.voice_send;
    note(m, std::string("voice: inserted ") + std::to_string(m.voice_words) + " words" +
                (m.voice_send ? " and sent them" : ""));
  });
}

void listen(Model& model, Time now) {
  model.timers.at(now + scaled(model, 280ms), Tag::voice, [](Model& m, Time at) {
    if (m.voice_words >= phrase_words()) {
      note(m, "voice: the speaker paused, transcribing");
      transcribe(m, at);
      return;
    }
    ++m.voice_words;
    m.view.voice_preview = heard(m.voice_words);
    m.view.voice_level = 0.3 + 0.6 * std::abs(std::sin(static_cast<double>(m.voice_words)));
    m.changed = true;
    listen(m, at);
  });
}

}  // namespace

void start_voice(Model& model, Time now) {
  if (!model.view.voice_phase.empty()) {
    note(model, "voice: already " + model.view.voice_phase);
    return;
  }
  model.view.voice_phase = "recording";
  model.view.voice_preview.clear();
  model.voice_words = 0;
  model.voice_send = false;
  note(model, "voice: recording (any key stops, Enter sends, Esc discards)");
  listen(model, now);
}

void stop_voice(Model& model, bool discard, bool send, Time now) {
  if (model.view.voice_phase != "recording") {
    note(model, "voice_stop while not recording");
    return;
  }
  if (discard) {
    end_voice(model);
    note(model, "voice: recording discarded");
    return;
  }
  model.voice_send = send;
  note(model, send ? "voice: stopped, will send" : "voice: stopped, transcribing");
  transcribe(model, now);
}

void discard_voice(Model& model) {
  if (model.view.voice_phase != "transcribing") {
    note(model, "voice_discard while not transcribing");
    return;
  }
  end_voice(model);
  note(model, "voice: transcription discarded");
}

}  // namespace orvane::demo

#pragma once
#include "model.hpp"

namespace orvane::demo {

// Simulated dictation: "recording" with a preview that grows word by word, then
// "transcribing", then the words arrive as a voice insert.
void start_voice(Model& model, Time now);
// The client's "voice_stop": `discard` drops the recording, `send` sends the text once inserted.
void stop_voice(Model& model, bool discard, bool send, Time now);
// The client's "voice_discard" while transcribing.
void discard_voice(Model& model);

}  // namespace orvane::demo

#pragma once
#include <array>
#include <string>
#include <string_view>

namespace orvane::demo {

// The canned words of the simulated agent.

// "key\tdescription" lines of the welcome block.
extern const std::string_view kHints;

// The file every edit touches, before and after.
extern const std::string_view kGreetingPath;
extern const std::string_view kGreetingBefore;
extern const std::string_view kGreetingAfter;
// A longer file whose diff is clipped ("long" messages edit it too).
extern const std::string_view kConfigPath;
std::string config_before();
std::string config_after();

extern const std::string_view kAnswerEdited;
extern const std::string_view kAnswerDenied;
std::string question_answer(std::string_view choice);
std::string long_answer();

extern const std::string_view kHelpText;
extern const std::string_view kHotkeysText;
extern const std::string_view kUpdateText;
extern const std::string_view kSettingsBody;
extern const std::string_view kVoicePhrase;

inline constexpr std::array<std::string_view, 14> kSlashCommands = {
    "/agent", "/archived", "/context", "/effort", "/fork",      "/help",     "/hotkeys",
    "/model", "/new",      "/reconnect", "/sessions", "/settings", "/usage", "/voice"};

}  // namespace orvane::demo

#pragma once
#include <string_view>

// The terminal modes of a run, switched on and off by fixed byte strings written to the
// terminal. The order matters to terminals that support only some of them.
namespace orvane::term {

// Set-up, first group, then flush: alternate screen, bracketed paste, mouse reporting (presses,
// button motion, all motion, urxvt and SGR coordinates), keyboard-enhancement flags 3
// (disambiguate escape codes, report event types).
inline constexpr std::string_view kSetupModes =
    "\x1b[?1049h"
    "\x1b[?2004h"
    "\x1b[?1000h\x1b[?1002h\x1b[?1003h\x1b[?1015h\x1b[?1006h"
    "\x1b[>3u";

// Set-up, second group, then flush: xterm modifyOtherKeys level 2.
inline constexpr std::string_view kSetupModifyOtherKeys = "\x1b[>4;2m";

// Teardown, then flush; writing stops at the first error: pop the keyboard-enhancement flags,
// bracketed paste off, mouse reporting off in reverse order, show the cursor, leave the alternate
// screen.
inline constexpr std::string_view kTeardownModes =
    "\x1b[<1u"
    "\x1b[?2004l"
    "\x1b[?1006l\x1b[?1015l\x1b[?1003l\x1b[?1002l\x1b[?1000l"
    "\x1b[?25h"
    "\x1b[?1049l";

// Written after kTeardownModes whether or not that failed: modifyOtherKeys off.
inline constexpr std::string_view kTeardownModifyOtherKeys = "\x1b[>4;0m";

}  // namespace orvane::term

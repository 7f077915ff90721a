#pragma once
#include <cstddef>

#include "editor/editor.hpp"
#include "term/event.hpp"

namespace orvane::input {

// Typed characters stop going in once the text has this many bytes; a paste still does.
inline constexpr std::size_t kTypedTextLimit = 1024 * 1024;

// Whether a typed character may become text: a scalar value that is not a control
// character. Key codes carry whatever the terminal sent.
bool insertable(char32_t c);

// Applies one key to an editable field. The composer and the form edit in multi-line mode;
// the answer field of a question prompt is single-line, where Enter, Tab, Up and Down do
// nothing. Keys without a meaning here are ignored.
void edit(editor::Editor& editor, const term::KeyEvent& key, bool multi_line);

}  // namespace orvane::input

#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "editor/editor.hpp"

namespace orvane::editor {

// Editor states written as one string: "|" marks the cursor and "^" the anchor, so that
// "a^bc|d" is the text "abcd" with "bc" selected. The texts under test hold neither mark.
inline Editor marked_editor(std::string_view marked) {
  Editor e;
  for (char c : marked) {
    if (c == '|') {
      e.cursor = e.text.size();
    } else if (c == '^') {
      e.anchor = e.text.size();
    } else {
      e.text += c;
    }
  }
  return e;
}

inline std::string marked(const Editor& e) {
  std::string out;
  for (std::size_t i = 0; i <= e.text.size(); ++i) {
    if (e.anchor == i) out += '^';
    if (e.cursor == i) out += '|';
    if (i < e.text.size()) out += e.text[i];
  }
  return out;
}

}  // namespace orvane::editor

#include "editor/editor.hpp"

#include <algorithm>
#include <utility>

#include "unicode/grapheme.hpp"

namespace orvane::editor {
namespace {

// Removes the selected bytes and puts the cursor where they were. The anchor is cleared
// even without a selection: left set, it would turn the next insert into a selection or
// point past the end once text before it is deleted.
bool delete_selection(Editor& e) {
  const std::optional<std::size_t> anchor = std::exchange(e.anchor, std::nullopt);
  if (!anchor || *anchor == e.cursor) return false;
  const std::size_t from = std::min(*anchor, e.cursor);
  const std::size_t to = std::max(*anchor, e.cursor);
  e.text.erase(from, to - from);
  e.cursor = from;
  return true;
}

void restore(Editor& e, UndoEntry entry) {
  e.text = std::move(entry.text);
  e.cursor = entry.cursor;
  e.anchor.reset();
}

}  // namespace

void Editor::checkpoint() {
  undo_stack.push_back({text, cursor});
  redo_stack.clear();
  std::size_t bytes = 0;
  for (const UndoEntry& entry : undo_stack) bytes += entry.text.size();
  std::size_t dropped = 0;
  while (dropped < undo_stack.size() &&
         (undo_stack.size() - dropped > kUndoEntries || bytes > kUndoBytes)) {
    bytes -= undo_stack[dropped].text.size();
    ++dropped;
  }
  undo_stack.erase(undo_stack.begin(), undo_stack.begin() + dropped);
}

std::string_view Editor::selected() const {
  if (!anchor || *anchor == cursor) return {};
  const std::size_t from = std::min(*anchor, cursor);
  const std::size_t to = std::max(*anchor, cursor);
  return std::string_view(text).substr(from, to - from);
}

void Editor::insert(std::string_view s) {
  checkpoint();
  delete_selection(*this);
  text.insert(cursor, s);
  cursor += s.size();
}

void Editor::backspace() {
  checkpoint();
  if (delete_selection(*this)) return;
  const std::size_t end = cursor;
  left();
  text.erase(cursor, end - cursor);
}

void Editor::delete_forward() {
  checkpoint();
  if (delete_selection(*this)) return;
  const std::size_t start = cursor;
  right();
  text.erase(start, cursor - start);
  cursor = start;
}

void Editor::undo() {
  if (undo_stack.empty()) return;
  UndoEntry entry = std::move(undo_stack.back());
  undo_stack.pop_back();
  redo_stack.push_back({std::move(text), cursor});
  restore(*this, std::move(entry));
}

// Not trimmed, so that stepping back and forth never loses the oldest undo steps.
void Editor::redo() {
  if (redo_stack.empty()) return;
  UndoEntry entry = std::move(redo_stack.back());
  redo_stack.pop_back();
  undo_stack.push_back({std::move(text), cursor});
  restore(*this, std::move(entry));
}

std::string Editor::take() {
  std::string result = std::exchange(text, std::string());
  cursor = 0;
  anchor.reset();
  undo_stack.clear();
  redo_stack.clear();
  sent.push_back(result);
  // A list handed over from outside may already be longer than the limit.
  if (sent.size() > kHistoryEntries) {
    sent.erase(sent.begin(), sent.end() - kHistoryEntries);
  }
  recall = sent.size();
  return result;
}

void Editor::history(bool older) {
  if (older) {
    recall = recall == 0 ? 0 : recall - 1;
  } else {
    recall = std::min(recall + 1, sent.size());
  }
  text = recall < sent.size() ? sent[recall] : std::string();
  cursor = text.size();
  anchor.reset();
}

}  // namespace orvane::editor

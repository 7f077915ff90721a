#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::editor {

inline constexpr std::size_t kUndoEntries = 100;
inline constexpr std::size_t kUndoBytes = 8 * 1024 * 1024;
inline constexpr std::size_t kHistoryEntries = 500;

// The whole text as it was before one edit.
struct UndoEntry {
  std::string text;
  std::size_t cursor = 0;
};

// The text buffer behind every editable field. Positions are byte offsets into UTF-8 and
// `cursor` and `anchor` always sit on grapheme boundaries inside `text`. The fields are
// public because key handling moves the cursor and anchor directly; whoever writes them
// keeps that invariant.
struct Editor {
  std::string text;
  std::size_t cursor = 0;
  // The other end of the selection; there is a selection only when it differs from `cursor`.
  std::optional<std::size_t> anchor;
  std::vector<UndoEntry> undo_stack;  // oldest first
  std::vector<UndoEntry> redo_stack;  // oldest first
  std::vector<std::string> sent;      // texts sent before, oldest first
  // Index into `sent` of the recalled text; `sent.size()` when none is recalled.
  std::size_t recall = 0;

  // Saves the current text for undo, forgets the redo steps and trims `undo_stack` to
  // kUndoEntries entries and kUndoBytes bytes of text.
  void checkpoint();

  // The selected bytes, or an empty view when nothing is selected.
  std::string_view selected() const;

  // Replaces the selection, if any, by `s` and puts the cursor after it. One undo step.
  void insert(std::string_view s);
  // Deletes the selection, or else the grapheme before the cursor. One undo step, even
  // when nothing is deleted.
  void backspace();
  // Deletes the selection, or else the grapheme after the cursor. One undo step, even
  // when nothing is deleted.
  void delete_forward();

  void left();
  void right();
  // Moves to the start of the next word, or back to the start of this or the previous one.
  // Only whitespace separates words.
  void word(bool forward);
  // Moves one line down or up, keeping the number of graphemes before the cursor.
  void vertical(bool down);

  void undo();
  void redo();

  // Hands out the text and starts a new message; the text is appended to `sent`.
  std::string take();
  // Replaces the text by the previous (older) or next entry of `sent`; past the newest
  // entry the text is empty. Leaves the undo and redo stacks alone.
  void history(bool older);
};

}  // namespace orvane::editor

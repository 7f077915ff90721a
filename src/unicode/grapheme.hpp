#pragma once
#include <cstddef>
#include <string_view>

namespace orvane::unicode {

// Extended grapheme clusters (UAX #29). Offsets are byte offsets into UTF-8 text.

// Offset just past the cluster that starts at `offset`; text.size() at the end.
std::size_t next_boundary(std::string_view text, std::size_t offset);

// Start of the cluster that ends at `offset`; 0 at the start. `offset` must be a boundary.
std::size_t previous_boundary(std::string_view text, std::size_t offset);

// How many clusters `text` holds.
std::size_t grapheme_count(std::string_view text);

// Iterates the clusters of a text: for (std::string_view g : Graphemes(text)).
class Graphemes {
 public:
  explicit Graphemes(std::string_view text) : text_(text) {}

  class Iterator {
   public:
    Iterator(std::string_view text, std::size_t offset)
        : text_(text), offset_(offset), end_(offset < text.size() ? next_boundary(text, offset) : offset) {}
    std::string_view operator*() const { return text_.substr(offset_, end_ - offset_); }
    std::size_t offset() const { return offset_; }
    Iterator& operator++() {
      offset_ = end_;
      end_ = offset_ < text_.size() ? next_boundary(text_, offset_) : offset_;
      return *this;
    }
    bool operator==(const Iterator& other) const { return offset_ == other.offset_; }

   private:
    std::string_view text_;
    std::size_t offset_;
    std::size_t end_;
  };

  Iterator begin() const { return Iterator(text_, 0); }
  Iterator end() const { return Iterator(text_, text_.size()); }

 private:
  std::string_view text_;
};

}  // namespace orvane::unicode

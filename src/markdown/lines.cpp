#include "markdown/lines.hpp"

#include <cmark-gfm-core-extensions.h>
#include <cmark-gfm-extension_api.h>
#include <cmark-gfm.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "markdown/walker.hpp"

namespace orvane::markdown {

namespace {

struct Extensions {
  cmark_syntax_extension* table;
  cmark_syntax_extension* strikethrough;
  cmark_syntax_extension* tasklist;
};

const Extensions& extensions() {
  static const Extensions found = [] {
    cmark_gfm_core_extensions_ensure_registered();
    return Extensions{cmark_find_syntax_extension("table"),
                      cmark_find_syntax_extension("strikethrough"),
                      cmark_find_syntax_extension("tasklist")};
  }();
  return found;
}

std::string_view literal(cmark_node* node) {
  const char* text = cmark_node_get_literal(node);
  return text != nullptr ? std::string_view(text) : std::string_view();
}

// The table extension's nodes share one extension; their type names tell them apart.
// The head is a row of its own kind, not a group of rows.
void enter_table_node(Walker& walker, cmark_node* node) {
  const std::string_view type = cmark_node_get_type_string(node);
  if (type == "table") {
    walker.start_table();
  } else if (type == "table_header") {
    walker.start_table_head();
  } else if (type == "table_row") {
    walker.start_table_row();
  }
}

void exit_table_node(Walker& walker, cmark_node* node) {
  const std::string_view type = cmark_node_get_type_string(node);
  if (type == "table") {
    walker.end_table();
  } else if (type == "table_header") {
    walker.end_table_head();
  } else if (type == "table_cell") {
    walker.end_table_cell();
  }
}

void enter(Walker& walker, cmark_node* node) {
  switch (cmark_node_get_type(node)) {
    case CMARK_NODE_HEADING:
      walker.start_heading(cmark_node_get_heading_level(node));
      return;
    case CMARK_NODE_BLOCK_QUOTE:
      walker.start_quote();
      return;
    case CMARK_NODE_LIST:
      walker.start_list(cmark_node_get_list_type(node) == CMARK_ORDERED_LIST
                            ? std::optional<std::uint64_t>(
                                  static_cast<std::uint64_t>(cmark_node_get_list_start(node)))
                            : std::nullopt);
      return;
    case CMARK_NODE_ITEM:
      walker.start_item();
      // A task item is an item the task-list extension claimed; its box is a property
      // of the item, not a node of its own.
      if (cmark_node_get_syntax_extension(node) == extensions().tasklist) {
        walker.task_marker(cmark_gfm_extensions_get_tasklist_item_checked(node));
      }
      return;
    case CMARK_NODE_CODE_BLOCK: {
      // A leaf: the whole block arrives as one enter event.
      // The library writes through all three out-parameters.
      int length = 0;
      int offset = 0;
      char character = 0;
      const bool fenced = cmark_node_get_fenced(node, &length, &offset, &character) != 0;
      const char* info = cmark_node_get_fence_info(node);
      walker.start_code(fenced && info != nullptr ? info : "");
      walker.add_text(literal(node));
      walker.end_code();
      return;
    }
    case CMARK_NODE_HTML_BLOCK:
    case CMARK_NODE_HTML_INLINE:
      walker.html(literal(node));
      return;
    case CMARK_NODE_THEMATIC_BREAK:
      walker.thematic_break();
      return;
    case CMARK_NODE_TEXT:
      walker.add_text(literal(node));
      return;
    case CMARK_NODE_SOFTBREAK:
    case CMARK_NODE_LINEBREAK:
      walker.line_break();
      return;
    case CMARK_NODE_CODE:
      walker.inline_code(literal(node));
      return;
    case CMARK_NODE_EMPH:
      walker.start_emphasis();
      return;
    case CMARK_NODE_STRONG:
      walker.start_strong();
      return;
    case CMARK_NODE_LINK:
    case CMARK_NODE_IMAGE: {
      const char* url = cmark_node_get_url(node);
      walker.start_link(url != nullptr ? url : "");
      return;
    }
    default:
      break;
  }
  const cmark_syntax_extension* extension = cmark_node_get_syntax_extension(node);
  if (extension == extensions().strikethrough) {
    walker.start_strikethrough();
  } else if (extension == extensions().table) {
    enter_table_node(walker, node);
  }
}

void leave(Walker& walker, cmark_node* node) {
  switch (cmark_node_get_type(node)) {
    case CMARK_NODE_HEADING:
      walker.end_heading();
      return;
    case CMARK_NODE_BLOCK_QUOTE:
      walker.end_quote();
      return;
    case CMARK_NODE_PARAGRAPH:
      walker.end_paragraph();
      return;
    case CMARK_NODE_LIST:
      walker.end_list();
      return;
    case CMARK_NODE_ITEM:
      walker.end_item();
      return;
    case CMARK_NODE_EMPH:
      walker.end_emphasis();
      return;
    case CMARK_NODE_STRONG:
      walker.end_strong();
      return;
    case CMARK_NODE_LINK:
    case CMARK_NODE_IMAGE:
      walker.end_link();
      return;
    default:
      break;
  }
  const cmark_syntax_extension* extension = cmark_node_get_syntax_extension(node);
  if (extension == extensions().strikethrough) {
    walker.end_strikethrough();
  } else if (extension == extensions().table) {
    exit_table_node(walker, node);
  }
}

struct ParserFree {
  void operator()(cmark_parser* parser) const { cmark_parser_free(parser); }
};
struct NodeFree {
  void operator()(cmark_node* node) const { cmark_node_free(node); }
};
struct IterFree {
  void operator()(cmark_iter* iter) const { cmark_iter_free(iter); }
};

}  // namespace

std::vector<Row> lines(std::string_view text, const render::Palette& palette, std::uint16_t width) {
  const Extensions& extension = extensions();
  // Only the three extensions, and no smart punctuation. Raw HTML stays in the tree
  // whatever the options (they only govern the HTML renderer). Malformed UTF-8
  // becomes U+FFFD so no stray byte reaches the screen.
  std::unique_ptr<cmark_parser, ParserFree> parser(cmark_parser_new(CMARK_OPT_VALIDATE_UTF8));
  cmark_parser_attach_syntax_extension(parser.get(), extension.table);
  cmark_parser_attach_syntax_extension(parser.get(), extension.strikethrough);
  cmark_parser_attach_syntax_extension(parser.get(), extension.tasklist);
  cmark_parser_feed(parser.get(), text.data(), text.size());
  std::unique_ptr<cmark_node, NodeFree> document(cmark_parser_finish(parser.get()));

  Walker walker(palette, width);
  std::unique_ptr<cmark_iter, IterFree> iter(cmark_iter_new(document.get()));
  for (cmark_event_type event = cmark_iter_next(iter.get()); event != CMARK_EVENT_DONE;
       event = cmark_iter_next(iter.get())) {
    cmark_node* node = cmark_iter_get_node(iter.get());
    if (event == CMARK_EVENT_ENTER) {
      enter(walker, node);
    } else {
      leave(walker, node);
    }
  }
  return walker.finish();
}

}  // namespace orvane::markdown

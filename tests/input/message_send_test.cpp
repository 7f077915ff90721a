#include "input/message_send.hpp"

#include <gtest/gtest.h>

#include <system_error>
#include <utility>

#include "support/recording_outbox.hpp"

namespace orvane::input {
namespace {

using testing::RecordingOutbox;

bridge::Snapshot panel_snapshot() {
  bridge::Snapshot snapshot;
  snapshot.generation = 2;
  for (const auto& [label, command] :
       {std::pair{"foo one", "/one"}, std::pair{"bar", "/bar"}, std::pair{"Foo two", "/two"}}) {
    bridge::Item& item = snapshot.items.emplace_back();
    item.label = label;
    item.command = command;
  }
  return snapshot;
}

TEST(Pick, SendsTheChosenFilteredEntry) {
  RecordingOutbox outbox;
  EXPECT_FALSE(pick(outbox, panel_snapshot(), 1, "FOO"));
  ASSERT_EQ(outbox.lines.size(), 1u);
  EXPECT_EQ(outbox.lines[0], "{\"generation\":2,\"text\":\"/two\",\"type\":\"pick\"}\n");
}

TEST(Pick, BeyondTheMatchingEntriesSendsNothingAndSucceeds) {
  RecordingOutbox outbox;
  outbox.failure = std::make_error_code(std::errc::broken_pipe);
  // Nothing is written, so even a broken outbox is not touched.
  EXPECT_FALSE(pick(outbox, panel_snapshot(), 2, "FOO"));
  outbox.failure.clear();
  EXPECT_FALSE(pick(outbox, panel_snapshot(), 3, ""));
  EXPECT_TRUE(outbox.lines.empty());
}

TEST(Pick, ReportsAWriteError) {
  RecordingOutbox outbox;
  outbox.failure = std::make_error_code(std::errc::broken_pipe);
  EXPECT_EQ(pick(outbox, panel_snapshot(), 0, ""), std::errc::broken_pipe);
}

TEST(Save, WithoutAFormSendsNothingAndSucceeds) {
  RecordingOutbox outbox;
  outbox.failure = std::make_error_code(std::errc::broken_pipe);
  editor::Editor form_editor;
  form_editor.text = "draft";
  EXPECT_FALSE(save(outbox, bridge::Snapshot{}, form_editor, 4));
  EXPECT_TRUE(outbox.lines.empty());
}

TEST(Save, SendsTheEditorTextAndEditCount) {
  RecordingOutbox outbox;
  bridge::Snapshot snapshot;
  snapshot.generation = 5;
  bridge::Form& form = snapshot.form.emplace();
  form.id = "notes";
  form.body = "old";
  form.autosave = true;
  form.revision = 99;
  editor::Editor form_editor;
  form_editor.text = "new";
  EXPECT_FALSE(save(outbox, snapshot, form_editor, 2));
  ASSERT_EQ(outbox.lines.size(), 1u);
  EXPECT_EQ(
      outbox.lines[0],
      "{\"body\":\"new\",\"form\":\"notes\",\"generation\":5,\"revision\":2,\"type\":\"save\"}\n");
  outbox.failure = std::make_error_code(std::errc::broken_pipe);
  EXPECT_EQ(save(outbox, snapshot, form_editor, 2), std::errc::broken_pipe);
}

}  // namespace
}  // namespace orvane::input

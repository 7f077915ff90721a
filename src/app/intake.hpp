#pragma once
#include <optional>
#include <system_error>

#include "app/channel.hpp"
#include "app/error.hpp"
#include "app/state.hpp"
#include "input/outbox.hpp"

namespace orvane::app {

// What one intake turn tells the loop.
struct Intake {
  // A snapshot became current; the redraw flag is set.
  bool accepted = false;
  // The theme changed: every cached line carries the old palette's colours, so the loop
  // must reset the render cache.
  bool theme_changed = false;
  // The reader has gone and every line it sent was taken in: the run ends normally.
  bool ended = false;
  // Fatal: the run ends with it. The failing line changed nothing; lines of the batch
  // before it stay applied, lines after it are discarded.
  std::optional<Error> error;
};

// Takes in the lines drained from the channel: drops full snapshots a later line of the
// batch supersedes, decodes the rest (timed into the trace as "parse"), refuses stale
// revisions, brings the view state in line with each accepted snapshot, splices
// transcript patches and stores the snapshot. May send the "submit" message of an
// automatic send.
Intake intake(LoopState& state, const Channel::Drained& drained, input::Outbox& outbox);

// Form autosave timer: once more than 700 ms have passed since the last form edit and
// the current form has `autosave`, sends its "save" message and forgets the edit
// instant. Without `autosave` the instant stays and nothing is sent. Returns the write
// error, which ends the run.
[[nodiscard]] std::error_code autosave(LoopState& state, input::Outbox& outbox,
                                       Clock::time_point now);

}  // namespace orvane::app

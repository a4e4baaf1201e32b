#pragma once

#include <ctime>
#include <string>

#include "core/files/ReadBackups.h"
#include "core/model/RadioImage.h"

namespace quorvan {

// The journal of one write in the backups folder. Right before the write's first command that
// changes the radio, what the radio will hold once the write ends is kept as a "-pending"
// backup, and for a write of changes what it found where it writes as the "-replaced" backup of
// the same sequence number. A write that does not end, however it stops (a cut line, a refused
// command, a signal, a crash, a power loss), leaves the journal as the newest state of the
// radio, and the next write of changes completes it. A write that ends turns it into the
// "-written" backup.
class WriteJournal {
 public:
  explicit WriteJournal(std::string folder) : folder_(std::move(folder)) {}

  // False, with the reason, when no journal can be started (the folder cannot be written):
  // nothing may be sent then. When the name was taken but the state could not be written into
  // it (a full disk), the journal is begun all the same: the empty file left is the newest state
  // of the radio and does not open, so no later write of changes trusts an older one.
  bool Begin(const RadioImage* replaced, const RadioImage& target, std::time_t when,
             std::string* error);
  bool Begun() const { return !pending_.path.empty(); }
  // Why the state could not be written into the journal; empty when it was.
  const std::string& Unkept() const { return unkept_; }
  // Why the "-replaced" backup could not be kept; empty when it was (or there was none).
  const std::string& ReplacedUnkept() const { return replacedUnkept_; }

  // After a write that ended with the radio holding `holds`: the journal becomes the "-written"
  // backup. False with the reason when that cannot be kept; the journal stays as it is then.
  bool Finish(const RadioImage& holds, std::time_t when, std::string* error);

 private:
  std::string folder_;
  ClaimedBackup pending_;
  std::string unkept_;
  std::string replacedUnkept_;
};

// What a write with this journal tells on a line of its own when it did not leave what the radio
// holds known: that the next write of changes completes it, or, when the journal's state could
// not be kept, that the radio must be read first. Empty when there is nothing to tell.
std::string AfterWriteText(const WriteJournal& journal, bool radioKnown, bool writeCompleted,
                           bool commandsNotTaken);

}  // namespace quorvan

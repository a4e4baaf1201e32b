#pragma once

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/FileSystem.h"

namespace quorvan {

// A window's unsaved document as its recovery file keeps it, so a crash or a power loss does
// not take the edits with it.
struct RecoveredDocument {
  std::string name;        // the document's file name; empty while it has none
  bool fromRadio = false;  // came from a read of the radio and was not saved since
  std::time_t keptAt = 0;  // when the file was written
  std::string text;        // the document as its .qvx file holds it, byte for byte
};

// The file's bytes: a first line naming the format, "name=", "radio=" and "kept=" lines, an
// empty line, then the document. A name holds no line break, so the header cannot be forged
// from it; the document goes on to the end.
std::string RecoveryFileText(const RecoveredDocument& document);
bool ParseRecoveryFile(std::string_view bytes, RecoveredDocument& document, std::string* error);

// The recovery file of one running window: "window-XXXXXX.qvr" in the folder, beside the
// empty "window-XXXXXX" the window holds locked while it runs. A file whose lock nobody holds
// belongs to a window that is gone.
class RecoveryStore {
 public:
  explicit RecoveryStore(std::string folder) : folder_(std::move(folder)) {}
  ~RecoveryStore();
  RecoveryStore(const RecoveryStore&) = delete;
  RecoveryStore& operator=(const RecoveryStore&) = delete;

  // Writes the document atomically over the window's earlier one; the window's names are taken
  // (and the folder made) on the first call.
  bool Keep(const RecoveredDocument& document, std::string* error);
  // The document was saved or deliberately dropped: nothing is left to recover.
  void Forget();
  const std::string& Path() const { return path_; }

 private:
  bool Claim(std::string* error);

  std::string folder_;
  std::string path_;
  std::string lockPath_;
  SystemFile lock_;
};

// A recovery file left by a window that is gone, locked by this window while it is offered so
// no other window offers it too; the lock ends with the object.
struct LeftRecovery {
  std::string path;
  std::string lockPath;
  RecoveredDocument document;
  SystemFile lock;

  // Removes the file and its lock: restored or discarded.
  void Remove();
};

// The recovery files in `folder` no running window holds, newest first. A file that does not
// parse is left where it is, and listed in `damaged` when given.
std::vector<LeftRecovery> FindLeftRecoveries(const std::string& folder,
                                             std::vector<std::string>* damaged = nullptr);

}  // namespace quorvan

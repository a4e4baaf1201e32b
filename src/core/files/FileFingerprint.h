#pragma once

#include <cstdint>
#include <string>

namespace quorvan {

// What a file held when the document was opened from it or saved to it, so a save can tell
// whether another program changed it since: its size, its time and a digest of its bytes.
struct FileFingerprint {
  std::string path;  // empty: nothing is known
  std::uintmax_t size = 0;
  std::int64_t time = 0;  // the file system's own count; compared, never shown
  std::uint64_t digest = 0;
};

// The file at `path` as it is now; an empty `path` in the result when it cannot be read.
FileFingerprint TakeFingerprint(const std::string& path);

// True when the file at `then.path` no longer holds what it held: gone, or its size or time
// moved and its bytes differ. A file written again with the same bytes has not changed.
bool ChangedSince(const FileFingerprint& then);

}  // namespace quorvan

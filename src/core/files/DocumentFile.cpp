#include "core/files/DocumentFile.h"

#include <cerrno>
#include <cstring>
#include <string_view>

#include "core/model/ChannelFile.h"
#include "core/platform/FileSystem.h"

namespace quorvan {

namespace {

// As many links as the system itself follows before it gives up with ELOOP.
constexpr int kMostLinksFollowed = 40;
constexpr std::string_view kTemporarySuffix = ".XXXXXX";
constexpr std::size_t kReadChunk = 64 * 1024;

bool Fail(std::string* error, const std::string& what, int errorNumber) {
  if (error) *error = what + ": " + std::strerror(errorNumber);
  return false;
}

bool FailText(std::string* error, std::string text) {
  if (error) *error = std::move(text);
  return false;
}

std::string SizeText(std::size_t bytes) {
  constexpr std::size_t kMiB = std::size_t{1} << 20;
  return bytes % kMiB == 0 ? std::to_string(bytes / kMiB) + " MiB"
                           : std::to_string(bytes) + " bytes";
}

// The folder part of a path with its trailing separator, or "" for a bare name.
std::string FolderOf(const std::string& path) {
  for (std::size_t end = path.size(); end > 0; --end) {
    if (IsPathSeparator(path[end - 1])) return path.substr(0, end);
  }
  return {};
}

// The file a write to `path` replaces: symbolic links are followed to the file they lead to,
// which need not exist yet. False for an existing target that is not a regular file.
bool ResolveOutputTarget(const std::string& path, std::string& target, std::string* error) {
  target = path;
  for (int hop = 0;; ++hop) {
    PathKind kind = PathKind::Missing;
    int failure = 0;
    if (!KindOfPath(target, false, kind, failure)) {
      return Fail(error, "cannot write " + path, failure);
    }
    if (kind == PathKind::Missing || kind == PathKind::RegularFile) return true;
    if (kind != PathKind::SymbolicLink) {
      return FailText(error, "cannot write " + path + ": not a regular file");
    }
    if (hop == kMostLinksFollowed) return Fail(error, "cannot write " + path, ELOOP);
    std::string link;
    if (!ReadSymbolicLink(target, link, failure)) {
      return Fail(error, "cannot write " + path, failure);
    }
    target = IsAbsolutePath(link) ? link : FolderOf(target) + link;
  }
}

// The pattern for a temporary file next to `target`: the target's name, cut where needed so
// that name and suffix fit the folder's name limit.
std::string TemporaryTemplate(const std::string& target) {
  const std::string folder = FolderOf(target);
  std::string name = target.substr(folder.size());
  const std::size_t limit = FileNameLimit(folder);
  const std::size_t room = limit > kTemporarySuffix.size() ? limit - kTemporarySuffix.size() : 0;
  if (name.size() > room) {
    // Never inside a UTF-8 sequence, so a file system that insists on UTF-8 names takes it.
    std::size_t keep = room;
    while (keep > 0 && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) --keep;
    name.resize(keep);
  }
  return folder + name + std::string(kTemporarySuffix);
}

// Reads the file to its end, at most maxBytes; `what` opens the error ("cannot read PATH").
bool ReadAllBounded(SystemFile& file, std::size_t maxBytes, std::string& bytes,
                    const std::string& what, std::string* error) {
  bytes.clear();
  std::string chunk(kReadChunk, '\0');
  for (;;) {
    std::size_t got = 0;
    int failure = 0;
    if (!file.Read(chunk.data(), chunk.size(), got, failure)) return Fail(error, what, failure);
    if (got == 0) return true;
    bytes.append(chunk.data(), got);
    if (bytes.size() > maxBytes) {
      return FailText(error, what + ": the file is larger than " + SizeText(maxBytes));
    }
  }
}

}  // namespace

bool ReadRegularFile(const std::string& path, std::size_t maxBytes, std::string& bytes,
                     std::string* error) {
  const std::string what = "cannot read " + path;
  PathKind kind = PathKind::Missing;
  int failure = 0;
  if (!KindOfPath(path, true, kind, failure)) return Fail(error, what, failure);
  if (kind == PathKind::Missing) return Fail(error, what, ENOENT);
  if (kind != PathKind::RegularFile) return FailText(error, what + ": not a regular file");
  // Opened without waiting, so that whatever is swapped in after the check cannot hold the
  // open up; what was opened is checked again.
  SystemFile file;
  if (!SystemFile::OpenForReading(path, file, failure)) return Fail(error, what, failure);
  if (!file.Kind(kind, failure)) return Fail(error, what, failure);
  if (kind != PathKind::RegularFile) return FailText(error, what + ": not a regular file");
  return ReadAllBounded(file, maxBytes, bytes, what, error);
}

bool ReadStandardInput(std::size_t maxBytes, std::string& bytes, std::string* error) {
  SystemFile input = SystemFile::StandardInput();
  return ReadAllBounded(input, maxBytes, bytes, "cannot read standard input", error);
}

bool OpenDocumentText(std::string_view bytes, RadioImage& document, std::string* problem) {
  // A saved document is all in its file: every record it held has a line, and the program
  // VFO and menu lines are always there. What the file leaves out was empty when it was saved.
  RadioImage scratch = document;
  scratch.Clear();
  if (!ReadChannelFileText(bytes, scratch, problem)) return false;
  document = std::move(scratch);
  return true;
}

bool OpenDocumentFile(const std::string& path, RadioImage& document, std::string* problem) {
  std::string bytes;
  if (!ReadRegularFile(path, kChannelFileMaxBytes, bytes, problem)) return false;
  return OpenDocumentText(bytes, document, problem);
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
  std::string target;
  if (!ResolveOutputTarget(path, target, error)) return false;
  std::string temporary = TemporaryTemplate(target);
  SystemFile file;
  int failure = 0;
  if (!SystemFile::CreateUnique(temporary, file, failure)) {
    return Fail(error, "cannot create a file next to " + path, failure);
  }

  file.TakePermissionsOf(target);
  // The first failure is the one told: a close after a failed write fails too.
  bool written = file.WriteAll(bytes, failure) && file.Sync(failure);
  int closeFailure = 0;
  if (!file.Close(closeFailure) && written) {
    written = false;
    failure = closeFailure;
  }
  if (!written || !RenameOver(temporary, target, failure)) {
    RemoveFile(temporary);
    return Fail(error, "cannot write " + path, failure);
  }
  SyncFolder(FolderOf(target));
  return true;
}

bool SaveDocumentFile(const std::string& path, const RadioImage& image, std::string* error) {
  return WriteFileAtomically(path, WriteChannelFileText(image), error);
}

}  // namespace quorvan

#include "core/files/FileFingerprint.h"

#include <filesystem>
#include <system_error>

#include "core/files/DocumentFile.h"

namespace quorvan {

namespace {

// Channel files are a few kilobytes; a larger file is compared by size and time alone.
constexpr std::size_t kMostComparedBytes = 16 * 1024 * 1024;

std::uint64_t Digest(const std::string& bytes) {
  std::uint64_t hash = 14695981039346656037ull;  // 64-bit FNV-1a
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return hash;
}

bool SizeAndTime(const std::string& path, FileFingerprint& print) {
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) return false;
  const auto time = std::filesystem::last_write_time(path, ec);
  if (ec) return false;
  print.size = size;
  print.time = static_cast<std::int64_t>(time.time_since_epoch().count());
  return true;
}

}  // namespace

FileFingerprint TakeFingerprint(const std::string& path) {
  FileFingerprint print;
  std::string bytes;
  if (!SizeAndTime(path, print) || !ReadRegularFile(path, kMostComparedBytes, bytes, nullptr)) {
    return {};
  }
  print.path = path;
  print.digest = Digest(bytes);
  return print;
}

bool ChangedSince(const FileFingerprint& then) {
  if (then.path.empty()) return false;
  FileFingerprint now;
  if (!SizeAndTime(then.path, now)) return true;
  if (now.size == then.size && now.time == then.time) return false;
  std::string bytes;
  if (now.size != then.size || !ReadRegularFile(then.path, kMostComparedBytes, bytes, nullptr)) {
    return true;
  }
  return Digest(bytes) != then.digest;
}

}  // namespace quorvan

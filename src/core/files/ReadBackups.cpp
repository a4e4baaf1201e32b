#include "core/files/ReadBackups.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "core/files/DocumentFile.h"

namespace quorvan {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kExtension = ".qvx";
constexpr std::size_t kStampLength = 15;  // "YYYYMMDD-hhmmss"

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
  });
}

bool AllAlnum(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
  });
}

// The "-N" added to a second read within the same second; 0 for none.
long SameSecondNumber(std::string_view name) {
  std::string_view rest =
      name.substr(kStampLength + 1, name.size() - kStampLength - 1 - kExtension.size());
  const auto dash = rest.find('-');
  if (dash == std::string_view::npos) return 0;
  return std::strtol(std::string(rest.substr(dash + 1, 6)).c_str(), nullptr, 10);
}

}  // namespace

std::string ReadBackupFileName(std::time_t when, std::string_view model) {
  std::tm local{};
  localtime_r(&when, &local);
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", local.tm_year + 1900,
                local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
  std::string safeModel;
  for (char c : model.substr(0, 16)) {
    if (std::isalnum(static_cast<unsigned char>(c))) safeModel += c;
  }
  if (safeModel.empty()) safeModel = "radio";
  return std::string(stamp) + "-" + safeModel + std::string(kExtension);
}

bool IsReadBackupFileName(std::string_view name) {
  if (name.size() <= kStampLength + 1 + kExtension.size()) return false;
  if (name.substr(name.size() - kExtension.size()) != kExtension) return false;
  if (!AllDigits(name.substr(0, 8)) || name[8] != '-' || !AllDigits(name.substr(9, 6)) ||
      name[kStampLength] != '-') {
    return false;
  }
  std::string_view rest =
      name.substr(kStampLength + 1, name.size() - kStampLength - 1 - kExtension.size());
  const auto dash = rest.find('-');
  if (dash == std::string_view::npos) return AllAlnum(rest);
  return AllAlnum(rest.substr(0, dash)) && AllDigits(rest.substr(dash + 1));
}

std::vector<std::string> ReadBackupsToRemove(std::vector<std::string> names, std::size_t keep) {
  names.erase(std::remove_if(names.begin(), names.end(),
                             [](const std::string& n) { return !IsReadBackupFileName(n); }),
              names.end());
  // The stamp sorts by time; within one second the added number decides.
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const int byStamp = a.compare(0, kStampLength, b, 0, kStampLength);
    if (byStamp != 0) return byStamp < 0;
    const long na = SameSecondNumber(a);
    const long nb = SameSecondNumber(b);
    return na != nb ? na < nb : a < b;
  });
  if (names.size() <= keep) return {};
  names.resize(names.size() - keep);
  return names;
}

bool SaveReadBackup(const std::string& folder, const RadioImage& image, std::time_t when,
                    std::string* error, std::size_t keep) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) {
    if (error) *error = ec.message();
    return false;
  }
  const std::string name = ReadBackupFileName(when, image.Plan().model);
  fs::path target = fs::path(folder) / name;
  for (int n = 2; fs::exists(target, ec) && n < 1000; ++n) {
    const std::string stem = name.substr(0, name.size() - kExtension.size());
    target = fs::path(folder) / (stem + "-" + std::to_string(n) + std::string(kExtension));
  }
  if (!SaveDocumentFile(target.string(), image, error)) return false;

  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    if (entry.is_regular_file(ec)) names.push_back(entry.path().filename().string());
  }
  for (const std::string& old : ReadBackupsToRemove(std::move(names), keep)) {
    fs::remove(fs::path(folder) / old, ec);
  }
  return true;
}

}  // namespace quorvan

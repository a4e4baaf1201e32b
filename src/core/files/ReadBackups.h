#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/RadioImage.h"

namespace quorvan {

// Every read that ran to its end is kept as a channel file in a backups folder, so what the
// radio held can be restored even after the document was changed unsaved; so is every write
// that leaves the radio's contents known, and what a write of changes overwrote.

constexpr std::size_t kKeptBackups = 50;  // of each kind: reads, writes, replaced items

// What a backup holds. A whole read or a write is what the radio held at that time.
enum class BackupKind {
  Read,        // a read of scope All
  MemoryRead,  // a read of the memories only
  MenuRead,    // a read of the menu only
  Written,     // what the radio holds after a write ("-written")
  Replaced,    // the items a write of changes overwrote, over what the radio held ("-replaced")
};

// The kind of backup a read of the records and/or the menu keeps.
BackupKind ReadBackupKind(bool records, bool menu);

// "20240131-235959-ARVEN-KK0F.qvx" for a read at that local time of that radio,
// "...-ARVEN-KK0F-written.qvx" for a write, "-replaced", "-memory", "-menu" for the others; a
// number ("-2") before the kind keeps two backups of one second apart. The model and the type
// code keep their letters and digits only (the type code's comma is left out, any other
// character is written as "_" and two hexadecimal digits); an empty model gives "radio", an
// empty type code no part at all.
std::string BackupFileName(std::time_t when, const BandPlan& plan, BackupKind kind,
                           long number = 1);

// A file name BackupFileName made, or one of the older read backups without a type code
// ("20240131-235959-ARVEN.qvx"), taken apart. Other files in the folder are never touched.
struct BackupName {
  std::string stamp;    // "20240131-235959"
  std::string model;    // as in the name
  std::string typeTag;  // as in the name; empty for an older read backup
  long number = 1;
  BackupKind kind = BackupKind::Read;
};
std::optional<BackupName> ParseBackupFileName(std::string_view name);
bool IsBackupFileName(std::string_view name);

// Of the names given, the backups to remove so that the newest `keep` of each kind remain
// (reads of any scope count together), oldest first.
std::vector<std::string> BackupsToRemove(std::vector<std::string> names, std::size_t keep);

// Writes the image into `folder` (created when missing) under a fresh backup name of the
// image's plan and removes the oldest backups of its kind beyond the limit. On failure `error`
// says why.
bool SaveBackup(const std::string& folder, const RadioImage& image, std::time_t when,
                BackupKind kind, std::string* error, std::size_t keep = kKeptBackups);

// What the radio of a document held after the last read of scope All or write that ran to its
// end: the newest such backup in `folder` whose type code and model are the document's, opened
// with the document's plan (a newer one that no longer opens is passed over). False when there
// is none; `path` then is empty. The window and quorvan-cli both ask this.
bool OpenBaseline(const std::string& folder, const RadioImage& document, RadioImage& baseline,
                  std::string* path = nullptr);

}  // namespace quorvan

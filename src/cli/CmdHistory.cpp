#include <time.h>

#include <algorithm>
#include <array>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "cli/CliTrace.h"
#include "cli/CliTransfer.h"
#include "cli/CommandArgs.h"
#include "cli/DocumentOptions.h"
#include "cli/WriteChanges.h"
#include "core/files/BackupPins.h"
#include "core/files/RadioHistory.h"
#include "core/messages/Messages.h"
#include "core/model/AppSettings.h"
#include "core/model/ChannelFile.h"
#include "core/model/EscapedText.h"
#include "core/rules/DocumentComparison.h"
#include "core/rules/JsonText.h"

namespace quorvan {

extern const CliCommand kHistoryCommand;

namespace {

constexpr CliOption kFormatOption{"--format", "text|json"};
constexpr CliOption kForceOption{"--force", ""};
constexpr CliOption kVerifyOption{"--verify", ""};

// As diff(1) has them, for history diff.
constexpr int kExitDifferent = 1;
constexpr int kExitTrouble = 2;

enum class Action { List, Show, Diff, Restore, Pin, Unpin };

// What follows "history": its word, how many entries it names, the options it takes besides
// --type and --model.
struct ActionForm {
  std::string_view word;
  Action action;
  std::size_t entries;
  std::vector<std::string_view> options;
};
const std::array<ActionForm, 5> kActions{{
    {"show", Action::Show, 1, {}},
    {"diff", Action::Diff, 2, {}},
    {"restore",
     Action::Restore,
     1,
     {kPortOption.name, kVerifyOption.name, kForceOption.name, kQuietOption.name,
      kProgressOption.name, kTraceOption.name}},
    {"pin", Action::Pin, 1, {}},
    {"unpin", Action::Unpin, 1, {}},
}};
const ActionForm kListForm{"", Action::List, 0, {kFormatOption.name}};

// The history of one radio as the command line chose it.
struct History {
  BandPlan plan;
  std::string folder;
  std::vector<HistoryEntry> entries;
};

// "ARVEN KK,0F (U.S.A./Canada)", or the name's own parts for a type the program does not know.
std::string RadioText(const BackupRadio& radio) {
  for (const SetupChoice& choice : kSetupChoices) {
    if (BackupRadioOf(MakeDefaultBandPlan(choice.type, radio.model)).typeTag == radio.typeTag) {
      return radio.model + " " + choice.type + " (" + choice.market + ")";
    }
  }
  return radio.model + " " + radio.typeTag;
}

std::string TimeText(std::time_t when, bool utc) {
  std::tm t{};
  if (utc) {
    gmtime_r(&when, &t);
  } else {
    localtime_r(&when, &t);
  }
  char text[40];
  std::strftime(text, sizeof text, utc ? "%Y-%m-%dT%H:%M:%SZ" : "%Y-%m-%d %H:%M:%S", &t);
  return text;
}

int UsageError(CliContext& context, std::string_view problem) {
  return ReportUsageError(context, kHistoryCommand, problem);
}

// Every option given must be one the action takes.
bool OptionsFit(const CommandArgs& parsed, const ActionForm& form, std::string& problem) {
  for (const auto& [name, value] : parsed.options) {
    if (name == kTypeOption.name || name == kModelOption.name) continue;
    bool taken = false;
    for (const std::string_view option : form.options) taken = taken || option == name;
    if (!taken) {
      problem = name + (form.word.empty() ? " is not for the listing"
                                          : " is not for history " + std::string(form.word));
      return false;
    }
  }
  return true;
}

// The radio of a backup file given by its name or path, and the plan to open its backups with.
int PlanOfBackupFile(const std::string& file, CliContext& context, BandPlan& plan) {
  const std::string name = std::filesystem::path(file).filename().string();
  const std::optional<BackupName> parsed = ParseBackupFileName(name);
  if (!parsed) {
    return ReportError(context, InputName(file) +
                                    " is not named as a backup is; give the name of one in the "
                                    "backups folder, or --type CODE");
  }
  const std::optional<BandPlan> found =
      PlanOfBackupRadio(parsed->radio, StoredBandPlan(context.settings));
  if (!found) {
    return ReportError(context, InputName(file) + " is a backup of " + RadioText(parsed->radio) +
                                    ", a radio type this program does not know");
  }
  plan = *found;
  return kExitOk;
}

// The history chosen; with `compare`, every entry opened to tell what it changed.
int LoadHistory(const CommandArgs& parsed, const std::optional<std::string>& file, bool compare,
                CliContext& context, History& history) {
  const int resolved = file ? PlanOfBackupFile(*file, context, history.plan)
                            : ResolveCommandPlan(parsed, kHistoryCommand, context, history.plan);
  if (resolved != kExitOk) return resolved;
  history.folder = BackupFolder();
  history.entries = LoadRadioHistory(history.folder, history.plan, compare);
  return kExitOk;
}

// The entry an operand names, or why none: out of range, not of this history, or of another
// radio (named, with this history's).
const HistoryEntry* FindEntry(const History& history, const std::string& operand,
                              CliContext& context) {
  if (const auto at = FindHistoryEntry(history.entries, operand)) return &history.entries[*at];
  const std::string radio = RadioText(BackupRadioOf(history.plan));
  if (const std::optional<BackupName> name = ParseBackupFileName(operand)) {
    if (name->radio != BackupRadioOf(history.plan)) {
      ReportError(context, EscapeControls(operand) + " is a backup of " + RadioText(name->radio) +
                               "; this is the history of " + radio +
                               " (give --type and --model for the other)");
      return nullptr;
    }
  }
  ReportError(context, "the history of " + radio + " has no entry " + QuotedForMessage(operand) +
                           " (it has " + std::to_string(history.entries.size()) +
                           (history.entries.size() == 1 ? " entry)" : " entries)"));
  return nullptr;
}

// Opens an entry; one that does not open is damaged, and told so.
int OpenEntry(const History& history, const HistoryEntry& entry, CliContext& context,
              RadioImage& image) {
  std::string problem;
  if (OpenHistoryEntry(entry, history.plan, image, &problem)) return kExitOk;
  return ReportError(context, WithDetail(kDamagedBackupMessage, problem));
}

std::string ChangesJson(const HistoryEntry& entry) {
  if (entry.damaged || entry.earliest) return "null";
  struct Key {
    const char* name;
    ItemKind kind;
  };
  static constexpr std::array<Key, 6> kKeys{{{"memory", ItemKind::Memory},
                                             {"vfo", ItemKind::Vfo},
                                             {"call", ItemKind::Call},
                                             {"dtmf", ItemKind::Dtmf},
                                             {"programVfo", ItemKind::ProgramVfo},
                                             {"menu", ItemKind::Menu}}};
  std::string json = "{";
  for (const Key& key : kKeys) {
    if (json.size() > 1) json += ", ";
    json += JsonString(key.name) + ": " + std::to_string(entry.changes.Of(key.kind));
  }
  return json + "}";
}

void PrintJson(const History& history, std::ostream& out) {
  out << "{\n  \"type\": " << JsonString(history.plan.type)
      << ",\n  \"model\": " << JsonString(history.plan.model) << ",\n  \"entries\": [";
  for (std::size_t i = 0; i < history.entries.size(); ++i) {
    const HistoryEntry& entry = history.entries[i];
    out << (i == 0 ? "\n" : ",\n") << "    {\"index\": " << i + 1
        << ", \"file\": " << JsonString(entry.name.fileName)
        << ", \"time\": " << JsonString(TimeText(entry.name.when, true))
        << ", \"localTime\": " << JsonString(TimeText(entry.name.when, false))
        << ", \"kind\": " << JsonString(HistoryKindWord(entry.name.kind))
        << ", \"pinned\": " << (entry.pinned ? "true" : "false")
        << ", \"damaged\": " << (entry.damaged ? "true" : "false")
        << ", \"summary\": " << JsonString(HistorySummary(entry))
        << ", \"changes\": " << ChangesJson(entry);
    if (entry.damaged) out << ", \"problem\": " << JsonString(entry.problem);
    out << "}";
  }
  out << (history.entries.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

void PrintText(const History& history, std::ostream& out) {
  const std::size_t numberWidth = std::to_string(history.entries.size()).size();
  std::size_t summaryWidth = 0;
  for (const HistoryEntry& entry : history.entries) {
    summaryWidth = std::max(summaryWidth, HistorySummary(entry).size());
  }
  constexpr std::size_t kKindWidth = 11;  // "memory-read"
  for (std::size_t i = 0; i < history.entries.size(); ++i) {
    const HistoryEntry& entry = history.entries[i];
    const std::string number = std::to_string(i + 1);
    const std::string kind(HistoryKindWord(entry.name.kind));
    const std::string summary = HistorySummary(entry);
    out << std::string(numberWidth - number.size(), ' ') << number << "  "
        << TimeText(entry.name.when, false) << "  " << kind
        << std::string(kKindWidth - kind.size(), ' ') << "  "
        << (entry.pinned ? "pinned" : "      ") << "  " << summary
        << std::string(summaryWidth - summary.size(), ' ') << "  " << entry.name.fileName << "\n";
  }
}

int RunList(const CommandArgs& parsed, CliContext& context) {
  std::optional<std::string> file;
  if (!parsed.positionals.empty()) file = parsed.positionals.front();
  constexpr std::string_view kExtension = ".qvx";
  if (file &&
      (file->size() < kExtension.size() ||
       file->compare(file->size() - kExtension.size(), kExtension.size(), kExtension) != 0)) {
    return UsageError(context, "unknown \"" + EscapeControls(*file) +
                                   "\": give show, diff, restore, pin, unpin or a backup's "
                                   "FILE.qvx");
  }
  if (parsed.positionals.size() > 1) return UsageError(context, "too many files");
  const std::string format = parsed.Option(kFormatOption).value_or("text");
  if (format != "text" && format != "json") {
    return UsageError(context, "unknown format \"" + EscapeControls(format) + "\"");
  }
  if (file && parsed.Option(kTypeOption)) {
    return UsageError(context, "give --type or a backup's FILE.qvx, not both");
  }
  History history;
  const int loaded = LoadHistory(parsed, file, true, context, history);
  if (loaded != kExitOk) return loaded;
  if (history.entries.empty()) {
    context.err << kMessagePrefix << "no backups of " << RadioText(BackupRadioOf(history.plan))
                << " are kept in " << EscapeControls(history.folder) << "\n";
  }
  if (format == "json") {
    PrintJson(history, context.out);
  } else {
    PrintText(history, context.out);
  }
  return kExitOk;
}

int RunShow(const History& history, const HistoryEntry& entry, CliContext& context) {
  RadioImage image;
  const int opened = OpenEntry(history, entry, context, image);
  if (opened != kExitOk) return opened;
  context.out << WriteChannelFileText(image);
  return kExitOk;
}

int RunDiff(const History& history, const std::vector<const HistoryEntry*>& entries,
            const std::vector<std::string>& operands, CliContext& context) {
  RadioImage first;
  RadioImage second;
  if (OpenEntry(history, *entries[0], context, first) != kExitOk ||
      OpenEntry(history, *entries[1], context, second) != kExitOk) {
    return kExitTrouble;
  }
  const ItemSet items = CommonItems(entries[0]->name.kind, entries[1]->name.kind);
  if (items.Empty()) return ReportError(context, kNothingInCommonText, kExitTrouble);
  const auto side = [](const std::string& operand) {
    const bool number = operand.find_first_not_of("0123456789") == std::string::npos;
    return (number ? "in entry " : "in ") + EscapeControls(operand);
  };
  const std::vector<FieldDifference> differences = CompareRadioItems(first, second, items);
  for (const FieldDifference& difference : differences) {
    context.out << DescribeDifference(difference, side(operands[0]), side(operands[1])) << "\n";
  }
  return differences.empty() ? kExitOk : kExitDifferent;
}

int RunPin(const History& history, const HistoryEntry& entry, bool pinned, CliContext& context) {
  std::string error;
  if (SetPinned(history.folder, entry.name.fileName, pinned, &error)) return kExitOk;
  return ReportError(context, WithDetail(kPinNotChangedMessage, error));
}

// The difference between what the radio holds now and the entry, written as a write of changes.
int RunRestore(const CommandArgs& parsed, const History& history, const HistoryEntry& entry,
               CliContext& context) {
  std::string port;
  TransferScope scope = TransferScope::All;
  std::string problem;
  if (!TransferTarget(parsed, port, scope, problem)) return UsageError(context, problem);
  RadioImage state;
  const int opened = OpenEntry(history, entry, context, state);
  if (opened != kExitOk) return opened;
  ChangesBase base;
  const int found =
      FindRadioBaseline(state, "read the radio once.", kReadOnceAdvice, context, base);
  if (found != kExitOk) return found;
  base.nothingChanged = AlreadyRestoredText(BackupTimeText(entry.name.when));
  const RadioImage target = RestoredState(base.state, state, entry.name.kind);
  ChangesOptions options;
  options.force = parsed.Option(kForceOption).has_value();
  options.verify = parsed.Option(kVerifyOption).has_value();
  options.progress = ProgressOption(parsed);
  // What the check read is kept as the newest backup, so the entry's number moves on.
  options.forceAdvice = "Give --force to write anyway, and name the entry " +
                        EscapeControls(entry.name.fileName) +
                        ": its number moved on with the backup just kept.";
  context.err << kMessagePrefix << "Restoring " << EscapeControls(entry.name.fileName) << ".\n";
  CliTrace trace(parsed, "history restore");
  const int code = WriteChangesOver(target, base, options, port, trace.Sink(), context);
  trace.Save(context);
  return code;
}

int RunHistory(const std::vector<std::string>& args, CliContext& context) {
  CommandArgs parsed;
  std::string problem;
  if (!ParseCommandArgs(args, kHistoryCommand.options, parsed, problem)) {
    return UsageError(context, problem);
  }
  const ActionForm* form = &kListForm;
  if (!parsed.positionals.empty()) {
    for (const ActionForm& action : kActions) {
      if (action.word == parsed.positionals.front()) form = &action;
    }
  }
  if (!OptionsFit(parsed, *form, problem)) return UsageError(context, problem);
  if (form->action == Action::List) return RunList(parsed, context);

  const std::vector<std::string> operands(parsed.positionals.begin() + 1, parsed.positionals.end());
  if (operands.size() != form->entries) {
    return UsageError(
        context, "history " + std::string(form->word) +
                     (form->entries == 1 ? " takes one entry, N" : " takes two entries, N and M"));
  }
  const int trouble = form->action == Action::Diff ? kExitTrouble : kExitFailure;
  History history;
  // Only the entries named are opened.
  const int loaded = LoadHistory(parsed, std::nullopt, false, context, history);
  if (loaded != kExitOk) return loaded == kExitUsage ? kExitUsage : trouble;
  std::vector<const HistoryEntry*> entries;
  for (const std::string& operand : operands) {
    const HistoryEntry* entry = FindEntry(history, operand, context);
    if (!entry) return trouble;
    entries.push_back(entry);
  }
  switch (form->action) {
    case Action::Show:
      return RunShow(history, *entries[0], context);
    case Action::Diff:
      return RunDiff(history, entries, operands, context);
    case Action::Restore:
      return RunRestore(parsed, history, *entries[0], context);
    case Action::Pin:
    case Action::Unpin:
      return RunPin(history, *entries[0], form->action == Action::Pin, context);
    case Action::List:
      break;
  }
  return kExitOk;
}

}  // namespace

extern const CliCommand kHistoryCommand{
    "history",
    "list, compare, restore and pin the states the radio held, from its backups",
    "usage: quorvan-cli history [--type CODE [--model ID] | FILE.qvx] [--format text|json]\n"
    "       quorvan-cli history show N [--type CODE [--model ID]]\n"
    "       quorvan-cli history diff N M [--type CODE [--model ID]]\n"
    "       quorvan-cli history restore N --port DEV [--verify] [--force]\n"
    "                               [--quiet | --progress] [--trace FILE]\n"
    "                               [--type CODE [--model ID]]\n"
    "       quorvan-cli history pin N | unpin N [--type CODE [--model ID]]\n"
    "  The history of a radio is every backup of its model and type code in the backups\n"
    "  folder: each whole or partial read, each write and its journal, and what each write of\n"
    "  changes replaced. Without --type it is the history of the radio the settings store.\n"
    "  It is listed newest first, one line for each entry: its number, the local time, the\n"
    "  kind, pinned for a pinned one, what it changed against the state before it (such as\n"
    "  \"3 memory channels, 1 menu value\"), and the file name. The kinds are read,\n"
    "  memory-read, menu-read, written, replaced and pending (the journal of a write that did\n"
    "  not end); a backup that does not open is listed as damaged and never used.\n"
    "  FILE.qvx      a backup, by its name or path: the history of its radio\n"
    "  --format text|json\n"
    "                the lines above (the default), or a JSON object with \"type\", \"model\"\n"
    "                and \"entries\": objects with index, file, time (UTC), localTime, kind,\n"
    "                pinned, damaged, summary, changes (the count of each kind of item:\n"
    "                memory, vfo, call, dtmf, programVfo, menu; null for the oldest and a\n"
    "                damaged one) and, for a damaged one, problem\n"
    "  show|diff|restore|pin|unpin N...\n"
    "                what to do with entries; N and M are numbers of the list (1 the newest)\n"
    "                or file names\n"
    "  show N        write entry N out as cat does\n"
    "  diff N M      one line for each field that differs, as diff does, in what the two\n"
    "                entries both hold; exit status 0 the same, 1 they differ, 2 they could\n"
    "                not be compared (or the lines could not all be written)\n"
    "  restore N     write to the radio only what differs between what it holds now (its\n"
    "                newest whole read, write or journal) and entry N, as a write of\n"
    "                changes does: the radio is checked for changes since, a write that did\n"
    "                not end is completed, and the exit status is the same. Of a read of the\n"
    "                memories or of the menu alone, that part is restored\n"
    "  --verify      read back what was written and fail when the radio differs\n"
    "  --force       write even when the radio was changed since it was last read or written\n"
    "  pin N         never remove entry N, whatever the number of backups; unpin N takes the\n"
    "                pin off\n"
    "  Example: quorvan-cli history restore 3 --port /dev/ttyUSB0 --verify\n",
    {kFormatOption, kPortOption, kVerifyOption, kForceOption, kQuietOption, kProgressOption,
     kTraceOption, kTypeOption, kModelOption},
    {"show|diff|restore|pin|unpin", "N..."},
    &RunHistory,
    kExitTrouble,  // history diff's lines cut short are no answer either way
};

}  // namespace quorvan

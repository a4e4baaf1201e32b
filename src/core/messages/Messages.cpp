#include "core/messages/Messages.h"

#include "core/messages/MessagePatterns.h"
#include "core/model/EscapedText.h"

namespace quorvan {

std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values) {
  std::string text;
  text.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
      if (index < values.size()) {
        text += *(values.begin() + index);
        ++i;
        continue;
      }
    }
    text += c;
  }
  return text;
}

std::string WithDetail(std::string_view text, std::string_view detail) {
  std::string message(text);
  message += '\n';
  message += EscapeControls(detail);
  return message;
}

std::string FileNotWrittenMessage(std::string_view reason) {
  return FillIn(pattern::kFileNotWritten, {EscapeControls(reason)});
}

std::string ChangedOnDiskQuestion(std::string_view name) {
  return FillIn(pattern::kChangedOnDisk, {EscapeControls(name)});
}

std::string IncompleteReadStatus(int unread) {
  return FillIn(unread == 1 ? pattern::kIncompleteReadOne : pattern::kIncompleteReadMany,
                {std::to_string(unread)});
}

std::string IncompleteReadQuestion(int unread) {
  return FillIn(unread == 1 ? pattern::kIncompleteWriteOne : pattern::kIncompleteWriteMany,
                {std::to_string(unread)});
}

std::string RecoveryQuestion(std::string_view name, std::string_view time) {
  return FillIn(pattern::kRecovery, {EscapeControls(name), time});
}

std::string OffStepSkippedText(std::string_view frequency, std::string_view step,
                               std::string_view keptStep) {
  return FillIn(pattern::kOffStepSkipped, {frequency, step, keptStep});
}

std::string ComparedWithReadText(std::string_view date) {
  return FillIn(pattern::kComparedWithRead, {date});
}

std::string ComparedWithWriteText(std::string_view date) {
  return FillIn(pattern::kComparedWithWrite, {date});
}

std::string ComparedWithJournalText(std::string_view date) {
  return FillIn(pattern::kComparedWithJournal, {date});
}

std::string ComparedWithFileText(std::string_view file) {
  return FillIn(pattern::kComparedWithFile, {EscapeControls(file)});
}

std::string NothingChangedText(std::string_view date) {
  return FillIn(pattern::kNothingChanged, {date});
}

std::string NothingDiffersText(std::string_view file) {
  return FillIn(pattern::kNothingDiffers, {EscapeControls(file)});
}

std::string UnreadableBaselineText(std::string_view problem) {
  std::string text = FillIn(pattern::kUnreadableBaseline, {EscapeControls(problem)});
  return text.back() == '.' ? text : text + ".";
}

std::string FutureBaselineText(std::string_view path, std::string_view date) {
  return FillIn(pattern::kFutureBaseline, {date, EscapeControls(path)});
}

std::string JournalRefusedText(std::string_view reason) {
  return FillIn(pattern::kJournalRefused, {EscapeControls(reason)});
}

std::string StateNotKeptText(std::string_view reason) {
  return FillIn(pattern::kStateNotKept, {EscapeControls(reason)});
}

std::string WriteNotEndedUnkeptText(std::string_view reason) {
  return FillIn(pattern::kWriteNotEndedUnkept, {EscapeControls(reason)});
}

std::string WriteChangesQuestion(int items) {
  return FillIn(items == 1 ? pattern::kWriteOneChange : pattern::kWriteChanges,
                {std::to_string(items)});
}

std::string RestoreQuestion(std::string_view date, int items) {
  return FillIn(items == 1 ? pattern::kRestoreOne : pattern::kRestoreMany,
                {date, std::to_string(items)});
}

std::string LiveDiffersText(int items) {
  return FillIn(items == 1 ? pattern::kLiveDiffersOne : pattern::kLiveDiffersMany,
                {std::to_string(items)});
}

std::string LiveLeaveQuestion(int items) {
  return FillIn(items == 1 ? pattern::kLiveLeaveOne : pattern::kLiveLeaveMany,
                {std::to_string(items)});
}

std::string AlreadyRestoredText(std::string_view date) {
  return FillIn(pattern::kAlreadyRestored, {date});
}

}  // namespace quorvan

#include "core/messages/Messages.h"

#include "core/model/EscapedText.h"

namespace quorvan {

std::string WithDetail(std::string_view text, std::string_view detail) {
  std::string message(text);
  message += '\n';
  message += EscapeControls(detail);
  return message;
}

std::string FileNotWrittenMessage(std::string_view reason) {
  return "The file could not be written: " + EscapeControls(reason);
}

std::string ChangedOnDiskQuestion(std::string_view name) {
  return EscapeControls(name) + " was changed by another program since you opened it.";
}

std::string IncompleteReadStatus(int unread) {
  return "Incomplete read: " + std::to_string(unread) +
         (unread == 1 ? " item was" : " items were") + " not read from the radio.";
}

std::string IncompleteReadQuestion(int unread) {
  return "This document holds a read that did not finish: " + std::to_string(unread) +
         (unread == 1 ? " item was" : " items were") + " not read from the radio. Write anyway?";
}

std::string RecoveryQuestion(std::string_view name, std::string_view time) {
  return "Quorvan was closed without saving changes to " + EscapeControls(name) + " (" +
         std::string(time) + ").\nRestore them?";
}

std::string OffStepSkippedText(std::string_view frequency, std::string_view step,
                               std::string_view keptStep) {
  return std::string(frequency) + " is not on the " + std::string(step) + " step; left at " +
         std::string(keptStep);
}

std::string ComparedWithReadText(std::string_view date) {
  return "Compared with what the radio held after the read of " + std::string(date) + ".";
}

std::string ComparedWithWriteText(std::string_view date) {
  return "Compared with what the radio held after the write of " + std::string(date) + ".";
}

std::string ComparedWithJournalText(std::string_view date) {
  return "Compared with what the write of " + std::string(date) +
         " was to leave; that write may not have ended, so what it wrote is checked first.";
}

std::string ComparedWithFileText(std::string_view file) {
  return "Compared with " + EscapeControls(file) + ".";
}

std::string NothingChangedText(std::string_view date) {
  return "Nothing has changed since the last read or write of this radio (" + std::string(date) +
         "); nothing was sent.";
}

std::string NothingDiffersText(std::string_view file) {
  return "Nothing differs from " + EscapeControls(file) + "; nothing was sent.";
}

std::string UnreadableBaselineText(std::string_view problem) {
  std::string text = "The newest backup of this radio cannot be read: " + EscapeControls(problem);
  return text.back() == '.' ? text : text + ".";
}

std::string FutureBaselineText(std::string_view path, std::string_view date) {
  return "The newest backup of this radio is dated later than now (" + std::string(date) +
         "; is the computer's clock right?): " + EscapeControls(path) + ".";
}

std::string JournalRefusedText(std::string_view reason) {
  return "Nothing was written to the radio: what it is to hold could not be kept first: " +
         EscapeControls(reason) + ".";
}

std::string StateNotKeptText(std::string_view reason) {
  return "The radio was written, but what it now holds could not be kept: " +
         EscapeControls(reason) + ". Read the radio once before the next write of changes.";
}

std::string WriteNotEndedUnkeptText(std::string_view reason) {
  return "The write did not end, and what it was to leave could not be kept: " +
         EscapeControls(reason) + ". Read the radio once before the next write of changes.";
}

std::string RestoreQuestion(std::string_view date, int items) {
  return "Restore the radio to its state of " + std::string(date) + "? " + std::to_string(items) +
         (items == 1 ? " item differs" : " items differ") + " from what it holds now.";
}

std::string AlreadyRestoredText(std::string_view date) {
  return "The radio already holds its state of " + std::string(date) + "; nothing was sent.";
}

}  // namespace quorvan

#pragma once

#include <string>
#include <string_view>

#include "core/messages/Translatable.h"

namespace quorvan {

// Every message text the window and quorvan-cli show, defined once. The radio program's own
// texts are kept byte for byte: what they leave out goes on a line after them (WithDetail),
// never inside.

// ---- Documents and files ---------------------------------------------------------------------
constexpr std::string_view kFileOpenErrorMessage =
    QT_TRANSLATE_NOOP("Messages", "File Open error.");
constexpr std::string_view kDataChangedQuestion =
    QT_TRANSLATE_NOOP("Messages", "Data is changed.\nDo you want to save the changes?");
constexpr std::string_view kReadBackupNotKeptMessage =
    QT_TRANSLATE_NOOP("Messages", "The data read could not be kept as a backup.");
constexpr std::string_view kWrittenBackupNotKeptMessage =
    QT_TRANSLATE_NOOP("Messages", "The data written could not be kept as a backup.");
constexpr std::string_view kReplacedBackupNotKeptMessage =
    QT_TRANSLATE_NOOP("Messages", "The data replaced could not be kept as a backup.");
constexpr std::string_view kGuideNotReadMessage =
    QT_TRANSLATE_NOOP("Messages", "The user guide could not be read.");
// View > Language: the window's texts are chosen when it starts.
constexpr std::string_view kLanguageAtNextStartMessage =
    QT_TRANSLATE_NOOP("Messages", "The language chosen is used when Quorvan is started again.");

// ---- Live mode --------------------------------------------------------------------------------
constexpr std::string_view kLiveSettledStatus =
    QT_TRANSLATE_NOOP("Messages", "Live: radio holds the document.");
constexpr std::string_view kLiveExchangeNotEnded =
    QT_TRANSLATE_NOOP("Messages", "The exchange with the radio did not end.");
constexpr std::string_view kLiveRadioChanged = QT_TRANSLATE_NOOP(
    "Messages", "The radio no longer holds what it held when live mode began. Nothing was sent.");
constexpr std::string_view kLiveNotReadBack =
    QT_TRANSLATE_NOOP("Messages", "The items sent were not read back.");
constexpr std::string_view kLiveReadBackDiffers =
    QT_TRANSLATE_NOOP("Messages", "The radio gave back otherwise what was sent.");
constexpr std::string_view kLiveResumeAdvice = QT_TRANSLATE_NOOP(
    "Messages",
    "The document keeps every edit. Check the cable and the radio, then choose Resume: it reads "
    "what the radio holds and sends what it lacks.");

// ---- The radio and its port ------------------------------------------------------------------
// What to do about a port that may not be used (a line after the message that names it).
constexpr std::string_view kAskAdministratorAdvice = QT_TRANSLATE_NOOP(
    "Messages", "Ask the administrator of this computer for read and write access to it.");
constexpr std::string_view kLogInAgainAdvice =
    QT_TRANSLATE_NOOP("Messages", "Log out and log in again.");
constexpr std::string_view kThenLogInAgainAdvice =
    QT_TRANSLATE_NOOP("Messages", "then log out and log in again.");
constexpr std::string_view kPortInUseAdvice =
    QT_TRANSLATE_NOOP("Messages", "The port is in use by another program.");
constexpr std::string_view kComPortInvalidMessage =
    QT_TRANSLATE_NOOP("Messages", "COM port is invalid.\nPlease check and try again.");
// Before a transfer, when the port cannot be opened at all.
constexpr std::string_view kComPortStatusMessage =
    QT_TRANSLATE_NOOP("Messages", "COM port is invalid.\nPlease check comport status.");
constexpr std::string_view kRadioInvalidMessage =
    QT_TRANSLATE_NOOP("Messages", "The radio is invalid.\nPlease check and try again.");
constexpr std::string_view kTimeoutMessage =
    QT_TRANSLATE_NOOP("Messages", "Communication timeout error.");
constexpr std::string_view kWriteQuestion =
    QT_TRANSLATE_NOOP("Messages", "Do you want to write the data to the radio?");

// ---- Writing changes and verifying ---------------------------------------------------------
constexpr const char* kNoBaselineText =
    QT_TRANSLATE_NOOP("Messages", "No earlier read or write of this radio is known");
// The window's advice with it: what makes the radio known.
constexpr const char* kNoBaselineReadOnceText = QT_TRANSLATE_NOOP(
    "Messages", "No earlier read or write of this radio is known: read the radio once.");
constexpr const char* kNoBaselineWriteOnceText = QT_TRANSLATE_NOOP(
    "Messages", "No earlier read or write of this radio is known: write everything once.");
constexpr const char* kHoldsDocumentText =
    QT_TRANSLATE_NOOP("Messages", "The radio holds this document.");
constexpr const char* kHoldsWrittenText =
    QT_TRANSLATE_NOOP("Messages", "The radio holds what was written.");
constexpr const char* kDiffersFromDocumentText =
    QT_TRANSLATE_NOOP("Messages", "The radio does not hold this document:");
constexpr const char* kDiffersFromWrittenText =
    QT_TRANSLATE_NOOP("Messages", "The radio does not hold what was written:");
constexpr const char* kChangedSinceBaselineText =
    QT_TRANSLATE_NOOP("Messages", "The radio was changed since it was last read or written:");
constexpr const char* kNothingWrittenText =
    QT_TRANSLATE_NOOP("Messages", "Nothing was written to the radio.");

// The two sides of a difference line ("memory 012: frequency 145.550 in the file, 145.500 in
// the radio").
constexpr const char* kFileSide = QT_TRANSLATE_NOOP("Messages", "in the file");
constexpr const char* kDocumentSide = QT_TRANSLATE_NOOP("Messages", "in the document");
constexpr const char* kRadioSide = QT_TRANSLATE_NOOP("Messages", "in the radio");
constexpr const char* kBaselineSide = QT_TRANSLATE_NOOP("Messages", "at the last read or write");

// What a write of changes compares with, one sentence each: "Compared with what the radio held
// after the write of 9 Dec 2026 14:15."; a journal: "Compared with what the write of DATE was to
// leave; that write may not have ended, so what it wrote is checked first."; --since:
// "Compared with BASE.qvx."
std::string ComparedWithReadText(std::string_view date);
std::string ComparedWithWriteText(std::string_view date);
std::string ComparedWithJournalText(std::string_view date);
std::string ComparedWithFileText(std::string_view file);

// A write of changes with nothing to send: "Nothing has changed since the last read or write of
// this radio (9 Dec 2026 14:15); nothing was sent.", or since the file --since names.
std::string NothingChangedText(std::string_view date);
std::string NothingDiffersText(std::string_view file);

// The newest backup of the radio cannot be what a write of changes compares with; the advice
// goes on the line after ("Nothing was sent. Read the radio once, or give --since.").
std::string UnreadableBaselineText(std::string_view problem);
std::string FutureBaselineText(std::string_view path, std::string_view date);
constexpr const char* kReadOnceAdvice =
    QT_TRANSLATE_NOOP("Messages", "Nothing was sent. Read the radio once.");
constexpr const char* kReadOnceOrSinceAdvice =
    QT_TRANSLATE_NOOP("Messages", "Nothing was sent. Read the radio once, or give --since.");

// The journal of a write, kept before its first change is sent: it could not be kept at all
// (nothing is written), or the write ended and what the radio holds could not be kept.
std::string JournalRefusedText(std::string_view reason);
std::string StateNotKeptText(std::string_view reason);
// On the line after a write that did not end: the journal completes it, or (its state not
// kept) nothing can.
constexpr const char* kWriteNotEndedText =
    QT_TRANSLATE_NOOP("Messages", "The write did not end; the next write of changes completes it.");
std::string WriteNotEndedUnkeptText(std::string_view reason);
// After a write that ended with commands refused or not carried out.
constexpr const char* kWriteAgainText = QT_TRANSLATE_NOOP(
    "Messages", "The next write of changes writes again what the radio did not take.");

// A write of changes with nothing changed since the journal of a write that did not end, whose
// items it checks and completes.
constexpr const char* kCompleteWriteQuestion =
    QT_TRANSLATE_NOOP("Messages", "Complete the write that did not end?");

// "Write 3 changed items to the radio?"
std::string WriteChangesQuestion(int items);

// ---- Live mode -------------------------------------------------------------------------------
// Turning live mode on when the document is not what the radio is known to hold; the line after
// says how they differ ("The document differs from what the radio held in 3 items.") or that
// nothing is known of the radio.
constexpr const char* kLiveModeQuestion =
    QT_TRANSLATE_NOOP("Messages", "Live mode keeps the radio equal to this document.");
std::string LiveDiffersText(int items);
constexpr const char* kLiveRadioUnknownText =
    QT_TRANSLATE_NOOP("Messages", "What this radio holds is not known: read it first.");
// Leaving live mode (or the document) with items the radio may not hold.
std::string LiveLeaveQuestion(int items);

// ---- The history of a radio -----------------------------------------------------------------
// Restoring a state the radio held (its time names it) is a write of changes over what it
// holds now: "Restore the radio to its state of 9 Dec 2026 14:15? 3 items differ from what it
// holds now.", with what it compares with on the line after; with nothing to send "The radio
// already holds its state of 9 Dec 2026 14:15; nothing was sent."
std::string RestoreQuestion(std::string_view date, int items);
std::string AlreadyRestoredText(std::string_view date);
// A backup of the history that does not open is listed, never used; its reason goes on the line
// after.
constexpr std::string_view kDamagedBackupMessage =
    QT_TRANSLATE_NOOP("Messages", "This backup is damaged and cannot be used.");
// A pin put on or taken off, with the reason on the line after.
constexpr std::string_view kPinNotChangedMessage =
    QT_TRANSLATE_NOOP("Messages", "The pin of this backup could not be changed.");
// Comparing two backups that hold nothing in common (a read of the memories only and one of the
// menu only).
constexpr const char* kNothingInCommonText = QT_TRANSLATE_NOOP(
    "Messages", "These two backups hold no part of the radio in common: nothing to compare.");

// Save over a file another program changed since it was opened or saved, with Overwrite,
// Save As... and Cancel: "club.qvx was changed by another program since you opened it."
std::string ChangedOnDiskQuestion(std::string_view name);

// A read that did not finish: the status bar while the document holds it ("Incomplete read: 12
// items were not read from the radio."), and the question before a write of it.
std::string IncompleteReadStatus(int unread);
std::string IncompleteReadQuestion(int unread);

// ---- Recovery --------------------------------------------------------------------------------
// At start, for unsaved work a window left behind: "Quorvan was closed without saving changes to
// NAME (9 Dec 2026 14:15).\nRestore them?"
std::string RecoveryQuestion(std::string_view name, std::string_view time);

// ---- Editing ---------------------------------------------------------------------------------
constexpr std::string_view kInvalidFunctionMessage =
    QT_TRANSLATE_NOOP("Messages", "Invalid function.");
constexpr std::string_view kNotFoundMessage = QT_TRANSLATE_NOOP("Messages", "Not found.");
constexpr std::string_view kInvalidFrequencyMessage =
    QT_TRANSLATE_NOOP("Messages", "Invalid Frequency.\nPlease check and try again.");
constexpr std::string_view kInvalidOffsetMessage =
    QT_TRANSLATE_NOOP("Messages", "Invalid Offset.\nPlease check and try again.");
constexpr std::string_view kRoundedMessage = QT_TRANSLATE_NOOP("Messages", "Frequency is rounded.");
constexpr std::string_view kPendingQuestion =
    QT_TRANSLATE_NOOP("Messages", "The contents has been changed.\nDo you want to change?");
// The Close button asks the same with a trailing space.
constexpr std::string_view kPendingCloseQuestion =
    QT_TRANSLATE_NOOP("Messages", "The contents has been changed.\nDo you want to change? ");
constexpr std::string_view kInvalidChannelNumberMessage =
    QT_TRANSLATE_NOOP("Messages", "Invalid channel Number.\nPlease check and try again.");
constexpr std::string_view kInvalidCharacterMessage =
    QT_TRANSLATE_NOOP("Messages", "Invalid character.\nPlease check and try again.");
// Insert Row when channel 399 holds a channel.
constexpr std::string_view kLastMemoryInUseMessage =
    QT_TRANSLATE_NOOP("Messages", "The last memory channel is in use.");
// Paste of several rows, then one line for each row left out.
constexpr std::string_view kRowsNotPastedMessage =
    QT_TRANSLATE_NOOP("Messages", "These rows were not pasted:");
// Change Selected, then one line for each row adjusted or skipped.
constexpr std::string_view kRowsAdjustedMessage =
    QT_TRANSLATE_NOOP("Messages", "These rows were adjusted or skipped:");
// A channel whose frequency is not on the step Change Selected or a cell edit chose is skipped
// and keeps frequency and step: "146.940 MHz is not on the 12.5 kHz step; left at 5 kHz". The
// frequency and steps come as shown ("146.940 MHz", "12.5 kHz").
std::string OffStepSkippedText(std::string_view frequency, std::string_view step,
                               std::string_view keptStep);

// ---- Printing --------------------------------------------------------------------------------
constexpr std::string_view kNoDefaultPrinterMessage =
    QT_TRANSLATE_NOOP("Messages", "There is no default printer.");
// On the line after it: what works without one.
constexpr std::string_view kPdfWithoutPrinterText = QT_TRANSLATE_NOOP(
    "Messages", "File > Export PDF... writes the same pages to a PDF file without a printer.");
constexpr std::string_view kPrinterNotStartedMessage =
    QT_TRANSLATE_NOOP("Messages", "The printer could not be started.");

// A fixed text and, on the line after it, the detail; control characters in the detail are shown
// escaped, so a file name or a radio's reply cannot reach a terminal or a box as commands.
std::string WithDetail(std::string_view text, std::string_view detail);

// An export (CSV, PDF) that could not be written, for which the radio program had no text:
// "The file could not be written: REASON".
std::string FileNotWrittenMessage(std::string_view reason);

}  // namespace quorvan

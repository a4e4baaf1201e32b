#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/messages/Translatable.h"

namespace quorvan {

// The catalogue's sentences that carry a value (a date, a file, a reason, a count): each is one
// whole sentence with %1, %2 where the values go, so a translation may put them where its
// language wants them. A count has a sentence for one and one for more.
namespace pattern {
constexpr const char* kComparedWithRead =
    QT_TRANSLATE_NOOP("Messages", "Compared with what the radio held after the read of %1.");
constexpr const char* kComparedWithWrite =
    QT_TRANSLATE_NOOP("Messages", "Compared with what the radio held after the write of %1.");
constexpr const char* kComparedWithJournal = QT_TRANSLATE_NOOP(
    "Messages",
    "Compared with what the write of %1 was to leave; that write may not have ended, so what it "
    "wrote is checked first.");
constexpr const char* kComparedWithFile = QT_TRANSLATE_NOOP("Messages", "Compared with %1.");
constexpr const char* kNothingChanged = QT_TRANSLATE_NOOP(
    "Messages",
    "Nothing has changed since the last read or write of this radio (%1); nothing was sent.");
constexpr const char* kNothingDiffers =
    QT_TRANSLATE_NOOP("Messages", "Nothing differs from %1; nothing was sent.");
constexpr const char* kUnreadableBaseline =
    QT_TRANSLATE_NOOP("Messages", "The newest backup of this radio cannot be read: %1");
constexpr const char* kFutureBaseline = QT_TRANSLATE_NOOP(
    "Messages",
    "The newest backup of this radio is dated later than now (%1; is the computer's clock "
    "right?): %2.");
constexpr const char* kJournalRefused = QT_TRANSLATE_NOOP(
    "Messages",
    "Nothing was written to the radio: what it is to hold could not be kept first: %1.");
constexpr const char* kStateNotKept = QT_TRANSLATE_NOOP(
    "Messages",
    "The radio was written, but what it now holds could not be kept: %1. Read the radio once "
    "before the next write of changes.");
constexpr const char* kWriteNotEndedUnkept = QT_TRANSLATE_NOOP(
    "Messages",
    "The write did not end, and what it was to leave could not be kept: %1. Read the radio once "
    "before the next write of changes.");
constexpr const char* kWriteOneChange =
    QT_TRANSLATE_NOOP("Messages", "Write %1 changed item to the radio?");
constexpr const char* kWriteChanges =
    QT_TRANSLATE_NOOP("Messages", "Write %1 changed items to the radio?");
constexpr const char* kRestoreOne = QT_TRANSLATE_NOOP(
    "Messages", "Restore the radio to its state of %1? %2 item differs from what it holds now.");
constexpr const char* kRestoreMany = QT_TRANSLATE_NOOP(
    "Messages", "Restore the radio to its state of %1? %2 items differ from what it holds now.");
constexpr const char* kAlreadyRestored =
    QT_TRANSLATE_NOOP("Messages", "The radio already holds its state of %1; nothing was sent.");
constexpr const char* kFileNotWritten =
    QT_TRANSLATE_NOOP("Messages", "The file could not be written: %1");

// The names of undo steps the core makes from the window's verbs (RowStepName) and counts; a
// name of several rows comes before the one-row name it would also fit.
constexpr const char* kEditRowsStep = QT_TRANSLATE_NOOP("Messages", "Edit (%1 rows)");
constexpr const char* kCutRowsStep = QT_TRANSLATE_NOOP("Messages", "Cut (%1 rows)");
constexpr const char* kPasteRowsStep = QT_TRANSLATE_NOOP("Messages", "Paste into (%1 rows)");
constexpr const char* kDeleteRowsStep = QT_TRANSLATE_NOOP("Messages", "Delete (%1 rows)");
constexpr const char* kImportRowStep = QT_TRANSLATE_NOOP("Messages", "Import CSV (%1 row)");
constexpr const char* kImportRowsStep = QT_TRANSLATE_NOOP("Messages", "Import CSV (%1 rows)");
constexpr const char* kChangeSelectedStep =
    QT_TRANSLATE_NOOP("Messages", "Change Selected (%1 rows)");
constexpr const char* kEditStep = QT_TRANSLATE_NOOP("Messages", "Edit %1");
constexpr const char* kCutStep = QT_TRANSLATE_NOOP("Messages", "Cut %1");
constexpr const char* kPasteStep = QT_TRANSLATE_NOOP("Messages", "Paste into %1");
constexpr const char* kDeleteStep = QT_TRANSLATE_NOOP("Messages", "Delete %1");

// The status bar's panels of the channel in the grid.
constexpr const char* kTxFrequencyPanel = QT_TRANSLATE_NOOP("Messages", "Tx Frequency : %1MHz");
constexpr const char* kOffsetPanel = QT_TRANSLATE_NOOP("Messages", "Offset : %1MHz");
constexpr const char* kProgramVfoPanel = QT_TRANSLATE_NOOP("Messages", "Programmable VFO : %1-%2");
constexpr const char* kNamePanel = QT_TRANSLATE_NOOP("Messages", "Name : %1");

// Live mode: how the document differs from the radio, and leaving with items not confirmed.
constexpr const char* kLiveDiffersOne =
    QT_TRANSLATE_NOOP("Messages", "The document differs from what the radio held in %1 item.");
constexpr const char* kLiveDiffersMany =
    QT_TRANSLATE_NOOP("Messages", "The document differs from what the radio held in %1 items.");
constexpr const char* kLiveLeaveOne = QT_TRANSLATE_NOOP(
    "Messages",
    "The radio may not hold %1 item of the document.\nThe next write of changes sends them. "
    "Leave live mode anyway?");
constexpr const char* kLiveLeaveMany = QT_TRANSLATE_NOOP(
    "Messages",
    "The radio may not hold %1 items of the document.\nThe next write of changes sends them. "
    "Leave live mode anyway?");
constexpr const char* kChangedOnDisk =
    QT_TRANSLATE_NOOP("Messages", "%1 was changed by another program since you opened it.");
constexpr const char* kIncompleteReadOne =
    QT_TRANSLATE_NOOP("Messages", "Incomplete read: %1 item was not read from the radio.");
constexpr const char* kIncompleteReadMany =
    QT_TRANSLATE_NOOP("Messages", "Incomplete read: %1 items were not read from the radio.");
constexpr const char* kIncompleteWriteOne = QT_TRANSLATE_NOOP(
    "Messages",
    "This document holds a read that did not finish: %1 item was not read from the radio. Write "
    "anyway?");
constexpr const char* kIncompleteWriteMany = QT_TRANSLATE_NOOP(
    "Messages",
    "This document holds a read that did not finish: %1 items were not read from the radio. "
    "Write anyway?");
constexpr const char* kRecovery = QT_TRANSLATE_NOOP(
    "Messages", "Quorvan was closed without saving changes to %1 (%2).\nRestore them?");
constexpr const char* kOffStepSkipped =
    QT_TRANSLATE_NOOP("Messages", "%1 is not on the %2 step; left at %3");
// The status line at the end of a transfer, a CSV export or an import.
constexpr const char* kReadCancelled = QT_TRANSLATE_NOOP(
    "Messages", "Read cancelled after %1 of %2 steps; the document holds what was read.");
constexpr const char* kReadFailed = QT_TRANSLATE_NOOP(
    "Messages", "Read failed after %1 of %2 steps; the document holds what was read.");
constexpr const char* kReadAll =
    QT_TRANSLATE_NOOP("Messages", "Read %1 memory channels, VFOs, CALL, DTMF and menu in %2.");
constexpr const char* kReadMemory =
    QT_TRANSLATE_NOOP("Messages", "Read %1 memory channels, VFOs, CALL and DTMF in %2.");
constexpr const char* kReadMenu = QT_TRANSLATE_NOOP("Messages", "Read the menu in %1.");
constexpr const char* kWroteChangeHolds =
    QT_TRANSLATE_NOOP("Messages", "Wrote %1 changed item in %2; the radio holds it.");
constexpr const char* kWroteChangesHold =
    QT_TRANSLATE_NOOP("Messages", "Wrote %1 changed items in %2; the radio holds them.");
constexpr const char* kWroteChange = QT_TRANSLATE_NOOP("Messages", "Wrote %1 changed item in %2.");
constexpr const char* kWroteChanges =
    QT_TRANSLATE_NOOP("Messages", "Wrote %1 changed items in %2.");
constexpr const char* kWroteAllHolds = QT_TRANSLATE_NOOP(
    "Messages", "Wrote memory channels, VFOs, CALL, DTMF and menu in %1; the radio holds them.");
constexpr const char* kWroteAll =
    QT_TRANSLATE_NOOP("Messages", "Wrote memory channels, VFOs, CALL, DTMF and menu in %1.");
constexpr const char* kWroteMemoryHolds = QT_TRANSLATE_NOOP(
    "Messages", "Wrote memory channels, VFOs, CALL and DTMF in %1; the radio holds them.");
constexpr const char* kWroteMemory =
    QT_TRANSLATE_NOOP("Messages", "Wrote memory channels, VFOs, CALL and DTMF in %1.");
constexpr const char* kWroteMenuHolds =
    QT_TRANSLATE_NOOP("Messages", "Wrote the menu in %1; the radio holds them.");
constexpr const char* kWroteMenu = QT_TRANSLATE_NOOP("Messages", "Wrote the menu in %1.");
constexpr const char* kVerifiedEqual =
    QT_TRANSLATE_NOOP("Messages", "Verified in %1: the radio holds this document.");
constexpr const char* kVerifiedOneDiffers =
    QT_TRANSLATE_NOOP("Messages", "Verified in %1: %2 field differs from this document.");
constexpr const char* kVerifiedDiffer =
    QT_TRANSLATE_NOOP("Messages", "Verified in %1: %2 fields differ from this document.");
constexpr const char* kExportedOne = QT_TRANSLATE_NOOP("Messages", "Exported %1 channel to %2.");
constexpr const char* kExportedMany = QT_TRANSLATE_NOOP("Messages", "Exported %1 channels to %2.");
constexpr const char* kExportFailed =
    QT_TRANSLATE_NOOP("Messages", "Export failed: %1 was not written.");
constexpr const char* kImportNotList =
    QT_TRANSLATE_NOOP("Messages", "Import failed: %1 is not a channel list.");
constexpr const char* kImportedNothing =
    QT_TRANSLATE_NOOP("Messages", "Nothing was imported from %1.");
constexpr const char* kImportedOne = QT_TRANSLATE_NOOP("Messages", "Imported %1 channel from %2.");
constexpr const char* kImportedMany =
    QT_TRANSLATE_NOOP("Messages", "Imported %1 channels from %2.");
constexpr const char* kImportUnread =
    QT_TRANSLATE_NOOP("Messages", "Import failed: %1 could not be read.");
// What a write of changes is busy with, for the transfer dialog's second line.
constexpr const char* kCheckingOne = QT_TRANSLATE_NOOP("Messages", "Checking %1 item");
constexpr const char* kCheckingMany = QT_TRANSLATE_NOOP("Messages", "Checking %1 items");
constexpr const char* kReadingBackOne = QT_TRANSLATE_NOOP("Messages", "Reading back %1 item");
constexpr const char* kReadingBackMany = QT_TRANSLATE_NOOP("Messages", "Reading back %1 items");

// What stands in the way of a port, and what to do about it (on the lines after a message).
constexpr const char* kNoPermissionToUse =
    QT_TRANSLATE_NOOP("Messages", "You have no permission to use %1.");
constexpr const char* kMemberNotYetInSession = QT_TRANSLATE_NOOP(
    "Messages",
    "You are a member of the group \"%1\" that may use it, but not yet in this session.");
constexpr const char* kGroupMayUseIt = QT_TRANSLATE_NOOP(
    "Messages", "It may be used by the members of the group \"%1\". To join it, run");
constexpr const char* kPortMissingNoAdapter =
    QT_TRANSLATE_NOOP("Messages", "%1 does not exist; no serial adapter is plugged in.");
constexpr const char* kPortMissingAdapters =
    QT_TRANSLATE_NOOP("Messages", "%1 does not exist; plugged adapters: %2.");
constexpr const char* kNotSerialPort =
    QT_TRANSLATE_NOOP("Messages", "%1 cannot be opened as a serial port.");
constexpr const char* kTimeoutAdvice = QT_TRANSLATE_NOOP(
    "Messages",
    "Check that the radio is on and not showing one of its menus, that the cable is seated at "
    "both ends and that %1 is the cable's port.");
constexpr const char* kLineFailureAdvice = QT_TRANSLATE_NOOP(
    "Messages",
    "The line to %1 failed during the transfer; check that the cable is seated and its adapter "
    "still plugged in.");
constexpr const char* kRejectedOneCommand = QT_TRANSLATE_NOOP(
    "Messages",
    "The radio did not accept 1 command.\nThe first was \"%1\".\nPlease check the radio and try "
    "again.");
constexpr const char* kRejectedCommands = QT_TRANSLATE_NOOP(
    "Messages",
    "The radio did not accept %1 commands.\nThe first was \"%2\".\nPlease check the radio and "
    "try again.");
constexpr const char* kNoCompleteAnswer =
    QT_TRANSLATE_NOOP("Messages", "No complete answer within %1 seconds.");
// What is known of an adapter's chip when a transfer timed out; %1 names the adapter.
constexpr const char* kProlificRefusedAdvice = QT_TRANSLATE_NOOP(
    "Messages",
    "The adapter is %1: Prolific's Windows drivers since 2012 refuse the PL2303HXA and PL2303XA "
    "chips they no longer support, and counterfeit PL2303 chips; Device Manager then shows the "
    "adapter with a warning sign and nothing goes through it.");
constexpr const char* kFtdiZeroedAdvice = QT_TRANSLATE_NOOP(
    "Messages",
    "The adapter is %1: Product id 0000 is what an FTDI driver for Windows of 2014 wrote into "
    "counterfeit FT232R chips to stop them working.");
constexpr const char* kFtdiNonGenuineAdvice = QT_TRANSLATE_NOOP(
    "Messages",
    "The adapter is %1: Newer FTDI drivers for Windows send \"NON GENUINE DEVICE FOUND!\" instead "
    "of the data through counterfeit FT232R chips.");
constexpr const char* kModemManagerAdvice = QT_TRANSLATE_NOOP(
    "Messages",
    "The adapter is %1: ModemManager may send modem commands to a newly plugged ttyACM device "
    "for some seconds; try again after a moment, or have ModemManager ignore the device "
    "(ID_MM_DEVICE_IGNORE in a udev rule).");
// Live mode: the status bar, and why a step of it was not confirmed.
constexpr const char* kLivePausedOne =
    QT_TRANSLATE_NOOP("Messages", "Live paused: %1 item not confirmed.");
constexpr const char* kLivePausedMany =
    QT_TRANSLATE_NOOP("Messages", "Live paused: %1 items not confirmed.");
constexpr const char* kLiveSendingOne = QT_TRANSLATE_NOOP("Messages", "Live: sending %1 item...");
constexpr const char* kLiveSendingMany = QT_TRANSLATE_NOOP("Messages", "Live: sending %1 items...");
constexpr const char* kLiveJournalNotKept = QT_TRANSLATE_NOOP(
    "Messages", "The journal of the write could not be kept: %1 Nothing was sent.");
constexpr const char* kLiveNotAccepted =
    QT_TRANSLATE_NOOP("Messages", "The radio did not accept \"%1\".");
// The banner of a paused live mode names the items the radio may not hold, in a list.
constexpr const char* kLivePausedBanner =
    QT_TRANSLATE_NOOP("Messages", "Live mode is paused: the radio may not hold %1.");
constexpr const char* kListNext = QT_TRANSLATE_NOOP("Messages", "%1, %2");
constexpr const char* kListLast = QT_TRANSLATE_NOOP("Messages", "%1 and %2");
constexpr const char* kListMore = QT_TRANSLATE_NOOP("Messages", "%1 and %2 more");
// An item of the document, as messages name it.
constexpr const char* kMemoryChannelItem = QT_TRANSLATE_NOOP("Messages", "memory channel %1");
constexpr const char* kVfoItem = QT_TRANSLATE_NOOP("Messages", "VFO %1");
constexpr const char* kCallChannelItem = QT_TRANSLATE_NOOP("Messages", "CALL channel %1");
constexpr const char* kDtmfMemoryItem = QT_TRANSLATE_NOOP("Messages", "DTMF memory %1");
constexpr const char* kProgramVfoItem = QT_TRANSLATE_NOOP("Messages", "program VFO %1");
constexpr const char* kMenuValueItem = QT_TRANSLATE_NOOP("Messages", "menu value %1");
constexpr const char* kCommentItem = QT_TRANSLATE_NOOP("Messages", "the comment");

// What the radio said when it did not identify as the document's radio.
constexpr const char* kRadioAnswered = QT_TRANSLATE_NOOP("Messages", "The radio answered %1.");
constexpr const char* kTypeMismatch =
    QT_TRANSLATE_NOOP("Messages", "The radio reports type %1; this document is for %2.");
// The Find Radio dialog's verdict on a port that answered as a radio: its model and type.
constexpr const char* kFoundRadio = QT_TRANSLATE_NOOP("Messages", "%1, type %2");

// The transfer dialog's second line, put together by ProgressLine; not sentences the window
// recognises (they would fit too many), so they stay out of the list below, as do durations.
constexpr const char* kProgress = QT_TRANSLATE_NOOP("Messages", "%1 of %2");
constexpr const char* kProgressLeft = QT_TRANSLATE_NOOP("Messages", "%1 of %2, about %3 left");
constexpr const char* kActivityProgress = QT_TRANSLATE_NOOP("Messages", "%1: %2 of %3");
constexpr const char* kActivityProgressLeft =
    QT_TRANSLATE_NOOP("Messages", "%1: %2 of %3, about %4 left");
// How long a transfer took or may take yet, put together by DurationText.
constexpr const char* kTenthsOfSeconds = QT_TRANSLATE_NOOP("Messages", "%1.%2 s");
constexpr const char* kSeconds = QT_TRANSLATE_NOOP("Messages", "%1 s");
constexpr const char* kMinutesAndSeconds = QT_TRANSLATE_NOOP("Messages", "%1 min %2 s");
}  // namespace pattern

// Every pattern above, for the window, which finds which one a sentence was made from.
inline constexpr std::array<const char*, 96> kMessagePatterns{
    pattern::kComparedWithRead,
    pattern::kComparedWithWrite,
    pattern::kComparedWithJournal,
    pattern::kComparedWithFile,
    pattern::kNothingChanged,
    pattern::kNothingDiffers,
    pattern::kUnreadableBaseline,
    pattern::kFutureBaseline,
    pattern::kJournalRefused,
    pattern::kStateNotKept,
    pattern::kWriteNotEndedUnkept,
    pattern::kWriteOneChange,
    pattern::kWriteChanges,
    pattern::kRestoreOne,
    pattern::kRestoreMany,
    pattern::kAlreadyRestored,
    pattern::kFileNotWritten,
    pattern::kEditRowsStep,
    pattern::kCutRowsStep,
    pattern::kPasteRowsStep,
    pattern::kDeleteRowsStep,
    pattern::kImportRowStep,
    pattern::kImportRowsStep,
    pattern::kChangeSelectedStep,
    pattern::kEditStep,
    pattern::kCutStep,
    pattern::kPasteStep,
    pattern::kDeleteStep,
    pattern::kTxFrequencyPanel,
    pattern::kOffsetPanel,
    pattern::kProgramVfoPanel,
    pattern::kNamePanel,
    pattern::kLiveDiffersOne,
    pattern::kLiveDiffersMany,
    pattern::kLiveLeaveOne,
    pattern::kLiveLeaveMany,
    pattern::kChangedOnDisk,
    pattern::kIncompleteReadOne,
    pattern::kIncompleteReadMany,
    pattern::kIncompleteWriteOne,
    pattern::kIncompleteWriteMany,
    pattern::kRecovery,
    pattern::kOffStepSkipped,
    pattern::kReadCancelled,
    pattern::kReadFailed,
    pattern::kReadAll,
    pattern::kReadMemory,
    pattern::kReadMenu,
    pattern::kWroteChangeHolds,
    pattern::kWroteChangesHold,
    pattern::kWroteChange,
    pattern::kWroteChanges,
    pattern::kWroteAllHolds,
    pattern::kWroteAll,
    pattern::kWroteMemoryHolds,
    pattern::kWroteMemory,
    pattern::kWroteMenuHolds,
    pattern::kWroteMenu,
    pattern::kVerifiedEqual,
    pattern::kVerifiedOneDiffers,
    pattern::kVerifiedDiffer,
    pattern::kExportedOne,
    pattern::kExportedMany,
    pattern::kExportFailed,
    pattern::kImportNotList,
    pattern::kImportedNothing,
    pattern::kImportedOne,
    pattern::kImportedMany,
    pattern::kImportUnread,
    pattern::kCheckingOne,
    pattern::kCheckingMany,
    pattern::kReadingBackOne,
    pattern::kReadingBackMany,
    pattern::kNoPermissionToUse,
    pattern::kMemberNotYetInSession,
    pattern::kGroupMayUseIt,
    pattern::kPortMissingNoAdapter,
    pattern::kPortMissingAdapters,
    pattern::kNotSerialPort,
    pattern::kTimeoutAdvice,
    pattern::kLineFailureAdvice,
    pattern::kRejectedOneCommand,
    pattern::kRejectedCommands,
    pattern::kNoCompleteAnswer,
    pattern::kProlificRefusedAdvice,
    pattern::kFtdiZeroedAdvice,
    pattern::kFtdiNonGenuineAdvice,
    pattern::kModemManagerAdvice,
    pattern::kRadioAnswered,
    pattern::kTypeMismatch,
    pattern::kLivePausedOne,
    pattern::kLivePausedMany,
    pattern::kLiveSendingOne,
    pattern::kLiveSendingMany,
    pattern::kLiveJournalNotKept,
    pattern::kLiveNotAccepted,
};

// The pattern with %1 ... %9 replaced by the values in order; a % not followed by the number of
// a value given is kept as it is.
std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace quorvan

#pragma once

#include <array>
#include <cstddef>

namespace quorvan {

// Every command of the main window's menus. The window keeps its menu items (and the tool
// buttons that run them) in tables keyed by these, so no command is ever looked up by its
// object name or by a text a translation may change.
enum class MainCommand {
  FileNew,
  FileOpen,
  FileSave,
  FileSaveAs,
  FileImportCsv,
  FileExportCsv,
  FilePrint,
  FileExportPdf,
  FileExit,
  ReadAll,
  ReadMemory,
  ReadMenu,
  WriteAll,
  WriteMemory,
  WriteMenu,
  WriteChanges,
  RadioVerify,
  VerifyAfterWriting,
  RadioHistory,
  RadioLiveMode,
  EditUndo,
  EditRedo,
  EditCut,
  EditCopy,
  EditPaste,
  EditDelete,
  EditInsertRow,
  EditRemoveRow,
  EditMoveUp,
  EditMoveDown,
  EditChangeSelected,
  EditFind,
  EditFindNext,
  EditSort,
  ViewAllColumns,
  HelpTopics,
  HelpDiagnosticReport,
  HelpAbout,
};

constexpr std::size_t kMainCommandCount = static_cast<std::size_t>(MainCommand::HelpAbout) + 1;

constexpr std::size_t CommandIndex(MainCommand command) {
  return static_cast<std::size_t>(command);
}

// The object name each command's menu item carries, in the order above; never translated.
inline constexpr std::array<const char*, kMainCommandCount> kCommandNames{
    "FileNew",
    "FileOpen",
    "FileSave",
    "FileSaveAs",
    "FileImportCsv",
    "FileExportCsv",
    "FilePrint",
    "FileExportPdf",
    "FileExit",
    "ReadAll",
    "ReadMemory",
    "ReadMenu",
    "WriteAll",
    "WriteMemory",
    "WriteMenu",
    "WriteChanges",
    "RadioVerify",
    "VerifyAfterWriting",
    "RadioHistory",
    "RadioLiveMode",
    "EditUndo",
    "EditRedo",
    "EditCut",
    "EditCopy",
    "EditPaste",
    "EditDelete",
    "EditInsertRow",
    "EditRemoveRow",
    "EditMoveUp",
    "EditMoveDown",
    "EditChangeSelected",
    "EditFind",
    "EditFindNext",
    "EditSort",
    "ViewAllColumns",
    "HelpTopics",
    "HelpDiagnosticReport",
    "HelpAbout",
};

static_assert(kCommandNames.back() != nullptr, "a command without a name");

constexpr const char* CommandName(MainCommand command) {
  return kCommandNames[CommandIndex(command)];
}

}  // namespace quorvan

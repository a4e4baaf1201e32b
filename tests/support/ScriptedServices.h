#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "gui/common/FileDialogService.h"
#include "gui/common/MessageService.h"
#include "gui/transfer/TransferDialogs.h"
#include "support/ScriptedRadio.h"

namespace quorvan {

// Records every message and answers questions from a queue; an unexpected question is recorded
// and answered with Cancel / No, so a test sees it rather than hanging.
class ScriptedMessages : public MessageService {
 public:
  struct Shown {
    QString kind;  // "information", "warning", "error", "yesno", "yesnocancel", "threeway"
    QString text;
    MessageIcon icon;
  };

  void Information(const QString& text) override {
    shown.push_back({"information", text, MessageIcon::Information});
  }
  void Warning(const QString& text) override {
    shown.push_back({"warning", text, MessageIcon::Warning});
  }
  void Error(const QString& text) override { shown.push_back({"error", text, MessageIcon::Error}); }
  bool AskYesNo(const QString& text, MessageIcon icon) override {
    shown.push_back({"yesno", text, icon});
    return Next() == Answer::Yes;
  }
  Answer AskYesNoCancel(const QString& text, MessageIcon icon) override {
    shown.push_back({"yesnocancel", text, icon});
    return Next();
  }
  Answer AskThreeWay(const QString& text, const QStringList& buttons, MessageIcon icon) override {
    shown.push_back({"threeway", text, icon});
    buttonsShown << buttons;
    return Next();
  }

  QStringList Texts() const {
    QStringList texts;
    for (const Shown& s : shown) texts << s.text;
    return texts;
  }

  std::deque<Answer> answers;
  QList<Shown> shown;
  QList<QStringList> buttonsShown;  // the buttons of each three-way question
  int unexpectedQuestions = 0;

 private:
  Answer Next() {
    if (answers.empty()) {
      ++unexpectedQuestions;
      return Answer::Cancel;
    }
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
};

// Returns queued file names; an empty name is a cancelled dialog.
class ScriptedFileDialogs : public FileDialogService {
 public:
  QString OpenFileName(const QString& folder) override {
    openFolders << folder;
    return Next();
  }
  QString SaveFileName(const QString& folder, const QString& suggested) override {
    saveFolders << folder;
    saveSuggestions << suggested;
    return Next();
  }

  std::deque<QString> names;
  QStringList openFolders;
  QStringList saveFolders;
  QStringList saveSuggestions;

 private:
  QString Next() {
    if (names.empty()) return {};
    QString n = names.front();
    names.pop_front();
    return n;
  }
};

// Stands in for the radio: the port test answers from a list; reads and writes run their
// sequences against a scripted radio (by default one holding a new document of the first
// market variant) and record the commands each sent.
class ScriptedTransfers : public TransferDialogs {
 public:
  bool CheckPort(const QString& portName) override {
    checkedPorts << portName;
    return validPorts.contains(portName);
  }
  bool RunRead(TransferSequence& read, const QString& portName) override {
    ports << portName;
    reads.append(Drive(read));
    return lastCompleted;
  }
  bool RunWrite(TransferSequence& write, const QString& portName) override {
    ports << portName;
    writes.append(Drive(write));
    return lastCompleted;
  }

  QStringList validPorts{"COM1", "COM2", "COM3", "COM4"};
  QStringList checkedPorts;
  QStringList ports;
  QList<std::vector<std::string>> reads;   // the commands each read sent
  QList<std::vector<std::string>> writes;  // the commands each write sent
  testing::ScriptedRadio radio{MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"))};
  // The line fails (as a timeout does) once this many more commands were sent; -1: never.
  int failAfter = -1;
  // Cancel is pressed once this many commands were sent; -1: never.
  int cancelAfter = -1;
  bool lastCompleted = false;

 private:
  std::vector<std::string> Drive(TransferSequence& sequence) {
    std::vector<std::string> sent;
    SequenceAction action = sequence.Start();
    lastCompleted = false;
    while (action.kind == SequenceAction::Kind::Send) {
      if (failAfter == 0) {
        failAfter = -1;
        return sent;
      }
      if (failAfter > 0) --failAfter;
      sent.push_back(action.command);
      if (static_cast<int>(sent.size()) == cancelAfter) sequence.Cancel();
      action = sequence.OnReply(radio.Answer(action.command) + "\r");
    }
    lastCompleted = action.kind == SequenceAction::Kind::Finish && !sequence.CancelRequested();
    return sent;
  }
};

}  // namespace quorvan

#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <utility>

#include "gui/common/FileDialogService.h"
#include "gui/common/MessageService.h"
#include "gui/transfer/TransferDialogs.h"

namespace quorvan {

// Records every message and answers questions from a queue; an unexpected question is recorded
// and answered with Cancel / No, so a test sees it rather than hanging.
class ScriptedMessages : public MessageService {
 public:
  struct Shown {
    QString kind;  // "information", "warning", "error", "yesno", "yesnocancel"
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

  QStringList Texts() const {
    QStringList texts;
    for (const Shown& s : shown) texts << s.text;
    return texts;
  }

  std::deque<Answer> answers;
  QList<Shown> shown;
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

// Stands in for the radio: the port test answers from a list, a read stores what the test set.
class ScriptedTransfers : public TransferDialogs {
 public:
  bool CheckPort(const QString& portName) override {
    checkedPorts << portName;
    return validPorts.contains(portName);
  }
  bool RunRead(RadioImage& image, TransferScope scope, const QString& portName) override {
    reads.append({scope, portName});
    if (onRead) onRead(image);
    return readCompletes;
  }
  bool RunWrite(const RadioImage&, TransferScope scope, const QString& portName) override {
    writes.append({scope, portName});
    return true;
  }

  QStringList validPorts{"COM1", "COM2", "COM3", "COM4"};
  QStringList checkedPorts;
  QList<std::pair<TransferScope, QString>> reads;
  QList<std::pair<TransferScope, QString>> writes;
  std::function<void(RadioImage&)> onRead;
  bool readCompletes = true;
};

}  // namespace quorvan

#pragma once

#include <QObject>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "core/transfer/ByteChannel.h"
#include "support/ScriptedRadio.h"

namespace quorvan::testing {

// A line to a scripted radio that answers as a port does: later, from the event loop, so a
// session over it runs in the background as it does over a real port. The line can be cut once
// a number of commands went over it.
class ScriptedRadioLine : public ByteChannel {
 public:
  explicit ScriptedRadioLine(ScriptedRadio& radio) : radio_(radio) {}

  bool CheckPortValid(const std::string& portName) override {
    checkedPorts.push_back(portName);
    return true;
  }
  void SetPortName(const std::string&) override {}
  void Open() override {
    if (!open_) ++openCount;
    open_ = true;
  }
  void Close() override {
    open_ = false;
    waiting_.clear();
  }
  bool IsOpen() const override { return open_; }
  std::int32_t CountInBuff() override {
    return open_ ? static_cast<std::int32_t>(waiting_.size()) : -1;
  }
  std::string ReadStringData(std::uint32_t count) override {
    const auto n = std::min<std::size_t>(count, waiting_.size());
    std::string taken = waiting_.substr(0, n);
    waiting_.erase(0, n);
    return taken;
  }
  void WriteData(std::string_view bytes) override {
    written_ += bytes;
    for (auto cr = written_.find('\r'); cr != std::string::npos; cr = written_.find('\r')) {
      const std::string command = written_.substr(0, cr);
      written_.erase(0, cr + 1);
      Take(command);
    }
  }
  void ClearInBuff() override { waiting_.clear(); }

  std::vector<std::string> commands;  // every command that reached the radio
  std::vector<std::string> checkedPorts;
  int openCount = 0;
  // The line fails (as a pulled cable does) when this many more commands were sent; -1: never.
  int cutAfter = -1;
  // The line fails right after the radio's reply to the command this many commands on (0: the
  // next), before anything else is sent; -1: never.
  int cutAfterReplyOf = -1;
  // Told of every command as it reaches the radio, before the radio takes it.
  std::function<void(const std::string& command)> onCommand;

 private:
  void Take(const std::string& command) {
    if (cutAfter == 0) {
      cutAfter = -1;
      QTimer::singleShot(0, &context_, [this] { RaiseLineError("The device was removed."); });
      return;
    }
    if (cutAfter > 0) --cutAfter;
    if (onCommand) onCommand(command);
    commands.push_back(command);
    const std::string reply = radio_.Answer(command) + "\r";
    QTimer::singleShot(0, &context_, [this, reply] {
      if (!open_) return;
      waiting_ += reply;
      RaiseReply(static_cast<std::uint32_t>(waiting_.size()));
    });
    if (cutAfterReplyOf == 0) {
      QTimer::singleShot(0, &context_, [this] { RaiseLineError("The device was removed."); });
    }
    if (cutAfterReplyOf >= 0) --cutAfterReplyOf;
  }

  ScriptedRadio& radio_;
  QObject context_;
  bool open_ = false;
  std::string written_;
  std::string waiting_;
};

}  // namespace quorvan::testing

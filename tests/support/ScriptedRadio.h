#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/RadioImage.h"
#include "core/transfer/TransferSequence.h"

namespace quorvan::testing {

// A radio without a port: answers each command the way the radio does (every reply begins with
// the command's own header) from an image held in the forms a read stores, and takes writes into
// that image. Names travel in the radio's coding except for destination J.
class ScriptedRadio {
 public:
  explicit ScriptedRadio(RadioImage image) : image_(std::move(image)) {}

  // The reply to one command, without its CR.
  std::string Answer(std::string_view command);

  // Commands starting with this text are refused with "N".
  void Refuse(std::string prefix) { refused_.push_back(std::move(prefix)); }
  // Commands starting with this text get their header back, as if done, and change nothing.
  void Drop(std::string prefix) { dropped_.push_back(std::move(prefix)); }
  void SetIdReply(std::string reply) { idReply_ = std::move(reply); }
  void SetTypeReply(std::string reply) { typeReply_ = std::move(reply); }

  const RadioImage& Image() const { return image_; }

 private:
  std::string AnswerMemory(std::string_view command);
  std::string AnswerCall(std::string_view command);
  std::string AnswerList(std::string_view command);
  std::string AnswerDtmf(std::string_view command);
  std::string AnswerMenu(std::string_view command);
  std::string ToRadio(std::string_view name) const;
  std::string FromRadio(std::string_view name) const;

  RadioImage image_;
  std::vector<std::string> refused_;
  std::vector<std::string> dropped_;
  std::optional<std::string> idReply_;
  std::optional<std::string> typeReply_;
  int lastCall_ = 0;
};

// Runs a sequence against the radio until it stops sending; every reply gets its CR.
struct RunResult {
  std::vector<std::string> commands;
  SequenceAction::Kind end = SequenceAction::Kind::Finish;
  std::string message;  // what a MalformedRecord end says
};
using Responder = std::function<std::string(std::string_view command)>;
RunResult RunExchange(TransferSequence& sequence, const Responder& respond);
RunResult RunExchange(TransferSequence& sequence, ScriptedRadio& radio);

// The 32 menu commands in the order both sequences send them.
const std::vector<std::string>& MenuCommandOrder();

}  // namespace quorvan::testing

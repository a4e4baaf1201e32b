#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/RadioImage.h"

namespace quorvan {

// One command taken apart at its first blank: "MR 0,005" is mnemonic "MR", argument "0,005".
struct RadioCommand {
  std::string_view text;
  std::string_view mnemonic;
  std::string_view argument;
  bool hasArgument = false;
};

// Deliberate misbehaviour, so that the link's failure paths can be exercised.
struct RadioFaults {
  std::string identifier;  // answered to "ID" instead of the model when not empty
  std::string typeCode;    // answered to "TYD" instead of the type code when not empty
  std::vector<std::string> rejectPrefixes;  // commands starting with one are refused with "N"
  // Commands starting with one of these are acknowledged as done (their text echoed, the reply
  // a write gets) but not carried out: a radio that silently drops a write.
  std::vector<std::string> dropPrefixes;
};

// Longest command the radio takes; anything longer is garbage.
constexpr std::size_t kMaxCommandLength = 250;
// Longest identifier or type text a fault may put on the line.
constexpr std::size_t kMaxFaultTextLength = 40;

// The radio behind the serial line: it holds an image (with the type code, the model and the
// band limits in its plan) and answers one command at a time. Every reply starts with the
// command's own header, cut so that what a reader keeps after the header is exactly the record
// text this radio holds; writes change what later reads return. "?" answers what the radio does
// not understand, "N" what it understands but refuses.
class RadioModel {
 public:
  explicit RadioModel(RadioImage image);

  // The reply to one command given without its CR. The reply never holds a control byte, so it
  // cannot break the CR framing whatever the image holds.
  std::string Answer(std::string_view command);

  const RadioImage& Image() const { return image_; }
  void SetFaults(RadioFaults faults);

 private:
  using Handler = std::string (RadioModel::*)(const RadioCommand&);
  struct HandlerEntry {
    std::string_view mnemonic;
    Handler handler;
  };
  static const HandlerEntry kHandlers[];

  std::string Dispatch(const RadioCommand& command);
  std::string AnswerIdentity(const RadioCommand& command);
  std::string AnswerType(const RadioCommand& command);
  std::string AnswerEcho(const RadioCommand& command);
  std::string AnswerBandList(const RadioCommand& command);
  std::string AnswerMemoryRead(const RadioCommand& command);
  std::string AnswerMemoryWrite(const RadioCommand& command);
  std::string AnswerMemoryName(const RadioCommand& command);
  std::string AnswerCallRead(const RadioCommand& command);
  std::string AnswerCallWrite(const RadioCommand& command);
  std::string AnswerVfoRead(const RadioCommand& command);
  std::string AnswerVfoWrite(const RadioCommand& command);
  std::string AnswerProgramVfo(const RadioCommand& command);
  std::string AnswerDtmfCode(const RadioCommand& command);
  std::string AnswerDtmfName(const RadioCommand& command);
  std::string AnswerPower(const RadioCommand& command);
  std::string AnswerNarrow(const RadioCommand& command);
  std::string AnswerBandedMenu(const RadioCommand& command, int item, std::string_view band);
  std::string AnswerMenu(const RadioCommand& command, int item);

  bool DestinationIsJ() const { return image_.Plan().DestinationLetter() == 'J'; }
  std::string NameToRadio(std::string_view name) const;
  std::string NameFromRadio(std::string_view name) const;
  void StoreDtmf(int slot, std::string_view code, std::string_view name);

  RadioImage image_;
  RadioFaults faults_;
  int lastCallSlot_ = -1;  // the CALL channel the last "CW 0" wrote; "CW 1" adds to it
};

}  // namespace quorvan

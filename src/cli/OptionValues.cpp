#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "core/model/BandPlan.h"

namespace quorvan {

std::vector<std::string> ValueWords(std::string_view placeholder) {
  std::vector<std::string> words;
  if (placeholder == "CODE") {
    for (const SetupChoice& choice : kSetupChoices) words.emplace_back(choice.type);
  } else if (placeholder == "ID") {
    words = {kModelArven, kModelBelto, kModelCirra};
  } else if (placeholder.find('|') != std::string_view::npos) {
    for (;;) {
      const std::size_t bar = placeholder.find('|');
      words.emplace_back(placeholder.substr(0, bar));
      if (bar == std::string_view::npos) break;
      placeholder.remove_prefix(bar + 1);
    }
  }
  return words;
}

std::string_view ValueExtension(std::string_view placeholder) {
  const std::size_t dot = placeholder.rfind('.');
  if (dot == std::string_view::npos || dot == 0 || dot + 1 == placeholder.size()) return {};
  return placeholder.substr(dot + 1);
}

bool IsDeviceValue(std::string_view placeholder) { return placeholder == "DEV"; }

namespace {
constexpr std::string_view kRepeated = "...";
}

bool IsRepeatedOperand(std::string_view operand) {
  return operand.size() > kRepeated.size() &&
         operand.substr(operand.size() - kRepeated.size()) == kRepeated;
}

std::string_view OperandPlaceholder(std::string_view operand) {
  return IsRepeatedOperand(operand) ? operand.substr(0, operand.size() - kRepeated.size())
                                    : operand;
}

}  // namespace quorvan

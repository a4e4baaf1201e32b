#include "BashCompletion.h"

#include <string_view>

namespace quorvan {

namespace {

// Names and words go into the script between single quotes or as case patterns; anything
// outside this set is left out rather than quoted.
bool IsShellSafe(std::string_view word) {
  if (word.empty()) return false;
  for (const char c : word) {
    const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                      c == '-' || c == '_' || c == '.' || c == ',' || c == '+';
    if (!safe) return false;
  }
  return true;
}

std::string Words(const std::vector<std::string>& words) {
  std::string out;
  for (const std::string& word : words) {
    if (!IsShellSafe(word)) continue;
    if (!out.empty()) out += ' ';
    out += word;
  }
  return out;
}

// The statement that completes a value of this placeholder from "$cur".
std::string ValueCompletion(std::string_view placeholder) {
  const std::vector<std::string> words = ValueWords(placeholder);
  if (!words.empty()) return "COMPREPLY=($(compgen -W '" + Words(words) + "' -- \"$cur\"))";
  const std::string_view extension = ValueExtension(placeholder);
  if (IsShellSafe(extension)) return "_quorvan_cli_files '" + std::string(extension) + "'";
  if (placeholder == "FILE") return "_quorvan_cli_files '*'";  // a file of any kind
  if (IsDeviceValue(placeholder)) return "_quorvan_cli_devices";
  return ":";  // a free value: nothing to offer
}

constexpr std::string_view kHelpers =
    R"(# bash completion for quorvan-cli. Made from the program's command table when it was built;
# change the table, not this file.

# Folders and the files of one extension ('*': any file).
_quorvan_cli_files() {
  compopt -o filenames 2>/dev/null
  local IFS=$'\n'
  if [[ $1 == '*' ]]; then
    COMPREPLY=($(compgen -f -- "$cur"))
  else
    COMPREPLY=($(compgen -d -- "$cur") $(compgen -f -X "!*.$1" -- "$cur"))
  fi
}

# COM1 to COM4, the ports the program finds, or a device path being typed.
_quorvan_cli_devices() {
  if [[ $cur == /* ]]; then
    compopt -o filenames 2>/dev/null
    COMPREPLY=($(compgen -f -- "$cur"))
    return 0
  fi
  local ports
  ports=$("${COMP_WORDS[0]}" ports 2>/dev/null | cut -d ' ' -f 1)
  COMPREPLY=($(compgen -W "COM1 COM2 COM3 COM4 $ports" -- "$cur"))
}

_quorvan_cli() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
  local options= valued=
  local -a operands=()
  COMPREPLY=()
)";

constexpr std::string_view kOperands = R"(  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W "$options" -- "$cur"))
    return 0
  fi
  # Which operand is being typed: the earlier words that are neither options nor their values.
  local i n=0 skip=
  for ((i = 2; i < COMP_CWORD; i++)); do
    if [[ -n $skip ]]; then
      skip=
    elif [[ " $valued " == *" ${COMP_WORDS[i]} "* ]]; then
      skip=1
    elif [[ ${COMP_WORDS[i]} != -* ]]; then
      n=$((n + 1))
    fi
  done
  ((${#operands[@]})) || return 0
  ((n < ${#operands[@]})) || n=$((${#operands[@]} - 1))
  case ${operands[n]} in
    @dev) _quorvan_cli_devices ;;
    @free) ;;
    =*) COMPREPLY=($(compgen -W "${operands[n]#=}" -- "$cur")) ;;
    *) _quorvan_cli_files "${operands[n]}" ;;
  esac
}
complete -F _quorvan_cli quorvan-cli
)";

}  // namespace

std::string CliBashCompletion(const std::vector<const CliCommand*>& commands) {
  std::vector<std::string> names;
  for (const CliCommand* command : commands) names.emplace_back(command->name);
  const std::string commandWords = Words(names);

  std::string out(kHelpers);
  out += "  if ((COMP_CWORD == 1)); then\n";
  out += "    COMPREPLY=($(compgen -W '" + commandWords + " help --help --version' -- \"$cur\"))\n";
  out += "    return 0\n  fi\n";
  out += "  case ${COMP_WORDS[1]} in\n";
  out += "    help)\n";
  out += "      if ((COMP_CWORD == 2)); then\n";
  out += "        COMPREPLY=($(compgen -W '" + commandWords + "' -- \"$cur\"))\n";
  out += "      fi\n      return 0\n      ;;\n";
  for (const CliCommand* command : commands) {
    if (!IsShellSafe(command->name)) continue;
    out += "    " + std::string(command->name) + ")\n";
    std::vector<std::string> optionNames;
    std::vector<std::string> valued;
    std::string valueCases;
    for (const CliOption& option : command->options) {
      if (!IsShellSafe(option.name)) continue;
      optionNames.emplace_back(option.name);
      if (!option.TakesValue()) continue;
      valued.emplace_back(option.name);
      valueCases += "        " + std::string(option.name) + ")\n          " +
                    ValueCompletion(option.value) + "\n          return 0\n          ;;\n";
    }
    if (!valueCases.empty()) out += "      case $prev in\n" + valueCases + "      esac\n";
    out += "      options='" + Words(optionNames) + "'\n";
    out += "      valued='" + Words(valued) + "'\n";
    std::string operandKinds;
    for (const std::string_view operand : command->operands) {
      const std::string_view placeholder = OperandPlaceholder(operand);
      const std::string_view extension = ValueExtension(placeholder);
      const std::vector<std::string> words = ValueWords(placeholder);
      if (IsDeviceValue(placeholder)) {
        operandKinds += " @dev";
      } else if (!words.empty()) {
        operandKinds += " '=" + Words(words) + "'";  // one of these words
      } else if (IsShellSafe(extension)) {
        operandKinds += " " + std::string(extension);
      } else if (placeholder == "FILE") {
        operandKinds += " '*'";
      } else {
        operandKinds += " @free";  // a number or a name: nothing to offer
      }
    }
    out += "      operands=(" + (operandKinds.empty() ? std::string() : operandKinds.substr(1)) +
           ")\n";
    out += "      ;;\n";
  }
  out += "    *)\n      return 0\n      ;;\n  esac\n";
  out += kOperands;
  return out;
}

}  // namespace quorvan

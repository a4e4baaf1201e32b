#include "SimOptions.h"

#include <cerrno>
#include <cstdlib>

#include "RadioModel.h"
#include "RadioText.h"

namespace quorvan {

using namespace radiosim;

namespace {

constexpr long kMaxBaud = 4000000;
constexpr long kMaxDelayMs = 60000;
constexpr long kMaxCount = 100000000;
constexpr std::size_t kMaxPathLength = 4096;

bool ParseCount(const std::string& text, long maximum, long& value) {
  if (text.empty() || text.size() > 10) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  errno = 0;
  const long parsed = std::strtol(text.c_str(), nullptr, 10);
  if (errno != 0 || parsed > maximum) return false;
  value = parsed;
  return true;
}

bool IsDigits(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// A short printable text for the line (type, model, fault replies, reject prefix).
bool CheckText(const std::string& name, const std::string& value, std::size_t capacity,
               bool mayBeEmpty, std::string& error) {
  if ((!mayBeEmpty && value.empty()) || value.size() > capacity || !IsFreeOfControlBytes(value)) {
    error = name + " needs a printable text of at most " + std::to_string(capacity) + " characters";
    return false;
  }
  return true;
}

}  // namespace

bool ParseLimitList(std::string_view text, std::array<std::string, kBandLimitCount>& limits,
                    std::string& error) {
  std::array<std::string, kBandLimitCount> parsed{};
  std::size_t entry = 0;
  for (;;) {
    const std::size_t end = text.find(';');
    const std::string_view limit = text.substr(0, end);
    if (entry >= parsed.size()) {
      error = "--limits takes exactly 15 entries separated by ';'";
      return false;
    }
    const std::size_t comma = limit.find(',');
    const bool wellFormed =
        limit.empty() || (comma != std::string_view::npos && IsDigits(limit.substr(0, comma)) &&
                          IsDigits(limit.substr(comma + 1)));
    if (!wellFormed || limit.size() > kBandLimitCapacity) {
      error = "--limits entry " + std::to_string(entry) + " is not empty or \"lower,upper\"";
      return false;
    }
    parsed[entry++] = std::string(limit);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  if (entry != parsed.size()) {
    error = "--limits takes exactly 15 entries separated by ';'";
    return false;
  }
  limits = parsed;
  return true;
}

bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options,
                     std::string& error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      continue;
    }
    if (arg == "--version") {
      options.version = true;
      continue;
    }
    if (arg == "--split") {
      options.split = true;
      continue;
    }
    if (i + 1 >= args.size()) {
      error = arg.rfind("--", 0) == 0 ? arg + " needs a value" : "unknown argument: " + arg;
      return false;
    }
    const std::string& value = args[++i];
    bool ok = true;
    if (arg == "--file" || arg == "--log" || arg == "--save-on-exit") {
      ok = !value.empty() && value.size() <= kMaxPathLength;
      if (!ok) error = arg + " needs a file name";
      std::string& target = arg == "--file"  ? options.file
                            : arg == "--log" ? options.logFile
                                             : options.saveOnExit;
      target = value;
    } else if (arg == "--type") {
      ok = CheckText(arg, value, kTypeCapacity, false, error);
      options.type = value;
    } else if (arg == "--model") {
      ok = CheckText(arg, value, kModelCapacity, false, error);
      options.model = value;
    } else if (arg == "--id") {
      ok = CheckText(arg, value, kMaxFaultTextLength, false, error);
      options.identifier = value;
    } else if (arg == "--tyd") {
      ok = CheckText(arg, value, kMaxFaultTextLength, false, error);
      options.typeReply = value;
    } else if (arg == "--reject" || arg == "--drop") {
      ok = CheckText(arg, value, kMaxCommandLength, false, error);
      (arg == "--reject" ? options.reject : options.drop).push_back(value);
    } else if (arg == "--limits") {
      ok = ParseLimitList(value, options.limits, error);
      options.hasLimits = ok;
    } else if (arg == "--baud" || arg == "--delay-ms" || arg == "--stop-after" ||
               arg == "--close-after") {
      long number = 0;
      const long maximum = arg == "--baud"       ? kMaxBaud
                           : arg == "--delay-ms" ? kMaxDelayMs
                                                 : kMaxCount;
      ok = ParseCount(value, maximum, number) && (arg != "--baud" || number > 0);
      if (!ok) error = arg + " needs a whole number up to " + std::to_string(maximum);
      long& target = arg == "--baud"         ? options.baud
                     : arg == "--delay-ms"   ? options.delayMs
                     : arg == "--stop-after" ? options.stopAfter
                                             : options.closeAfter;
      target = number;
    } else {
      error = "unknown argument: " + arg;
      return false;
    }
    if (!ok) return false;
  }
  return true;
}

std::string SimUsage() {
  return "Usage: quorvan-radiosim [options]\n"
         "       quorvan-radiosim --help | --version\n"
         "A virtual radio on a pseudo-terminal; the first line printed is its device path.\n"
         "  --file FILE.qvx       serve the image in this channel file\n"
         "  --type CODE           type code (default KK,0F)\n"
         "  --model ID            model identifier (default ARVEN)\n"
         "  --limits L0;...;L14   the fifteen band limits (default: those of type and model)\n"
         "  --baud N              pace replies at N bit/s, 10 bits per byte (default unpaced)\n"
         "  --log FILE            append every command received, one per line\n"
         "  --save-on-exit FILE   write the image held to this channel file when stopped\n"
         "Faults:\n"
         "  --stop-after N        stop answering after N commands\n"
         "  --close-after N       close the line and exit after answering N commands\n"
         "  --delay-ms N          delay every reply by N ms\n"
         "  --split               write every reply in two pieces with a pause between\n"
         "  --id TEXT             answer ID with this identifier\n"
         "  --tyd TEXT            answer TYD with this type\n"
         "  --reject CMD          answer commands starting with CMD with \"N\" (repeatable)\n"
         "  --drop CMD            acknowledge commands starting with CMD without doing them\n"
         "                        (repeatable)\n"
         "  --help                show this text and quit\n"
         "  --version             show the version and quit\n";
}

}  // namespace quorvan

#include <optional>
#include <string>

#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "cli/CommandArgs.h"
#include "cli/DocumentOptions.h"
#include "core/model/EscapedText.h"
#include "core/model/RadioImage.h"
#include "core/rules/DocumentListing.h"

namespace quorvan {

extern const CliCommand kListCommand;

namespace {

constexpr CliOption kFormatOption{"--format", "text|csv|json"};
constexpr CliOption kAllOption{"--all", ""};

std::optional<ListingFormat> FormatNamed(std::string_view name) {
  if (name == "text") return ListingFormat::Text;
  if (name == "csv") return ListingFormat::Csv;
  if (name == "json") return ListingFormat::Json;
  return std::nullopt;
}

int RunList(const std::vector<std::string>& args, CliContext& context) {
  CommandArgs parsed;
  std::string problem;
  if (!ParseCommandArgs(args, kListCommand.options, parsed, problem)) {
    return ReportUsageError(context, kListCommand, problem);
  }
  if (parsed.positionals.size() != 1) {
    return ReportUsageError(context, kListCommand, "expected exactly one FILE.qvx");
  }
  const std::string formatName = parsed.Option(kFormatOption).value_or("text");
  const std::optional<ListingFormat> format = FormatNamed(formatName);
  if (!format) {
    return ReportUsageError(context, kListCommand,
                            "unknown format \"" + EscapeControls(formatName) + "\"");
  }
  BandPlan plan;
  const int resolved = ResolveCommandPlan(parsed, kListCommand, context, plan);
  if (resolved != kExitOk) return resolved;

  RadioImage document;
  const int opened = OpenCommandDocument(parsed.positionals.front(), plan, context, document);
  if (opened != kExitOk) return opened;
  context.out << DocumentListing(document, parsed.Option(kAllOption).has_value(), *format);
  return kExitOk;
}

}  // namespace

extern const CliCommand kListCommand{
    "list",
    "list the channels of a channel file as a table, CSV or JSON",
    "usage: quorvan-cli list FILE.qvx [--format text|csv|json] [--all] [--type CODE [--model ID]]\n"
    "  FILE.qvx      the channel file; - for standard input\n"
    "  --format text|csv|json\n"
    "                an aligned table (the default), CSV with a \"kind\" column first, or JSON\n"
    "  --all         the CALL channels, VFOs, DTMF memories and menu values too; without it\n"
    "                the used memory channels alone\n"
    "  The fields, by the names the CSV header and the JSON keys use:\n"
    "    memory      slot receive transmit shift offset reverse tone mode step lockout power\n"
    "                name\n"
    "    call/vfo    slot receive transmit shift offset reverse tone mode step power\n"
    "    dtmf        slot code name\n"
    "    menu        slot value\n"
    "  Frequencies and offsets are in MHz; shift is empty, +, -, split or fixed (the band's\n"
    "  repeater shift); reverse and lockout are yes or no (true or false in JSON). The JSON is\n"
    "  an object with \"type\", \"model\" and an array of objects for each kind listed.\n"
    "  Example: quorvan-cli list radio.qvx --format json --all\n",
    {kFormatOption, kAllOption, kTypeOption, kModelOption},
    {"FILE.qvx"},
    &RunList,
};

}  // namespace quorvan

#include "cli/DocumentOptions.h"

#include "core/model/AppSettings.h"
#include "core/model/EscapedText.h"

namespace quorvan {

namespace {

std::string Quoted(const std::string& text) { return "\"" + EscapeControls(text) + "\""; }

}  // namespace

std::string KnownTypesText(std::size_t indent) {
  std::string text;
  for (const SetupChoice& choice : kSetupChoices) {
    if (!text.empty()) text += '\n';
    text += std::string(indent, ' ') + choice.type + "  " + choice.model + "  " + choice.market;
  }
  return text;
}

std::string DocumentOptionsHelp() {
  return "  --type CODE   the radio's type code; the band limits are that type's defaults.\n"
         "                The codes, with the model each comes with and its market:\n" +
         KnownTypesText(18) +
         "\n"
         "  --model ID    radio model: ARVEN, BELTO or CIRRA (1200 MHz); without it the model\n"
         "                the type comes with\n"
         "  Without --type the type, model and band limits stored by the program are used.\n";
}

int GivenOrStoredPlan(const CommandArgs& args, const SettingsStore& store,
                      std::optional<BandPlan>& plan, std::string& problem) {
  const std::optional<std::string> type = args.Option(kTypeOption);
  const std::optional<std::string> model = args.Option(kModelOption);
  plan.reset();
  if (!type) {
    if (model) {
      problem = "--model needs --type";
      return kExitUsage;
    }
    plan = StoredBandPlan(store);
    return kExitOk;
  }
  const SetupChoice* choice = SetupChoiceOfType(*type);
  if (!choice) {
    problem = "unknown type code " + Quoted(*type) + "; the known codes are:\n" + KnownTypesText(2);
    return kExitUsage;
  }
  if (model && !IsKnownModel(*model)) {
    problem = "unknown model " + Quoted(*model) + "; the known models are " + kModelArven + ", " +
              kModelBelto + " and " + kModelCirra + ", and the codes they come with:\n" +
              KnownTypesText(2);
    return kExitUsage;
  }
  plan = MakeDefaultBandPlan(choice->type, model ? *model : choice->model);
  return kExitOk;
}

int ResolveCommandPlan(const CommandArgs& args, const CliCommand& command, CliContext& context,
                       BandPlan& plan) {
  std::string problem;
  std::optional<BandPlan> resolved;
  if (GivenOrStoredPlan(args, context.settings, resolved, problem) != kExitOk) {
    return ReportUsageError(context, command, problem);
  }
  if (!resolved) {
    return ReportError(context,
                       "no radio type is stored in the settings; read the radio once (quorvan-cli "
                       "read), or give --type CODE, one of:\n" +
                           KnownTypesText(2));
  }
  plan = std::move(*resolved);
  return kExitOk;
}

}  // namespace quorvan

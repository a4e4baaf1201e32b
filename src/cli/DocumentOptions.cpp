#include "cli/DocumentOptions.h"

#include <optional>

#include "core/files/DocumentFile.h"
#include "core/model/AppSettings.h"
#include "core/model/EscapedText.h"

namespace quorvan {

namespace {

bool IsUpperAlnum(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

}  // namespace

bool IsModelId(std::string_view text) {
  if (text.empty() || text.size() > kModelCapacity) return false;
  for (const char c : text) {
    if (!IsUpperAlnum(c)) return false;
  }
  return true;
}

int ResolveBandPlan(const CommandArgs& args, const SettingsStore& store, BandPlan& plan,
                    std::string& problem) {
  const std::optional<std::string> type = args.Option(kTypeOption);
  const std::optional<std::string> model = args.Option(kModelOption);
  if (!type) {
    if (model) {
      problem = "--model needs --type";
      return kExitUsage;
    }
    std::optional<BandPlan> stored = StoredBandPlan(store);
    if (!stored) {
      problem =
          "no radio type is stored in the settings; start the program once, or give "
          "--type CODE --model ID";
      return kExitFailure;
    }
    plan = std::move(*stored);
    return kExitOk;
  }
  if (!IsTypeCode(*type)) {
    problem = "invalid type code \"" + *type + "\"";
    return kExitUsage;
  }
  if (model && !IsModelId(*model)) {
    problem = "invalid model \"" + *model + "\"";
    return kExitUsage;
  }
  // The model the first-start choice pairs with the type: ARVEN only for the first choice.
  const std::string chosenModel =
      model ? *model : (*type == kSetupChoices[0].type ? kModelArven : kModelBelto);
  plan = MakeDefaultBandPlan(*type, chosenModel);
  return kExitOk;
}

int ResolveCommandPlan(const CommandArgs& args, const CliCommand& command, CliContext& context,
                       BandPlan& plan) {
  std::string problem;
  const int resolved = ResolveBandPlan(args, context.settings, plan, problem);
  if (resolved == kExitUsage) return ReportUsageError(context, command, problem);
  if (resolved != kExitOk) context.err << "quorvan-cli " << command.name << ": " << problem << "\n";
  return resolved;
}

int OpenCommandDocument(const std::string& path, const BandPlan& plan, CliContext& context,
                        RadioImage& document) {
  document.Plan() = plan;
  std::string problem;
  if (OpenDocumentFile(path, document, &problem)) return kExitOk;
  context.err << "File Open error.\n" << EscapeControls(problem) << "\n";
  return kExitFailure;
}

int SaveCommandDocument(const std::string& path, const RadioImage& document, CliContext& context) {
  std::string error;
  if (SaveDocumentFile(path, document, &error)) return kExitOk;
  context.err << "File Open error.\n" << EscapeControls(error) << "\n";
  return kExitFailure;
}

}  // namespace quorvan

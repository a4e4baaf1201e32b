#pragma once

#include <optional>
#include <string>

#include "cli/CliCommand.h"
#include "cli/CommandArgs.h"
#include "core/model/BandPlan.h"

namespace quorvan {

constexpr CliOption kTypeOption{"--type", "CODE"};
constexpr CliOption kModelOption{"--model", "ID"};

// The type codes the program knows, one a line with the model each comes with and its market
// ("  KK,0F  ARVEN  U.S.A./Canada"), indented by `indent` blanks; no line break after the last.
std::string KnownTypesText(std::size_t indent);

// Help lines shared by every command that takes --type and --model.
std::string DocumentOptionsHelp();

// The band plan from --type/--model (the settings are not read), or else from the settings
// store; no plan when neither holds one. Returns kExitOk, or kExitUsage with a problem.
int GivenOrStoredPlan(const CommandArgs& args, const SettingsStore& store,
                      std::optional<BandPlan>& plan, std::string& problem);

// GivenOrStoredPlan for a command that builds or opens a document and so needs a plan. A usage
// error is shown with the command's usage, a missing plan as a failure; returns kExitOk to go on.
int ResolveCommandPlan(const CommandArgs& args, const CliCommand& command, CliContext& context,
                       BandPlan& plan);

}  // namespace quorvan

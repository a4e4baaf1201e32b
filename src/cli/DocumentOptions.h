#pragma once

#include <string>

#include "cli/CliCommand.h"
#include "cli/CommandArgs.h"
#include "core/model/BandPlan.h"
#include "core/model/RadioImage.h"

namespace quorvan {

constexpr CliOption kTypeOption{"--type", "CODE"};
constexpr CliOption kModelOption{"--model", "ID"};

// Help lines shared by every command that takes --type and --model.
constexpr std::string_view kDocumentOptionsHelp =
    "  --type CODE   radio type code: two letters, the second K, E, J, M or X, a comma and\n"
    "                two characters (KK,0F, ME,0B, JJ,01, MM,07, ...); the band limits are\n"
    "                that type's defaults\n"
    "  --model ID    radio model (ARVEN, BELTO or CIRRA); without it ARVEN for KK,0F and\n"
    "                BELTO for any other type\n"
    "  Without --type the type, model and band limits stored by the program are used.\n";

// One to nine upper-case letters or digits.
bool IsModelId(std::string_view text);

// The band plan a command works with: from --type/--model (the settings are not read), or
// else from the settings store. Returns kExitOk, or kExitUsage / kExitFailure with a problem.
int ResolveBandPlan(const CommandArgs& args, const SettingsStore& store, BandPlan& plan,
                    std::string& problem);

// The steps the file commands share. Each reports its own failure on the error stream and
// returns the exit code to end with, or kExitOk to go on.

// ResolveBandPlan with a usage error shown with the command's usage, any other problem as
// "quorvan-cli NAME: problem".
int ResolveCommandPlan(const CommandArgs& args, const CliCommand& command, CliContext& context,
                       BandPlan& plan);
// Opens the channel file into a document of the plan as Open does.
int OpenCommandDocument(const std::string& path, const BandPlan& plan, CliContext& context,
                        RadioImage& document);
// Saves the document atomically over path.
int SaveCommandDocument(const std::string& path, const RadioImage& document, CliContext& context);

}  // namespace quorvan

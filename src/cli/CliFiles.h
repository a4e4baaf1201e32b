#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/CliCommand.h"
#include "core/model/RadioImage.h"

namespace quorvan {

// "-" as a file argument: standard input where a command reads a file, standard output for -o.
constexpr std::string_view kStandardStream = "-";
inline bool IsStandardStream(std::string_view path) { return path == kStandardStream; }

// How a message names a file argument: the path as given (escaped), "standard input" or
// "standard output" for "-".
std::string InputName(std::string_view path);
std::string OutputName(std::string_view path);

// The steps the file commands share. Each reports its own failure as "quorvan-cli: File Open
// error." with the file and the reason on the next line, and returns the exit code to end
// with, or kExitOk to go on.

// Reads a whole input file (or standard input) of at most maxBytes.
int ReadCommandInput(const std::string& path, std::size_t maxBytes, CliContext& context,
                     std::string& bytes);
// Opens the channel file into a document of the plan as Open does.
int OpenCommandDocument(const std::string& path, const BandPlan& plan, CliContext& context,
                        RadioImage& document);
// Writes an export's bytes atomically over path, or to standard output for "-"; a failure is
// told as "The file could not be written: REASON".
int WriteCommandOutput(const std::string& path, std::string_view bytes, CliContext& context);
// Saves the document as Save does (WriteCommandOutput).
int SaveCommandDocument(const std::string& path, const RadioImage& document, CliContext& context);

// Where a command's report goes: standard output, or standard error when its output file is
// standard output, which then carries the output alone.
std::ostream& ReportStream(std::string_view outputPath, CliContext& context);

}  // namespace quorvan

#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/BandPlan.h"

namespace quorvan {

// How the virtual radio was asked to run; every number is already checked and bounded.
struct SimOptions {
  std::string file;  // channel file to serve; empty: a new document of the plan
  std::string type = "KK,0F";
  std::string model = "ARVEN";
  bool hasLimits = false;  // --limits replaces the plan's default band limits
  std::array<std::string, kBandLimitCount> limits{};
  long baud = 0;  // 0: replies go out unpaced
  std::string logFile;
  long stopAfter = -1;   // -1: answer every command
  long closeAfter = -1;  // -1: keep the line open
  long delayMs = 0;
  bool split = false;
  std::string identifier;  // fault: answer "ID" with this
  std::string typeReply;   // fault: answer "TYD" with this
  // Faults, each option given as often as wanted: refuse commands starting with one of these,
  // and acknowledge commands starting with one of these without doing them.
  std::vector<std::string> reject;
  std::vector<std::string> drop;
  std::string saveOnExit;
  bool help = false;
  bool version = false;
};

// Reads the arguments after the program name. False with a one-line message on bad input.
bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error);

// "L0;L1;...;L14": fifteen entries, each empty or "lower,upper" in digits.
bool ParseLimitList(std::string_view text, std::array<std::string, kBandLimitCount>& limits,
                    std::string& error);

// The text printed for --help.
std::string SimUsage();

}  // namespace quorvan

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CommandFramer.h"
#include "RadioModel.h"
#include "SimOptions.h"

namespace quorvan {
namespace {

TEST(CommandFramer, CutsCommandsAtEveryCrWhateverThePieces) {
  CommandFramer framer;
  EXPECT_TRUE(framer.Feed("I").empty());
  EXPECT_TRUE(framer.HasPartialCommand());
  EXPECT_EQ(framer.Feed("D\rTY"), std::vector<std::string>{"ID"});
  EXPECT_EQ(framer.Feed("D\r\nFL 0\r\r"), (std::vector<std::string>{"TYD", "FL 0", ""}));
  EXPECT_FALSE(framer.HasPartialCommand());
}

TEST(CommandFramer, KeepsAnOverlongCommandBoundedAndRecovers) {
  CommandFramer framer;
  framer.Feed(std::string(100000, 'X'));
  const std::vector<std::string> commands = framer.Feed("\rID\r");
  ASSERT_EQ(commands.size(), 2u);
  EXPECT_EQ(commands[0].size(), kMaxCommandLength + 1);
  EXPECT_EQ(commands[1], "ID");
}

TEST(SimOptions, ReadsEveryOption) {
  SimOptions options;
  std::string error;
  ASSERT_TRUE(ParseSimOptions({"--file",
                               "a.qvx",
                               "--type",
                               "ME,0B",
                               "--model",
                               "BELTO",
                               "--baud",
                               "9600",
                               "--log",
                               "l.txt",
                               "--stop-after",
                               "3",
                               "--id",
                               "X",
                               "--tyd",
                               "JJ,01",
                               "--split",
                               "--delay-ms",
                               "5",
                               "--close-after",
                               "7",
                               "--reject",
                               "MW 1",
                               "--save-on-exit",
                               "s.qvx",
                               "--drop",
                               "MNA 005",
                               "--drop",
                               "BAT",
                               "--reject",
                               "DMN"},
                              options, error))
      << error;
  EXPECT_EQ(options.file, "a.qvx");
  EXPECT_EQ(options.type, "ME,0B");
  EXPECT_EQ(options.model, "BELTO");
  EXPECT_EQ(options.baud, 9600);
  EXPECT_EQ(options.logFile, "l.txt");
  EXPECT_EQ(options.stopAfter, 3);
  EXPECT_EQ(options.identifier, "X");
  EXPECT_EQ(options.typeReply, "JJ,01");
  EXPECT_TRUE(options.split);
  EXPECT_EQ(options.delayMs, 5);
  EXPECT_EQ(options.closeAfter, 7);
  EXPECT_EQ(options.reject, (std::vector<std::string>{"MW 1", "DMN"}));
  EXPECT_EQ(options.drop, (std::vector<std::string>{"MNA 005", "BAT"}));
  EXPECT_EQ(options.saveOnExit, "s.qvx");
  EXPECT_FALSE(options.help);
}

TEST(SimOptions, RejectsBadArgumentsWithAMessage) {
  const std::vector<std::vector<std::string>> bad = {
      {"--bogus"},
      {"--type"},
      {"--type", "KK,0FX"},
      {"--model", ""},
      {"--baud", "0"},
      {"--baud", "fast"},
      {"--baud", "-9600"},
      {"--delay-ms", "99999999999"},
      {"--stop-after", "1e3"},
      {"--id", std::string("A\rB")},
      {"--limits", "1;2"},
      {"--file", ""},
      {"stray"},
  };
  for (const std::vector<std::string>& args : bad) {
    SimOptions options;
    std::string error;
    EXPECT_FALSE(ParseSimOptions(args, options, error)) << args[0];
    EXPECT_FALSE(error.empty()) << args[0];
  }
}

TEST(SimOptions, LimitListNeedsFifteenWellFormedEntries) {
  std::array<std::string, kBandLimitCount> limits{};
  std::string error;
  const std::string good =
      "00144,00148;;00430,00440;;0000010,0000171;0000171,0002970;0002970,0005400;"
      "0005400,0010800;00108,00137;00137,00174;00174,00223;00223,00400;00400,00470;"
      "00470,00890;00890,01300";
  ASSERT_TRUE(ParseLimitList(good, limits, error)) << error;
  EXPECT_EQ(limits[0], "00144,00148");
  EXPECT_EQ(limits[1], "");
  EXPECT_EQ(limits[14], "00890,01300");

  const std::string bad[] = {good + ";", good.substr(0, good.rfind(';')), "x" + good,
                             "00144;" + good.substr(good.find(';') + 1)};
  for (const std::string& text : bad) {
    std::array<std::string, kBandLimitCount> untouched = limits;
    EXPECT_FALSE(ParseLimitList(text, untouched, error)) << text;
    EXPECT_EQ(untouched, limits) << "a rejected list changes nothing";
  }
}

}  // namespace
}  // namespace quorvan

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "RadioModel.h"
#include "core/model/BandPlan.h"
#include "core/model/RadioImage.h"
#include "support/CaseNames.h"
#include "support/SlotFields.h"

namespace quorvan {
namespace {

constexpr const char* kSplitRecord =
    "005,00145500000,5,2,0,1,0,0,08,10,000,000600000,0,1,00146000000,5,,A,B";
constexpr const char* kLimitRecord = "L0,00144000000,0,0,0,0,0,0,08,08,000,000000000,0,0,,,,";

RadioImage UsaImage() {
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  image.Store(SlotKind::Memory, 5, kSplitRecord);
  image.Store(SlotKind::Memory, 400, kLimitRecord);
  image.Store(SlotKind::Dtmf, 0, "00,12*#,HOME");
  return image;
}

struct ReplyCase {
  const char* command;
  const char* reply;
};

class RadioModelReplies : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(RadioModelReplies, AnswersWithTheCommandsHeader) {
  RadioModel radio(UsaImage());
  EXPECT_EQ(radio.Answer(GetParam().command), GetParam().reply);
}

INSTANTIATE_TEST_SUITE_P(
    EveryReadForm, RadioModelReplies,
    ::testing::Values(
        ReplyCase{"VOX 0", "VOX 0"}, ReplyCase{"VMC 0,0", "VMC 0,0"}, ReplyCase{"ID", "ID ARVEN"},
        ReplyCase{"TYD", "TYD KK,0F"},
        ReplyCase{"FL 0", "FL 0,00137,00174,00216,00260,00410,00470"},
        ReplyCase{"FL 1",
                  "FL 1,0000010,0000180,0000180,0002970,0002970,0005400,0005400,0010800,"
                  "00108,00137,00137,00174,00174,00216,00216,00400,00400,00470,00470,00806,"
                  "00806,01300"},
        ReplyCase{"MR 0,005", "MR 0,005,00145500000,5,2,0,1,0,0,08,10,000,000600000,0,1"},
        ReplyCase{"MR 1,005", "MR 1,005,00146000000,5"}, ReplyCase{"MNA 005", "MNA 005,A,B"},
        ReplyCase{"MR 0,006", "MR 0,006"},  // empty slot: the header alone
        ReplyCase{"MR 1,006", "MR 1,006"},
        ReplyCase{"MR 0,L0", "MR 0,L0,00144000000,0,0,0,0,0,0,08,08,000,000000000,0,0"},
        ReplyCase{"MR 1,L0", "MR 1,L0"},  // no transmit part
        ReplyCase{"MR 0,I-0", "MR 0,I-0,00163275000,0,0,0,0,0,0,08,08,000,000000000,0,0"},
        ReplyCase{"MNA I-0", "MNA I-0,WEATHER"}, ReplyCase{"MR 0,PR2", "MR 0,PR2"},
        ReplyCase{"CR 0,0", "CR 0,0,00144000000,0,0,0,0,0,0,08,08,000,000600000,0"},
        ReplyCase{"CR 0,1", "CR 0,1,,,"},
        ReplyCase{"CR 3,0", "CR 3,0"},  // no 1200 MHz CALL channel without CIRRA
        ReplyCase{"VR A", "VR A,00179750000,A,0,0,0,0,0,08,08,000,000000000,1"},
        ReplyCase{"VR E", "VR E,01240000000,8,0,0,0,0,0,08,08,000,000000000,0"},
        ReplyCase{"VR 3", "VR "},  // absent band: nothing after the header
        ReplyCase{"PV 0", "PV 0,00137,00173"}, ReplyCase{"PV 3", "PV "},
        ReplyCase{"DM 00", "DM 00,12EF"}, ReplyCase{"DMN 00", "DMN 00,HOME"},
        ReplyCase{"DM 01", "DM 01,"}, ReplyCase{"PC 0", "PC 0,0"}, ReplyCase{"PC 2", "PC 2,"},
        ReplyCase{"NAR 1", "NAR 1,0"}, ReplyCase{"NAR 5", "NAR 5,0"}, ReplyCase{"BC", "BC 0"},
        ReplyCase{"BAL", "BAL 2"}, ReplyCase{"CNT", "CNT 08"}, ReplyCase{"MES", "MES HELLO !!"},
        ReplyCase{"MGL", "MGL         "}, ReplyCase{"CKEY", "CKEY 0"}, ReplyCase{"BAT", "BAT 0"}),
    [](const ::testing::TestParamInfo<ReplyCase>& p) {
      return quorvan::testing::CaseName(p.param.command, p.index);
    });

// Each of the 32 plain menu mnemonics reads its own item.
TEST(RadioModel, EveryMenuMnemonicReadsItsItem) {
  RadioImage image = UsaImage();
  for (int item = 0; item < kMenuItemCount; ++item) {
    if (MenuItemCapacity(item) == 1) image.Menu().Set(item, std::to_string(item % 10));
  }
  RadioModel radio(image);
  int plain = 0;
  for (int item = 0; item < kMenuItemCount; ++item) {
    const std::string mnemonic(MenuMnemonic(item));
    const std::string& value = image.Menu().Get(item);
    if (mnemonic.find(' ') == std::string::npos) {
      ++plain;
      EXPECT_EQ(radio.Answer(mnemonic), mnemonic + " " + value) << mnemonic;
    } else {
      EXPECT_EQ(radio.Answer(mnemonic), mnemonic + "," + value) << mnemonic;
    }
  }
  EXPECT_EQ(plain, 32);
}

struct WriteCase {
  std::vector<const char*> writes;
  const char* read;
  const char* reply;
};

class RadioModelWrites : public ::testing::TestWithParam<WriteCase> {};

TEST_P(RadioModelWrites, WriteThenReadReturnsWhatWasWritten) {
  RadioModel radio(UsaImage());
  for (const char* write : GetParam().writes) {
    EXPECT_EQ(radio.Answer(write), write) << "a write is acknowledged by its own text";
  }
  EXPECT_EQ(radio.Answer(GetParam().read), GetParam().reply);
}

INSTANTIATE_TEST_SUITE_P(
    EveryWriteForm, RadioModelWrites,
    ::testing::Values(
        WriteCase{{"MW 0,012,00440000000,8,1,0,0,1,0,08,12,000,005000000,0,0"},
                  "MR 0,012",
                  "MR 0,012,00440000000,8,1,0,0,1,0,08,12,000,005000000,0,0"},
        // A new channel write drops the old transmit part but keeps the name.
        WriteCase{
            {"MW 0,005,00145000000,5,0,0,0,0,0,08,08,000,000600000,0,0"}, "MR 1,005", "MR 1,005"},
        WriteCase{
            {"MW 0,005,00145000000,5,0,0,0,0,0,08,08,000,000600000,0,0"}, "MNA 005", "MNA 005,A,B"},
        WriteCase{{"MW 0,005"}, "MR 0,005", "MR 0,005"},
        WriteCase{{"MW 1,005,00147000000,8"}, "MR 1,005", "MR 1,005,00147000000,8"},
        WriteCase{{"MNA 005,NEWNAME"}, "MNA 005", "MNA 005,NEWNAME"},
        WriteCase{{"MNA 005,"}, "MNA 005", "MNA 005,"},
        WriteCase{{"MW 0,U9,00430000000,8,0,0,0,0,0,08,08,000,000000000,0,1", "MNA U9,TOP"},
                  "MNA U9",
                  "MNA U9,TOP"},
        WriteCase{{"CW 0,00440000000,8,2,0,0,0,0,08,08,000,005000000,0"},
                  "CR 2,0",
                  "CR 2,0,00440000000,8,2,0,0,0,0,08,08,000,005000000,0"},
        WriteCase{{"CW 0,00223500000,7,0,0,0,0,0,08,08,000,001600000,0", "CW 1,00224000000,7"},
                  "CR 1,1",
                  "CR 1,1,00224000000,7,"},
        WriteCase{{"VW 7,00099900000,B,0,0,0,0,0,08,08,000,000000000,1"},
                  "VR 7",
                  "VR 7,00099900000,B,0,0,0,0,0,08,08,000,000000000,1"},
        WriteCase{{"PV 2,00420,00450"}, "PV 2", "PV 2,00420,00450"},
        WriteCase{{"DM 03,12EF", "DMN 03,HOME"}, "DM 03", "DM 03,12EF"},
        WriteCase{{"DM 3,12EF", "DMN 3,HOME"}, "DMN 03", "DMN 03,HOME"},
        WriteCase{{"DM 00,", "DMN 00,"}, "DM 00", "DM 00,"},
        WriteCase{{"PC 1,2"}, "PC 1", "PC 1,2"}, WriteCase{{"NAR 5,1"}, "NAR 5", "NAR 5,1"},
        WriteCase{{"BC 1"}, "BC", "BC 1"}, WriteCase{{"CNT 16"}, "CNT", "CNT 16"},
        WriteCase{{"MGL 0 2     "}, "MGL", "MGL 0 2     "},
        WriteCase{{"MES QUORVAN!"}, "MES", "MES QUORVAN!"}),
    [](const ::testing::TestParamInfo<WriteCase>& p) {
      return quorvan::testing::CaseName(p.param.read, p.index);
    });

TEST(RadioModel, WritesLandInTheImageAsAReadWouldStoreThem) {
  RadioModel radio(UsaImage());
  radio.Answer("MW 0,007,00145000000,5,0,0,0,0,0,08,08,000,000600000,0,0");
  radio.Answer("MW 1,007,00146000000,5");
  radio.Answer("MNA 007,X,Y");
  EXPECT_EQ(radio.Image().Record(SlotKind::Memory, 7),
            "007,00145000000,5,0,0,0,0,0,08,08,000,000600000,0,0,00146000000,5,,X,Y");
  radio.Answer("CW 0,00145000000,5,0,0,0,0,0,08,08,000,000600000,0");
  EXPECT_EQ(radio.Image().Record(SlotKind::Call, 0),
            "0,00145000000,5,0,0,0,0,0,08,08,000,000600000,0,,,,,");
  radio.Answer("DM 04,1E");
  radio.Answer("DMN 04,");
  EXPECT_EQ(radio.Image().Record(SlotKind::Dtmf, 4), "04,1*,");
  radio.Answer("DM 04,");
  EXPECT_EQ(radio.Image().Record(SlotKind::Dtmf, 4), "") << "no code and no name: empty";
}

// "CW 1" adds to the channel the last "CW 0" wrote, even when the transmit frequency lies in
// another band (cross-band split).
TEST(RadioModel, CallTransmitPartFollowsTheLastCallWrite) {
  RadioModel radio(UsaImage());
  radio.Answer("CW 0,00145000000,5,0,0,0,0,0,08,08,000,000600000,0");
  radio.Answer("CW 1,00435000000,5");
  EXPECT_EQ(radio.Answer("CR 0,1"), "CR 0,1,00435000000,5,");
  EXPECT_EQ(radio.Answer("CR 2,1"), "CR 2,1,,,");
}

TEST(RadioModel, NamesTravelInTheRadioCodingExceptForJapan) {
  const std::string pcName = "\xC4\x8A";  // two characters of the PC name set
  const std::string radioName = "\x84\x9E";
  RadioImage usa = UsaImage();
  usa.Store(SlotKind::Memory, 5,
            "005,00145500000,5,2,0,1,0,0,08,10,000,000600000,0,1,00146000000,5,," + pcName);
  usa.Menu().Set(kMenuMES, pcName);
  RadioModel usaRadio(usa);
  EXPECT_EQ(usaRadio.Answer("MNA 005"), "MNA 005," + radioName);
  EXPECT_EQ(usaRadio.Answer("MES"), "MES " + radioName);
  usaRadio.Answer("DMN 02," + radioName);
  EXPECT_EQ(testing::DtmfName(usaRadio.Image(), 2), pcName);

  const std::string katakana = "NHK\xBB\xAF";
  RadioImage japan = MakeNewDocument(MakeDefaultBandPlan("JJ,01", "BELTO"));
  RadioModel japanRadio(japan);
  EXPECT_EQ(japanRadio.Answer("MNA I-1").substr(0, 13), "MNA I-1," + katakana);
  japanRadio.Answer("MES " + katakana);
  EXPECT_EQ(japanRadio.Image().Menu().Get(kMenuMES), katakana);
}

TEST(RadioModel, CirraServesTheTwelveHundredBandAndJapanItsLimits) {
  RadioModel cirra(MakeNewDocument(MakeDefaultBandPlan("JJ,01", "CIRRA")));
  EXPECT_EQ(cirra.Answer("FL 0"), "FL 0,00144,00146,00430,00440,01260,01300");
  EXPECT_EQ(cirra.Answer("CR 1,0"), "CR 1,0");
  EXPECT_EQ(cirra.Answer("CR 3,0"), "CR 3,0,01295000000,7,0,0,0,0,0,08,08,000,020000000,0");
  EXPECT_EQ(cirra.Answer("PC 3"), "PC 3,0");
  EXPECT_EQ(cirra.Answer("CW 0,01270000000,7,0,0,0,0,0,08,08,000,020000000,0"),
            "CW 0,01270000000,7,0,0,0,0,0,08,08,000,020000000,0");
  EXPECT_EQ(testing::SlotField(cirra.Image(), SlotKind::Call, 3, ChannelField::Frequency),
            "01270000000");
}

TEST(RadioModel, FaultsChangeIdentityRefuseAndDropCommands) {
  RadioModel radio(UsaImage());
  radio.SetFaults({"ARVEN2", "ME,0B", {"MW 1", "DMN 0"}, {"MNA 005", "BAT"}});
  EXPECT_EQ(radio.Answer("ID"), "ID ARVEN2");
  EXPECT_EQ(radio.Answer("TYD"), "TYD ME,0B");
  EXPECT_EQ(radio.Answer("MW 1,005,00147000000,8"), "N");
  EXPECT_EQ(radio.Answer("MR 1,005"), "MR 1,005,00146000000,5") << "a refusal changes nothing";
  // A dropped command gets the reply of one carried out, and changes nothing either.
  const std::string name = radio.Image().Record(SlotKind::Memory, 5);
  EXPECT_EQ(radio.Answer("MNA 005,OTHER"), "MNA 005,OTHER");
  EXPECT_EQ(radio.Image().Record(SlotKind::Memory, 5), name);
  EXPECT_EQ(radio.Answer("MNA L0,OTHER"), "MNA L0,OTHER");
  EXPECT_EQ(testing::SlotField(radio.Image(), SlotKind::Memory, 400, ChannelField::Name), "OTHER");
  EXPECT_EQ(radio.Answer("MW 0,005"), "MW 0,005");
  // Every prefix given counts.
  EXPECT_EQ(radio.Answer("DMN 03,HOME"), "N");
  const std::string battery = radio.Image().Menu().Get(kMenuBAT);
  EXPECT_EQ(radio.Answer("BAT 1"), "BAT 1");
  EXPECT_EQ(radio.Image().Menu().Get(kMenuBAT), battery);
}

TEST(RadioModel, RefusesWhatItCannotHold) {
  RadioModel radio(UsaImage());
  const std::vector<std::string> refused = {
      "MW 1,006,00146000000,5",  // no channel to add a transmit part to
      "MNA 006,NAME",            // no channel to name
      "MNA 005,NINECHARS",       // names hold 8 characters
      "DMN 01,NINECHARS",
      "DM 01,12345678901234567",                             // codes hold 16 digits
      "CW 0,00100000000,5,0,0,0,0,0,08,08,000,000600000,0",  // a B-band frequency
      "NAR 4",
      "BC 10",
      "CNT 100",
      "MES NINECHARS",
      "PC 1,22",
  };
  const RadioImage before = radio.Image();
  for (const std::string& command : refused) EXPECT_EQ(radio.Answer(command), "N") << command;
  EXPECT_TRUE(radio.Image() == before);
}

TEST(RadioModel, GarbageIsAnsweredWithAQuestionMark) {
  RadioModel radio(UsaImage());
  const std::vector<std::string> garbage = {
      "",
      "XYZ",
      "ID ARVEN",
      "TYD KK",
      "FL",
      "FL 2",
      "FL 00",
      "MR",
      "MR 0",
      "MR 2,005",
      "MR 0,400",
      "MR 0,L10",
      "MR 0,005,1",
      "MW 0,005,1,2",
      "MW 1,005",
      "MW 9,005",
      "MNA",
      "MNA 999",
      "CR 4,0",
      "CR 0,2",
      "CR 0",
      "CW 0,1",
      "CW 2,00145000000,5",
      "VR F",
      "VR a",
      "VR 10",
      "VW F,1",
      "VW 1,2,3",
      "PV 4",
      "PV 0,1",
      "DM 10",
      "DM -1",
      "DMN x",
      "DM 01,1,2",
      "PC 4",
      "PC",
      "NAR",
      "NAR x",
      "VOX",
      "vox 0",
      "BC\t1",
      std::string("ID\0", 3),
      std::string(kMaxCommandLength + 1, 'A'),
      "\x80\xFF",
  };
  const RadioImage before = radio.Image();
  for (const std::string& command : garbage) EXPECT_EQ(radio.Answer(command), "?") << command;
  EXPECT_TRUE(radio.Image() == before);
}

// Random bytes and mangled commands never crash the radio, its replies stay free of control
// bytes (no CR can break the framing) and every slot stays within its capacity.
TEST(RadioModel, SurvivesRandomCommands) {
  RadioImage image = UsaImage();
  image.Store(SlotKind::Memory, 9, "009,00145000000,5,0,0,0,0,0,08,08,000,0,0,0,,,,A\rB\x13");
  RadioModel radio(image);
  const std::vector<std::string> seeds = {"MW 0,005,", "MW 1,005,", "MNA 005,", "CW 0,",
                                          "CW 1,",     "VW 3,",     "PV 1,",    "DM 02,",
                                          "DMN 02,",   "MES ",      "PC 1,",    "MR 0,009"};
  std::mt19937 random(12345);
  for (int round = 0; round < 20000; ++round) {
    std::string command = seeds[random() % seeds.size()];
    const std::size_t extra = random() % 120;
    for (std::size_t i = 0; i < extra; ++i) {
      const int kind = static_cast<int>(random() % 4);
      command += kind == 0   ? ','
                 : kind == 1 ? static_cast<char>('0' + random() % 10)
                             : static_cast<char>(random() % 256);
    }
    const std::string reply = radio.Answer(command);
    for (const char c : reply) ASSERT_GE(static_cast<unsigned char>(c), 0x20) << command;
  }
  EXPECT_EQ(radio.Answer("MNA 009"), "MNA 009,AB");
  for (int slot = 0; slot < kMemorySlots; ++slot) {
    EXPECT_LE(radio.Image().Record(SlotKind::Memory, slot).size(), kChannelRecordCapacity);
  }
}

}  // namespace
}  // namespace quorvan

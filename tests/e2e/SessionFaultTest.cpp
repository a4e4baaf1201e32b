// Transfers run in this process against the virtual radio misbehaving on purpose: every failure
// ends with its message, the port is let go at once and the same link works again.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "core/model/RadioImage.h"
#include "core/transfer/ReadSequence.h"
#include "core/transfer/WriteSequence.h"
#include "support/E2eProcess.h"
#include "support/SessionLink.h"
#include "support/SlotFields.h"

namespace quorvan {
namespace {

using Outcome = TransferSession::Outcome;
using testing::DeviceIsFree;
using testing::SessionLink;
using testing::SessionResult;
using testing::VirtualRadio;

const QString kInvalidRadio = "The radio is invalid.\nPlease check and try again.";
// What the link reports when the far end goes away: reading or, if a command was on its way,
// writing fails; the driver's error mask follows, and on the next line what to check.
const QRegularExpression kLineGone(
    "^Communication (Read|Write) Error  ErrorMask=-?\\d+\nThe line to /dev/\\S+ failed during the "
    "transfer; check that the cable is seated and its adapter still plugged in\\.$");
// The fixed text and, on the next line, what the radio answered.
QString InvalidRadioAnswering(const QString& answer) {
  return kInvalidRadio + "\nThe radio answered \"" + answer + "\".";
}

RadioImage DefaultDocument() { return MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN")); }

// A document the read must not touch when the radio turns out to be invalid.
RadioImage MarkedDocument() {
  RadioImage image = DefaultDocument();
  image.SetComment("untouched");
  image.Store(SlotKind::Memory, 7, "007,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,KEEP");
  return image;
}

std::vector<std::string> LogLines(const QString& path) {
  QFile file(path);
  std::vector<std::string> lines;
  if (!file.open(QIODevice::ReadOnly)) return lines;
  for (const QByteArray& line : file.readAll().split('\n')) {
    if (!line.isEmpty()) lines.push_back(line.toStdString());
  }
  return lines;
}

SessionResult ReadInto(SessionLink& link, const QString& device, RadioImage& image,
                       TransferScope scope = TransferScope::All) {
  ReadSequence sequence(image, scope);
  return link.Run(sequence, device);
}

SessionResult WriteFrom(SessionLink& link, const QString& device, const RadioImage& image,
                        TransferScope scope = TransferScope::All) {
  WriteSequence sequence(image, scope);
  return link.Run(sequence, device);
}

// The link, after a failure, reads a healthy radio completely.
void ExpectLinkWorksAgain(SessionLink& link) {
  VirtualRadio healthy({});
  ASSERT_FALSE(healthy.Device().isEmpty());
  RadioImage image = MarkedDocument();
  const SessionResult again = ReadInto(link, healthy.Device(), image);
  ASSERT_TRUE(again.finished);
  EXPECT_EQ(again.outcome, Outcome::Completed) << again.message.toStdString();
  // A read replaces every record; the comment is the document's own and stays.
  RadioImage expected = DefaultDocument();
  expected.SetComment(MarkedDocument().Comment());
  EXPECT_TRUE(image == expected);
  EXPECT_FALSE(link.PortOpen());
}

// Points in a read of the default radio (534 commands): each identification command, the first
// and a middle memory slot, the L/U, CALL, VFO, program VFO, DTMF, PC and menu lists, the end.
const std::vector<int> kReadClosePoints{1, 2, 3, 4, 5, 6, 7, 200, 406, 459, 465, 484, 503, 533};
// Points in a write of the default document (528 commands).
const std::vector<int> kWriteClosePoints{1, 2, 3, 5, 6, 300, 452, 475, 500, 527};

TEST(SessionFault, LineClosedDuringReadIsReportedAndTheLinkRecovers) {
  SessionLink link;
  for (const int point : kReadClosePoints) {
    SCOPED_TRACE("line closed after command " + std::to_string(point));
    VirtualRadio radio({"--close-after", QString::number(point)});
    ASSERT_FALSE(radio.Device().isEmpty());
    RadioImage image = DefaultDocument();
    const SessionResult result = ReadInto(link, radio.Device(), image);
    ASSERT_TRUE(result.finished);
    EXPECT_EQ(result.outcome, Outcome::CommError);
    EXPECT_TRUE(kLineGone.match(result.message).hasMatch()) << result.message.toStdString();
    EXPECT_FALSE(link.PortOpen());
    ExpectLinkWorksAgain(link);
  }
}

TEST(SessionFault, LineClosedDuringWriteIsReportedAndTheLinkRecovers) {
  SessionLink link;
  const RadioImage document = DefaultDocument();
  for (const int point : kWriteClosePoints) {
    SCOPED_TRACE("line closed after command " + std::to_string(point));
    VirtualRadio radio({"--close-after", QString::number(point)});
    ASSERT_FALSE(radio.Device().isEmpty());
    const SessionResult result = WriteFrom(link, radio.Device(), document);
    ASSERT_TRUE(result.finished);
    EXPECT_EQ(result.outcome, Outcome::CommError);
    EXPECT_TRUE(kLineGone.match(result.message).hasMatch()) << result.message.toStdString();
    EXPECT_FALSE(link.PortOpen());
    ExpectLinkWorksAgain(link);
  }
}

struct IdentityCase {
  const char* name;
  QStringList radioArgs;
  Outcome expected;
  QString answer;  // what the message says the radio answered
};

// A read or write against a radio with a wrong identity; the same pty is tried twice to show
// that the first run let the port go and left nothing behind.
TEST(SessionFault, GarbageIdentityIsAnInvalidRadioEveryTime) {
  const std::vector<IdentityCase> cases{
      {"model with a suffix", {"--id", "ARVEN2"}, Outcome::InvalidRadio, "ID ARVEN2"},
      {"question mark", {"--id", "?"}, Outcome::InvalidRadio, "ID ?"},
      {"lower case", {"--id", "arven"}, Outcome::InvalidRadio, "ID arven"},
      {"leading blank", {"--id", " ARVEN"}, Outcome::InvalidRadio, "ID  ARVEN"},
      {"header twice", {"--id", "ID ARVEN"}, Outcome::InvalidRadio, "ID ID ARVEN"},
      {"the other model", {"--id", "BELTO"}, Outcome::Completed, ""},
  };
  SessionLink link;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    const QString log = dir.filePath("radio.log");
    VirtualRadio radio(QStringList(c.radioArgs) << "--log" << log);
    ASSERT_FALSE(radio.Device().isEmpty());
    for (int attempt = 0; attempt < 2; ++attempt) {
      SCOPED_TRACE("attempt " + std::to_string(attempt));
      RadioImage image = MarkedDocument();
      const SessionResult read = ReadInto(link, radio.Device(), image);
      ASSERT_TRUE(read.finished);
      EXPECT_EQ(read.outcome, c.expected);
      EXPECT_FALSE(link.PortOpen());
      if (c.expected == Outcome::InvalidRadio) {
        EXPECT_EQ(read.message, InvalidRadioAnswering(c.answer));
        EXPECT_TRUE(image == MarkedDocument()) << "an invalid radio leaves the image alone";
      }
      const SessionResult write = WriteFrom(link, radio.Device(), DefaultDocument());
      ASSERT_TRUE(write.finished);
      EXPECT_EQ(write.outcome, c.expected);
      if (c.expected == Outcome::InvalidRadio) {
        EXPECT_EQ(write.message, InvalidRadioAnswering(c.answer));
      }
      EXPECT_FALSE(link.PortOpen());
    }
    EXPECT_TRUE(DeviceIsFree(radio.Device()));
    if (c.expected == Outcome::InvalidRadio) {
      // Nothing beyond the identification ever went out.
      for (const std::string& command : LogLines(log)) {
        EXPECT_TRUE(command == "VOX 0" || command == "ID") << command;
      }
    }
  }
}

// The write takes a type code whose first two letters are the document's; the variant may
// differ.
TEST(SessionFault, WriteChecksTheTypeCodeAndItsFirstTwoLetters) {
  struct TypeCase {
    const char* typeReply;
    Outcome expected;
    QString detail;  // the line after the fixed text
  };
  const QString kForThisDocument = "; this document is for KK,0F (U.S.A./Canada).";
  const std::vector<TypeCase> cases{
      {"KE,0F", Outcome::InvalidRadio, "The radio reports type KE,0F (Europe)" + kForThisDocument},
      {"EK,0F", Outcome::InvalidRadio,
       "The radio reports type EK,0F (U.S.A./Canada)" + kForThisDocument},
      {"MX,01", Outcome::InvalidRadio, "The radio reports type MX,01" + kForThisDocument},
      {"K", Outcome::InvalidRadio, "The radio answered \"TYD K\"."},
      {"?", Outcome::InvalidRadio, "The radio answered \"TYD ?\"."},
      {"KK,99", Outcome::Completed, ""},
      {"KK", Outcome::InvalidRadio, "The radio answered \"TYD KK\"."},
      {"KK,0F!", Outcome::InvalidRadio, "The radio answered \"TYD KK,0F!\"."},
  };
  SessionLink link;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typeReply);
    QTemporaryDir dir;
    const QString log = dir.filePath("radio.log");
    VirtualRadio radio({"--tyd", c.typeReply, "--log", log});
    ASSERT_FALSE(radio.Device().isEmpty());
    const SessionResult write = WriteFrom(link, radio.Device(), DefaultDocument());
    ASSERT_TRUE(write.finished);
    EXPECT_EQ(write.outcome, c.expected) << write.message.toStdString();
    EXPECT_FALSE(link.PortOpen());
    if (c.expected == Outcome::InvalidRadio) {
      EXPECT_EQ(write.message, kInvalidRadio + "\n" + c.detail);
      EXPECT_EQ(LogLines(log), (std::vector<std::string>{"VOX 0", "ID", "TYD"}))
          << "no image data is sent to a radio of another type";
    }
  }
}

// Refused commands do not stop a write; a completed write names how many there were and the
// first, and the command-line tool turns that into a failure.
TEST(SessionFault, RefusedCommandsAreCountedOrEndTheIdentification) {
  const RadioImage document = DefaultDocument();
  int namedSlots = 0;
  std::string firstName;
  for (int slot = 0; slot < kMemorySlots; ++slot) {
    if (testing::SlotField(document, SlotKind::Memory, slot, ChannelField::Frequency).empty())
      continue;
    if (namedSlots++ == 0) {
      firstName =
          "MNA " + MemoryChannelLabel(slot) + "," +
          std::string(testing::SlotField(document, SlotKind::Memory, slot, ChannelField::Name));
    }
  }
  ASSERT_GT(namedSlots, 1);
  struct RejectCase {
    const char* prefix;
    Outcome expected;
    QString message;
  };
  const std::vector<RejectCase> cases{
      {"MNA", Outcome::Completed, TransferSession::RejectedCommandsMessage(namedSlots, firstName)},
      {"BAT", Outcome::Completed,
       TransferSession::RejectedCommandsMessage(1, "BAT " + document.Menu().Get(kMenuBAT))},
      {"ID", Outcome::InvalidRadio, InvalidRadioAnswering("N")},
      {"TYD", Outcome::InvalidRadio, InvalidRadioAnswering("N")},
  };
  SessionLink link;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.prefix);
    VirtualRadio radio({"--reject", c.prefix});
    ASSERT_FALSE(radio.Device().isEmpty());
    const SessionResult write = WriteFrom(link, radio.Device(), document);
    ASSERT_TRUE(write.finished);
    EXPECT_EQ(write.outcome, c.expected);
    EXPECT_EQ(write.message, c.message);
    EXPECT_FALSE(link.PortOpen());
    EXPECT_TRUE(DeviceIsFree(radio.Device()));
  }
}

// Replies that arrive in two pieces are joined at their CR; both directions still round-trip.
TEST(SessionFault, SplitRepliesGiveTheSameMenu) {
  RadioImage document = DefaultDocument();
  document.Menu().Set(kMenuBC, "1");
  document.Menu().Set(kMenuCNT, "12");
  document.Menu().Set(kMenuMES, "HELLO");
  VirtualRadio radio({"--split"});
  ASSERT_FALSE(radio.Device().isEmpty());
  SessionLink link;
  const SessionResult write = WriteFrom(link, radio.Device(), document, TransferScope::Menu);
  ASSERT_TRUE(write.finished);
  ASSERT_EQ(write.outcome, Outcome::Completed) << write.message.toStdString();

  RadioImage back = DefaultDocument();
  const SessionResult read = ReadInto(link, radio.Device(), back, TransferScope::Menu);
  ASSERT_TRUE(read.finished);
  ASSERT_EQ(read.outcome, Outcome::Completed) << read.message.toStdString();
  for (int item = 0; item < kMenuItemCount; ++item) {
    EXPECT_EQ(back.Menu().Get(item), document.Menu().Get(item)) << "menu item " << item;
  }
}

// Each of these waits out the 2000 ms reply timeout; kept few on purpose.
TEST(SessionFaultSlow, ReplyLaterThanTheTimeoutEndsTheTransfer) {
  struct SlowCase {
    const char* name;
    QStringList radioArgs;
    bool write;
  };
  const std::vector<SlowCase> cases{
      {"read, every reply 2100 ms late", {"--delay-ms", "2100"}, false},
      {"write, radio silent from the 300th command", {"--stop-after", "299"}, true},
  };
  SessionLink link;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    VirtualRadio radio(c.radioArgs);
    ASSERT_FALSE(radio.Device().isEmpty());
    RadioImage image = DefaultDocument();
    const SessionResult result =
        c.write ? WriteFrom(link, radio.Device(), image) : ReadInto(link, radio.Device(), image);
    ASSERT_TRUE(result.finished);
    EXPECT_EQ(result.outcome, Outcome::TimedOut);
    EXPECT_EQ(result.message,
              "Communication timeout error.\nCheck that the radio is on and not showing one of "
              "its menus, that the cable is seated at both ends and that " +
                  radio.Device() + " is the cable's port.");
    EXPECT_FALSE(link.PortOpen());
    EXPECT_TRUE(DeviceIsFree(radio.Device()));
    ExpectLinkWorksAgain(link);
  }
}

}  // namespace
}  // namespace quorvan

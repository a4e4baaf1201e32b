#include <gtest/gtest.h>

#include <QSignalSpy>
#include <string>
#include <vector>

#include "io/serial/ECommError.h"
#include "io/serial/SerialPortNames.h"
#include "io/serial/TQuentarComm.h"
#include "support/PseudoTerminal.h"
#include "support/QtTestApp.h"

namespace quorvan {
namespace {

using testing::ProcessEventsUntil;
using testing::PseudoTerminal;

std::vector<quint32> EventSizes(const QSignalSpy& spy) {
  std::vector<quint32> sizes;
  for (const auto& arguments : spy) sizes.push_back(arguments.at(0).value<quint32>());
  return sizes;
}

std::string ErrorText(const std::function<void()>& action) {
  try {
    action();
  } catch (const ECommError& error) {
    return error.what();
  }
  return "(no error)";
}

class TQuentarCommTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(line_.IsValid());
    comm_.ApplyTransferSettings();
    comm_.SetPortName(QString::fromStdString(line_.Path()));
  }

  void OpenAndWaitFor(const std::string& bytes, int expectedWaiting) {
    comm_.OpenCommport();
    ASSERT_TRUE(line_.Send(bytes));
    ASSERT_TRUE(ProcessEventsUntil([&] { return comm_.CountInBuff() >= expectedWaiting; }));
  }

  PseudoTerminal line_;
  TQuentarComm comm_;
};

TEST_F(TQuentarCommTest, OneEventPerCarriageReturnWithTheWaitingCount) {
  QSignalSpy spy(&comm_, &TQuentarComm::commEvent);
  OpenAndWaitFor("ID ARVEN\r", 9);
  EXPECT_EQ(EventSizes(spy), std::vector<quint32>{9});
  EXPECT_EQ(comm_.ReadStringData(100), QByteArray("ID ARVEN\r"));
  EXPECT_EQ(comm_.CountInBuff(), 0);
}

TEST_F(TQuentarCommTest, NoEventWithoutCarriageReturnAndOneAfterTheSecondPiece) {
  QSignalSpy spy(&comm_, &TQuentarComm::commEvent);
  OpenAndWaitFor("MR 0,00", 7);
  EXPECT_EQ(spy.count(), 0);
  ASSERT_TRUE(line_.Send("5,ABC\r"));
  ASSERT_TRUE(ProcessEventsUntil([&] { return spy.count() > 0; }));
  EXPECT_EQ(EventSizes(spy), std::vector<quint32>{13});
}

TEST_F(TQuentarCommTest, HandlerThatTakesEverythingSeesOneEventForTwoReplies) {
  std::vector<QByteArray> taken;
  QObject::connect(&comm_, &TQuentarComm::commEvent,
                   [&](quint32 size) { taken.push_back(comm_.ReadStringData(size)); });
  OpenAndWaitFor("A\rB\r", 0);
  ASSERT_TRUE(ProcessEventsUntil([&] { return !taken.empty(); }));
  EXPECT_EQ(taken, std::vector<QByteArray>{QByteArray("A\rB\r")});
}

TEST_F(TQuentarCommTest, EventsStayRaisedWhileBytesAreWaiting) {
  QSignalSpy spy(&comm_, &TQuentarComm::commEvent);
  OpenAndWaitFor("A\rB\r", 4);
  EXPECT_EQ(EventSizes(spy), (std::vector<quint32>{4, 4}));
}

TEST_F(TQuentarCommTest, ReceiveEventModeWaitsForTheThreshold) {
  TQuentarComm comm;  // defaults: RxEvent, threshold 256
  comm.SetPortName(QString::fromStdString(line_.Path()));
  QSignalSpy spy(&comm, &TQuentarComm::commEvent);
  comm.OpenCommport();
  ASSERT_TRUE(line_.Send(std::string(255, 'a')));
  ASSERT_TRUE(ProcessEventsUntil([&] { return comm.CountInBuff() == 255; }));
  EXPECT_EQ(spy.count(), 0);
  ASSERT_TRUE(line_.Send("b"));
  ASSERT_TRUE(ProcessEventsUntil([&] { return spy.count() > 0; }));
  EXPECT_EQ(EventSizes(spy), std::vector<quint32>{256});
}

TEST_F(TQuentarCommTest, WritesReachTheLine) {
  comm_.OpenCommport();
  comm_.WriteStringData("VOX 0");
  comm_.WriteStringData("\r");
  EXPECT_EQ(line_.Receive(6), "VOX 0\r");
}

TEST_F(TQuentarCommTest, WriteMustLeaveRoomInTheTransmitQueue) {
  comm_.OpenCommport();
  EXPECT_EQ(ErrorText([&] { comm_.WriteData(std::string(1024, 'x').data(), 1024); }),
            "Too much write data");
  EXPECT_EQ(ErrorText([&] { comm_.WriteData(std::string(1023, 'x').data(), 1023); }), "(no error)");
}

TEST_F(TQuentarCommTest, ClosedComponentCountsMinusOneAndRefusesIo) {
  EXPECT_EQ(comm_.CountInBuff(), -1);
  EXPECT_EQ(comm_.CountOutBuff(), -1);
  char byte = 0;
  EXPECT_EQ(ErrorText([&] { comm_.ReadData(&byte, 1); }), "Have not started communications");
  EXPECT_EQ(ErrorText([&] { comm_.WriteData("x", 1); }), "Have not started communications");
  comm_.CloseCommport();  // no-op
  EXPECT_FALSE(comm_.GetPortStatus());
}

TEST_F(TQuentarCommTest, OpenTwiceIsANoOpAndTheLineCanBeReopened) {
  OpenAndWaitFor("x", 1);
  comm_.OpenCommport();
  EXPECT_EQ(comm_.CountInBuff(), 1) << "a second open must not purge";
  comm_.CloseCommport();
  EXPECT_EQ(comm_.CountInBuff(), -1);
  comm_.OpenCommport();
  EXPECT_TRUE(comm_.GetPortStatus());
  EXPECT_EQ(comm_.CountInBuff(), 0);
}

TEST_F(TQuentarCommTest, ClearInBuffDiscardsWaitingBytes) {
  OpenAndWaitFor("ABC", 3);
  comm_.ClearInBuff();
  EXPECT_EQ(comm_.CountInBuff(), 0);
}

TEST_F(TQuentarCommTest, OpenIsExclusive) {
  const QString path = QString::fromStdString(line_.Path());
  EXPECT_TRUE(comm_.CheckCommportValid(path));
  comm_.OpenCommport();
  EXPECT_TRUE(comm_.CheckCommportValid(path)) << "our own open port is valid";

  TQuentarComm other;
  other.SetPortName(path);
  EXPECT_FALSE(other.CheckCommportValid(path));
  EXPECT_EQ(ErrorText([&] { other.OpenCommport(); }), "CommOpen Error,invalid HANDLE:0xFFFFFFFF");
  EXPECT_FALSE(other.GetPortStatus());

  comm_.CloseCommport();
  EXPECT_TRUE(other.CheckCommportValid(path));
}

TEST_F(TQuentarCommTest, LineThatGoesAwayIsReportedOnceAndStillCloses) {
  QSignalSpy errors(&comm_, &TQuentarComm::commError);
  comm_.OpenCommport();
  line_.HangUp();
  ASSERT_TRUE(ProcessEventsUntil([&] { return errors.count() > 0; }));
  EXPECT_TRUE(errors.first().at(0).toString().startsWith("Communication Read Error  ErrorMask="));
  comm_.CloseCommport();
  EXPECT_FALSE(comm_.GetPortStatus());
  EXPECT_EQ(errors.count(), 1);
}

TEST_F(TQuentarCommTest, MissingDeviceIsInvalid) {
  EXPECT_FALSE(comm_.CheckCommportValid(QStringLiteral("/dev/quorvan-no-such-port")));
}

TEST(TQuentarCommSettings, TransferSettingsGiveXonAndXoffLimitsOf256) {
  TQuentarComm comm;
  EXPECT_EQ(comm.XoffLimit(), 4096 - 2048);
  comm.ApplyTransferSettings();
  EXPECT_EQ(comm.BaudRate(), TQuentarComm::TBaudRate::Baud9600);
  EXPECT_EQ(comm.FlowControl(), TQuentarComm::TFlowControl::XonXoff);
  EXPECT_EQ(comm.EventType(), TQuentarComm::TEventType::CharEvent);
  EXPECT_EQ(comm.EventChar(), 13);
  EXPECT_EQ(comm.InBuffSize(), 1024u);
  EXPECT_EQ(comm.XonLimit(), 256);
  EXPECT_EQ(comm.XoffLimit(), 256);
}

TEST(TQuentarCommSettings, BaudRatesInStoredOrder) {
  const std::vector<qint32> expected{600,   1200,  2400,  4800,  9600,   14400,
                                     19200, 38400, 56000, 57600, 115200, 128000};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(TQuentarComm::BaudRateValue(static_cast<TQuentarComm::TBaudRate>(i)), expected[i]);
  }
}

TEST(TQuentarCommSettings, CommPortSetsTheName) {
  TQuentarComm comm;
  EXPECT_EQ(comm.PortName(), "COM1");
  comm.SetCommPort(TQuentarComm::TCommPort::Com3);
  EXPECT_EQ(comm.PortName(), "COM3");
  comm.SetPortName(QStringLiteral("COM2"));
  EXPECT_EQ(comm.CommPort(), TQuentarComm::TCommPort::Com2);
}

TEST(SerialPortNames, ComNamesMapToTheFirstFourSerialDevices) {
  struct Case {
    const char* name;
    int number;
    const char* location;
  };
  const Case cases[] = {
      {"COM1", 1, "/dev/ttyS0"},
      {"COM4", 4, "/dev/ttyS3"},
      {"COM5", 0, "COM5"},
      {"com1", 0, "com1"},
      {"/dev/pts/7", 0, "/dev/pts/7"},
      {"/dev/ttyUSB0", 0, "/dev/ttyUSB0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ComPortNumber(QString::fromLatin1(c.name)), c.number) << c.name;
#if defined(Q_OS_LINUX)
    EXPECT_EQ(SystemPortLocation(QString::fromLatin1(c.name)), QString::fromLatin1(c.location))
        << c.name;
#endif
  }
}

TEST(ECommErrorText, MaskIsFormattedIntoTheText) {
  EXPECT_STREQ(ECommError(kCommReadErrorFormat, 12).what(),
               "Communication Read Error  ErrorMask=12");
  EXPECT_STREQ(ECommError(kCommWriteErrorFormat, 0).what(),
               "Communication Write Error  ErrorMask=0");
  EXPECT_STREQ(ECommError("100%s %n").what(), "100%s %n");
}

}  // namespace
}  // namespace quorvan

// The permission diagnosis for a serial device: the message for each situation, and the probe
// on real files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>

#include "io/serial/PortAccess.h"

namespace quorvan {
namespace {

PortAccessFacts Denied(const std::string& group, bool groupMayReadWrite, bool listed) {
  PortAccessFacts facts;
  facts.path = "/dev/ttyUSB0";
  facts.exists = true;
  facts.accessible = false;
  facts.groupName = group;
  facts.groupMayReadWrite = groupMayReadWrite;
  facts.listedInGroup = listed;
  return facts;
}

TEST(PortAccessMessage, NothingToSayForAMissingOrUsableDevice) {
  PortAccessFacts missing;
  missing.path = "/dev/ttyUSB9";
  missing.accessible = false;  // a missing device is not a permission problem
  EXPECT_EQ(PortAccessMessage(missing), "");

  PortAccessFacts usable = Denied("dialout", true, false);
  usable.accessible = true;
  EXPECT_EQ(PortAccessMessage(usable), "");
}

TEST(PortAccessMessage, OutsideTheDevicesGroupTellsHowToJoinIt) {
  EXPECT_EQ(PortAccessMessage(Denied("dialout", true, false)),
            "You have no permission to use /dev/ttyUSB0.\n"
            "It may be used by the members of the group \"dialout\". To join it, run\n"
            "  sudo usermod -aG dialout $USER\n"
            "then log out and log in again.");
  // The group is the device's own, whatever its name.
  EXPECT_NE(PortAccessMessage(Denied("uucp", true, false)).find("sudo usermod -aG uucp $USER"),
            std::string::npos);
}

TEST(PortAccessMessage, MemberNotYetInThisSessionIsToldToLogInAgain) {
  const std::string message = PortAccessMessage(Denied("dialout", true, true));
  EXPECT_NE(message.find("Log out and log in again."), std::string::npos) << message;
  EXPECT_EQ(message.find("usermod"), std::string::npos) << message;
}

TEST(PortAccessMessage, GroupWithoutAccessOrNameSendsTheUserToTheAdministrator) {
  for (const PortAccessFacts& facts : {Denied("root", false, false), Denied("", true, false)}) {
    const std::string message = PortAccessMessage(facts);
    EXPECT_EQ(message,
              "You have no permission to use /dev/ttyUSB0.\n"
              "Ask the administrator of this computer for read and write access to it.");
  }
}

TEST(ProbePortAccess, MissingPathDoesNotExist) {
  QTemporaryDir dir;
  const PortAccessFacts facts = ProbePortAccess(dir.filePath("ttyNothing").toStdString());
  EXPECT_FALSE(facts.exists);
  EXPECT_EQ(PortAccessProblem(dir.filePath("ttyNothing").toStdString()), "");
  EXPECT_FALSE(ProbePortAccess("").exists);
}

TEST(ProbePortAccess, ReadsTheModeBitsAndTheOwningGroup) {
  QTemporaryDir dir;
  const QString path = dir.filePath("ttyFake");
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  const std::string name = path.toStdString();

  ASSERT_EQ(chmod(name.c_str(), 0660), 0);
  PortAccessFacts facts = ProbePortAccess(name);
  EXPECT_TRUE(facts.exists);
  EXPECT_TRUE(facts.accessible);  // our own file
  EXPECT_TRUE(facts.groupMayReadWrite);
  EXPECT_FALSE(facts.groupName.empty());  // the file's group is ours, which has a name
  EXPECT_EQ(PortAccessProblem(name), "");

  ASSERT_EQ(chmod(name.c_str(), 0600), 0);
  EXPECT_FALSE(ProbePortAccess(name).groupMayReadWrite);

  ASSERT_EQ(chmod(name.c_str(), 0000), 0);
  facts = ProbePortAccess(name);
  // The superuser passes every access check; anyone else is refused a file without permissions.
  EXPECT_EQ(facts.accessible, geteuid() == 0);
  EXPECT_EQ(PortAccessProblem(name).empty(), geteuid() == 0);
}

}  // namespace
}  // namespace quorvan

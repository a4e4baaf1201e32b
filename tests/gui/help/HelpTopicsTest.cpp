// "Help Topics": where the user guide is looked for.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "gui/help/HelpTopics.h"
#include "support/ScriptedServices.h"

namespace quorvan {
namespace {

void Touch(const QString& path) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("# guide\n");
}

TEST(UserGuideCandidates, InstalledCopyBesideTheProgramComesFirst) {
  const QStringList candidates = UserGuideCandidates(QStringLiteral("/opt/quorvan/bin"));
  ASSERT_GE(candidates.size(), 2);
  EXPECT_EQ(candidates.at(0), QStringLiteral("/opt/quorvan/share/doc/quorvan/user-guide.html"));
  EXPECT_EQ(candidates.at(1), QStringLiteral("/opt/quorvan/share/doc/quorvan/user-guide.md"));
}

TEST(UserGuideCandidates, ProgramInABuildTreeFindsTheGuideOfItsSources) {
  // Nothing is installed beside a test program; the guide comes from the sources.
  const QString found = FindUserGuide(UserGuideCandidates(QDir::tempPath() + "/no-such/bin"));
  EXPECT_TRUE(found.endsWith(QStringLiteral("docs/user-guide.md"))) << found.toStdString();
}

TEST(FindUserGuide, TakesTheFirstExistingFileAndSkipsFolders) {
  QTemporaryDir dir;
  const QString html = dir.filePath("doc/user-guide.html");
  const QString md = dir.filePath("doc/user-guide.md");
  QDir().mkpath(html);  // a folder under the guide's name is no guide
  Touch(md);
  EXPECT_EQ(FindUserGuide({dir.filePath("missing.md"), html, md}),
            QFileInfo(md).absoluteFilePath());
  EXPECT_EQ(FindUserGuide({dir.filePath("missing.md")}), QString());
  EXPECT_EQ(FindUserGuide({}), QString());
}

}  // namespace
}  // namespace quorvan

// MessageText turns a catalogue text, or a sentence made from a catalogue pattern, into the
// window's language, and leaves what follows as detail untouched.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>
#include <map>

#include "core/messages/MessagePatterns.h"
#include "core/messages/Messages.h"
#include "gui/common/MessageService.h"
#include "io/serial/PortAccess.h"

namespace quorvan {
namespace {

// A translation of a few catalogue texts, as a .qm file would give them.
class FakeTranslator : public QTranslator {
 public:
  explicit FakeTranslator(std::map<std::string, QString> texts) : texts_(std::move(texts)) {}
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char* = nullptr,
                    int = -1) const override {
    if (std::string_view(context) != kMessagesContext) return {};
    const auto found = texts_.find(source);
    return found == texts_.end() ? QString() : found->second;
  }

 private:
  std::map<std::string, QString> texts_;
};

TEST(MessageTextTest, TranslatesTextsAndPatternsAndKeepsDetails) {
  FakeTranslator translator({
      {std::string(kFileOpenErrorMessage), QStringLiteral("Dateifehler.")},
      {std::string(kComPortInvalidMessage), QStringLiteral("Port ungültig.\nBitte prüfen.")},
      {"COM port is invalid.", QStringLiteral("must not be used: the text has two lines")},
      {pattern::kFutureBaseline, QStringLiteral("Zukunft: %2 (%1)")},
      {pattern::kComparedWithFile, QStringLiteral("Verglichen mit %1.")},
      {kDiffersFromDocumentText, QStringLiteral("Anders:")},
      {"d MMM yyyy HH:mm", QStringLiteral("dd.MM.yyyy HH:mm")},
      {pattern::kNoPermissionToUse, QStringLiteral("Kein Zugriff auf %1.")},
      {pattern::kGroupMayUseIt, QStringLiteral("Gruppe %1 darf; beitreten mit")},
      {std::string(kThenLogInAgainAdvice), QStringLiteral("und neu anmelden.")},
  });
  QCoreApplication::installTranslator(&translator);
  struct Case {
    const char* what;
    std::string english;
    QString expected;
  };
  const Case cases[] = {
      {"a whole text", std::string(kFileOpenErrorMessage), QStringLiteral("Dateifehler.")},
      {"a text and its detail", WithDetail(kFileOpenErrorMessage, "line 3: no section"),
       QStringLiteral("Dateifehler.\nline 3: no section")},
      {"a text of two lines is one text", WithDetail(kComPortInvalidMessage, "/dev/ttyUSB0"),
       QStringLiteral("Port ungültig.\nBitte prüfen.\n/dev/ttyUSB0")},
      {"values change places", FutureBaselineText("/b/x.qvx", "D"),
       QStringLiteral("Zukunft: /b/x.qvx (D)")},
      {"a time in the language's form", FutureBaselineText("/b/x.qvx", "9 Dec 2026 07:05"),
       QStringLiteral("Zukunft: /b/x.qvx (09.12.2026 07:05)")},
      {"no such day", FutureBaselineText("/b/x.qvx", "31 Feb 2026 07:05"),
       QStringLiteral("Zukunft: /b/x.qvx (31 Feb 2026 07:05)")},
      {"advice line by line, the command as it is",
       std::string(kComPortInvalidMessage) + "\n" +
           PortAccessMessage({"/dev/ttyUSB0", true, false, "dialout", true, false}),
       QStringLiteral("Port ungültig.\nBitte prüfen.\nKein Zugriff auf /dev/ttyUSB0.\nGruppe "
                      "dialout darf; beitreten mit\n  sudo usermod -aG dialout $USER\nund neu "
                      "anmelden.")},
      {"a value that looks like a place", ComparedWithFileText("a%1b.qvx"),
       QStringLiteral("Verglichen mit a%1b.qvx.")},
      {"texts of the catalogue after a detail",
       std::string(kDiffersFromDocumentText) + "\nmemory 012\n" + ComparedWithFileText("f"),
       QStringLiteral("Anders:\nmemory 012\nVerglichen mit f.")},
      {"a pattern without a translation stays English", NothingChangedText("D"),
       QString::fromStdString(NothingChangedText("D"))},
      {"not of the catalogue", "memory 012: frequency", QStringLiteral("memory 012: frequency")},
      {"nothing", "", QString()},
  };
  for (const Case& c : cases) EXPECT_EQ(MessageText(c.english), c.expected) << c.what;
  QCoreApplication::removeTranslator(&translator);
  EXPECT_EQ(MessageText(kFileOpenErrorMessage), QStringLiteral("File Open error."));
}

}  // namespace
}  // namespace quorvan

#include "gui/common/MessageService.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <optional>
#include <vector>

#include "core/messages/MessagePatterns.h"
#include "core/messages/Messages.h"

namespace quorvan {

namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A catalogue pattern as an expression that takes a sentence made from it apart, with the
// numbers of its values in the order they stand.
struct PatternMatcher {
  const char* pattern;
  QRegularExpression expression;
  QList<int> numbers;
};

const std::vector<PatternMatcher>& PatternMatchers() {
  static const std::vector<PatternMatcher> matchers = [] {
    std::vector<PatternMatcher> list;
    static const QRegularExpression placeholder(QStringLiteral("%([1-9])"));
    for (const char* pattern : kMessagePatterns) {
      const QString text = QString::fromUtf8(pattern);
      QString expression = QStringLiteral("^");
      QList<int> numbers;
      qsizetype from = 0;
      for (auto it = placeholder.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        expression += QRegularExpression::escape(text.mid(from, match.capturedStart() - from));
        expression += QStringLiteral("(.*)");
        numbers << match.captured(1).toInt();
        from = match.capturedEnd();
      }
      expression += QRegularExpression::escape(text.mid(from)) + QStringLiteral("$");
      list.push_back({pattern, QRegularExpression(expression), numbers});
    }
    return list;
  }();
  return matchers;
}

// A time as the core puts it into a sentence ("10 Dec 2026 07:11", a backup's or a transfer's),
// in the form the window's language writes it; any other value stays as it is.
QString LocalisedValue(const QString& value) {
  static const QRegularExpression time(QStringLiteral(
      "^(\\d{1,2}) (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) (\\d{4}) (\\d{2}):(\\d{2})$"));
  const QRegularExpressionMatch match = time.match(value);
  if (!match.hasMatch()) return value;
  static const QStringList months{
      QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"), QStringLiteral("Apr"),
      QStringLiteral("May"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
      QStringLiteral("Sep"), QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")};
  const QDate date(match.captured(3).toInt(),
                   static_cast<int>(months.indexOf(match.captured(2))) + 1,
                   match.captured(1).toInt());
  const QTime clock(match.captured(4).toInt(), match.captured(5).toInt());
  if (!date.isValid() || !clock.isValid()) return value;
  const QString format = QCoreApplication::translate(
      "Messages", "d MMM yyyy HH:mm",
      "the form of a time in a message: d day, MM month, yyyy year, HH:mm hours and minutes");
  return QLocale::c().toString(QDateTime(date, clock), format);
}

// One block of lines of the catalogue, or a sentence made from one of its patterns, in the
// window's language; nothing when it is neither (or has no translation).
std::optional<QString> TranslatedBlock(const QString& text) {
  const QByteArray source = text.toUtf8();
  const QString whole = QCoreApplication::translate(kMessagesContext, source.constData());
  if (whole != text) return whole;
  for (const PatternMatcher& matcher : PatternMatchers()) {
    const QRegularExpressionMatch match = matcher.expression.match(text);
    if (!match.hasMatch()) continue;
    QString translated = QCoreApplication::translate(kMessagesContext, matcher.pattern);
    if (translated == QString::fromUtf8(matcher.pattern)) return std::nullopt;
    // Every value goes in at once, so a value that holds "%2" is not taken for a place.
    QString filled;
    for (qsizetype i = 0; i < translated.size(); ++i) {
      if (translated[i] == QLatin1Char('%') && i + 1 < translated.size()) {
        const int number = translated[i + 1].digitValue();
        const qsizetype index = matcher.numbers.indexOf(number);
        if (number > 0 && index >= 0) {
          filled += LocalisedValue(match.captured(static_cast<int>(index) + 1));
          ++i;
          continue;
        }
      }
      filled += translated[i];
    }
    return filled;
  }
  return std::nullopt;
}

}  // namespace

QString TranslatedMessage(const QString& english) {
  if (QCoreApplication::instance() == nullptr) return english;
  // The longest first block of lines the catalogue knows is translated; what follows it (a
  // detail, or further texts of the catalogue) is looked at the same way. No text of the
  // catalogue is longer than three lines, so a long report costs little.
  constexpr qsizetype kLongestText = 3;
  QList<qsizetype> ends;
  for (qsizetype at = english.indexOf(QLatin1Char('\n')); at >= 0 && ends.size() < kLongestText;
       at = english.indexOf(QLatin1Char('\n'), at + 1)) {
    ends << at;
  }
  if (ends.size() < kLongestText) ends << english.size();
  for (auto end = ends.crbegin(); end != ends.crend(); ++end) {
    if (std::optional<QString> head = TranslatedBlock(english.left(*end))) {
      if (*end == english.size()) return *head;
      return *head + QLatin1Char('\n') + TranslatedMessage(english.mid(*end + 1));
    }
  }
  // The first line is no text of the catalogue: it stays, and the rest is looked at.
  if (ends.front() == english.size()) return english;
  return english.left(ends.front() + 1) + TranslatedMessage(english.mid(ends.front() + 1));
}

QString MessageText(std::string_view text) { return TranslatedMessage(FromUtf8(text)); }

std::string CatalogueText(const char* text) {
  if (QCoreApplication::instance() == nullptr) return text;
  return QCoreApplication::translate(kMessagesContext, text).toStdString();
}

QString FileOpenErrorMessage(const std::string& reason) {
  return MessageText(WithDetail(kFileOpenErrorMessage, reason));
}

namespace {

const QString kTitle = QStringLiteral("Quorvan");

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Error:
      return QMessageBox::Critical;
    case MessageIcon::Question:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButton Show(QWidget* parent, MessageIcon icon, const QString& text,
                                 QMessageBox::StandardButtons buttons,
                                 QMessageBox::StandardButton defaultButton) {
  QMessageBox box(BoxIcon(icon), kTitle, text, buttons, parent);
  box.setDefaultButton(defaultButton);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void BoxMessageService::Information(const QString& text) {
  Show(parent_, MessageIcon::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void BoxMessageService::Warning(const QString& text) {
  Show(parent_, MessageIcon::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

void BoxMessageService::Error(const QString& text) {
  Show(parent_, MessageIcon::Error, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool BoxMessageService::AskYesNo(const QString& text, MessageIcon icon) {
  return Show(parent_, icon, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
         QMessageBox::Yes;
}

Answer BoxMessageService::AskYesNoCancel(const QString& text, MessageIcon icon) {
  switch (Show(parent_, icon, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
               QMessageBox::Yes)) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::Cancel;  // Escape and the close box count as Cancel
  }
}

Answer BoxMessageService::AskThreeWay(const QString& text, const QStringList& buttons,
                                      MessageIcon icon) {
  if (buttons.size() != 3) return AskYesNoCancel(text, icon);
  QMessageBox box(BoxIcon(icon), kTitle, text, QMessageBox::NoButton, parent_);
  QPushButton* yes = box.addButton(buttons.at(0), QMessageBox::YesRole);
  QPushButton* no = box.addButton(buttons.at(1), QMessageBox::NoRole);
  QPushButton* cancel = box.addButton(buttons.at(2), QMessageBox::RejectRole);
  box.setDefaultButton(yes);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == yes) return Answer::Yes;
  if (box.clickedButton() == no) return Answer::No;
  return Answer::Cancel;
}

}  // namespace quorvan

#pragma once

#include <QList>
#include <QStringList>
#include <QTextBlock>
#include <QUrl>
#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

namespace quorvan {

class SettingsStore;

using UrlOpener = std::function<bool(const QUrl&)>;

// "Quorvan Help": the user guide rendered in a window of its own beside the main window, with
// its headings as a contents list, a find field, links between sections and pictures. Links out
// of the guide go to `openExternal` (the desktop's browser). Its size is kept in the settings.
class THelpForm : public QWidget {
  Q_OBJECT

 public:
  THelpForm(SettingsStore& settings, UrlOpener openExternal, QWidget* parent = nullptr);

  // Renders the guide (Markdown, or HTML for a .html file); its pictures are looked up beside
  // it. False when the file cannot be read or is too large to be a guide.
  bool LoadGuide(const QString& path);
  const QString& GuidePath() const { return guidePath_; }

  // Selects the next (or previous) match from the current one on, wrapping around at the end;
  // false, with a note beside the field, when the text is nowhere in the guide.
  bool FindNext(const QString& text, bool backward = false);
  // Shows the heading a link "#anchor" names at the top; false for an unknown anchor.
  bool ScrollToAnchor(const QString& anchor);
  // The anchors of the headings in document order.
  const QStringList& Anchors() const { return anchors_; }

  QTextBrowser* Browser() const { return browser_; }
  QTreeWidget* Contents() const { return contents_; }
  QLineEdit* FindField() const { return findField_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildContents();
  void ShowHeading(int index);
  void OnLinkClicked(const QUrl& url);

  SettingsStore& settings_;
  UrlOpener openExternal_;
  QString guidePath_;
  QTextBrowser* browser_ = nullptr;
  QTreeWidget* contents_ = nullptr;
  QLineEdit* findField_ = nullptr;
  QLabel* findNote_ = nullptr;
  QList<QTextBlock> headings_;
  QList<QTreeWidgetItem*> headingItems_;
  QStringList anchors_;
};

}  // namespace quorvan

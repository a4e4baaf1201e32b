#include "gui/help/THelpForm.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "core/model/WindowSizeSetting.h"
#include "core/rules/GuideAnchors.h"
#include "gui/common/AccessibleNames.h"

namespace quorvan {

namespace {

// The guide is a few hundred kilobytes; a file far larger is not it.
constexpr qint64 kMaxGuideBytes = 8 * 1024 * 1024;
constexpr QSize kDefaultSize(900, 680);

}  // namespace

THelpForm::THelpForm(SettingsStore& settings, UrlOpener openExternal, QWidget* parent)
    : QWidget(parent, Qt::Window), settings_(settings), openExternal_(std::move(openExternal)) {
  setObjectName(QStringLiteral("HelpForm"));
  setWindowTitle(tr("Quorvan Help"));

  auto* findLabel = new QLabel(tr("&Find:"));
  findField_ = new QLineEdit;
  findField_->setObjectName(QStringLiteral("FindField"));
  findField_->setClearButtonEnabled(true);
  findLabel->setBuddy(findField_);
  auto* next = new QPushButton(tr("&Next"));
  auto* previous = new QPushButton(tr("&Previous"));
  findNote_ = new QLabel;
  findNote_->setObjectName(QStringLiteral("FindNote"));
  auto* findRow = new QHBoxLayout;
  findRow->addWidget(findLabel);
  findRow->addWidget(findField_, 1);
  findRow->addWidget(next);
  findRow->addWidget(previous);
  findRow->addWidget(findNote_, 1);

  contents_ = new QTreeWidget;
  contents_->setObjectName(QStringLiteral("Contents"));
  contents_->setHeaderHidden(true);
  browser_ = new QTextBrowser;
  browser_->setObjectName(QStringLiteral("GuideView"));
  browser_->setOpenLinks(false);  // OnLinkClicked decides where a link goes
  auto* splitter = new QSplitter;
  splitter->addWidget(contents_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 3);
  splitter->setSizes({240, 660});

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(findRow);
  layout->addWidget(splitter, 1);

  const auto find = [this](bool backward) { FindNext(findField_->text(), backward); };
  connect(findField_, &QLineEdit::returnPressed, this, [find] { find(false); });
  connect(next, &QPushButton::clicked, this, [find] { find(false); });
  connect(previous, &QPushButton::clicked, this, [find] { find(true); });
  auto* findAgain = new QShortcut(QKeySequence::FindNext, this);
  connect(findAgain, &QShortcut::activated, this, [find] { find(false); });
  auto* findBack = new QShortcut(QKeySequence::FindPrevious, this);
  connect(findBack, &QShortcut::activated, this, [find] { find(true); });
  auto* findKey = new QShortcut(QKeySequence::Find, this);
  connect(findKey, &QShortcut::activated, this, [this] {
    findField_->setFocus();
    findField_->selectAll();
  });
  // A window of its own, yet read and left like a dialog.
  auto* closeKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(closeKey, &QShortcut::activated, this, &QWidget::close);
  NameControl(contents_, tr("Contents"));
  NameControl(browser_, tr("Guide"));
  NameControl(next, tr("Find next"));
  NameControl(previous, tr("Find previous"));
  connect(contents_, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item) { ShowHeading(headingItems_.indexOf(item)); });
  connect(contents_, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item) { ShowHeading(headingItems_.indexOf(item)); });
  connect(browser_, &QTextBrowser::anchorClicked, this, &THelpForm::OnLinkClicked);

  QSize size = kDefaultSize;
  if (const auto stored = LoadWindowSize(settings_, kHelpWindowSizeSetting)) {
    size = QSize(stored->width, stored->height);
  }
  if (const QScreen* shown = screen()) size = size.boundedTo(shown->availableGeometry().size());
  resize(size);
}

bool THelpForm::LoadGuide(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxGuideBytes) return false;
  const QByteArray bytes = file.read(kMaxGuideBytes + 1);
  if (bytes.size() > kMaxGuideBytes || file.error() != QFileDevice::NoError) return false;
  const QFileInfo info(path);
  guidePath_ = info.absoluteFilePath();
  browser_->setSearchPaths({info.absolutePath()});
  const QString text = QString::fromUtf8(bytes);
  if (info.suffix().compare(QStringLiteral("html"), Qt::CaseInsensitive) == 0) {
    browser_->setHtml(text);
  } else {
    browser_->setMarkdown(text);
  }
  findNote_->clear();
  BuildContents();
  return true;
}

void THelpForm::BuildContents() {
  contents_->clear();
  headings_.clear();
  headingItems_.clear();
  std::vector<std::string> texts;
  // The last item of each level above the heading being placed: its parent is the nearest.
  QList<QPair<int, QTreeWidgetItem*>> open;
  for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next()) {
    const int level = block.blockFormat().headingLevel();
    if (level <= 0) continue;
    while (!open.isEmpty() && open.last().first >= level) open.removeLast();
    auto* item =
        open.isEmpty() ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(open.last().second);
    item->setText(0, block.text());
    open.append({level, item});
    headings_ << block;
    headingItems_ << item;
    texts.push_back(block.text().toStdString());
  }
  anchors_.clear();
  for (const std::string& anchor : HeadingAnchors(texts)) {
    anchors_ << QString::fromStdString(anchor);
  }
  contents_->expandAll();
}

void THelpForm::ShowHeading(int index) {
  if (index < 0 || index >= headings_.size()) return;
  const QTextBlock& block = headings_.at(index);
  browser_->setTextCursor(QTextCursor(block));
  const QRectF place = browser_->document()->documentLayout()->blockBoundingRect(block);
  browser_->verticalScrollBar()->setValue(qRound(place.top()));
  const QSignalBlocker quiet(contents_);
  contents_->setCurrentItem(headingItems_.at(index));
}

bool THelpForm::ScrollToAnchor(const QString& anchor) {
  const int index = anchors_.indexOf(anchor);
  if (index < 0) return false;
  ShowHeading(index);
  return true;
}

bool THelpForm::FindNext(const QString& text, bool backward) {
  findNote_->clear();
  if (text.isEmpty()) return false;
  const QTextDocument::FindFlags flags =
      backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
  if (browser_->find(text, flags)) return true;
  // From the other end of the guide once; where the search started stays when nothing is found.
  const QTextCursor from = browser_->textCursor();
  QTextCursor wrapped(browser_->document());
  if (backward) wrapped.movePosition(QTextCursor::End);
  browser_->setTextCursor(wrapped);
  if (browser_->find(text, flags)) return true;
  browser_->setTextCursor(from);
  findNote_->setText(tr("Not found: \"%1\"").arg(text));
  return false;
}

void THelpForm::OnLinkClicked(const QUrl& url) {
  QUrl target = url;
  if (url.isRelative()) {
    const QUrl guide = QUrl::fromLocalFile(guidePath_);
    target = guide.resolved(url);
    // A section of this guide: "#anchor" or "user-guide.md#anchor".
    if (target.adjusted(QUrl::RemoveFragment) == guide) {
      if (!ScrollToAnchor(url.fragment())) {
        findNote_->setText(tr("No section \"%1\" in the guide").arg(url.fragment()));
      }
      return;
    }
  }
  if (!openExternal_ || !openExternal_(target)) {
    findNote_->setText(tr("Cannot open %1").arg(target.toDisplayString()));
  }
}

void THelpForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (isVisible()) SaveWindowSize(settings_, kHelpWindowSizeSetting, {width(), height()});
}

}  // namespace quorvan

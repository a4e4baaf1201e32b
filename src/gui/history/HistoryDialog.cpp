#include "gui/history/HistoryDialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/files/BackupPins.h"
#include "core/messages/Messages.h"
#include "core/rules/DocumentComparison.h"
#include "gui/common/AccessibleNames.h"
#include "gui/common/MessageService.h"
#include "gui/history/HistoryTexts.h"

namespace quorvan {

namespace {

enum Column { kNumber, kTime, kKind, kPinned, kChanges, kFile, kColumns };

// The list holds at most a few hundred backups (the retention's limit for each kind).
constexpr int kVisibleRows = 14;

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

HistoryDialog::HistoryDialog(HistoryServices services, QWidget* parent)
    : QDialog(parent), services_(std::move(services)) {
  setObjectName(QStringLiteral("HistoryDialog"));
  setWindowTitle(tr("History"));
  auto* layout = new QVBoxLayout(this);
  radio_ = new QLabel(this);
  layout->addWidget(radio_);

  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("HistoryList"));
  list_->setColumnCount(kColumns);
  list_->setHeaderLabels(
      {tr("No."), tr("Time"), tr("Kind"), tr("Pinned"), tr("Changes"), tr("File")});
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setAllColumnsShowFocus(true);
  list_->header()->setStretchLastSection(true);
  list_->setMinimumHeight(list_->fontMetrics().height() * kVisibleRows);
  radio_->setBuddy(list_);
  NameControl(list_, tr("Backups"), tr("The radio's backups, newest first"));
  layout->addWidget(list_, 3);

  auto* detailLabel = new QLabel(tr("&Differences:"), this);
  detail_ = new QPlainTextEdit(this);
  detail_->setObjectName(QStringLiteral("HistoryDetail"));
  detail_->setReadOnly(true);
  detail_->setLineWrapMode(QPlainTextEdit::NoWrap);
  LabelControl(detailLabel, detail_);
  detail_->setTabChangesFocus(true);
  layout->addWidget(detailLabel);
  layout->addWidget(detail_, 2);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  open_ = buttons->addButton(tr("&Open"), QDialogButtonBox::ActionRole);
  restore_ = buttons->addButton(tr("&Restore to Radio"), QDialogButtonBox::ActionRole);
  pin_ = buttons->addButton(tr("&Pin"), QDialogButtonBox::ActionRole);
  open_->setObjectName(QStringLiteral("HistoryOpen"));
  restore_->setObjectName(QStringLiteral("HistoryRestore"));
  pin_->setObjectName(QStringLiteral("HistoryPin"));
  for (QPushButton* button : {open_, restore_, pin_}) button->setAutoDefault(false);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(open_, &QPushButton::clicked, this, &HistoryDialog::OpenState);
  connect(restore_, &QPushButton::clicked, this, &HistoryDialog::RestoreState);
  connect(pin_, &QPushButton::clicked, this, &HistoryDialog::TogglePin);
  connect(list_, &QTreeWidget::itemSelectionChanged, this, &HistoryDialog::FollowSelection);
  connect(list_, &QTreeWidget::itemActivated, this, &HistoryDialog::OpenState);

  Reload();
  resize(sizeHint().width() * 2, sizeHint().height());
  list_->setFocus(Qt::OtherFocusReason);
}

void HistoryDialog::Reload() {
  const QString radio = QString::fromStdString(services_.plan.model + " " + services_.plan.type);
  entries_ = services_.folder.isEmpty()
                 ? std::vector<HistoryEntry>()
                 : LoadRadioHistory(LocalPath(services_.folder), services_.plan);
  radio_->setText(entries_.empty() ? tr("No state of the radio %1 is kept yet.").arg(radio)
                                   : tr("&States of the radio %1, newest first:").arg(radio));
  const QSignalBlocker quiet(list_);
  list_->clear();
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const HistoryEntry& entry = entries_[i];
    auto* item = new QTreeWidgetItem(list_);
    item->setText(kNumber, QString::number(i + 1));
    item->setTextAlignment(kNumber, Qt::AlignRight | Qt::AlignVCenter);
    item->setText(kTime, HistoryTimeCaption(entry.name.when));
    item->setText(kKind, HistoryKindCaption(entry.name.kind));
    item->setText(kPinned, entry.pinned ? tr("Pinned") : QString());
    item->setText(kChanges, HistoryChangesCaption(entry));
    item->setText(kFile, QString::fromStdString(entry.name.fileName));
    if (entry.damaged) item->setToolTip(kChanges, Text(entry.problem));
  }
  for (int column = 0; column < kFile; ++column) list_->resizeColumnToContents(column);
  if (!entries_.empty()) list_->setCurrentItem(list_->topLevelItem(0));
  FollowSelection();
}

void HistoryDialog::SelectNumbers(const std::vector<int>& numbers) {
  list_->clearSelection();
  for (const int number : numbers) {
    if (QTreeWidgetItem* item = list_->topLevelItem(number - 1)) item->setSelected(true);
  }
}

QString HistoryDialog::DetailText() const { return detail_->toPlainText(); }

std::vector<const HistoryEntry*> HistoryDialog::Selected() const {
  std::vector<const HistoryEntry*> selected;
  for (int row = 0; row < list_->topLevelItemCount(); ++row) {
    if (list_->topLevelItem(row)->isSelected()) {
      selected.push_back(&entries_[static_cast<std::size_t>(row)]);
    }
  }
  return selected;
}

void HistoryDialog::FollowSelection() {
  const std::vector<const HistoryEntry*> selected = Selected();
  const bool one = selected.size() == 1;
  const bool usable = one && !selected.front()->damaged;
  open_->setEnabled(usable && services_.open);
  restore_->setEnabled(usable && services_.restore);
  pin_->setEnabled(one);
  pin_->setText(one && selected.front()->pinned ? tr("Un&pin") : tr("&Pin"));
  if (selected.size() == 2) {
    // Older first, as the lines read: what it was, then what it became.
    ShowDifferences(*selected[1], *selected[0]);
  } else if (one && selected.front()->damaged) {
    detail_->setPlainText(
        MessageText(WithDetail(kDamagedBackupMessage, selected.front()->problem)));
  } else {
    detail_->setPlainText(tr("Select two entries to see what differs between them."));
  }
}

void HistoryDialog::ShowDifferences(const HistoryEntry& first, const HistoryEntry& second) {
  const auto number = [this](const HistoryEntry& entry) {
    return static_cast<int>(&entry - entries_.data()) + 1;
  };
  RadioImage older;
  RadioImage newer;
  std::string problem;
  if (!OpenHistoryEntry(first, services_.plan, older, &problem) ||
      !OpenHistoryEntry(second, services_.plan, newer, &problem)) {
    detail_->setPlainText(MessageText(WithDetail(kDamagedBackupMessage, problem)));
    return;
  }
  const ItemSet items = CommonItems(first.name.kind, second.name.kind);
  if (items.Empty()) {
    detail_->setPlainText(MessageText(kNothingInCommonText));
    return;
  }
  const std::vector<FieldDifference> differences = CompareRadioItems(older, newer, items);
  detail_->setPlainText(
      differences.empty()
          ? tr("Entries %1 and %2 hold the same.").arg(number(first)).arg(number(second))
          : QString::fromStdString(DescribeDifferences(
                differences, HistoryEntrySide(number(first)).toStdString(),
                HistoryEntrySide(number(second)).toStdString(), CatalogueText)));
}

std::optional<RadioImage> HistoryDialog::OpenSelected() {
  const std::vector<const HistoryEntry*> selected = Selected();
  if (selected.size() != 1) return std::nullopt;
  RadioImage state;
  std::string problem;
  if (OpenHistoryEntry(*selected.front(), services_.plan, state, &problem)) return state;
  services_.messages->Error(MessageText(WithDetail(kDamagedBackupMessage, problem)));
  return std::nullopt;
}

void HistoryDialog::OpenState() {
  if (!services_.open) return;
  std::optional<RadioImage> state = OpenSelected();
  if (state && services_.open(std::move(*state))) accept();
}

void HistoryDialog::RestoreState() {
  if (!services_.restore) return;
  const std::optional<RadioImage> state = OpenSelected();
  if (!state) return;
  services_.restore(*state, *Selected().front());
  // A restore keeps what it found and what it wrote: both are entries now.
  Reload();
}

void HistoryDialog::TogglePin() {
  const std::vector<const HistoryEntry*> selected = Selected();
  if (selected.size() != 1) return;
  const std::string name = selected.front()->name.fileName;
  const int row = static_cast<int>(selected.front() - entries_.data());
  std::string error;
  if (!SetPinned(LocalPath(services_.folder), name, !selected.front()->pinned, &error)) {
    services_.messages->Warning(MessageText(WithDetail(kPinNotChangedMessage, error)));
  }
  Reload();
  SelectNumbers({row + 1});
}

}  // namespace quorvan

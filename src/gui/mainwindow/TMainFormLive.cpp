// The main window's part of live mode: the command, the bar of a pause, the status text and
// what each grid row shows of its item's way to the radio.
#include <QAction>
#include <QBrush>
#include <QColor>
#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>
#include <optional>

#include "core/rules/EditStepNames.h"
#include "core/rules/GridTexts.h"
#include "gui/common/PaletteTint.h"
#include "gui/common/StatusAnnouncer.h"
#include "gui/live/LiveBanner.h"
#include "gui/live/LiveMode.h"
#include "gui/mainwindow/GridModel.h"
#include "gui/mainwindow/TMainForm.h"

namespace quorvan {

namespace {

// Of the states of a row's items, the one to show: a failure before anything on its way,
// before anything waiting, before confirmed.
int Weight(std::optional<LiveItemState> state) {
  if (!state) return 0;
  switch (*state) {
    case LiveItemState::Confirmed:
      return 1;
    case LiveItemState::Pending:
      return 2;
    case LiveItemState::Sent:
      return 3;
    case LiveItemState::Failed:
      return 4;
  }
  return 0;
}

// How much of its hue a marked row's background takes over the grid's base.
constexpr double kLiveMarkShare = 0.3;

QColor LiveMarkHue(LiveItemState state) {
  switch (state) {
    case LiveItemState::Pending:
      return {255, 193, 7};
    case LiveItemState::Sent:
      return {33, 150, 243};
    case LiveItemState::Confirmed:
      return {76, 175, 80};
    case LiveItemState::Failed:
      return {229, 57, 53};
  }
  return {};
}

// What a screen reader says after the row, for those who do not see its colour.
QString LiveMarkWord(LiveItemState state) {
  switch (state) {
    case LiveItemState::Pending:
      return TMainForm::tr("waiting");
    case LiveItemState::Sent:
      return TMainForm::tr("sent");
    case LiveItemState::Confirmed:
      return TMainForm::tr("confirmed");
    case LiveItemState::Failed:
      return TMainForm::tr("failed");
  }
  return {};
}

QString LiveMarkToolTip(LiveItemState state) {
  switch (state) {
    case LiveItemState::Pending:
      return TMainForm::tr("Waiting to be sent to the radio");
    case LiveItemState::Sent:
      return TMainForm::tr("Sent to the radio, being read back");
    case LiveItemState::Confirmed:
      return TMainForm::tr("Confirmed: the radio holds this row");
    case LiveItemState::Failed:
      return TMainForm::tr("Not confirmed: the radio may not hold this row");
  }
  return {};
}

ItemKind KindOfGrid(Grid grid) {
  switch (grid) {
    case Grid::Vfo:
      return ItemKind::Vfo;
    case Grid::Call:
      return ItemKind::Call;
    case Grid::Dtmf:
      return ItemKind::Dtmf;
    default:
      return ItemKind::Memory;
  }
}

}  // namespace

void TMainForm::WireLiveMode() {
  live_ = std::make_unique<LiveMode>(document_, *signals_, *services_.messages, services_.liveLine,
                                     services_.backupFolder);
  liveBanner_ = new LiveBanner(centralWidget());
  if (auto* layout = qobject_cast<QVBoxLayout*>(centralWidget()->layout())) {
    layout->insertWidget(0, liveBanner_);
  }
  liveStatus_ = new QLabel(statusBar());
  liveStatus_->setObjectName(QStringLiteral("LiveStatus"));
  statusBar()->addPermanentWidget(liveStatus_);
  liveStatus_->hide();
  lifecycle_->SetLeaveGuard([this] { return EndLiveMode(); });

  connect(live_.get(), &LiveMode::ItemsChanged, this, &TMainForm::ShowLiveItems);
  connect(live_.get(), &LiveMode::StatusChanged, this, &TMainForm::ShowLiveStatus);
  connect(live_.get(), &LiveMode::ActiveChanged, this, [this](bool on) {
    Action(MainCommand::RadioLiveMode)->setChecked(on);
    ShowLiveStatus();
  });
  connect(liveBanner_, &LiveBanner::ResumeClicked, live_.get(), &LiveMode::Resume);
  connect(liveBanner_, &LiveBanner::LeaveClicked, this, [this] { EndLiveMode(); });
  for (const Grid grid : kGrids) {
    models_[GridIndex(grid)]->SetRowMark(
        [this, grid](int row, int role) { return LiveRowMark(grid, row, role); });
  }
}

void TMainForm::ToggleLiveMode() {
  if (live_->Active()) {
    live_->Leave();
  } else {
    live_->Start(CommPort(), [this] {
      ReadFromRadio(TransferScope::All);
      return true;  // whether the radio is now known, the baseline tells
    });
  }
  Action(MainCommand::RadioLiveMode)->setChecked(live_->Active());
}

bool TMainForm::EndLiveMode() { return live_->Leave(); }

void TMainForm::ShowLiveItems(const std::vector<ItemRef>& items) {
  for (const ItemRef item : items) {
    const GridRow row = RowOfItem(Image().Plan(), item);
    if (row.grid != Grid::None) models_[GridIndex(row.grid)]->RefreshRows(row.row, row.row);
  }
}

void TMainForm::ShowLiveStatus() {
  const QString status = live_->StatusText();
  const QString paused = live_->Paused() ? live_->PausedText() : QString();
  // The status panel and the bar are no message of the status bar's own: said when they change,
  // the bar last since it says what to do.
  if (status != liveStatus_->text()) announcer_->Announce(status);
  if (paused != liveBanner_->Text()) announcer_->Announce(paused);
  liveStatus_->setText(status);
  liveStatus_->setVisible(live_->Active());
  liveBanner_->ShowText(paused);
}

QVariant TMainForm::LiveRowMark(Grid grid, int row, int role) const {
  if (!live_ || !live_->Active()) return {};
  const int slot = RowToSlot(Image().Plan(), grid, row);
  if (slot < 0) return {};
  std::optional<LiveItemState> state = live_->StateOf({KindOfGrid(grid), slot});
  // A VFO's row shows its programmable range too.
  if (grid == Grid::Vfo && slot < kProgramVfoSlots) {
    const std::optional<LiveItemState> range = live_->StateOf({ItemKind::ProgramVfo, slot});
    if (Weight(range) > Weight(state)) state = range;
  }
  if (!state) return {};
  switch (role) {
    case Qt::ToolTipRole:
      return LiveMarkToolTip(*state);
    case Qt::AccessibleTextRole:
      return LiveMarkWord(*state);
    case Qt::BackgroundRole:
      return QBrush(TintOfBase(palette(), LiveMarkHue(*state), kLiveMarkShare));
    default:
      return {};
  }
}

}  // namespace quorvan

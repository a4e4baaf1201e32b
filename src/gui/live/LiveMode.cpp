#include "gui/live/LiveMode.h"

#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <ctime>

#include "core/files/Baseline.h"
#include "core/files/WriteJournal.h"
#include "core/messages/Messages.h"
#include "gui/common/MessageService.h"
#include "gui/document/DocumentSignals.h"
#include "io/serial/PortAdvice.h"
#include "io/serial/TQuentarComm.h"
#include "io/session/CommByteChannel.h"
#include "io/session/HeldOpenChannel.h"

namespace quorvan {

namespace {

QString Text(const std::string& text) { return MessageText(text); }

std::vector<ItemRef> ItemsOf(const ImageChanges& changes) {
  std::vector<ItemRef> items;
  for (const ItemChange& change : changes.Items()) items.push_back(change.item);
  return items;
}

}  // namespace

LiveMode::LiveMode(const quorvan::Document& document, DocumentSignals& documentSignals,
                   MessageService& messages, ByteChannel* line, QString backupFolder,
                   QObject* parent)
    : QObject(parent),
      document_(document),
      messages_(messages),
      backupFolder_(std::move(backupFolder)) {
  if (!line) {
    comm_ = std::make_unique<TQuentarComm>();
    ownLine_ = std::make_unique<CommByteChannel>(*comm_);
    line = ownLine_.get();
  }
  line_ = std::make_unique<HeldOpenChannel>(*line);
  session_ = std::make_unique<TransferSession>(*line_);
  connect(session_.get(), &TransferSession::finished, this, &LiveMode::OnFinished);
  connect(&documentSignals, &DocumentSignals::Changed, this, &LiveMode::OnDocumentChanged);
}

LiveMode::~LiveMode() {
  // A save under way ends first; its result, not yet delivered, goes with this object.
  JoinWorker();
  // The session goes before the line it drives.
  session_.reset();
  line_.reset();
}

std::string LiveMode::Folder() const { return QFile::encodeName(backupFolder_).toStdString(); }

bool LiveMode::Start(const QString& portName, const std::function<bool()>& readRadio) {
  if (active_) return true;
  if (!line_->CheckPortValid(portName.toStdString())) {
    messages_.Warning(TranslatedMessage(
        WithPortAccessAdvice(QString::fromUtf8(kComPortInvalidMessage.data()), portName)));
    return false;
  }
  line_->Release();  // the check may have opened it; the first step opens it again
  for (bool mayRead = true;; mayRead = false) {
    Baseline found;
    if (!backupFolder_.isEmpty()) {
      found = FindBaseline(Folder(), document_.Image(), std::time(nullptr));
    }
    ItemSet differing;
    QString detail;
    if (found.status == Baseline::Status::Found) {
      const WritePlan plan =
          PlanChanges(document_.Image(), found.image, found.name.kind == BackupKind::Pending,
                      found.replaced ? &*found.replaced : nullptr);
      differing = *plan.changes;
      differing.Add(plan.unsure);
      if (differing.Empty()) {
        Begin(portName);
        return true;
      }
      detail = Text(LiveDiffersText(differing.Count()) + "\n" + ComparedWithText(found));
    } else {
      detail = found.status == Baseline::Status::None ? MessageText(kLiveRadioUnknownText)
                                                      : Text(BaselineRefusalText(found));
    }
    if (!mayRead) return false;  // a read that did not leave the radio known
    const QString question = MessageText(kLiveModeQuestion) + QLatin1Char('\n') + detail;
    const QString write =
        differing.Empty() ? QString() : tr("Write %n Changes First", nullptr, differing.Count());
    Answer answer = Answer::Cancel;
    if (write.isEmpty()) {
      answer = messages_.AskYesNo(question + QStringLiteral("\n") + tr("Read the radio first?"),
                                  MessageIcon::Question)
                   ? Answer::No
                   : Answer::Cancel;
    } else {
      answer = messages_.AskThreeWay(question, {write, tr("Read the Radio First"), tr("Cancel")},
                                     MessageIcon::Question);
    }
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::Yes) {
      Begin(portName);
      queue_.AddStep(differing.Items());
      emit ItemsChanged(differing.Items());
      SendLater();
      return true;
    }
    if (!readRadio || !readRadio()) return false;
  }
}

void LiveMode::Begin(const QString& portName) {
  portName_ = portName;
  known_.reset();
  queue_.Clear();
  pausedText_.clear();
  active_ = true;
  emit ActiveChanged(true);
  emit StatusChanged();
}

bool LiveMode::Leave() {
  if (!active_) return true;
  WaitForQueue();
  if (!queue_.Settled()) {
    const int items = static_cast<int>(queue_.FailedItems().size()) + queue_.UnsentCount();
    if (!messages_.AskYesNo(Text(LiveLeaveQuestion(items)), MessageIcon::Warning)) return false;
  }
  Stop();
  return true;
}

void LiveMode::WaitForQueue() {
  if (!session_->IsRunning() && !closing_ && (queue_.Paused() || queue_.Settled())) return;
  QEventLoop loop;
  const auto check = [this, &loop] {
    if (!session_->IsRunning() && !closing_ && !sendPosted_ &&
        (queue_.Paused() || queue_.Settled())) {
      loop.quit();
    }
  };
  connect(this, &LiveMode::StatusChanged, &loop, check);
  // Every command is bound by the reply timeout, so the wait ends.
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void LiveMode::Stop() {
  std::vector<ItemRef> marked;
  for (const ItemRef item : ItemSet::Records().Items()) {
    if (queue_.StateOf(item)) marked.push_back(item);
  }
  for (const ItemRef item : ItemSet::MenuValues().Items()) {
    if (queue_.StateOf(item)) marked.push_back(item);
  }
  active_ = false;
  queue_.Clear();
  pausedText_.clear();
  line_->Release();
  emit ActiveChanged(false);
  emit ItemsChanged(marked);
  emit StatusChanged();
}

void LiveMode::Resume() {
  if (!active_ || !queue_.Paused()) return;
  // Every item not confirmed goes as one step, which reads what the radio holds first.
  const std::vector<ItemRef> failed = queue_.FailedItems();
  queue_.Resume();
  pausedText_.clear();
  emit ItemsChanged(failed);
  emit StatusChanged();
  SendLater();
}

void LiveMode::OnDocumentChanged(ChangeKind kind, const ImageChanges& changes) {
  if (!active_) return;
  switch (kind) {
    case ChangeKind::Edit:
    case ChangeKind::Undo:
    case ChangeKind::Redo:
      break;
    default:
      // Another document: what the radio holds is no longer what live mode follows.
      Stop();
      return;
  }
  queue_.AddStep(changes);
  std::vector<ItemRef> items = ItemsOf(changes);
  emit ItemsChanged(items);
  emit StatusChanged();
  SendLater();
}

void LiveMode::SendLater() {
  if (sendPosted_) return;
  sendPosted_ = true;
  // After the command that changed the document has returned to the event loop.
  QTimer::singleShot(0, this, [this] {
    sendPosted_ = false;
    SendNext();
  });
}

void LiveMode::SendNext() {
  if (!active_ || session_->IsRunning() || closing_) return;
  step_ = queue_.TakeNext();
  if (step_.Empty()) {
    emit StatusChanged();
    return;
  }
  const unsigned number = ++stepNumber_;
  // The step's items as the document holds them now; a later change waits for a later step.
  sentImage_ = ItemsOnly(document_.Image(), step_);
  bool journal = false;
  if (known_) {
    baseline_ = *known_;
    replaced_.reset();
  } else {
    Baseline found;
    if (!backupFolder_.isEmpty()) {
      found = FindBaseline(Folder(), document_.Image(), std::time(nullptr));
    }
    if (found.status != Baseline::Status::Found) {
      EndStep({}, found.status == Baseline::Status::None ? std::string(kLiveRadioUnknownText)
                                                         : BaselineRefusalText(found));
      return;
    }
    baseline_ = std::move(found.image);
    replaced_ = std::move(found.replaced);
    journal = found.name.kind == BackupKind::Pending;
  }
  plan_ = PlanLiveStep(sentImage_, baseline_, journal, replaced_ ? &*replaced_ : nullptr, step_);
  write_ = std::make_unique<CheckedWriteSequence>(sentImage_, plan_);
  if (plan_.changes->Empty() && plan_.unsure.Empty()) {
    // The radio holds these items so already (an undo back to what it held).
    EndStep(JudgeLiveStep(step_, plan_, *write_, true, {}).confirmed, {});
    return;
  }
  journal_ = std::make_shared<WriteJournal>(Folder());
  // The write waits, sending nothing, until its journal is on disk.
  plan_.beginJournal = [this, number](std::optional<RadioImage> replaced, RadioImage target) {
    auto kept = std::make_shared<bool>(false);
    auto error = std::make_shared<std::string>();
    OffThread(
        [journal = journal_, replaced = std::move(replaced), target = std::move(target), kept,
         error] {
          *kept = journal->Begin(replaced ? &*replaced : nullptr, target, std::time(nullptr),
                                 error.get());
        },
        [this, number, kept, error] {
          if (number != stepNumber_ || !write_) return;
          write_->JournalDone(*kept, *error);
          session_->Resume();
        });
  };
  write_ = std::make_unique<CheckedWriteSequence>(sentImage_, plan_);
  emit ItemsChanged(step_.Items());
  emit StatusChanged();
  session_->Start(*write_, portName_);
}

void LiveMode::OnFinished(TransferSession::Outcome outcome, const QString& message) {
  if (!write_) return;
  // A line that failed while the journal was being begun: it is on disk, or not, before it is
  // looked at.
  JoinWorker();
  const bool ended = outcome == TransferSession::Outcome::Completed;
  // A line that failed is let go, so the next step (or Resume) opens it again.
  if (!ended) line_->Release();
  LiveStepOutcome judged = JudgeLiveStep(step_, plan_, *write_, ended, message.toStdString());
  std::optional<RadioImage> holds = write_->RadioNowHolds();
  const bool begun = journal_->Begun();
  if (!holds || (!begun && backupFolder_.isEmpty())) {
    CloseStep(std::move(judged), holds);
    return;
  }
  // What the radio now holds is kept on disk: the journal becomes the written backup or, when
  // the radio held it all already (known from the check), a written backup is saved.
  closing_ = true;
  auto state = std::make_shared<const RadioImage>(std::move(*holds));
  auto problem = std::make_shared<std::string>();
  OffThread(
      [journal = journal_, begun, folder = Folder(), state, problem] {
        std::string error;
        if (begun) {
          if (!journal->Finish(*state, std::time(nullptr), &error)) {
            *problem = StateNotKeptText(error);
          }
        } else if (!SaveBackup(folder, *state, std::time(nullptr), BackupKind::Written, nullptr,
                               &error)) {
          *problem = std::string(kWrittenBackupNotKeptMessage) + " " + error;
        }
      },
      [this, judged = std::move(judged), state, problem]() mutable {
        // No step is sent while this one closes, so this result is the step's own.
        closing_ = false;
        if (!problem->empty()) {
          judged.confirmed = ItemSet();
          judged.problem = *problem;
          CloseStep(std::move(judged), std::nullopt);
          return;
        }
        CloseStep(std::move(judged), *state);
      });
}

void LiveMode::CloseStep(LiveStepOutcome judged, const std::optional<RadioImage>& holds) {
  if (holds && judged.confirmed == step_) {
    known_ = *holds;
  } else {
    known_.reset();
  }
  EndStep(judged.confirmed, judged.problem);
}

void LiveMode::OffThread(std::function<void()> work, std::function<void()> then) {
  JoinWorker();
  worker_ = std::thread([this, work = std::move(work), then = std::move(then)]() mutable {
    work();
    QMetaObject::invokeMethod(this, std::move(then), Qt::QueuedConnection);
  });
}

void LiveMode::JoinWorker() {
  if (worker_.joinable()) worker_.join();
}

void LiveMode::EndStep(const ItemSet& confirmed, const std::string& problem) {
  const std::vector<ItemRef> items = step_.Items();
  if (!queue_.Finish(confirmed)) {
    pausedText_ = QString::fromStdString(
        LivePausedText(queue_.FailedItems(), MessageText(problem).toStdString(), CatalogueText));
  }
  write_.reset();
  journal_.reset();
  step_ = ItemSet();
  emit ItemsChanged(items);
  emit StatusChanged();
  if (!queue_.Paused()) SendLater();
}

std::optional<LiveItemState> LiveMode::StateOf(ItemRef item) const {
  if (!active_) return std::nullopt;
  return queue_.StateOf(item);
}

QString LiveMode::StatusText() const {
  return active_ ? QString::fromStdString(LiveStatusText(queue_, CatalogueText)) : QString();
}

}  // namespace quorvan

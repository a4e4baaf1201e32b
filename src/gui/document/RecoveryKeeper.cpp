#include "gui/document/RecoveryKeeper.h"

#include <ctime>

#include "core/files/RecoveryFile.h"
#include "core/model/ChannelFile.h"
#include "core/model/Document.h"
#include "gui/document/DocumentSignals.h"

namespace quorvan {

RecoveryKeeper::RecoveryKeeper(Document& document, DocumentSignals& documentSignals,
                               const QString& folder, QObject* parent)
    : QObject(parent),
      document_(document),
      store_(std::make_unique<RecoveryStore>(folder.toStdString())) {
  timer_.setSingleShot(true);
  timer_.setInterval(kDelayMs);
  connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::KeepNow);
  connect(&documentSignals, &DocumentSignals::Changed, this, &RecoveryKeeper::Follow);
  connect(&documentSignals, &DocumentSignals::StateChanged, this, &RecoveryKeeper::Follow);
}

RecoveryKeeper::~RecoveryKeeper() = default;

void RecoveryKeeper::Follow() {
  if (!document_.Modified()) {
    // Saved, opened, new, or undone back to the saved state: nothing to recover.
    timer_.stop();
    store_->Forget();
    return;
  }
  // The first change of a burst starts the clock; the write takes whatever is there by then.
  if (!timer_.isActive()) timer_.start();
}

void RecoveryKeeper::KeepNow() {
  timer_.stop();
  if (!document_.Modified()) return;
  RecoveredDocument kept;
  kept.name = document_.Name();
  kept.fromRadio = document_.FromRadio();
  kept.keptAt = std::time(nullptr);
  kept.text = WriteChannelFileText(document_.Image());
  // A recovery file that cannot be written costs nothing the user has now; the next change
  // tries again.
  store_->Keep(kept, nullptr);
}

void RecoveryKeeper::Forget() {
  timer_.stop();
  store_->Forget();
}

QString RecoveryKeeper::Path() const { return QString::fromStdString(store_->Path()); }

}  // namespace quorvan

#include "gui/diagnostics/FindRadioDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/diagnostics/PortFinding.h"
#include "gui/common/AccessibleNames.h"
#include "gui/common/MessageService.h"
#include "io/session/TransferRecorder.h"

namespace quorvan {

namespace {
constexpr int kDeviceRole = Qt::UserRole;
}

FindRadioDialog::FindRadioDialog(std::function<QStringList()> candidates,
                                 TransferRecorder* recorder, QWidget* parent)
    : QDialog(parent),
      candidates_(std::move(candidates)),
      recorder_(recorder),
      status_(new QLabel(this)),
      progress_(new QProgressBar(this)),
      results_(new QListWidget(this)),
      use_(new QPushButton(tr("&Use Port"), this)),
      cancel_(new QPushButton(tr("Cancel"), this)) {
  setObjectName(QStringLiteral("FindRadioDialog"));
  setWindowTitle(tr("Find Radio"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  status_->setObjectName(QStringLiteral("FindStatus"));
  results_->setObjectName(QStringLiteral("FindResults"));
  use_->setObjectName(QStringLiteral("UsePortButton"));
  cancel_->setObjectName(QStringLiteral("CancelButton"));
  progress_->setTextVisible(false);
  NameControl(progress_, tr("Ports tried"));
  NameControl(results_, tr("Results"), tr("What each serial port answered"));
  status_->setWordWrap(true);
  use_->setDefault(true);
  use_->setEnabled(false);

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(use_, QDialogButtonBox::AcceptRole);
  buttons->addButton(cancel_, QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &FindRadioDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &FindRadioDialog::reject);
  connect(results_, &QListWidget::currentItemChanged, this, &FindRadioDialog::UpdateUseButton);
  connect(results_, &QListWidget::itemActivated, this, [this] {
    if (use_->isEnabled()) accept();
  });
  connect(&finder_, &RadioFinder::trying, this, &FindRadioDialog::OnTrying);
  connect(&finder_, &RadioFinder::portTried, this, &FindRadioDialog::OnPortTried);
  connect(&finder_, &RadioFinder::finished, this, &FindRadioDialog::OnFinished);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(status_);
  layout->addWidget(progress_);
  layout->addWidget(results_);
  layout->addWidget(buttons);
  resize(520, 300);
}

QString FindRadioDialog::Run() {
  StartSearch();
  exec();
  return chosen_;
}

void FindRadioDialog::StartSearch() {
  chosen_.clear();
  results_->clear();
  cancel_->setText(tr("Cancel"));
  const QStringList ports = candidates_ ? candidates_() : QStringList();
  progress_->setRange(0, std::max(1, static_cast<int>(ports.size())));
  progress_->setValue(0);
  status_->setText(tr("Trying the serial ports one at a time..."));
  finder_.Start(ports, recorder_ ? recorder_->RecordingTrace() : nullptr);
}

void FindRadioDialog::OnTrying(int index, int count, const QString& device) {
  progress_->setValue(index);
  status_->setText(tr("Trying %1 (%2 of %3)...").arg(device).arg(index + 1).arg(count));
}

void FindRadioDialog::OnPortTried() {
  const PortFinding& finding = finder_.Findings().back();
  // The detail is English sentences of the catalogue (and what the port said), the verdict one.
  PortFinding shown = finding;
  shown.detail = TranslatedMessage(QString::fromStdString(finding.detail)).toStdString();
  auto* item =
      new QListWidgetItem(QString::fromStdString(FindingText(shown, CatalogueText)), results_);
  if (finding.kind == PortFinding::Kind::Radio) {
    item->setData(kDeviceRole, QString::fromStdString(finding.device));
    // The first radio found is the one offered.
    if (!results_->currentItem()) results_->setCurrentItem(item);
  } else {
    item->setFlags(Qt::ItemIsEnabled);  // shown, but not a port to choose
  }
  progress_->setValue(static_cast<int>(finder_.Findings().size()));
}

void FindRadioDialog::OnFinished() {
  progress_->setValue(progress_->maximum());
  const std::size_t radios = RadiosFound(finder_.Findings()).size();
  if (radios > 0) {
    status_->setText(radios == 1 ? tr("A radio answered. Use its port?")
                                 : tr("%1 radios answered. Choose the port to use.").arg(radios));
  } else if (finder_.WasCancelled()) {
    status_->setText(tr("The search was cancelled."));
  } else if (finder_.Findings().empty()) {
    status_->setText(
        tr("No serial ports were found. Check that the cable's adapter is plugged in."));
  } else {
    status_->setText(
        tr("No radio answered. Check that the radio is on and its cable is plugged in at both "
           "ends, then try again."));
  }
  cancel_->setText(tr("Close"));
  if (recorder_) recorder_->TraceGrew();
  UpdateUseButton();
}

void FindRadioDialog::UpdateUseButton() {
  const QListWidgetItem* item = results_->currentItem();
  use_->setEnabled(!finder_.IsRunning() && item && !item->data(kDeviceRole).toString().isEmpty());
}

void FindRadioDialog::accept() {
  const QListWidgetItem* item = results_->currentItem();
  if (finder_.IsRunning() || !item || item->data(kDeviceRole).toString().isEmpty()) return;
  chosen_ = item->data(kDeviceRole).toString();
  QDialog::accept();
}

void FindRadioDialog::reject() {
  if (finder_.IsRunning()) {
    finder_.Cancel();  // the dialog stays, with what was found so far
    return;
  }
  QDialog::reject();
}

}  // namespace quorvan

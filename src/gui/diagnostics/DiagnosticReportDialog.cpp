#include "gui/diagnostics/DiagnosticReportDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/files/DocumentFile.h"
#include "core/messages/Messages.h"
#include "core/model/EscapedText.h"
#include "gui/common/MessageService.h"
#include "io/serial/PortListing.h"
#include "io/session/TransferFacts.h"
#include "io/session/TransferRecorder.h"

namespace quorvan {

namespace {

QString BuildReport(const TransferRecorder& recorder) {
  QString text;
  for (const std::string& fact : ProgramFacts("quorvan"))
    text += QString::fromStdString(fact) + '\n';
  text += QStringLiteral("\nSerial ports:\n");
  const QStringList ports = PortListingLines();
  // What the adapters' descriptors say is shown escaped, as quorvan-cli ports shows it.
  for (const QString& line : ports) {
    text +=
        QStringLiteral("  ") + QString::fromStdString(EscapeControls(line.toStdString())) + '\n';
  }
  if (ports.isEmpty()) text += QStringLiteral("  none found\n");
  text += '\n';
  if (!recorder.Trace().Empty()) {
    text += QString::fromStdString(recorder.Trace().Text());
  } else if (recorder.Recording()) {
    text +=
        QStringLiteral("No transfer recorded yet: read or write the radio, and it shows here.\n");
  } else {
    text += QStringLiteral(
        "Transfers are not recorded. Check Record Transfers, then read or write the radio.\n");
  }
  return text;
}

}  // namespace

DiagnosticReportDialog::DiagnosticReportDialog(TransferRecorder& recorder, MessageService& messages,
                                               AskSaveName askSaveName, QWidget* parent)
    : ReportDialog(tr("Diagnostic Report"), {}, {}, parent),
      recorder_(recorder),
      messages_(messages),
      askSaveName_(std::move(askSaveName)),
      record_(new QCheckBox(tr("&Record Transfers"), this)),
      save_(new QPushButton(tr("&Save..."), this)) {
  setObjectName(QStringLiteral("DiagnosticReport"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  record_->setObjectName(QStringLiteral("RecordTransfers"));
  record_->setChecked(recorder_.Recording());
  save_->setObjectName(QStringLiteral("SaveButton"));
  Layout()->insertWidget(0, record_);
  ActionRow()->insertWidget(1, save_);
  connect(record_, &QCheckBox::toggled, &recorder_, &TransferRecorder::SetRecording);
  connect(save_, &QPushButton::clicked, this, &DiagnosticReportDialog::Save);
  connect(&recorder_, &TransferRecorder::changed, this, [this] {
    record_->setChecked(recorder_.Recording());
    Refresh();
  });
  resize(720, 480);
  Refresh();
}

void DiagnosticReportDialog::Refresh() { SetReportText(BuildReport(recorder_)); }

bool DiagnosticReportDialog::Save() {
  const QString path =
      askSaveName_ ? askSaveName_(QDir::home().filePath(QStringLiteral("quorvan-report.txt")))
                   : QString();
  if (path.isEmpty()) return false;
  std::string error;
  if (!WriteFileAtomically(QFile::encodeName(path).toStdString(),
                           ReportText().toUtf8().toStdString(), &error)) {
    messages_.Error(MessageText(FileNotWrittenMessage(error)));
    return false;
  }
  return true;
}

QString AskReportFileName(QWidget* parent, const QString& suggested) {
  return QFileDialog::getSaveFileName(parent, DiagnosticReportDialog::tr("Save Diagnostic Report"),
                                      suggested, DiagnosticReportDialog::tr("Text files (*.txt)"));
}

}  // namespace quorvan

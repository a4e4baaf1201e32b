// The main window's commands that reach beyond it: the radio, files, drops and closing.
#include <QCloseEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <algorithm>

#include "core/messages/Messages.h"
#include "core/messages/TransferNotes.h"
#include "core/model/WindowSizeSetting.h"
#include "core/transfer/ReadSequence.h"
#include "core/transfer/TransferCommands.h"
#include "gui/common/MessageService.h"
#include "gui/common/ReportDialog.h"
#include "gui/document/RecoveryKeeper.h"
#include "gui/mainwindow/TMainForm.h"
#include "gui/transfer/RadioCommands.h"
#include "gui/transfer/TransferDialogs.h"
#include "io/serial/PortAdvice.h"

namespace quorvan {

namespace {

// How much of a remembered place must be on a screen for the window to go back there.
constexpr int kMinVisibleWidth = 120;
constexpr int kMinVisibleHeight = 60;

}  // namespace

void TMainForm::OpenCommandLine(const QStringList& arguments) {
  // Joined with single blanks, so an unquoted path with blanks arrives whole.
  lifecycle_->OpenCommandLine(arguments.join(QLatin1Char(' ')));
}

void TMainForm::ReadFromRadio(TransferScope scope) {
  FocusPageControl();
  if (!EndLiveMode()) return;
  if (!services_.transfers->CheckPort(CommPort())) {
    services_.messages->Warning(TranslatedMessage(
        WithPortAccessAdvice(QString::fromUtf8(kComPortStatusMessage.data()), CommPort())));
    return;
  }
  if (!lifecycle_->ConfirmDiscard()) return;
  // A read replaces what it reaches of the document.
  RadioImage read = Image();
  ReadSequence sequence(read, scope);
  const bool completed = services_.transfers->RunRead(sequence, CommPort());
  // Whatever the outcome, part of the image may have been replaced: a new document, saved
  // nowhere yet, that tells how much of the radio it lacks.
  const int planned =
      sequence.ProgressMaximum() > 0 ? sequence.ProgressMaximum() : ProgressMaximumOf(scope);
  lifecycle_->TakeRead(std::move(read),
                       completed ? 0 : std::max(planned - sequence.ProgressPosition(), 1));
  SaveBandPlan(*services_.settings, Image().Plan());
  statusBar()->showMessage(QString::fromStdString(
      ReadEndingText(scope, services_.transfers->LastEnd(), sequence.ProgressPosition(), planned,
                     services_.transfers->LastSeconds(), CatalogueText)));
  if (completed) radio_->KeepReadBackup(Image(), scope);
}

// A write reads the document and changes nothing of it: neither the view nor the history.
void TMainForm::WriteToRadio(TransferScope scope) {
  if (!ConfirmWriteOfIncompleteRead() || !EndLiveMode()) return;
  radio_->Write(scope, CommPort());
}

void TMainForm::WriteChangesToRadio() {
  if (!ConfirmWriteOfIncompleteRead() || !EndLiveMode()) return;
  radio_->WriteChanges(CommPort());
}

bool TMainForm::ConfirmWriteOfIncompleteRead() {
  const int unread = document_.UnreadItems();
  return unread == 0 || services_.messages->AskYesNo(MessageText(IncompleteReadQuestion(unread)),
                                                     MessageIcon::Warning);
}

void TMainForm::VerifyRadio() {
  FocusPageControl();
  if (!EndLiveMode()) return;
  radio_->Verify(CommPort());
}

bool TMainForm::ShowReport(const QString& title, const QString& text, const QString& acceptText) {
  if (services_.showReport) return services_.showReport(title, text, acceptText);
  return ExecReportDialog(title, text, acceptText, this);
}

void TMainForm::closeEvent(QCloseEvent* event) {
  // A save that did not complete keeps the window open, so nothing is lost unasked.
  if (lifecycle_->ConfirmDiscard()) {
    // Saved, or its changes dropped on purpose: there is nothing left to recover.
    if (recovery_) recovery_->Forget();
    SaveGeometry();
    event->accept();
  } else {
    event->ignore();
  }
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  event->acceptProposedAction();
  if (urls.isEmpty()) return;
  // Only the first file of a drop is opened.
  const QUrl& first = urls.first();
  lifecycle_->OpenDropped(first.isLocalFile() ? first.toLocalFile() : first.toString());
}

void TMainForm::FocusPageControl() { pageControl_->setFocus(Qt::OtherFocusReason); }

bool TMainForm::RestoreGeometry() {
  const std::optional<WindowGeometry> stored =
      LoadWindowGeometry(*services_.settings, kMainWindowGeometrySetting);
  if (!stored) return false;
  const QRect place(stored->x, stored->y, stored->size.width, stored->size.height);
  // A screen that was unplugged since must not leave the window where nobody can reach it.
  bool onScreen = false;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect shown = screen->availableGeometry().intersected(place);
    onScreen =
        onScreen || (shown.width() >= kMinVisibleWidth && shown.height() >= kMinVisibleHeight);
  }
  if (!onScreen) return false;
  // A size kept on a larger screen, or at a smaller scale, is cut to this one.
  QRect fitted(place.topLeft(), FittedSize(place.size()));
  const QScreen* on = QGuiApplication::screenAt(place.center());
  if (!on) on = screen();
  if (on) {
    const QRect room = on->availableGeometry();
    fitted.moveRight(std::min(fitted.right(), room.right()));
    fitted.moveBottom(std::min(fitted.bottom(), room.bottom()));
    fitted.moveLeft(std::max(fitted.left(), room.left()));
    fitted.moveTop(std::max(fitted.top(), room.top()));
  }
  setGeometry(fitted);
  if (stored->maximized) setWindowState(windowState() | Qt::WindowMaximized);
  return true;
}

void TMainForm::SaveGeometry() {
  if (!isVisible()) return;
  const QRect normal = normalGeometry();
  SaveWindowGeometry(*services_.settings, kMainWindowGeometrySetting,
                     {normal.x(), normal.y(), {normal.width(), normal.height()}, isMaximized()});
}

}  // namespace quorvan

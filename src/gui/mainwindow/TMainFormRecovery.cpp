// The main window's offer, at start, of the unsaved work a window that is gone left behind.
#include <QFileInfo>
#include <string>
#include <vector>

#include "core/files/BackupName.h"
#include "core/files/DocumentFile.h"
#include "core/files/RecoveryFile.h"
#include "core/messages/Messages.h"
#include "gui/common/MessageService.h"
#include "gui/mainwindow/TMainForm.h"

namespace quorvan {

void TMainForm::OfferRecovery() {
  if (services_.recoveryFolder.isEmpty()) return;
  std::vector<LeftRecovery> left = FindLeftRecoveries(services_.recoveryFolder.toStdString());
  for (LeftRecovery& found : left) {
    const RecoveredDocument& lost = found.document;
    const QString name = lost.name.empty()
                             ? DocumentLifecycle::Untitled()
                             : QFileInfo(QString::fromStdString(lost.name)).fileName();
    const QString question =
        MessageText(RecoveryQuestion(name.toStdString(), BackupTimeText(lost.keptAt)));
    const Answer answer = services_.messages->AskThreeWay(
        question, {tr("Restore"), tr("Discard"), tr("Later")}, MessageIcon::Question);
    if (answer == Answer::Cancel) continue;  // Later: asked again at the next start
    if (answer == Answer::No) {
      found.Remove();
      continue;
    }
    if (!lifecycle_->ConfirmDiscard()) return;
    RadioImage image = Image();
    std::string problem;
    if (!OpenDocumentText(lost.text, image, &problem)) {
      services_.messages->Error(FileOpenErrorMessage(problem));
      return;  // the file stays for a later try
    }
    // The document as it was: its file name, its origin, and not saved.
    if (lost.fromRadio) {
      document_.Read(std::move(image));
    } else {
      document_.Open(std::move(image), lost.name);
      document_.SetModified(true);
    }
    found.Remove();
    return;
  }
}

}  // namespace quorvan

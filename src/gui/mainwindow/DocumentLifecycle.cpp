#include "gui/mainwindow/DocumentLifecycle.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "core/files/DocumentFile.h"
#include "core/messages/Messages.h"
#include "core/model/AppSettings.h"
#include "gui/common/FileDialogService.h"
#include "gui/common/MessageService.h"

namespace quorvan {

namespace {

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

const QString DocumentLifecycle::kTitle = QStringLiteral("Quorvan");

DocumentLifecycle::DocumentLifecycle(Document& document, std::function<void()> endTyping,
                                     MessageService& messages, FileDialogService& dialogs,
                                     SettingsStore& settings, QString initialFolder)
    : document_(document),
      endTyping_(std::move(endTyping)),
      messages_(messages),
      dialogs_(dialogs),
      settings_(settings),
      folder_(std::move(initialFolder)) {}

QString DocumentLifecycle::Untitled() {
  return QCoreApplication::translate("DocumentLifecycle", "Untitled");
}

QString DocumentLifecycle::DocumentName() const {
  return document_.Name().empty() ? Untitled() : QString::fromStdString(document_.Name());
}

QString DocumentLifecycle::Caption() const {
  const QString name = document_.FromRadio()
                           ? QCoreApplication::translate("DocumentLifecycle", "Radio")
                           : DocumentName();
  return kTitle + QStringLiteral(" [") + name + QStringLiteral("]");
}

QString DocumentLifecycle::PrintoutCaption() const {
  const QString name = document_.FromRadio()      ? QStringLiteral("Radio")
                       : document_.Name().empty() ? QStringLiteral("Untitled")
                                                  : QString::fromStdString(document_.Name());
  return kTitle + QStringLiteral(" [") + name + QStringLiteral("]");
}

bool DocumentLifecycle::ConfirmDiscard() {
  if (leaveGuard_ && !leaveGuard_()) return false;
  if (!document_.Modified()) return true;
  switch (messages_.AskYesNoCancel(MessageText(kDataChangedQuestion), MessageIcon::Warning)) {
    case Answer::Cancel:
      return false;
    case Answer::No:
      return true;
    case Answer::Yes:
      // Going on after a save that did not happen would throw the changes away unasked.
      return SaveAs();
  }
  return false;
}

void DocumentLifecycle::New() {
  endTyping_();
  if (!ConfirmDiscard()) return;
  document_.New(MakeNewDocument(document_.Image().Plan()));
}

void DocumentLifecycle::Open() {
  endTyping_();
  if (!ConfirmDiscard()) return;
  const QString path = dialogs_.OpenFileName(folder_);
  if (path.isEmpty()) return;
  LoadFile(path);
}

void DocumentLifecycle::OpenCommandLine(const QString& path) {
  if (path.isEmpty()) return;
  LoadFile(path);
}

void DocumentLifecycle::OpenDropped(const QString& path) {
  if (path.isEmpty()) return;
  if (HasChannelFileExtension(path)) endTyping_();
  LoadFile(path);
}

RadioImage DocumentLifecycle::FitPowerOnMessage(RadioImage image) {
  if (EmptyUnshowablePowerOnMessage(image.Menu(), image.Plan())) {
    messages_.Information(MessageText(kInvalidCharacterMessage));
  }
  return image;
}

bool DocumentLifecycle::LoadFile(const QString& path) {
  if (!HasChannelFileExtension(path)) {
    messages_.Error(MessageText(kFileOpenErrorMessage));
    return false;
  }
  if (leaveGuard_ && !leaveGuard_()) return false;
  // The file is read into a scratch document first, so a rejected file changes nothing.
  RadioImage opened = document_.Image();
  std::string problem;
  if (!OpenDocumentFile(LocalPath(path), opened, &problem)) {
    messages_.Error(FileOpenErrorMessage(problem));
    return false;
  }
  const QString name = QFileInfo(path).absoluteFilePath();
  document_.Open(FitPowerOnMessage(std::move(opened)), name.toStdString());
  onDisk_ = TakeFingerprint(LocalPath(name));
  RememberFolder(name);
  return true;
}

void DocumentLifecycle::TakeRead(RadioImage image, int unreadItems) {
  document_.Read(FitPowerOnMessage(std::move(image)), unreadItems);
}

bool DocumentLifecycle::Save() {
  if (document_.Name().empty() || document_.FromRadio() || !QFileInfo::exists(DocumentName())) {
    return SaveAs();
  }
  // Another program (or another window) may have written the file since: ask before its work
  // is replaced. What this window never opened or saved itself it cannot tell of.
  if (onDisk_.path == LocalPath(DocumentName()) && ChangedSince(onDisk_)) {
    const QString name = QFileInfo(DocumentName()).fileName();
    switch (messages_.AskThreeWay(MessageText(ChangedOnDiskQuestion(name.toStdString())),
                                  {QCoreApplication::translate("DocumentLifecycle", "Overwrite"),
                                   QCoreApplication::translate("DocumentLifecycle", "Save As..."),
                                   QCoreApplication::translate("DocumentLifecycle", "Cancel")},
                                  MessageIcon::Warning)) {
      case Answer::Yes:
        break;
      case Answer::No:
        return SaveAs();
      case Answer::Cancel:
        return false;
    }
  }
  return WriteTo(DocumentName());
}

bool DocumentLifecycle::SaveAs() {
  const QString path = dialogs_.SaveFileName(folder_, DocumentName());
  if (path.isEmpty()) return false;
  if (!HasChannelFileExtension(path)) {
    messages_.Error(MessageText(kFileOpenErrorMessage));
    return false;
  }
  return WriteTo(path);
}

bool DocumentLifecycle::WriteTo(const QString& path) {
  std::string error;
  if (!SaveDocumentFile(LocalPath(path), document_.Image(), &error)) {
    messages_.Error(FileOpenErrorMessage(error));
    return false;
  }
  RememberFolder(path);
  document_.MarkSaved(QFileInfo(path).absoluteFilePath().toStdString());
  onDisk_ = TakeFingerprint(LocalPath(QFileInfo(path).absoluteFilePath()));
  return true;
}

void DocumentLifecycle::RememberFolder(const QString& path) {
  const std::string folder = SavePath(settings_, LocalPath(QFileInfo(path).absoluteFilePath()));
  folder_ = QFile::decodeName(QByteArray::fromStdString(folder));
}

}  // namespace quorvan

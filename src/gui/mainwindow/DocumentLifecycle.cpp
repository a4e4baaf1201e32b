#include "gui/mainwindow/DocumentLifecycle.h"

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

const QString DocumentLifecycle::kUntitled = QStringLiteral("Untitled");
const QString DocumentLifecycle::kTitle = QStringLiteral("Quorvan");

DocumentLifecycle::DocumentLifecycle(RadioImage& image, DocumentHost& host,
                                     MessageService& messages, FileDialogService& dialogs,
                                     SettingsStore& settings, QString initialFolder)
    : image_(image),
      host_(host),
      messages_(messages),
      dialogs_(dialogs),
      settings_(settings),
      folder_(std::move(initialFolder)),
      documentName_(kUntitled),
      recorded_(image) {
  history_.Reset(true);
}

QString DocumentLifecycle::Caption() const {
  return fromRadio_ ? kTitle + QStringLiteral(" [Radio]")
                    : kTitle + QStringLiteral(" [") + documentName_ + QStringLiteral("]");
}

void DocumentLifecycle::UpdateCaption() { host_.SetCaption(Caption(), Modified()); }

void DocumentLifecycle::ShowState() {
  UpdateCaption();
  host_.ShowHistory(QString::fromStdString(history_.UndoName()),
                    QString::fromStdString(history_.RedoName()));
}

void DocumentLifecycle::SetModified(bool modified) {
  if (modified) {
    history_.ForgetClean();
  } else {
    history_.MarkClean();
  }
  ShowState();
}

void DocumentLifecycle::StartHistory(bool presentIsSaved) {
  history_.Reset(presentIsSaved);
  recorded_ = image_;
  ShowState();
}

bool DocumentLifecycle::RecordChange(const StepNamer& name, const std::string& mergeKey) {
  ImageChanges changes = ImageChanges::Between(recorded_, image_);
  if (changes.Empty()) return false;
  std::string stepName = name(changes);
  history_.Record(std::move(stepName), std::move(changes), mergeKey);
  recorded_ = image_;
  ShowState();
  return true;
}

bool DocumentLifecycle::RecordChange(const std::string& name, const std::string& mergeKey) {
  return RecordChange([&name](const ImageChanges&) { return name; }, mergeKey);
}

ImageChanges DocumentLifecycle::Restored(const ImageChanges* changes) {
  if (!changes) return {};
  recorded_ = image_;
  host_.ShowComment();
  host_.RefreshView();
  ShowState();
  return *changes;
}

ImageChanges DocumentLifecycle::Undo() { return Restored(history_.Undo(image_)); }

ImageChanges DocumentLifecycle::Redo() { return Restored(history_.Redo(image_)); }

bool DocumentLifecycle::ConfirmDiscard() {
  if (!Modified()) return true;
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
  host_.FocusPageControl();
  if (!ConfirmDiscard()) return;
  documentName_ = kUntitled;
  fromRadio_ = false;
  UpdateCaption();
  image_ = MakeNewDocument(image_.Plan());
  image_.SetComment({});
  host_.ShowComment();
  host_.RefreshView();
  StartHistory(true);
}

void DocumentLifecycle::Open() {
  host_.FocusPageControl();
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
  if (HasChannelFileExtension(path)) host_.FocusPageControl();
  LoadFile(path);
  UpdateCaption();
}

bool DocumentLifecycle::LoadFile(const QString& path) {
  if (!HasChannelFileExtension(path)) {
    messages_.Error(MessageText(kFileOpenErrorMessage));
    return false;
  }
  // The file is read into a scratch document first, so a rejected file changes nothing.
  std::string problem;
  if (!OpenDocumentFile(LocalPath(path), image_, &problem)) {
    messages_.Error(FileOpenErrorMessage(problem));
    return false;
  }
  documentName_ = QFileInfo(path).absoluteFilePath();
  fromRadio_ = false;
  UpdateCaption();
  host_.ShowComment();
  host_.RefreshView();
  RememberFolder(documentName_);
  StartHistory(true);
  return true;
}

bool DocumentLifecycle::Save() {
  if (documentName_ == kUntitled || fromRadio_ || !QFileInfo::exists(documentName_)) {
    return SaveAs();
  }
  return WriteTo(documentName_);
}

bool DocumentLifecycle::SaveAs() {
  const QString path = dialogs_.SaveFileName(folder_, documentName_);
  if (path.isEmpty()) return false;
  if (!HasChannelFileExtension(path)) {
    messages_.Error(MessageText(kFileOpenErrorMessage));
    return false;
  }
  if (!WriteTo(path)) return false;
  documentName_ = QFileInfo(path).absoluteFilePath();
  fromRadio_ = false;
  UpdateCaption();
  return true;
}

bool DocumentLifecycle::WriteTo(const QString& path) {
  std::string error;
  if (!SaveDocumentFile(LocalPath(path), image_, &error)) {
    messages_.Error(FileOpenErrorMessage(error));
    return false;
  }
  history_.MarkClean();
  RememberFolder(path);
  ShowState();
  return true;
}

void DocumentLifecycle::RememberFolder(const QString& path) {
  const std::string folder = SavePath(settings_, LocalPath(QFileInfo(path).absoluteFilePath()));
  folder_ = QFile::decodeName(QByteArray::fromStdString(folder));
}

void DocumentLifecycle::BecomeRadioDocument() {
  documentName_ = kUntitled;
  fromRadio_ = true;
  UpdateCaption();
}

}  // namespace quorvan

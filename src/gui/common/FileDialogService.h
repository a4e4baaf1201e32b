#pragma once

#include <QString>

class QWidget;

namespace quorvan {

// Open and save dialogs for channel files. An empty result means the dialog was cancelled.
class FileDialogService {
 public:
  virtual ~FileDialogService() = default;
  virtual QString OpenFileName(const QString& folder) = 0;
  // `suggested` is the current document name ("Untitled" or a full path).
  virtual QString SaveFileName(const QString& folder, const QString& suggested) = 0;
};

class NativeFileDialogService : public FileDialogService {
 public:
  explicit NativeFileDialogService(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  QString OpenFileName(const QString& folder) override;
  QString SaveFileName(const QString& folder, const QString& suggested) override;

 private:
  QWidget* parent_;
};

// Whether a chosen name carries the channel-file extension (any letter case).
bool HasChannelFileExtension(const QString& path);

}  // namespace quorvan

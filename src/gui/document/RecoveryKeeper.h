#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

namespace quorvan {

class Document;
class DocumentSignals;
class RecoveryStore;

// Keeps the window's unsaved document in its recovery file: written a moment after a change
// (kDelayMs, so a burst of typing is one write), removed once the document is saved or its
// changes are dropped on purpose. A crash or a power loss leaves the file for the next start.
class RecoveryKeeper : public QObject {
  Q_OBJECT

 public:
  static constexpr int kDelayMs = 1000;

  RecoveryKeeper(Document& document, DocumentSignals& documentSignals, const QString& folder,
                 QObject* parent = nullptr);
  ~RecoveryKeeper() override;

  // The changes were deliberately dropped (No at the unsaved-changes question on closing).
  void Forget();
  // Writes the document now when it holds unsaved changes.
  void KeepNow();
  // The recovery file once one was written; empty before.
  QString Path() const;

 private:
  void Follow();

  Document& document_;
  std::unique_ptr<RecoveryStore> store_;
  QTimer timer_;
};

}  // namespace quorvan

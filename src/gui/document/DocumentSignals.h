#pragma once

#include <QObject>

#include "core/model/Document.h"

namespace quorvan {

// The document's changes as Qt signals, so that a view connected to them is let go with it.
// Every view of the document follows these; none is refreshed by the command that changed it.
class DocumentSignals : public QObject, private DocumentListener {
  Q_OBJECT

 public:
  explicit DocumentSignals(Document& document, QObject* parent = nullptr);
  ~DocumentSignals() override;
  DocumentSignals(const DocumentSignals&) = delete;
  DocumentSignals& operator=(const DocumentSignals&) = delete;

 signals:
  // The image changed: which items, by what kind of step (see DocumentListener).
  void Changed(quorvan::ChangeKind kind, const quorvan::ImageChanges& changes);
  // Modified, the name, the origin or the undo and redo steps may have changed.
  void StateChanged();

 private:
  void DocumentChanged(ChangeKind kind, const ImageChanges& changes) override;
  void DocumentStateChanged() override;

  Document& document_;
};

}  // namespace quorvan

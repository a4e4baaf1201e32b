#include "gui/document/DocumentSignals.h"

namespace quorvan {

DocumentSignals::DocumentSignals(Document& document, QObject* parent)
    : QObject(parent), document_(document) {
  document_.AddListener(this);
}

DocumentSignals::~DocumentSignals() { document_.RemoveListener(this); }

void DocumentSignals::DocumentChanged(ChangeKind kind, const ImageChanges& changes) {
  emit Changed(kind, changes);
}

void DocumentSignals::DocumentStateChanged() { emit StateChanged(); }

}  // namespace quorvan

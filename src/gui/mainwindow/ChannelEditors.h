#pragma once

#include <QList>
#include <functional>
#include <memory>

#include "core/rules/GridTexts.h"

class QAction;
class QWidget;

namespace quorvan {

class Document;
class DocumentSignals;

// The four modal channel editors as the main window reaches them. They live in their own
// library above the window's, so the program hands them in through MainFormServices.
class ChannelEditors {
 public:
  virtual ~ChannelEditors() = default;
  // Opens the editor of `grid` modally on `slot` of that grid's kind; each store is a change
  // of the document.
  virtual void Edit(Grid grid, int slot) = 0;
  // The window's commands that also work while an editor is open (Undo and Redo).
  virtual void ShareCommands(const QList<QAction*>& /*commands*/) {}
};

// Builds the editors once, as dialogs of the given window, on its document; an open editor
// follows the document's changes (an undo of its record shows the record undone).
using ChannelEditorsFactory = std::function<std::unique_ptr<ChannelEditors>(
    QWidget* window, Document& document, DocumentSignals& documentSignals)>;

}  // namespace quorvan

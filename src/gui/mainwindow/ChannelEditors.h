#pragma once

#include <QList>
#include <functional>
#include <memory>

#include "core/model/ImageChanges.h"
#include "core/model/RadioImage.h"
#include "core/rules/GridTexts.h"

class QAction;
class QWidget;

namespace quorvan {

// The four modal channel editors as the main window reaches them. They live in their own
// library above the window's, so the program hands them in through MainFormServices.
class ChannelEditors {
 public:
  virtual ~ChannelEditors() = default;
  // Opens the editor of `grid` modally on `slot` of that grid's kind; true when the document
  // was modified.
  virtual bool Edit(Grid grid, int slot, RadioImage& image) = 0;
  // Run after every record an open editor stores, so the grids behind it stay current.
  virtual void SetStoredHook(std::function<void()> hook) = 0;
  // The window's commands that also work while an editor is open (Undo and Redo).
  virtual void ShareCommands(const QList<QAction*>& /*commands*/) {}
  // After an undo or redo: an open editor whose record the change touched shows it as the
  // document now holds it.
  virtual void ShowRestored(const ImageChanges& /*changes*/) {}
};

// Builds the editors once, as dialogs of the given window.
using ChannelEditorsFactory = std::function<std::unique_ptr<ChannelEditors>(QWidget* window)>;

}  // namespace quorvan

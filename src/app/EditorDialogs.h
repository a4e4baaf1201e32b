#pragma once

#include <memory>

#include "gui/mainwindow/ChannelEditors.h"

namespace quorvan {

class MessageService;
class TCallForm;
class TDtmfForm;
class TMemoryForm;
class TVfoForm;

// The four channel editors, one instance each for the whole run, as dialogs of the window.
class EditorDialogs : public ChannelEditors {
 public:
  EditorDialogs(MessageService& messages, QWidget* window);

  bool Edit(Grid grid, int slot, RadioImage& image) override;
  void SetStoredHook(std::function<void()> hook) override;
  void ShareCommands(const QList<QAction*>& commands) override;
  void ShowRestored(const ImageChanges& changes) override;

  TMemoryForm* MemoryForm() const { return memory_; }
  TVfoForm* VfoForm() const { return vfo_; }
  TCallForm* CallForm() const { return call_; }
  TDtmfForm* DtmfForm() const { return dtmf_; }

 private:
  // Owned by the window, as its dialogs.
  TMemoryForm* memory_;
  TVfoForm* vfo_;
  TCallForm* call_;
  TDtmfForm* dtmf_;
};

// What the program hands the window to build its editors.
ChannelEditorsFactory EditorDialogsFactory(MessageService& messages);

}  // namespace quorvan

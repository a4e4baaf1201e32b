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
  EditorDialogs(MessageService& messages, QWidget* window, Document& document,
                DocumentSignals& documentSignals);

  void Edit(Grid grid, int slot) override;
  void ShareCommands(const QList<QAction*>& commands) override;

  TMemoryForm* MemoryForm() const { return memory_; }
  TVfoForm* VfoForm() const { return vfo_; }
  TCallForm* CallForm() const { return call_; }
  TDtmfForm* DtmfForm() const { return dtmf_; }

 private:
  Document& document_;
  // Owned by the window, as its dialogs.
  TMemoryForm* memory_;
  TVfoForm* vfo_;
  TCallForm* call_;
  TDtmfForm* dtmf_;
};

// What the program hands the window to build its editors.
ChannelEditorsFactory EditorDialogsFactory(MessageService& messages);

}  // namespace quorvan

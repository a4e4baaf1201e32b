#include "app/EditorDialogs.h"

#include <QAction>

#include "gui/editors/TCallForm.h"
#include "gui/editors/TDtmfForm.h"
#include "gui/editors/TMemoryForm.h"
#include "gui/editors/TVfoForm.h"

namespace quorvan {

EditorDialogs::EditorDialogs(MessageService& messages, QWidget* window)
    : memory_(new TMemoryForm(messages, window)),
      vfo_(new TVfoForm(messages, window)),
      call_(new TCallForm(messages, window)),
      dtmf_(new TDtmfForm(messages, window)) {}

bool EditorDialogs::Edit(Grid grid, int slot, RadioImage& image) {
  switch (grid) {
    case Grid::Memory:
      return memory_->EditChannel(image, slot);
    case Grid::Vfo:
      return vfo_->EditBand(image, slot);
    case Grid::Call:
      return call_->EditBand(image, slot);
    case Grid::Dtmf:
      return dtmf_->EditChannel(image, slot);
    case Grid::None:
      break;
  }
  return false;
}

void EditorDialogs::SetStoredHook(std::function<void()> hook) {
  memory_->SetStoredHook(hook);
  vfo_->SetStoredHook(hook);
  call_->SetStoredHook(hook);
  dtmf_->SetStoredHook(std::move(hook));
}

void EditorDialogs::ShareCommands(const QList<QAction*>& commands) {
  for (QDialog* dialog : std::initializer_list<QDialog*>{memory_, vfo_, call_, dtmf_}) {
    dialog->addActions(commands);
  }
}

namespace {

bool Touches(const ImageChanges& changes, ItemKind kind, int index) {
  for (const ItemChange& c : changes.Items()) {
    if (c.item.kind == kind && c.item.index == index) return true;
  }
  return false;
}

}  // namespace

void EditorDialogs::ShowRestored(const ImageChanges& changes) {
  if (memory_->isVisible() && Touches(changes, ItemKind::Memory, memory_->CurrentSlot())) {
    memory_->ReloadChannel();
  }
  // A VFO's programmable range shows in its editor too.
  if (vfo_->isVisible() && (Touches(changes, ItemKind::Vfo, vfo_->CurrentBand()) ||
                            Touches(changes, ItemKind::ProgramVfo, vfo_->CurrentBand()))) {
    vfo_->ReloadChannel();
  }
  if (call_->isVisible() && Touches(changes, ItemKind::Call, call_->CurrentBand())) {
    call_->ReloadChannel();
  }
  if (dtmf_->isVisible() && Touches(changes, ItemKind::Dtmf, dtmf_->CurrentChannel())) {
    dtmf_->ReloadChannel();
  }
}

ChannelEditorsFactory EditorDialogsFactory(MessageService& messages) {
  return [&messages](QWidget* window) -> std::unique_ptr<ChannelEditors> {
    return std::make_unique<EditorDialogs>(messages, window);
  };
}

}  // namespace quorvan

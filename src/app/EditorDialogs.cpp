#include "app/EditorDialogs.h"

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

ChannelEditorsFactory EditorDialogsFactory(MessageService& messages) {
  return [&messages](QWidget* window) -> std::unique_ptr<ChannelEditors> {
    return std::make_unique<EditorDialogs>(messages, window);
  };
}

}  // namespace quorvan

#include "app/EditorDialogs.h"

#include <QAction>

#include "gui/document/DocumentSignals.h"
#include "gui/editors/TCallForm.h"
#include "gui/editors/TDtmfForm.h"
#include "gui/editors/TMemoryForm.h"
#include "gui/editors/TVfoForm.h"

namespace quorvan {

EditorDialogs::EditorDialogs(MessageService& messages, QWidget* window, Document& document,
                             DocumentSignals& documentSignals)
    : document_(document),
      memory_(new TMemoryForm(messages, window)),
      vfo_(new TVfoForm(messages, window)),
      call_(new TCallForm(messages, window)),
      dtmf_(new TDtmfForm(messages, window)) {
  for (TEditorDialog* dialog : std::initializer_list<TEditorDialog*>{memory_, vfo_, call_, dtmf_}) {
    QObject::connect(&documentSignals, &DocumentSignals::Changed, dialog,
                     &TEditorDialog::FollowChange);
  }
}

void EditorDialogs::Edit(Grid grid, int slot) {
  switch (grid) {
    case Grid::Memory:
      memory_->EditChannel(document_, slot);
      return;
    case Grid::Vfo:
      vfo_->EditBand(document_, slot);
      return;
    case Grid::Call:
      call_->EditBand(document_, slot);
      return;
    case Grid::Dtmf:
      dtmf_->EditChannel(document_, slot);
      return;
    case Grid::None:
      return;
  }
}

void EditorDialogs::ShareCommands(const QList<QAction*>& commands) {
  for (QDialog* dialog : std::initializer_list<QDialog*>{memory_, vfo_, call_, dtmf_}) {
    dialog->addActions(commands);
  }
}

ChannelEditorsFactory EditorDialogsFactory(MessageService& messages) {
  return [&messages](QWidget* window, Document& document,
                     DocumentSignals& documentSignals) -> std::unique_ptr<ChannelEditors> {
    return std::make_unique<EditorDialogs>(messages, window, document, documentSignals);
  };
}

}  // namespace quorvan

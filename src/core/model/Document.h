#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/model/EditHistory.h"
#include "core/model/ImageChanges.h"
#include "core/model/RadioImage.h"

namespace quorvan {

// What brought a change of the document about: a user's command, Undo or Redo, or the whole
// document replaced by Open, New or a read from the radio.
enum class ChangeKind { Edit, Undo, Redo, Open, New, Read };

// Told of every change of a document, after the document holds the new state.
class DocumentListener {
 public:
  virtual ~DocumentListener() = default;
  // The items that changed and what changed them. For Open, New and Read every item that
  // differs from the document before; the band plan may have changed with a read.
  virtual void DocumentChanged(ChangeKind kind, const ImageChanges& changes) = 0;
  // Modified, the name, the origin or the steps Undo and Redo would take may have changed.
  virtual void DocumentStateChanged() = 0;
};

// The document being edited: the image, its undo history, the mark of the state last saved or
// opened, its file name and whether it came from a radio. Every change goes through here, so
// each one is an undo step, moves Modified and reaches every listener; nobody else holds the
// image but to read it.
class Document {
 public:
  // An untitled document whose present state counts as saved.
  explicit Document(RadioImage image = {});
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  const RadioImage& Image() const { return image_; }
  const EditHistory& History() const { return history_; }
  // The document differs from the state last saved or opened (a read is saved nowhere).
  bool Modified() const { return !history_.AtClean(); }
  // The file the document was opened from or saved to; empty while untitled.
  const std::string& Name() const { return name_; }
  bool FromRadio() const { return fromRadio_; }
  // How many items a read that did not finish left unread; 0 for every other document.
  int UnreadItems() const { return unreadItems_; }
  // The step Undo would take back: the history's newest, or, once every step since is undone,
  // the read that replaced the document ("Read"); empty when there is none.
  std::string UndoName() const;

  using Edit = std::function<void(RadioImage& image)>;
  using StepNamer = std::function<std::string(const ImageChanges& changes)>;
  // A user's command: `edit` changes the image, and whatever it changed becomes one undo step,
  // named from the change ("Paste into 012"). With a merge key the change may join the newest
  // step (typing into one field; see EditHistory). The band plan is not the edit's to change.
  // True when the image changed.
  bool Change(const StepNamer& name, const Edit& edit, const std::string& mergeKey = {});
  bool Change(const std::string& name, const Edit& edit, const std::string& mergeKey = {});
  // The field being typed into lost the focus: its next change is a step of its own.
  void EndTyping() { history_.EndMerge(); }

  // Take back the newest step or make the last undone one again; false when there is none.
  bool Undo();
  bool Redo();

  // The whole document replaced, with a fresh history. Open: a file's contents, saved as
  // `name`. New: untitled, saved nowhere but counted as saved. Read: what a radio holds,
  // untitled and saved nowhere.
  void Open(RadioImage image, std::string name);
  void New(RadioImage image);
  // A read can be undone once every step since is undone: the document before it comes back
  // whole, with its name, origin, history and Modified. `unreadItems` counts what a read that
  // did not finish left out.
  void Read(RadioImage image, int unreadItems = 0);

  // A save under `name` completed: the present state is the saved one.
  void MarkSaved(std::string name);
  // True: no state counts as saved any more. False: the present one does.
  void SetModified(bool modified);

  // A listener stays registered until removed; the document does not own it.
  void AddListener(DocumentListener* listener);
  void RemoveListener(DocumentListener* listener);

 private:
  void Replace(ChangeKind kind, RadioImage image, std::string name, bool fromRadio);
  bool TellRestored(ChangeKind kind, const ImageChanges* step);
  void TellEach(const std::function<void(DocumentListener&)>& tell);
  void TellChanged(ChangeKind kind, const ImageChanges& changes);
  void TellState();

  RadioImage image_;
  EditHistory history_;
  std::string name_;
  bool fromRadio_ = false;
  int unreadItems_ = 0;
  // The documents reads replaced, newest last, for Undo once a read's steps are undone; the
  // oldest go past kReadsKept.
  static constexpr std::size_t kReadsKept = 8;
  struct BeforeRead {
    RadioImage image;
    EditHistory history;
    std::string name;
    bool fromRadio = false;
    int unreadItems = 0;
  };
  std::vector<BeforeRead> beforeReads_;
  bool UndoRead();
  std::vector<DocumentListener*> listeners_;
};

}  // namespace quorvan

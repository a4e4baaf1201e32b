#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

#include "io/session/RadioFinder.h"

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace quorvan {

class TransferRecorder;

// Radio > Port Select > "Find Radio": tries the serial ports for the radio one at a time,
// lists what each one answered or why not as it goes, and offers the port a radio answered on.
// Cancel stops the search after the port being tried; the ports tried so far stay listed.
class FindRadioDialog : public QDialog {
  Q_OBJECT

 public:
  // `candidates` gives the ports to try; a recorder that is recording gets every exchange.
  FindRadioDialog(std::function<QStringList()> candidates, TransferRecorder* recorder,
                  QWidget* parent = nullptr);

  // Shows the dialog modally while it searches; the port the user chose, or empty.
  QString Run();
  // Starts the search without the modal loop (Run() does this, then shows the dialog).
  void StartSearch();

  bool Searching() const { return finder_.IsRunning(); }
  QListWidget* Results() const { return results_; }
  QLabel* Status() const { return status_; }
  QPushButton* UseButton() const { return use_; }
  QPushButton* CancelButton() const { return cancel_; }
  QString ChosenPort() const { return chosen_; }

 public slots:
  void accept() override;  // "Use Port" and a double-click on a radio
  void reject() override;  // Cancel stops a search; afterwards Close, Escape and the close box

 private:
  void OnTrying(int index, int count, const QString& device);
  void OnPortTried();
  void OnFinished();
  void UpdateUseButton();

  std::function<QStringList()> candidates_;
  TransferRecorder* recorder_;
  RadioFinder finder_;
  QLabel* status_;
  QProgressBar* progress_;
  QListWidget* results_;
  QPushButton* use_;
  QPushButton* cancel_;
  QString chosen_;
};

}  // namespace quorvan

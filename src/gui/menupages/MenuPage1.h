#pragma once

#include "gui/menupages/MenuPageControls.h"

class QLineEdit;

namespace quorvan {

class MessageService;

// "Menu &1": operation band, balance, function switches, power saving, display, DTMF and VOX.
class MenuPage1 : public MenuPageControls {
  Q_OBJECT

 public:
  MenuPage1(Document& document, MessageService& messages, QWidget* parent = nullptr);

 protected:
  void ShowPageSpecific(const MenuSettings& menu, const BandPlan& plan) override;

 private:
  QWidget* BuildBalance();
  QWidget* BuildFunction();
  QWidget* BuildPower();
  QWidget* BuildDisplay();
  QWidget* BuildDtmf();
  QWidget* BuildVox();
  void OnPomEdited(const QString& text);

  MessageService& messages_;
  QLineEdit* pom_ = nullptr;
  char destination_ = '\0';
};

}  // namespace quorvan

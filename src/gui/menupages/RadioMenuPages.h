#pragma once

#include <QObject>
#include <QString>

#include "core/model/BandPlan.h"
#include "core/model/Document.h"
#include "core/model/MenuSettings.h"

class QWidget;

namespace quorvan {

class DocumentSignals;
class MenuPage1;
class MenuPage2;
class MessageService;

// The two radio menu pages put into the main window's "Menu &1" and "Menu &2" tabs. User
// changes are changes of the document; the pages show its menu again whenever a change they
// did not make reaches it.
class RadioMenuPages : public QObject {
  Q_OBJECT

 public:
  RadioMenuPages(Document& document, DocumentSignals& documentSignals, MessageService& messages,
                 QWidget* page1Host, QWidget* page2Host);

  void ShowMenu(const MenuSettings& menu, const BandPlan& plan);
  MenuPage1* Page1() const { return page1_; }
  // What the pages call a menu item ("Battery Saver"), and the page (1 or 2) that holds it;
  // 0 for an item neither page shows.
  QString ItemCaption(int item) const;
  int PageOfItem(int item) const;
  MenuPage2* Page2() const { return page2_; }

 private:
  MenuPage1* page1_;
  MenuPage2* page2_;
};

}  // namespace quorvan

#include "gui/menupages/RadioMenuPages.h"

#include <QVBoxLayout>

#include "gui/document/DocumentSignals.h"
#include "gui/menupages/MenuPage1.h"
#include "gui/menupages/MenuPage2.h"

namespace quorvan {

namespace {

// The page fills its tab; a host without a layout gets one.
void PutInto(QWidget* host, QWidget* page) {
  QLayout* layout = host->layout();
  if (!layout) {
    layout = new QVBoxLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
  }
  layout->addWidget(page);
  // Growing with the window, the page keeps its arrangement at the top left.
  layout->setAlignment(page, Qt::AlignLeft | Qt::AlignTop);
}

}  // namespace

RadioMenuPages::RadioMenuPages(Document& document, DocumentSignals& documentSignals,
                               MessageService& messages, QWidget* page1Host, QWidget* page2Host)
    : QObject(page1Host),
      page1_(new MenuPage1(document, messages, page1Host)),
      page2_(new MenuPage2(document, page2Host)) {
  PutInto(page1Host, page1_);
  PutInto(page2Host, page2_);
  connect(&documentSignals, &DocumentSignals::Changed, page1_, &MenuPageControls::FollowChange);
  connect(&documentSignals, &DocumentSignals::Changed, page2_, &MenuPageControls::FollowChange);
  ShowMenu(document.Image().Menu(), document.Image().Plan());
}

QString RadioMenuPages::ItemCaption(int item) const {
  return page1_->HoldsItem(item) ? page1_->ItemCaption(item) : page2_->ItemCaption(item);
}

int RadioMenuPages::PageOfItem(int item) const {
  if (page1_->HoldsItem(item)) return 1;
  return page2_->HoldsItem(item) ? 2 : 0;
}

void RadioMenuPages::ShowMenu(const MenuSettings& menu, const BandPlan& plan) {
  page1_->ShowMenu(menu, plan);
  page2_->ShowMenu(menu, plan);
}

}  // namespace quorvan

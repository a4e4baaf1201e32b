#include "gui/mainwindow/TAboutBox.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/model/Version.h"
#include "gui/mainwindow/ProductLogo.h"

namespace quorvan {

QString TAboutBox::VersionText() {
  return tr("Version 0.00 Beta %1").arg(QString::fromLatin1(kQuorvanVersion));
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(tr("About Quorvan"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* logo = new QLabel(this);
  logo->setPixmap(ProductLogo(48));
  auto* product = new QLabel(tr("Quorvan for the ARVEN and BELTO dual-band radios"), this);
  auto* version = new QLabel(VersionText(), this);
  version->setObjectName(QStringLiteral("Version"));
  auto* license = new QLabel(tr("Free software under the GNU General Public License, version 3 or "
                                "later; it comes with no warranty."),
                             this);
  license->setObjectName(QStringLiteral("License"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* texts = new QVBoxLayout;
  texts->addWidget(product);
  texts->addWidget(version);
  texts->addWidget(license);
  auto* top = new QHBoxLayout;
  top->addWidget(logo);
  top->addLayout(texts);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(buttons);
}

}  // namespace quorvan

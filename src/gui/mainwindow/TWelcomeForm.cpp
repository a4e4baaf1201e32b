#include "gui/mainwindow/TWelcomeForm.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/mainwindow/ProductLogo.h"

namespace quorvan {

TWelcomeForm::TWelcomeForm(QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint), timer_(new QTimer(this)) {
  setObjectName(QStringLiteral("WelcomeForm"));
  setModal(true);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::black);
  palette.setColor(QPalette::WindowText, Qt::white);
  setPalette(palette);

  auto* logo = new QLabel(this);
  logo->setPixmap(ProductLogo(64));
  logo->setAlignment(Qt::AlignCenter);
  auto* name = new QLabel(tr("Quorvan"), this);
  auto* subtitle = new QLabel(tr("Memory channel programming for ARVEN and BELTO"), this);
  QFont bold = font();
  bold.setBold(true);
  QFont big = bold;
  big.setPointSize(bold.pointSize() * 2);
  name->setFont(big);
  subtitle->setFont(bold);
  name->setAlignment(Qt::AlignCenter);
  subtitle->setAlignment(Qt::AlignCenter);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(40, 30, 40, 30);
  layout->addWidget(logo);
  layout->addWidget(name);
  layout->addWidget(subtitle);

  timer_->setSingleShot(true);
  timer_->setInterval(kShowMs);
  connect(timer_, &QTimer::timeout, this, &QDialog::accept);
}

void TWelcomeForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  timer_->start();
}

}  // namespace quorvan

#include "gui/mainwindow/PortMenu.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

#include "gui/common/MessageService.h"
#include "io/serial/PortAdvice.h"

namespace quorvan {

namespace {
const char* const kDeviceProperty = "quorvanDevice";
}

QList<PortChoice> OrderedPortChoices(QList<PortChoice> ports) {
  std::stable_sort(ports.begin(), ports.end(), [](const PortChoice& a, const PortChoice& b) {
    if (a.usbSerial != b.usbSerial) return a.usbSerial;
    return a.device < b.device;
  });
  return ports;
}

PortMenu::PortMenu(QMenu* menu, MessageService& messages, Hooks hooks, QObject* parent)
    : QObject(parent), menu_(menu), messages_(messages), hooks_(std::move(hooks)) {
  for (int n = 1; n <= 4; ++n) {
    QAction* item = AddPortItem(QStringLiteral("Com&%1").arg(n), QStringLiteral("COM%1").arg(n));
    item->setObjectName(QStringLiteral("Com%1").arg(n));
    menu_->addAction(item);
    comItems_.append(item);
  }
  systemSeparator_ = menu_->addSeparator();
  otherItem_ = menu_->addAction(tr("Other..."));
  otherItem_->setObjectName(QStringLiteral("PortOther"));
  connect(otherItem_, &QAction::triggered, this, &PortMenu::AskForDevice);
  findItem_ = menu_->addAction(tr("&Find Radio"));
  findItem_->setObjectName(QStringLiteral("PortFindRadio"));
  findItem_->setEnabled(static_cast<bool>(hooks_.findRadio));
  connect(findItem_, &QAction::triggered, this, &PortMenu::FindRadio);
  connect(menu_, &QMenu::aboutToShow, this, &PortMenu::RefreshSystemPorts);
  UpdateChecks();
}

QAction* PortMenu::AddPortItem(const QString& text, const QString& device) {
  auto* item = new QAction(text, menu_);
  item->setCheckable(true);
  item->setProperty(kDeviceProperty, device);
  // The tick is ours to set: a refused port must not end up ticked.
  connect(item, &QAction::triggered, this, [this, device] { Choose(device); });
  return item;
}

void PortMenu::RefreshSystemPorts() {
  for (QAction* item : std::as_const(systemItems_)) {
    menu_->removeAction(item);
    item->deleteLater();
  }
  systemItems_.clear();
  QList<PortChoice> ports =
      hooks_.listPorts ? OrderedPortChoices(hooks_.listPorts()) : QList<PortChoice>{};
  // A device chosen by path that the system does not list (a pseudo-terminal) stays visible.
  const bool chosenListed = commPort_.startsWith(QStringLiteral("COM")) ||
                            std::any_of(ports.begin(), ports.end(), [this](const PortChoice& p) {
                              return p.device == commPort_;
                            });
  if (!chosenListed) ports.append({commPort_, commPort_, false});
  for (const PortChoice& port : std::as_const(ports)) {
    QString text = port.label;
    text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* item = AddPortItem(text, port.device);
    menu_->insertAction(otherItem_, item);
    systemItems_.append(item);
  }
  UpdateChecks();
}

void PortMenu::ShowChosen(const QString& portName) {
  commPort_ = portName.isEmpty() ? QStringLiteral("COM1") : portName;
  RefreshSystemPorts();
}

void PortMenu::Choose(const QString& portName) {
  if (portName.isEmpty()) return;
  if (!hooks_.checkPort || !hooks_.checkPort(portName)) {
    // The advice on the lines after the message is the catalogue's, in English.
    messages_.Warning(TranslatedMessage(WithPortAccessAdvice(
        tr("%1 is invalid.\nPlease check comport status.").arg(portName), portName)));
    UpdateChecks();  // the chosen item loses its tick, the previous one keeps it
    return;
  }
  commPort_ = portName;
  RefreshSystemPorts();
  emit PortChosen(commPort_);
}

void PortMenu::AskForDevice() {
  const QString path = hooks_.askDevicePath ? hooks_.askDevicePath().trimmed() : QString();
  if (!path.isEmpty()) Choose(path);
  UpdateChecks();
}

void PortMenu::FindRadio() {
  const QString found = hooks_.findRadio ? hooks_.findRadio() : QString();
  if (!found.isEmpty()) Choose(found);
}

void PortMenu::UpdateChecks() {
  // Exactly one item carries the tick: the one of CommPort; an unknown COM name ticks COM1,
  // the way the settings read it.
  QString ticked = commPort_;
  const bool isCom = commPort_.startsWith(QStringLiteral("COM"));
  if (isCom && !QStringList{"COM2", "COM3", "COM4"}.contains(commPort_)) {
    ticked = QStringLiteral("COM1");
  }
  const auto apply = [&](QAction* item) {
    item->setChecked(item->property(kDeviceProperty).toString() == ticked);
  };
  std::for_each(comItems_.begin(), comItems_.end(), apply);
  std::for_each(systemItems_.begin(), systemItems_.end(), apply);
  if (otherItem_) otherItem_->setChecked(false);
}

}  // namespace quorvan

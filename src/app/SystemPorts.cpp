#include "app/SystemPorts.h"

#include <QInputDialog>
#include <QSerialPortInfo>

#include "io/serial/AdapterInfo.h"

namespace quorvan {

QList<PortChoice> SystemSerialPorts() {
  QList<PortChoice> ports;
  const auto infos = QSerialPortInfo::availablePorts();
  for (const QSerialPortInfo& info : infos) {
    const QString device = info.systemLocation();
    const QString description = info.description().isEmpty() ? info.portName() : info.description();
    QString label = description + QStringLiteral(" (") + device + QStringLiteral(")");
    const QString adapter = AdapterSummaryText(AdapterOf(info));
    if (!adapter.isEmpty()) label += QStringLiteral(", ") + adapter;
    ports.append({label, device, info.hasVendorIdentifier()});
  }
  return ports;
}

QString AskDevicePath(QWidget* parent) {
  bool ok = false;
  const QString path =
      QInputDialog::getText(parent, QStringLiteral("Quorvan"), QInputDialog::tr("Device path:"),
                            QLineEdit::Normal, QStringLiteral("/dev/"), &ok);
  return ok ? path : QString();
}

}  // namespace quorvan

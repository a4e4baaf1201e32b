#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QActionGroup;
class QMenu;

namespace quorvan {

class MessageService;

// A serial port the system reports, as offered in the port menu.
struct PortChoice {
  QString label;   // "description (device)"
  QString device;  // what CommPort holds for it
  bool usbSerial = false;
};

// Orders reported ports for the menu: USB-serial adapters first, then by device name.
QList<PortChoice> OrderedPortChoices(QList<PortChoice> ports);

// The "&Port Select" menu: "Com&1".."Com&4", every port the system reports, "Other..." to
// type a device path and "&Find Radio" to search the ports for the radio. A choice is checked
// with the port test first; a refused port keeps the previous choice in force.
class PortMenu : public QObject {
  Q_OBJECT

 public:
  struct Hooks {
    std::function<bool(const QString&)> checkPort;  // may the port be used now?
    std::function<QList<PortChoice>()> listPorts;   // the system's serial ports
    std::function<QString()> askDevicePath;         // "Other...": empty when cancelled
    // "&Find Radio": the port the user chose of those that answered; empty for none.
    std::function<QString()> findRadio;
  };

  PortMenu(QMenu* menu, MessageService& messages, Hooks hooks, QObject* parent = nullptr);

  // Ticks the item of a port name read from the settings (or preset for this run) without
  // testing it; names other than COM2..COM4 and known devices fall back as the settings do.
  void ShowChosen(const QString& portName);
  const QString& CommPort() const { return commPort_; }
  // Rebuilds the list of reported ports (done each time the menu opens).
  void RefreshSystemPorts();
  // What choosing an item does; exposed so the menu is driven the same way by tests.
  void Choose(const QString& portName);

 signals:
  // A port passed the test and is now CommPort.
  void PortChosen(const QString& portName);

 private:
  QAction* AddPortItem(const QString& text, const QString& device);
  void AskForDevice();
  void FindRadio();
  void UpdateChecks();

  QMenu* menu_;
  MessageService& messages_;
  Hooks hooks_;
  QString commPort_ = QStringLiteral("COM1");
  QList<QAction*> comItems_;
  QList<QAction*> systemItems_;
  QAction* systemSeparator_ = nullptr;
  QAction* otherItem_ = nullptr;
  QAction* findItem_ = nullptr;
};

}  // namespace quorvan

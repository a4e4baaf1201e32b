#pragma once

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <cstdint>
#include <memory>

namespace quorvan {

// The serial component: owns one port, opens it exclusively with its settings, writes and reads
// bytes, and raises commEvent when received data is waiting (in CharEvent mode once per event
// character received). It lives on the user-interface thread; commEvent comes from readyRead.
// Failing operations throw ECommError with the fixed texts.
class TQuentarComm : public QObject {
  Q_OBJECT

 public:
  enum class TCommPort { Com1, Com2, Com3, Com4 };
  // Line speeds in their stored order (600 to 128000 bit/s).
  enum class TBaudRate {
    Baud600,
    Baud1200,
    Baud2400,
    Baud4800,
    Baud9600,
    Baud14400,
    Baud19200,
    Baud38400,
    Baud56000,
    Baud57600,
    Baud115200,
    Baud128000
  };
  enum class TParity { None, Odd, Even, Mark, Space };
  enum class TByteSize { _5bit, _6bit, _7bit, _8bit };
  enum class TStopBits { _1bit, _1_5bit, _2bit };
  enum class TFlowControl { Disable, DtrDsr, XonXoff, RtsCts };
  enum class TEventType { RxEvent, CharEvent };

  static constexpr std::uint32_t kWorkBufferSize = 4096;
  // Waiting bytes that raise commEvent in RxEvent mode.
  static constexpr std::uint32_t kRxThreshold = 256;

  explicit TQuentarComm(QObject* parent = nullptr);
  ~TQuentarComm() override;

  // The settings both transfer dialogs use: 9600 8N1, Xon/Xoff, 1024-byte queues, Xon limit 256,
  // Xoff limit 256, an event on every CR.
  void ApplyTransferSettings();

  // True at once for the port this component holds open; otherwise whether the named device
  // opens exclusively right now (it is closed again at once).
  bool CheckCommportValid(const QString& portName);
  void OpenCommport();
  void CloseCommport();
  bool GetPortStatus() const { return port_->isOpen(); }

  // Reads up to `count` waiting bytes into `buffer`; returns how many were read.
  std::uint32_t ReadData(char* buffer, std::uint32_t count);
  // Up to `count` (at most 4096) waiting bytes as text, one character per byte.
  QByteArray ReadStringData(std::uint32_t count);
  void WriteData(const char* bytes, std::uint32_t count);
  void WriteStringData(const QByteArray& text);
  void ClearInBuff();
  std::int32_t CountInBuff() const;
  std::int32_t CountOutBuff() const;

  // "COM1".."COM4" follow the property; SetPortName takes any other device name or path.
  void SetCommPort(TCommPort port);
  void SetPortName(const QString& name);
  void SetBaudRate(TBaudRate rate);
  void SetParity(TParity parity);
  void SetByteSize(TByteSize size);
  void SetStopBits(TStopBits bits);
  void SetFlowControl(TFlowControl flow);
  void SetEventType(TEventType type) { eventType_ = type; }
  void SetInBuffSize(std::uint32_t size) { inBuffSize_ = size; }
  void SetOutBuffSize(std::uint32_t size) { outBuffSize_ = size; }
  void SetXonSendSize(std::uint16_t size) { rxStartSize_ = size; }
  void SetXoffSendSize(std::uint16_t size) { rxStopSize_ = size; }
  void SetEventChar(std::uint16_t character) { eventChar_ = character; }

  TCommPort CommPort() const { return commPort_; }
  QString PortName() const { return portName_; }
  TBaudRate BaudRate() const { return baudRate_; }
  TParity Parity() const { return parity_; }
  TByteSize ByteSize() const { return byteSize_; }
  TStopBits StopBits() const { return stopBits_; }
  TFlowControl FlowControl() const { return flowControl_; }
  TEventType EventType() const { return eventType_; }
  std::uint32_t InBuffSize() const { return inBuffSize_; }
  std::uint32_t OutBuffSize() const { return outBuffSize_; }
  std::uint16_t RxStartSize() const { return rxStartSize_; }
  std::uint16_t RxStopSize() const { return rxStopSize_; }
  std::uint16_t EventChar() const { return eventChar_; }
  std::uint16_t XonLimit() const { return rxStartSize_; }
  std::uint16_t XoffLimit() const { return static_cast<std::uint16_t>(inBuffSize_ - rxStopSize_); }

  static qint32 BaudRateValue(TBaudRate rate);

 signals:
  // Received data is waiting: `size` bytes.
  void commEvent(quint32 size);
  // The line failed under the open port; `text` is the component's read error text.
  void commError(const QString& text);

 private:
  void OnReadyRead();
  void OnPortError(QSerialPort::SerialPortError error);
  void RaiseCommEvents(int eventCharacters);
  void ApplyLineSettings();
  void CheckOpen() const;

  std::unique_ptr<QSerialPort> port_;
  QByteArray received_;  // the receive queue, bounded by InBuffSize
  bool raisingEvents_ = false;
  bool lineFailed_ = false;  // a failing line is reported once per open
  bool closing_ = false;
  int pendingEvents_ = 0;

  TCommPort commPort_ = TCommPort::Com1;
  QString portName_ = QStringLiteral("COM1");
  TBaudRate baudRate_ = TBaudRate::Baud9600;
  TParity parity_ = TParity::None;
  TByteSize byteSize_ = TByteSize::_8bit;
  TStopBits stopBits_ = TStopBits::_1bit;
  TFlowControl flowControl_ = TFlowControl::Disable;
  TEventType eventType_ = TEventType::RxEvent;
  std::uint32_t inBuffSize_ = 4096;
  std::uint32_t outBuffSize_ = 4096;
  std::uint16_t rxStartSize_ = 1024;
  std::uint16_t rxStopSize_ = 2048;
  std::uint16_t eventChar_ = 65;
};

}  // namespace quorvan

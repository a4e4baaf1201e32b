#pragma once

#include <QDialog>

namespace quorvan {

// "About Quorvan": logo, product family and models, version, OK.
class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  // "Version 0.00 Beta " followed by the program's real version.
  static QString VersionText();
};

}  // namespace quorvan

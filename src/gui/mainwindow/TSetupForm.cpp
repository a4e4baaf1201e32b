#include "gui/mainwindow/TSetupForm.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/model/BandPlan.h"
#include "gui/common/KeyboardOrder.h"

namespace quorvan {

TSetupForm::TSetupForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("SetupForm"));
  setWindowTitle(tr("Quorvan"));
  setModal(true);
  auto* question = new QLabel(tr("Which radio do you have?"), this);
  question->setObjectName(QStringLiteral("SetupQuestion"));
  auto* group = new QGroupBox(this);
  auto* groupLayout = new QVBoxLayout(group);
  for (const SetupChoice& choice : kSetupChoices) {
    auto* button = new QRadioButton(QString::fromLatin1(choice.caption), group);
    groupLayout->addWidget(button);
    choices_.append(button);
  }
  choices_.first()->setChecked(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(question);
  layout->addWidget(group);
  layout->addWidget(buttons);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  EnterRadioGroupsAtChecked(this);
}

int TSetupForm::SelectedIndex() const {
  for (int i = 0; i < choices_.size(); ++i) {
    if (choices_.at(i)->isChecked()) return i;
  }
  return 0;
}

int TSetupForm::ChooseIndex() {
  exec();
  return SelectedIndex();
}

}  // namespace quorvan

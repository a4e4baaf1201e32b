#include "gui/sort/TSortForm.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include "core/model/Document.h"
#include "core/rules/EditStepNames.h"
#include "gui/common/KeyboardOrder.h"

namespace quorvan {

TSortForm::TSortForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      byFrequency_(new QRadioButton(tr("Frequency"), this)),
      byName_(new QRadioButton(tr("Memory Name"), this)) {
  setObjectName(QStringLiteral("SortForm"));
  setWindowTitle(tr("Memory Channel Sort"));
  byFrequency_->setObjectName(QStringLiteral("RadioButton_Frequency"));
  byName_->setObjectName(QStringLiteral("RadioButton_Name"));
  byFrequency_->setChecked(true);

  auto* sort = new QPushButton(tr("&Sort"), this);
  sort->setObjectName(QStringLiteral("Button_Sort"));
  sort->setDefault(true);
  auto* cancel = new QPushButton(tr("&Cancel"), this);
  cancel->setObjectName(QStringLiteral("Button_Cancel"));
  connect(sort, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(sort);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(byFrequency_);
  layout->addWidget(byName_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  EnterRadioGroupsAtChecked(this);
}

SortKey TSortForm::ChosenKey() const {
  return byName_->isChecked() ? SortKey::Name : SortKey::Frequency;
}

bool TSortForm::Run(Document& document) {
  adjustSize();
  if (const QScreen* shown = screen()) {
    move(shown->availableGeometry().center() - rect().center());
  }
  if (exec() != QDialog::Accepted) return false;
  const SortKey key = ChosenKey();
  document.Change(SortStepName(key), [key](RadioImage& image) { SortMemoryChannels(image, key); });
  return true;
}

}  // namespace quorvan

#include "gui/csv/CsvImportDialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/common/KeyboardOrder.h"

namespace quorvan {

CsvImportDialog::CsvImportDialog(int selectedSlot, QWidget* parent)
    : QDialog(parent),
      byLocation_(new QRadioButton(tr("By Location"), this)),
      inFileOrder_(new QRadioButton(tr("From the selected channel on, in file order"), this)) {
  setObjectName(QStringLiteral("CsvImportDialog"));
  setWindowTitle(tr("Import CSV"));
  byLocation_->setObjectName(QStringLiteral("ByLocation"));
  inFileOrder_->setObjectName(QStringLiteral("InFileOrder"));
  byLocation_->setChecked(true);

  const bool offered = selectedSlot >= 0;
  inFileOrder_->setEnabled(offered);
  auto* selected =
      new QLabel(offered ? tr("Selected channel: %1").arg(selectedSlot)
                         : tr("Select a channel from 0 to 399 to place the rows from there on."),
                 this);
  selected->setObjectName(QStringLiteral("SelectedChannel"));

  auto* group = new QGroupBox(tr("Place the rows"), this);
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(byLocation_);
  groupLayout->addWidget(inFileOrder_);
  groupLayout->addWidget(selected);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(buttons);
  EnterRadioGroupsAtChecked(this);
}

bool CsvImportDialog::InFileOrder() const { return inFileOrder_->isChecked(); }

}  // namespace quorvan

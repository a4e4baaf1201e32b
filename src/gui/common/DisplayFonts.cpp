#include "gui/common/DisplayFonts.h"

#include <QFontDatabase>
#include <QStringList>

#include "core/rules/DisplayTexts.h"

namespace quorvan {

QFont DestinationFont(const BandPlan& plan, const QFont& base) {
  QFont font = base;
  const GridFont choice = FontForDestination(plan);
  const std::string_view preferred = FontFamilyName(choice);
  QStringList families{QString::fromUtf8(preferred.data(), static_cast<int>(preferred.size()))};
  if (choice == GridFont::Japanese) {
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    if (!japanese.isEmpty()) families.append(japanese.first());
  }
  font.setFamilies(families);
  font.setStyleHint(choice == GridFont::Japanese ? QFont::AnyStyle : QFont::Serif);
  return font;
}

}  // namespace quorvan

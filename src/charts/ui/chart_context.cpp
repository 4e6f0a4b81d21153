#include "charts/ui/chart_context.h"

#include <QInputDialog>
#include <QMenu>

namespace sorvella {

namespace {
void addItems(QMenu& menu, std::span<const MenuItem> items, bool hasSelection) {
  for (const MenuItem& item : items) {
    if (item.submenu) {
      QMenu* sub = menu.addMenu(QString::fromLatin1(item.text));
      addItems(*sub, chartMenu(item.submenu), hasSelection);
      continue;
    }
    QAction* action = menu.addAction(QString::fromLatin1(item.text));
    action->setData(static_cast<int>(item.command));
    action->setEnabled(!item.needsSelection || hasSelection);
  }
}
}  // namespace

std::optional<ChartCommand> popUpChartMenu(std::span<const MenuItem> items, const QPoint& at,
                                           bool hasSelection) {
  QMenu menu;
  addItems(menu, items, hasSelection);
  QAction* chosen = menu.exec(at);
  if (!chosen) return std::nullopt;
  return static_cast<ChartCommand>(chosen->data().toInt());
}

std::optional<int32_t> askPlaceAtCode() {
  bool ok = false;
  const QString label = QString::fromLatin1(chart_text::kPlaceAtCodePrompt) + "\n\n" +
                        QString::fromLatin1(chart_text::kPlaceAtCodeNote);
  const int cid = QInputDialog::getInt(nullptr, QString::fromLatin1(chart_text::kPlaceAtCodeTitle),
                                       label, 0, 0, CCidFont::kMaxCid, 1, &ok);
  if (!ok) return std::nullopt;
  return cid;
}

}  // namespace sorvella

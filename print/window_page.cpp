#include "print/window_page.h"

#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>

namespace dishwright {
namespace {

// Focus, hover and a pressed look belong to the screen, not to the paper.
QStyle::State atRest(QStyle::State state) {
  return state & ~(QStyle::State_HasFocus | QStyle::State_MouseOver | QStyle::State_Sunken);
}

// The frame as QFrame paints it (its own option filler is not public).
void drawFrame(QPainter &painter, const QFrame &frame) {
  QStyleOptionFrame option;
  option.initFrom(&frame);
  option.state = atRest(option.state);
  option.rect = frame.frameRect();
  option.frameShape = frame.frameShape();
  option.lineWidth = frame.lineWidth();
  option.midLineWidth = frame.midLineWidth();
  if (frame.frameShadow() == QFrame::Sunken)
    option.state |= QStyle::State_Sunken;
  else if (frame.frameShadow() == QFrame::Raised)
    option.state |= QStyle::State_Raised;
  frame.style()->drawControl(QStyle::CE_ShapedFrame, &option, &painter, &frame);
}

void drawList(QPainter &painter, const QListView &list) {
  const QWidget *viewport = list.viewport();
  painter.fillRect(viewport->geometry(), viewport->palette().brush(viewport->backgroundRole()));
  drawFrame(painter, list);
  const QAbstractItemModel *rows = list.model();
  if (!rows)
    return;
  painter.save();
  painter.translate(viewport->pos());
  painter.setClipRect(viewport->rect());
  for (int i = 0; i < rows->rowCount(); ++i) {
    const QRect cell = list.visualRect(rows->index(i, 0));
    if (!cell.intersects(viewport->rect()))
      continue;
    drawRow(painter, list, list.palette(), rowText(*rows, i), cell);
  }
  painter.restore();
}

// The button as QPushButton paints it (its own option filler is not public).
void drawButton(QPainter &painter, const QPushButton &button) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.state = atRest(option.state) | QStyle::State_Raised;
  option.text = button.text();
  option.icon = button.icon();
  option.iconSize = button.iconSize();
  if (button.isFlat())
    option.features |= QStyleOptionButton::Flat;
  if (button.autoDefault())
    option.features |= QStyleOptionButton::AutoDefaultButton;
  if (button.isDefault())
    option.features |= QStyleOptionButton::DefaultButton;
  painter.setFont(button.font());
  button.style()->drawControl(QStyle::CE_PushButton, &option, &painter, &button);
}

} // namespace

QString rowText(const QAbstractItemModel &rows, int row) {
  return rows.data(rows.index(row, 0), Qt::DisplayRole).toString();
}

int rowsPerColumn(const QListView &list) {
  const QAbstractItemModel *model = list.model();
  const int rows = model ? model->rowCount() : 0;
  if (rows == 0)
    return 1;
  const int firstLeft = list.visualRect(model->index(0, 0)).left();
  int perColumn = 1;
  while (perColumn < rows && list.visualRect(model->index(perColumn, 0)).left() == firstLeft)
    ++perColumn;
  return perColumn;
}

void drawRow(QPainter &painter, const QListView &list, const QPalette &palette, const QString &text,
             const QRect &cell) {
  QStyleOptionViewItem option;
  option.initFrom(&list);
  option.state = atRest(option.state);
  option.palette = palette;
  option.font = list.font();
  option.fontMetrics = QFontMetrics(option.font);
  option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
  option.textElideMode = list.textElideMode();
  option.features = QStyleOptionViewItem::HasDisplay;
  option.text = text;
  option.rect = cell;
  option.widget = &list;
  list.style()->drawControl(QStyle::CE_ItemViewItem, &option, &painter, &list);
}

void drawWindow(QPainter &painter, const QWidget &window) {
  painter.fillRect(window.rect(), window.palette().brush(window.backgroundRole()));
  for (QObject *child : window.children()) {
    const auto *control = qobject_cast<const QWidget *>(child);
    if (!control || control->isWindow() || control->isHidden())
      continue;
    painter.save();
    painter.translate(control->pos());
    if (const auto *list = qobject_cast<const QListView *>(control))
      drawList(painter, *list);
    else if (const auto *button = qobject_cast<const QPushButton *>(control))
      drawButton(painter, *button);
    painter.restore();
  }
}

} // namespace dishwright

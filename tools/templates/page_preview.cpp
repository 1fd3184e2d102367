#include "tools/templates/page_preview.h"

#include "paper/template_painter.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace dishwright {

PagePreview::PagePreview(QWidget *parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(tr("Page preview"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PagePreview::setPages(const TemplatePainter *pages, const QString &reason) {
  pages_ = pages;
  reason_ = reason;
  page_ = std::clamp(page_, 0, std::max(0, pageCount() - 1));
  setAccessibleDescription(pages_ ? tr("page %1 of %2").arg(page_ + 1).arg(pageCount()) : reason_);
  update();
  emit pageChanged(page_);
}

int PagePreview::pageCount() const { return pages_ ? pages_->pageCount() : 0; }

void PagePreview::setPage(int index) {
  index = std::clamp(index, 0, std::max(0, pageCount() - 1));
  if (index == page_)
    return;
  page_ = index;
  setAccessibleDescription(tr("page %1 of %2").arg(page_ + 1).arg(pageCount()));
  update();
  emit pageChanged(page_);
}

QSize PagePreview::sizeHint() const {
  const int em = fontMetrics().height();
  return {em * 30, em * 34};
}

QSize PagePreview::minimumSizeHint() const {
  const int em = fontMetrics().height();
  return {em * 12, em * 12};
}

void PagePreview::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Mid));
  if (!pages_) {
    painter.setPen(palette().color(QPalette::Text));
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, reason_);
    return;
  }
  // The page keeps its proportions inside a small border of the window's colour.
  const TilingPlan &plan = pages_->sheet().plan();
  const double border = fontMetrics().height() / 2.0;
  const double k = std::min((width() - 2 * border) / plan.pageWidthMm,
                            (height() - 2 * border) / plan.pageHeightMm);
  if (!(k > 0))
    return;
  painter.translate((width() - k * plan.pageWidthMm) / 2, (height() - k * plan.pageHeightMm) / 2);
  painter.scale(k, k);
  pages_->paintPage(painter, page_);
}

void PagePreview::keyPressEvent(QKeyEvent *event) {
  switch (event->key()) {
  case Qt::Key_PageDown:
  case Qt::Key_Right:
    setPage(page_ + 1);
    break;
  case Qt::Key_PageUp:
  case Qt::Key_Left:
    setPage(page_ - 1);
    break;
  case Qt::Key_Home:
    setPage(0);
    break;
  case Qt::Key_End:
    setPage(pageCount() - 1);
    break;
  default:
    QWidget::keyPressEvent(event);
  }
}

} // namespace dishwright

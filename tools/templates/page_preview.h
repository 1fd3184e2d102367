// A page of a template as it will print, scaled to fit: only the page on view is
// drawn, each time from the template's own drawing code.
#pragma once

#include <QString>
#include <QWidget>

namespace dishwright {

class TemplatePainter;

class PagePreview : public QWidget {
  Q_OBJECT
public:
  explicit PagePreview(QWidget *parent = nullptr);

  // Shows `pages` from its first page; null shows `reason` instead. The preview
  // keeps the pointer: the owner clears it before the pages go.
  void setPages(const TemplatePainter *pages, const QString &reason = {});
  int page() const { return page_; }
  int pageCount() const;
  void setPage(int index);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

signals:
  void pageChanged(int index);

protected:
  void paintEvent(QPaintEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;

private:
  const TemplatePainter *pages_ = nullptr;
  QString reason_;
  int page_ = 0;
};

} // namespace dishwright

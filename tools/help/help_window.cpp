#include "tools/help/help_window.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QListWidget>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

namespace dishwright {
namespace {

const QUrl kManual(QStringLiteral("qrc:/help/manual.html"));

// The name of the anchor a heading starts with, "" for none.
QString anchorOf(const QTextBlock &block) {
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QStringList names = it.fragment().charFormat().anchorNames();
    if (!names.isEmpty())
      return names.front();
  }
  return {};
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window) {
  setWindowTitle(tr("dishwright manual"));
  contents_ = new QListWidget(this);
  contents_->setAccessibleName(tr("Contents"));
  contents_->setAccessibleDescription(tr("the sections of the manual; Enter shows one"));
  browser_ = new QTextBrowser(this);
  browser_->setAccessibleName(tr("Manual"));
  browser_->setOpenExternalLinks(true);
  browser_->setSource(kManual);
  // The contents take what they need, the page the rest.
  fillContents();
  contents_->setMaximumWidth(contents_->sizeHintForColumn(0) + 2 * contents_->frameWidth() + 24);
  auto *layout = new QHBoxLayout(this);
  layout->addWidget(contents_);
  layout->addWidget(browser_, 1);
  setTabOrder(contents_, browser_);
  connect(contents_, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
    showSection(item->data(Qt::UserRole).toString());
    browser_->setFocus(Qt::OtherFocusReason);
  });
  connect(contents_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem *item) { showSection(item->data(Qt::UserRole).toString()); });
  connect(new QShortcut(QKeySequence::Close, this), &QShortcut::activated, this, &QWidget::close);
  connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
  resize(780, 560);
}

void HelpWindow::fillContents() {
  for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next()) {
    const QString anchor = anchorOf(block);
    if (block.blockFormat().headingLevel() != 2 || anchor.isEmpty())
      continue;
    auto *item = new QListWidgetItem(block.text(), contents_);
    item->setData(Qt::UserRole, anchor);
  }
}

void HelpWindow::showSection(const QString &anchor) {
  QUrl at = kManual;
  at.setFragment(anchor);
  browser_->setSource(at);
  for (int row = 0; row < contents_->count(); ++row)
    if (contents_->item(row)->data(Qt::UserRole).toString() == anchor) {
      const QSignalBlocker quiet(contents_);
      contents_->setCurrentRow(row);
    }
}

QString HelpWindow::section() const { return browser_->source().fragment(); }

} // namespace dishwright

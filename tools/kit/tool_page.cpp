#include "tools/kit/tool_page.h"

#include "tools/kit/named_combo_box.h"

#include "calc/common/input_error.h"
#include "tools/kit/result_grid.h"
#include "tools/kit/tool_form.h"

#include <QLabel>

namespace dishwright {

ToolPage::ToolPage(const QString &instructions, QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), instructions_(makeMessageLabel(nullptr)),
      message_(makeMessageLabel(nullptr)), results_(new ResultGrid) {
  useNamedComboBoxes();
  instructions_->setText(instructions);
  if (instructions.isEmpty())
    instructions_->hide(); // stays hidden once in the layout (no parent yet: never show())
  instructions_->setAccessibleName(tr("What to measure"));
  message_->setAccessibleName(tr("Problem with the inputs"));
}

void ToolPage::refresh() {
  results()->clearValues(); // a figure shown must belong to the inputs shown
  forget();
  problem_.clear();
  try {
    compute();
    showHint(message(), QString());
  } catch (const InputError &e) {
    problem_ = QString::fromUtf8(e.what());
    showError(message(), problem_);
  }
  draw();
  emit resultChanged();
}

} // namespace dishwright

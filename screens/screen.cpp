#include "screens/screen.h"

#include "screens/control_factory.h"
#include "screens/row_list_model.h"
#include "screens/screen_style.h"
#include "screens/window_menu_bar.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <functional>

namespace dishwright {
namespace {

// The top-level window of a screen; its close box unloads the screen unless
// `onClose` refuses (returns false), and then the window stays as it is.
class ScreenWindow : public QWidget {
  Q_OBJECT

public:
  explicit ScreenWindow(std::function<bool()> onClose) : onClose_(std::move(onClose)) {}
  // What Enter or Space does when no control has the focus: on the link screen,
  // whose labels never take it, they open the link.
  void setActivation(std::function<void()> activate) { activate_ = std::move(activate); }

protected:
  void closeEvent(QCloseEvent *event) override {
    if (onClose_ && !onClose_())
      event->ignore();
    else
      event->accept();
  }
  void keyPressEvent(QKeyEvent *event) override {
    const int key = event->key();
    if (activate_ && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
        event->modifiers() == Qt::NoModifier && !event->isAutoRepeat()) {
      activate_();
      return;
    }
    QWidget::keyPressEvent(event);
  }

private:
  std::function<bool()> onClose_;
  std::function<void()> activate_;
};

// Screen readers see each screen as a frame of its own, not as a plain pane.
QAccessibleInterface *accessibleScreenWindow(const QString &className, QObject *object) {
  if (className == QLatin1String("dishwright::ScreenWindow") && object->isWidgetType())
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
  return nullptr;
}

} // namespace

Screen::Screen(const WindowSpec &window, std::vector<ControlSpec> controls)
    : spec_(window), controlSpecs_(std::move(controls)) {
  static const bool registered = [] {
    QAccessible::installFactory(accessibleScreenWindow);
    return true;
  }();
  Q_UNUSED(registered);
}

Screen::~Screen() { delete window_.data(); }

QString Screen::text(const QString &name) const {
  QWidget *w = control(name);
  if (auto *edit = qobject_cast<QLineEdit *>(w))
    return edit->text();
  if (auto *edit = qobject_cast<QTextEdit *>(w))
    return edit->toPlainText();
  if (auto *button = qobject_cast<QAbstractButton *>(w))
    return button->text();
  if (auto *label = qobject_cast<QLabel *>(w))
    return label->text();
  return {};
}

QString Screen::text(Field field) const {
  QWidget *w = control(field);
  return w ? text(w->objectName()) : QString();
}

void Screen::build() {
  auto *window = new ScreenWindow([this] {
    if (mayClose_ && !mayClose_())
      return false;
    emit closedByUser();
    return true;
  });
  window_ = window;
  window->setWindowTitle(QString::fromUtf8(spec_.title));
  // The screens' own light colours, not the desktop theme's; see screenPalette().
  window->setPalette(screenPalette());
  // Every control has a design font; the desktop's default font is never needed.
  window->setFont(designFont(kDefaultFont));
  // The menu bar on top, the client area the controls are placed in below it: the
  // window is as much taller as the bar is high, and the controls keep their places.
  menuBar_ = makeWindowMenuBar(window);
  client_ = new QWidget(window);
  client_->setObjectName(QStringLiteral("clientArea"));
  auto *layout = new QVBoxLayout(window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(menuBar_);
  layout->addWidget(client_, 1);
  const int width = twipsToPixels(spec_.clientWidth), height = twipsToPixels(spec_.clientHeight);
  const int barHeight = menuBar_->heightForWidth(width);
  if (spec_.fixedFrame) {
    window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    window->setFixedSize(width, barHeight + height);
  } else {
    window->resize(width, barHeight + height);
  }
  if (spec_.fixedLeft >= 0) // the corner under the title bar, not the frame's
    window->setGeometry(twipsToPixels(spec_.fixedLeft), twipsToPixels(spec_.fixedTop), width,
                        barHeight + height);
  if (spec_.background != Colour::Default) {
    QPalette p = client_->palette();
    p.setColor(QPalette::Window, designColour(spec_.background));
    client_->setPalette(p);
    client_->setAutoFillBackground(true);
  }
  rows_ = new RowListModel(window);
  for (const ControlSpec &design : controlSpecs_) {
    ControlHooks hooks;
    hooks.rows = rows_;
    hooks.onClick = [this, command = design.command] { emit clicked(command); };
    QWidget *w = dishwright::makeControl(design, client_, hooks);
    controls_.insert(QString::fromUtf8(design.name), w);
    if (design.field != Field::None)
      fields_.insert(design.field, w);
    if (design.command == Command::OpenLink)
      window->setActivation([this] { emit clicked(Command::OpenLink); });
  }
  setTabOrder();
  arrange();
}

// Chains the controls that have tab stops by their place in the tab order.
void Screen::setTabOrder() {
  std::vector<const ControlSpec *> stops;
  for (const ControlSpec &design : controlSpecs_)
    if (design.tabStop)
      stops.push_back(&design);
  std::sort(stops.begin(), stops.end(),
            [](const ControlSpec *a, const ControlSpec *b) { return a->tab < b->tab; });
  for (std::size_t i = 1; i < stops.size(); ++i)
    QWidget::setTabOrder(control(QString::fromUtf8(stops[i - 1]->name)),
                         control(QString::fromUtf8(stops[i]->name)));
  firstFocus_ = stops.empty() ? nullptr : control(QString::fromUtf8(stops.front()->name));
}

void Screen::load(DesignValues &values) {
  loadedWith_ = values;
  build();
  calculate(values, *this);
  rows_->publish();
  focusPending_ = true;
}

void Screen::bringToFront() {
  if (!window_)
    return;
  if (focusPending_ && firstFocus_)
    firstFocus_->setFocus(Qt::OtherFocusReason);
  focusPending_ = false;
  // A minimised window comes back as it was (maximised or not), in front and active.
  if (window_->isMinimized())
    window_->setWindowState((window_->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void Screen::unload() {
  if (!window_)
    return;
  QWidget *window = window_;
  window_ = nullptr;
  client_ = nullptr;
  menuBar_ = nullptr;
  controls_.clear();
  fields_.clear();
  rows_ = nullptr;
  firstFocus_ = nullptr;
  window->hide();
  window->deleteLater();
}

void Screen::calculate(DesignValues &, FieldSink &) {}

void Screen::arrange() {}

void Screen::setText(Field field, std::string_view text) {
  QWidget *w = control(field);
  QString value = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (auto *edit = qobject_cast<QLineEdit *>(w)) {
    edit->setText(value);
    fitFigure(edit, specOf(field).font);
  } else if (auto *multi = qobject_cast<QTextEdit *>(w)) {
    multi->setPlainText(value);
  }
}

const ControlSpec &Screen::specOf(Field field) const {
  return *std::find_if(controlSpecs_.begin(), controlSpecs_.end(),
                       [field](const ControlSpec &c) { return c.field == field; });
}

void Screen::appendRow(std::string_view row) { rows_->appendQuietly(row); }

} // namespace dishwright

#include "screen.moc"

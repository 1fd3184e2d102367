#include "screens/control_factory.h"

#include "screens/control_names.h"

#include "screens/row_list_model.h"
#include "screens/screen_style.h"

#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>

#include <limits>

namespace dishwright {
namespace {

// A label that reports clicks: the web page link.
class LinkLabel : public QLabel {
public:
  LinkLabel(const QString &text, QWidget *parent, std::function<void()> onClick)
      : QLabel(text, parent), onClick_(std::move(onClick)) {}

protected:
  void mouseReleaseEvent(QMouseEvent *event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        onClick_)
      onClick_();
  }

private:
  std::function<void()> onClick_;
};

// A text field. It takes a text of any length (a paste is never cut), and shows the
// start of its text again when the focus leaves it, so no figure is left scrolled.
class FieldEdit : public QLineEdit {
public:
  explicit FieldEdit(QWidget *parent) : QLineEdit(parent) {
    setMaxLength(std::numeric_limits<int>::max());
  }

protected:
  void focusOutEvent(QFocusEvent *event) override {
    QLineEdit::focusOutEvent(event);
    setCursorPosition(0);
  }
};

// A push button that Enter and the keypad's Enter press, as Space does.
class ScreenButton : public QPushButton {
public:
  using QPushButton::QPushButton;

protected:
  void keyPressEvent(QKeyEvent *event) override {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier)
      animateClick();
    else
      QPushButton::keyPressEvent(event);
  }
};

void applyColours(QWidget *w, const ControlSpec &design, QPalette::ColorRole textRole,
                  QPalette::ColorRole backRole) {
  QPalette p = w->palette();
  if (design.foreground != Colour::Default)
    p.setColor(textRole, designColour(design.foreground));
  if (design.background != Colour::Default)
    p.setColor(backRole, designColour(design.background));
  w->setPalette(p);
}

QWidget *makeText(const ControlSpec &design, QWidget *parent) {
  auto *edit = new FieldEdit(parent);
  edit->setFont(designFont(design.font)); // before the text, so it is laid out once
  edit->setText(QString::fromUtf8(design.text));
  edit->setAlignment(design.centred ? Qt::AlignHCenter | Qt::AlignVCenter
                                    : Qt::AlignLeft | Qt::AlignVCenter);
  edit->setCursorPosition(0);
  applyColours(edit, design, QPalette::Text, QPalette::Base);
  return edit;
}

QWidget *makeMultiText(const ControlSpec &design, QWidget *parent) {
  auto *edit = new QTextEdit(parent);
  edit->setAcceptRichText(false);
  edit->setTabChangesFocus(true);
  edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit->setLineWrapMode(QTextEdit::WidgetWidth);
  edit->document()->setDocumentMargin(1);
  edit->setFont(designFont(design.font)); // before the text, so the layout uses it
  // The design texts break lines with CR LF; the editor's own break is LF.
  edit->setPlainText(QString::fromUtf8(design.text).replace(QStringLiteral("\r\n"), "\n"));
  if (design.centred) {
    edit->selectAll();
    edit->setAlignment(Qt::AlignHCenter);
  }
  edit->moveCursor(QTextCursor::Start);
  applyColours(edit, design, QPalette::Text, QPalette::Base);
  return edit;
}

// A read-only view of the screen's rows, every row the same height.
QListView *newRowView(QWidget *parent, RowListModel *rows) {
  auto *list = new QListView(parent);
  list->setModel(rows);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setUniformItemSizes(true);
  return list;
}

QWidget *makeList(const ControlSpec &design, QWidget *parent, RowListModel *rows) {
  QListView *list = newRowView(parent, rows);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  applyColours(list, design, QPalette::Text, QPalette::Base);
  return list;
}

// Six columns, each a sixth of the list's inner width, filled top to bottom.
QWidget *makeColumnList(const ControlSpec &design, QWidget *parent, RowListModel *rows) {
  QListView *list = newRowView(parent, rows);
  list->setFlow(QListView::TopToBottom);
  list->setWrapping(true);
  list->setResizeMode(QListView::Adjust);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  list->setFont(designFont(design.font));
  int inner = twipsToPixels(design.width) - 2 * list->frameWidth();
  list->setGridSize(QSize(inner / 6, list->fontMetrics().height()));
  return list;
}

QWidget *makePicture(const ControlSpec &design, QWidget *parent) {
  auto *picture = new QLabel(parent);
  picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  picture->setLineWidth(2);
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picture->setPixmap(QPixmap(QString::fromUtf8(design.text)));
  return picture;
}

QWidget *makeLabel(const ControlSpec &design, QWidget *parent, const ControlHooks &hooks) {
  QString text = QString::fromUtf8(design.text);
  QLabel *label = design.kind == Kind::Link ? new LinkLabel(text, parent, hooks.onClick)
                                            : new QLabel(text, parent);
  label->setWordWrap(true);
  label->setAlignment((design.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
  applyColours(label, design, QPalette::WindowText, QPalette::Window);
  return label;
}

QWidget *makeWidget(const ControlSpec &design, QWidget *parent, const ControlHooks &hooks) {
  switch (design.kind) {
  case Kind::Text:
    return makeText(design, parent);
  case Kind::MultiText:
    return makeMultiText(design, parent);
  case Kind::Button: {
    auto *button = new ScreenButton(QString::fromUtf8(design.text), parent);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button, [f = hooks.onClick] {
      if (f)
        f();
    });
    return button;
  }
  case Kind::List:
    return makeList(design, parent, hooks.rows);
  case Kind::ColumnList:
    return makeColumnList(design, parent, hooks.rows);
  case Kind::Picture:
    return makePicture(design, parent);
  case Kind::Label:
  case Kind::Link:
    return makeLabel(design, parent, hooks);
  }
  return nullptr;
}

Qt::FocusPolicy focusPolicy(const ControlSpec &design) {
  if (design.kind == Kind::Label || design.kind == Kind::Link)
    return Qt::NoFocus;
  return design.tabStop ? Qt::StrongFocus : Qt::ClickFocus;
}

// The first of the design's faces that this desktop has, looked up once in the
// list of installed families: asking the font system about each absent face
// makes it run its whole alias configuration, which costs more than a screen.
const QString &designFamily() {
  static const QString family = [] {
    const QStringList installed = QFontDatabase::families();
    for (const char *face :
         {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arimo", "DejaVu Sans"})
      if (installed.contains(QLatin1String(face), Qt::CaseInsensitive))
        return QString::fromLatin1(face);
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  }();
  return family;
}

} // namespace

QFont designFont(const FontSpec &design) {
  QFont font;
  font.setFamily(designFamily());
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(design.pixelSize);
  font.setBold(design.bold);
  font.setItalic(design.italic);
  font.setUnderline(design.underline);
  return font;
}

QColor designColour(Colour colour) {
  const QPalette p = screenPalette();
  switch (colour) {
  case Colour::Default:
    return {};
  case Colour::WindowText:
    return p.color(QPalette::Text);
  case Colour::WindowBackground:
    return p.color(QPalette::Base);
  case Colour::Highlight:
    return p.color(QPalette::Highlight);
  case Colour::Blue:
    return QColor(0, 0, 255);
  case Colour::Red:
    return QColor(255, 0, 0);
  case Colour::White:
    return QColor(255, 255, 255);
  case Colour::LightYellow:
    return QColor(255, 255, 192);
  case Colour::LightGreen:
    return QColor(192, 255, 192);
  case Colour::LightCyan:
    return QColor(192, 255, 255);
  case Colour::Aqua:
    return QColor(128, 255, 255);
  }
  return {};
}

void fitFigure(QLineEdit *edit, const FontSpec &design) {
  // The room the edit gives its text: its width less the frame and its own margin
  // of two pixels on each side, and one pixel for the cursor.
  constexpr int kEditMargin = 2;
  constexpr int kSmallestPixelSize = 6;
  const int frame = edit->hasFrame()
                        ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit)
                        : 0;
  const QMargins margins = edit->textMargins();
  const int room =
      edit->width() - 2 * frame - 2 * kEditMargin - margins.left() - margins.right() - 1;
  QFont font = designFont(design);
  for (int size = design.pixelSize; size > kSmallestPixelSize; --size) {
    font.setPixelSize(size);
    if (QFontMetrics(font).horizontalAdvance(edit->text()) <= room)
      break;
  }
  edit->setFont(font);
  edit->setCursorPosition(0);
}

QWidget *makeControl(const ControlSpec &design, QWidget *parent, const ControlHooks &hooks) {
  QWidget *w = makeWidget(design, parent, hooks);
  w->setObjectName(QString::fromUtf8(design.name));
  w->setFont(designFont(design.font));
  w->setGeometry(twipsToPixels(design.left), twipsToPixels(design.top), twipsToPixels(design.width),
                 twipsToPixels(design.height));
  w->setFocusPolicy(focusPolicy(design));
  nameControl(w, design);
  return w;
}

} // namespace dishwright

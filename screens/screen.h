// One screen: a single instance for the whole run, whose window and controls
// exist only while it is loaded.
#pragma once

#include "calc/screen_rules/design_values.h"
#include "calc/screen_rules/field_sink.h"
#include "screens/control_spec.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class QMenuBar;

namespace dishwright {

class RowListModel;

class Screen : public QObject, public FieldSink {
  Q_OBJECT

public:
  Screen(const WindowSpec &window, std::vector<ControlSpec> controls);
  ~Screen() override;

  bool isLoaded() const { return !window_.isNull(); }
  // The top-level window: the menu bar above the client area.
  QWidget *window() const { return window_; }
  // The area under the menu bar the controls are placed in, as large as the
  // table's client width and height; positions are measured from its corner.
  QWidget *clientArea() const { return client_; }
  // The window's File, Tools and Help menus (screens/window_menu_bar.h), empty
  // until another part of the program fills them.
  QMenuBar *menuBar() const { return menuBar_; }
  QWidget *control(const QString &name) const { return controls_.value(name); }
  // The control a calculation writes `field` into (or the input step reads it from).
  QWidget *control(Field field) const { return fields_.value(field); }
  // Text shown by a text field, button or label ("" for others).
  QString text(const QString &name) const;
  QString text(Field field) const;
  const RowListModel *rows() const { return rows_; }
  const WindowSpec &windowSpec() const { return spec_; }
  const std::vector<ControlSpec> &controlSpecs() const { return controlSpecs_; }
  // The design values as they were when the screen was last loaded: the design its
  // figures show.
  const DesignValues &loadedWith() const { return loadedWith_; }

  // Builds the window and its controls with their design texts, then runs the
  // load calculation. Throws CalcError when that fails; the caller then unloads.
  void load(DesignValues &values);
  // Shows the window in front of the others, with the focus on the first control
  // of the tab order when it is shown for the first time after a load.
  void bringToFront();
  // Destroys the window and its controls; the instance and its values stay.
  void unload();
  // Asked when the user closes the window (its close box, Alt+F4): false keeps
  // it open and loaded.
  void setCloseGuard(std::function<bool()> mayClose) { mayClose_ = std::move(mayClose); }

signals:
  void clicked(Command command);
  void closedByUser();

protected:
  // The calculation that fills the fields when the screen is loaded.
  virtual void calculate(DesignValues &values, FieldSink &fields);
  // Settles what the table cannot say, such as which of two overlapping controls
  // lies on top; runs after the controls are built.
  virtual void arrange();
  // The control that has the focus when the screen is first shown after a load;
  // by default the first of the tab order.
  void setFirstFocus(QWidget *control) { firstFocus_ = control; }

public:
  // The load calculation writes through these.
  void setText(Field field, std::string_view text) override;
  void appendRow(std::string_view row) override;

private:
  void build();
  void setTabOrder();
  const ControlSpec &specOf(Field field) const;

  WindowSpec spec_;
  std::vector<ControlSpec> controlSpecs_;
  QPointer<QWidget> window_;
  QWidget *client_ = nullptr;
  QMenuBar *menuBar_ = nullptr;
  QHash<QString, QWidget *> controls_;
  QHash<Field, QWidget *> fields_;
  DesignValues loadedWith_;
  RowListModel *rows_ = nullptr;
  QWidget *firstFocus_ = nullptr;
  bool focusPending_ = false;
  std::function<bool()> mayClose_;
};

} // namespace dishwright

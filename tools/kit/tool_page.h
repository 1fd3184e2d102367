// What every tool page does on each change of its inputs: forget the figures of
// the last inputs, work them out again, and say on lines of their own what to
// measure and what is wrong. Pages say only how their figures are worked out.
#pragma once

#include <QString>
#include <QWidget>

class QLabel;

namespace dishwright {

class ResultGrid;

class ToolPage : public QWidget {
  Q_OBJECT
public:
  // `instructions`: what to measure and type, shown above the figures always;
  // a page whose fields say it themselves gives none, and shows no empty line.
  ToolPage(const QString &instructions, QWidget *parent = nullptr, Qt::WindowFlags flags = {});

  // These three have no parent until the page puts them in its layout, so that
  // they take their place in the Tab order where the layout puts them.
  QLabel *instructions() const { return instructions_; }
  // Why the inputs make no figures, in red; "" while they make them or one is blank.
  QLabel *message() const { return message_; }
  ResultGrid *results() const { return results_; }
  // The words of the InputError the last inputs were refused with; "" while they
  // make figures (or one is blank).
  QString problem() const { return problem_; }

signals:
  void resultChanged();

protected:
  // Works out the figures from the inputs into results(); leaves them empty
  // while an input is still blank. Throws InputError for inputs that make none.
  virtual void compute() = 0;
  // Forgets what the last compute() kept besides the figures (called before it).
  virtual void forget() {}
  // Draws what compute() left, or the empty drawing when it failed.
  virtual void draw() {}
  // Runs the cycle; pages connect their inputs' changes to it.
  void refresh();

private:
  QLabel *instructions_;
  QLabel *message_;
  ResultGrid *results_;
  QString problem_;
};

} // namespace dishwright

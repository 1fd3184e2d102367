// The templates window: a design's rib or petals at full size, previewed page by
// page, saved as PDF, SVG or DXF or printed at 100 %. Its fields take numbers as
// the other tool windows do: what is typed is read by the core's grammar, and a
// text that is not a number ("2,5") makes no template and says why.
#pragma once

#include "calc/page_layout/page_tiling.h"
#include "paper/template_writer.h"
#include "tools/kit/design_seed.h"

#include <QString>
#include <QWidget>

#include <memory>

class QComboBox;
class QFormLayout;
class QLabel;
class QPrinter;
class QProgressDialog;
class QPushButton;

namespace dishwright {

class DecimalSpinBox;
class PagePreview;
class TemplatePainter;
class TemplateSheet;
struct TemplateInput;

// A top-level window (also with a parent); the design is copied, later changes
// to the screen's inputs do not reach it.
class TemplateWindow : public QWidget {
  Q_OBJECT
public:
  explicit TemplateWindow(const DesignSeed &seed, QWidget *parent = nullptr);
  ~TemplateWindow() override;

  // Pages of the template as the inputs stand; 0 when they make no template.
  int pageCount() const;
  // Why the inputs make no template, in words; empty when they do.
  QString problem() const { return problem_; }

  // What Save PDF..., Save SVG... and Save DXF... do after their file dialog;
  // false (and the reason shown in the window) when the file could not be written.
  bool savePdf(const QString &path);
  bool saveSvg(const QString &path);
  bool saveDxf(const QString &path); // one sheet in the template's unit, for CNC
  // What Print... does after the print dialog: every page at 100 %.
  void printTo(QPrinter &printer);
  // How long a save or print runs before its progress shows, with Cancel, ms.
  void setProgressAfter(int ms) { progressAfterMs_ = ms; }

signals:
  // The template was remade from changed inputs (or could not be).
  void templateChanged();

private:
  void buildInputs(QFormLayout *design, QFormLayout *cut, const DesignSeed &seed);
  void buildFigures(QFormLayout *figures);
  QWidget *buildPreview();
  void remake();
  void showFigures();
  void showPageLabel(int index);
  void setStatus(const QString &text);
  // The design as typed; throws InputError for a field that makes none.
  TemplateInput input() const;
  int typedCount() const;
  PaperKind paper() const;
  void askPdf();
  void askSvg();
  void askDxf();
  void askPrint();
  void showNotes();

  DecimalSpinBox *fd_ = nullptr;
  DecimalSpinBox *diameter_ = nullptr;
  QComboBox *unit_ = nullptr;
  DecimalSpinBox *frequency_ = nullptr;
  QComboBox *kind_ = nullptr;
  DecimalSpinBox *count_ = nullptr;
  DecimalSpinBox *hub_ = nullptr;
  QComboBox *paper_ = nullptr;
  QFormLayout *figures_ = nullptr;
  QLabel *focal_ = nullptr, *depth_ = nullptr, *ribLength_ = nullptr, *goreLength_ = nullptr,
         *goreWidth_ = nullptr, *goreError_ = nullptr, *pages_ = nullptr;
  QLabel *goresNeeded_ = nullptr; // gores for lambda/16 at the design's frequency
  QLabel *notes_ = nullptr;       // warnings about a design that still makes a template
  QLabel *status_ = nullptr;
  QLabel *pageLabel_ = nullptr;
  PagePreview *preview_ = nullptr;
  QPushButton *previous_ = nullptr, *next_ = nullptr;
  QPushButton *savePdf_ = nullptr, *saveSvg_ = nullptr, *print_ = nullptr;
  QPushButton *saveDxf_ = nullptr;
  PageProgress progressFor(const QString &what);
  std::unique_ptr<QProgressDialog> progress_;
  int progressAfterMs_ = 500; // a job shorter than this shows no progress
  std::unique_ptr<TemplateSheet> sheet_;
  std::unique_ptr<TemplatePainter> painter_;
  QString problem_;
};

} // namespace dishwright

// The templates window: a design's rib or petals at full size, previewed page by
// page, saved as PDF, SVG or DXF or printed at 100 %. Its fields take numbers as
// the other tool windows do: what is typed is read by the core's grammar, and a
// text that is not a number ("2,5") makes no template and says why.
#pragma once

#include "calc/page_layout/page_tiling.h"
#include "paper/template_writer.h"
#include "tools/kit/design_seed.h"
#include "tools/kit/tool_page.h"

#include <QString>

#include <memory>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPrinter;
class QProgressDialog;
class QPushButton;

namespace dishwright {

class PagePreview;
class TemplatePainter;
class TemplateSheet;
struct TemplateInput;

// A top-level window (also with a parent); the design is copied, later changes
// to the screen's inputs do not reach it.
class TemplateWindow : public ToolPage {
  Q_OBJECT
public:
  explicit TemplateWindow(const DesignSeed &seed, QWidget *parent = nullptr);
  ~TemplateWindow() override;

  // Pages of the template as the inputs stand; 0 when they make no template
  // (problem() says why).
  int pageCount() const;

  // What Save PDF..., Save SVG... and Save DXF... do after their file dialog
  // (template_saving.cpp);
  // false (and the reason shown in the window) when the file could not be written.
  bool savePdf(const QString &path);
  bool saveSvg(const QString &path);
  bool saveDxf(const QString &path); // one sheet in the template's unit, for CNC
  // What Print... does after the print dialog: every page at 100 %.
  void printTo(QPrinter &printer);
  // How long a save or print runs before its progress shows, with Cancel, ms.
  void setProgressAfter(int ms) { progressAfterMs_ = ms; }

protected:
  void compute() override;
  void forget() override;
  void draw() override;

private:
  QLayout *buildInputs(const DesignSeed &seed);
  QFormLayout *buildDesign(const DesignSeed &seed);
  QFormLayout *buildCut(const DesignSeed &seed);
  void addFigureRows();
  QWidget *buildPreview();
  QLayout *buildButtons();
  void remember();
  void showFigures();
  void showNotes();
  void showPageLabel(int index);
  void setStatus(const QString &text);
  // The design as typed; throws InputError for a field that makes none.
  TemplateInput input() const;
  int typedCount() const;
  PaperKind paper() const;
  bool petal() const;
  void askPdf();
  void askSvg();
  void askDxf();
  void askPrint();
  QString askFileName(const QString &title, const QString &rib, const QString &petal,
                      const QString &filter);

  QLineEdit *fd_ = nullptr;
  QLineEdit *diameter_ = nullptr;
  QComboBox *unit_ = nullptr;
  QLineEdit *frequency_ = nullptr;
  QComboBox *kind_ = nullptr;
  QLineEdit *count_ = nullptr;
  QLineEdit *hub_ = nullptr;
  QLabel *hubUnit_ = nullptr;
  QComboBox *paper_ = nullptr;
  QLabel *notes_ = nullptr;  // warnings about a design that still makes a template
  QLabel *status_ = nullptr; // what the last save or print did
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
};

} // namespace dishwright

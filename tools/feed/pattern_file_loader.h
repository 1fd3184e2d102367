// A pattern file read on a thread of its own for the feed window, so that the
// window and every other one go on answering while a large file or a slow disk
// is read: a reading that takes over half a second shows how far it has come,
// with Cancel. The window hears of the pattern only once it is read whole.
#pragma once

#include "calc/physics/feed_pattern.h"
#include "tools/feed/pattern_file.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QProgressDialog;
class QTimer;
class QWidget;

namespace dishwright {

class PatternFileLoader : public QObject {
  Q_OBJECT
public:
  // How a file is read, on the reading's thread: readPatternFile, or a stand-in
  // that a test holds until it is stopped.
  using Reading =
      std::function<std::optional<FeedPattern>(const QString &path, PatternFileProgress &)>;

  // The progress shows over `window`, which it keeps from input while it shows.
  explicit PatternFileLoader(QWidget *window);
  // Stops a reading still running and waits for its thread, a line at most.
  ~PatternFileLoader() override;
  PatternFileLoader(const PatternFileLoader &) = delete;
  PatternFileLoader &operator=(const PatternFileLoader &) = delete;

  // Starts reading `path`; a reading still running is cancelled first.
  void load(const QString &path);
  // Stops the reading: nothing is reported of it, and the window keeps what it had.
  void cancel();
  // Whether a reading started and is neither reported nor cancelled.
  bool busy() const { return current_ != nullptr; }
  // The progress of the running reading, while it is shown; else null.
  QProgressDialog *progressDialog() const;

  void setReading(Reading reading) { reading_ = std::move(reading); }
  // How long a reading runs before its progress shows, ms.
  void setProgressAfter(int ms) { progressAfterMs_ = ms; }

signals:
  // The pattern of `path`, read whole.
  void patternRead(const QString &path, const dishwright::FeedPattern &pattern);
  // Why `path` could not be read: "in bad.txt, line 3: ...".
  void readFailed(const QString &path, const QString &why);

private:
  struct Job;
  void finish(const std::shared_ptr<Job> &job);
  void startProgress(const QString &path);
  void showProgress();
  void endProgress();

  QWidget *window_;
  Reading reading_;
  int progressAfterMs_ = 500; // a reading shorter than this shows no progress
  std::shared_ptr<Job> current_;
  std::vector<std::shared_ptr<Job>> running_; // the current one and those cancelled
  std::unique_ptr<QProgressDialog> progress_;
  QTimer *progressTimer_;
};

} // namespace dishwright

#include "tools/feed/pattern_file_loader.h"

#include "calc/common/input_error.h"
#include "paper/file_name.h"

#include <QFileInfo>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <exception>

namespace dishwright {
namespace {

// Steps of the progress bar: tenths of a percent of the bytes to read.
constexpr int kProgressSteps = 1000;
// How often the progress bar follows the reading, ms.
constexpr int kProgressTickMs = 100;

} // namespace

// One reading: its thread fills in the pattern or the error, and the window's
// thread looks at them only once the thread has finished.
struct PatternFileLoader::Job {
  QString path;
  PatternFileProgress progress;
  std::optional<FeedPattern> pattern;
  QString error;
  QThread *thread = nullptr;
};

PatternFileLoader::PatternFileLoader(QWidget *window)
    : QObject(window), window_(window),
      reading_([](const QString &path, PatternFileProgress &progress) {
        return readPatternFile(path, &progress);
      }),
      progressTimer_(new QTimer(this)) {
  progressTimer_->setInterval(kProgressTickMs);
  connect(progressTimer_, &QTimer::timeout, this, &PatternFileLoader::showProgress);
}

PatternFileLoader::~PatternFileLoader() {
  for (const auto &job : running_)
    job->progress.stop = true;
  for (const auto &job : running_) {
    job->thread->wait();
    delete job->thread;
  }
}

void PatternFileLoader::load(const QString &path) {
  cancel();
  auto job = std::make_shared<Job>();
  job->path = path;
  job->thread = QThread::create([job, reading = reading_] {
    try {
      job->pattern = reading(job->path, job->progress);
    } catch (const InputError &e) {
      job->error = QString::fromUtf8(e.what());
    } catch (const std::exception &e) { // out of memory: said, not the program's end
      job->error =
          tr("cannot read %1: %2").arg(shownFileName(QFileInfo(job->path).fileName()), e.what());
    }
  });
  // Delivered on the window's thread, after the reading's last write.
  connect(job->thread, &QThread::finished, this, [this, job] { finish(job); });
  current_ = job;
  running_.push_back(job);
  startProgress(path);
  job->thread->start();
}

void PatternFileLoader::cancel() {
  if (!current_)
    return;
  current_->progress.stop = true;
  current_.reset();
  endProgress();
}

void PatternFileLoader::finish(const std::shared_ptr<Job> &job) {
  running_.erase(std::find(running_.begin(), running_.end(), job));
  job->thread->deleteLater();
  if (job != current_)
    return; // cancelled, or replaced by a newer reading
  current_.reset();
  endProgress();
  if (job->pattern)
    emit patternRead(job->path, *job->pattern);
  else if (!job->error.isEmpty())
    emit readFailed(job->path, job->error);
}

QProgressDialog *PatternFileLoader::progressDialog() const {
  return progress_ && progress_->isVisible() ? progress_.get() : nullptr;
}

// Shown after progressAfterMs_ only, so that a usual pattern, read in a blink,
// shows none; it keeps the feed window from input while it shows, the other
// windows not.
void PatternFileLoader::startProgress(const QString &path) {
  progress_ = std::make_unique<QProgressDialog>(
      tr("Reading %1...").arg(shownFileName(QFileInfo(path).fileName())), tr("Cancel"), 0,
      kProgressSteps, window_);
  progress_->setAccessibleName(tr("reading the pattern file"));
  progress_->setWindowModality(Qt::WindowModal);
  progress_->setAutoReset(false);
  progress_->setAutoClose(false);
  progress_->setMinimumDuration(progressAfterMs_);
  progress_->setValue(0);
  connect(progress_.get(), &QProgressDialog::canceled, this, &PatternFileLoader::cancel);
  progressTimer_->start();
}

void PatternFileLoader::showProgress() {
  if (!current_ || !progress_)
    return;
  const qint64 done = current_->progress.bytesRead;
  const qint64 all = std::max<qint64>(current_->progress.bytesToRead, 1);
  progress_->setValue(
      static_cast<int>(std::min<qint64>(done * kProgressSteps / all, kProgressSteps - 1)));
}

// Later, not at once: Cancel ends the reading from within the dialog's own signal.
void PatternFileLoader::endProgress() {
  progressTimer_->stop();
  if (progress_) {
    progress_->hide();
    progress_.release()->deleteLater();
  }
}

} // namespace dishwright

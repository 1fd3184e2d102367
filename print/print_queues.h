// What the print system says about its queues, asked before a job is drawn so
// that a job that cannot go is reported with its cause instead of vanishing.
#pragma once

#include <QString>

namespace dishwright {

struct QueueState {
  enum class Kind {
    Ready,         // the queue takes jobs
    NoPrintSystem, // the print system does not answer (not running)
    NoPrinters,    // it answers but has no queue
    NoDefault,     // it has queues but none is the default
    NotAccepting,  // the queue refuses new jobs
    Unknown,       // no queue of that name
  };
  Kind kind = Kind::Unknown;
  QString name;    // the queue's name as the printing dialogs show it
  QString message; // the print system's own words about it, or where it was
                   // looked for when it does not answer; "" when none
};

class PrintQueues {
public:
  virtual ~PrintQueues() = default;
  // The queue jobs go to when the user has not picked one.
  virtual QueueState defaultQueue() const = 0;
  // A queue picked by name, as a print dialog names it.
  virtual QueueState queue(const QString &name) const = 0;
  // After a job was handed over to the print system: its reason for refusing
  // the job, "" when it took it.
  virtual QString refusalOfLastJob() const = 0;
};

} // namespace dishwright

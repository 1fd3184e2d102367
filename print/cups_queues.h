// The queues of the CUPS server this program prints through (the one libcups
// finds: CUPS_SERVER, client.conf or the local scheduler).
#pragma once

#include "print/print_queues.h"

namespace dishwright {

class CupsQueues : public PrintQueues {
public:
  QueueState defaultQueue() const override;
  QueueState queue(const QString &name) const override;
  QString refusalOfLastJob() const override;
};

} // namespace dishwright

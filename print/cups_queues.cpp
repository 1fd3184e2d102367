#include "print/cups_queues.h"

#include <cups/cups.h>

#include <cerrno>

namespace dishwright {
namespace {

// libcups reports a scheduler it cannot reach as "service unavailable"; older
// versions leave an internal error with the connection's errno.
bool printSystemUnreachable(ipp_status_t status) {
  return status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE ||
         (status == IPP_STATUS_ERROR_INTERNAL && (errno == ECONNREFUSED || errno == ENOENT));
}

QString lastErrorText() { return QString::fromUtf8(cupsLastErrorString()); }

// Where the scheduler was looked for: libcups's own error text for a refused
// connection ("Bad file descriptor") says nothing a user can act on.
QString unanswered() {
  return QStringLiteral("nothing answers at %1").arg(QString::fromUtf8(cupsServer()));
}

QString option(const cups_dest_t &dest, const char *name) {
  return QString::fromUtf8(cupsGetOption(name, dest.num_options, dest.options));
}

// Qt names a queue's instance "queue/instance", as CUPS's own tools do.
QString dialogName(const cups_dest_t &dest) {
  QString name = QString::fromUtf8(dest.name);
  if (dest.instance)
    name += QLatin1Char('/') + QString::fromUtf8(dest.instance);
  return name;
}

// The reason an operator gave (cupsreject -r) is not among the attributes a
// destination lookup brings, so it is asked for on its own.
QString stateMessage(const cups_dest_t &dest) {
  QByteArray uri = option(dest, "printer-uri-supported").toUtf8();
  if (uri.isEmpty()) {
    char assembled[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, assembled, sizeof assembled, "ipp", nullptr, "localhost",
                     0, "/printers/%s", dest.name);
    uri = assembled;
  }
  ipp_t *request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.constData());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
               "printer-state-message");
  ipp_t *response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"); // frees the request
  ipp_attribute_t *message = ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT);
  QString text = message ? QString::fromUtf8(ippGetString(message, 0, nullptr)) : QString();
  ippDelete(response);
  return text;
}

QueueState stateOf(const cups_dest_t &dest) {
  QueueState state;
  state.name = dialogName(dest);
  if (option(dest, "printer-is-accepting-jobs") == QLatin1String("false")) {
    state.kind = QueueState::Kind::NotAccepting;
    state.message = stateMessage(dest);
  } else {
    state.kind = QueueState::Kind::Ready;
  }
  return state;
}

// Asks for one destination (the default when `name` is null) and says what
// became of it; `absent` is the answer when the server has no such queue.
QueueState lookUp(const char *name, const char *instance, QueueState::Kind absent) {
  cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name, instance);
  if (dest) {
    QueueState state = stateOf(*dest);
    cupsFreeDests(1, dest);
    return state;
  }
  QueueState state;
  const bool unreachable = printSystemUnreachable(cupsLastError());
  state.kind = unreachable ? QueueState::Kind::NoPrintSystem : absent;
  state.message = unreachable ? unanswered() : lastErrorText();
  if (name)
    state.name = QString::fromUtf8(name);
  return state;
}

} // namespace

QueueState CupsQueues::defaultQueue() const {
  QueueState state = lookUp(nullptr, nullptr, QueueState::Kind::NoDefault);
  if (state.kind != QueueState::Kind::NoDefault)
    return state;
  // Only now is the whole list worth fetching: is there any queue at all?
  cups_dest_t *dests = nullptr;
  const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
  const ipp_status_t status = cupsLastError();
  cupsFreeDests(count, dests);
  if (count == 0 && printSystemUnreachable(status)) {
    state.kind = QueueState::Kind::NoPrintSystem;
    state.message = unanswered();
  } else if (count == 0) {
    state.kind = QueueState::Kind::NoPrinters;
  }
  return state;
}

QueueState CupsQueues::queue(const QString &name) const {
  const qsizetype slash = name.indexOf(QLatin1Char('/'));
  const QByteArray queueName = name.left(slash).toUtf8();
  const QByteArray instance = slash < 0 ? QByteArray() : name.mid(slash + 1).toUtf8();
  QueueState state = lookUp(queueName.constData(), slash < 0 ? nullptr : instance.constData(),
                            QueueState::Kind::Unknown);
  state.name = name;
  return state;
}

// Qt's CUPS print engine hands the job over with cupsPrintFile in this thread
// and does not look at the outcome; libcups keeps it as the thread's last error.
QString CupsQueues::refusalOfLastJob() const {
  return cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE ? QString() : lastErrorText();
}

} // namespace dishwright

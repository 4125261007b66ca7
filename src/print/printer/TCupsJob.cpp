#include "print/printer/TCupsJob.h"

#include "app/model/Exception.h"

#include <cups/cups.h>

#include <QStringList>
#include <memory>
#include <vector>

namespace cw::printer {

namespace {

struct IppDeleter
{
    void operator()(ipp_t *ipp) const { ippDelete(ipp); }
};
using TIpp = std::unique_ptr<ipp_t, IppDeleter>;

QString Text(ipp_t *response, const char *name)
{
    ipp_attribute_t *attr = ippFindAttribute(response, name, IPP_TAG_ZERO);
    return attr ? QString::fromUtf8(ippGetString(attr, 0, nullptr)).trimmed() : QString();
}

int Enum(ipp_t *response, const char *name)
{
    ipp_attribute_t *attr = ippFindAttribute(response, name, IPP_TAG_ENUM);
    return attr ? ippGetInteger(attr, 0) : 0;
}

// The state reasons that say something went wrong; the ones that only say
// a job or printer is busy are left out.
QString Reasons(ipp_t *response, const char *name)
{
    ipp_attribute_t *attr = ippFindAttribute(response, name, IPP_TAG_KEYWORD);
    if (!attr)
        return {};
    static const QStringList busy = {QStringLiteral("none"),
                                     QStringLiteral("job-printing"),
                                     QStringLiteral("job-queued"),
                                     QStringLiteral("job-incoming"),
                                     QStringLiteral("job-completed-successfully"),
                                     QStringLiteral("processing-to-stop-point")};
    QStringList reasons;
    for (int i = 0; i < ippGetCount(attr); ++i) {
        const QString reason = QString::fromUtf8(ippGetString(attr, i, nullptr));
        if (!busy.contains(reason))
            reasons << reason;
    }
    return reasons.join(QStringLiteral(", "));
}

QByteArray PrinterUri(const QString &queue)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s",
                     queue.toUtf8().constData());
    return uri;
}

TIpp Ask(ipp_op_t operation, const QString &queue, int id, const std::vector<const char *> &attributes)
{
    ipp_t *request = ippNewRequest(operation);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                 PrinterUri(queue).constData());
    if (id > 0)
        ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", id);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  static_cast<int>(attributes.size()), nullptr, attributes.data());
    TIpp response(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
    if (response && ippGetStatusCode(response.get()) > IPP_STATUS_OK_EVENTS_COMPLETE)
        response.reset();
    return response;
}

} // namespace

int TCupsJob::Submit(const QString &queue, const QString &file, const QString &title, const TOptions &options)
{
    int count = 0;
    cups_option_t *list = nullptr;
    for (const auto &[name, value] : options)
        count = cupsAddOption(name.toUtf8().constData(), value.toUtf8().constData(), count, &list);
    const int id = cupsPrintFile2(CUPS_HTTP_DEFAULT, queue.toUtf8().constData(),
                                  file.toLocal8Bit().constData(), title.toUtf8().constData(), count, list);
    cupsFreeOptions(count, list);
    if (id > 0)
        return id;
    QString reason = QString::fromUtf8(cupsLastErrorString()).trimmed();
    if (reason.isEmpty())
        reason = QStringLiteral("the print system did not answer");
    // A queue removed since it was chosen gets a generic "not found" from
    // the scheduler: say what happened.
    if (cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.toUtf8().constData(), nullptr))
        cupsFreeDests(1, dest);
    else if (cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND)
        reason = QStringLiteral("it is no longer installed");
    throw cw::Exception(QStringLiteral("The printer %1 did not take the print job: %2").arg(queue, reason));
}

TCupsJob::TStatus TCupsJob::Status(const QString &queue, int id)
{
    TStatus status;
    TIpp job = Ask(IPP_OP_GET_JOB_ATTRIBUTES, queue, id,
                   {"job-state", "job-state-reasons", "job-printer-state-message"});
    if (!job)
        return status;
    const int jobState = Enum(job.get(), "job-state");
    QString jobReason = Text(job.get(), "job-printer-state-message");
    if (jobReason.isEmpty())
        jobReason = Reasons(job.get(), "job-state-reasons");

    switch (jobState) {
    case IPP_JSTATE_COMPLETED:
        status.state = TState::Completed;
        return status;
    case IPP_JSTATE_ABORTED:
    case IPP_JSTATE_CANCELED:
        status.state = TState::Failed;
        status.reason = jobReason;
        return status;
    case IPP_JSTATE_STOPPED:
        status.state = TState::Stopped;
        status.reason = jobReason;
        return status;
    case IPP_JSTATE_PENDING:
    case IPP_JSTATE_HELD:
    case IPP_JSTATE_PROCESSING:
        break;
    default:
        return status;
    }
    // A waiting job is stuck when its printer has stopped (disabled, or
    // stopped by a failing filter or device).
    status.state = TState::Waiting;
    TIpp printer = Ask(IPP_OP_GET_PRINTER_ATTRIBUTES, queue, 0,
                       {"printer-state", "printer-state-message", "printer-state-reasons"});
    if (printer && Enum(printer.get(), "printer-state") == IPP_PSTATE_STOPPED) {
        status.state = TState::Stopped;
        status.reason = Text(printer.get(), "printer-state-message");
        if (status.reason.isEmpty())
            status.reason = Reasons(printer.get(), "printer-state-reasons");
        if (status.reason.isEmpty())
            status.reason = jobReason;
    }
    return status;
}

bool TCupsJob::Cancel(const QString &queue, int id)
{
    return cupsCancelJob2(CUPS_HTTP_DEFAULT, queue.toUtf8().constData(), id, 0) == IPP_STATUS_OK;
}

} // namespace cw::printer

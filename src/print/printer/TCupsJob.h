#pragma once
// A sheet handed to a CUPS queue through libcups, and what the scheduler
// says about it afterwards.  Every failure carries the scheduler's own
// reason (a queue that does not accept jobs, a printer that was removed, a
// stopped printer, a filter that failed, a refused permission), so the
// print status can say why a sheet did not print instead of calling it
// cancelled.

#include <QList>
#include <QPair>
#include <QString>

namespace cw::printer {

class TCupsJob
{
public:
    using TOptions = QList<QPair<QString, QString>>;

    enum class TState {
        Waiting,   // pending, held or processing: the printer is at work or will be
        Completed, // the printer has the whole sheet
        Stopped,   // the job, or its printer, stopped: the sheet waits in the queue
        Failed,    // aborted or cancelled by the system: the sheet will not print
        Unknown    // the scheduler does not know the job (any more)
    };

    struct TStatus
    {
        TState state = TState::Unknown;
        // The scheduler's reason when the state is Stopped or Failed: the
        // printer's or job's state message, else their state reasons.
        QString reason;
    };

    // Sends `file` (a PDF sheet) to `queue` with the job title and the
    // options (name, value).  Returns the job id; throws cw::Exception naming
    // the queue and the scheduler's reason when the queue refuses it.
    static int Submit(const QString &queue, const QString &file, const QString &title,
                      const TOptions &options);

    // Where job `id` on `queue` stands now.
    static TStatus Status(const QString &queue, int id);

    // Withdraws job `id` (the user cancelled while it was waiting); false
    // when the scheduler refused.
    static bool Cancel(const QString &queue, int id);
};

} // namespace cw::printer

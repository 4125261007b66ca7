#pragma once
// A private CUPS scheduler for print tests: its own folders, configuration
// and socket inside a folder of the test's, so a test can add, hold and
// remove queues without touching the machine's printers.  While it runs,
// every CUPS client of this process (Qt's printer support, lpadmin, lp,
// lpstat) talks to it.  Start it before the first printer lookup: Qt's CUPS
// support keeps the server it first talked to.

#include <QProcess>
#include <QString>

namespace cw::test {

class PrivateCups
{
public:
    PrivateCups() = default;
    ~PrivateCups() { Stop(); }
    PrivateCups(const PrivateCups &) = delete;
    PrivateCups &operator=(const PrivateCups &) = delete;

    // Why a scheduler cannot run here (it needs root, cupsd and lpadmin), or
    // an empty text.
    static QString Unavailable();

    // Starts cupsd with its files in the folder "cups" made inside `root` (a
    // temporary folder of the test's, opened to the scheduler's helpers).
    // `fileDevice` lets queues print to file: device URIs.  Returns why it
    // did not start, or an empty text.
    QString Start(const QString &root, bool fileDevice = false);
    void Stop();
    bool Running() const { return m_scheduler.state() != QProcess::NotRunning; }
    QString Folder() const { return m_folder; }

    // Writes a file whole (configuration, PPDs); false when it cannot.
    static bool WriteFile(const QString &path, const QByteArray &bytes);

private:
    QProcess m_scheduler;
    QString m_folder;
};

} // namespace cw::test

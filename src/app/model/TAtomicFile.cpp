#include "app/model/TAtomicFile.h"

#include "app/model/Exception.h"

#include <QDir>
#include <QSaveFile>

namespace cw::model {

namespace {

[[noreturn]] void fail(const QString &path, const TAtomicWriteMessage &message, TAtomicWriteStage stage,
                       const QString &reason)
{
    if (message)
        throw EInOutError(message(stage, reason));
    throw EInOutError(QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(path)));
}

} // namespace

void WriteFileAtomically(const QString &path, const QByteArray &bytes, const TAtomicWriteMessage &message)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(path, message, TAtomicWriteStage::Create, file.errorString());
    // Unbuffered: write() reports what reached the file, so a disk that fills
    // up shows as a short count here rather than as a silent loss at commit.
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            break;
        done += n;
    }
    if (done != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        file.commit(); // discards the temporary file; the target is untouched
        fail(path, message, TAtomicWriteStage::Write, reason);
    }
    if (!file.commit())
        fail(path, message, TAtomicWriteStage::Write, file.errorString());
}

} // namespace cw::model

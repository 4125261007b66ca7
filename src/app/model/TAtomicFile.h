#pragma once
// Atomic file writes for everything the program saves: cards, sidecars,
// settings, exported pictures.
//
// What a caller may rely on:
// - The bytes go to a temporary file beside the target, which replaces the
//   target only when every byte has been written.  A failure at any stage
//   (the folder cannot be written, the disk fills up part way, the rename is
//   refused) leaves whatever file was at the path exactly as it was and no
//   temporary file behind.
// - A short write is detected: the temporary file is written unbuffered and
//   the count checked before the commit.  (A buffered QSaveFile in Qt 6.4
//   commits a file cut short when the disk fills during the final flush.)
// - Every failure is a cw::EInOutError.  Its message comes from `message`,
//   called with the stage that failed and the system's reason; without one
//   it is "Unable to write to <path>".

#include <QByteArray>
#include <QString>
#include <functional>

namespace cw::model {

enum class TAtomicWriteStage {
    Create, // the temporary file could not be made (folder missing or read-only)
    Write,  // the bytes could not all be written, or the file not put in place
};

using TAtomicWriteMessage = std::function<QString(TAtomicWriteStage stage, const QString &reason)>;

void WriteFileAtomically(const QString &path, const QByteArray &bytes,
                         const TAtomicWriteMessage &message = {});

} // namespace cw::model

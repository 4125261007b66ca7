#pragma once
// The files around a card design: the one-line sidecar (.CWE) naming the
// background picture, and the automatic names BC0001.CWR … of unnamed designs.

#include <QString>

namespace cw::model {

class TCardFiles
{
public:
    // The card file's path with the extension of its name (from the last full
    // stop of the name) replaced by ".CWE"; ".CWE" appended to a name without one.
    static QString SidecarPath(const QString &cardPath);
    // The first line of the sidecar, or empty when there is none.
    static QString ReadSidecar(const QString &cardPath);
    // Deletes the sidecar when `backgroundFile` is empty; otherwise writes it
    // as one line ended by CR LF, atomically.  Throws cw::EInOutError.
    static void WriteSidecar(const QString &cardPath, const QString &backgroundFile);
    // "BC" + four digits + ".CWR": the first name not present in `folder`,
    // trying 0001 … 9999, then 0000; empty when every name is taken.
    static QString AutomaticFileName(const QString &folder);
};

} // namespace cw::model

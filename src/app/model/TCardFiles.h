#pragma once
// The files around a card design: the one-line sidecar (.CWE) naming the
// background picture, and the automatic names BC0001.CWR … of unnamed designs.

#include <QStringList>

namespace cw::model {

class TCardFiles
{
public:
    // The sidecar a card file gets: its ".CWR" extension replaced by ".CWE"
    // (".cwr" by ".cwe"); any other name, whole, with ".CWE" appended, so
    // that "J.Smith" and "J.Doe" never share one.
    static QString SidecarPath(const QString &cardPath);
    // The card's sidecar as it is on disk, found without regard to letter
    // case (cards copied from other systems carry "card.cwe" or "CARD.CWE");
    // the spelling of SidecarPath first.  Empty when there is none.
    static QString FindSidecar(const QString &cardPath);
    // The first line of the sidecar, or empty when there is none.
    static QString ReadSidecar(const QString &cardPath);
    // Deletes the sidecar when `backgroundFile` is empty; otherwise writes it
    // (under the name it already has, if any) as one line ended by CR LF,
    // atomically.  A picture of the program folder's BG folder is written
    // as "BG/<name>" (TBackgroundArt::SidecarLine).  Throws cw::EInOutError.
    static void WriteSidecar(const QString &cardPath, const QString &backgroundFile);
    // Deletes the card's sidecar in every letter case.  Throws cw::EInOutError.
    static void RemoveSidecar(const QString &cardPath);
    // "BC" + four digits + ".CWR": the first name not present in `folder`,
    // trying 0001 … 9999, then 0000; empty when every name is taken.
    static QString AutomaticFileName(const QString &folder);

private:
    static QStringList ExistingSidecars(const QString &cardPath);
};

} // namespace cw::model

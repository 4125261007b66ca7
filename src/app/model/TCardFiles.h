#pragma once
// The files around a card design: the one-line sidecar (.CWE) naming the
// background picture, the back side's companion card file with its own
// sidecar, and the automatic names BC0001.CWR … of unnamed designs.

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
    // The companion card file holding the back side: "Name.back.cwr" beside
    // "Name.cwr", "Name.BACK.CWR" beside "Name.CWR" (the letter case of the
    // extension is followed); a name without the card extension gets
    // ".BACK.CWR" appended.  The back's background line is in the back
    // file's own sidecar (SidecarPath(BackPath(card)): "Name.back.cwe").
    // The front file stays an ordinary card file that every reader opens.
    static QString BackPath(const QString &cardPath);
    // The back file as it is on disk, found without regard to letter case;
    // empty when the card has none (a one-sided card).
    static QString FindBack(const QString &cardPath);
    // Deletes the back file and its sidecar in every letter case.  Throws
    // cw::EInOutError.
    static void RemoveBack(const QString &cardPath);
    // "BC" + four digits + ".CWR": the first name not present in `folder`,
    // trying 0001 … 9999, then 0000; empty when every name is taken.
    static QString AutomaticFileName(const QString &folder);

private:
    static QStringList ExistingSidecars(const QString &cardPath);
    // `preferred` when it exists, then every other spelling of its name in
    // its folder that differs only in letter case.
    static QStringList ExistingSpellings(const QString &preferred);
};

} // namespace cw::model

#pragma once
// A PDF sheet file that is written whole or not at all, also when the disk
// fills up while the pages are written: the print engine writes into a
// working file beside the target (a short hidden name in the same folder),
// and only a working file that holds the PDF's end-of-file marker replaces
// the target, in one rename.  Until then the file that was there keeps its
// bytes; a working file that was not committed is removed.
//
// The engine's own delivery copies its page file into the working file;
// a disk that fills up while the pages are drawn leaves a page file cut
// short that the copy would take as complete, hence the check here.

#include <QString>

namespace cw::printer {

class TPdfSheetFile
{
public:
    // Reserves the working file.  Throws cw::EInOutError "The file TARGET
    // could not be written." when the target's folder takes no new file.
    explicit TPdfSheetFile(QString target);
    ~TPdfSheetFile();
    TPdfSheetFile(const TPdfSheetFile &) = delete;
    TPdfSheetFile &operator=(const TPdfSheetFile &) = delete;

    QString Target() const { return m_target; }
    // Where the engine writes the sheet.
    QString WorkingFileName() const { return m_working; }

    // Puts the finished working file in the target's place.  Throws
    // cw::EInOutError naming the target when the working file is incomplete
    // or cannot replace the target; the target is then untouched.
    void Commit();

    // True when `path` ends with a PDF end-of-file marker ("%%EOF" followed
    // by at most a line end).
    static bool IsCompletePdf(const QString &path);

private:
    [[noreturn]] void fail() const;

    QString m_target; // as the user named it (messages)
    QString m_final;  // the file replaced: the target, or the file a link names
    QString m_working;
    bool m_committed = false;
};

} // namespace cw::printer

#pragma once
// The designer's side of a merge: the open source, the record the design
// surface shows, the merge bar, the mapping dialog, the merge file beside
// the card, and the hand-over to the print job.
//
// Showing a record gives the surface that record's ten values as its
// personal information, so every object that follows the personal
// information shows the record.  While no merge is open the surface holds
// the user's own personal information (the `OwnInfo` hook).

#include "merge/model/TMergeSource.h"

#include <QObject>
#include <array>
#include <functional>
#include <optional>

namespace cw::model {
class TLabelPrintJob;
}

namespace cw::ui {

class TGBasePanel;
class TMergeBar;

class TMergeController : public QObject
{
    Q_OBJECT

public:
    TMergeController(TGBasePanel &panel, QWidget *barParent);
    ~TMergeController() override;

    // The user's own personal information, shown while no merge is open.
    std::function<std::array<QString, 10>()> OwnInfo;
    // The card file the merge file is kept beside (empty: none yet).
    std::function<QString()> CardFile;

    TMergeBar *Bar() const { return m_bar; }
    bool IsOpen() const { return m_source.has_value(); }
    const model::TMergeSource *Source() const { return m_source ? &*m_source : nullptr; }
    int Current() const { return m_current; }

    // Reads the file as the merge source and shows its first record; the
    // faulty records are listed in one message.  An unreadable file keeps
    // the merge that was open and is reported.  True when the file was read.
    bool OpenSource(const QString &path, const std::optional<model::TMergeMapping> &mapping = std::nullopt);
    void OpenSourceClick();
    void MappingClick();
    void CloseMerge();
    void ShowRecord(int index);
    // The surface's personal information again: the current record, or the
    // user's own while no merge is open.
    void ShowCurrent();

    // Lets the job print one card per record (the bar's cards per record
    // each) and show each record before its card prints.
    void PreparePrint(model::TLabelPrintJob &job);

    // The card was opened: its merge file, when it names a source that is
    // still there, opens that merge; otherwise an open merge ends.
    void CardOpened(const QString &cardPath);
    // The card was saved: the merge file is written, or removed when no
    // merge is open.
    void CardSaved(const QString &cardPath);

private:
    void refreshBar();
    void saveSettings();

    TGBasePanel &m_panel;
    TMergeBar *m_bar;
    std::optional<model::TMergeSource> m_source;
    int m_current = 0;
};

} // namespace cw::ui

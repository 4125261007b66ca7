#pragma once
// One print or preview run of a card sheet: the job settings, the
// job-preparation handler and the composition of every page.
//
// Positions: the card in column c, row r (from 0) has its top-left corner at
// x = LeftMargin + c * HorizontalPitch, y = TopMargin + r * VerticalPitch,
// inches from the sheet's corner (the margins and pitches already hold the
// printer nudges).  Pages come out sheet after sheet, each row by row, left
// to right.  Selection flag k belongs to row k div Across, column k mod
// Across; every position of the sheet has one.
//
// The job is widget-free: the status dialog supplies the hooks that show the
// card number, run pending window events and print the design objects.

#include "print/model/TCardSelection.h"
#include "print/model/TSheetBackground.h"

#include <QString>
#include <array>
#include <functional>
#include <vector>

namespace cw::engine {
class TBaseReport;
}

namespace cw::model {

struct TLabelPrintSettings
{
    int SheetCount = 1;         // sheets to produce (the engine's Copies at hand-over)
    TCardSelection Selection;   // every position at start
    bool PrintTestPage = false; // outlines of the card cells instead of the design
    double CardHeight = 2.0;
    double CardWidth = 3.5;
    int Across = 2;
    int Down = 5;
    double TopMargin = 0.5;
    double LeftMargin = 0.75;
    double HorizontalPitch = 3.5;
    double VerticalPitch = 2.0;
    QString BackgroundFile;
    bool PrintToPrinter = false; // true: print; false: preview
    // A merge of that many records (0: none).  Each record fills
    // CopiesPerRecord cards in a row, over the selected positions in order,
    // on as many sheets as they need; a preview shows the first sheet.
    int MergeRecords = 0;
    int CopiesPerRecord = 1;
    // Of those cards, the sheets from MergeFirstSheet (from 0) on, at most
    // MergeSheetLimit of them (0: every one) - a two-sided job composes a
    // front sheet, then its back.
    int MergeFirstSheet = 0;
    int MergeSheetLimit = 0;
};

class TLabelPrintJob
{
public:
    static constexpr int SelectionCount = TCardSelection::Count;

    TLabelPrintSettings Settings;
    // Set by Stop during a preview; composition ends at its next loop test.
    bool Stopped = false;

    // Hooks (each may be empty).
    // A card is about to be composed: its position number (1 = top left).
    std::function<void(int position)> OnCard;
    // Lets pending window events run (so Cancel and Stop stay live).
    std::function<void()> ProcessEvents;
    // Prints every design object for the card cell at (x, y) inches.
    std::function<void(engine::TBaseReport &, double x, double y)> PrintObjects;
    // A merge record (from 0) is about to print: the design takes its values.
    std::function<void(int record)> ShowRecord;
    // The design surface's printing flag: true while composition runs.
    std::function<void(bool)> SetPrinting;

    TSheetBackground Background;
    void LoadBackGround() { Background.Load(Settings.BackgroundFile); }

    // The job's before-print handler: hands the copies to the driver when it
    // can make them and sets the status format.
    void BeforePrintLabels(engine::TBaseReport &report);
    // The selected positions, in order, that merged cards fill.
    std::vector<int> MergePositions() const;
    // Sheets a merge fills (0 without a merge or without positions).
    int MergeSheets() const;
    // The job's print handler: composes all pages.
    void PrintLabels(engine::TBaseReport &report);
    void PrintBackGround(engine::TBaseReport &report, double x, double y) const;

    // Top-left corner of the card in column c, row r, inches.
    double CardX(int column) const { return Settings.LeftMargin + column * Settings.HorizontalPitch; }
    double CardY(int row) const { return Settings.TopMargin + row * Settings.VerticalPitch; }

    // The status shown when the job has ended ("\r" starts a new line).
    static QString ClosingText(bool aborted, bool printing, bool complexDesign);
    // The status of a print job that ended without putting any page on the
    // printer: the page range chosen starts at firstPage, after the last of
    // the pagesComposed pages.
    static QString NothingPrintedText(int firstPage, int pagesComposed);
    // The status of a print job whose sheet went into a PDF file: it names
    // the file instead of a printer.
    static QString SavedAsText(const QString &pdfFileName);

private:
    void PrintMergedLabels(engine::TBaseReport &report);
    void ComposeCard(engine::TBaseReport &report, int column, int row);
};

} // namespace cw::model

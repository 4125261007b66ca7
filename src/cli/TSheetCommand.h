#pragma once
// cardwright-cli sheet: a sheet of cards written into a PDF file, composed
// by the same print job the designer's Print and "Save Sheet As PDF" run
// (TLabelPrintJob with the layout and printer nudges of the settings file),
// with each design object printing itself.  Needs no printer and no window.
//
//   sheet IN.cwr OUT.pdf [--settings CWR.INI] [--layout N|STOCK] [--paper P]
//                        [--cards 1,2,...] [--copies N] [--outline-test]
//                        [--background PIC] [--merge FILE [--map FIELD=COLUMN ...]
//                        [--per-record N]] [--both-sides] [--binding long|short]
//                        [--registration-test]
//
// --settings reads the layout and nudges from that file instead of the
// program folder's CWR.INI; --layout N takes built-in card layout N (1 = the
// first of the layout dialog's list), --layout STOCK the card stock of that
// key in the stock database ("avery-5371", "russian-a3-5x9"), instead of the
// settings' layout, the nudges still coming from the settings; --paper prints
// on Letter, Legal, A3, A4, A5 or a custom WIDTHxHEIGHT paper ("210x297mm",
// "8.5x11in") instead of the layout's paper; --cards the positions that print
// (1 = top left, row by row; default all); --copies the number of sheets (1
// to 99); --outline-test the outline of every selected card instead of the
// design; --background the picture stretched over every card (a .bmp or a
// .wmf file), instead of the one the card's sidecar file names.
// --both-sides follows every sheet's page with its back page: the card's back
// side placed behind each front card for a sheet turned over about its long
// or short edge (--binding, default: the settings' binding), moved by the
// settings' back-side registration offset; --registration-test prints both
// pages with a cross at every card centre instead of the design.
//
// --merge prints one card per record of a CSV or vCard file over the selected
// positions, on as many sheets as the records need; field labels linked to a
// personal-information field show the record's value.  The columns map to
// the fields by name, or as the card's merge file (.cwm) maps them when it
// names the same source; each --map FIELD=COLUMN[+COLUMN] changes one field
// ("--map Name=First+Last", "--map Fax=" for none).  --per-record N prints
// each record on N cards in a row.  Faulty records are reported as warnings
// naming their line and record; the others print.
//
// Every failure is a cw::Exception with a one-line message; the PDF file
// that was there stays as it was unless the whole sheet was written.

#include "print/model/TBackRegistration.h"
#include "print/model/TCardSelection.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace cw::cli {

class TSheetCommand
{
public:
    static constexpr int MaxCopies = 99;

    struct Options
    {
        QString Card;
        QString Pdf;
        QString Settings;                           // empty: the program folder's CWR.INI
        int Layout = 0;                             // 1-based built-in layout; 0: the settings' layout
        QString Stock;                              // a stock database key instead of Layout
        int Paper = 0;                              // a paper code; 0: the layout's paper
        double PaperWidth = 0, PaperHeight = 0;     // inches, for a custom paper
        std::optional<model::TCardSelection> Cards; // none: every position
        int Copies = 1;
        bool OutlineTest = false;
        std::optional<QString> Background; // none: the card's sidecar
        QString Merge;                     // a CSV or vCard file; empty: no merge
        QStringList Map;                   // FIELD=COLUMN assignments, in order
        int PerRecord = 1;
        bool BothSides = false;
        std::optional<model::TBinding> Binding; // none: the settings' binding
        bool RegistrationTest = false;          // implies both sides
    };

    // The arguments after "sheet".  Throws cw::Exception for an unknown or
    // incomplete option, a value out of range, or missing file names.
    static Options Parse(const QStringList &args);
    // Reads the card and settings and writes the PDF.  Throws cw::Exception
    // for a missing or unreadable file, an unknown layout, a card position
    // that is not on the sheet, or a PDF that could not be written.  Returns
    // warnings, one line each: cards that run off the paper print cut off.
    static QStringList Run(const Options &options);
};

} // namespace cw::cli

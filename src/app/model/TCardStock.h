#pragma once
// One sheet of pre-cut card stock as the layout dialog offers it: who makes
// it, the product codes it is sold under, and its geometry.  Lengths are in
// inches (double precision, as the stock database stores them); the card
// layout takes them as its single-precision inches.

#include "app/model/TCardLayout.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace cw::model {

struct TCardStock
{
    QString Key;         // unique name in the database ("avery-5371", "builtin-0", "user-...")
    QString Maker;       // brand
    QStringList Codes;   // product codes, the first one the main code, then its equivalents
    QString Description; // the maker's words, or the built-in list text
    QString Paper;       // paper name ("A4", "US-Letter", "Other", ...)
    int PaperCode = TCardLayout::PaperLetter;
    double PaperWidth = 8.5;
    double PaperHeight = 11.0;
    double Width = 3.5;
    double Height = 2.0;
    double Round = 0; // corner radius of the card
    double Left = 0.75;
    double Top = 0.5;
    double HPitch = 3.5;
    double VPitch = 2.0;
    int Across = 2;
    int Down = 5;
    int Builtin = -1;  // index of the built-in layout (PredefLayout), -1 for other stocks
    QString Note;      // how the stock differs from another description of the same product
    bool User = false; // measured and named by the user

    // The line the dialog lists: "Avery 5371, 5372, 5376, ... - Business
    // Cards (US-Letter, 2 x 5 = 10 per sheet, 88.9 x 50.8 mm)" (at most three
    // codes); a built-in stock shows its list text.
    QString DisplayText() const;
    // The words a search looks through: maker, codes, description, paper,
    // the card size in mm and inches and the count per sheet.
    QString SearchText() const;
    int Count() const { return Across * Down; }

    // Sets the layout's card size, grid, margins, pitches and paper from the
    // stock (PredefLayout and the stock key are the caller's).
    void ApplyTo(TCardLayout &layout) const;
    // A user stock named `name` measured as `layout`.
    static TCardStock FromLayout(const QString &name, const TCardLayout &layout);

    // The database's JSON form (lengths in inches).  FromJson leaves fields
    // that are absent at their defaults.
    static TCardStock FromJson(const QJsonObject &object);
    QJsonObject ToJson() const;
};

} // namespace cw::model

#include "merge/model/TMergeMapping.h"

#include <QCoreApplication>

namespace cw::model {

namespace {

// Lower-case letters and digits only, accents dropped: "Příjmení" and
// "PRIJMENI" compare equal, so do "E-Mail" and "email".
QString normalised(const QString &text)
{
    QString folded = text.normalized(QString::NormalizationForm_KD).toLower();
    folded.replace(QChar(0x00DF), QStringLiteral("ss"));
    QString out;
    for (const QChar ch : folded)
        if (ch.isLetterOrNumber() && ch.unicode() < 0x0300)
            out += ch;
    return out;
}

// Header names per field, normalised, most specific first.
const std::array<QStringList, TMergeMapping::FieldCount> &synonyms()
{
    static const std::array<QStringList, TMergeMapping::FieldCount> names = {
        QStringList{"name", "fullname", "displayname", "fn", "contact", "person", "jmeno", "celejmeno",
                    "jmenoaprijmeni", "nom", "nomcomplet", "nometprenom", "vollername", "vorundnachname"},
        {"company", "companyname", "organization", "organisation", "org", "firma", "firmenname",
         "unternehmen", "societe", "entreprise", "spolecnost", "organizace"},
        {"title", "jobtitle", "position", "role", "titel", "funktion", "beruf", "poste", "fonction", "titre",
         "pozice", "funkce"},
        {"address1", "address", "street", "streetaddress", "addressline1", "adresse", "adresse1", "strasse",
         "rue", "ulice", "adresa", "adresa1"},
        {"address2", "addressline2", "city", "town", "zipcity", "cityzip", "ort", "plzort", "stadt", "ville",
         "codepostalville", "mesto", "obec", "adresse2", "adresa2"},
        {"address3", "addressline3", "country", "land", "pays", "zeme", "stat", "adresse3", "adresa3"},
        {"phone1", "phone", "tel", "tel1", "telephone", "telephone1", "telefon", "telefon1", "workphone",
         "businessphone", "telefonnicislo"},
        {"phone2", "tel2", "telephone2", "telefon2", "mobile", "mobilephone", "mobil", "cell", "cellphone",
         "handy", "portable", "gsm", "mobilni"},
        {"email", "mail", "emailaddress", "email1", "courriel", "adressemail", "epost"},
        {"fax", "telefax", "faxnumber", "telecopie"},
    };
    return names;
}

const QStringList &firstNames()
{
    static const QStringList names{"firstname", "givenname",    "forename", "vorname",
                                   "prenom",    "krestnijmeno", "jmeno"};
    return names;
}

const QStringList &lastNames()
{
    static const QStringList names{"lastname", "surname",      "familyname", "nachname",
                                   "prijmeni", "nomdefamille", "nom"};
    return names;
}

int findColumn(const QStringList &normalisedColumns, const QStringList &wanted, const QList<bool> &used)
{
    for (const QString &name : wanted)
        for (int i = 0; i < normalisedColumns.size(); ++i)
            if (!used[i] && normalisedColumns[i] == name)
                return i;
    return -1;
}

} // namespace

const QStringList &TMergeMapping::FieldNames()
{
    static const QStringList names{"Name",      "Company", "Title",   "Address 1", "Address 2",
                                   "Address 3", "Phone 1", "Phone 2", "EMail",     "Fax"};
    return names;
}

int TMergeMapping::FieldIndex(const QString &name)
{
    const QString wanted = normalised(name);
    for (int i = 0; i < FieldCount; ++i)
        if (normalised(FieldNames()[i]) == wanted)
            return i;
    return -1;
}

TMergeMapping TMergeMapping::Automatic(const QStringList &columns)
{
    TMergeMapping mapping;
    QStringList keys;
    for (const QString &column : columns)
        keys << normalised(column);
    QList<bool> used(columns.size(), false);
    const int first = findColumn(keys, firstNames(), used);
    const int last = findColumn(keys, lastNames(), used);
    const bool splitName = first >= 0 && last >= 0;
    if (splitName) {
        used[first] = used[last] = true;
        mapping.Columns[0] = QStringList{columns[first], columns[last]};
    }
    for (int field = splitName ? 1 : 0; field < FieldCount; ++field) {
        const int column = findColumn(keys, synonyms()[std::size_t(field)], used);
        if (column < 0)
            continue;
        used[column] = true;
        mapping.Columns[std::size_t(field)] = QStringList{columns[column]};
    }
    return mapping;
}

bool TMergeMapping::Assign(const QString &assignment, QString *message, const TMergeTable *table)
{
    const int eq = assignment.indexOf(QLatin1Char('='));
    const int field = eq < 0 ? -1 : FieldIndex(assignment.left(eq));
    if (field < 0) {
        if (message)
            *message = QCoreApplication::translate("TMergeMapping",
                                                   "Unknown field in %1: give one of %2 before the \"=\"")
                           .arg(assignment, FieldNames().join(QStringLiteral(", ")));
        return false;
    }
    QStringList chosen;
    for (const QString &column : assignment.mid(eq + 1).split(QLatin1Char('+'), Qt::SkipEmptyParts)) {
        if (column.trimmed().isEmpty())
            continue;
        if (table && table->ColumnIndex(column) < 0) {
            if (message)
                *message = QCoreApplication::translate(
                               "TMergeMapping", "The merge source has no column \"%1\"; its columns are %2")
                               .arg(column.trimmed(), table->Columns.join(QStringLiteral(", ")));
            return false;
        }
        chosen << column.trimmed();
    }
    Columns[std::size_t(field)] = chosen;
    return true;
}

QStringList TMergeMapping::ToLines() const
{
    QStringList lines;
    for (int field = 0; field < FieldCount; ++field)
        if (!Columns[std::size_t(field)].isEmpty())
            lines << FieldNames()[field] + QLatin1Char('=') +
                         Columns[std::size_t(field)].join(QLatin1Char('+'));
    return lines;
}

TMergeMapping TMergeMapping::FromLines(const QStringList &lines)
{
    TMergeMapping mapping;
    for (const QString &line : lines)
        mapping.Assign(line, nullptr);
    return mapping;
}

bool TMergeMapping::IsEmpty() const
{
    for (const QStringList &columns : Columns)
        if (!columns.isEmpty())
            return false;
    return true;
}

TMergeMapping::TValues TMergeMapping::Values(const TMergeTable &table, int row) const
{
    TValues values;
    if (row < 0 || row >= table.RecordCount())
        return values;
    const QStringList &texts = table.Rows[std::size_t(row)];
    for (int field = 0; field < FieldCount; ++field) {
        QStringList parts;
        for (const QString &column : Columns[std::size_t(field)]) {
            const int index = table.ColumnIndex(column);
            if (index >= 0 && !texts.at(index).trimmed().isEmpty())
                parts << texts.at(index).trimmed();
        }
        values[std::size_t(field)] = parts.join(QLatin1Char(' '));
    }
    return values;
}

} // namespace cw::model

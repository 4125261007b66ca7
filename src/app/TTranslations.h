#pragma once
// The program's texts in the desktop's language: the program's own catalogue
// (compiled into the program) and Qt's catalogue for its standard dialogs and
// buttons.  English, the language the texts are written in, needs none.

#include <QLocale>
#include <QTranslator>

namespace cw::ui {

class TTranslations
{
public:
    TTranslations() = default;
    ~TTranslations();
    TTranslations(const TTranslations &) = delete;
    TTranslations &operator=(const TTranslations &) = delete;

    // Installs the catalogues that match `locale` (its UI languages in order
    // of preference) and removes those of an earlier call.  True when the
    // program's own catalogue was found.
    bool Load(const QLocale &locale);

    // The language of the program's catalogue in use ("de"), empty for English.
    QString Language() const { return m_language; }

    // Where the program's compiled catalogues are.
    static QString CatalogueFolder();

private:
    void Unload();

    QTranslator m_program;
    QTranslator m_qt;
    bool m_programInstalled = false;
    bool m_qtInstalled = false;
    QString m_language;
};

} // namespace cw::ui

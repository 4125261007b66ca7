#include "app/TTranslations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>

namespace cw::ui {

TTranslations::~TTranslations()
{
    Unload();
}

QString TTranslations::CatalogueFolder()
{
    return QStringLiteral(":/i18n");
}

void TTranslations::Unload()
{
    if (m_programInstalled)
        QCoreApplication::removeTranslator(&m_program);
    if (m_qtInstalled)
        QCoreApplication::removeTranslator(&m_qt);
    m_programInstalled = m_qtInstalled = false;
    m_language.clear();
}

bool TTranslations::Load(const QLocale &locale)
{
    Unload();
    // QTranslator tries the locale's UI languages in order ("de-DE", "de",
    // ...); the English texts in the sources need no catalogue.
    if (!m_program.load(locale, QStringLiteral("cardwright"), QStringLiteral("_"), CatalogueFolder()))
        return false;
    m_programInstalled = QCoreApplication::installTranslator(&m_program);
    m_language = m_program.language();
    // Qt's own texts (standard buttons, file and print dialogs) in the same
    // language, when Qt's catalogues are installed.
    if (m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        m_qtInstalled = QCoreApplication::installTranslator(&m_qt);
    return m_programInstalled;
}

} // namespace cw::ui

#include "widgets/Interaction.h"

#include "app/model/ProgramFolder.h"
#include "text/model/TSymbolFonts.h"
#include "text/model/TTextFonts.h"
#include "widgets/DialogPlacement.h"
#include "widgets/TFontDialog.h"

#include <QColorDialog>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>

namespace cw::ui {

namespace {
Interaction *g_installed = nullptr;
QPointer<QWidget> g_mainWindow;
} // namespace

Interaction &Interaction::current()
{
    static QtInteraction qtService;
    return g_installed ? *g_installed : qtService;
}

void Interaction::install(Interaction *service)
{
    g_installed = service;
}

void Interaction::setMainWindow(QWidget *window)
{
    g_mainWindow = window;
}

QWidget *Interaction::mainWindow()
{
    return g_mainWindow.data();
}

void QtInteraction::information(const QString &text)
{
    QMessageBox box(QMessageBox::Information, QCoreApplication::translate("Interaction", "Information"), text,
                    QMessageBox::Ok, mainWindow());
    box.exec();
}

bool QtInteraction::question(const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, mainWindow());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

bool Interaction::questionDefaultNo(const QString &text, const QString &caption)
{
    return question(text, caption);
}

bool QtInteraction::questionDefaultNo(const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, mainWindow());
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

Interaction::Answer Interaction::questionWithCancel(const QString &text, const QString &caption)
{
    return question(text, caption) ? Answer::Yes : Answer::No;
}

Interaction::Answer QtInteraction::questionWithCancel(const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::Question, caption, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, mainWindow());
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void QtInteraction::error(const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, mainWindow());
    box.exec();
}

QList<QUrl> QtInteraction::ProgramPlaces()
{
    QList<QUrl> places;
    for (const QString &folder :
         {model::ProgramFolder::file(QStringLiteral("Saved")),
          QDir(model::ProgramFolder::shippedContent()).filePath(QStringLiteral("samples"))})
        if (QFileInfo(folder).isDir())
            places.append(QUrl::fromLocalFile(QDir::cleanPath(QFileInfo(folder).absoluteFilePath())));
    return places;
}

namespace {
void addProgramPlaces(QFileDialog &dialog)
{
    QList<QUrl> places = dialog.sidebarUrls();
    for (const QUrl &place : QtInteraction::ProgramPlaces())
        if (!places.contains(place))
            places.append(place);
    dialog.setSidebarUrls(places);
}
} // namespace

QString QtInteraction::openFileName(const QString &caption, const QString &folder, const QString &filter)
{
    QFileDialog dialog(mainWindow(), caption, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    addProgramPlaces(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtInteraction::saveFileName(const QString &caption, const QString &folder, const QString &filter,
                                    const QString &defaultSuffix)
{
    QFileDialog dialog(mainWindow(), caption, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    addProgramPlaces(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

std::optional<Interaction::FontChoice> Interaction::chooseFontAndColor(const FontChoice &initial,
                                                                       const QString &caption)
{
    // Such a dialog lists installed families only: it opens on the family
    // that draws the design's font, and that family confirmed unchanged
    // gives back the design's own name.
    if (std::optional<QFont> font = chooseFont(model::TTextFonts::ForFontDialog(initial.font), caption))
        return FontChoice{model::TTextFonts::FromFontDialog(initial.font, *font), initial.color};
    return std::nullopt;
}

namespace {
std::optional<Interaction::FontChoice> runFontDialog(const Interaction::FontChoice &initial,
                                                     const QString &caption, bool withColor)
{
    // Symbol fonts the program draws through its own tables are offered
    // whether installed or not, so a design can always go back to them.
    TFontDialog dialog(Interaction::mainWindow(), model::TSymbolFonts::OfferedFamilies(), withColor);
    if (!caption.isEmpty())
        dialog.setWindowTitle(caption);
    dialog.SetChoice(initial.font, initial.color);
    placeDialog(&dialog, Interaction::mainWindow());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return Interaction::FontChoice{dialog.ChosenFont(), dialog.ChosenColour()};
}
} // namespace

std::optional<QFont> QtInteraction::chooseFont(const QFont &initial, const QString &caption)
{
    if (auto choice = runFontDialog({initial, Qt::black}, caption, false))
        return choice->font;
    return std::nullopt;
}

std::optional<Interaction::FontChoice> QtInteraction::chooseFontAndColor(const FontChoice &initial,
                                                                         const QString &caption)
{
    return runFontDialog(initial, caption, true);
}

std::optional<QColor> QtInteraction::chooseColor(const QColor &initial)
{
    const QColor color = QColorDialog::getColor(initial, mainWindow());
    if (!color.isValid())
        return std::nullopt;
    return color;
}

int QtInteraction::exec(QDialog &dialog)
{
    placeDialog(&dialog, mainWindow());
    return dialog.exec();
}

} // namespace cw::ui

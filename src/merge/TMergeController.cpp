#include "merge/TMergeController.h"

#include "app/model/Exception.h"
#include "design/TGBasePanel.h"
#include "merge/TMergeBar.h"
#include "merge/TMergeMappingDialog.h"
#include "merge/model/TMergeSidecar.h"
#include "print/model/TLabelPrintJob.h"
#include "widgets/DialogPlacement.h"
#include "widgets/Interaction.h"

#include <QDir>
#include <QFileInfo>

namespace cw::ui {

TMergeController::TMergeController(TGBasePanel &panel, QWidget *barParent)
    : m_panel(panel), m_bar(new TMergeBar(barParent))
{
    m_bar->hide();
    connect(m_bar, &TMergeBar::FirstClicked, this, [this] { ShowRecord(0); });
    connect(m_bar, &TMergeBar::PreviousClicked, this, [this] { ShowRecord(m_current - 1); });
    connect(m_bar, &TMergeBar::NextClicked, this, [this] { ShowRecord(m_current + 1); });
    connect(m_bar, &TMergeBar::LastClicked, this,
            [this] { ShowRecord(m_source ? m_source->RecordCount() - 1 : 0); });
    connect(m_bar, &TMergeBar::OpenSourceClicked, this, &TMergeController::OpenSourceClick);
    connect(m_bar, &TMergeBar::MappingClicked, this, &TMergeController::MappingClick);
    connect(m_bar, &TMergeBar::CloseClicked, this, &TMergeController::CloseMerge);
}

TMergeController::~TMergeController() = default;

bool TMergeController::OpenSource(const QString &path, const std::optional<model::TMergeMapping> &mapping)
{
    try {
        model::TMergeSource source = model::TMergeSource::Load(path);
        if (mapping)
            source.Mapping = *mapping;
        const QString problems = source.Table().ProblemReport();
        m_source = std::move(source);
        m_current = 0;
        if (!problems.isEmpty())
            Interaction::current().information(
                tr("Some records of %1 could not be read as they stand:\n\n%2")
                    .arg(QDir::toNativeSeparators(path), problems.section(QLatin1Char('\n'), 0, 19)));
    } catch (const Exception &e) {
        Interaction::current().error(e.message(), tr("Merge"));
        return false;
    }
    m_bar->show();
    ShowCurrent();
    return true;
}

void TMergeController::OpenSourceClick()
{
    const QString card = CardFile ? CardFile() : QString();
    const QString path = Interaction::current().openFileName(
        tr("Open Merge Source"), card.isEmpty() ? QString() : QFileInfo(card).absolutePath(),
        tr("Addresses (*.csv *.txt *.vcf *.vcard);;CSV files (*.csv *.txt);;vCard files (*.vcf *.vcard)"));
    if (path.isEmpty())
        return;
    if (OpenSource(path))
        saveSettings();
}

void TMergeController::MappingClick()
{
    if (!m_source)
        return;
    TMergeMappingDialog dialog(m_bar->window());
    dialog.SetMapping(m_source->Table(), m_source->Mapping);
    placeDialog(&dialog, m_bar->window());
    if (Interaction::current().exec(dialog) != QDialog::Accepted)
        return;
    model::TMergeMapping mapping;
    if (!dialog.Mapping(mapping, nullptr))
        return;
    m_source->Mapping = mapping;
    saveSettings();
    ShowCurrent();
}

void TMergeController::CloseMerge()
{
    if (!m_source)
        return;
    m_source.reset();
    m_current = 0;
    m_bar->hide();
    saveSettings();
    ShowCurrent();
}

void TMergeController::ShowRecord(int index)
{
    if (!m_source)
        return;
    m_current = std::clamp(index, 0, std::max(0, m_source->RecordCount() - 1));
    ShowCurrent();
}

void TMergeController::ShowCurrent()
{
    if (m_source)
        m_panel.setPersonalInfo(m_source->Record(m_current));
    else if (OwnInfo)
        m_panel.setPersonalInfo(OwnInfo());
    refreshBar();
    m_panel.update();
}

void TMergeController::refreshBar()
{
    if (m_source)
        m_bar->SetPosition(m_current, m_source->RecordCount(), m_source->FileName());
}

void TMergeController::PreparePrint(model::TLabelPrintJob &job)
{
    if (!m_source || m_source->RecordCount() == 0)
        return;
    job.Settings.MergeRecords = m_source->RecordCount();
    job.Settings.CopiesPerRecord = m_bar->CardsPerRecord();
    job.ShowRecord = [this](int record) { m_panel.setPersonalInfo(m_source->Record(record)); };
}

void TMergeController::CardOpened(const QString &cardPath)
{
    const std::optional<model::TMergeSettings> saved = model::TMergeSidecar::Read(cardPath);
    if (saved && QFileInfo(saved->SourceFile).isFile()) {
        OpenSource(saved->SourceFile, saved->Mapping);
        return;
    }
    m_source.reset();
    m_bar->hide();
    ShowCurrent();
}

void TMergeController::CardSaved(const QString &cardPath)
{
    if (cardPath.isEmpty())
        return;
    if (m_source)
        model::TMergeSidecar::Write(cardPath, {m_source->FileName(), m_source->Mapping});
    else
        model::TMergeSidecar::Remove(cardPath);
}

void TMergeController::saveSettings()
{
    // The merge file follows the card: written when the card is saved, and
    // at once for a card that has a file, so the mapping is not lost.
    const QString card = CardFile ? CardFile() : QString();
    if (card.isEmpty())
        return;
    try {
        CardSaved(card);
    } catch (const Exception &e) {
        Interaction::current().error(e.message(), tr("Merge"));
    }
}

} // namespace cw::ui

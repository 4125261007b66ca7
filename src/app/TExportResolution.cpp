#include "app/TExportResolution.h"

#include "app/model/Exception.h"
#include "app/model/TIniFile.h"
#include "app/model/TPictureExport.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace cw::ui {

namespace {
const QString SettingsSection = QStringLiteral("Pictures");
const QString DpiKey = QStringLiteral("ExportDpi");
} // namespace

TExportResolution::TExportResolution(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ExportResolution"));
    setWindowTitle(tr("Picture Resolution"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto *group = new QGroupBox(tr(" Resolution "), this);
    ScreenButton = new QRadioButton(tr("&Screen (96 dpi)"), group);
    ScreenButton->setObjectName(QStringLiteral("ScreenButton"));
    ScreenButton->setToolTip(tr("The card as you see it at 100 %: small files for e-mail"));
    PrintButton = new QRadioButton(tr("&Print (300 dpi)"), group);
    PrintButton->setObjectName(QStringLiteral("PrintButton"));
    PrintButton->setToolTip(tr("Sharp when printed or placed in other documents"));
    FineButton = new QRadioButton(tr("&Fine print (600 dpi)"), group);
    FineButton->setObjectName(QStringLiteral("FineButton"));
    FineButton->setToolTip(tr("For print shops and large displays"));
    auto *choices = new QVBoxLayout(group);
    for (QRadioButton *b : {ScreenButton, PrintButton, FineButton})
        choices->addWidget(b);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Ok"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    SetDpi(model::TPictureExport::ScreenDpi);
}

int TExportResolution::Dpi() const
{
    if (FineButton->isChecked())
        return model::TPictureExport::FineDpi;
    if (PrintButton->isChecked())
        return model::TPictureExport::PrintDpi;
    return model::TPictureExport::ScreenDpi;
}

void TExportResolution::SetDpi(int dpi)
{
    if (dpi == model::TPictureExport::FineDpi)
        FineButton->setChecked(true);
    else if (dpi == model::TPictureExport::PrintDpi)
        PrintButton->setChecked(true);
    else
        ScreenButton->setChecked(true);
}

int TExportResolution::RememberedDpi()
{
    const int dpi = model::TIniFile(model::TIniFile::SettingsFileName())
                        .ReadInteger(SettingsSection, DpiKey, model::TPictureExport::ScreenDpi);
    return dpi == model::TPictureExport::PrintDpi || dpi == model::TPictureExport::FineDpi
               ? dpi
               : model::TPictureExport::ScreenDpi;
}

void TExportResolution::RememberDpi(int dpi)
{
    try {
        model::TIniFile(model::TIniFile::SettingsFileName()).WriteInteger(SettingsSection, DpiKey, dpi);
    } catch (const cw::Exception &) {
        // A settings file that cannot be written only loses the reminder.
    }
}

} // namespace cw::ui

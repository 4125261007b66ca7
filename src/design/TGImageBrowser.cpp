#include "design/TGImageBrowser.h"

#include "app/model/Exception.h"
#include "app/model/ProgramFolder.h"
#include "app/model/TIniFile.h"
#include "design/TSmartImage.h"
#include "design/model/TGImage.h"
#include "design/model/TPictureFormats.h"
#include "help/HelpContext.h"
#include "widgets/Interaction.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWhatsThis>

namespace cw::ui {

namespace {
const QString ParentFolder = QStringLiteral("..");
const QString SettingsSection = QStringLiteral("Pictures");
const QString FolderKey = QStringLiteral("ClipArtFolder");

void showLoadError()
{
    Interaction::current().error(QCoreApplication::translate("cw::ui::TGImageBrowser", "Error loading file!"),
                                 QCoreApplication::translate("cw::ui::TGImageBrowser", "Error"));
}
} // namespace

TGImageBrowser::TGImageBrowser(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("GImageBrowser"));
    setWindowTitle(tr("Load Image File "));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    DriveComboBox1 = new QComboBox(this);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    for (const QFileInfo &drive : QDir::drives())
        DriveComboBox1->addItem(drive.absoluteFilePath());
    if (DriveComboBox1->findText(QDir::homePath()) < 0)
        DriveComboBox1->addItem(QDir::homePath());
    DriveComboBox1->setWhatsThis(tr("Where to look for pictures: the root folder or your home folder."));
    PathEdit = new QLineEdit(this);
    PathEdit->setObjectName(QStringLiteral("PathEdit"));
    PathEdit->setWhatsThis(tr("The folder shown. Type another folder, or the full name of a "
                              "picture, and press Enter to go there."));
    DirectoryListBox1 = new QListWidget(this);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DirectoryListBox1->setWhatsThis(tr("Folders: double-click one to open it, \"..\" to go up."));
    FileListBox1 = new QListWidget(this);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FileListBox1->setWhatsThis(tr("The pictures in the folder. Click one to preview it."));

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setMinimumSize(220, 220);
    Image1 = new TSmartImage;
    Image1->setObjectName(QStringLiteral("Image1"));
    ScrollBox1->setWidget(Image1);
    ScrollBox1->setWhatsThis(tr("A preview of the selected picture."));

    OptionsGroup = new QGroupBox(tr(" Options "), this);
    OptionsGroup->setObjectName(QStringLiteral("OptionsGroup"));
    StretchCheck = new QCheckBox(tr("Stretch"), OptionsGroup);
    StretchCheck->setObjectName(QStringLiteral("StretchCheck"));
    StretchCheck->setToolTip(tr("Stretch image to max display size"));
    AutoSizeCheck = new QCheckBox(QStringLiteral("AutoSize"), OptionsGroup);
    AutoSizeCheck->setObjectName(QStringLiteral("AutoSizeCheck"));
    AutoSizeCheck->setToolTip(tr("AutoSize TImage"));
    auto *options = new QHBoxLayout(OptionsGroup);
    options->addWidget(StretchCheck);
    options->addWidget(AutoSizeCheck);

    OKButton = new QPushButton(tr("Ok"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    Cancelbutton = new QPushButton(tr("Cancel"), this);
    Cancelbutton->setObjectName(QStringLiteral("Cancelbutton"));
    Helpbutton = new QPushButton(tr("Help"), this);
    Helpbutton->setObjectName(QStringLiteral("Helpbutton"));
    MouseHelpButton = new QPushButton(QStringLiteral("?"), this);
    MouseHelpButton->setObjectName(QStringLiteral("MouseHelpButton"));
    MouseHelpButton->setToolTip(tr("What's this?"));

    auto *browse = new QVBoxLayout;
    browse->addWidget(DriveComboBox1);
    browse->addWidget(PathEdit);
    browse->addWidget(DirectoryListBox1, 1);
    browse->addWidget(FileListBox1, 1);
    auto *preview = new QVBoxLayout;
    preview->addWidget(ScrollBox1, 1);
    preview->addWidget(OptionsGroup);
    auto *top = new QHBoxLayout;
    top->addLayout(browse, 1);
    top->addLayout(preview, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton *b : {OKButton, Cancelbutton, Helpbutton, MouseHelpButton})
        buttons->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    resize(520, 420);

    connect(DriveComboBox1, &QComboBox::activated, this, [this] { DriveComboBox1Change(); });
    connect(PathEdit, &QLineEdit::returnPressed, this, &TGImageBrowser::PathEditEnter);
    connect(DirectoryListBox1, &QListWidget::itemActivated, this, &TGImageBrowser::DirectoryListBox1Open);
    connect(FileListBox1, &QListWidget::currentRowChanged, this, [this] { FileListBox1Change(); });
    connect(StretchCheck, &QCheckBox::clicked, this, &TGImageBrowser::StretchCheckClick);
    connect(AutoSizeCheck, &QCheckBox::clicked, this, &TGImageBrowser::AutoSizeCheckClick);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(Cancelbutton, &QPushButton::clicked, this, &QDialog::reject);
    connect(Helpbutton, &QPushButton::clicked, this, &TGImageBrowser::HelpbuttonClick);
    connect(MouseHelpButton, &QPushButton::clicked, this, &TGImageBrowser::WhatsthisClick);

    SetOptions(true, false);
    SetFolder(StartFolder());
}

QStringList TGImageBrowser::NameFilters()
{
    return model::TPictureFormats::NameFilters();
}

QString TGImageBrowser::ClipArtFolder()
{
    return model::ProgramFolder::shippedContent() + QStringLiteral("clipart");
}

QString TGImageBrowser::StartFolder()
{
    const QString remembered = model::TIniFile(model::TIniFile::SettingsFileName())
                                   .ReadString(SettingsSection, FolderKey, QString());
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
        return remembered;
    if (QFileInfo(ClipArtFolder()).isDir())
        return ClipArtFolder();
    return QDir::currentPath();
}

void TGImageBrowser::RememberFolder(const QString &folder)
{
    try {
        model::TIniFile(model::TIniFile::SettingsFileName()).WriteString(SettingsSection, FolderKey, folder);
    } catch (const cw::Exception &) {
        // A settings file that cannot be written only loses the reminder.
    }
}

void TGImageBrowser::SetFolder(const QString &folder)
{
    const QDir dir(folder);
    m_folder = dir.absolutePath();
    PathEdit->setText(QDir::toNativeSeparators(m_folder));
    DirectoryListBox1->clear();
    if (!dir.isRoot())
        DirectoryListBox1->addItem(ParentFolder);
    DirectoryListBox1->addItems(
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
    const QSignalBlocker quiet(FileListBox1);
    FileListBox1->clear();
    // QDir matches the patterns without regard to letter case.
    FileListBox1->addItems(dir.entryList(NameFilters(), QDir::Files, QDir::Name | QDir::IgnoreCase));
    FileListBox1->setCurrentRow(-1);
    Image1->SetPicture(model::TGPicture());
}

QStringList TGImageBrowser::FolderNames() const
{
    QStringList names;
    for (int i = 0; i < DirectoryListBox1->count(); ++i)
        names << DirectoryListBox1->item(i)->text();
    return names;
}

QStringList TGImageBrowser::FileNames() const
{
    QStringList names;
    for (int i = 0; i < FileListBox1->count(); ++i)
        names << FileListBox1->item(i)->text();
    return names;
}

bool TGImageBrowser::SelectFile(const QString &nameOrPath)
{
    QString name = nameOrPath;
    if (nameOrPath.contains(QLatin1Char('/'))) {
        const QFileInfo info(nameOrPath);
        if (QDir(info.absolutePath()) != QDir(m_folder))
            SetFolder(info.absolutePath());
        name = info.fileName();
    }
    const auto found = FileListBox1->findItems(name, Qt::MatchFixedString);
    if (found.isEmpty())
        return false;
    FileListBox1->setCurrentItem(found.first());
    return true;
}

QString TGImageBrowser::SelectedFile() const
{
    const QListWidgetItem *item = FileListBox1->currentItem();
    return item ? QDir(m_folder).absoluteFilePath(item->text()) : QString();
}

const model::TGPicture &TGImageBrowser::Picture() const
{
    return Image1->Picture();
}

bool TGImageBrowser::Stretch() const
{
    return StretchCheck->isChecked();
}

bool TGImageBrowser::AutoSize() const
{
    return AutoSizeCheck->isChecked();
}

void TGImageBrowser::SetOptions(bool stretch, bool autoSize)
{
    StretchCheck->setChecked(stretch);
    AutoSizeCheck->setChecked(autoSize && !stretch);
    ApplyOptions();
}

void TGImageBrowser::ApplyOptions()
{
    // The preview fills the box unless AutoSize shows the picture at its size.
    ScrollBox1->setWidgetResizable(!AutoSize());
    Image1->SetStretch(Stretch());
    Image1->SetAutoSize(AutoSize());
}

void TGImageBrowser::DriveComboBox1Change()
{
    SetFolder(DriveComboBox1->currentText());
}

void TGImageBrowser::DirectoryListBox1Open(QListWidgetItem *item)
{
    if (!item)
        return;
    QDir dir(m_folder);
    if (item->text() == ParentFolder ? dir.cdUp() : dir.cd(item->text()))
        SetFolder(dir.absolutePath());
}

void TGImageBrowser::PathEditEnter()
{
    const QFileInfo typed(QDir::fromNativeSeparators(PathEdit->text().trimmed()));
    if (typed.isDir()) {
        SetFolder(typed.absoluteFilePath());
    } else if (typed.isFile() && SelectFile(typed.absoluteFilePath())) {
        PathEdit->setText(QDir::toNativeSeparators(m_folder));
    } else {
        QApplication::beep();
        PathEdit->setText(QDir::toNativeSeparators(m_folder));
    }
}

void TGImageBrowser::keyPressEvent(QKeyEvent *event)
{
    // The folder list and the path field have acted on the key (opened the
    // folder) and passed it on: taken here, it does not close the browser
    // as well.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter && plain && (DirectoryListBox1->hasFocus() || PathEdit->hasFocus())) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TGImageBrowser::FileListBox1Change()
{
    const QString path = SelectedFile();
    if (path.isEmpty())
        return;
    const QString ext = QFileInfo(path).suffix().toUpper();
    if (ext == QLatin1String("ICO")) {
        // An icon becomes a bitmap of its own size with the icon drawn at (0, 0).
        try {
            model::TGPicture icon = model::TGPicture::FromFile(path);
            icon.ConvertIconToBitmap();
            Image1->SetPicture(icon);
        } catch (const cw::Exception &) {
            Image1->SetPicture(model::TGPicture());
        }
        return;
    }
    if (!Image1->LoadFromFile(path)) {
        if (ext == QLatin1String("BMP") || ext == QLatin1String("WMF"))
            showLoadError();
        Image1->SetPicture(model::TGPicture());
    }
}

void TGImageBrowser::StretchCheckClick()
{
    if (StretchCheck->isChecked())
        AutoSizeCheck->setChecked(false);
    ApplyOptions();
}

void TGImageBrowser::AutoSizeCheckClick()
{
    if (AutoSizeCheck->isChecked())
        StretchCheck->setChecked(false);
    ApplyOptions();
}

void TGImageBrowser::HelpbuttonClick()
{
    showHelpContext(HelpContext);
}

void TGImageBrowser::WhatsthisClick()
{
    QWhatsThis::enterWhatsThisMode();
}

bool TGImageBrowser::LoadImageFromDisk(model::TGImage &image, QWidget *mainWindow)
{
    const QString remembered = QDir::currentPath();
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    bool taken = false;
    {
        TGImageBrowser browser(mainWindow ? mainWindow : Interaction::mainWindow());
        browser.SetOptions(image.Stretch(), image.AutoSize());
        if (Interaction::current().exec(browser) == QDialog::Accepted && !browser.SelectedFile().isEmpty()) {
            RememberFolder(browser.Folder());
            if (browser.Picture().IsEmpty()) {
                // The chosen file could not be read: the object keeps the
                // picture it has instead of being emptied.
                Interaction::current().error(tr("Unable to read %1. The picture was not changed.")
                                                 .arg(QDir::toNativeSeparators(browser.SelectedFile())),
                                             tr("Error"));
            } else {
                try {
                    image.TakeOverPicture(browser.Picture(), browser.Stretch(), browser.AutoSize());
                    taken = true;
                } catch (const std::exception &) {
                    showLoadError();
                }
            }
        }
    }
    QDir::setCurrent(remembered); // errors ignored
    return taken;
}

} // namespace cw::ui

#include "app/TLoadBackGround.h"

#include "app/model/Exception.h"

#include "design/TGBasePanel.h"
#include "design/TSmartImage.h"
#include "design/model/TBackgroundArt.h"
#include "help/HelpContext.h"
#include "widgets/Interaction.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWhatsThis>

namespace cw::ui {

TLoadBackGround::TLoadBackGround(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("LoadBackGround"));
    setWindowTitle(tr("Load  Business Card Background Art "));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    Beep = [] { QApplication::beep(); };

    PathEdit = new QLineEdit(this);
    PathEdit->setObjectName(QStringLiteral("PathEdit"));
    PathEdit->setWhatsThis(tr("The folder shown. Type another folder, or the full name of a "
                              "picture, and press Enter to go there."));
    DirectoryListBox1 = new QListWidget(this);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DirectoryListBox1->setWhatsThis(tr("Folders: double-click one to open it, \"..\" to go up."));
    FileListBox1 = new QListWidget(this);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FileListBox1->setMinimumSize(187, 192);
    FileListBox1->setWhatsThis(tr("The background pictures you can choose from. Click a name to see "
                                  "the picture beside the list."));

    // The preview shows the picture at its own size; a larger one is cut off
    // at the panel's edges.
    PreviewPanel = new QScrollArea(this);
    PreviewPanel->setObjectName(QStringLiteral("PreviewPanel"));
    PreviewPanel->setFixedSize(336 + 2 * PreviewPanel->frameWidth(), 192 + 2 * PreviewPanel->frameWidth());
    PreviewPanel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    PreviewPanel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    PreviewPanel->setWidgetResizable(false);
    Image1 = new TSmartImage;
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->SetAutoSize(true);
    PreviewPanel->setWidget(Image1);
    PreviewPanel->setWhatsThis(tr("A preview of the selected background picture."));

    OKButton = new QPushButton(tr("Ok"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    OKButton->setWhatsThis(tr("Uses the selected picture as the background of your card."));
    Cancelbutton = new QPushButton(tr("Cancel"), this);
    Cancelbutton->setObjectName(QStringLiteral("Cancelbutton"));
    Cancelbutton->setWhatsThis(tr("Closes the window and keeps the background as it was."));
    NoneButton = new QPushButton(tr("None"), this);
    NoneButton->setObjectName(QStringLiteral("NoneButton"));
    NoneButton->setWhatsThis(tr("Removes the background picture from your card."));
    Helpbutton = new QPushButton(tr("Help"), this);
    Helpbutton->setObjectName(QStringLiteral("Helpbutton"));
    MouseHelpButton = new QPushButton(QStringLiteral("?"), this);
    MouseHelpButton->setObjectName(QStringLiteral("MouseHelpButton"));
    MouseHelpButton->setToolTip(tr("What's this?"));

    auto *lists = new QHBoxLayout;
    lists->addWidget(DirectoryListBox1, 1);
    lists->addWidget(FileListBox1, 1);
    auto *browse = new QVBoxLayout;
    browse->addWidget(PathEdit);
    browse->addLayout(lists, 1);
    auto *top = new QHBoxLayout;
    top->addLayout(browse, 1);
    top->addWidget(PreviewPanel);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    for (QPushButton *b : {OKButton, Cancelbutton, NoneButton, Helpbutton})
        bottom->addWidget(b);
    bottom->addWidget(MouseHelpButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
    resize(762, 331);

    // A click makes the row current before it selects it: the preview
    // follows the selection, which is complete only afterwards.
    connect(FileListBox1, &QListWidget::itemSelectionChanged, this, &TLoadBackGround::FileListBox1Change);
    connect(DirectoryListBox1, &QListWidget::itemActivated, this, &TLoadBackGround::DirectoryListBox1Open);
    connect(PathEdit, &QLineEdit::returnPressed, this, &TLoadBackGround::PathEditEnter);
    connect(OKButton, &QPushButton::clicked, this, &TLoadBackGround::OKButtonClick);
    connect(Cancelbutton, &QPushButton::clicked, this, &TLoadBackGround::CancelbuttonClick);
    connect(NoneButton, &QPushButton::clicked, this, &TLoadBackGround::NoneButtonClick);
    connect(Helpbutton, &QPushButton::clicked, this, &TLoadBackGround::HelpbuttonClick);
    connect(MouseHelpButton, &QPushButton::clicked, this, &TLoadBackGround::WhatsthisClick);
}

void TLoadBackGround::SetFolder(const QString &folder)
{
    m_folder = folder;
    const QDir dir(folder);
    PathEdit->setText(QDir::toNativeSeparators(dir.absolutePath()));
    DirectoryListBox1->clear();
    if (dir.exists() && !dir.isRoot())
        DirectoryListBox1->addItem(QStringLiteral(".."));
    DirectoryListBox1->addItems(
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
    const QSignalBlocker quiet(FileListBox1);
    FileListBox1->clear();
    FileListBox1->addItems(model::TBackgroundArt::List(folder));
    FileListBox1->setCurrentRow(-1);
    FileListBox1->clearSelection();
    Image1->SetPicture(model::TGPicture());
}

QStringList TLoadBackGround::FolderNames() const
{
    QStringList names;
    for (int i = 0; i < DirectoryListBox1->count(); ++i)
        names << DirectoryListBox1->item(i)->text();
    return names;
}

void TLoadBackGround::DirectoryListBox1Open(QListWidgetItem *item)
{
    if (!item)
        return;
    QDir dir(m_folder);
    if (item->text() == QLatin1String("..") ? dir.cdUp() : dir.cd(item->text()))
        SetFolder(dir.absolutePath());
}

void TLoadBackGround::PathEditEnter()
{
    const QFileInfo typed(QDir::fromNativeSeparators(PathEdit->text().trimmed()));
    if (typed.isDir()) {
        SetFolder(typed.absoluteFilePath());
    } else if (typed.isFile() && SelectFile(typed.absoluteFilePath())) {
        PathEdit->setText(QDir::toNativeSeparators(QDir(m_folder).absolutePath()));
    } else {
        QApplication::beep();
        PathEdit->setText(QDir::toNativeSeparators(QDir(m_folder).absolutePath()));
    }
}

void TLoadBackGround::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter && plain && (DirectoryListBox1->hasFocus() || PathEdit->hasFocus())) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QStringList TLoadBackGround::FileNames() const
{
    QStringList names;
    for (int i = 0; i < FileListBox1->count(); ++i)
        names << FileListBox1->item(i)->text();
    return names;
}

bool TLoadBackGround::SelectFile(const QString &path)
{
    const QFileInfo info(path);
    if (QDir(info.absolutePath()) != QDir(m_folder))
        SetFolder(info.absolutePath());
    const auto found = FileListBox1->findItems(info.fileName(), Qt::MatchFixedString);
    if (found.isEmpty())
        return false;
    FileListBox1->setCurrentItem(found.first());
    return true;
}

QString TLoadBackGround::SelectedFile() const
{
    const QListWidgetItem *item = FileListBox1->currentItem();
    if (!item || !item->isSelected())
        return QString();
    return QDir(m_folder).absoluteFilePath(item->text());
}

void TLoadBackGround::FileListBox1Change()
{
    const QString path = SelectedFile();
    if (path.isEmpty())
        return;
    if (!Image1->LoadFromFile(path)) {
        Interaction::current().error(tr("Error loading file!"), tr("Error"));
        Image1->SetPicture(model::TGPicture());
    }
}

void TLoadBackGround::OKButtonClick()
{
    if (SelectedFile().isEmpty()) {
        if (Beep)
            Beep();
        return;
    }
    done(QDialog::Accepted);
}

void TLoadBackGround::CancelbuttonClick()
{
    done(QDialog::Rejected);
}

void TLoadBackGround::NoneButtonClick()
{
    done(NoneResult);
}

void TLoadBackGround::HelpbuttonClick()
{
    showHelpContext(HelpContext);
}

void TLoadBackGround::WhatsthisClick()
{
    QWhatsThis::enterWhatsThisMode();
}

bool TLoadBackGround::Execute(QWidget *mainWindow, TGBasePanel &surface, QString &backgroundFile)
{
    const QString folder = model::TBackgroundArt::Folder();
    model::TBackgroundArt::InstallShipped(folder);
    TLoadBackGround dialog(mainWindow);
    dialog.SetFolder(folder);
    const QString first = model::TBackgroundArt::Preselection(backgroundFile, folder);
    if (!first.isEmpty()) {
        // Selecting previews the picture, as a click in the list would.
        dialog.SelectFile(first);
    }
    const int result = Interaction::current().exec(dialog);
    if (result == QDialog::Accepted) {
        const QString chosen = dialog.SelectedFile();
        if (chosen.isEmpty())
            return false;
        backgroundFile = chosen;
        try {
            surface.LoadColorPicture(chosen);
        } catch (const cw::Exception &e) {
            surface.ClearColorPicture();
            Interaction::current().error(e.message(), QStringLiteral("Cardwright"));
        }
        surface.update();
        return true;
    }
    if (result == NoneResult) {
        backgroundFile.clear();
        surface.ClearColorPicture();
        surface.update();
        return true;
    }
    return false;
}

} // namespace cw::ui

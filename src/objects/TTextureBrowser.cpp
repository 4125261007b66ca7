#include "objects/TTextureBrowser.h"
#include "help/HelpContext.h"

#include "app/model/ProgramFolder.h"
#include "design/model/TGGraphicControl.h"
#include "design/model/TPictureFormats.h"
#include "text/TObjectSampleView.h"
#include "widgets/Interaction.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTreeView>
#include <QVBoxLayout>

namespace cw::ui {

const QStringList &TTextureBrowser::FileMask()
{
    static const QStringList mask = model::TPictureFormats::NameFilters();
    return mask;
}

TTextureBrowser::TTextureBrowser(model::TGGraphicControl &example, ImageSetter setImage, QWidget *parent)
    : QDialog(parent), m_example(example), m_setImage(std::move(setImage)),
      m_previousCurrent(QDir::currentPath())
{
    setObjectName(QStringLiteral("TGBrushImageBrowser"));
    setWindowTitle(tr("Load Texture Image"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(8);
    setFont(f);
    resize(596, 286);

    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_model->setRootPath(QDir::rootPath());
    m_folders = new QTreeView(this);
    m_folders->setObjectName(QStringLiteral("DirectoryListBox1"));
    m_folders->setModel(m_model);
    for (int c = 1; c < m_model->columnCount(); ++c)
        m_folders->hideColumn(c);
    m_folders->setHeaderHidden(true);
    connect(m_folders, &QTreeView::clicked, this,
            [this](const QModelIndex &i) { OpenFolder(m_model->filePath(i)); });

    PathEdit = new QLineEdit(this);
    PathEdit->setObjectName(QStringLiteral("PathEdit"));
    PathEdit->setWhatsThis(tr("The folder shown. Type another folder, or the full name of a "
                              "picture, and press Enter to go there."));
    connect(PathEdit, &QLineEdit::returnPressed, this, &TTextureBrowser::PathEditEnter);

    m_files = new QListWidget(this);
    m_files->setObjectName(QStringLiteral("FileListBox1"));
    connect(m_files, &QListWidget::currentTextChanged, this, [this](const QString &name) {
        if (!name.isEmpty())
            ChooseFile(QDir(m_folder).filePath(name));
    });

    auto *box = new QScrollArea(this);
    box->setObjectName(QStringLiteral("ScrollBox1"));
    box->setStyleSheet(QStringLiteral("background: white"));
    m_view = new TObjectSampleView(m_example);
    m_view->setMinimumSize(std::max(m_example.Width() + 20, 120), std::max(m_example.Height() + 20, 120));
    box->setWidget(m_view);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Ok"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    auto *help = buttons->addButton(tr("Help"), QDialogButtonBox::HelpRole);
    connect(help, &QPushButton::clicked, this, [] { showHelpContext(HelpContext); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *lists = new QHBoxLayout;
    lists->addWidget(m_folders, 1);
    lists->addWidget(m_files, 1);
    lists->addWidget(box, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PathEdit);
    layout->addLayout(lists);
    layout->addWidget(buttons);
}

TTextureBrowser::~TTextureBrowser()
{
    QDir::setCurrent(m_previousCurrent);
}

void TTextureBrowser::CopyShippedTextures()
{
    const QDir shipped(model::ProgramFolder::shippedContent() + QStringLiteral("bmbrush/"));
    if (!shipped.exists())
        return;
    const QString target = model::ProgramFolder::path() + QStringLiteral("bmbrush/");
    if (!QDir().mkpath(target))
        return;
    for (const QFileInfo &fi : shipped.entryInfoList(QDir::Files)) {
        const QString to = target + fi.fileName();
        if (!QFileInfo::exists(to))
            QFile::copy(fi.absoluteFilePath(), to);
    }
}

void TTextureBrowser::Start(const QString &rememberedPath, const QStringList &fallbacks)
{
    CopyShippedTextures();
    if (!rememberedPath.isEmpty() && QFileInfo(rememberedPath).isFile()) {
        OpenFolder(QFileInfo(rememberedPath).absolutePath());
        const QList<QListWidgetItem *> hits =
            m_files->findItems(QFileInfo(rememberedPath).fileName(), Qt::MatchExactly);
        if (!hits.isEmpty())
            m_files->setCurrentItem(hits.front());
        return;
    }
    const QString root = model::ProgramFolder::path();
    for (const QString &sub : fallbacks)
        if (QDir(root + sub).exists()) {
            OpenFolder(root + sub);
            return;
        }
    OpenFolder(root);
}

void TTextureBrowser::OpenFolder(const QString &folder)
{
    m_folder = QDir(folder).absolutePath();
    QDir::setCurrent(m_folder);
    PathEdit->setText(QDir::toNativeSeparators(m_folder));
    m_folders->setCurrentIndex(m_model->index(m_folder));
    const QSignalBlocker block(m_files);
    m_files->clear();
    QDir dir(m_folder);
    QStringList names = dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names) {
        const QString ext = QFileInfo(name).suffix().toUpper();
        for (const QString &m : FileMask())
            if (m.mid(2) == ext) {
                m_files->addItem(name);
                break;
            }
    }
}

void TTextureBrowser::PathEditEnter()
{
    const QFileInfo typed(QDir::fromNativeSeparators(PathEdit->text().trimmed()));
    if (typed.isDir()) {
        OpenFolder(typed.absoluteFilePath());
        return;
    }
    if (typed.isFile() && model::TPictureFormats::IsPictureFile(typed.fileName())) {
        OpenFolder(typed.absolutePath());
        const QList<QListWidgetItem *> hits = m_files->findItems(typed.fileName(), Qt::MatchExactly);
        if (!hits.isEmpty())
            m_files->setCurrentItem(hits.front()); // chooses it
        PathEdit->setFocus();                      // the key that chose it stays in the field
        return;
    }
    QApplication::beep();
    PathEdit->setText(QDir::toNativeSeparators(m_folder));
}

void TTextureBrowser::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && PathEdit->hasFocus()) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QStringList TTextureBrowser::Files() const
{
    QStringList names;
    for (int i = 0; i < m_files->count(); ++i)
        names << m_files->item(i)->text();
    return names;
}

model::TGPicture TTextureBrowser::LoadTexture(const QString &path)
{
    model::TGPicture picture;
    const QString ext = QFileInfo(path).suffix().toUpper();
    try {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw model::EInvalidGraphic(QStringLiteral("cannot read"));
        const QByteArray bytes = file.readAll();
        if (ext == QLatin1String("BMP"))
            picture.SetBitmapBytes(bytes);
        else if (ext == QLatin1String("ICO")) {
            picture.SetIconBytes(bytes);
            picture.ConvertIconToBitmap();
        } else {
            picture.LoadFromBytes(bytes, ext);
            // Textures are tiled bitmaps; a metafile is drawn once at its size.
            if (picture.IsMetafile())
                picture.SetBitmap(picture.ToImage());
        }
    } catch (const cw::Exception &) {
        picture.Clear();
        if (ext == QLatin1String("BMP") || ext == QLatin1String("WMF"))
            Interaction::current().error(tr("Error loading file!"), tr("Error"));
    }
    return picture;
}

void TTextureBrowser::ChooseFile(const QString &path)
{
    m_selected = QFileInfo(path).absoluteFilePath();
    m_picture = LoadTexture(path);
    m_setImage(m_picture);
    m_view->update();
    m_files->setFocus();
}

} // namespace cw::ui

#pragma once
// "Load Texture Image": a folder tree, a path field, a file list of
// pictures and an example object that shows the chosen file as its texture.  Used by the
// SuperShape and SuperText dialogs; the caller supplies the example object
// and how a picture becomes its texture.
//
// The process's current folder is restored when the browser closes.

#include "design/model/TGPicture.h"

#include <QDialog>
#include <functional>

class QLineEdit;
class QListWidget;
class QTreeView;
class QFileSystemModel;

namespace cw::model {
class TGGraphicControl;
}

namespace cw::ui {

class TObjectSampleView;

class TTextureBrowser : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpContext = 40012;
    // Name filters of the file list: every picture type the program reads.
    static const QStringList &FileMask();

    using ImageSetter = std::function<void(const model::TGPicture &)>;
    // `example` is shown in the white box; `setImage` gives it a texture.
    TTextureBrowser(model::TGGraphicControl &example, ImageSetter setImage, QWidget *parent = nullptr);
    ~TTextureBrowser() override;

    // Selects this file when it exists; otherwise opens the first existing
    // folder of `fallbacks` (inside the program folder), else the program
    // folder itself.  Shipped textures missing from the program folder's
    // bmbrush/ are copied there first.
    void Start(const QString &rememberedPath, const QStringList &fallbacks = {QStringLiteral("bmbrush/")});

    QString Folder() const { return m_folder; }
    void OpenFolder(const QString &folder);
    QStringList Files() const;
    // Chooses a file of the list (or any path): loads it into the example.
    void ChooseFile(const QString &path);
    QString SelectedPath() const { return m_selected; }
    // Enter in the path field: a folder is opened, a picture file chosen.
    void PathEditEnter();
    QLineEdit *PathEdit = nullptr;
    const model::TGPicture &Picture() const { return m_picture; }

    // Loads a texture file: ".BMP" directly, ".ICO" (its largest image)
    // drawn onto a bitmap of the icon's size, others through the picture
    // decoders, a metafile or vector picture drawn once at its own size.  An empty
    // picture when it cannot be read; for ".BMP" and ".WMF" names the error
    // "Error loading file!" is shown as well.
    static model::TGPicture LoadTexture(const QString &path);
    // Copies shipped textures missing from the program folder's bmbrush/.
    static void CopyShippedTextures();

protected:
    // Return or Enter in the path field acts there, not on the default button.
    void keyPressEvent(QKeyEvent *event) override;

private:
    model::TGGraphicControl &m_example;
    ImageSetter m_setImage;
    QString m_folder;
    QString m_selected;
    QString m_previousCurrent;
    model::TGPicture m_picture;
    QTreeView *m_folders = nullptr;
    QFileSystemModel *m_model = nullptr;
    QListWidget *m_files = nullptr;
    TObjectSampleView *m_view = nullptr;
};

} // namespace cw::ui

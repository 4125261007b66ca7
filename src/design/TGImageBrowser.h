#pragma once
// "Load Image File ": the clip art browser.  The user walks the folders (or
// types one into the path field), picks a picture file of any type the
// program reads and sees it in the preview; the "Stretch" and "AutoSize" options (at most one
// checked) say whether the image object stretches the picture to its frame
// or takes the picture's size.
//
// LoadImageFromDisk() is the image object's "Load Image From Disk" command
// and the image tool's follow-up: browser, then the object takes the picture.

#include "design/model/TGPicture.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QScrollArea;

namespace cw::model {
class TGImage;
}

namespace cw::ui {

class TSmartImage;

class TGImageBrowser : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpContext = 40003;

    explicit TGImageBrowser(QWidget *parent = nullptr);

    // The file list's patterns: every picture type the program reads
    // (letter case ignored).
    static QStringList NameFilters();
    // The clip art shipped with the program.
    static QString ClipArtFolder();
    // Where the browser opens: the folder of the last picture taken (kept in
    // the settings file), else the shipped clip art, else the current folder.
    static QString StartFolder();
    static void RememberFolder(const QString &folder);

    // Shows a folder: its subfolders in the folder list, its picture files in
    // the file list, nothing selected and an empty preview.
    void SetFolder(const QString &folder);
    QString Folder() const { return m_folder; }
    QStringList FolderNames() const;
    QStringList FileNames() const;
    // Selects a file of the current folder by name (or a full path, whose
    // folder is shown first) and previews it; false when it is not listed.
    bool SelectFile(const QString &nameOrPath);
    // Full path of the selected file, or empty.
    QString SelectedFile() const;

    // The previewed picture (empty when nothing could be loaded).
    const model::TGPicture &Picture() const;
    bool Stretch() const;
    bool AutoSize() const;
    void SetOptions(bool stretch, bool autoSize);

    // The browser flow for an image object: opens at StartFolder() with the object's Stretch and AutoSize; on
    // Ok with a file selected the object takes the previewed picture and the options.  When the file could
    // not be read (empty preview) the user is told so and the object keeps its picture; a failure while
    // taking the picture over shows "Error loading file!" and leaves the object as it was.  The folder of a
    // taken picture is remembered; the current folder is the same afterwards.  True when the object took a
    // picture.
    static bool LoadImageFromDisk(model::TGImage &image, QWidget *mainWindow = nullptr);

    // Handlers, public so that tests drive them without a modal loop.
    void DriveComboBox1Change();
    // Enter in the path field: a folder is shown, a picture file selected.
    void PathEditEnter();
    void DirectoryListBox1Open(QListWidgetItem *item);
    void FileListBox1Change();
    void StretchCheckClick();
    void AutoSizeCheckClick();
    void HelpbuttonClick();
    void WhatsthisClick();

    QComboBox *DriveComboBox1 = nullptr;
    QLineEdit *PathEdit = nullptr;
    QListWidget *DirectoryListBox1 = nullptr;
    QListWidget *FileListBox1 = nullptr;
    QScrollArea *ScrollBox1 = nullptr;
    TSmartImage *Image1 = nullptr;
    QGroupBox *OptionsGroup = nullptr;
    QCheckBox *StretchCheck = nullptr;
    QCheckBox *AutoSizeCheck = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *Cancelbutton = nullptr;
    QPushButton *Helpbutton = nullptr;
    QPushButton *MouseHelpButton = nullptr;

protected:
    // Return or Enter in the folder list opens the folder there; only
    // elsewhere does it press the default button "Ok".
    void keyPressEvent(QKeyEvent *event) override;

private:
    void ApplyOptions();

    QString m_folder;
};

} // namespace cw::ui

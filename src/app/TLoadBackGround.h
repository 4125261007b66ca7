#pragma once
// "Load  Business Card Background Art ": picks the background picture of the
// design (bitmaps, metafiles, PNG and JPEG pictures), with a preview.  It
// opens on the program folder's "BG" folder; the folder list and the path
// field reach any other folder.  It closes with Ok (QDialog::Accepted), Cancel (Rejected) or
// None (NoneResult, 99: the design is to have no background).
//
// Execute() is the whole Edit-menu command: it fills the dialog, pre-selects
// the current background, runs it through the interaction service and
// applies the outcome to BackgroundFile and the design surface.

#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidgetItem;
class QListWidget;
class QPushButton;
class QScrollArea;

namespace cw::ui {

class TGBasePanel;
class TSmartImage;

class TLoadBackGround : public QDialog
{
    Q_OBJECT

public:
    static constexpr int NoneResult = 99;
    static constexpr int HelpContext = 2101;

    explicit TLoadBackGround(QWidget *parent = nullptr);

    // Lists the background pictures of `folder` (none selected) and its
    // subfolders ("..", then by name).
    void SetFolder(const QString &folder);
    QStringList FolderNames() const;
    QString Folder() const { return m_folder; }
    // The listed names, in list order.
    QStringList FileNames() const;
    // Moves the list to the file's folder and selects the file; false when
    // it is not listed there.
    bool SelectFile(const QString &path);
    // Full path of the selected file, or empty.
    QString SelectedFile() const;

    // The command: see the header comment.  Returns true when the design
    // changed (Ok or None): the caller then marks it changed.  Cancel changes
    // nothing.  A picture the surface cannot load is reported and leaves the
    // card without background, BackgroundFile still naming the choice.
    static bool Execute(QWidget *mainWindow, TGBasePanel &surface, QString &backgroundFile);

    // Handlers, public so that tests drive them without a modal loop.
    void FileListBox1Change();
    // A folder of the folder list opened ("..": the parent).
    void DirectoryListBox1Open(QListWidgetItem *item);
    // Enter in the path field: a folder is shown, a background file selected.
    void PathEditEnter();
    void OKButtonClick();
    void CancelbuttonClick();
    void NoneButtonClick();
    void HelpbuttonClick();
    void WhatsthisClick();

    QLineEdit *PathEdit = nullptr;
    QListWidget *DirectoryListBox1 = nullptr;
    QListWidget *FileListBox1 = nullptr;
    QScrollArea *PreviewPanel = nullptr;
    TSmartImage *Image1 = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *Cancelbutton = nullptr;
    QPushButton *NoneButton = nullptr;
    QPushButton *Helpbutton = nullptr;
    QPushButton *MouseHelpButton = nullptr;

    // Beeps when Ok is pressed without a selection; tests count the beeps.
    std::function<void()> Beep;

protected:
    // Return or Enter in the folder list or the path field acts there; only
    // elsewhere does it press the default button "Ok".
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_folder;
};

} // namespace cw::ui

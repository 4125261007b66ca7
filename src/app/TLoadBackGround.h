#pragma once
// "Load  Business Card Background Art ": picks the background picture of the
// design from the program folder's "BG" folder (bitmaps and metafiles), with
// a preview.  It closes with Ok (QDialog::Accepted), Cancel (Rejected) or
// None (NoneResult, 99: the design is to have no background).
//
// Execute() is the whole Edit-menu command: it fills the dialog, pre-selects
// the current background, runs it through the interaction service and
// applies the outcome to BackgroundFile and the design surface.

#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
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

    // Lists the background pictures of `folder` (none selected).
    void SetFolder(const QString &folder);
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
    void OKButtonClick();
    void CancelbuttonClick();
    void NoneButtonClick();
    void HelpbuttonClick();
    void WhatsthisClick();

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

private:
    QString m_folder;
};

} // namespace cw::ui

#pragma once
// The preview window "Preview Business Cards": shows the page a preview job
// recorded, zooms (buttons, left click in, other clicks out, page width,
// whole page) and keeps its placement in the settings file
// ("TPreviewForm_Placement").  It only displays: it does not print, and it
// never frees the recorded stream, which belongs to the caller.

#include <QDialog>

class QIODevice;
class QScrollArea;
class QPushButton;
class QToolButton;

namespace cw::ui {

class TFilePreview;

class TPreviewForm : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpContext = 2039;

    explicit TPreviewForm(QWidget *parent = nullptr);
    ~TPreviewForm() override;

    // The recorded pages (the caller's stream).
    void SetStream(QIODevice *stream);
    TFilePreview &FilePreview() const { return *FilePreview1; }
    QScrollArea *ScrollBox() const { return ScrollBox1; }

    void FormActivate();
    void FormClose();
    void ScrollBox1MouseDown(Qt::MouseButton button);
    void SBZoomInClick();
    void SBZoomOutClick();
    void SBZoomPageWidthClick();
    void SBZoomPageClick();
    void FilePreview1PageChange();
    void FilePreview1ZoomChange();
    void FormKeyDown(int key);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void RestorePlacement();
    void SavePlacement();

    QScrollArea *ScrollBox1 = nullptr;
    TFilePreview *FilePreview1 = nullptr;
    QPushButton *CloseButton = nullptr;
    bool m_firstActivation = true;
    bool m_closed = false;
};

} // namespace cw::ui

#pragma once
// "Code Properties": edits a copy of a QR code or barcode (the preview) and,
// on Ok, copies it back into the object.  Every control acts on the preview
// at once; the preview shows the symbol as it will print, with the
// object's personal information when it carries the contact card.  The
// handlers are reachable through the controls, so tests drive the dialog
// without a modal loop.

#include "objects/model/TGCodeObject.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QSpinBox;

namespace cw::ui {

class TCodePreview;
class TColorButton;
class TCodePreviewHost;

class TCodeProperties : public QDialog
{
    Q_OBJECT

public:
    // A dialog for objects of the kind of `object` (QR code or barcode).
    explicit TCodeProperties(const model::TGCodeObject &object, QWidget *parent = nullptr);
    ~TCodeProperties() override;

    model::TGCodeObject &Preview() { return *m_preview; }
    // Copies the object's settings into the preview and shows them.
    void LoadFrom(const model::TGCodeObject &object);
    // Copies the preview's settings into the object.
    void SaveTo(model::TGCodeObject &object);

    // Runs the dialog for the object; true (and the object changed) on Ok.
    static bool Execute(model::TGCodeObject &object);

    QComboBox *ContentBox() const { return m_content; }
    QPlainTextEdit *TextEdit() const { return m_text; }
    // The error-correction level (QR code) or the symbology (barcode).
    QComboBox *KindBox() const { return m_kind; }
    TColorButton *ForeColorButton() const { return m_fore; }
    TColorButton *BackColorButton() const { return m_back; }
    QCheckBox *TransparentBox() const { return m_transparent; }
    QSpinBox *QuietZoneBox() const { return m_quietZone; }
    // The symbol's size in modules, or why the text cannot be encoded.
    QLabel *StatusLabel() const { return m_status; }

private:
    void showSettings();
    void controlsChanged();
    void updateStatus();

    std::unique_ptr<TCodePreviewHost> m_host;
    std::unique_ptr<model::TGCodeObject> m_preview;
    bool m_loading = false;
    TCodePreview *m_view = nullptr;
    QComboBox *m_content = nullptr;
    QPlainTextEdit *m_text = nullptr;
    QComboBox *m_kind = nullptr;
    TColorButton *m_fore = nullptr;
    TColorButton *m_back = nullptr;
    QCheckBox *m_transparent = nullptr;
    QSpinBox *m_quietZone = nullptr;
    QLabel *m_status = nullptr;
};

} // namespace cw::ui

#pragma once
// The font dialog of every Font command: family, style and size, and the
// effects section with strike-out, underline and the text colour (the 16
// basic colours in a list, any other through the colour dialog).  Families
// the program draws by its own means (symbol fonts it has tables for) are
// offered beside the installed ones.

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace cw::ui {

class TFontDialog : public QDialog
{
    Q_OBJECT

public:
    // `extraFamilies` are listed even when not installed; without colour the
    // effects section holds only strike-out and underline.
    TFontDialog(QWidget *parent, const QStringList &extraFamilies, bool withColour);

    // A family that is not listed (a design name the font system
    // substitutes) stays in the name field and comes back unchanged.
    void SetChoice(const QFont &font, const QColor &colour);
    QFont ChosenFont() const;
    QColor ChosenColour() const;

    // The installed families as a user knows them: without the foundry that
    // the font system appends when two foundries share a name, sorted, once
    // each.
    static QStringList InstalledFamilies();
    // The family name without a trailing " [foundry]".
    static QString PlainFamily(const QString &family);
    // The 16 basic colours of the colour list, in their order.
    static const QList<QPair<QString, QColor>> &BasicColours();

    QListWidget *FamilyList() const { return m_families; }
    QComboBox *SizeBox() const { return m_size; }
    QListWidget *StyleList() const { return m_styles; }
    QCheckBox *StrikeOutBox() const { return m_strikeOut; }
    QCheckBox *UnderlineBox() const { return m_underline; }
    QComboBox *ColourBox() const { return m_colour; }
    QLabel *Sample() const { return m_sample; }

    // The colour list's "Other…" entry: asks the colour dialog; a chosen
    // colour becomes the custom entry, a cancelled one restores the last.
    void ChooseOtherColour();

private:
    void SelectFamily(const QString &family);
    void SetColour(const QColor &colour);
    void UpdateSample();

    QLineEdit *m_familyEdit;
    QListWidget *m_families;
    QListWidget *m_styles;
    QComboBox *m_size;
    QCheckBox *m_strikeOut;
    QCheckBox *m_underline;
    QComboBox *m_colour = nullptr;
    QLabel *m_sample;
    QFont m_initialFont;
    QColor m_lastColour = Qt::black;
    int m_lastColourIndex = 0;
};

} // namespace cw::ui

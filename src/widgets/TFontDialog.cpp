#include "widgets/TFontDialog.h"

#include "widgets/Interaction.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <cmath>

namespace cw::ui {

namespace {
enum TStyleRow { srRegular, srItalic, srBold, srBoldItalic };
constexpr int OtherColourRole = Qt::UserRole + 1;

QIcon swatch(const QColor &colour)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(colour);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 15, 11);
    return QIcon(pixmap);
}

// Points shown for a font held as a pixel size at 96 pixels per inch.
int shownPoints(const QFont &font)
{
    if (font.pixelSize() > 0)
        return int(std::lround(font.pixelSize() * 72.0 / 96.0));
    return int(std::lround(font.pointSizeF()));
}
} // namespace

const QList<QPair<QString, QColor>> &TFontDialog::BasicColours()
{
    static const QList<QPair<QString, QColor>> colours = {
        {"Black", QColor(0, 0, 0)},       {"Maroon", QColor(128, 0, 0)},    {"Green", QColor(0, 128, 0)},
        {"Olive", QColor(128, 128, 0)},   {"Navy", QColor(0, 0, 128)},      {"Purple", QColor(128, 0, 128)},
        {"Teal", QColor(0, 128, 128)},    {"Gray", QColor(128, 128, 128)},  {"Silver", QColor(192, 192, 192)},
        {"Red", QColor(255, 0, 0)},       {"Lime", QColor(0, 255, 0)},      {"Yellow", QColor(255, 255, 0)},
        {"Blue", QColor(0, 0, 255)},      {"Fuchsia", QColor(255, 0, 255)}, {"Aqua", QColor(0, 255, 255)},
        {"White", QColor(255, 255, 255)},
    };
    return colours;
}

QString TFontDialog::PlainFamily(const QString &family)
{
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]\\s*$"));
    QString plain = family;
    plain.remove(foundry);
    return plain;
}

QStringList TFontDialog::InstalledFamilies()
{
    QStringList families;
    for (const QString &f : QFontDatabase::families())
        families << PlainFamily(f);
    families.removeDuplicates();
    families.sort(Qt::CaseInsensitive);
    return families;
}

TFontDialog::TFontDialog(QWidget *parent, const QStringList &extraFamilies, bool withColour) : QDialog(parent)
{
    setObjectName(QStringLiteral("FontDialog"));
    setWindowTitle(tr("Font"));

    auto *grid = new QGridLayout;
    m_familyEdit = new QLineEdit(this);
    m_families = new QListWidget(this);
    m_families->setObjectName(QStringLiteral("FamilyList"));
    QStringList families = InstalledFamilies();
    for (const QString &extra : extraFamilies)
        if (!families.contains(extra, Qt::CaseInsensitive))
            families << extra;
    families.sort(Qt::CaseInsensitive);
    m_families->addItems(families);

    m_styles = new QListWidget(this);
    m_styles->setObjectName(QStringLiteral("StyleList"));
    m_styles->addItems({tr("Regular"), tr("Italic"), tr("Bold"), tr("Bold Italic")});
    m_size = new QComboBox(this);
    m_size->setObjectName(QStringLiteral("SizeBox"));
    m_size->setEditable(true);
    m_size->setValidator(new QIntValidator(1, 1638, m_size));
    for (int s : {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
        m_size->addItem(QString::number(s));

    auto addColumn = [&](int column, const QString &caption, QWidget *top, QWidget *list) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(top);
        grid->addWidget(label, 0, column);
        grid->addWidget(top, 1, column);
        if (list)
            grid->addWidget(list, 2, column);
    };
    addColumn(0, tr("&Font:"), m_familyEdit, m_families);
    auto *styleName = new QLineEdit(this);
    styleName->setReadOnly(true);
    addColumn(1, tr("Font st&yle:"), styleName, m_styles);
    addColumn(2, tr("&Size:"), m_size, nullptr);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);

    auto *effects = new QGroupBox(tr("Effects"), this);
    auto *effectsLayout = new QVBoxLayout(effects);
    m_strikeOut = new QCheckBox(tr("Stri&keout"), effects);
    m_underline = new QCheckBox(tr("&Underline"), effects);
    effectsLayout->addWidget(m_strikeOut);
    effectsLayout->addWidget(m_underline);
    if (withColour) {
        m_colour = new QComboBox(effects);
        m_colour->setObjectName(QStringLiteral("ColourBox"));
        for (const auto &[name, colour] : BasicColours())
            m_colour->addItem(swatch(colour), name, colour);
        m_colour->addItem(tr("Other…"));
        m_colour->setItemData(m_colour->count() - 1, true, OtherColourRole);
        auto *label = new QLabel(tr("&Color:"), effects);
        label->setBuddy(m_colour);
        effectsLayout->addWidget(label);
        effectsLayout->addWidget(m_colour);
        connect(m_colour, &QComboBox::activated, this, [this](int index) {
            if (m_colour->itemData(index, OtherColourRole).toBool())
                ChooseOtherColour();
            else
                SetColour(m_colour->itemData(index).value<QColor>());
        });
    }
    auto *sampleBox = new QGroupBox(tr("Sample"), this);
    auto *sampleLayout = new QVBoxLayout(sampleBox);
    m_sample = new QLabel(QStringLiteral("AaBbYyZz"), sampleBox);
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setMinimumSize(180, 60);
    sampleLayout->addWidget(m_sample);
    grid->addWidget(effects, 3, 0);
    grid->addWidget(sampleBox, 3, 1, 1, 2);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *top = new QVBoxLayout(this);
    top->addLayout(grid);
    top->addWidget(buttons);

    connect(m_families, &QListWidget::currentTextChanged, this, [this](const QString &family) {
        if (!family.isEmpty() && m_familyEdit->text() != family) {
            const QSignalBlocker block(m_familyEdit);
            m_familyEdit->setText(family);
        }
        UpdateSample();
    });
    // Typing a name selects the first family that starts with it.
    connect(m_familyEdit, &QLineEdit::textEdited, this, [this](const QString &text) {
        for (int i = 0; i < m_families->count(); ++i)
            if (m_families->item(i)->text().startsWith(text, Qt::CaseInsensitive)) {
                const QSignalBlocker block(m_families);
                m_families->setCurrentRow(i);
                m_families->scrollToItem(m_families->item(i));
                break;
            }
        UpdateSample();
    });
    connect(m_styles, &QListWidget::currentTextChanged, styleName, &QLineEdit::setText);
    connect(m_styles, &QListWidget::currentRowChanged, this, &TFontDialog::UpdateSample);
    connect(m_size, &QComboBox::currentTextChanged, this, &TFontDialog::UpdateSample);
    connect(m_strikeOut, &QCheckBox::toggled, this, &TFontDialog::UpdateSample);
    connect(m_underline, &QCheckBox::toggled, this, &TFontDialog::UpdateSample);
    SetChoice(QFont(), Qt::black);
}

void TFontDialog::SelectFamily(const QString &family)
{
    const QString plain = PlainFamily(family);
    const QList<QListWidgetItem *> found = m_families->findItems(plain, Qt::MatchFixedString);
    if (!found.isEmpty()) {
        m_families->setCurrentItem(found.first());
        m_families->scrollToItem(found.first());
    } else {
        m_families->setCurrentRow(-1);
    }
    m_familyEdit->setText(plain);
}

void TFontDialog::SetChoice(const QFont &font, const QColor &colour)
{
    SelectFamily(font.family());
    m_styles->setCurrentRow(font.bold() ? (font.italic() ? srBoldItalic : srBold)
                                        : (font.italic() ? srItalic : srRegular));
    m_size->setCurrentText(QString::number(shownPoints(font)));
    m_strikeOut->setChecked(font.strikeOut());
    m_underline->setChecked(font.underline());
    m_initialFont = font;
    SetColour(colour);
}

void TFontDialog::SetColour(const QColor &colour)
{
    m_lastColour = colour.isValid() ? colour.toRgb() : QColor(Qt::black);
    if (m_colour) {
        int index = m_colour->findData(m_lastColour);
        if (index < 0) {
            // A colour outside the basic ones shows as the custom entry just
            // above "Other…".
            const int other = m_colour->count() - 1;
            const bool hasCustom = other > BasicColours().size();
            if (hasCustom)
                m_colour->removeItem(other - 1);
            m_colour->insertItem(m_colour->count() - 1, swatch(m_lastColour), tr("Custom"), m_lastColour);
            index = m_colour->count() - 2;
        }
        m_colour->setCurrentIndex(index);
        m_lastColourIndex = index;
    }
    UpdateSample();
}

void TFontDialog::ChooseOtherColour()
{
    if (std::optional<QColor> chosen = Interaction::current().chooseColor(m_lastColour))
        SetColour(*chosen);
    else if (m_colour)
        m_colour->setCurrentIndex(m_lastColourIndex);
}

QFont TFontDialog::ChosenFont() const
{
    QString family = m_familyEdit->text().trimmed();
    if (family.isEmpty() && m_families->currentItem())
        family = m_families->currentItem()->text();
    QFont font = m_initialFont;
    font.setFamily(family.isEmpty() ? m_initialFont.family() : family);
    const int row = m_styles->currentRow();
    font.setBold(row == srBold || row == srBoldItalic);
    font.setItalic(row == srItalic || row == srBoldItalic);
    font.setUnderline(m_underline->isChecked());
    font.setStrikeOut(m_strikeOut->isChecked());
    // A size left as it was keeps the font's own pixel size, which points
    // shown in whole numbers could not give back.
    const int points = m_size->currentText().toInt();
    if (points > 0 && points != shownPoints(m_initialFont))
        font.setPointSize(points);
    return font;
}

QColor TFontDialog::ChosenColour() const
{
    return m_lastColour;
}

void TFontDialog::UpdateSample()
{
    QFont font = ChosenFont();
    if (font.pointSize() > 48 || font.pixelSize() > 64)
        font.setPointSize(48);
    m_sample->setFont(font);
    QPalette pal = m_sample->palette();
    pal.setColor(QPalette::WindowText, m_lastColour);
    m_sample->setPalette(pal);
}

} // namespace cw::ui

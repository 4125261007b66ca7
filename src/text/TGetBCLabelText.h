#pragma once
// "Text" of a business-card field label: typed, or one of the user's
// personal-information values picked from a list.

#include <QDialog>
#include <QStringList>
#include <optional>

class QComboBox;
class QLineEdit;

namespace cw::ui {

class TGetBCLabelText : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpContext = 40004;

    explicit TGetBCLabelText(QWidget *parent = nullptr);

    // Fills the edit field and the list with the non-empty values (in field
    // order, without field names); the list is disabled when all are empty.
    void SetValues(const QString &text, const QStringList &personalInfo);

    // Runs the dialog through the interaction service; the text on Ok (empty
    // accepted), std::nullopt on Cancel.
    static std::optional<QString> Execute(const QString &text, const QStringList &personalInfo);

    QLineEdit *LabelText() const { return m_labelText; }
    QComboBox *PersonalInfoCombo() const { return m_combo; }

    // Choosing an entry puts its value into the edit field.
    void PersonalInfoComboClick(int index);

private:
    QLineEdit *m_labelText;
    QComboBox *m_combo;
};

} // namespace cw::ui

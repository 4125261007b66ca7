#pragma once
// "Text": the one-line text of a text label.

#include <QDialog>
#include <optional>

class QLineEdit;

namespace cw::ui {

class TGetLabelText : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpContext = 40004;

    explicit TGetLabelText(QWidget *parent = nullptr);

    // Runs the dialog (placed over the main window, through the interaction
    // service) with `text` in the edit field; the edited text on Ok (empty
    // accepted), std::nullopt on Cancel.
    static std::optional<QString> Execute(const QString &text);

    QLineEdit *LabelText() const { return m_labelText; }

private:
    QLineEdit *m_labelText;
};

} // namespace cw::ui

#pragma once
// "Personal Information": the ten texts that business-card field labels
// offer, one labelled edit each, in the order Name, Company, Title, Address 1
// to 3, Phone 1 and 2, E-mail, Fax.  No check is made on the texts.

#include <QDialog>
#include <array>

class QLineEdit;

namespace cw::ui {

class TPersonalInformation : public QDialog
{
    Q_OBJECT
public:
    static constexpr int HelpContext = 2102;
    using Texts = std::array<QString, 10>;

    explicit TPersonalInformation(QWidget *parent = nullptr);

    // Runs the dialog on `texts` (placed over the main window, through the
    // interaction service); on OK `texts` takes the edited texts and true is
    // returned, on Cancel nothing changes.
    static bool Execute(Texts &texts);

    void SetTexts(const Texts &texts);
    Texts GetTexts() const;

    void HelpButtonClick();
    void MouseHelpButtonClick();
    // "What's this?" from a control's popup menu.
    void WhatsthisMenuItemClick(QWidget *control);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    std::array<QLineEdit *, 10> m_edits{};
};

} // namespace cw::ui

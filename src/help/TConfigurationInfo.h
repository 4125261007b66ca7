#pragma once
// The "Configuration Information" dialog: the configuration report in an
// editable text box, with "Copy to Clipboard", "Save As..." and "OK".  The
// text as the user left it is what is copied or saved.

#include "app/model/TPreferences.h"
#include "help/model/TConfigReport.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace cw::ui {

class TConfigurationInfo : public QDialog
{
    Q_OBJECT

public:
    explicit TConfigurationInfo(QWidget *parent = nullptr);

    // The Help menu command: composes the report from the settings in
    // `prefs` (default font) and the program's nudges, and shows the dialog
    // modally through the interaction service.
    static void Execute(QWidget *mainWindow, const model::TPreferences &prefs);

    // The facts of this computer: system, processor, screen, memory,
    // language and printers.
    static model::TEnvironmentInfo GatherEnvironment();
    // The whole report for these settings, today, on this computer.
    static QStringList ComposeReport(const model::TPreferences &prefs);

    void SetReport(const QStringList &lines);
    QString ReportText() const;
    QPlainTextEdit *Memo() const { return m_memo; }

    // "Copy to Clipboard", "OK", "Save As...".
    void Button1Click();
    void Button2Click();
    void Button3Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPlainTextEdit *m_memo = nullptr;
};

} // namespace cw::ui

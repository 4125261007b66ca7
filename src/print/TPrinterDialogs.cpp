#include "print/TPrinterDialogs.h"

#include "print/printer/TReportPrinter.h"
#include "widgets/Interaction.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>

namespace cw::ui {

namespace {

void HideNamed(QWidget &root, const char *name)
{
    if (auto *w = root.findChild<QWidget *>(QString::fromLatin1(name)))
        w->hide();
}

// The printer's properties window (opened from the dialog's "Properties"
// button) is made when it is first opened: it is restricted as it shows.
// Paper size, margins and pages per sheet are not offered there, and the
// orientation is shown but cannot be changed.
class TPropertiesRestriction : public QObject
{
public:
    explicit TPropertiesRestriction(QPrintDialog &dialog) : QObject(&dialog), m_dialog(dialog)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto *w = static_cast<QWidget *>(watched);
            if (w->isWindow() && w != &m_dialog && Inside(w))
                Restrict(*w);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // Whether the window belongs to the dialog (its parents cross window
    // boundaries, which QWidget::isAncestorOf does not).
    bool Inside(const QObject *object) const
    {
        for (; object; object = object->parent())
            if (object == &m_dialog)
                return true;
        return false;
    }

    static void Restrict(QWidget &window)
    {
        for (QWidget *w : window.findChildren<QWidget *>(QStringLiteral("pageSetup"))) {
            if (auto *margins = w->findChild<QWidget *>(QStringLiteral("topMargin")))
                if (margins->parentWidget())
                    margins->parentWidget()->hide();
            HideNamed(*w, "pagesPerSheetButtonGroup");
            // The paper is the layout's; the paper source stays offered.
            for (const char *name : {"pageSizeLabel", "pageSizeCombo", "widthLabel", "pageWidth", "heightLabel",
                                     "pageHeight", "unitCombo", "pageSizeWarningLabel"})
                HideNamed(*w, name);
            if (auto *source = w->findChild<QWidget *>(QStringLiteral("paperSource")))
                if (source->isHidden() && source->parentWidget())
                    source->parentWidget()->hide(); // no paper source either: nothing left there
            if (auto *portrait = w->findChild<QWidget *>(QStringLiteral("portrait")))
                if (portrait->parentWidget())
                    portrait->parentWidget()->setEnabled(false);
        }
    }

    QPrintDialog &m_dialog;
};

} // namespace

void TPrinterDialogs::RestrictToCardSheet(QPrintDialog &dialog, bool setup)
{
    HideNamed(dialog, "pageSetCombo");
    HideNamed(dialog, "pageSetLabel");
    if (setup) {
        // Copies, collation and page ranges: Print Cards asks for the number
        // of sheets, and a card sheet is printed whole.
        if (auto *tabs = dialog.findChild<QTabWidget *>(QStringLiteral("tabs")))
            if (auto *copies = tabs->findChild<QWidget *>(QStringLiteral("copiesTab")))
                tabs->setTabVisible(tabs->indexOf(copies), false);
        if (auto *buttons = dialog.findChild<QDialogButtonBox *>())
            for (QAbstractButton *b : buttons->buttons())
                if (buttons->buttonRole(b) == QDialogButtonBox::AcceptRole)
                    b->setText(QStringLiteral("OK"));
        dialog.setWindowTitle(QCoreApplication::translate("TPrinterDialogs", "Printer Setup"));
    }
    new TPropertiesRestriction(dialog);
}

bool TPrinterDialogs::PrinterSetup(printer::TReportPrinter &report)
{
    report.SetOutputFileName(QString()); // setup is about the system printer
    report.RefreshDeviceMetrics();       // the dialog starts from the shared settings
    QPrinter &printer = report.Printer();
    const int copies = report.Copies();
    QPrintDialog dialog(&printer, Interaction::mainWindow());
    // "Properties" (paper source, driver options) shows with the page size
    // option only.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    RestrictToCardSheet(dialog, true);
    if (Interaction::current().exec(dialog) != QDialog::Accepted)
        return false;
    printer.setCopyCount(copies);
    printer.setPrintRange(QPrinter::AllPages);
    report.AdoptPrinterSettings();
    return true;
}

bool TPrinterDialogs::PrintDialog(printer::TReportPrinter &report)
{
    report.RefreshDeviceMetrics();
    QPrinter &printer = report.Printer();
    printer.setCopyCount(report.Copies());
    printer.setFromTo(0, 0);
    printer.setPrintRange(QPrinter::AllPages);
    QPrintDialog dialog(&printer, Interaction::mainWindow());
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, 9999);
    RestrictToCardSheet(dialog, false);
    if (Interaction::current().exec(dialog) != QDialog::Accepted)
        return false;
    report.AdoptPrinterSettings();
    return true;
}

} // namespace cw::ui

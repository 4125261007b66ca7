#include "help/THelpTexts.h"

// Tables of the printing windows: card selection, the bottom-margin warning,
// fine tuning, the print status and the preview.

namespace cw::ui {

namespace {

const THelpTextTable SelectSpecificLabels{
    "TSelectSpecificLabels", 2020,
    QList<THelpTextRow>{
        {"TSelectSpecificLabels",
         "Choose which cards of the sheet to print, how many sheets, and the printer."},
        {"PaintBox1",
         "The sheet of card stock. Red cards print, white cards do not. Click a card to switch it; "
         "this saves card stock when part of a sheet is used up."},
        {"SelectAll", "Selects every card of the sheet."},
        {"Selectnone", "Deselects every card; then click the cards you want."},
        {"PrinterLabel", "The printer the cards go to."},
        {"PrinterSetupButton", "Choose another printer or change the printer's settings."},
        {"pages", "How many sheets to print (1 to 99)."},
    } + THelpTexts::DialogButtons("Click to print the selected cards. At least one card must be selected.")};

const THelpTextTable WarnBottomMargin{
    "TWarnBottomMargin", 2105,
    QList<THelpTextRow>{
        {"TWarnBottomMargin",
         "Your printer cannot print close enough to the bottom of the sheet for the last row "
         "of cards."},
        {"BotMarg", "How close to the bottom edge of the paper your printer can print."},
        {"Difference", "How much of the bottom cards may be cut off."},
        {"DontShowCheck", "Tick this and the warning is not shown again."},
        {"OKButton", "Click to print anyway."},
        {"Cancelbutton", "Click to stop printing; nothing is printed."},
    } + THelpTexts::DialogButtons("Click to print anyway.")};

const THelpTextTable PrintFineTune{
    "TPrintFineTune", 2103,
    QList<THelpTextRow>{
        {"TPrintFineTune",
         "Move and stretch the printing in steps of 1/32 inch so the cards fall exactly on the "
         "card stock."},
        {"TopMarginSpinner", "Moves the printing down (lower arrow) or up (upper arrow) on the sheet."},
        {"lTopMarginNudge", "->TopMarginSpinner"},
        {"LeftMarginSpinner", "Moves the printing right (lower arrow) or left (upper arrow) on the sheet."},
        {"LLeftMarginNudge", "->LeftMarginSpinner"},
        {"VerticalSpacingSpinner",
         "Widens (lower arrow) or narrows (upper arrow) the distance between rows of "
         "cards. Use it when printing creeps between the top and bottom cards."},
        {"LVerticalSpacing", "->VerticalSpacingSpinner"},
        {"HorizontalSpacingSpinner", "Widens (lower arrow) or narrows (upper arrow) the distance between the "
                                     "cards of a row."},
        {"LHorizontalSpacing", "->HorizontalSpacingSpinner"},
        {"TopMarginSpinnerUp", "Moves the whole printing up the sheet by 1/32 inch (at most 8/32 inch)."},
        {"TopMarginSpinnerDown", "Moves the whole printing down the sheet by 1/32 inch (at most 8/32 inch)."},
        {"LeftMarginSpinnerUp", "Moves the whole printing to the left by 1/32 inch (at most 8/32 inch)."},
        {"LeftMarginSpinnerDown", "Moves the whole printing to the right by 1/32 inch (at most 8/32 inch)."},
        {"VerticalSpacingSpinnerUp", "Brings the rows of cards 1/32 inch closer together."},
        {"VerticalSpacingSpinnerDown", "Moves the rows of cards 1/32 inch further apart."},
        {"HorizontalSpacingSpinnerUp", "Brings the cards of a row 1/32 inch closer together."},
        {"HorizontalSpacingSpinnerDown", "Moves the cards of a row 1/32 inch further apart."},
        {"DefaultButton", "Sets all four adjustments back to none."},
    } + THelpTexts::DialogButtons("Click to keep these adjustments for all printing from now on.")};

const THelpTextTable LabelPrinter{"TLabelPrinter",
                                  2016,
                                  {
                                      {"TLabelPrinter", "Shows how far printing or preview has got."},
                                      {"RStatusPanel", "What is being printed now."},
                                      {"RStatusLabel", "->RStatusPanel"},
                                      {"Extralabel", "->RStatusPanel"},
                                      {"CancelButton", "Stops printing or preview."},
                                  }};

const THelpTextTable PreviewForm{
    "TPreviewForm",
    2039,
    {
        {"TPreviewForm", "How the sheet will print, with your design on the first card."},
        {"ScrollBox1",
         "The printed page. Click with the left mouse button to zoom in, with the right button to "
         "zoom out."},
        {"Panel2", "The buttons of the preview."},
        {"CloseButton", "Closes the preview."},
        {"sbZoomIn", "Shows the page larger."},
        {"sbZoomOut", "Shows the page smaller."},
        {"sbZoomPageWidth", "Fits the width of the page into the window."},
        {"sbZoomPage", "Fits the whole page into the window."},
        {"Helpbutton", "Click to bring up the help for the preview."},
        {"HelpButton", "->Helpbutton"},
        {"MouseHelpButton",
         "Click this button, then click any part of this window to see what it is for. Press "
         "Esc to cancel.",
         THelpTexts::NoContext},
    }};

} // namespace

QList<const THelpTextTable *> THelpTexts::PrintTables()
{
    return {&SelectSpecificLabels, &WarnBottomMargin, &PrintFineTune, &LabelPrinter, &PreviewForm};
}

} // namespace cw::ui

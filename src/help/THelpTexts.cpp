#include "help/THelpTexts.h"

// Tables of the main window and the dialogs of the card document, settings
// and help.  Texts explain what a control is for, in the words the window
// itself uses.

namespace cw::ui {

namespace {

const THelpTextTable MainScreen{
    "TMainScreen",
    2016,
    {
        {"TMainScreen",
         "The Cardwright main window: the tool bar at the top, the business card in the middle and "
         "the command buttons at the bottom."},
        {"ToolBar",
         "The tool bar. Choose a drawing tool, then drag on the business card to place a new object "
         "of that kind."},
        {"Pointerbutton", "Selection tool. Click an object to select it, drag it to move it, drag one of its "
                          "handles to resize it. Click with the RIGHT MOUSE BUTTON for its properties."},
        {"DrawLabelButton",
         "Text tool. Drag a box on the card to add a line of text; you can type the text or pick "
         "one of your personal information entries."},
        {"DrawMLTextButton",
         "Multi-line text tool. Drag a box on the card to add several lines of text, such as "
         "an address block."},
        {"DrawSymbolButton", "Symbol tool. Drag a box on the card to add a symbol, such as a telephone or an "
                             "envelope, from a symbol font."},
        {"DrawRectanglebutton", "Rectangle tool. Drag on the card to draw a rectangle."},
        {"DrawEllipseButton", "Ellipse tool. Drag on the card to draw an ellipse or a circle."},
        {"DrawRoundrectbutton",
         "Round Rectangle tool. Drag on the card to draw a rectangle with rounded corners."},
        {"DrawLinebutton",
         "Line tool. Drag on the card to draw a line; its direction can be changed from its "
         "menu."},
        {"DrawImageButton",
         "Clip Art tool. Drag a box on the card, then choose a picture file to place in it."},
        {"DrawSupershape", "SuperShape tool. Multi-purpose shapes (stars, diamonds, triangles and more) with "
                           "gradient, texture or solid surfaces, borders and shadows."},
        {"DrawRichText", "Rich Text tool. A box of text with mixed fonts, colours and styles."},
        {"DrawSuperTextButton", "SuperText tool. Special effects text: letters filled with a gradient or a "
                                "picture, with an outline and a shadow."},
        {"DrawCircleTextbutton",
         "CircleText tool. Text set along a circle or a part of a circle, in any font."},
        {"AssistButton", "Quick Tips: short answers to the most common questions about designing a card."},
        {"ShowGrid", "Shows or hides the grid of green dots on the card."},
        {"SnapToGrid", "When this is down, objects you move or resize line up on the grid."},
        {"SetBackgroundArtButton",
         "Choose a background picture that fills the whole card behind your design, or "
         "remove it."},
        {"ScrollBox1",
         "The design area. The white card is your business card: draw on it with the tools above; "
         "click outside it to clear the selection. Click an object with the RIGHT MOUSE BUTTON for "
         "its properties, or the empty card for the card's own menu."},
        {"BottomPanel", "The command buttons and the zoom of the design area."},
        {"ZoomSpinner",
         "Press plus (+) or minus (-) to increase or decrease the zoom percentage, between 100% "
         "and 150%. The keypad plus and minus keys do the same."},
        {"ZoomCaption", "The zoom of the design area. Printing is always at the card's real size."},
        {"ZoomFitButton",
         "Zooms so that the whole card fits the window, and keeps it fitted while the window is "
         "resized. Ctrl+plus and Ctrl+minus (or Ctrl with the mouse wheel) zoom from 25% to 800%; "
         "Ctrl+0 returns to 100%."},
        {"Savebutton",
         "Saves the card. Shown only when the card has changes that are not saved yet. It reads "
         "\"Save As\" while the card has no file name."},
        {"Cancelbutton", "Throws away every change since the card was last saved or opened."},
        {"PrintButton",
         "Prints the card on a sheet of card stock: you choose which cards of the sheet to print "
         "and how many sheets."},
        {"Previewbutton", "Shows on screen how the first card of the sheet will print."},
        {"Helpbutton", "Click to bring up the help for the main window."},
        {"MouseHelpButton",
         "Click this button, then click any part of the window to see what it is for. Press "
         "Esc to cancel.",
         THelpTexts::NoContext},
        {"CloseButton",
         "Ends Cardwright. If the card has unsaved changes you are asked whether to save them."},
    }};

const THelpTextTable EditCardLayout{
    "TEditCardLayout", 3101,
    QList<THelpTextRow>{
        {"TEditCardLayout",
         "The layout of the card stock you print on: card size, margins, spacing and paper."},
        {"PredefinedLayouts", "Pick the card stock you print on; the sizes below are filled in for you."},
        {"PredefinedLayoutsLabel", "->PredefinedLayouts"},
        {"Inchesbutton", "Show and enter the sizes in inches."},
        {"MMButton", "Show and enter the sizes in millimetres."},
        {"eCardwidth", "The width of one card. Horizontal Pitch grows with it when it would be smaller."},
        {"eCardHeight", "The height of one card. Vertical Pitch grows with it when it would be smaller."},
        {"eHorizPitch",
         "The distance from the left edge of one card to the left edge of the next card in the row. "
         "It must be at least the card width."},
        {"eVertPitch",
         "The distance from the top of one card to the top of the card below it. It must be at least "
         "the card height."},
        {"enbracross", "How many cards there are in each row of the sheet (1 to 10)."},
        {"enbrdown", "How many rows of cards there are on the sheet (1 to 30)."},
        {"eleftmarg", "The distance from the left edge of the paper to the left edge of the first column of "
                      "cards."},
        {"etopmarg", "The distance from the top edge of the paper to the top of the first row of cards."},
        {"epapersize", "The paper size of the sheet of card stock: Letter or A4."},
        {"eCardwidthLabel", "->eCardwidth"},
        {"eCardHeightLabel", "->eCardHeight"},
        {"eHorizPitchLabel", "->eHorizPitch"},
        {"eVertPitchLabel", "->eVertPitch"},
        {"enbracrossLabel", "->enbracross"},
        {"enbrdownLabel", "->enbrdown"},
        {"eleftmargLabel", "->eleftmarg"},
        {"etopmargLabel", "->etopmarg"},
        {"epapersizeLabel", "->epapersize"},
    } +
        THelpTexts::DialogButtons(
            "Click to keep this layout; the card in the design area takes the new size at once.")};

const THelpTextTable PersonalInformation{
    "TPersonalInformation", 2102,
    QList<THelpTextRow>{
        {"TPersonalInformation", "Your own details. The text tool offers them, so you can put them on a card "
                                 "without typing them again."},
        {"pPersonalName", "Your name as it should appear on your cards."},
        {"pPersonalCompany", "The name of your company or organisation."},
        {"pPersonalTitle", "Your job title or position."},
        {"pPersonalAddress1", "The first line of your address."},
        {"pPersonalAddress2", "The second line of your address."},
        {"pPersonalAddress3", "The third line of your address, for example the town and postcode."},
        {"pPersonalPhone1", "Your main telephone number."},
        {"pPersonalPhone2", "A second telephone number, for example your mobile."},
        {"pPersonalEmail", "Your e-mail address."},
        {"pPersonalFax", "Your fax number."},
    } +
        THelpTexts::DialogButtons(
            "Click to keep these details. Text already on the card stays as it is; the text tool "
            "offers the new values from now on.")};

const THelpTextTable LoadBackGround{
    "TLoadBackGround", 2101,
    QList<THelpTextRow>{
        {"TLoadBackGround", "Choose a picture that fills the whole card behind your design."},
        {"FileListBox1",
         "The pictures you can use as background (Windows bitmaps and metafiles). Click one to "
         "see it on the right."},
        {"Panel1", "A preview of the picture selected in the list."},
        {"Image1", "->Panel1"},
        {"PreviewPanel", "->Panel1"},
        {"NoneButton", "Click to remove the background picture from the card."},
    } + THelpTexts::DialogButtons("Click to use the selected picture as the card's background.")};

const THelpTextTable ConfigurationInfo{
    "TConfigurationInfo",
    1041,
    {
        {"TConfigurationInfo",
         "Facts about Cardwright, your computer and your settings, for technical support."},
        {"Memo1", "The report. You may change or add to the text before you copy or save it."},
        {"Label1",
         "Technical support may ask for this report; it tells them how your computer and Cardwright "
         "are set up."},
        {"Button1", "Copies the report to the clipboard, so that you can paste it into an e-mail."},
        {"Button2", "Closes this window."},
        {"Button3", "Saves the report as a text file."},
    }};

const THelpTextTable Splashform{
    "TSplashform",
    2016,
    {
        {"TSplashform", "The version of Cardwright you are using."},
        {"VersionLabel", "The version of Cardwright. Technical support may ask for it."},
        {"StoreLink", "Opens our web site in your web browser."},
        {"OKButton", "Closes this window.", THelpTexts::NoContext},
        {"OkButton", "->OKButton"},
    }};

} // namespace

QList<THelpTextRow> THelpTexts::DialogButtons(const char *okText)
{
    return {
        {"OKButton", okText},
        {"Cancelbutton",
         "Click to cancel and return to the previous screen. Nothing you changed here is kept."},
        {"CancelButton", "->Cancelbutton"},
        {"Helpbutton", "Click to bring up the help for this window."},
        {"HelpButton", "->Helpbutton"},
        {"MouseHelpButton",
         "Click this button, then click any part of this window to see what it is for. Press Esc to cancel.",
         NoContext},
        {"BottomPanel", "The buttons that close this window or bring up help."},
    };
}

QList<const THelpTextTable *> THelpTexts::AppTables()
{
    return {&MainScreen,     &EditCardLayout,    &PersonalInformation,
            &LoadBackGround, &ConfigurationInfo, &Splashform};
}

QList<const THelpTextTable *> THelpTexts::All()
{
    return AppTables() + TextTables() + ObjectTables() + PrintTables();
}

const THelpTextTable *THelpTexts::For(const QString &windowClass)
{
    for (const THelpTextTable *table : All()) {
        if (windowClass == QLatin1String(table->WindowClass))
            return table;
    }
    return nullptr;
}

} // namespace cw::ui

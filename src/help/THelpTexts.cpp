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
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "The Cardwright main window: the tool bar at the top, the business card in the middle and "
             "the command buttons at the bottom.")},
        {"ToolBar",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "The tool bar. Choose a drawing tool, then drag on the business card to place a new object "
             "of that kind.")},
        {"Pointerbutton",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "Selection tool. Click an object to select it, drag it to move it, drag one of its "
             "handles to resize it. Click with the RIGHT MOUSE BUTTON for its properties.")},
        {"DrawLabelButton",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "Text tool. Drag a box on the card to add a line of text; you can type the text or pick "
             "one of your personal information entries.")},
        {"DrawMLTextButton",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "Multi-line text tool. Drag a box on the card to add several lines of text, such as "
             "an address block.")},
        {"DrawSymbolButton",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Symbol tool. Drag a box on the card to add a symbol, such as a telephone or an "
                           "envelope, from a symbol font.")},
        {"DrawRectanglebutton",
         QT_TRANSLATE_NOOP("THelpTexts", "Rectangle tool. Drag on the card to draw a rectangle.")},
        {"DrawEllipseButton",
         QT_TRANSLATE_NOOP("THelpTexts", "Ellipse tool. Drag on the card to draw an ellipse or a circle.")},
        {"DrawRoundrectbutton",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "Round Rectangle tool. Drag on the card to draw a rectangle with rounded corners.")},
        {"DrawLinebutton",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "Line tool. Drag on the card to draw a line; its direction can be changed from its "
             "menu.")},
        {"DrawImageButton",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "Clip Art tool. Drag a box on the card, then choose a picture file to place in it.")},
        {"DrawSupershape",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "SuperShape tool. Multi-purpose shapes (stars, diamonds, triangles and more) with "
                           "gradient, texture or solid surfaces, borders and shadows.")},
        {"DrawRichText",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Rich Text tool. A box of text with mixed fonts, colours and styles.")},
        {"DrawSuperTextButton",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "SuperText tool. Special effects text: letters filled with a gradient or a "
                           "picture, with an outline and a shadow.")},
        {"DrawCircleTextbutton",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "CircleText tool. Text set along a circle or a part of a circle, in any font.")},
        {"DrawQRCodeButton",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "QR Code tool. Drag a box on the card for a QR code that a phone scans to save your "
                           "contact details, or that carries a text or a web address.")},
        {"DrawBarcodeButton",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Barcode tool. Drag a box on the card for a Code 128, EAN-13, DataMatrix, PDF417 "
                           "or Aztec barcode.")},
        {"AssistButton",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Quick Tips: short answers to the most common questions about designing a card.")},
        {"ShowGrid", QT_TRANSLATE_NOOP("THelpTexts", "Shows or hides the grid of green dots on the card.")},
        {"SnapToGrid",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "When this is down, objects you move or resize line up on the grid.")},
        {"SetBackgroundArtButton",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Choose a background picture that fills the whole card behind your design, or "
                           "remove it.")},
        {"ScrollBox1",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "The design area. The white card is your business card: draw on it with the tools above; "
             "click outside it to clear the selection. Click an object with the RIGHT MOUSE BUTTON for "
             "its properties, or the empty card for the card's own menu.")},
        {"BottomPanel",
         QT_TRANSLATE_NOOP("THelpTexts", "The command buttons and the zoom of the design area.")},
        {"ZoomSpinner",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "Press plus (+) or minus (-) to increase or decrease the zoom percentage, between 100% "
             "and 150%. The keypad plus and minus keys do the same.")},
        {"ZoomCaption",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "The zoom of the design area. Printing is always at the card's real size.")},
        {"ZoomFitButton",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "Zooms so that the whole card fits the window, and keeps it fitted while the window is "
             "resized. Ctrl+plus and Ctrl+minus (or Ctrl with the mouse wheel) zoom from 25% to 800%; "
             "Ctrl+0 returns to 100%.")},
        {"FrontButton",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Shows the front of the card (Ctrl+Page Up). The front is the card file "
                           "itself; each side has its own objects and background.")},
        {"BackButton",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Shows the back of the card (Ctrl+Page Down). A card whose back is empty "
                           "saves and prints as a one-sided card; a back is saved beside the card "
                           "file and prints behind each front.")},
        {"MergeBar",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "The merge bar: the card shows one record of the merge source at a time, and "
                           "printing fills the sheets with one card per record.")},
        {"FirstRecord",
         QT_TRANSLATE_NOOP("THelpTexts", "Shows the card with the first record of the merge source.")},
        {"PreviousRecord",
         QT_TRANSLATE_NOOP("THelpTexts", "Shows the card with the record before the current one.")},
        {"NextRecord",
         QT_TRANSLATE_NOOP("THelpTexts", "Shows the card with the record after the current one.")},
        {"LastRecord",
         QT_TRANSLATE_NOOP("THelpTexts", "Shows the card with the last record of the merge source.")},
        {"RecordPosition",
         QT_TRANSLATE_NOOP("THelpTexts", "The record the card shows, and how many records the source holds.")},
        {"CardsPerRecord",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "How many cards each record gets when the sheets are printed: more than one "
                           "prints a small stack of cards for every person.")},
        {"OpenMergeSource",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Opens another CSV or vCard file as the merge source. Its columns are matched "
                           "to the personal information fields by name.")},
        {"MergeMapping",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Chooses by hand which column of the source fills each personal information "
                           "field. The choice is kept beside the card file.")},
        {"CloseMerge",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Ends the merge: linked labels show your own personal information again and "
                           "printing fills the sheet with one card.")},
        {"Savebutton",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "Saves the card. Shown only when the card has changes that are not saved yet. It reads "
             "\"Save As\" while the card has no file name.")},
        {"Cancelbutton",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Throws away every change since the card was last saved or opened.")},
        {"PrintButton",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "Prints the card on a sheet of card stock: you choose which cards of the sheet to print "
             "and how many sheets.")},
        {"Previewbutton",
         QT_TRANSLATE_NOOP("THelpTexts", "Shows on screen how the first card of the sheet will print.")},
        {"Helpbutton", QT_TRANSLATE_NOOP("THelpTexts", "Click to bring up the help for the main window.")},
        {"MouseHelpButton",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "Click this button, then click any part of the window to see what it is for. Press "
             "Esc to cancel."),
         THelpTexts::NoContext},
        {"CloseButton",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "Ends Cardwright. If the card has unsaved changes you are asked whether to save them.")},
    }};

const THelpTextTable EditCardLayout{
    "TEditCardLayout", 3101,
    QList<THelpTextRow>{
        {"TEditCardLayout",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "The layout of the card stock you print on: card size, margins, spacing and paper.")},
        {"PredefinedLayouts",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Pick the card stock you print on; the sizes below are filled in for you.")},
        {"PredefinedLayoutsLabel", "->PredefinedLayouts"},
        {"Inchesbutton", QT_TRANSLATE_NOOP("THelpTexts", "Show and enter the sizes in inches.")},
        {"MMButton", QT_TRANSLATE_NOOP("THelpTexts", "Show and enter the sizes in millimetres.")},
        {"eCardwidth",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "The width of one card. Horizontal Pitch grows with it when it would be smaller.")},
        {"eCardHeight",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "The height of one card. Vertical Pitch grows with it when it would be smaller.")},
        {"eHorizPitch",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "The distance from the left edge of one card to the left edge of the next card in the row. "
             "It must be at least the card width.")},
        {"eVertPitch",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "The distance from the top of one card to the top of the card below it. It must be at least "
             "the card height.")},
        {"enbracross",
         QT_TRANSLATE_NOOP("THelpTexts", "How many cards there are in each row of the sheet (1 to 10).")},
        {"enbrdown",
         QT_TRANSLATE_NOOP("THelpTexts", "How many rows of cards there are on the sheet (1 to 30).")},
        {"eleftmarg",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "The distance from the left edge of the paper to the left edge of the first column of "
             "cards.")},
        {"etopmarg",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "The distance from the top edge of the paper to the top of the first row of cards.")},
        {"epapersize",
         QT_TRANSLATE_NOOP("THelpTexts", "The paper size of the sheet of card stock: Letter or A4.")},
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
        THelpTexts::DialogButtons(QT_TRANSLATE_NOOP(
            "THelpTexts",
            "Click to keep this layout; the card in the design area takes the new size at once."))};

const THelpTextTable PersonalInformation{
    "TPersonalInformation", 2102,
    QList<THelpTextRow>{
        {"TPersonalInformation",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Your own details. The text tool offers them, so you can put them on a card "
                           "without typing them again.")},
        {"pPersonalName", QT_TRANSLATE_NOOP("THelpTexts", "Your name as it should appear on your cards.")},
        {"pPersonalCompany", QT_TRANSLATE_NOOP("THelpTexts", "The name of your company or organisation.")},
        {"pPersonalTitle", QT_TRANSLATE_NOOP("THelpTexts", "Your job title or position.")},
        {"pPersonalAddress1", QT_TRANSLATE_NOOP("THelpTexts", "The first line of your address.")},
        {"pPersonalAddress2", QT_TRANSLATE_NOOP("THelpTexts", "The second line of your address.")},
        {"pPersonalAddress3",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "The third line of your address, for example the town and postcode.")},
        {"pPersonalPhone1", QT_TRANSLATE_NOOP("THelpTexts", "Your main telephone number.")},
        {"pPersonalPhone2",
         QT_TRANSLATE_NOOP("THelpTexts", "A second telephone number, for example your mobile.")},
        {"pPersonalEmail", QT_TRANSLATE_NOOP("THelpTexts", "Your e-mail address.")},
        {"pPersonalFax", QT_TRANSLATE_NOOP("THelpTexts", "Your fax number.")},
    } +
        THelpTexts::DialogButtons(QT_TRANSLATE_NOOP(
            "THelpTexts",
            "Click to keep these details. Text already on the card stays as it is; the text tool "
            "offers the new values from now on."))};

const THelpTextTable LoadBackGround{
    "TLoadBackGround", 2101,
    QList<THelpTextRow>{
        {"TLoadBackGround",
         QT_TRANSLATE_NOOP("THelpTexts", "Choose a picture that fills the whole card behind your design.")},
        {"FileListBox1",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "The pictures you can use as background (Windows bitmaps and metafiles). Click one to "
             "see it on the right.")},
        {"Panel1", QT_TRANSLATE_NOOP("THelpTexts", "A preview of the picture selected in the list.")},
        {"Image1", "->Panel1"},
        {"PreviewPanel", "->Panel1"},
        {"NoneButton",
         QT_TRANSLATE_NOOP("THelpTexts", "Click to remove the background picture from the card.")},
    } +
        THelpTexts::DialogButtons(
            QT_TRANSLATE_NOOP("THelpTexts", "Click to use the selected picture as the card's background."))};

const THelpTextTable ConfigurationInfo{
    "TConfigurationInfo",
    1041,
    {
        {"TConfigurationInfo",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "Facts about Cardwright, your computer and your settings, for technical support.")},
        {"Memo1",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "The report. You may change or add to the text before you copy or save it.")},
        {"Label1",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "Technical support may ask for this report; it tells them how your computer and Cardwright "
             "are set up.")},
        {"Button1",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Copies the report to the clipboard, so that you can paste it into an e-mail.")},
        {"Button2", QT_TRANSLATE_NOOP("THelpTexts", "Closes this window.")},
        {"Button3", QT_TRANSLATE_NOOP("THelpTexts", "Saves the report as a text file.")},
    }};

const THelpTextTable Splashform{
    "TSplashform",
    2016,
    {
        {"TSplashform", QT_TRANSLATE_NOOP("THelpTexts", "The version of Cardwright you are using.")},
        {"VersionLabel",
         QT_TRANSLATE_NOOP("THelpTexts", "The version of Cardwright. Technical support may ask for it.")},
        {"StoreLink", QT_TRANSLATE_NOOP("THelpTexts", "Opens our web site in your web browser.")},
        {"OKButton", QT_TRANSLATE_NOOP("THelpTexts", "Closes this window."), THelpTexts::NoContext},
        {"OkButton", "->OKButton"},
    }};

} // namespace

QList<THelpTextRow> THelpTexts::DialogButtons(const char *okText)
{
    return {
        {"OKButton", okText},
        {"Cancelbutton",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "Click to cancel and return to the previous screen. Nothing you changed here is kept.")},
        {"CancelButton", "->Cancelbutton"},
        {"Helpbutton", QT_TRANSLATE_NOOP("THelpTexts", "Click to bring up the help for this window.")},
        {"HelpButton", "->Helpbutton"},
        {"MouseHelpButton",
         QT_TRANSLATE_NOOP("THelpTexts", "Click this button, then click any part of this window to see what "
                                         "it is for. Press Esc to cancel."),
         NoContext},
        {"BottomPanel",
         QT_TRANSLATE_NOOP("THelpTexts", "The buttons that close this window or bring up help.")},
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

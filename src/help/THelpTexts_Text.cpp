#include "help/THelpTexts.h"

// Tables of the text objects' dialogs: the text dialogs, the 3D effects, the
// symbol selector, the multi-line editor and SuperText with its browsers.

namespace cw::ui {

namespace {

const THelpTextTable GetLabelText{
    "TGetLabelText", 40004,
    QList<THelpTextRow>{
        {"TGetLabelText", "Type the text of this line of text."},
        {"LabelText",
         "The text of the label: one line. The label sizes itself to the text when you click Ok."},
        {"Label1", "->LabelText"},
    } + THelpTexts::DialogButtons("Click to put this text on the card.")};

const THelpTextTable GetBCLabelText{
    "TGetBCLabelText", 40004,
    QList<THelpTextRow>{
        {"TGetBCLabelText", "Type the text of this line, or pick one of your personal information entries."},
        {"LabelText", "The text of the label: one line. Type it, or pick an entry from the list below."},
        {"Label1", "->LabelText"},
        {"PersonalInfoCombo",
         "Your personal information (Edit menu, Personal Information). Picking an entry puts "
         "it into the text box above. The list is empty until you fill in your details."},
        {"Label2", "->PersonalInfoCombo"},
    } + THelpTexts::DialogButtons("Click to put this text on the card.")};

const THelpTextTable Font3DEffects{
    "TGFont3DEffects", 40008,
    QList<THelpTextRow>{
        {"TGFont3DEffects", "Give the text a 3D look with a shadow copy and a highlight copy behind it."},
        {"ShadowDirection", "The direction in which the shadow copy of the text is moved; None switches the "
                            "shadow off."},
        {"ShadowColorCombo", "The colour of the shadow copy of the text."},
        {"ShadowDepth", "How far, in pixels, the shadow copy lies from the text (0 to 10)."},
        {"HighlightDirection",
         "The direction in which the highlight copy of the text is moved; None switches the "
         "highlight off."},
        {"HighLightColorCombo", "The colour of the highlight copy of the text."},
        {"HighLightDepth", "How far, in pixels, the highlight copy lies from the text (0 to 10)."},
        {"FontColorCombo", "The colour of the text itself."},
        {"Sample",
         "A sample of the effect with your font and colours. The text on the card changes only when "
         "you click Ok."},
        {"SamplePanel", "->Sample"},
    } + THelpTexts::DialogButtons("Click to give the text on the card these effects.")};

const THelpTextTable GetSymbol{
    "TGetSymbol", 40005,
    QList<THelpTextRow>{
        {"TGetSymbol",
         "Choose a symbol from a symbol font, such as a telephone, an envelope or a pointing hand."},
        {"Fontbutton", "Choose the symbol font, its colour and style. The button shows the font in use."},
        {"Label1", "->Fontbutton"},
        {"TopPanel", "->Fontbutton"},
        {"SymbolList", "Every symbol of the font. Click the one you want, then click Ok."},
    } + THelpTexts::DialogButtons("Click to put the selected symbol on the card.")};

const THelpTextTable MultiLineTextEditor{
    "TMultiLineTextEditor", 40001,
    QList<THelpTextRow>{
        {"TMultiLineTextEditor", "Type the lines of the multi-line text."},
        {"Memo",
         "The text, as many lines as you like (up to 254 characters in all). Press Enter to start a new "
         "line."},
    } + THelpTexts::DialogButtons("Click to put these lines on the card.")};

const THelpTextTable SuperTextProperties{
    "TSuperTextProperties", 40014,
    QList<THelpTextRow>{
        {"TSuperTextProperties", "Everything about SuperText: its text, font, filling, shadow and outline."},
        {"CaptionText", "The text. The preview below shows it as it will look."},
        {"Label2", "->CaptionText"},
        {"SurfaceTypeCombo",
         "How the letters are filled: Normal (the font colour), Transparent (outline only), "
         "Texture (a picture) or Gradient Fill (blending two colours)."},
        {"Label5", "->SurfaceTypeCombo"},
        {"FillPanel", "The colours and direction of the gradient."},
        {"FillDirectionCombo",
         "The direction in which the gradient runs from the From colour to the To colour."},
        {"GradientFromcolorButton", "The colour at which the gradient starts."},
        {"GradientToColorButton", "The colour at which the gradient ends."},
        {"ImagePanel", "->LoadImageButton"},
        {"LoadImageButton", "Choose the picture that fills the letters."},
        {"FontcolorPanel", "->FontColorButton"},
        {"FontColorButton", "The colour of the letters."},
        {"Panel4", "The shadow behind the letters."},
        {"ShadowColorButton", "The colour of the shadow."},
        {"ShadowOrientationCombo", "The direction of the shadow; None switches it off."},
        {"ShadowDepthSpinner", "How far, in pixels, the shadow lies from the letters (0 to 10)."},
        {"Panel3", "The outline drawn around each letter."},
        {"OutlineColorButton", "The colour of the outline."},
        {"OutlineStyleCombo", "The line style of the outline; Clear draws no outline."},
        {"OutLineWidthSpinner", "The thickness of the outline (0 to 10)."},
        {"Fontbutton", "Choose the font of the text."},
        {"RapidChangeFontSize", "Makes the text 5 points larger or smaller."},
        {"SelectSymbolbutton", "Use a symbol from a symbol font as the text."},
        {"Panel1", "A preview of the SuperText. The object on the card changes only when you click Ok."},
    } + THelpTexts::DialogButtons("Click to give the SuperText on the card these settings.")};

const THelpTextTable SuperTextBrushImageBrowser{
    "TSuperTextBrushImageBrowser", 40012,
    QList<THelpTextRow>{
        {"TSuperTextBrushImageBrowser", "Choose the picture that fills the letters of the SuperText."},
        {"DriveComboBox1", "The drive or place that holds the pictures."},
        {"DirectoryListBox1", "The folders. Double-click a folder to open it."},
        {"FolderList", "->DirectoryListBox1"},
        {"FileListBox1", "The pictures in the folder. Click one to see it in the example."},
        {"FileList", "->FileListBox1"},
        {"ScrollBox1", "An example of the text filled with the selected picture."},
        {"SuperTextExample", "->ScrollBox1"},
    } + THelpTexts::DialogButtons("Click to fill the letters with the selected picture.")};

const THelpTextTable SuperTextGetSymbol{
    "TSuperTextGetSymbol", 40014,
    QList<THelpTextRow>{
        {"TSuperTextGetSymbol", "Choose a symbol to use as the text of the SuperText."},
        {"SymbolSets", "Select a symbol font set."},
        {"SymbolList", "Every symbol of the font. Click one, or double-click it to take it at once."},
    } + THelpTexts::DialogButtons("Copy the selected symbol to the label.")};

} // namespace

QList<const THelpTextTable *> THelpTexts::TextTables()
{
    return {&GetLabelText,
            &GetBCLabelText,
            &Font3DEffects,
            &GetSymbol,
            &MultiLineTextEditor,
            &SuperTextProperties,
            &SuperTextBrushImageBrowser,
            &SuperTextGetSymbol};
}

} // namespace cw::ui

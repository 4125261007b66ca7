#include "help/THelpTexts.h"

// Tables of the text objects' dialogs: the text dialogs, the 3D effects, the
// symbol selector, the multi-line editor and SuperText with its browsers.

namespace cw::ui {

namespace {

const THelpTextTable GetLabelText{
    "TGetLabelText", 40004,
    QList<THelpTextRow>{
        {"TGetLabelText", QT_TRANSLATE_NOOP("THelpTexts", "Type the text of this line of text.")},
        {"LabelText",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "The text of the label: one line. The label sizes itself to the text when you click Ok.")},
        {"Label1", "->LabelText"},
    } + THelpTexts::DialogButtons(QT_TRANSLATE_NOOP("THelpTexts", "Click to put this text on the card."))};

const THelpTextTable GetBCLabelText{
    "TGetBCLabelText", 40004,
    QList<THelpTextRow>{
        {"TGetBCLabelText",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Type the text of this line, or pick one of your personal information entries.")},
        {"LabelText", QT_TRANSLATE_NOOP(
                          "THelpTexts",
                          "The text of the label: one line. Type it, or pick an entry from the list below.")},
        {"Label1", "->LabelText"},
        {"PersonalInfoCombo",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "Your personal information (Edit menu, Personal Information). Picking an entry puts "
             "it into the text box above. The list is empty until you fill in your details.")},
        {"Label2", "->PersonalInfoCombo"},
    } + THelpTexts::DialogButtons(QT_TRANSLATE_NOOP("THelpTexts", "Click to put this text on the card."))};

const THelpTextTable Font3DEffects{
    "TGFont3DEffects", 40008,
    QList<THelpTextRow>{
        {"TGFont3DEffects",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Give the text a 3D look with a shadow copy and a highlight copy behind it.")},
        {"ShadowDirection",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "The direction in which the shadow copy of the text is moved; None switches the "
                           "shadow off.")},
        {"ShadowColorCombo", QT_TRANSLATE_NOOP("THelpTexts", "The colour of the shadow copy of the text.")},
        {"ShadowDepth",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "How far, in pixels, the shadow copy lies from the text (0 to 10).")},
        {"HighlightDirection",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "The direction in which the highlight copy of the text is moved; None switches the "
             "highlight off.")},
        {"HighLightColorCombo",
         QT_TRANSLATE_NOOP("THelpTexts", "The colour of the highlight copy of the text.")},
        {"HighLightDepth",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "How far, in pixels, the highlight copy lies from the text (0 to 10).")},
        {"FontColorCombo", QT_TRANSLATE_NOOP("THelpTexts", "The colour of the text itself.")},
        {"Sample",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "A sample of the effect with your font and colours. The text on the card changes only when "
             "you click Ok.")},
        {"SamplePanel", "->Sample"},
    } + THelpTexts::DialogButtons(QT_TRANSLATE_NOOP("THelpTexts",
                                                    "Click to give the text on the card these effects."))};

const THelpTextTable GetSymbol{
    "TGetSymbol", 40005,
    QList<THelpTextRow>{
        {"TGetSymbol",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "Choose a symbol from a symbol font, such as a telephone, an envelope or a pointing hand.")},
        {"Fontbutton",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "Choose the symbol font, its colour and style. The button shows the font in use.")},
        {"Label1", "->Fontbutton"},
        {"TopPanel", "->Fontbutton"},
        {"SymbolList",
         QT_TRANSLATE_NOOP("THelpTexts", "Every symbol of the font. Click the one you want, then click Ok.")},
    } + THelpTexts::DialogButtons(QT_TRANSLATE_NOOP("THelpTexts",
                                                    "Click to put the selected symbol on the card."))};

const THelpTextTable MultiLineTextEditor{
    "TMultiLineTextEditor", 40001,
    QList<THelpTextRow>{
        {"TMultiLineTextEditor", QT_TRANSLATE_NOOP("THelpTexts", "Type the lines of the multi-line text.")},
        {"Memo",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "The text, as many lines as you like (up to 254 characters in all). Press Enter to start a new "
             "line.")},
    } + THelpTexts::DialogButtons(QT_TRANSLATE_NOOP("THelpTexts", "Click to put these lines on the card."))};

const THelpTextTable SuperTextProperties{
    "TSuperTextProperties", 40014,
    QList<THelpTextRow>{
        {"TSuperTextProperties",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Everything about SuperText: its text, font, filling, shadow and outline.")},
        {"CaptionText",
         QT_TRANSLATE_NOOP("THelpTexts", "The text. The preview below shows it as it will look.")},
        {"Label2", "->CaptionText"},
        {"SurfaceTypeCombo",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "How the letters are filled: Normal (the font colour), Transparent (outline only), "
             "Texture (a picture) or Gradient Fill (blending two colours).")},
        {"Label5", "->SurfaceTypeCombo"},
        {"FillPanel", QT_TRANSLATE_NOOP("THelpTexts", "The colours and direction of the gradient.")},
        {"FillDirectionCombo",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "The direction in which the gradient runs from the From colour to the To colour.")},
        {"GradientFromcolorButton",
         QT_TRANSLATE_NOOP("THelpTexts", "The colour at which the gradient starts.")},
        {"GradientToColorButton", QT_TRANSLATE_NOOP("THelpTexts", "The colour at which the gradient ends.")},
        {"ImagePanel", "->LoadImageButton"},
        {"LoadImageButton", QT_TRANSLATE_NOOP("THelpTexts", "Choose the picture that fills the letters.")},
        {"FontcolorPanel", "->FontColorButton"},
        {"FontColorButton", QT_TRANSLATE_NOOP("THelpTexts", "The colour of the letters.")},
        {"Panel4", QT_TRANSLATE_NOOP("THelpTexts", "The shadow behind the letters.")},
        {"ShadowColorButton", QT_TRANSLATE_NOOP("THelpTexts", "The colour of the shadow.")},
        {"ShadowOrientationCombo",
         QT_TRANSLATE_NOOP("THelpTexts", "The direction of the shadow; None switches it off.")},
        {"ShadowDepthSpinner",
         QT_TRANSLATE_NOOP("THelpTexts", "How far, in pixels, the shadow lies from the letters (0 to 10).")},
        {"Panel3", QT_TRANSLATE_NOOP("THelpTexts", "The outline drawn around each letter.")},
        {"OutlineColorButton", QT_TRANSLATE_NOOP("THelpTexts", "The colour of the outline.")},
        {"OutlineStyleCombo",
         QT_TRANSLATE_NOOP("THelpTexts", "The line style of the outline; Clear draws no outline.")},
        {"OutLineWidthSpinner", QT_TRANSLATE_NOOP("THelpTexts", "The thickness of the outline (0 to 10).")},
        {"Fontbutton", QT_TRANSLATE_NOOP("THelpTexts", "Choose the font of the text.")},
        {"RapidChangeFontSize",
         QT_TRANSLATE_NOOP("THelpTexts", "Makes the text 5 points larger or smaller.")},
        {"SelectSymbolbutton",
         QT_TRANSLATE_NOOP("THelpTexts", "Use a symbol from a symbol font as the text.")},
        {"Panel1", QT_TRANSLATE_NOOP(
                       "THelpTexts",
                       "A preview of the SuperText. The object on the card changes only when you click Ok.")},
    } +
        THelpTexts::DialogButtons(
            QT_TRANSLATE_NOOP("THelpTexts", "Click to give the SuperText on the card these settings."))};

const THelpTextTable SuperTextBrushImageBrowser{
    "TSuperTextBrushImageBrowser", 40012,
    QList<THelpTextRow>{
        {"TSuperTextBrushImageBrowser",
         QT_TRANSLATE_NOOP("THelpTexts", "Choose the picture that fills the letters of the SuperText.")},
        {"DriveComboBox1", QT_TRANSLATE_NOOP("THelpTexts", "The drive or place that holds the pictures.")},
        {"DirectoryListBox1",
         QT_TRANSLATE_NOOP("THelpTexts", "The folders. Double-click a folder to open it.")},
        {"FolderList", "->DirectoryListBox1"},
        {"FileListBox1",
         QT_TRANSLATE_NOOP("THelpTexts", "The pictures in the folder. Click one to see it in the example.")},
        {"FileList", "->FileListBox1"},
        {"ScrollBox1",
         QT_TRANSLATE_NOOP("THelpTexts", "An example of the text filled with the selected picture.")},
        {"SuperTextExample", "->ScrollBox1"},
    } + THelpTexts::DialogButtons(QT_TRANSLATE_NOOP("THelpTexts",
                                                    "Click to fill the letters with the selected picture."))};

const THelpTextTable SuperTextGetSymbol{
    "TSuperTextGetSymbol", 40014,
    QList<THelpTextRow>{
        {"TSuperTextGetSymbol",
         QT_TRANSLATE_NOOP("THelpTexts", "Choose a symbol to use as the text of the SuperText.")},
        {"SymbolSets", QT_TRANSLATE_NOOP("THelpTexts", "Select a symbol font set.")},
        {"SymbolList",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Every symbol of the font. Click one, or double-click it to take it at once.")},
    } + THelpTexts::DialogButtons(QT_TRANSLATE_NOOP("THelpTexts", "Copy the selected symbol to the label."))};

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

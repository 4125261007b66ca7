#include "help/THelpTexts.h"

// Tables of the picture, SuperShape, circle text and rich text dialogs.

namespace cw::ui {

namespace {

const THelpTextTable ImageBrowser{
    "TGImageBrowser", 40003,
    QList<THelpTextRow>{
        {"TGImageBrowser", QT_TRANSLATE_NOOP("THelpTexts", "Choose the clip art picture for this object.")},
        {"DriveComboBox1", QT_TRANSLATE_NOOP("THelpTexts", "The drive or place that holds the pictures.")},
        {"DirectoryListBox1",
         QT_TRANSLATE_NOOP("THelpTexts", "The folders. Double-click a folder to open it.")},
        {"FolderList", "->DirectoryListBox1"},
        {"FileListBox1",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "The pictures in the folder (bitmaps, JPEG, GIF, PCX, TGA, metafiles and icons). Click "
             "one to see it.")},
        {"FileList", "->FileListBox1"},
        {"ScrollBox1", QT_TRANSLATE_NOOP("THelpTexts", "A preview of the selected picture.")},
        {"Image1", "->ScrollBox1"},
        {"OptionsGroup", QT_TRANSLATE_NOOP("THelpTexts", "How the picture fits its box on the card.")},
        {"GroupBox1", "->OptionsGroup"},
        {"StretchCheck",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Stretch image to max display size: the picture fills the box you drew.")},
        {"Stretch", "->StretchCheck"},
        {"AutoSizeCheck", QT_TRANSLATE_NOOP("THelpTexts", "The box takes the picture's own size.")},
        {"AutoSize", "->AutoSizeCheck"},
    } + THelpTexts::DialogButtons(QT_TRANSLATE_NOOP("THelpTexts",
                                                    "Click to put the selected picture on the card."))};

const THelpTextTable SuperShapeProperties{
    "TSuperShapeProperties", 40011,
    QList<THelpTextRow>{
        {"TSuperShapeProperties",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Everything about the SuperShape: its outline, surface, shadow and border.")},
        {"ShapeCombo",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "The form of the shape: rectangle, round rectangle, ellipse, diamond, star or one of four "
             "triangles.")},
        {"PointsOnStar", QT_TRANSLATE_NOOP("THelpTexts", "How many points the star has (5 to 20).")},
        {"PercentinVector",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "How far the inner points of the star are pulled in towards its centre.")},
        {"RoundPercent",
         QT_TRANSLATE_NOOP("THelpTexts", "The size of the rounded corners, in percent of the longer side.")},
        {"SurfaceTypeCombo",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "How the shape is filled: Transparent, Solid (one colour), Texture (a picture, "
                           "tiled) or Gradient Fill (blending two colours).")},
        {"BackGroundColorCombo", QT_TRANSLATE_NOOP("THelpTexts", "The colour that fills the shape.")},
        {"FillDirectionCombo",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "The direction in which the gradient runs from the From colour to the To colour.")},
        {"BackGroundColorCombo2",
         QT_TRANSLATE_NOOP("THelpTexts", "The colour at which the gradient starts.")},
        {"GradientToColorCombo", QT_TRANSLATE_NOOP("THelpTexts", "The colour at which the gradient ends.")},
        {"LoadImageButton", QT_TRANSLATE_NOOP("THelpTexts", "Choose the picture that fills the shape.")},
        {"ShadowColorCombo", QT_TRANSLATE_NOOP("THelpTexts", "The colour of the drop shadow.")},
        {"ShadowOrientationCombo",
         QT_TRANSLATE_NOOP("THelpTexts", "Where the drop shadow falls; None switches it off.")},
        {"ShadowDepthSpinner",
         QT_TRANSLATE_NOOP("THelpTexts", "How far, in pixels, the shadow lies from the shape (0 to 10).")},
        {"OutlineColorCombo", QT_TRANSLATE_NOOP("THelpTexts", "The colour of the shape's border line.")},
        {"OutlineStyleCombo",
         QT_TRANSLATE_NOOP("THelpTexts", "The line style of the border; Clear draws no border.")},
        {"OutLineWidthSpinner",
         QT_TRANSLATE_NOOP("THelpTexts", "The thickness of the border line (0 to 10).")},
        {"ScrollBox1",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "A sample of the shape. The shape on the card changes only when you click Ok.")},
        {"SampleBox", "->ScrollBox1"},
    } + THelpTexts::DialogButtons(QT_TRANSLATE_NOOP("THelpTexts",
                                                    "Click to give the shape on the card these settings."))};

const THelpTextTable BrushImageBrowser{
    "TGBrushImageBrowser", 40012,
    QList<THelpTextRow>{
        {"TGBrushImageBrowser",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Choose the picture that fills the SuperShape; it is repeated like tiles.")},
        {"DriveComboBox1", QT_TRANSLATE_NOOP("THelpTexts", "The drive or place that holds the pictures.")},
        {"DirectoryListBox1",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "The folders. Double-click a folder to open it. The textures shipped with "
                           "Cardwright are in the bmbrush folder.")},
        {"FolderList", "->DirectoryListBox1"},
        {"FileListBox1",
         QT_TRANSLATE_NOOP("THelpTexts", "The pictures in the folder. Click one to see it on the example.")},
        {"FileList", "->FileListBox1"},
        {"ScrollBox1",
         QT_TRANSLATE_NOOP("THelpTexts", "An example of the shape filled with the selected picture.")},
        {"ExampleSuperShape", "->ScrollBox1"},
    } + THelpTexts::DialogButtons(QT_TRANSLATE_NOOP("THelpTexts",
                                                    "Click to fill the shape with the selected picture."))};

const THelpTextTable CircleTextProperties{
    "TCircleTextProperties", 40017,
    QList<THelpTextRow>{
        {"TCircleTextProperties",
         QT_TRANSLATE_NOOP("THelpTexts", "Everything about circle text: its text, font, arc and letters.")},
        {"TextEdit", QT_TRANSLATE_NOOP("THelpTexts", "The text that runs along the circle.")},
        {"CaptionText", "->TextEdit"},
        {"DegreesTrackBar",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "How much of a circle the text covers: 90, 180, 270 or 360 degrees.")},
        {"StartingAngleTrackBar", QT_TRANSLATE_NOOP("THelpTexts", "Where on the circle the text starts.")},
        {"AngledCheck",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "Angled Characters: each letter is turned to follow the circle. Off: the letters stay "
             "upright.")},
        {"MirroredCheck",
         QT_TRANSLATE_NOOP("THelpTexts", "Mirrored: the text runs along the inside of the circle.")},
        {"FontColorButton", QT_TRANSLATE_NOOP("THelpTexts", "The colour of the text.")},
        {"Fontbutton", QT_TRANSLATE_NOOP("THelpTexts", "Choose the font of the text.")},
        {"FontSizeSpinner", QT_TRANSLATE_NOOP("THelpTexts", "Makes the text 5 points larger or smaller.")},
        {"ZoomPlus", QT_TRANSLATE_NOOP("THelpTexts", "Enlarges the preview (up to 100%).")},
        {"ZoomMinus", QT_TRANSLATE_NOOP("THelpTexts", "Reduces the preview (down to 50%).")},
        {"ScrollBox1",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "A preview of the circle text. The object on the card changes only when you click Ok.")},
    } +
        THelpTexts::DialogButtons(QT_TRANSLATE_NOOP(
            "THelpTexts", "Click to give the circle text on the card these settings. The text must not "
                          "be empty."))};

const THelpTextTable RichTextLabelEditor{
    "TRichTextLabelEditor", 40013,
    QList<THelpTextRow>{
        {"TRichTextLabelEditor",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Write and format the rich text: fonts, sizes, colours, styles and alignment can "
                           "change within the text.")},
        {"WPToolBar1",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "Formatting: font, size and colour, bold, italic and underline, paragraph alignment, and "
             "the clipboard. Select text first, then choose.")},
        {"WPRichText1",
         QT_TRANSLATE_NOOP("THelpTexts", "The text, wrapped exactly as it will be on the card.")},
        {"WPPanel", "->WPRichText1"},
        {"ZoomPlusButton", QT_TRANSLATE_NOOP("THelpTexts", "Zoom In: shows the text larger (up to 100%).")},
        {"ZoomMinusButton",
         QT_TRANSLATE_NOOP("THelpTexts", "Zoom Out: shows the text smaller (down to 50%).")},
    } + THelpTexts::DialogButtons(QT_TRANSLATE_NOOP("THelpTexts", "Click to put this text on the card."))};

} // namespace

const THelpTextTable CodeProperties{
    "TCodeProperties", 40021,
    QList<THelpTextRow>{
        {"TCodeProperties",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "Everything about a QR code or barcode: what it carries and how it looks.")},
        {"ContentCombo",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "What the code carries: your contact card, made from your personal information "
                           "(and kept up to date with it), or the text below.")},
        {"CodeTextEdit",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "The text or web address the code carries, when it carries no contact card.")},
        {"LevelCombo",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "How much of the code may be damaged or covered and still scan. Higher levels make "
             "the code denser.")},
        {"SymbologyCombo",
         QT_TRANSLATE_NOOP(
             "THelpTexts",
             "The kind of barcode. EAN-13 takes 12 or 13 digits; Code 128 takes Western European "
             "text; DataMatrix, PDF417 and Aztec take any text.")},
        {"ForeColorButton",
         QT_TRANSLATE_NOOP("THelpTexts", "The colour of the bars and modules. Dark colours scan best.")},
        {"BackColorButton", QT_TRANSLATE_NOOP("THelpTexts", "The colour behind the code.")},
        {"TransparentCheck",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "The card shows through behind the code instead of the background colour.")},
        {"QuietZoneSpin",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "The empty margin around the code, in modules (the width of the thinnest bar). "
                           "Scanners need it to find the code.")},
        {"StatusLabel",
         QT_TRANSLATE_NOOP("THelpTexts", "The size of the code, or why the text cannot be encoded.")},
        {"PreviewBox",
         QT_TRANSLATE_NOOP("THelpTexts",
                           "A preview of the code. The code on the card changes only when you click Ok.")},
    } + THelpTexts::DialogButtons(QT_TRANSLATE_NOOP("THelpTexts",
                                                    "Click to give the code on the card these settings."))};

QList<const THelpTextTable *> THelpTexts::ObjectTables()
{
    return {&ImageBrowser,         &SuperShapeProperties, &BrushImageBrowser,
            &CircleTextProperties, &RichTextLabelEditor,  &CodeProperties};
}

} // namespace cw::ui

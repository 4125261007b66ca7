#include "help/THelpTexts.h"

// Tables of the picture, SuperShape, circle text and rich text dialogs.

namespace cw::ui {

namespace {

const THelpTextTable ImageBrowser{
    "TGImageBrowser", 40003,
    QList<THelpTextRow>{
        {"TGImageBrowser", "Choose the clip art picture for this object."},
        {"DriveComboBox1", "The drive or place that holds the pictures."},
        {"DirectoryListBox1", "The folders. Double-click a folder to open it."},
        {"FolderList", "->DirectoryListBox1"},
        {"FileListBox1",
         "The pictures in the folder (bitmaps, JPEG, GIF, PCX, TGA, metafiles and icons). Click "
         "one to see it."},
        {"FileList", "->FileListBox1"},
        {"ScrollBox1", "A preview of the selected picture."},
        {"Image1", "->ScrollBox1"},
        {"OptionsGroup", "How the picture fits its box on the card."},
        {"GroupBox1", "->OptionsGroup"},
        {"StretchCheck", "Stretch image to max display size: the picture fills the box you drew."},
        {"Stretch", "->StretchCheck"},
        {"AutoSizeCheck", "The box takes the picture's own size."},
        {"AutoSize", "->AutoSizeCheck"},
    } + THelpTexts::DialogButtons("Click to put the selected picture on the card.")};

const THelpTextTable SuperShapeProperties{
    "TSuperShapeProperties", 40011,
    QList<THelpTextRow>{
        {"TSuperShapeProperties",
         "Everything about the SuperShape: its outline, surface, shadow and border."},
        {"ShapeCombo",
         "The form of the shape: rectangle, round rectangle, ellipse, diamond, star or one of four "
         "triangles."},
        {"PointsOnStar", "How many points the star has (5 to 20)."},
        {"PercentinVector", "How far the inner points of the star are pulled in towards its centre."},
        {"RoundPercent", "The size of the rounded corners, in percent of the longer side."},
        {"SurfaceTypeCombo", "How the shape is filled: Transparent, Solid (one colour), Texture (a picture, "
                             "tiled) or Gradient Fill (blending two colours)."},
        {"BackGroundColorCombo", "The colour that fills the shape."},
        {"FillDirectionCombo",
         "The direction in which the gradient runs from the From colour to the To colour."},
        {"BackGroundColorCombo2", "The colour at which the gradient starts."},
        {"GradientToColorCombo", "The colour at which the gradient ends."},
        {"LoadImageButton", "Choose the picture that fills the shape."},
        {"ShadowColorCombo", "The colour of the drop shadow."},
        {"ShadowOrientationCombo", "Where the drop shadow falls; None switches it off."},
        {"ShadowDepthSpinner", "How far, in pixels, the shadow lies from the shape (0 to 10)."},
        {"OutlineColorCombo", "The colour of the shape's border line."},
        {"OutlineStyleCombo", "The line style of the border; Clear draws no border."},
        {"OutLineWidthSpinner", "The thickness of the border line (0 to 10)."},
        {"ScrollBox1", "A sample of the shape. The shape on the card changes only when you click Ok."},
        {"SampleBox", "->ScrollBox1"},
    } + THelpTexts::DialogButtons("Click to give the shape on the card these settings.")};

const THelpTextTable BrushImageBrowser{
    "TGBrushImageBrowser", 40012,
    QList<THelpTextRow>{
        {"TGBrushImageBrowser", "Choose the picture that fills the SuperShape; it is repeated like tiles."},
        {"DriveComboBox1", "The drive or place that holds the pictures."},
        {"DirectoryListBox1", "The folders. Double-click a folder to open it. The textures shipped with "
                              "Cardwright are in the bmbrush folder."},
        {"FolderList", "->DirectoryListBox1"},
        {"FileListBox1", "The pictures in the folder. Click one to see it on the example."},
        {"FileList", "->FileListBox1"},
        {"ScrollBox1", "An example of the shape filled with the selected picture."},
        {"ExampleSuperShape", "->ScrollBox1"},
    } + THelpTexts::DialogButtons("Click to fill the shape with the selected picture.")};

const THelpTextTable CircleTextProperties{
    "TCircleTextProperties", 40017,
    QList<THelpTextRow>{
        {"TCircleTextProperties", "Everything about circle text: its text, font, arc and letters."},
        {"TextEdit", "The text that runs along the circle."},
        {"CaptionText", "->TextEdit"},
        {"DegreesTrackBar", "How much of a circle the text covers: 90, 180, 270 or 360 degrees."},
        {"StartingAngleTrackBar", "Where on the circle the text starts."},
        {"AngledCheck",
         "Angled Characters: each letter is turned to follow the circle. Off: the letters stay "
         "upright."},
        {"MirroredCheck", "Mirrored: the text runs along the inside of the circle."},
        {"FontColorButton", "The colour of the text."},
        {"Fontbutton", "Choose the font of the text."},
        {"FontSizeSpinner", "Makes the text 5 points larger or smaller."},
        {"ZoomPlus", "Enlarges the preview (up to 100%)."},
        {"ZoomMinus", "Reduces the preview (down to 50%)."},
        {"ScrollBox1",
         "A preview of the circle text. The object on the card changes only when you click Ok."},
    } +
        THelpTexts::DialogButtons(
            "Click to give the circle text on the card these settings. The text must not "
            "be empty.")};

const THelpTextTable RichTextLabelEditor{
    "TRichTextLabelEditor", 40013,
    QList<THelpTextRow>{
        {"TRichTextLabelEditor",
         "Write and format the rich text: fonts, sizes, colours, styles and alignment can "
         "change within the text."},
        {"WPToolBar1",
         "Formatting: font, size and colour, bold, italic and underline, paragraph alignment, and "
         "the clipboard. Select text first, then choose."},
        {"WPRichText1", "The text, wrapped exactly as it will be on the card."},
        {"WPPanel", "->WPRichText1"},
        {"ZoomPlusButton", "Zoom In: shows the text larger (up to 100%)."},
        {"ZoomMinusButton", "Zoom Out: shows the text smaller (down to 50%)."},
    } + THelpTexts::DialogButtons("Click to put this text on the card.")};

} // namespace

QList<const THelpTextTable *> THelpTexts::ObjectTables()
{
    return {&ImageBrowser, &SuperShapeProperties, &BrushImageBrowser, &CircleTextProperties,
            &RichTextLabelEditor};
}

} // namespace cw::ui

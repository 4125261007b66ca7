<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>HelpContext</name>
    <message>
        <source>The help book is not installed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Interaction</name>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TGMenuItem</name>
    <message>
        <source>Bring To Front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send To Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unselectable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center Vertically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center Horizontally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Image From Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stretch to Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AutoSize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line Thickness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degree of Rounding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angled Sloping Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angled Sloping Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stretch To Edges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3D Effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Rotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>90 Degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>180 Degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>270 Degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol Selector</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPrinterDialogs</name>
    <message>
        <source>Printer Setup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTextDialogParts</name>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the window and keeps your changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the window without changing anything.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the help page of this window.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WhatsThisMenu</name>
    <message>
        <source>What&apos;s this?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::richtext::TRichTextToolBar</name>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Underline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TAssistantZook</name>
    <message>
        <source>How do I create a new business card?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How do I add items to the business card?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How do I select an object on the business card?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How do I change an object&apos;s properties?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How do I change the font for an object?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How do I change the color of an object?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How do I move an object?                    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How do I resize an object?                  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How do I zoom the view of the business card?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose File, New from the menu. The design area is cleared and you start with a blank card. When you are ready to keep your design, choose File, Save As and give the card a file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a drawing tool on the tool bar at the top of the window: text, multi-line text, symbol, rectangle, ellipse, round rectangle, line, clip art, SuperShape, rich text, SuperText or circle text.

Move the mouse to where the object should start on the card, press the left mouse button, drag to where it should end and release the button.

The object is placed and the Pointer tool is selected again. Some objects, such as text and clip art, open a dialog at once so that you can type the text or choose the picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make sure the Pointer tool is selected, then click the object with the LEFT MOUSE BUTTON. Eight small squares, called handles, appear around it to show that it is selected.

Hold Shift while you click to select several objects, or drag a box around them on an empty part of the card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the object with the RIGHT MOUSE BUTTON. A menu of the object&apos;s properties appears: choose the property you want to change. Text objects offer Text and Font, shapes offer colours and line thickness, and the special objects offer Properties.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the object with the RIGHT MOUSE BUTTON and choose FONT from the menu. The font dialog opens: choose the font, its size and style and click OK.

To change the font of several objects at once, select them, click the card with the right mouse button and choose Font.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the object with the RIGHT MOUSE BUTTON and choose the colour entry of the menu, such as Background Color or Line Color. The colour dialog opens: pick a colour and click OK.

Some objects, such as SuperShape, SuperText and circle text, keep their colours in their Properties dialog: choose Properties from the menu instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the object, then press the left mouse button on it and drag it to its new place. Release the button when it is where you want it.

The arrow keys move a selected object one pixel at a time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the object. Press the left mouse button on one of the handles (the small squares around it) and drag it until the object has the size you want, then release the button.

Shift with the arrow keys resizes a single selected object one pixel at a time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the plus/minus zoom button at the lower left of the main window; the percentage display next to it shows the zoom. You can zoom from 100% to 150% in steps of 10%. The plus and minus keys of the numeric keypad do the same; Page Up and Page Down scroll the view.

Printing is always at the card&apos;s real size, but you see it best as it will print (WYSIWYG) at 100%.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TAssistantZookForm</name>
    <message>
        <source>Back  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See also: Frequently Asked Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TCircleTextProperties</name>
    <message>
        <source>CircleText Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angled Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirrored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter some text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TColorButton</name>
    <message>
        <source>&amp;Other</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TColorDrop</name>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Olive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TConfigurationInfo</name>
    <message>
        <source>The information below helps our technical support staff to help you. Click &quot;Copy to Clipboard&quot; to copy it, then paste it into your e-mail program and send it with your question. You may add to the text or change it before you copy or save it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information copied to Windows clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.TXT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to save </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information was saved as: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration Information</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TEditCardLayout</name>
    <message>
        <source>Business Card Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Predefined Layouts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use &amp;Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use &amp;Millimeters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal Pitch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical Pitch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># across</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Margin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Margin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter (8.5 x 11&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A4 (210 x 297mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick the card stock you print on; its sizes fill in the numbers below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show and enter the sizes in inches.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show and enter the sizes in millimetres.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The width of one card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The height of one card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The distance from the left edge of one card to the left edge of the next card in the row. It is at least the card width.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The distance from the top of one card to the top of the card below it. It is at least the card height.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many cards there are in each row (1 to 10).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many rows of cards there are on the sheet (1 to 30).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The distance from the left edge of the paper to the left edge of the first column of cards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The distance from the top edge of the paper to the top of the first row of cards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The size of the sheet of card stock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to keep this layout; the design area takes the new card size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to cancel and return to the previous screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to bring up the help for this window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here, then click any item of this window to see what it is for.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Height must be at least .3 inches (or 7mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Width must be at least .5 inch (or 13mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal Pitch must be at least = Card Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical Pitch must be at least = Card Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sizes, pitches and margins must be at most %1 inches (or %2mm)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TExportResolution</name>
    <message>
        <source>Picture Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Resolution </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Screen (96 dpi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card as you see it at 100 %: small files for e-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print (300 dpi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharp when printed or placed in other documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fine print (600 dpi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For print shops and large displays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TFontDialog</name>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font st&amp;yle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TGBasePanel</name>
    <message>
        <source>Bring To Front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send To Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align Tops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align Bottoms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center Vertically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center Horizontally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlock All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark All Selectable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark All Unselectable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TGFont3DEffects</name>
    <message>
        <source>Text 3D Effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shadow Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shadow Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlight Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlight Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlight Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a value; the sample shows the effect at once.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TGImageBrowser</name>
    <message>
        <source>Load Image File </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where to look for pictures: the root folder or your home folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder shown. Type another folder, or the full name of a picture, and press Enter to go there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders: double-click one to open it, &quot;..&quot; to go up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pictures in the folder. Click one to preview it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A preview of the selected picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Options </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stretch image to max display size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AutoSize TImage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to read %1. The picture was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error loading file!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TGSuperTextProperties</name>
    <message>
        <source>SuperText Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gradient Fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Texture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down and Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down and Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shadow Orientation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shadow Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OutLine Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outline Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surface Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter some text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TGetBCLabelText</name>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the text of the label.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>or select personal information</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TGetLabelText</name>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the text of the label.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TGetSymbol</name>
    <message>
        <source>Symbol Selector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses the font of the symbol.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the symbol to put on the card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::THelpWindow</name>
    <message>
        <source>Cardwright Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search the help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cardwright Help - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No pages found.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TLabelPrinter</name>
    <message>
        <source>Print Status Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Status </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print job failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preview could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sheet was not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cards were not printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel Business Card Printing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>Cancelling...!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TLoadBackGround</name>
    <message>
        <source>Load  Business Card Background Art </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder shown. Type another folder, or the full name of a picture, and press Enter to go there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders: double-click one to open it, &quot;..&quot; to go up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The background pictures you can choose from. Click a name to see the picture beside the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A preview of the selected background picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uses the selected picture as the background of your card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the window and keeps the background as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes the background picture from your card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error loading file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TMainScreen</name>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As Bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As JPG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer S&amp;etup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Fine &amp;Tuning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print O&amp;utline Test Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Sheet As &amp;PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the sheet of cards as a PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Default Font - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Personal Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Set or Change Background Art</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Business Card Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technical Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit Our Internet Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No web browser could be started.
Please visit %1 with your browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the Designer Assistant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snap to Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set or change background art</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press plus (+) or minus (-) to 
increase or decrease the zoom percentage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom so that the card fits the window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no installed printers.
Unable to perform printer related operations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no default printer selected.
Unable to perform printer related operations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved as </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to save the card as </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to draw a border around the card?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Business Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Must be a CWR (Cardwright) file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. Possibly corrupted, possibly not a CWR file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> no longer exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Business Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to delete </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: the default font is used for NEW objects only.
To change the font of an existing object, click it
with the RIGHT MOUSE BUTTON and select FONT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card %1 runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cards %1 run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 off the printable area of the page and would print cut off.

Print anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Sheet As PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview Business Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel all changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Actual Size (100%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help on This Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multi-line text tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rectangle tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ellipse tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round Rectangle tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clip Art Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supershape tool 
Multi-purpose shapes and surfaces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rich Text tool 
Mixed fonts, colors and styles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SuperText tool 
Special Effects Text - fill with gradients or bitmaps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CircleText Tool 
Circular or semi-circular text using any font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Card As JPG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Card As PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Card As Bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap File (*.BMP *.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPG File (*.JPG *.jpg *.jpeg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG File (*.PNG *.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CWR File (*.cwr *.CWR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer %1 is no longer installed, and there is no other printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer %1 is no longer installed.
Cards now print on the default printer %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TMultiLineTextEditor</name>
    <message>
        <source>Multi-line Text Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the lines of the label; Enter starts a new line.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TPersonalInformation</name>
    <message>
        <source>Personal Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to keep these texts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to cancel and return to the previous screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to bring up the help for this window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here, then click any item of this window to see what it is for.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name as it should appear on your cards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of your company or organisation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your job title.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first line of your address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The second line of your address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The third line of your address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your main telephone number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another telephone number, for example a mobile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your e-mail address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your fax number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Text fields on a card can be filled with it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TPreviewForm</name>
    <message>
        <source>Preview Business Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TPrintFineTune</name>
    <message>
        <source>Printer Fine-Tuning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrease by %1/32&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increase by %1/32&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Margin nudge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increase or decrease to adjust where vertical printing starts. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Margin nudge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increase or decrease to adjust where horizontal printing starts. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical Spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increase or decrease to adjust vertical spacing between cards.( You may need to adjust this if printing &quot;creeps&quot; between the top and bottom cards.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal Spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increase or decrease to adjust horizontal spacing between cards </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TRichTextLabelEditor</name>
    <message>
        <source>Rich Text Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TSelectSpecificLabels</name>
    <message>
        <source>Print Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Select Cards To Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hatched cards run off the printable area of the page and print cut off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print &amp;Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of &amp;pages:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select at least one card to print</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TSplashform</name>
    <message>
        <source>About Cardwright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit our online store:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TSuperShapeProperties</name>
    <message>
        <source>Super Shape Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round Rectangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ellipse                  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triangle Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triangle Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triangle Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triangle Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points On Star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>% of Inward Vector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round Percentage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gradient Fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surface Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Texture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solid Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dash Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dotted Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DashDot Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DashDotDot Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shadow Orientation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shadow Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OutLine Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outline Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TTextureBrowser</name>
    <message>
        <source>Load Texture Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder shown. Type another folder, or the full name of a picture, and press Enter to go there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error loading file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cw::ui::TWarnBottomMargin</name>
    <message>
        <source>Business Cards need to print to within 0.5 inches of the bottom, but the current printer has a bottom margin setting of :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This could result in the bottom of the last two business cards being cut off by approximately:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If your printer driver supports it, you could change the bottom margin to 0.5 inches. Otherwise, you should design your cards so that the bottom portion of the cards is not used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Note: some printers, including some of the HP Deskjet series, cannot print beyond a 0.66 inch bottom margin)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t show this warning again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

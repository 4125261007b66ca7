<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>HelpContext</name>
    <message>
        <source>The help book is not installed.</source>
        <translation>Das Hilfebuch ist nicht installiert.</translation>
    </message>
</context>
<context>
    <name>Interaction</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>TCodeEncoder</name>
    <message>
        <source>There is no text to encode.</source>
        <translation>Es gibt keinen Text zum Kodieren.</translation>
    </message>
    <message>
        <source>The text cannot be encoded.</source>
        <translation>Der Text lässt sich nicht kodieren.</translation>
    </message>
    <message>
        <source>The text is too long for a QR code.</source>
        <translation>Der Text ist zu lang für einen QR-Code.</translation>
    </message>
    <message>
        <source>The barcode cannot be made.</source>
        <translation>Der Strichcode lässt sich nicht erstellen.</translation>
    </message>
    <message>
        <source>The symbology cannot hold this text (%1).</source>
        <translation>Diese Codeart kann den Text nicht aufnehmen (%1).</translation>
    </message>
</context>
<context>
    <name>TGMenuItem</name>
    <message>
        <source>Bring To Front</source>
        <translation>In den Vordergrund</translation>
    </message>
    <message>
        <source>Send To Back</source>
        <translation>In den Hintergrund</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Clone</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Unselectable</source>
        <translation>Nicht auswählbar</translation>
    </message>
    <message>
        <source>Center Vertically</source>
        <translation>Vertikal zentrieren</translation>
    </message>
    <message>
        <source>Center Horizontally</source>
        <translation>Horizontal zentrieren</translation>
    </message>
    <message>
        <source>Load Image From Disk</source>
        <translation>Bild aus Datei laden</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Stretch to Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>AutoSize</source>
        <translation>Automatische Größe</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Vertikal spiegeln</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Horizontal spiegeln</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Linienfarbe</translation>
    </message>
    <message>
        <source>Line Thickness</source>
        <translation>Linienstärke</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Degree of Rounding</source>
        <translation>Abrundungsgrad</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Waagerecht</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Senkrecht</translation>
    </message>
    <message>
        <source>Angled Sloping Up</source>
        <translation>Schräg ansteigend</translation>
    </message>
    <message>
        <source>Angled Sloping Down</source>
        <translation>Schräg abfallend</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Stretch To Edges</source>
        <translation>Bis zu den Rändern strecken</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>3D Effects</source>
        <translation>3D-Effekte</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>Zeilenumbruch</translation>
    </message>
    <message>
        <source>No Rotation</source>
        <translation>Keine Drehung</translation>
    </message>
    <message>
        <source>90 Degrees</source>
        <translation>90 Grad</translation>
    </message>
    <message>
        <source>180 Degrees</source>
        <translation>180 Grad</translation>
    </message>
    <message>
        <source>270 Degrees</source>
        <translation>270 Grad</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>Symbol Selector</source>
        <translation>Symbolauswahl</translation>
    </message>
</context>
<context>
    <name>THelpTexts</name>
    <message>
        <source>The Cardwright main window: the tool bar at the top, the business card in the middle and the command buttons at the bottom.</source>
        <translation>Das Hauptfenster von Cardwright: oben die Werkzeugleiste, in der Mitte die Visitenkarte und unten die Befehlsknöpfe.</translation>
    </message>
    <message>
        <source>The tool bar. Choose a drawing tool, then drag on the business card to place a new object of that kind.</source>
        <translation>Die Werkzeugleiste. Wählen Sie ein Zeichenwerkzeug und ziehen Sie dann auf der Visitenkarte, um ein neues Objekt dieser Art zu platzieren.</translation>
    </message>
    <message>
        <source>Selection tool. Click an object to select it, drag it to move it, drag one of its handles to resize it. Click with the RIGHT MOUSE BUTTON for its properties.</source>
        <translation>Auswahlwerkzeug. Klicken Sie auf ein Objekt, um es auszuwählen, ziehen Sie es, um es zu verschieben, ziehen Sie an einem seiner Anfasser, um seine Größe zu ändern. Klicken Sie mit der RECHTEN MAUSTASTE für seine Eigenschaften.</translation>
    </message>
    <message>
        <source>Text tool. Drag a box on the card to add a line of text; you can type the text or pick one of your personal information entries.</source>
        <translation>Textwerkzeug. Ziehen Sie auf der Karte einen Rahmen auf, um eine Textzeile hinzuzufügen; Sie können den Text eingeben oder einen Eintrag Ihrer persönlichen Angaben wählen.</translation>
    </message>
    <message>
        <source>Multi-line text tool. Drag a box on the card to add several lines of text, such as an address block.</source>
        <translation>Werkzeug für mehrzeiligen Text. Ziehen Sie auf der Karte einen Rahmen auf, um mehrere Textzeilen hinzuzufügen, etwa einen Adressblock.</translation>
    </message>
    <message>
        <source>Symbol tool. Drag a box on the card to add a symbol, such as a telephone or an envelope, from a symbol font.</source>
        <translation>Symbolwerkzeug. Ziehen Sie auf der Karte einen Rahmen auf, um ein Symbol aus einer Symbolschrift hinzuzufügen, etwa ein Telefon oder einen Briefumschlag.</translation>
    </message>
    <message>
        <source>Rectangle tool. Drag on the card to draw a rectangle.</source>
        <translation>Rechteckwerkzeug. Ziehen Sie auf der Karte, um ein Rechteck zu zeichnen.</translation>
    </message>
    <message>
        <source>Ellipse tool. Drag on the card to draw an ellipse or a circle.</source>
        <translation>Ellipsenwerkzeug. Ziehen Sie auf der Karte, um eine Ellipse oder einen Kreis zu zeichnen.</translation>
    </message>
    <message>
        <source>Round Rectangle tool. Drag on the card to draw a rectangle with rounded corners.</source>
        <translation>Werkzeug für abgerundete Rechtecke. Ziehen Sie auf der Karte, um ein Rechteck mit abgerundeten Ecken zu zeichnen.</translation>
    </message>
    <message>
        <source>Line tool. Drag on the card to draw a line; its direction can be changed from its menu.</source>
        <translation>Linienwerkzeug. Ziehen Sie auf der Karte, um eine Linie zu zeichnen; ihre Richtung lässt sich über ihr Menü ändern.</translation>
    </message>
    <message>
        <source>Clip Art tool. Drag a box on the card, then choose a picture file to place in it.</source>
        <translation>ClipArt-Werkzeug. Ziehen Sie auf der Karte einen Rahmen auf und wählen Sie dann eine Bilddatei, die darin platziert wird.</translation>
    </message>
    <message>
        <source>SuperShape tool. Multi-purpose shapes (stars, diamonds, triangles and more) with gradient, texture or solid surfaces, borders and shadows.</source>
        <translation>SuperShape-Werkzeug. Vielseitige Formen (Sterne, Rauten, Dreiecke und mehr) mit Verlaufs-, Textur- oder einfarbigen Oberflächen, Rahmen und Schatten.</translation>
    </message>
    <message>
        <source>Rich Text tool. A box of text with mixed fonts, colours and styles.</source>
        <translation>Werkzeug für formatierten Text. Ein Textfeld mit gemischten Schriften, Farben und Stilen.</translation>
    </message>
    <message>
        <source>SuperText tool. Special effects text: letters filled with a gradient or a picture, with an outline and a shadow.</source>
        <translation>SuperText-Werkzeug. Text mit Spezialeffekten: Buchstaben, mit einem Verlauf oder einem Bild gefüllt, mit Umriss und Schatten.</translation>
    </message>
    <message>
        <source>CircleText tool. Text set along a circle or a part of a circle, in any font.</source>
        <translation>CircleText-Werkzeug. Text entlang eines Kreises oder Kreisbogens, in beliebiger Schrift.</translation>
    </message>
    <message>
        <source>Quick Tips: short answers to the most common questions about designing a card.</source>
        <translation>Kurztipps: kurze Antworten auf die häufigsten Fragen zum Gestalten einer Karte.</translation>
    </message>
    <message>
        <source>Shows or hides the grid of green dots on the card.</source>
        <translation>Zeigt oder verbirgt das Raster aus grünen Punkten auf der Karte.</translation>
    </message>
    <message>
        <source>When this is down, objects you move or resize line up on the grid.</source>
        <translation>Wenn dieser Knopf gedrückt ist, richten sich Objekte, die Sie verschieben oder in der Größe ändern, am Raster aus.</translation>
    </message>
    <message>
        <source>Choose a background picture that fills the whole card behind your design, or remove it.</source>
        <translation>Wählen Sie ein Hintergrundbild, das die ganze Karte hinter Ihrem Entwurf füllt, oder entfernen Sie es.</translation>
    </message>
    <message>
        <source>The design area. The white card is your business card: draw on it with the tools above; click outside it to clear the selection. Click an object with the RIGHT MOUSE BUTTON for its properties, or the empty card for the card&apos;s own menu.</source>
        <translation>Die Entwurfsfläche. Die weiße Karte ist Ihre Visitenkarte: Zeichnen Sie mit den Werkzeugen darüber auf ihr; klicken Sie außerhalb, um die Auswahl aufzuheben. Klicken Sie mit der RECHTEN MAUSTASTE auf ein Objekt für seine Eigenschaften oder auf die leere Karte für das Menü der Karte.</translation>
    </message>
    <message>
        <source>The command buttons and the zoom of the design area.</source>
        <translation>Die Befehlsknöpfe und der Zoom der Entwurfsfläche.</translation>
    </message>
    <message>
        <source>Press plus (+) or minus (-) to increase or decrease the zoom percentage, between 100% and 150%. The keypad plus and minus keys do the same.</source>
        <translation>Drücken Sie Plus (+) oder Minus (-), um die Vergrößerung zwischen 100 % und 150 % zu erhöhen oder zu verringern. Die Plus- und Minustasten des Ziffernblocks tun dasselbe.</translation>
    </message>
    <message>
        <source>The zoom of the design area. Printing is always at the card&apos;s real size.</source>
        <translation>Die Vergrößerung der Entwurfsfläche. Gedruckt wird immer in der echten Größe der Karte.</translation>
    </message>
    <message>
        <source>Zooms so that the whole card fits the window, and keeps it fitted while the window is resized. Ctrl+plus and Ctrl+minus (or Ctrl with the mouse wheel) zoom from 25% to 800%; Ctrl+0 returns to 100%.</source>
        <translation>Zoomt so, dass die ganze Karte ins Fenster passt, und hält sie eingepasst, während das Fenster seine Größe ändert. Strg+Plus und Strg+Minus (oder Strg mit dem Mausrad) zoomen von 25 % bis 800 %; Strg+0 kehrt zu 100 % zurück.</translation>
    </message>
    <message>
        <source>Saves the card. Shown only when the card has changes that are not saved yet. It reads &quot;Save As&quot; while the card has no file name.</source>
        <translation>Speichert die Karte. Nur sichtbar, wenn die Karte ungespeicherte Änderungen hat. Solange die Karte keinen Dateinamen hat, heißt der Knopf „Speichern unter“.</translation>
    </message>
    <message>
        <source>Throws away every change since the card was last saved or opened.</source>
        <translation>Verwirft alle Änderungen seit dem letzten Speichern oder Öffnen der Karte.</translation>
    </message>
    <message>
        <source>Prints the card on a sheet of card stock: you choose which cards of the sheet to print and how many sheets.</source>
        <translation>Druckt die Karte auf einen Kartenbogen: Sie wählen, welche Karten des Bogens gedruckt werden und wie viele Bögen.</translation>
    </message>
    <message>
        <source>Shows on screen how the first card of the sheet will print.</source>
        <translation>Zeigt auf dem Bildschirm, wie die erste Karte des Bogens gedruckt wird.</translation>
    </message>
    <message>
        <source>Click to bring up the help for the main window.</source>
        <translation>Klicken, um die Hilfe zum Hauptfenster anzuzeigen.</translation>
    </message>
    <message>
        <source>Click this button, then click any part of the window to see what it is for. Press Esc to cancel.</source>
        <translation>Klicken Sie auf diesen Knopf und dann auf einen beliebigen Teil des Fensters, um zu sehen, wozu er dient. Esc bricht ab.</translation>
    </message>
    <message>
        <source>Ends Cardwright. If the card has unsaved changes you are asked whether to save them.</source>
        <translation>Beendet Cardwright. Hat die Karte ungespeicherte Änderungen, werden Sie gefragt, ob sie gespeichert werden sollen.</translation>
    </message>
    <message>
        <source>The layout of the card stock you print on: card size, margins, spacing and paper.</source>
        <translation>Das Layout des Kartenbogens, auf den Sie drucken: Kartengröße, Ränder, Abstände und Papier.</translation>
    </message>
    <message>
        <source>Pick the card stock you print on; the sizes below are filled in for you.</source>
        <translation>Wählen Sie den Kartenbogen, auf den Sie drucken; die Maße darunter werden für Sie ausgefüllt.</translation>
    </message>
    <message>
        <source>Show and enter the sizes in inches.</source>
        <translation>Maße in Zoll anzeigen und eingeben.</translation>
    </message>
    <message>
        <source>Show and enter the sizes in millimetres.</source>
        <translation>Maße in Millimetern anzeigen und eingeben.</translation>
    </message>
    <message>
        <source>The width of one card. Horizontal Pitch grows with it when it would be smaller.</source>
        <translation>Die Breite einer Karte. Der horizontale Abstand wächst mit, wenn er sonst kleiner wäre.</translation>
    </message>
    <message>
        <source>The height of one card. Vertical Pitch grows with it when it would be smaller.</source>
        <translation>Die Höhe einer Karte. Der vertikale Abstand wächst mit, wenn er sonst kleiner wäre.</translation>
    </message>
    <message>
        <source>The distance from the left edge of one card to the left edge of the next card in the row. It must be at least the card width.</source>
        <translation>Der Abstand vom linken Rand einer Karte zum linken Rand der nächsten Karte in der Reihe. Er muss mindestens so groß wie die Kartenbreite sein.</translation>
    </message>
    <message>
        <source>The distance from the top of one card to the top of the card below it. It must be at least the card height.</source>
        <translation>Der Abstand vom oberen Rand einer Karte zum oberen Rand der Karte darunter. Er muss mindestens so groß wie die Kartenhöhe sein.</translation>
    </message>
    <message>
        <source>How many cards there are in each row of the sheet (1 to 10).</source>
        <translation>Wie viele Karten jede Reihe des Bogens hat (1 bis 10).</translation>
    </message>
    <message>
        <source>How many rows of cards there are on the sheet (1 to 30).</source>
        <translation>Wie viele Kartenreihen der Bogen hat (1 bis 30).</translation>
    </message>
    <message>
        <source>The distance from the left edge of the paper to the left edge of the first column of cards.</source>
        <translation>Der Abstand vom linken Papierrand zum linken Rand der ersten Kartenspalte.</translation>
    </message>
    <message>
        <source>The distance from the top edge of the paper to the top of the first row of cards.</source>
        <translation>Der Abstand vom oberen Papierrand zum oberen Rand der ersten Kartenreihe.</translation>
    </message>
    <message>
        <source>The paper size of the sheet of card stock: Letter or A4.</source>
        <translation>Das Papierformat des Kartenbogens: Letter oder A4.</translation>
    </message>
    <message>
        <source>Click to keep this layout; the card in the design area takes the new size at once.</source>
        <translation>Klicken, um dieses Layout zu übernehmen; die Karte auf der Entwurfsfläche erhält sofort die neue Größe.</translation>
    </message>
    <message>
        <source>Your own details. The text tool offers them, so you can put them on a card without typing them again.</source>
        <translation>Ihre eigenen Angaben. Das Textwerkzeug bietet sie an, sodass Sie sie auf eine Karte setzen können, ohne sie erneut einzugeben.</translation>
    </message>
    <message>
        <source>Your name as it should appear on your cards.</source>
        <translation>Ihr Name, wie er auf Ihren Karten erscheinen soll.</translation>
    </message>
    <message>
        <source>The name of your company or organisation.</source>
        <translation>Der Name Ihrer Firma oder Organisation.</translation>
    </message>
    <message>
        <source>Your job title or position.</source>
        <translation>Ihre Berufsbezeichnung oder Position.</translation>
    </message>
    <message>
        <source>The first line of your address.</source>
        <translation>Die erste Zeile Ihrer Adresse.</translation>
    </message>
    <message>
        <source>The second line of your address.</source>
        <translation>Die zweite Zeile Ihrer Adresse.</translation>
    </message>
    <message>
        <source>The third line of your address, for example the town and postcode.</source>
        <translation>Die dritte Zeile Ihrer Adresse, zum Beispiel Postleitzahl und Ort.</translation>
    </message>
    <message>
        <source>Your main telephone number.</source>
        <translation>Ihre Haupttelefonnummer.</translation>
    </message>
    <message>
        <source>A second telephone number, for example your mobile.</source>
        <translation>Eine zweite Telefonnummer, zum Beispiel Ihr Mobiltelefon.</translation>
    </message>
    <message>
        <source>Your e-mail address.</source>
        <translation>Ihre E-Mail-Adresse.</translation>
    </message>
    <message>
        <source>Your fax number.</source>
        <translation>Ihre Faxnummer.</translation>
    </message>
    <message>
        <source>Click to keep these details. Text already on the card stays as it is; the text tool offers the new values from now on.</source>
        <translation>Klicken, um diese Angaben zu übernehmen. Text, der schon auf der Karte steht, bleibt, wie er ist; das Textwerkzeug bietet ab jetzt die neuen Werte an.</translation>
    </message>
    <message>
        <source>Choose a picture that fills the whole card behind your design.</source>
        <translation>Wählen Sie ein Bild, das die ganze Karte hinter Ihrem Entwurf füllt.</translation>
    </message>
    <message>
        <source>The pictures you can use as background (Windows bitmaps and metafiles). Click one to see it on the right.</source>
        <translation>Die Bilder, die Sie als Hintergrund verwenden können (Windows-Bitmaps und -Metadateien). Klicken Sie auf eines, um es rechts zu sehen.</translation>
    </message>
    <message>
        <source>A preview of the picture selected in the list.</source>
        <translation>Eine Vorschau des in der Liste ausgewählten Bildes.</translation>
    </message>
    <message>
        <source>Click to remove the background picture from the card.</source>
        <translation>Klicken, um das Hintergrundbild von der Karte zu entfernen.</translation>
    </message>
    <message>
        <source>Click to use the selected picture as the card&apos;s background.</source>
        <translation>Klicken, um das ausgewählte Bild als Hintergrund der Karte zu verwenden.</translation>
    </message>
    <message>
        <source>Facts about Cardwright, your computer and your settings, for technical support.</source>
        <translation>Angaben über Cardwright, Ihren Computer und Ihre Einstellungen, für den technischen Support.</translation>
    </message>
    <message>
        <source>The report. You may change or add to the text before you copy or save it.</source>
        <translation>Der Bericht. Sie können den Text ändern oder ergänzen, bevor Sie ihn kopieren oder speichern.</translation>
    </message>
    <message>
        <source>Technical support may ask for this report; it tells them how your computer and Cardwright are set up.</source>
        <translation>Der technische Support kann Sie um diesen Bericht bitten; er zeigt, wie Ihr Computer und Cardwright eingerichtet sind.</translation>
    </message>
    <message>
        <source>Copies the report to the clipboard, so that you can paste it into an e-mail.</source>
        <translation>Kopiert den Bericht in die Zwischenablage, sodass Sie ihn in eine E-Mail einfügen können.</translation>
    </message>
    <message>
        <source>Closes this window.</source>
        <translation>Schließt dieses Fenster.</translation>
    </message>
    <message>
        <source>Saves the report as a text file.</source>
        <translation>Speichert den Bericht als Textdatei.</translation>
    </message>
    <message>
        <source>The version of Cardwright you are using.</source>
        <translation>Die Version von Cardwright, die Sie verwenden.</translation>
    </message>
    <message>
        <source>The version of Cardwright. Technical support may ask for it.</source>
        <translation>Die Version von Cardwright. Der technische Support kann danach fragen.</translation>
    </message>
    <message>
        <source>Opens our web site in your web browser.</source>
        <translation>Öffnet unsere Website in Ihrem Webbrowser.</translation>
    </message>
    <message>
        <source>Click to cancel and return to the previous screen. Nothing you changed here is kept.</source>
        <translation>Klicken, um abzubrechen und zum vorigen Fenster zurückzukehren. Nichts, was Sie hier geändert haben, wird übernommen.</translation>
    </message>
    <message>
        <source>Click to bring up the help for this window.</source>
        <translation>Klicken, um die Hilfe zu diesem Fenster anzuzeigen.</translation>
    </message>
    <message>
        <source>Click this button, then click any part of this window to see what it is for. Press Esc to cancel.</source>
        <translation>Klicken Sie auf diesen Knopf und dann auf einen beliebigen Teil dieses Fensters, um zu sehen, wozu er dient. Esc bricht ab.</translation>
    </message>
    <message>
        <source>The buttons that close this window or bring up help.</source>
        <translation>Die Knöpfe, die dieses Fenster schließen oder die Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>Choose the clip art picture for this object.</source>
        <translation>Wählen Sie das ClipArt-Bild für dieses Objekt.</translation>
    </message>
    <message>
        <source>The drive or place that holds the pictures.</source>
        <translation>Das Laufwerk oder der Ort, der die Bilder enthält.</translation>
    </message>
    <message>
        <source>The folders. Double-click a folder to open it.</source>
        <translation>Die Ordner. Doppelklicken Sie auf einen Ordner, um ihn zu öffnen.</translation>
    </message>
    <message>
        <source>The pictures in the folder (bitmaps, JPEG, GIF, PCX, TGA, metafiles and icons). Click one to see it.</source>
        <translation>Die Bilder im Ordner (Bitmaps, JPEG, GIF, PCX, TGA, Metadateien und Symbole). Klicken Sie auf eines, um es zu sehen.</translation>
    </message>
    <message>
        <source>A preview of the selected picture.</source>
        <translation>Eine Vorschau des ausgewählten Bildes.</translation>
    </message>
    <message>
        <source>How the picture fits its box on the card.</source>
        <translation>Wie das Bild in seinen Rahmen auf der Karte passt.</translation>
    </message>
    <message>
        <source>Stretch image to max display size: the picture fills the box you drew.</source>
        <translation>Bild auf die größte Anzeigegröße strecken: Das Bild füllt den Rahmen, den Sie aufgezogen haben.</translation>
    </message>
    <message>
        <source>The box takes the picture&apos;s own size.</source>
        <translation>Der Rahmen erhält die eigene Größe des Bildes.</translation>
    </message>
    <message>
        <source>Click to put the selected picture on the card.</source>
        <translation>Klicken, um das ausgewählte Bild auf die Karte zu setzen.</translation>
    </message>
    <message>
        <source>Everything about the SuperShape: its outline, surface, shadow and border.</source>
        <translation>Alles zur SuperShape: Umriss, Oberfläche, Schatten und Rahmen.</translation>
    </message>
    <message>
        <source>The form of the shape: rectangle, round rectangle, ellipse, diamond, star or one of four triangles.</source>
        <translation>Die Form: Rechteck, abgerundetes Rechteck, Ellipse, Raute, Stern oder eines von vier Dreiecken.</translation>
    </message>
    <message>
        <source>How many points the star has (5 to 20).</source>
        <translation>Wie viele Zacken der Stern hat (5 bis 20).</translation>
    </message>
    <message>
        <source>How far the inner points of the star are pulled in towards its centre.</source>
        <translation>Wie weit die inneren Spitzen des Sterns zu seiner Mitte hin gezogen werden.</translation>
    </message>
    <message>
        <source>The size of the rounded corners, in percent of the longer side.</source>
        <translation>Die Größe der abgerundeten Ecken, in Prozent der längeren Seite.</translation>
    </message>
    <message>
        <source>How the shape is filled: Transparent, Solid (one colour), Texture (a picture, tiled) or Gradient Fill (blending two colours).</source>
        <translation>Wie die Form gefüllt wird: Transparent, Einfarbig (eine Farbe), Textur (ein Bild, gekachelt) oder Farbverlauf (Übergang zwischen zwei Farben).</translation>
    </message>
    <message>
        <source>The colour that fills the shape.</source>
        <translation>Die Farbe, mit der die Form gefüllt wird.</translation>
    </message>
    <message>
        <source>The direction in which the gradient runs from the From colour to the To colour.</source>
        <translation>Die Richtung, in der der Verlauf von der Anfangsfarbe zur Endfarbe läuft.</translation>
    </message>
    <message>
        <source>The colour at which the gradient starts.</source>
        <translation>Die Farbe, mit der der Verlauf beginnt.</translation>
    </message>
    <message>
        <source>The colour at which the gradient ends.</source>
        <translation>Die Farbe, mit der der Verlauf endet.</translation>
    </message>
    <message>
        <source>Choose the picture that fills the shape.</source>
        <translation>Wählen Sie das Bild, das die Form füllt.</translation>
    </message>
    <message>
        <source>The colour of the drop shadow.</source>
        <translation>Die Farbe des Schlagschattens.</translation>
    </message>
    <message>
        <source>Where the drop shadow falls; None switches it off.</source>
        <translation>Wohin der Schlagschatten fällt; Keine schaltet ihn aus.</translation>
    </message>
    <message>
        <source>How far, in pixels, the shadow lies from the shape (0 to 10).</source>
        <translation>Wie weit der Schatten in Pixeln von der Form entfernt liegt (0 bis 10).</translation>
    </message>
    <message>
        <source>The colour of the shape&apos;s border line.</source>
        <translation>Die Farbe der Randlinie der Form.</translation>
    </message>
    <message>
        <source>The line style of the border; Clear draws no border.</source>
        <translation>Der Linienstil des Rahmens; Keine Linie zeichnet keinen Rahmen.</translation>
    </message>
    <message>
        <source>The thickness of the border line (0 to 10).</source>
        <translation>Die Stärke der Randlinie (0 bis 10).</translation>
    </message>
    <message>
        <source>A sample of the shape. The shape on the card changes only when you click Ok.</source>
        <translation>Ein Beispiel der Form. Die Form auf der Karte ändert sich erst, wenn Sie auf OK klicken.</translation>
    </message>
    <message>
        <source>Click to give the shape on the card these settings.</source>
        <translation>Klicken, um der Form auf der Karte diese Einstellungen zu geben.</translation>
    </message>
    <message>
        <source>Choose the picture that fills the SuperShape; it is repeated like tiles.</source>
        <translation>Wählen Sie das Bild, das die SuperShape füllt; es wird wie Kacheln wiederholt.</translation>
    </message>
    <message>
        <source>The folders. Double-click a folder to open it. The textures shipped with Cardwright are in the bmbrush folder.</source>
        <translation>Die Ordner. Doppelklicken Sie auf einen Ordner, um ihn zu öffnen. Die mit Cardwright gelieferten Texturen liegen im Ordner bmbrush.</translation>
    </message>
    <message>
        <source>The pictures in the folder. Click one to see it on the example.</source>
        <translation>Die Bilder im Ordner. Klicken Sie auf eines, um es am Beispiel zu sehen.</translation>
    </message>
    <message>
        <source>An example of the shape filled with the selected picture.</source>
        <translation>Ein Beispiel der Form, gefüllt mit dem ausgewählten Bild.</translation>
    </message>
    <message>
        <source>Click to fill the shape with the selected picture.</source>
        <translation>Klicken, um die Form mit dem ausgewählten Bild zu füllen.</translation>
    </message>
    <message>
        <source>Everything about circle text: its text, font, arc and letters.</source>
        <translation>Alles zum Kreistext: Text, Schrift, Bogen und Buchstaben.</translation>
    </message>
    <message>
        <source>The text that runs along the circle.</source>
        <translation>Der Text, der entlang des Kreises läuft.</translation>
    </message>
    <message>
        <source>How much of a circle the text covers: 90, 180, 270 or 360 degrees.</source>
        <translation>Wie viel eines Kreises der Text einnimmt: 90, 180, 270 oder 360 Grad.</translation>
    </message>
    <message>
        <source>Where on the circle the text starts.</source>
        <translation>Wo auf dem Kreis der Text beginnt.</translation>
    </message>
    <message>
        <source>Angled Characters: each letter is turned to follow the circle. Off: the letters stay upright.</source>
        <translation>Geneigte Zeichen: Jeder Buchstabe wird gedreht, um dem Kreis zu folgen. Aus: Die Buchstaben bleiben aufrecht.</translation>
    </message>
    <message>
        <source>Mirrored: the text runs along the inside of the circle.</source>
        <translation>Gespiegelt: Der Text läuft an der Innenseite des Kreises entlang.</translation>
    </message>
    <message>
        <source>The colour of the text.</source>
        <translation>Die Farbe des Textes.</translation>
    </message>
    <message>
        <source>Choose the font of the text.</source>
        <translation>Wählen Sie die Schrift des Textes.</translation>
    </message>
    <message>
        <source>Makes the text 5 points larger or smaller.</source>
        <translation>Macht den Text um 5 Punkt größer oder kleiner.</translation>
    </message>
    <message>
        <source>Enlarges the preview (up to 100%).</source>
        <translation>Vergrößert die Vorschau (bis 100 %).</translation>
    </message>
    <message>
        <source>Reduces the preview (down to 50%).</source>
        <translation>Verkleinert die Vorschau (bis 50 %).</translation>
    </message>
    <message>
        <source>A preview of the circle text. The object on the card changes only when you click Ok.</source>
        <translation>Eine Vorschau des Kreistextes. Das Objekt auf der Karte ändert sich erst, wenn Sie auf OK klicken.</translation>
    </message>
    <message>
        <source>Click to give the circle text on the card these settings. The text must not be empty.</source>
        <translation>Klicken, um dem Kreistext auf der Karte diese Einstellungen zu geben. Der Text darf nicht leer sein.</translation>
    </message>
    <message>
        <source>Write and format the rich text: fonts, sizes, colours, styles and alignment can change within the text.</source>
        <translation>Schreiben und formatieren Sie den formatierten Text: Schriften, Größen, Farben, Stile und Ausrichtung können innerhalb des Textes wechseln.</translation>
    </message>
    <message>
        <source>Formatting: font, size and colour, bold, italic and underline, paragraph alignment, and the clipboard. Select text first, then choose.</source>
        <translation>Formatierung: Schrift, Größe und Farbe, fett, kursiv und unterstrichen, Absatzausrichtung und die Zwischenablage. Markieren Sie zuerst Text und wählen Sie dann.</translation>
    </message>
    <message>
        <source>The text, wrapped exactly as it will be on the card.</source>
        <translation>Der Text, genau so umbrochen, wie er auf der Karte stehen wird.</translation>
    </message>
    <message>
        <source>Zoom In: shows the text larger (up to 100%).</source>
        <translation>Vergrößern: zeigt den Text größer (bis 100 %).</translation>
    </message>
    <message>
        <source>Zoom Out: shows the text smaller (down to 50%).</source>
        <translation>Verkleinern: zeigt den Text kleiner (bis 50 %).</translation>
    </message>
    <message>
        <source>Click to put this text on the card.</source>
        <translation>Klicken, um diesen Text auf die Karte zu setzen.</translation>
    </message>
    <message>
        <source>Choose which cards of the sheet to print, how many sheets, and the printer.</source>
        <translation>Wählen Sie, welche Karten des Bogens gedruckt werden, wie viele Bögen und den Drucker.</translation>
    </message>
    <message>
        <source>The sheet of card stock. Red cards print, white cards do not. Click a card to switch it; this saves card stock when part of a sheet is used up.</source>
        <translation>Der Kartenbogen. Rote Karten werden gedruckt, weiße nicht. Klicken Sie auf eine Karte, um sie umzuschalten; das spart Kartenbögen, wenn ein Teil eines Bogens schon verbraucht ist.</translation>
    </message>
    <message>
        <source>Selects every card of the sheet.</source>
        <translation>Wählt alle Karten des Bogens aus.</translation>
    </message>
    <message>
        <source>Deselects every card; then click the cards you want.</source>
        <translation>Hebt die Auswahl aller Karten auf; klicken Sie dann auf die gewünschten Karten.</translation>
    </message>
    <message>
        <source>The printer the cards go to.</source>
        <translation>Der Drucker, auf dem die Karten gedruckt werden.</translation>
    </message>
    <message>
        <source>Choose another printer or change the printer&apos;s settings.</source>
        <translation>Wählen Sie einen anderen Drucker oder ändern Sie die Druckereinstellungen.</translation>
    </message>
    <message>
        <source>How many sheets to print (1 to 99).</source>
        <translation>Wie viele Bögen gedruckt werden (1 bis 99).</translation>
    </message>
    <message>
        <source>Click to print the selected cards. At least one card must be selected.</source>
        <translation>Klicken, um die ausgewählten Karten zu drucken. Mindestens eine Karte muss ausgewählt sein.</translation>
    </message>
    <message>
        <source>Your printer cannot print close enough to the bottom of the sheet for the last row of cards.</source>
        <translation>Ihr Drucker kann nicht nah genug am unteren Rand des Bogens drucken für die letzte Kartenreihe.</translation>
    </message>
    <message>
        <source>How close to the bottom edge of the paper your printer can print.</source>
        <translation>Wie nah am unteren Papierrand Ihr Drucker drucken kann.</translation>
    </message>
    <message>
        <source>How much of the bottom cards may be cut off.</source>
        <translation>Wie viel von den unteren Karten abgeschnitten werden kann.</translation>
    </message>
    <message>
        <source>Tick this and the warning is not shown again.</source>
        <translation>Kreuzen Sie dies an, und die Warnung wird nicht mehr angezeigt.</translation>
    </message>
    <message>
        <source>Click to print anyway.</source>
        <translation>Klicken, um trotzdem zu drucken.</translation>
    </message>
    <message>
        <source>Click to stop printing; nothing is printed.</source>
        <translation>Klicken, um das Drucken abzubrechen; es wird nichts gedruckt.</translation>
    </message>
    <message>
        <source>Move and stretch the printing in steps of 1/32 inch so the cards fall exactly on the card stock.</source>
        <translation>Verschieben und strecken Sie den Druck in Schritten von 1/32 Zoll, sodass die Karten genau auf den Kartenbogen fallen.</translation>
    </message>
    <message>
        <source>Moves the printing down (lower arrow) or up (upper arrow) on the sheet.</source>
        <translation>Verschiebt den Druck auf dem Bogen nach unten (unterer Pfeil) oder nach oben (oberer Pfeil).</translation>
    </message>
    <message>
        <source>Moves the printing right (lower arrow) or left (upper arrow) on the sheet.</source>
        <translation>Verschiebt den Druck auf dem Bogen nach rechts (unterer Pfeil) oder nach links (oberer Pfeil).</translation>
    </message>
    <message>
        <source>Widens (lower arrow) or narrows (upper arrow) the distance between rows of cards. Use it when printing creeps between the top and bottom cards.</source>
        <translation>Vergrößert (unterer Pfeil) oder verkleinert (oberer Pfeil) den Abstand zwischen den Kartenreihen. Verwenden Sie dies, wenn sich der Druck zwischen den oberen und unteren Karten verschiebt.</translation>
    </message>
    <message>
        <source>Widens (lower arrow) or narrows (upper arrow) the distance between the cards of a row.</source>
        <translation>Vergrößert (unterer Pfeil) oder verkleinert (oberer Pfeil) den Abstand zwischen den Karten einer Reihe.</translation>
    </message>
    <message>
        <source>Moves the whole printing up the sheet by 1/32 inch (at most 8/32 inch).</source>
        <translation>Verschiebt den gesamten Druck um 1/32 Zoll auf dem Bogen nach oben (höchstens 8/32 Zoll).</translation>
    </message>
    <message>
        <source>Moves the whole printing down the sheet by 1/32 inch (at most 8/32 inch).</source>
        <translation>Verschiebt den gesamten Druck um 1/32 Zoll auf dem Bogen nach unten (höchstens 8/32 Zoll).</translation>
    </message>
    <message>
        <source>Moves the whole printing to the left by 1/32 inch (at most 8/32 inch).</source>
        <translation>Verschiebt den gesamten Druck um 1/32 Zoll nach links (höchstens 8/32 Zoll).</translation>
    </message>
    <message>
        <source>Moves the whole printing to the right by 1/32 inch (at most 8/32 inch).</source>
        <translation>Verschiebt den gesamten Druck um 1/32 Zoll nach rechts (höchstens 8/32 Zoll).</translation>
    </message>
    <message>
        <source>Brings the rows of cards 1/32 inch closer together.</source>
        <translation>Rückt die Kartenreihen um 1/32 Zoll näher zusammen.</translation>
    </message>
    <message>
        <source>Moves the rows of cards 1/32 inch further apart.</source>
        <translation>Rückt die Kartenreihen um 1/32 Zoll weiter auseinander.</translation>
    </message>
    <message>
        <source>Brings the cards of a row 1/32 inch closer together.</source>
        <translation>Rückt die Karten einer Reihe um 1/32 Zoll näher zusammen.</translation>
    </message>
    <message>
        <source>Moves the cards of a row 1/32 inch further apart.</source>
        <translation>Rückt die Karten einer Reihe um 1/32 Zoll weiter auseinander.</translation>
    </message>
    <message>
        <source>Sets all four adjustments back to none.</source>
        <translation>Setzt alle vier Anpassungen auf keine zurück.</translation>
    </message>
    <message>
        <source>Click to keep these adjustments for all printing from now on.</source>
        <translation>Klicken, um diese Anpassungen ab jetzt für jeden Druck zu übernehmen.</translation>
    </message>
    <message>
        <source>Shows how far printing or preview has got.</source>
        <translation>Zeigt, wie weit Druck oder Vorschau fortgeschritten sind.</translation>
    </message>
    <message>
        <source>What is being printed now.</source>
        <translation>Was gerade gedruckt wird.</translation>
    </message>
    <message>
        <source>Stops printing or preview.</source>
        <translation>Hält Druck oder Vorschau an.</translation>
    </message>
    <message>
        <source>How the sheet will print, with your design on the first card.</source>
        <translation>Wie der Bogen gedruckt wird, mit Ihrem Entwurf auf der ersten Karte.</translation>
    </message>
    <message>
        <source>The printed page. Click with the left mouse button to zoom in, with the right button to zoom out.</source>
        <translation>Die gedruckte Seite. Klicken Sie mit der linken Maustaste, um zu vergrößern, mit der rechten, um zu verkleinern.</translation>
    </message>
    <message>
        <source>The buttons of the preview.</source>
        <translation>Die Knöpfe der Vorschau.</translation>
    </message>
    <message>
        <source>Closes the preview.</source>
        <translation>Schließt die Vorschau.</translation>
    </message>
    <message>
        <source>Shows the page larger.</source>
        <translation>Zeigt die Seite größer.</translation>
    </message>
    <message>
        <source>Shows the page smaller.</source>
        <translation>Zeigt die Seite kleiner.</translation>
    </message>
    <message>
        <source>Fits the width of the page into the window.</source>
        <translation>Passt die Breite der Seite ins Fenster ein.</translation>
    </message>
    <message>
        <source>Fits the whole page into the window.</source>
        <translation>Passt die ganze Seite ins Fenster ein.</translation>
    </message>
    <message>
        <source>Click to bring up the help for the preview.</source>
        <translation>Klicken, um die Hilfe zur Vorschau anzuzeigen.</translation>
    </message>
    <message>
        <source>Type the text of this line of text.</source>
        <translation>Geben Sie den Text dieser Textzeile ein.</translation>
    </message>
    <message>
        <source>The text of the label: one line. The label sizes itself to the text when you click Ok.</source>
        <translation>Der Text der Beschriftung: eine Zeile. Die Beschriftung passt ihre Größe an den Text an, wenn Sie auf OK klicken.</translation>
    </message>
    <message>
        <source>Type the text of this line, or pick one of your personal information entries.</source>
        <translation>Geben Sie den Text dieser Zeile ein oder wählen Sie einen Eintrag Ihrer persönlichen Angaben.</translation>
    </message>
    <message>
        <source>The text of the label: one line. Type it, or pick an entry from the list below.</source>
        <translation>Der Text der Beschriftung: eine Zeile. Geben Sie ihn ein oder wählen Sie einen Eintrag aus der Liste darunter.</translation>
    </message>
    <message>
        <source>Your personal information (Edit menu, Personal Information). Picking an entry puts it into the text box above. The list is empty until you fill in your details.</source>
        <translation>Ihre persönlichen Angaben (Menü Bearbeiten, Persönliche Angaben). Ein gewählter Eintrag wird in das Textfeld darüber übernommen. Die Liste ist leer, bis Sie Ihre Angaben ausfüllen.</translation>
    </message>
    <message>
        <source>Give the text a 3D look with a shadow copy and a highlight copy behind it.</source>
        <translation>Geben Sie dem Text ein 3D-Aussehen mit einer Schattenkopie und einer Glanzlichtkopie dahinter.</translation>
    </message>
    <message>
        <source>The direction in which the shadow copy of the text is moved; None switches the shadow off.</source>
        <translation>Die Richtung, in die die Schattenkopie des Textes verschoben wird; Keine schaltet den Schatten aus.</translation>
    </message>
    <message>
        <source>The colour of the shadow copy of the text.</source>
        <translation>Die Farbe der Schattenkopie des Textes.</translation>
    </message>
    <message>
        <source>How far, in pixels, the shadow copy lies from the text (0 to 10).</source>
        <translation>Wie weit die Schattenkopie in Pixeln vom Text entfernt liegt (0 bis 10).</translation>
    </message>
    <message>
        <source>The direction in which the highlight copy of the text is moved; None switches the highlight off.</source>
        <translation>Die Richtung, in die die Glanzlichtkopie des Textes verschoben wird; Keine schaltet das Glanzlicht aus.</translation>
    </message>
    <message>
        <source>The colour of the highlight copy of the text.</source>
        <translation>Die Farbe der Glanzlichtkopie des Textes.</translation>
    </message>
    <message>
        <source>How far, in pixels, the highlight copy lies from the text (0 to 10).</source>
        <translation>Wie weit die Glanzlichtkopie in Pixeln vom Text entfernt liegt (0 bis 10).</translation>
    </message>
    <message>
        <source>The colour of the text itself.</source>
        <translation>Die Farbe des Textes selbst.</translation>
    </message>
    <message>
        <source>A sample of the effect with your font and colours. The text on the card changes only when you click Ok.</source>
        <translation>Ein Beispiel des Effekts mit Ihrer Schrift und Ihren Farben. Der Text auf der Karte ändert sich erst, wenn Sie auf OK klicken.</translation>
    </message>
    <message>
        <source>Click to give the text on the card these effects.</source>
        <translation>Klicken, um dem Text auf der Karte diese Effekte zu geben.</translation>
    </message>
    <message>
        <source>Choose a symbol from a symbol font, such as a telephone, an envelope or a pointing hand.</source>
        <translation>Wählen Sie ein Symbol aus einer Symbolschrift, etwa ein Telefon, einen Briefumschlag oder eine zeigende Hand.</translation>
    </message>
    <message>
        <source>Choose the symbol font, its colour and style. The button shows the font in use.</source>
        <translation>Wählen Sie die Symbolschrift, ihre Farbe und ihren Stil. Der Knopf zeigt die verwendete Schrift.</translation>
    </message>
    <message>
        <source>Every symbol of the font. Click the one you want, then click Ok.</source>
        <translation>Alle Symbole der Schrift. Klicken Sie auf das gewünschte und dann auf OK.</translation>
    </message>
    <message>
        <source>Click to put the selected symbol on the card.</source>
        <translation>Klicken, um das ausgewählte Symbol auf die Karte zu setzen.</translation>
    </message>
    <message>
        <source>Type the lines of the multi-line text.</source>
        <translation>Geben Sie die Zeilen des mehrzeiligen Textes ein.</translation>
    </message>
    <message>
        <source>The text, as many lines as you like (up to 254 characters in all). Press Enter to start a new line.</source>
        <translation>Der Text, mit beliebig vielen Zeilen (insgesamt bis zu 254 Zeichen). Die Eingabetaste beginnt eine neue Zeile.</translation>
    </message>
    <message>
        <source>Click to put these lines on the card.</source>
        <translation>Klicken, um diese Zeilen auf die Karte zu setzen.</translation>
    </message>
    <message>
        <source>Everything about SuperText: its text, font, filling, shadow and outline.</source>
        <translation>Alles zum SuperText: Text, Schrift, Füllung, Schatten und Umriss.</translation>
    </message>
    <message>
        <source>The text. The preview below shows it as it will look.</source>
        <translation>Der Text. Die Vorschau darunter zeigt, wie er aussehen wird.</translation>
    </message>
    <message>
        <source>How the letters are filled: Normal (the font colour), Transparent (outline only), Texture (a picture) or Gradient Fill (blending two colours).</source>
        <translation>Wie die Buchstaben gefüllt werden: Normal (die Schriftfarbe), Transparent (nur Umriss), Textur (ein Bild) oder Farbverlauf (Übergang zwischen zwei Farben).</translation>
    </message>
    <message>
        <source>The colours and direction of the gradient.</source>
        <translation>Die Farben und die Richtung des Verlaufs.</translation>
    </message>
    <message>
        <source>Choose the picture that fills the letters.</source>
        <translation>Wählen Sie das Bild, das die Buchstaben füllt.</translation>
    </message>
    <message>
        <source>The colour of the letters.</source>
        <translation>Die Farbe der Buchstaben.</translation>
    </message>
    <message>
        <source>The shadow behind the letters.</source>
        <translation>Der Schatten hinter den Buchstaben.</translation>
    </message>
    <message>
        <source>The colour of the shadow.</source>
        <translation>Die Farbe des Schattens.</translation>
    </message>
    <message>
        <source>The direction of the shadow; None switches it off.</source>
        <translation>Die Richtung des Schattens; Keine schaltet ihn aus.</translation>
    </message>
    <message>
        <source>How far, in pixels, the shadow lies from the letters (0 to 10).</source>
        <translation>Wie weit der Schatten in Pixeln von den Buchstaben entfernt liegt (0 bis 10).</translation>
    </message>
    <message>
        <source>The outline drawn around each letter.</source>
        <translation>Der Umriss um jeden Buchstaben.</translation>
    </message>
    <message>
        <source>The colour of the outline.</source>
        <translation>Die Farbe des Umrisses.</translation>
    </message>
    <message>
        <source>The line style of the outline; Clear draws no outline.</source>
        <translation>Der Linienstil des Umrisses; Keine Linie zeichnet keinen Umriss.</translation>
    </message>
    <message>
        <source>The thickness of the outline (0 to 10).</source>
        <translation>Die Stärke des Umrisses (0 bis 10).</translation>
    </message>
    <message>
        <source>Use a symbol from a symbol font as the text.</source>
        <translation>Verwenden Sie ein Symbol aus einer Symbolschrift als Text.</translation>
    </message>
    <message>
        <source>A preview of the SuperText. The object on the card changes only when you click Ok.</source>
        <translation>Eine Vorschau des SuperTextes. Das Objekt auf der Karte ändert sich erst, wenn Sie auf OK klicken.</translation>
    </message>
    <message>
        <source>Click to give the SuperText on the card these settings.</source>
        <translation>Klicken, um dem SuperText auf der Karte diese Einstellungen zu geben.</translation>
    </message>
    <message>
        <source>Choose the picture that fills the letters of the SuperText.</source>
        <translation>Wählen Sie das Bild, das die Buchstaben des SuperTextes füllt.</translation>
    </message>
    <message>
        <source>The pictures in the folder. Click one to see it in the example.</source>
        <translation>Die Bilder im Ordner. Klicken Sie auf eines, um es im Beispiel zu sehen.</translation>
    </message>
    <message>
        <source>An example of the text filled with the selected picture.</source>
        <translation>Ein Beispiel des Textes, gefüllt mit dem ausgewählten Bild.</translation>
    </message>
    <message>
        <source>Click to fill the letters with the selected picture.</source>
        <translation>Klicken, um die Buchstaben mit dem ausgewählten Bild zu füllen.</translation>
    </message>
    <message>
        <source>Choose a symbol to use as the text of the SuperText.</source>
        <translation>Wählen Sie ein Symbol als Text des SuperTextes.</translation>
    </message>
    <message>
        <source>Select a symbol font set.</source>
        <translation>Wählen Sie einen Symbolschriftsatz.</translation>
    </message>
    <message>
        <source>Every symbol of the font. Click one, or double-click it to take it at once.</source>
        <translation>Alle Symbole der Schrift. Klicken Sie auf eines oder doppelklicken Sie, um es sofort zu übernehmen.</translation>
    </message>
    <message>
        <source>Copy the selected symbol to the label.</source>
        <translation>Das ausgewählte Symbol in die Beschriftung übernehmen.</translation>
    </message>
    <message>
        <source>QR Code tool. Drag a box on the card for a QR code that a phone scans to save your contact details, or that carries a text or a web address.</source>
        <translation>QR-Code-Werkzeug. Ziehen Sie einen Rahmen auf der Karte für einen QR-Code, den ein Telefon scannt, um Ihre Kontaktdaten zu speichern, oder der einen Text oder eine Webadresse trägt.</translation>
    </message>
    <message>
        <source>Barcode tool. Drag a box on the card for a Code 128, EAN-13, DataMatrix, PDF417 or Aztec barcode.</source>
        <translation>Strichcode-Werkzeug. Ziehen Sie einen Rahmen auf der Karte für einen Strichcode Code 128, EAN-13, DataMatrix, PDF417 oder Aztec.</translation>
    </message>
    <message>
        <source>Shows the front of the card (Ctrl+Page Up). The front is the card file itself; each side has its own objects and background.</source>
        <translation>Zeigt die Vorderseite der Karte (Strg+Bild auf). Die Vorderseite ist die Kartendatei selbst; jede Seite hat ihre eigenen Objekte und ihren eigenen Hintergrund.</translation>
    </message>
    <message>
        <source>Shows the back of the card (Ctrl+Page Down). A card whose back is empty saves and prints as a one-sided card; a back is saved beside the card file and prints behind each front.</source>
        <translation>Zeigt die Rückseite der Karte (Strg+Bild ab). Eine Karte mit leerer Rückseite wird als einseitige Karte gespeichert und gedruckt; eine Rückseite wird neben der Kartendatei gespeichert und hinter jede Vorderseite gedruckt.</translation>
    </message>
    <message>
        <source>Everything about a QR code or barcode: what it carries and how it looks.</source>
        <translation>Alles zu einem QR-Code oder Strichcode: was er trägt und wie er aussieht.</translation>
    </message>
    <message>
        <source>What the code carries: your contact card, made from your personal information (and kept up to date with it), or the text below.</source>
        <translation>Was der Code trägt: Ihre Kontaktkarte aus Ihren persönlichen Angaben (und mit ihnen aktuell gehalten) oder den Text darunter.</translation>
    </message>
    <message>
        <source>The text or web address the code carries, when it carries no contact card.</source>
        <translation>Der Text oder die Webadresse, die der Code trägt, wenn er keine Kontaktkarte trägt.</translation>
    </message>
    <message>
        <source>How much of the code may be damaged or covered and still scan. Higher levels make the code denser.</source>
        <translation>Wie viel des Codes beschädigt oder verdeckt sein darf, damit er sich noch scannen lässt. Höhere Stufen machen den Code dichter.</translation>
    </message>
    <message>
        <source>The kind of barcode. EAN-13 takes 12 or 13 digits; Code 128 takes Western European text; DataMatrix, PDF417 and Aztec take any text.</source>
        <translation>Die Art des Strichcodes. EAN-13 nimmt 12 oder 13 Ziffern; Code 128 nimmt westeuropäischen Text; DataMatrix, PDF417 und Aztec nehmen jeden Text.</translation>
    </message>
    <message>
        <source>The colour of the bars and modules. Dark colours scan best.</source>
        <translation>Die Farbe der Striche und Module. Dunkle Farben lassen sich am besten scannen.</translation>
    </message>
    <message>
        <source>The colour behind the code.</source>
        <translation>Die Farbe hinter dem Code.</translation>
    </message>
    <message>
        <source>The card shows through behind the code instead of the background colour.</source>
        <translation>Hinter dem Code scheint die Karte durch statt der Hintergrundfarbe.</translation>
    </message>
    <message>
        <source>The empty margin around the code, in modules (the width of the thinnest bar). Scanners need it to find the code.</source>
        <translation>Der leere Rand um den Code, in Modulen (der Breite des schmalsten Strichs). Scanner brauchen ihn, um den Code zu finden.</translation>
    </message>
    <message>
        <source>The size of the code, or why the text cannot be encoded.</source>
        <translation>Die Größe des Codes oder warum sich der Text nicht kodieren lässt.</translation>
    </message>
    <message>
        <source>A preview of the code. The code on the card changes only when you click Ok.</source>
        <translation>Eine Vorschau des Codes. Der Code auf der Karte ändert sich erst, wenn Sie auf OK klicken.</translation>
    </message>
    <message>
        <source>Click to give the code on the card these settings.</source>
        <translation>Klicken Sie hier, um dem Code auf der Karte diese Einstellungen zu geben.</translation>
    </message>
    <message>
        <source>How the backs of double-sided cards are put behind their fronts. Print the registration test page and hold it against the light to tune them.</source>
        <translation>Wie die Rückseiten doppelseitiger Karten hinter ihre Vorderseiten gesetzt werden. Drucken Sie die Registrierungs-Testseite und halten Sie sie gegen das Licht, um sie abzustimmen.</translation>
    </message>
    <message>
        <source>The edge the sheet turns over: the binding your duplex printer uses, or how you turn the stack over before feeding it again for the backs.</source>
        <translation>Die Kante, um die der Bogen gewendet wird: die Bindung, die Ihr Duplexdrucker verwendet, oder wie Sie den Stapel wenden, bevor Sie ihn für die Rückseiten erneut einlegen.</translation>
    </message>
    <message>
        <source>Moves every back card right (or left, below zero) in steps of 1/32 inch, as the back of the sheet is looked at.</source>
        <translation>Verschiebt jede Rückseite nach rechts (oder unter null nach links) in Schritten von 1/32 Zoll, von der Rückseite des Bogens aus gesehen.</translation>
    </message>
    <message>
        <source>Moves every back card down (or up, below zero) in steps of 1/32 inch, as the back of the sheet is looked at.</source>
        <translation>Verschiebt jede Rückseite nach unten (oder unter null nach oben) in Schritten von 1/32 Zoll, von der Rückseite des Bogens aus gesehen.</translation>
    </message>
    <message>
        <source>Click to keep this registration for all printing from now on.</source>
        <translation>Klicken Sie hier, um diese Ausrichtung ab jetzt für alle Drucke zu behalten.</translation>
    </message>
    <message>
        <source>The merge bar: the card shows one record of the merge source at a time, and printing fills the sheets with one card per record.</source>
        <translation>Die Seriendruckleiste: Die Karte zeigt jeweils einen Datensatz der Seriendruckquelle, und beim Drucken erhält jeder Datensatz eine Karte auf den Bögen.</translation>
    </message>
    <message>
        <source>Shows the card with the first record of the merge source.</source>
        <translation>Zeigt die Karte mit dem ersten Datensatz der Seriendruckquelle.</translation>
    </message>
    <message>
        <source>Shows the card with the record before the current one.</source>
        <translation>Zeigt die Karte mit dem Datensatz vor dem aktuellen.</translation>
    </message>
    <message>
        <source>Shows the card with the record after the current one.</source>
        <translation>Zeigt die Karte mit dem Datensatz nach dem aktuellen.</translation>
    </message>
    <message>
        <source>Shows the card with the last record of the merge source.</source>
        <translation>Zeigt die Karte mit dem letzten Datensatz der Seriendruckquelle.</translation>
    </message>
    <message>
        <source>The record the card shows, and how many records the source holds.</source>
        <translation>Der Datensatz, den die Karte zeigt, und wie viele Datensätze die Quelle enthält.</translation>
    </message>
    <message>
        <source>How many cards each record gets when the sheets are printed: more than one prints a small stack of cards for every person.</source>
        <translation>Wie viele Karten jeder Datensatz beim Drucken erhält: Mehr als eine druckt für jede Person einen kleinen Stapel Karten.</translation>
    </message>
    <message>
        <source>Opens another CSV or vCard file as the merge source. Its columns are matched to the personal information fields by name.</source>
        <translation>Öffnet eine andere CSV- oder vCard-Datei als Seriendruckquelle. Ihre Spalten werden den Feldern der persönlichen Informationen nach dem Namen zugeordnet.</translation>
    </message>
    <message>
        <source>Chooses by hand which column of the source fills each personal information field. The choice is kept beside the card file.</source>
        <translation>Legt von Hand fest, welche Spalte der Quelle jedes Feld der persönlichen Informationen füllt. Die Wahl wird neben der Kartendatei gespeichert.</translation>
    </message>
    <message>
        <source>Ends the merge: linked labels show your own personal information again and printing fills the sheet with one card.</source>
        <translation>Beendet den Seriendruck: Verknüpfte Beschriftungen zeigen wieder Ihre eigenen persönlichen Informationen, und gedruckt wird eine Karte auf dem ganzen Bogen.</translation>
    </message>
</context>
<context>
    <name>TLabelPrintJob</name>
    <message>
        <source><byte value="xd"/>Business Card Print Canceled!</source>
        <translation><byte value="xd"/>Drucken der Visitenkarten abgebrochen!</translation>
    </message>
    <message>
        <source><byte value="xd"/>Business Card Preview Canceled!</source>
        <translation><byte value="xd"/>Vorschau der Visitenkarten abgebrochen!</translation>
    </message>
    <message>
        <source>Print job completed and sent to printer!<byte value="xd"/><byte value="xd"/>Note: this design contains complex shapes or text.<byte value="xd"/>Please be patient while the printer produces its<byte value="xd"/>output...</source>
        <translation>Druckauftrag abgeschlossen und an den Drucker gesendet!<byte value="xd"/><byte value="xd"/>Hinweis: Dieser Entwurf enthält komplexe Formen oder Texte.<byte value="xd"/>Bitte haben Sie etwas Geduld, während der Drucker<byte value="xd"/>die Ausgabe erstellt …</translation>
    </message>
    <message>
        <source>Print job completed and sent to printer!</source>
        <translation>Druckauftrag abgeschlossen und an den Drucker gesendet!</translation>
    </message>
    <message>
        <source>Business Card preview ready to view!<byte value="xd"/><byte value="xd"/>Note: To save time, only a single card is previewed<byte value="xd"/><byte value="xd"/>** This design contains complex shapes or text.<byte value="xd"/>Please be patient while the previewer prepares<byte value="xd"/>the viewing page</source>
        <translation>Die Vorschau der Visitenkarten ist bereit!<byte value="xd"/><byte value="xd"/>Hinweis: Um Zeit zu sparen, wird nur eine einzelne Karte angezeigt<byte value="xd"/><byte value="xd"/>** Dieser Entwurf enthält komplexe Formen oder Texte.<byte value="xd"/>Bitte haben Sie etwas Geduld, während die Vorschau<byte value="xd"/>die Seite vorbereitet</translation>
    </message>
    <message>
        <source><byte value="xd"/>Business Card preview ready!<byte value="xd"/><byte value="xd"/>Note: To save time, only a single card is previewed</source>
        <translation><byte value="xd"/>Die Vorschau der Visitenkarten ist bereit!<byte value="xd"/><byte value="xd"/>Hinweis: Um Zeit zu sparen, wird nur eine einzelne Karte angezeigt</translation>
    </message>
    <message>
        <source><byte value="xd"/>Nothing was printed!<byte value="xd"/><byte value="xd"/>The page range starts at page %1,<byte value="xd"/>but this job has only %2 %3.</source>
        <translation><byte value="xd"/>Es wurde nichts gedruckt!<byte value="xd"/><byte value="xd"/>Der Seitenbereich beginnt bei Seite %1,<byte value="xd"/>dieser Auftrag hat aber nur %2 %3.</translation>
    </message>
    <message>
        <source>page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source><byte value="xd"/>Business Card sheet saved as<byte value="xd"/></source>
        <translation><byte value="xd"/>Visitenkartenbogen gespeichert als<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>TMergeMapping</name>
    <message>
        <source>Unknown field in %1: give one of %2 before the &quot;=&quot;</source>
        <translation>Unbekanntes Feld in %1: geben Sie vor dem &quot;=&quot; eines von %2 an</translation>
    </message>
    <message>
        <source>The merge source has no column &quot;%1&quot;; its columns are %2</source>
        <translation>Die Seriendruckquelle hat keine Spalte &quot;%1&quot;; ihre Spalten sind %2</translation>
    </message>
</context>
<context>
    <name>TMergeTable</name>
    <message>
        <source>Line %1 (record %2): %3</source>
        <translation>Zeile %1 (Datensatz %2): %3</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>TPreferences</name>
    <message>
        <source>Default Font: %1, %2 pt </source>
        <translation>Standardschrift: %1, %2 pt </translation>
    </message>
    <message>
        <source>, bold</source>
        <translation>, fett</translation>
    </message>
    <message>
        <source>, italic</source>
        <translation>, kursiv</translation>
    </message>
    <message>
        <source>, underline</source>
        <translation>, unterstrichen</translation>
    </message>
</context>
<context>
    <name>TPrinterDialogs</name>
    <message>
        <source>Printer Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
</context>
<context>
    <name>TTextDialogParts</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Was ist das?</translation>
    </message>
    <message>
        <source>Closes the window and keeps your changes.</source>
        <translation>Schließt das Fenster und übernimmt Ihre Änderungen.</translation>
    </message>
    <message>
        <source>Closes the window without changing anything.</source>
        <translation>Schließt das Fenster, ohne etwas zu ändern.</translation>
    </message>
    <message>
        <source>Opens the help page of this window.</source>
        <translation>Öffnet die Hilfeseite zu diesem Fenster.</translation>
    </message>
</context>
<context>
    <name>WhatsThisMenu</name>
    <message>
        <source>What&apos;s this?</source>
        <translation>Was ist das?</translation>
    </message>
</context>
<context>
    <name>cw::model::TCsvReader</name>
    <message>
        <source>a quoted field is not closed; the record is left out and reading goes on with the next line</source>
        <translation>ein Feld in Anführungszeichen ist nicht geschlossen; der Datensatz wird ausgelassen und das Lesen geht mit der nächsten Zeile weiter</translation>
    </message>
    <message>
        <source>text follows a closing quote; it is kept after the quoted text</source>
        <translation>nach einem schließenden Anführungszeichen folgt Text; er bleibt hinter dem zitierten Text erhalten</translation>
    </message>
    <message>
        <source>%1 fields, but the header names %2 columns; the extra fields are left out</source>
        <translation>%1 Felder, aber die Kopfzeile nennt %2 Spalten; die überzähligen Felder werden ausgelassen</translation>
    </message>
</context>
<context>
    <name>cw::model::TVCardReader</name>
    <message>
        <source>the contact has no END:VCARD; it ends where the next begins</source>
        <translation>dem Kontakt fehlt END:VCARD; er endet, wo der nächste beginnt</translation>
    </message>
    <message>
        <source>text outside BEGIN:VCARD ... END:VCARD is left out</source>
        <translation>Text außerhalb von BEGIN:VCARD ... END:VCARD wird ausgelassen</translation>
    </message>
    <message>
        <source>a line without &apos;:&apos; is left out</source>
        <translation>eine Zeile ohne &apos;:&apos; wird ausgelassen</translation>
    </message>
    <message>
        <source>the contact has no END:VCARD at the end of the file</source>
        <translation>dem Kontakt fehlt END:VCARD am Ende der Datei</translation>
    </message>
</context>
<context>
    <name>cw::richtext::TRichTextToolBar</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Blocksatz</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
</context>
<context>
    <name>cw::ui::TAssistantZook</name>
    <message>
        <source>How do I create a new business card?</source>
        <translation>Wie erstelle ich eine neue Visitenkarte?</translation>
    </message>
    <message>
        <source>How do I add items to the business card?</source>
        <translation>Wie füge ich der Visitenkarte Objekte hinzu?</translation>
    </message>
    <message>
        <source>How do I select an object on the business card?</source>
        <translation>Wie wähle ich ein Objekt auf der Visitenkarte aus?</translation>
    </message>
    <message>
        <source>How do I change an object&apos;s properties?</source>
        <translation>Wie ändere ich die Eigenschaften eines Objekts?</translation>
    </message>
    <message>
        <source>How do I change the font for an object?</source>
        <translation>Wie ändere ich die Schrift eines Objekts?</translation>
    </message>
    <message>
        <source>How do I change the color of an object?</source>
        <translation>Wie ändere ich die Farbe eines Objekts?</translation>
    </message>
    <message>
        <source>How do I move an object?                    </source>
        <translation>Wie verschiebe ich ein Objekt?</translation>
    </message>
    <message>
        <source>How do I resize an object?                  </source>
        <translation>Wie ändere ich die Größe eines Objekts?</translation>
    </message>
    <message>
        <source>How do I zoom the view of the business card?</source>
        <translation>Wie vergrößere oder verkleinere ich die Ansicht der Visitenkarte?</translation>
    </message>
    <message>
        <source>Choose File, New from the menu. The design area is cleared and you start with a blank card. When you are ready to keep your design, choose File, Save As and give the card a file name.</source>
        <translation>Wählen Sie im Menü Datei den Eintrag Neu. Die Entwurfsfläche wird geleert, und Sie beginnen mit einer leeren Karte. Wenn Sie Ihren Entwurf behalten möchten, wählen Sie Datei, Speichern unter und geben Sie der Karte einen Dateinamen.</translation>
    </message>
    <message>
        <source>Choose a drawing tool on the tool bar at the top of the window: text, multi-line text, symbol, rectangle, ellipse, round rectangle, line, clip art, SuperShape, rich text, SuperText or circle text.

Move the mouse to where the object should start on the card, press the left mouse button, drag to where it should end and release the button.

The object is placed and the Pointer tool is selected again. Some objects, such as text and clip art, open a dialog at once so that you can type the text or choose the picture.</source>
        <translation>Wählen Sie in der Werkzeugleiste oben im Fenster ein Zeichenwerkzeug: Text, mehrzeiliger Text, Symbol, Rechteck, Ellipse, abgerundetes Rechteck, Linie, ClipArt, SuperShape, formatierter Text, SuperText oder Kreistext.

Bewegen Sie die Maus an die Stelle der Karte, an der das Objekt beginnen soll, drücken Sie die linke Maustaste, ziehen Sie bis zu der Stelle, an der es enden soll, und lassen Sie die Taste los.

Das Objekt wird platziert, und das Auswahlwerkzeug ist wieder aktiv. Einige Objekte, etwa Text und ClipArt, öffnen sofort einen Dialog, in dem Sie den Text eingeben oder das Bild wählen.</translation>
    </message>
    <message>
        <source>Make sure the Pointer tool is selected, then click the object with the LEFT MOUSE BUTTON. Eight small squares, called handles, appear around it to show that it is selected.

Hold Shift while you click to select several objects, or drag a box around them on an empty part of the card.</source>
        <translation>Vergewissern Sie sich, dass das Auswahlwerkzeug aktiv ist, und klicken Sie dann mit der LINKEN MAUSTASTE auf das Objekt. Acht kleine Quadrate, die Anfasser, erscheinen um das Objekt und zeigen, dass es ausgewählt ist.

Halten Sie beim Klicken die Umschalttaste gedrückt, um mehrere Objekte auszuwählen, oder ziehen Sie auf einer leeren Stelle der Karte einen Rahmen um sie.</translation>
    </message>
    <message>
        <source>Click the object with the RIGHT MOUSE BUTTON. A menu of the object&apos;s properties appears: choose the property you want to change. Text objects offer Text and Font, shapes offer colours and line thickness, and the special objects offer Properties.</source>
        <translation>Klicken Sie mit der RECHTEN MAUSTASTE auf das Objekt. Ein Menü mit den Eigenschaften des Objekts erscheint: Wählen Sie die Eigenschaft, die Sie ändern möchten. Textobjekte bieten Text und Schrift, Formen bieten Farben und Linienstärke, und die besonderen Objekte bieten Eigenschaften.</translation>
    </message>
    <message>
        <source>Click the object with the RIGHT MOUSE BUTTON and choose FONT from the menu. The font dialog opens: choose the font, its size and style and click OK.

To change the font of several objects at once, select them, click the card with the right mouse button and choose Font.</source>
        <translation>Klicken Sie mit der RECHTEN MAUSTASTE auf das Objekt und wählen Sie im Menü SCHRIFT. Der Schriftdialog öffnet sich: Wählen Sie Schrift, Größe und Schriftschnitt und klicken Sie auf OK.

Um die Schrift mehrerer Objekte auf einmal zu ändern, wählen Sie sie aus, klicken Sie mit der rechten Maustaste auf die Karte und wählen Sie Schrift.</translation>
    </message>
    <message>
        <source>Click the object with the RIGHT MOUSE BUTTON and choose the colour entry of the menu, such as Background Color or Line Color. The colour dialog opens: pick a colour and click OK.

Some objects, such as SuperShape, SuperText and circle text, keep their colours in their Properties dialog: choose Properties from the menu instead.</source>
        <translation>Klicken Sie mit der RECHTEN MAUSTASTE auf das Objekt und wählen Sie den Farbeintrag des Menüs, etwa Hintergrundfarbe oder Linienfarbe. Der Farbdialog öffnet sich: Wählen Sie eine Farbe und klicken Sie auf OK.

Einige Objekte, etwa SuperShape, SuperText und Kreistext, verwalten ihre Farben im Dialog Eigenschaften: Wählen Sie dann im Menü Eigenschaften.</translation>
    </message>
    <message>
        <source>Select the object, then press the left mouse button on it and drag it to its new place. Release the button when it is where you want it.

The arrow keys move a selected object one pixel at a time.</source>
        <translation>Wählen Sie das Objekt aus, drücken Sie dann die linke Maustaste darauf und ziehen Sie es an seinen neuen Platz. Lassen Sie die Taste los, wenn es an der gewünschten Stelle ist.

Die Pfeiltasten verschieben ein ausgewähltes Objekt um jeweils ein Pixel.</translation>
    </message>
    <message>
        <source>Select the object. Press the left mouse button on one of the handles (the small squares around it) and drag it until the object has the size you want, then release the button.

Shift with the arrow keys resizes a single selected object one pixel at a time.</source>
        <translation>Wählen Sie das Objekt aus. Drücken Sie die linke Maustaste auf einem der Anfasser (den kleinen Quadraten um das Objekt) und ziehen Sie, bis das Objekt die gewünschte Größe hat; lassen Sie dann die Taste los.

Umschalttaste mit den Pfeiltasten ändert die Größe eines einzelnen ausgewählten Objekts um jeweils ein Pixel.</translation>
    </message>
    <message>
        <source>Use the plus/minus zoom button at the lower left of the main window; the percentage display next to it shows the zoom. You can zoom from 100% to 150% in steps of 10%. The plus and minus keys of the numeric keypad do the same; Page Up and Page Down scroll the view.

Printing is always at the card&apos;s real size, but you see it best as it will print (WYSIWYG) at 100%.</source>
        <translation>Verwenden Sie den Plus-/Minus-Zoomknopf unten links im Hauptfenster; die Prozentanzeige daneben zeigt die Vergrößerung. Sie können von 100 % bis 150 % in Schritten von 10 % zoomen. Die Plus- und Minustasten des Ziffernblocks tun dasselbe; Bild auf und Bild ab blättern die Ansicht.

Gedruckt wird immer in der echten Größe der Karte, doch bei 100 % sehen Sie sie am besten so, wie sie gedruckt wird (WYSIWYG).</translation>
    </message>
</context>
<context>
    <name>cw::ui::TAssistantZookForm</name>
    <message>
        <source>Back  </source>
        <translation>Zurück  </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>See also: Frequently Asked Questions</source>
        <translation>Siehe auch: Häufig gestellte Fragen</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorherige</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>cw::ui::TBackSideRegistration</name>
    <message>
        <source>Back Side Registration</source>
        <translation>Ausrichtung der Rückseite</translation>
    </message>
    <message>
        <source>Print the registration test page, hold it against the light and move the backs until each cross on the back lies on the cross in front of it.  Offsets are in 1/32 inch, as the back page is looked at.</source>
        <translation>Drucken Sie die Registrierungs-Testseite, halten Sie sie gegen das Licht und verschieben Sie die Rückseiten, bis jedes Kreuz der Rückseite auf dem Kreuz davor liegt.  Die Verschiebungen sind in 1/32 Zoll, von der Rückseite aus gesehen.</translation>
    </message>
    <message>
        <source>Long edge (turned like a book page)</source>
        <translation>Lange Kante (gewendet wie eine Buchseite)</translation>
    </message>
    <message>
        <source>Short edge (turned like a notepad)</source>
        <translation>Kurze Kante (gewendet wie ein Notizblock)</translation>
    </message>
    <message>
        <source>Sheets turn over on the:</source>
        <translation>Bogen werden gewendet an der:</translation>
    </message>
    <message>
        <source>Move the backs right by:</source>
        <translation>Rückseiten nach rechts verschieben um:</translation>
    </message>
    <message>
        <source>Move the backs down by:</source>
        <translation>Rückseiten nach unten verschieben um:</translation>
    </message>
</context>
<context>
    <name>cw::ui::TCardStockFinder</name>
    <message>
        <source>&amp;Find card stock (maker, code, size or count):</source>
        <translation>&amp;Kartenbogen suchen (Hersteller, Artikelnummer, Größe oder Anzahl):</translation>
    </message>
    <message>
        <source>e.g. avery 5371, 85 x 55, 10 per sheet</source>
        <translation>z. B. avery 5371, 85 x 55, 10 pro Bogen</translation>
    </message>
    <message>
        <source>&amp;Use this stock</source>
        <translation>Diesen Bogen &amp;verwenden</translation>
    </message>
    <message>
        <source>Sa&amp;ve my layout as:</source>
        <translation>Eigenes Layout speichern &amp;als:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Type a maker, a product code, a card size (&quot;85 x 55&quot;) or a count (&quot;10 per sheet&quot;) to list the card stocks that match.</source>
        <translation>Geben Sie einen Hersteller, eine Artikelnummer, eine Kartengröße („85 x 55“) oder eine Anzahl („10 pro Bogen“) ein, um die passenden Kartenbogen aufzulisten.</translation>
    </message>
    <message>
        <source>The card stocks that match the search. Double-click one to take its sizes.</source>
        <translation>Die Kartenbogen, die zur Suche passen. Ein Doppelklick übernimmt ihre Maße.</translation>
    </message>
    <message>
        <source>The sheet of the highlighted card stock, to scale.</source>
        <translation>Der Bogen des markierten Kartenbogens, maßstabsgetreu.</translation>
    </message>
    <message>
        <source>Takes the sizes of the highlighted card stock into the fields below.</source>
        <translation>Übernimmt die Maße des markierten Kartenbogens in die Felder unten.</translation>
    </message>
    <message>
        <source>A name for the layout in the fields below, to find it again later.</source>
        <translation>Ein Name für das Layout in den Feldern unten, um es später wiederzufinden.</translation>
    </message>
    <message>
        <source>Keeps the layout in the fields below as a card stock of your own.</source>
        <translation>Bewahrt das Layout in den Feldern unten als eigenen Kartenbogen auf.</translation>
    </message>
    <message>
        <source>Type a name for your layout first.</source>
        <translation>Geben Sie zuerst einen Namen für Ihr Layout ein.</translation>
    </message>
</context>
<context>
    <name>cw::ui::TCircleTextProperties</name>
    <message>
        <source>CircleText Properties</source>
        <translation>Eigenschaften von CircleText</translation>
    </message>
    <message>
        <source>Angled Characters</source>
        <translation>Geneigte Zeichen</translation>
    </message>
    <message>
        <source>Mirrored</source>
        <translation>Gespiegelt</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Schrift wählen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Starting Angle</source>
        <translation>Anfangswinkel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Please enter some text</source>
        <translation>Bitte geben Sie einen Text ein</translation>
    </message>
</context>
<context>
    <name>cw::ui::TCodeProperties</name>
    <message>
        <source>QR Code Properties</source>
        <translation>Eigenschaften des QR-Codes</translation>
    </message>
    <message>
        <source>Barcode Properties</source>
        <translation>Eigenschaften des Strichcodes</translation>
    </message>
    <message>
        <source>Text or web address</source>
        <translation>Text oder Webadresse</translation>
    </message>
    <message>
        <source>Contact card from the personal information</source>
        <translation>Kontaktkarte aus den persönlichen Angaben</translation>
    </message>
    <message>
        <source>Low (7 %)</source>
        <translation>Niedrig (7 %)</translation>
    </message>
    <message>
        <source>Medium (15 %)</source>
        <translation>Mittel (15 %)</translation>
    </message>
    <message>
        <source>Quartile (25 %)</source>
        <translation>Quartil (25 %)</translation>
    </message>
    <message>
        <source>High (30 %)</source>
        <translation>Hoch (30 %)</translation>
    </message>
    <message>
        <source>Transparent background</source>
        <translation>Transparenter Hintergrund</translation>
    </message>
    <message>
        <source> modules</source>
        <translation> Module</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Error correction</source>
        <translation>Fehlerkorrektur</translation>
    </message>
    <message>
        <source>Symbology</source>
        <translation>Codeart</translation>
    </message>
    <message>
        <source>Code color</source>
        <translation>Codefarbe</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Quiet zone</source>
        <translation>Ruhezone</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>%1 modules wide</source>
        <translation>%1 Module breit</translation>
    </message>
    <message>
        <source>%1 × %2 modules</source>
        <translation>%1 × %2 Module</translation>
    </message>
</context>
<context>
    <name>cw::ui::TColorButton</name>
    <message>
        <source>&amp;Other</source>
        <translation>&amp;Andere</translation>
    </message>
</context>
<context>
    <name>cw::ui::TColorDrop</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsie</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>Light Gray</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
</context>
<context>
    <name>cw::ui::TConfigurationInfo</name>
    <message>
        <source>The information below helps our technical support staff to help you. Click &quot;Copy to Clipboard&quot; to copy it, then paste it into your e-mail program and send it with your question. You may add to the text or change it before you copy or save it.</source>
        <translation>Die folgenden Angaben helfen unserem technischen Support, Ihnen zu helfen. Klicken Sie auf „In die Zwischenablage kopieren“, fügen Sie den Text dann in Ihr E-Mail-Programm ein und senden Sie ihn mit Ihrer Frage. Sie können den Text vor dem Kopieren oder Speichern ergänzen oder ändern.</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Information copied to Windows clipboard</source>
        <translation>Angaben in die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Text files (*.TXT)</source>
        <translation>Textdateien (*.TXT)</translation>
    </message>
    <message>
        <source>Unable to save </source>
        <translation>Speichern nicht möglich: </translation>
    </message>
    <message>
        <source>Information was saved as: </source>
        <translation>Die Angaben wurden gespeichert als: </translation>
    </message>
    <message>
        <source>Configuration Information</source>
        <translation>Konfigurationsinformationen</translation>
    </message>
</context>
<context>
    <name>cw::ui::TEditCardLayout</name>
    <message>
        <source>Business Card Layout</source>
        <translation>Visitenkarten-Layout</translation>
    </message>
    <message>
        <source>Predefined Layouts</source>
        <translation>Vordefinierte Layouts</translation>
    </message>
    <message>
        <source>Use &amp;Inches</source>
        <translation>&amp;Zoll verwenden</translation>
    </message>
    <message>
        <source>Use &amp;Millimeters</source>
        <translation>&amp;Millimeter verwenden</translation>
    </message>
    <message>
        <source>Card Width</source>
        <translation>Kartenbreite</translation>
    </message>
    <message>
        <source>Card Height</source>
        <translation>Kartenhöhe</translation>
    </message>
    <message>
        <source>Horizontal Pitch</source>
        <translation>Horizontaler Abstand</translation>
    </message>
    <message>
        <source>Vertical Pitch</source>
        <translation>Vertikaler Abstand</translation>
    </message>
    <message>
        <source># across</source>
        <translation>Anzahl waagerecht</translation>
    </message>
    <message>
        <source># down</source>
        <translation>Anzahl senkrecht</translation>
    </message>
    <message>
        <source>Left Margin</source>
        <translation>Linker Rand</translation>
    </message>
    <message>
        <source>Top Margin</source>
        <translation>Oberer Rand</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Papierformat</translation>
    </message>
    <message>
        <source>Letter (8.5 x 11&quot;)</source>
        <translation>Letter (8,5 x 11&quot;)</translation>
    </message>
    <message>
        <source>A4 (210 x 297mm)</source>
        <translation>A4 (210 x 297 mm)</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Was ist das?</translation>
    </message>
    <message>
        <source>Pick the card stock you print on; its sizes fill in the numbers below.</source>
        <translation>Wählen Sie den Kartenbogen, auf den Sie drucken; seine Maße füllen die Werte unten aus.</translation>
    </message>
    <message>
        <source>Show and enter the sizes in inches.</source>
        <translation>Maße in Zoll anzeigen und eingeben.</translation>
    </message>
    <message>
        <source>Show and enter the sizes in millimetres.</source>
        <translation>Maße in Millimetern anzeigen und eingeben.</translation>
    </message>
    <message>
        <source>The width of one card.</source>
        <translation>Die Breite einer Karte.</translation>
    </message>
    <message>
        <source>The height of one card.</source>
        <translation>Die Höhe einer Karte.</translation>
    </message>
    <message>
        <source>The distance from the left edge of one card to the left edge of the next card in the row. It is at least the card width.</source>
        <translation>Der Abstand vom linken Rand einer Karte zum linken Rand der nächsten Karte in der Reihe. Er ist mindestens so groß wie die Kartenbreite.</translation>
    </message>
    <message>
        <source>The distance from the top of one card to the top of the card below it. It is at least the card height.</source>
        <translation>Der Abstand vom oberen Rand einer Karte zum oberen Rand der Karte darunter. Er ist mindestens so groß wie die Kartenhöhe.</translation>
    </message>
    <message>
        <source>How many cards there are in each row (1 to 10).</source>
        <translation>Wie viele Karten jede Reihe hat (1 bis 10).</translation>
    </message>
    <message>
        <source>How many rows of cards there are on the sheet (1 to 30).</source>
        <translation>Wie viele Kartenreihen der Bogen hat (1 bis 30).</translation>
    </message>
    <message>
        <source>The distance from the left edge of the paper to the left edge of the first column of cards.</source>
        <translation>Der Abstand vom linken Papierrand zum linken Rand der ersten Kartenspalte.</translation>
    </message>
    <message>
        <source>The distance from the top edge of the paper to the top of the first row of cards.</source>
        <translation>Der Abstand vom oberen Papierrand zum oberen Rand der ersten Kartenreihe.</translation>
    </message>
    <message>
        <source>The size of the sheet of card stock.</source>
        <translation>Das Format des Kartenbogens.</translation>
    </message>
    <message>
        <source>Click to keep this layout; the design area takes the new card size.</source>
        <translation>Klicken, um dieses Layout zu übernehmen; die Entwurfsfläche erhält die neue Kartengröße.</translation>
    </message>
    <message>
        <source>Click to cancel and return to the previous screen</source>
        <translation>Klicken, um abzubrechen und zum vorigen Fenster zurückzukehren</translation>
    </message>
    <message>
        <source>Click to bring up the help for this window</source>
        <translation>Klicken, um die Hilfe zu diesem Fenster anzuzeigen</translation>
    </message>
    <message>
        <source>Click here, then click any item of this window to see what it is for.</source>
        <translation>Hier klicken, dann auf ein Element dieses Fensters klicken, um zu sehen, wozu es dient.</translation>
    </message>
    <message>
        <source>Card Height must be at least .3 inches (or 7mm)</source>
        <translation>Die Kartenhöhe muss mindestens 0,3 Zoll (oder 7 mm) betragen</translation>
    </message>
    <message>
        <source>Card Width must be at least .5 inch (or 13mm)</source>
        <translation>Die Kartenbreite muss mindestens 0,5 Zoll (oder 13 mm) betragen</translation>
    </message>
    <message>
        <source>Horizontal Pitch must be at least = Card Width</source>
        <translation>Der horizontale Abstand muss mindestens der Kartenbreite entsprechen</translation>
    </message>
    <message>
        <source>Vertical Pitch must be at least = Card Height</source>
        <translation>Der vertikale Abstand muss mindestens der Kartenhöhe entsprechen</translation>
    </message>
    <message>
        <source>Sizes, pitches and margins must be at most %1 inches (or %2mm)</source>
        <translation>Maße, Abstände und Ränder dürfen höchstens %1 Zoll (oder %2 mm) betragen</translation>
    </message>
    <message>
        <source>A3 (297 x 420mm)</source>
        <translation>A3 (297 x 420 mm)</translation>
    </message>
    <message>
        <source>A5 (148 x 210mm)</source>
        <translation>A5 (148 x 210 mm)</translation>
    </message>
    <message>
        <source>Legal (8.5 x 14&quot;)</source>
        <translation>Legal (8,5 x 14&quot;)</translation>
    </message>
    <message>
        <source>Custom size</source>
        <translation>Eigene Größe</translation>
    </message>
    <message>
        <source>Paper Width</source>
        <translation>Papierbreite</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>Papierhöhe</translation>
    </message>
    <message>
        <source>A custom paper must be at least 1 inch (or 25.4mm) wide and high</source>
        <translation>Ein eigenes Papierformat muss mindestens 1 Zoll (bzw. 25,4 mm) breit und hoch sein</translation>
    </message>
    <message>
        <source>The width of a custom paper.</source>
        <translation>Die Breite eines eigenen Papierformats.</translation>
    </message>
    <message>
        <source>The height of a custom paper.</source>
        <translation>Die Höhe eines eigenen Papierformats.</translation>
    </message>
</context>
<context>
    <name>cw::ui::TExportResolution</name>
    <message>
        <source>Picture Resolution</source>
        <translation>Bildauflösung</translation>
    </message>
    <message>
        <source> Resolution </source>
        <translation> Auflösung </translation>
    </message>
    <message>
        <source>&amp;Screen (96 dpi)</source>
        <translation>&amp;Bildschirm (96 dpi)</translation>
    </message>
    <message>
        <source>The card as you see it at 100 %: small files for e-mail</source>
        <translation>Die Karte, wie Sie sie bei 100 % sehen: kleine Dateien für E-Mails</translation>
    </message>
    <message>
        <source>&amp;Print (300 dpi)</source>
        <translation>&amp;Druck (300 dpi)</translation>
    </message>
    <message>
        <source>Sharp when printed or placed in other documents</source>
        <translation>Scharf im Druck oder in anderen Dokumenten</translation>
    </message>
    <message>
        <source>&amp;Fine print (600 dpi)</source>
        <translation>&amp;Feindruck (600 dpi)</translation>
    </message>
    <message>
        <source>For print shops and large displays</source>
        <translation>Für Druckereien und große Anzeigen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>cw::ui::TFontDialog</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Bold Italic</source>
        <translation>Fett kursiv</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Schrift:</translation>
    </message>
    <message>
        <source>Font st&amp;yle:</source>
        <translation>Schrift&amp;schnitt:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Durchgestrichen</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Andere …</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Farbe:</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
</context>
<context>
    <name>cw::ui::TGBasePanel</name>
    <message>
        <source>Bring To Front</source>
        <translation>In den Vordergrund</translation>
    </message>
    <message>
        <source>Send To Back</source>
        <translation>In den Hintergrund</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Links ausrichten</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Rechts ausrichten</translation>
    </message>
    <message>
        <source>Align Tops</source>
        <translation>Oben ausrichten</translation>
    </message>
    <message>
        <source>Align Bottoms</source>
        <translation>Unten ausrichten</translation>
    </message>
    <message>
        <source>Center Vertically</source>
        <translation>Vertikal zentrieren</translation>
    </message>
    <message>
        <source>Center Horizontally</source>
        <translation>Horizontal zentrieren</translation>
    </message>
    <message>
        <source>Lock All</source>
        <translation>Alle sperren</translation>
    </message>
    <message>
        <source>Unlock All</source>
        <translation>Alle entsperren</translation>
    </message>
    <message>
        <source>Mark All Selectable</source>
        <translation>Alle als auswählbar markieren</translation>
    </message>
    <message>
        <source>Mark All Unselectable</source>
        <translation>Alle als nicht auswählbar markieren</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
</context>
<context>
    <name>cw::ui::TGFont3DEffects</name>
    <message>
        <source>Text 3D Effects</source>
        <translation>3D-Texteffekte</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Lower Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Lower Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Shadow Direction</source>
        <translation>Schattenrichtung</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Schattenfarbe</translation>
    </message>
    <message>
        <source>Shadow Depth</source>
        <translation>Schattentiefe</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>Glanzlicht</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Highlight Direction</source>
        <translation>Glanzlichtrichtung</translation>
    </message>
    <message>
        <source>Highlight Color</source>
        <translation>Glanzlichtfarbe</translation>
    </message>
    <message>
        <source>Highlight Depth</source>
        <translation>Glanzlichttiefe</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Choose a value; the sample shows the effect at once.</source>
        <translation>Wählen Sie einen Wert; das Beispiel zeigt die Wirkung sofort.</translation>
    </message>
</context>
<context>
    <name>cw::ui::TGImageBrowser</name>
    <message>
        <source>Load Image File </source>
        <translation>Bilddatei laden </translation>
    </message>
    <message>
        <source>Where to look for pictures: the root folder or your home folder.</source>
        <translation>Wo nach Bildern gesucht wird: im Wurzelordner oder in Ihrem persönlichen Ordner.</translation>
    </message>
    <message>
        <source>The folder shown. Type another folder, or the full name of a picture, and press Enter to go there.</source>
        <translation>Der angezeigte Ordner. Geben Sie einen anderen Ordner oder den vollständigen Namen eines Bildes ein und drücken Sie die Eingabetaste, um dorthin zu wechseln.</translation>
    </message>
    <message>
        <source>Folders: double-click one to open it, &quot;..&quot; to go up.</source>
        <translation>Ordner: Doppelklicken Sie auf einen Ordner, um ihn zu öffnen, auf „..“, um eine Ebene nach oben zu gehen.</translation>
    </message>
    <message>
        <source>The pictures in the folder. Click one to preview it.</source>
        <translation>Die Bilder im Ordner. Klicken Sie auf eines, um es in der Vorschau zu sehen.</translation>
    </message>
    <message>
        <source>A preview of the selected picture.</source>
        <translation>Eine Vorschau des ausgewählten Bildes.</translation>
    </message>
    <message>
        <source> Options </source>
        <translation> Optionen </translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Strecken</translation>
    </message>
    <message>
        <source>Stretch image to max display size</source>
        <translation>Bild auf die größte Anzeigegröße strecken</translation>
    </message>
    <message>
        <source>AutoSize TImage</source>
        <translation>Bildgröße automatisch anpassen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Was ist das?</translation>
    </message>
    <message>
        <source>Unable to read %1. The picture was not changed.</source>
        <translation>%1 kann nicht gelesen werden. Das Bild wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Error loading file!</source>
        <translation>Fehler beim Laden der Datei!</translation>
    </message>
</context>
<context>
    <name>cw::ui::TGSuperTextProperties</name>
    <message>
        <source>SuperText Properties</source>
        <translation>Eigenschaften von SuperText</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textur</translation>
    </message>
    <message>
        <source>Gradient Fill</source>
        <translation>Farbverlauf</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Fill Direction</source>
        <translation>Füllrichtung</translation>
    </message>
    <message>
        <source>From Color</source>
        <translation>Von Farbe</translation>
    </message>
    <message>
        <source>To Color</source>
        <translation>Bis Farbe</translation>
    </message>
    <message>
        <source>Load Texture</source>
        <translation>Textur laden</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Down and Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Down and Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Schattenfarbe</translation>
    </message>
    <message>
        <source>Shadow Orientation</source>
        <translation>Schattenausrichtung</translation>
    </message>
    <message>
        <source>Shadow Depth</source>
        <translation>Schattentiefe</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Umrissfarbe</translation>
    </message>
    <message>
        <source>OutLine Style</source>
        <translation>Umrissstil</translation>
    </message>
    <message>
        <source>Outline Width</source>
        <translation>Umrissbreite</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Schrift wählen</translation>
    </message>
    <message>
        <source>Select Symbol</source>
        <translation>Symbol wählen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Surface Type</source>
        <translation>Oberflächenart</translation>
    </message>
    <message>
        <source>Please enter some text</source>
        <translation>Bitte geben Sie einen Text ein</translation>
    </message>
</context>
<context>
    <name>cw::ui::TGetBCLabelText</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Enter Text</source>
        <translation>Text eingeben</translation>
    </message>
    <message>
        <source>Type the text of the label.</source>
        <translation>Geben Sie den Text der Beschriftung ein.</translation>
    </message>
    <message>
        <source>or select personal information</source>
        <translation>oder persönliche Angaben auswählen</translation>
    </message>
</context>
<context>
    <name>cw::ui::TGetLabelText</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Enter Text</source>
        <translation>Text eingeben</translation>
    </message>
    <message>
        <source>Type the text of the label.</source>
        <translation>Geben Sie den Text der Beschriftung ein.</translation>
    </message>
</context>
<context>
    <name>cw::ui::TGetSymbol</name>
    <message>
        <source>Symbol Selector</source>
        <translation>Symbolauswahl</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Schrift</translation>
    </message>
    <message>
        <source>Chooses the font of the symbol.</source>
        <translation>Wählt die Schrift des Symbols.</translation>
    </message>
    <message>
        <source>Click the symbol to put on the card.</source>
        <translation>Klicken Sie auf das Symbol, das auf die Karte soll.</translation>
    </message>
    <message>
        <source>Italic </source>
        <translation>Kursiv </translation>
    </message>
    <message>
        <source>Bold </source>
        <translation>Fett </translation>
    </message>
</context>
<context>
    <name>cw::ui::THelpWindow</name>
    <message>
        <source>Cardwright Help</source>
        <translation>Cardwright-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Search the help</source>
        <translation>Hilfe durchsuchen</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Cardwright Help - </source>
        <translation>Cardwright-Hilfe - </translation>
    </message>
    <message>
        <source>No pages found.</source>
        <translation>Keine Seiten gefunden.</translation>
    </message>
</context>
<context>
    <name>cw::ui::TLabelPrinter</name>
    <message>
        <source>Print Status Screen</source>
        <translation>Druckstatus</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Print Status</source>
        <translation>Druckstatus</translation>
    </message>
    <message>
        <source>Preview Status</source>
        <translation>Vorschaustatus</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Print Status </source>
        <translation>Druckstatus </translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Karte %1</translation>
    </message>
    <message>
        <source>The print job failed.</source>
        <translation>Der Druckauftrag ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The preview could not be made.</source>
        <translation>Die Vorschau konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The sheet was not saved.</source>
        <translation>Der Bogen wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>The cards were not printed.</source>
        <translation>Die Karten wurden nicht gedruckt.</translation>
    </message>
    <message>
        <source>Cancel Business Card Printing?</source>
        <translation>Drucken der Visitenkarten abbrechen?</translation>
    </message>
    <message>
        <source><byte value="xd"/>Cancelling...!</source>
        <translation><byte value="xd"/>Wird abgebrochen …!</translation>
    </message>
</context>
<context>
    <name>cw::ui::TLoadBackGround</name>
    <message>
        <source>Load  Business Card Background Art </source>
        <translation>Hintergrundbild für Visitenkarte laden </translation>
    </message>
    <message>
        <source>The folder shown. Type another folder, or the full name of a picture, and press Enter to go there.</source>
        <translation>Der angezeigte Ordner. Geben Sie einen anderen Ordner oder den vollständigen Namen eines Bildes ein und drücken Sie die Eingabetaste, um dorthin zu wechseln.</translation>
    </message>
    <message>
        <source>Folders: double-click one to open it, &quot;..&quot; to go up.</source>
        <translation>Ordner: Doppelklicken Sie auf einen Ordner, um ihn zu öffnen, auf „..“, um eine Ebene nach oben zu gehen.</translation>
    </message>
    <message>
        <source>The background pictures you can choose from. Click a name to see the picture beside the list.</source>
        <translation>Die Hintergrundbilder, aus denen Sie wählen können. Klicken Sie auf einen Namen, um das Bild neben der Liste zu sehen.</translation>
    </message>
    <message>
        <source>A preview of the selected background picture.</source>
        <translation>Eine Vorschau des ausgewählten Hintergrundbildes.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Uses the selected picture as the background of your card.</source>
        <translation>Verwendet das ausgewählte Bild als Hintergrund Ihrer Karte.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Closes the window and keeps the background as it was.</source>
        <translation>Schließt das Fenster und lässt den Hintergrund unverändert.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Removes the background picture from your card.</source>
        <translation>Entfernt das Hintergrundbild von Ihrer Karte.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Was ist das?</translation>
    </message>
    <message>
        <source>Error loading file!</source>
        <translation>Fehler beim Laden der Datei!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>cw::ui::TMainScreen</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Save As Bitmap</source>
        <translation>Als Bit&amp;map speichern</translation>
    </message>
    <message>
        <source>Save As JPG</source>
        <translation>Als &amp;JPG speichern</translation>
    </message>
    <message>
        <source>Save As PNG</source>
        <translation>Als PN&amp;G speichern</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Printer S&amp;etup</source>
        <translation>Drucker&amp;einrichtung</translation>
    </message>
    <message>
        <source>Printer Fine &amp;Tuning</source>
        <translation>Drucker-&amp;Feinabstimmung</translation>
    </message>
    <message>
        <source>Print O&amp;utline Test Page</source>
        <translation>&amp;Testseite mit Umrissen drucken</translation>
    </message>
    <message>
        <source>Save Sheet As &amp;PDF…</source>
        <translation>Bogen als &amp;PDF speichern…</translation>
    </message>
    <message>
        <source>Save the sheet of cards as a PDF file</source>
        <translation>Den Kartenbogen als PDF-Datei speichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Default Font - </source>
        <translation>&amp;Standardschrift - </translation>
    </message>
    <message>
        <source>&amp;Personal Information</source>
        <translation>&amp;Persönliche Angaben</translation>
    </message>
    <message>
        <source>&amp;Set or Change Background Art</source>
        <translation>Hinter&amp;grundbild festlegen oder ändern</translation>
    </message>
    <message>
        <source>Change Business Card Layout</source>
        <translation>Visitenkarten-&amp;Layout ändern</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Cardwright</translation>
    </message>
    <message>
        <source>Configuration Information</source>
        <translation>Konfigurationsinformationen</translation>
    </message>
    <message>
        <source>Technical Support</source>
        <translation>Technischer Support</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Häufig gestellte Fragen</translation>
    </message>
    <message>
        <source>Visit Our Internet Website</source>
        <translation>Unsere Website besuchen</translation>
    </message>
    <message>
        <source>No web browser could be started.
Please visit %1 with your browser.</source>
        <translation>Es konnte kein Webbrowser gestartet werden.
Bitte besuchen Sie %1 mit Ihrem Browser.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Quick Tips</source>
        <translation>Kurztipps</translation>
    </message>
    <message>
        <source>Show the Designer Assistant</source>
        <translation>Den Entwurfsassistenten anzeigen</translation>
    </message>
    <message>
        <source>Show grid</source>
        <translation>Raster anzeigen</translation>
    </message>
    <message>
        <source>Snap to Grid</source>
        <translation>Am Raster ausrichten</translation>
    </message>
    <message>
        <source>Set or change background art</source>
        <translation>Hintergrundbild festlegen oder ändern</translation>
    </message>
    <message>
        <source>Press plus (+) or minus (-) to 
increase or decrease the zoom percentage</source>
        <translation>Drücken Sie Plus (+) oder Minus (-), um 
die Vergrößerung zu erhöhen oder zu verringern</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Zoom so that the card fits the window</source>
        <translation>So zoomen, dass die Karte ins Fenster passt</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Was ist das?</translation>
    </message>
    <message>
        <source>There are no installed printers.
Unable to perform printer related operations</source>
        <translation>Es sind keine Drucker installiert.
Druckbezogene Vorgänge sind nicht möglich</translation>
    </message>
    <message>
        <source>There is no default printer selected.
Unable to perform printer related operations</source>
        <translation>Es ist kein Standarddrucker ausgewählt.
Druckbezogene Vorgänge sind nicht möglich</translation>
    </message>
    <message>
        <source>Saved as </source>
        <translation>Gespeichert als </translation>
    </message>
    <message>
        <source>Unable to save the card as </source>
        <translation>Die Karte kann nicht gespeichert werden als </translation>
    </message>
    <message>
        <source>Would you like to draw a border around the card?</source>
        <translation>Möchten Sie einen Rahmen um die Karte zeichnen?</translation>
    </message>
    <message>
        <source>Open Business Card</source>
        <translation>Visitenkarte öffnen</translation>
    </message>
    <message>
        <source>Must be a CWR (Cardwright) file</source>
        <translation>Es muss eine CWR-Datei (Cardwright) sein</translation>
    </message>
    <message>
        <source>Unable to open </source>
        <translation>Öffnen nicht möglich: </translation>
    </message>
    <message>
        <source>. Possibly corrupted, possibly not a CWR file</source>
        <translation>. Möglicherweise beschädigt oder keine CWR-Datei</translation>
    </message>
    <message>
        <source> no longer exists</source>
        <translation> existiert nicht mehr</translation>
    </message>
    <message>
        <source> already exists.
Do you want to replace it?</source>
        <translation> existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Delete Business Card</source>
        <translation>Visitenkarte löschen</translation>
    </message>
    <message>
        <source>Delete </source>
        <translation>Löschen: </translation>
    </message>
    <message>
        <source>Unable to delete </source>
        <translation>Löschen nicht möglich: </translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Default Font</source>
        <translation>Standardschrift</translation>
    </message>
    <message>
        <source>Note: the default font is used for NEW objects only.
To change the font of an existing object, click it
with the RIGHT MOUSE BUTTON and select FONT</source>
        <translation>Hinweis: Die Standardschrift gilt nur für NEUE Objekte.
Um die Schrift eines vorhandenen Objekts zu ändern, klicken Sie
es mit der RECHTEN MAUSTASTE an und wählen Sie SCHRIFT</translation>
    </message>
    <message>
        <source>Card %1 runs</source>
        <translation>Karte %1 ragt</translation>
    </message>
    <message>
        <source>Cards %1 run</source>
        <translation>Karten %1 ragen</translation>
    </message>
    <message>
        <source>%1 off the printable area of the page and would print cut off.

Print anyway?</source>
        <translation>%1 über den druckbaren Bereich der Seite hinaus und würde abgeschnitten gedruckt.

Trotzdem drucken?</translation>
    </message>
    <message>
        <source>Print Cards</source>
        <translation>Karten drucken</translation>
    </message>
    <message>
        <source>Save Sheet As PDF</source>
        <translation>Bogen als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Preview Business Cards</source>
        <translation>Vorschau der Visitenkarten</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <source>Cancel all changes?</source>
        <translation>Alle Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>Select &amp;None</source>
        <translation>Auswahl auf&amp;heben</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size (100%)</source>
        <translation>&amp;Originalgröße (100 %)</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>An &amp;Fenster anpassen</translation>
    </message>
    <message>
        <source>&amp;Help on This Window</source>
        <translation>&amp;Hilfe zu diesem Fenster</translation>
    </message>
    <message>
        <source>Selection tool</source>
        <translation>Auswahlwerkzeug</translation>
    </message>
    <message>
        <source>Text tool</source>
        <translation>Textwerkzeug</translation>
    </message>
    <message>
        <source>Multi-line text tool</source>
        <translation>Werkzeug für mehrzeiligen Text</translation>
    </message>
    <message>
        <source>Symbol tool</source>
        <translation>Symbolwerkzeug</translation>
    </message>
    <message>
        <source>Rectangle tool</source>
        <translation>Rechteckwerkzeug</translation>
    </message>
    <message>
        <source>Ellipse tool</source>
        <translation>Ellipsenwerkzeug</translation>
    </message>
    <message>
        <source>Round Rectangle tool</source>
        <translation>Werkzeug für abgerundete Rechtecke</translation>
    </message>
    <message>
        <source>Line Tool</source>
        <translation>Linienwerkzeug</translation>
    </message>
    <message>
        <source>Clip Art Tool</source>
        <translation>ClipArt-Werkzeug</translation>
    </message>
    <message>
        <source>Supershape tool 
Multi-purpose shapes and surfaces</source>
        <translation>SuperShape-Werkzeug 
Vielseitige Formen und Oberflächen</translation>
    </message>
    <message>
        <source>Rich Text tool 
Mixed fonts, colors and styles</source>
        <translation>Werkzeug für formatierten Text 
Gemischte Schriften, Farben und Stile</translation>
    </message>
    <message>
        <source>SuperText tool 
Special Effects Text - fill with gradients or bitmaps</source>
        <translation>SuperText-Werkzeug 
Text mit Spezialeffekten – mit Verläufen oder Bildern gefüllt</translation>
    </message>
    <message>
        <source>CircleText Tool 
Circular or semi-circular text using any font</source>
        <translation>CircleText-Werkzeug 
Kreis- oder halbkreisförmiger Text in beliebiger Schrift</translation>
    </message>
    <message>
        <source>Save Card As JPG</source>
        <translation>Karte als JPG speichern</translation>
    </message>
    <message>
        <source>Save Card As PNG</source>
        <translation>Karte als PNG speichern</translation>
    </message>
    <message>
        <source>Save Card As Bitmap</source>
        <translation>Karte als Bitmap speichern</translation>
    </message>
    <message>
        <source>Bitmap File (*.BMP *.bmp)</source>
        <translation>Bitmap-Datei (*.BMP *.bmp)</translation>
    </message>
    <message>
        <source>JPG File (*.JPG *.jpg *.jpeg)</source>
        <translation>JPG-Datei (*.JPG *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>PNG File (*.PNG *.png)</source>
        <translation>PNG-Datei (*.PNG *.png)</translation>
    </message>
    <message>
        <source>CWR File (*.cwr *.CWR)</source>
        <translation>CWR-Datei (*.cwr *.CWR)</translation>
    </message>
    <message>
        <source>The printer %1 is no longer installed, and there is no other printer.</source>
        <translation>Der Drucker %1 ist nicht mehr installiert, und es gibt keinen anderen Drucker.</translation>
    </message>
    <message>
        <source>The printer %1 is no longer installed.
Cards now print on the default printer %2.</source>
        <translation>Der Drucker %1 ist nicht mehr installiert.
Karten werden jetzt auf dem Standarddrucker %2 gedruckt.</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Export for Print S&amp;hop…</source>
        <translation>Für die Druc&amp;kerei exportieren…</translation>
    </message>
    <message>
        <source>Unable to read these files as pictures; nothing was added for them:
%1</source>
        <translation>Diese Dateien konnten nicht als Bilder gelesen werden; für sie wurde nichts hinzugefügt:
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>SVG Drawing (*.svg *.SVG)</source>
        <translation>SVG-Zeichnung (*.svg *.SVG)</translation>
    </message>
    <message>
        <source>Export for Print Shop</source>
        <translation>Für die Druckerei exportieren</translation>
    </message>
    <message>
        <source>PDF File (*.pdf *.PDF)</source>
        <translation>PDF-Datei (*.pdf *.PDF)</translation>
    </message>
    <message>
        <source>Unable to save the card as %1</source>
        <translation>Die Karte konnte nicht als %1 gespeichert werden</translation>
    </message>
    <message>
        <source>QR Code tool 
A code a phone scans to save the contact</source>
        <translation>QR-Code-Werkzeug 
Ein Code, den ein Telefon scannt, um den Kontakt zu speichern</translation>
    </message>
    <message>
        <source>Barcode tool 
Code 128, EAN-13, DataMatrix, PDF417 or Aztec</source>
        <translation>Strichcode-Werkzeug 
Code 128, EAN-13, DataMatrix, PDF417 oder Aztec</translation>
    </message>
    <message>
        <source>Print &amp;Registration Test Page</source>
        <translation>&amp;Registrierungs-Testseite drucken</translation>
    </message>
    <message>
        <source>&amp;Back Side Registration…</source>
        <translation>Rückseiten-&amp;Ausrichtung…</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Seriendruck</translation>
    </message>
    <message>
        <source>&amp;Open Merge Source…</source>
        <translation>&amp;Quelle öffnen…</translation>
    </message>
    <message>
        <source>Print a card for every person of a CSV or vCard file</source>
        <translation>Eine Karte für jede Person einer CSV- oder vCard-Datei drucken</translation>
    </message>
    <message>
        <source>Merge Field &amp;Mapping…</source>
        <translation>Feld&amp;zuordnung…</translation>
    </message>
    <message>
        <source>&amp;Close Merge</source>
        <translation>Seriendruck &amp;beenden</translation>
    </message>
    <message>
        <source>Take the printed sheets and, keeping their order, turn the stack over from left to right, like the page of a book: the top edge stays the edge that goes into the printer first.</source>
        <translation>Nehmen Sie die bedruckten Bogen und wenden Sie den Stapel, ohne die Reihenfolge zu ändern, von links nach rechts wie die Seite eines Buches: Die obere Kante bleibt die Kante, die zuerst in den Drucker geht.</translation>
    </message>
    <message>
        <source>Take the printed sheets and, keeping their order, turn the stack over from top to bottom, like the page of a notepad: the bottom edge now goes into the printer first.</source>
        <translation>Nehmen Sie die bedruckten Bogen und wenden Sie den Stapel, ohne die Reihenfolge zu ändern, von oben nach unten wie die Seite eines Notizblocks: Die untere Kante geht jetzt zuerst in den Drucker.</translation>
    </message>
    <message>
        <source>The fronts are printed.

%1
Put the stack back into the paper tray so that the printer prints on the blank side.

Print the backs now?</source>
        <translation>Die Vorderseiten sind gedruckt.

%1
Legen Sie den Stapel wieder so in das Papierfach, dass der Drucker auf die leere Seite druckt.

Jetzt die Rückseiten drucken?</translation>
    </message>
    <message>
        <source>Print Both Sides</source>
        <translation>Beide Seiten drucken</translation>
    </message>
    <message>
        <source>F&amp;ront Side</source>
        <translation>Vorder&amp;seite</translation>
    </message>
    <message>
        <source>&amp;Back Side</source>
        <translation>&amp;Rückseite</translation>
    </message>
    <message>
        <source>The back side %1 is missing.
The front side is open; the back side is empty.</source>
        <translation>Die Rückseite %1 fehlt.
Die Vorderseite ist geöffnet; die Rückseite ist leer.</translation>
    </message>
    <message>
        <source>Unable to open the back side %1. Possibly corrupted, possibly not a CWR file.
The front side is open; the back side is empty.</source>
        <translation>Die Rückseite %1 lässt sich nicht öffnen. Vielleicht beschädigt, vielleicht keine CWR-Datei.
Die Vorderseite ist geöffnet; die Rückseite ist leer.</translation>
    </message>
</context>
<context>
    <name>cw::ui::TMergeBar</name>
    <message>
        <source>First record</source>
        <translation>Erster Datensatz</translation>
    </message>
    <message>
        <source>Previous record</source>
        <translation>Vorheriger Datensatz</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Nächster Datensatz</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>Letzter Datensatz</translation>
    </message>
    <message>
        <source>Print the same card</source>
        <translation>Dieselbe Karte</translation>
    </message>
    <message>
        <source>times per record</source>
        <translation>Mal je Datensatz drucken</translation>
    </message>
    <message>
        <source>Open Source...</source>
        <translation>Quelle öffnen...</translation>
    </message>
    <message>
        <source>Merge another file</source>
        <translation>Eine andere Datei verwenden</translation>
    </message>
    <message>
        <source>Mapping...</source>
        <translation>Zuordnung...</translation>
    </message>
    <message>
        <source>Choose the columns that fill the fields</source>
        <translation>Die Spalten wählen, die die Felder füllen</translation>
    </message>
    <message>
        <source>Close Merge</source>
        <translation>Seriendruck beenden</translation>
    </message>
    <message>
        <source>End the merge</source>
        <translation>Den Seriendruck beenden</translation>
    </message>
    <message>
        <source>Record %1 of %2</source>
        <translation>Datensatz %1 von %2</translation>
    </message>
</context>
<context>
    <name>cw::ui::TMergeController</name>
    <message>
        <source>Some records of %1 could not be read as they stand:

%2</source>
        <translation>Einige Datensätze von %1 ließen sich nicht so lesen, wie sie stehen:

%2</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Seriendruck</translation>
    </message>
    <message>
        <source>Open Merge Source</source>
        <translation>Seriendruckquelle öffnen</translation>
    </message>
    <message>
        <source>Addresses (*.csv *.txt *.vcf *.vcard);;CSV files (*.csv *.txt);;vCard files (*.vcf *.vcard)</source>
        <translation>Adressen (*.csv *.txt *.vcf *.vcard);;CSV-Dateien (*.csv *.txt);;vCard-Dateien (*.vcf *.vcard)</translation>
    </message>
</context>
<context>
    <name>cw::ui::TMergeMappingDialog</name>
    <message>
        <source>Merge Field Mapping</source>
        <translation>Feldzuordnung für den Seriendruck</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Address 1</source>
        <translation>Adresse 1</translation>
    </message>
    <message>
        <source>Address 2</source>
        <translation>Adresse 2</translation>
    </message>
    <message>
        <source>Address 3</source>
        <translation>Adresse 3</translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation>Telefon 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Telefon 2</translation>
    </message>
    <message>
        <source>EMail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
</context>
<context>
    <name>cw::ui::TMultiLineTextEditor</name>
    <message>
        <source>Multi-line Text Editor</source>
        <translation>Editor für mehrzeiligen Text</translation>
    </message>
    <message>
        <source>Type the lines of the label; Enter starts a new line.</source>
        <translation>Geben Sie die Zeilen der Beschriftung ein; die Eingabetaste beginnt eine neue Zeile.</translation>
    </message>
</context>
<context>
    <name>cw::ui::TPersonalInformation</name>
    <message>
        <source>Personal Information</source>
        <translation>Persönliche Angaben</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Was ist das?</translation>
    </message>
    <message>
        <source>Click to keep these texts.</source>
        <translation>Klicken, um diese Texte zu übernehmen.</translation>
    </message>
    <message>
        <source>Click to cancel and return to the previous screen</source>
        <translation>Klicken, um abzubrechen und zum vorigen Fenster zurückzukehren</translation>
    </message>
    <message>
        <source>Click to bring up the help for this window</source>
        <translation>Klicken, um die Hilfe zu diesem Fenster anzuzeigen</translation>
    </message>
    <message>
        <source>Click here, then click any item of this window to see what it is for.</source>
        <translation>Hier klicken, dann auf ein Element dieses Fensters klicken, um zu sehen, wozu es dient.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Your name as it should appear on your cards.</source>
        <translation>Ihr Name, wie er auf Ihren Karten erscheinen soll.</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>The name of your company or organisation.</source>
        <translation>Der Name Ihrer Firma oder Organisation.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Your job title.</source>
        <translation>Ihre Berufsbezeichnung.</translation>
    </message>
    <message>
        <source>Address 1</source>
        <translation>Adresse 1</translation>
    </message>
    <message>
        <source>The first line of your address.</source>
        <translation>Die erste Zeile Ihrer Adresse.</translation>
    </message>
    <message>
        <source>Address 2</source>
        <translation>Adresse 2</translation>
    </message>
    <message>
        <source>The second line of your address.</source>
        <translation>Die zweite Zeile Ihrer Adresse.</translation>
    </message>
    <message>
        <source>Address 3</source>
        <translation>Adresse 3</translation>
    </message>
    <message>
        <source>The third line of your address.</source>
        <translation>Die dritte Zeile Ihrer Adresse.</translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation>Telefon 1</translation>
    </message>
    <message>
        <source>Your main telephone number.</source>
        <translation>Ihre Haupttelefonnummer.</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Telefon 2</translation>
    </message>
    <message>
        <source>Another telephone number, for example a mobile.</source>
        <translation>Eine weitere Telefonnummer, zum Beispiel Ihr Mobiltelefon.</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Your e-mail address.</source>
        <translation>Ihre E-Mail-Adresse.</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Your fax number.</source>
        <translation>Ihre Faxnummer.</translation>
    </message>
    <message>
        <source> Text fields on a card can be filled with it.</source>
        <translation> Textfelder auf einer Karte können damit gefüllt werden.</translation>
    </message>
</context>
<context>
    <name>cw::ui::TPreviewForm</name>
    <message>
        <source>Preview Business Cards</source>
        <translation>Vorschau der Visitenkarten</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Page width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Whole page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Was ist das?</translation>
    </message>
    <message>
        <source>Preview Page %1 of %2</source>
        <translation>Vorschau Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>cw::ui::TPrintFineTune</name>
    <message>
        <source>Printer Fine-Tuning</source>
        <translation>Drucker-Feinabstimmung</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Was ist das?</translation>
    </message>
    <message>
        <source>Decrease by %1/32&quot;</source>
        <translation>Um %1/32&quot; verringern</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Increase by %1/32&quot;</source>
        <translation>Um %1/32&quot; erhöhen</translation>
    </message>
    <message>
        <source>Top Margin nudge</source>
        <translation>Oberen Rand verschieben</translation>
    </message>
    <message>
        <source>Increase or decrease to adjust where vertical printing starts. </source>
        <translation>Erhöhen oder verringern, um festzulegen, wo der Druck vertikal beginnt. </translation>
    </message>
    <message>
        <source>Left Margin nudge</source>
        <translation>Linken Rand verschieben</translation>
    </message>
    <message>
        <source>Increase or decrease to adjust where horizontal printing starts. </source>
        <translation>Erhöhen oder verringern, um festzulegen, wo der Druck horizontal beginnt. </translation>
    </message>
    <message>
        <source>Vertical Spacing</source>
        <translation>Vertikaler Abstand</translation>
    </message>
    <message>
        <source>Increase or decrease to adjust vertical spacing between cards.( You may need to adjust this if printing &quot;creeps&quot; between the top and bottom cards.)</source>
        <translation>Erhöhen oder verringern, um den vertikalen Abstand zwischen den Karten anzupassen. (Das kann nötig sein, wenn sich der Druck zwischen den oberen und unteren Karten „verschiebt“.)</translation>
    </message>
    <message>
        <source>Horizontal Spacing</source>
        <translation>Horizontaler Abstand</translation>
    </message>
    <message>
        <source>Increase or decrease to adjust horizontal spacing between cards </source>
        <translation>Erhöhen oder verringern, um den horizontalen Abstand zwischen den Karten anzupassen </translation>
    </message>
</context>
<context>
    <name>cw::ui::TPrintShopDialog</name>
    <message>
        <source>Export for Print Shop</source>
        <translation>Für die Druckerei exportieren</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>How far the background and the objects at the card&apos;s edge run on beyond the cut</source>
        <translation>Wie weit der Hintergrund und die Objekte am Kartenrand über den Schnitt hinausreichen</translation>
    </message>
    <message>
        <source>&amp;Crop marks</source>
        <translation>&amp;Schnittmarken</translation>
    </message>
    <message>
        <source>Short lines outside the bleed that show where to cut</source>
        <translation>Kurze Linien außerhalb des Anschnitts, die zeigen, wo geschnitten wird</translation>
    </message>
    <message>
        <source>&amp;Bleed:</source>
        <translation>&amp;Anschnitt:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>cw::ui::TRichTextLabelEditor</name>
    <message>
        <source>Rich Text Editor</source>
        <translation>Editor für formatierten Text</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>cw::ui::TSelectSpecificLabels</name>
    <message>
        <source>Print Cards</source>
        <translation>Karten drucken</translation>
    </message>
    <message>
        <source> Select Cards To Print</source>
        <translation> Zu druckende Karten auswählen</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Keine</translation>
    </message>
    <message>
        <source>Hatched cards run off the printable area of the page and print cut off.</source>
        <translation>Schraffierte Karten ragen über den druckbaren Bereich der Seite hinaus und werden abgeschnitten gedruckt.</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Print &amp;Setup</source>
        <translation>Drucker&amp;einrichtung</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Number of &amp;pages:</source>
        <translation>Anzahl der &amp;Seiten:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Was ist das?</translation>
    </message>
    <message>
        <source>You must select at least one card to print</source>
        <translation>Sie müssen mindestens eine Karte zum Drucken auswählen</translation>
    </message>
</context>
<context>
    <name>cw::ui::TSplashform</name>
    <message>
        <source>About Cardwright</source>
        <translation>Über Cardwright</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>Visit our online store:</source>
        <translation>Besuchen Sie unseren Online-Shop:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>cw::ui::TSuperShapeProperties</name>
    <message>
        <source>Super Shape Properties</source>
        <translation>Eigenschaften von SuperShape</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Round Rectangle</source>
        <translation>Abgerundetes Rechteck</translation>
    </message>
    <message>
        <source>Ellipse                  </source>
        <translation>Ellipse                  </translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Raute</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Triangle Left</source>
        <translation>Dreieck links</translation>
    </message>
    <message>
        <source>Triangle Right</source>
        <translation>Dreieck rechts</translation>
    </message>
    <message>
        <source>Triangle Up</source>
        <translation>Dreieck oben</translation>
    </message>
    <message>
        <source>Triangle Down</source>
        <translation>Dreieck unten</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Points On Star</source>
        <translation>Sternzacken</translation>
    </message>
    <message>
        <source>% of Inward Vector</source>
        <translation>% des Innenvektors</translation>
    </message>
    <message>
        <source>Round Percentage</source>
        <translation>Rundungsanteil</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Einfarbig</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textur</translation>
    </message>
    <message>
        <source>Gradient Fill</source>
        <translation>Farbverlauf</translation>
    </message>
    <message>
        <source>Surface Type</source>
        <translation>Oberflächenart</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Fill Direction</source>
        <translation>Füllrichtung</translation>
    </message>
    <message>
        <source>From Color</source>
        <translation>Von Farbe</translation>
    </message>
    <message>
        <source>To Color</source>
        <translation>Bis Farbe</translation>
    </message>
    <message>
        <source>Load Texture</source>
        <translation>Textur laden</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Lower Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Lower Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Solid Line</source>
        <translation>Durchgezogene Linie</translation>
    </message>
    <message>
        <source>Dash Line</source>
        <translation>Gestrichelte Linie</translation>
    </message>
    <message>
        <source>Dotted Line</source>
        <translation>Gepunktete Linie</translation>
    </message>
    <message>
        <source>DashDot Line</source>
        <translation>Strichpunktlinie</translation>
    </message>
    <message>
        <source>DashDotDot Line</source>
        <translation>Strich-Punkt-Punkt-Linie</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Keine Linie</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Schattenfarbe</translation>
    </message>
    <message>
        <source>Shadow Orientation</source>
        <translation>Schattenausrichtung</translation>
    </message>
    <message>
        <source>Shadow Depth</source>
        <translation>Schattentiefe</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Umrissfarbe</translation>
    </message>
    <message>
        <source>OutLine Style</source>
        <translation>Umrissstil</translation>
    </message>
    <message>
        <source>Outline Width</source>
        <translation>Umrissbreite</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>cw::ui::TTextureBrowser</name>
    <message>
        <source>Load Texture Image</source>
        <translation>Texturbild laden</translation>
    </message>
    <message>
        <source>The folder shown. Type another folder, or the full name of a picture, and press Enter to go there.</source>
        <translation>Der angezeigte Ordner. Geben Sie einen anderen Ordner oder den vollständigen Namen eines Bildes ein und drücken Sie die Eingabetaste, um dorthin zu wechseln.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Error loading file!</source>
        <translation>Fehler beim Laden der Datei!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>cw::ui::TWarnBottomMargin</name>
    <message>
        <source>Business Cards need to print to within 0.5 inches of the bottom, but the current printer has a bottom margin setting of :</source>
        <translation>Visitenkarten müssen bis 0,5 Zoll an den unteren Rand gedruckt werden, der aktuelle Drucker hat aber einen unteren Rand von:</translation>
    </message>
    <message>
        <source>This could result in the bottom of the last two business cards being cut off by approximately:</source>
        <translation>Dadurch könnte der untere Teil der letzten beiden Visitenkarten ungefähr um folgendes Maß abgeschnitten werden:</translation>
    </message>
    <message>
        <source>If your printer driver supports it, you could change the bottom margin to 0.5 inches. Otherwise, you should design your cards so that the bottom portion of the cards is not used.</source>
        <translation>Wenn Ihr Druckertreiber es unterstützt, können Sie den unteren Rand auf 0,5 Zoll ändern. Andernfalls sollten Sie Ihre Karten so gestalten, dass der untere Teil der Karten nicht verwendet wird.</translation>
    </message>
    <message>
        <source>(Note: some printers, including some of the HP Deskjet series, cannot print beyond a 0.66 inch bottom margin)</source>
        <translation>(Hinweis: Einige Drucker, darunter einige der HP-Deskjet-Serie, können nicht über einen unteren Rand von 0,66 Zoll hinaus drucken)</translation>
    </message>
    <message>
        <source>Don&apos;t show this warning again</source>
        <translation>Diese Warnung nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Cancel Printing</source>
        <translation>Drucken abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Was ist das?</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
    <context>
        <name>AboutForm</name>
        <message id="20800">
            <source>Info</source>
            <translation>About Kelvro</translation>
        </message>
        <message id="20801">
            <source>Editor für zweidimensionale Vektoranimation</source>
            <translation>Editor for two-dimensional vector animation</translation>
        </message>
        <message id="20802">
            <source>Version %1</source>
            <translation>Version %1</translation>
        </message>
        <message id="20803">
            <source>OK</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>BmpFile</name>
        <message id="25125">
            <source>Das Bild ist leer oder zu groß für eine BMP-Datei.</source>
            <translation>The image is empty or too large for a BMP file.</translation>
        </message>
    </context>
    <context>
        <name>CanvasOnion</name>
        <message id="22010">
            <source>Zwiebelschale</source>
            <translation>Onion skin</translation>
        </message>
        <message id="22011">
            <source>Zeigt die Frames vor dem aktuellen (rot) und danach (grün) blass dahinter, wie sie gespeichert sind; nur im Abspielbereich, nicht beim Abspielen und nie im Export (Alt+O)</source>
            <translation>Shows the frames before the current one (red) and after it (green) faintly behind it, as they are stored; only within the playback range, never during playback and never in an export (Alt+O)</translation>
        </message>
    </context>
    <context>
        <name>CanvasPart</name>
        <message id="22000">
            <source>Angepasst</source>
            <translation>Fit</translation>
        </message>
    </context>
    <context>
        <name>ColorReduction</name>
        <message id="25130">
            <source>Ein Frame kann nicht auf 256 Farben reduziert werden (%1: %2).</source>
            <translation>Cannot reduce a frame to 256 colors (%1: %2).</translation>
        </message>
        <message id="25131">
            <source>Ein Frame von %1 x %2 Pixeln kann nicht auf 256 Farben reduziert werden.</source>
            <translation>Cannot reduce a frame of %1 x %2 pixels to 256 colors.</translation>
        </message>
    </context>
    <context>
        <name>CommonTexts</name>
        <message id="1001">
            <source>Ok</source>
            <translation>OK</translation>
        </message>
        <message id="1002">
            <source>Abbruch</source>
            <translation>Cancel</translation>
        </message>
        <message id="1003">
            <source>Ja</source>
            <translation>Yes</translation>
        </message>
        <message id="1004">
            <source>Nein</source>
            <translation>No</translation>
        </message>
        <message id="1051">
            <source>Fehler</source>
            <translation>Error</translation>
        </message>
        <message id="1052">
            <source>Warnung</source>
            <translation>Warning</translation>
        </message>
        <message id="1053">
            <source>Frage</source>
            <translation>Question</translation>
        </message>
        <message id="1105">
            <source>Schließen</source>
            <translation>Close</translation>
        </message>
    </context>
    <context>
        <name>CompressionForm</name>
        <message id="20710">
            <source>Videokomprimierung</source>
            <translation>Video Compression</translation>
        </message>
        <message id="20711">
            <source>Komprimierung:</source>
            <translation>Compression:</translation>
        </message>
        <message id="20712">
            <source>Qualität:</source>
            <translation>Quality:</translation>
        </message>
        <message id="20713">
            <source> Frames</source>
            <translation> frames</translation>
        </message>
        <message id="20714">
            <source>automatisch</source>
            <translation>automatic</translation>
        </message>
        <message id="20715">
            <source>Keyframe alle:</source>
            <translation>Keyframe every:</translation>
        </message>
        <message id="20716">
            <source>Datenrate:</source>
            <translation>Data rate:</translation>
        </message>
        <message id="20717">
            <source>Unkomprimiert</source>
            <translation>Uncompressed</translation>
        </message>
        <message id="20718">
            <source>FFV1 (verlustfrei)</source>
            <translation>FFV1 (lossless)</translation>
        </message>
    </context>
    <context>
        <name>DataFolder</name>
        <message id="24080">
            <source>Bitte einen gültigen Applikationspfad wählen!</source>
            <translation>Please choose a valid application folder!</translation>
        </message>
        <message id="24081">
            <source>Applikationspfad wählen</source>
            <translation>Choose Application Folder</translation>
        </message>
    </context>
    <context>
        <name>DesktopCommands</name>
        <message id="24070">
            <source>Die Projektdateien konnten nicht mit Kelvro verknüpft werden:
%1 ist nicht beschreibbar.</source>
            <translation>Project files could not be associated with Kelvro:
%1 is not writable.</translation>
        </message>
        <message id="24071">
            <source>Doppelklick: Projektdateien (*.kvp) nicht mehr mit Kelvro öffnen</source>
            <translation>Double-click: stop opening project files (*.kvp) with Kelvro</translation>
        </message>
        <message id="24072">
            <source>Doppelklick: Projektdateien (*.kvp) mit Kelvro öffnen</source>
            <translation>Double-click: open project files (*.kvp) with Kelvro</translation>
        </message>
    </context>
    <context>
        <name>DocumentExport</name>
        <message id="24020">
            <source>AVI Files (*.avi)</source>
            <translation>AVI Files (*.avi)</translation>
        </message>
        <message id="24021">
            <source>GIF Files (*.gif)</source>
            <translation>GIF Files (*.gif)</translation>
        </message>
        <message id="24022">
            <source>BMP Files (*.bmp)</source>
            <translation>BMP Files (*.bmp)</translation>
        </message>
        <message id="24023">
            <source>MP4 Files (*.mp4)</source>
            <translation>MP4 Files (*.mp4)</translation>
        </message>
        <message id="24024">
            <source>WebM Files (*.webm)</source>
            <translation>WebM Files (*.webm)</translation>
        </message>
        <message id="24025">
            <source>MKV Files (*.mkv)</source>
            <translation>MKV Files (*.mkv)</translation>
        </message>
    </context>
    <context>
        <name>DocumentFiles</name>
        <message id="24010">
            <source>Die Datei „%1“ konnte nicht geöffnet werden.
%2</source>
            <translation>The file “%1” could not be opened.
%2</translation>
        </message>
        <message id="24011">
            <source>Sie ist keine Projektdatei.</source>
            <translation>It is not a project file.</translation>
        </message>
        <message id="24012">
            <source>Das Projekt wurde nicht unter „%1“ gespeichert.
%2</source>
            <translation>The project was not saved as “%1”.
%2</translation>
        </message>
    </context>
    <context>
        <name>DocumentPart</name>
        <message id="24001">
            <source>Animation file (*.kvp)</source>
            <translation>Animation file (*.kvp)</translation>
        </message>
        <message id="24002">
            <source>Unbenannt</source>
            <translation>Untitled</translation>
        </message>
        <message id="24003">
            <source>Bestätigung</source>
            <translation>Confirm</translation>
        </message>
        <message id="24004">
            <source>&quot;%1&quot; wurde geändert. Speichern?</source>
            <translation>&quot;%1&quot; has been changed. Save the changes?</translation>
        </message>
        <message id="24006">
            <source>&quot;%1&quot; existiert bereits. Soll die Datei ersetzt werden?</source>
            <translation>&quot;%1&quot; already exists. Do you want to replace it?</translation>
        </message>
    </context>
    <context>
        <name>EditCommands</name>
        <message id="24060">
            <source>Name</source>
            <translation>Name</translation>
        </message>
        <message id="24061">
            <source>Objektname eingeben</source>
            <translation>Enter the object's name</translation>
        </message>
        <message id="24062">
            <source>Gruppe</source>
            <translation>Group</translation>
        </message>
        <message id="24063">
            <source>Gruppe wählen</source>
            <translation>Choose a group</translation>
        </message>
    </context>
    <context>
        <name>ExportForm</name>
        <message id="20362">
            <source>anzeigen</source>
            <translation>Open when done</translation>
        </message>
        <message id="20700">
            <source>Export</source>
            <translation>Export</translation>
        </message>
        <message id="20701">
            <source>AVI Export</source>
            <translation>AVI Export</translation>
        </message>
        <message id="20702">
            <source>GIF Export</source>
            <translation>GIF Export</translation>
        </message>
        <message id="20703">
            <source>BMP Export</source>
            <translation>BMP Export</translation>
        </message>
        <message id="20704">
            <source>Fortschritt:</source>
            <translation>Progress:</translation>
        </message>
        <message id="20706">
            <source>Export nicht möglich!</source>
            <translation>Cannot export without a file name.</translation>
        </message>
        <message id="20707">
            <source>MP4 Export</source>
            <translation>MP4 Export</translation>
        </message>
        <message id="20708">
            <source>WebM Export</source>
            <translation>WebM Export</translation>
        </message>
        <message id="20709">
            <source>MKV Export</source>
            <translation>MKV Export</translation>
        </message>
    </context>
    <context>
        <name>ExportRun</name>
        <message id="25110">
            <source>Ein Frame-Bild von %1 x %2 Pixeln kann nicht angelegt werden.</source>
            <translation>Cannot make a frame image of %1 x %2 pixels.</translation>
        </message>
        <message id="25111">
            <source>Die zu exportierenden Frames liegen außerhalb des Projekts.</source>
            <translation>The frames to export lie outside the project.</translation>
        </message>
    </context>
    <context>
        <name>GifWriter</name>
        <message id="25100">
            <source>nicht genügend Speicher</source>
            <translation>out of memory</translation>
        </message>
        <message id="25101">
            <source>%1: Die GIF-Datei kann nicht geschrieben werden (%2).</source>
            <translation>%1: cannot write the GIF file (%2)</translation>
        </message>
        <message id="25102">
            <source>%1 x %2 Pixel passen nicht in eine GIF-Datei</source>
            <translation>%1 x %2 pixels do not fit a GIF</translation>
        </message>
        <message id="25103">
            <source>die Datei ist nicht geöffnet</source>
            <translation>the file is not open</translation>
        </message>
        <message id="25104">
            <source>ein Frame von %1 x %2 Pixeln in einer Animation von %3 x %4</source>
            <translation>a frame of %1 x %2 pixels in an animation of %3 x %4</translation>
        </message>
        <message id="25105">
            <source>Für die GIF-Datei fehlt der Dateiname.</source>
            <translation>No file name for the GIF file.</translation>
        </message>
    </context>
    <context>
        <name>GroupForm</name>
        <message id="20500">
            <source>Gruppe wählen</source>
            <translation>Select Group</translation>
        </message>
    </context>
    <context>
        <name>ImageLimits</name>
        <message id="25015">
            <source>Das Bild hat %1 × %2 Pixel; erlaubt sind höchstens %3 Pixel je Seite und %4 Millionen Pixel insgesamt. Bitte verkleinern Sie das Bild.</source>
            <translation>The image has %1 × %2 pixels; at most %3 pixels per side and %4 million pixels in total are allowed. Please make the image smaller.</translation>
        </message>
    </context>
    <context>
        <name>ImageSeries</name>
        <message id="25115">
            <source>%1: Das Bild kann nicht kodiert werden (%2).</source>
            <translation>%1: cannot encode the image (%2)</translation>
        </message>
        <message id="25116">
            <source>%1 x %2 Pixel sind zu groß für eine BMP-Datei (4 GB).</source>
            <translation>%1 x %2 pixels are too large for a BMP file (4 GB)</translation>
        </message>
    </context>
    <context>
        <name>InputDataForm</name>
        <message id="20400">
            <source>Daten bearbeiten</source>
            <translation>Edit Points</translation>
        </message>
        <message id="20401">
            <source>Punkt X</source>
            <translation>Point X</translation>
        </message>
        <message id="20402">
            <source>Punkt Y</source>
            <translation>Point Y</translation>
        </message>
    </context>
    <context>
        <name>MainWindowActions</name>
        <message id="21001">
            <source>Neu</source>
            <translation>New</translation>
        </message>
        <message id="21002">
            <source>Öffnen...</source>
            <translation>Open...</translation>
        </message>
        <message id="21003">
            <source>Speichern</source>
            <translation>Save</translation>
        </message>
        <message id="21004">
            <source>Speichern unter...</source>
            <translation>Save As...</translation>
        </message>
        <message id="21005">
            <source>Export...</source>
            <translation>Export...</translation>
        </message>
        <message id="21006">
            <source>Einstellungen</source>
            <translation>Project Settings</translation>
        </message>
        <message id="21007">
            <source>Wiederherstellung...</source>
            <translation>Recovery...</translation>
        </message>
        <message id="21008">
            <source>Beenden</source>
            <translation>Exit</translation>
        </message>
        <message id="21009">
            <source>Rückgängig</source>
            <translation>Undo</translation>
        </message>
        <message id="21010">
            <source>Wiederholen</source>
            <translation>Redo</translation>
        </message>
        <message id="21011">
            <source>Ausschneiden</source>
            <translation>Cut</translation>
        </message>
        <message id="21012">
            <source>Kopieren</source>
            <translation>Copy</translation>
        </message>
        <message id="21013">
            <source>Einfügen</source>
            <translation>Paste</translation>
        </message>
        <message id="21014">
            <source>Löschen</source>
            <translation>Delete</translation>
        </message>
        <message id="21015">
            <source>Nach vorn</source>
            <translation>Bring to Front</translation>
        </message>
        <message id="21016">
            <source>Nach hinten</source>
            <translation>Send to Back</translation>
        </message>
        <message id="21017">
            <source>Winkel...</source>
            <translation>Rotate...</translation>
        </message>
        <message id="21018">
            <source>Streckung...</source>
            <translation>Stretch...</translation>
        </message>
        <message id="21019">
            <source>Daten...</source>
            <translation>Point Data...</translation>
        </message>
        <message id="21020">
            <source>Programm-Hilfe</source>
            <translation>User Guide</translation>
        </message>
        <message id="21021">
            <source>Info</source>
            <translation>About Kelvro</translation>
        </message>
        <message id="21022">
            <source>Auswahl</source>
            <translation>Select</translation>
        </message>
        <message id="21023">
            <source>Polyline</source>
            <translation>Polyline</translation>
        </message>
        <message id="21024">
            <source>BezierPolyline</source>
            <translation>Bezier Polyline</translation>
        </message>
        <message id="21025">
            <source>Polygon</source>
            <translation>Polygon</translation>
        </message>
        <message id="21026">
            <source>BezierPolygon</source>
            <translation>Bezier Polygon</translation>
        </message>
        <message id="21027">
            <source>Bild</source>
            <translation>Image</translation>
        </message>
        <message id="21028">
            <source>Text</source>
            <translation>Text</translation>
        </message>
        <message id="21029">
            <source>Form</source>
            <translation>Shape</translation>
        </message>
        <message id="21040">
            <source>Datei</source>
            <translation>File</translation>
        </message>
        <message id="21041">
            <source>Bearbeiten</source>
            <translation>Edit</translation>
        </message>
        <message id="21042">
            <source>Objekt</source>
            <translation>Object</translation>
        </message>
        <message id="21043">
            <source>Hilfe</source>
            <translation>Help</translation>
        </message>
        <message id="21044">
            <source>Werkzeuge</source>
            <translation>Tools</translation>
        </message>
        <message id="21045">
            <source>Sprache</source>
            <translation>Language</translation>
        </message>
    </context>
    <context>
        <name>MainWindowControls</name>
        <message id="21100">
            <source>Geändert</source>
            <translation>Modified</translation>
        </message>
        <message id="21101">
            <source>Fi:%1, Fc:%2, Fps:%3</source>
            <translation>Frame %1/%2, %3 fps</translation>
        </message>
        <message id="21102">
            <source>Unbenannt</source>
            <translation>Untitled</translation>
        </message>
    </context>
    <context>
        <name>MainWindowLayout</name>
        <message id="21110">
            <source>Farbe/Breite</source>
            <translation>Color/Width</translation>
        </message>
        <message id="21111">
            <source>Transparenz</source>
            <translation>Opacity</translation>
        </message>
        <message id="21112">
            <source>Schriftart</source>
            <translation>Font</translation>
        </message>
        <message id="21113">
            <source>Maske</source>
            <translation>Mask</translation>
        </message>
        <message id="21114">
            <source>Anzeige</source>
            <translation>View</translation>
        </message>
        <message id="21115">
            <source>Animation</source>
            <translation>Animation</translation>
        </message>
        <message id="21120">
            <source>Vergrößerung:</source>
            <translation>Zoom:</translation>
        </message>
        <message id="21121">
            <source>Frame:</source>
            <translation>Frame:</translation>
        </message>
        <message id="21122">
            <source>Objekt:</source>
            <translation>Object:</translation>
        </message>
    </context>
    <context>
        <name>NewForm</name>
        <message id="20300">
            <source>Größe:</source>
            <translation>Size:</translation>
        </message>
        <message id="20301">
            <source>Breite:</source>
            <translation>Width:</translation>
        </message>
        <message id="20302">
            <source>Höhe:</source>
            <translation>Height:</translation>
        </message>
        <message id="20303">
            <source>Farbe:</source>
            <translation>Color:</translation>
        </message>
        <message id="20304">
            <source>Frameanzahl:</source>
            <translation>Frame count:</translation>
        </message>
        <message id="20305">
            <source>Frames/Sek.:</source>
            <translation>Frames/sec.:</translation>
        </message>
        <message id="20306">
            <source>Bild:</source>
            <translation>Image:</translation>
        </message>
        <message id="20307">
            <source>Typ:</source>
            <translation>Type:</translation>
        </message>
        <message id="20310">
            <source>Benutzerdefiniert</source>
            <translation>Custom</translation>
        </message>
        <message id="20325">
            <source>Farbe</source>
            <translation>Color</translation>
        </message>
        <message id="20326">
            <source>Bild</source>
            <translation>Image</translation>
        </message>
        <message id="20330">
            <source> Hintergrund </source>
            <translation> Background </translation>
        </message>
        <message id="20331">
            <source> Animation </source>
            <translation> Animation </translation>
        </message>
        <message id="20332">
            <source> Zwiebelschale </source>
            <translation> Onion Skin </translation>
        </message>
        <message id="20333">
            <source>Bewegungspfade anzeigen</source>
            <translation>Show motion paths</translation>
        </message>
        <message id="20334">
            <source>Splines</source>
            <translation>Splines</translation>
        </message>
        <message id="20335">
            <source>Frames davor:</source>
            <translation>Frames before:</translation>
        </message>
        <message id="20336">
            <source>Frames danach:</source>
            <translation>Frames after:</translation>
        </message>
        <message id="20337">
            <source>Deckkraft (%):</source>
            <translation>Opacity (%):</translation>
        </message>
        <message id="20338">
            <source>Neu</source>
            <translation>New Project</translation>
        </message>
        <message id="20339">
            <source>Einstellungen</source>
            <translation>Project Settings</translation>
        </message>
        <message id="20340">
            <source>Alle</source>
            <translation>All images</translation>
        </message>
        <message id="20341">
            <source>GIF-Bild</source>
            <translation>GIF image</translation>
        </message>
        <message id="20342">
            <source>JPEG-Grafikdatei</source>
            <translation>JPEG image</translation>
        </message>
    </context>
    <context>
        <name>ObjectCommands</name>
        <message id="24050">
            <source>Eingabe</source>
            <translation>Input</translation>
        </message>
        <message id="24051">
            <source>Winkel:</source>
            <translation>Angle:</translation>
        </message>
        <message id="24052">
            <source>Streckung X:</source>
            <translation>Stretch X:</translation>
        </message>
        <message id="24053">
            <source>Streckung Y:</source>
            <translation>Stretch Y:</translation>
        </message>
        <message id="24054">
            <source>Mittelpunkt X:</source>
            <translation>Center X:</translation>
        </message>
        <message id="24055">
            <source>Mittelpunkt Y:</source>
            <translation>Center Y:</translation>
        </message>
        <message id="24056">
            <source>Objektname:</source>
            <translation>Object name:</translation>
        </message>
    </context>
    <context>
        <name>ObjectRecord</name>
        <message id="25030">
            <source>Die Daten sind beschädigt (unbekannter Objekttyp %1).</source>
            <translation>The data is damaged (unknown object type %1).</translation>
        </message>
    </context>
    <context>
        <name>PanelControls</name>
        <message id="22100">
            <source>Hintergrund</source>
            <translation>Fill</translation>
        </message>
        <message id="22101">
            <source>Vordergrund</source>
            <translation>Line</translation>
        </message>
        <message id="22102">
            <source>Farbe</source>
            <translation>Color</translation>
        </message>
        <message id="22110">
            <source>F</source>
            <translation>B</translation>
        </message>
        <message id="22111">
            <source>Fett</source>
            <translation>Bold</translation>
        </message>
        <message id="22112">
            <source>K</source>
            <translation>I</translation>
        </message>
        <message id="22113">
            <source>Kursiv</source>
            <translation>Italic</translation>
        </message>
        <message id="22114">
            <source>U</source>
            <translation>U</translation>
        </message>
        <message id="22115">
            <source>Unterstrichen</source>
            <translation>Underline</translation>
        </message>
        <message id="22116">
            <source>Name:</source>
            <translation>Name:</translation>
        </message>
        <message id="22117">
            <source>Größe:</source>
            <translation>Size:</translation>
        </message>
        <message id="22120">
            <source>Typ:</source>
            <translation>Type:</translation>
        </message>
    </context>
    <context>
        <name>ProjectFile</name>
        <message id="25020">
            <source>Die Projektgröße %1 x %2 liegt außerhalb von 1 bis %3 Pixeln.</source>
            <translation>The project size %1 x %2 is outside 1 to %3 pixels.</translation>
        </message>
        <message id="25021">
            <source>Die Bildrate %1 Frames/Sek. liegt außerhalb von %2 bis %3.</source>
            <translation>The frame rate of %1 frames/s is outside %2 to %3.</translation>
        </message>
        <message id="25022">
            <source>Die Datei enthält kein Bild.</source>
            <translation>The file contains no frame.</translation>
        </message>
        <message id="25023">
            <source>Die Frameanzahl %1 liegt über %2.</source>
            <translation>The frame count %1 is above %2.</translation>
        </message>
        <message id="25024">
            <source>Die Datei enthält mehr als %1 Objekte.</source>
            <translation>The file contains more than %1 objects.</translation>
        </message>
        <message id="25025">
            <source>Die Datei „%1“ kann nicht geschrieben werden: %2</source>
            <translation>The file “%1” cannot be written: %2</translation>
        </message>
        <message id="25026">
            <source>sie ist schreibgeschützt</source>
            <translation>it is read-only</translation>
        </message>
        <message id="25027">
            <source>Die Datei „%1“ kann nicht geöffnet werden: %2</source>
            <translation>The file “%1” cannot be opened: %2</translation>
        </message>
    </context>
    <context>
        <name>PropertyPanels</name>
        <message id="22103">
            <source>Stiftbreite %1</source>
            <translation>Line width %1</translation>
        </message>
        <message id="22130">
            <source>'%1' ist kein gültiger Integerwert</source>
            <translation>'%1' is not a valid whole number</translation>
        </message>
    </context>
    <context>
        <name>RecoveryForm</name>
        <message id="20810">
            <source>Wiederherstellung</source>
            <translation>Recovery</translation>
        </message>
        <message id="20811">
            <source>Wiederherstellungskopien anlegen</source>
            <translation>Keep recovery copies</translation>
        </message>
        <message id="20812">
            <source>Ungespeicherte Änderungen werden regelmäßig gesichert und nach einem Absturz beim nächsten Start angeboten.</source>
            <translation>Unsaved changes are saved regularly and offered at the next start after a crash.</translation>
        </message>
        <message id="20813">
            <source>Spätestens nach:</source>
            <translation>At the latest after:</translation>
        </message>
    </context>
    <context>
        <name>RecoveryPart</name>
        <message id="24040">
            <source>Wiederherstellung</source>
            <translation>Recovery</translation>
        </message>
        <message id="24041">
            <source>Die Wiederherstellungskopie von „%1“ ist beschädigt. Sie wurde nach „%2“ gelegt.</source>
            <translation>The recovery copy of “%1” is damaged. It has been moved to “%2”.</translation>
        </message>
        <message id="24042">
            <source>Kelvro wurde nicht normal beendet. Von „%1“ gibt es eine Wiederherstellungskopie vom %2.</source>
            <translation>Kelvro did not shut down normally. There is a recovery copy of “%1” from %2.</translation>
        </message>
        <message id="24043">
            <source>Wiederherstellen</source>
            <translation>Restore</translation>
        </message>
        <message id="24044">
            <source>Später</source>
            <translation>Later</translation>
        </message>
        <message id="24045">
            <source>Verwerfen</source>
            <translation>Discard</translation>
        </message>
        <message id="24046">
            <source>dd.MM.yyyy HH:mm</source>
            <translation>yyyy-MM-dd HH:mm</translation>
        </message>
    </context>
    <context>
        <name>SaveWhole</name>
        <message id="25120">
            <source>%1: Die Datei kann nicht geschrieben werden (%2).</source>
            <translation>%1: cannot write the file (%2)</translation>
        </message>
    </context>
    <context>
        <name>ShapeCatalogue</name>
        <message id="25040">
            <source>Quadrat</source>
            <translation>Square</translation>
        </message>
        <message id="25041">
            <source>Kreis</source>
            <translation>Circle</translation>
        </message>
        <message id="25042">
            <source>Dreieck</source>
            <translation>Triangle</translation>
        </message>
        <message id="25043">
            <source>Pfeil Links</source>
            <translation>Left Arrow</translation>
        </message>
        <message id="25044">
            <source>Pfeil Rechts</source>
            <translation>Right Arrow</translation>
        </message>
        <message id="25045">
            <source>Pfeil Oben</source>
            <translation>Up Arrow</translation>
        </message>
        <message id="25046">
            <source>Pfeil Unten</source>
            <translation>Down Arrow</translation>
        </message>
        <message id="25047">
            <source>Pfeil Links rechts</source>
            <translation>Left-Right Arrow</translation>
        </message>
        <message id="25048">
            <source>Pfeil Oben Unten</source>
            <translation>Up-Down Arrow</translation>
        </message>
        <message id="25049">
            <source>Stern 5-eckig</source>
            <translation>5-Point Star</translation>
        </message>
        <message id="25050">
            <source>Stern 4-eckig</source>
            <translation>4-Point Star</translation>
        </message>
        <message id="25051">
            <source>Polygon</source>
            <translation>Polygon</translation>
        </message>
    </context>
    <context>
        <name>ShapePickerForm</name>
        <message id="20501">
            <source>Formauswahl</source>
            <translation>Choose Shape</translation>
        </message>
    </context>
    <context>
        <name>Stream</name>
        <message id="25001">
            <source>Die Daten sind beschädigt oder unvollständig (%1).</source>
            <translation>The data is damaged or incomplete (%1).</translation>
        </message>
        <message id="25002">
            <source>%1 reicht über das Ende hinaus</source>
            <translation>%1 runs past the end</translation>
        </message>
        <message id="25003">
            <source>unerwartetes Ende</source>
            <translation>unexpected end</translation>
        </message>
        <message id="25004">
            <source>Schreiben fehlgeschlagen: %1</source>
            <translation>Writing failed: %1</translation>
        </message>
        <message id="25005">
            <source>Zeichenkette</source>
            <translation>text</translation>
        </message>
        <message id="25006">
            <source>Bildgröße %1 × %2</source>
            <translation>image size %1 × %2</translation>
        </message>
        <message id="25007">
            <source>Bild reicht über das Ende hinaus</source>
            <translation>image runs past the end</translation>
        </message>
        <message id="25008">
            <source>Ein Bild von %1 × %2 Pixeln passt nicht in den Speicher.</source>
            <translation>An image of %1 × %2 pixels does not fit into memory.</translation>
        </message>
        <message id="25009">
            <source>Anzahl %1</source>
            <translation>count %1</translation>
        </message>
        <message id="25010">
            <source>Anzahl</source>
            <translation>count</translation>
        </message>
    </context>
    <context>
        <name>TimelineGrid</name>
        <message id="23000">
            <source>Position</source>
            <translation>Position</translation>
        </message>
        <message id="23001">
            <source>Winkel</source>
            <translation>Rotation</translation>
        </message>
        <message id="23002">
            <source>Streckung</source>
            <translation>Stretch</translation>
        </message>
        <message id="23003">
            <source>Transparenz</source>
            <translation>Opacity</translation>
        </message>
        <message id="23004">
            <source>Farben</source>
            <translation>Colors</translation>
        </message>
    </context>
    <context>
        <name>TimelinePart</name>
        <message id="23010">
            <source>Information</source>
            <translation>Information</translation>
        </message>
        <message id="23011">
            <source>Es wurden Änderungen vorgenommen. Wie wollen Sie fortfahren?</source>
            <translation>Changes have been made. How would you like to continue?</translation>
        </message>
        <message id="23012">
            <source>Übernehmen</source>
            <translation>Apply</translation>
        </message>
        <message id="23013">
            <source>Verwerfen</source>
            <translation>Discard</translation>
        </message>
    </context>
    <context>
        <name>TimelineWidgets</name>
        <message id="23020">
            <source>Übernehmen</source>
            <translation>Apply</translation>
        </message>
        <message id="23030">
            <source>Abspielen</source>
            <translation>Play</translation>
        </message>
        <message id="23031">
            <source>Stopp</source>
            <translation>Stop</translation>
        </message>
        <message id="23032">
            <source>Endlos</source>
            <translation>Loop</translation>
        </message>
        <message id="23033">
            <source>Bereichsanfang</source>
            <translation>Range start</translation>
        </message>
        <message id="23034">
            <source>Bereichsende</source>
            <translation>Range end</translation>
        </message>
        <message id="23040">
            <source>Frame1 (Master)</source>
            <translation>Frame 1 (Master)</translation>
        </message>
        <message id="23041">
            <source>Frame%1</source>
            <translation>Frame %1</translation>
        </message>
    </context>
    <context>
        <name>TypesBitmap</name>
        <message id="25060">
            <source>Image Files (*.jpeg *.jpg *.png *.gif *.bmp);;JPEG Files (*.jpeg);;JPG Files (*.jpg);;PNG Files (*.png);;GIF Files (*.gif);;BMP Files (*.bmp)</source>
            <translation>Image Files (*.jpeg *.jpg *.png *.gif *.bmp);;JPEG Files (*.jpeg);;JPG Files (*.jpg);;PNG Files (*.png);;GIF Files (*.gif);;BMP Files (*.bmp)</translation>
        </message>
        <message id="25061">
            <source>Das Bild „%1“ kann nicht geladen werden: %2</source>
            <translation>The image “%1” cannot be loaded: %2</translation>
        </message>
        <message id="25140">
            <source>Bitmap</source>
            <translation>Image</translation>
        </message>
    </context>
    <context>
        <name>TypesForm</name>
        <message id="25141">
            <source>Form</source>
            <translation>Shape</translation>
        </message>
    </context>
    <context>
        <name>TypesText</name>
        <message id="25065">
            <source>Eingabe</source>
            <translation>Input</translation>
        </message>
        <message id="25066">
            <source>Text</source>
            <translation>Text</translation>
        </message>
        <message id="25067">
            <source>Type</source>
            <translation>Type</translation>
        </message>
    </context>
    <context>
        <name>VideoBackend</name>
        <message id="25150">
            <source>Der Videoexport ist nicht verfügbar: %1</source>
            <translation>Video export is not available: %1</translation>
        </message>
    </context>
</TS>

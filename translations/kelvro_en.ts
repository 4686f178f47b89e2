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
        <name>GroupForm</name>
        <message id="20500">
            <source>Gruppe wählen</source>
            <translation>Select Group</translation>
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
            <translation>Colour/Width</translation>
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
            <translation>Colour</translation>
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
        <name>ShapePickerForm</name>
        <message id="20501">
            <source>Formauswahl</source>
            <translation>Choose Shape</translation>
        </message>
        <message id="20502">
            <source>Polygon</source>
            <translation>Polygon</translation>
        </message>
        <message id="20503">
            <source>Quadrat</source>
            <translation>Square</translation>
        </message>
        <message id="20504">
            <source>Kreis</source>
            <translation>Circle</translation>
        </message>
        <message id="20505">
            <source>Dreieck</source>
            <translation>Triangle</translation>
        </message>
        <message id="20506">
            <source>Pfeil Links</source>
            <translation>Left arrow</translation>
        </message>
        <message id="20507">
            <source>Pfeil Rechts</source>
            <translation>Right arrow</translation>
        </message>
        <message id="20508">
            <source>Pfeil Oben</source>
            <translation>Up arrow</translation>
        </message>
        <message id="20509">
            <source>Pfeil Unten</source>
            <translation>Down arrow</translation>
        </message>
        <message id="20510">
            <source>Pfeil Links rechts</source>
            <translation>Left-right arrow</translation>
        </message>
        <message id="20511">
            <source>Pfeil Oben Unten</source>
            <translation>Up-down arrow</translation>
        </message>
        <message id="20512">
            <source>Stern 5-eckig</source>
            <translation>5-point star</translation>
        </message>
        <message id="20513">
            <source>Stern 4-eckig</source>
            <translation>4-point star</translation>
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
            <translation>Colours</translation>
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
</TS>

<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
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
            <translation>Project Settings...</translation>
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
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>WindowText</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Converts video and audio files for phones, players and the web.</source>
        <translation>Wandelt Video- und Audiodateien für Telefone, Player und das Web um.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;About Orva Video Converter...</source>
        <translation>&amp;Über Orva Video Converter...</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove Selected File(s) From List</source>
        <translation>Ausgewählte Datei(en) aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Remove All Files From List</source>
        <translation>Alle Dateien aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Profil bearbeiten</translation>
    </message>
    <message>
        <source>Browse Folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umwandeln</translation>
    </message>
    <message>
        <source>Stop Convert</source>
        <translation>Umwandlung anhalten</translation>
    </message>
    <message>
        <source>Click it to play</source>
        <translation>Zum Abspielen klicken</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>Wiedergabe beenden</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Find new version,update or not?</source>
        <translation>Eine neue Version ist erschienen. Jetzt aktualisieren?</translation>
    </message>
    <message>
        <source>Set Current Time to Begin Time?</source>
        <translation>Aktuelle Zeit als Anfang setzen?</translation>
    </message>
    <message>
        <source>Set Current Time to End Time?</source>
        <translation>Aktuelle Zeit als Ende setzen?</translation>
    </message>
    <message>
        <source>Begin time is large,change it before to continue</source>
        <translation>Der Anfang liegt nach dem Ende. Bitte zuerst ändern.</translation>
    </message>
    <message>
        <source>given path is not writable, ignore the error</source>
        <translation>In diesen Ordner kann nicht geschrieben werden. Fehler übergehen?</translation>
    </message>
    <message>
        <source>Reading File Info ,please wait...</source>
        <translation>Dateiangaben werden gelesen, bitte warten...</translation>
    </message>
    <message>
        <source>Please stop ripping first and try again.

Do you want to stop now?</source>
        <translation>Bitte zuerst die Umwandlung anhalten und es dann erneut versuchen.

Jetzt anhalten?</translation>
    </message>
    <message>
        <source>Orva Video Converter</source>
        <translation>Orva Video Converter</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Success!</source>
        <translation>Erfolg!</translation>
    </message>
    <message>
        <source>Failed!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>FATAL!</source>
        <translation>ABBRUCH!</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Zielordner:</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Extension:</source>
        <translation>Endung:</translation>
    </message>
    <message>
        <source>Elapsed Time:</source>
        <translation>Vergangen:</translation>
    </message>
    <message>
        <source>Time Remaining:</source>
        <translation>Verbleibend:</translation>
    </message>
    <message>
        <source>Begin:</source>
        <translation>Anfang:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Ende:</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Output Size</source>
        <translation>Zielgröße</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>!Waring!</source>
        <translation>Achtung!</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Drop video or audio files here</source>
        <translation>Video- oder Audiodateien hierher ziehen</translation>
    </message>
    <message>
        <source>or use Add Files to pick them</source>
        <translation>oder mit „Hinzufügen“ auswählen</translation>
    </message>
    <message>
        <source>Completed:</source>
        <translation>Erledigt:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Ordner wählen...</translation>
    </message>
    <message>
        <source>Save in the same folder as the original file</source>
        <translation>Im Ordner der Originaldatei speichern</translation>
    </message>
    <message>
        <source>Select Output Directory</source>
        <translation>Zielordner wählen</translation>
    </message>
    <message>
        <source>New Version</source>
        <translation>Neue Version</translation>
    </message>
    <message>
        <source>Profile Name:</source>
        <translation>Profilname:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Video Codec:</source>
        <translation>Videocodec:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>BitRate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>AspectRatio:</source>
        <translation>Seitenverhältnis:</translation>
    </message>
    <message>
        <source>FrameRate:</source>
        <translation>Bildrate:</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Audio Codec:</source>
        <translation>Audiocodec:</translation>
    </message>
    <message>
        <source>SampleRate:</source>
        <translation>Abtastrate:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Kanäle:</translation>
    </message>
    <message>
        <source>%1% complete. Estimated completion: %2</source>
        <translation>%1 % erledigt. Voraussichtlich fertig um %2</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Zu konvertierende Dateien</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation>%1 Prozent</translation>
    </message>
    <message>
        <source>Set the begin time to the preview&apos;s position</source>
        <translation>Anfangszeit auf die Position der Vorschau setzen</translation>
    </message>
    <message>
        <source>Go to the begin time</source>
        <translation>Zur Anfangszeit springen</translation>
    </message>
    <message>
        <source>Set the end time to the preview&apos;s position</source>
        <translation>Endzeit auf die Position der Vorschau setzen</translation>
    </message>
    <message>
        <source>Go to the end time</source>
        <translation>Zur Endzeit springen</translation>
    </message>
    <message>
        <source>Open the home page</source>
        <translation>Startseite öffnen</translation>
    </message>
    <message>
        <source>Open the help page</source>
        <translation>Hilfeseite öffnen</translation>
    </message>
    <message>
        <source>not kept: %1</source>
        <translation>nicht übernommen: %1</translation>
    </message>
    <message>
        <source>Set Begin Time</source>
        <translation>Anfang setzen</translation>
    </message>
    <message>
        <source>Set End Time</source>
        <translation>Ende setzen</translation>
    </message>
    <message>
        <source>the path is 260 bytes or longer</source>
        <translation>der Pfad ist 260 Bytes lang oder länger</translation>
    </message>
    <message>
        <source>These files were not added:</source>
        <translation>Diese Dateien wurden nicht hinzugefügt:</translation>
    </message>
    <message>
        <source>the source has no audio stream to convert</source>
        <translation>die Quelle hat keine Tonspur zum Umwandeln</translation>
    </message>
    <message>
        <source>the encoder ended with status %1</source>
        <translation>der Encoder endete mit Status %1</translation>
    </message>
    <message>
        <source>the encoder was ended by signal %1</source>
        <translation>der Encoder wurde durch Signal %1 beendet</translation>
    </message>
    <message>
        <source>no encoder program at %1</source>
        <translation>kein Encoder-Programm unter %1</translation>
    </message>
    <message>
        <source>the encoder program %1 cannot be started</source>
        <translation>das Encoder-Programm %1 lässt sich nicht starten</translation>
    </message>
    <message>
        <source>the output folder %1 does not exist</source>
        <translation>der Zielordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>the output folder %1 is not writable</source>
        <translation>in den Zielordner %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>stopped after %1 of the range</source>
        <translation>angehalten nach %1 des Bereichs</translation>
    </message>
    <message>
        <source>the encoder wrote only %1 of the range</source>
        <translation>der Encoder schrieb nur %1 des Bereichs</translation>
    </message>
    <message>
        <source>the encoder command would be longer than 1023 characters</source>
        <translation>der Encoder-Befehl wäre länger als 1023 Zeichen</translation>
    </message>
    <message>
        <source>the output path would be too long (259 characters, 255 for the file name)</source>
        <translation>der Zielpfad wäre zu lang (259 Zeichen, 255 für den Dateinamen)</translation>
    </message>
    <message>
        <source>the output folder cannot be searched</source>
        <translation>der Zielordner lässt sich nicht durchsuchen</translation>
    </message>
    <message>
        <source>Conversions at once</source>
        <translation>Gleichzeitige Umwandlungen</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool is made by Halvern. All rights reserved.</source>
        <translation>Orvex Extract Tool wird von Halvern entwickelt. Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>ConflictPolicyConfirm</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Yes All</source>
        <translation>Ja, alle</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>NO All</source>
        <translation>Nein, alle</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Alle ersetzen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>Alle überspringen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation>Alle umbenennen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Ereignisprotokolle</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>The event log file %1 could not be opened; only this run&apos;s debug output has the messages.</source>
        <translation>Die Ereignisprotokolldatei %1 konnte nicht geöffnet werden; die Meldungen sind nur in der Debug-Ausgabe dieser Sitzung enthalten.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all event logs?</source>
        <translation>Möchten Sie wirklich alle Ereignisprotokolle löschen?</translation>
    </message>
    <message>
        <source>This is the event log file itself.</source>
        <translation>Dies ist die Ereignisprotokolldatei selbst.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>Protokolldateien (*.log)</translation>
    </message>
</context>
<context>
    <name>ExtractionFlow</name>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>The estimated size after restoration is %1. Select a destination with enough disk space for extraction.</source>
        <translation>Die geschätzte Größe nach der Wiederherstellung beträgt %1. Wählen Sie ein Ziel mit ausreichend Speicherplatz für die Extraktion.</translation>
    </message>
    <message>
        <source>Select a target folder</source>
        <translation>Zielordner auswählen</translation>
    </message>
    <message>
        <source>The source and destination folders cannot be the same. Select another folder.</source>
        <translation>Quell- und Zielordner dürfen nicht identisch sein. Wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Failed to extract. The destination file system is unwritable. Check the file system property and try again.</source>
        <translation>Extrahieren fehlgeschlagen. Das Zieldateisystem ist nicht beschreibbar. Überprüfen Sie die Eigenschaften des Dateisystems und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Cannot retrieve disk space information for the selected destination. Are you sure you want to continue?</source>
        <translation>Für das ausgewählte Ziel können keine Angaben zum Speicherplatz abgerufen werden. Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>The selected destination doesn&apos;t have enough disk space. Select another destination and try again.</source>
        <translation>Am ausgewählten Ziel ist nicht genügend Speicherplatz vorhanden. Wählen Sie ein anderes Ziel und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Select a conflict policy for dealing with file conflicts during extraction.</source>
        <translation>Legen Sie fest, wie bei Dateikonflikten während der Extraktion verfahren werden soll.</translation>
    </message>
    <message>
        <source>Cannot add additional background tasks. The maximum number of tasks has been reached. To continue, delete individual tasks or click Clear Completed Tasks.</source>
        <translation>Es können keine weiteren Hintergrundaufgaben hinzugefügt werden. Die maximale Anzahl von Aufgaben ist erreicht. Löschen Sie einzelne Aufgaben oder klicken Sie auf „Abgeschlossene entfernen“, um fortzufahren.</translation>
    </message>
    <message>
        <source>Failed to extract files. Check the event logs for more information.</source>
        <translation>Die Dateien konnten nicht extrahiert werden. Weitere Informationen finden Sie in den Ereignisprotokollen.</translation>
    </message>
</context>
<context>
    <name>FileVersionsDialog</name>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>added</source>
        <translation>hinzugefügt</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>gelöscht</translation>
    </message>
    <message>
        <source>The versions of this file could not be read.</source>
        <translation>Die Versionen dieser Datei konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Version time</source>
        <translation>Zeitpunkt der Version</translation>
    </message>
</context>
<context>
    <name>Hcommon</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
</context>
<context>
    <name>Hcommon::PagingBar</name>
    <message>
        <source>Page:</source>
        <translation>Seite:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Anzeigen:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Angezeigt: %1, gesamt: %2</translation>
    </message>
</context>
<context>
    <name>LicenseInfo</name>
    <message>
        <source>Open Source &amp; Third Party Software</source>
        <translation>Open-Source- &amp; Drittanbietersoftware</translation>
    </message>
    <message>
        <source>The notices file %1 could not be read: %2</source>
        <translation>Die Hinweisdatei %1 konnte nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open VESK Folder</source>
        <translation>VESK-Ordner öffnen</translation>
    </message>
    <message>
        <source>Halvern Orvex Extract Tool for Windows</source>
        <translation>Halvern Orvex Extract Tool für Windows</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Background Tasks</source>
        <translation>Hintergrundaufgaben</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Ereignisprotokolle</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Open Source &amp;&amp; Third Party Software</source>
        <translation>Open-Source- &amp;&amp; Drittanbietersoftware</translation>
    </message>
    <message>
        <source>Some tasks have not completed yet. Are you sure you want to exit the application?</source>
        <translation>Einige Aufgaben sind noch nicht abgeschlossen. Möchten Sie die Anwendung wirklich beenden?</translation>
    </message>
</context>
<context>
    <name>Region</name>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>China</source>
        <translation>China</translation>
    </message>
    <message>
        <source>In compliance with regional Internet service regulations, Halvern configures services according to your region. Please provide your region information to ensure better connection quality.</source>
        <translation>Zur Einhaltung regionaler Vorschriften für Internetdienste konfiguriert Halvern die Dienste entsprechend Ihrer Region. Bitte geben Sie Ihre Region an, um eine bessere Verbindungsqualität zu gewährleisten.</translation>
    </message>
    <message>
        <source>Learn more about this</source>
        <translation>Weitere Informationen</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Automatisch nach Updates suchen</translation>
    </message>
    <message>
        <source>Delete .vesk folder after extraction</source>
        <translation>.vesk-Ordner nach der Extraktion löschen</translation>
    </message>
    <message>
        <source>The .vesk folder is deleted after the extraction process completes. This option is only applied when extracting the entire folder by selecting Extract All from the context menu.</source>
        <translation>Der .vesk-Ordner wird nach Abschluss der Extraktion gelöscht. Diese Option gilt nur, wenn der gesamte Ordner über „Alle extrahieren“ im Kontextmenü extrahiert wird.</translation>
    </message>
    <message>
        <source>Confirm before deleting</source>
        <translation>Vor dem Löschen bestätigen</translation>
    </message>
    <message>
        <source>Delete without asking</source>
        <translation>Ohne Nachfrage löschen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Version Update</source>
        <translation>Versionsaktualisierung</translation>
    </message>
    <message>
        <source>Extraction Settings</source>
        <translation>Extraktionseinstellungen</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Selecting this option will delete the .vesk folder after the extraction process completes. Deleted folders cannot be restored.</source>
        <translation>Wenn Sie diese Option wählen, wird der .vesk-Ordner nach Abschluss der Extraktion gelöscht. Gelöschte Ordner können nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>I understand</source>
        <translation>Verstanden</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>RemoveVeskFileThread</name>
    <message>
        <source>[%1] [%2] Delete &quot;%3&quot;.</source>
        <translation>[%1] [%2] „%3“ gelöscht.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to delete VESK folder. File is undeletable. Failed to delete folder. Check the folder properties.</source>
        <translation>[%1] [%2] Der VESK-Ordner konnte nicht gelöscht werden. Eine Datei lässt sich nicht löschen, daher konnte der Ordner nicht gelöscht werden. Überprüfen Sie die Ordnereigenschaften.</translation>
    </message>
</context>
<context>
    <name>RestoreJob</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>noch %1</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>Wird extrahiert...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>In Warteschlange</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Entfernen</translation>
    </message>
</context>
<context>
    <name>RestoreJobManager</name>
    <message>
        <source>Background Tasks</source>
        <translation>Hintergrundaufgaben</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Clear Completed Tasks</source>
        <translation>Abgeschlossene entfernen</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Total tasks: %1</source>
        <translation>Aufgaben gesamt: %1</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <translation>Abgeschlossen: %1</translation>
    </message>
    <message>
        <source>Extracting: %1</source>
        <translation>Wird extrahiert: %1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Angehalten: %1</translation>
    </message>
    <message>
        <source>Queued: %1</source>
        <translation>In Warteschlange: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>[%1] [%2] The background task file is damaged and was skipped: %3</source>
        <translation>[%1] [%2] Die Datei der Hintergrundaufgabe ist beschädigt und wurde übersprungen: %3</translation>
    </message>
    <message>
        <source>it names the job %1</source>
        <translation>sie verweist auf die Aufgabe %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Completed extraction. Are you sure you want to delete the .vesk folder &quot;%1&quot;?</source>
        <translation>Die Extraktion ist abgeschlossen. Möchten Sie den .vesk-Ordner „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>[%1] [%2] The VESK folder &quot;%3&quot; was not deleted: another background task still extracts from it.</source>
        <translation>[%1] [%2] Der VESK-Ordner „%3“ wurde nicht gelöscht: Eine andere Hintergrundaufgabe extrahiert noch daraus.</translation>
    </message>
</context>
<context>
    <name>RestoreProgressDialog</name>
    <message>
        <source>Extract</source>
        <translation>Extrahieren</translation>
    </message>
    <message>
        <source>%1% completed</source>
        <translation>%1 % abgeschlossen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>RestoreVeskFileListThread</name>
    <message>
        <source>[%1] [%2] Started to extract data to &quot;%5&quot;. Folders: %4. Files:%3.</source>
        <translation>[%1] [%2] Extraktion der Daten nach „%5“ gestartet. Ordner: %4. Dateien: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract %3.</source>
        <translation>[%1] [%2] %3 konnte nicht extrahiert werden.</translation>
    </message>
    <message>
        <source>Failed to open VESK folder. VESK folder does not exist. Ensure folder exists and try again.</source>
        <translation>Der VESK-Ordner konnte nicht geöffnet werden, da er nicht vorhanden ist. Stellen Sie sicher, dass der Ordner existiert, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>[%1] [%2] User stopped extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Der Benutzer hat die Extraktion der Daten nach „%5“ abgebrochen. Ordner: %4. Dateien: %3.</translation>
    </message>
    <message>
        <source>Incorrect password. Verify password is correct before trying again.</source>
        <translation>Falsches Kennwort. Überprüfen Sie das Kennwort, bevor Sie es erneut versuchen.</translation>
    </message>
    <message>
        <source>Unknown VESK folder format. Confirm integrity of VESK folder and try again.</source>
        <translation>Unbekanntes VESK-Ordnerformat. Überprüfen Sie die Integrität des VESK-Ordners und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Replaced file number: %6.</source>
        <translation>[%1] [%2] Extraktion der Daten nach „%5“ abgeschlossen. Ordner: %4. Dateien: %3. Ersetzte Dateien: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Skipped file number: %6.</source>
        <translation>[%1] [%2] Extraktion der Daten nach „%5“ abgeschlossen. Ordner: %4. Dateien: %3. Übersprungene Dateien: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Extraktion der Daten nach „%5“ abgeschlossen. Ordner: %4. Dateien: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Insufficient storage space. Free up disk space or increase storage capacity. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Extraktion der Daten nach „%5“ fehlgeschlagen. Nicht genügend Speicherplatz. Geben Sie Speicherplatz frei oder erweitern Sie die Speicherkapazität. Ordner: %4. Dateien: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Some files failed to extract. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Extraktion der Daten nach „%5“ fehlgeschlagen. Einige Dateien konnten nicht extrahiert werden. Ordner: %4. Dateien: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] The file to resume from is not in the backup; every file was extracted again under the conflict policy.</source>
        <translation>[%1] [%2] Die Datei, ab der fortgesetzt werden sollte, ist nicht in der Sicherung; alle Dateien wurden gemäß der gewählten Konfliktbehandlung erneut extrahiert.</translation>
    </message>
</context>
<context>
    <name>SearchPanel</name>
    <message>
        <source>Searching…</source>
        <translation>Suche läuft…</translation>
    </message>
    <message>
        <source>The search could not be completed.</source>
        <translation>Die Suche konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>No matches.</source>
        <translation>Keine Treffer.</translation>
    </message>
    <message>
        <source>The first %1 matches are shown. Refine the search to see the others. Checked: %2</source>
        <translation>Die ersten %1 Treffer werden angezeigt. Verfeinern Sie die Suche, um die übrigen zu sehen. Markiert: %2</translation>
    </message>
    <message>
        <source>Matches: %1. Checked: %2</source>
        <translation>Treffer: %1. Markiert: %2</translation>
    </message>
</context>
<context>
    <name>SearchResultModel</name>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Orvex Extract Tool Update</source>
        <translation>Orvex Extract Tool – Update</translation>
    </message>
    <message>
        <source>Unable to check for update.</source>
        <translation>Die Suche nach Updates ist nicht möglich.</translation>
    </message>
    <message>
        <source>Contact Halvern support</source>
        <translation>Halvern-Support kontaktieren</translation>
    </message>
    <message>
        <source>The latest version of Orvex Extract Tool is already installed.</source>
        <translation>Die neueste Version von Orvex Extract Tool ist bereits installiert.</translation>
    </message>
    <message>
        <source>A newer version of Orvex Extract Tool is available. Version: %1.%2</source>
        <translation>Eine neuere Version von Orvex Extract Tool ist verfügbar. Version: %1.%2</translation>
    </message>
</context>
<context>
    <name>VerifyPassword</name>
    <message>
        <source>Verify Password</source>
        <translation>Kennwort überprüfen</translation>
    </message>
    <message>
        <source>A password is required to decrypt the data.</source>
        <translation>Zum Entschlüsseln der Daten ist ein Kennwort erforderlich.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>VeskFileInfo</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Modified Date</source>
        <translation>Änderungsdatum</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extrahieren</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Seite:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Anzeigen:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Quelle: %1</translation>
    </message>
    <message>
        <source>Only the first 100,000 folders are displayed.</source>
        <translation>Es werden nur die ersten 100.000 Ordner angezeigt.</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Angezeigt: %1, gesamt: %2</translation>
    </message>
    <message>
        <source>Selected: %1 Folders, %2 Files</source>
        <translation>Ausgewählt: %1 Ordner, %2 Dateien</translation>
    </message>
    <message>
        <source>Estimated Restore Size: %1</source>
        <translation>Geschätzte Größe nach Wiederherstellung: %1</translation>
    </message>
    <message>
        <source>Extract All</source>
        <translation>Alle extrahieren</translation>
    </message>
    <message>
        <source>Check every entry on this page</source>
        <translation>Alle Einträge auf dieser Seite auswählen</translation>
    </message>
    <message>
        <source>Newest version</source>
        <translation>Neueste Version</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Dieser Ordner ist leer.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Wird geladen…</translation>
    </message>
    <message>
        <source>calculating…</source>
        <translation>wird berechnet…</translation>
    </message>
    <message>
        <source>Versions of this file</source>
        <translation>Versionen dieser Datei</translation>
    </message>
    <message>
        <source>Search by name (Ctrl+F)</source>
        <translation>Nach Namen suchen (Strg+F)</translation>
    </message>
    <message>
        <source>All versions</source>
        <translation>Alle Versionen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
</context>
<context>
    <name>VeskMain</name>
    <message>
        <source>Extract VESK folders on any platform</source>
        <translation>VESK-Ordner auf jeder Plattform extrahieren</translation>
    </message>
    <message>
        <source>Click below to start using the Orvex Extract Tool</source>
        <translation>Klicken Sie unten, um Orvex Extract Tool zu verwenden</translation>
    </message>
    <message>
        <source>Browse file</source>
        <translation>Durchsuchen</translation>
    </message>
</context>
<context>
    <name>VeskOpener</name>
    <message>
        <source>Unknown VESK format. Confirm integrity of VESK folder and try again.</source>
        <translation>Unbekanntes VESK-Format. Überprüfen Sie die Integrität des VESK-Ordners und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Falsches Kennwort.</translation>
    </message>
    <message>
        <source>Unknown VESK format.</source>
        <translation>Unbekanntes VESK-Format.</translation>
    </message>
</context>
<context>
    <name>WaitingDialog</name>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>

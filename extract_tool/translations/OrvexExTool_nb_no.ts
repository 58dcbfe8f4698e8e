<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>About</name>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versjon: %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool is made by Halvern. All rights reserved.</source>
        <translation>Orvex Extract Tool er laget av Halvern. Med enerett.</translation>
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
        <translation>Ja til alle</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
    </message>
    <message>
        <source>NO All</source>
        <translation>Nei til alle</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Erstatt</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Erstatt alle</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Hopp over</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>Hopp over alle</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Gi nytt navn</translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation>Gi alle nytt navn</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Prøv igjen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Clear</source>
        <translation>Tøm</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Hendelseslogg</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>The event log file %1 could not be opened; only this run&apos;s debug output has the messages.</source>
        <translation>Kunne ikke åpne hendelsesloggfilen %1. Meldingene finnes bare i feilsøkingsutdataene for denne kjøringen.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all event logs?</source>
        <translation>Er du sikker på at du vil slette alle hendelseslogger?</translation>
    </message>
    <message>
        <source>This is the event log file itself.</source>
        <translation>Dette er selve hendelsesloggfilen.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Lagre fil</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>Loggfiler (*.log)</translation>
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
        <translation>Anslått størrelse etter gjenoppretting er %1. Velg et mål med nok diskplass til utpakkingen.</translation>
    </message>
    <message>
        <source>Select a target folder</source>
        <translation>Velg en målmappe</translation>
    </message>
    <message>
        <source>The source and destination folders cannot be the same. Select another folder.</source>
        <translation>Kildemappen og målmappen kan ikke være den samme. Velg en annen mappe.</translation>
    </message>
    <message>
        <source>Failed to extract. The destination file system is unwritable. Check the file system property and try again.</source>
        <translation>Utpakkingen mislyktes. Det er ikke mulig å skrive til målfilsystemet. Kontroller egenskapene til filsystemet og prøv igjen.</translation>
    </message>
    <message>
        <source>Cannot retrieve disk space information for the selected destination. Are you sure you want to continue?</source>
        <translation>Kan ikke hente informasjon om diskplass for det valgte målet. Er du sikker på at du vil fortsette?</translation>
    </message>
    <message>
        <source>The selected destination doesn&apos;t have enough disk space. Select another destination and try again.</source>
        <translation>Det valgte målet har ikke nok diskplass. Velg et annet mål og prøv igjen.</translation>
    </message>
    <message>
        <source>Select a conflict policy for dealing with file conflicts during extraction.</source>
        <translation>Velg hvordan filkonflikter skal håndteres under utpakkingen.</translation>
    </message>
    <message>
        <source>Cannot add additional background tasks. The maximum number of tasks has been reached. To continue, delete individual tasks or click Clear Completed Tasks.</source>
        <translation>Kan ikke legge til flere bakgrunnsoppgaver. Maksimalt antall oppgaver er nådd. For å fortsette sletter du enkeltoppgaver eller klikker på Fjern fullførte oppgaver.</translation>
    </message>
    <message>
        <source>Failed to extract files. Check the event logs for more information.</source>
        <translation>Kunne ikke pakke ut filene. Se hendelsesloggen for mer informasjon.</translation>
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
        <translation>Åpne</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>added</source>
        <translation>lagt til</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>endret</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>uendret</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>slettet</translation>
    </message>
    <message>
        <source>The versions of this file could not be read.</source>
        <translation>Versjonene av denne filen kunne ikke leses.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versjon</translation>
    </message>
    <message>
        <source>Version time</source>
        <translation>Versjonens tidspunkt</translation>
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
        <translation>Nei</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Prøv igjen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Hopp over</translation>
    </message>
</context>
<context>
    <name>Hcommon::PagingBar</name>
    <message>
        <source>Page:</source>
        <translation>Side:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Vis:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>elementer</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Viste elementer: %1, totalt: %2</translation>
    </message>
</context>
<context>
    <name>LicenseInfo</name>
    <message>
        <source>Open Source &amp; Third Party Software</source>
        <translation>Åpen kildekode og tredjepartsprogramvare</translation>
    </message>
    <message>
        <source>The notices file %1 could not be read: %2</source>
        <translation>Kunne ikke lese merknadsfilen %1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open VESK Folder</source>
        <translation>Åpne VESK-mappe</translation>
    </message>
    <message>
        <source>Halvern Orvex Extract Tool for Windows</source>
        <translation>Halvern Orvex Extract Tool for Windows</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Background Tasks</source>
        <translation>Bakgrunnsoppgaver</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Hendelseslogg</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativer</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Se etter oppdateringer</translation>
    </message>
    <message>
        <source>Open Source &amp;&amp; Third Party Software</source>
        <translation>Åpen kildekode &amp;&amp; tredjepartsprogramvare</translation>
    </message>
    <message>
        <source>Some tasks have not completed yet. Are you sure you want to exit the application?</source>
        <translation>Noen oppgaver er ikke fullført ennå. Er du sikker på at du vil avslutte programmet?</translation>
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
        <translation>Kina</translation>
    </message>
    <message>
        <source>In compliance with regional Internet service regulations, Halvern configures services according to your region. Please provide your region information to ensure better connection quality.</source>
        <translation>I samsvar med regionale forskrifter for Internett-tjenester konfigurerer Halvern tjenestene etter regionen din. Oppgi regionen din for å sikre bedre tilkoblingskvalitet.</translation>
    </message>
    <message>
        <source>Learn more about this</source>
        <translation>Finn ut mer</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Se etter oppdateringer automatisk</translation>
    </message>
    <message>
        <source>Delete .vesk folder after extraction</source>
        <translation>Slett .vesk-mappen etter utpakking</translation>
    </message>
    <message>
        <source>The .vesk folder is deleted after the extraction process completes. This option is only applied when extracting the entire folder by selecting Extract All from the context menu.</source>
        <translation>.vesk-mappen slettes når utpakkingen er fullført. Dette alternativet brukes bare når hele mappen pakkes ut ved å velge Pakk ut alt på hurtigmenyen.</translation>
    </message>
    <message>
        <source>Confirm before deleting</source>
        <translation>Bekreft før sletting</translation>
    </message>
    <message>
        <source>Delete without asking</source>
        <translation>Slett uten å spørre</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Version Update</source>
        <translation>Versjonsoppdatering</translation>
    </message>
    <message>
        <source>Extraction Settings</source>
        <translation>Innstillinger for utpakking</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Selecting this option will delete the .vesk folder after the extraction process completes. Deleted folders cannot be restored.</source>
        <translation>Hvis du velger dette alternativet, slettes .vesk-mappen når utpakkingen er fullført. Slettede mapper kan ikke gjenopprettes.</translation>
    </message>
    <message>
        <source>I understand</source>
        <translation>Jeg forstår</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Kunne ikke lagre innstillingene.</translation>
    </message>
</context>
<context>
    <name>RemoveVeskFileThread</name>
    <message>
        <source>[%1] [%2] Delete &quot;%3&quot;.</source>
        <translation>[%1] [%2] Slettet «%3».</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to delete VESK folder. File is undeletable. Failed to delete folder. Check the folder properties.</source>
        <translation>[%1] [%2] Kunne ikke slette VESK-mappen. En fil kan ikke slettes. Kontroller egenskapene til mappen.</translation>
    </message>
</context>
<context>
    <name>RestoreJob</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 av %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 igjen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Åpne mappe</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>Pakker ut ...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>På pause</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Fullført</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Mislyktes</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>I kø</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Fjern</translation>
    </message>
</context>
<context>
    <name>RestoreJobManager</name>
    <message>
        <source>Background Tasks</source>
        <translation>Bakgrunnsoppgaver</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Skjul</translation>
    </message>
    <message>
        <source>Clear Completed Tasks</source>
        <translation>Fjern fullførte oppgaver</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Opprettet</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Kilde</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Handling</translation>
    </message>
    <message>
        <source>Total tasks: %1</source>
        <translation>Oppgaver totalt: %1</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <translation>Fullført: %1</translation>
    </message>
    <message>
        <source>Extracting: %1</source>
        <translation>Pakker ut: %1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>På pause: %1</translation>
    </message>
    <message>
        <source>Queued: %1</source>
        <translation>I kø: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Mislyktes: %1</translation>
    </message>
    <message>
        <source>[%1] [%2] The background task file is damaged and was skipped: %3</source>
        <translation>[%1] [%2] Filen for bakgrunnsoppgaven er skadet og ble hoppet over: %3</translation>
    </message>
    <message>
        <source>it names the job %1</source>
        <translation>filen angir oppgave %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Completed extraction. Are you sure you want to delete the .vesk folder &quot;%1&quot;?</source>
        <translation>Utpakkingen er fullført. Er du sikker på at du vil slette .vesk-mappen «%1»?</translation>
    </message>
    <message>
        <source>[%1] [%2] The VESK folder &quot;%3&quot; was not deleted: another background task still extracts from it.</source>
        <translation>[%1] [%2] VESK-mappen «%3» ble ikke slettet: en annen bakgrunnsoppgave pakker fortsatt ut fra den.</translation>
    </message>
</context>
<context>
    <name>RestoreProgressDialog</name>
    <message>
        <source>Extract</source>
        <translation>Pakk ut</translation>
    </message>
    <message>
        <source>%1% completed</source>
        <translation>%1 % fullført</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>RestoreVeskFileListThread</name>
    <message>
        <source>[%1] [%2] Started to extract data to &quot;%5&quot;. Folders: %4. Files:%3.</source>
        <translation>[%1] [%2] Startet utpakking av data til «%5». Mapper: %4. Filer: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract %3.</source>
        <translation>[%1] [%2] Kunne ikke pakke ut %3.</translation>
    </message>
    <message>
        <source>Failed to open VESK folder. VESK folder does not exist. Ensure folder exists and try again.</source>
        <translation>Kunne ikke åpne VESK-mappen. VESK-mappen finnes ikke. Kontroller at mappen finnes, og prøv igjen.</translation>
    </message>
    <message>
        <source>[%1] [%2] User stopped extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Brukeren stoppet utpakkingen av data til «%5». Mapper: %4. Filer: %3.</translation>
    </message>
    <message>
        <source>Incorrect password. Verify password is correct before trying again.</source>
        <translation>Feil passord. Kontroller at passordet er riktig, og prøv igjen.</translation>
    </message>
    <message>
        <source>Unknown VESK folder format. Confirm integrity of VESK folder and try again.</source>
        <translation>Ukjent format på VESK-mappen. Kontroller at VESK-mappen er intakt, og prøv igjen.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Replaced file number: %6.</source>
        <translation>[%1] [%2] Fullførte utpakking av data til «%5». Mapper: %4. Filer: %3. Antall erstattede filer: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Skipped file number: %6.</source>
        <translation>[%1] [%2] Fullførte utpakking av data til «%5». Mapper: %4. Filer: %3. Antall filer som ble hoppet over: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Fullførte utpakking av data til «%5». Mapper: %4. Filer: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Insufficient storage space. Free up disk space or increase storage capacity. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Kunne ikke pakke ut data til «%5». Ikke nok lagringsplass. Frigjør diskplass eller øk lagringskapasiteten. Mapper: %4. Filer: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Some files failed to extract. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Kunne ikke pakke ut data til «%5». Noen filer kunne ikke pakkes ut. Mapper: %4. Filer: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] The file to resume from is not in the backup; every file was extracted again under the conflict policy.</source>
        <translation>[%1] [%2] Filen det skulle fortsettes fra, finnes ikke i sikkerhetskopien; alle filene ble pakket ut på nytt etter valgt konflikthåndtering.</translation>
    </message>
</context>
<context>
    <name>SearchPanel</name>
    <message>
        <source>Searching…</source>
        <translation>Søker…</translation>
    </message>
    <message>
        <source>The search could not be completed.</source>
        <translation>Søket kunne ikke fullføres.</translation>
    </message>
    <message>
        <source>No matches.</source>
        <translation>Ingen treff.</translation>
    </message>
    <message>
        <source>The first %1 matches are shown. Refine the search to see the others. Checked: %2</source>
        <translation>De første %1 treffene vises. Avgrens søket for å se de andre. Avmerket: %2</translation>
    </message>
    <message>
        <source>Matches: %1. Checked: %2</source>
        <translation>Treff: %1. Avmerket: %2</translation>
    </message>
</context>
<context>
    <name>SearchResultModel</name>
    <message>
        <source>Version</source>
        <translation>Versjon</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Mappe</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Download</source>
        <translation>Last ned</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Orvex Extract Tool Update</source>
        <translation>Oppdatering av Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Unable to check for update.</source>
        <translation>Kan ikke se etter oppdateringer.</translation>
    </message>
    <message>
        <source>Contact Halvern support</source>
        <translation>Kontakt Halvern kundestøtte</translation>
    </message>
    <message>
        <source>The latest version of Orvex Extract Tool is already installed.</source>
        <translation>Den nyeste versjonen av Orvex Extract Tool er allerede installert.</translation>
    </message>
    <message>
        <source>A newer version of Orvex Extract Tool is available. Version: %1.%2</source>
        <translation>En nyere versjon av Orvex Extract Tool er tilgjengelig. Versjon: %1.%2</translation>
    </message>
</context>
<context>
    <name>VerifyPassword</name>
    <message>
        <source>Verify Password</source>
        <translation>Bekreft passord</translation>
    </message>
    <message>
        <source>A password is required to decrypt the data.</source>
        <translation>Det kreves et passord for å dekryptere dataene.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passord</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>VeskFileInfo</name>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Modified Date</source>
        <translation>Endret</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Størrelse</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Bla gjennom</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Pakk ut</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Side:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Vis:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>elementer</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Kilde: %1</translation>
    </message>
    <message>
        <source>Only the first 100,000 folders are displayed.</source>
        <translation>Bare de første 100 000 mappene vises.</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Viste elementer: %1, totalt: %2</translation>
    </message>
    <message>
        <source>Selected: %1 Folders, %2 Files</source>
        <translation>Valgt: %1 mapper, %2 filer</translation>
    </message>
    <message>
        <source>Estimated Restore Size: %1</source>
        <translation>Anslått gjenopprettingsstørrelse: %1</translation>
    </message>
    <message>
        <source>Extract All</source>
        <translation>Pakk ut alt</translation>
    </message>
    <message>
        <source>Check every entry on this page</source>
        <translation>Merk alle elementene på denne siden</translation>
    </message>
    <message>
        <source>Newest version</source>
        <translation>Nyeste versjon</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Denne mappen er tom.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Laster inn…</translation>
    </message>
    <message>
        <source>calculating…</source>
        <translation>beregner…</translation>
    </message>
    <message>
        <source>Versions of this file</source>
        <translation>Versjoner av denne filen</translation>
    </message>
    <message>
        <source>Search by name (Ctrl+F)</source>
        <translation>Søk etter navn (Ctrl+F)</translation>
    </message>
    <message>
        <source>All versions</source>
        <translation>Alle versjoner</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Søk</translation>
    </message>
</context>
<context>
    <name>VeskMain</name>
    <message>
        <source>Extract VESK folders on any platform</source>
        <translation>Pakk ut VESK-mapper på alle plattformer</translation>
    </message>
    <message>
        <source>Click below to start using the Orvex Extract Tool</source>
        <translation>Klikk nedenfor for å begynne å bruke Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Browse file</source>
        <translation>Velg fil</translation>
    </message>
</context>
<context>
    <name>VeskOpener</name>
    <message>
        <source>Unknown VESK format. Confirm integrity of VESK folder and try again.</source>
        <translation>Ukjent VESK-format. Kontroller at VESK-mappen er intakt, og prøv igjen.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Feil passord.</translation>
    </message>
    <message>
        <source>Unknown VESK format.</source>
        <translation>Ukjent VESK-format.</translation>
    </message>
</context>
<context>
    <name>WaitingDialog</name>
    <message>
        <source>Please wait...</source>
        <translation>Vent litt ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
</TS>

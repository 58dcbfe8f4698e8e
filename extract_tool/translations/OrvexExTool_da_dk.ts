<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
<context>
    <name>About</name>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
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
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool is made by Halvern. All rights reserved.</source>
        <translation>Orvex Extract Tool er udviklet af Halvern. Alle rettigheder forbeholdes.</translation>
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
        <translation>Nej</translation>
    </message>
    <message>
        <source>NO All</source>
        <translation>Nej til alle</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Erstat</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Erstat alle</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Spring over</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>Spring alle over</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Omdøb</translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation>Omdøb alle</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Prøv igen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Clear</source>
        <translation>Ryd</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gem</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Hændelseslogfiler</translation>
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
        <translation>Meddelelse</translation>
    </message>
    <message>
        <source>The event log file %1 could not be opened; only this run&apos;s debug output has the messages.</source>
        <translation>Hændelseslogfilen %1 kunne ikke åbnes; meddelelserne findes kun i fejlfindingsoutputtet fra denne kørsel.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all event logs?</source>
        <translation>Er du sikker på, at du vil slette alle hændelseslogfiler?</translation>
    </message>
    <message>
        <source>This is the event log file itself.</source>
        <translation>Dette er selve hændelseslogfilen.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Gem fil</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>Logfiler (*.log)</translation>
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
        <translation>Den anslåede størrelse efter gendannelse er %1. Vælg en destination med tilstrækkelig diskplads til udpakningen.</translation>
    </message>
    <message>
        <source>Select a target folder</source>
        <translation>Vælg en destinationsmappe</translation>
    </message>
    <message>
        <source>The source and destination folders cannot be the same. Select another folder.</source>
        <translation>Kilde- og destinationsmappen må ikke være den samme. Vælg en anden mappe.</translation>
    </message>
    <message>
        <source>Failed to extract. The destination file system is unwritable. Check the file system property and try again.</source>
        <translation>Udpakningen mislykkedes. Der kan ikke skrives til destinationens filsystem. Kontrollér filsystemets egenskaber, og prøv igen.</translation>
    </message>
    <message>
        <source>Cannot retrieve disk space information for the selected destination. Are you sure you want to continue?</source>
        <translation>Oplysninger om diskplads for den valgte destination kan ikke hentes. Er du sikker på, at du vil fortsætte?</translation>
    </message>
    <message>
        <source>The selected destination doesn&apos;t have enough disk space. Select another destination and try again.</source>
        <translation>Der er ikke nok diskplads på den valgte destination. Vælg en anden destination, og prøv igen.</translation>
    </message>
    <message>
        <source>Select a conflict policy for dealing with file conflicts during extraction.</source>
        <translation>Vælg, hvordan filkonflikter skal håndteres under udpakningen.</translation>
    </message>
    <message>
        <source>Cannot add additional background tasks. The maximum number of tasks has been reached. To continue, delete individual tasks or click Clear Completed Tasks.</source>
        <translation>Der kan ikke tilføjes flere baggrundsopgaver. Det maksimale antal opgaver er nået. Slet enkelte opgaver, eller klik på »Ryd fuldførte opgaver« for at fortsætte.</translation>
    </message>
    <message>
        <source>Failed to extract files. Check the event logs for more information.</source>
        <translation>Filerne kunne ikke udpakkes. Se hændelseslogfilerne for at få flere oplysninger.</translation>
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
        <translation>Åbn</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>added</source>
        <translation>tilføjet</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>ændret</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>uændret</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>slettet</translation>
    </message>
    <message>
        <source>The versions of this file could not be read.</source>
        <translation>Versionerne af denne fil kunne ikke læses.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Version time</source>
        <translation>Versionens tidspunkt</translation>
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
        <translation>Nej</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Prøv igen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Spring over</translation>
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
        <translation>Viser: %1, i alt: %2</translation>
    </message>
</context>
<context>
    <name>LicenseInfo</name>
    <message>
        <source>Open Source &amp; Third Party Software</source>
        <translation>Open source-software &amp; software fra tredjeparter</translation>
    </message>
    <message>
        <source>The notices file %1 could not be read: %2</source>
        <translation>Meddelelsesfilen %1 kunne ikke læses: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open VESK Folder</source>
        <translation>Åbn VESK-mappe</translation>
    </message>
    <message>
        <source>Halvern Orvex Extract Tool for Windows</source>
        <translation>Halvern Orvex Extract Tool til Windows</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Background Tasks</source>
        <translation>Baggrundsopgaver</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Hændelseslogfiler</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprog</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Valgmuligheder</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Søg efter opdateringer</translation>
    </message>
    <message>
        <source>Open Source &amp;&amp; Third Party Software</source>
        <translation>Open source-software &amp;&amp; software fra tredjeparter</translation>
    </message>
    <message>
        <source>Some tasks have not completed yet. Are you sure you want to exit the application?</source>
        <translation>Nogle opgaver er endnu ikke fuldført. Er du sikker på, at du vil afslutte programmet?</translation>
    </message>
</context>
<context>
    <name>Region</name>
    <message>
        <source>Region</source>
        <translation>Område</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Globalt</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Kina</translation>
    </message>
    <message>
        <source>In compliance with regional Internet service regulations, Halvern configures services according to your region. Please provide your region information to ensure better connection quality.</source>
        <translation>I overensstemmelse med regionale regler for internettjenester konfigurerer Halvern tjenesterne efter dit område. Angiv dit område for at sikre en bedre forbindelseskvalitet.</translation>
    </message>
    <message>
        <source>Learn more about this</source>
        <translation>Få mere at vide</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Søg automatisk efter opdateringer</translation>
    </message>
    <message>
        <source>Delete .vesk folder after extraction</source>
        <translation>Slet .vesk-mappen efter udpakning</translation>
    </message>
    <message>
        <source>The .vesk folder is deleted after the extraction process completes. This option is only applied when extracting the entire folder by selecting Extract All from the context menu.</source>
        <translation>.vesk-mappen slettes, når udpakningen er fuldført. Denne indstilling anvendes kun, når hele mappen udpakkes med »Udpak alle« i genvejsmenuen.</translation>
    </message>
    <message>
        <source>Confirm before deleting</source>
        <translation>Bekræft før sletning</translation>
    </message>
    <message>
        <source>Delete without asking</source>
        <translation>Slet uden at spørge</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Version Update</source>
        <translation>Versionsopdatering</translation>
    </message>
    <message>
        <source>Extraction Settings</source>
        <translation>Indstillinger for udpakning</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Selecting this option will delete the .vesk folder after the extraction process completes. Deleted folders cannot be restored.</source>
        <translation>Hvis du vælger denne indstilling, slettes .vesk-mappen, når udpakningen er fuldført. Slettede mapper kan ikke gendannes.</translation>
    </message>
    <message>
        <source>I understand</source>
        <translation>Jeg forstår</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Indstillingerne kunne ikke gemmes.</translation>
    </message>
</context>
<context>
    <name>RemoveVeskFileThread</name>
    <message>
        <source>[%1] [%2] Delete &quot;%3&quot;.</source>
        <translation>[%1] [%2] »%3« er slettet.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to delete VESK folder. File is undeletable. Failed to delete folder. Check the folder properties.</source>
        <translation>[%1] [%2] VESK-mappen kunne ikke slettes. En fil kan ikke slettes, og derfor kunne mappen ikke slettes. Kontrollér mappens egenskaber.</translation>
    </message>
</context>
<context>
    <name>RestoreJob</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 af %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 tilbage</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slet</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Åbn mappe</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>Udpakker...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Sat på pause</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Fuldført</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Mislykkedes</translation>
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
        <translation>Baggrundsopgaver</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Skjul</translation>
    </message>
    <message>
        <source>Clear Completed Tasks</source>
        <translation>Ryd fuldførte opgaver</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Oprettet</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Kilde</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
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
        <translation>Opgaver i alt: %1</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <translation>Fuldført: %1</translation>
    </message>
    <message>
        <source>Extracting: %1</source>
        <translation>Udpakker: %1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Sat på pause: %1</translation>
    </message>
    <message>
        <source>Queued: %1</source>
        <translation>I kø: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Mislykkedes: %1</translation>
    </message>
    <message>
        <source>[%1] [%2] The background task file is damaged and was skipped: %3</source>
        <translation>[%1] [%2] Baggrundsopgavens fil er beskadiget og blev sprunget over: %3</translation>
    </message>
    <message>
        <source>it names the job %1</source>
        <translation>den angiver opgave %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Completed extraction. Are you sure you want to delete the .vesk folder &quot;%1&quot;?</source>
        <translation>Udpakningen er fuldført. Er du sikker på, at du vil slette .vesk-mappen »%1«?</translation>
    </message>
    <message>
        <source>[%1] [%2] The VESK folder &quot;%3&quot; was not deleted: another background task still extracts from it.</source>
        <translation>[%1] [%2] VESK-mappen »%3« blev ikke slettet: en anden baggrundsopgave udpakker stadig fra den.</translation>
    </message>
</context>
<context>
    <name>RestoreProgressDialog</name>
    <message>
        <source>Extract</source>
        <translation>Udpakning</translation>
    </message>
    <message>
        <source>%1% completed</source>
        <translation>%1 % fuldført</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
</context>
<context>
    <name>RestoreVeskFileListThread</name>
    <message>
        <source>[%1] [%2] Started to extract data to &quot;%5&quot;. Folders: %4. Files:%3.</source>
        <translation>[%1] [%2] Udpakning af data til »%5« er startet. Mapper: %4. Filer: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract %3.</source>
        <translation>[%1] [%2] %3 kunne ikke udpakkes.</translation>
    </message>
    <message>
        <source>Failed to open VESK folder. VESK folder does not exist. Ensure folder exists and try again.</source>
        <translation>VESK-mappen kunne ikke åbnes, fordi den ikke findes. Kontrollér, at mappen findes, og prøv igen.</translation>
    </message>
    <message>
        <source>[%1] [%2] User stopped extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Brugeren stoppede udpakningen af data til »%5«. Mapper: %4. Filer: %3.</translation>
    </message>
    <message>
        <source>Incorrect password. Verify password is correct before trying again.</source>
        <translation>Forkert adgangskode. Kontrollér, at adgangskoden er korrekt, før du prøver igen.</translation>
    </message>
    <message>
        <source>Unknown VESK folder format. Confirm integrity of VESK folder and try again.</source>
        <translation>Ukendt format for VESK-mappe. Kontrollér VESK-mappens integritet, og prøv igen.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Replaced file number: %6.</source>
        <translation>[%1] [%2] Udpakning af data til »%5« er fuldført. Mapper: %4. Filer: %3. Erstattede filer: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Skipped file number: %6.</source>
        <translation>[%1] [%2] Udpakning af data til »%5« er fuldført. Mapper: %4. Filer: %3. Oversprungne filer: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Udpakning af data til »%5« er fuldført. Mapper: %4. Filer: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Insufficient storage space. Free up disk space or increase storage capacity. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Udpakning af data til »%5« mislykkedes. Utilstrækkelig lagerplads. Frigør diskplads, eller øg lagerkapaciteten. Mapper: %4. Filer: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Some files failed to extract. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Udpakning af data til »%5« mislykkedes. Nogle filer kunne ikke udpakkes. Mapper: %4. Filer: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] The file to resume from is not in the backup; every file was extracted again under the conflict policy.</source>
        <translation>[%1] [%2] Filen, der skulle genoptages fra, findes ikke i sikkerhedskopien; alle filer blev udpakket igen efter den valgte håndtering af konflikter.</translation>
    </message>
</context>
<context>
    <name>SearchPanel</name>
    <message>
        <source>Searching…</source>
        <translation>Søger…</translation>
    </message>
    <message>
        <source>The search could not be completed.</source>
        <translation>Søgningen kunne ikke gennemføres.</translation>
    </message>
    <message>
        <source>No matches.</source>
        <translation>Ingen resultater.</translation>
    </message>
    <message>
        <source>The first %1 matches are shown. Refine the search to see the others. Checked: %2</source>
        <translation>De første %1 resultater vises. Afgræns søgningen for at se de øvrige. Markeret: %2</translation>
    </message>
    <message>
        <source>Matches: %1. Checked: %2</source>
        <translation>Resultater: %1. Markeret: %2</translation>
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
        <translation>Mappe</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Orvex Extract Tool Update</source>
        <translation>Opdatering af Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Unable to check for update.</source>
        <translation>Der kunne ikke søges efter opdateringer.</translation>
    </message>
    <message>
        <source>Contact Halvern support</source>
        <translation>Kontakt Halvern-support</translation>
    </message>
    <message>
        <source>The latest version of Orvex Extract Tool is already installed.</source>
        <translation>Den nyeste version af Orvex Extract Tool er allerede installeret.</translation>
    </message>
    <message>
        <source>A newer version of Orvex Extract Tool is available. Version: %1.%2</source>
        <translation>Der findes en nyere version af Orvex Extract Tool. Version: %1.%2</translation>
    </message>
</context>
<context>
    <name>VerifyPassword</name>
    <message>
        <source>Verify Password</source>
        <translation>Bekræft adgangskode</translation>
    </message>
    <message>
        <source>A password is required to decrypt the data.</source>
        <translation>Der kræves en adgangskode for at dekryptere dataene.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Adgangskode</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
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
        <translation>Ændringsdato</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Størrelse</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Gennemse</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Udpak</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbage</translation>
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
        <translation>Kun de første 100.000 mapper vises.</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Viser: %1, i alt: %2</translation>
    </message>
    <message>
        <source>Selected: %1 Folders, %2 Files</source>
        <translation>Valgt: %1 mapper, %2 filer</translation>
    </message>
    <message>
        <source>Estimated Restore Size: %1</source>
        <translation>Anslået størrelse efter gendannelse: %1</translation>
    </message>
    <message>
        <source>Extract All</source>
        <translation>Udpak alle</translation>
    </message>
    <message>
        <source>Check every entry on this page</source>
        <translation>Markér alle elementer på denne side</translation>
    </message>
    <message>
        <source>Newest version</source>
        <translation>Nyeste version</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Denne mappe er tom.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Indlæser…</translation>
    </message>
    <message>
        <source>calculating…</source>
        <translation>beregner…</translation>
    </message>
    <message>
        <source>Versions of this file</source>
        <translation>Versioner af denne fil</translation>
    </message>
    <message>
        <source>Search by name (Ctrl+F)</source>
        <translation>Søg efter navn (Ctrl+F)</translation>
    </message>
    <message>
        <source>All versions</source>
        <translation>Alle versioner</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Søg</translation>
    </message>
</context>
<context>
    <name>VeskMain</name>
    <message>
        <source>Extract VESK folders on any platform</source>
        <translation>Udpak VESK-mapper på enhver platform</translation>
    </message>
    <message>
        <source>Click below to start using the Orvex Extract Tool</source>
        <translation>Klik nedenfor for at begynde at bruge Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Browse file</source>
        <translation>Gennemse</translation>
    </message>
</context>
<context>
    <name>VeskOpener</name>
    <message>
        <source>Unknown VESK format. Confirm integrity of VESK folder and try again.</source>
        <translation>Ukendt VESK-format. Kontrollér VESK-mappens integritet, og prøv igen.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Forkert adgangskode.</translation>
    </message>
    <message>
        <source>Unknown VESK format.</source>
        <translation>Ukendt VESK-format.</translation>
    </message>
</context>
<context>
    <name>WaitingDialog</name>
    <message>
        <source>Please wait...</source>
        <translation>Vent venligst...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>About</name>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
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
        <translation>Versie: %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool is made by Halvern. All rights reserved.</source>
        <translation>Orvex Extract Tool is gemaakt door Halvern. Alle rechten voorbehouden.</translation>
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
        <translation>Ja, alles</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>NO All</source>
        <translation>Nee, alles</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Vervangen</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Alles vervangen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Overslaan</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>Alles overslaan</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Hernoemen</translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation>Alles hernoemen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Gebeurtenislogboek</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>The event log file %1 could not be opened; only this run&apos;s debug output has the messages.</source>
        <translation>Het gebeurtenislogbestand %1 kan niet worden geopend; de berichten staan alleen in de foutopsporingsuitvoer van deze sessie.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all event logs?</source>
        <translation>Weet u zeker dat u alle gebeurtenislogboeken wilt verwijderen?</translation>
    </message>
    <message>
        <source>This is the event log file itself.</source>
        <translation>Dit is het gebeurtenislogbestand zelf.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Bestand opslaan</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>Logbestanden (*.log)</translation>
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
        <translation>De geschatte grootte na herstel is %1. Selecteer een doellocatie met voldoende schijfruimte om uit te pakken.</translation>
    </message>
    <message>
        <source>Select a target folder</source>
        <translation>Selecteer een doelmap</translation>
    </message>
    <message>
        <source>The source and destination folders cannot be the same. Select another folder.</source>
        <translation>De bronmap en de doelmap mogen niet hetzelfde zijn. Selecteer een andere map.</translation>
    </message>
    <message>
        <source>Failed to extract. The destination file system is unwritable. Check the file system property and try again.</source>
        <translation>Uitpakken mislukt. Er kan niet naar het doelbestandssysteem worden geschreven. Controleer de eigenschappen van het bestandssysteem en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Cannot retrieve disk space information for the selected destination. Are you sure you want to continue?</source>
        <translation>Kan geen informatie over de schijfruimte van de geselecteerde doellocatie ophalen. Weet u zeker dat u wilt doorgaan?</translation>
    </message>
    <message>
        <source>The selected destination doesn&apos;t have enough disk space. Select another destination and try again.</source>
        <translation>De geselecteerde doellocatie heeft onvoldoende schijfruimte. Selecteer een andere doellocatie en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Select a conflict policy for dealing with file conflicts during extraction.</source>
        <translation>Selecteer hoe bestandsconflicten tijdens het uitpakken moeten worden afgehandeld.</translation>
    </message>
    <message>
        <source>Cannot add additional background tasks. The maximum number of tasks has been reached. To continue, delete individual tasks or click Clear Completed Tasks.</source>
        <translation>Kan geen extra achtergrondtaken toevoegen. Het maximale aantal taken is bereikt. Verwijder afzonderlijke taken of klik op Voltooide taken wissen om door te gaan.</translation>
    </message>
    <message>
        <source>Failed to extract files. Check the event logs for more information.</source>
        <translation>Uitpakken van bestanden mislukt. Raadpleeg het gebeurtenislogboek voor meer informatie.</translation>
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
        <translation>Openen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>added</source>
        <translation>toegevoegd</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>gewijzigd</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>ongewijzigd</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>verwijderd</translation>
    </message>
    <message>
        <source>The versions of this file could not be read.</source>
        <translation>De versies van dit bestand konden niet worden gelezen.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>Version time</source>
        <translation>Tijdstip van de versie</translation>
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
        <translation>Nee</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Overslaan</translation>
    </message>
</context>
<context>
    <name>Hcommon::PagingBar</name>
    <message>
        <source>Page:</source>
        <translation>Pagina:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Tonen:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>items</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Weergegeven items: %1, totaal: %2</translation>
    </message>
</context>
<context>
    <name>LicenseInfo</name>
    <message>
        <source>Open Source &amp; Third Party Software</source>
        <translation>Opensource- en externe software</translation>
    </message>
    <message>
        <source>The notices file %1 could not be read: %2</source>
        <translation>Het bestand met kennisgevingen %1 kan niet worden gelezen: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open VESK Folder</source>
        <translation>VESK-map openen</translation>
    </message>
    <message>
        <source>Halvern Orvex Extract Tool for Windows</source>
        <translation>Halvern Orvex Extract Tool voor Windows</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Background Tasks</source>
        <translation>Achtergrondtaken</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Gebeurtenislogboek</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Controleren op updates</translation>
    </message>
    <message>
        <source>Open Source &amp;&amp; Third Party Software</source>
        <translation>Opensource &amp;&amp; externe software</translation>
    </message>
    <message>
        <source>Some tasks have not completed yet. Are you sure you want to exit the application?</source>
        <translation>Sommige taken zijn nog niet voltooid. Weet u zeker dat u de toepassing wilt afsluiten?</translation>
    </message>
</context>
<context>
    <name>Region</name>
    <message>
        <source>Region</source>
        <translation>Regio</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Wereldwijd</translation>
    </message>
    <message>
        <source>China</source>
        <translation>China</translation>
    </message>
    <message>
        <source>In compliance with regional Internet service regulations, Halvern configures services according to your region. Please provide your region information to ensure better connection quality.</source>
        <translation>In overeenstemming met regionale regelgeving voor internetdiensten configureert Halvern de diensten op basis van uw regio. Geef uw regio op voor een betere verbindingskwaliteit.</translation>
    </message>
    <message>
        <source>Learn more about this</source>
        <translation>Meer informatie</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Automatisch controleren op updates</translation>
    </message>
    <message>
        <source>Delete .vesk folder after extraction</source>
        <translation>.vesk-map verwijderen na uitpakken</translation>
    </message>
    <message>
        <source>The .vesk folder is deleted after the extraction process completes. This option is only applied when extracting the entire folder by selecting Extract All from the context menu.</source>
        <translation>De .vesk-map wordt verwijderd nadat het uitpakken is voltooid. Deze optie wordt alleen toegepast wanneer u de volledige map uitpakt met Alles uitpakken in het contextmenu.</translation>
    </message>
    <message>
        <source>Confirm before deleting</source>
        <translation>Bevestigen vóór verwijderen</translation>
    </message>
    <message>
        <source>Delete without asking</source>
        <translation>Verwijderen zonder te vragen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Version Update</source>
        <translation>Versie-update</translation>
    </message>
    <message>
        <source>Extraction Settings</source>
        <translation>Instellingen voor uitpakken</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Selecting this option will delete the .vesk folder after the extraction process completes. Deleted folders cannot be restored.</source>
        <translation>Als u deze optie selecteert, wordt de .vesk-map verwijderd nadat het uitpakken is voltooid. Verwijderde mappen kunnen niet worden hersteld.</translation>
    </message>
    <message>
        <source>I understand</source>
        <translation>Ik begrijp het</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>De instellingen kunnen niet worden opgeslagen.</translation>
    </message>
</context>
<context>
    <name>RemoveVeskFileThread</name>
    <message>
        <source>[%1] [%2] Delete &quot;%3&quot;.</source>
        <translation>[%1] [%2] &quot;%3&quot; verwijderd.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to delete VESK folder. File is undeletable. Failed to delete folder. Check the folder properties.</source>
        <translation>[%1] [%2] Verwijderen van VESK-map mislukt. Een bestand kan niet worden verwijderd. Controleer de eigenschappen van de map.</translation>
    </message>
</context>
<context>
    <name>RestoreJob</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>nog %1</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Map openen</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>Bezig met uitpakken...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Onderbroken</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Voltooid</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Mislukt</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>In wachtrij</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Onderbreken</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
</context>
<context>
    <name>RestoreJobManager</name>
    <message>
        <source>Background Tasks</source>
        <translation>Achtergrondtaken</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Verbergen</translation>
    </message>
    <message>
        <source>Clear Completed Tasks</source>
        <translation>Voltooide taken wissen</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Gemaakt</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Bron</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Doel</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Actie</translation>
    </message>
    <message>
        <source>Total tasks: %1</source>
        <translation>Totaal aantal taken: %1</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <translation>Voltooid: %1</translation>
    </message>
    <message>
        <source>Extracting: %1</source>
        <translation>Bezig met uitpakken: %1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Onderbroken: %1</translation>
    </message>
    <message>
        <source>Queued: %1</source>
        <translation>In wachtrij: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Mislukt: %1</translation>
    </message>
    <message>
        <source>[%1] [%2] The background task file is damaged and was skipped: %3</source>
        <translation>[%1] [%2] Het bestand van de achtergrondtaak is beschadigd en is overgeslagen: %3</translation>
    </message>
    <message>
        <source>it names the job %1</source>
        <translation>het bestand verwijst naar taak %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Completed extraction. Are you sure you want to delete the .vesk folder &quot;%1&quot;?</source>
        <translation>Uitpakken voltooid. Weet u zeker dat u de .vesk-map &quot;%1&quot; wilt verwijderen?</translation>
    </message>
    <message>
        <source>[%1] [%2] The VESK folder &quot;%3&quot; was not deleted: another background task still extracts from it.</source>
        <translation>[%1] [%2] De VESK-map &quot;%3&quot; is niet verwijderd: een andere achtergrondtaak pakt er nog bestanden uit.</translation>
    </message>
</context>
<context>
    <name>RestoreProgressDialog</name>
    <message>
        <source>Extract</source>
        <translation>Uitpakken</translation>
    </message>
    <message>
        <source>%1% completed</source>
        <translation>%1% voltooid</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>RestoreVeskFileListThread</name>
    <message>
        <source>[%1] [%2] Started to extract data to &quot;%5&quot;. Folders: %4. Files:%3.</source>
        <translation>[%1] [%2] Uitpakken van gegevens naar &quot;%5&quot; gestart. Mappen: %4. Bestanden: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract %3.</source>
        <translation>[%1] [%2] Uitpakken van %3 mislukt.</translation>
    </message>
    <message>
        <source>Failed to open VESK folder. VESK folder does not exist. Ensure folder exists and try again.</source>
        <translation>Openen van VESK-map mislukt. De VESK-map bestaat niet. Controleer of de map bestaat en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>[%1] [%2] User stopped extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] De gebruiker heeft het uitpakken van gegevens naar &quot;%5&quot; gestopt. Mappen: %4. Bestanden: %3.</translation>
    </message>
    <message>
        <source>Incorrect password. Verify password is correct before trying again.</source>
        <translation>Onjuist wachtwoord. Controleer of het wachtwoord juist is en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Unknown VESK folder format. Confirm integrity of VESK folder and try again.</source>
        <translation>Onbekende indeling van VESK-map. Controleer de integriteit van de VESK-map en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Replaced file number: %6.</source>
        <translation>[%1] [%2] Uitpakken van gegevens naar &quot;%5&quot; voltooid. Mappen: %4. Bestanden: %3. Aantal vervangen bestanden: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Skipped file number: %6.</source>
        <translation>[%1] [%2] Uitpakken van gegevens naar &quot;%5&quot; voltooid. Mappen: %4. Bestanden: %3. Aantal overgeslagen bestanden: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Uitpakken van gegevens naar &quot;%5&quot; voltooid. Mappen: %4. Bestanden: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Insufficient storage space. Free up disk space or increase storage capacity. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Uitpakken van gegevens naar &quot;%5&quot; mislukt. Onvoldoende opslagruimte. Maak schijfruimte vrij of vergroot de opslagcapaciteit. Mappen: %4. Bestanden: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Some files failed to extract. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Uitpakken van gegevens naar &quot;%5&quot; mislukt. Sommige bestanden konden niet worden uitgepakt. Mappen: %4. Bestanden: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] The file to resume from is not in the backup; every file was extracted again under the conflict policy.</source>
        <translation>[%1] [%2] Het bestand waarvandaan verder moest worden gegaan, staat niet in de back-up; alle bestanden zijn opnieuw uitgepakt volgens de gekozen conflictafhandeling.</translation>
    </message>
</context>
<context>
    <name>SearchPanel</name>
    <message>
        <source>Searching…</source>
        <translation>Zoeken…</translation>
    </message>
    <message>
        <source>The search could not be completed.</source>
        <translation>De zoekopdracht kon niet worden voltooid.</translation>
    </message>
    <message>
        <source>No matches.</source>
        <translation>Geen resultaten.</translation>
    </message>
    <message>
        <source>The first %1 matches are shown. Refine the search to see the others. Checked: %2</source>
        <translation>De eerste %1 resultaten worden getoond. Verfijn de zoekopdracht om de andere te zien. Aangevinkt: %2</translation>
    </message>
    <message>
        <source>Matches: %1. Checked: %2</source>
        <translation>Resultaten: %1. Aangevinkt: %2</translation>
    </message>
</context>
<context>
    <name>SearchResultModel</name>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Map</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Download</source>
        <translation>Downloaden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Orvex Extract Tool Update</source>
        <translation>Update van Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Unable to check for update.</source>
        <translation>Kan niet controleren op updates.</translation>
    </message>
    <message>
        <source>Contact Halvern support</source>
        <translation>Contact opnemen met Halvern-ondersteuning</translation>
    </message>
    <message>
        <source>The latest version of Orvex Extract Tool is already installed.</source>
        <translation>De nieuwste versie van Orvex Extract Tool is al geïnstalleerd.</translation>
    </message>
    <message>
        <source>A newer version of Orvex Extract Tool is available. Version: %1.%2</source>
        <translation>Er is een nieuwere versie van Orvex Extract Tool beschikbaar. Versie: %1.%2</translation>
    </message>
</context>
<context>
    <name>VerifyPassword</name>
    <message>
        <source>Verify Password</source>
        <translation>Wachtwoord controleren</translation>
    </message>
    <message>
        <source>A password is required to decrypt the data.</source>
        <translation>Er is een wachtwoord nodig om de gegevens te ontsleutelen.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>VeskFileInfo</name>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Modified Date</source>
        <translation>Gewijzigd op</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Bladeren</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Uitpakken</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Pagina:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Tonen:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>items</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Bron: %1</translation>
    </message>
    <message>
        <source>Only the first 100,000 folders are displayed.</source>
        <translation>Alleen de eerste 100.000 mappen worden weergegeven.</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Weergegeven items: %1, totaal: %2</translation>
    </message>
    <message>
        <source>Selected: %1 Folders, %2 Files</source>
        <translation>Geselecteerd: %1 mappen, %2 bestanden</translation>
    </message>
    <message>
        <source>Estimated Restore Size: %1</source>
        <translation>Geschatte herstelgrootte: %1</translation>
    </message>
    <message>
        <source>Extract All</source>
        <translation>Alles uitpakken</translation>
    </message>
    <message>
        <source>Check every entry on this page</source>
        <translation>Alle items op deze pagina aanvinken</translation>
    </message>
    <message>
        <source>Newest version</source>
        <translation>Nieuwste versie</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Deze map is leeg.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Laden…</translation>
    </message>
    <message>
        <source>calculating…</source>
        <translation>berekenen…</translation>
    </message>
    <message>
        <source>Versions of this file</source>
        <translation>Versies van dit bestand</translation>
    </message>
    <message>
        <source>Search by name (Ctrl+F)</source>
        <translation>Zoeken op naam (Ctrl+F)</translation>
    </message>
    <message>
        <source>All versions</source>
        <translation>Alle versies</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
</context>
<context>
    <name>VeskMain</name>
    <message>
        <source>Extract VESK folders on any platform</source>
        <translation>VESK-mappen uitpakken op elk platform</translation>
    </message>
    <message>
        <source>Click below to start using the Orvex Extract Tool</source>
        <translation>Klik hieronder om Orvex Extract Tool te gaan gebruiken</translation>
    </message>
    <message>
        <source>Browse file</source>
        <translation>Bestand kiezen</translation>
    </message>
</context>
<context>
    <name>VeskOpener</name>
    <message>
        <source>Unknown VESK format. Confirm integrity of VESK folder and try again.</source>
        <translation>Onbekende VESK-indeling. Controleer de integriteit van de VESK-map en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Onjuist wachtwoord.</translation>
    </message>
    <message>
        <source>Unknown VESK format.</source>
        <translation>Onbekende VESK-indeling.</translation>
    </message>
</context>
<context>
    <name>WaitingDialog</name>
    <message>
        <source>Please wait...</source>
        <translation>Even geduld...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
</TS>

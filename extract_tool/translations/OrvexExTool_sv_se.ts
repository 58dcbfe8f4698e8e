<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>About</name>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
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
        <translation>Orvex Extract Tool är utvecklat av Halvern. Med ensamrätt.</translation>
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
        <translation>Ja till alla</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>NO All</source>
        <translation>Nej till alla</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersätt</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Ersätt alla</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Hoppa över</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>Hoppa över alla</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Byt namn</translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation>Byt namn på alla</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Försök igen</translation>
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
        <translation>Rensa</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Händelseloggar</translation>
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
        <translation>Meddelande</translation>
    </message>
    <message>
        <source>The event log file %1 could not be opened; only this run&apos;s debug output has the messages.</source>
        <translation>Det gick inte att öppna händelseloggfilen %1; meddelandena finns bara i felsökningsutdata för den här körningen.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all event logs?</source>
        <translation>Vill du ta bort alla händelseloggar?</translation>
    </message>
    <message>
        <source>This is the event log file itself.</source>
        <translation>Det här är själva händelseloggfilen.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Spara fil</translation>
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
        <translation>Den beräknade storleken efter återställningen är %1. Välj ett mål med tillräckligt diskutrymme för extraheringen.</translation>
    </message>
    <message>
        <source>Select a target folder</source>
        <translation>Välj en målmapp</translation>
    </message>
    <message>
        <source>The source and destination folders cannot be the same. Select another folder.</source>
        <translation>Käll- och målmappen får inte vara densamma. Välj en annan mapp.</translation>
    </message>
    <message>
        <source>Failed to extract. The destination file system is unwritable. Check the file system property and try again.</source>
        <translation>Det gick inte att extrahera. Det går inte att skriva till målfilsystemet. Kontrollera filsystemets egenskaper och försök igen.</translation>
    </message>
    <message>
        <source>Cannot retrieve disk space information for the selected destination. Are you sure you want to continue?</source>
        <translation>Det går inte att hämta information om diskutrymmet för det valda målet. Vill du fortsätta ändå?</translation>
    </message>
    <message>
        <source>The selected destination doesn&apos;t have enough disk space. Select another destination and try again.</source>
        <translation>Det valda målet har inte tillräckligt med diskutrymme. Välj ett annat mål och försök igen.</translation>
    </message>
    <message>
        <source>Select a conflict policy for dealing with file conflicts during extraction.</source>
        <translation>Välj hur filkonflikter ska hanteras under extraheringen.</translation>
    </message>
    <message>
        <source>Cannot add additional background tasks. The maximum number of tasks has been reached. To continue, delete individual tasks or click Clear Completed Tasks.</source>
        <translation>Det går inte att lägga till fler bakgrundsuppgifter eftersom det maximala antalet uppgifter har uppnåtts. Ta bort enskilda uppgifter eller klicka på Rensa slutförda uppgifter för att fortsätta.</translation>
    </message>
    <message>
        <source>Failed to extract files. Check the event logs for more information.</source>
        <translation>Det gick inte att extrahera filerna. Mer information finns i händelseloggarna.</translation>
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
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>added</source>
        <translation>tillagd</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>ändrad</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>oförändrad</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>borttagen</translation>
    </message>
    <message>
        <source>The versions of this file could not be read.</source>
        <translation>Det gick inte att läsa versionerna av den här filen.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Version time</source>
        <translation>Versionens tidpunkt</translation>
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
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Försök igen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Hoppa över</translation>
    </message>
</context>
<context>
    <name>Hcommon::PagingBar</name>
    <message>
        <source>Page:</source>
        <translation>Sida:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Visa:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>objekt</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Visade objekt: %1, totalt: %2</translation>
    </message>
</context>
<context>
    <name>LicenseInfo</name>
    <message>
        <source>Open Source &amp; Third Party Software</source>
        <translation>Öppen källkod och programvara från tredje part</translation>
    </message>
    <message>
        <source>The notices file %1 could not be read: %2</source>
        <translation>Det gick inte att läsa meddelandefilen %1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open VESK Folder</source>
        <translation>Öppna VESK-mapp</translation>
    </message>
    <message>
        <source>Halvern Orvex Extract Tool for Windows</source>
        <translation>Halvern Orvex Extract Tool för Windows</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Background Tasks</source>
        <translation>Bakgrundsuppgifter</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Händelseloggar</translation>
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
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Sök efter uppdateringar</translation>
    </message>
    <message>
        <source>Open Source &amp;&amp; Third Party Software</source>
        <translation>Öppen källkod &amp;&amp; tredjepartsprogram</translation>
    </message>
    <message>
        <source>Some tasks have not completed yet. Are you sure you want to exit the application?</source>
        <translation>Vissa uppgifter har inte slutförts än. Vill du avsluta programmet ändå?</translation>
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
        <translation>I enlighet med regionala bestämmelser för internettjänster konfigurerar Halvern tjänsterna efter din region. Ange din region för att få bättre anslutningskvalitet.</translation>
    </message>
    <message>
        <source>Learn more about this</source>
        <translation>Läs mer om detta</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Sök efter uppdateringar automatiskt</translation>
    </message>
    <message>
        <source>Delete .vesk folder after extraction</source>
        <translation>Ta bort .vesk-mappen efter extrahering</translation>
    </message>
    <message>
        <source>The .vesk folder is deleted after the extraction process completes. This option is only applied when extracting the entire folder by selecting Extract All from the context menu.</source>
        <translation>.vesk-mappen tas bort när extraheringen har slutförts. Alternativet gäller bara när hela mappen extraheras med Extrahera alla på snabbmenyn.</translation>
    </message>
    <message>
        <source>Confirm before deleting</source>
        <translation>Bekräfta före borttagning</translation>
    </message>
    <message>
        <source>Delete without asking</source>
        <translation>Ta bort utan att fråga</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Version Update</source>
        <translation>Versionsuppdatering</translation>
    </message>
    <message>
        <source>Extraction Settings</source>
        <translation>Extraheringsinställningar</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Selecting this option will delete the .vesk folder after the extraction process completes. Deleted folders cannot be restored.</source>
        <translation>Om du väljer det här alternativet tas .vesk-mappen bort när extraheringen har slutförts. Borttagna mappar kan inte återställas.</translation>
    </message>
    <message>
        <source>I understand</source>
        <translation>Jag förstår</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Det gick inte att spara inställningarna.</translation>
    </message>
</context>
<context>
    <name>RemoveVeskFileThread</name>
    <message>
        <source>[%1] [%2] Delete &quot;%3&quot;.</source>
        <translation>[%1] [%2] Tar bort ”%3”.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to delete VESK folder. File is undeletable. Failed to delete folder. Check the folder properties.</source>
        <translation>[%1] [%2] Det gick inte att ta bort VESK-mappen. Filen kan inte tas bort. Det gick inte att ta bort mappen. Kontrollera mappens egenskaper.</translation>
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
        <translation>%1 kvar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Öppna mapp</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>Extraherar...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausad</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Slutförd</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Misslyckades</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>I kö</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starta</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Rensa</translation>
    </message>
</context>
<context>
    <name>RestoreJobManager</name>
    <message>
        <source>Background Tasks</source>
        <translation>Bakgrundsuppgifter</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Dölj</translation>
    </message>
    <message>
        <source>Clear Completed Tasks</source>
        <translation>Rensa slutförda uppgifter</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Skapad</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Källa</translation>
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
        <translation>Åtgärd</translation>
    </message>
    <message>
        <source>Total tasks: %1</source>
        <translation>Totalt antal uppgifter: %1</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <translation>Slutförda: %1</translation>
    </message>
    <message>
        <source>Extracting: %1</source>
        <translation>Extraherar: %1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Pausade: %1</translation>
    </message>
    <message>
        <source>Queued: %1</source>
        <translation>I kö: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Misslyckade: %1</translation>
    </message>
    <message>
        <source>[%1] [%2] The background task file is damaged and was skipped: %3</source>
        <translation>[%1] [%2] Filen för bakgrundsuppgiften är skadad och hoppades över: %3</translation>
    </message>
    <message>
        <source>it names the job %1</source>
        <translation>den anger uppgift %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Completed extraction. Are you sure you want to delete the .vesk folder &quot;%1&quot;?</source>
        <translation>Extraheringen är slutförd. Vill du ta bort .vesk-mappen ”%1”?</translation>
    </message>
    <message>
        <source>[%1] [%2] The VESK folder &quot;%3&quot; was not deleted: another background task still extracts from it.</source>
        <translation>[%1] [%2] VESK-mappen ”%3” togs inte bort: en annan bakgrundsuppgift extraherar fortfarande från den.</translation>
    </message>
</context>
<context>
    <name>RestoreProgressDialog</name>
    <message>
        <source>Extract</source>
        <translation>Extrahera</translation>
    </message>
    <message>
        <source>%1% completed</source>
        <translation>%1 % slutfört</translation>
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
        <translation>[%1] [%2] Extrahering av data till ”%5” har startat. Mappar: %4. Filer: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract %3.</source>
        <translation>[%1] [%2] Det gick inte att extrahera %3.</translation>
    </message>
    <message>
        <source>Failed to open VESK folder. VESK folder does not exist. Ensure folder exists and try again.</source>
        <translation>Det gick inte att öppna VESK-mappen. VESK-mappen finns inte. Kontrollera att mappen finns och försök igen.</translation>
    </message>
    <message>
        <source>[%1] [%2] User stopped extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Användaren stoppade extraheringen av data till ”%5”. Mappar: %4. Filer: %3.</translation>
    </message>
    <message>
        <source>Incorrect password. Verify password is correct before trying again.</source>
        <translation>Felaktigt lösenord. Kontrollera att lösenordet är rätt och försök igen.</translation>
    </message>
    <message>
        <source>Unknown VESK folder format. Confirm integrity of VESK folder and try again.</source>
        <translation>Okänt format på VESK-mappen. Kontrollera att VESK-mappen är intakt och försök igen.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Replaced file number: %6.</source>
        <translation>[%1] [%2] Extraheringen av data till ”%5” är klar. Mappar: %4. Filer: %3. Antal ersatta filer: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Skipped file number: %6.</source>
        <translation>[%1] [%2] Extraheringen av data till ”%5” är klar. Mappar: %4. Filer: %3. Antal överhoppade filer: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Extraheringen av data till ”%5” är klar. Mappar: %4. Filer: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Insufficient storage space. Free up disk space or increase storage capacity. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Det gick inte att extrahera data till ”%5”. Otillräckligt lagringsutrymme. Frigör diskutrymme eller utöka lagringskapaciteten. Mappar: %4. Filer: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Some files failed to extract. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Det gick inte att extrahera data till ”%5”. Vissa filer kunde inte extraheras. Mappar: %4. Filer: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] The file to resume from is not in the backup; every file was extracted again under the conflict policy.</source>
        <translation>[%1] [%2] Filen som extraheringen skulle återupptas från finns inte i säkerhetskopian; alla filer extraherades på nytt enligt vald konflikthantering.</translation>
    </message>
</context>
<context>
    <name>SearchPanel</name>
    <message>
        <source>Searching…</source>
        <translation>Söker…</translation>
    </message>
    <message>
        <source>The search could not be completed.</source>
        <translation>Sökningen kunde inte slutföras.</translation>
    </message>
    <message>
        <source>No matches.</source>
        <translation>Inga träffar.</translation>
    </message>
    <message>
        <source>The first %1 matches are shown. Refine the search to see the others. Checked: %2</source>
        <translation>De första %1 träffarna visas. Förfina sökningen för att se de övriga. Markerade: %2</translation>
    </message>
    <message>
        <source>Matches: %1. Checked: %2</source>
        <translation>Träffar: %1. Markerade: %2</translation>
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
        <translation>Mapp</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Download</source>
        <translation>Hämta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Orvex Extract Tool Update</source>
        <translation>Uppdatering av Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Unable to check for update.</source>
        <translation>Det gick inte att söka efter uppdateringar.</translation>
    </message>
    <message>
        <source>Contact Halvern support</source>
        <translation>Kontakta Halverns support</translation>
    </message>
    <message>
        <source>The latest version of Orvex Extract Tool is already installed.</source>
        <translation>Den senaste versionen av Orvex Extract Tool är redan installerad.</translation>
    </message>
    <message>
        <source>A newer version of Orvex Extract Tool is available. Version: %1.%2</source>
        <translation>En nyare version av Orvex Extract Tool finns tillgänglig. Version: %1.%2</translation>
    </message>
</context>
<context>
    <name>VerifyPassword</name>
    <message>
        <source>Verify Password</source>
        <translation>Verifiera lösenord</translation>
    </message>
    <message>
        <source>A password is required to decrypt the data.</source>
        <translation>Ett lösenord krävs för att dekryptera data.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Lösenord</translation>
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
        <translation>Namn</translation>
    </message>
    <message>
        <source>Modified Date</source>
        <translation>Ändringsdatum</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Storlek</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Bläddra</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extrahera</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Sida:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Visa:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>objekt</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Källa: %1</translation>
    </message>
    <message>
        <source>Only the first 100,000 folders are displayed.</source>
        <translation>Endast de första 100 000 mapparna visas.</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Visade objekt: %1, totalt: %2</translation>
    </message>
    <message>
        <source>Selected: %1 Folders, %2 Files</source>
        <translation>Markerade: %1 mappar, %2 filer</translation>
    </message>
    <message>
        <source>Estimated Restore Size: %1</source>
        <translation>Beräknad återställningsstorlek: %1</translation>
    </message>
    <message>
        <source>Extract All</source>
        <translation>Extrahera alla</translation>
    </message>
    <message>
        <source>Check every entry on this page</source>
        <translation>Markera alla poster på den här sidan</translation>
    </message>
    <message>
        <source>Newest version</source>
        <translation>Senaste versionen</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Den här mappen är tom.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Läser in…</translation>
    </message>
    <message>
        <source>calculating…</source>
        <translation>beräknar…</translation>
    </message>
    <message>
        <source>Versions of this file</source>
        <translation>Versioner av den här filen</translation>
    </message>
    <message>
        <source>Search by name (Ctrl+F)</source>
        <translation>Sök efter namn (Ctrl+F)</translation>
    </message>
    <message>
        <source>All versions</source>
        <translation>Alla versioner</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Sök</translation>
    </message>
</context>
<context>
    <name>VeskMain</name>
    <message>
        <source>Extract VESK folders on any platform</source>
        <translation>Extrahera VESK-mappar på alla plattformar</translation>
    </message>
    <message>
        <source>Click below to start using the Orvex Extract Tool</source>
        <translation>Klicka nedan för att börja använda Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Browse file</source>
        <translation>Bläddra efter fil</translation>
    </message>
</context>
<context>
    <name>VeskOpener</name>
    <message>
        <source>Unknown VESK format. Confirm integrity of VESK folder and try again.</source>
        <translation>Okänt VESK-format. Kontrollera att VESK-mappen är intakt och försök igen.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Felaktigt lösenord.</translation>
    </message>
    <message>
        <source>Unknown VESK format.</source>
        <translation>Okänt VESK-format.</translation>
    </message>
</context>
<context>
    <name>WaitingDialog</name>
    <message>
        <source>Please wait...</source>
        <translation>Vänta...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
</TS>

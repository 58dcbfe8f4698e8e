<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>About</name>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Despre</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versiune: %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool is made by Halvern. All rights reserved.</source>
        <translation>Orvex Extract Tool este realizat de Halvern. Toate drepturile rezervate.</translation>
    </message>
</context>
<context>
    <name>ConflictPolicyConfirm</name>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>Yes All</source>
        <translation>Da la toate</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>NO All</source>
        <translation>Nu la toate</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Înlocuiește</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Înlocuiește tot</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omite</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>Omite tot</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Redenumește</translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation>Redenumește tot</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reîncearcă</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulează</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Clear</source>
        <translation>Golește</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvează</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Jurnale de evenimente</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dată</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mesaj</translation>
    </message>
    <message>
        <source>The event log file %1 could not be opened; only this run&apos;s debug output has the messages.</source>
        <translation>Fișierul jurnal de evenimente %1 nu a putut fi deschis; mesajele se află doar în ieșirea de depanare a acestei rulări.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all event logs?</source>
        <translation>Sigur doriți să ștergeți toate jurnalele de evenimente?</translation>
    </message>
    <message>
        <source>This is the event log file itself.</source>
        <translation>Acesta este chiar fișierul jurnal de evenimente.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salvare fișier</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>Fișiere jurnal (*.log)</translation>
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
        <translation>Dimensiunea estimată după restaurare este %1. Selectați o destinație cu suficient spațiu pe disc pentru extragere.</translation>
    </message>
    <message>
        <source>Select a target folder</source>
        <translation>Selectați un folder țintă</translation>
    </message>
    <message>
        <source>The source and destination folders cannot be the same. Select another folder.</source>
        <translation>Folderul sursă și folderul destinație nu pot fi același. Selectați alt folder.</translation>
    </message>
    <message>
        <source>Failed to extract. The destination file system is unwritable. Check the file system property and try again.</source>
        <translation>Extragerea nu a reușit. Sistemul de fișiere destinație nu permite scrierea. Verificați proprietățile sistemului de fișiere și încercați din nou.</translation>
    </message>
    <message>
        <source>Cannot retrieve disk space information for the selected destination. Are you sure you want to continue?</source>
        <translation>Nu se pot obține informațiile despre spațiul pe disc pentru destinația selectată. Sigur doriți să continuați?</translation>
    </message>
    <message>
        <source>The selected destination doesn&apos;t have enough disk space. Select another destination and try again.</source>
        <translation>Destinația selectată nu are suficient spațiu pe disc. Selectați altă destinație și încercați din nou.</translation>
    </message>
    <message>
        <source>Select a conflict policy for dealing with file conflicts during extraction.</source>
        <translation>Selectați modul de tratare a conflictelor de fișiere în timpul extragerii.</translation>
    </message>
    <message>
        <source>Cannot add additional background tasks. The maximum number of tasks has been reached. To continue, delete individual tasks or click Clear Completed Tasks.</source>
        <translation>Nu se mai pot adăuga activități în fundal. S-a atins numărul maxim de activități. Pentru a continua, ștergeți activități individuale sau faceți clic pe Golește activitățile finalizate.</translation>
    </message>
    <message>
        <source>Failed to extract files. Check the event logs for more information.</source>
        <translation>Extragerea fișierelor nu a reușit. Consultați jurnalele de evenimente pentru mai multe informații.</translation>
    </message>
</context>
<context>
    <name>FileVersionsDialog</name>
    <message>
        <source>State</source>
        <translation>Stare</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschide</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>added</source>
        <translation>adăugat</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modificat</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>neschimbat</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>șters</translation>
    </message>
    <message>
        <source>The versions of this file could not be read.</source>
        <translation>Versiunile acestui fișier nu au putut fi citite.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versiune</translation>
    </message>
    <message>
        <source>Version time</source>
        <translation>Data versiunii</translation>
    </message>
</context>
<context>
    <name>Hcommon</name>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulează</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reîncearcă</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omite</translation>
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
        <translation>Afișare:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>elemente</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Elemente afișate: %1, total: %2</translation>
    </message>
</context>
<context>
    <name>LicenseInfo</name>
    <message>
        <source>Open Source &amp; Third Party Software</source>
        <translation>Software open source și de la terți</translation>
    </message>
    <message>
        <source>The notices file %1 could not be read: %2</source>
        <translation>Fișierul de notificări %1 nu a putut fi citit: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open VESK Folder</source>
        <translation>Deschide folderul VESK</translation>
    </message>
    <message>
        <source>Halvern Orvex Extract Tool for Windows</source>
        <translation>Halvern Orvex Extract Tool pentru Windows</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Background Tasks</source>
        <translation>Activități în fundal</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Jurnale de evenimente</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Despre</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Limbă</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opțiuni</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Setări</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Caută actualizări</translation>
    </message>
    <message>
        <source>Open Source &amp;&amp; Third Party Software</source>
        <translation>Open source &amp;&amp; software de la terți</translation>
    </message>
    <message>
        <source>Some tasks have not completed yet. Are you sure you want to exit the application?</source>
        <translation>Unele activități nu s-au finalizat încă. Sigur doriți să închideți aplicația?</translation>
    </message>
</context>
<context>
    <name>Region</name>
    <message>
        <source>Region</source>
        <translation>Regiune</translation>
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
        <translation>În conformitate cu reglementările regionale privind serviciile de internet, Halvern configurează serviciile în funcție de regiunea dvs. Indicați regiunea dvs. pentru a asigura o calitate mai bună a conexiunii.</translation>
    </message>
    <message>
        <source>Learn more about this</source>
        <translation>Aflați mai multe</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Caută automat actualizări</translation>
    </message>
    <message>
        <source>Delete .vesk folder after extraction</source>
        <translation>Șterge folderul .vesk după extragere</translation>
    </message>
    <message>
        <source>The .vesk folder is deleted after the extraction process completes. This option is only applied when extracting the entire folder by selecting Extract All from the context menu.</source>
        <translation>Folderul .vesk este șters după finalizarea procesului de extragere. Această opțiune se aplică doar la extragerea întregului folder prin selectarea opțiunii Extrage tot din meniul contextual.</translation>
    </message>
    <message>
        <source>Confirm before deleting</source>
        <translation>Confirmă înainte de ștergere</translation>
    </message>
    <message>
        <source>Delete without asking</source>
        <translation>Șterge fără confirmare</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplică</translation>
    </message>
    <message>
        <source>Version Update</source>
        <translation>Actualizare versiune</translation>
    </message>
    <message>
        <source>Extraction Settings</source>
        <translation>Setări de extragere</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Selecting this option will delete the .vesk folder after the extraction process completes. Deleted folders cannot be restored.</source>
        <translation>Dacă selectați această opțiune, folderul .vesk va fi șters după finalizarea procesului de extragere. Folderele șterse nu pot fi recuperate.</translation>
    </message>
    <message>
        <source>I understand</source>
        <translation>Am înțeles</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Setările nu au putut fi salvate.</translation>
    </message>
</context>
<context>
    <name>RemoveVeskFileThread</name>
    <message>
        <source>[%1] [%2] Delete &quot;%3&quot;.</source>
        <translation>[%1] [%2] Se șterge „%3”.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to delete VESK folder. File is undeletable. Failed to delete folder. Check the folder properties.</source>
        <translation>[%1] [%2] Ștergerea folderului VESK nu a reușit. Fișierul nu poate fi șters. Ștergerea folderului nu a reușit. Verificați proprietățile folderului.</translation>
    </message>
</context>
<context>
    <name>RestoreJob</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 din %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>timp rămas: %1</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Șterge</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Deschide folderul</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>Se extrage...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Întreruptă</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Finalizată</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Eșuată</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>În coadă</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Pornește</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Întrerupe</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Golește</translation>
    </message>
</context>
<context>
    <name>RestoreJobManager</name>
    <message>
        <source>Background Tasks</source>
        <translation>Activități în fundal</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ascunde</translation>
    </message>
    <message>
        <source>Clear Completed Tasks</source>
        <translation>Golește activitățile finalizate</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Creată</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Sursă</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinație</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stare</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acțiune</translation>
    </message>
    <message>
        <source>Total tasks: %1</source>
        <translation>Total activități: %1</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <translation>Finalizate: %1</translation>
    </message>
    <message>
        <source>Extracting: %1</source>
        <translation>Se extrag: %1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Întrerupte: %1</translation>
    </message>
    <message>
        <source>Queued: %1</source>
        <translation>În coadă: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Eșuate: %1</translation>
    </message>
    <message>
        <source>[%1] [%2] The background task file is damaged and was skipped: %3</source>
        <translation>[%1] [%2] Fișierul activității în fundal este deteriorat și a fost omis: %3</translation>
    </message>
    <message>
        <source>it names the job %1</source>
        <translation>indică activitatea %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Completed extraction. Are you sure you want to delete the .vesk folder &quot;%1&quot;?</source>
        <translation>Extragere finalizată. Sigur doriți să ștergeți folderul .vesk „%1”?</translation>
    </message>
    <message>
        <source>[%1] [%2] The VESK folder &quot;%3&quot; was not deleted: another background task still extracts from it.</source>
        <translation>[%1] [%2] Folderul VESK „%3” nu a fost șters: o altă activitate în fundal încă extrage date din el.</translation>
    </message>
</context>
<context>
    <name>RestoreProgressDialog</name>
    <message>
        <source>Extract</source>
        <translation>Extrage</translation>
    </message>
    <message>
        <source>%1% completed</source>
        <translation>%1% finalizat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulează</translation>
    </message>
</context>
<context>
    <name>RestoreVeskFileListThread</name>
    <message>
        <source>[%1] [%2] Started to extract data to &quot;%5&quot;. Folders: %4. Files:%3.</source>
        <translation>[%1] [%2] A început extragerea datelor în „%5”. Foldere: %4. Fișiere: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract %3.</source>
        <translation>[%1] [%2] Nu s-a putut extrage %3.</translation>
    </message>
    <message>
        <source>Failed to open VESK folder. VESK folder does not exist. Ensure folder exists and try again.</source>
        <translation>Deschiderea folderului VESK nu a reușit. Folderul VESK nu există. Asigurați-vă că folderul există și încercați din nou.</translation>
    </message>
    <message>
        <source>[%1] [%2] User stopped extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Utilizatorul a oprit extragerea datelor în „%5”. Foldere: %4. Fișiere: %3.</translation>
    </message>
    <message>
        <source>Incorrect password. Verify password is correct before trying again.</source>
        <translation>Parolă incorectă. Verificați dacă parola este corectă înainte de a încerca din nou.</translation>
    </message>
    <message>
        <source>Unknown VESK folder format. Confirm integrity of VESK folder and try again.</source>
        <translation>Format necunoscut al folderului VESK. Verificați integritatea folderului VESK și încercați din nou.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Replaced file number: %6.</source>
        <translation>[%1] [%2] Extragerea datelor în „%5” s-a finalizat. Foldere: %4. Fișiere: %3. Fișiere înlocuite: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Skipped file number: %6.</source>
        <translation>[%1] [%2] Extragerea datelor în „%5” s-a finalizat. Foldere: %4. Fișiere: %3. Fișiere omise: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Extragerea datelor în „%5” s-a finalizat. Foldere: %4. Fișiere: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Insufficient storage space. Free up disk space or increase storage capacity. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Extragerea datelor în „%5” nu a reușit. Spațiu de stocare insuficient. Eliberați spațiu pe disc sau măriți capacitatea de stocare. Foldere: %4. Fișiere: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Some files failed to extract. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Extragerea datelor în „%5” nu a reușit. Unele fișiere nu au putut fi extrase. Foldere: %4. Fișiere: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] The file to resume from is not in the backup; every file was extracted again under the conflict policy.</source>
        <translation>[%1] [%2] Fișierul de la care trebuia reluată extragerea nu se află în backup; toate fișierele au fost extrase din nou conform modului de tratare a conflictelor ales.</translation>
    </message>
</context>
<context>
    <name>SearchPanel</name>
    <message>
        <source>Searching…</source>
        <translation>Se caută…</translation>
    </message>
    <message>
        <source>The search could not be completed.</source>
        <translation>Căutarea nu a putut fi finalizată.</translation>
    </message>
    <message>
        <source>No matches.</source>
        <translation>Nicio potrivire.</translation>
    </message>
    <message>
        <source>The first %1 matches are shown. Refine the search to see the others. Checked: %2</source>
        <translation>Sunt afișate primele %1 potriviri. Restrângeți căutarea pentru a le vedea pe celelalte. Bifate: %2</translation>
    </message>
    <message>
        <source>Matches: %1. Checked: %2</source>
        <translation>Potriviri: %1. Bifate: %2</translation>
    </message>
</context>
<context>
    <name>SearchResultModel</name>
    <message>
        <source>Version</source>
        <translation>Versiune</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dosar</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Download</source>
        <translation>Descarcă</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>Orvex Extract Tool Update</source>
        <translation>Actualizare Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Unable to check for update.</source>
        <translation>Nu se pot căuta actualizări.</translation>
    </message>
    <message>
        <source>Contact Halvern support</source>
        <translation>Contactați asistența Halvern</translation>
    </message>
    <message>
        <source>The latest version of Orvex Extract Tool is already installed.</source>
        <translation>Cea mai recentă versiune de Orvex Extract Tool este deja instalată.</translation>
    </message>
    <message>
        <source>A newer version of Orvex Extract Tool is available. Version: %1.%2</source>
        <translation>Este disponibilă o versiune mai nouă de Orvex Extract Tool. Versiune: %1.%2</translation>
    </message>
</context>
<context>
    <name>VerifyPassword</name>
    <message>
        <source>Verify Password</source>
        <translation>Verificare parolă</translation>
    </message>
    <message>
        <source>A password is required to decrypt the data.</source>
        <translation>Este necesară o parolă pentru decriptarea datelor.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parolă</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulează</translation>
    </message>
</context>
<context>
    <name>VeskFileInfo</name>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Modified Date</source>
        <translation>Data modificării</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensiune</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Răsfoiește</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extrage</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Înapoi</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Pagina:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Afișare:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>elemente</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Sursă: %1</translation>
    </message>
    <message>
        <source>Only the first 100,000 folders are displayed.</source>
        <translation>Sunt afișate doar primele 100.000 de foldere.</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Elemente afișate: %1, total: %2</translation>
    </message>
    <message>
        <source>Selected: %1 Folders, %2 Files</source>
        <translation>Selectate: %1 foldere, %2 fișiere</translation>
    </message>
    <message>
        <source>Estimated Restore Size: %1</source>
        <translation>Dimensiune estimată a restaurării: %1</translation>
    </message>
    <message>
        <source>Extract All</source>
        <translation>Extrage tot</translation>
    </message>
    <message>
        <source>Check every entry on this page</source>
        <translation>Bifați toate elementele de pe această pagină</translation>
    </message>
    <message>
        <source>Newest version</source>
        <translation>Cea mai nouă versiune</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Acest folder este gol.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Se încarcă…</translation>
    </message>
    <message>
        <source>calculating…</source>
        <translation>se calculează…</translation>
    </message>
    <message>
        <source>Versions of this file</source>
        <translation>Versiunile acestui fișier</translation>
    </message>
    <message>
        <source>Search by name (Ctrl+F)</source>
        <translation>Căutare după nume (Ctrl+F)</translation>
    </message>
    <message>
        <source>All versions</source>
        <translation>Toate versiunile</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Caută</translation>
    </message>
</context>
<context>
    <name>VeskMain</name>
    <message>
        <source>Extract VESK folders on any platform</source>
        <translation>Extrageți foldere VESK pe orice platformă</translation>
    </message>
    <message>
        <source>Click below to start using the Orvex Extract Tool</source>
        <translation>Faceți clic mai jos pentru a începe să utilizați Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Browse file</source>
        <translation>Răsfoiește fișierele</translation>
    </message>
</context>
<context>
    <name>VeskOpener</name>
    <message>
        <source>Unknown VESK format. Confirm integrity of VESK folder and try again.</source>
        <translation>Format VESK necunoscut. Verificați integritatea folderului VESK și încercați din nou.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Parolă incorectă.</translation>
    </message>
    <message>
        <source>Unknown VESK format.</source>
        <translation>Format VESK necunoscut.</translation>
    </message>
</context>
<context>
    <name>WaitingDialog</name>
    <message>
        <source>Please wait...</source>
        <translation>Așteptați...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulează</translation>
    </message>
</context>
</TS>

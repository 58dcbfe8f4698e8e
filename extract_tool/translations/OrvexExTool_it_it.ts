<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>About</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versione: %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool is made by Halvern. All rights reserved.</source>
        <translation>Orvex Extract Tool è realizzato da Halvern. Tutti i diritti riservati.</translation>
    </message>
</context>
<context>
    <name>ConflictPolicyConfirm</name>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Yes All</source>
        <translation>Sì a tutti</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>NO All</source>
        <translation>No a tutti</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Sostituisci tutti</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>Salta tutti</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation>Rinomina tutti</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Registro eventi</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>The event log file %1 could not be opened; only this run&apos;s debug output has the messages.</source>
        <translation>Impossibile aprire il file del registro eventi %1; i messaggi sono disponibili solo nell&apos;output di debug di questa esecuzione.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all event logs?</source>
        <translation>Eliminare tutti i registri eventi?</translation>
    </message>
    <message>
        <source>This is the event log file itself.</source>
        <translation>Questo è il file del registro eventi stesso.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>File di log (*.log)</translation>
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
        <translation>La dimensione stimata dopo il ripristino è %1. Seleziona una destinazione con spazio su disco sufficiente per l&apos;estrazione.</translation>
    </message>
    <message>
        <source>Select a target folder</source>
        <translation>Seleziona una cartella di destinazione</translation>
    </message>
    <message>
        <source>The source and destination folders cannot be the same. Select another folder.</source>
        <translation>La cartella di origine e quella di destinazione non possono coincidere. Seleziona un&apos;altra cartella.</translation>
    </message>
    <message>
        <source>Failed to extract. The destination file system is unwritable. Check the file system property and try again.</source>
        <translation>Estrazione non riuscita. Il file system di destinazione non è scrivibile. Controlla le proprietà del file system e riprova.</translation>
    </message>
    <message>
        <source>Cannot retrieve disk space information for the selected destination. Are you sure you want to continue?</source>
        <translation>Impossibile recuperare le informazioni sullo spazio su disco della destinazione selezionata. Continuare comunque?</translation>
    </message>
    <message>
        <source>The selected destination doesn&apos;t have enough disk space. Select another destination and try again.</source>
        <translation>Lo spazio su disco della destinazione selezionata non è sufficiente. Seleziona un&apos;altra destinazione e riprova.</translation>
    </message>
    <message>
        <source>Select a conflict policy for dealing with file conflicts during extraction.</source>
        <translation>Seleziona come gestire i conflitti tra file durante l&apos;estrazione.</translation>
    </message>
    <message>
        <source>Cannot add additional background tasks. The maximum number of tasks has been reached. To continue, delete individual tasks or click Clear Completed Tasks.</source>
        <translation>Impossibile aggiungere altre attività in background. È stato raggiunto il numero massimo di attività. Per continuare, elimina singole attività o fai clic su Cancella attività completate.</translation>
    </message>
    <message>
        <source>Failed to extract files. Check the event logs for more information.</source>
        <translation>Estrazione dei file non riuscita. Per ulteriori informazioni, consulta il registro eventi.</translation>
    </message>
</context>
<context>
    <name>FileVersionsDialog</name>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>added</source>
        <translation>aggiunto</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modificato</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>invariato</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>eliminato</translation>
    </message>
    <message>
        <source>The versions of this file could not be read.</source>
        <translation>Impossibile leggere le versioni di questo file.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Version time</source>
        <translation>Data della versione</translation>
    </message>
</context>
<context>
    <name>Hcommon</name>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
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
        <translation>Mostra:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>elementi</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Elementi visualizzati: %1, totale: %2</translation>
    </message>
</context>
<context>
    <name>LicenseInfo</name>
    <message>
        <source>Open Source &amp; Third Party Software</source>
        <translation>Software open source e di terze parti</translation>
    </message>
    <message>
        <source>The notices file %1 could not be read: %2</source>
        <translation>Impossibile leggere il file delle note legali %1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open VESK Folder</source>
        <translation>Apri cartella VESK</translation>
    </message>
    <message>
        <source>Halvern Orvex Extract Tool for Windows</source>
        <translation>Halvern Orvex Extract Tool per Windows</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Background Tasks</source>
        <translation>Attività in background</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Registro eventi</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>Open Source &amp;&amp; Third Party Software</source>
        <translation>Software open source &amp;&amp; di terze parti</translation>
    </message>
    <message>
        <source>Some tasks have not completed yet. Are you sure you want to exit the application?</source>
        <translation>Alcune attività non sono ancora state completate. Uscire comunque dall&apos;applicazione?</translation>
    </message>
</context>
<context>
    <name>Region</name>
    <message>
        <source>Region</source>
        <translation>Area geografica</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Globale</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Cina</translation>
    </message>
    <message>
        <source>In compliance with regional Internet service regulations, Halvern configures services according to your region. Please provide your region information to ensure better connection quality.</source>
        <translation>In conformità con le normative locali sui servizi Internet, Halvern configura i servizi in base all&apos;area geografica. Indica la tua area geografica per garantire una migliore qualità della connessione.</translation>
    </message>
    <message>
        <source>Learn more about this</source>
        <translation>Ulteriori informazioni</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Verifica automaticamente la presenza di aggiornamenti</translation>
    </message>
    <message>
        <source>Delete .vesk folder after extraction</source>
        <translation>Elimina la cartella .vesk dopo l&apos;estrazione</translation>
    </message>
    <message>
        <source>The .vesk folder is deleted after the extraction process completes. This option is only applied when extracting the entire folder by selecting Extract All from the context menu.</source>
        <translation>La cartella .vesk viene eliminata al termine dell&apos;estrazione. Questa opzione si applica solo quando si estrae l&apos;intera cartella selezionando Estrai tutto dal menu contestuale.</translation>
    </message>
    <message>
        <source>Confirm before deleting</source>
        <translation>Chiedi conferma prima di eliminare</translation>
    </message>
    <message>
        <source>Delete without asking</source>
        <translation>Elimina senza chiedere</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Version Update</source>
        <translation>Aggiornamento versione</translation>
    </message>
    <message>
        <source>Extraction Settings</source>
        <translation>Impostazioni di estrazione</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Selecting this option will delete the .vesk folder after the extraction process completes. Deleted folders cannot be restored.</source>
        <translation>Se selezioni questa opzione, la cartella .vesk verrà eliminata al termine dell&apos;estrazione. Le cartelle eliminate non possono essere recuperate.</translation>
    </message>
    <message>
        <source>I understand</source>
        <translation>Ho capito</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Impossibile salvare le impostazioni.</translation>
    </message>
</context>
<context>
    <name>RemoveVeskFileThread</name>
    <message>
        <source>[%1] [%2] Delete &quot;%3&quot;.</source>
        <translation>[%1] [%2] Eliminato &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to delete VESK folder. File is undeletable. Failed to delete folder. Check the folder properties.</source>
        <translation>[%1] [%2] Impossibile eliminare la cartella VESK. Un file non può essere eliminato. Controlla le proprietà della cartella.</translation>
    </message>
</context>
<context>
    <name>RestoreJob</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 rimanenti</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>Estrazione in corso...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completata</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Non riuscita</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>In coda</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Sospendi</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Rimuovi</translation>
    </message>
</context>
<context>
    <name>RestoreJobManager</name>
    <message>
        <source>Background Tasks</source>
        <translation>Attività in background</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Nascondi</translation>
    </message>
    <message>
        <source>Clear Completed Tasks</source>
        <translation>Cancella attività completate</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Creazione</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Total tasks: %1</source>
        <translation>Attività totali: %1</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <translation>Completate: %1</translation>
    </message>
    <message>
        <source>Extracting: %1</source>
        <translation>In estrazione: %1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>In pausa: %1</translation>
    </message>
    <message>
        <source>Queued: %1</source>
        <translation>In coda: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Non riuscite: %1</translation>
    </message>
    <message>
        <source>[%1] [%2] The background task file is damaged and was skipped: %3</source>
        <translation>[%1] [%2] Il file dell&apos;attività in background è danneggiato ed è stato ignorato: %3</translation>
    </message>
    <message>
        <source>it names the job %1</source>
        <translation>il file indica l&apos;attività %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Completed extraction. Are you sure you want to delete the .vesk folder &quot;%1&quot;?</source>
        <translation>Estrazione completata. Eliminare la cartella .vesk &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>[%1] [%2] The VESK folder &quot;%3&quot; was not deleted: another background task still extracts from it.</source>
        <translation>[%1] [%2] La cartella VESK &quot;%3&quot; non è stata eliminata: un&apos;altra attività in background sta ancora estraendo da essa.</translation>
    </message>
</context>
<context>
    <name>RestoreProgressDialog</name>
    <message>
        <source>Extract</source>
        <translation>Estrai</translation>
    </message>
    <message>
        <source>%1% completed</source>
        <translation>%1% completato</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>RestoreVeskFileListThread</name>
    <message>
        <source>[%1] [%2] Started to extract data to &quot;%5&quot;. Folders: %4. Files:%3.</source>
        <translation>[%1] [%2] Avviata l&apos;estrazione dei dati in &quot;%5&quot;. Cartelle: %4. File: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract %3.</source>
        <translation>[%1] [%2] Impossibile estrarre %3.</translation>
    </message>
    <message>
        <source>Failed to open VESK folder. VESK folder does not exist. Ensure folder exists and try again.</source>
        <translation>Impossibile aprire la cartella VESK. La cartella VESK non esiste. Verifica che la cartella esista e riprova.</translation>
    </message>
    <message>
        <source>[%1] [%2] User stopped extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] L&apos;utente ha interrotto l&apos;estrazione dei dati in &quot;%5&quot;. Cartelle: %4. File: %3.</translation>
    </message>
    <message>
        <source>Incorrect password. Verify password is correct before trying again.</source>
        <translation>Password errata. Verifica che la password sia corretta e riprova.</translation>
    </message>
    <message>
        <source>Unknown VESK folder format. Confirm integrity of VESK folder and try again.</source>
        <translation>Formato della cartella VESK sconosciuto. Verifica l&apos;integrità della cartella VESK e riprova.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Replaced file number: %6.</source>
        <translation>[%1] [%2] Estrazione dei dati in &quot;%5&quot; completata. Cartelle: %4. File: %3. File sostituiti: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Skipped file number: %6.</source>
        <translation>[%1] [%2] Estrazione dei dati in &quot;%5&quot; completata. Cartelle: %4. File: %3. File saltati: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Estrazione dei dati in &quot;%5&quot; completata. Cartelle: %4. File: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Insufficient storage space. Free up disk space or increase storage capacity. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Impossibile estrarre i dati in &quot;%5&quot;. Spazio di archiviazione insufficiente. Libera spazio su disco o aumenta la capacità di archiviazione. Cartelle: %4. File: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Some files failed to extract. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Impossibile estrarre i dati in &quot;%5&quot;. Non è stato possibile estrarre alcuni file. Cartelle: %4. File: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] The file to resume from is not in the backup; every file was extracted again under the conflict policy.</source>
        <translation>[%1] [%2] Il file da cui riprendere non è presente nel backup; tutti i file sono stati estratti di nuovo secondo la gestione dei conflitti scelta.</translation>
    </message>
</context>
<context>
    <name>SearchPanel</name>
    <message>
        <source>Searching…</source>
        <translation>Ricerca in corso…</translation>
    </message>
    <message>
        <source>The search could not be completed.</source>
        <translation>Impossibile completare la ricerca.</translation>
    </message>
    <message>
        <source>No matches.</source>
        <translation>Nessun risultato.</translation>
    </message>
    <message>
        <source>The first %1 matches are shown. Refine the search to see the others. Checked: %2</source>
        <translation>Vengono mostrati i primi %1 risultati. Affina la ricerca per vedere gli altri. Selezionati: %2</translation>
    </message>
    <message>
        <source>Matches: %1. Checked: %2</source>
        <translation>Risultati: %1. Selezionati: %2</translation>
    </message>
</context>
<context>
    <name>SearchResultModel</name>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Orvex Extract Tool Update</source>
        <translation>Aggiornamento di Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Unable to check for update.</source>
        <translation>Impossibile verificare la presenza di aggiornamenti.</translation>
    </message>
    <message>
        <source>Contact Halvern support</source>
        <translation>Contatta l&apos;assistenza Halvern</translation>
    </message>
    <message>
        <source>The latest version of Orvex Extract Tool is already installed.</source>
        <translation>L&apos;ultima versione di Orvex Extract Tool è già installata.</translation>
    </message>
    <message>
        <source>A newer version of Orvex Extract Tool is available. Version: %1.%2</source>
        <translation>È disponibile una nuova versione di Orvex Extract Tool. Versione: %1.%2</translation>
    </message>
</context>
<context>
    <name>VerifyPassword</name>
    <message>
        <source>Verify Password</source>
        <translation>Verifica password</translation>
    </message>
    <message>
        <source>A password is required to decrypt the data.</source>
        <translation>Per decrittografare i dati è necessaria una password.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>VeskFileInfo</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Modified Date</source>
        <translation>Data modifica</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Estrai</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Pagina:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Mostra:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>elementi</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Origine: %1</translation>
    </message>
    <message>
        <source>Only the first 100,000 folders are displayed.</source>
        <translation>Vengono visualizzate solo le prime 100.000 cartelle.</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Elementi visualizzati: %1, totale: %2</translation>
    </message>
    <message>
        <source>Selected: %1 Folders, %2 Files</source>
        <translation>Selezionati: %1 cartelle, %2 file</translation>
    </message>
    <message>
        <source>Estimated Restore Size: %1</source>
        <translation>Dimensione stimata del ripristino: %1</translation>
    </message>
    <message>
        <source>Extract All</source>
        <translation>Estrai tutto</translation>
    </message>
    <message>
        <source>Check every entry on this page</source>
        <translation>Seleziona tutte le voci di questa pagina</translation>
    </message>
    <message>
        <source>Newest version</source>
        <translation>Versione più recente</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Questa cartella è vuota.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Caricamento…</translation>
    </message>
    <message>
        <source>calculating…</source>
        <translation>calcolo in corso…</translation>
    </message>
    <message>
        <source>Versions of this file</source>
        <translation>Versioni di questo file</translation>
    </message>
    <message>
        <source>Search by name (Ctrl+F)</source>
        <translation>Cerca per nome (Ctrl+F)</translation>
    </message>
    <message>
        <source>All versions</source>
        <translation>Tutte le versioni</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
</context>
<context>
    <name>VeskMain</name>
    <message>
        <source>Extract VESK folders on any platform</source>
        <translation>Estrai cartelle VESK su qualsiasi piattaforma</translation>
    </message>
    <message>
        <source>Click below to start using the Orvex Extract Tool</source>
        <translation>Fai clic qui sotto per iniziare a usare Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Browse file</source>
        <translation>Sfoglia file</translation>
    </message>
</context>
<context>
    <name>VeskOpener</name>
    <message>
        <source>Unknown VESK format. Confirm integrity of VESK folder and try again.</source>
        <translation>Formato VESK sconosciuto. Verifica l&apos;integrità della cartella VESK e riprova.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Password errata.</translation>
    </message>
    <message>
        <source>Unknown VESK format.</source>
        <translation>Formato VESK sconosciuto.</translation>
    </message>
</context>
<context>
    <name>WaitingDialog</name>
    <message>
        <source>Please wait...</source>
        <translation>Attendere...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
</TS>

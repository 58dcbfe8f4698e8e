<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>About</name>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Verze: %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool is made by Halvern. All rights reserved.</source>
        <translation>Orvex Extract Tool vyvíjí společnost Halvern. Všechna práva vyhrazena.</translation>
    </message>
</context>
<context>
    <name>ConflictPolicyConfirm</name>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Yes All</source>
        <translation>Ano pro vše</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>NO All</source>
        <translation>Ne pro vše</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Nahradit</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Nahradit vše</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Přeskočit</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>Přeskočit vše</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Přejmenovat</translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation>Přejmenovat vše</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Opakovat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Clear</source>
        <translation>Vymazat</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Protokoly událostí</translation>
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
        <translation>Zpráva</translation>
    </message>
    <message>
        <source>The event log file %1 could not be opened; only this run&apos;s debug output has the messages.</source>
        <translation>Soubor protokolu událostí %1 nelze otevřít; zprávy jsou k dispozici pouze v ladicím výstupu tohoto spuštění.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all event logs?</source>
        <translation>Opravdu chcete odstranit všechny protokoly událostí?</translation>
    </message>
    <message>
        <source>This is the event log file itself.</source>
        <translation>Jedná se o samotný soubor protokolu událostí.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Uložit soubor</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>Soubory protokolu (*.log)</translation>
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
        <translation>Odhadovaná velikost po obnovení je %1. Vyberte cíl s dostatkem místa na disku pro extrakci.</translation>
    </message>
    <message>
        <source>Select a target folder</source>
        <translation>Vyberte cílovou složku</translation>
    </message>
    <message>
        <source>The source and destination folders cannot be the same. Select another folder.</source>
        <translation>Zdrojová a cílová složka nemohou být stejné. Vyberte jinou složku.</translation>
    </message>
    <message>
        <source>Failed to extract. The destination file system is unwritable. Check the file system property and try again.</source>
        <translation>Extrakce se nezdařila. Do cílového systému souborů nelze zapisovat. Zkontrolujte vlastnosti systému souborů a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Cannot retrieve disk space information for the selected destination. Are you sure you want to continue?</source>
        <translation>Nelze zjistit informace o místě na disku pro vybraný cíl. Opravdu chcete pokračovat?</translation>
    </message>
    <message>
        <source>The selected destination doesn&apos;t have enough disk space. Select another destination and try again.</source>
        <translation>Ve vybraném cíli není dostatek místa na disku. Vyberte jiný cíl a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Select a conflict policy for dealing with file conflicts during extraction.</source>
        <translation>Vyberte, jak se mají během extrakce řešit konflikty souborů.</translation>
    </message>
    <message>
        <source>Cannot add additional background tasks. The maximum number of tasks has been reached. To continue, delete individual tasks or click Clear Completed Tasks.</source>
        <translation>Nelze přidat další úlohy na pozadí. Bylo dosaženo maximálního počtu úloh. Chcete-li pokračovat, odstraňte některé úlohy nebo klikněte na „Vymazat dokončené“.</translation>
    </message>
    <message>
        <source>Failed to extract files. Check the event logs for more information.</source>
        <translation>Extrakce souborů se nezdařila. Další informace najdete v protokolech událostí.</translation>
    </message>
</context>
<context>
    <name>FileVersionsDialog</name>
    <message>
        <source>State</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>added</source>
        <translation>přidáno</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>změněno</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>beze změny</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>odstraněno</translation>
    </message>
    <message>
        <source>The versions of this file could not be read.</source>
        <translation>Verze tohoto souboru nelze přečíst.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>Version time</source>
        <translation>Čas verze</translation>
    </message>
</context>
<context>
    <name>Hcommon</name>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Opakovat</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Přeskočit</translation>
    </message>
</context>
<context>
    <name>Hcommon::PagingBar</name>
    <message>
        <source>Page:</source>
        <translation>Stránka:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Zobrazit:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>položek</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Zobrazeno: %1, celkem: %2</translation>
    </message>
</context>
<context>
    <name>LicenseInfo</name>
    <message>
        <source>Open Source &amp; Third Party Software</source>
        <translation>Open source software a software třetích stran</translation>
    </message>
    <message>
        <source>The notices file %1 could not be read: %2</source>
        <translation>Soubor s upozorněními %1 nelze přečíst: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open VESK Folder</source>
        <translation>Otevřít složku VESK</translation>
    </message>
    <message>
        <source>Halvern Orvex Extract Tool for Windows</source>
        <translation>Halvern Orvex Extract Tool pro Windows</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Background Tasks</source>
        <translation>Úlohy na pozadí</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Protokoly událostí</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Vyhledat aktualizace</translation>
    </message>
    <message>
        <source>Open Source &amp;&amp; Third Party Software</source>
        <translation>Open source &amp;&amp; software třetích stran</translation>
    </message>
    <message>
        <source>Some tasks have not completed yet. Are you sure you want to exit the application?</source>
        <translation>Některé úlohy ještě nejsou dokončeny. Opravdu chcete aplikaci ukončit?</translation>
    </message>
</context>
<context>
    <name>Region</name>
    <message>
        <source>Region</source>
        <translation>Oblast</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Globální</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Čína</translation>
    </message>
    <message>
        <source>In compliance with regional Internet service regulations, Halvern configures services according to your region. Please provide your region information to ensure better connection quality.</source>
        <translation>V souladu s regionálními předpisy pro internetové služby konfiguruje společnost Halvern služby podle vaší oblasti. Zadejte prosím svou oblast, abychom zajistili lepší kvalitu připojení.</translation>
    </message>
    <message>
        <source>Learn more about this</source>
        <translation>Další informace</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Automaticky vyhledávat aktualizace</translation>
    </message>
    <message>
        <source>Delete .vesk folder after extraction</source>
        <translation>Po extrakci odstranit složku .vesk</translation>
    </message>
    <message>
        <source>The .vesk folder is deleted after the extraction process completes. This option is only applied when extracting the entire folder by selecting Extract All from the context menu.</source>
        <translation>Složka .vesk se odstraní po dokončení extrakce. Tato možnost se uplatní pouze při extrakci celé složky příkazem „Extrahovat vše“ v místní nabídce.</translation>
    </message>
    <message>
        <source>Confirm before deleting</source>
        <translation>Před odstraněním potvrdit</translation>
    </message>
    <message>
        <source>Delete without asking</source>
        <translation>Odstranit bez dotazu</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Version Update</source>
        <translation>Aktualizace verze</translation>
    </message>
    <message>
        <source>Extraction Settings</source>
        <translation>Nastavení extrakce</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Selecting this option will delete the .vesk folder after the extraction process completes. Deleted folders cannot be restored.</source>
        <translation>Pokud zvolíte tuto možnost, složka .vesk bude po dokončení extrakce odstraněna. Odstraněné složky nelze obnovit.</translation>
    </message>
    <message>
        <source>I understand</source>
        <translation>Rozumím</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Nastavení nelze uložit.</translation>
    </message>
</context>
<context>
    <name>RemoveVeskFileThread</name>
    <message>
        <source>[%1] [%2] Delete &quot;%3&quot;.</source>
        <translation>[%1] [%2] Odstraněno „%3“.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to delete VESK folder. File is undeletable. Failed to delete folder. Check the folder properties.</source>
        <translation>[%1] [%2] Složku VESK se nepodařilo odstranit. Některý soubor nelze odstranit, a proto nelze odstranit ani složku. Zkontrolujte vlastnosti složky.</translation>
    </message>
</context>
<context>
    <name>RestoreJob</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>zbývá %1</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otevřít složku</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>Extrahování...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pozastaveno</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Dokončeno</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Selhalo</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>Ve frontě</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Spustit</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Odebrat</translation>
    </message>
</context>
<context>
    <name>RestoreJobManager</name>
    <message>
        <source>Background Tasks</source>
        <translation>Úlohy na pozadí</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Skrýt</translation>
    </message>
    <message>
        <source>Clear Completed Tasks</source>
        <translation>Vymazat dokončené</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Vytvořeno</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Zdroj</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Cíl</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Akce</translation>
    </message>
    <message>
        <source>Total tasks: %1</source>
        <translation>Celkem úloh: %1</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <translation>Dokončeno: %1</translation>
    </message>
    <message>
        <source>Extracting: %1</source>
        <translation>Probíhá: %1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Pozastaveno: %1</translation>
    </message>
    <message>
        <source>Queued: %1</source>
        <translation>Ve frontě: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Selhalo: %1</translation>
    </message>
    <message>
        <source>[%1] [%2] The background task file is damaged and was skipped: %3</source>
        <translation>[%1] [%2] Soubor úlohy na pozadí je poškozený a byl přeskočen: %3</translation>
    </message>
    <message>
        <source>it names the job %1</source>
        <translation>uvádí úlohu %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Completed extraction. Are you sure you want to delete the .vesk folder &quot;%1&quot;?</source>
        <translation>Extrakce byla dokončena. Opravdu chcete odstranit složku .vesk „%1“?</translation>
    </message>
    <message>
        <source>[%1] [%2] The VESK folder &quot;%3&quot; was not deleted: another background task still extracts from it.</source>
        <translation>[%1] [%2] Složka VESK „%3“ nebyla odstraněna: jiná úloha na pozadí z ní stále extrahuje.</translation>
    </message>
</context>
<context>
    <name>RestoreProgressDialog</name>
    <message>
        <source>Extract</source>
        <translation>Extrakce</translation>
    </message>
    <message>
        <source>%1% completed</source>
        <translation>Dokončeno %1&#xa0;%</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>RestoreVeskFileListThread</name>
    <message>
        <source>[%1] [%2] Started to extract data to &quot;%5&quot;. Folders: %4. Files:%3.</source>
        <translation>[%1] [%2] Zahájena extrakce dat do „%5“. Složky: %4. Soubory: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract %3.</source>
        <translation>[%1] [%2] Extrakce %3 se nezdařila.</translation>
    </message>
    <message>
        <source>Failed to open VESK folder. VESK folder does not exist. Ensure folder exists and try again.</source>
        <translation>Složku VESK nelze otevřít, protože neexistuje. Ověřte, že složka existuje, a zkuste to znovu.</translation>
    </message>
    <message>
        <source>[%1] [%2] User stopped extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Uživatel zastavil extrakci dat do „%5“. Složky: %4. Soubory: %3.</translation>
    </message>
    <message>
        <source>Incorrect password. Verify password is correct before trying again.</source>
        <translation>Nesprávné heslo. Před dalším pokusem ověřte, že je heslo správné.</translation>
    </message>
    <message>
        <source>Unknown VESK folder format. Confirm integrity of VESK folder and try again.</source>
        <translation>Neznámý formát složky VESK. Ověřte integritu složky VESK a zkuste to znovu.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Replaced file number: %6.</source>
        <translation>[%1] [%2] Extrakce dat do „%5“ dokončena. Složky: %4. Soubory: %3. Nahrazené soubory: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Skipped file number: %6.</source>
        <translation>[%1] [%2] Extrakce dat do „%5“ dokončena. Složky: %4. Soubory: %3. Přeskočené soubory: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Extrakce dat do „%5“ dokončena. Složky: %4. Soubory: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Insufficient storage space. Free up disk space or increase storage capacity. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Extrakce dat do „%5“ se nezdařila. Nedostatek místa v úložišti. Uvolněte místo na disku nebo zvyšte kapacitu úložiště. Složky: %4. Soubory: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Some files failed to extract. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Extrakce dat do „%5“ se nezdařila. Některé soubory se nepodařilo extrahovat. Složky: %4. Soubory: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] The file to resume from is not in the backup; every file was extracted again under the conflict policy.</source>
        <translation>[%1] [%2] Soubor, od kterého se mělo pokračovat, v záloze není; všechny soubory byly znovu extrahovány podle zvoleného řešení konfliktů.</translation>
    </message>
</context>
<context>
    <name>SearchPanel</name>
    <message>
        <source>Searching…</source>
        <translation>Hledání…</translation>
    </message>
    <message>
        <source>The search could not be completed.</source>
        <translation>Hledání nelze dokončit.</translation>
    </message>
    <message>
        <source>No matches.</source>
        <translation>Žádné výsledky.</translation>
    </message>
    <message>
        <source>The first %1 matches are shown. Refine the search to see the others. Checked: %2</source>
        <translation>Zobrazuje se prvních %1 výsledků. Upřesněte hledání, abyste viděli ostatní. Zaškrtnuto: %2</translation>
    </message>
    <message>
        <source>Matches: %1. Checked: %2</source>
        <translation>Výsledky: %1. Zaškrtnuto: %2</translation>
    </message>
</context>
<context>
    <name>SearchResultModel</name>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Složka</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Download</source>
        <translation>Stáhnout</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Orvex Extract Tool Update</source>
        <translation>Aktualizace Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Unable to check for update.</source>
        <translation>Aktualizace nelze vyhledat.</translation>
    </message>
    <message>
        <source>Contact Halvern support</source>
        <translation>Kontaktovat podporu Halvern</translation>
    </message>
    <message>
        <source>The latest version of Orvex Extract Tool is already installed.</source>
        <translation>Nejnovější verze Orvex Extract Tool je již nainstalována.</translation>
    </message>
    <message>
        <source>A newer version of Orvex Extract Tool is available. Version: %1.%2</source>
        <translation>Je k dispozici novější verze Orvex Extract Tool. Verze: %1.%2</translation>
    </message>
</context>
<context>
    <name>VerifyPassword</name>
    <message>
        <source>Verify Password</source>
        <translation>Ověření hesla</translation>
    </message>
    <message>
        <source>A password is required to decrypt the data.</source>
        <translation>K dešifrování dat je vyžadováno heslo.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>VeskFileInfo</name>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Modified Date</source>
        <translation>Datum změny</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Velikost</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Procházet</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extrahovat</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Stránka:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Zobrazit:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>položek</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Zdroj: %1</translation>
    </message>
    <message>
        <source>Only the first 100,000 folders are displayed.</source>
        <translation>Zobrazuje se pouze prvních 100&#xa0;000 složek.</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Zobrazeno: %1, celkem: %2</translation>
    </message>
    <message>
        <source>Selected: %1 Folders, %2 Files</source>
        <translation>Vybráno – složky: %1, soubory: %2</translation>
    </message>
    <message>
        <source>Estimated Restore Size: %1</source>
        <translation>Odhadovaná velikost po obnovení: %1</translation>
    </message>
    <message>
        <source>Extract All</source>
        <translation>Extrahovat vše</translation>
    </message>
    <message>
        <source>Check every entry on this page</source>
        <translation>Zaškrtnout všechny položky na této stránce</translation>
    </message>
    <message>
        <source>Newest version</source>
        <translation>Nejnovější verze</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Tato složka je prázdná.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Načítání…</translation>
    </message>
    <message>
        <source>calculating…</source>
        <translation>počítá se…</translation>
    </message>
    <message>
        <source>Versions of this file</source>
        <translation>Verze tohoto souboru</translation>
    </message>
    <message>
        <source>Search by name (Ctrl+F)</source>
        <translation>Hledat podle názvu (Ctrl+F)</translation>
    </message>
    <message>
        <source>All versions</source>
        <translation>Všechny verze</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledat</translation>
    </message>
</context>
<context>
    <name>VeskMain</name>
    <message>
        <source>Extract VESK folders on any platform</source>
        <translation>Extrahujte složky VESK na jakékoli platformě</translation>
    </message>
    <message>
        <source>Click below to start using the Orvex Extract Tool</source>
        <translation>Kliknutím níže začnete používat Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Browse file</source>
        <translation>Procházet</translation>
    </message>
</context>
<context>
    <name>VeskOpener</name>
    <message>
        <source>Unknown VESK format. Confirm integrity of VESK folder and try again.</source>
        <translation>Neznámý formát VESK. Ověřte integritu složky VESK a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Nesprávné heslo.</translation>
    </message>
    <message>
        <source>Unknown VESK format.</source>
        <translation>Neznámý formát VESK.</translation>
    </message>
</context>
<context>
    <name>WaitingDialog</name>
    <message>
        <source>Please wait...</source>
        <translation>Čekejte prosím...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
</TS>

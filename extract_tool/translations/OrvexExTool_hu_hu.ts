<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>About</name>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Verzió: %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool is made by Halvern. All rights reserved.</source>
        <translation>Az Orvex Extract Tool a Halvern terméke. Minden jog fenntartva.</translation>
    </message>
</context>
<context>
    <name>ConflictPolicyConfirm</name>
    <message>
        <source>Yes</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>Yes All</source>
        <translation>Igen mindre</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nem</translation>
    </message>
    <message>
        <source>NO All</source>
        <translation>Nem mindre</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Csere</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Összes cseréje</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Kihagyás</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>Összes kihagyása</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Átnevezés</translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation>Összes átnevezése</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Újra</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Clear</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Eseménynapló</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Típus</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dátum</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Üzenet</translation>
    </message>
    <message>
        <source>The event log file %1 could not be opened; only this run&apos;s debug output has the messages.</source>
        <translation>Nem sikerült megnyitni a(z) %1 eseménynaplófájlt; az üzenetek csak a mostani futtatás hibakeresési kimenetében szerepelnek.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all event logs?</source>
        <translation>Biztosan törli az összes eseménynapló-bejegyzést?</translation>
    </message>
    <message>
        <source>This is the event log file itself.</source>
        <translation>Ez maga az eseménynaplófájl.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Fájl mentése</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>Naplófájlok (*.log)</translation>
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
        <translation>A visszaállítás utáni becsült méret: %1. Válasszon olyan célhelyet, ahol elegendő szabad lemezterület van a kibontáshoz.</translation>
    </message>
    <message>
        <source>Select a target folder</source>
        <translation>Válasszon célmappát</translation>
    </message>
    <message>
        <source>The source and destination folders cannot be the same. Select another folder.</source>
        <translation>A forrásmappa és a célmappa nem lehet ugyanaz. Válasszon másik mappát.</translation>
    </message>
    <message>
        <source>Failed to extract. The destination file system is unwritable. Check the file system property and try again.</source>
        <translation>A kibontás nem sikerült. A cél fájlrendszere nem írható. Ellenőrizze a fájlrendszer tulajdonságait, majd próbálja újra.</translation>
    </message>
    <message>
        <source>Cannot retrieve disk space information for the selected destination. Are you sure you want to continue?</source>
        <translation>Nem sikerült lekérdezni a kiválasztott célhely lemezterületének adatait. Biztosan folytatja?</translation>
    </message>
    <message>
        <source>The selected destination doesn&apos;t have enough disk space. Select another destination and try again.</source>
        <translation>A kiválasztott célhelyen nincs elegendő szabad lemezterület. Válasszon másik célhelyet, majd próbálja újra.</translation>
    </message>
    <message>
        <source>Select a conflict policy for dealing with file conflicts during extraction.</source>
        <translation>Válassza ki, hogyan kezelje a program a kibontás közben fellépő fájlütközéseket.</translation>
    </message>
    <message>
        <source>Cannot add additional background tasks. The maximum number of tasks has been reached. To continue, delete individual tasks or click Clear Completed Tasks.</source>
        <translation>Nem adható hozzá több háttérfeladat. Elérte a feladatok maximális számát. A folytatáshoz töröljön egyes feladatokat, vagy kattintson a Befejezett feladatok törlése gombra.</translation>
    </message>
    <message>
        <source>Failed to extract files. Check the event logs for more information.</source>
        <translation>A fájlok kibontása nem sikerült. További információt az eseménynaplóban talál.</translation>
    </message>
</context>
<context>
    <name>FileVersionsDialog</name>
    <message>
        <source>State</source>
        <translation>Állapot</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Megnyitás</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>added</source>
        <translation>hozzáadva</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>módosítva</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>változatlan</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>törölve</translation>
    </message>
    <message>
        <source>The versions of this file could not be read.</source>
        <translation>A fájl verziói nem olvashatók.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzió</translation>
    </message>
    <message>
        <source>Version time</source>
        <translation>A verzió ideje</translation>
    </message>
</context>
<context>
    <name>Hcommon</name>
    <message>
        <source>Yes</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nem</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Újra</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Kihagyás</translation>
    </message>
</context>
<context>
    <name>Hcommon::PagingBar</name>
    <message>
        <source>Page:</source>
        <translation>Oldal:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Megjelenítés:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>elem</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Megjelenített elemek: %1, összesen: %2</translation>
    </message>
</context>
<context>
    <name>LicenseInfo</name>
    <message>
        <source>Open Source &amp; Third Party Software</source>
        <translation>Nyílt forráskódú és külső gyártótól származó szoftverek</translation>
    </message>
    <message>
        <source>The notices file %1 could not be read: %2</source>
        <translation>Nem sikerült beolvasni a(z) %1 közleményfájlt: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open VESK Folder</source>
        <translation>VESK-mappa megnyitása</translation>
    </message>
    <message>
        <source>Halvern Orvex Extract Tool for Windows</source>
        <translation>Halvern Orvex Extract Tool Windows rendszerhez</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Background Tasks</source>
        <translation>Háttérfeladatok</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Eseménynapló</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Lehetőségek</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Frissítések keresése</translation>
    </message>
    <message>
        <source>Open Source &amp;&amp; Third Party Software</source>
        <translation>Nyílt forráskódú &amp;&amp; külső szoftverek</translation>
    </message>
    <message>
        <source>Some tasks have not completed yet. Are you sure you want to exit the application?</source>
        <translation>Néhány feladat még nem fejeződött be. Biztosan kilép az alkalmazásból?</translation>
    </message>
</context>
<context>
    <name>Region</name>
    <message>
        <source>Region</source>
        <translation>Régió</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Globális</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Kína</translation>
    </message>
    <message>
        <source>In compliance with regional Internet service regulations, Halvern configures services according to your region. Please provide your region information to ensure better connection quality.</source>
        <translation>A regionális internetszolgáltatási előírásoknak megfelelően a Halvern az Ön régiója szerint konfigurálja a szolgáltatásokat. A jobb kapcsolatminőség érdekében adja meg a régióját.</translation>
    </message>
    <message>
        <source>Learn more about this</source>
        <translation>További információ</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Frissítések automatikus keresése</translation>
    </message>
    <message>
        <source>Delete .vesk folder after extraction</source>
        <translation>A .vesk mappa törlése kibontás után</translation>
    </message>
    <message>
        <source>The .vesk folder is deleted after the extraction process completes. This option is only applied when extracting the entire folder by selecting Extract All from the context menu.</source>
        <translation>A kibontás befejezése után a .vesk mappa törlődik. Ez a beállítás csak akkor érvényes, ha a teljes mappát a helyi menü Összes kibontása parancsával bontja ki.</translation>
    </message>
    <message>
        <source>Confirm before deleting</source>
        <translation>Megerősítés kérése törlés előtt</translation>
    </message>
    <message>
        <source>Delete without asking</source>
        <translation>Törlés kérdés nélkül</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>Version Update</source>
        <translation>Verziófrissítés</translation>
    </message>
    <message>
        <source>Extraction Settings</source>
        <translation>Kibontási beállítások</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Selecting this option will delete the .vesk folder after the extraction process completes. Deleted folders cannot be restored.</source>
        <translation>Ha bejelöli ezt a beállítást, a kibontás befejezése után a .vesk mappa törlődik. A törölt mappák nem állíthatók vissza.</translation>
    </message>
    <message>
        <source>I understand</source>
        <translation>Értem</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Nem sikerült menteni a beállításokat.</translation>
    </message>
</context>
<context>
    <name>RemoveVeskFileThread</name>
    <message>
        <source>[%1] [%2] Delete &quot;%3&quot;.</source>
        <translation>[%1] [%2] „%3” törölve.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to delete VESK folder. File is undeletable. Failed to delete folder. Check the folder properties.</source>
        <translation>[%1] [%2] Nem sikerült törölni a VESK-mappát. Egy fájl nem törölhető. Ellenőrizze a mappa tulajdonságait.</translation>
    </message>
</context>
<context>
    <name>RestoreJob</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>még %1</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Mappa megnyitása</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>Kibontás...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Szüneteltetve</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Befejezve</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Sikertelen</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>Várakozik</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Indítás</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Szüneteltetés</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Eltávolítás</translation>
    </message>
</context>
<context>
    <name>RestoreJobManager</name>
    <message>
        <source>Background Tasks</source>
        <translation>Háttérfeladatok</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Elrejtés</translation>
    </message>
    <message>
        <source>Clear Completed Tasks</source>
        <translation>Befejezett feladatok törlése</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Létrehozva</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Forrás</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Cél</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Állapot</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Művelet</translation>
    </message>
    <message>
        <source>Total tasks: %1</source>
        <translation>Összes feladat: %1</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <translation>Befejezve: %1</translation>
    </message>
    <message>
        <source>Extracting: %1</source>
        <translation>Kibontás alatt: %1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Szüneteltetve: %1</translation>
    </message>
    <message>
        <source>Queued: %1</source>
        <translation>Várakozik: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Sikertelen: %1</translation>
    </message>
    <message>
        <source>[%1] [%2] The background task file is damaged and was skipped: %3</source>
        <translation>[%1] [%2] A háttérfeladat fájlja sérült, ezért a program kihagyta: %3</translation>
    </message>
    <message>
        <source>it names the job %1</source>
        <translation>a fájl a(z) %1 feladatra hivatkozik</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Completed extraction. Are you sure you want to delete the .vesk folder &quot;%1&quot;?</source>
        <translation>A kibontás befejeződött. Biztosan törli a(z) „%1” .vesk mappát?</translation>
    </message>
    <message>
        <source>[%1] [%2] The VESK folder &quot;%3&quot; was not deleted: another background task still extracts from it.</source>
        <translation>[%1] [%2] A(z) „%3” VESK mappa nem lett törölve: egy másik háttérfeladat még kibont belőle.</translation>
    </message>
</context>
<context>
    <name>RestoreProgressDialog</name>
    <message>
        <source>Extract</source>
        <translation>Kibontás</translation>
    </message>
    <message>
        <source>%1% completed</source>
        <translation>%1% kész</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>RestoreVeskFileListThread</name>
    <message>
        <source>[%1] [%2] Started to extract data to &quot;%5&quot;. Folders: %4. Files:%3.</source>
        <translation>[%1] [%2] Megkezdődött az adatok kibontása ide: „%5”. Mappák: %4. Fájlok: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract %3.</source>
        <translation>[%1] [%2] Nem sikerült kibontani: %3.</translation>
    </message>
    <message>
        <source>Failed to open VESK folder. VESK folder does not exist. Ensure folder exists and try again.</source>
        <translation>Nem sikerült megnyitni a VESK-mappát. A VESK-mappa nem létezik. Győződjön meg arról, hogy a mappa létezik, majd próbálja újra.</translation>
    </message>
    <message>
        <source>[%1] [%2] User stopped extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] A felhasználó leállította az adatok kibontását ide: „%5”. Mappák: %4. Fájlok: %3.</translation>
    </message>
    <message>
        <source>Incorrect password. Verify password is correct before trying again.</source>
        <translation>Helytelen jelszó. Ellenőrizze, hogy helyes-e a jelszó, majd próbálja újra.</translation>
    </message>
    <message>
        <source>Unknown VESK folder format. Confirm integrity of VESK folder and try again.</source>
        <translation>Ismeretlen VESK-mappaformátum. Ellenőrizze a VESK-mappa épségét, majd próbálja újra.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Replaced file number: %6.</source>
        <translation>[%1] [%2] Befejeződött az adatok kibontása ide: „%5”. Mappák: %4. Fájlok: %3. Lecserélt fájlok száma: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Skipped file number: %6.</source>
        <translation>[%1] [%2] Befejeződött az adatok kibontása ide: „%5”. Mappák: %4. Fájlok: %3. Kihagyott fájlok száma: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Befejeződött az adatok kibontása ide: „%5”. Mappák: %4. Fájlok: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Insufficient storage space. Free up disk space or increase storage capacity. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Nem sikerült kibontani az adatokat ide: „%5”. Nincs elég tárhely. Szabadítson fel lemezterületet, vagy növelje a tárolókapacitást. Mappák: %4. Fájlok: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Some files failed to extract. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Nem sikerült kibontani az adatokat ide: „%5”. Néhány fájlt nem sikerült kibontani. Mappák: %4. Fájlok: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] The file to resume from is not in the backup; every file was extracted again under the conflict policy.</source>
        <translation>[%1] [%2] A fájl, amelytől a folytatásnak kellett volna indulnia, nincs a biztonsági mentésben; minden fájl ismét ki lett bontva a választott ütközéskezelés szerint.</translation>
    </message>
</context>
<context>
    <name>SearchPanel</name>
    <message>
        <source>Searching…</source>
        <translation>Keresés…</translation>
    </message>
    <message>
        <source>The search could not be completed.</source>
        <translation>A keresést nem sikerült befejezni.</translation>
    </message>
    <message>
        <source>No matches.</source>
        <translation>Nincs találat.</translation>
    </message>
    <message>
        <source>The first %1 matches are shown. Refine the search to see the others. Checked: %2</source>
        <translation>Az első %1 találat látható. Szűkítse a keresést a többi megtekintéséhez. Bejelölve: %2</translation>
    </message>
    <message>
        <source>Matches: %1. Checked: %2</source>
        <translation>Találatok: %1. Bejelölve: %2</translation>
    </message>
</context>
<context>
    <name>SearchResultModel</name>
    <message>
        <source>Version</source>
        <translation>Verzió</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Mappa</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Download</source>
        <translation>Letöltés</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Orvex Extract Tool Update</source>
        <translation>Orvex Extract Tool frissítése</translation>
    </message>
    <message>
        <source>Unable to check for update.</source>
        <translation>Nem sikerült frissítéseket keresni.</translation>
    </message>
    <message>
        <source>Contact Halvern support</source>
        <translation>Kapcsolatfelvétel a Halvern ügyfélszolgálatával</translation>
    </message>
    <message>
        <source>The latest version of Orvex Extract Tool is already installed.</source>
        <translation>Az Orvex Extract Tool legújabb verziója már telepítve van.</translation>
    </message>
    <message>
        <source>A newer version of Orvex Extract Tool is available. Version: %1.%2</source>
        <translation>Elérhető az Orvex Extract Tool újabb verziója. Verzió: %1.%2</translation>
    </message>
</context>
<context>
    <name>VerifyPassword</name>
    <message>
        <source>Verify Password</source>
        <translation>Jelszó ellenőrzése</translation>
    </message>
    <message>
        <source>A password is required to decrypt the data.</source>
        <translation>Az adatok visszafejtéséhez jelszó szükséges.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Jelszó</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>VeskFileInfo</name>
    <message>
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message>
        <source>Modified Date</source>
        <translation>Módosítás dátuma</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Méret</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Tallózás</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Kibontás</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Oldal:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Megjelenítés:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>elem</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Forrás: %1</translation>
    </message>
    <message>
        <source>Only the first 100,000 folders are displayed.</source>
        <translation>Csak az első 100 000 mappa jelenik meg.</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Megjelenített elemek: %1, összesen: %2</translation>
    </message>
    <message>
        <source>Selected: %1 Folders, %2 Files</source>
        <translation>Kijelölve: %1 mappa, %2 fájl</translation>
    </message>
    <message>
        <source>Estimated Restore Size: %1</source>
        <translation>Becsült visszaállítási méret: %1</translation>
    </message>
    <message>
        <source>Extract All</source>
        <translation>Összes kibontása</translation>
    </message>
    <message>
        <source>Check every entry on this page</source>
        <translation>Az oldal összes elemének bejelölése</translation>
    </message>
    <message>
        <source>Newest version</source>
        <translation>Legújabb verzió</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Ez a mappa üres.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Betöltés…</translation>
    </message>
    <message>
        <source>calculating…</source>
        <translation>számítás…</translation>
    </message>
    <message>
        <source>Versions of this file</source>
        <translation>A fájl verziói</translation>
    </message>
    <message>
        <source>Search by name (Ctrl+F)</source>
        <translation>Keresés név szerint (Ctrl+F)</translation>
    </message>
    <message>
        <source>All versions</source>
        <translation>Minden verzió</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Keresés</translation>
    </message>
</context>
<context>
    <name>VeskMain</name>
    <message>
        <source>Extract VESK folders on any platform</source>
        <translation>VESK-mappák kibontása bármely platformon</translation>
    </message>
    <message>
        <source>Click below to start using the Orvex Extract Tool</source>
        <translation>Az Orvex Extract Tool használatának megkezdéséhez kattintson alább</translation>
    </message>
    <message>
        <source>Browse file</source>
        <translation>Fájl tallózása</translation>
    </message>
</context>
<context>
    <name>VeskOpener</name>
    <message>
        <source>Unknown VESK format. Confirm integrity of VESK folder and try again.</source>
        <translation>Ismeretlen VESK-formátum. Ellenőrizze a VESK-mappa épségét, majd próbálja újra.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Helytelen jelszó.</translation>
    </message>
    <message>
        <source>Unknown VESK format.</source>
        <translation>Ismeretlen VESK-formátum.</translation>
    </message>
</context>
<context>
    <name>WaitingDialog</name>
    <message>
        <source>Please wait...</source>
        <translation>Kérjük, várjon...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
</TS>

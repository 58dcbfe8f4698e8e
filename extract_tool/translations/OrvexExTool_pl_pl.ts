<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>About</name>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Wersja: %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool is made by Halvern. All rights reserved.</source>
        <translation>Orvex Extract Tool jest produktem firmy Halvern. Wszelkie prawa zastrzeżone.</translation>
    </message>
</context>
<context>
    <name>ConflictPolicyConfirm</name>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>Yes All</source>
        <translation>Tak dla wszystkich</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>NO All</source>
        <translation>Nie dla wszystkich</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Zastąp</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Zastąp wszystkie</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pomiń</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>Pomiń wszystkie</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation>Zmień nazwy wszystkich</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Dziennik zdarzeń</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Komunikat</translation>
    </message>
    <message>
        <source>The event log file %1 could not be opened; only this run&apos;s debug output has the messages.</source>
        <translation>Nie można otworzyć pliku dziennika zdarzeń %1; komunikaty są dostępne tylko w wyjściu debugowania bieżącego uruchomienia.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all event logs?</source>
        <translation>Czy na pewno chcesz usunąć wszystkie wpisy dziennika zdarzeń?</translation>
    </message>
    <message>
        <source>This is the event log file itself.</source>
        <translation>To jest sam plik dziennika zdarzeń.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Zapisz plik</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>Pliki dziennika (*.log)</translation>
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
        <translation>Szacowany rozmiar po przywróceniu wynosi %1. Wybierz lokalizację docelową z ilością miejsca na dysku wystarczającą do wyodrębnienia.</translation>
    </message>
    <message>
        <source>Select a target folder</source>
        <translation>Wybierz folder docelowy</translation>
    </message>
    <message>
        <source>The source and destination folders cannot be the same. Select another folder.</source>
        <translation>Folder źródłowy i docelowy nie mogą być takie same. Wybierz inny folder.</translation>
    </message>
    <message>
        <source>Failed to extract. The destination file system is unwritable. Check the file system property and try again.</source>
        <translation>Nie udało się wyodrębnić. Docelowy system plików nie pozwala na zapis. Sprawdź właściwości systemu plików i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Cannot retrieve disk space information for the selected destination. Are you sure you want to continue?</source>
        <translation>Nie można pobrać informacji o miejscu na dysku w wybranej lokalizacji docelowej. Czy na pewno chcesz kontynuować?</translation>
    </message>
    <message>
        <source>The selected destination doesn&apos;t have enough disk space. Select another destination and try again.</source>
        <translation>W wybranej lokalizacji docelowej brakuje miejsca na dysku. Wybierz inną lokalizację docelową i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Select a conflict policy for dealing with file conflicts during extraction.</source>
        <translation>Wybierz sposób postępowania w przypadku konfliktów plików podczas wyodrębniania.</translation>
    </message>
    <message>
        <source>Cannot add additional background tasks. The maximum number of tasks has been reached. To continue, delete individual tasks or click Clear Completed Tasks.</source>
        <translation>Nie można dodać kolejnych zadań w tle. Osiągnięto maksymalną liczbę zadań. Aby kontynuować, usuń wybrane zadania lub kliknij Wyczyść ukończone zadania.</translation>
    </message>
    <message>
        <source>Failed to extract files. Check the event logs for more information.</source>
        <translation>Nie udało się wyodrębnić plików. Więcej informacji znajdziesz w dzienniku zdarzeń.</translation>
    </message>
</context>
<context>
    <name>FileVersionsDialog</name>
    <message>
        <source>State</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>added</source>
        <translation>dodany</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>zmieniony</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>bez zmian</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>usunięty</translation>
    </message>
    <message>
        <source>The versions of this file could not be read.</source>
        <translation>Nie można odczytać wersji tego pliku.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Version time</source>
        <translation>Czas wersji</translation>
    </message>
</context>
<context>
    <name>Hcommon</name>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pomiń</translation>
    </message>
</context>
<context>
    <name>Hcommon::PagingBar</name>
    <message>
        <source>Page:</source>
        <translation>Strona:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Pokaż:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>elementów</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Wyświetlane elementy: %1, łącznie: %2</translation>
    </message>
</context>
<context>
    <name>LicenseInfo</name>
    <message>
        <source>Open Source &amp; Third Party Software</source>
        <translation>Oprogramowanie open source i innych firm</translation>
    </message>
    <message>
        <source>The notices file %1 could not be read: %2</source>
        <translation>Nie można odczytać pliku z informacjami prawnymi %1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open VESK Folder</source>
        <translation>Otwórz folder VESK</translation>
    </message>
    <message>
        <source>Halvern Orvex Extract Tool for Windows</source>
        <translation>Halvern Orvex Extract Tool dla systemu Windows</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Background Tasks</source>
        <translation>Zadania w tle</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Dziennik zdarzeń</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Sprawdź aktualizacje</translation>
    </message>
    <message>
        <source>Open Source &amp;&amp; Third Party Software</source>
        <translation>Oprogramowanie open source &amp;&amp; innych firm</translation>
    </message>
    <message>
        <source>Some tasks have not completed yet. Are you sure you want to exit the application?</source>
        <translation>Niektóre zadania nie zostały jeszcze ukończone. Czy na pewno chcesz zamknąć aplikację?</translation>
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
        <translation>Globalny</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Chiny</translation>
    </message>
    <message>
        <source>In compliance with regional Internet service regulations, Halvern configures services according to your region. Please provide your region information to ensure better connection quality.</source>
        <translation>Zgodnie z regionalnymi przepisami dotyczącymi usług internetowych firma Halvern konfiguruje usługi w zależności od regionu. Podaj swój region, aby zapewnić lepszą jakość połączenia.</translation>
    </message>
    <message>
        <source>Learn more about this</source>
        <translation>Więcej informacji</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Automatycznie sprawdzaj aktualizacje</translation>
    </message>
    <message>
        <source>Delete .vesk folder after extraction</source>
        <translation>Usuń folder .vesk po wyodrębnieniu</translation>
    </message>
    <message>
        <source>The .vesk folder is deleted after the extraction process completes. This option is only applied when extracting the entire folder by selecting Extract All from the context menu.</source>
        <translation>Folder .vesk zostanie usunięty po zakończeniu wyodrębniania. Ta opcja ma zastosowanie tylko wtedy, gdy cały folder jest wyodrębniany za pomocą polecenia Wyodrębnij wszystko z menu kontekstowego.</translation>
    </message>
    <message>
        <source>Confirm before deleting</source>
        <translation>Potwierdzaj przed usunięciem</translation>
    </message>
    <message>
        <source>Delete without asking</source>
        <translation>Usuwaj bez pytania</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Version Update</source>
        <translation>Aktualizacja wersji</translation>
    </message>
    <message>
        <source>Extraction Settings</source>
        <translation>Ustawienia wyodrębniania</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Selecting this option will delete the .vesk folder after the extraction process completes. Deleted folders cannot be restored.</source>
        <translation>Po zaznaczeniu tej opcji folder .vesk zostanie usunięty po zakończeniu wyodrębniania. Usuniętych folderów nie można przywrócić.</translation>
    </message>
    <message>
        <source>I understand</source>
        <translation>Rozumiem</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Nie można zapisać ustawień.</translation>
    </message>
</context>
<context>
    <name>RemoveVeskFileThread</name>
    <message>
        <source>[%1] [%2] Delete &quot;%3&quot;.</source>
        <translation>[%1] [%2] Usunięto „%3”.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to delete VESK folder. File is undeletable. Failed to delete folder. Check the folder properties.</source>
        <translation>[%1] [%2] Nie udało się usunąć folderu VESK. Nie można usunąć pliku. Sprawdź właściwości folderu.</translation>
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
        <translation>pozostało %1</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otwórz folder</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>Wyodrębnianie...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Wstrzymane</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Ukończone</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Nieudane</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>W kolejce</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Uruchom</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Usuń z listy</translation>
    </message>
</context>
<context>
    <name>RestoreJobManager</name>
    <message>
        <source>Background Tasks</source>
        <translation>Zadania w tle</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ukryj</translation>
    </message>
    <message>
        <source>Clear Completed Tasks</source>
        <translation>Wyczyść ukończone zadania</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Utworzono</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Źródło</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Miejsce docelowe</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Akcja</translation>
    </message>
    <message>
        <source>Total tasks: %1</source>
        <translation>Łącznie zadań: %1</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <translation>Ukończone: %1</translation>
    </message>
    <message>
        <source>Extracting: %1</source>
        <translation>Wyodrębniane: %1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Wstrzymane: %1</translation>
    </message>
    <message>
        <source>Queued: %1</source>
        <translation>W kolejce: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Nieudane: %1</translation>
    </message>
    <message>
        <source>[%1] [%2] The background task file is damaged and was skipped: %3</source>
        <translation>[%1] [%2] Plik zadania w tle jest uszkodzony i został pominięty: %3</translation>
    </message>
    <message>
        <source>it names the job %1</source>
        <translation>plik wskazuje zadanie %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Completed extraction. Are you sure you want to delete the .vesk folder &quot;%1&quot;?</source>
        <translation>Wyodrębnianie zostało ukończone. Czy na pewno chcesz usunąć folder .vesk „%1”?</translation>
    </message>
    <message>
        <source>[%1] [%2] The VESK folder &quot;%3&quot; was not deleted: another background task still extracts from it.</source>
        <translation>[%1] [%2] Folder VESK „%3” nie został usunięty: inne zadanie w tle nadal wyodrębnia z niego dane.</translation>
    </message>
</context>
<context>
    <name>RestoreProgressDialog</name>
    <message>
        <source>Extract</source>
        <translation>Wyodrębnij</translation>
    </message>
    <message>
        <source>%1% completed</source>
        <translation>Ukończono %1%</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>RestoreVeskFileListThread</name>
    <message>
        <source>[%1] [%2] Started to extract data to &quot;%5&quot;. Folders: %4. Files:%3.</source>
        <translation>[%1] [%2] Rozpoczęto wyodrębnianie danych do „%5”. Foldery: %4. Pliki: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract %3.</source>
        <translation>[%1] [%2] Nie udało się wyodrębnić: %3.</translation>
    </message>
    <message>
        <source>Failed to open VESK folder. VESK folder does not exist. Ensure folder exists and try again.</source>
        <translation>Nie udało się otworzyć folderu VESK. Folder VESK nie istnieje. Upewnij się, że folder istnieje, i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>[%1] [%2] User stopped extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Użytkownik zatrzymał wyodrębnianie danych do „%5”. Foldery: %4. Pliki: %3.</translation>
    </message>
    <message>
        <source>Incorrect password. Verify password is correct before trying again.</source>
        <translation>Nieprawidłowe hasło. Sprawdź, czy hasło jest poprawne, i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Unknown VESK folder format. Confirm integrity of VESK folder and try again.</source>
        <translation>Nieznany format folderu VESK. Sprawdź integralność folderu VESK i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Replaced file number: %6.</source>
        <translation>[%1] [%2] Zakończono wyodrębnianie danych do „%5”. Foldery: %4. Pliki: %3. Liczba zastąpionych plików: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Skipped file number: %6.</source>
        <translation>[%1] [%2] Zakończono wyodrębnianie danych do „%5”. Foldery: %4. Pliki: %3. Liczba pominiętych plików: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Zakończono wyodrębnianie danych do „%5”. Foldery: %4. Pliki: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Insufficient storage space. Free up disk space or increase storage capacity. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Nie udało się wyodrębnić danych do „%5”. Za mało miejsca w pamięci masowej. Zwolnij miejsce na dysku lub zwiększ pojemność pamięci masowej. Foldery: %4. Pliki: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Some files failed to extract. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Nie udało się wyodrębnić danych do „%5”. Niektórych plików nie udało się wyodrębnić. Foldery: %4. Pliki: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] The file to resume from is not in the backup; every file was extracted again under the conflict policy.</source>
        <translation>[%1] [%2] Pliku, od którego miało zostać wznowione wyodrębnianie, nie ma w kopii zapasowej; wszystkie pliki zostały wyodrębnione ponownie zgodnie z wybranym sposobem rozwiązywania konfliktów.</translation>
    </message>
</context>
<context>
    <name>SearchPanel</name>
    <message>
        <source>Searching…</source>
        <translation>Wyszukiwanie…</translation>
    </message>
    <message>
        <source>The search could not be completed.</source>
        <translation>Nie można ukończyć wyszukiwania.</translation>
    </message>
    <message>
        <source>No matches.</source>
        <translation>Brak wyników.</translation>
    </message>
    <message>
        <source>The first %1 matches are shown. Refine the search to see the others. Checked: %2</source>
        <translation>Wyświetlono pierwsze %1 wyników. Zawęź wyszukiwanie, aby zobaczyć pozostałe. Zaznaczone: %2</translation>
    </message>
    <message>
        <source>Matches: %1. Checked: %2</source>
        <translation>Wyniki: %1. Zaznaczone: %2</translation>
    </message>
</context>
<context>
    <name>SearchResultModel</name>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Download</source>
        <translation>Pobierz</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Orvex Extract Tool Update</source>
        <translation>Aktualizacja Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Unable to check for update.</source>
        <translation>Nie można sprawdzić dostępności aktualizacji.</translation>
    </message>
    <message>
        <source>Contact Halvern support</source>
        <translation>Skontaktuj się z pomocą techniczną Halvern</translation>
    </message>
    <message>
        <source>The latest version of Orvex Extract Tool is already installed.</source>
        <translation>Zainstalowana jest już najnowsza wersja Orvex Extract Tool.</translation>
    </message>
    <message>
        <source>A newer version of Orvex Extract Tool is available. Version: %1.%2</source>
        <translation>Dostępna jest nowsza wersja Orvex Extract Tool. Wersja: %1.%2</translation>
    </message>
</context>
<context>
    <name>VerifyPassword</name>
    <message>
        <source>Verify Password</source>
        <translation>Weryfikacja hasła</translation>
    </message>
    <message>
        <source>A password is required to decrypt the data.</source>
        <translation>Do odszyfrowania danych wymagane jest hasło.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>VeskFileInfo</name>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Modified Date</source>
        <translation>Data modyfikacji</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Przeglądaj</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Wyodrębnij</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Strona:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Pokaż:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>elementów</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Źródło: %1</translation>
    </message>
    <message>
        <source>Only the first 100,000 folders are displayed.</source>
        <translation>Wyświetlanych jest tylko pierwszych 100 000 folderów.</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Wyświetlane elementy: %1, łącznie: %2</translation>
    </message>
    <message>
        <source>Selected: %1 Folders, %2 Files</source>
        <translation>Zaznaczono: foldery: %1, pliki: %2</translation>
    </message>
    <message>
        <source>Estimated Restore Size: %1</source>
        <translation>Szacowany rozmiar przywracanych danych: %1</translation>
    </message>
    <message>
        <source>Extract All</source>
        <translation>Wyodrębnij wszystko</translation>
    </message>
    <message>
        <source>Check every entry on this page</source>
        <translation>Zaznacz wszystkie pozycje na tej stronie</translation>
    </message>
    <message>
        <source>Newest version</source>
        <translation>Najnowsza wersja</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Ten folder jest pusty.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Wczytywanie…</translation>
    </message>
    <message>
        <source>calculating…</source>
        <translation>obliczanie…</translation>
    </message>
    <message>
        <source>Versions of this file</source>
        <translation>Wersje tego pliku</translation>
    </message>
    <message>
        <source>Search by name (Ctrl+F)</source>
        <translation>Szukaj według nazwy (Ctrl+F)</translation>
    </message>
    <message>
        <source>All versions</source>
        <translation>Wszystkie wersje</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
</context>
<context>
    <name>VeskMain</name>
    <message>
        <source>Extract VESK folders on any platform</source>
        <translation>Wyodrębniaj foldery VESK na dowolnej platformie</translation>
    </message>
    <message>
        <source>Click below to start using the Orvex Extract Tool</source>
        <translation>Kliknij poniżej, aby zacząć korzystać z Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Browse file</source>
        <translation>Wybierz plik</translation>
    </message>
</context>
<context>
    <name>VeskOpener</name>
    <message>
        <source>Unknown VESK format. Confirm integrity of VESK folder and try again.</source>
        <translation>Nieznany format VESK. Sprawdź integralność folderu VESK i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Nieprawidłowe hasło.</translation>
    </message>
    <message>
        <source>Unknown VESK format.</source>
        <translation>Nieznany format VESK.</translation>
    </message>
</context>
<context>
    <name>WaitingDialog</name>
    <message>
        <source>Please wait...</source>
        <translation>Proszę czekać...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
</TS>

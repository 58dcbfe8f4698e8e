<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>About</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Версия: %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool is made by Halvern. All rights reserved.</source>
        <translation>Orvex Extract Tool — продукт компании Halvern. Все права защищены.</translation>
    </message>
</context>
<context>
    <name>ConflictPolicyConfirm</name>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Yes All</source>
        <translation>Да для всех</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>NO All</source>
        <translation>Нет для всех</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Заменить все</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропустить</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>Пропустить все</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation>Переименовать все</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Журнал событий</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>The event log file %1 could not be opened; only this run&apos;s debug output has the messages.</source>
        <translation>Не удалось открыть файл журнала событий %1; сообщения есть только в отладочном выводе текущего сеанса.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all event logs?</source>
        <translation>Удалить все записи журнала событий?</translation>
    </message>
    <message>
        <source>This is the event log file itself.</source>
        <translation>Это и есть файл журнала событий.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Сохранить файл</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>Файлы журнала (*.log)</translation>
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
        <translation>Предполагаемый размер после восстановления: %1. Выберите место назначения с достаточным объёмом свободного места на диске.</translation>
    </message>
    <message>
        <source>Select a target folder</source>
        <translation>Выберите целевую папку</translation>
    </message>
    <message>
        <source>The source and destination folders cannot be the same. Select another folder.</source>
        <translation>Исходная и целевая папки не могут совпадать. Выберите другую папку.</translation>
    </message>
    <message>
        <source>Failed to extract. The destination file system is unwritable. Check the file system property and try again.</source>
        <translation>Не удалось выполнить извлечение. Файловая система назначения недоступна для записи. Проверьте свойства файловой системы и повторите попытку.</translation>
    </message>
    <message>
        <source>Cannot retrieve disk space information for the selected destination. Are you sure you want to continue?</source>
        <translation>Не удалось получить сведения о свободном месте в выбранном месте назначения. Продолжить?</translation>
    </message>
    <message>
        <source>The selected destination doesn&apos;t have enough disk space. Select another destination and try again.</source>
        <translation>В выбранном месте назначения недостаточно свободного места на диске. Выберите другое место назначения и повторите попытку.</translation>
    </message>
    <message>
        <source>Select a conflict policy for dealing with file conflicts during extraction.</source>
        <translation>Выберите способ разрешения конфликтов файлов при извлечении.</translation>
    </message>
    <message>
        <source>Cannot add additional background tasks. The maximum number of tasks has been reached. To continue, delete individual tasks or click Clear Completed Tasks.</source>
        <translation>Невозможно добавить новые фоновые задачи: достигнуто максимальное число задач. Чтобы продолжить, удалите отдельные задачи или нажмите «Очистить завершённые задачи».</translation>
    </message>
    <message>
        <source>Failed to extract files. Check the event logs for more information.</source>
        <translation>Не удалось извлечь файлы. Подробности см. в журнале событий.</translation>
    </message>
</context>
<context>
    <name>FileVersionsDialog</name>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>added</source>
        <translation>добавлен</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>изменён</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>без изменений</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>удалён</translation>
    </message>
    <message>
        <source>The versions of this file could not be read.</source>
        <translation>Не удалось прочитать версии этого файла.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Version time</source>
        <translation>Время версии</translation>
    </message>
</context>
<context>
    <name>Hcommon</name>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропустить</translation>
    </message>
</context>
<context>
    <name>Hcommon::PagingBar</name>
    <message>
        <source>Page:</source>
        <translation>Страница:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Показывать:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>элементов</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Показаны элементы: %1, всего: %2</translation>
    </message>
</context>
<context>
    <name>LicenseInfo</name>
    <message>
        <source>Open Source &amp; Third Party Software</source>
        <translation>Открытое и стороннее программное обеспечение</translation>
    </message>
    <message>
        <source>The notices file %1 could not be read: %2</source>
        <translation>Не удалось прочитать файл уведомлений %1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open VESK Folder</source>
        <translation>Открыть папку VESK</translation>
    </message>
    <message>
        <source>Halvern Orvex Extract Tool for Windows</source>
        <translation>Halvern Orvex Extract Tool для Windows</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Background Tasks</source>
        <translation>Фоновые задачи</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Журнал событий</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Open Source &amp;&amp; Third Party Software</source>
        <translation>Открытое &amp;&amp; стороннее ПО</translation>
    </message>
    <message>
        <source>Some tasks have not completed yet. Are you sure you want to exit the application?</source>
        <translation>Некоторые задачи ещё не завершены. Выйти из приложения?</translation>
    </message>
</context>
<context>
    <name>Region</name>
    <message>
        <source>Region</source>
        <translation>Регион</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Весь мир</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Китай</translation>
    </message>
    <message>
        <source>In compliance with regional Internet service regulations, Halvern configures services according to your region. Please provide your region information to ensure better connection quality.</source>
        <translation>В соответствии с региональными правилами предоставления интернет-услуг Halvern настраивает службы в зависимости от вашего региона. Укажите свой регион, чтобы обеспечить более высокое качество подключения.</translation>
    </message>
    <message>
        <source>Learn more about this</source>
        <translation>Подробнее</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Автоматически проверять обновления</translation>
    </message>
    <message>
        <source>Delete .vesk folder after extraction</source>
        <translation>Удалять папку .vesk после извлечения</translation>
    </message>
    <message>
        <source>The .vesk folder is deleted after the extraction process completes. This option is only applied when extracting the entire folder by selecting Extract All from the context menu.</source>
        <translation>Папка .vesk удаляется после завершения извлечения. Этот параметр применяется только при извлечении всей папки с помощью команды «Извлечь все» в контекстном меню.</translation>
    </message>
    <message>
        <source>Confirm before deleting</source>
        <translation>Подтверждать удаление</translation>
    </message>
    <message>
        <source>Delete without asking</source>
        <translation>Удалять без запроса</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Version Update</source>
        <translation>Обновление версии</translation>
    </message>
    <message>
        <source>Extraction Settings</source>
        <translation>Параметры извлечения</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Selecting this option will delete the .vesk folder after the extraction process completes. Deleted folders cannot be restored.</source>
        <translation>Если выбрать этот параметр, папка .vesk будет удаляться после завершения извлечения. Удалённые папки невозможно восстановить.</translation>
    </message>
    <message>
        <source>I understand</source>
        <translation>Понятно</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Не удалось сохранить настройки.</translation>
    </message>
</context>
<context>
    <name>RemoveVeskFileThread</name>
    <message>
        <source>[%1] [%2] Delete &quot;%3&quot;.</source>
        <translation>[%1] [%2] Удаление «%3».</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to delete VESK folder. File is undeletable. Failed to delete folder. Check the folder properties.</source>
        <translation>[%1] [%2] Не удалось удалить папку VESK. Файл невозможно удалить. Не удалось удалить папку. Проверьте свойства папки.</translation>
    </message>
</context>
<context>
    <name>RestoreJob</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/с</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>осталось %1</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>Извлечение...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Приостановлено</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>В очереди</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Запустить</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Приостановить</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
</context>
<context>
    <name>RestoreJobManager</name>
    <message>
        <source>Background Tasks</source>
        <translation>Фоновые задачи</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Скрыть</translation>
    </message>
    <message>
        <source>Clear Completed Tasks</source>
        <translation>Очистить завершённые задачи</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Создано</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Назначение</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Total tasks: %1</source>
        <translation>Всего задач: %1</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <translation>Завершено: %1</translation>
    </message>
    <message>
        <source>Extracting: %1</source>
        <translation>Извлекается: %1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Приостановлено: %1</translation>
    </message>
    <message>
        <source>Queued: %1</source>
        <translation>В очереди: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>С ошибкой: %1</translation>
    </message>
    <message>
        <source>[%1] [%2] The background task file is damaged and was skipped: %3</source>
        <translation>[%1] [%2] Файл фоновой задачи повреждён и пропущен: %3</translation>
    </message>
    <message>
        <source>it names the job %1</source>
        <translation>в нём указана задача %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Completed extraction. Are you sure you want to delete the .vesk folder &quot;%1&quot;?</source>
        <translation>Извлечение завершено. Удалить папку .vesk «%1»?</translation>
    </message>
    <message>
        <source>[%1] [%2] The VESK folder &quot;%3&quot; was not deleted: another background task still extracts from it.</source>
        <translation>[%1] [%2] Папка VESK «%3» не удалена: другая фоновая задача ещё извлекает из неё данные.</translation>
    </message>
</context>
<context>
    <name>RestoreProgressDialog</name>
    <message>
        <source>Extract</source>
        <translation>Извлечь</translation>
    </message>
    <message>
        <source>%1% completed</source>
        <translation>Выполнено: %1%</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>RestoreVeskFileListThread</name>
    <message>
        <source>[%1] [%2] Started to extract data to &quot;%5&quot;. Folders: %4. Files:%3.</source>
        <translation>[%1] [%2] Начато извлечение данных в «%5». Папок: %4. Файлов: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract %3.</source>
        <translation>[%1] [%2] Не удалось извлечь %3.</translation>
    </message>
    <message>
        <source>Failed to open VESK folder. VESK folder does not exist. Ensure folder exists and try again.</source>
        <translation>Не удалось открыть папку VESK. Папка VESK не существует. Убедитесь, что папка существует, и повторите попытку.</translation>
    </message>
    <message>
        <source>[%1] [%2] User stopped extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Пользователь остановил извлечение данных в «%5». Папок: %4. Файлов: %3.</translation>
    </message>
    <message>
        <source>Incorrect password. Verify password is correct before trying again.</source>
        <translation>Неверный пароль. Проверьте правильность пароля и повторите попытку.</translation>
    </message>
    <message>
        <source>Unknown VESK folder format. Confirm integrity of VESK folder and try again.</source>
        <translation>Неизвестный формат папки VESK. Проверьте целостность папки VESK и повторите попытку.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Replaced file number: %6.</source>
        <translation>[%1] [%2] Извлечение данных в «%5» завершено. Папок: %4. Файлов: %3. Заменено файлов: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Skipped file number: %6.</source>
        <translation>[%1] [%2] Извлечение данных в «%5» завершено. Папок: %4. Файлов: %3. Пропущено файлов: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Извлечение данных в «%5» завершено. Папок: %4. Файлов: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Insufficient storage space. Free up disk space or increase storage capacity. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Не удалось извлечь данные в «%5». Недостаточно места для хранения. Освободите место на диске или увеличьте объём хранилища. Папок: %4. Файлов: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Some files failed to extract. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Не удалось извлечь данные в «%5». Некоторые файлы не удалось извлечь. Папок: %4. Файлов: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] The file to resume from is not in the backup; every file was extracted again under the conflict policy.</source>
        <translation>[%1] [%2] Файла, с которого следовало продолжить, нет в резервной копии; все файлы извлечены заново с учётом выбранного способа разрешения конфликтов.</translation>
    </message>
</context>
<context>
    <name>SearchPanel</name>
    <message>
        <source>Searching…</source>
        <translation>Поиск…</translation>
    </message>
    <message>
        <source>The search could not be completed.</source>
        <translation>Не удалось завершить поиск.</translation>
    </message>
    <message>
        <source>No matches.</source>
        <translation>Совпадений нет.</translation>
    </message>
    <message>
        <source>The first %1 matches are shown. Refine the search to see the others. Checked: %2</source>
        <translation>Показаны первые %1 совпадений. Уточните поиск, чтобы увидеть остальные. Отмечено: %2</translation>
    </message>
    <message>
        <source>Matches: %1. Checked: %2</source>
        <translation>Совпадений: %1. Отмечено: %2</translation>
    </message>
</context>
<context>
    <name>SearchResultModel</name>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Download</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Orvex Extract Tool Update</source>
        <translation>Обновление Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Unable to check for update.</source>
        <translation>Не удалось проверить наличие обновлений.</translation>
    </message>
    <message>
        <source>Contact Halvern support</source>
        <translation>Обратиться в службу поддержки Halvern</translation>
    </message>
    <message>
        <source>The latest version of Orvex Extract Tool is already installed.</source>
        <translation>Установлена последняя версия Orvex Extract Tool.</translation>
    </message>
    <message>
        <source>A newer version of Orvex Extract Tool is available. Version: %1.%2</source>
        <translation>Доступна новая версия Orvex Extract Tool. Версия: %1.%2</translation>
    </message>
</context>
<context>
    <name>VerifyPassword</name>
    <message>
        <source>Verify Password</source>
        <translation>Проверка пароля</translation>
    </message>
    <message>
        <source>A password is required to decrypt the data.</source>
        <translation>Для расшифровки данных требуется пароль.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>VeskFileInfo</name>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Modified Date</source>
        <translation>Дата изменения</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Извлечь</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Страница:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Показывать:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>элементов</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Источник: %1</translation>
    </message>
    <message>
        <source>Only the first 100,000 folders are displayed.</source>
        <translation>Показаны только первые 100 000 папок.</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Показаны элементы: %1, всего: %2</translation>
    </message>
    <message>
        <source>Selected: %1 Folders, %2 Files</source>
        <translation>Выбрано: папок: %1, файлов: %2</translation>
    </message>
    <message>
        <source>Estimated Restore Size: %1</source>
        <translation>Предполагаемый размер восстановления: %1</translation>
    </message>
    <message>
        <source>Extract All</source>
        <translation>Извлечь все</translation>
    </message>
    <message>
        <source>Check every entry on this page</source>
        <translation>Отметить все элементы на этой странице</translation>
    </message>
    <message>
        <source>Newest version</source>
        <translation>Последняя версия</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Эта папка пуста.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Загрузка…</translation>
    </message>
    <message>
        <source>calculating…</source>
        <translation>вычисление…</translation>
    </message>
    <message>
        <source>Versions of this file</source>
        <translation>Версии этого файла</translation>
    </message>
    <message>
        <source>Search by name (Ctrl+F)</source>
        <translation>Поиск по имени (Ctrl+F)</translation>
    </message>
    <message>
        <source>All versions</source>
        <translation>Все версии</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Найти</translation>
    </message>
</context>
<context>
    <name>VeskMain</name>
    <message>
        <source>Extract VESK folders on any platform</source>
        <translation>Извлекайте папки VESK на любой платформе</translation>
    </message>
    <message>
        <source>Click below to start using the Orvex Extract Tool</source>
        <translation>Нажмите кнопку ниже, чтобы начать работу с Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Browse file</source>
        <translation>Выбрать файл</translation>
    </message>
</context>
<context>
    <name>VeskOpener</name>
    <message>
        <source>Unknown VESK format. Confirm integrity of VESK folder and try again.</source>
        <translation>Неизвестный формат VESK. Проверьте целостность папки VESK и повторите попытку.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Неверный пароль.</translation>
    </message>
    <message>
        <source>Unknown VESK format.</source>
        <translation>Неизвестный формат VESK.</translation>
    </message>
</context>
<context>
    <name>WaitingDialog</name>
    <message>
        <source>Please wait...</source>
        <translation>Подождите...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
</TS>

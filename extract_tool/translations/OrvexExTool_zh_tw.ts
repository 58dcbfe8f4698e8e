<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>About</name>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>版本：%1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool is made by Halvern. All rights reserved.</source>
        <translation>Orvex Extract Tool 由 Halvern 開發。保留所有權利。</translation>
    </message>
</context>
<context>
    <name>ConflictPolicyConfirm</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Yes All</source>
        <translation>全部皆是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>NO All</source>
        <translation>全部皆否</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>取代</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>全部取代</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>略過</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>全部略過</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重新命名</translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation>全部重新命名</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重試</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>事件記錄</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>類型</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>訊息</translation>
    </message>
    <message>
        <source>The event log file %1 could not be opened; only this run&apos;s debug output has the messages.</source>
        <translation>無法開啟事件記錄檔 %1；這些訊息僅存在於本次執行的偵錯輸出中。</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all event logs?</source>
        <translation>確定要刪除所有事件記錄嗎？</translation>
    </message>
    <message>
        <source>This is the event log file itself.</source>
        <translation>這就是事件記錄檔本身。</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>儲存檔案</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>記錄檔 (*.log)</translation>
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
        <translation>還原後的預估大小為 %1。請選擇有足夠磁碟空間的目的地進行擷取。</translation>
    </message>
    <message>
        <source>Select a target folder</source>
        <translation>選取目標資料夾</translation>
    </message>
    <message>
        <source>The source and destination folders cannot be the same. Select another folder.</source>
        <translation>來源資料夾與目的地資料夾不可相同。請選取其他資料夾。</translation>
    </message>
    <message>
        <source>Failed to extract. The destination file system is unwritable. Check the file system property and try again.</source>
        <translation>擷取失敗。無法寫入目的地檔案系統。請檢查檔案系統屬性後再試一次。</translation>
    </message>
    <message>
        <source>Cannot retrieve disk space information for the selected destination. Are you sure you want to continue?</source>
        <translation>無法取得所選目的地的磁碟空間資訊。確定要繼續嗎？</translation>
    </message>
    <message>
        <source>The selected destination doesn&apos;t have enough disk space. Select another destination and try again.</source>
        <translation>所選目的地的磁碟空間不足。請選取其他目的地後再試一次。</translation>
    </message>
    <message>
        <source>Select a conflict policy for dealing with file conflicts during extraction.</source>
        <translation>請選取擷取期間處理檔案衝突的原則。</translation>
    </message>
    <message>
        <source>Cannot add additional background tasks. The maximum number of tasks has been reached. To continue, delete individual tasks or click Clear Completed Tasks.</source>
        <translation>無法再新增背景工作，工作數量已達上限。若要繼續，請刪除個別工作或按一下「清除已完成的工作」。</translation>
    </message>
    <message>
        <source>Failed to extract files. Check the event logs for more information.</source>
        <translation>擷取檔案失敗。請查看事件記錄以取得詳細資訊。</translation>
    </message>
</context>
<context>
    <name>FileVersionsDialog</name>
    <message>
        <source>State</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>added</source>
        <translation>已新增</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>已變更</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>未變更</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>已刪除</translation>
    </message>
    <message>
        <source>The versions of this file could not be read.</source>
        <translation>無法讀取此檔案的版本。</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Version time</source>
        <translation>版本時間</translation>
    </message>
</context>
<context>
    <name>Hcommon</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重試</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>略過</translation>
    </message>
</context>
<context>
    <name>Hcommon::PagingBar</name>
    <message>
        <source>Page:</source>
        <translation>頁：</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>顯示：</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>項</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>顯示項目：%1，總計：%2</translation>
    </message>
</context>
<context>
    <name>LicenseInfo</name>
    <message>
        <source>Open Source &amp; Third Party Software</source>
        <translation>開放原始碼與第三方軟體</translation>
    </message>
    <message>
        <source>The notices file %1 could not be read: %2</source>
        <translation>無法讀取聲明檔案 %1：%2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open VESK Folder</source>
        <translation>開啟 VESK 資料夾</translation>
    </message>
    <message>
        <source>Halvern Orvex Extract Tool for Windows</source>
        <translation>Halvern Orvex Extract Tool Windows 版</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Background Tasks</source>
        <translation>背景工作</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>事件記錄</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>Open Source &amp;&amp; Third Party Software</source>
        <translation>開放原始碼 &amp;&amp; 第三方軟體</translation>
    </message>
    <message>
        <source>Some tasks have not completed yet. Are you sure you want to exit the application?</source>
        <translation>部分工作尚未完成。確定要結束應用程式嗎？</translation>
    </message>
</context>
<context>
    <name>Region</name>
    <message>
        <source>Region</source>
        <translation>地區</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>全球</translation>
    </message>
    <message>
        <source>China</source>
        <translation>中國</translation>
    </message>
    <message>
        <source>In compliance with regional Internet service regulations, Halvern configures services according to your region. Please provide your region information to ensure better connection quality.</source>
        <translation>為遵守各地區的網際網路服務法規，Halvern 會依據您所在的地區設定服務。請提供您的地區資訊，以獲得更好的連線品質。</translation>
    </message>
    <message>
        <source>Learn more about this</source>
        <translation>深入瞭解</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>自動檢查更新</translation>
    </message>
    <message>
        <source>Delete .vesk folder after extraction</source>
        <translation>擷取後刪除 .vesk 資料夾</translation>
    </message>
    <message>
        <source>The .vesk folder is deleted after the extraction process completes. This option is only applied when extracting the entire folder by selecting Extract All from the context menu.</source>
        <translation>擷取程序完成後將刪除 .vesk 資料夾。僅在從快顯功能表選擇「全部擷取」來擷取整個資料夾時，此選項才會生效。</translation>
    </message>
    <message>
        <source>Confirm before deleting</source>
        <translation>刪除前確認</translation>
    </message>
    <message>
        <source>Delete without asking</source>
        <translation>不詢問直接刪除</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Version Update</source>
        <translation>版本更新</translation>
    </message>
    <message>
        <source>Extraction Settings</source>
        <translation>擷取設定</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Selecting this option will delete the .vesk folder after the extraction process completes. Deleted folders cannot be restored.</source>
        <translation>選取此選項後，擷取程序完成時將刪除 .vesk 資料夾。已刪除的資料夾無法復原。</translation>
    </message>
    <message>
        <source>I understand</source>
        <translation>我瞭解</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>無法儲存設定。</translation>
    </message>
</context>
<context>
    <name>RemoveVeskFileThread</name>
    <message>
        <source>[%1] [%2] Delete &quot;%3&quot;.</source>
        <translation>[%1] [%2] 刪除「%3」。</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to delete VESK folder. File is undeletable. Failed to delete folder. Check the folder properties.</source>
        <translation>[%1] [%2] 刪除 VESK 資料夾失敗。檔案無法刪除。刪除資料夾失敗。請檢查資料夾內容。</translation>
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
        <translation>%1/秒</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>剩餘 %1</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>開啟資料夾</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>正在擷取...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暫停</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>佇列中</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
</context>
<context>
    <name>RestoreJobManager</name>
    <message>
        <source>Background Tasks</source>
        <translation>背景工作</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>隱藏</translation>
    </message>
    <message>
        <source>Clear Completed Tasks</source>
        <translation>清除已完成的工作</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>建立時間</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>來源</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>目的地</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>動作</translation>
    </message>
    <message>
        <source>Total tasks: %1</source>
        <translation>工作總數：%1</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <translation>已完成：%1</translation>
    </message>
    <message>
        <source>Extracting: %1</source>
        <translation>正在擷取：%1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>已暫停：%1</translation>
    </message>
    <message>
        <source>Queued: %1</source>
        <translation>佇列中：%1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>失敗：%1</translation>
    </message>
    <message>
        <source>[%1] [%2] The background task file is damaged and was skipped: %3</source>
        <translation>[%1] [%2] 背景工作檔案已損毀，已略過：%3</translation>
    </message>
    <message>
        <source>it names the job %1</source>
        <translation>該檔案指向工作 %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Completed extraction. Are you sure you want to delete the .vesk folder &quot;%1&quot;?</source>
        <translation>擷取已完成。確定要刪除 .vesk 資料夾「%1」嗎？</translation>
    </message>
    <message>
        <source>[%1] [%2] The VESK folder &quot;%3&quot; was not deleted: another background task still extracts from it.</source>
        <translation>[%1] [%2] 未刪除 VESK 資料夾「%3」：另一個背景工作仍在從中擷取。</translation>
    </message>
</context>
<context>
    <name>RestoreProgressDialog</name>
    <message>
        <source>Extract</source>
        <translation>擷取</translation>
    </message>
    <message>
        <source>%1% completed</source>
        <translation>已完成 %1%</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>RestoreVeskFileListThread</name>
    <message>
        <source>[%1] [%2] Started to extract data to &quot;%5&quot;. Folders: %4. Files:%3.</source>
        <translation>[%1] [%2] 開始將資料擷取至「%5」。資料夾：%4。檔案：%3。</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract %3.</source>
        <translation>[%1] [%2] 擷取 %3 失敗。</translation>
    </message>
    <message>
        <source>Failed to open VESK folder. VESK folder does not exist. Ensure folder exists and try again.</source>
        <translation>開啟 VESK 資料夾失敗。VESK 資料夾不存在。請確認資料夾存在後再試一次。</translation>
    </message>
    <message>
        <source>[%1] [%2] User stopped extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] 使用者已停止將資料擷取至「%5」。資料夾：%4。檔案：%3。</translation>
    </message>
    <message>
        <source>Incorrect password. Verify password is correct before trying again.</source>
        <translation>密碼不正確。請確認密碼正確後再試一次。</translation>
    </message>
    <message>
        <source>Unknown VESK folder format. Confirm integrity of VESK folder and try again.</source>
        <translation>不明的 VESK 資料夾格式。請確認 VESK 資料夾的完整性後再試一次。</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Replaced file number: %6.</source>
        <translation>[%1] [%2] 已完成將資料擷取至「%5」。資料夾：%4。檔案：%3。取代的檔案數：%6。</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Skipped file number: %6.</source>
        <translation>[%1] [%2] 已完成將資料擷取至「%5」。資料夾：%4。檔案：%3。略過的檔案數：%6。</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] 已完成將資料擷取至「%5」。資料夾：%4。檔案：%3。</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Insufficient storage space. Free up disk space or increase storage capacity. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] 將資料擷取至「%5」失敗。儲存空間不足。請釋放磁碟空間或增加儲存容量。資料夾：%4。檔案：%3。</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Some files failed to extract. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] 將資料擷取至「%5」失敗。部分檔案擷取失敗。資料夾：%4。檔案：%3。</translation>
    </message>
    <message>
        <source>[%1] [%2] The file to resume from is not in the backup; every file was extracted again under the conflict policy.</source>
        <translation>[%1] [%2] 要繼續的檔案不在備份中；已依衝突處理原則重新擷取所有檔案。</translation>
    </message>
</context>
<context>
    <name>SearchPanel</name>
    <message>
        <source>Searching…</source>
        <translation>正在搜尋…</translation>
    </message>
    <message>
        <source>The search could not be completed.</source>
        <translation>無法完成搜尋。</translation>
    </message>
    <message>
        <source>No matches.</source>
        <translation>沒有相符的項目。</translation>
    </message>
    <message>
        <source>The first %1 matches are shown. Refine the search to see the others. Checked: %2</source>
        <translation>僅顯示前 %1 個相符項目。請縮小搜尋範圍以查看其餘項目。已勾選：%2</translation>
    </message>
    <message>
        <source>Matches: %1. Checked: %2</source>
        <translation>相符項目：%1。已勾選：%2</translation>
    </message>
</context>
<context>
    <name>SearchResultModel</name>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>資料夾</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Orvex Extract Tool Update</source>
        <translation>Orvex Extract Tool 更新</translation>
    </message>
    <message>
        <source>Unable to check for update.</source>
        <translation>無法檢查更新。</translation>
    </message>
    <message>
        <source>Contact Halvern support</source>
        <translation>聯絡 Halvern 技術支援</translation>
    </message>
    <message>
        <source>The latest version of Orvex Extract Tool is already installed.</source>
        <translation>已安裝最新版本的 Orvex Extract Tool。</translation>
    </message>
    <message>
        <source>A newer version of Orvex Extract Tool is available. Version: %1.%2</source>
        <translation>Orvex Extract Tool 有新版本可供使用。版本：%1.%2</translation>
    </message>
</context>
<context>
    <name>VerifyPassword</name>
    <message>
        <source>Verify Password</source>
        <translation>驗證密碼</translation>
    </message>
    <message>
        <source>A password is required to decrypt the data.</source>
        <translation>需要密碼才能解密資料。</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>VeskFileInfo</name>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Modified Date</source>
        <translation>修改日期</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>瀏覽</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>擷取</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>頁：</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>顯示：</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>項</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>來源：%1</translation>
    </message>
    <message>
        <source>Only the first 100,000 folders are displayed.</source>
        <translation>僅顯示前 100,000 個資料夾。</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>顯示項目：%1，總計：%2</translation>
    </message>
    <message>
        <source>Selected: %1 Folders, %2 Files</source>
        <translation>已選取：%1 個資料夾，%2 個檔案</translation>
    </message>
    <message>
        <source>Estimated Restore Size: %1</source>
        <translation>預估還原大小：%1</translation>
    </message>
    <message>
        <source>Extract All</source>
        <translation>全部擷取</translation>
    </message>
    <message>
        <source>Check every entry on this page</source>
        <translation>勾選此頁上的所有項目</translation>
    </message>
    <message>
        <source>Newest version</source>
        <translation>最新版本</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>此資料夾是空的。</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>正在載入…</translation>
    </message>
    <message>
        <source>calculating…</source>
        <translation>正在計算…</translation>
    </message>
    <message>
        <source>Versions of this file</source>
        <translation>此檔案的版本</translation>
    </message>
    <message>
        <source>Search by name (Ctrl+F)</source>
        <translation>依名稱搜尋 (Ctrl+F)</translation>
    </message>
    <message>
        <source>All versions</source>
        <translation>所有版本</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
</context>
<context>
    <name>VeskMain</name>
    <message>
        <source>Extract VESK folders on any platform</source>
        <translation>在任何平台上擷取 VESK 資料夾</translation>
    </message>
    <message>
        <source>Click below to start using the Orvex Extract Tool</source>
        <translation>按一下下方按鈕開始使用 Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Browse file</source>
        <translation>瀏覽檔案</translation>
    </message>
</context>
<context>
    <name>VeskOpener</name>
    <message>
        <source>Unknown VESK format. Confirm integrity of VESK folder and try again.</source>
        <translation>不明的 VESK 格式。請確認 VESK 資料夾的完整性後再試一次。</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>密碼不正確。</translation>
    </message>
    <message>
        <source>Unknown VESK format.</source>
        <translation>不明的 VESK 格式。</translation>
    </message>
</context>
<context>
    <name>WaitingDialog</name>
    <message>
        <source>Please wait...</source>
        <translation>請稍候...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>

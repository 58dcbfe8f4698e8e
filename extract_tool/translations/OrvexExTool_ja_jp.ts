<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>About</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>バージョン: %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool is made by Halvern. All rights reserved.</source>
        <translation>Orvex Extract Tool は Halvern が開発しました。All rights reserved.</translation>
    </message>
</context>
<context>
    <name>ConflictPolicyConfirm</name>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>Yes All</source>
        <translation>すべてにはい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>NO All</source>
        <translation>すべてにいいえ</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置き換え</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>すべて置き換え</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>すべてスキップ</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation>すべて名前を変更</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>イベントログ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>The event log file %1 could not be opened; only this run&apos;s debug output has the messages.</source>
        <translation>イベントログファイル %1 を開けませんでした。メッセージは今回の実行のデバッグ出力にのみ記録されます。</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all event logs?</source>
        <translation>すべてのイベントログを削除してもよろしいですか?</translation>
    </message>
    <message>
        <source>This is the event log file itself.</source>
        <translation>これはイベントログファイルそのものです。</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>ファイルの保存</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>ログファイル (*.log)</translation>
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
        <translation>復元後の推定サイズは %1 です。展開に十分な空き容量がある保存先を選択してください。</translation>
    </message>
    <message>
        <source>Select a target folder</source>
        <translation>保存先フォルダーを選択</translation>
    </message>
    <message>
        <source>The source and destination folders cannot be the same. Select another folder.</source>
        <translation>展開元と保存先に同じフォルダーは指定できません。別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Failed to extract. The destination file system is unwritable. Check the file system property and try again.</source>
        <translation>展開に失敗しました。保存先のファイルシステムに書き込めません。ファイルシステムのプロパティを確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Cannot retrieve disk space information for the selected destination. Are you sure you want to continue?</source>
        <translation>選択した保存先のディスク容量情報を取得できません。続行してもよろしいですか?</translation>
    </message>
    <message>
        <source>The selected destination doesn&apos;t have enough disk space. Select another destination and try again.</source>
        <translation>選択した保存先のディスク容量が不足しています。別の保存先を選択して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Select a conflict policy for dealing with file conflicts during extraction.</source>
        <translation>展開中にファイルが競合した場合の処理方法を選択してください。</translation>
    </message>
    <message>
        <source>Cannot add additional background tasks. The maximum number of tasks has been reached. To continue, delete individual tasks or click Clear Completed Tasks.</source>
        <translation>バックグラウンドタスクをこれ以上追加できません。タスク数が上限に達しています。続行するには、個別のタスクを削除するか、[完了したタスクをクリア] をクリックしてください。</translation>
    </message>
    <message>
        <source>Failed to extract files. Check the event logs for more information.</source>
        <translation>ファイルの展開に失敗しました。詳細はイベントログを確認してください。</translation>
    </message>
</context>
<context>
    <name>FileVersionsDialog</name>
    <message>
        <source>State</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>added</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>変更なし</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>The versions of this file could not be read.</source>
        <translation>このファイルのバージョンを読み取れませんでした。</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Version time</source>
        <translation>バージョンの日時</translation>
    </message>
</context>
<context>
    <name>Hcommon</name>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
</context>
<context>
    <name>Hcommon::PagingBar</name>
    <message>
        <source>Page:</source>
        <translation>ページ:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>表示:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>件</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>表示中: %1、合計: %2</translation>
    </message>
</context>
<context>
    <name>LicenseInfo</name>
    <message>
        <source>Open Source &amp; Third Party Software</source>
        <translation>オープンソースおよびサードパーティソフトウェア</translation>
    </message>
    <message>
        <source>The notices file %1 could not be read: %2</source>
        <translation>通知ファイル %1 を読み込めませんでした: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open VESK Folder</source>
        <translation>VESK フォルダーを開く</translation>
    </message>
    <message>
        <source>Halvern Orvex Extract Tool for Windows</source>
        <translation>Halvern Orvex Extract Tool for Windows</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Background Tasks</source>
        <translation>バックグラウンドタスク</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>イベントログ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>アップデートの確認</translation>
    </message>
    <message>
        <source>Open Source &amp;&amp; Third Party Software</source>
        <translation>オープンソース &amp;&amp; サードパーティソフトウェア</translation>
    </message>
    <message>
        <source>Some tasks have not completed yet. Are you sure you want to exit the application?</source>
        <translation>完了していないタスクがあります。アプリケーションを終了してもよろしいですか?</translation>
    </message>
</context>
<context>
    <name>Region</name>
    <message>
        <source>Region</source>
        <translation>地域</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>グローバル</translation>
    </message>
    <message>
        <source>China</source>
        <translation>中国</translation>
    </message>
    <message>
        <source>In compliance with regional Internet service regulations, Halvern configures services according to your region. Please provide your region information to ensure better connection quality.</source>
        <translation>Halvern は、各地域のインターネットサービスに関する規制に従い、お使いの地域に応じてサービスを構成しています。より良い接続品質を確保するため、地域情報を指定してください。</translation>
    </message>
    <message>
        <source>Learn more about this</source>
        <translation>詳細情報</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>アップデートを自動的に確認する</translation>
    </message>
    <message>
        <source>Delete .vesk folder after extraction</source>
        <translation>展開後に .vesk フォルダーを削除する</translation>
    </message>
    <message>
        <source>The .vesk folder is deleted after the extraction process completes. This option is only applied when extracting the entire folder by selecting Extract All from the context menu.</source>
        <translation>展開処理の完了後に .vesk フォルダーが削除されます。このオプションは、コンテキストメニューの [すべて展開] でフォルダー全体を展開する場合にのみ適用されます。</translation>
    </message>
    <message>
        <source>Confirm before deleting</source>
        <translation>削除する前に確認する</translation>
    </message>
    <message>
        <source>Delete without asking</source>
        <translation>確認せずに削除する</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Version Update</source>
        <translation>バージョンアップデート</translation>
    </message>
    <message>
        <source>Extraction Settings</source>
        <translation>展開設定</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Selecting this option will delete the .vesk folder after the extraction process completes. Deleted folders cannot be restored.</source>
        <translation>このオプションを選択すると、展開処理の完了後に .vesk フォルダーが削除されます。削除したフォルダーは元に戻せません。</translation>
    </message>
    <message>
        <source>I understand</source>
        <translation>了解しました</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>設定を保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>RemoveVeskFileThread</name>
    <message>
        <source>[%1] [%2] Delete &quot;%3&quot;.</source>
        <translation>[%1] [%2] 「%3」を削除しました。</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to delete VESK folder. File is undeletable. Failed to delete folder. Check the folder properties.</source>
        <translation>[%1] [%2] VESK フォルダーを削除できませんでした。削除できないファイルがあります。フォルダーのプロパティを確認してください。</translation>
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
        <translation>残り %1</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>展開中...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
</context>
<context>
    <name>RestoreJobManager</name>
    <message>
        <source>Background Tasks</source>
        <translation>バックグラウンドタスク</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>非表示</translation>
    </message>
    <message>
        <source>Clear Completed Tasks</source>
        <translation>完了したタスクをクリア</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>作成日時</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>展開元</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Total tasks: %1</source>
        <translation>タスク合計: %1</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <translation>完了: %1</translation>
    </message>
    <message>
        <source>Extracting: %1</source>
        <translation>展開中: %1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>一時停止中: %1</translation>
    </message>
    <message>
        <source>Queued: %1</source>
        <translation>待機中: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>失敗: %1</translation>
    </message>
    <message>
        <source>[%1] [%2] The background task file is damaged and was skipped: %3</source>
        <translation>[%1] [%2] バックグラウンドタスクのファイルが破損しているため、スキップしました: %3</translation>
    </message>
    <message>
        <source>it names the job %1</source>
        <translation>ファイル内のタスク番号が %1 になっています</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Completed extraction. Are you sure you want to delete the .vesk folder &quot;%1&quot;?</source>
        <translation>展開が完了しました。.vesk フォルダー「%1」を削除してもよろしいですか?</translation>
    </message>
    <message>
        <source>[%1] [%2] The VESK folder &quot;%3&quot; was not deleted: another background task still extracts from it.</source>
        <translation>[%1] [%2] VESK フォルダー「%3」は削除されませんでした。別のバックグラウンドタスクがまだこのフォルダーから展開しています。</translation>
    </message>
</context>
<context>
    <name>RestoreProgressDialog</name>
    <message>
        <source>Extract</source>
        <translation>展開</translation>
    </message>
    <message>
        <source>%1% completed</source>
        <translation>%1% 完了</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>RestoreVeskFileListThread</name>
    <message>
        <source>[%1] [%2] Started to extract data to &quot;%5&quot;. Folders: %4. Files:%3.</source>
        <translation>[%1] [%2] 「%5」へのデータの展開を開始しました。フォルダー: %4、ファイル: %3。</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract %3.</source>
        <translation>[%1] [%2] %3 の展開に失敗しました。</translation>
    </message>
    <message>
        <source>Failed to open VESK folder. VESK folder does not exist. Ensure folder exists and try again.</source>
        <translation>VESK フォルダーを開けませんでした。VESK フォルダーが存在しません。フォルダーが存在することを確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>[%1] [%2] User stopped extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] ユーザーが「%5」へのデータの展開を中止しました。フォルダー: %4、ファイル: %3。</translation>
    </message>
    <message>
        <source>Incorrect password. Verify password is correct before trying again.</source>
        <translation>パスワードが正しくありません。パスワードを確認してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Unknown VESK folder format. Confirm integrity of VESK folder and try again.</source>
        <translation>不明な VESK フォルダー形式です。VESK フォルダーが破損していないことを確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Replaced file number: %6.</source>
        <translation>[%1] [%2] 「%5」へのデータの展開が完了しました。フォルダー: %4、ファイル: %3、置き換えたファイル数: %6。</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Skipped file number: %6.</source>
        <translation>[%1] [%2] 「%5」へのデータの展開が完了しました。フォルダー: %4、ファイル: %3、スキップしたファイル数: %6。</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] 「%5」へのデータの展開が完了しました。フォルダー: %4、ファイル: %3。</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Insufficient storage space. Free up disk space or increase storage capacity. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] 「%5」へのデータの展開に失敗しました。ストレージの空き容量が不足しています。ディスクの空き容量を増やすか、ストレージ容量を拡張してください。フォルダー: %4、ファイル: %3。</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Some files failed to extract. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] 「%5」へのデータの展開に失敗しました。一部のファイルを展開できませんでした。フォルダー: %4、ファイル: %3。</translation>
    </message>
    <message>
        <source>[%1] [%2] The file to resume from is not in the backup; every file was extracted again under the conflict policy.</source>
        <translation>[%1] [%2] 再開するファイルがバックアップにありません。すべてのファイルを、選択した競合時の処理方法に従って再度展開しました。</translation>
    </message>
</context>
<context>
    <name>SearchPanel</name>
    <message>
        <source>Searching…</source>
        <translation>検索中…</translation>
    </message>
    <message>
        <source>The search could not be completed.</source>
        <translation>検索を完了できませんでした。</translation>
    </message>
    <message>
        <source>No matches.</source>
        <translation>一致する項目はありません。</translation>
    </message>
    <message>
        <source>The first %1 matches are shown. Refine the search to see the others. Checked: %2</source>
        <translation>最初の %1 件を表示しています。ほかの項目を表示するには検索条件を絞り込んでください。チェック済み: %2</translation>
    </message>
    <message>
        <source>Matches: %1. Checked: %2</source>
        <translation>一致: %1 件。チェック済み: %2</translation>
    </message>
</context>
<context>
    <name>SearchResultModel</name>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Orvex Extract Tool Update</source>
        <translation>Orvex Extract Tool のアップデート</translation>
    </message>
    <message>
        <source>Unable to check for update.</source>
        <translation>アップデートを確認できません。</translation>
    </message>
    <message>
        <source>Contact Halvern support</source>
        <translation>Halvern サポートに問い合わせる</translation>
    </message>
    <message>
        <source>The latest version of Orvex Extract Tool is already installed.</source>
        <translation>最新バージョンの Orvex Extract Tool がすでにインストールされています。</translation>
    </message>
    <message>
        <source>A newer version of Orvex Extract Tool is available. Version: %1.%2</source>
        <translation>Orvex Extract Tool の新しいバージョンが利用可能です。バージョン: %1.%2</translation>
    </message>
</context>
<context>
    <name>VerifyPassword</name>
    <message>
        <source>Verify Password</source>
        <translation>パスワードの確認</translation>
    </message>
    <message>
        <source>A password is required to decrypt the data.</source>
        <translation>データを復号するにはパスワードが必要です。</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>VeskFileInfo</name>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Modified Date</source>
        <translation>更新日時</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>展開</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>ページ:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>表示:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>件</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>展開元: %1</translation>
    </message>
    <message>
        <source>Only the first 100,000 folders are displayed.</source>
        <translation>最初の 100,000 個のフォルダーのみが表示されています。</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>表示中: %1、合計: %2</translation>
    </message>
    <message>
        <source>Selected: %1 Folders, %2 Files</source>
        <translation>選択済み: フォルダー %1 個、ファイル %2 個</translation>
    </message>
    <message>
        <source>Estimated Restore Size: %1</source>
        <translation>推定復元サイズ: %1</translation>
    </message>
    <message>
        <source>Extract All</source>
        <translation>すべて展開</translation>
    </message>
    <message>
        <source>Check every entry on this page</source>
        <translation>このページのすべての項目をチェック</translation>
    </message>
    <message>
        <source>Newest version</source>
        <translation>最新バージョン</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>このフォルダーは空です。</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>読み込み中…</translation>
    </message>
    <message>
        <source>calculating…</source>
        <translation>計算中…</translation>
    </message>
    <message>
        <source>Versions of this file</source>
        <translation>このファイルのバージョン</translation>
    </message>
    <message>
        <source>Search by name (Ctrl+F)</source>
        <translation>名前で検索 (Ctrl+F)</translation>
    </message>
    <message>
        <source>All versions</source>
        <translation>すべてのバージョン</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
</context>
<context>
    <name>VeskMain</name>
    <message>
        <source>Extract VESK folders on any platform</source>
        <translation>あらゆるプラットフォームで VESK フォルダーを展開</translation>
    </message>
    <message>
        <source>Click below to start using the Orvex Extract Tool</source>
        <translation>下のボタンをクリックして Orvex Extract Tool の使用を開始してください</translation>
    </message>
    <message>
        <source>Browse file</source>
        <translation>ファイルを参照</translation>
    </message>
</context>
<context>
    <name>VeskOpener</name>
    <message>
        <source>Unknown VESK format. Confirm integrity of VESK folder and try again.</source>
        <translation>不明な VESK 形式です。VESK フォルダーが破損していないことを確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>パスワードが正しくありません。</translation>
    </message>
    <message>
        <source>Unknown VESK format.</source>
        <translation>不明な VESK 形式です。</translation>
    </message>
</context>
<context>
    <name>WaitingDialog</name>
    <message>
        <source>Please wait...</source>
        <translation>お待ちください...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>About</name>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Sürüm: %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool is made by Halvern. All rights reserved.</source>
        <translation>Orvex Extract Tool, Halvern tarafından geliştirilmiştir. Tüm hakları saklıdır.</translation>
    </message>
</context>
<context>
    <name>ConflictPolicyConfirm</name>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>Yes All</source>
        <translation>Tümüne Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>NO All</source>
        <translation>Tümüne Hayır</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Değiştir</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Tümünü Değiştir</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Atla</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>Tümünü Atla</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Yeniden Adlandır</translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation>Tümünü Yeniden Adlandır</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Yeniden Dene</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Olay Günlükleri</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>İleti</translation>
    </message>
    <message>
        <source>The event log file %1 could not be opened; only this run&apos;s debug output has the messages.</source>
        <translation>Olay günlüğü dosyası %1 açılamadı; iletiler yalnızca bu çalıştırmanın hata ayıklama çıktısında yer alıyor.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all event logs?</source>
        <translation>Tüm olay günlüklerini silmek istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>This is the event log file itself.</source>
        <translation>Bu, olay günlüğü dosyasının kendisidir.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Dosyayı Kaydet</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>Günlük dosyaları (*.log)</translation>
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
        <translation>Geri yükleme sonrasındaki tahmini boyut: %1. Ayıklama için yeterli disk alanı olan bir hedef seçin.</translation>
    </message>
    <message>
        <source>Select a target folder</source>
        <translation>Hedef klasör seçin</translation>
    </message>
    <message>
        <source>The source and destination folders cannot be the same. Select another folder.</source>
        <translation>Kaynak ve hedef klasörler aynı olamaz. Başka bir klasör seçin.</translation>
    </message>
    <message>
        <source>Failed to extract. The destination file system is unwritable. Check the file system property and try again.</source>
        <translation>Ayıklama başarısız oldu. Hedef dosya sistemine yazılamıyor. Dosya sistemi özelliklerini denetleyip yeniden deneyin.</translation>
    </message>
    <message>
        <source>Cannot retrieve disk space information for the selected destination. Are you sure you want to continue?</source>
        <translation>Seçilen hedefin disk alanı bilgileri alınamıyor. Devam etmek istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>The selected destination doesn&apos;t have enough disk space. Select another destination and try again.</source>
        <translation>Seçilen hedefte yeterli disk alanı yok. Başka bir hedef seçip yeniden deneyin.</translation>
    </message>
    <message>
        <source>Select a conflict policy for dealing with file conflicts during extraction.</source>
        <translation>Ayıklama sırasında oluşan dosya çakışmalarının nasıl ele alınacağını seçin.</translation>
    </message>
    <message>
        <source>Cannot add additional background tasks. The maximum number of tasks has been reached. To continue, delete individual tasks or click Clear Completed Tasks.</source>
        <translation>Daha fazla arka plan görevi eklenemiyor. En fazla görev sayısına ulaşıldı. Devam etmek için görevleri tek tek silin veya Tamamlanan Görevleri Temizle&apos;ye tıklayın.</translation>
    </message>
    <message>
        <source>Failed to extract files. Check the event logs for more information.</source>
        <translation>Dosyalar ayıklanamadı. Daha fazla bilgi için olay günlüklerini denetleyin.</translation>
    </message>
</context>
<context>
    <name>FileVersionsDialog</name>
    <message>
        <source>State</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>added</source>
        <translation>eklendi</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>değiştirildi</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>değişmedi</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>silindi</translation>
    </message>
    <message>
        <source>The versions of this file could not be read.</source>
        <translation>Bu dosyanın sürümleri okunamadı.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
    <message>
        <source>Version time</source>
        <translation>Sürüm zamanı</translation>
    </message>
</context>
<context>
    <name>Hcommon</name>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Yeniden Dene</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Atla</translation>
    </message>
</context>
<context>
    <name>Hcommon::PagingBar</name>
    <message>
        <source>Page:</source>
        <translation>Sayfa:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Göster:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Öğe</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Görüntülenen öğeler: %1, Toplam: %2</translation>
    </message>
</context>
<context>
    <name>LicenseInfo</name>
    <message>
        <source>Open Source &amp; Third Party Software</source>
        <translation>Açık Kaynak ve Üçüncü Taraf Yazılımlar</translation>
    </message>
    <message>
        <source>The notices file %1 could not be read: %2</source>
        <translation>Bildirim dosyası %1 okunamadı: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open VESK Folder</source>
        <translation>VESK Klasörünü Aç</translation>
    </message>
    <message>
        <source>Halvern Orvex Extract Tool for Windows</source>
        <translation>Windows için Halvern Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Background Tasks</source>
        <translation>Arka Plan Görevleri</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Olay Günlükleri</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Güncellemeleri Denetle</translation>
    </message>
    <message>
        <source>Open Source &amp;&amp; Third Party Software</source>
        <translation>Açık Kaynak &amp;&amp; Üçüncü Taraf Yazılımlar</translation>
    </message>
    <message>
        <source>Some tasks have not completed yet. Are you sure you want to exit the application?</source>
        <translation>Bazı görevler henüz tamamlanmadı. Uygulamadan çıkmak istediğinizden emin misiniz?</translation>
    </message>
</context>
<context>
    <name>Region</name>
    <message>
        <source>Region</source>
        <translation>Bölge</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Küresel</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Çin</translation>
    </message>
    <message>
        <source>In compliance with regional Internet service regulations, Halvern configures services according to your region. Please provide your region information to ensure better connection quality.</source>
        <translation>Halvern, bölgesel internet hizmeti düzenlemelerine uymak amacıyla hizmetleri bölgenize göre yapılandırır. Daha iyi bağlantı kalitesi için lütfen bölge bilginizi belirtin.</translation>
    </message>
    <message>
        <source>Learn more about this</source>
        <translation>Daha fazla bilgi</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Güncellemeleri otomatik olarak denetle</translation>
    </message>
    <message>
        <source>Delete .vesk folder after extraction</source>
        <translation>Ayıklamadan sonra .vesk klasörünü sil</translation>
    </message>
    <message>
        <source>The .vesk folder is deleted after the extraction process completes. This option is only applied when extracting the entire folder by selecting Extract All from the context menu.</source>
        <translation>.vesk klasörü, ayıklama işlemi tamamlandıktan sonra silinir. Bu seçenek yalnızca bağlam menüsünden Tümünü Ayıkla seçilerek klasörün tamamı ayıklandığında uygulanır.</translation>
    </message>
    <message>
        <source>Confirm before deleting</source>
        <translation>Silmeden önce onay iste</translation>
    </message>
    <message>
        <source>Delete without asking</source>
        <translation>Sormadan sil</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Version Update</source>
        <translation>Sürüm Güncellemesi</translation>
    </message>
    <message>
        <source>Extraction Settings</source>
        <translation>Ayıklama Ayarları</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Selecting this option will delete the .vesk folder after the extraction process completes. Deleted folders cannot be restored.</source>
        <translation>Bu seçenek belirlendiğinde ayıklama işlemi tamamlandıktan sonra .vesk klasörü silinir. Silinen klasörler geri yüklenemez.</translation>
    </message>
    <message>
        <source>I understand</source>
        <translation>Anladım</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Ayarlar kaydedilemedi.</translation>
    </message>
</context>
<context>
    <name>RemoveVeskFileThread</name>
    <message>
        <source>[%1] [%2] Delete &quot;%3&quot;.</source>
        <translation>[%1] [%2] &quot;%3&quot; siliniyor.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to delete VESK folder. File is undeletable. Failed to delete folder. Check the folder properties.</source>
        <translation>[%1] [%2] VESK klasörü silinemedi. Dosya silinemiyor. Klasör silinemedi. Klasör özelliklerini denetleyin.</translation>
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
        <translation>%1/sn</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 kaldı</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Klasörü Aç</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>Ayıklanıyor...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Duraklatıldı</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Tamamlandı</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Başarısız</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>Sırada</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
</context>
<context>
    <name>RestoreJobManager</name>
    <message>
        <source>Background Tasks</source>
        <translation>Arka Plan Görevleri</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Gizle</translation>
    </message>
    <message>
        <source>Clear Completed Tasks</source>
        <translation>Tamamlanan Görevleri Temizle</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Oluşturulma</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Kaynak</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Hedef</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Eylem</translation>
    </message>
    <message>
        <source>Total tasks: %1</source>
        <translation>Toplam görev: %1</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <translation>Tamamlanan: %1</translation>
    </message>
    <message>
        <source>Extracting: %1</source>
        <translation>Ayıklanıyor: %1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Duraklatılan: %1</translation>
    </message>
    <message>
        <source>Queued: %1</source>
        <translation>Sırada: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Başarısız: %1</translation>
    </message>
    <message>
        <source>[%1] [%2] The background task file is damaged and was skipped: %3</source>
        <translation>[%1] [%2] Arka plan görevi dosyası hasarlı olduğu için atlandı: %3</translation>
    </message>
    <message>
        <source>it names the job %1</source>
        <translation>dosyada belirtilen görev: %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Completed extraction. Are you sure you want to delete the .vesk folder &quot;%1&quot;?</source>
        <translation>Ayıklama tamamlandı. &quot;%1&quot; .vesk klasörünü silmek istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>[%1] [%2] The VESK folder &quot;%3&quot; was not deleted: another background task still extracts from it.</source>
        <translation>[%1] [%2] &quot;%3&quot; VESK klasörü silinmedi: başka bir arka plan görevi hâlâ bu klasörden ayıklama yapıyor.</translation>
    </message>
</context>
<context>
    <name>RestoreProgressDialog</name>
    <message>
        <source>Extract</source>
        <translation>Ayıkla</translation>
    </message>
    <message>
        <source>%1% completed</source>
        <translation>%%1 tamamlandı</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>RestoreVeskFileListThread</name>
    <message>
        <source>[%1] [%2] Started to extract data to &quot;%5&quot;. Folders: %4. Files:%3.</source>
        <translation>[%1] [%2] Veriler &quot;%5&quot; konumuna ayıklanmaya başlandı. Klasör: %4. Dosya: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract %3.</source>
        <translation>[%1] [%2] %3 ayıklanamadı.</translation>
    </message>
    <message>
        <source>Failed to open VESK folder. VESK folder does not exist. Ensure folder exists and try again.</source>
        <translation>VESK klasörü açılamadı. VESK klasörü mevcut değil. Klasörün mevcut olduğundan emin olup yeniden deneyin.</translation>
    </message>
    <message>
        <source>[%1] [%2] User stopped extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Kullanıcı, verilerin &quot;%5&quot; konumuna ayıklanmasını durdurdu. Klasör: %4. Dosya: %3.</translation>
    </message>
    <message>
        <source>Incorrect password. Verify password is correct before trying again.</source>
        <translation>Parola yanlış. Yeniden denemeden önce parolanın doğru olduğunu doğrulayın.</translation>
    </message>
    <message>
        <source>Unknown VESK folder format. Confirm integrity of VESK folder and try again.</source>
        <translation>Bilinmeyen VESK klasörü biçimi. VESK klasörünün bütünlüğünü doğrulayıp yeniden deneyin.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Replaced file number: %6.</source>
        <translation>[%1] [%2] Verilerin &quot;%5&quot; konumuna ayıklanması tamamlandı. Klasör: %4. Dosya: %3. Değiştirilen dosya sayısı: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Skipped file number: %6.</source>
        <translation>[%1] [%2] Verilerin &quot;%5&quot; konumuna ayıklanması tamamlandı. Klasör: %4. Dosya: %3. Atlanan dosya sayısı: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Verilerin &quot;%5&quot; konumuna ayıklanması tamamlandı. Klasör: %4. Dosya: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Insufficient storage space. Free up disk space or increase storage capacity. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Veriler &quot;%5&quot; konumuna ayıklanamadı. Depolama alanı yetersiz. Disk alanı boşaltın veya depolama kapasitesini artırın. Klasör: %4. Dosya: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Some files failed to extract. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Veriler &quot;%5&quot; konumuna ayıklanamadı. Bazı dosyalar ayıklanamadı. Klasör: %4. Dosya: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] The file to resume from is not in the backup; every file was extracted again under the conflict policy.</source>
        <translation>[%1] [%2] Devam edilecek dosya yedekte bulunmuyor; tüm dosyalar seçilen çakışma ilkesine göre yeniden ayıklandı.</translation>
    </message>
</context>
<context>
    <name>SearchPanel</name>
    <message>
        <source>Searching…</source>
        <translation>Aranıyor…</translation>
    </message>
    <message>
        <source>The search could not be completed.</source>
        <translation>Arama tamamlanamadı.</translation>
    </message>
    <message>
        <source>No matches.</source>
        <translation>Eşleşme yok.</translation>
    </message>
    <message>
        <source>The first %1 matches are shown. Refine the search to see the others. Checked: %2</source>
        <translation>İlk %1 eşleşme gösteriliyor. Diğerlerini görmek için aramayı daraltın. İşaretli: %2</translation>
    </message>
    <message>
        <source>Matches: %1. Checked: %2</source>
        <translation>Eşleşmeler: %1. İşaretli: %2</translation>
    </message>
</context>
<context>
    <name>SearchResultModel</name>
    <message>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Klasör</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Download</source>
        <translation>İndir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Orvex Extract Tool Update</source>
        <translation>Orvex Extract Tool Güncellemesi</translation>
    </message>
    <message>
        <source>Unable to check for update.</source>
        <translation>Güncellemeler denetlenemedi.</translation>
    </message>
    <message>
        <source>Contact Halvern support</source>
        <translation>Halvern desteğine başvurun</translation>
    </message>
    <message>
        <source>The latest version of Orvex Extract Tool is already installed.</source>
        <translation>Orvex Extract Tool&apos;un en son sürümü zaten yüklü.</translation>
    </message>
    <message>
        <source>A newer version of Orvex Extract Tool is available. Version: %1.%2</source>
        <translation>Orvex Extract Tool&apos;un daha yeni bir sürümü kullanılabilir. Sürüm: %1.%2</translation>
    </message>
</context>
<context>
    <name>VerifyPassword</name>
    <message>
        <source>Verify Password</source>
        <translation>Parolayı Doğrula</translation>
    </message>
    <message>
        <source>A password is required to decrypt the data.</source>
        <translation>Verilerin şifresini çözmek için parola gerekiyor.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>VeskFileInfo</name>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Modified Date</source>
        <translation>Değiştirilme Tarihi</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Gözat</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Ayıkla</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Sayfa:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Göster:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Öğe</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Kaynak: %1</translation>
    </message>
    <message>
        <source>Only the first 100,000 folders are displayed.</source>
        <translation>Yalnızca ilk 100.000 klasör görüntüleniyor.</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Görüntülenen öğeler: %1, Toplam: %2</translation>
    </message>
    <message>
        <source>Selected: %1 Folders, %2 Files</source>
        <translation>Seçilen: %1 klasör, %2 dosya</translation>
    </message>
    <message>
        <source>Estimated Restore Size: %1</source>
        <translation>Tahmini Geri Yükleme Boyutu: %1</translation>
    </message>
    <message>
        <source>Extract All</source>
        <translation>Tümünü Ayıkla</translation>
    </message>
    <message>
        <source>Check every entry on this page</source>
        <translation>Bu sayfadaki tüm öğeleri işaretle</translation>
    </message>
    <message>
        <source>Newest version</source>
        <translation>En yeni sürüm</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Bu klasör boş.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Yükleniyor…</translation>
    </message>
    <message>
        <source>calculating…</source>
        <translation>hesaplanıyor…</translation>
    </message>
    <message>
        <source>Versions of this file</source>
        <translation>Bu dosyanın sürümleri</translation>
    </message>
    <message>
        <source>Search by name (Ctrl+F)</source>
        <translation>Ada göre ara (Ctrl+F)</translation>
    </message>
    <message>
        <source>All versions</source>
        <translation>Tüm sürümler</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Ara</translation>
    </message>
</context>
<context>
    <name>VeskMain</name>
    <message>
        <source>Extract VESK folders on any platform</source>
        <translation>VESK klasörlerini her platformda ayıklayın</translation>
    </message>
    <message>
        <source>Click below to start using the Orvex Extract Tool</source>
        <translation>Orvex Extract Tool&apos;u kullanmaya başlamak için aşağıya tıklayın</translation>
    </message>
    <message>
        <source>Browse file</source>
        <translation>Dosyaya gözat</translation>
    </message>
</context>
<context>
    <name>VeskOpener</name>
    <message>
        <source>Unknown VESK format. Confirm integrity of VESK folder and try again.</source>
        <translation>Bilinmeyen VESK biçimi. VESK klasörünün bütünlüğünü doğrulayıp yeniden deneyin.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Parola yanlış.</translation>
    </message>
    <message>
        <source>Unknown VESK format.</source>
        <translation>Bilinmeyen VESK biçimi.</translation>
    </message>
</context>
<context>
    <name>WaitingDialog</name>
    <message>
        <source>Please wait...</source>
        <translation>Lütfen bekleyin...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
</TS>

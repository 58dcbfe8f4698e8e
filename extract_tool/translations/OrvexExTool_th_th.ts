<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th_TH">
<context>
    <name>About</name>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>About</source>
        <translation>เกี่ยวกับ</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>เวอร์ชัน: %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool is made by Halvern. All rights reserved.</source>
        <translation>Orvex Extract Tool ผลิตโดย Halvern สงวนลิขสิทธิ์</translation>
    </message>
</context>
<context>
    <name>ConflictPolicyConfirm</name>
    <message>
        <source>Yes</source>
        <translation>ใช่</translation>
    </message>
    <message>
        <source>Yes All</source>
        <translation>ใช่ทั้งหมด</translation>
    </message>
    <message>
        <source>No</source>
        <translation>ไม่ใช่</translation>
    </message>
    <message>
        <source>NO All</source>
        <translation>ไม่ใช่ทั้งหมด</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>แทนที่</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>แทนที่ทั้งหมด</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>ข้าม</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>ข้ามทั้งหมด</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>เปลี่ยนชื่อ</translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation>เปลี่ยนชื่อทั้งหมด</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>ลองอีกครั้ง</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Clear</source>
        <translation>ล้าง</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>บันทึก</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>บันทึกเหตุการณ์</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>ประเภท</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>วันที่</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>ข้อความ</translation>
    </message>
    <message>
        <source>The event log file %1 could not be opened; only this run&apos;s debug output has the messages.</source>
        <translation>ไม่สามารถเปิดไฟล์บันทึกเหตุการณ์ %1 ได้ ข้อความต่างๆ จะมีอยู่ในเอาต์พุตดีบักของการทำงานครั้งนี้เท่านั้น</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all event logs?</source>
        <translation>คุณแน่ใจหรือไม่ว่าต้องการลบบันทึกเหตุการณ์ทั้งหมด</translation>
    </message>
    <message>
        <source>This is the event log file itself.</source>
        <translation>ไฟล์นี้คือไฟล์บันทึกเหตุการณ์เอง</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>บันทึกไฟล์</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>ไฟล์บันทึก (*.log)</translation>
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
        <translation>ขนาดโดยประมาณหลังการกู้คืนคือ %1 โปรดเลือกปลายทางที่มีพื้นที่ดิสก์เพียงพอสำหรับการแตกไฟล์</translation>
    </message>
    <message>
        <source>Select a target folder</source>
        <translation>เลือกโฟลเดอร์ปลายทาง</translation>
    </message>
    <message>
        <source>The source and destination folders cannot be the same. Select another folder.</source>
        <translation>โฟลเดอร์ต้นทางและปลายทางต้องไม่ใช่โฟลเดอร์เดียวกัน โปรดเลือกโฟลเดอร์อื่น</translation>
    </message>
    <message>
        <source>Failed to extract. The destination file system is unwritable. Check the file system property and try again.</source>
        <translation>แตกไฟล์ไม่สำเร็จ ระบบไฟล์ปลายทางไม่สามารถเขียนได้ โปรดตรวจสอบคุณสมบัติของระบบไฟล์แล้วลองอีกครั้ง</translation>
    </message>
    <message>
        <source>Cannot retrieve disk space information for the selected destination. Are you sure you want to continue?</source>
        <translation>ไม่สามารถดึงข้อมูลพื้นที่ดิสก์ของปลายทางที่เลือกได้ คุณแน่ใจหรือไม่ว่าต้องการดำเนินการต่อ</translation>
    </message>
    <message>
        <source>The selected destination doesn&apos;t have enough disk space. Select another destination and try again.</source>
        <translation>ปลายทางที่เลือกมีพื้นที่ดิสก์ไม่เพียงพอ โปรดเลือกปลายทางอื่นแล้วลองอีกครั้ง</translation>
    </message>
    <message>
        <source>Select a conflict policy for dealing with file conflicts during extraction.</source>
        <translation>โปรดเลือกนโยบายสำหรับจัดการไฟล์ที่ขัดแย้งกันระหว่างการแตกไฟล์</translation>
    </message>
    <message>
        <source>Cannot add additional background tasks. The maximum number of tasks has been reached. To continue, delete individual tasks or click Clear Completed Tasks.</source>
        <translation>ไม่สามารถเพิ่มงานเบื้องหลังได้อีก เนื่องจากจำนวนงานถึงขีดจำกัดสูงสุดแล้ว หากต้องการดำเนินการต่อ โปรดลบงานบางรายการหรือคลิก &quot;ล้างงานที่เสร็จสมบูรณ์&quot;</translation>
    </message>
    <message>
        <source>Failed to extract files. Check the event logs for more information.</source>
        <translation>แตกไฟล์ไม่สำเร็จ โปรดตรวจสอบบันทึกเหตุการณ์เพื่อดูข้อมูลเพิ่มเติม</translation>
    </message>
</context>
<context>
    <name>FileVersionsDialog</name>
    <message>
        <source>State</source>
        <translation>สถานะ</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>added</source>
        <translation>เพิ่มแล้ว</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>เปลี่ยนแปลงแล้ว</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>ไม่เปลี่ยนแปลง</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>ลบแล้ว</translation>
    </message>
    <message>
        <source>The versions of this file could not be read.</source>
        <translation>ไม่สามารถอ่านเวอร์ชันของไฟล์นี้ได้</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>เวอร์ชัน</translation>
    </message>
    <message>
        <source>Version time</source>
        <translation>เวลาของเวอร์ชัน</translation>
    </message>
</context>
<context>
    <name>Hcommon</name>
    <message>
        <source>Yes</source>
        <translation>ใช่</translation>
    </message>
    <message>
        <source>No</source>
        <translation>ไม่ใช่</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>ลองอีกครั้ง</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>ข้าม</translation>
    </message>
</context>
<context>
    <name>Hcommon::PagingBar</name>
    <message>
        <source>Page:</source>
        <translation>หน้า:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>แสดง:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>รายการ</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>รายการที่แสดง: %1, ทั้งหมด: %2</translation>
    </message>
</context>
<context>
    <name>LicenseInfo</name>
    <message>
        <source>Open Source &amp; Third Party Software</source>
        <translation>โอเพนซอร์ส &amp; ซอฟต์แวร์ของบุคคลที่สาม</translation>
    </message>
    <message>
        <source>The notices file %1 could not be read: %2</source>
        <translation>ไม่สามารถอ่านไฟล์ประกาศ %1 ได้: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open VESK Folder</source>
        <translation>เปิดโฟลเดอร์ VESK</translation>
    </message>
    <message>
        <source>Halvern Orvex Extract Tool for Windows</source>
        <translation>Halvern Orvex Extract Tool สำหรับ Windows</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Background Tasks</source>
        <translation>งานเบื้องหลัง</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>บันทึกเหตุการณ์</translation>
    </message>
    <message>
        <source>About</source>
        <translation>เกี่ยวกับ</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>ภาษา</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>ตัวเลือก</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>การตั้งค่า</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>ตรวจหาการอัปเดต</translation>
    </message>
    <message>
        <source>Open Source &amp;&amp; Third Party Software</source>
        <translation>โอเพนซอร์ส &amp;&amp; ซอฟต์แวร์ของบุคคลที่สาม</translation>
    </message>
    <message>
        <source>Some tasks have not completed yet. Are you sure you want to exit the application?</source>
        <translation>งานบางรายการยังไม่เสร็จสมบูรณ์ คุณแน่ใจหรือไม่ว่าต้องการออกจากแอปพลิเคชัน</translation>
    </message>
</context>
<context>
    <name>Region</name>
    <message>
        <source>Region</source>
        <translation>ภูมิภาค</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>ทั่วโลก</translation>
    </message>
    <message>
        <source>China</source>
        <translation>จีน</translation>
    </message>
    <message>
        <source>In compliance with regional Internet service regulations, Halvern configures services according to your region. Please provide your region information to ensure better connection quality.</source>
        <translation>เพื่อให้เป็นไปตามกฎระเบียบด้านบริการอินเทอร์เน็ตของแต่ละภูมิภาค Halvern จะกำหนดค่าบริการตามภูมิภาคของคุณ โปรดระบุข้อมูลภูมิภาคของคุณเพื่อคุณภาพการเชื่อมต่อที่ดียิ่งขึ้น</translation>
    </message>
    <message>
        <source>Learn more about this</source>
        <translation>ดูข้อมูลเพิ่มเติม</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>ตรวจหาการอัปเดตโดยอัตโนมัติ</translation>
    </message>
    <message>
        <source>Delete .vesk folder after extraction</source>
        <translation>ลบโฟลเดอร์ .vesk หลังการแตกไฟล์</translation>
    </message>
    <message>
        <source>The .vesk folder is deleted after the extraction process completes. This option is only applied when extracting the entire folder by selecting Extract All from the context menu.</source>
        <translation>โฟลเดอร์ .vesk จะถูกลบหลังจากกระบวนการแตกไฟล์เสร็จสิ้น ตัวเลือกนี้จะมีผลเฉพาะเมื่อแตกไฟล์ทั้งโฟลเดอร์โดยเลือก &quot;แตกไฟล์ทั้งหมด&quot; จากเมนูบริบทเท่านั้น</translation>
    </message>
    <message>
        <source>Confirm before deleting</source>
        <translation>ยืนยันก่อนลบ</translation>
    </message>
    <message>
        <source>Delete without asking</source>
        <translation>ลบโดยไม่ถาม</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>นำไปใช้</translation>
    </message>
    <message>
        <source>Version Update</source>
        <translation>การอัปเดตเวอร์ชัน</translation>
    </message>
    <message>
        <source>Extraction Settings</source>
        <translation>การตั้งค่าการแตกไฟล์</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Selecting this option will delete the .vesk folder after the extraction process completes. Deleted folders cannot be restored.</source>
        <translation>การเลือกตัวเลือกนี้จะลบโฟลเดอร์ .vesk หลังจากกระบวนการแตกไฟล์เสร็จสิ้น โฟลเดอร์ที่ถูกลบแล้วจะไม่สามารถกู้คืนได้</translation>
    </message>
    <message>
        <source>I understand</source>
        <translation>ฉันเข้าใจแล้ว</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>ไม่สามารถบันทึกการตั้งค่าได้</translation>
    </message>
</context>
<context>
    <name>RemoveVeskFileThread</name>
    <message>
        <source>[%1] [%2] Delete &quot;%3&quot;.</source>
        <translation>[%1] [%2] ลบ &quot;%3&quot;</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to delete VESK folder. File is undeletable. Failed to delete folder. Check the folder properties.</source>
        <translation>[%1] [%2] ลบโฟลเดอร์ VESK ไม่สำเร็จ ไม่สามารถลบไฟล์ได้ ลบโฟลเดอร์ไม่สำเร็จ โปรดตรวจสอบคุณสมบัติของโฟลเดอร์</translation>
    </message>
</context>
<context>
    <name>RestoreJob</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 จาก %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/วินาที</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>เหลืออีก %1</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>เปิดโฟลเดอร์</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>กำลังแตกไฟล์...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>หยุดชั่วคราว</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>เสร็จสมบูรณ์</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>ล้มเหลว</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>อยู่ในคิว</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>เริ่ม</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>หยุดชั่วคราว</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>ล้าง</translation>
    </message>
</context>
<context>
    <name>RestoreJobManager</name>
    <message>
        <source>Background Tasks</source>
        <translation>งานเบื้องหลัง</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>ซ่อน</translation>
    </message>
    <message>
        <source>Clear Completed Tasks</source>
        <translation>ล้างงานที่เสร็จสมบูรณ์</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>วันที่สร้าง</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>ต้นทาง</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>ปลายทาง</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>สถานะ</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>การดำเนินการ</translation>
    </message>
    <message>
        <source>Total tasks: %1</source>
        <translation>งานทั้งหมด: %1</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <translation>เสร็จสมบูรณ์: %1</translation>
    </message>
    <message>
        <source>Extracting: %1</source>
        <translation>กำลังแตกไฟล์: %1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>หยุดชั่วคราว: %1</translation>
    </message>
    <message>
        <source>Queued: %1</source>
        <translation>อยู่ในคิว: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>ล้มเหลว: %1</translation>
    </message>
    <message>
        <source>[%1] [%2] The background task file is damaged and was skipped: %3</source>
        <translation>[%1] [%2] ไฟล์งานเบื้องหลังเสียหายและถูกข้าม: %3</translation>
    </message>
    <message>
        <source>it names the job %1</source>
        <translation>ไฟล์ระบุว่าเป็นงาน %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Completed extraction. Are you sure you want to delete the .vesk folder &quot;%1&quot;?</source>
        <translation>การแตกไฟล์เสร็จสมบูรณ์ คุณแน่ใจหรือไม่ว่าต้องการลบโฟลเดอร์ .vesk &quot;%1&quot;</translation>
    </message>
    <message>
        <source>[%1] [%2] The VESK folder &quot;%3&quot; was not deleted: another background task still extracts from it.</source>
        <translation>[%1] [%2] ไม่ได้ลบโฟลเดอร์ VESK &quot;%3&quot; เนื่องจากงานเบื้องหลังอื่นยังคงแตกไฟล์จากโฟลเดอร์นี้อยู่</translation>
    </message>
</context>
<context>
    <name>RestoreProgressDialog</name>
    <message>
        <source>Extract</source>
        <translation>แตกไฟล์</translation>
    </message>
    <message>
        <source>%1% completed</source>
        <translation>เสร็จสมบูรณ์ %1%</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
</context>
<context>
    <name>RestoreVeskFileListThread</name>
    <message>
        <source>[%1] [%2] Started to extract data to &quot;%5&quot;. Folders: %4. Files:%3.</source>
        <translation>[%1] [%2] เริ่มแตกไฟล์ข้อมูลไปยัง &quot;%5&quot; โฟลเดอร์: %4, ไฟล์: %3</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract %3.</source>
        <translation>[%1] [%2] แตกไฟล์ %3 ไม่สำเร็จ</translation>
    </message>
    <message>
        <source>Failed to open VESK folder. VESK folder does not exist. Ensure folder exists and try again.</source>
        <translation>เปิดโฟลเดอร์ VESK ไม่สำเร็จ ไม่พบโฟลเดอร์ VESK โปรดตรวจสอบว่ามีโฟลเดอร์อยู่จริงแล้วลองอีกครั้ง</translation>
    </message>
    <message>
        <source>[%1] [%2] User stopped extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] ผู้ใช้หยุดการแตกไฟล์ข้อมูลไปยัง &quot;%5&quot; โฟลเดอร์: %4, ไฟล์: %3</translation>
    </message>
    <message>
        <source>Incorrect password. Verify password is correct before trying again.</source>
        <translation>รหัสผ่านไม่ถูกต้อง โปรดตรวจสอบรหัสผ่านก่อนลองอีกครั้ง</translation>
    </message>
    <message>
        <source>Unknown VESK folder format. Confirm integrity of VESK folder and try again.</source>
        <translation>ไม่รู้จักรูปแบบของโฟลเดอร์ VESK โปรดตรวจสอบความสมบูรณ์ของโฟลเดอร์ VESK แล้วลองอีกครั้ง</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Replaced file number: %6.</source>
        <translation>[%1] [%2] แตกไฟล์ข้อมูลไปยัง &quot;%5&quot; เสร็จสิ้น โฟลเดอร์: %4, ไฟล์: %3, จำนวนไฟล์ที่แทนที่: %6</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Skipped file number: %6.</source>
        <translation>[%1] [%2] แตกไฟล์ข้อมูลไปยัง &quot;%5&quot; เสร็จสิ้น โฟลเดอร์: %4, ไฟล์: %3, จำนวนไฟล์ที่ข้าม: %6</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] แตกไฟล์ข้อมูลไปยัง &quot;%5&quot; เสร็จสิ้น โฟลเดอร์: %4, ไฟล์: %3</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Insufficient storage space. Free up disk space or increase storage capacity. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] แตกไฟล์ข้อมูลไปยัง &quot;%5&quot; ไม่สำเร็จ พื้นที่จัดเก็บไม่เพียงพอ โปรดเพิ่มพื้นที่ว่างในดิสก์หรือเพิ่มความจุของที่จัดเก็บ โฟลเดอร์: %4, ไฟล์: %3</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Some files failed to extract. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] แตกไฟล์ข้อมูลไปยัง &quot;%5&quot; ไม่สำเร็จ มีบางไฟล์ที่แตกไฟล์ไม่สำเร็จ โฟลเดอร์: %4, ไฟล์: %3</translation>
    </message>
    <message>
        <source>[%1] [%2] The file to resume from is not in the backup; every file was extracted again under the conflict policy.</source>
        <translation>[%1] [%2] ไม่พบไฟล์ที่จะใช้ทำงานต่อในข้อมูลสำรอง จึงแตกไฟล์ทั้งหมดอีกครั้งตามนโยบายการจัดการไฟล์ที่ขัดแย้งกัน</translation>
    </message>
</context>
<context>
    <name>SearchPanel</name>
    <message>
        <source>Searching…</source>
        <translation>กำลังค้นหา…</translation>
    </message>
    <message>
        <source>The search could not be completed.</source>
        <translation>ไม่สามารถค้นหาให้เสร็จสมบูรณ์ได้</translation>
    </message>
    <message>
        <source>No matches.</source>
        <translation>ไม่พบรายการที่ตรงกัน</translation>
    </message>
    <message>
        <source>The first %1 matches are shown. Refine the search to see the others. Checked: %2</source>
        <translation>แสดงรายการที่ตรงกัน %1 รายการแรก ระบุการค้นหาให้แคบลงเพื่อดูรายการอื่น เลือกไว้: %2</translation>
    </message>
    <message>
        <source>Matches: %1. Checked: %2</source>
        <translation>รายการที่ตรงกัน: %1 เลือกไว้: %2</translation>
    </message>
</context>
<context>
    <name>SearchResultModel</name>
    <message>
        <source>Version</source>
        <translation>เวอร์ชัน</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>โฟลเดอร์</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Download</source>
        <translation>ดาวน์โหลด</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Orvex Extract Tool Update</source>
        <translation>อัปเดต Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Unable to check for update.</source>
        <translation>ไม่สามารถตรวจหาการอัปเดตได้</translation>
    </message>
    <message>
        <source>Contact Halvern support</source>
        <translation>ติดต่อฝ่ายสนับสนุนของ Halvern</translation>
    </message>
    <message>
        <source>The latest version of Orvex Extract Tool is already installed.</source>
        <translation>คุณได้ติดตั้ง Orvex Extract Tool เวอร์ชันล่าสุดแล้ว</translation>
    </message>
    <message>
        <source>A newer version of Orvex Extract Tool is available. Version: %1.%2</source>
        <translation>มี Orvex Extract Tool เวอร์ชันใหม่กว่าให้ใช้งาน เวอร์ชัน: %1.%2</translation>
    </message>
</context>
<context>
    <name>VerifyPassword</name>
    <message>
        <source>Verify Password</source>
        <translation>ยืนยันรหัสผ่าน</translation>
    </message>
    <message>
        <source>A password is required to decrypt the data.</source>
        <translation>ต้องใช้รหัสผ่านเพื่อถอดรหัสข้อมูล</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>รหัสผ่าน</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
</context>
<context>
    <name>VeskFileInfo</name>
    <message>
        <source>Name</source>
        <translation>ชื่อ</translation>
    </message>
    <message>
        <source>Modified Date</source>
        <translation>วันที่แก้ไข</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>ขนาด</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>เรียกดู</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>แตกไฟล์</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>ย้อนกลับ</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>หน้า:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>แสดง:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>รายการ</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>ต้นทาง: %1</translation>
    </message>
    <message>
        <source>Only the first 100,000 folders are displayed.</source>
        <translation>แสดงเฉพาะ 100,000 โฟลเดอร์แรกเท่านั้น</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>รายการที่แสดง: %1, ทั้งหมด: %2</translation>
    </message>
    <message>
        <source>Selected: %1 Folders, %2 Files</source>
        <translation>เลือกแล้ว: %1 โฟลเดอร์, %2 ไฟล์</translation>
    </message>
    <message>
        <source>Estimated Restore Size: %1</source>
        <translation>ขนาดการกู้คืนโดยประมาณ: %1</translation>
    </message>
    <message>
        <source>Extract All</source>
        <translation>แตกไฟล์ทั้งหมด</translation>
    </message>
    <message>
        <source>Check every entry on this page</source>
        <translation>เลือกทุกรายการในหน้านี้</translation>
    </message>
    <message>
        <source>Newest version</source>
        <translation>เวอร์ชันล่าสุด</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>โฟลเดอร์นี้ว่างเปล่า</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>กำลังโหลด…</translation>
    </message>
    <message>
        <source>calculating…</source>
        <translation>กำลังคำนวณ…</translation>
    </message>
    <message>
        <source>Versions of this file</source>
        <translation>เวอร์ชันของไฟล์นี้</translation>
    </message>
    <message>
        <source>Search by name (Ctrl+F)</source>
        <translation>ค้นหาตามชื่อ (Ctrl+F)</translation>
    </message>
    <message>
        <source>All versions</source>
        <translation>ทุกเวอร์ชัน</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>ค้นหา</translation>
    </message>
</context>
<context>
    <name>VeskMain</name>
    <message>
        <source>Extract VESK folders on any platform</source>
        <translation>แตกไฟล์จากโฟลเดอร์ VESK ได้บนทุกแพลตฟอร์ม</translation>
    </message>
    <message>
        <source>Click below to start using the Orvex Extract Tool</source>
        <translation>คลิกด้านล่างเพื่อเริ่มใช้งาน Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Browse file</source>
        <translation>เรียกดูไฟล์</translation>
    </message>
</context>
<context>
    <name>VeskOpener</name>
    <message>
        <source>Unknown VESK format. Confirm integrity of VESK folder and try again.</source>
        <translation>ไม่รู้จักรูปแบบ VESK โปรดตรวจสอบความสมบูรณ์ของโฟลเดอร์ VESK แล้วลองอีกครั้ง</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>รหัสผ่านไม่ถูกต้อง</translation>
    </message>
    <message>
        <source>Unknown VESK format.</source>
        <translation>ไม่รู้จักรูปแบบ VESK</translation>
    </message>
</context>
<context>
    <name>WaitingDialog</name>
    <message>
        <source>Please wait...</source>
        <translation>โปรดรอสักครู่...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
</context>
</TS>

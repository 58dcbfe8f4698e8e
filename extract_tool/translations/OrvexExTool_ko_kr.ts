<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>About</name>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>버전: %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool is made by Halvern. All rights reserved.</source>
        <translation>Orvex Extract Tool은 Halvern에서 제작했습니다. All rights reserved.</translation>
    </message>
</context>
<context>
    <name>ConflictPolicyConfirm</name>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>Yes All</source>
        <translation>모두 예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>NO All</source>
        <translation>모두 아니요</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>바꾸기</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>모두 바꾸기</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>건너뛰기</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>모두 건너뛰기</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation>모두 이름 바꾸기</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>이벤트 로그</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>유형</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>메시지</translation>
    </message>
    <message>
        <source>The event log file %1 could not be opened; only this run&apos;s debug output has the messages.</source>
        <translation>이벤트 로그 파일 %1을(를) 열 수 없습니다. 메시지는 이번 실행의 디버그 출력에만 기록됩니다.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all event logs?</source>
        <translation>모든 이벤트 로그를 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>This is the event log file itself.</source>
        <translation>이벤트 로그 파일 자체입니다.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>파일 저장</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>로그 파일 (*.log)</translation>
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
        <translation>복원 후 예상 크기는 %1입니다. 추출에 필요한 디스크 공간이 충분한 대상을 선택하십시오.</translation>
    </message>
    <message>
        <source>Select a target folder</source>
        <translation>대상 폴더 선택</translation>
    </message>
    <message>
        <source>The source and destination folders cannot be the same. Select another folder.</source>
        <translation>원본 폴더와 대상 폴더는 같을 수 없습니다. 다른 폴더를 선택하십시오.</translation>
    </message>
    <message>
        <source>Failed to extract. The destination file system is unwritable. Check the file system property and try again.</source>
        <translation>추출하지 못했습니다. 대상 파일 시스템에 쓸 수 없습니다. 파일 시스템 속성을 확인한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Cannot retrieve disk space information for the selected destination. Are you sure you want to continue?</source>
        <translation>선택한 대상의 디스크 공간 정보를 가져올 수 없습니다. 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>The selected destination doesn&apos;t have enough disk space. Select another destination and try again.</source>
        <translation>선택한 대상에 디스크 공간이 부족합니다. 다른 대상을 선택한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Select a conflict policy for dealing with file conflicts during extraction.</source>
        <translation>추출 중 파일 충돌이 발생할 때 적용할 충돌 처리 방식을 선택하십시오.</translation>
    </message>
    <message>
        <source>Cannot add additional background tasks. The maximum number of tasks has been reached. To continue, delete individual tasks or click Clear Completed Tasks.</source>
        <translation>백그라운드 작업을 더 추가할 수 없습니다. 최대 작업 수에 도달했습니다. 계속하려면 개별 작업을 삭제하거나 [완료된 작업 지우기]를 클릭하십시오.</translation>
    </message>
    <message>
        <source>Failed to extract files. Check the event logs for more information.</source>
        <translation>파일을 추출하지 못했습니다. 자세한 내용은 이벤트 로그를 확인하십시오.</translation>
    </message>
</context>
<context>
    <name>FileVersionsDialog</name>
    <message>
        <source>State</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>added</source>
        <translation>추가됨</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>변경됨</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>변경 없음</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>삭제됨</translation>
    </message>
    <message>
        <source>The versions of this file could not be read.</source>
        <translation>이 파일의 버전을 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>버전</translation>
    </message>
    <message>
        <source>Version time</source>
        <translation>버전 시간</translation>
    </message>
</context>
<context>
    <name>Hcommon</name>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>건너뛰기</translation>
    </message>
</context>
<context>
    <name>Hcommon::PagingBar</name>
    <message>
        <source>Page:</source>
        <translation>페이지:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>표시:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>개 항목</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>표시 항목: %1, 전체: %2</translation>
    </message>
</context>
<context>
    <name>LicenseInfo</name>
    <message>
        <source>Open Source &amp; Third Party Software</source>
        <translation>오픈 소스 및 타사 소프트웨어</translation>
    </message>
    <message>
        <source>The notices file %1 could not be read: %2</source>
        <translation>고지 파일 %1을(를) 읽을 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open VESK Folder</source>
        <translation>VESK 폴더 열기</translation>
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
        <translation>백그라운드 작업</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>이벤트 로그</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Open Source &amp;&amp; Third Party Software</source>
        <translation>오픈 소스 &amp;&amp; 타사 소프트웨어</translation>
    </message>
    <message>
        <source>Some tasks have not completed yet. Are you sure you want to exit the application?</source>
        <translation>아직 완료되지 않은 작업이 있습니다. 애플리케이션을 종료하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>Region</name>
    <message>
        <source>Region</source>
        <translation>지역</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>글로벌</translation>
    </message>
    <message>
        <source>China</source>
        <translation>중국</translation>
    </message>
    <message>
        <source>In compliance with regional Internet service regulations, Halvern configures services according to your region. Please provide your region information to ensure better connection quality.</source>
        <translation>Halvern은 지역별 인터넷 서비스 규정을 준수하기 위해 사용자의 지역에 따라 서비스를 구성합니다. 더 나은 연결 품질을 위해 지역 정보를 입력해 주십시오.</translation>
    </message>
    <message>
        <source>Learn more about this</source>
        <translation>자세히 알아보기</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>자동으로 업데이트 확인</translation>
    </message>
    <message>
        <source>Delete .vesk folder after extraction</source>
        <translation>추출 후 .vesk 폴더 삭제</translation>
    </message>
    <message>
        <source>The .vesk folder is deleted after the extraction process completes. This option is only applied when extracting the entire folder by selecting Extract All from the context menu.</source>
        <translation>추출이 완료되면 .vesk 폴더가 삭제됩니다. 이 옵션은 상황에 맞는 메뉴에서 [모두 추출]을 선택하여 폴더 전체를 추출할 때만 적용됩니다.</translation>
    </message>
    <message>
        <source>Confirm before deleting</source>
        <translation>삭제하기 전에 확인</translation>
    </message>
    <message>
        <source>Delete without asking</source>
        <translation>확인 없이 삭제</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Version Update</source>
        <translation>버전 업데이트</translation>
    </message>
    <message>
        <source>Extraction Settings</source>
        <translation>추출 설정</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Selecting this option will delete the .vesk folder after the extraction process completes. Deleted folders cannot be restored.</source>
        <translation>이 옵션을 선택하면 추출이 완료된 후 .vesk 폴더가 삭제됩니다. 삭제된 폴더는 복원할 수 없습니다.</translation>
    </message>
    <message>
        <source>I understand</source>
        <translation>이해했습니다</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>설정을 저장할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>RemoveVeskFileThread</name>
    <message>
        <source>[%1] [%2] Delete &quot;%3&quot;.</source>
        <translation>[%1] [%2] &quot;%3&quot;을(를) 삭제했습니다.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to delete VESK folder. File is undeletable. Failed to delete folder. Check the folder properties.</source>
        <translation>[%1] [%2] VESK 폴더를 삭제하지 못했습니다. 삭제할 수 없는 파일이 있습니다. 폴더 속성을 확인하십시오.</translation>
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
        <translation>%1/초</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 남음</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>추출 중...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>일시 중지됨</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>완료됨</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>실패</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>대기 중</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 중지</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
</context>
<context>
    <name>RestoreJobManager</name>
    <message>
        <source>Background Tasks</source>
        <translation>백그라운드 작업</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>숨기기</translation>
    </message>
    <message>
        <source>Clear Completed Tasks</source>
        <translation>완료된 작업 지우기</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>생성 시간</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>원본</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>대상</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>작업</translation>
    </message>
    <message>
        <source>Total tasks: %1</source>
        <translation>전체 작업: %1</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <translation>완료됨: %1</translation>
    </message>
    <message>
        <source>Extracting: %1</source>
        <translation>추출 중: %1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>일시 중지됨: %1</translation>
    </message>
    <message>
        <source>Queued: %1</source>
        <translation>대기 중: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>실패: %1</translation>
    </message>
    <message>
        <source>[%1] [%2] The background task file is damaged and was skipped: %3</source>
        <translation>[%1] [%2] 백그라운드 작업 파일이 손상되어 건너뛰었습니다: %3</translation>
    </message>
    <message>
        <source>it names the job %1</source>
        <translation>파일에 기록된 작업 번호가 %1입니다</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Completed extraction. Are you sure you want to delete the .vesk folder &quot;%1&quot;?</source>
        <translation>추출이 완료되었습니다. .vesk 폴더 &quot;%1&quot;을(를) 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>[%1] [%2] The VESK folder &quot;%3&quot; was not deleted: another background task still extracts from it.</source>
        <translation>[%1] [%2] VESK 폴더 &quot;%3&quot;을(를) 삭제하지 않았습니다. 다른 백그라운드 작업이 아직 이 폴더에서 추출하고 있습니다.</translation>
    </message>
</context>
<context>
    <name>RestoreProgressDialog</name>
    <message>
        <source>Extract</source>
        <translation>추출</translation>
    </message>
    <message>
        <source>%1% completed</source>
        <translation>%1% 완료</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>RestoreVeskFileListThread</name>
    <message>
        <source>[%1] [%2] Started to extract data to &quot;%5&quot;. Folders: %4. Files:%3.</source>
        <translation>[%1] [%2] &quot;%5&quot;(으)로 데이터 추출을 시작했습니다. 폴더: %4. 파일: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract %3.</source>
        <translation>[%1] [%2] %3을(를) 추출하지 못했습니다.</translation>
    </message>
    <message>
        <source>Failed to open VESK folder. VESK folder does not exist. Ensure folder exists and try again.</source>
        <translation>VESK 폴더를 열지 못했습니다. VESK 폴더가 존재하지 않습니다. 폴더가 있는지 확인한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>[%1] [%2] User stopped extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] 사용자가 &quot;%5&quot;(으)로의 데이터 추출을 중지했습니다. 폴더: %4. 파일: %3.</translation>
    </message>
    <message>
        <source>Incorrect password. Verify password is correct before trying again.</source>
        <translation>암호가 올바르지 않습니다. 암호를 확인한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Unknown VESK folder format. Confirm integrity of VESK folder and try again.</source>
        <translation>알 수 없는 VESK 폴더 형식입니다. VESK 폴더가 손상되지 않았는지 확인한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Replaced file number: %6.</source>
        <translation>[%1] [%2] &quot;%5&quot;(으)로 데이터 추출을 완료했습니다. 폴더: %4. 파일: %3. 바꾼 파일 수: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Skipped file number: %6.</source>
        <translation>[%1] [%2] &quot;%5&quot;(으)로 데이터 추출을 완료했습니다. 폴더: %4. 파일: %3. 건너뛴 파일 수: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] &quot;%5&quot;(으)로 데이터 추출을 완료했습니다. 폴더: %4. 파일: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Insufficient storage space. Free up disk space or increase storage capacity. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] &quot;%5&quot;(으)로 데이터를 추출하지 못했습니다. 저장 공간이 부족합니다. 디스크 공간을 확보하거나 저장 용량을 늘리십시오. 폴더: %4. 파일: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Some files failed to extract. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] &quot;%5&quot;(으)로 데이터를 추출하지 못했습니다. 일부 파일을 추출하지 못했습니다. 폴더: %4. 파일: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] The file to resume from is not in the backup; every file was extracted again under the conflict policy.</source>
        <translation>[%1] [%2] 다시 시작할 파일이 백업에 없습니다. 선택한 충돌 처리 방식에 따라 모든 파일을 다시 추출했습니다.</translation>
    </message>
</context>
<context>
    <name>SearchPanel</name>
    <message>
        <source>Searching…</source>
        <translation>검색 중…</translation>
    </message>
    <message>
        <source>The search could not be completed.</source>
        <translation>검색을 완료할 수 없습니다.</translation>
    </message>
    <message>
        <source>No matches.</source>
        <translation>일치하는 항목이 없습니다.</translation>
    </message>
    <message>
        <source>The first %1 matches are shown. Refine the search to see the others. Checked: %2</source>
        <translation>처음 %1개의 항목이 표시됩니다. 나머지를 보려면 검색 범위를 좁히십시오. 선택됨: %2</translation>
    </message>
    <message>
        <source>Matches: %1. Checked: %2</source>
        <translation>일치: %1개. 선택됨: %2</translation>
    </message>
</context>
<context>
    <name>SearchResultModel</name>
    <message>
        <source>Version</source>
        <translation>버전</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>폴더</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Orvex Extract Tool Update</source>
        <translation>Orvex Extract Tool 업데이트</translation>
    </message>
    <message>
        <source>Unable to check for update.</source>
        <translation>업데이트를 확인할 수 없습니다.</translation>
    </message>
    <message>
        <source>Contact Halvern support</source>
        <translation>Halvern 지원팀에 문의</translation>
    </message>
    <message>
        <source>The latest version of Orvex Extract Tool is already installed.</source>
        <translation>최신 버전의 Orvex Extract Tool이 이미 설치되어 있습니다.</translation>
    </message>
    <message>
        <source>A newer version of Orvex Extract Tool is available. Version: %1.%2</source>
        <translation>Orvex Extract Tool의 새 버전을 사용할 수 있습니다. 버전: %1.%2</translation>
    </message>
</context>
<context>
    <name>VerifyPassword</name>
    <message>
        <source>Verify Password</source>
        <translation>암호 확인</translation>
    </message>
    <message>
        <source>A password is required to decrypt the data.</source>
        <translation>데이터를 복호화하려면 암호가 필요합니다.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>암호</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>VeskFileInfo</name>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Modified Date</source>
        <translation>수정한 날짜</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>찾아보기</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>추출</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>페이지:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>표시:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>개 항목</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>원본: %1</translation>
    </message>
    <message>
        <source>Only the first 100,000 folders are displayed.</source>
        <translation>처음 100,000개 폴더만 표시됩니다.</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>표시 항목: %1, 전체: %2</translation>
    </message>
    <message>
        <source>Selected: %1 Folders, %2 Files</source>
        <translation>선택됨: 폴더 %1개, 파일 %2개</translation>
    </message>
    <message>
        <source>Estimated Restore Size: %1</source>
        <translation>예상 복원 크기: %1</translation>
    </message>
    <message>
        <source>Extract All</source>
        <translation>모두 추출</translation>
    </message>
    <message>
        <source>Check every entry on this page</source>
        <translation>이 페이지의 모든 항목 선택</translation>
    </message>
    <message>
        <source>Newest version</source>
        <translation>최신 버전</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>이 폴더는 비어 있습니다.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>불러오는 중…</translation>
    </message>
    <message>
        <source>calculating…</source>
        <translation>계산 중…</translation>
    </message>
    <message>
        <source>Versions of this file</source>
        <translation>이 파일의 버전</translation>
    </message>
    <message>
        <source>Search by name (Ctrl+F)</source>
        <translation>이름으로 검색 (Ctrl+F)</translation>
    </message>
    <message>
        <source>All versions</source>
        <translation>모든 버전</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
</context>
<context>
    <name>VeskMain</name>
    <message>
        <source>Extract VESK folders on any platform</source>
        <translation>모든 플랫폼에서 VESK 폴더 추출</translation>
    </message>
    <message>
        <source>Click below to start using the Orvex Extract Tool</source>
        <translation>Orvex Extract Tool을 사용하려면 아래를 클릭하십시오</translation>
    </message>
    <message>
        <source>Browse file</source>
        <translation>파일 찾아보기</translation>
    </message>
</context>
<context>
    <name>VeskOpener</name>
    <message>
        <source>Unknown VESK format. Confirm integrity of VESK folder and try again.</source>
        <translation>알 수 없는 VESK 형식입니다. VESK 폴더가 손상되지 않았는지 확인한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>암호가 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>Unknown VESK format.</source>
        <translation>알 수 없는 VESK 형식입니다.</translation>
    </message>
</context>
<context>
    <name>WaitingDialog</name>
    <message>
        <source>Please wait...</source>
        <translation>잠시 기다려 주십시오...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>About</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvex Extract Tool is made by Halvern. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConflictPolicyConfirm</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The event log file %1 could not be opened; only this run&apos;s debug output has the messages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete all event logs?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the event log file itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExtractionFlow</name>
    <message>
        <source>Orvex Extract Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The estimated size after restoration is %1. Select a destination with enough disk space for extraction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a target folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The source and destination folders cannot be the same. Select another folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to extract. The destination file system is unwritable. Check the file system property and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot retrieve disk space information for the selected destination. Are you sure you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected destination doesn&apos;t have enough disk space. Select another destination and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a conflict policy for dealing with file conflicts during extraction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot add additional background tasks. The maximum number of tasks has been reached. To continue, delete individual tasks or click Clear Completed Tasks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to extract files. Check the event logs for more information.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Hcommon</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Hcommon::PagingBar</name>
    <message>
        <source>Page:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LicenseInfo</name>
    <message>
        <source>Open Source &amp; Third Party Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The notices file %1 could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open VESK Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halvern Orvex Extract Tool for Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Source &amp;&amp; Third Party Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some tasks have not completed yet. Are you sure you want to exit the application?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Region</name>
    <message>
        <source>Region</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>China</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In compliance with regional Internet service regulations, Halvern configures services according to your region. Please provide your region information to ensure better connection quality.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Learn more about this</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete .vesk folder after extraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The .vesk folder is deleted after the extraction process completes. This option is only applied when extracting the entire folder by selecting Extract All from the context menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm before deleting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete without asking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extraction Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selecting this option will delete the .vesk folder after the extraction process completes. Deleted folders cannot be restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I understand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RemoveVeskFileThread</name>
    <message>
        <source>[%1] [%2] Delete &quot;%3&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to delete VESK folder. File is undeletable. Failed to delete folder. Check the folder properties.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RestoreJob</name>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queued</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RestoreJobManager</name>
    <message>
        <source>Background Tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Completed Tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total tasks: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extracting: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queued: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[%1] [%2] The background task file is damaged and was skipped: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it names the job %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed extraction. Are you sure you want to delete the .vesk folder &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RestoreProgressDialog</name>
    <message>
        <source>Extract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1% completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RestoreVeskFileListThread</name>
    <message>
        <source>[%1] [%2] Started to extract data to &quot;%5&quot;. Folders: %4. Files:%3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to open VESK folder. VESK folder does not exist. Ensure folder exists and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[%1] [%2] User stopped extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect password. Verify password is correct before trying again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown VESK folder format. Confirm integrity of VESK folder and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Replaced file number: %6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Skipped file number: %6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Insufficient storage space. Free up disk space or increase storage capacity. Folders: %4. Files: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Some files failed to extract. Folders: %4. Files: %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvex Extract Tool Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to check for update.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact Halvern support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The latest version of Orvex Extract Tool is already installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A newer version of Orvex Extract Tool is available. Version: %1.%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VerifyPassword</name>
    <message>
        <source>Verify Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A password is required to decrypt the data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VeskFileInfo</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the first 100,000 folders are displayed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected: %1 Folders, %2 Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated Restore Size: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VeskMain</name>
    <message>
        <source>Extract VESK folders on any platform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click below to start using the Orvex Extract Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VeskOpener</name>
    <message>
        <source>Unknown VESK format. Confirm integrity of VESK folder and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown VESK format.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WaitingDialog</name>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

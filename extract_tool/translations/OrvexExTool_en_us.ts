<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Hcommon</name>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
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
        <translation>Background Tasks</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Event Logs</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Check for Updates</translation>
    </message>
    <message>
        <source>Open Source &amp;&amp; Third Party Software</source>
        <translation>Open Source &amp;&amp; Third Party Software</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Some tasks have not completed yet. Are you sure you want to exit the application?</source>
        <translation>Some tasks have not completed yet. Are you sure you want to exit the application?</translation>
    </message>
    <message>
        <source>Open VESK Folder</source>
        <translation>Open VESK Folder</translation>
    </message>
</context>
<context>
    <name>RestoreJobManager</name>
    <message>
        <source>Background Tasks</source>
        <translation>Background Tasks</translation>
    </message>
    <message>
        <source>No background tasks.</source>
        <translation>No background tasks.</translation>
    </message>
</context>
<context>
    <name>VerifyPassword</name>
    <message>
        <source>Verify Password</source>
        <translation>Verify Password</translation>
    </message>
    <message>
        <source>A password is required to decrypt the data.</source>
        <translation>A password is required to decrypt the data.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>VeskFileInfo</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Modified Date</source>
        <translation>Modified Date</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extract</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Page:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Show:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Items</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Source: %1</translation>
    </message>
    <message>
        <source>Only the first 100,000 folders are displayed.</source>
        <translation>Only the first 100,000 folders are displayed.</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Display item: %1, Total: %2</translation>
    </message>
    <message>
        <source>Selected: %1 Folders, %2 Files</source>
        <translation>Selected: %1 Folders, %2 Files</translation>
    </message>
    <message>
        <source>Estimated Restore Size: %1</source>
        <translation>Estimated Restore Size: %1</translation>
    </message>
    <message>
        <source>Extract All</source>
        <translation>Extract All</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Extraction is not available in this version yet.</source>
        <translation>Extraction is not available in this version yet.</translation>
    </message>
</context>
<context>
    <name>VeskMain</name>
    <message>
        <source>Extract VESK folders on any platform</source>
        <translation>Extract VESK folders on any platform</translation>
    </message>
    <message>
        <source>Click below to start using the Orvex Extract Tool</source>
        <translation>Click below to start using the Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Browse file</source>
        <translation>Browse file</translation>
    </message>
</context>
<context>
    <name>VeskOpener</name>
    <message>
        <source>Unknown VESK format. Confirm integrity of VESK folder and try again.</source>
        <translation>Unknown VESK format. Confirm integrity of VESK folder and try again.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Incorrect password.</translation>
    </message>
    <message>
        <source>Unknown VESK format.</source>
        <translation>Unknown VESK format.</translation>
    </message>
</context>
<context>
    <name>WaitingDialog</name>
    <message>
        <source>Please wait...</source>
        <translation>Please wait...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>

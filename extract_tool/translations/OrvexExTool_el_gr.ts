<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>About</name>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Πληροφορίες</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Έκδοση: %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool is made by Halvern. All rights reserved.</source>
        <translation>Το Orvex Extract Tool αναπτύσσεται από τη Halvern. Με την επιφύλαξη παντός δικαιώματος.</translation>
    </message>
</context>
<context>
    <name>ConflictPolicyConfirm</name>
    <message>
        <source>Yes</source>
        <translation>Ναι</translation>
    </message>
    <message>
        <source>Yes All</source>
        <translation>Ναι σε όλα</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Όχι</translation>
    </message>
    <message>
        <source>NO All</source>
        <translation>Όχι σε όλα</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Αντικατάσταση</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Αντικατάσταση όλων</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Παράλειψη</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>Παράλειψη όλων</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Μετονομασία</translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation>Μετονομασία όλων</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Επανάληψη</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Clear</source>
        <translation>Απαλοιφή</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Αρχεία καταγραφής συμβάντων</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Τύπος</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Ημερομηνία</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Μήνυμα</translation>
    </message>
    <message>
        <source>The event log file %1 could not be opened; only this run&apos;s debug output has the messages.</source>
        <translation>Δεν ήταν δυνατό το άνοιγμα του αρχείου καταγραφής συμβάντων %1· τα μηνύματα υπάρχουν μόνο στην έξοδο εντοπισμού σφαλμάτων αυτής της εκτέλεσης.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all event logs?</source>
        <translation>Θέλετε σίγουρα να διαγράψετε όλα τα αρχεία καταγραφής συμβάντων;</translation>
    </message>
    <message>
        <source>This is the event log file itself.</source>
        <translation>Αυτό είναι το ίδιο το αρχείο καταγραφής συμβάντων.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Αποθήκευση αρχείου</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>Αρχεία καταγραφής (*.log)</translation>
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
        <translation>Το εκτιμώμενο μέγεθος μετά την επαναφορά είναι %1. Επιλέξτε έναν προορισμό με αρκετό ελεύθερο χώρο στον δίσκο για την εξαγωγή.</translation>
    </message>
    <message>
        <source>Select a target folder</source>
        <translation>Επιλέξτε φάκελο προορισμού</translation>
    </message>
    <message>
        <source>The source and destination folders cannot be the same. Select another folder.</source>
        <translation>Οι φάκελοι προέλευσης και προορισμού δεν μπορούν να είναι ίδιοι. Επιλέξτε άλλον φάκελο.</translation>
    </message>
    <message>
        <source>Failed to extract. The destination file system is unwritable. Check the file system property and try again.</source>
        <translation>Η εξαγωγή απέτυχε. Δεν είναι δυνατή η εγγραφή στο σύστημα αρχείων του προορισμού. Ελέγξτε τις ιδιότητες του συστήματος αρχείων και δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <source>Cannot retrieve disk space information for the selected destination. Are you sure you want to continue?</source>
        <translation>Δεν είναι δυνατή η λήψη πληροφοριών για τον χώρο στον δίσκο του επιλεγμένου προορισμού. Θέλετε σίγουρα να συνεχίσετε;</translation>
    </message>
    <message>
        <source>The selected destination doesn&apos;t have enough disk space. Select another destination and try again.</source>
        <translation>Ο επιλεγμένος προορισμός δεν έχει αρκετό ελεύθερο χώρο στον δίσκο. Επιλέξτε άλλον προορισμό και δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <source>Select a conflict policy for dealing with file conflicts during extraction.</source>
        <translation>Επιλέξτε πώς θα αντιμετωπίζονται οι διενέξεις αρχείων κατά την εξαγωγή.</translation>
    </message>
    <message>
        <source>Cannot add additional background tasks. The maximum number of tasks has been reached. To continue, delete individual tasks or click Clear Completed Tasks.</source>
        <translation>Δεν είναι δυνατή η προσθήκη άλλων εργασιών παρασκηνίου. Συμπληρώθηκε ο μέγιστος αριθμός εργασιών. Για να συνεχίσετε, διαγράψτε μεμονωμένες εργασίες ή κάντε κλικ στην επιλογή «Απαλοιφή ολοκληρωμένων».</translation>
    </message>
    <message>
        <source>Failed to extract files. Check the event logs for more information.</source>
        <translation>Η εξαγωγή των αρχείων απέτυχε. Για περισσότερες πληροφορίες, ελέγξτε τα αρχεία καταγραφής συμβάντων.</translation>
    </message>
</context>
<context>
    <name>FileVersionsDialog</name>
    <message>
        <source>State</source>
        <translation>Κατάσταση</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>added</source>
        <translation>προστέθηκε</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>άλλαξε</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>αμετάβλητο</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>διαγράφηκε</translation>
    </message>
    <message>
        <source>The versions of this file could not be read.</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση των εκδόσεων αυτού του αρχείου.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Έκδοση</translation>
    </message>
    <message>
        <source>Version time</source>
        <translation>Χρόνος έκδοσης</translation>
    </message>
</context>
<context>
    <name>Hcommon</name>
    <message>
        <source>Yes</source>
        <translation>Ναι</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Όχι</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Επανάληψη</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Παράλειψη</translation>
    </message>
</context>
<context>
    <name>Hcommon::PagingBar</name>
    <message>
        <source>Page:</source>
        <translation>Σελίδα:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Εμφάνιση:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>στοιχεία</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Εμφανίζονται: %1, σύνολο: %2</translation>
    </message>
</context>
<context>
    <name>LicenseInfo</name>
    <message>
        <source>Open Source &amp; Third Party Software</source>
        <translation>Λογισμικό ανοιχτού κώδικα &amp; τρίτων</translation>
    </message>
    <message>
        <source>The notices file %1 could not be read: %2</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση του αρχείου σημειώσεων %1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open VESK Folder</source>
        <translation>Άνοιγμα φακέλου VESK</translation>
    </message>
    <message>
        <source>Halvern Orvex Extract Tool for Windows</source>
        <translation>Halvern Orvex Extract Tool για Windows</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Background Tasks</source>
        <translation>Εργασίες παρασκηνίου</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Αρχεία καταγραφής συμβάντων</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Πληροφορίες</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Γλώσσα</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Επιλογές</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Έλεγχος για ενημερώσεις</translation>
    </message>
    <message>
        <source>Open Source &amp;&amp; Third Party Software</source>
        <translation>Λογισμικό ανοιχτού κώδικα &amp;&amp; τρίτων</translation>
    </message>
    <message>
        <source>Some tasks have not completed yet. Are you sure you want to exit the application?</source>
        <translation>Ορισμένες εργασίες δεν έχουν ολοκληρωθεί ακόμα. Θέλετε σίγουρα να κλείσετε την εφαρμογή;</translation>
    </message>
</context>
<context>
    <name>Region</name>
    <message>
        <source>Region</source>
        <translation>Περιοχή</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Παγκόσμια</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Κίνα</translation>
    </message>
    <message>
        <source>In compliance with regional Internet service regulations, Halvern configures services according to your region. Please provide your region information to ensure better connection quality.</source>
        <translation>Σύμφωνα με τους τοπικούς κανονισμούς για τις υπηρεσίες διαδικτύου, η Halvern διαμορφώνει τις υπηρεσίες ανάλογα με την περιοχή σας. Δηλώστε την περιοχή σας για να εξασφαλίσετε καλύτερη ποιότητα σύνδεσης.</translation>
    </message>
    <message>
        <source>Learn more about this</source>
        <translation>Μάθετε περισσότερα</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Αυτόματος έλεγχος για ενημερώσεις</translation>
    </message>
    <message>
        <source>Delete .vesk folder after extraction</source>
        <translation>Διαγραφή του φακέλου .vesk μετά την εξαγωγή</translation>
    </message>
    <message>
        <source>The .vesk folder is deleted after the extraction process completes. This option is only applied when extracting the entire folder by selecting Extract All from the context menu.</source>
        <translation>Ο φάκελος .vesk διαγράφεται μετά την ολοκλήρωση της εξαγωγής. Η ρύθμιση αυτή ισχύει μόνο κατά την εξαγωγή ολόκληρου του φακέλου με την εντολή «Εξαγωγή όλων» από το μενού περιβάλλοντος.</translation>
    </message>
    <message>
        <source>Confirm before deleting</source>
        <translation>Επιβεβαίωση πριν από τη διαγραφή</translation>
    </message>
    <message>
        <source>Delete without asking</source>
        <translation>Διαγραφή χωρίς ερώτηση</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Εφαρμογή</translation>
    </message>
    <message>
        <source>Version Update</source>
        <translation>Ενημέρωση έκδοσης</translation>
    </message>
    <message>
        <source>Extraction Settings</source>
        <translation>Ρυθμίσεις εξαγωγής</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Selecting this option will delete the .vesk folder after the extraction process completes. Deleted folders cannot be restored.</source>
        <translation>Αν επιλέξετε αυτήν τη ρύθμιση, ο φάκελος .vesk θα διαγράφεται μετά την ολοκλήρωση της εξαγωγής. Οι φάκελοι που διαγράφονται δεν μπορούν να ανακτηθούν.</translation>
    </message>
    <message>
        <source>I understand</source>
        <translation>Κατανοώ</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση των ρυθμίσεων.</translation>
    </message>
</context>
<context>
    <name>RemoveVeskFileThread</name>
    <message>
        <source>[%1] [%2] Delete &quot;%3&quot;.</source>
        <translation>[%1] [%2] Διαγράφηκε το «%3».</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to delete VESK folder. File is undeletable. Failed to delete folder. Check the folder properties.</source>
        <translation>[%1] [%2] Η διαγραφή του φακέλου VESK απέτυχε. Ένα αρχείο δεν μπορεί να διαγραφεί, επομένως ο φάκελος δεν διαγράφηκε. Ελέγξτε τις ιδιότητες του φακέλου.</translation>
    </message>
</context>
<context>
    <name>RestoreJob</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 από %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>απομένουν %1</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Άνοιγμα φακέλου</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>Εξαγωγή...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Σε παύση</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Ολοκληρώθηκε</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Απέτυχε</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>Σε αναμονή</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Έναρξη</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Παύση</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Κατάργηση</translation>
    </message>
</context>
<context>
    <name>RestoreJobManager</name>
    <message>
        <source>Background Tasks</source>
        <translation>Εργασίες παρασκηνίου</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Απόκρυψη</translation>
    </message>
    <message>
        <source>Clear Completed Tasks</source>
        <translation>Απαλοιφή ολοκληρωμένων</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Δημιουργία</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Προέλευση</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Προορισμός</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Κατάσταση</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ενέργεια</translation>
    </message>
    <message>
        <source>Total tasks: %1</source>
        <translation>Σύνολο εργασιών: %1</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <translation>Ολοκληρωμένες: %1</translation>
    </message>
    <message>
        <source>Extracting: %1</source>
        <translation>Σε εξαγωγή: %1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Σε παύση: %1</translation>
    </message>
    <message>
        <source>Queued: %1</source>
        <translation>Σε αναμονή: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Αποτυχημένες: %1</translation>
    </message>
    <message>
        <source>[%1] [%2] The background task file is damaged and was skipped: %3</source>
        <translation>[%1] [%2] Το αρχείο της εργασίας παρασκηνίου είναι κατεστραμμένο και παραλείφθηκε: %3</translation>
    </message>
    <message>
        <source>it names the job %1</source>
        <translation>αναφέρει την εργασία %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Completed extraction. Are you sure you want to delete the .vesk folder &quot;%1&quot;?</source>
        <translation>Η εξαγωγή ολοκληρώθηκε. Θέλετε σίγουρα να διαγράψετε τον φάκελο .vesk «%1»;</translation>
    </message>
    <message>
        <source>[%1] [%2] The VESK folder &quot;%3&quot; was not deleted: another background task still extracts from it.</source>
        <translation>[%1] [%2] Ο φάκελος VESK «%3» δεν διαγράφηκε: μια άλλη εργασία παρασκηνίου εξάγει ακόμη δεδομένα από αυτόν.</translation>
    </message>
</context>
<context>
    <name>RestoreProgressDialog</name>
    <message>
        <source>Extract</source>
        <translation>Εξαγωγή</translation>
    </message>
    <message>
        <source>%1% completed</source>
        <translation>Ολοκληρώθηκε το %1%</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
</context>
<context>
    <name>RestoreVeskFileListThread</name>
    <message>
        <source>[%1] [%2] Started to extract data to &quot;%5&quot;. Folders: %4. Files:%3.</source>
        <translation>[%1] [%2] Ξεκίνησε η εξαγωγή δεδομένων στο «%5». Φάκελοι: %4. Αρχεία: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract %3.</source>
        <translation>[%1] [%2] Η εξαγωγή του %3 απέτυχε.</translation>
    </message>
    <message>
        <source>Failed to open VESK folder. VESK folder does not exist. Ensure folder exists and try again.</source>
        <translation>Δεν ήταν δυνατό το άνοιγμα του φακέλου VESK, επειδή δεν υπάρχει. Βεβαιωθείτε ότι ο φάκελος υπάρχει και δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <source>[%1] [%2] User stopped extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Ο χρήστης διέκοψε την εξαγωγή δεδομένων στο «%5». Φάκελοι: %4. Αρχεία: %3.</translation>
    </message>
    <message>
        <source>Incorrect password. Verify password is correct before trying again.</source>
        <translation>Λανθασμένος κωδικός πρόσβασης. Βεβαιωθείτε ότι ο κωδικός πρόσβασης είναι σωστός πριν δοκιμάσετε ξανά.</translation>
    </message>
    <message>
        <source>Unknown VESK folder format. Confirm integrity of VESK folder and try again.</source>
        <translation>Άγνωστη μορφή φακέλου VESK. Ελέγξτε την ακεραιότητα του φακέλου VESK και δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Replaced file number: %6.</source>
        <translation>[%1] [%2] Η εξαγωγή δεδομένων στο «%5» ολοκληρώθηκε. Φάκελοι: %4. Αρχεία: %3. Αρχεία που αντικαταστάθηκαν: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Skipped file number: %6.</source>
        <translation>[%1] [%2] Η εξαγωγή δεδομένων στο «%5» ολοκληρώθηκε. Φάκελοι: %4. Αρχεία: %3. Αρχεία που παραλείφθηκαν: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Η εξαγωγή δεδομένων στο «%5» ολοκληρώθηκε. Φάκελοι: %4. Αρχεία: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Insufficient storage space. Free up disk space or increase storage capacity. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Η εξαγωγή δεδομένων στο «%5» απέτυχε. Ανεπαρκής χώρος αποθήκευσης. Ελευθερώστε χώρο στον δίσκο ή αυξήστε τη χωρητικότητα αποθήκευσης. Φάκελοι: %4. Αρχεία: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Some files failed to extract. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Η εξαγωγή δεδομένων στο «%5» απέτυχε. Η εξαγωγή ορισμένων αρχείων απέτυχε. Φάκελοι: %4. Αρχεία: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] The file to resume from is not in the backup; every file was extracted again under the conflict policy.</source>
        <translation>[%1] [%2] Το αρχείο από το οποίο θα γινόταν η συνέχιση δεν υπάρχει στο αντίγραφο ασφαλείας· όλα τα αρχεία εξήχθησαν ξανά σύμφωνα με τον επιλεγμένο χειρισμό διενέξεων.</translation>
    </message>
</context>
<context>
    <name>SearchPanel</name>
    <message>
        <source>Searching…</source>
        <translation>Αναζήτηση…</translation>
    </message>
    <message>
        <source>The search could not be completed.</source>
        <translation>Δεν ήταν δυνατή η ολοκλήρωση της αναζήτησης.</translation>
    </message>
    <message>
        <source>No matches.</source>
        <translation>Δεν βρέθηκαν αποτελέσματα.</translation>
    </message>
    <message>
        <source>The first %1 matches are shown. Refine the search to see the others. Checked: %2</source>
        <translation>Εμφανίζονται τα πρώτα %1 αποτελέσματα. Περιορίστε την αναζήτηση για να δείτε τα υπόλοιπα. Επιλεγμένα: %2</translation>
    </message>
    <message>
        <source>Matches: %1. Checked: %2</source>
        <translation>Αποτελέσματα: %1. Επιλεγμένα: %2</translation>
    </message>
</context>
<context>
    <name>SearchResultModel</name>
    <message>
        <source>Version</source>
        <translation>Έκδοση</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Φάκελος</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Download</source>
        <translation>Λήψη</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Orvex Extract Tool Update</source>
        <translation>Ενημέρωση του Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Unable to check for update.</source>
        <translation>Δεν ήταν δυνατός ο έλεγχος για ενημερώσεις.</translation>
    </message>
    <message>
        <source>Contact Halvern support</source>
        <translation>Επικοινωνία με την υποστήριξη της Halvern</translation>
    </message>
    <message>
        <source>The latest version of Orvex Extract Tool is already installed.</source>
        <translation>Η πιο πρόσφατη έκδοση του Orvex Extract Tool είναι ήδη εγκατεστημένη.</translation>
    </message>
    <message>
        <source>A newer version of Orvex Extract Tool is available. Version: %1.%2</source>
        <translation>Υπάρχει διαθέσιμη νεότερη έκδοση του Orvex Extract Tool. Έκδοση: %1.%2</translation>
    </message>
</context>
<context>
    <name>VerifyPassword</name>
    <message>
        <source>Verify Password</source>
        <translation>Επαλήθευση κωδικού πρόσβασης</translation>
    </message>
    <message>
        <source>A password is required to decrypt the data.</source>
        <translation>Απαιτείται κωδικός πρόσβασης για την αποκρυπτογράφηση των δεδομένων.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Κωδικός πρόσβασης</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
</context>
<context>
    <name>VeskFileInfo</name>
    <message>
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <source>Modified Date</source>
        <translation>Ημερομηνία τροποποίησης</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Μέγεθος</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Αναζήτηση</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Εξαγωγή</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Σελίδα:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Εμφάνιση:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>στοιχεία</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Προέλευση: %1</translation>
    </message>
    <message>
        <source>Only the first 100,000 folders are displayed.</source>
        <translation>Εμφανίζονται μόνο οι πρώτοι 100.000 φάκελοι.</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Εμφανίζονται: %1, σύνολο: %2</translation>
    </message>
    <message>
        <source>Selected: %1 Folders, %2 Files</source>
        <translation>Επιλεγμένα: %1 φάκελοι, %2 αρχεία</translation>
    </message>
    <message>
        <source>Estimated Restore Size: %1</source>
        <translation>Εκτιμώμενο μέγεθος επαναφοράς: %1</translation>
    </message>
    <message>
        <source>Extract All</source>
        <translation>Εξαγωγή όλων</translation>
    </message>
    <message>
        <source>Check every entry on this page</source>
        <translation>Επιλογή όλων των στοιχείων αυτής της σελίδας</translation>
    </message>
    <message>
        <source>Newest version</source>
        <translation>Νεότερη έκδοση</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Αυτός ο φάκελος είναι κενός.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Φόρτωση…</translation>
    </message>
    <message>
        <source>calculating…</source>
        <translation>υπολογισμός…</translation>
    </message>
    <message>
        <source>Versions of this file</source>
        <translation>Εκδόσεις αυτού του αρχείου</translation>
    </message>
    <message>
        <source>Search by name (Ctrl+F)</source>
        <translation>Αναζήτηση με όνομα (Ctrl+F)</translation>
    </message>
    <message>
        <source>All versions</source>
        <translation>Όλες οι εκδόσεις</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Αναζήτηση</translation>
    </message>
</context>
<context>
    <name>VeskMain</name>
    <message>
        <source>Extract VESK folders on any platform</source>
        <translation>Εξαγωγή φακέλων VESK σε οποιαδήποτε πλατφόρμα</translation>
    </message>
    <message>
        <source>Click below to start using the Orvex Extract Tool</source>
        <translation>Κάντε κλικ παρακάτω για να αρχίσετε να χρησιμοποιείτε το Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Browse file</source>
        <translation>Αναζήτηση</translation>
    </message>
</context>
<context>
    <name>VeskOpener</name>
    <message>
        <source>Unknown VESK format. Confirm integrity of VESK folder and try again.</source>
        <translation>Άγνωστη μορφή VESK. Ελέγξτε την ακεραιότητα του φακέλου VESK και δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Λανθασμένος κωδικός πρόσβασης.</translation>
    </message>
    <message>
        <source>Unknown VESK format.</source>
        <translation>Άγνωστη μορφή VESK.</translation>
    </message>
</context>
<context>
    <name>WaitingDialog</name>
    <message>
        <source>Please wait...</source>
        <translation>Περιμένετε...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
</context>
</TS>

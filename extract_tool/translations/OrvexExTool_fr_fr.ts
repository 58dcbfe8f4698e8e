<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version&#xa0;: %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool is made by Halvern. All rights reserved.</source>
        <translation>Orvex Extract Tool est développé par Halvern. Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>ConflictPolicyConfirm</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Yes All</source>
        <translation>Oui pour tout</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>NO All</source>
        <translation>Non pour tout</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Tout remplacer</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>Tout ignorer</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation>Tout renommer</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Journaux d&apos;événements</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>The event log file %1 could not be opened; only this run&apos;s debug output has the messages.</source>
        <translation>Impossible d&apos;ouvrir le fichier journal des événements %1&#xa0;; les messages figurent uniquement dans la sortie de débogage de cette session.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all event logs?</source>
        <translation>Voulez-vous vraiment supprimer tous les journaux d&apos;événements&#xa0;?</translation>
    </message>
    <message>
        <source>This is the event log file itself.</source>
        <translation>Il s&apos;agit du fichier journal des événements lui-même.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>Fichiers journaux (*.log)</translation>
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
        <translation>La taille estimée après restauration est de %1. Sélectionnez une destination disposant de suffisamment d&apos;espace disque pour l&apos;extraction.</translation>
    </message>
    <message>
        <source>Select a target folder</source>
        <translation>Sélectionner un dossier de destination</translation>
    </message>
    <message>
        <source>The source and destination folders cannot be the same. Select another folder.</source>
        <translation>Les dossiers source et de destination ne peuvent pas être identiques. Sélectionnez un autre dossier.</translation>
    </message>
    <message>
        <source>Failed to extract. The destination file system is unwritable. Check the file system property and try again.</source>
        <translation>Échec de l&apos;extraction. Le système de fichiers de destination n&apos;est pas accessible en écriture. Vérifiez les propriétés du système de fichiers et réessayez.</translation>
    </message>
    <message>
        <source>Cannot retrieve disk space information for the selected destination. Are you sure you want to continue?</source>
        <translation>Impossible d&apos;obtenir les informations d&apos;espace disque pour la destination sélectionnée. Voulez-vous vraiment continuer&#xa0;?</translation>
    </message>
    <message>
        <source>The selected destination doesn&apos;t have enough disk space. Select another destination and try again.</source>
        <translation>La destination sélectionnée ne dispose pas de suffisamment d&apos;espace disque. Sélectionnez une autre destination et réessayez.</translation>
    </message>
    <message>
        <source>Select a conflict policy for dealing with file conflicts during extraction.</source>
        <translation>Choisissez comment traiter les conflits de fichiers pendant l&apos;extraction.</translation>
    </message>
    <message>
        <source>Cannot add additional background tasks. The maximum number of tasks has been reached. To continue, delete individual tasks or click Clear Completed Tasks.</source>
        <translation>Impossible d&apos;ajouter d&apos;autres tâches en arrière-plan. Le nombre maximal de tâches est atteint. Pour continuer, supprimez des tâches ou cliquez sur «&#xa0;Effacer les tâches terminées&#xa0;».</translation>
    </message>
    <message>
        <source>Failed to extract files. Check the event logs for more information.</source>
        <translation>Échec de l&apos;extraction des fichiers. Consultez les journaux d&apos;événements pour en savoir plus.</translation>
    </message>
</context>
<context>
    <name>FileVersionsDialog</name>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>added</source>
        <translation>ajouté</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modifié</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>inchangé</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>supprimé</translation>
    </message>
    <message>
        <source>The versions of this file could not be read.</source>
        <translation>Impossible de lire les versions de ce fichier.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Version time</source>
        <translation>Date de la version</translation>
    </message>
</context>
<context>
    <name>Hcommon</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorer</translation>
    </message>
</context>
<context>
    <name>Hcommon::PagingBar</name>
    <message>
        <source>Page:</source>
        <translation>Page&#xa0;:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Afficher&#xa0;:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>éléments</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Éléments affichés&#xa0;: %1, total&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>LicenseInfo</name>
    <message>
        <source>Open Source &amp; Third Party Software</source>
        <translation>Logiciels open source et tiers</translation>
    </message>
    <message>
        <source>The notices file %1 could not be read: %2</source>
        <translation>Impossible de lire le fichier de mentions %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open VESK Folder</source>
        <translation>Ouvrir un dossier VESK</translation>
    </message>
    <message>
        <source>Halvern Orvex Extract Tool for Windows</source>
        <translation>Halvern Orvex Extract Tool pour Windows</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Background Tasks</source>
        <translation>Tâches en arrière-plan</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Journaux d&apos;événements</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Open Source &amp;&amp; Third Party Software</source>
        <translation>Logiciels open source &amp;&amp; tiers</translation>
    </message>
    <message>
        <source>Some tasks have not completed yet. Are you sure you want to exit the application?</source>
        <translation>Certaines tâches ne sont pas encore terminées. Voulez-vous vraiment quitter l&apos;application&#xa0;?</translation>
    </message>
</context>
<context>
    <name>Region</name>
    <message>
        <source>Region</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>International</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Chine</translation>
    </message>
    <message>
        <source>In compliance with regional Internet service regulations, Halvern configures services according to your region. Please provide your region information to ensure better connection quality.</source>
        <translation>Conformément aux réglementations régionales relatives aux services Internet, Halvern configure les services en fonction de votre région. Veuillez indiquer votre région pour garantir une meilleure qualité de connexion.</translation>
    </message>
    <message>
        <source>Learn more about this</source>
        <translation>En savoir plus</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Rechercher automatiquement les mises à jour</translation>
    </message>
    <message>
        <source>Delete .vesk folder after extraction</source>
        <translation>Supprimer le dossier .vesk après l&apos;extraction</translation>
    </message>
    <message>
        <source>The .vesk folder is deleted after the extraction process completes. This option is only applied when extracting the entire folder by selecting Extract All from the context menu.</source>
        <translation>Le dossier .vesk est supprimé une fois l&apos;extraction terminée. Cette option s&apos;applique uniquement lorsque le dossier entier est extrait via «&#xa0;Tout extraire&#xa0;» dans le menu contextuel.</translation>
    </message>
    <message>
        <source>Confirm before deleting</source>
        <translation>Confirmer avant de supprimer</translation>
    </message>
    <message>
        <source>Delete without asking</source>
        <translation>Supprimer sans confirmation</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Version Update</source>
        <translation>Mise à jour de version</translation>
    </message>
    <message>
        <source>Extraction Settings</source>
        <translation>Paramètres d&apos;extraction</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Selecting this option will delete the .vesk folder after the extraction process completes. Deleted folders cannot be restored.</source>
        <translation>Si vous sélectionnez cette option, le dossier .vesk sera supprimé une fois l&apos;extraction terminée. Les dossiers supprimés ne peuvent pas être restaurés.</translation>
    </message>
    <message>
        <source>I understand</source>
        <translation>J&apos;ai compris</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Impossible d&apos;enregistrer les paramètres.</translation>
    </message>
</context>
<context>
    <name>RemoveVeskFileThread</name>
    <message>
        <source>[%1] [%2] Delete &quot;%3&quot;.</source>
        <translation>[%1] [%2] «&#xa0;%3&#xa0;» supprimé.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to delete VESK folder. File is undeletable. Failed to delete folder. Check the folder properties.</source>
        <translation>[%1] [%2] Échec de la suppression du dossier VESK. Un fichier ne peut pas être supprimé, le dossier n&apos;a donc pas pu être supprimé. Vérifiez les propriétés du dossier.</translation>
    </message>
</context>
<context>
    <name>RestoreJob</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>Temps restant&#xa0;: %1</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>Extraction...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>En file d&apos;attente</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Retirer</translation>
    </message>
</context>
<context>
    <name>RestoreJobManager</name>
    <message>
        <source>Background Tasks</source>
        <translation>Tâches en arrière-plan</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Clear Completed Tasks</source>
        <translation>Effacer les tâches terminées</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Créée le</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Total tasks: %1</source>
        <translation>Total des tâches&#xa0;: %1</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <translation>Terminées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Extracting: %1</source>
        <translation>En cours&#xa0;: %1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>En pause&#xa0;: %1</translation>
    </message>
    <message>
        <source>Queued: %1</source>
        <translation>En file d&apos;attente&#xa0;: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Échecs&#xa0;: %1</translation>
    </message>
    <message>
        <source>[%1] [%2] The background task file is damaged and was skipped: %3</source>
        <translation>[%1] [%2] Le fichier de la tâche en arrière-plan est endommagé et a été ignoré&#xa0;: %3</translation>
    </message>
    <message>
        <source>it names the job %1</source>
        <translation>il désigne la tâche %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Completed extraction. Are you sure you want to delete the .vesk folder &quot;%1&quot;?</source>
        <translation>Extraction terminée. Voulez-vous vraiment supprimer le dossier .vesk «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>[%1] [%2] The VESK folder &quot;%3&quot; was not deleted: another background task still extracts from it.</source>
        <translation>[%1] [%2] Le dossier VESK «&#xa0;%3&#xa0;» n&apos;a pas été supprimé&#xa0;: une autre tâche en arrière-plan en extrait encore des données.</translation>
    </message>
</context>
<context>
    <name>RestoreProgressDialog</name>
    <message>
        <source>Extract</source>
        <translation>Extraction</translation>
    </message>
    <message>
        <source>%1% completed</source>
        <translation>%1&#xa0;% terminé</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>RestoreVeskFileListThread</name>
    <message>
        <source>[%1] [%2] Started to extract data to &quot;%5&quot;. Folders: %4. Files:%3.</source>
        <translation>[%1] [%2] Début de l&apos;extraction des données vers «&#xa0;%5&#xa0;». Dossiers&#xa0;: %4. Fichiers&#xa0;: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract %3.</source>
        <translation>[%1] [%2] Échec de l&apos;extraction de %3.</translation>
    </message>
    <message>
        <source>Failed to open VESK folder. VESK folder does not exist. Ensure folder exists and try again.</source>
        <translation>Impossible d&apos;ouvrir le dossier VESK&#xa0;: il n&apos;existe pas. Vérifiez que le dossier existe et réessayez.</translation>
    </message>
    <message>
        <source>[%1] [%2] User stopped extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] L&apos;utilisateur a arrêté l&apos;extraction des données vers «&#xa0;%5&#xa0;». Dossiers&#xa0;: %4. Fichiers&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Incorrect password. Verify password is correct before trying again.</source>
        <translation>Mot de passe incorrect. Vérifiez le mot de passe avant de réessayer.</translation>
    </message>
    <message>
        <source>Unknown VESK folder format. Confirm integrity of VESK folder and try again.</source>
        <translation>Format de dossier VESK inconnu. Vérifiez l&apos;intégrité du dossier VESK et réessayez.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Replaced file number: %6.</source>
        <translation>[%1] [%2] Extraction des données vers «&#xa0;%5&#xa0;» terminée. Dossiers&#xa0;: %4. Fichiers&#xa0;: %3. Fichiers remplacés&#xa0;: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Skipped file number: %6.</source>
        <translation>[%1] [%2] Extraction des données vers «&#xa0;%5&#xa0;» terminée. Dossiers&#xa0;: %4. Fichiers&#xa0;: %3. Fichiers ignorés&#xa0;: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Extraction des données vers «&#xa0;%5&#xa0;» terminée. Dossiers&#xa0;: %4. Fichiers&#xa0;: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Insufficient storage space. Free up disk space or increase storage capacity. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Échec de l&apos;extraction des données vers «&#xa0;%5&#xa0;». Espace de stockage insuffisant. Libérez de l&apos;espace disque ou augmentez la capacité de stockage. Dossiers&#xa0;: %4. Fichiers&#xa0;: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Some files failed to extract. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Échec de l&apos;extraction des données vers «&#xa0;%5&#xa0;». Certains fichiers n&apos;ont pas pu être extraits. Dossiers&#xa0;: %4. Fichiers&#xa0;: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] The file to resume from is not in the backup; every file was extracted again under the conflict policy.</source>
        <translation>[%1] [%2] Le fichier à partir duquel reprendre ne figure pas dans la sauvegarde&#xa0;; tous les fichiers ont été extraits de nouveau selon la gestion des conflits choisie.</translation>
    </message>
</context>
<context>
    <name>SearchPanel</name>
    <message>
        <source>Searching…</source>
        <translation>Recherche en cours…</translation>
    </message>
    <message>
        <source>The search could not be completed.</source>
        <translation>La recherche n’a pas pu aboutir.</translation>
    </message>
    <message>
        <source>No matches.</source>
        <translation>Aucun résultat.</translation>
    </message>
    <message>
        <source>The first %1 matches are shown. Refine the search to see the others. Checked: %2</source>
        <translation>Les %1 premiers résultats sont affichés. Affinez la recherche pour voir les autres. Cochés : %2</translation>
    </message>
    <message>
        <source>Matches: %1. Checked: %2</source>
        <translation>Résultats : %1. Cochés : %2</translation>
    </message>
</context>
<context>
    <name>SearchResultModel</name>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Orvex Extract Tool Update</source>
        <translation>Mise à jour d&apos;Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Unable to check for update.</source>
        <translation>Impossible de rechercher des mises à jour.</translation>
    </message>
    <message>
        <source>Contact Halvern support</source>
        <translation>Contacter le support Halvern</translation>
    </message>
    <message>
        <source>The latest version of Orvex Extract Tool is already installed.</source>
        <translation>La dernière version d&apos;Orvex Extract Tool est déjà installée.</translation>
    </message>
    <message>
        <source>A newer version of Orvex Extract Tool is available. Version: %1.%2</source>
        <translation>Une nouvelle version d&apos;Orvex Extract Tool est disponible. Version&#xa0;: %1.%2</translation>
    </message>
</context>
<context>
    <name>VerifyPassword</name>
    <message>
        <source>Verify Password</source>
        <translation>Vérification du mot de passe</translation>
    </message>
    <message>
        <source>A password is required to decrypt the data.</source>
        <translation>Un mot de passe est requis pour déchiffrer les données.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>VeskFileInfo</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Modified Date</source>
        <translation>Date de modification</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extraire</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Page&#xa0;:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Afficher&#xa0;:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>éléments</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Source&#xa0;: %1</translation>
    </message>
    <message>
        <source>Only the first 100,000 folders are displayed.</source>
        <translation>Seuls les 100&#xa0;000 premiers dossiers sont affichés.</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Éléments affichés&#xa0;: %1, total&#xa0;: %2</translation>
    </message>
    <message>
        <source>Selected: %1 Folders, %2 Files</source>
        <translation>Sélection&#xa0;: %1 dossiers, %2 fichiers</translation>
    </message>
    <message>
        <source>Estimated Restore Size: %1</source>
        <translation>Taille estimée après restauration&#xa0;: %1</translation>
    </message>
    <message>
        <source>Extract All</source>
        <translation>Tout extraire</translation>
    </message>
    <message>
        <source>Check every entry on this page</source>
        <translation>Cocher toutes les entrées de cette page</translation>
    </message>
    <message>
        <source>Newest version</source>
        <translation>Version la plus récente</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Ce dossier est vide.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>calculating…</source>
        <translation>calcul en cours…</translation>
    </message>
    <message>
        <source>Versions of this file</source>
        <translation>Versions de ce fichier</translation>
    </message>
    <message>
        <source>Search by name (Ctrl+F)</source>
        <translation>Rechercher par nom (Ctrl+F)</translation>
    </message>
    <message>
        <source>All versions</source>
        <translation>Toutes les versions</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
</context>
<context>
    <name>VeskMain</name>
    <message>
        <source>Extract VESK folders on any platform</source>
        <translation>Extrayez des dossiers VESK sur toutes les plateformes</translation>
    </message>
    <message>
        <source>Click below to start using the Orvex Extract Tool</source>
        <translation>Cliquez ci-dessous pour commencer à utiliser Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Browse file</source>
        <translation>Parcourir</translation>
    </message>
</context>
<context>
    <name>VeskOpener</name>
    <message>
        <source>Unknown VESK format. Confirm integrity of VESK folder and try again.</source>
        <translation>Format VESK inconnu. Vérifiez l&apos;intégrité du dossier VESK et réessayez.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Mot de passe incorrect.</translation>
    </message>
    <message>
        <source>Unknown VESK format.</source>
        <translation>Format VESK inconnu.</translation>
    </message>
</context>
<context>
    <name>WaitingDialog</name>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>

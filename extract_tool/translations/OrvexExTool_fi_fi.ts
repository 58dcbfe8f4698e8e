<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI">
<context>
    <name>About</name>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tietoja</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versio: %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool is made by Halvern. All rights reserved.</source>
        <translation>Orvex Extract Tool -sovelluksen on kehittänyt Halvern. Kaikki oikeudet pidätetään.</translation>
    </message>
</context>
<context>
    <name>ConflictPolicyConfirm</name>
    <message>
        <source>Yes</source>
        <translation>Kyllä</translation>
    </message>
    <message>
        <source>Yes All</source>
        <translation>Kyllä kaikkiin</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>NO All</source>
        <translation>Ei kaikkiin</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Korvaa</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Korvaa kaikki</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ohita</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>Ohita kaikki</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Nimeä uudelleen</translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation>Nimeä kaikki</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Yritä uudelleen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Clear</source>
        <translation>Tyhjennä</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Tapahtumalokit</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tyyppi</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Päivämäärä</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Viesti</translation>
    </message>
    <message>
        <source>The event log file %1 could not be opened; only this run&apos;s debug output has the messages.</source>
        <translation>Tapahtumalokitiedostoa %1 ei voitu avata; viestit ovat vain tämän suorituskerran virheenjäljitystulosteessa.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all event logs?</source>
        <translation>Haluatko varmasti poistaa kaikki tapahtumalokit?</translation>
    </message>
    <message>
        <source>This is the event log file itself.</source>
        <translation>Tämä on itse tapahtumalokitiedosto.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Tallenna tiedosto</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>Lokitiedostot (*.log)</translation>
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
        <translation>Arvioitu koko palautuksen jälkeen on %1. Valitse kohde, jossa on riittävästi levytilaa purkamista varten.</translation>
    </message>
    <message>
        <source>Select a target folder</source>
        <translation>Valitse kohdekansio</translation>
    </message>
    <message>
        <source>The source and destination folders cannot be the same. Select another folder.</source>
        <translation>Lähde- ja kohdekansio eivät voi olla samat. Valitse toinen kansio.</translation>
    </message>
    <message>
        <source>Failed to extract. The destination file system is unwritable. Check the file system property and try again.</source>
        <translation>Purkaminen epäonnistui. Kohteen tiedostojärjestelmään ei voi kirjoittaa. Tarkista tiedostojärjestelmän ominaisuudet ja yritä uudelleen.</translation>
    </message>
    <message>
        <source>Cannot retrieve disk space information for the selected destination. Are you sure you want to continue?</source>
        <translation>Valitun kohteen levytilatietoja ei voi hakea. Haluatko varmasti jatkaa?</translation>
    </message>
    <message>
        <source>The selected destination doesn&apos;t have enough disk space. Select another destination and try again.</source>
        <translation>Valitussa kohteessa ei ole riittävästi levytilaa. Valitse toinen kohde ja yritä uudelleen.</translation>
    </message>
    <message>
        <source>Select a conflict policy for dealing with file conflicts during extraction.</source>
        <translation>Valitse, miten purkamisen aikana ilmenevät tiedostoristiriidat käsitellään.</translation>
    </message>
    <message>
        <source>Cannot add additional background tasks. The maximum number of tasks has been reached. To continue, delete individual tasks or click Clear Completed Tasks.</source>
        <translation>Taustatehtäviä ei voi lisätä enempää. Tehtävien enimmäismäärä on saavutettu. Jatka poistamalla yksittäisiä tehtäviä tai valitsemalla ”Tyhjennä valmiit”.</translation>
    </message>
    <message>
        <source>Failed to extract files. Check the event logs for more information.</source>
        <translation>Tiedostojen purkaminen epäonnistui. Lisätietoja on tapahtumalokeissa.</translation>
    </message>
</context>
<context>
    <name>FileVersionsDialog</name>
    <message>
        <source>State</source>
        <translation>Tila</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Avaa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>added</source>
        <translation>lisätty</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>muutettu</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>muuttumaton</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>poistettu</translation>
    </message>
    <message>
        <source>The versions of this file could not be read.</source>
        <translation>Tämän tiedoston versioita ei voitu lukea.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versio</translation>
    </message>
    <message>
        <source>Version time</source>
        <translation>Version ajankohta</translation>
    </message>
</context>
<context>
    <name>Hcommon</name>
    <message>
        <source>Yes</source>
        <translation>Kyllä</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Yritä uudelleen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ohita</translation>
    </message>
</context>
<context>
    <name>Hcommon::PagingBar</name>
    <message>
        <source>Page:</source>
        <translation>Sivu:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Näytä:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>kohdetta</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Näytetään: %1, yhteensä: %2</translation>
    </message>
</context>
<context>
    <name>LicenseInfo</name>
    <message>
        <source>Open Source &amp; Third Party Software</source>
        <translation>Avoimen lähdekoodin &amp; kolmansien osapuolten ohjelmistot</translation>
    </message>
    <message>
        <source>The notices file %1 could not be read: %2</source>
        <translation>Ilmoitustiedostoa %1 ei voitu lukea: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open VESK Folder</source>
        <translation>Avaa VESK-kansio</translation>
    </message>
    <message>
        <source>Halvern Orvex Extract Tool for Windows</source>
        <translation>Halvern Orvex Extract Tool Windowsille</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Background Tasks</source>
        <translation>Taustatehtävät</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Tapahtumalokit</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tietoja</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Kieli</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Valinnat</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Tarkista päivitykset</translation>
    </message>
    <message>
        <source>Open Source &amp;&amp; Third Party Software</source>
        <translation>Avoimen lähdekoodin &amp;&amp; kolmansien osapuolten ohjelmistot</translation>
    </message>
    <message>
        <source>Some tasks have not completed yet. Are you sure you want to exit the application?</source>
        <translation>Osa tehtävistä on vielä kesken. Haluatko varmasti sulkea sovelluksen?</translation>
    </message>
</context>
<context>
    <name>Region</name>
    <message>
        <source>Region</source>
        <translation>Alue</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Maailmanlaajuinen</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Kiina</translation>
    </message>
    <message>
        <source>In compliance with regional Internet service regulations, Halvern configures services according to your region. Please provide your region information to ensure better connection quality.</source>
        <translation>Alueellisten internetpalveluja koskevien määräysten mukaisesti Halvern määrittää palvelut alueesi perusteella. Ilmoita alueesi, jotta yhteyden laatu olisi parempi.</translation>
    </message>
    <message>
        <source>Learn more about this</source>
        <translation>Lisätietoja</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Tarkista päivitykset automaattisesti</translation>
    </message>
    <message>
        <source>Delete .vesk folder after extraction</source>
        <translation>Poista .vesk-kansio purkamisen jälkeen</translation>
    </message>
    <message>
        <source>The .vesk folder is deleted after the extraction process completes. This option is only applied when extracting the entire folder by selecting Extract All from the context menu.</source>
        <translation>.vesk-kansio poistetaan, kun purkaminen on valmis. Tätä asetusta käytetään vain, kun koko kansio puretaan valitsemalla pikavalikosta ”Pura kaikki”.</translation>
    </message>
    <message>
        <source>Confirm before deleting</source>
        <translation>Vahvista ennen poistamista</translation>
    </message>
    <message>
        <source>Delete without asking</source>
        <translation>Poista kysymättä</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Version Update</source>
        <translation>Versiopäivitys</translation>
    </message>
    <message>
        <source>Extraction Settings</source>
        <translation>Purkamisen asetukset</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Selecting this option will delete the .vesk folder after the extraction process completes. Deleted folders cannot be restored.</source>
        <translation>Jos valitset tämän asetuksen, .vesk-kansio poistetaan, kun purkaminen on valmis. Poistettuja kansioita ei voi palauttaa.</translation>
    </message>
    <message>
        <source>I understand</source>
        <translation>Ymmärrän</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Asetuksia ei voitu tallentaa.</translation>
    </message>
</context>
<context>
    <name>RemoveVeskFileThread</name>
    <message>
        <source>[%1] [%2] Delete &quot;%3&quot;.</source>
        <translation>[%1] [%2] Poistettu ”%3”.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to delete VESK folder. File is undeletable. Failed to delete folder. Check the folder properties.</source>
        <translation>[%1] [%2] VESK-kansion poistaminen epäonnistui. Tiedostoa ei voi poistaa, joten kansiota ei voitu poistaa. Tarkista kansion ominaisuudet.</translation>
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
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 jäljellä</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Avaa kansio</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>Puretaan...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Keskeytetty</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Valmis</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Epäonnistui</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>Jonossa</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Käynnistä</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Keskeytä</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Poista luettelosta</translation>
    </message>
</context>
<context>
    <name>RestoreJobManager</name>
    <message>
        <source>Background Tasks</source>
        <translation>Taustatehtävät</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Piilota</translation>
    </message>
    <message>
        <source>Clear Completed Tasks</source>
        <translation>Tyhjennä valmiit</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Luotu</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Lähde</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Kohde</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Tila</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Toiminto</translation>
    </message>
    <message>
        <source>Total tasks: %1</source>
        <translation>Tehtäviä yhteensä: %1</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <translation>Valmiit: %1</translation>
    </message>
    <message>
        <source>Extracting: %1</source>
        <translation>Puretaan: %1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Keskeytetyt: %1</translation>
    </message>
    <message>
        <source>Queued: %1</source>
        <translation>Jonossa: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Epäonnistuneet: %1</translation>
    </message>
    <message>
        <source>[%1] [%2] The background task file is damaged and was skipped: %3</source>
        <translation>[%1] [%2] Taustatehtävän tiedosto on vioittunut, ja se ohitettiin: %3</translation>
    </message>
    <message>
        <source>it names the job %1</source>
        <translation>se viittaa tehtävään %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Completed extraction. Are you sure you want to delete the .vesk folder &quot;%1&quot;?</source>
        <translation>Purkaminen on valmis. Haluatko varmasti poistaa .vesk-kansion ”%1”?</translation>
    </message>
    <message>
        <source>[%1] [%2] The VESK folder &quot;%3&quot; was not deleted: another background task still extracts from it.</source>
        <translation>[%1] [%2] VESK-kansiota ”%3” ei poistettu: toinen taustatehtävä purkaa siitä vielä tiedostoja.</translation>
    </message>
</context>
<context>
    <name>RestoreProgressDialog</name>
    <message>
        <source>Extract</source>
        <translation>Purkaminen</translation>
    </message>
    <message>
        <source>%1% completed</source>
        <translation>%1&#xa0;% valmis</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>RestoreVeskFileListThread</name>
    <message>
        <source>[%1] [%2] Started to extract data to &quot;%5&quot;. Folders: %4. Files:%3.</source>
        <translation>[%1] [%2] Tietojen purkaminen kohteeseen ”%5” aloitettiin. Kansiot: %4. Tiedostot: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract %3.</source>
        <translation>[%1] [%2] Kohteen %3 purkaminen epäonnistui.</translation>
    </message>
    <message>
        <source>Failed to open VESK folder. VESK folder does not exist. Ensure folder exists and try again.</source>
        <translation>VESK-kansion avaaminen epäonnistui, koska kansiota ei ole olemassa. Varmista, että kansio on olemassa, ja yritä uudelleen.</translation>
    </message>
    <message>
        <source>[%1] [%2] User stopped extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Käyttäjä lopetti tietojen purkamisen kohteeseen ”%5”. Kansiot: %4. Tiedostot: %3.</translation>
    </message>
    <message>
        <source>Incorrect password. Verify password is correct before trying again.</source>
        <translation>Virheellinen salasana. Tarkista salasana ennen kuin yrität uudelleen.</translation>
    </message>
    <message>
        <source>Unknown VESK folder format. Confirm integrity of VESK folder and try again.</source>
        <translation>Tuntematon VESK-kansion muoto. Tarkista VESK-kansion eheys ja yritä uudelleen.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Replaced file number: %6.</source>
        <translation>[%1] [%2] Tietojen purkaminen kohteeseen ”%5” on valmis. Kansiot: %4. Tiedostot: %3. Korvatut tiedostot: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Skipped file number: %6.</source>
        <translation>[%1] [%2] Tietojen purkaminen kohteeseen ”%5” on valmis. Kansiot: %4. Tiedostot: %3. Ohitetut tiedostot: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Tietojen purkaminen kohteeseen ”%5” on valmis. Kansiot: %4. Tiedostot: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Insufficient storage space. Free up disk space or increase storage capacity. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Tietojen purkaminen kohteeseen ”%5” epäonnistui. Tallennustila ei riitä. Vapauta levytilaa tai lisää tallennuskapasiteettia. Kansiot: %4. Tiedostot: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Some files failed to extract. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Tietojen purkaminen kohteeseen ”%5” epäonnistui. Joidenkin tiedostojen purkaminen epäonnistui. Kansiot: %4. Tiedostot: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] The file to resume from is not in the backup; every file was extracted again under the conflict policy.</source>
        <translation>[%1] [%2] Tiedostoa, josta jatkamisen piti alkaa, ei ole varmuuskopiossa; kaikki tiedostot purettiin uudelleen valitun ristiriitojen käsittelytavan mukaan.</translation>
    </message>
</context>
<context>
    <name>SearchPanel</name>
    <message>
        <source>Searching…</source>
        <translation>Haetaan…</translation>
    </message>
    <message>
        <source>The search could not be completed.</source>
        <translation>Hakua ei voitu suorittaa loppuun.</translation>
    </message>
    <message>
        <source>No matches.</source>
        <translation>Ei osumia.</translation>
    </message>
    <message>
        <source>The first %1 matches are shown. Refine the search to see the others. Checked: %2</source>
        <translation>Ensimmäiset %1 osumaa näytetään. Tarkenna hakua nähdäksesi loput. Valittuna: %2</translation>
    </message>
    <message>
        <source>Matches: %1. Checked: %2</source>
        <translation>Osumia: %1. Valittuna: %2</translation>
    </message>
</context>
<context>
    <name>SearchResultModel</name>
    <message>
        <source>Version</source>
        <translation>Versio</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Kansio</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Download</source>
        <translation>Lataa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Orvex Extract Tool Update</source>
        <translation>Orvex Extract Tool -päivitys</translation>
    </message>
    <message>
        <source>Unable to check for update.</source>
        <translation>Päivityksiä ei voitu tarkistaa.</translation>
    </message>
    <message>
        <source>Contact Halvern support</source>
        <translation>Ota yhteys Halvern-tukeen</translation>
    </message>
    <message>
        <source>The latest version of Orvex Extract Tool is already installed.</source>
        <translation>Orvex Extract Tool -sovelluksen uusin versio on jo asennettu.</translation>
    </message>
    <message>
        <source>A newer version of Orvex Extract Tool is available. Version: %1.%2</source>
        <translation>Orvex Extract Tool -sovelluksesta on saatavilla uudempi versio. Versio: %1.%2</translation>
    </message>
</context>
<context>
    <name>VerifyPassword</name>
    <message>
        <source>Verify Password</source>
        <translation>Salasanan vahvistus</translation>
    </message>
    <message>
        <source>A password is required to decrypt the data.</source>
        <translation>Tietojen salauksen purkamiseen tarvitaan salasana.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Salasana</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>VeskFileInfo</name>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Modified Date</source>
        <translation>Muokkauspäivä</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Koko</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Selaa</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Pura</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Sivu:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Näytä:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>kohdetta</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Lähde: %1</translation>
    </message>
    <message>
        <source>Only the first 100,000 folders are displayed.</source>
        <translation>Vain ensimmäiset 100&#xa0;000 kansiota näytetään.</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Näytetään: %1, yhteensä: %2</translation>
    </message>
    <message>
        <source>Selected: %1 Folders, %2 Files</source>
        <translation>Valittu: kansioita %1, tiedostoja %2</translation>
    </message>
    <message>
        <source>Estimated Restore Size: %1</source>
        <translation>Arvioitu koko palautuksen jälkeen: %1</translation>
    </message>
    <message>
        <source>Extract All</source>
        <translation>Pura kaikki</translation>
    </message>
    <message>
        <source>Check every entry on this page</source>
        <translation>Valitse kaikki tämän sivun kohteet</translation>
    </message>
    <message>
        <source>Newest version</source>
        <translation>Uusin versio</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Tämä kansio on tyhjä.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Ladataan…</translation>
    </message>
    <message>
        <source>calculating…</source>
        <translation>lasketaan…</translation>
    </message>
    <message>
        <source>Versions of this file</source>
        <translation>Tämän tiedoston versiot</translation>
    </message>
    <message>
        <source>Search by name (Ctrl+F)</source>
        <translation>Hae nimellä (Ctrl+F)</translation>
    </message>
    <message>
        <source>All versions</source>
        <translation>Kaikki versiot</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hae</translation>
    </message>
</context>
<context>
    <name>VeskMain</name>
    <message>
        <source>Extract VESK folders on any platform</source>
        <translation>Pura VESK-kansioita millä tahansa alustalla</translation>
    </message>
    <message>
        <source>Click below to start using the Orvex Extract Tool</source>
        <translation>Aloita Orvex Extract Tool -sovelluksen käyttö napsauttamalla alla olevaa painiketta</translation>
    </message>
    <message>
        <source>Browse file</source>
        <translation>Selaa</translation>
    </message>
</context>
<context>
    <name>VeskOpener</name>
    <message>
        <source>Unknown VESK format. Confirm integrity of VESK folder and try again.</source>
        <translation>Tuntematon VESK-muoto. Tarkista VESK-kansion eheys ja yritä uudelleen.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Virheellinen salasana.</translation>
    </message>
    <message>
        <source>Unknown VESK format.</source>
        <translation>Tuntematon VESK-muoto.</translation>
    </message>
</context>
<context>
    <name>WaitingDialog</name>
    <message>
        <source>Please wait...</source>
        <translation>Odota...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>About</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versión: %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool is made by Halvern. All rights reserved.</source>
        <translation>Orvex Extract Tool ha sido desarrollado por Halvern. Todos los derechos reservados.</translation>
    </message>
</context>
<context>
    <name>ConflictPolicyConfirm</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Yes All</source>
        <translation>Sí a todo</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>NO All</source>
        <translation>No a todo</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Reemplazar todo</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>Omitir todo</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation>Renombrar todo</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Registros de eventos</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>The event log file %1 could not be opened; only this run&apos;s debug output has the messages.</source>
        <translation>No se ha podido abrir el archivo de registro de eventos %1; los mensajes solo están en la salida de depuración de esta sesión.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all event logs?</source>
        <translation>¿Seguro que desea eliminar todos los registros de eventos?</translation>
    </message>
    <message>
        <source>This is the event log file itself.</source>
        <translation>Este es el propio archivo de registro de eventos.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>Archivos de registro (*.log)</translation>
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
        <translation>El tamaño estimado tras la restauración es de %1. Seleccione un destino con espacio en disco suficiente para la extracción.</translation>
    </message>
    <message>
        <source>Select a target folder</source>
        <translation>Seleccione una carpeta de destino</translation>
    </message>
    <message>
        <source>The source and destination folders cannot be the same. Select another folder.</source>
        <translation>Las carpetas de origen y destino no pueden ser la misma. Seleccione otra carpeta.</translation>
    </message>
    <message>
        <source>Failed to extract. The destination file system is unwritable. Check the file system property and try again.</source>
        <translation>Error al extraer. No se puede escribir en el sistema de archivos de destino. Compruebe las propiedades del sistema de archivos e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Cannot retrieve disk space information for the selected destination. Are you sure you want to continue?</source>
        <translation>No se puede obtener la información de espacio en disco del destino seleccionado. ¿Seguro que desea continuar?</translation>
    </message>
    <message>
        <source>The selected destination doesn&apos;t have enough disk space. Select another destination and try again.</source>
        <translation>El destino seleccionado no tiene espacio en disco suficiente. Seleccione otro destino e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Select a conflict policy for dealing with file conflicts during extraction.</source>
        <translation>Seleccione cómo resolver los conflictos de archivos durante la extracción.</translation>
    </message>
    <message>
        <source>Cannot add additional background tasks. The maximum number of tasks has been reached. To continue, delete individual tasks or click Clear Completed Tasks.</source>
        <translation>No se pueden añadir más tareas en segundo plano. Se ha alcanzado el número máximo de tareas. Para continuar, elimine alguna tarea o haga clic en «Borrar tareas completadas».</translation>
    </message>
    <message>
        <source>Failed to extract files. Check the event logs for more information.</source>
        <translation>Error al extraer los archivos. Consulte los registros de eventos para obtener más información.</translation>
    </message>
</context>
<context>
    <name>FileVersionsDialog</name>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>added</source>
        <translation>añadido</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modificado</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>sin cambios</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>eliminado</translation>
    </message>
    <message>
        <source>The versions of this file could not be read.</source>
        <translation>No se pudieron leer las versiones de este archivo.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Version time</source>
        <translation>Fecha de la versión</translation>
    </message>
</context>
<context>
    <name>Hcommon</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
</context>
<context>
    <name>Hcommon::PagingBar</name>
    <message>
        <source>Page:</source>
        <translation>Página:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Mostrar:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>elementos</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Mostrando: %1, total: %2</translation>
    </message>
</context>
<context>
    <name>LicenseInfo</name>
    <message>
        <source>Open Source &amp; Third Party Software</source>
        <translation>Software de código abierto y de terceros</translation>
    </message>
    <message>
        <source>The notices file %1 could not be read: %2</source>
        <translation>No se ha podido leer el archivo de avisos %1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open VESK Folder</source>
        <translation>Abrir carpeta VESK</translation>
    </message>
    <message>
        <source>Halvern Orvex Extract Tool for Windows</source>
        <translation>Halvern Orvex Extract Tool para Windows</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Background Tasks</source>
        <translation>Tareas en segundo plano</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Registros de eventos</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Open Source &amp;&amp; Third Party Software</source>
        <translation>Software de código abierto &amp;&amp; de terceros</translation>
    </message>
    <message>
        <source>Some tasks have not completed yet. Are you sure you want to exit the application?</source>
        <translation>Algunas tareas aún no han finalizado. ¿Seguro que desea salir de la aplicación?</translation>
    </message>
</context>
<context>
    <name>Region</name>
    <message>
        <source>Region</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>China</source>
        <translation>China</translation>
    </message>
    <message>
        <source>In compliance with regional Internet service regulations, Halvern configures services according to your region. Please provide your region information to ensure better connection quality.</source>
        <translation>De acuerdo con la normativa regional sobre servicios de Internet, Halvern configura los servicios según su región. Indique su región para garantizar una mejor calidad de conexión.</translation>
    </message>
    <message>
        <source>Learn more about this</source>
        <translation>Más información</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Buscar actualizaciones automáticamente</translation>
    </message>
    <message>
        <source>Delete .vesk folder after extraction</source>
        <translation>Eliminar la carpeta .vesk tras la extracción</translation>
    </message>
    <message>
        <source>The .vesk folder is deleted after the extraction process completes. This option is only applied when extracting the entire folder by selecting Extract All from the context menu.</source>
        <translation>La carpeta .vesk se elimina cuando finaliza la extracción. Esta opción solo se aplica al extraer la carpeta completa mediante «Extraer todo» en el menú contextual.</translation>
    </message>
    <message>
        <source>Confirm before deleting</source>
        <translation>Confirmar antes de eliminar</translation>
    </message>
    <message>
        <source>Delete without asking</source>
        <translation>Eliminar sin preguntar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Version Update</source>
        <translation>Actualización de versión</translation>
    </message>
    <message>
        <source>Extraction Settings</source>
        <translation>Configuración de extracción</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Selecting this option will delete the .vesk folder after the extraction process completes. Deleted folders cannot be restored.</source>
        <translation>Si selecciona esta opción, la carpeta .vesk se eliminará cuando finalice la extracción. Las carpetas eliminadas no se pueden recuperar.</translation>
    </message>
    <message>
        <source>I understand</source>
        <translation>Entendido</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>No se ha podido guardar la configuración.</translation>
    </message>
</context>
<context>
    <name>RemoveVeskFileThread</name>
    <message>
        <source>[%1] [%2] Delete &quot;%3&quot;.</source>
        <translation>[%1] [%2] Se ha eliminado «%3».</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to delete VESK folder. File is undeletable. Failed to delete folder. Check the folder properties.</source>
        <translation>[%1] [%2] Error al eliminar la carpeta VESK. Hay un archivo que no se puede eliminar, por lo que no se ha podido eliminar la carpeta. Compruebe las propiedades de la carpeta.</translation>
    </message>
</context>
<context>
    <name>RestoreJob</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>quedan %1</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>Extrayendo...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completada</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>En cola</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Quitar</translation>
    </message>
</context>
<context>
    <name>RestoreJobManager</name>
    <message>
        <source>Background Tasks</source>
        <translation>Tareas en segundo plano</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Clear Completed Tasks</source>
        <translation>Borrar completadas</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Creada</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Total tasks: %1</source>
        <translation>Total de tareas: %1</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <translation>Completadas: %1</translation>
    </message>
    <message>
        <source>Extracting: %1</source>
        <translation>Extrayendo: %1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>En pausa: %1</translation>
    </message>
    <message>
        <source>Queued: %1</source>
        <translation>En cola: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Con errores: %1</translation>
    </message>
    <message>
        <source>[%1] [%2] The background task file is damaged and was skipped: %3</source>
        <translation>[%1] [%2] El archivo de la tarea en segundo plano está dañado y se ha omitido: %3</translation>
    </message>
    <message>
        <source>it names the job %1</source>
        <translation>indica la tarea %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Completed extraction. Are you sure you want to delete the .vesk folder &quot;%1&quot;?</source>
        <translation>Extracción completada. ¿Seguro que desea eliminar la carpeta .vesk «%1»?</translation>
    </message>
    <message>
        <source>[%1] [%2] The VESK folder &quot;%3&quot; was not deleted: another background task still extracts from it.</source>
        <translation>[%1] [%2] No se eliminó la carpeta VESK «%3»: otra tarea en segundo plano sigue extrayendo datos de ella.</translation>
    </message>
</context>
<context>
    <name>RestoreProgressDialog</name>
    <message>
        <source>Extract</source>
        <translation>Extracción</translation>
    </message>
    <message>
        <source>%1% completed</source>
        <translation>%1 % completado</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>RestoreVeskFileListThread</name>
    <message>
        <source>[%1] [%2] Started to extract data to &quot;%5&quot;. Folders: %4. Files:%3.</source>
        <translation>[%1] [%2] Se ha iniciado la extracción de datos en «%5». Carpetas: %4. Archivos: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract %3.</source>
        <translation>[%1] [%2] Error al extraer %3.</translation>
    </message>
    <message>
        <source>Failed to open VESK folder. VESK folder does not exist. Ensure folder exists and try again.</source>
        <translation>No se ha podido abrir la carpeta VESK porque no existe. Compruebe que la carpeta existe e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>[%1] [%2] User stopped extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] El usuario ha detenido la extracción de datos en «%5». Carpetas: %4. Archivos: %3.</translation>
    </message>
    <message>
        <source>Incorrect password. Verify password is correct before trying again.</source>
        <translation>Contraseña incorrecta. Compruebe la contraseña antes de volver a intentarlo.</translation>
    </message>
    <message>
        <source>Unknown VESK folder format. Confirm integrity of VESK folder and try again.</source>
        <translation>Formato de carpeta VESK desconocido. Compruebe la integridad de la carpeta VESK e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Replaced file number: %6.</source>
        <translation>[%1] [%2] Ha finalizado la extracción de datos en «%5». Carpetas: %4. Archivos: %3. Archivos reemplazados: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Skipped file number: %6.</source>
        <translation>[%1] [%2] Ha finalizado la extracción de datos en «%5». Carpetas: %4. Archivos: %3. Archivos omitidos: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Ha finalizado la extracción de datos en «%5». Carpetas: %4. Archivos: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Insufficient storage space. Free up disk space or increase storage capacity. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Error al extraer datos en «%5». Espacio de almacenamiento insuficiente. Libere espacio en disco o aumente la capacidad de almacenamiento. Carpetas: %4. Archivos: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Some files failed to extract. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Error al extraer datos en «%5». No se han podido extraer algunos archivos. Carpetas: %4. Archivos: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] The file to resume from is not in the backup; every file was extracted again under the conflict policy.</source>
        <translation>[%1] [%2] El archivo desde el que se debía reanudar no está en la copia de seguridad; se volvieron a extraer todos los archivos según la resolución de conflictos elegida.</translation>
    </message>
</context>
<context>
    <name>SearchPanel</name>
    <message>
        <source>Searching…</source>
        <translation>Buscando…</translation>
    </message>
    <message>
        <source>The search could not be completed.</source>
        <translation>No se pudo completar la búsqueda.</translation>
    </message>
    <message>
        <source>No matches.</source>
        <translation>No hay coincidencias.</translation>
    </message>
    <message>
        <source>The first %1 matches are shown. Refine the search to see the others. Checked: %2</source>
        <translation>Se muestran las primeras %1 coincidencias. Afine la búsqueda para ver las demás. Marcadas: %2</translation>
    </message>
    <message>
        <source>Matches: %1. Checked: %2</source>
        <translation>Coincidencias: %1. Marcadas: %2</translation>
    </message>
</context>
<context>
    <name>SearchResultModel</name>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Orvex Extract Tool Update</source>
        <translation>Actualización de Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Unable to check for update.</source>
        <translation>No se pueden buscar actualizaciones.</translation>
    </message>
    <message>
        <source>Contact Halvern support</source>
        <translation>Contactar con el soporte de Halvern</translation>
    </message>
    <message>
        <source>The latest version of Orvex Extract Tool is already installed.</source>
        <translation>Ya está instalada la versión más reciente de Orvex Extract Tool.</translation>
    </message>
    <message>
        <source>A newer version of Orvex Extract Tool is available. Version: %1.%2</source>
        <translation>Hay una nueva versión de Orvex Extract Tool disponible. Versión: %1.%2</translation>
    </message>
</context>
<context>
    <name>VerifyPassword</name>
    <message>
        <source>Verify Password</source>
        <translation>Verificar contraseña</translation>
    </message>
    <message>
        <source>A password is required to decrypt the data.</source>
        <translation>Se necesita una contraseña para descifrar los datos.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>VeskFileInfo</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Modified Date</source>
        <translation>Fecha de modificación</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extraer</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Página:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Mostrar:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>elementos</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Origen: %1</translation>
    </message>
    <message>
        <source>Only the first 100,000 folders are displayed.</source>
        <translation>Solo se muestran las primeras 100.000 carpetas.</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Mostrando: %1, total: %2</translation>
    </message>
    <message>
        <source>Selected: %1 Folders, %2 Files</source>
        <translation>Seleccionado: %1 carpetas, %2 archivos</translation>
    </message>
    <message>
        <source>Estimated Restore Size: %1</source>
        <translation>Tamaño estimado tras la restauración: %1</translation>
    </message>
    <message>
        <source>Extract All</source>
        <translation>Extraer todo</translation>
    </message>
    <message>
        <source>Check every entry on this page</source>
        <translation>Marcar todas las entradas de esta página</translation>
    </message>
    <message>
        <source>Newest version</source>
        <translation>Versión más reciente</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Esta carpeta está vacía.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Cargando…</translation>
    </message>
    <message>
        <source>calculating…</source>
        <translation>calculando…</translation>
    </message>
    <message>
        <source>Versions of this file</source>
        <translation>Versiones de este archivo</translation>
    </message>
    <message>
        <source>Search by name (Ctrl+F)</source>
        <translation>Buscar por nombre (Ctrl+F)</translation>
    </message>
    <message>
        <source>All versions</source>
        <translation>Todas las versiones</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
</context>
<context>
    <name>VeskMain</name>
    <message>
        <source>Extract VESK folders on any platform</source>
        <translation>Extraiga carpetas VESK en cualquier plataforma</translation>
    </message>
    <message>
        <source>Click below to start using the Orvex Extract Tool</source>
        <translation>Haga clic abajo para empezar a usar Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Browse file</source>
        <translation>Examinar</translation>
    </message>
</context>
<context>
    <name>VeskOpener</name>
    <message>
        <source>Unknown VESK format. Confirm integrity of VESK folder and try again.</source>
        <translation>Formato VESK desconocido. Compruebe la integridad de la carpeta VESK e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Contraseña incorrecta.</translation>
    </message>
    <message>
        <source>Unknown VESK format.</source>
        <translation>Formato VESK desconocido.</translation>
    </message>
</context>
<context>
    <name>WaitingDialog</name>
    <message>
        <source>Please wait...</source>
        <translation>Espere, por favor...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>

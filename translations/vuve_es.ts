<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Vuve Vudurod %1</source>
        <translation>Vuve Vudurod %1</translation>
    </message>
    <message>
        <source>Language: English</source>
        <extracomment>Which language the window is in, named in that language.</extracomment>
        <translation>Idioma: español</translation>
    </message>
    <message>
        <source>Copyright © 2026 Vuve Vudurod developers. All rights reserved.

No file or information of this software may be duplicated, copied, modified or adapted without the written permission of the rights holder.

The content of this software is protected by law. Using the software does not make you the owner of the software or of any of its content.</source>
        <translation>Copyright © 2026 Desarrolladores de Vuve Vudurod. Todos los derechos reservados.

Ningún archivo ni información de este software puede duplicarse, copiarse, modificarse ni adaptarse sin el permiso por escrito del titular de los derechos.

El contenido de este software está protegido por la ley. Usar el software no te convierte en propietario del software ni de ninguno de sus contenidos.</translation>
    </message>
</context>
<context>
    <name>AllAnswersRow</name>
    <message>
        <source>Yes to all</source>
        <translation>Sí a todo</translation>
    </message>
    <message>
        <source>No to all</source>
        <translation>No a todo</translation>
    </message>
</context>
<context>
    <name>BackupFlow</name>
    <message>
        <source>Back up %1</source>
        <translation>Copia de seguridad de %1</translation>
    </message>
    <message>
        <source>Every file on %1 is copied into a new folder, named after the calculator and the time, in this folder:</source>
        <translation>Todos los archivos de %1 se copian en una carpeta nueva, con el nombre de la calculadora y la hora, dentro de esta carpeta:</translation>
    </message>
    <message>
        <source>Back Up</source>
        <translation>Hacer copia</translation>
    </message>
    <message>
        <source>Change Folder…</source>
        <translation>Otra carpeta…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Choose the folder for backups</source>
        <translation>Elegir la carpeta de las copias de seguridad</translation>
    </message>
    <message>
        <source>Back up all calculators</source>
        <translation>Copia de seguridad de todas las calculadoras</translation>
    </message>
    <message>
        <source>Every file on each calculator is copied into a new folder of its own, named after the calculator and the time, in this folder:</source>
        <translation>Todos los archivos de cada calculadora se copian en una carpeta nueva propia, con el nombre de la calculadora y la hora, dentro de esta carpeta:</translation>
    </message>
    <message>
        <source>Back up the calculator</source>
        <translation>Copia de seguridad de la calculadora</translation>
    </message>
    <message>
        <source>Every file on the calculator is copied into a new folder, named after the calculator and the time, in this folder:</source>
        <translation>Todos los archivos de la calculadora se copian en una carpeta nueva, con el nombre de la calculadora y la hora, dentro de esta carpeta:</translation>
    </message>
</context>
<context>
    <name>BackupManifest</name>
    <message>
        <source>The manifest of %1 can&apos;t be written: %2</source>
        <translation>No se puede escribir el manifiesto de %1: %2</translation>
    </message>
    <message>
        <source>%1 holds no complete backup: it has no readable %2.</source>
        <extracomment>%2 is the manifest&apos;s file name, manifest.json.</extracomment>
        <translation>%1 no contiene una copia de seguridad completa: no tiene un %2 legible.</translation>
    </message>
    <message>
        <source>The %1 of %2 is not a backup manifest.</source>
        <extracomment>%1 is the manifest&apos;s file name, manifest.json; %2 is a folder.</extracomment>
        <translation>El archivo %1 de %2 no es un manifiesto de copia de seguridad.</translation>
    </message>
    <message>
        <source>The backup in %1 was made by a newer vuvectl.</source>
        <translation>La copia de seguridad de %1 se hizo con una versión más reciente de vuvectl.</translation>
    </message>
    <message>
        <source>The %1 of %2 lists a file it cannot restore (%3).</source>
        <extracomment>%1 is the manifest&apos;s file name, manifest.json; %2 is a folder; %3 a file name.</extracomment>
        <translation>El archivo %1 de %2 incluye un archivo que no se puede restaurar (%3).</translation>
    </message>
    <message>
        <source>the backup lists another file of this name (case ignored)</source>
        <translation>la copia de seguridad incluye otro archivo con este nombre (sin distinguir mayúsculas)</translation>
    </message>
    <message>
        <source>the backup says it can&apos;t be sent back</source>
        <translation>según la copia de seguridad, no se puede devolver</translation>
    </message>
    <message>
        <source>%1 is missing from the backup.</source>
        <translation>Falta %1 en la copia de seguridad.</translation>
    </message>
    <message>
        <source>%1 has %2 bytes; the manifest says %3.</source>
        <translation>%1 tiene %2 bytes; el manifiesto indica %3.</translation>
    </message>
    <message>
        <source>%1 differs from what the manifest says was backed up.</source>
        <translation>%1 no coincide con lo que el manifiesto dice que se guardó.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>File %1 can&apos;t be read.</source>
        <translation>No se puede leer el archivo %1.</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB (1048576 bytes), the most a file sent to the calculator may have</source>
        <translation>ocupa más de 1 MiB (1048576 bytes), el máximo para un archivo enviado a la calculadora</translation>
    </message>
    <message>
        <source>its name is not one the calculator&apos;s 8.3 rule keeps</source>
        <translation>su nombre no cumple la regla 8.3 de la calculadora</translation>
    </message>
    <message>
        <source>its name can&apos;t be a file name in the backup folder</source>
        <translation>su nombre no puede ser un nombre de archivo en la carpeta de la copia</translation>
    </message>
    <message>
        <source>the calculator lists it twice, and a backup holds one file per name</source>
        <translation>la calculadora lo incluye dos veces, y una copia de seguridad guarda un archivo por nombre</translation>
    </message>
    <message>
        <source>the calculator lists %1 as well, and a backup holds one file per name, whatever its case</source>
        <translation>la calculadora incluye también %1, y una copia de seguridad guarda un archivo por nombre, sin importar mayúsculas</translation>
    </message>
    <message>
        <source>the calculator&apos;s file list had an entry that could not be read</source>
        <translation>la lista de archivos de la calculadora tenía una entrada ilegible</translation>
    </message>
    <message>
        <source>The %1 of %2 lists more files than a calculator holds.</source>
        <extracomment>%1 is the manifest&apos;s file name, manifest.json; %2 is a folder.</extracomment>
        <translation>El archivo %1 de %2 enumera más archivos de los que caben en una calculadora.</translation>
    </message>
</context>
<context>
    <name>BackupRestorer</name>
    <message>
        <source>The backup in %1 is not complete; nothing was sent.</source>
        <translation>La copia de seguridad de %1 está incompleta; no se envió nada.</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>No se envió nada.</translation>
    </message>
    <message>
        <source>A file the calculator could not list can&apos;t be restored: %1.</source>
        <translation>Un archivo que la calculadora no pudo listar no se puede restaurar: %1.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be restored: %2.</source>
        <translation>No se puede restaurar %1: %2.</translation>
    </message>
    <message>
        <source>After the restore, %1 is not on the calculator with its %2 bytes.</source>
        <translation>Tras la restauración, %1 no está en la calculadora con sus %2 bytes.</translation>
    </message>
    <message numerus="yes">
        <source>%n more files of the backup do not match its manifest.</source>
        <translation>
            <numerusform>%n archivo más de la copia no coincide con su manifiesto.</numerusform>
            <numerusform>%n archivos más de la copia no coinciden con su manifiesto.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more files of the backup can&apos;t be restored.</source>
        <translation>
            <numerusform>%n archivo más de la copia no se puede restaurar.</numerusform>
            <numerusform>%n archivos más de la copia no se pueden restaurar.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BackupTexts</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1 lists the first names; %n counts the names left out.</extracomment>
        <translation>
            <numerusform>%1 y %n más</numerusform>
            <numerusform>%1 y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>the calculator</source>
        <translation>la calculadora</translation>
    </message>
    <message>
        <source>Nothing was backed up from %1</source>
        <translation>No se copió nada de %1</translation>
    </message>
    <message>
        <source>The backup of %1 is not complete; %2 is marked so</source>
        <extracomment>%2 is the backup&apos;s folder, whose manifest says it is incomplete.</extracomment>
        <translation>La copia de seguridad de %1 está incompleta; %2 está marcada como tal</translation>
    </message>
    <message numerus="yes">
        <source>Backed up %n files of %1 to %2</source>
        <extracomment>%1 is the calculator&apos;s name, %2 the backup&apos;s folder.</extracomment>
        <translation>
            <numerusform>Copia de seguridad de %n archivo de %1 guardada en %2</numerusform>
            <numerusform>Copia de seguridad de %n archivos de %1 guardada en %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n files can&apos;t be restored from it</source>
        <extracomment>Follows &quot;Backed up 3 files of Vori X1 to …&quot;: files the backup holds that a restore can&apos;t send back (too large, a name not allowed).</extracomment>
        <translation>
            <numerusform>; %n archivo no se podrá restaurar desde ella</numerusform>
            <numerusform>; %n archivos no se podrán restaurar desde ella</numerusform>
        </translation>
    </message>
    <message>
        <source>a calculator</source>
        <extracomment>Stands for the device name of a backup whose manifest gives none.</extracomment>
        <translation>una calculadora</translation>
    </message>
    <message>
        <source>Restore to %1 the backup of %2 made on %3 at %4?</source>
        <translation>¿Restaurar en %1 la copia de seguridad de %2 hecha el %3 a las %4?</translation>
    </message>
    <message>
        <source>Restore to %1 the backup of %2?</source>
        <translation>¿Restaurar en %1 la copia de seguridad de %2?</translation>
    </message>
    <message numerus="yes">
        <source>%n files will be added: %1.</source>
        <extracomment>%1 lists the calculator&apos;s file names.</extracomment>
        <translation>
            <numerusform>Se añadirá %n archivo: %1.</numerusform>
            <numerusform>Se añadirán %n archivos: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files will be replaced: %1.</source>
        <extracomment>%1 lists the calculator&apos;s file names.</extracomment>
        <translation>
            <numerusform>Se reemplazará %n archivo: %1.</numerusform>
            <numerusform>Se reemplazarán %n archivos: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The backup holds no file to restore.</source>
        <translation>La copia de seguridad no contiene ningún archivo que restaurar.</translation>
    </message>
    <message>
        <source>Nothing is deleted, on the calculator or on this computer.</source>
        <translation>No se borra nada, ni en la calculadora ni en este ordenador.</translation>
    </message>
    <message numerus="yes">
        <source>%n files of the backup can&apos;t be restored: %1.</source>
        <extracomment>%1 lists the files with the reason for each.</extracomment>
        <translation>
            <numerusform>%n archivo de la copia no se puede restaurar: %1.</numerusform>
            <numerusform>%n archivos de la copia no se pueden restaurar: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was restored to %1</source>
        <translation>No se restauró nada en %1</translation>
    </message>
    <message>
        <source>The backup held nothing to restore to %1</source>
        <translation>La copia de seguridad no contenía nada que restaurar en %1</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n files to %1 and checked them</source>
        <extracomment>Checked: the calculator&apos;s listing shows every file with its size.</extracomment>
        <translation>
            <numerusform>%n archivo restaurado en %1 y comprobado</numerusform>
            <numerusform>%n archivos restaurados en %1 y comprobados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %n files to %1, but the calculator does not list them all as sent</source>
        <translation>
            <numerusform>%n archivo restaurado en %1, pero la calculadora no lo muestra como enviado</numerusform>
            <numerusform>%n archivos restaurados en %1, pero la calculadora no los muestra todos como enviados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %1 of %n files to %2</source>
        <extracomment>%1 files of %n were sent; %2 is the calculator&apos;s name.</extracomment>
        <translation>
            <numerusform>%1 de %n archivo restaurado en %2</numerusform>
            <numerusform>%1 de %n archivos restaurados en %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n files of the backup can&apos;t be restored</source>
        <translation>
            <numerusform>; %n archivo de la copia no se puede restaurar</numerusform>
            <numerusform>; %n archivos de la copia no se pueden restaurar</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BackupWriter</name>
    <message>
        <source>No backup folder can be made in %1.</source>
        <translation>No se puede crear una carpeta de copia de seguridad en %1.</translation>
    </message>
    <message>
        <source>Folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>This backup did not finish; it lacks files.</source>
        <translation>Esta copia de seguridad no terminó; le faltan archivos.</translation>
    </message>
    <message>
        <source>the folder can&apos;t be written</source>
        <translation>no se puede escribir en la carpeta</translation>
    </message>
    <message>
        <source>%1 is not in the backup: %2.</source>
        <translation>%1 no está en la copia de seguridad: %2.</translation>
    </message>
    <message>
        <source>%1 is in the backup, but restore can&apos;t send it back: %2.</source>
        <translation>%1 está en la copia de seguridad, pero la restauración no podrá devolverlo: %2.</translation>
    </message>
    <message>
        <source>the calculator&apos;s file list could not be read</source>
        <translation>no se pudo leer la lista de archivos de la calculadora</translation>
    </message>
    <message>
        <source>%1 could not be copied: %2</source>
        <translation>No se pudo copiar %1: %2</translation>
    </message>
    <message>
        <source>%1 arrived with %2 bytes; the calculator listed %3</source>
        <translation>%1 llegó con %2 bytes; la calculadora indicaba %3</translation>
    </message>
    <message>
        <source>%1 can&apos;t be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>This backup is not complete: %1.</source>
        <translation>Esta copia de seguridad está incompleta: %1.</translation>
    </message>
    <message>
        <source>The backup in %1 is not complete: %2.</source>
        <translation>La copia de seguridad de %1 está incompleta: %2.</translation>
    </message>
    <message>
        <source>it was cancelled</source>
        <translation>se canceló</translation>
    </message>
    <message>
        <source>The folder %1 is no longer the one chosen for backups: it was replaced, or belongs to someone else now. Nothing was written into it; choose the folder for backups again.</source>
        <translation>La carpeta %1 ya no es la elegida para las copias de seguridad: se sustituyó o ahora pertenece a otra persona. No se escribió nada en ella; vuelva a elegir la carpeta para las copias de seguridad.</translation>
    </message>
    <message>
        <source>The backup folder %1 was moved or replaced while the backup was written, so the backup is not in it.</source>
        <translation>La carpeta de la copia de seguridad %1 se movió o se sustituyó mientras se escribía la copia, así que la copia no está en ella.</translation>
    </message>
</context>
<context>
    <name>BatchPlanner</name>
    <message>
        <source>File %1 does not exist.</source>
        <translation>El archivo %1 no existe.</translation>
    </message>
    <message>
        <source>File %1 is zero-length and can&apos;t be sent.</source>
        <translation>El archivo %1 está vacío (0 bytes) y no se puede enviar.</translation>
    </message>
    <message>
        <source>File %1 has no name the calculator can keep.</source>
        <translation>El archivo %1 no tiene un nombre que la calculadora pueda guardar.</translation>
    </message>
    <message>
        <source>%1 and %2 would both be %3 on the calculator.</source>
        <translation>%1 y %2 se llamarían los dos %3 en la calculadora.</translation>
    </message>
    <message>
        <source>File %1 is not on the calculator.</source>
        <translation>El archivo %1 no está en la calculadora.</translation>
    </message>
    <message>
        <source>%1 is neither a file on the calculator nor a valid pattern.</source>
        <translation>%1 no es un archivo de la calculadora ni un patrón válido.</translation>
    </message>
    <message>
        <source>No file on the calculator matches %1.</source>
        <translation>Ningún archivo de la calculadora coincide con %1.</translation>
    </message>
</context>
<context>
    <name>BatchRunner</name>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 ya existe. ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>%1 is already on the calculator. Replace it with %2?</source>
        <translation>%1 ya está en la calculadora. ¿Reemplazarlo por %2?</translation>
    </message>
    <message>
        <source>Already in %1: %2. Nothing was copied; choose what to do with --on-conflict=replace or --on-conflict=skip.</source>
        <translation>Ya están en %1: %2. No se copió nada; elige qué hacer con --on-conflict=replace o --on-conflict=skip.</translation>
    </message>
    <message>
        <source>Already on the calculator: %1. Nothing was sent; choose what to do with --on-conflict=replace or --on-conflict=skip.</source>
        <translation>Ya están en la calculadora: %1. No se envió nada; elige qué hacer con --on-conflict=replace o --on-conflict=skip.</translation>
    </message>
    <message>
        <source>the calculator at %1 may hold part of %2</source>
        <extracomment>One of the things left part-way, in &quot;Interrupted; %1.&quot;.</extracomment>
        <translation>puede que la calculadora en %1 contenga parte de %2</translation>
    </message>
    <message>
        <source>Folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>Folder %1 can&apos;t be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Skipped %1: the file exists.</source>
        <translation>Se omitió %1: el archivo ya existe.</translation>
    </message>
    <message>
        <source>copied %1, skipped %2 into %3</source>
        <translation>copiados: %1, omitidos: %2, en %3</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>No se envió nada.</translation>
    </message>
    <message>
        <source>Skipped %1: %2 is already on the calculator.</source>
        <translation>Se omitió %1: %2 ya está en la calculadora.</translation>
    </message>
    <message>
        <source>File %1 was not sent.</source>
        <translation>El archivo %1 no se envió.</translation>
    </message>
    <message>
        <source>sent %1, skipped %2</source>
        <translation>enviados: %1, omitidos: %2</translation>
    </message>
    <message>
        <source>File %1 was not deleted.</source>
        <translation>El archivo %1 no se eliminó.</translation>
    </message>
    <message numerus="yes">
        <source>deleted %n files</source>
        <translation>
            <numerusform>%n archivo eliminado</numerusform>
            <numerusform>%n archivos eliminados</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped %1: it is already on the calculator.</source>
        <translation>Se omitió %1: ya está en la calculadora.</translation>
    </message>
    <message>
        <source>restored %1, skipped %2 from %3</source>
        <translation>restaurados: %1, omitidos: %2, desde %3</translation>
    </message>
    <message>
        <source>The folder %1 was moved or replaced while files were copied into it, so they are not in it.</source>
        <translation>La carpeta %1 se movió o se sustituyó mientras se copiaban archivos en ella, así que no están en ella.</translation>
    </message>
    <message>
        <source>This backup is of %1, not of %2: its files are restored to %2.</source>
        <translation>Esta copia de seguridad es de %1, no de %2: sus archivos se restauran en %2.</translation>
    </message>
</context>
<context>
    <name>CVivuRuza</name>
    <message>
        <source>Unknown error.</source>
        <translation>Error desconocido.</translation>
    </message>
    <message>
        <source>File doesn’t exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>Connection error (error code: 423).</source>
        <translation>Error de conexión (código de error: 423).</translation>
    </message>
    <message>
        <source>Memory error.</source>
        <translation>Error de memoria.</translation>
    </message>
    <message>
        <source>Write error.</source>
        <translation>Error de escritura.</translation>
    </message>
    <message>
        <source>Wrong data size.</source>
        <translation>Tamaño de datos incorrecto.</translation>
    </message>
    <message>
        <source>Wrong frame number.</source>
        <translation>Número de bloque incorrecto.</translation>
    </message>
    <message>
        <source>The calculator sent an unexpected reply (%1).</source>
        <extracomment>%1 is what was asked, such as &quot;file list&quot;.</extracomment>
        <translation>La calculadora envió una respuesta inesperada (%1).</translation>
    </message>
    <message>
        <source>device information</source>
        <extracomment>What was asked, in &quot;The calculator sent a malformed reply (%1).&quot;</extracomment>
        <translation>información del dispositivo</translation>
    </message>
    <message>
        <source>number of files</source>
        <extracomment>What was asked, in &quot;The calculator sent a malformed reply (%1).&quot;</extracomment>
        <translation>número de archivos</translation>
    </message>
    <message>
        <source>The calculator reported %1 files, which no calculator holds; its file list was not read.</source>
        <translation>La calculadora indicó %1 archivos, algo que ninguna calculadora contiene; no se leyó su lista de archivos.</translation>
    </message>
    <message>
        <source>file list</source>
        <extracomment>What was asked, in &quot;The calculator sent a malformed reply (%1).&quot;</extracomment>
        <translation>lista de archivos</translation>
    </message>
    <message>
        <source>The calculator sent a malformed entry (%1 of %2) in its file list; that file is left out.</source>
        <translation>La calculadora envió una entrada mal formada (%1 de %2) en su lista de archivos; ese archivo se deja fuera.</translation>
    </message>
    <message>
        <source>content of %1</source>
        <extracomment>What was asked, in &quot;The calculator sent a malformed reply (%1).&quot;; %1 is a file name.</extracomment>
        <translation>contenido de %1</translation>
    </message>
    <message>
        <source>The calculator&apos;s file name &quot;%1&quot; is not a safe file name; the file was not copied.</source>
        <translation>El nombre de archivo «%1» de la calculadora no es seguro; el archivo no se copió.</translation>
    </message>
    <message>
        <source>File %1 can&apos;t be written to %2.</source>
        <translation>No se puede guardar el archivo %1 en %2.</translation>
    </message>
    <message>
        <source>File can&apos;t be sent.</source>
        <translation>No se puede enviar el archivo.</translation>
    </message>
    <message>
        <source>File %1 can&apos;t be sent: this calculator announces chunks larger than one message can carry.</source>
        <translation>No se puede enviar el archivo %1: esta calculadora pide bloques más grandes de lo que cabe en un mensaje.</translation>
    </message>
    <message>
        <source>sending %1</source>
        <extracomment>What was asked, in &quot;The calculator sent a malformed reply (%1).&quot;; %1 is a file name.</extracomment>
        <translation>envío de %1</translation>
    </message>
    <message>
        <source>deleting %1</source>
        <extracomment>What was asked; %1 is a file name.</extracomment>
        <translation>eliminación de %1</translation>
    </message>
    <message>
        <source>renaming</source>
        <extracomment>What was asked, in &quot;The calculator sent a malformed reply (%1).&quot;</extracomment>
        <translation>cambio de nombre</translation>
    </message>
</context>
<context>
    <name>CVivuRuzaSession</name>
    <message>
        <source>the calculator</source>
        <extracomment>Stands for a calculator without a name, in &quot;Sent 2 files to %1&quot;.</extracomment>
        <translation>la calculadora</translation>
    </message>
</context>
<context>
    <name>CVoriWorker</name>
    <message>
        <source>The calculator at %1 answered, but its file list could not be read. %2</source>
        <translation>La calculadora en %1 respondió, pero no se pudo leer su lista de archivos. %2</translation>
    </message>
    <message>
        <source>the calculator at %1</source>
        <translation>la calculadora en %1</translation>
    </message>
    <message numerus="yes">
        <source>%n files on %1 could not be read and are not shown.</source>
        <extracomment>%1 is a calculator&apos;s name.</extracomment>
        <translation>
            <numerusform>%n archivo de %1 no se pudo leer y no se muestra.</numerusform>
            <numerusform>%n archivos de %1 no se pudieron leer y no se muestran.</numerusform>
        </translation>
    </message>
    <message>
        <source>The calculator did not accept the name &quot;%1&quot;.</source>
        <translation>La calculadora no aceptó el nombre «%1».</translation>
    </message>
</context>
<context>
    <name>CalcRunner</name>
    <message>
        <source>name: %1</source>
        <translation>nombre: %1</translation>
    </message>
    <message>
        <source>chunk size: %1</source>
        <translation>tamaño de bloque: %1</translation>
    </message>
    <message>
        <source>hardware: %1</source>
        <translation>hardware: %1</translation>
    </message>
    <message>
        <source>firmware: %1</source>
        <translation>firmware: %1</translation>
    </message>
    <message>
        <source>protocol version: %1</source>
        <translation>versión del protocolo: %1</translation>
    </message>
    <message>
        <source>chunk %1, %2 %3 %4</source>
        <extracomment>%1 is the chunk size; %2, %3 and %4 the hardware, firmware and protocol versions.</extracomment>
        <translation>bloque %1, %2 %3 %4</translation>
    </message>
    <message>
        <source>The calculator&apos;s file list could not be read.</source>
        <translation>No se pudo leer la lista de archivos de la calculadora.</translation>
    </message>
    <message>
        <source>The calculator refused the name %1.</source>
        <translation>La calculadora rechazó el nombre %1.</translation>
    </message>
    <message>
        <source>renamed to %1</source>
        <translation>renombrada como %1</translation>
    </message>
    <message>
        <source>the backup in %1 is marked incomplete</source>
        <extracomment>One of the things left part-way, in &quot;Interrupted; %1.&quot;.</extracomment>
        <translation>la copia de seguridad de %1 está marcada como incompleta</translation>
    </message>
    <message numerus="yes">
        <source>%n files in %1</source>
        <translation>
            <numerusform>%n archivo en %1</numerusform>
            <numerusform>%n archivos en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The name %1 has %2 characters, more than a device name can have; the calculator keeps its name.</source>
        <extracomment>%1 is the name a station&apos;s --name gave this calculator.</extracomment>
        <translation>El nombre %1 tiene %2 caracteres, más de los que puede tener un nombre de dispositivo; la calculadora conserva su nombre.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1 lists the first names; %n counts the names left out.</extracomment>
        <translation>
            <numerusform>%1 y %n más</numerusform>
            <numerusform>%1 y %n más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were not collected: %1.</source>
        <extracomment>%1 lists the files.</extracomment>
        <translation>
            <numerusform>%n archivo no se ha recogido: %1.</numerusform>
            <numerusform>%n archivos no se han recogido: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were collected but not deleted on the calculator: %1.</source>
        <extracomment>%1 lists the files, which are in the folder and still on the calculator.</extracomment>
        <translation>
            <numerusform>%n archivo se ha recogido pero no se ha eliminado de la calculadora: %1.</numerusform>
            <numerusform>%n archivos se han recogido pero no se han eliminado de la calculadora: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>the collection in %1 lacks files; %2 says which</source>
        <extracomment>One of the things left part-way, in &quot;Interrupted; %1.&quot;.</extracomment>
        <translation>a la recogida en %1 le faltan archivos; %2 indica cuáles</translation>
    </message>
    <message numerus="yes">
        <source>collected and cleared %n files into %1</source>
        <translation>
            <numerusform>%n archivo recogido en %1 y eliminado de la calculadora</numerusform>
            <numerusform>%n archivos recogidos en %1 y eliminados de la calculadora</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>collected %n files into %1</source>
        <translation>
            <numerusform>%n archivo recogido en %1</numerusform>
            <numerusform>%n archivos recogidos en %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalculatorPane</name>
    <message>
        <source>Choose %1</source>
        <translation>Elegir %1</translation>
    </message>
    <message>
        <source>Calculators</source>
        <translation>Calculadoras</translation>
    </message>
    <message>
        <source>Reading the calculator on %1…</source>
        <extracomment>%1 is the ports being read, separated by commas.</extracomment>
        <translation>Leyendo la calculadora en %1…</translation>
    </message>
    <message>
        <source>Connect a calculator with its USB cable. It shows up here within a few seconds.</source>
        <translation>Conecta una calculadora con su cable USB. Aparecerá aquí en unos segundos.</translation>
    </message>
    <message>
        <source>Nothing appears? Check that the calculator is switched on and shows its home screen, and that /dev/ttyACM0 (or a later number) exists. If you may not open it, /usr/share/doc/vuve-vudurod/troubleshooting.md tells how to get access.</source>
        <translation>¿No aparece nada? Comprueba que la calculadora está encendida y muestra su pantalla de inicio, y que existe /dev/ttyACM0 (o un número posterior). Si no tienes permiso para abrirlo, /usr/share/doc/vuve-vudurod/troubleshooting.md explica cómo conseguir acceso.</translation>
    </message>
    <message numerus="yes">
        <source>%n devices need attention:</source>
        <translation>
            <numerusform>%n dispositivo necesita atención:</numerusform>
            <numerusform>%n dispositivos necesitan atención:</numerusform>
        </translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Descartar</translation>
    </message>
</context>
<context>
    <name>ClassJobModel</name>
    <message>
        <source>waiting</source>
        <translation>en espera</translation>
    </message>
    <message>
        <source>sending %1 of %2: %3</source>
        <translation>enviando %1 de %2: %3</translation>
    </message>
    <message>
        <source>, %1 of %2</source>
        <translation>, %1 de %2</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message numerus="yes">
        <source>cancelled after %n files</source>
        <translation>
            <numerusform>cancelado tras %n archivo</numerusform>
            <numerusform>cancelado tras %n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>done</source>
        <translation>terminado</translation>
    </message>
    <message numerus="yes">
        <source>%n files sent</source>
        <translation>
            <numerusform>%n archivo enviado</numerusform>
            <numerusform>%n archivos enviados</numerusform>
        </translation>
    </message>
    <message>
        <source>failed</source>
        <translation>error</translation>
    </message>
    <message>
        <source>%1 of %2 files sent</source>
        <translation>archivos enviados: %1 de %2</translation>
    </message>
    <message>
        <source>%1 of %2 calculators finished</source>
        <translation>calculadoras terminadas: %1 de %2</translation>
    </message>
    <message numerus="yes">
        <source>Sent %n files</source>
        <translation>
            <numerusform>Enviado %n archivo</numerusform>
            <numerusform>Enviados %n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> to %1 of %n calculators</source>
        <translation>
            <numerusform> a %1 de %n calculadora</numerusform>
            <numerusform> a %1 de %n calculadoras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n failed: %1</source>
        <translation>
            <numerusform>; %n con error: %1</numerusform>
            <numerusform>; %n con error: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n cancelled</source>
        <translation>
            <numerusform>; %n cancelada</numerusform>
            <numerusform>; %n canceladas</numerusform>
        </translation>
    </message>
    <message>
        <source>backing up %1 of %2: %3</source>
        <translation>copiando %1 de %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n files backed up</source>
        <translation>
            <numerusform>%n archivo copiado</numerusform>
            <numerusform>%n archivos copiados</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 files backed up</source>
        <translation>archivos copiados: %1 de %2</translation>
    </message>
    <message numerus="yes">
        <source>Backed up %1 of %n calculators</source>
        <translation>
            <numerusform>Copias de seguridad hechas: %1 de %n calculadora</numerusform>
            <numerusform>Copias de seguridad hechas: %1 de %n calculadoras</numerusform>
        </translation>
    </message>
    <message>
        <source>The station is on: %1</source>
        <translation>La estación está activa: %1</translation>
    </message>
    <message>
        <source>The station is off.</source>
        <translation>La estación está desactivada.</translation>
    </message>
    <message>
        <source>Plug in a calculator.</source>
        <translation>Conecta una calculadora.</translation>
    </message>
    <message numerus="yes">
        <source>%n calculators served</source>
        <translation>
            <numerusform>%n calculadora atendida</numerusform>
            <numerusform>%n calculadoras atendidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n in progress</source>
        <translation>
            <numerusform>, %n en curso</numerusform>
            <numerusform>, %n en curso</numerusform>
        </translation>
    </message>
    <message>
        <source>collecting %1 of %2: %3</source>
        <translation>recogiendo %1 de %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>collected %n files</source>
        <translation>
            <numerusform>%n archivo recogido</numerusform>
            <numerusform>%n archivos recogidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>collected and cleared %n files</source>
        <translation>
            <numerusform>%n archivo recogido y borrado</numerusform>
            <numerusform>%n archivos recogidos y borrados</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 files collected</source>
        <translation>%1 de %2 archivos recogidos</translation>
    </message>
    <message numerus="yes">
        <source>Collected from %1 of %n calculators</source>
        <translation>
            <numerusform>Recogidas: %1 de %n calculadora</numerusform>
            <numerusform>Recogidas: %1 de %n calculadoras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Collected from and cleared %1 of %n calculators</source>
        <translation>
            <numerusform>Recogidas y vaciadas: %1 de %n calculadora</numerusform>
            <numerusform>Recogidas y vaciadas: %1 de %n calculadoras</numerusform>
        </translation>
    </message>
    <message>
        <source>comparing %1 of %2: %3</source>
        <translation>comparando %1 de %2: %3</translation>
    </message>
    <message>
        <source>compared</source>
        <translation>comparada</translation>
    </message>
    <message numerus="yes">
        <source>Compared %1 of %n calculators with the folder</source>
        <translation>
            <numerusform>Comparadas con la carpeta: %1 de %n calculadora</numerusform>
            <numerusform>Comparadas con la carpeta: %1 de %n calculadoras</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassJobs</name>
    <message numerus="yes">
        <source>Send to %n calculators</source>
        <translation>
            <numerusform>Enviar a %n calculadora</numerusform>
            <numerusform>Enviar a %n calculadoras</numerusform>
        </translation>
    </message>
    <message>
        <source>send</source>
        <translation>enviar</translation>
    </message>
    <message numerus="yes">
        <source>Back up %n calculators into %1</source>
        <translation>
            <numerusform>Copia de seguridad de %n calculadora en %1</numerusform>
            <numerusform>Copia de seguridad de %n calculadoras en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>back up</source>
        <translation>copia de seguridad</translation>
    </message>
    <message>
        <source>each calculator plugged in is sent 1 file, %1, which replaces one of its name.</source>
        <translation>cada calculadora conectada recibe 1 archivo, %1, que sustituye al del mismo nombre.</translation>
    </message>
    <message numerus="yes">
        <source>each calculator plugged in is sent %n files, %1, which replace those of their names.</source>
        <translation>
            <numerusform>cada calculadora conectada recibe %n archivo, %1, que sustituye al del mismo nombre.</numerusform>
            <numerusform>cada calculadora conectada recibe %n archivos, %1, que sustituyen a los de los mismos nombres.</numerusform>
        </translation>
    </message>
    <message>
        <source>These files are left out: %1</source>
        <extracomment>Follows what the station sends; %1 tells each pair of files left out.</extracomment>
        <translation>Estos archivos se dejan fuera: %1</translation>
    </message>
    <message numerus="yes">
        <source>Station: send %n files</source>
        <translation>
            <numerusform>Estación: enviar %n archivo</numerusform>
            <numerusform>Estación: enviar %n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Station: back up</source>
        <translation>Estación: copia de seguridad</translation>
    </message>
    <message>
        <source>each calculator plugged in is backed up into a folder of its own in %1.</source>
        <translation>de cada calculadora conectada se hace una copia de seguridad en una carpeta propia dentro de %1.</translation>
    </message>
    <message>
        <source>collected %1 of %2 files, cleared %3</source>
        <extracomment>A row of the class panel: everything was copied, not all deleted.</extracomment>
        <translation>%1 de %2 archivos recogidos, %3 borrados</translation>
    </message>
    <message>
        <source>collected %1 of %2 files</source>
        <translation>%1 de %2 archivos recogidos</translation>
    </message>
    <message>
        <source>collected %1 of %2 files; not collected: %3</source>
        <extracomment>%3 names the files that were not collected.</extracomment>
        <translation>%1 de %2 archivos recogidos; sin recoger: %3</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Collect from and clear %n calculators into %1</source>
        <translation>
            <numerusform>Recoger y vaciar %n calculadora en %1</numerusform>
            <numerusform>Recoger y vaciar %n calculadoras en %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Collect from %n calculators into %1</source>
        <translation>
            <numerusform>Recoger de %n calculadora en %1</numerusform>
            <numerusform>Recoger de %n calculadoras en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>collect and clear</source>
        <translation>recoger y vaciar</translation>
    </message>
    <message>
        <source>collect</source>
        <translation>recoger</translation>
    </message>
    <message>
        <source>Station: collect and clear</source>
        <translation>Estación: recoger y vaciar</translation>
    </message>
    <message>
        <source>Station: collect</source>
        <translation>Estación: recoger</translation>
    </message>
    <message>
        <source>each calculator plugged in has its files collected into a folder of its own in %1, then deleted on it once they are checked.</source>
        <translation>los archivos de cada calculadora conectada se recogen en una carpeta propia dentro de %1 y, una vez comprobados, se borran de ella.</translation>
    </message>
    <message>
        <source>each calculator plugged in has its files collected into a folder of its own in %1.</source>
        <translation>los archivos de cada calculadora conectada se recogen en una carpeta propia dentro de %1.</translation>
    </message>
    <message>
        <source>up to date</source>
        <translation>al día</translation>
    </message>
    <message>
        <source>%1 to send, %2 to replace, %3 extra</source>
        <extracomment>A row of the class panel: what a calculator needs to match the folder.</extracomment>
        <translation>por enviar: %1, por reemplazar: %2, de más: %3</translation>
    </message>
    <message numerus="yes">
        <source>Compare %n calculators with %1</source>
        <translation>
            <numerusform>Comparar %n calculadora con %1</numerusform>
            <numerusform>Comparar %n calculadoras con %1</numerusform>
        </translation>
    </message>
    <message>
        <source>compare</source>
        <translation>comparar</translation>
    </message>
    <message numerus="yes">
        <source>Sync %n calculators with %1</source>
        <translation>
            <numerusform>Igualar %n calculadora a %1</numerusform>
            <numerusform>Igualar %n calculadoras a %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassPanel</name>
    <message>
        <source>Calculators of the job</source>
        <translation>Calculadoras de la tarea</translation>
    </message>
    <message>
        <source>Retry the failed ones</source>
        <translation>Reintentar las que fallaron</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancel the job on every calculator</source>
        <translation>Cancelar la tarea en todas las calculadoras</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Switch the Station Off</source>
        <translation>Desactivar la estación</translation>
    </message>
    <message>
        <source>Open the folder</source>
        <translation>Abrir la carpeta</translation>
    </message>
    <message>
        <source>Open the folder the files were collected into</source>
        <translation>Abrir la carpeta en la que se recogieron los archivos</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Igualar</translation>
    </message>
    <message>
        <source>Send each calculator the files it needs</source>
        <translation>Enviar a cada calculadora los archivos que le faltan</translation>
    </message>
</context>
<context>
    <name>ClassRun</name>
    <message>
        <source>The calculator is no longer attached.</source>
        <translation>La calculadora ya no está conectada.</translation>
    </message>
    <message>
        <source>The calculator was busy with another job; try again.</source>
        <translation>La calculadora estaba ocupada con otra tarea; inténtalo de nuevo.</translation>
    </message>
</context>
<context>
    <name>ClassSendFlow</name>
    <message>
        <source>No calculator is connected</source>
        <translation>No hay ninguna calculadora conectada</translation>
    </message>
    <message>
        <source>No calculator is chosen</source>
        <translation>No hay ninguna calculadora elegida</translation>
    </message>
    <message>
        <source>These files are zero-length and will not be sent: %1</source>
        <translation>Estos archivos están vacíos (0 bytes) y no se enviarán: %1</translation>
    </message>
    <message>
        <source>These names are too long for a calculator and change: %1</source>
        <translation>Estos nombres son demasiado largos para una calculadora y cambiarán: %1</translation>
    </message>
    <message>
        <source>Some calculators already hold %1.
Replace them on every calculator, or skip them?</source>
        <translation>Algunas calculadoras ya tienen %1.
¿Reemplazarlos en todas las calculadoras u omitirlos?</translation>
    </message>
    <message>
        <source>Send to several calculators</source>
        <translation>Enviar a varias calculadoras</translation>
    </message>
    <message>
        <source>Files already on calculators</source>
        <translation>Archivos que ya están en las calculadoras</translation>
    </message>
    <message>
        <source>Replace all</source>
        <translation>Reemplazar todos</translation>
    </message>
    <message>
        <source>Skip all</source>
        <translation>Omitir todos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Please choose files for the calculators</source>
        <translation>Elige los archivos para las calculadoras</translation>
    </message>
    <message>
        <source>Vori calc files (*.py *.bin)</source>
        <translation>Archivos de calculadora Vori (*.py *.bin)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>These files can&apos;t be sent to any calculator and are left out: %1</source>
        <translation>Ninguna calculadora puede recibir estos archivos y se dejan fuera: %1</translation>
    </message>
    <message>
        <source>These files are left out: %1</source>
        <translation>Estos archivos se dejan fuera: %1</translation>
    </message>
    <message>
        <source>Names on the calculator are upper case, so these change: %1</source>
        <translation>Los nombres en la calculadora van en mayúsculas, así que estos cambian: %1</translation>
    </message>
</context>
<context>
    <name>ClassSendPlan</name>
    <message>
        <source>not found</source>
        <translation>no encontrado</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>can&apos;t be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>larger than 1 MiB</source>
        <translation>más de 1 MiB</translation>
    </message>
    <message>
        <source>no name a calculator can keep</source>
        <translation>ningún nombre que una calculadora pueda conservar</translation>
    </message>
    <message>
        <source>%1 and %2 would both be %3 on the calculator.</source>
        <translation>%1 y %2 se llamarían los dos %3 en la calculadora.</translation>
    </message>
</context>
<context>
    <name>CollectFlow</name>
    <message>
        <source>Clear all calculators</source>
        <translation>Vaciar todas las calculadoras</translation>
    </message>
    <message>
        <source>Collect from all calculators</source>
        <translation>Recoger de todas las calculadoras</translation>
    </message>
    <message>
        <source>Every file on each calculator is copied into a folder named after the calculator, in this folder, and read a second time to check the copy. A receipt, receipt.csv, lists each file and what became of it.</source>
        <translation>Cada archivo de cada calculadora se copia en una carpeta con el nombre de la calculadora, dentro de esta carpeta, y se lee una segunda vez para comprobar la copia. Un justificante, receipt.csv, recoge cada archivo y lo que pasó con él.</translation>
    </message>
    <message>
        <source>Nothing was collected: the folder can&apos;t be made, or a job over several calculators still runs</source>
        <translation>No se recogió nada: no se puede crear la carpeta, o aún hay una tarea en curso en varias calculadoras</translation>
    </message>
    <message>
        <source>Change Folder…</source>
        <translation>Cambiar carpeta…</translation>
    </message>
    <message>
        <source>Delete the files on the calculators once they are collected</source>
        <translation>Borrar los archivos de las calculadoras una vez recogidos</translation>
    </message>
    <message>
        <source>Each calculator&apos;s files are deleted on it once all of them have been copied: only a file whose copy was written whole and read the same twice is deleted. A file that could not be copied or checked stays on the calculator, and nothing is deleted on a calculator whose copies could not be written.</source>
        <translation>Los archivos de una calculadora se borran de ella una vez copiados todos: solo se borra un archivo cuya copia se escribió entera y se leyó igual dos veces. Un archivo que no se pudo copiar o comprobar se queda en la calculadora, y no se borra nada de una calculadora cuyas copias no se pudieron escribir.</translation>
    </message>
    <message>
        <source>Collect and Clear</source>
        <translation>Recoger y vaciar</translation>
    </message>
    <message>
        <source>Collect</source>
        <translation>Recoger</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Choose the folder for collected work</source>
        <translation>Elegir la carpeta de los trabajos recogidos</translation>
    </message>
</context>
<context>
    <name>CollectWriter</name>
    <message>
        <source>not collected: %1</source>
        <translation>sin recoger: %1</translation>
    </message>
    <message>
        <source>Folder %1 can&apos;t be opened: %2</source>
        <translation>No se puede abrir la carpeta %1: %2</translation>
    </message>
    <message>
        <source>The calculator&apos;s file list could not be read.</source>
        <translation>No se pudo leer la lista de archivos de la calculadora.</translation>
    </message>
    <message>
        <source>No folder can be made in %1: %2</source>
        <translation>No se puede crear ninguna carpeta en %1: %2</translation>
    </message>
    <message>
        <source>The folder %1 was moved or replaced while files were collected into it, so they are not in it.</source>
        <translation>La carpeta %1 se movió o se sustituyó mientras se recogían archivos en ella, así que no están en ella.</translation>
    </message>
    <message>
        <source>its name can&apos;t be a file name on the computer</source>
        <translation>su nombre no puede ser un nombre de archivo en el ordenador</translation>
    </message>
    <message>
        <source>%1 is not collected: %2.</source>
        <translation>%1 no se recoge: %2.</translation>
    </message>
    <message>
        <source>the calculator lists this name twice, and a folder holds one file per name, whatever its case</source>
        <translation>la calculadora muestra este nombre dos veces, y una carpeta guarda un archivo por nombre, sin distinguir mayúsculas</translation>
    </message>
    <message>
        <source>it arrived with %1 bytes; the calculator listed %2</source>
        <translation>llegó con %1 bytes; la calculadora indicaba %2</translation>
    </message>
    <message>
        <source>the two readings of it differ, so neither can be trusted</source>
        <translation>sus dos lecturas difieren, así que ninguna es fiable</translation>
    </message>
    <message>
        <source>%1 can&apos;t be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>it can&apos;t be written: %1</source>
        <translation>no se puede escribir: %1</translation>
    </message>
    <message>
        <source>collected, not deleted: %1</source>
        <translation>recogido, sin borrar: %1</translation>
    </message>
    <message>
        <source>%1 is collected but not deleted on the calculator: %2.</source>
        <translation>%1 está recogido pero no se borró de la calculadora: %2.</translation>
    </message>
    <message>
        <source>The receipt %1 can&apos;t be written: %2</source>
        <translation>No se puede escribir el justificante %1: %2</translation>
    </message>
</context>
<context>
    <name>CompareView</name>
    <message>
        <source>Files compared</source>
        <translation>Archivos comparados</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Also delete the files that are only on the calculator</source>
        <translation>Borrar también los archivos que solo están en la calculadora</translation>
    </message>
    <message>
        <source>Make the calculator match the folder</source>
        <translation>Igualar la calculadora a la carpeta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Delete files on the calculator?</source>
        <translation>¿Borrar archivos de la calculadora?</translation>
    </message>
    <message>
        <source>These files are only on the calculator and will be deleted: %1</source>
        <translation>Estos archivos solo están en la calculadora y se borrarán: %1</translation>
    </message>
    <message>
        <source>Delete and Match</source>
        <translation>Borrar e igualar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Choose the folder to compare the calculator with</source>
        <translation>Elegir la carpeta con la que comparar la calculadora</translation>
    </message>
    <message>
        <source>The calculator is busy; compare again once its job has ended</source>
        <translation>La calculadora está ocupada; compare de nuevo cuando termine su tarea</translation>
    </message>
</context>
<context>
    <name>ConflictAsker</name>
    <message>
        <source>[y]es/[n]o/[a]ll/none?</source>
        <extracomment>Keep the letters in brackets the first ones of the answers below.</extracomment>
        <translation>¿[s]í/[n]o/[t]odos/ninguno?</translation>
    </message>
    <message>
        <source>y</source>
        <extracomment>The short answer yes, as the prompt shows it in brackets.</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>n</source>
        <extracomment>The short answer no, as the prompt shows it in brackets.</extracomment>
        <translation>n</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>a</source>
        <extracomment>The short answer all, as the prompt shows it in brackets.</extracomment>
        <translation>t</translation>
    </message>
    <message>
        <source>all</source>
        <translation>todos</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
</context>
<context>
    <name>CopyFolder</name>
    <message>
        <source>%1 cannot be made</source>
        <translation>no se puede crear %1</translation>
    </message>
</context>
<context>
    <name>DeleteFlow</name>
    <message>
        <source>Do you want to delete next files:%1?</source>
        <extracomment>%1 is the selected files&apos; names, each on a line of its own.</extracomment>
        <translation>¿Quieres eliminar estos archivos?%1</translation>
    </message>
</context>
<context>
    <name>DemoCalculators</name>
    <message>
        <source>Could not open a pseudo-terminal for the simulated calculator %1.</source>
        <translation>No se pudo abrir un pseudoterminal para la calculadora simulada %1.</translation>
    </message>
    <message>
        <source>%1 (simulated) on %2</source>
        <translation>%1 (simulada) en %2</translation>
    </message>
    <message>
        <source>device on %1</source>
        <translation>dispositivo en %1</translation>
    </message>
</context>
<context>
    <name>DownloadFlow</name>
    <message>
        <source>File %1 already exists on your PC.
Do you want to replace it?</source>
        <translation>El archivo %1 ya existe en tu PC.
¿Quieres reemplazarlo?</translation>
    </message>
    <message>
        <source>Please choose a folder to save files</source>
        <translation>Elige una carpeta donde guardar los archivos</translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>ErrorMeaning</name>
    <message>
        <source>send again</source>
        <extracomment>Ends advice such as &quot;restart it and %1&quot;.</extracomment>
        <translation>vuelve a enviarlo</translation>
    </message>
    <message>
        <source>copy again</source>
        <extracomment>Ends advice such as &quot;restart it and %1&quot;.</extracomment>
        <translation>vuelve a copiarlo</translation>
    </message>
    <message>
        <source>delete again</source>
        <extracomment>Ends advice such as &quot;restart it and %1&quot;.</extracomment>
        <translation>vuelve a eliminarlo</translation>
    </message>
    <message>
        <source>try again</source>
        <extracomment>Ends advice such as &quot;restart it and %1&quot;.</extracomment>
        <translation>vuelve a intentarlo</translation>
    </message>
    <message>
        <source>the calculator lost the file while storing it; send again</source>
        <translation>la calculadora perdió el archivo al guardarlo; vuelve a enviarlo</translation>
    </message>
    <message>
        <source>the file is not on the calculator; plug it in again to see the files it holds now</source>
        <translation>el archivo no está en la calculadora; vuelve a conectarla para ver los archivos que tiene ahora</translation>
    </message>
    <message>
        <source>the calculator reported a connection problem; unplug it, plug it in and %1</source>
        <translation>la calculadora informó de un problema de conexión; desconéctala, vuelve a conectarla y %1</translation>
    </message>
    <message>
        <source>the calculator&apos;s memory is full; delete files on it and send again</source>
        <translation>la memoria de la calculadora está llena; elimina archivos en ella y vuelve a enviarlo</translation>
    </message>
    <message>
        <source>the calculator ran out of memory; restart it and %1</source>
        <translation>la calculadora se quedó sin memoria; reiníciala y %1</translation>
    </message>
    <message>
        <source>the calculator could not store the file; delete files on it or restart it, then send again</source>
        <translation>la calculadora no pudo guardar el archivo; elimina archivos en ella o reiníciala, y vuelve a enviarlo</translation>
    </message>
    <message>
        <source>the calculator could not read the file; restart it and copy again</source>
        <translation>la calculadora no pudo leer el archivo; reiníciala y vuelve a copiarlo</translation>
    </message>
    <message>
        <source>the calculator could not remove the file; restart it and delete again</source>
        <translation>la calculadora no pudo eliminar el archivo; reiníciala y vuelve a eliminarlo</translation>
    </message>
    <message>
        <source>the calculator could not write; restart it and try again</source>
        <translation>la calculadora no pudo escribir; reiníciala e inténtalo de nuevo</translation>
    </message>
    <message>
        <source>the calculator did not take the file&apos;s size; check the file and send again</source>
        <translation>la calculadora no aceptó el tamaño del archivo; revisa el archivo y vuelve a enviarlo</translation>
    </message>
    <message>
        <source>the calculator&apos;s data did not match its sizes; %1</source>
        <translation>los datos de la calculadora no coincidían con sus tamaños; %1</translation>
    </message>
    <message>
        <source>parts of the file came out of order; %1</source>
        <translation>partes del archivo llegaron desordenadas; %1</translation>
    </message>
    <message>
        <source>the calculator refused; open its home screen and %1</source>
        <translation>la calculadora se negó; abre su pantalla de inicio y %1</translation>
    </message>
    <message>
        <source>the calculator does not answer; %1</source>
        <extracomment>%1 is the advice &quot;switch it on, open its home screen and plug it in again&quot;.</extracomment>
        <translation>la calculadora no responde; %1</translation>
    </message>
    <message>
        <source>the calculator&apos;s port closed; plug it in again</source>
        <translation>el puerto de la calculadora se cerró; vuelve a conectarla</translation>
    </message>
    <message>
        <source>switch it on, open its home screen and plug it in again</source>
        <translation>enciéndela, abre su pantalla de inicio y vuelve a conectarla</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 names the file and the calculator (&quot;HELLO.py, Vori X1&quot;), %2 says what it means.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <extracomment>Two sentences in a row, %1 ending in a full stop, %2 without its own.</extracomment>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>%1. %2.</source>
        <extracomment>Two sentences in a row, neither with its full stop.</extracomment>
        <translation>%1. %2.</translation>
    </message>
</context>
<context>
    <name>FileTablePane</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n bytes</source>
        <extracomment>The name and size of a file in the table, for a screen reader.</extracomment>
        <translation>
            <numerusform>%1, %n byte</numerusform>
            <numerusform>%1, %n bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FolderCompare</name>
    <message>
        <source>Folder %1 can&apos;t be read.</source>
        <translation>No se puede leer la carpeta %1.</translation>
    </message>
    <message>
        <source>%1 is left out: it is not a regular file.</source>
        <translation>Se omite %1: no es un archivo normal.</translation>
    </message>
    <message>
        <source>%1 is left out: it can&apos;t be read.</source>
        <translation>Se omite %1: no se puede leer.</translation>
    </message>
    <message>
        <source>%1 and %2 would both be %3 on the calculator.</source>
        <translation>%1 y %2 se llamarían ambos %3 en la calculadora.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read.</source>
        <translation>No se puede leer %1.</translation>
    </message>
</context>
<context>
    <name>FolderCompareModel</name>
    <message>
        <source>same</source>
        <translation>igual</translation>
    </message>
    <message>
        <source>different</source>
        <translation>distinto</translation>
    </message>
    <message>
        <source>only in the folder</source>
        <translation>solo en la carpeta</translation>
    </message>
    <message>
        <source>only on the calculator</source>
        <translation>solo en la calculadora</translation>
    </message>
    <message>
        <source>comparing contents…</source>
        <translation>comparando el contenido…</translation>
    </message>
    <message>
        <source>not compared</source>
        <translation>sin comparar</translation>
    </message>
    <message>
        <source>not compared: %1</source>
        <translation>sin comparar: %1</translation>
    </message>
    <message>
        <source>Reading the calculator and the folder…</source>
        <translation>Leyendo la calculadora y la carpeta…</translation>
    </message>
    <message>
        <source>The calculator holds the folder&apos;s files.</source>
        <translation>La calculadora tiene los archivos de la carpeta.</translation>
    </message>
    <message>
        <source>%1 to send, %2 to replace, %3 only on the calculator, %4 the same.</source>
        <extracomment>Counts of the compare of a calculator with a folder.</extracomment>
        <translation>Por enviar: %1, por reemplazar: %2, solo en la calculadora: %3, iguales: %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n still being compared.</source>
        <translation>
            <numerusform>%n aún en comparación.</numerusform>
            <numerusform>%n aún en comparación.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be compared.</source>
        <translation>
            <numerusform>%n no se pudo comparar.</numerusform>
            <numerusform>%n no se pudieron comparar.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 compared with %2</source>
        <translation>%1 comparada con %2</translation>
    </message>
</context>
<context>
    <name>FrameCodec</name>
    <message>
        <source>Connection error (error code: 421).</source>
        <translation>Error de conexión (código de error: 421).</translation>
    </message>
    <message>
        <source>Connection error (error code: 422).</source>
        <translation>Error de conexión (código de error: 422).</translation>
    </message>
    <message>
        <source>The calculator took too long to answer; the command was stopped.</source>
        <translation>La calculadora tardó demasiado en responder; se detuvo la orden.</translation>
    </message>
    <message>
        <source>The command was stopped.</source>
        <translation>Se detuvo la orden.</translation>
    </message>
</context>
<context>
    <name>JobThreads</name>
    <message>
        <source>The calculator at %1 was left out: the system would not start another thread.</source>
        <translation>La calculadora en %1 se quedó fuera: el sistema no quiso iniciar otro hilo.</translation>
    </message>
</context>
<context>
    <name>MessageExchange</name>
    <message>
        <source>The calculator sent a malformed reply (%1).</source>
        <extracomment>%1 is what was asked, such as &quot;file list&quot;.</extracomment>
        <translation>La calculadora envió una respuesta mal formada (%1).</translation>
    </message>
</context>
<context>
    <name>PortChooser</name>
    <message>
        <source>No calculator is connected. Plug one in, or name its port with --port PATH (for the simulator, the path vuve-calcsim prints, such as /dev/pts/3).</source>
        <translation>No hay ninguna calculadora conectada. Conecta una o indica su puerto con --port PATH (para el simulador, la ruta que muestra vuve-calcsim, por ejemplo /dev/pts/3).</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>A calculator&apos;s name and its port.</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>No calculator named %1 is connected.</source>
        <translation>No hay ninguna calculadora llamada %1 conectada.</translation>
    </message>
    <message>
        <source>No calculator named %1 is connected (there are %2).</source>
        <extracomment>%2 lists the calculators that are connected, with their ports.</extracomment>
        <translation>No hay ninguna calculadora llamada %1 conectada (hay: %2).</translation>
    </message>
    <message numerus="yes">
        <source>%n calculators are named %1, on %2; choose one with --port, or all of them with --every.</source>
        <extracomment>%1 is a calculator&apos;s name, %2 their ports.</extracomment>
        <translation>
            <numerusform>%n calculadora se llama %1, en %2; elige una con --port, o todas con --every.</numerusform>
            <numerusform>%n calculadoras se llaman %1, en %2; elige una con --port, o todas con --every.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n calculators are connected, on %1; choose one with --calc NAME or --port PATH, or all of them with --every.</source>
        <extracomment>%1 lists their ports.</extracomment>
        <translation>
            <numerusform>%n calculadora está conectada, en %1; elige una con --calc NAME o --port PATH, o todas con --every.</numerusform>
            <numerusform>%n calculadoras están conectadas, en %1; elige una con --calc NAME o --port PATH, o todas con --every.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PortProblem</name>
    <message>
        <source>%1, process %2</source>
        <extracomment>A program holding a port: its name and process number.</extracomment>
        <translation>%1, proceso %2</translation>
    </message>
    <message>
        <source>The port %1 does not exist (any more); the calculator may have been unplugged.</source>
        <translation>El puerto %1 no existe (ya); puede que se haya desconectado la calculadora.</translation>
    </message>
    <message>
        <source>You may not open the port %1. Install the udev rule that comes with Vuve Vudurod (see /usr/share/doc/vuve-vudurod/troubleshooting.md), or add yourself to the dialout group and log in again; then plug the calculator in again.</source>
        <translation>No tienes permiso para abrir el puerto %1. Instala la regla de udev que trae Vuve Vudurod (consulta /usr/share/doc/vuve-vudurod/troubleshooting.md), o únete al grupo dialout y vuelve a iniciar sesión; después vuelve a conectar la calculadora.</translation>
    </message>
    <message>
        <source>The port %1 is in use by another program (%2). Close it and plug the calculator in again.</source>
        <translation>Otro programa está usando el puerto %1 (%2). Ciérralo y vuelve a conectar la calculadora.</translation>
    </message>
    <message>
        <source>The port %1 is in use by another program. Close it and plug the calculator in again.</source>
        <translation>Otro programa está usando el puerto %1. Ciérralo y vuelve a conectar la calculadora.</translation>
    </message>
    <message>
        <source>%1 is not a serial port, so no calculator can be on it.</source>
        <translation>%1 no es un puerto serie, así que no puede haber una calculadora en él.</translation>
    </message>
    <message>
        <source>The port %1 cannot be opened.</source>
        <translation>No se puede abrir el puerto %1.</translation>
    </message>
    <message>
        <source>The calculator at %1 does not answer. %2.</source>
        <extracomment>%2 is the advice &quot;Switch it on, open its home screen and plug it in again&quot;.</extracomment>
        <translation>La calculadora en %1 no responde. %2.</translation>
    </message>
    <message>
        <source>The device at %1 answers, but not as a calculator does.</source>
        <translation>El dispositivo en %1 responde, pero no como una calculadora.</translation>
    </message>
    <message>
        <source>The calculator at %1 answered late, with its reply to an earlier request; try again.</source>
        <translation>La calculadora en %1 respondió tarde, con la respuesta a una petición anterior; inténtalo de nuevo.</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message>
        <source>%1 B</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 KiB</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>%1 left</source>
        <extracomment>The time a transfer still needs, as 1:05.</extracomment>
        <translation>faltan %1</translation>
    </message>
</context>
<context>
    <name>RenameDialog</name>
    <message>
        <source>Enter a new device name:</source>
        <translation>Escribe un nuevo nombre de dispositivo:</translation>
    </message>
    <message>
        <source>Enter a new device name</source>
        <translation>Escribe un nuevo nombre de dispositivo</translation>
    </message>
    <message>
        <source>A device name has at most %1 characters.</source>
        <translation>Un nombre de dispositivo tiene como máximo %1 caracteres.</translation>
    </message>
</context>
<context>
    <name>Reporter</name>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RestoreFlow</name>
    <message>
        <source>Choose the backup to restore</source>
        <translation>Elegir la copia de seguridad que restaurar</translation>
    </message>
    <message>
        <source>Restore a backup</source>
        <translation>Restaurar una copia de seguridad</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>SendFlow</name>
    <message>
        <source>File %1 is zero-length and can&apos;t be sent.</source>
        <translation>El archivo %1 está vacío (0 bytes) y no se puede enviar.</translation>
    </message>
    <message>
        <source>File %1 already exists on your calculator.
Do you want to replace it?</source>
        <translation>El archivo %1 ya existe en tu calculadora.
¿Quieres reemplazarlo?</translation>
    </message>
    <message>
        <source>The file name (%1) exceeds the allowed limit of 8 symbols for a file name and 3 symbols for an extension and will be changed to %2</source>
        <translation>El nombre de archivo (%1) supera el límite de 8 caracteres para el nombre y 3 para la extensión, y se cambiará a %2</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Please choose files</source>
        <translation>Elige los archivos</translation>
    </message>
    <message>
        <source>Vori calc files (*.py *.bin)</source>
        <translation>Archivos de calculadora Vori (*.py *.bin)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The file name (%1) will be changed to %2: names on the calculator are upper case.</source>
        <translation>El nombre de archivo (%1) se cambiará a %2: los nombres en la calculadora van en mayúsculas.</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>Ready: the calculators attached, and each one plugged in from now on, are served once; Ctrl+C ends.</source>
        <translation>Listo: las calculadoras conectadas, y cada una que se conecte a partir de ahora, se atienden una vez; Ctrl+C termina.</translation>
    </message>
    <message>
        <source>Ready: each calculator plugged in from now on is served once; Ctrl+C ends.</source>
        <translation>Listo: cada calculadora que se conecte a partir de ahora se atiende una vez; Ctrl+C termina.</translation>
    </message>
</context>
<context>
    <name>StationFlow</name>
    <message>
        <source>The station did not start: no file it could send was chosen</source>
        <translation>La estación no se inició: no se eligió ningún archivo que pueda enviar</translation>
    </message>
    <message>
        <source>The station did not start: choose a folder on this computer</source>
        <translation>La estación no se inició: elige una carpeta de este ordenador</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Estación</translation>
    </message>
    <message>
        <source>Each calculator plugged in from now on is served once, without a question; a file of the same name on it is replaced. Plugged in again, it is served again.</source>
        <translation>Cada calculadora que se conecte a partir de ahora se atiende una vez, sin preguntas; un archivo del mismo nombre en ella se sustituye. Si se vuelve a conectar, se atiende de nuevo.</translation>
    </message>
    <message>
        <source>Send these files to each calculator</source>
        <translation>Enviar estos archivos a cada calculadora</translation>
    </message>
    <message>
        <source>No files chosen yet</source>
        <translation>Aún no se eligió ningún archivo</translation>
    </message>
    <message>
        <source>Choose Files…</source>
        <translation>Elegir archivos…</translation>
    </message>
    <message>
        <source>Back up each calculator into this folder</source>
        <translation>Hacer copia de seguridad de cada calculadora en esta carpeta</translation>
    </message>
    <message>
        <source>Change Folder…</source>
        <translation>Otra carpeta…</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Choose the files the station sends</source>
        <translation>Elegir los archivos que envía la estación</translation>
    </message>
    <message>
        <source>Vori calc files (*.py *.bin)</source>
        <translation>Archivos de calculadora Vori (*.py *.bin)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Choose the folder for the station&apos;s backups</source>
        <translation>Elegir la carpeta de las copias de seguridad de la estación</translation>
    </message>
    <message>
        <source>The station did not start: the names it would give are longer than 64 characters</source>
        <translation>La estación no se inició: los nombres que daría tienen más de 64 caracteres</translation>
    </message>
    <message>
        <source>Collect each calculator&apos;s files into this folder</source>
        <translation>Recoger los archivos de cada calculadora en esta carpeta</translation>
    </message>
    <message>
        <source>Change the folder for collected work</source>
        <translation>Cambiar la carpeta de los trabajos recogidos</translation>
    </message>
    <message>
        <source>Then delete them on the calculator, once each is checked</source>
        <translation>Después borrarlos de la calculadora, una vez comprobado cada uno</translation>
    </message>
    <message>
        <source>Name each calculator first:</source>
        <translation>Poner nombre primero a cada calculadora:</translation>
    </message>
    <message>
        <source>Name each calculator first</source>
        <translation>Poner nombre primero a cada calculadora</translation>
    </message>
    <message>
        <source>Desk ##</source>
        <translation>Puesto ##</translation>
    </message>
    <message>
        <source>Name pattern; each # is a digit of the calculator&apos;s number</source>
        <translation>Modelo de nombre; cada # es una cifra del número de la calculadora</translation>
    </message>
    <message>
        <source>starting at</source>
        <translation>a partir de</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Primer número</translation>
    </message>
    <message>
        <source>Choose the folder for collected work</source>
        <translation>Elegir la carpeta de los trabajos recogidos</translation>
    </message>
</context>
<context>
    <name>StatusFooter</name>
    <message>
        <source>Transfer progress</source>
        <translation>Progreso de la transferencia</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
</context>
<context>
    <name>SyncRunner</name>
    <message>
        <source>compared by name and size only; contents were not read</source>
        <translation>comparado solo por nombre y tamaño; no se leyó el contenido</translation>
    </message>
    <message>
        <source>%1 same, %2 different, %3 missing, %4 extra</source>
        <extracomment>The counts of files in each state, after a compare.</extracomment>
        <translation>%1 iguales, %2 distintos, %3 faltan, %4 sobran</translation>
    </message>
    <message numerus="yes">
        <source>%n extra files left on the calculator; --delete deletes them</source>
        <translation>
            <numerusform>queda %n archivo de más en la calculadora; --delete lo borra</numerusform>
            <numerusform>quedan %n archivos de más en la calculadora; --delete los borra</numerusform>
        </translation>
    </message>
    <message>
        <source>would send %1, replace %2, delete %3, keep %4</source>
        <extracomment>What a sync would do: how many files it would send, replace, delete and keep.</extracomment>
        <translation>enviaría %1, reemplazaría %2, borraría %3, conservaría %4</translation>
    </message>
    <message>
        <source>%1 changed since the compare; it was sent as it is now.</source>
        <translation>%1 cambió desde la comparación; se envió tal como está ahora.</translation>
    </message>
    <message>
        <source>the calculator at %1 may hold part of %2</source>
        <extracomment>One of the things left part-way, in &quot;Interrupted; %1.&quot;.</extracomment>
        <translation>la calculadora en %1 puede contener parte de %2</translation>
    </message>
    <message>
        <source>%1 is still on the calculator after it was deleted.</source>
        <translation>%1 sigue en la calculadora después de borrarlo.</translation>
    </message>
    <message>
        <source>%1 is not on the calculator as it was sent.</source>
        <translation>%1 no está en la calculadora tal como se envió.</translation>
    </message>
    <message>
        <source>sent %1, replaced %2, deleted %3, kept %4</source>
        <extracomment>What a sync did: how many files it sent, replaced, deleted and kept.</extracomment>
        <translation>%1 enviados, %2 reemplazados, %3 borrados, %4 conservados</translation>
    </message>
</context>
<context>
    <name>TransferProgress</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 KiB</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message numerus="yes">
        <source>Sending %n files…</source>
        <translation>
            <numerusform>Enviando %n archivo…</numerusform>
            <numerusform>Enviando %n archivos…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying %n files…</source>
        <translation>
            <numerusform>Copiando %n archivo…</numerusform>
            <numerusform>Copiando %n archivos…</numerusform>
        </translation>
    </message>
    <message>
        <source>Sending %1 (%2 of %3)</source>
        <extracomment>%1 is a file name; %2 of %3 count the files.</extracomment>
        <translation>Enviando %1 (%2 de %3)</translation>
    </message>
    <message>
        <source>Copying %1 (%2 of %3)</source>
        <extracomment>%1 is a file name; %2 of %3 count the files.</extracomment>
        <translation>Copiando %1 (%2 de %3)</translation>
    </message>
    <message>
        <source>: %1 of %2</source>
        <extracomment>Follows &quot;Sending HELLO.py (1 of 3)&quot;: the bytes done of the file&apos;s.</extracomment>
        <translation>: %1 de %2</translation>
    </message>
    <message>
        <source>, %1/s</source>
        <extracomment>Follows the bytes done: the rate, as &quot;1.5 KiB&quot; a second.</extracomment>
        <translation>, %1/s</translation>
    </message>
    <message>
        <source>Nothing was sent to %1</source>
        <translation>No se envió nada a %1</translation>
    </message>
    <message numerus="yes">
        <source>Sent %n files to %1</source>
        <translation>
            <numerusform>%n archivo enviado a %1</numerusform>
            <numerusform>%n archivos enviados a %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sent %1 of %n files to %2</source>
        <translation>
            <numerusform>%1 de %n archivo enviado a %2</numerusform>
            <numerusform>%1 de %n archivos enviados a %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was copied</source>
        <translation>No se copió nada</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n files to %1</source>
        <translation>
            <numerusform>%n archivo copiado en %1</numerusform>
            <numerusform>%n archivos copiados en %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %1 of %n files to %2</source>
        <translation>
            <numerusform>%1 de %n archivo copiado en %2</numerusform>
            <numerusform>%1 de %n archivos copiados en %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %n files to the clipboard</source>
        <translation>
            <numerusform>%n archivo copiado al portapapeles</numerusform>
            <numerusform>%n archivos copiados al portapapeles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %1 of %n files to the clipboard</source>
        <translation>
            <numerusform>%1 de %n archivo copiado al portapapeles</numerusform>
            <numerusform>%1 de %n archivos copiados al portapapeles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n skipped</source>
        <extracomment>Follows an outcome such as &quot;Sent 2 files to Vori X1&quot;.</extracomment>
        <translation>
            <numerusform>; %n omitido</numerusform>
            <numerusform>; %n omitidos</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled: %1</source>
        <translation>Cancelado: %1</translation>
    </message>
    <message>
        <source>; the part of %1 sent was deleted from the calculator</source>
        <translation>; la parte ya enviada de %1 se eliminó de la calculadora</translation>
    </message>
    <message>
        <source>; nothing of the file in transfer was written</source>
        <translation>; no se escribió nada del archivo que se estaba transfiriendo</translation>
    </message>
    <message numerus="yes">
        <source>Backing up %n files…</source>
        <translation>
            <numerusform>Haciendo copia de seguridad de %n archivo…</numerusform>
            <numerusform>Haciendo copia de seguridad de %n archivos…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restoring %n files…</source>
        <translation>
            <numerusform>Restaurando %n archivo…</numerusform>
            <numerusform>Restaurando %n archivos…</numerusform>
        </translation>
    </message>
    <message>
        <source>Backing up %1 (%2 of %3)</source>
        <extracomment>%1 is a file name; %2 of %3 count the files.</extracomment>
        <translation>Haciendo copia de seguridad de %1 (%2 de %3)</translation>
    </message>
    <message>
        <source>Restoring %1 (%2 of %3)</source>
        <extracomment>%1 is a file name; %2 of %3 count the files.</extracomment>
        <translation>Restaurando %1 (%2 de %3)</translation>
    </message>
    <message>
        <source>; the part of %1 sent could not be deleted from the calculator: delete it there</source>
        <translation>; la parte ya enviada de %1 no se pudo eliminar de la calculadora: elimínala allí</translation>
    </message>
    <message>
        <source>; the part of %1 sent may still be on the calculator: delete it there if it is listed</source>
        <translation>; puede que la parte ya enviada de %1 siga en la calculadora: elimínala allí si aparece en la lista</translation>
    </message>
    <message>
        <source>; %1 on the calculator may be incomplete: send it again or delete it</source>
        <translation>; puede que %1 esté incompleto en la calculadora: vuelve a enviarlo o elimínalo</translation>
    </message>
    <message>
        <source>; %1 was sent whole but not checked</source>
        <translation>; %1 se envió completo pero no se comprobó</translation>
    </message>
</context>
<context>
    <name>TransferQuestions</name>
    <message>
        <source>No private folder for the copied files could be made: %1</source>
        <translation>No se pudo crear una carpeta privada para los archivos copiados: %1</translation>
    </message>
</context>
<context>
    <name>TransferRunner</name>
    <message>
        <source>%1 is not a regular file any more; it was not sent.</source>
        <translation>%1 ya no es un archivo normal; no se envió.</translation>
    </message>
    <message>
        <source>%1 changed since it was checked; it was not sent.</source>
        <translation>%1 cambió después de comprobarlo; no se envió.</translation>
    </message>
    <message>
        <source>cancelled; the part of %1 sent was deleted from the calculator</source>
        <translation>cancelado; la parte ya enviada de %1 se eliminó de la calculadora</translation>
    </message>
    <message>
        <source>The calculator stopped answering, so these files were not sent: %1.</source>
        <translation>La calculadora dejó de responder, así que estos archivos no se enviaron: %1.</translation>
    </message>
    <message>
        <source>The calculator stopped answering, so these files were not copied: %1.</source>
        <translation>La calculadora dejó de responder, así que estos archivos no se copiaron: %1.</translation>
    </message>
    <message>
        <source>The calculator stopped answering, so these files were not deleted: %1.</source>
        <translation>La calculadora dejó de responder, así que estos archivos no se eliminaron: %1.</translation>
    </message>
    <message>
        <source>Interrupted, so these files were not sent: %1.</source>
        <translation>Interrumpido, así que estos archivos no se enviaron: %1.</translation>
    </message>
    <message>
        <source>Interrupted, so these files were not copied: %1.</source>
        <translation>Interrumpido, así que estos archivos no se copiaron: %1.</translation>
    </message>
    <message>
        <source>Interrupted, so these files were not deleted: %1.</source>
        <translation>Interrumpido, así que estos archivos no se eliminaron: %1.</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>cancelled; %1 was sent whole but not checked</source>
        <translation>cancelado; %1 se envió completo pero no se comprobó</translation>
    </message>
    <message>
        <source>%1 could not be read back from %2 to be checked.</source>
        <translation>No se pudo volver a leer %1 de %2 para comprobarlo.</translation>
    </message>
    <message>
        <source>%1 arrived on %2 different from the computer&apos;s file.</source>
        <translation>%1 llegó a %2 distinto del archivo del ordenador.</translation>
    </message>
    <message>
        <source>The calculator&apos;s copy was deleted.</source>
        <translation>La copia de la calculadora se eliminó.</translation>
    </message>
    <message>
        <source>The calculator&apos;s copy could not be deleted: delete it there before anyone uses it.</source>
        <translation>La copia de la calculadora no se pudo eliminar: elimínala allí antes de que alguien la use.</translation>
    </message>
    <message>
        <source>These files arrived on %1 different from the computer&apos;s files: %2.</source>
        <extracomment>%1 is a calculator&apos;s name, %2 the list of files.</extracomment>
        <translation>Estos archivos llegaron a %1 distintos de los archivos del ordenador: %2.</translation>
    </message>
    <message>
        <source>The calculator&apos;s copies were deleted.</source>
        <translation>Las copias de la calculadora se eliminaron.</translation>
    </message>
    <message>
        <source>The calculator&apos;s copies could not be deleted: delete them there before anyone uses them.</source>
        <translation>Las copias de la calculadora no se pudieron eliminar: elimínalas allí antes de que alguien las use.</translation>
    </message>
    <message>
        <source>The calculator&apos;s copies were deleted but for %1: delete those there before anyone uses them.</source>
        <extracomment>%1 is the list of files whose copies are still on the calculator.</extracomment>
        <translation>Las copias de la calculadora se eliminaron, salvo las de %1: elimínalas allí antes de que alguien las use.</translation>
    </message>
    <message>
        <source>the files on this computer are unchanged; send again, and if a file arrives different again, see the troubleshooting guide</source>
        <translation>los archivos de este ordenador no han cambiado; vuelve a enviarlos y, si un archivo vuelve a llegar distinto, consulta la guía de solución de problemas</translation>
    </message>
    <message>
        <source>cancelled; %1 on the calculator may be incomplete: send it again or delete it</source>
        <translation>cancelado; puede que %1 esté incompleto en la calculadora: vuelve a enviarlo o elimínalo</translation>
    </message>
    <message>
        <source>cancelled; the part of %1 sent could not be deleted from the calculator: delete it there</source>
        <translation>cancelado; la parte ya enviada de %1 no se pudo eliminar de la calculadora: elimínala allí</translation>
    </message>
    <message>
        <source>cancelled; the part of %1 sent may still be on the calculator: delete it there if it is listed</source>
        <translation>cancelado; puede que la parte ya enviada de %1 siga en la calculadora: elimínala allí si aparece en la lista</translation>
    </message>
</context>
<context>
    <name>UploadFile</name>
    <message>
        <source>File %1 can&apos;t be read.</source>
        <translation>No se puede leer el archivo %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file and can&apos;t be sent.</source>
        <translation>%1 no es un archivo normal y no se puede enviar.</translation>
    </message>
    <message>
        <source>File %1 is larger than 1 MiB (1048576 bytes) and can&apos;t be sent.</source>
        <translation>El archivo %1 ocupa más de 1 MiB (1048576 bytes) y no se puede enviar.</translation>
    </message>
</context>
<context>
    <name>VuveCtl</name>
    <message>
        <source>Talks to calculators over USB.</source>
        <translation>Se comunica con calculadoras por USB.</translation>
    </message>
    <message>
        <source>Choosing calculators: with one attached, commands run on it. Otherwise name
it with --calc or --port, or run on all at once with --every (one result line
each, printed as soon as that calculator is done). A missing --to or backup
folder is made.</source>
        <translation>Elegir calculadoras: si solo hay una conectada, las órdenes se ejecutan en ella.
Si no, indícala con --calc o --port, o trabaja con todas a la vez con --every
(una línea de resultado por calculadora, en cuanto termina). Si falta la carpeta
de --to o de backup, se crea.</translation>
    </message>
    <message>
        <source>Collisions: put and get check the whole batch before anything moves. Empty
files, files over 1 MiB and two files that would get one calculator name stop
the batch. A name already on the calculator (put, restore) or an existing
local file (get) is asked about on a terminal: yes, no, all or none.
Elsewhere --on-conflict decides; without it nothing is transferred.</source>
        <translation>Conflictos: put y get comprueban todo el lote antes de mover nada. Los archivos
vacíos, los de más de 1 MiB y dos archivos que tendrían el mismo nombre en la
calculadora detienen el lote. Si un nombre ya está en la calculadora (put,
restore) o un archivo local ya existe (get), se pregunta en el terminal: sí, no,
todos o ninguno. En otro caso decide --on-conflict; sin esta opción no se
transfiere nada.</translation>
    </message>
    <message>
        <source>Interrupting (Ctrl+C) stops the transfers at once and says what was left
part-way (files are only written whole); a second Ctrl+C ends at once.</source>
        <translation>Interrumpir (Ctrl+C) detiene las transferencias al momento e indica qué quedó a
medias (los archivos solo se escriben completos); un segundo Ctrl+C termina al
instante.</translation>
    </message>
    <message>
        <source>Try &apos;vuvectl --help&apos;.</source>
        <translation>Prueba &apos;vuvectl --help&apos;.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 no es una carpeta.</translation>
    </message>
    <message>
        <source>Folder %1 can&apos;t be made: %2.</source>
        <translation>No se puede crear la carpeta %1: %2.</translation>
    </message>
    <message>
        <source>Folder %1 can&apos;t be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostrar esta ayuda.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Mostrar la versión.</translation>
    </message>
    <message>
        <source>The calculator on this serial device (repeatable with --every).</source>
        <translation>La calculadora de este dispositivo serie (se puede repetir con --every).</translation>
    </message>
    <message>
        <source>The calculator with this device name, as ports lists it.</source>
        <translation>La calculadora con este nombre de dispositivo, tal como lo muestra ports.</translation>
    </message>
    <message>
        <source>Run on every attached calculator at once (or every one that --calc or --port names); one result line per calculator, as each is done.</source>
        <translation>Ejecutar en todas las calculadoras conectadas a la vez (o en todas las que indiquen --calc o --port); una línea de resultado por calculadora, en cuanto termina.</translation>
    </message>
    <message>
        <source>Print results as JSON: one document, or one line per calculator with --every and per event with watch.</source>
        <translation>Mostrar los resultados en JSON: un documento, o una línea por calculadora con --every y por evento con watch.</translation>
    </message>
    <message>
        <source>Folder for get (default: the current one).</source>
        <translation>Carpeta para get (por defecto: la actual).</translation>
    </message>
    <message>
        <source>get or rm every file on the calculator.</source>
        <translation>get o rm con todos los archivos de la calculadora.</translation>
    </message>
    <message>
        <source>What to do with a name that is taken: ask (on a terminal, the default there), replace, skip or fail (the default elsewhere).</source>
        <translation>Qué hacer con un nombre ya ocupado: ask (preguntar; por defecto en un terminal), replace (reemplazar), skip (omitir) o fail (fallar; por defecto en otro caso).</translation>
    </message>
    <message>
        <source>Show progress also when stderr is not a terminal (one line a second).</source>
        <translation>Mostrar el progreso también cuando stderr no es un terminal (una línea por segundo).</translation>
    </message>
    <message>
        <source>Milliseconds to wait for a reply to begin or to go on, and for each frame of a transfer (default: 10000, 30000 and 1000).</source>
        <translation>Milisegundos de espera para que una respuesta empiece o continúe, y para cada bloque de una transferencia (por defecto: 10000, 30000 y 1000).</translation>
    </message>
    <message>
        <source>What to do (see above).</source>
        <translation>Qué hacer (ver arriba).</translation>
    </message>
    <message>
        <source>command [args...]</source>
        <extracomment>The usage line&apos;s words for a command and its arguments.</extracomment>
        <translation>orden [argumentos...]</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se indicó ninguna orden</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>orden desconocida «%1»</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 no admite argumentos</translation>
    </message>
    <message>
        <source>%1 needs an argument</source>
        <translation>%1 necesita un argumento</translation>
    </message>
    <message>
        <source>%1 needs names, patterns or --all-files</source>
        <translation>%1 necesita nombres, patrones o --all-files</translation>
    </message>
    <message>
        <source>%1 takes exactly one argument</source>
        <translation>%1 admite exactamente un argumento</translation>
    </message>
    <message>
        <source>backup takes at most one folder</source>
        <translation>backup admite como máximo una carpeta</translation>
    </message>
    <message>
        <source>the device name must not be empty</source>
        <translation>el nombre del dispositivo no puede estar vacío</translation>
    </message>
    <message>
        <source>a device name has at most %1 characters</source>
        <translation>un nombre de dispositivo tiene como máximo %1 caracteres</translation>
    </message>
    <message>
        <source>--to goes with get only</source>
        <translation>--to solo se usa con get</translation>
    </message>
    <message>
        <source>--all-files goes with get and rm only</source>
        <translation>--all-files solo se usa con get y rm</translation>
    </message>
    <message>
        <source>%1 looks at every port; --port, --calc and --every do not go with it</source>
        <translation>%1 examina todos los puertos; --port, --calc y --every no se usan con ella</translation>
    </message>
    <message>
        <source>several --port go with --every only</source>
        <translation>varios --port solo se usan con --every</translation>
    </message>
    <message>
        <source>--on-conflict goes with get, put and restore only</source>
        <translation>--on-conflict solo se usa con get, put y restore</translation>
    </message>
    <message>
        <source>--on-conflict takes ask, replace, skip or fail</source>
        <translation>--on-conflict admite ask, replace, skip o fail</translation>
    </message>
    <message>
        <source>--on-conflict=ask needs a terminal and one calculator</source>
        <translation>--on-conflict=ask necesita un terminal y una sola calculadora</translation>
    </message>
    <message>
        <source>--timeout takes a positive number of milliseconds</source>
        <translation>--timeout admite un número positivo de milisegundos</translation>
    </message>
    <message>
        <source>Interrupted; nothing partial was written.</source>
        <translation>Interrumpido; no se escribió nada a medias.</translation>
    </message>
    <message>
        <source>Interrupted; %1.</source>
        <translation>Interrumpido; %1.</translation>
    </message>
    <message>
        <source>Trace each request and reply (type and size), what was planned for each file and what became of it, each error and each port found or gone on stderr, for a bug report; never file contents.</source>
        <translation>Registrar en stderr cada petición y respuesta (tipo y tamaño), lo previsto para cada archivo y lo que pasó con él, cada error y cada puerto que aparece o desaparece, para informar de un fallo; nunca el contenido de los archivos.</translation>
    </message>
    <message>
        <source>Commands:
  ports                 list the attached calculators (name, port, USB serial number)
  info                  device name, chunk size and versions
  ls                    files on the calculator (name, tab, size)
  get NAME|PATTERN...   copy files from the calculator into the current folder
                        or --to DIR; shell patterns (&apos;*.py&apos;) match the calculator&apos;s
                        list; --all-files copies every file
  put FILE...           send files; names follow the calculator&apos;s 8.3 rule
  rm NAME|PATTERN...    delete files on the calculator (or --all-files)
  rename NEWNAME        change the device name (1 to 64 characters)
  backup [DIR]          copy every file into DIR/&lt;device name&gt;-&lt;UTC time&gt;/
                        with a manifest.json (DIR: the current folder)
  restore BACKUP_DIR    send a backup&apos;s files back and check them by listing
  watch                 print a line per calculator attached or detached,
                        until interrupted
  station --send FILE...
                        send the files to each calculator plugged in, until
                        interrupted; names already on it are replaced
  station --backup DIR  back up each calculator plugged in into
                        DIR/&lt;device name&gt;-&lt;UTC time&gt;/, until interrupted</source>
        <extracomment>Keep the command words and the first column&apos;s width; translate what each does.</extracomment>
        <translation>Órdenes:
  ports                 listar las calculadoras conectadas (nombre, puerto, número
                        de serie USB)
  info                  nombre del dispositivo, tamaño de bloque y versiones
  ls                    archivos de la calculadora (nombre, tabulador, tamaño)
  get NAME|PATTERN...   copiar archivos de la calculadora a la carpeta actual
                        o a --to DIR; los patrones del shell (&apos;*.py&apos;) se aplican
                        a la lista de la calculadora; --all-files copia todos
  put FILE...           enviar archivos; los nombres siguen la regla 8.3
  rm NAME|PATTERN...    eliminar archivos de la calculadora (o --all-files)
  rename NEWNAME        cambiar el nombre del dispositivo (de 1 a 64 caracteres)
  backup [DIR]          copiar todos los archivos a DIR/&lt;nombre&gt;-&lt;hora UTC&gt;/
                        con un manifest.json (DIR: la carpeta actual)
  restore BACKUP_DIR    devolver los archivos de una copia de seguridad y
                        comprobarlos con la lista
  watch                 mostrar una línea por cada calculadora que se conecta o
                        desconecta, hasta que se interrumpa
  station --send FILE...
                        enviar los archivos a cada calculadora que se conecte,
                        hasta que se interrumpa; los nombres que ya estén en
                        ella se reemplazan
  station --backup DIR  hacer copia de seguridad de cada calculadora que se
                        conecte en DIR/&lt;nombre&gt;-&lt;hora UTC&gt;/, hasta que se
                        interrumpa</translation>
    </message>
    <message>
        <source>Verifying: with --verify, put, restore and station --send read each file
back from the calculator once it is sent and compare it (SHA-256) with the
bytes the computer sent; a file that arrived different fails.</source>
        <translation>Comprobación: con --verify, put, restore y station --send vuelven a leer cada
archivo de la calculadora una vez enviado y lo comparan (SHA-256) con los bytes
que envió el ordenador; un archivo que llegó distinto falla.</translation>
    </message>
    <message>
        <source>Station: each calculator plugged in after the start (with --now, also each
one attached) is served once per plug-in, in parallel, a name already on it
replaced; one result line each (device, port, serial, action, outcome and
summary or errors) or one JSON object a line with --json. A calculator that
fails is reported and the station goes on. Ctrl+C ends it with 0 once the
calculators in service have stopped.</source>
        <translation>Estación: cada calculadora que se conecta después del inicio (con --now,
también las ya conectadas) se atiende una vez por conexión, en paralelo, y se
reemplaza un nombre que ya esté en ella; una línea de resultado por calculadora
(dispositivo, puerto, número de serie, acción, resultado y resumen o errores)
o, con --json, un objeto JSON por línea. Si una calculadora falla, se avisa y
la estación sigue. Ctrl+C la termina con 0 cuando se han detenido las
calculadoras que se estaban atendiendo.</translation>
    </message>
    <message>
        <source>Exit codes:
  0    done
  1    failed (also: any calculator failed with --every)
  2    usage error
  3    stopped by a collision (--on-conflict=fail); nothing was transferred
  130  interrupted (Ctrl+C; 143 for SIGTERM; watch and station end with 0)</source>
        <extracomment>Keep the numbers and the first column&apos;s width.</extracomment>
        <translation>Códigos de salida:
  0    hecho
  1    error (también: alguna calculadora falló con --every)
  2    error de uso
  3    detenido por un conflicto (--on-conflict=fail); no se transfirió nada
  130  interrumpido (Ctrl+C; 143 con SIGTERM; watch y station terminan con 0)</translation>
    </message>
    <message>
        <source>Read each file sent back and compare it with the computer&apos;s; one that arrived different fails (put, restore, station --send).</source>
        <translation>Volver a leer cada archivo enviado y compararlo con el del ordenador; el que llegó distinto falla (put, restore, station --send).</translation>
    </message>
    <message>
        <source>station: send the files given to each calculator plugged in.</source>
        <translation>station: enviar los archivos indicados a cada calculadora que se conecte.</translation>
    </message>
    <message>
        <source>station: back up each calculator plugged in into a folder of its own in DIR.</source>
        <translation>station: hacer copia de seguridad de cada calculadora que se conecte en una carpeta propia dentro de DIR.</translation>
    </message>
    <message>
        <source>station: serve the calculators attached at the start too.</source>
        <translation>station: atender también las calculadoras ya conectadas al inicio.</translation>
    </message>
    <message>
        <source>station --send needs files</source>
        <translation>station --send necesita archivos</translation>
    </message>
    <message>
        <source>station --backup takes no other arguments</source>
        <translation>station --backup no admite otros argumentos</translation>
    </message>
    <message>
        <source>station --backup needs a folder</source>
        <translation>station --backup necesita una carpeta</translation>
    </message>
    <message>
        <source>station serves every calculator plugged in; --port, --calc and --every do not go with it</source>
        <translation>station atiende cada calculadora que se conecta; --port, --calc y --every no se usan con ella</translation>
    </message>
    <message>
        <source>--send, --backup and --now go with station only</source>
        <translation>--send, --backup y --now solo se usan con station</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>No se envió nada.</translation>
    </message>
    <message>
        <source>No calculator is attached.</source>
        <translation>No hay ninguna calculadora conectada.</translation>
    </message>
    <message>
        <source>  diff DIR              compare the calculator with the regular files in DIR:
                        a line STATUS&lt;tab&gt;NAME per file, STATUS one of same,
                        different, missing (not on the calculator) or extra
                        (only on it); --quick: names and sizes only
  sync DIR              make the calculator hold DIR&apos;s files: send the missing,
                        replace the different, keep the same; --delete also
                        deletes the extra; --dry-run only prints send,
                        replace, delete or keep NAME; never changes DIR
  station --sync DIR    sync each calculator plugged in with DIR, until
                        interrupted (with --delete, extra files deleted)</source>
        <extracomment>Follows the list of commands: keep the command words, the status and action words and the first column&apos;s width; translate what each does.</extracomment>
        <translation>  diff DIR              comparar la calculadora con los archivos normales de DIR:
                        una línea STATUS&lt;tab&gt;NAME por archivo, STATUS es same,
                        different, missing (no está en la calculadora) o extra
                        (solo está en ella); --quick: solo nombres y tamaños
  sync DIR              hacer que la calculadora tenga los archivos de DIR:
                        enviar los que faltan, reemplazar los distintos,
                        conservar los iguales; --delete borra también los que
                        sobran; --dry-run solo muestra send, replace, delete o
                        keep NAME; DIR nunca se modifica
  station --sync DIR    sincronizar cada calculadora conectada con DIR, hasta
                        que se interrumpa (con --delete, se borran los archivos
                        que sobran)</translation>
    </message>
    <message>
        <source>Folders: diff and sync take the regular files directly in DIR, under the
names put gives them, compared without regard to case; links, fifos and
subfolders are left out and named on stderr. Files of equal size are read
back and compared (SHA-256) unless --quick, whose output then begins with a
line starting with &quot;#&quot;. With --every each file line begins with the
device name and port. sync checks its batch as put does, reads each file
when it is sent, and with --verify reads it back. diff exits with 1 when
anything differs; sync with 0 once the calculator holds the folder&apos;s files
(extra files kept without --delete do not count).</source>
        <translation>Carpetas: diff y sync toman los archivos normales que están directamente en DIR,
con los nombres que put les da, comparados sin distinguir mayúsculas; los
enlaces, FIFO y subcarpetas se omiten y se nombran en stderr. Los archivos del
mismo tamaño se releen y se comparan (SHA-256) salvo con --quick, cuya salida
empieza entonces con una línea que comienza por &quot;#&quot;. Con --every, cada línea
de archivo empieza con el nombre del aparato y el puerto. sync comprueba su lote
como put, lee cada archivo al enviarlo y, con --verify, lo relee. diff termina
con 1 si algo difiere; sync con 0 cuando la calculadora tiene los archivos de la
carpeta (los archivos de más conservados sin --delete no cuentan).</translation>
    </message>
    <message>
        <source>diff, sync: compare names and sizes only; files of equal size count as the same.</source>
        <translation>diff, sync: comparar solo nombres y tamaños; los archivos del mismo tamaño cuentan como iguales.</translation>
    </message>
    <message>
        <source>sync, station --sync: also delete the files the folder does not hold.</source>
        <translation>sync, station --sync: borrar también los archivos que la carpeta no contiene.</translation>
    </message>
    <message>
        <source>sync: print what would be done, and change nothing.</source>
        <translation>sync: mostrar lo que se haría, sin cambiar nada.</translation>
    </message>
    <message>
        <source>station: make each calculator plugged in hold the files of DIR.</source>
        <translation>station: hacer que cada calculadora conectada contenga los archivos de DIR.</translation>
    </message>
    <message>
        <source>%1 takes exactly one folder</source>
        <translation>%1 admite exactamente una carpeta</translation>
    </message>
    <message>
        <source>station --sync takes no other arguments</source>
        <translation>station --sync no admite otros argumentos</translation>
    </message>
    <message>
        <source>station --sync needs a folder</source>
        <translation>station --sync necesita una carpeta</translation>
    </message>
    <message>
        <source>--sync goes with station only</source>
        <translation>--sync solo va con station</translation>
    </message>
    <message>
        <source>--verify goes with put, restore, sync, station --send and station --sync only</source>
        <translation>--verify solo va con put, restore, sync, station --send y station --sync</translation>
    </message>
    <message>
        <source>--quick goes with diff, sync and station --sync only</source>
        <translation>--quick solo va con diff, sync y station --sync</translation>
    </message>
    <message>
        <source>--delete goes with sync and station --sync only</source>
        <translation>--delete solo va con sync y station --sync</translation>
    </message>
    <message>
        <source>--dry-run goes with sync only</source>
        <translation>--dry-run solo va con sync</translation>
    </message>
    <message>
        <source>  collect DIR           copy every file, read twice and compared, into
                        DIR/&lt;device name&gt;/ (DIR is made if missing) and
                        add a row per file to DIR/receipt.csv; with
                        --clear, then delete on the calculator each file
                        collected so, and no other
  station --collect DIR collect each calculator plugged in into DIR, until
                        interrupted (with --clear, and clear it)
  station --name PATTERN
                        first rename each calculator plugged in: the #s in
                        PATTERN become a running number, padded with zeros
                        to their count (&quot;Desk ##&quot;: Desk 01, Desk 02...;
                        --first N: from N); alone, or before --send,
                        --backup, --sync or --collect</source>
        <extracomment>Follows the list of commands: keep the command words and the first column&apos;s width; translate what each does.</extracomment>
        <translation>  collect DIR           copiar cada archivo, leído dos veces y comparado, a
                        DIR/&lt;nombre&gt;/ (DIR se crea si falta) y añadir una línea
                        por archivo a DIR/receipt.csv; con --clear, eliminar
                        después de la calculadora cada archivo así recogido, y
                        ningún otro
  station --collect DIR recoger cada calculadora que se conecte en DIR, hasta
                        que se interrumpa (con --clear, y vaciarla)
  station --name PATTERN
                        renombrar primero cada calculadora que se conecte: los #
                        de PATTERN pasan a ser un número correlativo, rellenado
                        con ceros hasta su cantidad («Desk ##»: Desk 01, Desk
                        02...; --first N: desde N); sola, o antes de --send,
                        --backup, --sync o --collect</translation>
    </message>
    <message>
        <source>collect, station --collect: then delete on the calculator each file collected, read the same twice and written whole, and no other.</source>
        <translation>collect, station --collect: después, eliminar de la calculadora cada archivo recogido, leído dos veces igual y escrito entero, y ningún otro.</translation>
    </message>
    <message>
        <source>station: collect each calculator plugged in into a folder of its own in DIR, with a row per file in DIR/receipt.csv.</source>
        <translation>station: recoger cada calculadora que se conecte en una carpeta propia dentro de DIR, con una línea por archivo en DIR/receipt.csv.</translation>
    </message>
    <message>
        <source>station: rename each calculator plugged in, before anything else, by the pattern: its #s become a running number padded with zeros to their count.</source>
        <translation>station: renombrar cada calculadora que se conecte, antes que nada, según el patrón: sus # pasan a ser un número correlativo rellenado con ceros hasta su cantidad.</translation>
    </message>
    <message>
        <source>station --name: the first calculator&apos;s number (default: 1).</source>
        <translation>station --name: el número de la primera calculadora (por defecto: 1).</translation>
    </message>
    <message>
        <source>collect needs a folder</source>
        <translation>collect necesita una carpeta</translation>
    </message>
    <message>
        <source>station takes one of --send, --backup, --sync and --collect</source>
        <translation>station admite solo una de --send, --backup, --sync y --collect</translation>
    </message>
    <message>
        <source>station needs --send FILE..., --backup DIR, --sync DIR, --collect DIR or --name PATTERN</source>
        <translation>station necesita --send FILE..., --backup DIR, --sync DIR, --collect DIR o --name PATTERN</translation>
    </message>
    <message>
        <source>station --collect takes no other arguments</source>
        <translation>station --collect no admite otros argumentos</translation>
    </message>
    <message>
        <source>station --collect needs a folder</source>
        <translation>station --collect necesita una carpeta</translation>
    </message>
    <message>
        <source>station --name takes no other arguments</source>
        <translation>station --name no admite otros argumentos</translation>
    </message>
    <message>
        <source>--clear goes with collect and station --collect only</source>
        <translation>--clear solo se usa con collect y station --collect</translation>
    </message>
    <message>
        <source>--first goes with station --name only</source>
        <translation>--first solo se usa con station --name</translation>
    </message>
    <message>
        <source>station --name needs a pattern</source>
        <translation>station --name necesita un patrón</translation>
    </message>
    <message>
        <source>--first takes a whole number from 0 up</source>
        <translation>--first admite un número entero desde 0</translation>
    </message>
    <message>
        <source>--name gives &quot;%1&quot; (%2 characters); a device name has at most %3</source>
        <extracomment>%1 is the first calculator&apos;s name by the pattern.</extracomment>
        <translation>--name da «%1» (%2 caracteres); un nombre de dispositivo tiene como máximo %3</translation>
    </message>
    <message>
        <source>--collect, --name and --first go with station only</source>
        <translation>--collect, --name y --first solo se usan con station</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Vuve Vudurod</source>
        <translation>Vuve Vudurod</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de…</translation>
    </message>
    <message>
        <source>Change device name...</source>
        <translation>Cambiar el nombre del dispositivo…</translation>
    </message>
    <message>
        <source>No calculator is connected</source>
        <translation>No hay ninguna calculadora conectada</translation>
    </message>
    <message>
        <source>Send to all calculators…</source>
        <translation>Enviar a todas las calculadoras…</translation>
    </message>
    <message>
        <source>Send to the chosen calculators…</source>
        <translation>Enviar a las calculadoras elegidas…</translation>
    </message>
    <message>
        <source>No calculator is chosen; tick the calculators first</source>
        <translation>No hay ninguna calculadora elegida; marca antes las calculadoras</translation>
    </message>
    <message>
        <source>Close program</source>
        <translation>Cerrar el programa</translation>
    </message>
    <message>
        <source>Copy and transfer selected files from calculator to PC</source>
        <translation>Copiar los archivos seleccionados de la calculadora al PC</translation>
    </message>
    <message>
        <source>Yoy must select some files for downloading</source>
        <translation>Primero selecciona los archivos que quieres copiar</translation>
    </message>
    <message>
        <source>Send files to calculator...</source>
        <translation>Enviar archivos a la calculadora…</translation>
    </message>
    <message>
        <source>Delete selected files</source>
        <translation>Eliminar los archivos seleccionados</translation>
    </message>
    <message>
        <source>No files selected for deleting</source>
        <translation>No hay archivos seleccionados para eliminar</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Ocupado</translation>
    </message>
    <message>
        <source>Wait until the transfer in progress has finished</source>
        <translation>Espera a que termine la transferencia en curso</translation>
    </message>
    <message>
        <source>Back up…</source>
        <translation>Hacer copia de seguridad…</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>Restaurar…</translation>
    </message>
    <message>
        <source>Back up all calculators…</source>
        <translation>Copia de seguridad de todas las calculadoras…</translation>
    </message>
    <message>
        <source>Verify files after sending</source>
        <translation>Verificar los archivos tras enviarlos</translation>
    </message>
    <message>
        <source>Station…</source>
        <translation>Estación…</translation>
    </message>
    <message>
        <source>Wait until the job on several calculators has ended</source>
        <translation>Espera a que termine la tarea en varias calculadoras</translation>
    </message>
    <message>
        <source>The station is on; switch it off first</source>
        <translation>La estación está activada; desactívala primero</translation>
    </message>
    <message>
        <source>Collect from all calculators…</source>
        <translation>Recoger de todas las calculadoras…</translation>
    </message>
    <message>
        <source>Clear all calculators…</source>
        <translation>Vaciar todas las calculadoras…</translation>
    </message>
    <message>
        <source>Compare with a folder…</source>
        <translation>Comparar con una carpeta…</translation>
    </message>
    <message>
        <source>Sync all calculators with a folder…</source>
        <translation>Igualar todas las calculadoras a una carpeta…</translation>
    </message>
</context>
<context>
    <name>vuve-vudurod</name>
    <message>
        <source>Copies files to and from Vori graphing calculators over USB.</source>
        <translation>Copia archivos desde y hacia calculadoras gráficas Vori por USB.</translation>
    </message>
</context>
<context>
    <name>vuve-vudurod-demo</name>
    <message>
        <source>Also list the serial device or pseudo-terminal at &lt;path&gt; as a calculator (repeatable).</source>
        <translation>Mostrar también el dispositivo serie o pseudoterminal de &lt;path&gt; como calculadora (se puede repetir).</translation>
    </message>
    <message>
        <source>Vuve Vudurod with two simulated calculators, &quot;Vori X1&quot; and &quot;Vori X1 Lab&quot;.</source>
        <translation>Vuve Vudurod con dos calculadoras simuladas, «Vori X1» y «Vori X1 Lab».</translation>
    </message>
    <message>
        <source>no such device: %1</source>
        <translation>no existe el dispositivo: %1</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Vuve Vudurod %1</source>
        <translation>Vuve Vudurod %1</translation>
    </message>
    <message>
        <source>Language: English</source>
        <extracomment>Which language the window is in, named in that language.</extracomment>
        <translation>Sprache: Deutsch</translation>
    </message>
    <message>
        <source>Copyright © 2026 Vuve Vudurod developers. All rights reserved.

No file or information of this software may be duplicated, copied, modified or adapted without the written permission of the rights holder.

The content of this software is protected by law. Using the software does not make you the owner of the software or of any of its content.</source>
        <translation>Copyright © 2026 Die Entwickler von Vuve Vudurod. Alle Rechte vorbehalten.

Keine Datei und keine Information dieser Software darf ohne schriftliche Genehmigung des Rechteinhabers vervielfältigt, kopiert, verändert oder bearbeitet werden.

Der Inhalt dieser Software ist gesetzlich geschützt. Wer die Software nutzt, wird dadurch weder Eigentümer der Software noch eines ihrer Inhalte.</translation>
    </message>
</context>
<context>
    <name>AllAnswersRow</name>
    <message>
        <source>Yes to all</source>
        <translation>Ja für alle</translation>
    </message>
    <message>
        <source>No to all</source>
        <translation>Nein für alle</translation>
    </message>
</context>
<context>
    <name>BackupFlow</name>
    <message>
        <source>Back up %1</source>
        <translation>%1 sichern</translation>
    </message>
    <message>
        <source>Every file on %1 is copied into a new folder, named after the calculator and the time, in this folder:</source>
        <translation>Alle Dateien auf %1 werden in einen neuen Ordner kopiert, der nach dem Taschenrechner und der Uhrzeit benannt ist. Er wird in diesem Ordner angelegt:</translation>
    </message>
    <message>
        <source>Back Up</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Change Folder…</source>
        <translation>Ordner ändern …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Choose the folder for backups</source>
        <translation>Ordner für Sicherungen auswählen</translation>
    </message>
    <message>
        <source>Back up all calculators</source>
        <translation>Alle Taschenrechner sichern</translation>
    </message>
    <message>
        <source>Every file on each calculator is copied into a new folder of its own, named after the calculator and the time, in this folder:</source>
        <translation>Alle Dateien jedes Taschenrechners werden in einen eigenen neuen Ordner kopiert, der nach dem Taschenrechner und der Uhrzeit benannt ist. Er wird in diesem Ordner angelegt:</translation>
    </message>
    <message>
        <source>Back up the calculator</source>
        <translation>Den Taschenrechner sichern</translation>
    </message>
    <message>
        <source>Every file on the calculator is copied into a new folder, named after the calculator and the time, in this folder:</source>
        <translation>Alle Dateien auf dem Taschenrechner werden in einen neuen Ordner kopiert, der nach dem Taschenrechner und der Uhrzeit benannt ist. Er wird in diesem Ordner angelegt:</translation>
    </message>
</context>
<context>
    <name>BackupManifest</name>
    <message>
        <source>The manifest of %1 can&apos;t be written: %2</source>
        <translation>Das Manifest von %1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>%1 holds no complete backup: it has no readable %2.</source>
        <extracomment>%2 is the manifest&apos;s file name, manifest.json.</extracomment>
        <translation>%1 enthält keine vollständige Sicherung: Es gibt darin keine lesbare %2.</translation>
    </message>
    <message>
        <source>The %1 of %2 is not a backup manifest.</source>
        <extracomment>%1 is the manifest&apos;s file name, manifest.json; %2 is a folder.</extracomment>
        <translation>Die Datei %1 in %2 ist kein Sicherungsmanifest.</translation>
    </message>
    <message>
        <source>The backup in %1 was made by a newer vuvectl.</source>
        <translation>Die Sicherung in %1 stammt von einer neueren Version von vuvectl.</translation>
    </message>
    <message>
        <source>The %1 of %2 lists a file it cannot restore (%3).</source>
        <extracomment>%1 is the manifest&apos;s file name, manifest.json; %2 is a folder; %3 a file name.</extracomment>
        <translation>Die Datei %1 in %2 nennt eine Datei, die sich nicht wiederherstellen lässt (%3).</translation>
    </message>
    <message>
        <source>the backup lists another file of this name (case ignored)</source>
        <translation>die Sicherung enthält eine weitere Datei mit diesem Namen (ohne Beachtung der Groß- und Kleinschreibung)</translation>
    </message>
    <message>
        <source>the backup says it can&apos;t be sent back</source>
        <translation>laut Sicherung lässt sie sich nicht zurückspielen</translation>
    </message>
    <message>
        <source>%1 is missing from the backup.</source>
        <translation>%1 fehlt in der Sicherung.</translation>
    </message>
    <message>
        <source>%1 has %2 bytes; the manifest says %3.</source>
        <translation>%1 hat %2 Byte, laut Manifest sind es %3.</translation>
    </message>
    <message>
        <source>%1 differs from what the manifest says was backed up.</source>
        <translation>%1 weicht von dem ab, was laut Manifest gesichert wurde.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine normale Datei.</translation>
    </message>
    <message>
        <source>File %1 can&apos;t be read.</source>
        <translation>Die Datei %1 lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB (1048576 bytes), the most a file sent to the calculator may have</source>
        <translation>sie ist größer als 1 MiB (1048576 Byte), die Höchstgröße für Dateien auf dem Taschenrechner</translation>
    </message>
    <message>
        <source>its name is not one the calculator&apos;s 8.3 rule keeps</source>
        <translation>ihr Name entspricht nicht der 8.3-Regel des Taschenrechners</translation>
    </message>
    <message>
        <source>its name can&apos;t be a file name in the backup folder</source>
        <translation>ihr Name taugt nicht als Dateiname im Sicherungsordner</translation>
    </message>
    <message>
        <source>the calculator lists it twice, and a backup holds one file per name</source>
        <translation>der Taschenrechner führt sie doppelt auf, eine Sicherung enthält aber nur eine Datei pro Name</translation>
    </message>
    <message>
        <source>the calculator lists %1 as well, and a backup holds one file per name, whatever its case</source>
        <translation>der Taschenrechner führt auch %1 auf, eine Sicherung enthält aber nur eine Datei pro Name, gleich in welcher Schreibweise</translation>
    </message>
    <message>
        <source>the calculator&apos;s file list had an entry that could not be read</source>
        <translation>ein Eintrag in der Dateiliste des Taschenrechners war nicht lesbar</translation>
    </message>
    <message>
        <source>The %1 of %2 lists more files than a calculator holds.</source>
        <extracomment>%1 is the manifest&apos;s file name, manifest.json; %2 is a folder.</extracomment>
        <translation>Die Datei %1 in %2 führt mehr Dateien auf, als ein Taschenrechner enthält.</translation>
    </message>
</context>
<context>
    <name>BackupRestorer</name>
    <message>
        <source>The backup in %1 is not complete; nothing was sent.</source>
        <translation>Die Sicherung in %1 ist unvollständig; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>A file the calculator could not list can&apos;t be restored: %1.</source>
        <translation>Eine Datei, die der Taschenrechner nicht auflisten konnte, lässt sich nicht wiederherstellen: %1.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be restored: %2.</source>
        <translation>%1 lässt sich nicht wiederherstellen: %2.</translation>
    </message>
    <message>
        <source>After the restore, %1 is not on the calculator with its %2 bytes.</source>
        <translation>Nach der Wiederherstellung ist %1 nicht mit seinen %2 Byte auf dem Taschenrechner.</translation>
    </message>
    <message numerus="yes">
        <source>%n more files of the backup do not match its manifest.</source>
        <translation>
            <numerusform>%n weitere Datei der Sicherung stimmt nicht mit ihrem Manifest überein.</numerusform>
            <numerusform>%n weitere Dateien der Sicherung stimmen nicht mit ihrem Manifest überein.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more files of the backup can&apos;t be restored.</source>
        <translation>
            <numerusform>%n weitere Datei der Sicherung lässt sich nicht wiederherstellen.</numerusform>
            <numerusform>%n weitere Dateien der Sicherung lassen sich nicht wiederherstellen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BackupTexts</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1 lists the first names; %n counts the names left out.</extracomment>
        <translation>
            <numerusform>%1 und %n weitere</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>the calculator</source>
        <translation>den Taschenrechner</translation>
    </message>
    <message>
        <source>Nothing was backed up from %1</source>
        <translation>Von %1 wurde nichts gesichert</translation>
    </message>
    <message>
        <source>The backup of %1 is not complete; %2 is marked so</source>
        <extracomment>%2 is the backup&apos;s folder, whose manifest says it is incomplete.</extracomment>
        <translation>Die Sicherung von %1 ist unvollständig; %2 ist entsprechend markiert</translation>
    </message>
    <message numerus="yes">
        <source>Backed up %n files of %1 to %2</source>
        <extracomment>%1 is the calculator&apos;s name, %2 the backup&apos;s folder.</extracomment>
        <translation>
            <numerusform>%n Datei von %1 nach %2 gesichert</numerusform>
            <numerusform>%n Dateien von %1 nach %2 gesichert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n files can&apos;t be restored from it</source>
        <extracomment>Follows &quot;Backed up 3 files of Vori X1 to …&quot;: files the backup holds that a restore can&apos;t send back (too large, a name not allowed).</extracomment>
        <translation>
            <numerusform>; %n Datei lässt sich daraus nicht wiederherstellen</numerusform>
            <numerusform>; %n Dateien lassen sich daraus nicht wiederherstellen</numerusform>
        </translation>
    </message>
    <message>
        <source>a calculator</source>
        <extracomment>Stands for the device name of a backup whose manifest gives none.</extracomment>
        <translation>einem Taschenrechner</translation>
    </message>
    <message>
        <source>Restore to %1 the backup of %2 made on %3 at %4?</source>
        <translation>Die Sicherung von %2 vom %3 um %4 auf %1 wiederherstellen?</translation>
    </message>
    <message>
        <source>Restore to %1 the backup of %2?</source>
        <translation>Die Sicherung von %2 auf %1 wiederherstellen?</translation>
    </message>
    <message numerus="yes">
        <source>%n files will be added: %1.</source>
        <extracomment>%1 lists the calculator&apos;s file names.</extracomment>
        <translation>
            <numerusform>%n Datei wird hinzugefügt: %1.</numerusform>
            <numerusform>%n Dateien werden hinzugefügt: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files will be replaced: %1.</source>
        <extracomment>%1 lists the calculator&apos;s file names.</extracomment>
        <translation>
            <numerusform>%n Datei wird ersetzt: %1.</numerusform>
            <numerusform>%n Dateien werden ersetzt: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The backup holds no file to restore.</source>
        <translation>Die Sicherung enthält keine Datei zum Wiederherstellen.</translation>
    </message>
    <message>
        <source>Nothing is deleted, on the calculator or on this computer.</source>
        <translation>Es wird nichts gelöscht, weder auf dem Taschenrechner noch auf diesem Computer.</translation>
    </message>
    <message numerus="yes">
        <source>%n files of the backup can&apos;t be restored: %1.</source>
        <extracomment>%1 lists the files with the reason for each.</extracomment>
        <translation>
            <numerusform>%n Datei der Sicherung lässt sich nicht wiederherstellen: %1.</numerusform>
            <numerusform>%n Dateien der Sicherung lassen sich nicht wiederherstellen: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was restored to %1</source>
        <translation>Auf %1 wurde nichts wiederhergestellt</translation>
    </message>
    <message>
        <source>The backup held nothing to restore to %1</source>
        <translation>Die Sicherung enthielt nichts, was sich auf %1 wiederherstellen ließ</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n files to %1 and checked them</source>
        <extracomment>Checked: the calculator&apos;s listing shows every file with its size.</extracomment>
        <translation>
            <numerusform>%n Datei auf %1 wiederhergestellt und geprüft</numerusform>
            <numerusform>%n Dateien auf %1 wiederhergestellt und geprüft</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %n files to %1, but the calculator does not list them all as sent</source>
        <translation>
            <numerusform>%n Datei auf %1 wiederhergestellt, aber der Taschenrechner führt sie nicht als gesendet auf</numerusform>
            <numerusform>%n Dateien auf %1 wiederhergestellt, aber der Taschenrechner führt nicht alle als gesendet auf</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %1 of %n files to %2</source>
        <extracomment>%1 files of %n were sent; %2 is the calculator&apos;s name.</extracomment>
        <translation>
            <numerusform>%1 von %n Datei auf %2 wiederhergestellt</numerusform>
            <numerusform>%1 von %n Dateien auf %2 wiederhergestellt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n files of the backup can&apos;t be restored</source>
        <translation>
            <numerusform>; %n Datei der Sicherung lässt sich nicht wiederherstellen</numerusform>
            <numerusform>; %n Dateien der Sicherung lassen sich nicht wiederherstellen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BackupWriter</name>
    <message>
        <source>No backup folder can be made in %1.</source>
        <translation>In %1 lässt sich kein Sicherungsordner anlegen.</translation>
    </message>
    <message>
        <source>Folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>This backup did not finish; it lacks files.</source>
        <translation>Diese Sicherung wurde nicht abgeschlossen; es fehlen Dateien.</translation>
    </message>
    <message>
        <source>the folder can&apos;t be written</source>
        <translation>in den Ordner lässt sich nicht schreiben</translation>
    </message>
    <message>
        <source>%1 is not in the backup: %2.</source>
        <translation>%1 ist nicht in der Sicherung: %2.</translation>
    </message>
    <message>
        <source>%1 is in the backup, but restore can&apos;t send it back: %2.</source>
        <translation>%1 ist in der Sicherung, lässt sich aber nicht zurückspielen: %2.</translation>
    </message>
    <message>
        <source>the calculator&apos;s file list could not be read</source>
        <translation>die Dateiliste des Taschenrechners ließ sich nicht lesen</translation>
    </message>
    <message>
        <source>%1 could not be copied: %2</source>
        <translation>%1 ließ sich nicht kopieren: %2</translation>
    </message>
    <message>
        <source>%1 arrived with %2 bytes; the calculator listed %3</source>
        <translation>%1 kam mit %2 Byte an, der Taschenrechner nannte %3</translation>
    </message>
    <message>
        <source>%1 can&apos;t be written: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>This backup is not complete: %1.</source>
        <translation>Diese Sicherung ist unvollständig: %1.</translation>
    </message>
    <message>
        <source>The backup in %1 is not complete: %2.</source>
        <translation>Die Sicherung in %1 ist unvollständig: %2.</translation>
    </message>
    <message>
        <source>it was cancelled</source>
        <translation>sie wurde abgebrochen</translation>
    </message>
    <message>
        <source>The folder %1 is no longer the one chosen for backups: it was replaced, or belongs to someone else now. Nothing was written into it; choose the folder for backups again.</source>
        <translation>Der Ordner %1 ist nicht mehr der für Sicherungen gewählte: Er wurde ersetzt oder gehört jetzt jemand anderem. Es wurde nichts hineingeschrieben; wählen Sie den Ordner für Sicherungen erneut.</translation>
    </message>
    <message>
        <source>The backup folder %1 was moved or replaced while the backup was written, so the backup is not in it.</source>
        <translation>Der Sicherungsordner %1 wurde verschoben oder ersetzt, während die Sicherung geschrieben wurde; die Sicherung ist also nicht darin.</translation>
    </message>
</context>
<context>
    <name>BatchPlanner</name>
    <message>
        <source>File %1 does not exist.</source>
        <translation>Die Datei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>File %1 is zero-length and can&apos;t be sent.</source>
        <translation>Die Datei %1 ist leer (0 Byte) und kann nicht gesendet werden.</translation>
    </message>
    <message>
        <source>File %1 has no name the calculator can keep.</source>
        <translation>Für die Datei %1 gibt es keinen Namen, den der Taschenrechner speichern kann.</translation>
    </message>
    <message>
        <source>%1 and %2 would both be %3 on the calculator.</source>
        <translation>%1 und %2 hießen auf dem Taschenrechner beide %3.</translation>
    </message>
    <message>
        <source>File %1 is not on the calculator.</source>
        <translation>Die Datei %1 ist nicht auf dem Taschenrechner.</translation>
    </message>
    <message>
        <source>%1 is neither a file on the calculator nor a valid pattern.</source>
        <translation>%1 ist weder eine Datei auf dem Taschenrechner noch ein gültiges Muster.</translation>
    </message>
    <message>
        <source>No file on the calculator matches %1.</source>
        <translation>Keine Datei auf dem Taschenrechner passt zu %1.</translation>
    </message>
</context>
<context>
    <name>BatchRunner</name>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 ist schon vorhanden. Ersetzen?</translation>
    </message>
    <message>
        <source>%1 is already on the calculator. Replace it with %2?</source>
        <translation>%1 ist schon auf dem Taschenrechner. Durch %2 ersetzen?</translation>
    </message>
    <message>
        <source>Already in %1: %2. Nothing was copied; choose what to do with --on-conflict=replace or --on-conflict=skip.</source>
        <translation>Schon in %1 vorhanden: %2. Es wurde nichts kopiert; wählen Sie mit --on-conflict=replace oder --on-conflict=skip, was geschehen soll.</translation>
    </message>
    <message>
        <source>Already on the calculator: %1. Nothing was sent; choose what to do with --on-conflict=replace or --on-conflict=skip.</source>
        <translation>Schon auf dem Taschenrechner: %1. Es wurde nichts gesendet; wählen Sie mit --on-conflict=replace oder --on-conflict=skip, was geschehen soll.</translation>
    </message>
    <message>
        <source>the calculator at %1 may hold part of %2</source>
        <extracomment>One of the things left part-way, in &quot;Interrupted; %1.&quot;.</extracomment>
        <translation>der Taschenrechner an %1 enthält womöglich einen Teil von %2</translation>
    </message>
    <message>
        <source>Folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Folder %1 can&apos;t be made.</source>
        <translation>Der Ordner %1 lässt sich nicht anlegen.</translation>
    </message>
    <message>
        <source>Skipped %1: the file exists.</source>
        <translation>%1 übersprungen: Die Datei ist schon vorhanden.</translation>
    </message>
    <message>
        <source>copied %1, skipped %2 into %3</source>
        <translation>%1 kopiert, %2 übersprungen, nach %3</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Skipped %1: %2 is already on the calculator.</source>
        <translation>%1 übersprungen: %2 ist schon auf dem Taschenrechner.</translation>
    </message>
    <message>
        <source>File %1 was not sent.</source>
        <translation>Die Datei %1 wurde nicht gesendet.</translation>
    </message>
    <message>
        <source>sent %1, skipped %2</source>
        <translation>%1 gesendet, %2 übersprungen</translation>
    </message>
    <message>
        <source>File %1 was not deleted.</source>
        <translation>Die Datei %1 wurde nicht gelöscht.</translation>
    </message>
    <message numerus="yes">
        <source>deleted %n files</source>
        <translation>
            <numerusform>%n Datei gelöscht</numerusform>
            <numerusform>%n Dateien gelöscht</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped %1: it is already on the calculator.</source>
        <translation>%1 übersprungen: Sie ist schon auf dem Taschenrechner.</translation>
    </message>
    <message>
        <source>restored %1, skipped %2 from %3</source>
        <translation>%1 wiederhergestellt, %2 übersprungen, aus %3</translation>
    </message>
    <message>
        <source>The folder %1 was moved or replaced while files were copied into it, so they are not in it.</source>
        <translation>Der Ordner %1 wurde verschoben oder ersetzt, während Dateien hineinkopiert wurden; sie sind also nicht darin.</translation>
    </message>
    <message>
        <source>This backup is of %1, not of %2: its files are restored to %2.</source>
        <translation>Diese Sicherung stammt von %1, nicht von %2: Ihre Dateien werden auf %2 wiederhergestellt.</translation>
    </message>
</context>
<context>
    <name>CVivuRuza</name>
    <message>
        <source>Unknown error.</source>
        <translation>Unbekannter Fehler.</translation>
    </message>
    <message>
        <source>File doesn’t exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>Connection error (error code: 423).</source>
        <translation>Verbindungsfehler (Fehlercode: 423).</translation>
    </message>
    <message>
        <source>Memory error.</source>
        <translation>Speicherfehler.</translation>
    </message>
    <message>
        <source>Write error.</source>
        <translation>Schreibfehler.</translation>
    </message>
    <message>
        <source>Wrong data size.</source>
        <translation>Falsche Datengröße.</translation>
    </message>
    <message>
        <source>Wrong frame number.</source>
        <translation>Falsche Blocknummer.</translation>
    </message>
    <message>
        <source>The calculator sent an unexpected reply (%1).</source>
        <extracomment>%1 is what was asked, such as &quot;file list&quot;.</extracomment>
        <translation>Der Taschenrechner hat unerwartet geantwortet (%1).</translation>
    </message>
    <message>
        <source>device information</source>
        <extracomment>What was asked, in &quot;The calculator sent a malformed reply (%1).&quot;</extracomment>
        <translation>Geräteinformationen</translation>
    </message>
    <message>
        <source>number of files</source>
        <extracomment>What was asked, in &quot;The calculator sent a malformed reply (%1).&quot;</extracomment>
        <translation>Anzahl der Dateien</translation>
    </message>
    <message>
        <source>The calculator reported %1 files, which no calculator holds; its file list was not read.</source>
        <translation>Der Taschenrechner meldet %1 Dateien – so viele hat kein Taschenrechner; seine Dateiliste wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>file list</source>
        <extracomment>What was asked, in &quot;The calculator sent a malformed reply (%1).&quot;</extracomment>
        <translation>Dateiliste</translation>
    </message>
    <message>
        <source>The calculator sent a malformed entry (%1 of %2) in its file list; that file is left out.</source>
        <translation>Der Taschenrechner hat einen fehlerhaften Eintrag (%1 von %2) in seiner Dateiliste gesendet; diese Datei wird ausgelassen.</translation>
    </message>
    <message>
        <source>content of %1</source>
        <extracomment>What was asked, in &quot;The calculator sent a malformed reply (%1).&quot;; %1 is a file name.</extracomment>
        <translation>Inhalt von %1</translation>
    </message>
    <message>
        <source>The calculator&apos;s file name &quot;%1&quot; is not a safe file name; the file was not copied.</source>
        <translation>Der Dateiname „%1“ vom Taschenrechner ist kein sicherer Dateiname; die Datei wurde nicht kopiert.</translation>
    </message>
    <message>
        <source>File %1 can&apos;t be written to %2.</source>
        <translation>Die Datei %1 lässt sich nicht in %2 speichern.</translation>
    </message>
    <message>
        <source>File can&apos;t be sent.</source>
        <translation>Die Datei kann nicht gesendet werden.</translation>
    </message>
    <message>
        <source>File %1 can&apos;t be sent: this calculator announces chunks larger than one message can carry.</source>
        <translation>Die Datei %1 kann nicht gesendet werden: Dieser Taschenrechner verlangt größere Blöcke, als eine Nachricht fassen kann.</translation>
    </message>
    <message>
        <source>sending %1</source>
        <extracomment>What was asked, in &quot;The calculator sent a malformed reply (%1).&quot;; %1 is a file name.</extracomment>
        <translation>Senden von %1</translation>
    </message>
    <message>
        <source>deleting %1</source>
        <extracomment>What was asked; %1 is a file name.</extracomment>
        <translation>Löschen von %1</translation>
    </message>
    <message>
        <source>renaming</source>
        <extracomment>What was asked, in &quot;The calculator sent a malformed reply (%1).&quot;</extracomment>
        <translation>Umbenennen</translation>
    </message>
</context>
<context>
    <name>CVivuRuzaSession</name>
    <message>
        <source>the calculator</source>
        <extracomment>Stands for a calculator without a name, in &quot;Sent 2 files to %1&quot;.</extracomment>
        <translation>den Taschenrechner</translation>
    </message>
</context>
<context>
    <name>CVoriWorker</name>
    <message>
        <source>The calculator at %1 answered, but its file list could not be read. %2</source>
        <translation>Der Taschenrechner an %1 hat geantwortet, aber seine Dateiliste ließ sich nicht lesen. %2</translation>
    </message>
    <message>
        <source>the calculator at %1</source>
        <translation>dem Taschenrechner an %1</translation>
    </message>
    <message numerus="yes">
        <source>%n files on %1 could not be read and are not shown.</source>
        <extracomment>%1 is a calculator&apos;s name.</extracomment>
        <translation>
            <numerusform>%n Datei auf %1 ließ sich nicht lesen und wird nicht angezeigt.</numerusform>
            <numerusform>%n Dateien auf %1 ließen sich nicht lesen und werden nicht angezeigt.</numerusform>
        </translation>
    </message>
    <message>
        <source>The calculator did not accept the name &quot;%1&quot;.</source>
        <translation>Der Taschenrechner hat den Namen „%1“ nicht angenommen.</translation>
    </message>
</context>
<context>
    <name>CalcRunner</name>
    <message>
        <source>name: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>chunk size: %1</source>
        <translation>Blockgröße: %1</translation>
    </message>
    <message>
        <source>hardware: %1</source>
        <translation>Hardware: %1</translation>
    </message>
    <message>
        <source>firmware: %1</source>
        <translation>Firmware: %1</translation>
    </message>
    <message>
        <source>protocol version: %1</source>
        <translation>Protokollversion: %1</translation>
    </message>
    <message>
        <source>chunk %1, %2 %3 %4</source>
        <extracomment>%1 is the chunk size; %2, %3 and %4 the hardware, firmware and protocol versions.</extracomment>
        <translation>Block %1, %2 %3 %4</translation>
    </message>
    <message>
        <source>The calculator&apos;s file list could not be read.</source>
        <translation>Die Dateiliste des Taschenrechners ließ sich nicht lesen.</translation>
    </message>
    <message>
        <source>The calculator refused the name %1.</source>
        <translation>Der Taschenrechner hat den Namen %1 abgelehnt.</translation>
    </message>
    <message>
        <source>renamed to %1</source>
        <translation>umbenannt in %1</translation>
    </message>
    <message>
        <source>the backup in %1 is marked incomplete</source>
        <extracomment>One of the things left part-way, in &quot;Interrupted; %1.&quot;.</extracomment>
        <translation>die Sicherung in %1 ist als unvollständig markiert</translation>
    </message>
    <message numerus="yes">
        <source>%n files in %1</source>
        <translation>
            <numerusform>%n Datei in %1</numerusform>
            <numerusform>%n Dateien in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The name %1 has %2 characters, more than a device name can have; the calculator keeps its name.</source>
        <extracomment>%1 is the name a station&apos;s --name gave this calculator.</extracomment>
        <translation>Der Name %1 hat %2 Zeichen, mehr als ein Gerätename haben kann; der Taschenrechner behält seinen Namen.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1 lists the first names; %n counts the names left out.</extracomment>
        <translation>
            <numerusform>%1 und %n weitere</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were not collected: %1.</source>
        <extracomment>%1 lists the files.</extracomment>
        <translation>
            <numerusform>%n Datei wurde nicht eingesammelt: %1.</numerusform>
            <numerusform>%n Dateien wurden nicht eingesammelt: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were collected but not deleted on the calculator: %1.</source>
        <extracomment>%1 lists the files, which are in the folder and still on the calculator.</extracomment>
        <translation>
            <numerusform>%n Datei wurde eingesammelt, aber auf dem Taschenrechner nicht gelöscht: %1.</numerusform>
            <numerusform>%n Dateien wurden eingesammelt, aber auf dem Taschenrechner nicht gelöscht: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>the collection in %1 lacks files; %2 says which</source>
        <extracomment>One of the things left part-way, in &quot;Interrupted; %1.&quot;.</extracomment>
        <translation>der Sammlung in %1 fehlen Dateien; %2 nennt sie</translation>
    </message>
    <message numerus="yes">
        <source>collected and cleared %n files into %1</source>
        <translation>
            <numerusform>%n Datei in %1 eingesammelt und vom Taschenrechner gelöscht</numerusform>
            <numerusform>%n Dateien in %1 eingesammelt und vom Taschenrechner gelöscht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>collected %n files into %1</source>
        <translation>
            <numerusform>%n Datei in %1 eingesammelt</numerusform>
            <numerusform>%n Dateien in %1 eingesammelt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalculatorPane</name>
    <message>
        <source>Choose %1</source>
        <translation>%1 auswählen</translation>
    </message>
    <message>
        <source>Calculators</source>
        <translation>Taschenrechner</translation>
    </message>
    <message>
        <source>Reading the calculator on %1…</source>
        <extracomment>%1 is the ports being read, separated by commas.</extracomment>
        <translation>Taschenrechner an %1 wird gelesen …</translation>
    </message>
    <message>
        <source>Connect a calculator with its USB cable. It shows up here within a few seconds.</source>
        <translation>Schließen Sie einen Taschenrechner mit seinem USB-Kabel an. Er erscheint hier nach wenigen Sekunden.</translation>
    </message>
    <message>
        <source>Nothing appears? Check that the calculator is switched on and shows its home screen, and that /dev/ttyACM0 (or a later number) exists. If you may not open it, /usr/share/doc/vuve-vudurod/troubleshooting.md tells how to get access.</source>
        <translation>Es erscheint nichts? Prüfen Sie, ob der Taschenrechner eingeschaltet ist und seinen Startbildschirm zeigt und ob /dev/ttyACM0 (oder eine höhere Nummer) existiert. Wenn Sie keinen Zugriff darauf haben, steht in /usr/share/doc/vuve-vudurod/troubleshooting.md, wie Sie ihn bekommen.</translation>
    </message>
    <message numerus="yes">
        <source>%n devices need attention:</source>
        <translation>
            <numerusform>%n Gerät braucht Aufmerksamkeit:</numerusform>
            <numerusform>%n Geräte brauchen Aufmerksamkeit:</numerusform>
        </translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Ausblenden</translation>
    </message>
</context>
<context>
    <name>ClassJobModel</name>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>sending %1 of %2: %3</source>
        <translation>sendet %1 von %2: %3</translation>
    </message>
    <message>
        <source>, %1 of %2</source>
        <translation>, %1 von %2</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message numerus="yes">
        <source>cancelled after %n files</source>
        <translation>
            <numerusform>nach %n Datei abgebrochen</numerusform>
            <numerusform>nach %n Dateien abgebrochen</numerusform>
        </translation>
    </message>
    <message>
        <source>done</source>
        <translation>fertig</translation>
    </message>
    <message numerus="yes">
        <source>%n files sent</source>
        <translation>
            <numerusform>%n Datei gesendet</numerusform>
            <numerusform>%n Dateien gesendet</numerusform>
        </translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 of %2 files sent</source>
        <translation>%1 von %2 Dateien gesendet</translation>
    </message>
    <message>
        <source>%1 of %2 calculators finished</source>
        <translation>%1 von %2 Taschenrechnern fertig</translation>
    </message>
    <message numerus="yes">
        <source>Sent %n files</source>
        <translation>
            <numerusform>%n Datei gesendet</numerusform>
            <numerusform>%n Dateien gesendet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> to %1 of %n calculators</source>
        <translation>
            <numerusform> – an %1 von %n Taschenrechner</numerusform>
            <numerusform> – an %1 von %n Taschenrechnern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n failed: %1</source>
        <translation>
            <numerusform>; %n fehlgeschlagen: %1</numerusform>
            <numerusform>; %n fehlgeschlagen: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n cancelled</source>
        <translation>
            <numerusform>; %n abgebrochen</numerusform>
            <numerusform>; %n abgebrochen</numerusform>
        </translation>
    </message>
    <message>
        <source>backing up %1 of %2: %3</source>
        <translation>sichert %1 von %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n files backed up</source>
        <translation>
            <numerusform>%n Datei gesichert</numerusform>
            <numerusform>%n Dateien gesichert</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 files backed up</source>
        <translation>%1 von %2 Dateien gesichert</translation>
    </message>
    <message numerus="yes">
        <source>Backed up %1 of %n calculators</source>
        <translation>
            <numerusform>%1 von %n Taschenrechner gesichert</numerusform>
            <numerusform>%1 von %n Taschenrechnern gesichert</numerusform>
        </translation>
    </message>
    <message>
        <source>The station is on: %1</source>
        <translation>Die Station ist eingeschaltet: %1</translation>
    </message>
    <message>
        <source>The station is off.</source>
        <translation>Die Station ist ausgeschaltet.</translation>
    </message>
    <message>
        <source>Plug in a calculator.</source>
        <translation>Schließen Sie einen Taschenrechner an.</translation>
    </message>
    <message numerus="yes">
        <source>%n calculators served</source>
        <translation>
            <numerusform>%n Taschenrechner bedient</numerusform>
            <numerusform>%n Taschenrechner bedient</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n in progress</source>
        <translation>
            <numerusform>, %n in Arbeit</numerusform>
            <numerusform>, %n in Arbeit</numerusform>
        </translation>
    </message>
    <message>
        <source>collecting %1 of %2: %3</source>
        <translation>sammelt %1 von %2 ein: %3</translation>
    </message>
    <message numerus="yes">
        <source>collected %n files</source>
        <translation>
            <numerusform>%n Datei eingesammelt</numerusform>
            <numerusform>%n Dateien eingesammelt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>collected and cleared %n files</source>
        <translation>
            <numerusform>%n Datei eingesammelt und gelöscht</numerusform>
            <numerusform>%n Dateien eingesammelt und gelöscht</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 files collected</source>
        <translation>%1 von %2 Dateien eingesammelt</translation>
    </message>
    <message numerus="yes">
        <source>Collected from %1 of %n calculators</source>
        <translation>
            <numerusform>Von %1 von %n Taschenrechner eingesammelt</numerusform>
            <numerusform>Von %1 von %n Taschenrechnern eingesammelt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Collected from and cleared %1 of %n calculators</source>
        <translation>
            <numerusform>%1 von %n Taschenrechner eingesammelt und geleert</numerusform>
            <numerusform>%1 von %n Taschenrechnern eingesammelt und geleert</numerusform>
        </translation>
    </message>
    <message>
        <source>comparing %1 of %2: %3</source>
        <translation>vergleicht %1 von %2: %3</translation>
    </message>
    <message>
        <source>compared</source>
        <translation>verglichen</translation>
    </message>
    <message numerus="yes">
        <source>Compared %1 of %n calculators with the folder</source>
        <translation>
            <numerusform>%1 von %n Taschenrechner mit dem Ordner verglichen</numerusform>
            <numerusform>%1 von %n Taschenrechnern mit dem Ordner verglichen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassJobs</name>
    <message numerus="yes">
        <source>Send to %n calculators</source>
        <translation>
            <numerusform>An %n Taschenrechner senden</numerusform>
            <numerusform>An %n Taschenrechner senden</numerusform>
        </translation>
    </message>
    <message>
        <source>send</source>
        <translation>senden</translation>
    </message>
    <message numerus="yes">
        <source>Back up %n calculators into %1</source>
        <translation>
            <numerusform>%n Taschenrechner in %1 sichern</numerusform>
            <numerusform>%n Taschenrechner in %1 sichern</numerusform>
        </translation>
    </message>
    <message>
        <source>back up</source>
        <translation>sichern</translation>
    </message>
    <message>
        <source>each calculator plugged in is sent 1 file, %1, which replaces one of its name.</source>
        <translation>jeder angeschlossene Taschenrechner erhält 1 Datei, %1, die eine gleichnamige ersetzt.</translation>
    </message>
    <message numerus="yes">
        <source>each calculator plugged in is sent %n files, %1, which replace those of their names.</source>
        <translation>
            <numerusform>jeder angeschlossene Taschenrechner erhält %n Datei, %1, die eine gleichnamige ersetzt.</numerusform>
            <numerusform>jeder angeschlossene Taschenrechner erhält %n Dateien, %1, die gleichnamige ersetzen.</numerusform>
        </translation>
    </message>
    <message>
        <source>These files are left out: %1</source>
        <extracomment>Follows what the station sends; %1 tells each pair of files left out.</extracomment>
        <translation>Diese Dateien werden weggelassen: %1</translation>
    </message>
    <message numerus="yes">
        <source>Station: send %n files</source>
        <translation>
            <numerusform>Station: %n Datei senden</numerusform>
            <numerusform>Station: %n Dateien senden</numerusform>
        </translation>
    </message>
    <message>
        <source>Station: back up</source>
        <translation>Station: sichern</translation>
    </message>
    <message>
        <source>each calculator plugged in is backed up into a folder of its own in %1.</source>
        <translation>jeder angeschlossene Taschenrechner wird in einen eigenen Ordner in %1 gesichert.</translation>
    </message>
    <message>
        <source>collected %1 of %2 files, cleared %3</source>
        <extracomment>A row of the class panel: everything was copied, not all deleted.</extracomment>
        <translation>%1 von %2 Dateien eingesammelt, %3 gelöscht</translation>
    </message>
    <message>
        <source>collected %1 of %2 files</source>
        <translation>%1 von %2 Dateien eingesammelt</translation>
    </message>
    <message>
        <source>collected %1 of %2 files; not collected: %3</source>
        <extracomment>%3 names the files that were not collected.</extracomment>
        <translation>%1 von %2 Dateien eingesammelt; nicht eingesammelt: %3</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Collect from and clear %n calculators into %1</source>
        <translation>
            <numerusform>%n Taschenrechner in %1 einsammeln und leeren</numerusform>
            <numerusform>%n Taschenrechner in %1 einsammeln und leeren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Collect from %n calculators into %1</source>
        <translation>
            <numerusform>Von %n Taschenrechner in %1 einsammeln</numerusform>
            <numerusform>Von %n Taschenrechnern in %1 einsammeln</numerusform>
        </translation>
    </message>
    <message>
        <source>collect and clear</source>
        <translation>einsammeln und leeren</translation>
    </message>
    <message>
        <source>collect</source>
        <translation>einsammeln</translation>
    </message>
    <message>
        <source>Station: collect and clear</source>
        <translation>Station: einsammeln und leeren</translation>
    </message>
    <message>
        <source>Station: collect</source>
        <translation>Station: einsammeln</translation>
    </message>
    <message>
        <source>each calculator plugged in has its files collected into a folder of its own in %1, then deleted on it once they are checked.</source>
        <translation>die Dateien jedes angeschlossenen Taschenrechners werden in einen eigenen Ordner in %1 eingesammelt und, sobald sie geprüft sind, auf ihm gelöscht.</translation>
    </message>
    <message>
        <source>each calculator plugged in has its files collected into a folder of its own in %1.</source>
        <translation>die Dateien jedes angeschlossenen Taschenrechners werden in einen eigenen Ordner in %1 eingesammelt.</translation>
    </message>
    <message>
        <source>up to date</source>
        <translation>auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>%1 to send, %2 to replace, %3 extra</source>
        <extracomment>A row of the class panel: what a calculator needs to match the folder.</extracomment>
        <translation>%1 zu senden, %2 zu ersetzen, %3 zusätzlich</translation>
    </message>
    <message numerus="yes">
        <source>Compare %n calculators with %1</source>
        <translation>
            <numerusform>%n Taschenrechner mit %1 vergleichen</numerusform>
            <numerusform>%n Taschenrechner mit %1 vergleichen</numerusform>
        </translation>
    </message>
    <message>
        <source>compare</source>
        <translation>vergleichen</translation>
    </message>
    <message numerus="yes">
        <source>Sync %n calculators with %1</source>
        <translation>
            <numerusform>%n Taschenrechner an %1 angleichen</numerusform>
            <numerusform>%n Taschenrechner an %1 angleichen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassPanel</name>
    <message>
        <source>Calculators of the job</source>
        <translation>Taschenrechner dieser Aufgabe</translation>
    </message>
    <message>
        <source>Retry the failed ones</source>
        <translation>Fehlgeschlagene wiederholen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel the job on every calculator</source>
        <translation>Aufgabe auf allen Taschenrechnern abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Switch the Station Off</source>
        <translation>Station ausschalten</translation>
    </message>
    <message>
        <source>Open the folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Open the folder the files were collected into</source>
        <translation>Den Ordner öffnen, in den die Dateien eingesammelt wurden</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Angleichen</translation>
    </message>
    <message>
        <source>Send each calculator the files it needs</source>
        <translation>Jedem Taschenrechner die Dateien senden, die ihm fehlen</translation>
    </message>
</context>
<context>
    <name>ClassRun</name>
    <message>
        <source>The calculator is no longer attached.</source>
        <translation>Der Taschenrechner ist nicht mehr angeschlossen.</translation>
    </message>
    <message>
        <source>The calculator was busy with another job; try again.</source>
        <translation>Der Taschenrechner war mit einer anderen Aufgabe beschäftigt; bitte erneut versuchen.</translation>
    </message>
</context>
<context>
    <name>ClassSendFlow</name>
    <message>
        <source>No calculator is connected</source>
        <translation>Kein Taschenrechner angeschlossen</translation>
    </message>
    <message>
        <source>No calculator is chosen</source>
        <translation>Kein Taschenrechner ausgewählt</translation>
    </message>
    <message>
        <source>These files are zero-length and will not be sent: %1</source>
        <translation>Diese Dateien sind leer (0 Byte) und werden nicht gesendet: %1</translation>
    </message>
    <message>
        <source>These names are too long for a calculator and change: %1</source>
        <translation>Diese Namen sind für einen Taschenrechner zu lang und werden geändert: %1</translation>
    </message>
    <message>
        <source>Some calculators already hold %1.
Replace them on every calculator, or skip them?</source>
        <translation>Auf einigen Taschenrechnern ist schon %1.
Auf allen Taschenrechnern ersetzen oder überspringen?</translation>
    </message>
    <message>
        <source>Send to several calculators</source>
        <translation>An mehrere Taschenrechner senden</translation>
    </message>
    <message>
        <source>Files already on calculators</source>
        <translation>Dateien schon auf Taschenrechnern</translation>
    </message>
    <message>
        <source>Replace all</source>
        <translation>Alle ersetzen</translation>
    </message>
    <message>
        <source>Skip all</source>
        <translation>Alle überspringen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please choose files for the calculators</source>
        <translation>Bitte Dateien für die Taschenrechner auswählen</translation>
    </message>
    <message>
        <source>Vori calc files (*.py *.bin)</source>
        <translation>Vori-Rechnerdateien (*.py *.bin)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>These files can&apos;t be sent to any calculator and are left out: %1</source>
        <translation>Diese Dateien kann kein Taschenrechner annehmen; sie werden weggelassen: %1</translation>
    </message>
    <message>
        <source>These files are left out: %1</source>
        <translation>Diese Dateien werden weggelassen: %1</translation>
    </message>
    <message>
        <source>Names on the calculator are upper case, so these change: %1</source>
        <translation>Namen auf dem Taschenrechner sind in Großbuchstaben, daher ändern sich diese: %1</translation>
    </message>
</context>
<context>
    <name>ClassSendPlan</name>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine normale Datei</translation>
    </message>
    <message>
        <source>can&apos;t be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>larger than 1 MiB</source>
        <translation>größer als 1 MiB</translation>
    </message>
    <message>
        <source>no name a calculator can keep</source>
        <translation>kein Name, den ein Taschenrechner behalten kann</translation>
    </message>
    <message>
        <source>%1 and %2 would both be %3 on the calculator.</source>
        <translation>%1 und %2 hießen auf dem Taschenrechner beide %3.</translation>
    </message>
</context>
<context>
    <name>CollectFlow</name>
    <message>
        <source>Clear all calculators</source>
        <translation>Alle Taschenrechner leeren</translation>
    </message>
    <message>
        <source>Collect from all calculators</source>
        <translation>Von allen Taschenrechnern einsammeln</translation>
    </message>
    <message>
        <source>Every file on each calculator is copied into a folder named after the calculator, in this folder, and read a second time to check the copy. A receipt, receipt.csv, lists each file and what became of it.</source>
        <translation>Jede Datei jedes Taschenrechners wird in einen nach dem Taschenrechner benannten Ordner in diesem Ordner kopiert und ein zweites Mal gelesen, um die Kopie zu prüfen. Ein Beleg, receipt.csv, führt jede Datei auf und was aus ihr wurde.</translation>
    </message>
    <message>
        <source>Nothing was collected: the folder can&apos;t be made, or a job over several calculators still runs</source>
        <translation>Nichts wurde eingesammelt: Der Ordner kann nicht angelegt werden, oder ein Auftrag für mehrere Taschenrechner läuft noch</translation>
    </message>
    <message>
        <source>Change Folder…</source>
        <translation>Ordner ändern …</translation>
    </message>
    <message>
        <source>Delete the files on the calculators once they are collected</source>
        <translation>Die Dateien auf den Taschenrechnern löschen, sobald sie eingesammelt sind</translation>
    </message>
    <message>
        <source>Each calculator&apos;s files are deleted on it once all of them have been copied: only a file whose copy was written whole and read the same twice is deleted. A file that could not be copied or checked stays on the calculator, and nothing is deleted on a calculator whose copies could not be written.</source>
        <translation>Die Dateien eines Taschenrechners werden auf ihm gelöscht, sobald alle kopiert sind: Gelöscht wird nur eine Datei, deren Kopie vollständig geschrieben und zweimal gleich gelesen wurde. Eine Datei, die nicht kopiert oder geprüft werden konnte, bleibt auf dem Taschenrechner, und auf einem Taschenrechner, dessen Kopien nicht geschrieben werden konnten, wird nichts gelöscht.</translation>
    </message>
    <message>
        <source>Collect and Clear</source>
        <translation>Einsammeln und leeren</translation>
    </message>
    <message>
        <source>Collect</source>
        <translation>Einsammeln</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Choose the folder for collected work</source>
        <translation>Ordner für eingesammelte Arbeiten wählen</translation>
    </message>
</context>
<context>
    <name>CollectWriter</name>
    <message>
        <source>not collected: %1</source>
        <translation>nicht eingesammelt: %1</translation>
    </message>
    <message>
        <source>Folder %1 can&apos;t be opened: %2</source>
        <translation>Der Ordner %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The calculator&apos;s file list could not be read.</source>
        <translation>Die Dateiliste des Taschenrechners konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No folder can be made in %1: %2</source>
        <translation>In %1 kann kein Ordner angelegt werden: %2</translation>
    </message>
    <message>
        <source>The folder %1 was moved or replaced while files were collected into it, so they are not in it.</source>
        <translation>Der Ordner %1 wurde verschoben oder ersetzt, während Dateien in ihn eingesammelt wurden; sie sind daher nicht darin.</translation>
    </message>
    <message>
        <source>its name can&apos;t be a file name on the computer</source>
        <translation>ihr Name kann auf dem Computer kein Dateiname sein</translation>
    </message>
    <message>
        <source>%1 is not collected: %2.</source>
        <translation>%1 wird nicht eingesammelt: %2.</translation>
    </message>
    <message>
        <source>the calculator lists this name twice, and a folder holds one file per name, whatever its case</source>
        <translation>der Taschenrechner führt diesen Namen zweimal auf, und ein Ordner hält eine Datei je Name, unabhängig von Groß- und Kleinschreibung</translation>
    </message>
    <message>
        <source>it arrived with %1 bytes; the calculator listed %2</source>
        <translation>sie kam mit %1 Bytes an; der Taschenrechner nannte %2</translation>
    </message>
    <message>
        <source>the two readings of it differ, so neither can be trusted</source>
        <translation>ihre beiden Lesungen unterscheiden sich, daher ist keiner zu trauen</translation>
    </message>
    <message>
        <source>%1 can&apos;t be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it can&apos;t be written: %1</source>
        <translation>sie kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>collected, not deleted: %1</source>
        <translation>eingesammelt, nicht gelöscht: %1</translation>
    </message>
    <message>
        <source>%1 is collected but not deleted on the calculator: %2.</source>
        <translation>%1 ist eingesammelt, aber auf dem Taschenrechner nicht gelöscht: %2.</translation>
    </message>
    <message>
        <source>The receipt %1 can&apos;t be written: %2</source>
        <translation>Der Beleg %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>CompareView</name>
    <message>
        <source>Files compared</source>
        <translation>Verglichene Dateien</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Also delete the files that are only on the calculator</source>
        <translation>Auch die Dateien löschen, die nur auf dem Taschenrechner sind</translation>
    </message>
    <message>
        <source>Make the calculator match the folder</source>
        <translation>Taschenrechner an den Ordner angleichen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Delete files on the calculator?</source>
        <translation>Dateien auf dem Taschenrechner löschen?</translation>
    </message>
    <message>
        <source>These files are only on the calculator and will be deleted: %1</source>
        <translation>Diese Dateien sind nur auf dem Taschenrechner und werden gelöscht: %1</translation>
    </message>
    <message>
        <source>Delete and Match</source>
        <translation>Löschen und angleichen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Choose the folder to compare the calculator with</source>
        <translation>Ordner wählen, mit dem der Taschenrechner verglichen wird</translation>
    </message>
    <message>
        <source>The calculator is busy; compare again once its job has ended</source>
        <translation>Der Taschenrechner ist beschäftigt; vergleichen Sie erneut, wenn sein Auftrag beendet ist</translation>
    </message>
</context>
<context>
    <name>ConflictAsker</name>
    <message>
        <source>[y]es/[n]o/[a]ll/none?</source>
        <extracomment>Keep the letters in brackets the first ones of the answers below.</extracomment>
        <translation>[j]a/[n]ein/[a]lle/keine?</translation>
    </message>
    <message>
        <source>y</source>
        <extracomment>The short answer yes, as the prompt shows it in brackets.</extracomment>
        <translation>j</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>n</source>
        <extracomment>The short answer no, as the prompt shows it in brackets.</extracomment>
        <translation>n</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>a</source>
        <extracomment>The short answer all, as the prompt shows it in brackets.</extracomment>
        <translation>a</translation>
    </message>
    <message>
        <source>all</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
</context>
<context>
    <name>CopyFolder</name>
    <message>
        <source>%1 cannot be made</source>
        <translation>%1 lässt sich nicht anlegen</translation>
    </message>
</context>
<context>
    <name>DeleteFlow</name>
    <message>
        <source>Do you want to delete next files:%1?</source>
        <extracomment>%1 is the selected files&apos; names, each on a line of its own.</extracomment>
        <translation>Möchten Sie diese Dateien löschen?%1</translation>
    </message>
</context>
<context>
    <name>DemoCalculators</name>
    <message>
        <source>Could not open a pseudo-terminal for the simulated calculator %1.</source>
        <translation>Für den simulierten Taschenrechner %1 ließ sich kein Pseudo-Terminal öffnen.</translation>
    </message>
    <message>
        <source>%1 (simulated) on %2</source>
        <translation>%1 (simuliert) an %2</translation>
    </message>
    <message>
        <source>device on %1</source>
        <translation>Gerät an %1</translation>
    </message>
</context>
<context>
    <name>DownloadFlow</name>
    <message>
        <source>File %1 already exists on your PC.
Do you want to replace it?</source>
        <translation>Die Datei %1 ist schon auf Ihrem PC.
Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>Please choose a folder to save files</source>
        <translation>Bitte einen Ordner zum Speichern der Dateien auswählen</translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>ErrorMeaning</name>
    <message>
        <source>send again</source>
        <extracomment>Ends advice such as &quot;restart it and %1&quot;.</extracomment>
        <translation>senden Sie erneut</translation>
    </message>
    <message>
        <source>copy again</source>
        <extracomment>Ends advice such as &quot;restart it and %1&quot;.</extracomment>
        <translation>kopieren Sie erneut</translation>
    </message>
    <message>
        <source>delete again</source>
        <extracomment>Ends advice such as &quot;restart it and %1&quot;.</extracomment>
        <translation>löschen Sie erneut</translation>
    </message>
    <message>
        <source>try again</source>
        <extracomment>Ends advice such as &quot;restart it and %1&quot;.</extracomment>
        <translation>versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>the calculator lost the file while storing it; send again</source>
        <translation>der Taschenrechner hat die Datei beim Speichern verloren; senden Sie erneut</translation>
    </message>
    <message>
        <source>the file is not on the calculator; plug it in again to see the files it holds now</source>
        <translation>die Datei ist nicht auf dem Taschenrechner; schließen Sie ihn neu an, um seine aktuellen Dateien zu sehen</translation>
    </message>
    <message>
        <source>the calculator reported a connection problem; unplug it, plug it in and %1</source>
        <translation>der Taschenrechner meldet ein Verbindungsproblem; ziehen Sie ihn ab, schließen Sie ihn wieder an und %1</translation>
    </message>
    <message>
        <source>the calculator&apos;s memory is full; delete files on it and send again</source>
        <translation>der Speicher des Taschenrechners ist voll; löschen Sie Dateien darauf und senden Sie erneut</translation>
    </message>
    <message>
        <source>the calculator ran out of memory; restart it and %1</source>
        <translation>dem Taschenrechner ist der Speicher ausgegangen; starten Sie ihn neu und %1</translation>
    </message>
    <message>
        <source>the calculator could not store the file; delete files on it or restart it, then send again</source>
        <translation>der Taschenrechner konnte die Datei nicht speichern; löschen Sie Dateien darauf oder starten Sie ihn neu, dann senden Sie erneut</translation>
    </message>
    <message>
        <source>the calculator could not read the file; restart it and copy again</source>
        <translation>der Taschenrechner konnte die Datei nicht lesen; starten Sie ihn neu und kopieren Sie erneut</translation>
    </message>
    <message>
        <source>the calculator could not remove the file; restart it and delete again</source>
        <translation>der Taschenrechner konnte die Datei nicht entfernen; starten Sie ihn neu und löschen Sie erneut</translation>
    </message>
    <message>
        <source>the calculator could not write; restart it and try again</source>
        <translation>der Taschenrechner konnte nicht schreiben; starten Sie ihn neu und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>the calculator did not take the file&apos;s size; check the file and send again</source>
        <translation>der Taschenrechner hat die Dateigröße nicht angenommen; prüfen Sie die Datei und senden Sie erneut</translation>
    </message>
    <message>
        <source>the calculator&apos;s data did not match its sizes; %1</source>
        <translation>die Daten des Taschenrechners passten nicht zu ihren Größen; %1</translation>
    </message>
    <message>
        <source>parts of the file came out of order; %1</source>
        <translation>Teile der Datei kamen in falscher Reihenfolge an; %1</translation>
    </message>
    <message>
        <source>the calculator refused; open its home screen and %1</source>
        <translation>der Taschenrechner hat abgelehnt; öffnen Sie seinen Startbildschirm und %1</translation>
    </message>
    <message>
        <source>the calculator does not answer; %1</source>
        <extracomment>%1 is the advice &quot;switch it on, open its home screen and plug it in again&quot;.</extracomment>
        <translation>der Taschenrechner antwortet nicht; %1</translation>
    </message>
    <message>
        <source>the calculator&apos;s port closed; plug it in again</source>
        <translation>der Port des Taschenrechners wurde geschlossen; schließen Sie ihn neu an</translation>
    </message>
    <message>
        <source>switch it on, open its home screen and plug it in again</source>
        <translation>schalten Sie ihn ein, öffnen Sie seinen Startbildschirm und schließen Sie ihn neu an</translation>
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
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n bytes</source>
        <extracomment>The name and size of a file in the table, for a screen reader.</extracomment>
        <translation>
            <numerusform>%1, %n Byte</numerusform>
            <numerusform>%1, %n Byte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FolderCompare</name>
    <message>
        <source>Folder %1 can&apos;t be read.</source>
        <translation>Der Ordner %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 is left out: it is not a regular file.</source>
        <translation>%1 wird ausgelassen: keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>%1 is left out: it can&apos;t be read.</source>
        <translation>%1 wird ausgelassen: die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 and %2 would both be %3 on the calculator.</source>
        <translation>%1 und %2 hießen auf dem Taschenrechner beide %3.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>FolderCompareModel</name>
    <message>
        <source>same</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>different</source>
        <translation>verschieden</translation>
    </message>
    <message>
        <source>only in the folder</source>
        <translation>nur im Ordner</translation>
    </message>
    <message>
        <source>only on the calculator</source>
        <translation>nur auf dem Taschenrechner</translation>
    </message>
    <message>
        <source>comparing contents…</source>
        <translation>Inhalte werden verglichen …</translation>
    </message>
    <message>
        <source>not compared</source>
        <translation>nicht verglichen</translation>
    </message>
    <message>
        <source>not compared: %1</source>
        <translation>nicht verglichen: %1</translation>
    </message>
    <message>
        <source>Reading the calculator and the folder…</source>
        <translation>Taschenrechner und Ordner werden gelesen …</translation>
    </message>
    <message>
        <source>The calculator holds the folder&apos;s files.</source>
        <translation>Der Taschenrechner enthält die Dateien des Ordners.</translation>
    </message>
    <message>
        <source>%1 to send, %2 to replace, %3 only on the calculator, %4 the same.</source>
        <extracomment>Counts of the compare of a calculator with a folder.</extracomment>
        <translation>%1 zu senden, %2 zu ersetzen, %3 nur auf dem Taschenrechner, %4 gleich.</translation>
    </message>
    <message numerus="yes">
        <source>%n still being compared.</source>
        <translation>
            <numerusform>%n wird noch verglichen.</numerusform>
            <numerusform>%n werden noch verglichen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be compared.</source>
        <translation>
            <numerusform>%n konnte nicht verglichen werden.</numerusform>
            <numerusform>%n konnten nicht verglichen werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 compared with %2</source>
        <translation>%1 verglichen mit %2</translation>
    </message>
</context>
<context>
    <name>FrameCodec</name>
    <message>
        <source>Connection error (error code: 421).</source>
        <translation>Verbindungsfehler (Fehlercode: 421).</translation>
    </message>
    <message>
        <source>Connection error (error code: 422).</source>
        <translation>Verbindungsfehler (Fehlercode: 422).</translation>
    </message>
    <message>
        <source>The calculator took too long to answer; the command was stopped.</source>
        <translation>Der Taschenrechner hat zu lange für die Antwort gebraucht; der Befehl wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The command was stopped.</source>
        <translation>Der Befehl wurde abgebrochen.</translation>
    </message>
</context>
<context>
    <name>JobThreads</name>
    <message>
        <source>The calculator at %1 was left out: the system would not start another thread.</source>
        <translation>Der Taschenrechner an %1 wurde ausgelassen: Das System hat keinen weiteren Thread gestartet.</translation>
    </message>
</context>
<context>
    <name>MessageExchange</name>
    <message>
        <source>The calculator sent a malformed reply (%1).</source>
        <extracomment>%1 is what was asked, such as &quot;file list&quot;.</extracomment>
        <translation>Der Taschenrechner hat eine fehlerhafte Antwort gesendet (%1).</translation>
    </message>
</context>
<context>
    <name>PortChooser</name>
    <message>
        <source>No calculator is connected. Plug one in, or name its port with --port PATH (for the simulator, the path vuve-calcsim prints, such as /dev/pts/3).</source>
        <translation>Kein Taschenrechner angeschlossen. Schließen Sie einen an oder nennen Sie seinen Port mit --port PATH (beim Simulator den Pfad, den vuve-calcsim ausgibt, etwa /dev/pts/3).</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>A calculator&apos;s name and its port.</extracomment>
        <translation>%1 an %2</translation>
    </message>
    <message>
        <source>No calculator named %1 is connected.</source>
        <translation>Kein Taschenrechner namens %1 ist angeschlossen.</translation>
    </message>
    <message>
        <source>No calculator named %1 is connected (there are %2).</source>
        <extracomment>%2 lists the calculators that are connected, with their ports.</extracomment>
        <translation>Kein Taschenrechner namens %1 ist angeschlossen (angeschlossen sind: %2).</translation>
    </message>
    <message numerus="yes">
        <source>%n calculators are named %1, on %2; choose one with --port, or all of them with --every.</source>
        <extracomment>%1 is a calculator&apos;s name, %2 their ports.</extracomment>
        <translation>
            <numerusform>%n Taschenrechner heißt %1, an %2; wählen Sie einen mit --port oder alle mit --every.</numerusform>
            <numerusform>%n Taschenrechner heißen %1, an %2; wählen Sie einen mit --port oder alle mit --every.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n calculators are connected, on %1; choose one with --calc NAME or --port PATH, or all of them with --every.</source>
        <extracomment>%1 lists their ports.</extracomment>
        <translation>
            <numerusform>%n Taschenrechner ist angeschlossen, an %1; wählen Sie einen mit --calc NAME oder --port PATH oder alle mit --every.</numerusform>
            <numerusform>%n Taschenrechner sind angeschlossen, an %1; wählen Sie einen mit --calc NAME oder --port PATH oder alle mit --every.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PortProblem</name>
    <message>
        <source>%1, process %2</source>
        <extracomment>A program holding a port: its name and process number.</extracomment>
        <translation>%1, Prozess %2</translation>
    </message>
    <message>
        <source>The port %1 does not exist (any more); the calculator may have been unplugged.</source>
        <translation>Den Port %1 gibt es nicht (mehr); vielleicht wurde der Taschenrechner abgezogen.</translation>
    </message>
    <message>
        <source>You may not open the port %1. Install the udev rule that comes with Vuve Vudurod (see /usr/share/doc/vuve-vudurod/troubleshooting.md), or add yourself to the dialout group and log in again; then plug the calculator in again.</source>
        <translation>Sie dürfen den Port %1 nicht öffnen. Installieren Sie die udev-Regel, die Vuve Vudurod mitbringt (siehe /usr/share/doc/vuve-vudurod/troubleshooting.md), oder treten Sie der Gruppe dialout bei und melden Sie sich neu an; schließen Sie dann den Taschenrechner neu an.</translation>
    </message>
    <message>
        <source>The port %1 is in use by another program (%2). Close it and plug the calculator in again.</source>
        <translation>Der Port %1 wird von einem anderen Programm benutzt (%2). Schließen Sie es und schließen Sie den Taschenrechner neu an.</translation>
    </message>
    <message>
        <source>The port %1 is in use by another program. Close it and plug the calculator in again.</source>
        <translation>Der Port %1 wird von einem anderen Programm benutzt. Schließen Sie es und schließen Sie den Taschenrechner neu an.</translation>
    </message>
    <message>
        <source>%1 is not a serial port, so no calculator can be on it.</source>
        <translation>%1 ist kein serieller Port, daran kann also kein Taschenrechner hängen.</translation>
    </message>
    <message>
        <source>The port %1 cannot be opened.</source>
        <translation>Der Port %1 lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>The calculator at %1 does not answer. %2.</source>
        <extracomment>%2 is the advice &quot;Switch it on, open its home screen and plug it in again&quot;.</extracomment>
        <translation>Der Taschenrechner an %1 antwortet nicht. %2.</translation>
    </message>
    <message>
        <source>The device at %1 answers, but not as a calculator does.</source>
        <translation>Das Gerät an %1 antwortet, aber nicht wie ein Taschenrechner.</translation>
    </message>
    <message>
        <source>The calculator at %1 answered late, with its reply to an earlier request; try again.</source>
        <translation>Der Taschenrechner an %1 hat zu spät geantwortet, mit der Antwort auf eine frühere Anfrage; bitte erneut versuchen.</translation>
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
        <translation>noch %1</translation>
    </message>
</context>
<context>
    <name>RenameDialog</name>
    <message>
        <source>Enter a new device name:</source>
        <translation>Neuen Gerätenamen eingeben:</translation>
    </message>
    <message>
        <source>Enter a new device name</source>
        <translation>Neuen Gerätenamen eingeben</translation>
    </message>
    <message>
        <source>A device name has at most %1 characters.</source>
        <translation>Ein Gerätename hat höchstens %1 Zeichen.</translation>
    </message>
</context>
<context>
    <name>Reporter</name>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RestoreFlow</name>
    <message>
        <source>Choose the backup to restore</source>
        <translation>Wiederherzustellende Sicherung auswählen</translation>
    </message>
    <message>
        <source>Restore a backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SendFlow</name>
    <message>
        <source>File %1 is zero-length and can&apos;t be sent.</source>
        <translation>Die Datei %1 ist leer (0 Byte) und kann nicht gesendet werden.</translation>
    </message>
    <message>
        <source>File %1 already exists on your calculator.
Do you want to replace it?</source>
        <translation>Die Datei %1 ist schon auf Ihrem Taschenrechner.
Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>The file name (%1) exceeds the allowed limit of 8 symbols for a file name and 3 symbols for an extension and will be changed to %2</source>
        <translation>Der Dateiname (%1) ist länger als erlaubt (8 Zeichen für den Namen und 3 für die Endung) und wird in %2 geändert</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Please choose files</source>
        <translation>Bitte Dateien auswählen</translation>
    </message>
    <message>
        <source>Vori calc files (*.py *.bin)</source>
        <translation>Vori-Rechnerdateien (*.py *.bin)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The file name (%1) will be changed to %2: names on the calculator are upper case.</source>
        <translation>Der Dateiname (%1) wird in %2 geändert: Namen auf dem Taschenrechner sind in Großbuchstaben.</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>Ready: the calculators attached, and each one plugged in from now on, are served once; Ctrl+C ends.</source>
        <translation>Bereit: Die angeschlossenen Taschenrechner und jeder, der ab jetzt angesteckt wird, werden je einmal bedient; Strg+C beendet.</translation>
    </message>
    <message>
        <source>Ready: each calculator plugged in from now on is served once; Ctrl+C ends.</source>
        <translation>Bereit: Jeder Taschenrechner, der ab jetzt angesteckt wird, wird einmal bedient; Strg+C beendet.</translation>
    </message>
</context>
<context>
    <name>StationFlow</name>
    <message>
        <source>The station did not start: no file it could send was chosen</source>
        <translation>Die Station wurde nicht gestartet: Es wurde keine Datei gewählt, die sie senden kann</translation>
    </message>
    <message>
        <source>The station did not start: choose a folder on this computer</source>
        <translation>Die Station wurde nicht gestartet: Wählen Sie einen Ordner auf diesem Computer</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Each calculator plugged in from now on is served once, without a question; a file of the same name on it is replaced. Plugged in again, it is served again.</source>
        <translation>Jeder ab jetzt angeschlossene Taschenrechner wird einmal bedient, ohne Rückfrage; eine gleichnamige Datei darauf wird ersetzt. Wird er erneut angeschlossen, wird er erneut bedient.</translation>
    </message>
    <message>
        <source>Send these files to each calculator</source>
        <translation>Diese Dateien an jeden Taschenrechner senden</translation>
    </message>
    <message>
        <source>No files chosen yet</source>
        <translation>Noch keine Dateien ausgewählt</translation>
    </message>
    <message>
        <source>Choose Files…</source>
        <translation>Dateien auswählen …</translation>
    </message>
    <message>
        <source>Back up each calculator into this folder</source>
        <translation>Jeden Taschenrechner in diesen Ordner sichern</translation>
    </message>
    <message>
        <source>Change Folder…</source>
        <translation>Ordner ändern …</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Choose the files the station sends</source>
        <translation>Dateien auswählen, die die Station sendet</translation>
    </message>
    <message>
        <source>Vori calc files (*.py *.bin)</source>
        <translation>Vori-Rechnerdateien (*.py *.bin)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Choose the folder for the station&apos;s backups</source>
        <translation>Ordner für die Sicherungen der Station auswählen</translation>
    </message>
    <message>
        <source>The station did not start: the names it would give are longer than 64 characters</source>
        <translation>Die Station wurde nicht gestartet: Die Namen, die sie vergeben würde, sind länger als 64 Zeichen</translation>
    </message>
    <message>
        <source>Collect each calculator&apos;s files into this folder</source>
        <translation>Die Dateien jedes Taschenrechners in diesen Ordner einsammeln</translation>
    </message>
    <message>
        <source>Change the folder for collected work</source>
        <translation>Ordner für eingesammelte Arbeiten ändern</translation>
    </message>
    <message>
        <source>Then delete them on the calculator, once each is checked</source>
        <translation>Danach auf dem Taschenrechner löschen, sobald jede geprüft ist</translation>
    </message>
    <message>
        <source>Name each calculator first:</source>
        <translation>Jeden Taschenrechner zuerst benennen:</translation>
    </message>
    <message>
        <source>Name each calculator first</source>
        <translation>Jeden Taschenrechner zuerst benennen</translation>
    </message>
    <message>
        <source>Desk ##</source>
        <translation>Platz ##</translation>
    </message>
    <message>
        <source>Name pattern; each # is a digit of the calculator&apos;s number</source>
        <translation>Namensmuster; jedes # ist eine Ziffer der Nummer des Taschenrechners</translation>
    </message>
    <message>
        <source>starting at</source>
        <translation>beginnend bei</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Erste Nummer</translation>
    </message>
    <message>
        <source>Choose the folder for collected work</source>
        <translation>Ordner für eingesammelte Arbeiten wählen</translation>
    </message>
</context>
<context>
    <name>StatusFooter</name>
    <message>
        <source>Transfer progress</source>
        <translation>Fortschritt der Übertragung</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>nur nach Name und Größe verglichen; Inhalte wurden nicht gelesen</translation>
    </message>
    <message>
        <source>%1 same, %2 different, %3 missing, %4 extra</source>
        <extracomment>The counts of files in each state, after a compare.</extracomment>
        <translation>%1 gleich, %2 verschieden, %3 fehlend, %4 überzählig</translation>
    </message>
    <message numerus="yes">
        <source>%n extra files left on the calculator; --delete deletes them</source>
        <translation>
            <numerusform>%n überzählige Datei bleibt auf dem Taschenrechner; --delete löscht sie</numerusform>
            <numerusform>%n überzählige Dateien bleiben auf dem Taschenrechner; --delete löscht sie</numerusform>
        </translation>
    </message>
    <message>
        <source>would send %1, replace %2, delete %3, keep %4</source>
        <extracomment>What a sync would do: how many files it would send, replace, delete and keep.</extracomment>
        <translation>würde %1 senden, %2 ersetzen, %3 löschen, %4 behalten</translation>
    </message>
    <message>
        <source>%1 changed since the compare; it was sent as it is now.</source>
        <translation>%1 hat sich seit dem Vergleich geändert; gesendet wurde der jetzige Stand.</translation>
    </message>
    <message>
        <source>the calculator at %1 may hold part of %2</source>
        <extracomment>One of the things left part-way, in &quot;Interrupted; %1.&quot;.</extracomment>
        <translation>der Taschenrechner an %1 enthält womöglich einen Teil von %2</translation>
    </message>
    <message>
        <source>%1 is still on the calculator after it was deleted.</source>
        <translation>%1 ist nach dem Löschen noch auf dem Taschenrechner.</translation>
    </message>
    <message>
        <source>%1 is not on the calculator as it was sent.</source>
        <translation>%1 ist nicht so auf dem Taschenrechner, wie es gesendet wurde.</translation>
    </message>
    <message>
        <source>sent %1, replaced %2, deleted %3, kept %4</source>
        <extracomment>What a sync did: how many files it sent, replaced, deleted and kept.</extracomment>
        <translation>%1 gesendet, %2 ersetzt, %3 gelöscht, %4 behalten</translation>
    </message>
</context>
<context>
    <name>TransferProgress</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Byte</numerusform>
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
            <numerusform>%n Datei wird gesendet …</numerusform>
            <numerusform>%n Dateien werden gesendet …</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying %n files…</source>
        <translation>
            <numerusform>%n Datei wird kopiert …</numerusform>
            <numerusform>%n Dateien werden kopiert …</numerusform>
        </translation>
    </message>
    <message>
        <source>Sending %1 (%2 of %3)</source>
        <extracomment>%1 is a file name; %2 of %3 count the files.</extracomment>
        <translation>%1 wird gesendet (%2 von %3)</translation>
    </message>
    <message>
        <source>Copying %1 (%2 of %3)</source>
        <extracomment>%1 is a file name; %2 of %3 count the files.</extracomment>
        <translation>%1 wird kopiert (%2 von %3)</translation>
    </message>
    <message>
        <source>: %1 of %2</source>
        <extracomment>Follows &quot;Sending HELLO.py (1 of 3)&quot;: the bytes done of the file&apos;s.</extracomment>
        <translation>: %1 von %2</translation>
    </message>
    <message>
        <source>, %1/s</source>
        <extracomment>Follows the bytes done: the rate, as &quot;1.5 KiB&quot; a second.</extracomment>
        <translation>, %1/s</translation>
    </message>
    <message>
        <source>Nothing was sent to %1</source>
        <translation>An %1 wurde nichts gesendet</translation>
    </message>
    <message numerus="yes">
        <source>Sent %n files to %1</source>
        <translation>
            <numerusform>%n Datei an %1 gesendet</numerusform>
            <numerusform>%n Dateien an %1 gesendet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sent %1 of %n files to %2</source>
        <translation>
            <numerusform>%1 von %n Datei an %2 gesendet</numerusform>
            <numerusform>%1 von %n Dateien an %2 gesendet</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was copied</source>
        <translation>Es wurde nichts kopiert</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n files to %1</source>
        <translation>
            <numerusform>%n Datei nach %1 kopiert</numerusform>
            <numerusform>%n Dateien nach %1 kopiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %1 of %n files to %2</source>
        <translation>
            <numerusform>%1 von %n Datei nach %2 kopiert</numerusform>
            <numerusform>%1 von %n Dateien nach %2 kopiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %n files to the clipboard</source>
        <translation>
            <numerusform>%n Datei in die Zwischenablage kopiert</numerusform>
            <numerusform>%n Dateien in die Zwischenablage kopiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %1 of %n files to the clipboard</source>
        <translation>
            <numerusform>%1 von %n Datei in die Zwischenablage kopiert</numerusform>
            <numerusform>%1 von %n Dateien in die Zwischenablage kopiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n skipped</source>
        <extracomment>Follows an outcome such as &quot;Sent 2 files to Vori X1&quot;.</extracomment>
        <translation>
            <numerusform>; %n übersprungen</numerusform>
            <numerusform>; %n übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled: %1</source>
        <translation>Abgebrochen: %1</translation>
    </message>
    <message>
        <source>; the part of %1 sent was deleted from the calculator</source>
        <translation>; der schon gesendete Teil von %1 wurde vom Taschenrechner gelöscht</translation>
    </message>
    <message>
        <source>; nothing of the file in transfer was written</source>
        <translation>; von der gerade übertragenen Datei wurde nichts geschrieben</translation>
    </message>
    <message numerus="yes">
        <source>Backing up %n files…</source>
        <translation>
            <numerusform>%n Datei wird gesichert …</numerusform>
            <numerusform>%n Dateien werden gesichert …</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restoring %n files…</source>
        <translation>
            <numerusform>%n Datei wird wiederhergestellt …</numerusform>
            <numerusform>%n Dateien werden wiederhergestellt …</numerusform>
        </translation>
    </message>
    <message>
        <source>Backing up %1 (%2 of %3)</source>
        <extracomment>%1 is a file name; %2 of %3 count the files.</extracomment>
        <translation>%1 wird gesichert (%2 von %3)</translation>
    </message>
    <message>
        <source>Restoring %1 (%2 of %3)</source>
        <extracomment>%1 is a file name; %2 of %3 count the files.</extracomment>
        <translation>%1 wird wiederhergestellt (%2 von %3)</translation>
    </message>
    <message>
        <source>; the part of %1 sent could not be deleted from the calculator: delete it there</source>
        <translation>; der schon gesendete Teil von %1 konnte nicht vom Taschenrechner gelöscht werden: löschen Sie ihn dort</translation>
    </message>
    <message>
        <source>; the part of %1 sent may still be on the calculator: delete it there if it is listed</source>
        <translation>; der schon gesendete Teil von %1 ist vielleicht noch auf dem Taschenrechner: löschen Sie ihn dort, wenn er aufgeführt ist</translation>
    </message>
    <message>
        <source>; %1 on the calculator may be incomplete: send it again or delete it</source>
        <translation>; %1 auf dem Taschenrechner ist vielleicht unvollständig: senden Sie die Datei erneut oder löschen Sie sie</translation>
    </message>
    <message>
        <source>; %1 was sent whole but not checked</source>
        <translation>; %1 wurde vollständig gesendet, aber nicht geprüft</translation>
    </message>
</context>
<context>
    <name>TransferQuestions</name>
    <message>
        <source>No private folder for the copied files could be made: %1</source>
        <translation>Für die kopierten Dateien ließ sich kein privater Ordner anlegen: %1</translation>
    </message>
</context>
<context>
    <name>TransferRunner</name>
    <message>
        <source>%1 is not a regular file any more; it was not sent.</source>
        <translation>%1 ist keine normale Datei mehr; sie wurde nicht gesendet.</translation>
    </message>
    <message>
        <source>%1 changed since it was checked; it was not sent.</source>
        <translation>%1 hat sich seit der Prüfung geändert; sie wurde nicht gesendet.</translation>
    </message>
    <message>
        <source>cancelled; the part of %1 sent was deleted from the calculator</source>
        <translation>abgebrochen; der schon gesendete Teil von %1 wurde vom Taschenrechner gelöscht</translation>
    </message>
    <message>
        <source>The calculator stopped answering, so these files were not sent: %1.</source>
        <translation>Der Taschenrechner antwortet nicht mehr, daher wurden diese Dateien nicht gesendet: %1.</translation>
    </message>
    <message>
        <source>The calculator stopped answering, so these files were not copied: %1.</source>
        <translation>Der Taschenrechner antwortet nicht mehr, daher wurden diese Dateien nicht kopiert: %1.</translation>
    </message>
    <message>
        <source>The calculator stopped answering, so these files were not deleted: %1.</source>
        <translation>Der Taschenrechner antwortet nicht mehr, daher wurden diese Dateien nicht gelöscht: %1.</translation>
    </message>
    <message>
        <source>Interrupted, so these files were not sent: %1.</source>
        <translation>Unterbrochen, daher wurden diese Dateien nicht gesendet: %1.</translation>
    </message>
    <message>
        <source>Interrupted, so these files were not copied: %1.</source>
        <translation>Unterbrochen, daher wurden diese Dateien nicht kopiert: %1.</translation>
    </message>
    <message>
        <source>Interrupted, so these files were not deleted: %1.</source>
        <translation>Unterbrochen, daher wurden diese Dateien nicht gelöscht: %1.</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>cancelled; %1 was sent whole but not checked</source>
        <translation>abgebrochen; %1 wurde vollständig gesendet, aber nicht geprüft</translation>
    </message>
    <message>
        <source>%1 could not be read back from %2 to be checked.</source>
        <translation>%1 ließ sich zur Prüfung nicht von %2 zurücklesen.</translation>
    </message>
    <message>
        <source>%1 arrived on %2 different from the computer&apos;s file.</source>
        <translation>%1 ist auf %2 anders angekommen als die Datei auf dem Computer.</translation>
    </message>
    <message>
        <source>The calculator&apos;s copy was deleted.</source>
        <translation>Die Kopie auf dem Taschenrechner wurde gelöscht.</translation>
    </message>
    <message>
        <source>The calculator&apos;s copy could not be deleted: delete it there before anyone uses it.</source>
        <translation>Die Kopie auf dem Taschenrechner konnte nicht gelöscht werden: löschen Sie sie dort, bevor jemand sie verwendet.</translation>
    </message>
    <message>
        <source>These files arrived on %1 different from the computer&apos;s files: %2.</source>
        <extracomment>%1 is a calculator&apos;s name, %2 the list of files.</extracomment>
        <translation>Diese Dateien sind auf %1 anders angekommen als die Dateien auf dem Computer: %2.</translation>
    </message>
    <message>
        <source>The calculator&apos;s copies were deleted.</source>
        <translation>Die Kopien auf dem Taschenrechner wurden gelöscht.</translation>
    </message>
    <message>
        <source>The calculator&apos;s copies could not be deleted: delete them there before anyone uses them.</source>
        <translation>Die Kopien auf dem Taschenrechner konnten nicht gelöscht werden: löschen Sie sie dort, bevor jemand sie verwendet.</translation>
    </message>
    <message>
        <source>The calculator&apos;s copies were deleted but for %1: delete those there before anyone uses them.</source>
        <extracomment>%1 is the list of files whose copies are still on the calculator.</extracomment>
        <translation>Die Kopien auf dem Taschenrechner wurden gelöscht, außer denen von %1: löschen Sie diese dort, bevor jemand sie verwendet.</translation>
    </message>
    <message>
        <source>the files on this computer are unchanged; send again, and if a file arrives different again, see the troubleshooting guide</source>
        <translation>die Dateien auf diesem Computer sind unverändert; senden Sie erneut, und wenn eine Datei wieder anders ankommt, lesen Sie die Hilfe bei Problemen</translation>
    </message>
    <message>
        <source>cancelled; %1 on the calculator may be incomplete: send it again or delete it</source>
        <translation>abgebrochen; %1 auf dem Taschenrechner ist vielleicht unvollständig: senden Sie die Datei erneut oder löschen Sie sie</translation>
    </message>
    <message>
        <source>cancelled; the part of %1 sent could not be deleted from the calculator: delete it there</source>
        <translation>abgebrochen; der schon gesendete Teil von %1 konnte nicht vom Taschenrechner gelöscht werden: löschen Sie ihn dort</translation>
    </message>
    <message>
        <source>cancelled; the part of %1 sent may still be on the calculator: delete it there if it is listed</source>
        <translation>abgebrochen; der schon gesendete Teil von %1 ist vielleicht noch auf dem Taschenrechner: löschen Sie ihn dort, wenn er aufgeführt ist</translation>
    </message>
</context>
<context>
    <name>UploadFile</name>
    <message>
        <source>File %1 can&apos;t be read.</source>
        <translation>Die Datei %1 lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>%1 is not a regular file and can&apos;t be sent.</source>
        <translation>%1 ist keine normale Datei und kann nicht gesendet werden.</translation>
    </message>
    <message>
        <source>File %1 is larger than 1 MiB (1048576 bytes) and can&apos;t be sent.</source>
        <translation>Die Datei %1 ist größer als 1 MiB (1048576 Byte) und kann nicht gesendet werden.</translation>
    </message>
</context>
<context>
    <name>VuveCtl</name>
    <message>
        <source>Talks to calculators over USB.</source>
        <translation>Spricht über USB mit Taschenrechnern.</translation>
    </message>
    <message>
        <source>Choosing calculators: with one attached, commands run on it. Otherwise name
it with --calc or --port, or run on all at once with --every (one result line
each, printed as soon as that calculator is done). A missing --to or backup
folder is made.</source>
        <translation>Taschenrechner wählen: Ist einer angeschlossen, laufen die Befehle auf ihm.
Sonst nennen Sie ihn mit --calc oder --port oder arbeiten mit --every auf allen
zugleich (je eine Ergebniszeile, sobald der jeweilige Taschenrechner fertig ist).
Ein fehlender Ordner für --to oder backup wird angelegt.</translation>
    </message>
    <message>
        <source>Collisions: put and get check the whole batch before anything moves. Empty
files, files over 1 MiB and two files that would get one calculator name stop
the batch. A name already on the calculator (put, restore) or an existing
local file (get) is asked about on a terminal: yes, no, all or none.
Elsewhere --on-conflict decides; without it nothing is transferred.</source>
        <translation>Konflikte: put und get prüfen alle Dateien, bevor etwas übertragen wird. Leere
Dateien, Dateien über 1 MiB und zwei Dateien, die auf dem Taschenrechner gleich
hießen, halten alles an. Nach einem Namen, der schon auf dem Taschenrechner ist
(put, restore), oder einer vorhandenen lokalen Datei (get) wird im Terminal
gefragt: ja, nein, alle oder keine. Sonst entscheidet --on-conflict; ohne diese
Option wird nichts übertragen.</translation>
    </message>
    <message>
        <source>Interrupting (Ctrl+C) stops the transfers at once and says what was left
part-way (files are only written whole); a second Ctrl+C ends at once.</source>
        <translation>Unterbrechen (Strg+C) hält die Übertragungen sofort an und nennt, was nur halb
fertig wurde (Dateien werden nur vollständig geschrieben); ein zweites Strg+C
beendet sofort.</translation>
    </message>
    <message>
        <source>Try &apos;vuvectl --help&apos;.</source>
        <translation>Mehr dazu mit &apos;vuvectl --help&apos;.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>Folder %1 can&apos;t be made: %2.</source>
        <translation>Der Ordner %1 lässt sich nicht anlegen: %2.</translation>
    </message>
    <message>
        <source>Folder %1 can&apos;t be made.</source>
        <translation>Der Ordner %1 lässt sich nicht anlegen.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Die Version anzeigen.</translation>
    </message>
    <message>
        <source>The calculator on this serial device (repeatable with --every).</source>
        <translation>Der Taschenrechner an diesem seriellen Gerät (mit --every mehrfach möglich).</translation>
    </message>
    <message>
        <source>The calculator with this device name, as ports lists it.</source>
        <translation>Der Taschenrechner mit diesem Gerätenamen, wie ports ihn auflistet.</translation>
    </message>
    <message>
        <source>Run on every attached calculator at once (or every one that --calc or --port names); one result line per calculator, as each is done.</source>
        <translation>Auf allen angeschlossenen Taschenrechnern zugleich ausführen (oder auf allen, die --calc oder --port nennt); je Taschenrechner eine Ergebniszeile, sobald er fertig ist.</translation>
    </message>
    <message>
        <source>Print results as JSON: one document, or one line per calculator with --every and per event with watch.</source>
        <translation>Ergebnisse als JSON ausgeben: ein Dokument, oder eine Zeile je Taschenrechner mit --every und je Ereignis mit watch.</translation>
    </message>
    <message>
        <source>Folder for get (default: the current one).</source>
        <translation>Ordner für get (Vorgabe: der aktuelle).</translation>
    </message>
    <message>
        <source>get or rm every file on the calculator.</source>
        <translation>get oder rm für alle Dateien auf dem Taschenrechner.</translation>
    </message>
    <message>
        <source>What to do with a name that is taken: ask (on a terminal, the default there), replace, skip or fail (the default elsewhere).</source>
        <translation>Was mit einem schon vergebenen Namen geschieht: ask (fragen; im Terminal die Vorgabe), replace (ersetzen), skip (überspringen) oder fail (abbrechen; sonst die Vorgabe).</translation>
    </message>
    <message>
        <source>Show progress also when stderr is not a terminal (one line a second).</source>
        <translation>Den Fortschritt auch anzeigen, wenn stderr kein Terminal ist (eine Zeile pro Sekunde).</translation>
    </message>
    <message>
        <source>Milliseconds to wait for a reply to begin or to go on, and for each frame of a transfer (default: 10000, 30000 and 1000).</source>
        <translation>Millisekunden, die auf den Beginn und die Fortsetzung einer Antwort und auf jeden Block einer Übertragung gewartet wird (Vorgabe: 10000, 30000 und 1000).</translation>
    </message>
    <message>
        <source>What to do (see above).</source>
        <translation>Was zu tun ist (siehe oben).</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 nimmt keine Argumente</translation>
    </message>
    <message>
        <source>%1 needs an argument</source>
        <translation>%1 braucht ein Argument</translation>
    </message>
    <message>
        <source>%1 needs names, patterns or --all-files</source>
        <translation>%1 braucht Namen, Muster oder --all-files</translation>
    </message>
    <message>
        <source>%1 takes exactly one argument</source>
        <translation>%1 nimmt genau ein Argument</translation>
    </message>
    <message>
        <source>backup takes at most one folder</source>
        <translation>backup nimmt höchstens einen Ordner</translation>
    </message>
    <message>
        <source>the device name must not be empty</source>
        <translation>der Gerätename darf nicht leer sein</translation>
    </message>
    <message>
        <source>a device name has at most %1 characters</source>
        <translation>ein Gerätename hat höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>--to goes with get only</source>
        <translation>--to geht nur mit get</translation>
    </message>
    <message>
        <source>--all-files goes with get and rm only</source>
        <translation>--all-files geht nur mit get und rm</translation>
    </message>
    <message>
        <source>%1 looks at every port; --port, --calc and --every do not go with it</source>
        <translation>%1 betrachtet alle Ports; --port, --calc und --every gehen damit nicht</translation>
    </message>
    <message>
        <source>several --port go with --every only</source>
        <translation>mehrere --port gehen nur mit --every</translation>
    </message>
    <message>
        <source>--on-conflict goes with get, put and restore only</source>
        <translation>--on-conflict geht nur mit get, put und restore</translation>
    </message>
    <message>
        <source>--on-conflict takes ask, replace, skip or fail</source>
        <translation>--on-conflict nimmt ask, replace, skip oder fail</translation>
    </message>
    <message>
        <source>--on-conflict=ask needs a terminal and one calculator</source>
        <translation>--on-conflict=ask braucht ein Terminal und einen einzigen Taschenrechner</translation>
    </message>
    <message>
        <source>--timeout takes a positive number of milliseconds</source>
        <translation>--timeout nimmt eine positive Zahl von Millisekunden</translation>
    </message>
    <message>
        <source>Interrupted; nothing partial was written.</source>
        <translation>Unterbrochen; es wurde nichts halb geschrieben.</translation>
    </message>
    <message>
        <source>Interrupted; %1.</source>
        <translation>Unterbrochen; %1.</translation>
    </message>
    <message>
        <source>command [args...]</source>
        <extracomment>The usage line&apos;s words for a command and its arguments.</extracomment>
        <translation>Befehl [Argumente...]</translation>
    </message>
    <message>
        <source>Trace each request and reply (type and size), what was planned for each file and what became of it, each error and each port found or gone on stderr, for a bug report; never file contents.</source>
        <translation>Jede Anfrage und Antwort (Typ und Größe), was für jede Datei geplant war und was aus ihr wurde, jeden Fehler und jeden gefundenen oder verschwundenen Port auf stderr protokollieren, für einen Fehlerbericht; nie Dateiinhalte.</translation>
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
        <translation>Befehle:
  ports                 angeschlossene Taschenrechner auflisten (Name, Port,
                        USB-Seriennummer)
  info                  Gerätename, Blockgröße und Versionen
  ls                    Dateien auf dem Taschenrechner (Name, Tab, Größe)
  get NAME|PATTERN...   Dateien vom Taschenrechner in den aktuellen Ordner kopieren
                        oder nach --to DIR; Shell-Muster (&apos;*.py&apos;) gelten für die
                        Liste des Taschenrechners; --all-files kopiert alle Dateien
  put FILE...           Dateien senden; die Namen folgen der 8.3-Regel
  rm NAME|PATTERN...    Dateien auf dem Taschenrechner löschen (oder --all-files)
  rename NEWNAME        Gerätenamen ändern (1 bis 64 Zeichen)
  backup [DIR]          alle Dateien nach DIR/&lt;Gerätename&gt;-&lt;UTC-Zeit&gt;/ kopieren,
                        mit einer manifest.json (DIR: der aktuelle Ordner)
  restore BACKUP_DIR    Dateien einer Sicherung zurückspielen und per Liste prüfen
  watch                 eine Zeile je an- oder abgestecktem Taschenrechner
                        ausgeben, bis zur Unterbrechung
  station --send FILE...
                        die Dateien an jeden angesteckten Taschenrechner senden,
                        bis zur Unterbrechung; vorhandene Namen werden ersetzt
  station --backup DIR  jeden angesteckten Taschenrechner nach
                        DIR/&lt;Gerätename&gt;-&lt;UTC-Zeit&gt;/ sichern, bis zur Unterbrechung</translation>
    </message>
    <message>
        <source>Verifying: with --verify, put, restore and station --send read each file
back from the calculator once it is sent and compare it (SHA-256) with the
bytes the computer sent; a file that arrived different fails.</source>
        <translation>Prüfen: Mit --verify lesen put, restore und station --send jede Datei nach dem
Senden vom Taschenrechner zurück und vergleichen sie (SHA-256) mit den Bytes,
die der Computer gesendet hat; eine Datei, die anders angekommen ist, schlägt
fehl.</translation>
    </message>
    <message>
        <source>Station: each calculator plugged in after the start (with --now, also each
one attached) is served once per plug-in, in parallel, a name already on it
replaced; one result line each (device, port, serial, action, outcome and
summary or errors) or one JSON object a line with --json. A calculator that
fails is reported and the station goes on. Ctrl+C ends it with 0 once the
calculators in service have stopped.</source>
        <translation>Station: Jeder Taschenrechner, der nach dem Start angesteckt wird (mit --now
auch jeder schon angeschlossene), wird je Anstecken einmal bedient, parallel,
ein schon vorhandener Name wird ersetzt; je eine Ergebniszeile (Gerät, Port,
Seriennummer, Aktion, Ergebnis und Zusammenfassung oder Fehler) oder mit --json
ein JSON-Objekt pro Zeile. Ein Taschenrechner, bei dem etwas fehlschlägt, wird
gemeldet, und die Station macht weiter. Strg+C beendet sie mit 0, sobald die
gerade bedienten Taschenrechner angehalten haben.</translation>
    </message>
    <message>
        <source>Exit codes:
  0    done
  1    failed (also: any calculator failed with --every)
  2    usage error
  3    stopped by a collision (--on-conflict=fail); nothing was transferred
  130  interrupted (Ctrl+C; 143 for SIGTERM; watch and station end with 0)</source>
        <extracomment>Keep the numbers and the first column&apos;s width.</extracomment>
        <translation>Rückgabewerte:
  0    erledigt
  1    fehlgeschlagen (auch: ein Taschenrechner mit --every fehlgeschlagen)
  2    falscher Aufruf
  3    durch einen Konflikt angehalten (--on-conflict=fail); nichts übertragen
  130  unterbrochen (Strg+C; 143 bei SIGTERM; watch und station enden mit 0)</translation>
    </message>
    <message>
        <source>Read each file sent back and compare it with the computer&apos;s; one that arrived different fails (put, restore, station --send).</source>
        <translation>Jede gesendete Datei zurücklesen und mit der des Computers vergleichen; eine, die anders angekommen ist, schlägt fehl (put, restore, station --send).</translation>
    </message>
    <message>
        <source>station: send the files given to each calculator plugged in.</source>
        <translation>station: die angegebenen Dateien an jeden angesteckten Taschenrechner senden.</translation>
    </message>
    <message>
        <source>station: back up each calculator plugged in into a folder of its own in DIR.</source>
        <translation>station: jeden angesteckten Taschenrechner in einen eigenen Ordner in DIR sichern.</translation>
    </message>
    <message>
        <source>station: serve the calculators attached at the start too.</source>
        <translation>station: auch die beim Start schon angeschlossenen Taschenrechner bedienen.</translation>
    </message>
    <message>
        <source>station --send needs files</source>
        <translation>station --send braucht Dateien</translation>
    </message>
    <message>
        <source>station --backup takes no other arguments</source>
        <translation>station --backup nimmt keine weiteren Argumente</translation>
    </message>
    <message>
        <source>station --backup needs a folder</source>
        <translation>station --backup braucht einen Ordner</translation>
    </message>
    <message>
        <source>station serves every calculator plugged in; --port, --calc and --every do not go with it</source>
        <translation>station bedient jeden angesteckten Taschenrechner; --port, --calc und --every gehen damit nicht</translation>
    </message>
    <message>
        <source>--send, --backup and --now go with station only</source>
        <translation>--send, --backup und --now gehen nur mit station</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>No calculator is attached.</source>
        <translation>Kein Taschenrechner ist angeschlossen.</translation>
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
        <translation>  diff DIR              den Taschenrechner mit den gewöhnlichen Dateien in DIR
                        vergleichen: eine Zeile STATUS&lt;tab&gt;NAME je Datei,
                        STATUS ist same, different, missing (nicht auf dem
                        Taschenrechner) oder extra (nur dort); --quick: nur
                        Namen und Größen
  sync DIR              den Taschenrechner die Dateien von DIR halten lassen:
                        fehlende senden, verschiedene ersetzen, gleiche
                        behalten; --delete löscht auch die überzähligen;
                        --dry-run gibt nur send, replace, delete oder keep NAME
                        aus; DIR wird nie geändert
  station --sync DIR    jeden angeschlossenen Taschenrechner mit DIR abgleichen,
                        bis zur Unterbrechung (mit --delete werden überzählige
                        Dateien gelöscht)</translation>
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
        <translation>Ordner: diff und sync nehmen die gewöhnlichen Dateien direkt in DIR, unter den
Namen, die put ihnen gibt, ohne Rücksicht auf Groß- und Kleinschreibung
verglichen; Links, FIFOs und Unterordner werden ausgelassen und auf stderr
genannt. Gleich große Dateien werden zurückgelesen und verglichen (SHA-256),
außer mit --quick, dessen Ausgabe dann mit einer Zeile beginnt, die mit
&quot;#&quot; anfängt. Mit --every beginnt jede Dateizeile mit Gerätename und Port. sync
prüft seinen Stapel wie put, liest jede Datei beim Senden und liest sie mit
--verify zurück. diff endet mit 1, wenn etwas abweicht; sync mit 0, sobald der
Taschenrechner die Dateien des Ordners hält (ohne --delete behaltene
überzählige Dateien zählen nicht).</translation>
    </message>
    <message>
        <source>diff, sync: compare names and sizes only; files of equal size count as the same.</source>
        <translation>diff, sync: nur Namen und Größen vergleichen; gleich große Dateien gelten als gleich.</translation>
    </message>
    <message>
        <source>sync, station --sync: also delete the files the folder does not hold.</source>
        <translation>sync, station --sync: auch die Dateien löschen, die der Ordner nicht enthält.</translation>
    </message>
    <message>
        <source>sync: print what would be done, and change nothing.</source>
        <translation>sync: ausgeben, was getan würde, und nichts ändern.</translation>
    </message>
    <message>
        <source>station: make each calculator plugged in hold the files of DIR.</source>
        <translation>station: jeden angeschlossenen Taschenrechner mit den Dateien von DIR abgleichen.</translation>
    </message>
    <message>
        <source>%1 takes exactly one folder</source>
        <translation>%1 erwartet genau einen Ordner</translation>
    </message>
    <message>
        <source>station --sync takes no other arguments</source>
        <translation>station --sync erwartet keine weiteren Argumente</translation>
    </message>
    <message>
        <source>station --sync needs a folder</source>
        <translation>station --sync braucht einen Ordner</translation>
    </message>
    <message>
        <source>--sync goes with station only</source>
        <translation>--sync gehört nur zu station</translation>
    </message>
    <message>
        <source>--verify goes with put, restore, sync, station --send and station --sync only</source>
        <translation>--verify gehört nur zu put, restore, sync, station --send und station --sync</translation>
    </message>
    <message>
        <source>--quick goes with diff, sync and station --sync only</source>
        <translation>--quick gehört nur zu diff, sync und station --sync</translation>
    </message>
    <message>
        <source>--delete goes with sync and station --sync only</source>
        <translation>--delete gehört nur zu sync und station --sync</translation>
    </message>
    <message>
        <source>--dry-run goes with sync only</source>
        <translation>--dry-run gehört nur zu sync</translation>
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
        <translation>  collect DIR           jede Datei, zweimal gelesen und verglichen, nach
                        DIR/&lt;Gerätename&gt;/ kopieren (DIR wird bei Bedarf angelegt)
                        und je Datei eine Zeile an DIR/receipt.csv anfügen; mit
                        --clear danach jede so eingesammelte Datei auf dem
                        Taschenrechner löschen, keine andere
  station --collect DIR jeden angesteckten Taschenrechner in DIR einsammeln, bis
                        zur Unterbrechung (mit --clear: und ihn leeren)
  station --name PATTERN
                        jeden angesteckten Taschenrechner zuerst umbenennen: die
                        # in PATTERN werden eine laufende Nummer, mit Nullen auf
                        ihre Anzahl aufgefüllt („Desk ##“: Desk 01, Desk 02...;
                        --first N: ab N); allein oder vor --send, --backup,
                        --sync oder --collect</translation>
    </message>
    <message>
        <source>collect, station --collect: then delete on the calculator each file collected, read the same twice and written whole, and no other.</source>
        <translation>collect, station --collect: danach jede eingesammelte Datei, zweimal gleich gelesen und ganz geschrieben, auf dem Taschenrechner löschen, keine andere.</translation>
    </message>
    <message>
        <source>station: collect each calculator plugged in into a folder of its own in DIR, with a row per file in DIR/receipt.csv.</source>
        <translation>station: jeden angesteckten Taschenrechner in einen eigenen Ordner in DIR einsammeln, mit einer Zeile je Datei in DIR/receipt.csv.</translation>
    </message>
    <message>
        <source>station: rename each calculator plugged in, before anything else, by the pattern: its #s become a running number padded with zeros to their count.</source>
        <translation>station: jeden angesteckten Taschenrechner vor allem anderen nach dem Muster umbenennen: seine # werden eine laufende Nummer, mit Nullen auf ihre Anzahl aufgefüllt.</translation>
    </message>
    <message>
        <source>station --name: the first calculator&apos;s number (default: 1).</source>
        <translation>station --name: die Nummer des ersten Taschenrechners (Standard: 1).</translation>
    </message>
    <message>
        <source>collect needs a folder</source>
        <translation>collect braucht einen Ordner</translation>
    </message>
    <message>
        <source>station takes one of --send, --backup, --sync and --collect</source>
        <translation>station nimmt nur eine von --send, --backup, --sync und --collect</translation>
    </message>
    <message>
        <source>station needs --send FILE..., --backup DIR, --sync DIR, --collect DIR or --name PATTERN</source>
        <translation>station braucht --send FILE..., --backup DIR, --sync DIR, --collect DIR oder --name PATTERN</translation>
    </message>
    <message>
        <source>station --collect takes no other arguments</source>
        <translation>station --collect nimmt keine weiteren Argumente</translation>
    </message>
    <message>
        <source>station --collect needs a folder</source>
        <translation>station --collect braucht einen Ordner</translation>
    </message>
    <message>
        <source>station --name takes no other arguments</source>
        <translation>station --name nimmt keine weiteren Argumente</translation>
    </message>
    <message>
        <source>--clear goes with collect and station --collect only</source>
        <translation>--clear geht nur mit collect und station --collect</translation>
    </message>
    <message>
        <source>--first goes with station --name only</source>
        <translation>--first geht nur mit station --name</translation>
    </message>
    <message>
        <source>station --name needs a pattern</source>
        <translation>station --name braucht ein Muster</translation>
    </message>
    <message>
        <source>--first takes a whole number from 0 up</source>
        <translation>--first nimmt eine ganze Zahl ab 0</translation>
    </message>
    <message>
        <source>--name gives &quot;%1&quot; (%2 characters); a device name has at most %3</source>
        <extracomment>%1 is the first calculator&apos;s name by the pattern.</extracomment>
        <translation>--name ergibt „%1“ (%2 Zeichen); ein Gerätename hat höchstens %3</translation>
    </message>
    <message>
        <source>--collect, --name and --first go with station only</source>
        <translation>--collect, --name und --first gehen nur mit station</translation>
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
        <translation>Menü</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über …</translation>
    </message>
    <message>
        <source>Change device name...</source>
        <translation>Gerätenamen ändern …</translation>
    </message>
    <message>
        <source>No calculator is connected</source>
        <translation>Kein Taschenrechner angeschlossen</translation>
    </message>
    <message>
        <source>Send to all calculators…</source>
        <translation>An alle Taschenrechner senden …</translation>
    </message>
    <message>
        <source>Send to the chosen calculators…</source>
        <translation>An die ausgewählten Taschenrechner senden …</translation>
    </message>
    <message>
        <source>No calculator is chosen; tick the calculators first</source>
        <translation>Kein Taschenrechner ausgewählt; haken Sie zuerst die Taschenrechner an</translation>
    </message>
    <message>
        <source>Close program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Copy and transfer selected files from calculator to PC</source>
        <translation>Ausgewählte Dateien vom Taschenrechner auf den PC kopieren</translation>
    </message>
    <message>
        <source>Yoy must select some files for downloading</source>
        <translation>Wählen Sie zuerst die Dateien aus, die kopiert werden sollen</translation>
    </message>
    <message>
        <source>Send files to calculator...</source>
        <translation>Dateien an den Taschenrechner senden …</translation>
    </message>
    <message>
        <source>Delete selected files</source>
        <translation>Ausgewählte Dateien löschen</translation>
    </message>
    <message>
        <source>No files selected for deleting</source>
        <translation>Keine Dateien zum Löschen ausgewählt</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Beschäftigt</translation>
    </message>
    <message>
        <source>Wait until the transfer in progress has finished</source>
        <translation>Warten Sie, bis die laufende Übertragung fertig ist</translation>
    </message>
    <message>
        <source>Back up…</source>
        <translation>Sichern …</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>Wiederherstellen …</translation>
    </message>
    <message>
        <source>Back up all calculators…</source>
        <translation>Alle Taschenrechner sichern …</translation>
    </message>
    <message>
        <source>Verify files after sending</source>
        <translation>Dateien nach dem Senden prüfen</translation>
    </message>
    <message>
        <source>Station…</source>
        <translation>Station …</translation>
    </message>
    <message>
        <source>Wait until the job on several calculators has ended</source>
        <translation>Warten Sie, bis die Aufgabe auf mehreren Taschenrechnern beendet ist</translation>
    </message>
    <message>
        <source>The station is on; switch it off first</source>
        <translation>Die Station ist eingeschaltet; schalten Sie sie zuerst aus</translation>
    </message>
    <message>
        <source>Collect from all calculators…</source>
        <translation>Von allen Taschenrechnern einsammeln …</translation>
    </message>
    <message>
        <source>Clear all calculators…</source>
        <translation>Alle Taschenrechner leeren …</translation>
    </message>
    <message>
        <source>Compare with a folder…</source>
        <translation>Mit einem Ordner vergleichen …</translation>
    </message>
    <message>
        <source>Sync all calculators with a folder…</source>
        <translation>Alle Taschenrechner an einen Ordner angleichen …</translation>
    </message>
</context>
<context>
    <name>vuve-vudurod</name>
    <message>
        <source>Copies files to and from Vori graphing calculators over USB.</source>
        <translation>Kopiert über USB Dateien von und zu grafikfähigen Taschenrechnern von Vori.</translation>
    </message>
</context>
<context>
    <name>vuve-vudurod-demo</name>
    <message>
        <source>Also list the serial device or pseudo-terminal at &lt;path&gt; as a calculator (repeatable).</source>
        <translation>Auch das serielle Gerät oder Pseudo-Terminal unter &lt;path&gt; als Taschenrechner aufführen (mehrfach möglich).</translation>
    </message>
    <message>
        <source>Vuve Vudurod with two simulated calculators, &quot;Vori X1&quot; and &quot;Vori X1 Lab&quot;.</source>
        <translation>Vuve Vudurod mit zwei simulierten Taschenrechnern, „Vori X1“ und „Vori X1 Lab“.</translation>
    </message>
    <message>
        <source>no such device: %1</source>
        <translation>kein solches Gerät: %1</translation>
    </message>
</context>
</TS>

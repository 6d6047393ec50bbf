<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Vuve Vudurod %1</source>
        <translation>Vuve Vudurod %1</translation>
    </message>
    <message>
        <source>Language: English</source>
        <extracomment>Which language the window is in, named in that language.</extracomment>
        <translation>Langue&#xa0;: français</translation>
    </message>
    <message>
        <source>Copyright © 2026 Vuve Vudurod developers. All rights reserved.

No file or information of this software may be duplicated, copied, modified or adapted without the written permission of the rights holder.

The content of this software is protected by law. Using the software does not make you the owner of the software or of any of its content.</source>
        <translation>Copyright © 2026 Les développeurs de Vuve Vudurod. Tous droits réservés.

Aucun fichier ni aucune information de ce logiciel ne peut être reproduit, copié, modifié ou adapté sans l’autorisation écrite du titulaire des droits.

Le contenu de ce logiciel est protégé par la loi. Utiliser le logiciel ne vous rend propriétaire ni du logiciel ni d’aucun de ses contenus.</translation>
    </message>
</context>
<context>
    <name>AllAnswersRow</name>
    <message>
        <source>Yes to all</source>
        <translation>Oui pour tous</translation>
    </message>
    <message>
        <source>No to all</source>
        <translation>Non pour tous</translation>
    </message>
</context>
<context>
    <name>BackupFlow</name>
    <message>
        <source>Back up %1</source>
        <translation>Sauvegarder %1</translation>
    </message>
    <message>
        <source>Every file on %1 is copied into a new folder, named after the calculator and the time, in this folder:</source>
        <translation>Tous les fichiers de %1 sont copiés dans un nouveau dossier, nommé d’après la calculatrice et l’heure, dans ce dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Back Up</source>
        <translation>Sauvegarder</translation>
    </message>
    <message>
        <source>Change Folder…</source>
        <translation>Autre dossier…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Choose the folder for backups</source>
        <translation>Choisir le dossier des sauvegardes</translation>
    </message>
    <message>
        <source>Back up all calculators</source>
        <translation>Sauvegarder toutes les calculatrices</translation>
    </message>
    <message>
        <source>Every file on each calculator is copied into a new folder of its own, named after the calculator and the time, in this folder:</source>
        <translation>Tous les fichiers de chaque calculatrice sont copiés dans un nouveau dossier qui lui est propre, nommé d’après la calculatrice et l’heure, dans ce dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Back up the calculator</source>
        <translation>Sauvegarder la calculatrice</translation>
    </message>
    <message>
        <source>Every file on the calculator is copied into a new folder, named after the calculator and the time, in this folder:</source>
        <translation>Tous les fichiers de la calculatrice sont copiés dans un nouveau dossier, nommé d’après la calculatrice et l’heure, dans ce dossier&#xa0;:</translation>
    </message>
</context>
<context>
    <name>BackupManifest</name>
    <message>
        <source>The manifest of %1 can&apos;t be written: %2</source>
        <translation>Impossible d’écrire le manifeste de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 holds no complete backup: it has no readable %2.</source>
        <extracomment>%2 is the manifest&apos;s file name, manifest.json.</extracomment>
        <translation>%1 ne contient pas de sauvegarde complète&#xa0;: il n’y a pas de %2 lisible.</translation>
    </message>
    <message>
        <source>The %1 of %2 is not a backup manifest.</source>
        <extracomment>%1 is the manifest&apos;s file name, manifest.json; %2 is a folder.</extracomment>
        <translation>Le fichier %1 de %2 n’est pas un manifeste de sauvegarde.</translation>
    </message>
    <message>
        <source>The backup in %1 was made by a newer vuvectl.</source>
        <translation>La sauvegarde de %1 a été faite par une version plus récente de vuvectl.</translation>
    </message>
    <message>
        <source>The %1 of %2 lists a file it cannot restore (%3).</source>
        <extracomment>%1 is the manifest&apos;s file name, manifest.json; %2 is a folder; %3 a file name.</extracomment>
        <translation>Le fichier %1 de %2 mentionne un fichier impossible à restaurer (%3).</translation>
    </message>
    <message>
        <source>the backup lists another file of this name (case ignored)</source>
        <translation>la sauvegarde contient un autre fichier du même nom (sans tenir compte des majuscules)</translation>
    </message>
    <message>
        <source>the backup says it can&apos;t be sent back</source>
        <translation>selon la sauvegarde, il ne peut pas être renvoyé</translation>
    </message>
    <message>
        <source>%1 is missing from the backup.</source>
        <translation>%1 manque dans la sauvegarde.</translation>
    </message>
    <message>
        <source>%1 has %2 bytes; the manifest says %3.</source>
        <translation>%1 fait %2 octets&#xa0;; le manifeste indique %3.</translation>
    </message>
    <message>
        <source>%1 differs from what the manifest says was backed up.</source>
        <translation>%1 ne correspond pas à ce que le manifeste dit avoir sauvegardé.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>File %1 can&apos;t be read.</source>
        <translation>Impossible de lire le fichier %1.</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB (1048576 bytes), the most a file sent to the calculator may have</source>
        <translation>il dépasse 1 Mio (1048576 octets), la taille maximale d’un fichier envoyé à la calculatrice</translation>
    </message>
    <message>
        <source>its name is not one the calculator&apos;s 8.3 rule keeps</source>
        <translation>son nom ne respecte pas la règle 8.3 de la calculatrice</translation>
    </message>
    <message>
        <source>its name can&apos;t be a file name in the backup folder</source>
        <translation>son nom ne peut pas servir de nom de fichier dans le dossier de sauvegarde</translation>
    </message>
    <message>
        <source>the calculator lists it twice, and a backup holds one file per name</source>
        <translation>la calculatrice l’indique deux fois, et une sauvegarde ne garde qu’un fichier par nom</translation>
    </message>
    <message>
        <source>the calculator lists %1 as well, and a backup holds one file per name, whatever its case</source>
        <translation>la calculatrice indique aussi %1, et une sauvegarde ne garde qu’un fichier par nom, majuscules ou non</translation>
    </message>
    <message>
        <source>the calculator&apos;s file list had an entry that could not be read</source>
        <translation>une entrée de la liste des fichiers de la calculatrice était illisible</translation>
    </message>
    <message>
        <source>The %1 of %2 lists more files than a calculator holds.</source>
        <extracomment>%1 is the manifest&apos;s file name, manifest.json; %2 is a folder.</extracomment>
        <translation>Le fichier %1 de %2 liste plus de fichiers qu’une calculatrice n’en contient.</translation>
    </message>
</context>
<context>
    <name>BackupRestorer</name>
    <message>
        <source>The backup in %1 is not complete; nothing was sent.</source>
        <translation>La sauvegarde de %1 est incomplète&#xa0;; rien n’a été envoyé.</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Rien n’a été envoyé.</translation>
    </message>
    <message>
        <source>A file the calculator could not list can&apos;t be restored: %1.</source>
        <translation>Un fichier que la calculatrice n’a pas pu lister ne peut pas être restauré&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be restored: %2.</source>
        <translation>Impossible de restaurer %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>After the restore, %1 is not on the calculator with its %2 bytes.</source>
        <translation>Après la restauration, %1 n’est pas sur la calculatrice avec ses %2 octets.</translation>
    </message>
    <message numerus="yes">
        <source>%n more files of the backup do not match its manifest.</source>
        <translation>
            <numerusform>%n autre fichier de la sauvegarde ne correspond pas à son manifeste.</numerusform>
            <numerusform>%n autres fichiers de la sauvegarde ne correspondent pas à son manifeste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more files of the backup can&apos;t be restored.</source>
        <translation>
            <numerusform>%n autre fichier de la sauvegarde ne peut pas être restauré.</numerusform>
            <numerusform>%n autres fichiers de la sauvegarde ne peuvent pas être restaurés.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BackupTexts</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1 lists the first names; %n counts the names left out.</extracomment>
        <translation>
            <numerusform>%1 et %n autre</numerusform>
            <numerusform>%1 et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>the calculator</source>
        <translation>la calculatrice</translation>
    </message>
    <message>
        <source>Nothing was backed up from %1</source>
        <translation>Rien n’a été sauvegardé depuis %1</translation>
    </message>
    <message>
        <source>The backup of %1 is not complete; %2 is marked so</source>
        <extracomment>%2 is the backup&apos;s folder, whose manifest says it is incomplete.</extracomment>
        <translation>La sauvegarde de %1 est incomplète&#xa0;; %2 est marqué comme tel</translation>
    </message>
    <message numerus="yes">
        <source>Backed up %n files of %1 to %2</source>
        <extracomment>%1 is the calculator&apos;s name, %2 the backup&apos;s folder.</extracomment>
        <translation>
            <numerusform>%n fichier de %1 sauvegardé dans %2</numerusform>
            <numerusform>%n fichiers de %1 sauvegardés dans %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n files can&apos;t be restored from it</source>
        <extracomment>Follows &quot;Backed up 3 files of Vori X1 to …&quot;: files the backup holds that a restore can&apos;t send back (too large, a name not allowed).</extracomment>
        <translation>
            <numerusform>&#xa0;; %n fichier ne pourra pas en être restauré</numerusform>
            <numerusform>&#xa0;; %n fichiers ne pourront pas en être restaurés</numerusform>
        </translation>
    </message>
    <message>
        <source>a calculator</source>
        <extracomment>Stands for the device name of a backup whose manifest gives none.</extracomment>
        <translation>une calculatrice</translation>
    </message>
    <message>
        <source>Restore to %1 the backup of %2 made on %3 at %4?</source>
        <translation>Restaurer sur %1 la sauvegarde faite depuis %2 le %3 à %4&#xa0;?</translation>
    </message>
    <message>
        <source>Restore to %1 the backup of %2?</source>
        <translation>Restaurer sur %1 la sauvegarde faite depuis %2&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>%n files will be added: %1.</source>
        <extracomment>%1 lists the calculator&apos;s file names.</extracomment>
        <translation>
            <numerusform>%n fichier sera ajouté&#xa0;: %1.</numerusform>
            <numerusform>%n fichiers seront ajoutés&#xa0;: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files will be replaced: %1.</source>
        <extracomment>%1 lists the calculator&apos;s file names.</extracomment>
        <translation>
            <numerusform>%n fichier sera remplacé&#xa0;: %1.</numerusform>
            <numerusform>%n fichiers seront remplacés&#xa0;: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The backup holds no file to restore.</source>
        <translation>La sauvegarde ne contient aucun fichier à restaurer.</translation>
    </message>
    <message>
        <source>Nothing is deleted, on the calculator or on this computer.</source>
        <translation>Rien n’est supprimé, ni sur la calculatrice ni sur cet ordinateur.</translation>
    </message>
    <message numerus="yes">
        <source>%n files of the backup can&apos;t be restored: %1.</source>
        <extracomment>%1 lists the files with the reason for each.</extracomment>
        <translation>
            <numerusform>%n fichier de la sauvegarde ne peut pas être restauré&#xa0;: %1.</numerusform>
            <numerusform>%n fichiers de la sauvegarde ne peuvent pas être restaurés&#xa0;: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was restored to %1</source>
        <translation>Rien n’a été restauré sur %1</translation>
    </message>
    <message>
        <source>The backup held nothing to restore to %1</source>
        <translation>La sauvegarde ne contenait rien à restaurer sur %1</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n files to %1 and checked them</source>
        <extracomment>Checked: the calculator&apos;s listing shows every file with its size.</extracomment>
        <translation>
            <numerusform>%n fichier restauré sur %1 et vérifié</numerusform>
            <numerusform>%n fichiers restaurés sur %1 et vérifiés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %n files to %1, but the calculator does not list them all as sent</source>
        <translation>
            <numerusform>%n fichier restauré sur %1, mais la calculatrice ne l’indique pas comme envoyé</numerusform>
            <numerusform>%n fichiers restaurés sur %1, mais la calculatrice ne les indique pas tous comme envoyés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %1 of %n files to %2</source>
        <extracomment>%1 files of %n were sent; %2 is the calculator&apos;s name.</extracomment>
        <translation>
            <numerusform>%1 sur %n fichier restauré sur %2</numerusform>
            <numerusform>%1 sur %n fichiers restaurés sur %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n files of the backup can&apos;t be restored</source>
        <translation>
            <numerusform>&#xa0;; %n fichier de la sauvegarde ne peut pas être restauré</numerusform>
            <numerusform>&#xa0;; %n fichiers de la sauvegarde ne peuvent pas être restaurés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BackupWriter</name>
    <message>
        <source>No backup folder can be made in %1.</source>
        <translation>Impossible de créer un dossier de sauvegarde dans %1.</translation>
    </message>
    <message>
        <source>Folder %1 does not exist.</source>
        <translation>Le dossier %1 n’existe pas.</translation>
    </message>
    <message>
        <source>This backup did not finish; it lacks files.</source>
        <translation>Cette sauvegarde ne s’est pas terminée&#xa0;; il manque des fichiers.</translation>
    </message>
    <message>
        <source>the folder can&apos;t be written</source>
        <translation>impossible d’écrire dans le dossier</translation>
    </message>
    <message>
        <source>%1 is not in the backup: %2.</source>
        <translation>%1 n’est pas dans la sauvegarde&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is in the backup, but restore can&apos;t send it back: %2.</source>
        <translation>%1 est dans la sauvegarde, mais la restauration ne pourra pas le renvoyer&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the calculator&apos;s file list could not be read</source>
        <translation>impossible de lire la liste des fichiers de la calculatrice</translation>
    </message>
    <message>
        <source>%1 could not be copied: %2</source>
        <translation>Impossible de copier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 arrived with %2 bytes; the calculator listed %3</source>
        <translation>%1 est arrivé avec %2 octets&#xa0;; la calculatrice en indiquait %3</translation>
    </message>
    <message>
        <source>%1 can&apos;t be written: %2</source>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>This backup is not complete: %1.</source>
        <translation>Cette sauvegarde est incomplète&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The backup in %1 is not complete: %2.</source>
        <translation>La sauvegarde de %1 est incomplète&#xa0;: %2.</translation>
    </message>
    <message>
        <source>it was cancelled</source>
        <translation>elle a été annulée</translation>
    </message>
    <message>
        <source>The folder %1 is no longer the one chosen for backups: it was replaced, or belongs to someone else now. Nothing was written into it; choose the folder for backups again.</source>
        <translation>Le dossier %1 n’est plus celui choisi pour les sauvegardes : il a été remplacé, ou appartient maintenant à quelqu’un d’autre. Rien n’y a été écrit ; choisissez de nouveau le dossier des sauvegardes.</translation>
    </message>
    <message>
        <source>The backup folder %1 was moved or replaced while the backup was written, so the backup is not in it.</source>
        <translation>Le dossier de sauvegarde %1 a été déplacé ou remplacé pendant l’écriture de la sauvegarde ; elle ne s’y trouve donc pas.</translation>
    </message>
</context>
<context>
    <name>BatchPlanner</name>
    <message>
        <source>File %1 does not exist.</source>
        <translation>Le fichier %1 n’existe pas.</translation>
    </message>
    <message>
        <source>File %1 is zero-length and can&apos;t be sent.</source>
        <translation>Le fichier %1 est vide (0 octet) et ne peut pas être envoyé.</translation>
    </message>
    <message>
        <source>File %1 has no name the calculator can keep.</source>
        <translation>Le fichier %1 n’a pas de nom que la calculatrice puisse garder.</translation>
    </message>
    <message>
        <source>%1 and %2 would both be %3 on the calculator.</source>
        <translation>%1 et %2 s’appelleraient tous deux %3 sur la calculatrice.</translation>
    </message>
    <message>
        <source>File %1 is not on the calculator.</source>
        <translation>Le fichier %1 n’est pas sur la calculatrice.</translation>
    </message>
    <message>
        <source>%1 is neither a file on the calculator nor a valid pattern.</source>
        <translation>%1 n’est ni un fichier de la calculatrice ni un motif valide.</translation>
    </message>
    <message>
        <source>No file on the calculator matches %1.</source>
        <translation>Aucun fichier de la calculatrice ne correspond à %1.</translation>
    </message>
</context>
<context>
    <name>BatchRunner</name>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existe déjà. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>%1 is already on the calculator. Replace it with %2?</source>
        <translation>%1 est déjà sur la calculatrice. Le remplacer par %2&#xa0;?</translation>
    </message>
    <message>
        <source>Already in %1: %2. Nothing was copied; choose what to do with --on-conflict=replace or --on-conflict=skip.</source>
        <translation>Déjà dans %1&#xa0;: %2. Rien n’a été copié&#xa0;; choisissez quoi faire avec --on-conflict=replace ou --on-conflict=skip.</translation>
    </message>
    <message>
        <source>Already on the calculator: %1. Nothing was sent; choose what to do with --on-conflict=replace or --on-conflict=skip.</source>
        <translation>Déjà sur la calculatrice&#xa0;: %1. Rien n’a été envoyé&#xa0;; choisissez quoi faire avec --on-conflict=replace ou --on-conflict=skip.</translation>
    </message>
    <message>
        <source>the calculator at %1 may hold part of %2</source>
        <extracomment>One of the things left part-way, in &quot;Interrupted; %1.&quot;.</extracomment>
        <translation>la calculatrice sur %1 contient peut-être une partie de %2</translation>
    </message>
    <message>
        <source>Folder %1 does not exist.</source>
        <translation>Le dossier %1 n’existe pas.</translation>
    </message>
    <message>
        <source>Folder %1 can&apos;t be made.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>Skipped %1: the file exists.</source>
        <translation>%1 ignoré&#xa0;: le fichier existe.</translation>
    </message>
    <message>
        <source>copied %1, skipped %2 into %3</source>
        <translation>copiés&#xa0;: %1, ignorés&#xa0;: %2, dans %3</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Rien n’a été envoyé.</translation>
    </message>
    <message>
        <source>Skipped %1: %2 is already on the calculator.</source>
        <translation>%1 ignoré&#xa0;: %2 est déjà sur la calculatrice.</translation>
    </message>
    <message>
        <source>File %1 was not sent.</source>
        <translation>Le fichier %1 n’a pas été envoyé.</translation>
    </message>
    <message>
        <source>sent %1, skipped %2</source>
        <translation>envoyés&#xa0;: %1, ignorés&#xa0;: %2</translation>
    </message>
    <message>
        <source>File %1 was not deleted.</source>
        <translation>Le fichier %1 n’a pas été supprimé.</translation>
    </message>
    <message numerus="yes">
        <source>deleted %n files</source>
        <translation>
            <numerusform>%n fichier supprimé</numerusform>
            <numerusform>%n fichiers supprimés</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped %1: it is already on the calculator.</source>
        <translation>%1 ignoré&#xa0;: il est déjà sur la calculatrice.</translation>
    </message>
    <message>
        <source>restored %1, skipped %2 from %3</source>
        <translation>restaurés&#xa0;: %1, ignorés&#xa0;: %2, depuis %3</translation>
    </message>
    <message>
        <source>The folder %1 was moved or replaced while files were copied into it, so they are not in it.</source>
        <translation>Le dossier %1 a été déplacé ou remplacé pendant que des fichiers y étaient copiés ; ils ne s’y trouvent donc pas.</translation>
    </message>
    <message>
        <source>This backup is of %1, not of %2: its files are restored to %2.</source>
        <translation>Cette sauvegarde est celle de %1, pas de %2&#xa0;: ses fichiers sont restaurés sur %2.</translation>
    </message>
</context>
<context>
    <name>CVivuRuza</name>
    <message>
        <source>Unknown error.</source>
        <translation>Erreur inconnue.</translation>
    </message>
    <message>
        <source>File doesn’t exist.</source>
        <translation>Le fichier n’existe pas.</translation>
    </message>
    <message>
        <source>Connection error (error code: 423).</source>
        <translation>Erreur de connexion (code d’erreur&#xa0;: 423).</translation>
    </message>
    <message>
        <source>Memory error.</source>
        <translation>Erreur de mémoire.</translation>
    </message>
    <message>
        <source>Write error.</source>
        <translation>Erreur d’écriture.</translation>
    </message>
    <message>
        <source>Wrong data size.</source>
        <translation>Taille de données incorrecte.</translation>
    </message>
    <message>
        <source>Wrong frame number.</source>
        <translation>Numéro de bloc incorrect.</translation>
    </message>
    <message>
        <source>The calculator sent an unexpected reply (%1).</source>
        <extracomment>%1 is what was asked, such as &quot;file list&quot;.</extracomment>
        <translation>La calculatrice a envoyé une réponse inattendue (%1).</translation>
    </message>
    <message>
        <source>device information</source>
        <extracomment>What was asked, in &quot;The calculator sent a malformed reply (%1).&quot;</extracomment>
        <translation>informations sur l’appareil</translation>
    </message>
    <message>
        <source>number of files</source>
        <extracomment>What was asked, in &quot;The calculator sent a malformed reply (%1).&quot;</extracomment>
        <translation>nombre de fichiers</translation>
    </message>
    <message>
        <source>The calculator reported %1 files, which no calculator holds; its file list was not read.</source>
        <translation>La calculatrice annonce %1 fichiers, ce qu’aucune calculatrice ne contient&#xa0;; sa liste de fichiers n’a pas été lue.</translation>
    </message>
    <message>
        <source>file list</source>
        <extracomment>What was asked, in &quot;The calculator sent a malformed reply (%1).&quot;</extracomment>
        <translation>liste des fichiers</translation>
    </message>
    <message>
        <source>The calculator sent a malformed entry (%1 of %2) in its file list; that file is left out.</source>
        <translation>La calculatrice a envoyé une entrée mal formée (%1 sur %2) dans sa liste de fichiers&#xa0;; ce fichier est laissé de côté.</translation>
    </message>
    <message>
        <source>content of %1</source>
        <extracomment>What was asked, in &quot;The calculator sent a malformed reply (%1).&quot;; %1 is a file name.</extracomment>
        <translation>contenu de %1</translation>
    </message>
    <message>
        <source>The calculator&apos;s file name &quot;%1&quot; is not a safe file name; the file was not copied.</source>
        <translation>Le nom de fichier «&#xa0;%1&#xa0;» venant de la calculatrice n’est pas sûr&#xa0;; le fichier n’a pas été copié.</translation>
    </message>
    <message>
        <source>File %1 can&apos;t be written to %2.</source>
        <translation>Impossible d’écrire le fichier %1 dans %2.</translation>
    </message>
    <message>
        <source>File can&apos;t be sent.</source>
        <translation>Le fichier ne peut pas être envoyé.</translation>
    </message>
    <message>
        <source>File %1 can&apos;t be sent: this calculator announces chunks larger than one message can carry.</source>
        <translation>Le fichier %1 ne peut pas être envoyé&#xa0;: cette calculatrice demande des blocs plus grands qu’un message ne peut en contenir.</translation>
    </message>
    <message>
        <source>sending %1</source>
        <extracomment>What was asked, in &quot;The calculator sent a malformed reply (%1).&quot;; %1 is a file name.</extracomment>
        <translation>envoi de %1</translation>
    </message>
    <message>
        <source>deleting %1</source>
        <extracomment>What was asked; %1 is a file name.</extracomment>
        <translation>suppression de %1</translation>
    </message>
    <message>
        <source>renaming</source>
        <extracomment>What was asked, in &quot;The calculator sent a malformed reply (%1).&quot;</extracomment>
        <translation>changement de nom</translation>
    </message>
</context>
<context>
    <name>CVivuRuzaSession</name>
    <message>
        <source>the calculator</source>
        <extracomment>Stands for a calculator without a name, in &quot;Sent 2 files to %1&quot;.</extracomment>
        <translation>la calculatrice</translation>
    </message>
</context>
<context>
    <name>CVoriWorker</name>
    <message>
        <source>The calculator at %1 answered, but its file list could not be read. %2</source>
        <translation>La calculatrice sur %1 a répondu, mais sa liste de fichiers n’a pas pu être lue. %2</translation>
    </message>
    <message>
        <source>the calculator at %1</source>
        <translation>la calculatrice sur %1</translation>
    </message>
    <message numerus="yes">
        <source>%n files on %1 could not be read and are not shown.</source>
        <extracomment>%1 is a calculator&apos;s name.</extracomment>
        <translation>
            <numerusform>%n fichier de %1 n’a pas pu être lu et n’est pas affiché.</numerusform>
            <numerusform>%n fichiers de %1 n’ont pas pu être lus et ne sont pas affichés.</numerusform>
        </translation>
    </message>
    <message>
        <source>The calculator did not accept the name &quot;%1&quot;.</source>
        <translation>La calculatrice n’a pas accepté le nom «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>CalcRunner</name>
    <message>
        <source>name: %1</source>
        <translation>nom&#xa0;: %1</translation>
    </message>
    <message>
        <source>chunk size: %1</source>
        <translation>taille des blocs&#xa0;: %1</translation>
    </message>
    <message>
        <source>hardware: %1</source>
        <translation>matériel&#xa0;: %1</translation>
    </message>
    <message>
        <source>firmware: %1</source>
        <translation>micrologiciel&#xa0;: %1</translation>
    </message>
    <message>
        <source>protocol version: %1</source>
        <translation>version du protocole&#xa0;: %1</translation>
    </message>
    <message>
        <source>chunk %1, %2 %3 %4</source>
        <extracomment>%1 is the chunk size; %2, %3 and %4 the hardware, firmware and protocol versions.</extracomment>
        <translation>bloc %1, %2 %3 %4</translation>
    </message>
    <message>
        <source>The calculator&apos;s file list could not be read.</source>
        <translation>Impossible de lire la liste des fichiers de la calculatrice.</translation>
    </message>
    <message>
        <source>The calculator refused the name %1.</source>
        <translation>La calculatrice a refusé le nom %1.</translation>
    </message>
    <message>
        <source>renamed to %1</source>
        <translation>renommée en %1</translation>
    </message>
    <message>
        <source>the backup in %1 is marked incomplete</source>
        <extracomment>One of the things left part-way, in &quot;Interrupted; %1.&quot;.</extracomment>
        <translation>la sauvegarde de %1 est marquée incomplète</translation>
    </message>
    <message numerus="yes">
        <source>%n files in %1</source>
        <translation>
            <numerusform>%n fichier dans %1</numerusform>
            <numerusform>%n fichiers dans %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The name %1 has %2 characters, more than a device name can have; the calculator keeps its name.</source>
        <extracomment>%1 is the name a station&apos;s --name gave this calculator.</extracomment>
        <translation>Le nom %1 compte %2 caractères, plus qu’un nom d’appareil ne peut en avoir&#xa0;; la calculatrice garde son nom.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1 lists the first names; %n counts the names left out.</extracomment>
        <translation>
            <numerusform>%1 et %n autre</numerusform>
            <numerusform>%1 et %n autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were not collected: %1.</source>
        <extracomment>%1 lists the files.</extracomment>
        <translation>
            <numerusform>%n fichier n’a pas été collecté&#xa0;: %1.</numerusform>
            <numerusform>%n fichiers n’ont pas été collectés&#xa0;: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were collected but not deleted on the calculator: %1.</source>
        <extracomment>%1 lists the files, which are in the folder and still on the calculator.</extracomment>
        <translation>
            <numerusform>%n fichier a été collecté mais pas supprimé de la calculatrice&#xa0;: %1.</numerusform>
            <numerusform>%n fichiers ont été collectés mais pas supprimés de la calculatrice&#xa0;: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>the collection in %1 lacks files; %2 says which</source>
        <extracomment>One of the things left part-way, in &quot;Interrupted; %1.&quot;.</extracomment>
        <translation>il manque des fichiers dans la collecte de %1&#xa0;; %2 indique lesquels</translation>
    </message>
    <message numerus="yes">
        <source>collected and cleared %n files into %1</source>
        <translation>
            <numerusform>%n fichier collecté dans %1 et supprimé de la calculatrice</numerusform>
            <numerusform>%n fichiers collectés dans %1 et supprimés de la calculatrice</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>collected %n files into %1</source>
        <translation>
            <numerusform>%n fichier collecté dans %1</numerusform>
            <numerusform>%n fichiers collectés dans %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalculatorPane</name>
    <message>
        <source>Choose %1</source>
        <translation>Choisir %1</translation>
    </message>
    <message>
        <source>Calculators</source>
        <translation>Calculatrices</translation>
    </message>
    <message>
        <source>Reading the calculator on %1…</source>
        <extracomment>%1 is the ports being read, separated by commas.</extracomment>
        <translation>Lecture de la calculatrice sur %1…</translation>
    </message>
    <message>
        <source>Connect a calculator with its USB cable. It shows up here within a few seconds.</source>
        <translation>Branchez une calculatrice avec son câble USB. Elle apparaît ici en quelques secondes.</translation>
    </message>
    <message>
        <source>Nothing appears? Check that the calculator is switched on and shows its home screen, and that /dev/ttyACM0 (or a later number) exists. If you may not open it, /usr/share/doc/vuve-vudurod/troubleshooting.md tells how to get access.</source>
        <translation>Rien n’apparaît&#xa0;? Vérifiez que la calculatrice est allumée et affiche son écran d’accueil, et que /dev/ttyACM0 (ou un numéro suivant) existe. Si vous n’avez pas le droit de l’ouvrir, /usr/share/doc/vuve-vudurod/troubleshooting.md explique comment obtenir l’accès.</translation>
    </message>
    <message numerus="yes">
        <source>%n devices need attention:</source>
        <translation>
            <numerusform>%n appareil demande votre attention&#xa0;:</numerusform>
            <numerusform>%n appareils demandent votre attention&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Masquer</translation>
    </message>
</context>
<context>
    <name>ClassJobModel</name>
    <message>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>sending %1 of %2: %3</source>
        <translation>envoi %1 sur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>, %1 of %2</source>
        <translation>, %1 sur %2</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message numerus="yes">
        <source>cancelled after %n files</source>
        <translation>
            <numerusform>annulé après %n fichier</numerusform>
            <numerusform>annulé après %n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>done</source>
        <translation>terminé</translation>
    </message>
    <message numerus="yes">
        <source>%n files sent</source>
        <translation>
            <numerusform>%n fichier envoyé</numerusform>
            <numerusform>%n fichiers envoyés</numerusform>
        </translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échec</translation>
    </message>
    <message>
        <source>%1 of %2 files sent</source>
        <translation>fichiers envoyés&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>%1 of %2 calculators finished</source>
        <translation>calculatrices ayant terminé&#xa0;: %1 sur %2</translation>
    </message>
    <message numerus="yes">
        <source>Sent %n files</source>
        <translation>
            <numerusform>%n fichier envoyé</numerusform>
            <numerusform>%n fichiers envoyés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> to %1 of %n calculators</source>
        <translation>
            <numerusform> à %1 sur %n calculatrice</numerusform>
            <numerusform> à %1 sur %n calculatrices</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n failed: %1</source>
        <translation>
            <numerusform>&#xa0;; %n échec&#xa0;: %1</numerusform>
            <numerusform>&#xa0;; %n échecs&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n cancelled</source>
        <translation>
            <numerusform>&#xa0;; %n annulée</numerusform>
            <numerusform>&#xa0;; %n annulées</numerusform>
        </translation>
    </message>
    <message>
        <source>backing up %1 of %2: %3</source>
        <translation>sauvegarde %1 sur %2&#xa0;: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n files backed up</source>
        <translation>
            <numerusform>%n fichier sauvegardé</numerusform>
            <numerusform>%n fichiers sauvegardés</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 files backed up</source>
        <translation>fichiers sauvegardés&#xa0;: %1 sur %2</translation>
    </message>
    <message numerus="yes">
        <source>Backed up %1 of %n calculators</source>
        <translation>
            <numerusform>Calculatrices sauvegardées&#xa0;: %1 sur %n</numerusform>
            <numerusform>Calculatrices sauvegardées&#xa0;: %1 sur %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The station is on: %1</source>
        <translation>La station est en marche&#xa0;: %1</translation>
    </message>
    <message>
        <source>The station is off.</source>
        <translation>La station est arrêtée.</translation>
    </message>
    <message>
        <source>Plug in a calculator.</source>
        <translation>Branchez une calculatrice.</translation>
    </message>
    <message numerus="yes">
        <source>%n calculators served</source>
        <translation>
            <numerusform>%n calculatrice servie</numerusform>
            <numerusform>%n calculatrices servies</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n in progress</source>
        <translation>
            <numerusform>, %n en cours</numerusform>
            <numerusform>, %n en cours</numerusform>
        </translation>
    </message>
    <message>
        <source>collecting %1 of %2: %3</source>
        <translation>collecte %1 sur %2&#xa0;: %3</translation>
    </message>
    <message numerus="yes">
        <source>collected %n files</source>
        <translation>
            <numerusform>%n fichier collecté</numerusform>
            <numerusform>%n fichiers collectés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>collected and cleared %n files</source>
        <translation>
            <numerusform>%n fichier collecté et effacé</numerusform>
            <numerusform>%n fichiers collectés et effacés</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 files collected</source>
        <translation>fichiers collectés&#xa0;: %1 sur %2</translation>
    </message>
    <message numerus="yes">
        <source>Collected from %1 of %n calculators</source>
        <translation>
            <numerusform>Calculatrices collectées&#xa0;: %1 sur %n</numerusform>
            <numerusform>Calculatrices collectées&#xa0;: %1 sur %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Collected from and cleared %1 of %n calculators</source>
        <translation>
            <numerusform>Calculatrices collectées et effacées&#xa0;: %1 sur %n</numerusform>
            <numerusform>Calculatrices collectées et effacées&#xa0;: %1 sur %n</numerusform>
        </translation>
    </message>
    <message>
        <source>comparing %1 of %2: %3</source>
        <translation>compare %1 sur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>compared</source>
        <translation>comparée</translation>
    </message>
    <message numerus="yes">
        <source>Compared %1 of %n calculators with the folder</source>
        <translation>
            <numerusform>Calculatrices comparées au dossier&#xa0;: %1 sur %n</numerusform>
            <numerusform>Calculatrices comparées au dossier&#xa0;: %1 sur %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassJobs</name>
    <message numerus="yes">
        <source>Send to %n calculators</source>
        <translation>
            <numerusform>Envoyer à %n calculatrice</numerusform>
            <numerusform>Envoyer à %n calculatrices</numerusform>
        </translation>
    </message>
    <message>
        <source>send</source>
        <translation>envoyer</translation>
    </message>
    <message numerus="yes">
        <source>Back up %n calculators into %1</source>
        <translation>
            <numerusform>Sauvegarder %n calculatrice dans %1</numerusform>
            <numerusform>Sauvegarder %n calculatrices dans %1</numerusform>
        </translation>
    </message>
    <message>
        <source>back up</source>
        <translation>sauvegarder</translation>
    </message>
    <message>
        <source>each calculator plugged in is sent 1 file, %1, which replaces one of its name.</source>
        <translation>chaque calculatrice branchée reçoit 1 fichier, %1, qui remplace celui du même nom.</translation>
    </message>
    <message numerus="yes">
        <source>each calculator plugged in is sent %n files, %1, which replace those of their names.</source>
        <translation>
            <numerusform>chaque calculatrice branchée reçoit %n fichier, %1, qui remplace celui du même nom.</numerusform>
            <numerusform>chaque calculatrice branchée reçoit %n fichiers, %1, qui remplacent ceux des mêmes noms.</numerusform>
        </translation>
    </message>
    <message>
        <source>These files are left out: %1</source>
        <extracomment>Follows what the station sends; %1 tells each pair of files left out.</extracomment>
        <translation>Ces fichiers sont laissés de côté&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>Station: send %n files</source>
        <translation>
            <numerusform>Station&#xa0;: envoyer %n fichier</numerusform>
            <numerusform>Station&#xa0;: envoyer %n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Station: back up</source>
        <translation>Station&#xa0;: sauvegarder</translation>
    </message>
    <message>
        <source>each calculator plugged in is backed up into a folder of its own in %1.</source>
        <translation>chaque calculatrice branchée est sauvegardée dans un dossier qui lui est propre dans %1.</translation>
    </message>
    <message>
        <source>collected %1 of %2 files, cleared %3</source>
        <extracomment>A row of the class panel: everything was copied, not all deleted.</extracomment>
        <translation>fichiers collectés&#xa0;: %1 sur %2, effacés&#xa0;: %3</translation>
    </message>
    <message>
        <source>collected %1 of %2 files</source>
        <translation>fichiers collectés&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>collected %1 of %2 files; not collected: %3</source>
        <extracomment>%3 names the files that were not collected.</extracomment>
        <translation>fichiers collectés&#xa0;: %1 sur %2&#xa0;; non collectés&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Collect from and clear %n calculators into %1</source>
        <translation>
            <numerusform>Collecter et effacer %n calculatrice dans %1</numerusform>
            <numerusform>Collecter et effacer %n calculatrices dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Collect from %n calculators into %1</source>
        <translation>
            <numerusform>Collecter %n calculatrice dans %1</numerusform>
            <numerusform>Collecter %n calculatrices dans %1</numerusform>
        </translation>
    </message>
    <message>
        <source>collect and clear</source>
        <translation>collecter et effacer</translation>
    </message>
    <message>
        <source>collect</source>
        <translation>collecter</translation>
    </message>
    <message>
        <source>Station: collect and clear</source>
        <translation>Station&#xa0;: collecter et effacer</translation>
    </message>
    <message>
        <source>Station: collect</source>
        <translation>Station&#xa0;: collecter</translation>
    </message>
    <message>
        <source>each calculator plugged in has its files collected into a folder of its own in %1, then deleted on it once they are checked.</source>
        <translation>les fichiers de chaque calculatrice branchée sont collectés dans un dossier qui lui est propre dans %1, puis effacés de la calculatrice une fois contrôlés.</translation>
    </message>
    <message>
        <source>each calculator plugged in has its files collected into a folder of its own in %1.</source>
        <translation>les fichiers de chaque calculatrice branchée sont collectés dans un dossier qui lui est propre dans %1.</translation>
    </message>
    <message>
        <source>up to date</source>
        <translation>à jour</translation>
    </message>
    <message>
        <source>%1 to send, %2 to replace, %3 extra</source>
        <extracomment>A row of the class panel: what a calculator needs to match the folder.</extracomment>
        <translation>à envoyer&#xa0;: %1, à remplacer&#xa0;: %2, en trop&#xa0;: %3</translation>
    </message>
    <message numerus="yes">
        <source>Compare %n calculators with %1</source>
        <translation>
            <numerusform>Comparer %n calculatrice à %1</numerusform>
            <numerusform>Comparer %n calculatrices à %1</numerusform>
        </translation>
    </message>
    <message>
        <source>compare</source>
        <translation>comparer</translation>
    </message>
    <message numerus="yes">
        <source>Sync %n calculators with %1</source>
        <translation>
            <numerusform>Aligner %n calculatrice sur %1</numerusform>
            <numerusform>Aligner %n calculatrices sur %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassPanel</name>
    <message>
        <source>Calculators of the job</source>
        <translation>Calculatrices de la tâche</translation>
    </message>
    <message>
        <source>Retry the failed ones</source>
        <translation>Réessayer celles en échec</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancel the job on every calculator</source>
        <translation>Annuler la tâche sur toutes les calculatrices</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Switch the Station Off</source>
        <translation>Arrêter la station</translation>
    </message>
    <message>
        <source>Open the folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Open the folder the files were collected into</source>
        <translation>Ouvrir le dossier où les fichiers ont été collectés</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Aligner</translation>
    </message>
    <message>
        <source>Send each calculator the files it needs</source>
        <translation>Envoyer à chaque calculatrice les fichiers qui lui manquent</translation>
    </message>
</context>
<context>
    <name>ClassRun</name>
    <message>
        <source>The calculator is no longer attached.</source>
        <translation>La calculatrice n’est plus branchée.</translation>
    </message>
    <message>
        <source>The calculator was busy with another job; try again.</source>
        <translation>La calculatrice était occupée par une autre tâche&#xa0;; réessayez.</translation>
    </message>
</context>
<context>
    <name>ClassSendFlow</name>
    <message>
        <source>No calculator is connected</source>
        <translation>Aucune calculatrice n’est branchée</translation>
    </message>
    <message>
        <source>No calculator is chosen</source>
        <translation>Aucune calculatrice n’est choisie</translation>
    </message>
    <message>
        <source>These files are zero-length and will not be sent: %1</source>
        <translation>Ces fichiers sont vides (0 octet) et ne seront pas envoyés&#xa0;: %1</translation>
    </message>
    <message>
        <source>These names are too long for a calculator and change: %1</source>
        <translation>Ces noms sont trop longs pour une calculatrice et vont changer&#xa0;: %1</translation>
    </message>
    <message>
        <source>Some calculators already hold %1.
Replace them on every calculator, or skip them?</source>
        <translation>Certaines calculatrices contiennent déjà %1.
Les remplacer sur toutes les calculatrices, ou les ignorer&#xa0;?</translation>
    </message>
    <message>
        <source>Send to several calculators</source>
        <translation>Envoyer à plusieurs calculatrices</translation>
    </message>
    <message>
        <source>Files already on calculators</source>
        <translation>Fichiers déjà sur les calculatrices</translation>
    </message>
    <message>
        <source>Replace all</source>
        <translation>Tout remplacer</translation>
    </message>
    <message>
        <source>Skip all</source>
        <translation>Tout ignorer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Please choose files for the calculators</source>
        <translation>Choisissez les fichiers pour les calculatrices</translation>
    </message>
    <message>
        <source>Vori calc files (*.py *.bin)</source>
        <translation>Fichiers de calculatrice Vori (*.py *.bin)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>These files can&apos;t be sent to any calculator and are left out: %1</source>
        <translation>Aucune calculatrice ne peut recevoir ces fichiers, ils sont laissés de côté&#xa0;: %1</translation>
    </message>
    <message>
        <source>These files are left out: %1</source>
        <translation>Ces fichiers sont laissés de côté&#xa0;: %1</translation>
    </message>
    <message>
        <source>Names on the calculator are upper case, so these change: %1</source>
        <translation>Les noms sur la calculatrice sont en majuscules, ces noms changent donc&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ClassSendPlan</name>
    <message>
        <source>not found</source>
        <translation>introuvable</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>can&apos;t be read</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>larger than 1 MiB</source>
        <translation>plus de 1 Mio</translation>
    </message>
    <message>
        <source>no name a calculator can keep</source>
        <translation>aucun nom qu’une calculatrice puisse garder</translation>
    </message>
    <message>
        <source>%1 and %2 would both be %3 on the calculator.</source>
        <translation>%1 et %2 s’appelleraient tous deux %3 sur la calculatrice.</translation>
    </message>
</context>
<context>
    <name>CollectFlow</name>
    <message>
        <source>Clear all calculators</source>
        <translation>Effacer toutes les calculatrices</translation>
    </message>
    <message>
        <source>Collect from all calculators</source>
        <translation>Collecter toutes les calculatrices</translation>
    </message>
    <message>
        <source>Every file on each calculator is copied into a folder named after the calculator, in this folder, and read a second time to check the copy. A receipt, receipt.csv, lists each file and what became of it.</source>
        <translation>Chaque fichier de chaque calculatrice est copié dans un dossier au nom de la calculatrice, dans ce dossier, puis lu une deuxième fois pour contrôler la copie. Un reçu, receipt.csv, indique chaque fichier et ce qu&apos;il est devenu.</translation>
    </message>
    <message>
        <source>Nothing was collected: the folder can&apos;t be made, or a job over several calculators still runs</source>
        <translation>Rien n&apos;a été collecté&#xa0;: le dossier ne peut pas être créé, ou une tâche sur plusieurs calculatrices est encore en cours</translation>
    </message>
    <message>
        <source>Change Folder…</source>
        <translation>Changer de dossier…</translation>
    </message>
    <message>
        <source>Delete the files on the calculators once they are collected</source>
        <translation>Effacer les fichiers des calculatrices une fois collectés</translation>
    </message>
    <message>
        <source>Each calculator&apos;s files are deleted on it once all of them have been copied: only a file whose copy was written whole and read the same twice is deleted. A file that could not be copied or checked stays on the calculator, and nothing is deleted on a calculator whose copies could not be written.</source>
        <translation>Les fichiers d&apos;une calculatrice en sont effacés une fois tous copiés&#xa0;: seul un fichier dont la copie a été écrite en entier et lue deux fois à l&apos;identique est effacé. Un fichier qui n&apos;a pas pu être copié ou contrôlé reste sur la calculatrice, et rien n&apos;est effacé d&apos;une calculatrice dont les copies n&apos;ont pas pu être écrites.</translation>
    </message>
    <message>
        <source>Collect and Clear</source>
        <translation>Collecter et effacer</translation>
    </message>
    <message>
        <source>Collect</source>
        <translation>Collecter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Choose the folder for collected work</source>
        <translation>Choisir le dossier des travaux collectés</translation>
    </message>
</context>
<context>
    <name>CollectWriter</name>
    <message>
        <source>not collected: %1</source>
        <translation>non collecté&#xa0;: %1</translation>
    </message>
    <message>
        <source>Folder %1 can&apos;t be opened: %2</source>
        <translation>Le dossier %1 ne peut pas être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>The calculator&apos;s file list could not be read.</source>
        <translation>La liste des fichiers de la calculatrice n&apos;a pas pu être lue.</translation>
    </message>
    <message>
        <source>No folder can be made in %1: %2</source>
        <translation>Aucun dossier ne peut être créé dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The folder %1 was moved or replaced while files were collected into it, so they are not in it.</source>
        <translation>Le dossier %1 a été déplacé ou remplacé pendant la collecte des fichiers, ils n&apos;y sont donc pas.</translation>
    </message>
    <message>
        <source>its name can&apos;t be a file name on the computer</source>
        <translation>son nom ne peut pas être un nom de fichier sur l&apos;ordinateur</translation>
    </message>
    <message>
        <source>%1 is not collected: %2.</source>
        <translation>%1 n&apos;est pas collecté&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the calculator lists this name twice, and a folder holds one file per name, whatever its case</source>
        <translation>la calculatrice indique ce nom deux fois, et un dossier contient un fichier par nom, majuscules ou non</translation>
    </message>
    <message>
        <source>it arrived with %1 bytes; the calculator listed %2</source>
        <translation>il est arrivé avec %1 octets&#xa0;; la calculatrice en indiquait %2</translation>
    </message>
    <message>
        <source>the two readings of it differ, so neither can be trusted</source>
        <translation>ses deux lectures diffèrent, aucune n&apos;est donc fiable</translation>
    </message>
    <message>
        <source>%1 can&apos;t be written: %2</source>
        <translation>%1 ne peut pas être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>it can&apos;t be written: %1</source>
        <translation>il ne peut pas être écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>collected, not deleted: %1</source>
        <translation>collecté, non effacé&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 is collected but not deleted on the calculator: %2.</source>
        <translation>%1 est collecté mais n&apos;est pas effacé de la calculatrice&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The receipt %1 can&apos;t be written: %2</source>
        <translation>Le reçu %1 ne peut pas être écrit&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>CompareView</name>
    <message>
        <source>Files compared</source>
        <translation>Fichiers comparés</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Also delete the files that are only on the calculator</source>
        <translation>Effacer aussi les fichiers qui ne sont que sur la calculatrice</translation>
    </message>
    <message>
        <source>Make the calculator match the folder</source>
        <translation>Aligner la calculatrice sur le dossier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Delete files on the calculator?</source>
        <translation>Effacer des fichiers de la calculatrice&#xa0;?</translation>
    </message>
    <message>
        <source>These files are only on the calculator and will be deleted: %1</source>
        <translation>Ces fichiers ne sont que sur la calculatrice et seront effacés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Delete and Match</source>
        <translation>Effacer et aligner</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Choose the folder to compare the calculator with</source>
        <translation>Choisir le dossier auquel comparer la calculatrice</translation>
    </message>
    <message>
        <source>The calculator is busy; compare again once its job has ended</source>
        <translation>La calculatrice est occupée&#xa0;; comparez à nouveau une fois sa tâche terminée</translation>
    </message>
</context>
<context>
    <name>ConflictAsker</name>
    <message>
        <source>[y]es/[n]o/[a]ll/none?</source>
        <extracomment>Keep the letters in brackets the first ones of the answers below.</extracomment>
        <translation>[o]ui/[n]on/[t]ous/aucun&#xa0;?</translation>
    </message>
    <message>
        <source>y</source>
        <extracomment>The short answer yes, as the prompt shows it in brackets.</extracomment>
        <translation>o</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>n</source>
        <extracomment>The short answer no, as the prompt shows it in brackets.</extracomment>
        <translation>n</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>a</source>
        <extracomment>The short answer all, as the prompt shows it in brackets.</extracomment>
        <translation>t</translation>
    </message>
    <message>
        <source>all</source>
        <translation>tous</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
</context>
<context>
    <name>CopyFolder</name>
    <message>
        <source>%1 cannot be made</source>
        <translation>impossible de créer %1</translation>
    </message>
</context>
<context>
    <name>DeleteFlow</name>
    <message>
        <source>Do you want to delete next files:%1?</source>
        <extracomment>%1 is the selected files&apos; names, each on a line of its own.</extracomment>
        <translation>Voulez-vous supprimer ces fichiers&#xa0;?%1</translation>
    </message>
</context>
<context>
    <name>DemoCalculators</name>
    <message>
        <source>Could not open a pseudo-terminal for the simulated calculator %1.</source>
        <translation>Impossible d’ouvrir un pseudo-terminal pour la calculatrice simulée %1.</translation>
    </message>
    <message>
        <source>%1 (simulated) on %2</source>
        <translation>%1 (simulée) sur %2</translation>
    </message>
    <message>
        <source>device on %1</source>
        <translation>appareil sur %1</translation>
    </message>
</context>
<context>
    <name>DownloadFlow</name>
    <message>
        <source>File %1 already exists on your PC.
Do you want to replace it?</source>
        <translation>Le fichier %1 existe déjà sur votre ordinateur.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Please choose a folder to save files</source>
        <translation>Choisissez un dossier où enregistrer les fichiers</translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>ErrorMeaning</name>
    <message>
        <source>send again</source>
        <extracomment>Ends advice such as &quot;restart it and %1&quot;.</extracomment>
        <translation>renvoyez le fichier</translation>
    </message>
    <message>
        <source>copy again</source>
        <extracomment>Ends advice such as &quot;restart it and %1&quot;.</extracomment>
        <translation>recommencez la copie</translation>
    </message>
    <message>
        <source>delete again</source>
        <extracomment>Ends advice such as &quot;restart it and %1&quot;.</extracomment>
        <translation>recommencez la suppression</translation>
    </message>
    <message>
        <source>try again</source>
        <extracomment>Ends advice such as &quot;restart it and %1&quot;.</extracomment>
        <translation>réessayez</translation>
    </message>
    <message>
        <source>the calculator lost the file while storing it; send again</source>
        <translation>la calculatrice a perdu le fichier en l’enregistrant&#xa0;; renvoyez-le</translation>
    </message>
    <message>
        <source>the file is not on the calculator; plug it in again to see the files it holds now</source>
        <translation>le fichier n’est pas sur la calculatrice&#xa0;; rebranchez-la pour voir les fichiers qu’elle contient maintenant</translation>
    </message>
    <message>
        <source>the calculator reported a connection problem; unplug it, plug it in and %1</source>
        <translation>la calculatrice signale un problème de connexion&#xa0;; débranchez-la, rebranchez-la et %1</translation>
    </message>
    <message>
        <source>the calculator&apos;s memory is full; delete files on it and send again</source>
        <translation>la mémoire de la calculatrice est pleine&#xa0;; supprimez-y des fichiers et renvoyez le fichier</translation>
    </message>
    <message>
        <source>the calculator ran out of memory; restart it and %1</source>
        <translation>la calculatrice manque de mémoire&#xa0;; redémarrez-la et %1</translation>
    </message>
    <message>
        <source>the calculator could not store the file; delete files on it or restart it, then send again</source>
        <translation>la calculatrice n’a pas pu enregistrer le fichier&#xa0;; supprimez-y des fichiers ou redémarrez-la, puis renvoyez le fichier</translation>
    </message>
    <message>
        <source>the calculator could not read the file; restart it and copy again</source>
        <translation>la calculatrice n’a pas pu lire le fichier&#xa0;; redémarrez-la et recommencez la copie</translation>
    </message>
    <message>
        <source>the calculator could not remove the file; restart it and delete again</source>
        <translation>la calculatrice n’a pas pu supprimer le fichier&#xa0;; redémarrez-la et recommencez la suppression</translation>
    </message>
    <message>
        <source>the calculator could not write; restart it and try again</source>
        <translation>la calculatrice n’a pas pu écrire&#xa0;; redémarrez-la et réessayez</translation>
    </message>
    <message>
        <source>the calculator did not take the file&apos;s size; check the file and send again</source>
        <translation>la calculatrice n’a pas accepté la taille du fichier&#xa0;; vérifiez le fichier et renvoyez-le</translation>
    </message>
    <message>
        <source>the calculator&apos;s data did not match its sizes; %1</source>
        <translation>les données de la calculatrice ne correspondaient pas à leurs tailles&#xa0;; %1</translation>
    </message>
    <message>
        <source>parts of the file came out of order; %1</source>
        <translation>des parties du fichier sont arrivées dans le désordre&#xa0;; %1</translation>
    </message>
    <message>
        <source>the calculator refused; open its home screen and %1</source>
        <translation>la calculatrice a refusé&#xa0;; ouvrez son écran d’accueil et %1</translation>
    </message>
    <message>
        <source>the calculator does not answer; %1</source>
        <extracomment>%1 is the advice &quot;switch it on, open its home screen and plug it in again&quot;.</extracomment>
        <translation>la calculatrice ne répond pas&#xa0;; %1</translation>
    </message>
    <message>
        <source>the calculator&apos;s port closed; plug it in again</source>
        <translation>le port de la calculatrice s’est fermé&#xa0;; rebranchez-la</translation>
    </message>
    <message>
        <source>switch it on, open its home screen and plug it in again</source>
        <translation>allumez-la, ouvrez son écran d’accueil et rebranchez-la</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 names the file and the calculator (&quot;HELLO.py, Vori X1&quot;), %2 says what it means.</extracomment>
        <translation>%1&#xa0;: %2</translation>
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
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n bytes</source>
        <extracomment>The name and size of a file in the table, for a screen reader.</extracomment>
        <translation>
            <numerusform>%1, %n octet</numerusform>
            <numerusform>%1, %n octets</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FolderCompare</name>
    <message>
        <source>Folder %1 can&apos;t be read.</source>
        <translation>Le dossier %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>%1 is left out: it is not a regular file.</source>
        <translation>%1 est laissé de côté&#xa0;: ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 is left out: it can&apos;t be read.</source>
        <translation>%1 est laissé de côté&#xa0;: il ne peut pas être lu.</translation>
    </message>
    <message>
        <source>%1 and %2 would both be %3 on the calculator.</source>
        <translation>%1 et %2 s’appelleraient tous deux %3 sur la calculatrice.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read.</source>
        <translation>%1 ne peut pas être lu.</translation>
    </message>
</context>
<context>
    <name>FolderCompareModel</name>
    <message>
        <source>same</source>
        <translation>identique</translation>
    </message>
    <message>
        <source>different</source>
        <translation>différent</translation>
    </message>
    <message>
        <source>only in the folder</source>
        <translation>seulement dans le dossier</translation>
    </message>
    <message>
        <source>only on the calculator</source>
        <translation>seulement sur la calculatrice</translation>
    </message>
    <message>
        <source>comparing contents…</source>
        <translation>comparaison du contenu…</translation>
    </message>
    <message>
        <source>not compared</source>
        <translation>non comparé</translation>
    </message>
    <message>
        <source>not compared: %1</source>
        <translation>non comparé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Reading the calculator and the folder…</source>
        <translation>Lecture de la calculatrice et du dossier…</translation>
    </message>
    <message>
        <source>The calculator holds the folder&apos;s files.</source>
        <translation>La calculatrice contient les fichiers du dossier.</translation>
    </message>
    <message>
        <source>%1 to send, %2 to replace, %3 only on the calculator, %4 the same.</source>
        <extracomment>Counts of the compare of a calculator with a folder.</extracomment>
        <translation>À envoyer&#xa0;: %1, à remplacer&#xa0;: %2, seulement sur la calculatrice&#xa0;: %3, identiques&#xa0;: %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n still being compared.</source>
        <translation>
            <numerusform>%n encore en cours de comparaison.</numerusform>
            <numerusform>%n encore en cours de comparaison.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be compared.</source>
        <translation>
            <numerusform>%n n&apos;a pas pu être comparé.</numerusform>
            <numerusform>%n n&apos;ont pas pu être comparés.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 compared with %2</source>
        <translation>%1 comparée à %2</translation>
    </message>
</context>
<context>
    <name>FrameCodec</name>
    <message>
        <source>Connection error (error code: 421).</source>
        <translation>Erreur de connexion (code d’erreur&#xa0;: 421).</translation>
    </message>
    <message>
        <source>Connection error (error code: 422).</source>
        <translation>Erreur de connexion (code d’erreur&#xa0;: 422).</translation>
    </message>
    <message>
        <source>The calculator took too long to answer; the command was stopped.</source>
        <translation>La calculatrice a mis trop de temps à répondre&#xa0;; la commande a été arrêtée.</translation>
    </message>
    <message>
        <source>The command was stopped.</source>
        <translation>La commande a été arrêtée.</translation>
    </message>
</context>
<context>
    <name>JobThreads</name>
    <message>
        <source>The calculator at %1 was left out: the system would not start another thread.</source>
        <translation>La calculatrice sur %1 a été laissée de côté&#xa0;: le système n’a pas voulu démarrer un autre thread.</translation>
    </message>
</context>
<context>
    <name>MessageExchange</name>
    <message>
        <source>The calculator sent a malformed reply (%1).</source>
        <extracomment>%1 is what was asked, such as &quot;file list&quot;.</extracomment>
        <translation>La calculatrice a envoyé une réponse mal formée (%1).</translation>
    </message>
</context>
<context>
    <name>PortChooser</name>
    <message>
        <source>No calculator is connected. Plug one in, or name its port with --port PATH (for the simulator, the path vuve-calcsim prints, such as /dev/pts/3).</source>
        <translation>Aucune calculatrice n’est branchée. Branchez-en une, ou indiquez son port avec --port PATH (pour le simulateur, le chemin qu’affiche vuve-calcsim, par exemple /dev/pts/3).</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>A calculator&apos;s name and its port.</extracomment>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>No calculator named %1 is connected.</source>
        <translation>Aucune calculatrice nommée %1 n’est branchée.</translation>
    </message>
    <message>
        <source>No calculator named %1 is connected (there are %2).</source>
        <extracomment>%2 lists the calculators that are connected, with their ports.</extracomment>
        <translation>Aucune calculatrice nommée %1 n’est branchée (branchées&#xa0;: %2).</translation>
    </message>
    <message numerus="yes">
        <source>%n calculators are named %1, on %2; choose one with --port, or all of them with --every.</source>
        <extracomment>%1 is a calculator&apos;s name, %2 their ports.</extracomment>
        <translation>
            <numerusform>%n calculatrice s’appelle %1, sur %2&#xa0;; choisissez-en une avec --port, ou toutes avec --every.</numerusform>
            <numerusform>%n calculatrices s’appellent %1, sur %2&#xa0;; choisissez-en une avec --port, ou toutes avec --every.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n calculators are connected, on %1; choose one with --calc NAME or --port PATH, or all of them with --every.</source>
        <extracomment>%1 lists their ports.</extracomment>
        <translation>
            <numerusform>%n calculatrice est branchée, sur %1&#xa0;; choisissez-en une avec --calc NAME ou --port PATH, ou toutes avec --every.</numerusform>
            <numerusform>%n calculatrices sont branchées, sur %1&#xa0;; choisissez-en une avec --calc NAME ou --port PATH, ou toutes avec --every.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PortProblem</name>
    <message>
        <source>%1, process %2</source>
        <extracomment>A program holding a port: its name and process number.</extracomment>
        <translation>%1, processus %2</translation>
    </message>
    <message>
        <source>The port %1 does not exist (any more); the calculator may have been unplugged.</source>
        <translation>Le port %1 n’existe pas (ou plus)&#xa0;; la calculatrice a peut-être été débranchée.</translation>
    </message>
    <message>
        <source>You may not open the port %1. Install the udev rule that comes with Vuve Vudurod (see /usr/share/doc/vuve-vudurod/troubleshooting.md), or add yourself to the dialout group and log in again; then plug the calculator in again.</source>
        <translation>Vous n’avez pas le droit d’ouvrir le port %1. Installez la règle udev fournie avec Vuve Vudurod (voir /usr/share/doc/vuve-vudurod/troubleshooting.md), ou ajoutez-vous au groupe dialout et reconnectez-vous&#xa0;; puis rebranchez la calculatrice.</translation>
    </message>
    <message>
        <source>The port %1 is in use by another program (%2). Close it and plug the calculator in again.</source>
        <translation>Le port %1 est utilisé par un autre programme (%2). Fermez-le et rebranchez la calculatrice.</translation>
    </message>
    <message>
        <source>The port %1 is in use by another program. Close it and plug the calculator in again.</source>
        <translation>Le port %1 est utilisé par un autre programme. Fermez-le et rebranchez la calculatrice.</translation>
    </message>
    <message>
        <source>%1 is not a serial port, so no calculator can be on it.</source>
        <translation>%1 n’est pas un port série, aucune calculatrice ne peut donc s’y trouver.</translation>
    </message>
    <message>
        <source>The port %1 cannot be opened.</source>
        <translation>Impossible d’ouvrir le port %1.</translation>
    </message>
    <message>
        <source>The calculator at %1 does not answer. %2.</source>
        <extracomment>%2 is the advice &quot;Switch it on, open its home screen and plug it in again&quot;.</extracomment>
        <translation>La calculatrice sur %1 ne répond pas. %2.</translation>
    </message>
    <message>
        <source>The device at %1 answers, but not as a calculator does.</source>
        <translation>L’appareil sur %1 répond, mais pas comme une calculatrice.</translation>
    </message>
    <message>
        <source>The calculator at %1 answered late, with its reply to an earlier request; try again.</source>
        <translation>La calculatrice sur %1 a répondu en retard, avec sa réponse à une demande précédente&#xa0;; réessayez.</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message>
        <source>%1 B</source>
        <translation>%1 o</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 Kio</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 Mio</translation>
    </message>
    <message>
        <source>%1 left</source>
        <extracomment>The time a transfer still needs, as 1:05.</extracomment>
        <translation>encore %1</translation>
    </message>
</context>
<context>
    <name>RenameDialog</name>
    <message>
        <source>Enter a new device name:</source>
        <translation>Saisissez un nouveau nom d’appareil&#xa0;:</translation>
    </message>
    <message>
        <source>Enter a new device name</source>
        <translation>Saisissez un nouveau nom d’appareil</translation>
    </message>
    <message>
        <source>A device name has at most %1 characters.</source>
        <translation>Un nom d’appareil compte au plus %1 caractères.</translation>
    </message>
</context>
<context>
    <name>Reporter</name>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RestoreFlow</name>
    <message>
        <source>Choose the backup to restore</source>
        <translation>Choisir la sauvegarde à restaurer</translation>
    </message>
    <message>
        <source>Restore a backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>SendFlow</name>
    <message>
        <source>File %1 is zero-length and can&apos;t be sent.</source>
        <translation>Le fichier %1 est vide (0 octet) et ne peut pas être envoyé.</translation>
    </message>
    <message>
        <source>File %1 already exists on your calculator.
Do you want to replace it?</source>
        <translation>Le fichier %1 existe déjà sur votre calculatrice.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>The file name (%1) exceeds the allowed limit of 8 symbols for a file name and 3 symbols for an extension and will be changed to %2</source>
        <translation>Le nom de fichier (%1) dépasse la limite autorisée de 8 caractères pour le nom et 3 pour l’extension, et sera changé en %2</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Please choose files</source>
        <translation>Choisissez des fichiers</translation>
    </message>
    <message>
        <source>Vori calc files (*.py *.bin)</source>
        <translation>Fichiers de calculatrice Vori (*.py *.bin)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The file name (%1) will be changed to %2: names on the calculator are upper case.</source>
        <translation>Le nom de fichier (%1) sera changé en %2&#xa0;: les noms sur la calculatrice sont en majuscules.</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>Ready: the calculators attached, and each one plugged in from now on, are served once; Ctrl+C ends.</source>
        <translation>Prêt&#xa0;: les calculatrices branchées, et chacune de celles qu’on branchera désormais, sont traitées une fois&#xa0;; Ctrl+C pour terminer.</translation>
    </message>
    <message>
        <source>Ready: each calculator plugged in from now on is served once; Ctrl+C ends.</source>
        <translation>Prêt&#xa0;: chaque calculatrice branchée à partir de maintenant est traitée une fois&#xa0;; Ctrl+C pour terminer.</translation>
    </message>
</context>
<context>
    <name>StationFlow</name>
    <message>
        <source>The station did not start: no file it could send was chosen</source>
        <translation>La station n’a pas démarré&#xa0;: aucun fichier qu’elle puisse envoyer n’a été choisi</translation>
    </message>
    <message>
        <source>The station did not start: choose a folder on this computer</source>
        <translation>La station n’a pas démarré&#xa0;: choisissez un dossier sur cet ordinateur</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Each calculator plugged in from now on is served once, without a question; a file of the same name on it is replaced. Plugged in again, it is served again.</source>
        <translation>Chaque calculatrice branchée à partir de maintenant est servie une fois, sans question&#xa0;; un fichier du même nom sur elle est remplacé. Rebranchée, elle est servie de nouveau.</translation>
    </message>
    <message>
        <source>Send these files to each calculator</source>
        <translation>Envoyer ces fichiers à chaque calculatrice</translation>
    </message>
    <message>
        <source>No files chosen yet</source>
        <translation>Aucun fichier choisi pour l’instant</translation>
    </message>
    <message>
        <source>Choose Files…</source>
        <translation>Choisir les fichiers…</translation>
    </message>
    <message>
        <source>Back up each calculator into this folder</source>
        <translation>Sauvegarder chaque calculatrice dans ce dossier</translation>
    </message>
    <message>
        <source>Change Folder…</source>
        <translation>Autre dossier…</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Choose the files the station sends</source>
        <translation>Choisir les fichiers que la station envoie</translation>
    </message>
    <message>
        <source>Vori calc files (*.py *.bin)</source>
        <translation>Fichiers de calculatrice Vori (*.py *.bin)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Choose the folder for the station&apos;s backups</source>
        <translation>Choisir le dossier des sauvegardes de la station</translation>
    </message>
    <message>
        <source>The station did not start: the names it would give are longer than 64 characters</source>
        <translation>La station n&apos;a pas démarré&#xa0;: les noms qu&apos;elle donnerait dépassent 64 caractères</translation>
    </message>
    <message>
        <source>Collect each calculator&apos;s files into this folder</source>
        <translation>Collecter les fichiers de chaque calculatrice dans ce dossier</translation>
    </message>
    <message>
        <source>Change the folder for collected work</source>
        <translation>Changer le dossier des travaux collectés</translation>
    </message>
    <message>
        <source>Then delete them on the calculator, once each is checked</source>
        <translation>Puis les effacer de la calculatrice, une fois chacun contrôlé</translation>
    </message>
    <message>
        <source>Name each calculator first:</source>
        <translation>Nommer d&apos;abord chaque calculatrice&#xa0;:</translation>
    </message>
    <message>
        <source>Name each calculator first</source>
        <translation>Nommer d&apos;abord chaque calculatrice</translation>
    </message>
    <message>
        <source>Desk ##</source>
        <translation>Poste ##</translation>
    </message>
    <message>
        <source>Name pattern; each # is a digit of the calculator&apos;s number</source>
        <translation>Modèle de nom&#xa0;; chaque # est un chiffre du numéro de la calculatrice</translation>
    </message>
    <message>
        <source>starting at</source>
        <translation>à partir de</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Premier numéro</translation>
    </message>
    <message>
        <source>Choose the folder for collected work</source>
        <translation>Choisir le dossier des travaux collectés</translation>
    </message>
</context>
<context>
    <name>StatusFooter</name>
    <message>
        <source>Transfer progress</source>
        <translation>Progression du transfert</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
</context>
<context>
    <name>SyncRunner</name>
    <message>
        <source>compared by name and size only; contents were not read</source>
        <translation>comparé par nom et taille seulement&#xa0;; les contenus n’ont pas été lus</translation>
    </message>
    <message>
        <source>%1 same, %2 different, %3 missing, %4 extra</source>
        <extracomment>The counts of files in each state, after a compare.</extracomment>
        <translation>%1 identiques, %2 différents, %3 manquants, %4 en trop</translation>
    </message>
    <message numerus="yes">
        <source>%n extra files left on the calculator; --delete deletes them</source>
        <translation>
            <numerusform>%n fichier en trop reste sur la calculatrice&#xa0;; --delete le supprime</numerusform>
            <numerusform>%n fichiers en trop restent sur la calculatrice&#xa0;; --delete les supprime</numerusform>
        </translation>
    </message>
    <message>
        <source>would send %1, replace %2, delete %3, keep %4</source>
        <extracomment>What a sync would do: how many files it would send, replace, delete and keep.</extracomment>
        <translation>enverrait %1, remplacerait %2, supprimerait %3, garderait %4</translation>
    </message>
    <message>
        <source>%1 changed since the compare; it was sent as it is now.</source>
        <translation>%1 a changé depuis la comparaison&#xa0;; il a été envoyé tel qu’il est maintenant.</translation>
    </message>
    <message>
        <source>the calculator at %1 may hold part of %2</source>
        <extracomment>One of the things left part-way, in &quot;Interrupted; %1.&quot;.</extracomment>
        <translation>la calculatrice sur %1 contient peut-être une partie de %2</translation>
    </message>
    <message>
        <source>%1 is still on the calculator after it was deleted.</source>
        <translation>%1 est encore sur la calculatrice après sa suppression.</translation>
    </message>
    <message>
        <source>%1 is not on the calculator as it was sent.</source>
        <translation>%1 n’est pas sur la calculatrice tel qu’il a été envoyé.</translation>
    </message>
    <message>
        <source>sent %1, replaced %2, deleted %3, kept %4</source>
        <extracomment>What a sync did: how many files it sent, replaced, deleted and kept.</extracomment>
        <translation>%1 envoyés, %2 remplacés, %3 supprimés, %4 gardés</translation>
    </message>
</context>
<context>
    <name>TransferProgress</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n octet</numerusform>
            <numerusform>%n octets</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 Kio</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 Mio</translation>
    </message>
    <message numerus="yes">
        <source>Sending %n files…</source>
        <translation>
            <numerusform>Envoi de %n fichier…</numerusform>
            <numerusform>Envoi de %n fichiers…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying %n files…</source>
        <translation>
            <numerusform>Copie de %n fichier…</numerusform>
            <numerusform>Copie de %n fichiers…</numerusform>
        </translation>
    </message>
    <message>
        <source>Sending %1 (%2 of %3)</source>
        <extracomment>%1 is a file name; %2 of %3 count the files.</extracomment>
        <translation>Envoi de %1 (%2 sur %3)</translation>
    </message>
    <message>
        <source>Copying %1 (%2 of %3)</source>
        <extracomment>%1 is a file name; %2 of %3 count the files.</extracomment>
        <translation>Copie de %1 (%2 sur %3)</translation>
    </message>
    <message>
        <source>: %1 of %2</source>
        <extracomment>Follows &quot;Sending HELLO.py (1 of 3)&quot;: the bytes done of the file&apos;s.</extracomment>
        <translation>&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>, %1/s</source>
        <extracomment>Follows the bytes done: the rate, as &quot;1.5 KiB&quot; a second.</extracomment>
        <translation>, %1/s</translation>
    </message>
    <message>
        <source>Nothing was sent to %1</source>
        <translation>Rien n’a été envoyé à %1</translation>
    </message>
    <message numerus="yes">
        <source>Sent %n files to %1</source>
        <translation>
            <numerusform>%n fichier envoyé à %1</numerusform>
            <numerusform>%n fichiers envoyés à %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sent %1 of %n files to %2</source>
        <translation>
            <numerusform>%1 sur %n fichier envoyé à %2</numerusform>
            <numerusform>%1 sur %n fichiers envoyés à %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was copied</source>
        <translation>Rien n’a été copié</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n files to %1</source>
        <translation>
            <numerusform>%n fichier copié dans %1</numerusform>
            <numerusform>%n fichiers copiés dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %1 of %n files to %2</source>
        <translation>
            <numerusform>%1 sur %n fichier copié dans %2</numerusform>
            <numerusform>%1 sur %n fichiers copiés dans %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %n files to the clipboard</source>
        <translation>
            <numerusform>%n fichier copié dans le presse-papiers</numerusform>
            <numerusform>%n fichiers copiés dans le presse-papiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %1 of %n files to the clipboard</source>
        <translation>
            <numerusform>%1 sur %n fichier copié dans le presse-papiers</numerusform>
            <numerusform>%1 sur %n fichiers copiés dans le presse-papiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n skipped</source>
        <extracomment>Follows an outcome such as &quot;Sent 2 files to Vori X1&quot;.</extracomment>
        <translation>
            <numerusform>&#xa0;; %n ignoré</numerusform>
            <numerusform>&#xa0;; %n ignorés</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled: %1</source>
        <translation>Annulé&#xa0;: %1</translation>
    </message>
    <message>
        <source>; the part of %1 sent was deleted from the calculator</source>
        <translation>&#xa0;; la partie déjà envoyée de %1 a été supprimée de la calculatrice</translation>
    </message>
    <message>
        <source>; nothing of the file in transfer was written</source>
        <translation>&#xa0;; rien du fichier en cours de transfert n’a été écrit</translation>
    </message>
    <message numerus="yes">
        <source>Backing up %n files…</source>
        <translation>
            <numerusform>Sauvegarde de %n fichier…</numerusform>
            <numerusform>Sauvegarde de %n fichiers…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restoring %n files…</source>
        <translation>
            <numerusform>Restauration de %n fichier…</numerusform>
            <numerusform>Restauration de %n fichiers…</numerusform>
        </translation>
    </message>
    <message>
        <source>Backing up %1 (%2 of %3)</source>
        <extracomment>%1 is a file name; %2 of %3 count the files.</extracomment>
        <translation>Sauvegarde de %1 (%2 sur %3)</translation>
    </message>
    <message>
        <source>Restoring %1 (%2 of %3)</source>
        <extracomment>%1 is a file name; %2 of %3 count the files.</extracomment>
        <translation>Restauration de %1 (%2 sur %3)</translation>
    </message>
    <message>
        <source>; the part of %1 sent could not be deleted from the calculator: delete it there</source>
        <translation>&#xa0;; la partie déjà envoyée de %1 n’a pas pu être supprimée de la calculatrice&#xa0;: supprimez-la sur celle-ci</translation>
    </message>
    <message>
        <source>; the part of %1 sent may still be on the calculator: delete it there if it is listed</source>
        <translation>&#xa0;; la partie déjà envoyée de %1 est peut-être encore sur la calculatrice&#xa0;: supprimez-la si elle y figure</translation>
    </message>
    <message>
        <source>; %1 on the calculator may be incomplete: send it again or delete it</source>
        <translation>&#xa0;; %1 sur la calculatrice est peut-être incomplet&#xa0;: renvoyez-le ou supprimez-le</translation>
    </message>
    <message>
        <source>; %1 was sent whole but not checked</source>
        <translation>&#xa0;; %1 a été envoyé en entier mais n’a pas été vérifié</translation>
    </message>
</context>
<context>
    <name>TransferQuestions</name>
    <message>
        <source>No private folder for the copied files could be made: %1</source>
        <translation>Impossible de créer un dossier privé pour les fichiers copiés&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TransferRunner</name>
    <message>
        <source>%1 is not a regular file any more; it was not sent.</source>
        <translation>%1 n’est plus un fichier ordinaire&#xa0;; il n’a pas été envoyé.</translation>
    </message>
    <message>
        <source>%1 changed since it was checked; it was not sent.</source>
        <translation>%1 a changé depuis sa vérification&#xa0;; il n’a pas été envoyé.</translation>
    </message>
    <message>
        <source>cancelled; the part of %1 sent was deleted from the calculator</source>
        <translation>annulé&#xa0;; la partie déjà envoyée de %1 a été supprimée de la calculatrice</translation>
    </message>
    <message>
        <source>The calculator stopped answering, so these files were not sent: %1.</source>
        <translation>La calculatrice ne répond plus, ces fichiers n’ont donc pas été envoyés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The calculator stopped answering, so these files were not copied: %1.</source>
        <translation>La calculatrice ne répond plus, ces fichiers n’ont donc pas été copiés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The calculator stopped answering, so these files were not deleted: %1.</source>
        <translation>La calculatrice ne répond plus, ces fichiers n’ont donc pas été supprimés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Interrupted, so these files were not sent: %1.</source>
        <translation>Interrompu, ces fichiers n’ont donc pas été envoyés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Interrupted, so these files were not copied: %1.</source>
        <translation>Interrompu, ces fichiers n’ont donc pas été copiés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Interrupted, so these files were not deleted: %1.</source>
        <translation>Interrompu, ces fichiers n’ont donc pas été supprimés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>cancelled; %1 was sent whole but not checked</source>
        <translation>annulé&#xa0;; %1 a été envoyé en entier mais n’a pas été vérifié</translation>
    </message>
    <message>
        <source>%1 could not be read back from %2 to be checked.</source>
        <translation>%1 n’a pas pu être relu sur %2 pour être vérifié.</translation>
    </message>
    <message>
        <source>%1 arrived on %2 different from the computer&apos;s file.</source>
        <translation>%1 est arrivé sur %2 différent du fichier de l’ordinateur.</translation>
    </message>
    <message>
        <source>The calculator&apos;s copy was deleted.</source>
        <translation>La copie sur la calculatrice a été supprimée.</translation>
    </message>
    <message>
        <source>The calculator&apos;s copy could not be deleted: delete it there before anyone uses it.</source>
        <translation>La copie sur la calculatrice n’a pas pu être supprimée&#xa0;: supprimez-la sur celle-ci avant que quelqu’un l’utilise.</translation>
    </message>
    <message>
        <source>These files arrived on %1 different from the computer&apos;s files: %2.</source>
        <extracomment>%1 is a calculator&apos;s name, %2 the list of files.</extracomment>
        <translation>Ces fichiers sont arrivés sur %1 différents des fichiers de l’ordinateur&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The calculator&apos;s copies were deleted.</source>
        <translation>Les copies sur la calculatrice ont été supprimées.</translation>
    </message>
    <message>
        <source>The calculator&apos;s copies could not be deleted: delete them there before anyone uses them.</source>
        <translation>Les copies sur la calculatrice n’ont pas pu être supprimées&#xa0;: supprimez-les sur celle-ci avant que quelqu’un les utilise.</translation>
    </message>
    <message>
        <source>The calculator&apos;s copies were deleted but for %1: delete those there before anyone uses them.</source>
        <extracomment>%1 is the list of files whose copies are still on the calculator.</extracomment>
        <translation>Les copies sur la calculatrice ont été supprimées, sauf celles de %1&#xa0;: supprimez-les sur celle-ci avant que quelqu’un les utilise.</translation>
    </message>
    <message>
        <source>the files on this computer are unchanged; send again, and if a file arrives different again, see the troubleshooting guide</source>
        <translation>les fichiers de cet ordinateur n’ont pas changé&#xa0;; renvoyez-les, et si un fichier arrive encore différent, consultez le guide de dépannage</translation>
    </message>
    <message>
        <source>cancelled; %1 on the calculator may be incomplete: send it again or delete it</source>
        <translation>annulé&#xa0;; %1 sur la calculatrice est peut-être incomplet&#xa0;: renvoyez-le ou supprimez-le</translation>
    </message>
    <message>
        <source>cancelled; the part of %1 sent could not be deleted from the calculator: delete it there</source>
        <translation>annulé&#xa0;; la partie déjà envoyée de %1 n’a pas pu être supprimée de la calculatrice&#xa0;: supprimez-la sur celle-ci</translation>
    </message>
    <message>
        <source>cancelled; the part of %1 sent may still be on the calculator: delete it there if it is listed</source>
        <translation>annulé&#xa0;; la partie déjà envoyée de %1 est peut-être encore sur la calculatrice&#xa0;: supprimez-la si elle y figure</translation>
    </message>
</context>
<context>
    <name>UploadFile</name>
    <message>
        <source>File %1 can&apos;t be read.</source>
        <translation>Impossible de lire le fichier %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file and can&apos;t be sent.</source>
        <translation>%1 n’est pas un fichier ordinaire et ne peut pas être envoyé.</translation>
    </message>
    <message>
        <source>File %1 is larger than 1 MiB (1048576 bytes) and can&apos;t be sent.</source>
        <translation>Le fichier %1 dépasse 1 Mio (1048576 octets) et ne peut pas être envoyé.</translation>
    </message>
</context>
<context>
    <name>VuveCtl</name>
    <message>
        <source>Talks to calculators over USB.</source>
        <translation>Communique avec les calculatrices par USB.</translation>
    </message>
    <message>
        <source>Choosing calculators: with one attached, commands run on it. Otherwise name
it with --calc or --port, or run on all at once with --every (one result line
each, printed as soon as that calculator is done). A missing --to or backup
folder is made.</source>
        <translation>Choix des calculatrices&#xa0;: s’il n’y en a qu’une, les commandes s’y appliquent.
Sinon, désignez-la avec --calc ou --port, ou travaillez sur toutes à la fois avec
--every (une ligne de résultat chacune, dès que cette calculatrice a terminé).
Un dossier --to ou de sauvegarde manquant est créé.</translation>
    </message>
    <message>
        <source>Collisions: put and get check the whole batch before anything moves. Empty
files, files over 1 MiB and two files that would get one calculator name stop
the batch. A name already on the calculator (put, restore) or an existing
local file (get) is asked about on a terminal: yes, no, all or none.
Elsewhere --on-conflict decides; without it nothing is transferred.</source>
        <translation>Conflits&#xa0;: put et get vérifient tout le lot avant le moindre transfert. Les
fichiers vides, ceux de plus de 1 Mio et deux fichiers qui auraient le même nom
sur la calculatrice arrêtent le lot. Pour un nom déjà sur la calculatrice (put,
restore) ou un fichier local existant (get), la question est posée dans le
terminal&#xa0;: oui, non, tous ou aucun. Ailleurs, --on-conflict décide&#xa0;; sans
cette option, rien n’est transféré.</translation>
    </message>
    <message>
        <source>Interrupting (Ctrl+C) stops the transfers at once and says what was left
part-way (files are only written whole); a second Ctrl+C ends at once.</source>
        <translation>Interrompre (Ctrl+C) arrête aussitôt les transferts et indique ce qui est resté
inachevé (les fichiers ne sont écrits qu’entiers)&#xa0;; un second Ctrl+C termine
immédiatement.</translation>
    </message>
    <message>
        <source>Try &apos;vuvectl --help&apos;.</source>
        <translation>Essayez &apos;vuvectl --help&apos;.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 n’est pas un dossier.</translation>
    </message>
    <message>
        <source>Folder %1 can&apos;t be made: %2.</source>
        <translation>Impossible de créer le dossier %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Folder %1 can&apos;t be made.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Afficher la version.</translation>
    </message>
    <message>
        <source>The calculator on this serial device (repeatable with --every).</source>
        <translation>La calculatrice sur ce périphérique série (répétable avec --every).</translation>
    </message>
    <message>
        <source>The calculator with this device name, as ports lists it.</source>
        <translation>La calculatrice portant ce nom d’appareil, tel que ports l’affiche.</translation>
    </message>
    <message>
        <source>Run on every attached calculator at once (or every one that --calc or --port names); one result line per calculator, as each is done.</source>
        <translation>Travailler sur toutes les calculatrices branchées à la fois (ou celles que désignent --calc ou --port)&#xa0;; une ligne de résultat par calculatrice, dès qu’elle a terminé.</translation>
    </message>
    <message>
        <source>Print results as JSON: one document, or one line per calculator with --every and per event with watch.</source>
        <translation>Afficher les résultats en JSON&#xa0;: un document, ou une ligne par calculatrice avec --every et par événement avec watch.</translation>
    </message>
    <message>
        <source>Folder for get (default: the current one).</source>
        <translation>Dossier pour get (par défaut&#xa0;: le dossier courant).</translation>
    </message>
    <message>
        <source>get or rm every file on the calculator.</source>
        <translation>get ou rm sur tous les fichiers de la calculatrice.</translation>
    </message>
    <message>
        <source>What to do with a name that is taken: ask (on a terminal, the default there), replace, skip or fail (the default elsewhere).</source>
        <translation>Que faire d’un nom déjà pris&#xa0;: ask (demander&#xa0;; par défaut dans un terminal), replace (remplacer), skip (ignorer) ou fail (échouer&#xa0;; par défaut ailleurs).</translation>
    </message>
    <message>
        <source>Show progress also when stderr is not a terminal (one line a second).</source>
        <translation>Afficher la progression même quand stderr n’est pas un terminal (une ligne par seconde).</translation>
    </message>
    <message>
        <source>Milliseconds to wait for a reply to begin or to go on, and for each frame of a transfer (default: 10000, 30000 and 1000).</source>
        <translation>Millisecondes d’attente pour le début et la suite d’une réponse, et pour chaque bloc d’un transfert (par défaut&#xa0;: 10000, 30000 et 1000).</translation>
    </message>
    <message>
        <source>What to do (see above).</source>
        <translation>Que faire (voir plus haut).</translation>
    </message>
    <message>
        <source>command [args...]</source>
        <extracomment>The usage line&apos;s words for a command and its arguments.</extracomment>
        <translation>commande [arguments...]</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 ne prend pas d’argument</translation>
    </message>
    <message>
        <source>%1 needs an argument</source>
        <translation>%1 demande un argument</translation>
    </message>
    <message>
        <source>%1 needs names, patterns or --all-files</source>
        <translation>%1 demande des noms, des motifs ou --all-files</translation>
    </message>
    <message>
        <source>%1 takes exactly one argument</source>
        <translation>%1 prend exactement un argument</translation>
    </message>
    <message>
        <source>backup takes at most one folder</source>
        <translation>backup prend au plus un dossier</translation>
    </message>
    <message>
        <source>the device name must not be empty</source>
        <translation>le nom de l’appareil ne doit pas être vide</translation>
    </message>
    <message>
        <source>a device name has at most %1 characters</source>
        <translation>un nom d’appareil compte au plus %1 caractères</translation>
    </message>
    <message>
        <source>--to goes with get only</source>
        <translation>--to ne s’emploie qu’avec get</translation>
    </message>
    <message>
        <source>--all-files goes with get and rm only</source>
        <translation>--all-files ne s’emploie qu’avec get et rm</translation>
    </message>
    <message>
        <source>%1 looks at every port; --port, --calc and --every do not go with it</source>
        <translation>%1 examine tous les ports&#xa0;; --port, --calc et --every ne s’emploient pas avec</translation>
    </message>
    <message>
        <source>several --port go with --every only</source>
        <translation>plusieurs --port ne s’emploient qu’avec --every</translation>
    </message>
    <message>
        <source>--on-conflict goes with get, put and restore only</source>
        <translation>--on-conflict ne s’emploie qu’avec get, put et restore</translation>
    </message>
    <message>
        <source>--on-conflict takes ask, replace, skip or fail</source>
        <translation>--on-conflict prend ask, replace, skip ou fail</translation>
    </message>
    <message>
        <source>--on-conflict=ask needs a terminal and one calculator</source>
        <translation>--on-conflict=ask demande un terminal et une seule calculatrice</translation>
    </message>
    <message>
        <source>--timeout takes a positive number of milliseconds</source>
        <translation>--timeout prend un nombre positif de millisecondes</translation>
    </message>
    <message>
        <source>Interrupted; nothing partial was written.</source>
        <translation>Interrompu&#xa0;; rien d’incomplet n’a été écrit.</translation>
    </message>
    <message>
        <source>Interrupted; %1.</source>
        <translation>Interrompu&#xa0;; %1.</translation>
    </message>
    <message>
        <source>Trace each request and reply (type and size), what was planned for each file and what became of it, each error and each port found or gone on stderr, for a bug report; never file contents.</source>
        <translation>Tracer sur stderr chaque demande et réponse (type et taille), ce qui était prévu pour chaque fichier et ce qu’il en est advenu, chaque erreur et chaque port apparu ou disparu, pour un rapport de bogue&#xa0;; jamais le contenu des fichiers.</translation>
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
        <translation>Commandes&#xa0;:
  ports                 lister les calculatrices branchées (nom, port, numéro de
                        série USB)
  info                  nom de l’appareil, taille des blocs et versions
  ls                    fichiers de la calculatrice (nom, tabulation, taille)
  get NAME|PATTERN...   copier des fichiers de la calculatrice dans le dossier
                        courant ou dans --to DIR&#xa0;; les motifs du shell (&apos;*.py&apos;)
                        portent sur la liste de la calculatrice&#xa0;; --all-files
                        copie tous les fichiers
  put FILE...           envoyer des fichiers&#xa0;; les noms suivent la règle 8.3
  rm NAME|PATTERN...    supprimer des fichiers de la calculatrice (ou --all-files)
  rename NEWNAME        changer le nom de l’appareil (1 à 64 caractères)
  backup [DIR]          copier tous les fichiers dans DIR/&lt;nom&gt;-&lt;heure UTC&gt;/
                        avec un manifest.json (DIR&#xa0;: le dossier courant)
  restore BACKUP_DIR    renvoyer les fichiers d’une sauvegarde et les vérifier
                        d’après la liste
  watch                 afficher une ligne par calculatrice branchée ou
                        débranchée, jusqu’à l’interruption
  station --send FILE...
                        envoyer les fichiers à chaque calculatrice branchée,
                        jusqu’à l’interruption&#xa0;; les noms déjà présents sont
                        remplacés
  station --backup DIR  sauvegarder chaque calculatrice branchée dans
                        DIR/&lt;nom&gt;-&lt;heure UTC&gt;/, jusqu’à l’interruption</translation>
    </message>
    <message>
        <source>Verifying: with --verify, put, restore and station --send read each file
back from the calculator once it is sent and compare it (SHA-256) with the
bytes the computer sent; a file that arrived different fails.</source>
        <translation>Vérification&#xa0;: avec --verify, put, restore et station --send relisent chaque
fichier sur la calculatrice une fois envoyé et le comparent (SHA-256) aux
octets envoyés par l’ordinateur&#xa0;; un fichier arrivé différent est en échec.</translation>
    </message>
    <message>
        <source>Station: each calculator plugged in after the start (with --now, also each
one attached) is served once per plug-in, in parallel, a name already on it
replaced; one result line each (device, port, serial, action, outcome and
summary or errors) or one JSON object a line with --json. A calculator that
fails is reported and the station goes on. Ctrl+C ends it with 0 once the
calculators in service have stopped.</source>
        <translation>Station&#xa0;: chaque calculatrice branchée après le démarrage (avec --now, aussi
celles déjà branchées) est traitée une fois par branchement, en parallèle, un
nom déjà présent étant remplacé&#xa0;; une ligne de résultat chacune (appareil,
port, numéro de série, action, issue et résumé ou erreurs) ou, avec --json, un
objet JSON par ligne. Une calculatrice en échec est signalée et la station
continue. Ctrl+C l’arrête avec 0 une fois que les calculatrices en cours se
sont arrêtées.</translation>
    </message>
    <message>
        <source>Exit codes:
  0    done
  1    failed (also: any calculator failed with --every)
  2    usage error
  3    stopped by a collision (--on-conflict=fail); nothing was transferred
  130  interrupted (Ctrl+C; 143 for SIGTERM; watch and station end with 0)</source>
        <extracomment>Keep the numbers and the first column&apos;s width.</extracomment>
        <translation>Codes de sortie&#xa0;:
  0    terminé
  1    échec (aussi&#xa0;: une calculatrice en échec avec --every)
  2    erreur d’utilisation
  3    arrêté par un conflit (--on-conflict=fail)&#xa0;; rien n’a été transféré
  130  interrompu (Ctrl+C&#xa0;; 143 pour SIGTERM&#xa0;; 0 pour watch et station)</translation>
    </message>
    <message>
        <source>Read each file sent back and compare it with the computer&apos;s; one that arrived different fails (put, restore, station --send).</source>
        <translation>Relire chaque fichier envoyé et le comparer à celui de l’ordinateur&#xa0;; un fichier arrivé différent est en échec (put, restore, station --send).</translation>
    </message>
    <message>
        <source>station: send the files given to each calculator plugged in.</source>
        <translation>station&#xa0;: envoyer les fichiers indiqués à chaque calculatrice branchée.</translation>
    </message>
    <message>
        <source>station: back up each calculator plugged in into a folder of its own in DIR.</source>
        <translation>station&#xa0;: sauvegarder chaque calculatrice branchée dans son propre dossier dans DIR.</translation>
    </message>
    <message>
        <source>station: serve the calculators attached at the start too.</source>
        <translation>station&#xa0;: traiter aussi les calculatrices déjà branchées au démarrage.</translation>
    </message>
    <message>
        <source>station --send needs files</source>
        <translation>station --send demande des fichiers</translation>
    </message>
    <message>
        <source>station --backup takes no other arguments</source>
        <translation>station --backup ne prend pas d’autre argument</translation>
    </message>
    <message>
        <source>station --backup needs a folder</source>
        <translation>station --backup demande un dossier</translation>
    </message>
    <message>
        <source>station serves every calculator plugged in; --port, --calc and --every do not go with it</source>
        <translation>station traite chaque calculatrice branchée&#xa0;; --port, --calc et --every ne s’emploient pas avec</translation>
    </message>
    <message>
        <source>--send, --backup and --now go with station only</source>
        <translation>--send, --backup et --now ne s’emploient qu’avec station</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Rien n’a été envoyé.</translation>
    </message>
    <message>
        <source>No calculator is attached.</source>
        <translation>Aucune calculatrice n’est branchée.</translation>
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
        <translation>  diff DIR              comparer la calculatrice aux fichiers ordinaires de DIR&#xa0;:
                        une ligne STATUS&lt;tab&gt;NAME par fichier, STATUS étant
                        same, different, missing (absent de la calculatrice) ou
                        extra (seulement sur elle)&#xa0;; --quick&#xa0;: noms et tailles
                        seulement
  sync DIR              faire que la calculatrice contienne les fichiers de DIR&#xa0;:
                        envoyer les manquants, remplacer les différents, garder
                        les identiques&#xa0;; --delete supprime aussi ceux en trop&#xa0;;
                        --dry-run affiche seulement send, replace, delete ou
                        keep NAME&#xa0;; DIR n’est jamais modifié
  station --sync DIR    synchroniser chaque calculatrice branchée avec DIR,
                        jusqu’à l’interruption (avec --delete, les fichiers en
                        trop sont supprimés)</translation>
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
        <translation>Dossiers&#xa0;: diff et sync prennent les fichiers ordinaires directement dans DIR,
sous les noms que put leur donne, comparés sans tenir compte de la casse&#xa0;;
les liens, FIFO et sous-dossiers sont laissés de côté et nommés sur stderr. Les
fichiers de même taille sont relus et comparés (SHA-256) sauf avec --quick, dont
la sortie commence alors par une ligne débutant par &quot;#&quot;. Avec --every, chaque
ligne de fichier commence par le nom de l’appareil et le port. sync contrôle son
lot comme put, lit chaque fichier au moment de l’envoyer et, avec --verify, le
relit. diff se termine par 1 quand quelque chose diffère&#xa0;; sync par 0 une fois
que la calculatrice contient les fichiers du dossier (les fichiers en trop
gardés sans --delete ne comptent pas).</translation>
    </message>
    <message>
        <source>diff, sync: compare names and sizes only; files of equal size count as the same.</source>
        <translation>diff, sync&#xa0;: comparer seulement les noms et les tailles&#xa0;; des fichiers de même taille comptent comme identiques.</translation>
    </message>
    <message>
        <source>sync, station --sync: also delete the files the folder does not hold.</source>
        <translation>sync, station --sync&#xa0;: supprimer aussi les fichiers que le dossier ne contient pas.</translation>
    </message>
    <message>
        <source>sync: print what would be done, and change nothing.</source>
        <translation>sync&#xa0;: afficher ce qui serait fait, sans rien changer.</translation>
    </message>
    <message>
        <source>station: make each calculator plugged in hold the files of DIR.</source>
        <translation>station&#xa0;: faire que chaque calculatrice branchée contienne les fichiers de DIR.</translation>
    </message>
    <message>
        <source>%1 takes exactly one folder</source>
        <translation>%1 prend exactement un dossier</translation>
    </message>
    <message>
        <source>station --sync takes no other arguments</source>
        <translation>station --sync ne prend pas d’autres arguments</translation>
    </message>
    <message>
        <source>station --sync needs a folder</source>
        <translation>station --sync a besoin d’un dossier</translation>
    </message>
    <message>
        <source>--sync goes with station only</source>
        <translation>--sync ne va qu’avec station</translation>
    </message>
    <message>
        <source>--verify goes with put, restore, sync, station --send and station --sync only</source>
        <translation>--verify ne va qu’avec put, restore, sync, station --send et station --sync</translation>
    </message>
    <message>
        <source>--quick goes with diff, sync and station --sync only</source>
        <translation>--quick ne va qu’avec diff, sync et station --sync</translation>
    </message>
    <message>
        <source>--delete goes with sync and station --sync only</source>
        <translation>--delete ne va qu’avec sync et station --sync</translation>
    </message>
    <message>
        <source>--dry-run goes with sync only</source>
        <translation>--dry-run ne va qu’avec sync</translation>
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
        <translation>  collect DIR           copier chaque fichier, lu deux fois et comparé, dans
                        DIR/&lt;nom&gt;/ (DIR est créé s’il manque) et ajouter une
                        ligne par fichier à DIR/receipt.csv&#xa0;; avec --clear,
                        supprimer ensuite de la calculatrice chaque fichier
                        ainsi collecté, et aucun autre
  station --collect DIR collecter chaque calculatrice branchée dans DIR,
                        jusqu’à l’interruption (avec --clear, et la vider)
  station --name PATTERN
                        renommer d’abord chaque calculatrice branchée&#xa0;: les #
                        de PATTERN deviennent un numéro courant, complété de
                        zéros à leur nombre («&#xa0;Desk ##&#xa0;»&#xa0;: Desk 01, Desk 02...&#xa0;;
                        --first N&#xa0;: à partir de N)&#xa0;; seule, ou avant --send,
                        --backup, --sync ou --collect</translation>
    </message>
    <message>
        <source>collect, station --collect: then delete on the calculator each file collected, read the same twice and written whole, and no other.</source>
        <translation>collect, station --collect&#xa0;: supprimer ensuite de la calculatrice chaque fichier collecté, lu deux fois à l’identique et écrit en entier, et aucun autre.</translation>
    </message>
    <message>
        <source>station: collect each calculator plugged in into a folder of its own in DIR, with a row per file in DIR/receipt.csv.</source>
        <translation>station&#xa0;: collecter chaque calculatrice branchée dans son propre dossier dans DIR, avec une ligne par fichier dans DIR/receipt.csv.</translation>
    </message>
    <message>
        <source>station: rename each calculator plugged in, before anything else, by the pattern: its #s become a running number padded with zeros to their count.</source>
        <translation>station&#xa0;: renommer chaque calculatrice branchée, avant toute autre chose, d’après le motif&#xa0;: ses # deviennent un numéro courant complété de zéros à leur nombre.</translation>
    </message>
    <message>
        <source>station --name: the first calculator&apos;s number (default: 1).</source>
        <translation>station --name&#xa0;: le numéro de la première calculatrice (par défaut&#xa0;: 1).</translation>
    </message>
    <message>
        <source>collect needs a folder</source>
        <translation>collect demande un dossier</translation>
    </message>
    <message>
        <source>station takes one of --send, --backup, --sync and --collect</source>
        <translation>station ne prend qu’une option parmi --send, --backup, --sync et --collect</translation>
    </message>
    <message>
        <source>station needs --send FILE..., --backup DIR, --sync DIR, --collect DIR or --name PATTERN</source>
        <translation>station demande --send FILE..., --backup DIR, --sync DIR, --collect DIR ou --name PATTERN</translation>
    </message>
    <message>
        <source>station --collect takes no other arguments</source>
        <translation>station --collect ne prend pas d’autre argument</translation>
    </message>
    <message>
        <source>station --collect needs a folder</source>
        <translation>station --collect demande un dossier</translation>
    </message>
    <message>
        <source>station --name takes no other arguments</source>
        <translation>station --name ne prend pas d’autre argument</translation>
    </message>
    <message>
        <source>--clear goes with collect and station --collect only</source>
        <translation>--clear ne s’emploie qu’avec collect et station --collect</translation>
    </message>
    <message>
        <source>--first goes with station --name only</source>
        <translation>--first ne s’emploie qu’avec station --name</translation>
    </message>
    <message>
        <source>station --name needs a pattern</source>
        <translation>station --name demande un motif</translation>
    </message>
    <message>
        <source>--first takes a whole number from 0 up</source>
        <translation>--first prend un nombre entier à partir de 0</translation>
    </message>
    <message>
        <source>--name gives &quot;%1&quot; (%2 characters); a device name has at most %3</source>
        <extracomment>%1 is the first calculator&apos;s name by the pattern.</extracomment>
        <translation>--name donne «&#xa0;%1&#xa0;» (%2 caractères)&#xa0;; un nom d’appareil compte au plus %3</translation>
    </message>
    <message>
        <source>--collect, --name and --first go with station only</source>
        <translation>--collect, --name et --first ne s’emploient qu’avec station</translation>
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
        <translation>Menu</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos…</translation>
    </message>
    <message>
        <source>Change device name...</source>
        <translation>Changer le nom de l’appareil…</translation>
    </message>
    <message>
        <source>No calculator is connected</source>
        <translation>Aucune calculatrice n’est branchée</translation>
    </message>
    <message>
        <source>Send to all calculators…</source>
        <translation>Envoyer à toutes les calculatrices…</translation>
    </message>
    <message>
        <source>Send to the chosen calculators…</source>
        <translation>Envoyer aux calculatrices choisies…</translation>
    </message>
    <message>
        <source>No calculator is chosen; tick the calculators first</source>
        <translation>Aucune calculatrice n’est choisie&#xa0;; cochez d’abord les calculatrices</translation>
    </message>
    <message>
        <source>Close program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>Copy and transfer selected files from calculator to PC</source>
        <translation>Copier les fichiers sélectionnés de la calculatrice vers l’ordinateur</translation>
    </message>
    <message>
        <source>Yoy must select some files for downloading</source>
        <translation>Sélectionnez d’abord les fichiers à copier</translation>
    </message>
    <message>
        <source>Send files to calculator...</source>
        <translation>Envoyer des fichiers à la calculatrice…</translation>
    </message>
    <message>
        <source>Delete selected files</source>
        <translation>Supprimer les fichiers sélectionnés</translation>
    </message>
    <message>
        <source>No files selected for deleting</source>
        <translation>Aucun fichier sélectionné à supprimer</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Occupé</translation>
    </message>
    <message>
        <source>Wait until the transfer in progress has finished</source>
        <translation>Attendez la fin du transfert en cours</translation>
    </message>
    <message>
        <source>Back up…</source>
        <translation>Sauvegarder…</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>Restaurer…</translation>
    </message>
    <message>
        <source>Back up all calculators…</source>
        <translation>Sauvegarder toutes les calculatrices…</translation>
    </message>
    <message>
        <source>Verify files after sending</source>
        <translation>Vérifier les fichiers après l’envoi</translation>
    </message>
    <message>
        <source>Station…</source>
        <translation>Station…</translation>
    </message>
    <message>
        <source>Wait until the job on several calculators has ended</source>
        <translation>Attendez la fin de la tâche sur plusieurs calculatrices</translation>
    </message>
    <message>
        <source>The station is on; switch it off first</source>
        <translation>La station est en marche&#xa0;; arrêtez-la d’abord</translation>
    </message>
    <message>
        <source>Collect from all calculators…</source>
        <translation>Collecter toutes les calculatrices…</translation>
    </message>
    <message>
        <source>Clear all calculators…</source>
        <translation>Effacer toutes les calculatrices…</translation>
    </message>
    <message>
        <source>Compare with a folder…</source>
        <translation>Comparer avec un dossier…</translation>
    </message>
    <message>
        <source>Sync all calculators with a folder…</source>
        <translation>Aligner toutes les calculatrices sur un dossier…</translation>
    </message>
</context>
<context>
    <name>vuve-vudurod</name>
    <message>
        <source>Copies files to and from Vori graphing calculators over USB.</source>
        <translation>Copie des fichiers depuis et vers les calculatrices graphiques Vori par USB.</translation>
    </message>
</context>
<context>
    <name>vuve-vudurod-demo</name>
    <message>
        <source>Also list the serial device or pseudo-terminal at &lt;path&gt; as a calculator (repeatable).</source>
        <translation>Afficher aussi le périphérique série ou le pseudo-terminal &lt;path&gt; comme calculatrice (répétable).</translation>
    </message>
    <message>
        <source>Vuve Vudurod with two simulated calculators, &quot;Vori X1&quot; and &quot;Vori X1 Lab&quot;.</source>
        <translation>Vuve Vudurod avec deux calculatrices simulées, «&#xa0;Vori X1&#xa0;» et «&#xa0;Vori X1 Lab&#xa0;».</translation>
    </message>
    <message>
        <source>no such device: %1</source>
        <translation>appareil introuvable&#xa0;: %1</translation>
    </message>
</context>
</TS>

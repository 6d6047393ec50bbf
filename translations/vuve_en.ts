<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BackupRestorer</name>
    <message numerus="yes">
        <source>%n more files of the backup do not match its manifest.</source>
        <translation>
            <numerusform>%n more file of the backup does not match its manifest.</numerusform>
            <numerusform>%n more files of the backup do not match its manifest.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more files of the backup can&apos;t be restored.</source>
        <translation>
            <numerusform>%n more file of the backup can&apos;t be restored.</numerusform>
            <numerusform>%n more files of the backup can&apos;t be restored.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BackupTexts</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1 lists the first names; %n counts the names left out.</extracomment>
        <translation>
            <numerusform>%1 and %n more</numerusform>
            <numerusform>%1 and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Backed up %n files of %1 to %2</source>
        <extracomment>%1 is the calculator&apos;s name, %2 the backup&apos;s folder.</extracomment>
        <translation>
            <numerusform>Backed up %n file of %1 to %2</numerusform>
            <numerusform>Backed up %n files of %1 to %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n files can&apos;t be restored from it</source>
        <extracomment>Follows &quot;Backed up 3 files of Vori X1 to …&quot;: files the backup holds that a restore can&apos;t send back (too large, a name not allowed).</extracomment>
        <translation>
            <numerusform>; %n file can&apos;t be restored from it</numerusform>
            <numerusform>; %n files can&apos;t be restored from it</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files will be added: %1.</source>
        <extracomment>%1 lists the calculator&apos;s file names.</extracomment>
        <translation>
            <numerusform>%n file will be added: %1.</numerusform>
            <numerusform>%n files will be added: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files will be replaced: %1.</source>
        <extracomment>%1 lists the calculator&apos;s file names.</extracomment>
        <translation>
            <numerusform>%n file will be replaced: %1.</numerusform>
            <numerusform>%n files will be replaced: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files of the backup can&apos;t be restored: %1.</source>
        <extracomment>%1 lists the files with the reason for each.</extracomment>
        <translation>
            <numerusform>%n file of the backup can&apos;t be restored: %1.</numerusform>
            <numerusform>%n files of the backup can&apos;t be restored: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %n files to %1 and checked them</source>
        <extracomment>Checked: the calculator&apos;s listing shows every file with its size.</extracomment>
        <translation>
            <numerusform>Restored %n file to %1 and checked it</numerusform>
            <numerusform>Restored %n files to %1 and checked them</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %n files to %1, but the calculator does not list them all as sent</source>
        <translation>
            <numerusform>Restored %n file to %1, but the calculator does not list it as sent</numerusform>
            <numerusform>Restored %n files to %1, but the calculator does not list them all as sent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %1 of %n files to %2</source>
        <extracomment>%1 files of %n were sent; %2 is the calculator&apos;s name.</extracomment>
        <translation>
            <numerusform>Restored %1 of %n files to %2</numerusform>
            <numerusform>Restored %1 of %n files to %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n files of the backup can&apos;t be restored</source>
        <translation>
            <numerusform>; %n file of the backup can&apos;t be restored</numerusform>
            <numerusform>; %n files of the backup can&apos;t be restored</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchRunner</name>
    <message numerus="yes">
        <source>deleted %n files</source>
        <translation>
            <numerusform>deleted %n file</numerusform>
            <numerusform>deleted %n files</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CVoriWorker</name>
    <message numerus="yes">
        <source>%n files on %1 could not be read and are not shown.</source>
        <extracomment>%1 is a calculator&apos;s name.</extracomment>
        <translation>
            <numerusform>%n file on %1 could not be read and is not shown.</numerusform>
            <numerusform>%n files on %1 could not be read and are not shown.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalcRunner</name>
    <message numerus="yes">
        <source>%n files in %1</source>
        <translation>
            <numerusform>%n file in %1</numerusform>
            <numerusform>%n files in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1 lists the first names; %n counts the names left out.</extracomment>
        <translation>
            <numerusform>%1 and %n more</numerusform>
            <numerusform>%1 and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were not collected: %1.</source>
        <extracomment>%1 lists the files.</extracomment>
        <translation>
            <numerusform>%n file was not collected: %1.</numerusform>
            <numerusform>%n files were not collected: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were collected but not deleted on the calculator: %1.</source>
        <extracomment>%1 lists the files, which are in the folder and still on the calculator.</extracomment>
        <translation>
            <numerusform>%n file was collected but not deleted on the calculator: %1.</numerusform>
            <numerusform>%n files were collected but not deleted on the calculator: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>collected and cleared %n files into %1</source>
        <translation>
            <numerusform>collected and cleared %n file into %1</numerusform>
            <numerusform>collected and cleared %n files into %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>collected %n files into %1</source>
        <translation>
            <numerusform>collected %n file into %1</numerusform>
            <numerusform>collected %n files into %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalculatorPane</name>
    <message numerus="yes">
        <source>%n devices need attention:</source>
        <translation>
            <numerusform>%n device needs attention:</numerusform>
            <numerusform>%n devices need attention:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassJobModel</name>
    <message numerus="yes">
        <source>cancelled after %n files</source>
        <translation>
            <numerusform>cancelled after %n file</numerusform>
            <numerusform>cancelled after %n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files sent</source>
        <translation>
            <numerusform>%n file sent</numerusform>
            <numerusform>%n files sent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sent %n files</source>
        <translation>
            <numerusform>Sent %n file</numerusform>
            <numerusform>Sent %n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> to %1 of %n calculators</source>
        <translation>
            <numerusform> to %1 of %n calculator</numerusform>
            <numerusform> to %1 of %n calculators</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n failed: %1</source>
        <translation>
            <numerusform>; %n failed: %1</numerusform>
            <numerusform>; %n failed: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n cancelled</source>
        <translation>
            <numerusform>; %n cancelled</numerusform>
            <numerusform>; %n cancelled</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files backed up</source>
        <translation>
            <numerusform>%n file backed up</numerusform>
            <numerusform>%n files backed up</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Backed up %1 of %n calculators</source>
        <translation>
            <numerusform>Backed up %1 of %n calculator</numerusform>
            <numerusform>Backed up %1 of %n calculators</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n calculators served</source>
        <translation>
            <numerusform>%n calculator served</numerusform>
            <numerusform>%n calculators served</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n in progress</source>
        <translation>
            <numerusform>, %n in progress</numerusform>
            <numerusform>, %n in progress</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>collected %n files</source>
        <translation>
            <numerusform>collected %n file</numerusform>
            <numerusform>collected %n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>collected and cleared %n files</source>
        <translation>
            <numerusform>collected and cleared %n file</numerusform>
            <numerusform>collected and cleared %n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Collected from %1 of %n calculators</source>
        <translation>
            <numerusform>Collected from %1 of %n calculator</numerusform>
            <numerusform>Collected from %1 of %n calculators</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Collected from and cleared %1 of %n calculators</source>
        <translation>
            <numerusform>Collected from and cleared %1 of %n calculator</numerusform>
            <numerusform>Collected from and cleared %1 of %n calculators</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Compared %1 of %n calculators with the folder</source>
        <translation>
            <numerusform>Compared %1 of %n calculator with the folder</numerusform>
            <numerusform>Compared %1 of %n calculators with the folder</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassJobs</name>
    <message numerus="yes">
        <source>Send to %n calculators</source>
        <translation>
            <numerusform>Send to %n calculator</numerusform>
            <numerusform>Send to %n calculators</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Back up %n calculators into %1</source>
        <translation>
            <numerusform>Back up %n calculator into %1</numerusform>
            <numerusform>Back up %n calculators into %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>each calculator plugged in is sent %n files, %1, which replace those of their names.</source>
        <translation>
            <numerusform>each calculator plugged in is sent %n file, %1, which replaces one of its name.</numerusform>
            <numerusform>each calculator plugged in is sent %n files, %1, which replace those of their names.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Station: send %n files</source>
        <translation>
            <numerusform>Station: send %n file</numerusform>
            <numerusform>Station: send %n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Collect from and clear %n calculators into %1</source>
        <translation>
            <numerusform>Collect from and clear %n calculator into %1</numerusform>
            <numerusform>Collect from and clear %n calculators into %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Collect from %n calculators into %1</source>
        <translation>
            <numerusform>Collect from %n calculator into %1</numerusform>
            <numerusform>Collect from %n calculators into %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Compare %n calculators with %1</source>
        <translation>
            <numerusform>Compare %n calculator with %1</numerusform>
            <numerusform>Compare %n calculators with %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sync %n calculators with %1</source>
        <translation>
            <numerusform>Sync %n calculator with %1</numerusform>
            <numerusform>Sync %n calculators with %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileTablePane</name>
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
    <name>FolderCompareModel</name>
    <message numerus="yes">
        <source>%n still being compared.</source>
        <translation>
            <numerusform>%n still being compared.</numerusform>
            <numerusform>%n still being compared.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be compared.</source>
        <translation>
            <numerusform>%n could not be compared.</numerusform>
            <numerusform>%n could not be compared.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PortChooser</name>
    <message numerus="yes">
        <source>%n calculators are named %1, on %2; choose one with --port, or all of them with --every.</source>
        <extracomment>%1 is a calculator&apos;s name, %2 their ports.</extracomment>
        <translation>
            <numerusform>%n calculator is named %1, on %2; choose one with --port, or all of them with --every.</numerusform>
            <numerusform>%n calculators are named %1, on %2; choose one with --port, or all of them with --every.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n calculators are connected, on %1; choose one with --calc NAME or --port PATH, or all of them with --every.</source>
        <extracomment>%1 lists their ports.</extracomment>
        <translation>
            <numerusform>%n calculator is connected, on %1; choose one with --calc NAME or --port PATH, or all of them with --every.</numerusform>
            <numerusform>%n calculators are connected, on %1; choose one with --calc NAME or --port PATH, or all of them with --every.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reporter</name>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n files</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncRunner</name>
    <message numerus="yes">
        <source>%n extra files left on the calculator; --delete deletes them</source>
        <translation>
            <numerusform>%n extra file left on the calculator; --delete deletes them</numerusform>
            <numerusform>%n extra files left on the calculator; --delete deletes them</numerusform>
        </translation>
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
    <message numerus="yes">
        <source>Sending %n files…</source>
        <translation>
            <numerusform>Sending %n file…</numerusform>
            <numerusform>Sending %n files…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying %n files…</source>
        <translation>
            <numerusform>Copying %n file…</numerusform>
            <numerusform>Copying %n files…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sent %n files to %1</source>
        <translation>
            <numerusform>Sent %n file to %1</numerusform>
            <numerusform>Sent %n files to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sent %1 of %n files to %2</source>
        <translation>
            <numerusform>Sent %1 of %n files to %2</numerusform>
            <numerusform>Sent %1 of %n files to %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %n files to %1</source>
        <translation>
            <numerusform>Copied %n file to %1</numerusform>
            <numerusform>Copied %n files to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %1 of %n files to %2</source>
        <translation>
            <numerusform>Copied %1 of %n files to %2</numerusform>
            <numerusform>Copied %1 of %n files to %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %n files to the clipboard</source>
        <translation>
            <numerusform>Copied %n file to the clipboard</numerusform>
            <numerusform>Copied %n files to the clipboard</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %1 of %n files to the clipboard</source>
        <translation>
            <numerusform>Copied %1 of %n files to the clipboard</numerusform>
            <numerusform>Copied %1 of %n files to the clipboard</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n skipped</source>
        <extracomment>Follows an outcome such as &quot;Sent 2 files to Vori X1&quot;.</extracomment>
        <translation>
            <numerusform>; %n skipped</numerusform>
            <numerusform>; %n skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Backing up %n files…</source>
        <translation>
            <numerusform>Backing up %n file…</numerusform>
            <numerusform>Backing up %n files…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restoring %n files…</source>
        <translation>
            <numerusform>Restoring %n file…</numerusform>
            <numerusform>Restoring %n files…</numerusform>
        </translation>
    </message>
</context>
</TS>

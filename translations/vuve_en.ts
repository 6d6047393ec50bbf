<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
    <name>CVivuRuzaSession</name>
    <message numerus="yes">
        <source>Send to %n calculators</source>
        <translation>
            <numerusform>Send to %n calculator</numerusform>
            <numerusform>Send to %n calculators</numerusform>
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
</context>
</TS>

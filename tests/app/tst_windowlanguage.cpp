// The window in the language the environment picks: ctest starts this test
// once with none set, where the window's texts must be the given English
// ones byte for byte, and once each with LANGUAGE=de, fr and es.
#include "CalcSimulator.h"
#include "TransferProgress.h"
#include "TwoCalculators.h"
#include "UiLanguage.h"
#include "WindowDriver.h"

#include <QLocale>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QList<QPair<QString, QByteArray>> calculatorFiles = {
    { QStringLiteral("MAIN.py"), QByteArray("print('on the calculator')\n") },
};

// A text in the three languages the test runs in.
struct Texts
{
    QString en;
    QString de;
    QString fr;
    QString es;
};

QString inUse(const Texts &texts)
{
    const QString language = UiLanguage::current();
    if (language == QLatin1String("de"))
        return texts.de;
    if (language == QLatin1String("fr"))
        return texts.fr;
    if (language == QLatin1String("es"))
        return texts.es;
    return texts.en;
}

} // namespace

Q_DECLARE_METATYPE(Texts)

class TestWindowLanguage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void texts_data();
    void texts();
    void statusLine();
    void deleteQuestion();
    void aboutFits();
    void sizes_data();
    void sizes();
    void transferLine_data();
    void transferLine();
    void backupLine_data();
    void backupLine();

private:
    QObject *item(const QByteArray &name) const;

    std::unique_ptr<CalcSimulator> m_calc;
    std::unique_ptr<CalcSimulator> m_lab;
    std::unique_ptr<WindowDriver> m_driver;
};

void TestWindowLanguage::initTestCase()
{
    const QByteArray asked = qgetenv("LANGUAGE");
    QCOMPARE(
        UiLanguage::current(), asked.isEmpty() ? QStringLiteral("en") : QString::fromLatin1(asked));
}

void TestWindowLanguage::init()
{
    m_driver = std::make_unique<WindowDriver>();
    QVERIFY(m_driver->start());
}

void TestWindowLanguage::cleanup()
{
    m_driver.reset();
    m_calc.reset();
    m_lab.reset();
}

// An id of the document, or an object name where the part has no id there.
QObject *TestWindowLanguage::item(const QByteArray &name) const
{
    if (name == "nameColumn" || name == "sizeColumn") {
        QVariant column;
        QMetaObject::invokeMethod(m_driver->byId("tableView"), "getColumn",
            Q_RETURN_ARG(QVariant, column), Q_ARG(QVariant, name == "nameColumn" ? 0 : 1));
        return column.value<QObject *>();
    }
    if (QObject *named = m_driver->window()->findChild<QObject *>(QLatin1String(name)))
        return named;
    return m_driver->byId(name.constData());
}

void TestWindowLanguage::texts_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<Texts>("expected");

    const auto row
        = [](const char *tag, const char *name, const char *property, const Texts &texts) {
              QTest::newRow(tag) << QByteArray(name) << QByteArray(property) << texts;
          };
    row("menu", "menuButton", "tip", { "Menu", "Menü", "Menu", "Menú" });
    row("download", "downloadButton", "tip",
        { "Copy and transfer selected files from calculator to PC",
            "Ausgewählte Dateien vom Taschenrechner auf den PC kopieren",
            "Copier les fichiers sélectionnés de la calculatrice vers l’ordinateur",
            "Copiar los archivos seleccionados de la calculadora al PC" });
    row("send", "sendButton", "tip",
        { "Send files to calculator...", "Dateien an den Taschenrechner senden …",
            "Envoyer des fichiers à la calculatrice…", "Enviar archivos a la calculadora…" });
    row("delete", "deleteButton", "tip",
        { "Delete selected files", "Ausgewählte Dateien löschen",
            "Supprimer les fichiers sélectionnés", "Eliminar los archivos seleccionados" });
    row("about item", "aboutMenuItem", "text", { "About...", "Über …", "À propos…", "Acerca de…" });
    row("rename item", "changeNameMenuItem", "text",
        { "Change device name...", "Gerätenamen ändern …", "Changer le nom de l’appareil…",
            "Cambiar el nombre del dispositivo…" });
    row("close item", "closeMenuItem", "text",
        { "Close program", "Programm beenden", "Quitter le programme", "Cerrar el programa" });
    row("backup item", "backUpMenuItem", "text",
        { "Back up\u2026", "Sichern \u2026", "Sauvegarder\u2026",
            "Hacer copia de seguridad\u2026" });
    row("restore item", "restoreMenuItem", "text",
        { "Restore\u2026", "Wiederherstellen \u2026", "Restaurer\u2026", "Restaurar\u2026" });
    row("backup button", "backUpButton", "text",
        { "Back Up", "Sichern", "Sauvegarder", "Hacer copia" });
    row("restore question", "restoreQuestion", "title",
        { "Restore a backup", "Sicherung wiederherstellen", "Restaurer une sauvegarde",
            "Restaurar una copia de seguridad" });
    row("name column", "nameColumn", "title", { "Name", "Name", "Nom", "Nombre" });
    row("size column", "sizeColumn", "title", { "Size", "Größe", "Taille", "Tamaño" });
    row("about", "aboutDialog", "title", { "About", "Über", "À propos", "Acerca de" });
    row("language", "aboutLanguage", "text",
        { "Language: English", "Sprache: Deutsch", "Langue\u00a0: français", "Idioma: español" });
    row("error", "errorMessageDialog", "title", { "Error", "Fehler", "Erreur", "Error" });
    row("folder chooser", "choseFolderDialog", "title",
        { "Please choose a folder to save files",
            "Bitte einen Ordner zum Speichern der Dateien auswählen",
            "Choisissez un dossier où enregistrer les fichiers",
            "Elige una carpeta donde guardar los archivos" });
    row("file chooser", "choseFileDialog", "title",
        { "Please choose files", "Bitte Dateien auswählen", "Choisissez des fichiers",
            "Elige los archivos" });
    row("rename", "changeNameDialog", "title",
        { "Enter a new device name:", "Neuen Gerätenamen eingeben:",
            "Saisissez un nouveau nom d’appareil\u00a0:",
            "Escribe un nuevo nombre de dispositivo:" });
    row("rename field", "newNameField", "placeholderText",
        { "Enter a new device name", "Neuen Gerätenamen eingeben",
            "Saisissez un nouveau nom d’appareil", "Escribe un nuevo nombre de dispositivo" });
    row("renaming notice", "fileNameWasChangeDialog", "title",
        { "Warning", "Hinweis", "Attention", "Aviso" });
    row("no calculator", "emptyHint", "text",
        { "Connect a calculator with its USB cable. It shows up here within a few seconds.\n\n"
          "Nothing appears? Check that the calculator is switched on and shows its home "
          "screen, and that /dev/ttyACM0 (or a later number) exists. If you may not open it, "
          "/usr/share/doc/vuve-vudurod/troubleshooting.md tells how to get access.",
            "Schließen Sie einen Taschenrechner mit seinem USB-Kabel an. Er erscheint hier "
            "nach wenigen Sekunden.\n\nEs erscheint nichts? Prüfen Sie, ob der Taschenrechner "
            "eingeschaltet ist und seinen Startbildschirm zeigt und ob /dev/ttyACM0 (oder "
            "eine höhere Nummer) existiert. Wenn Sie keinen Zugriff darauf haben, steht in "
            "/usr/share/doc/vuve-vudurod/troubleshooting.md, wie Sie ihn bekommen.",
            "Branchez une calculatrice avec son câble USB. Elle apparaît ici en quelques "
            "secondes.\n\nRien n’apparaît\u00a0? Vérifiez que la calculatrice est allumée et "
            "affiche son écran d’accueil, et que /dev/ttyACM0 (ou un numéro suivant) existe. "
            "Si vous n’avez pas le droit de l’ouvrir, "
            "/usr/share/doc/vuve-vudurod/troubleshooting.md explique comment obtenir "
            "l’accès.",
            "Conecta una calculadora con su cable USB. Aparecerá aquí en unos segundos.\n\n"
            "¿No aparece nada? Comprueba que la calculadora está encendida y muestra su pantalla "
            "de inicio, y que existe /dev/ttyACM0 (o un número posterior). Si no tienes permiso "
            "para abrirlo, /usr/share/doc/vuve-vudurod/troubleshooting.md explica cómo "
            "conseguir acceso." });
}

void TestWindowLanguage::texts()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, property);
    QFETCH(Texts, expected);
    QObject *object = item(name);
    QVERIFY(object);
    QCOMPARE(m_driver->read(object, property.constData()).toString(), inUse(expected));
    QCOMPARE(m_driver->window()->title(), QStringLiteral("Vuve Vudurod"));
}

void TestWindowLanguage::statusLine()
{
    m_driver->activate("deleteButton");
    QCOMPARE(m_driver->statusLine(),
        inUse({ "No files selected for deleting", "Keine Dateien zum Löschen ausgewählt",
            "Aucun fichier sélectionné à supprimer",
            "No hay archivos seleccionados para eliminar" }));
    m_driver->activate("sendButton");
    QCOMPARE(m_driver->statusLine(),
        inUse({ "No calculator is connected", "Kein Taschenrechner angeschlossen",
            "Aucune calculatrice n’est branchée", "No hay ninguna calculadora conectada" }));
}

// The question's own words and the toolkit's buttons, which come with Qt's
// translation.
void TestWindowLanguage::deleteQuestion()
{
    QVERIFY(startTwoCalculators(m_calc, m_lab, calculatorFiles));
    QVERIFY(m_driver->attach({ m_calc->portPath(), m_lab->portPath() }, 1));
    m_driver->selectRows({ 0 });
    m_driver->activate("deleteButton");
    QTRY_VERIFY(m_driver->isOpen("doYouWantDeleteItDialog"));
    QCOMPARE(m_driver->read(m_driver->byName("doYouWantDeleteItText"), "text").toString(),
        inUse({ "Do you want to delete next files:\nMAIN.py?",
            "Möchten Sie diese Dateien löschen?\nMAIN.py",
            "Voulez-vous supprimer ces fichiers\u00a0?\nMAIN.py",
            "¿Quieres eliminar estos archivos?\nMAIN.py" }));
    QVERIFY(m_driver->dialogButton("doYouWantDeleteItDialog", inUse({ "Yes", "Ja", "Oui", "Sí" })));
    QVERIFY(
        m_driver->dialogButton("doYouWantDeleteItDialog", inUse({ "No", "Nein", "Non", "No" })));
    m_driver->answer("doYouWantDeleteItDialog", false);
}

// However long a translation of the notice, the box shows all of it inside
// the window at its smallest size.
void TestWindowLanguage::aboutFits()
{
    QSignalSpy frames(m_driver->window(), &QQuickWindow::frameSwapped);
    m_driver->activate("aboutMenuItem");
    QTRY_VERIFY(m_driver->read("aboutDialog", "opened").toBool());
    // The notice's lines are laid out once a frame shows them.
    frames.clear();
    m_driver->window()->update();
    QTRY_VERIFY(frames.count() >= 2);
    const auto sceneRect = [](QQuickItem *item) {
        return item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    };
    auto *column = qobject_cast<QQuickItem *>(m_driver->byName("aboutVersion"))->parentItem();
    auto *content = m_driver->read("aboutDialog", "contentItem").value<QQuickItem *>();
    auto *box = m_driver->read("aboutDialog", "background").value<QQuickItem *>();
    QVERIFY(column && content && box);
    const QRectF text = sceneRect(column);
    QVERIFY2(text.height() > 0 && text.bottom() <= sceneRect(content).bottom() + 0.5,
        qPrintable(QStringLiteral("the notice ends at %1, its place at %2")
                       .arg(text.bottom())
                       .arg(sceneRect(content).bottom())));
    QVERIFY(sceneRect(box).top() >= 0);
    QVERIFY(sceneRect(box).bottom() <= m_driver->window()->height());
}

// Sizes and rates the session formats itself follow the locale's numbers.
void TestWindowLanguage::sizes_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<Texts>("expected");
    const QLocale c = QLocale::c();
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("C, bytes") << c << qint64(1023)
                              << Texts { "1023 bytes", "1023 Byte", "1023 octets", "1023 bytes" };
    QTest::newRow("C, KiB") << c << qint64(1536)
                            << Texts { "1.5 KiB", "1.5 KiB", "1.5 Kio", "1.5 KiB" };
    QTest::newRow("English, KiB") << english << qint64(1536)
                                  << Texts { "1.5 KiB", "1.5 KiB", "1.5 Kio", "1.5 KiB" };
    QTest::newRow("German, MiB") << german << qint64(1572864)
                                 << Texts { "1,5 MiB", "1,5 MiB", "1,5 Mio", "1,5 MiB" };
    QTest::newRow("German, bytes, no grouping")
        << german << qint64(1000)
        << Texts { "1000 bytes", "1000 Byte", "1000 octets", "1000 bytes" };
}

void TestWindowLanguage::sizes()
{
    QFETCH(QLocale, locale);
    QFETCH(qint64, bytes);
    QFETCH(Texts, expected);
    const QLocale before;
    QLocale::setDefault(locale);
    const QString text = TransferProgress::sizeText(bytes);
    QLocale::setDefault(before);
    QCOMPARE(text, inUse(expected));
}

// What the footer shows of a send: its counts take the language's plural
// forms, English's included.
void TestWindowLanguage::transferLine_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("done");
    QTest::addColumn<Texts>("running");
    QTest::addColumn<Texts>("outcome");
    QTest::newRow("one") << 1 << 1
                         << Texts { "Sending 1 file\u2026", "1 Datei wird gesendet \u2026",
                                "Envoi de 1 fichier\u2026", "Enviando 1 archivo\u2026" }
                         << Texts { "Sent 1 file to Vori X1", "1 Datei an Vori X1 gesendet",
                                "1 fichier envoyé à Vori X1", "1 archivo enviado a Vori X1" };
    QTest::newRow("two") << 2 << 2
                         << Texts { "Sending 2 files\u2026", "2 Dateien werden gesendet \u2026",
                                "Envoi de 2 fichiers\u2026", "Enviando 2 archivos\u2026" }
                         << Texts { "Sent 2 files to Vori X1", "2 Dateien an Vori X1 gesendet",
                                "2 fichiers envoyés à Vori X1", "2 archivos enviados a Vori X1" };
    QTest::newRow("none of one") << 1 << 0
                                 << Texts { "Sending 1 file\u2026", "1 Datei wird gesendet \u2026",
                                        "Envoi de 1 fichier\u2026", "Enviando 1 archivo\u2026" }
                                 << Texts { "Sent 0 of 1 files to Vori X1",
                                        "0 von 1 Datei an Vori X1 gesendet",
                                        "0 sur 1 fichier envoyé à Vori X1",
                                        "0 de 1 archivo enviado a Vori X1" };
}

// A backup's and a restore's lines count their files the same way.
void TestWindowLanguage::backupLine_data()
{
    QTest::addColumn<bool>("restore");
    QTest::addColumn<int>("count");
    QTest::addColumn<Texts>("running");
    QTest::addColumn<Texts>("file");
    QTest::newRow("backup of one")
        << false << 1
        << Texts { "Backing up 1 file\u2026", "1 Datei wird gesichert \u2026",
               "Sauvegarde de 1 fichier\u2026", "Haciendo copia de seguridad de 1 archivo\u2026" }
        << Texts { "Backing up MAIN.py (1 of 1)", "MAIN.py wird gesichert (1 von 1)",
               "Sauvegarde de MAIN.py (1 sur 1)",
               "Haciendo copia de seguridad de MAIN.py (1 de 1)" };
    QTest::newRow("restore of three")
        << true << 3
        << Texts { "Restoring 3 files\u2026", "3 Dateien werden wiederhergestellt \u2026",
               "Restauration de 3 fichiers\u2026", "Restaurando 3 archivos\u2026" }
        << Texts { "Restoring MAIN.py (1 of 3)", "MAIN.py wird wiederhergestellt (1 von 3)",
               "Restauration de MAIN.py (1 sur 3)", "Restaurando MAIN.py (1 de 3)" };
}

void TestWindowLanguage::backupLine()
{
    QFETCH(bool, restore);
    QFETCH(int, count);
    QFETCH(Texts, running);
    QFETCH(Texts, file);
    TransferProgress progress;
    progress.start(restore ? TransferProgress::Kind::Restore : TransferProgress::Kind::Backup,
        QStringLiteral("Vori X1"), count);
    QCOMPARE(progress.text(), inUse(running));
    progress.update(1, count, QStringLiteral("MAIN.py"), -1, -1);
    QCOMPARE(progress.text(), inUse(file));
}

void TestWindowLanguage::transferLine()
{
    QFETCH(int, count);
    QFETCH(int, done);
    QFETCH(Texts, running);
    QFETCH(Texts, outcome);
    TransferProgress progress;
    progress.start(TransferProgress::Kind::Send, QStringLiteral("Vori X1"), count);
    QCOMPARE(progress.text(), inUse(running));
    progress.finish(done, count);
    QCOMPARE(progress.outcome(), inUse(outcome));
}

QTEST_MAIN(TestWindowLanguage)
#include "tst_windowlanguage.moc"

// Draws the toolbar icons and the application icon, the latter also in every
// size of the hicolor icon theme and as SVG. Run through
// scripts/make-icons; the PNGs it writes are committed, so the build never
// needs this program.
#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QTextStream>

#include <functional>

namespace {

bool save(const QImage &image, const QString &path, const char *format)
{
    QImageWriter writer(path, format);
    if (writer.write(image))
        return true;
    QTextStream(stderr) << path << ": " << writer.errorString() << '\n';
    return false;
}

// An icon file with one PNG-compressed 256 x 256 entry; Qt's own writer stores
// it uncompressed, forty times larger.
bool saveIco(const QImage &image, const QString &path)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "png"))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(1); // icon file, one image
    out << quint8(0) << quint8(0) << quint8(0) << quint8(0); // 256 x 256, no palette
    out << quint16(1) << quint16(32) << quint32(png.size()) << quint32(6 + 16);
    out.writeRawData(png.constData(), png.size());
    return file.commit();
}

QImage toolbarIcon(const std::function<void(QPainter &)> &draw)
{
    QImage image(24, 24, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return image;
}

QPen strokePen(qreal width)
{
    return QPen(Qt::black, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

void drawMenu(QPainter &p)
{
    for (int y : { 4, 9, 14, 19 })
        p.fillRect(QRect(3, y, 18, 2), Qt::black);
}

void drawDownload(QPainter &p)
{
    // Open tray
    p.setPen(strokePen(2));
    QPainterPath tray;
    tray.moveTo(4, 14);
    tray.lineTo(4, 20);
    tray.lineTo(20, 20);
    tray.lineTo(20, 14);
    p.drawPath(tray);
    // Arrow into it
    p.fillRect(QRectF(11, 2, 2, 9), Qt::black);
    QPainterPath head;
    head.moveTo(6.5, 10);
    head.lineTo(17.5, 10);
    head.lineTo(12, 16.5);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.fillPath(head, Qt::black);
}

void drawSend(QPainter &p)
{
    QPainterPath arrow;
    arrow.moveTo(3, 3);
    arrow.lineTo(22, 12);
    arrow.lineTo(3, 21);
    arrow.lineTo(8, 12);
    arrow.closeSubpath();
    p.fillPath(arrow, Qt::black);
}

void drawRemove(QPainter &p)
{
    // Handle and lid
    p.setPen(strokePen(2));
    p.drawLine(QPointF(3, 6), QPointF(21, 6));
    p.drawPolyline(QPolygonF({ QPointF(9, 6), QPointF(9, 3), QPointF(15, 3), QPointF(15, 6) }));
    // Body
    QPainterPath body;
    body.moveTo(5.5, 8);
    body.lineTo(7, 21);
    body.lineTo(17, 21);
    body.lineTo(18.5, 8);
    p.drawPath(body);
    // Cross on the body
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9.5, 11), QPointF(14.5, 17));
    p.drawLine(QPointF(14.5, 11), QPointF(9.5, 17));
}

// A calculator seen from the front: a screen with a curve, and a key pad,
// drawn on a 256 x 256 canvas.
void drawApplicationIcon(QPainter &p)
{
    const QRectF body(40, 8, 176, 240);
    QLinearGradient shell(body.topLeft(), body.bottomLeft());
    shell.setColorAt(0, QColor(0x3c, 0x46, 0x52));
    shell.setColorAt(1, QColor(0x22, 0x29, 0x31));
    p.setPen(Qt::NoPen);
    p.setBrush(shell);
    p.drawRoundedRect(body, 24, 24);

    const QRectF screen(58, 28, 140, 86);
    p.setBrush(QColor(0xe8, 0xf6, 0xfb));
    p.drawRoundedRect(screen, 8, 8);
    p.setPen(QPen(QColor(0xb8, 0xc8, 0xd0), 2));
    p.drawLine(QPointF(66, 71), QPointF(190, 71));
    p.drawLine(QPointF(128, 36), QPointF(128, 106));
    QPainterPath curve;
    curve.moveTo(66, 96);
    curve.cubicTo(100, 96, 104, 40, 128, 52);
    curve.cubicTo(150, 62, 160, 100, 190, 38);
    p.setPen(QPen(QColor(0x01, 0xb3, 0xe3), 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);

    p.setPen(Qt::NoPen);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            const QRectF key(60 + col * 36, 132 + row * 27, 28, 19);
            const bool accent = col == 3;
            p.setBrush(accent ? QColor(0x01, 0xb3, 0xe3) : QColor(0xd5, 0xdb, 0xe1));
            p.drawRoundedRect(key, 5, 5);
        }
    }
}

QImage applicationIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    drawApplicationIcon(p);
    return image;
}

// The same drawing as vectors, for icon themes' scalable folder.
bool saveSvg(const QString &path)
{
    QBuffer buffer;
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(256, 256));
    generator.setViewBox(QRect(0, 0, 256, 256));
    generator.setTitle(QStringLiteral("Vuve Vudurod"));
    QPainter p;
    if (!p.begin(&generator))
        return false;
    p.setRenderHint(QPainter::Antialiasing);
    drawApplicationIcon(p);
    p.end();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(buffer.data()) != buffer.data().size()
        || !file.commit()) {
        QTextStream(stderr) << path << ": " << file.errorString() << '\n';
        return false;
    }
    return true;
}

// The sizes desktops look for in the hicolor theme, and the scalable one.
bool saveHicolor(const QDir &hicolor)
{
    bool ok = true;
    for (int size : { 16, 22, 24, 32, 48, 64, 128, 256, 512 }) {
        const QString dir = QStringLiteral("%1x%1/apps").arg(size);
        ok = hicolor.mkpath(dir)
            && save(applicationIcon(size),
                hicolor.filePath(dir + QStringLiteral("/vuve-vudurod.png")), "png")
            && ok;
    }
    ok = hicolor.mkpath(QStringLiteral("scalable/apps"))
        && saveSvg(hicolor.filePath(QStringLiteral("scalable/apps/vuve-vudurod.svg"))) && ok;
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        QTextStream(stderr) << "usage: drawicons TOOLBAR-DIR APP-ICON-DIR HICOLOR-DIR\n";
        return 2;
    }
    const QDir toolbarDir(args.at(1));
    const QDir appDir(args.at(2));
    const QDir hicolorDir(args.at(3));

    bool ok = save(toolbarIcon(drawMenu), toolbarDir.filePath(QStringLiteral("menu.png")), "png");
    ok = save(toolbarIcon(drawDownload), toolbarDir.filePath(QStringLiteral("download.png")), "png")
        && ok;
    ok = save(toolbarIcon(drawSend), toolbarDir.filePath(QStringLiteral("send.png")), "png") && ok;
    ok = save(toolbarIcon(drawRemove), toolbarDir.filePath(QStringLiteral("remove.png")), "png")
        && ok;
    const QImage icon = applicationIcon(256);
    ok = save(icon, appDir.filePath(QStringLiteral("vuve-vudurod.png")), "png") && ok;
    ok = saveIco(icon, appDir.filePath(QStringLiteral("vuve-vudurod.ico"))) && ok;
    ok = saveHicolor(hicolorDir) && ok;
    return ok ? 0 : 1;
}

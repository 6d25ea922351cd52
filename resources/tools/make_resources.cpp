// Draws the pictures of the bundle: the button gloss mask "m1.bmp", the red
// hide dot "rot.bmp", the logo "Bild 3.png", the start picture "Bild 2.png",
// the help "help.jpg" (laid out from help_text.txt) and the program's square
// icon "vidolin.png".
//
//   make_resources <output folder> <help_text.txt>
//
// Everything is drawn from code with the DejaVu Sans font, so the same
// sources give the same files on every build.

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// The program's palette.
const QColor kBackground(0xE6, 0xE2, 0xBE);  // window backgrounds
const QColor kPanel(0x8B, 0x89, 0x74);       // control panel
const QColor kDark(0x64, 0x60, 0x47);        // dark buttons
const QColor kLight(0xAC, 0xA9, 0x8F);       // light buttons, bevel highlight
const QColor kMuted(0x76, 0x74, 0x5F);       // quiet text, bevel shadow
const QColor kOutline(0x32, 0x30, 0x24);     // button outline
const QColor kDeep(0x3E, 0x3B, 0x2B);        // darkest shade for drawings
const QColor kInk(0x2F, 0x2E, 0x25);         // body text
const QColor kRed(0xC8, 0x1E, 0x16);         // the recording light

QFont dejaVu(int pixelSize, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void smooth(QPainter &p) {
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                     QPainter::SmoothPixmapTransform);
}

bool save(const QImage &image, const QString &path, const char *format, int quality = -1) {
    if (image.save(path, format, quality)) return true;
    std::fprintf(stderr, "make_resources: cannot write %s\n", qPrintable(path));
    return false;
}

// ---------------------------------------------------------------------------
// Gloss

// Grey level of the gloss mask at relative height t (0 top, 1 bottom). The
// button draws its face colour through this mask over white: black gives the
// full face colour, white lets the white shine through. So the upper half is
// a light highlight that fades downwards, the lower half nearly full colour
// with a faint reflection along the bottom edge.
int glossLevel(double t) {
    if (t < 0.5) return qRound(125.0 - 60.0 * (t / 0.5));
    if (t < 0.85) return qRound(18.0 - 18.0 * ((t - 0.5) / 0.35));
    return qRound(36.0 * ((t - 0.85) / 0.15));
}

QImage glossMask() {
    const int width = 100, height = 30;
    QImage mask(width, height, QImage::Format_Indexed8);
    QList<QRgb> greys;
    for (int i = 0; i < 256; ++i) greys.append(qRgb(i, i, i));
    mask.setColorTable(greys);
    for (int y = 0; y < height; ++y) {
        const int level = glossLevel((y + 0.5) / height);
        std::fill_n(mask.scanLine(y), width, static_cast<uchar>(level));
    }
    return mask;
}

// The face colour c as it shows through the mask level on white.
QColor glossed(const QColor &c, int level) {
    const double white = level / 255.0;
    auto mix = [white](int v) { return qRound(v * (1.0 - white) + 255.0 * white); };
    return QColor(mix(c.red()), mix(c.green()), mix(c.blue()));
}

// A small button in the program's dark look: glossed face, dark outline,
// white caption with a dark outline.
void drawButton(QPainter &p, const QRect &r, const QString &caption, int pixelSize) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int y = 0; y < r.height(); ++y) {
        p.setPen(glossed(kDark, glossLevel((y + 0.5) / r.height())));
        p.drawLine(r.left(), r.top() + y, r.right(), r.top() + y);
    }
    p.setPen(kOutline);
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setRenderHint(QPainter::Antialiasing, true);
    const QFont font = dejaVu(pixelSize);
    const QFontMetricsF fm(font);
    const QPointF at(r.left() + (r.width() - fm.horizontalAdvance(caption)) / 2.0,
                     r.top() + r.height() / 2.0 + (fm.ascent() - fm.descent()) / 2.0);
    QPainterPath path;
    path.addText(at, font, caption);
    p.setPen(QPen(kOutline, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.restore();
}

// ---------------------------------------------------------------------------
// The red dot

// 15 x 15, white around it. White is drawn transparent, so the dot is drawn
// without anti-aliasing: every pixel is either pure white or a shade of red,
// and no pale fringe shows on the dark panel.
QImage redDot() {
    const int size = 15;
    const double centre = 7.0, radius = 6.6;
    QImage dot(size, size, QImage::Format_RGB32);
    dot.fill(Qt::white);
    const QColor rim(0x7A, 0x08, 0x05), shine(0xFF, 0x8A, 0x7A);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double d = std::hypot(x - centre, y - centre);
            if (d > radius) continue;
            QColor c = kRed;
            if (d > radius - 1.2) c = rim;
            // A small highlight up and to the left gives the dot some depth.
            const double h = std::hypot(x - 5.0, y - 4.5);
            if (h < 2.6) {
                const double k = 1.0 - h / 2.6;
                c = QColor(qRound(c.red() + (shine.red() - c.red()) * k),
                           qRound(c.green() + (shine.green() - c.green()) * k),
                           qRound(c.blue() + (shine.blue() - c.blue()) * k));
            }
            dot.setPixel(x, y, c.rgb());
        }
    }
    return dot;
}

// ---------------------------------------------------------------------------
// Logo

// A camera lens: dark housing, light ring, glass and a pupil that is either
// the red recording light or dark glass.
void drawLens(QPainter &p, const QPointF &c, double r, bool redPupil) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kDark);
    p.drawEllipse(c, r, r);
    p.setBrush(kLight);
    p.drawEllipse(c, r * 0.80, r * 0.80);
    QRadialGradient glass(c - QPointF(r * 0.2, r * 0.25), r * 0.75);
    glass.setColorAt(0.0, kPanel);
    glass.setColorAt(1.0, QColor(0x24, 0x22, 0x18));
    p.setBrush(glass);
    p.drawEllipse(c, r * 0.62, r * 0.62);
    if (redPupil) {
        QRadialGradient light(c - QPointF(r * 0.08, r * 0.08), r * 0.32);
        light.setColorAt(0.0, QColor(0xF0, 0x4A, 0x36));
        light.setColorAt(1.0, QColor(0xA0, 0x12, 0x0C));
        p.setBrush(light);
    } else {
        p.setBrush(QColor(0x16, 0x15, 0x0F));
    }
    p.drawEllipse(c, r * 0.28, r * 0.28);
    p.setBrush(QColor(255, 255, 255, 190));
    p.drawEllipse(c + QPointF(-r * 0.30, -r * 0.32), r * 0.13, r * 0.10);
    p.restore();
}

// The word "Vidolin" with a lens in place of the "o", in the dark button
// colour with a light letterpress edge underneath. Returns its width.
double drawWordmark(QPainter &p, double x, double baseline, int pixelSize, bool draw = true) {
    const QFont font = dejaVu(pixelSize, true);
    const QFontMetricsF fm(font);
    const QString head = QStringLiteral("Vid"), tail = QStringLiteral("lin");
    const double oWidth = fm.horizontalAdvance(QLatin1Char('o'));
    const double width = fm.horizontalAdvance(head) + oWidth + fm.horizontalAdvance(tail);
    if (!draw) return width;

    QPainterPath path;
    path.addText(QPointF(x, baseline), font, head);
    path.addText(QPointF(x + fm.horizontalAdvance(head) + oWidth, baseline), font, tail);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFB, 0xFA, 0xEF));
    p.drawPath(path.translated(0, 1.2));
    QLinearGradient ink(0, baseline - fm.ascent(), 0, baseline);
    ink.setColorAt(0.0, QColor(0x76, 0x72, 0x55));
    ink.setColorAt(1.0, QColor(0x4E, 0x4B, 0x37));
    p.setBrush(ink);
    p.drawPath(path);
    const double xHeight = fm.xHeight();
    const QPointF lensCentre(x + fm.horizontalAdvance(head) + oWidth / 2.0,
                             baseline - xHeight / 2.0);
    const double r = xHeight * 0.56;
    p.setBrush(QColor(0xFB, 0xFA, 0xEF));
    p.drawEllipse(lensCentre + QPointF(0, 1.2), r, r);
    drawLens(p, lensCentre, r, true);
    p.restore();
    return width;
}

// Letter-spaced small capitals line, centred on cx.
void drawSpaced(QPainter &p, double cx, double baseline, const QString &text, int pixelSize,
                double spacing, const QColor &color) {
    QFont font = dejaVu(pixelSize, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    const QFontMetricsF fm(font);
    const double width = fm.horizontalAdvance(text) - spacing;
    p.save();
    p.setFont(font);
    p.setPen(color);
    p.drawText(QPointF(cx - width / 2.0, baseline), text);
    p.restore();
}

QImage logo() {
    QImage image(200, 90, QImage::Format_RGB32);
    image.fill(kBackground);
    QPainter p(&image);
    smooth(p);
    // The largest wordmark that leaves a margin of 10 pixels on each side.
    int size = 48;
    while (size > 20 && drawWordmark(p, 0, 0, size, false) > 180.0) --size;
    const double width = drawWordmark(p, 0, 0, size, false);
    const double x = (200.0 - width) / 2.0;
    drawWordmark(p, x, 55, size);
    p.setPen(QPen(kLight, 1.0));
    p.drawLine(QPointF(x + 4, 64.5), QPointF(x + width - 4, 64.5));
    drawSpaced(p, 100.0, 79, QStringLiteral("WEBCAM"), 10, 4.0, kMuted);
    return image;
}

// The program's icon: the logo made square. The lens of the wordmark fills
// the upper part of a rounded tile in the window colour, the word sits below.
QImage programIcon() {
    const int side = 256;
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    smooth(p);
    p.setPen(QPen(kMuted, 6.0));
    p.setBrush(kBackground);
    p.drawRoundedRect(QRectF(5, 5, side - 10, side - 10), 36, 36);
    drawLens(p, QPointF(side / 2.0, 104), 74, true);
    int size = 60;
    while (size > 20 && drawWordmark(p, 0, 0, size, false) > side - 40.0) --size;
    const double width = drawWordmark(p, 0, 0, size, false);
    drawWordmark(p, (side - width) / 2.0, 230, size);
    return image;
}

// ---------------------------------------------------------------------------
// Start picture

void drawMiniPanel(QPainter &p, const QRectF &r) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kPanel);
    p.drawRect(r);
    p.setPen(QPen(kLight, 2.0));
    p.drawLine(r.topLeft() + QPointF(1, 1), r.topRight() + QPointF(-1, 1));
    p.drawLine(r.topLeft() + QPointF(1, 1), r.bottomLeft() + QPointF(1, -1));
    p.setPen(QPen(kMuted, 2.0));
    p.drawLine(r.bottomLeft() + QPointF(1, -1), r.bottomRight() + QPointF(-1, -1));
    p.drawLine(r.topRight() + QPointF(-1, 1), r.bottomRight() + QPointF(-1, -1));
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawEllipse(r.topLeft() + QPointF(7, 7), 3.0, 3.0);
    p.setFont(dejaVu(9, true));
    p.setPen(QColor(0x54, 0x52, 0x43));
    p.drawText(QPointF(r.right() - 10, r.top() + 11), QStringLiteral("?"));
    const QStringList captions = {QStringLiteral("Größe"), QStringLiteral("Bild"),
                                  QStringLiteral("Ton"),   QStringLiteral("Zeit"),
                                  QStringLiteral("Film"),  QStringLiteral("Foto")};
    double y = r.top() + 20;
    for (int i = 0; i < captions.size(); ++i) {
        if (i == 3 || i == 4) y += 3;
        drawButton(p, QRect(qRound(r.left() + 6), qRound(y), qRound(r.width() - 12), 14),
                   captions[i], 8);
        y += 14;
    }
    p.restore();
}

// The camera picture in the little screen: a landscape under a summer sky.
void drawLandscape(QPainter &p, const QRectF &r) {
    p.save();
    p.setClipRect(r);
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0.0, QColor(0x7F, 0xAE, 0xCF));
    sky.setColorAt(0.7, QColor(0xD8, 0xE8, 0xEE));
    p.fillRect(r, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF6, 0xDC, 0x74));
    p.drawEllipse(QPointF(r.right() - 34, r.top() + 28), 12, 12);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(r.left() + 40, r.top() + 26), 16, 7);
    p.drawEllipse(QPointF(r.left() + 54, r.top() + 22), 12, 8);
    QPainterPath far;
    far.moveTo(r.left(), r.bottom() - 34);
    far.cubicTo(r.left() + 40, r.bottom() - 62, r.left() + 90, r.bottom() - 40, r.left() + 120,
                r.bottom() - 54);
    far.cubicTo(r.left() + 140, r.bottom() - 62, r.right() - 10, r.bottom() - 44, r.right(),
                r.bottom() - 48);
    far.lineTo(r.bottomRight());
    far.lineTo(r.bottomLeft());
    far.closeSubpath();
    p.setBrush(QColor(0x8D, 0xA8, 0x69));
    p.drawPath(far);
    QPainterPath near;
    near.moveTo(r.left(), r.bottom() - 14);
    near.cubicTo(r.left() + 50, r.bottom() - 34, r.left() + 100, r.bottom() - 10, r.right(),
                 r.bottom() - 26);
    near.lineTo(r.bottomRight());
    near.lineTo(r.bottomLeft());
    near.closeSubpath();
    p.setBrush(QColor(0x5E, 0x7C, 0x44));
    p.drawPath(near);
    p.restore();
}

void drawMonitorScene(QPainter &p) {
    p.save();
    p.setPen(Qt::NoPen);
    // Soft shadow on the desk.
    QRadialGradient shade(QPointF(180, 322), 120);
    shade.setColorAt(0.0, QColor(0, 0, 0, 50));
    shade.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setBrush(shade);
    p.drawEllipse(QPointF(180, 322), 130, 12);
    // Stand.
    QPainterPath neck;
    neck.moveTo(164, 276);
    neck.lineTo(196, 276);
    neck.lineTo(206, 314);
    neck.lineTo(154, 314);
    neck.closeSubpath();
    p.setBrush(kMuted);
    p.drawPath(neck);
    QLinearGradient base(0, 310, 0, 324);
    base.setColorAt(0.0, kPanel);
    base.setColorAt(1.0, kDark);
    p.setBrush(base);
    p.drawRoundedRect(QRectF(116, 310, 128, 13), 6, 6);
    // Monitor.
    QLinearGradient frame(0, 92, 0, 282);
    frame.setColorAt(0.0, QColor(0x55, 0x52, 0x3C));
    frame.setColorAt(1.0, kDeep);
    p.setBrush(frame);
    p.drawRoundedRect(QRectF(36, 92, 288, 190), 11, 11);
    p.setBrush(QColor(0xD6, 0xD1, 0xAC));
    const QRectF screen(47, 103, 266, 156);
    p.drawRect(screen);
    p.setBrush(kLight);
    p.drawEllipse(QPointF(180, 270), 3, 3);
    // On the screen: the camera window and the control panel beside it.
    p.setBrush(Qt::black);
    p.drawRect(QRectF(57, 113, 176, 136));
    drawLandscape(p, QRectF(60, 116, 170, 130));
    drawMiniPanel(p, QRectF(240, 113, 64, 128));
    // The webcam, clipped onto the top of the monitor.
    p.setPen(Qt::NoPen);
    p.setBrush(kDeep);
    p.drawRoundedRect(QRectF(168, 84, 24, 14), 3, 3);
    QLinearGradient body(0, 44, 0, 88);
    body.setColorAt(0.0, QColor(0x7A, 0x76, 0x5A));
    body.setColorAt(1.0, QColor(0x4A, 0x47, 0x34));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(124, 44, 112, 44), 20, 20);
    p.setBrush(QColor(255, 255, 255, 45));
    p.drawRoundedRect(QRectF(130, 47, 100, 14), 7, 7);
    drawLens(p, QPointF(180, 66), 19, false);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(219, 66), 3.5, 3.5);
    p.setBrush(QColor(255, 190, 180, 160));
    p.drawEllipse(QPointF(218, 65), 1.2, 1.2);
    p.restore();
}

// White line icons on a round panel-coloured badge.
enum class Icon { Camera, Clock, Globe };

void drawBadge(QPainter &p, const QPointF &c, Icon icon) {
    p.save();
    p.setPen(Qt::NoPen);
    QLinearGradient face(c.x(), c.y() - 19, c.x(), c.y() + 19);
    face.setColorAt(0.0, kPanel);
    face.setColorAt(1.0, kDark);
    p.setBrush(face);
    p.drawEllipse(c, 19, 19);
    p.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (icon) {
        case Icon::Camera:
            p.drawRoundedRect(QRectF(c.x() - 10, c.y() - 6, 20, 14), 3, 3);
            p.drawLine(QPointF(c.x() - 4, c.y() - 6), QPointF(c.x() - 2, c.y() - 9));
            p.drawLine(QPointF(c.x() - 2, c.y() - 9), QPointF(c.x() + 3, c.y() - 9));
            p.drawLine(QPointF(c.x() + 3, c.y() - 9), QPointF(c.x() + 5, c.y() - 6));
            p.drawEllipse(QPointF(c.x(), c.y() + 1), 4, 4);
            break;
        case Icon::Clock:
            p.drawEllipse(c, 10, 10);
            p.drawLine(c, c + QPointF(0, -6.5));
            p.drawLine(c, c + QPointF(5, 2.5));
            break;
        case Icon::Globe:
            p.drawEllipse(c, 10, 10);
            p.drawEllipse(c, 4.5, 10);
            p.drawLine(c + QPointF(-10, 0), c + QPointF(10, 0));
            p.drawLine(c + QPointF(-8.5, -5), c + QPointF(8.5, -5));
            p.drawLine(c + QPointF(-8.5, 5), c + QPointF(8.5, 5));
            break;
    }
    p.restore();
}

QImage startPicture() {
    const int width = 738, height = 372;
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    smooth(p);
    QLinearGradient wash(0, 0, 0, height);
    wash.setColorAt(0.0, QColor(0xF3, 0xF0, 0xDA));
    wash.setColorAt(1.0, QColor(0xE3, 0xDF, 0xBA));
    p.fillRect(image.rect(), wash);

    drawMonitorScene(p);

    // Greeting.
    const double left = 358;
    p.setFont(dejaVu(21));
    p.setPen(kMuted);
    p.drawText(QPointF(left + 2, 58), QStringLiteral("Willkommen bei"));
    drawWordmark(p, left, 116, 58);
    p.setPen(QPen(kLight, 1.0));
    p.drawLine(QPointF(left + 2, 134.5), QPointF(712, 134.5));

    struct Feature {
        Icon icon;
        QString title;
        QString line;
    };
    const QList<Feature> features = {
        {Icon::Camera, QStringLiteral("Fotos und Filme"),
         QStringLiteral("mit einem Klick in den Kameraordner")},
        {Icon::Clock, QStringLiteral("Zeitplan"),
         QStringLiteral("Bilder speichern, mailen oder hochladen")},
        {Icon::Globe, QStringLiteral("Homepage"),
         QStringLiteral("zeigt immer das neueste Kamerabild")},
    };
    double y = 172;
    for (const Feature &f : features) {
        drawBadge(p, QPointF(left + 21, y), f.icon);
        p.setFont(dejaVu(17, true));
        p.setPen(kDeep);
        p.drawText(QPointF(left + 54, y - 3), f.title);
        p.setFont(dejaVu(14));
        p.setPen(kMuted);
        p.drawText(QPointF(left + 54, y + 16), f.line);
        y += 54;
    }

    // Footer band in the colours of the control panel.
    const QRectF band(0, height - 36, width, 36);
    p.fillRect(band, kPanel);
    p.fillRect(QRectF(0, height - 36, width, 2), kLight);
    p.setFont(dejaVu(14));
    p.setPen(Qt::white);
    p.drawText(band.adjusted(0, 2, 0, 0), Qt::AlignCenter,
               QStringLiteral("Tipp: Die Einstellungen finden Sie jederzeit im Menü „Ablage“."));
    p.setPen(QPen(kLight, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, width - 1, height - 1));
    return image;
}

// ---------------------------------------------------------------------------
// Help

struct HelpBlock {
    enum Kind { Paragraph, Heading, Bullet, Item } kind = Paragraph;
    QString label;  // the button caption of an Item
    QString text;
};

QList<HelpBlock> parseHelp(const QString &source) {
    QList<HelpBlock> blocks;
    bool open = false;
    const QStringList lines = source.split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.startsWith(QLatin1String("//"))) continue;
        if (line.isEmpty()) {
            open = false;
            continue;
        }
        HelpBlock block;
        if (line.startsWith(QLatin1String("# "))) {
            block.kind = HelpBlock::Heading;
            block.text = line.mid(2).trimmed();
            blocks.append(block);
            open = false;
            continue;
        }
        if (line.startsWith(QLatin1String("- "))) {
            block.kind = HelpBlock::Bullet;
            block.text = line.mid(2).trimmed();
        } else if (line.startsWith(QLatin1Char('[')) && line.indexOf(QLatin1Char(']')) > 1) {
            const int close = line.indexOf(QLatin1Char(']'));
            block.kind = HelpBlock::Item;
            block.label = line.mid(1, close - 1);
            block.text = line.mid(close + 1).trimmed();
        } else if (open) {
            blocks.last().text += QLatin1Char(' ') + line;
            continue;
        } else {
            block.text = line;
        }
        blocks.append(block);
        open = true;
    }
    return blocks;
}

// Lays out one paragraph of marked-up text (*bold*, ~ for a fixed blank) at
// (x, top) within width and draws it. Returns the height used.
double drawText(QPainter &p, const QString &marked, int pixelSize, const QColor &color, double x,
                double top, double width, double lineHeight) {
    QString text;
    QList<QTextLayout::FormatRange> formats;
    int boldFrom = -1;
    for (const QChar c : marked) {
        if (c == QLatin1Char('*')) {
            if (boldFrom < 0) {
                boldFrom = text.size();
            } else {
                QTextLayout::FormatRange range;
                range.start = boldFrom;
                range.length = text.size() - boldFrom;
                range.format.setFontWeight(QFont::Bold);
                formats.append(range);
                boldFrom = -1;
            }
        } else if (c == QLatin1Char('~')) {
            text += QChar(0x00A0);
        } else {
            text += c;
        }
    }
    QTextLayout layout(text, dejaVu(pixelSize));
    layout.setFormats(formats);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    double y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += lineHeight;
    }
    layout.endLayout();
    p.save();
    p.setPen(color);
    layout.draw(&p, QPointF(x, top));
    p.restore();
    return y;
}

// The help window shows the picture from (50, 100) on, 462 pixels wide and
// down to row 1899 at most; the text keeps inside that area with some air.
constexpr int kHelpWidth = 600, kHelpHeight = 2200;
constexpr double kHelpLeft = 64, kHelpRight = 506, kHelpTop = 112, kHelpBottom = 1890;

// Draws the help. Returns the bottom of the text, or a negative value when
// it does not fit the visible area.
double drawHelp(QImage &image, const QList<HelpBlock> &blocks, const QImage &logoImage,
                const QImage &dot) {
    const QColor paper(0xF8, 0xF6, 0xEA);
    image.fill(paper);
    QPainter p(&image);
    smooth(p);
    const double width = kHelpRight - kHelpLeft;
    const int body = 12;
    const double lineHeight = 16.0;

    // Title band with the logo.
    const QRectF band(kHelpLeft, kHelpTop, width, 96);
    p.setPen(QPen(kLight, 1.0));
    p.setBrush(kBackground);
    p.drawRoundedRect(band.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.drawImage(QPointF(band.right() - 203, band.top() + 3), logoImage);
    p.setFont(dejaVu(30, true));
    p.setPen(kDark);
    p.drawText(QPointF(band.left() + 18, band.top() + 52), QStringLiteral("Hilfe"));
    p.setFont(dejaVu(12));
    p.setPen(kMuted);
    p.drawText(QPointF(band.left() + 19, band.top() + 74), QStringLiteral("Alles auf einen Blick"));

    double y = band.bottom() + 12;
    const double itemIndent = 74, bulletIndent = 16;
    for (const HelpBlock &block : blocks) {
        switch (block.kind) {
            case HelpBlock::Heading: {
                y += 10;
                const QFont font = dejaVu(17, true);
                const QFontMetricsF fm(font);
                p.setFont(font);
                p.setPen(kDark);
                p.drawText(QPointF(kHelpLeft, y + fm.ascent()), block.text);
                y += fm.height() + 3;
                p.setPen(QPen(kLight, 1.0));
                p.drawLine(QPointF(kHelpLeft, y + 0.5), QPointF(kHelpRight, y + 0.5));
                y += 9;
                break;
            }
            case HelpBlock::Paragraph:
                y += drawText(p, block.text, body, kInk, kHelpLeft, y, width, lineHeight) + 6;
                break;
            case HelpBlock::Bullet: {
                p.setPen(Qt::NoPen);
                p.setBrush(kPanel);
                p.drawEllipse(QPointF(kHelpLeft + 5, y + 9), 2.6, 2.6);
                y += drawText(p, block.text, body, kInk, kHelpLeft + bulletIndent, y,
                              width - bulletIndent, lineHeight) +
                     6;
                break;
            }
            case HelpBlock::Item: {
                const QRect chip(qRound(kHelpLeft), qRound(y), 62, 20);
                if (block.label == QStringLiteral("•")) {
                    p.drawImage(QPointF(chip.left() + (chip.width() - dot.width()) / 2.0,
                                        chip.top() + (chip.height() - dot.height()) / 2.0),
                                dot);
                } else if (block.label == QStringLiteral("?")) {
                    p.setFont(dejaVu(20, true));
                    p.setPen(QColor(0x54, 0x52, 0x43));
                    p.drawText(chip, Qt::AlignCenter, block.label);
                } else {
                    drawButton(p, chip, block.label, 12);
                }
                const double used = drawText(p, block.text, body, kInk, kHelpLeft + itemIndent,
                                             y + 2, width - itemIndent, lineHeight);
                y += std::max<double>(chip.height(), used + 2) + 5;
                break;
            }
        }
    }
    return y <= kHelpBottom ? y : -y;
}

}  // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_resources <output folder> <help_text.txt>\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    QFile helpFile(QString::fromLocal8Bit(argv[2]));
    if (!helpFile.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make_resources: cannot read %s\n", argv[2]);
        return 1;
    }
    const QString helpSource = QString::fromUtf8(helpFile.readAll());
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "make_resources: cannot create %s\n", argv[1]);
        return 1;
    }
    const QDir out(outDir);

    const QImage dot = redDot();
    const QImage logoImage = logo();
    QImage help(kHelpWidth, kHelpHeight, QImage::Format_RGB32);
    const double bottom = drawHelp(help, parseHelp(helpSource), logoImage, dot);
    if (bottom < 0) {
        std::fprintf(stderr,
                     "make_resources: the help text runs down to row %d, but the help window "
                     "shows rows up to %d only; shorten help_text.txt\n",
                     qRound(-bottom), qRound(kHelpBottom));
        return 1;
    }

    const bool ok = save(glossMask(), out.filePath(QStringLiteral("m1.bmp")), "BMP") &&
                    save(dot, out.filePath(QStringLiteral("rot.bmp")), "BMP") &&
                    save(logoImage, out.filePath(QStringLiteral("Bild 3.png")), "PNG") &&
                    save(startPicture(), out.filePath(QStringLiteral("Bild 2.png")), "PNG") &&
                    save(help, out.filePath(QStringLiteral("help.jpg")), "JPG", 90) &&
                    save(programIcon(), out.filePath(QStringLiteral("vidolin.png")), "PNG");
    return ok ? 0 : 1;
}

#include "gui/shell/Artwork.h"

#include "gui/shell/PictureIds.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

// The palette.
const QColor kNavy(0x1F, 0x3A, 0x5F);
const QColor kBlue(0x2E, 0x6F, 0xB5);
const QColor kSky(0xD9, 0xE8, 0xF5);
const QColor kPaper(0xF6, 0xF8, 0xFB);
const QColor kInk(0x1B, 0x26, 0x31);
const QColor kMuted(0x6B, 0x7A, 0x8C);
const QColor kGreen(0x2E, 0x9E, 0x5B);
const QColor kRed(0xC0, 0x39, 0x2B);

QFont Face(int pixelSize, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

// Draws `text` in `rect`, the font made smaller as far as needed for it to fit: the pictures
// have fixed sizes, and a longer word in another language must not be cut off.
void DrawFitted(QPainter& p, const QRectF& rect, int flags, const QString& text, QFont font)
{
    constexpr int kSmallest = 6;
    for (int size = font.pixelSize(); size > kSmallest; --size) {
        const QRectF needed = QFontMetricsF(font).boundingRect(rect, flags, text);
        if (needed.width() <= rect.width() + 0.5 && needed.height() <= rect.height() + 0.5)
            break;
        font.setPixelSize(size - 1);
    }
    p.setFont(font);
    p.drawText(rect, flags, text);
}

QPixmap Canvas(int w, int h, const std::function<void(QPainter&)>& draw)
{
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    draw(p);
    return pm;
}

// A cordless handset, drawn into `r`.
void DrawHandset(QPainter& p, const QRectF& r, const QColor& body, const QColor& screen)
{
    const qreal w = r.width(), h = r.height();
    QRectF shell(r.x() + w * 0.28, r.y() + h * 0.04, w * 0.44, h * 0.92);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawRoundedRect(shell, w * 0.1, w * 0.1);
    p.setBrush(screen);
    p.drawRoundedRect(QRectF(shell.x() + shell.width() * 0.15, shell.y() + shell.height() * 0.1,
                             shell.width() * 0.7, shell.height() * 0.3),
                      2, 2);
    p.setBrush(screen.lighter(115));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawEllipse(QPointF(shell.x() + shell.width() * (0.25 + col * 0.25),
                                  shell.y() + shell.height() * (0.55 + row * 0.13)),
                          shell.width() * 0.07, shell.width() * 0.07);
}

QPixmap MainBackground()
{
    return Canvas(638, 600, [](QPainter& p) {
        p.fillRect(0, 0, 638, 600, kPaper);
        QLinearGradient band(0, 0, 0, 69);
        band.setColorAt(0, kNavy);
        band.setColorAt(1, kBlue);
        p.fillRect(0, 0, 638, 67, band);
        p.fillRect(0, 67, 638, 2, kSky);
        DrawHandset(p, QRectF(14, 8, 36, 52), Qt::white, kSky);
        p.setPen(Qt::white);
        p.setFont(Face(24, true));
        p.drawText(QRectF(58, 6, 300, 32), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Orvak Dialbook"));
        p.setPen(kSky);
        DrawFitted(p, QRectF(60, 36, 225, 20), Qt::AlignLeft | Qt::AlignVCenter, QCoreApplication::translate("Artwork", "Your handset, on your computer"),
                   Face(12));
    });
}

QPixmap PageBackground(const QString& title, const QString& line1, const QString& line2)
{
    return Canvas(638, 435, [&](QPainter& p) {
        QLinearGradient g(0, 0, 0, 435);
        g.setColorAt(0, Qt::white);
        g.setColorAt(1, kPaper);
        p.fillRect(0, 0, 638, 435, g);
        if (title.isEmpty())
            return;
        p.setPen(kNavy);
        DrawFitted(p, QRectF(40, 40, 560, 36), Qt::AlignLeft | Qt::AlignVCenter, title, Face(22, true));
        p.fillRect(QRectF(40, 80, 80, 3), kBlue);
        p.setPen(kInk);
        DrawFitted(p, QRectF(40, 100, 380, 125), Qt::AlignLeft | Qt::TextWordWrap, line1, Face(14));
        p.setPen(kMuted);
        DrawFitted(p, QRectF(40, 230, 380, 120), Qt::AlignLeft | Qt::TextWordWrap, line2, Face(12));
        // A large, faint handset on the right.
        DrawHandset(p, QRectF(430, 70, 170, 280), kSky, Qt::white);
    });
}

QPixmap PhonebookBackground()
{
    QPixmap pm = PageBackground({}, {}, {});
    QPainter p(&pm);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(kNavy);
    DrawFitted(p, QRectF(170, 14, 300, 26), Qt::AlignLeft | Qt::AlignVCenter, QCoreApplication::translate("Artwork", "Phone Book"), Face(16, true));
    p.setPen(kMuted);
    DrawFitted(p, QRectF(40, 50, 100, 16), Qt::AlignCenter, QCoreApplication::translate("Artwork", "Handset"), Face(11, true));
    p.setPen(kInk);
    DrawFitted(p, QRectF(170, 82, 80, 23), Qt::AlignRight | Qt::AlignVCenter, QCoreApplication::translate("Artwork", "Name"), Face(12));
    DrawFitted(p, QRectF(170, 112, 80, 23), Qt::AlignRight | Qt::AlignVCenter, QCoreApplication::translate("Artwork", "Number"), Face(12));
    return pm;
}

QPixmap PictureBackground()
{
    QPixmap pm = PageBackground({}, {}, {});
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(kNavy);
    DrawFitted(p, QRectF(400, 14, 220, 26), Qt::AlignRight | Qt::AlignVCenter, QCoreApplication::translate("Artwork", "Pictures"), Face(16, true));
    p.setPen(kMuted);
    DrawFitted(p, QRectF(40, 50, 100, 16), Qt::AlignCenter, QCoreApplication::translate("Artwork", "Handset"), Face(11, true));
    DrawFitted(p, QRectF(6, 256, 128, 16), Qt::AlignCenter, QCoreApplication::translate("Artwork", "On the handset"), Face(11, true));
    // A thin rule around the canvas and the preview.
    p.setPen(QPen(kSky, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(171.5, 71.5, 429, 303));
    p.drawRect(QRectF(4.5, 274.5, 131, 131));
    return pm;
}

QPixmap Tab(int w, int h, const QString& label, bool in)
{
    return Canvas(w, h, [&](QPainter& p) {
        QPainterPath path;
        path.addRoundedRect(QRectF(1, 0.5, w - 2, h + 6), 6, 6);
        p.setClipRect(0, 0, w, h);
        p.setPen(QPen(in ? Qt::white : kSky, 1));
        p.setBrush(in ? QColor(Qt::white) : kNavy.lighter(135));
        p.drawPath(path);
        p.setPen(in ? kNavy : Qt::white);
        DrawFitted(p, QRectF(2, 0, w - 4, h), Qt::AlignCenter, label, Face(12, in));
    });
}

QPixmap Button(int w, int h, const QString& label, bool in)
{
    return Canvas(w, h, [&](QPainter& p) {
        const QRectF r(0.5, 0.5, w - 1, h - 1);
        p.setPen(QPen(in ? Qt::white : kSky, 1));
        p.setBrush(in ? kBlue.lighter(115) : kNavy.lighter(120));
        p.drawRoundedRect(r, 6, 6);
        p.setPen(Qt::white);
        DrawFitted(p, r.adjusted(2, 0, -2, 0), Qt::AlignCenter, label, Face(13, true));
    });
}

enum class Look { In, Out, Disabled };

// A labelled command button of a page.
QPixmap Command(int w, int h, const QString& label, Look look)
{
    return Canvas(w, h, [&](QPainter& p) {
        const QRectF r(0.5, 0.5, w - 1, h - 1);
        const QColor fill = look == Look::In ? kBlue : look == Look::Out ? QColor(Qt::white) : QColor(0xEE, 0xF1, 0xF5);
        const QColor text = look == Look::In ? QColor(Qt::white) : look == Look::Out ? kNavy : QColor(0xA9, 0xB4, 0xC0);
        p.setPen(QPen(look == Look::Disabled ? QColor(0xD5, 0xDB, 0xE2) : kBlue, 1));
        p.setBrush(fill);
        p.drawRoundedRect(r, 4, 4);
        p.setPen(text);
        // Small square buttons carry a symbol over a one-word label: "symbol|word".
        const QStringList parts = label.split(u'|');
        if (parts.size() == 2) {
            p.setFont(Face(14, true));
            p.drawText(QRectF(0, 1, w, h * 0.6), Qt::AlignCenter, parts[0]);
            DrawFitted(p, QRectF(0, h * 0.55, w, h * 0.42), Qt::AlignCenter, parts[1], Face(8, true));
            return;
        }
        DrawFitted(p, r.adjusted(2, 0, -2, 0), Qt::AlignCenter, label, Face(11, true));
    });
}

QPixmap WebLink(bool in)
{
    return Canvas(387, 33, [&](QPainter& p) {
        const QRectF r(0.5, 0.5, 386, 32);
        p.setPen(QPen(in ? kBlue : kSky, 1));
        p.setBrush(in ? kSky : QColor(Qt::white));
        p.drawRoundedRect(r, 8, 8);
        p.setPen(kBlue);
        QFont f = Face(14, true);
        f.setUnderline(in);
        DrawFitted(p, r.adjusted(4, 0, -4, 0), Qt::AlignCenter, QCoreApplication::translate("Artwork", "Visit the Orvak web site") + QStringLiteral("  \u2192"), f);
    });
}

QPixmap StatusPicture(bool connected)
{
    return Canvas(31, 11, [&](QPainter& p) {
        const QColor c = connected ? kGreen : kMuted;
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        // A plug and its cord; unplugged, the two halves stand apart with a red mark.
        if (connected) {
            p.drawRoundedRect(QRectF(2, 3, 27, 5), 2, 2);
            p.drawRect(QRectF(12, 1, 7, 9));
        } else {
            p.drawRoundedRect(QRectF(2, 3, 10, 5), 2, 2);
            p.drawRoundedRect(QRectF(19, 3, 10, 5), 2, 2);
            p.setPen(QPen(kRed, 1.6));
            p.drawLine(QPointF(13.5, 1), QPointF(17.5, 10));
        }
    });
}

QPixmap Icon(int size)
{
    return Canvas(size, size, [&](QPainter& p) {
        QLinearGradient g(0, 0, 0, size);
        g.setColorAt(0, kBlue);
        g.setColorAt(1, kNavy);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(QRectF(0, 0, size, size), size * 0.2, size * 0.2);
        DrawHandset(p, QRectF(size * 0.1, size * 0.1, size * 0.8, size * 0.8), Qt::white, kSky);
    });
}

QPixmap Draw(int id)
{
    using namespace picture;
    switch (id) {
    case kMainBackground: return MainBackground();
    case kWelcomeBackground:
        return PageBackground(
            QCoreApplication::translate("Artwork", "Welcome"),
            QCoreApplication::translate("Artwork", "Keep your handset's phone book and pictures on your computer. Receive the "
               "phone book, edit it, save it, and send it back; frame a picture and "
               "download it to the handset."),
            QCoreApplication::translate("Artwork", "Connect the handset with its USB cable. The status bar below shows its "
               "name once it is found. Press Help for how to set up a handset on Linux."));
    case kImageBackground: return PictureBackground();
    case kPhonebookBackground: return PhonebookBackground();
    case kWelcomeTabIn: return Tab(112, 19, QCoreApplication::translate("Artwork", "Welcome"), true);
    case kWelcomeTabOut: return Tab(112, 19, QCoreApplication::translate("Artwork", "Welcome"), false);
    case kImageTabIn: return Tab(113, 19, QCoreApplication::translate("Artwork", "Pictures"), true);
    case kImageTabOut: return Tab(113, 19, QCoreApplication::translate("Artwork", "Pictures"), false);
    case kPhonebookTabIn: return Tab(114, 19, QCoreApplication::translate("Artwork", "Phone Book"), true);
    case kPhonebookTabOut: return Tab(114, 19, QCoreApplication::translate("Artwork", "Phone Book"), false);
    case kHelpIn: return Button(62, 28, QStringLiteral("? ") + QCoreApplication::translate("Artwork", "Help"), true);
    case kHelpOut: return Button(62, 28, QStringLiteral("? ") + QCoreApplication::translate("Artwork", "Help"), false);
    case kWebLinkIn: return WebLink(true);
    case kWebLinkOut: return WebLink(false);
    case kHandsetConnected: return StatusPicture(true);
    case kNoHandset: return StatusPicture(false);
    case kProgramIcon: return Icon(64);
    case kOpenIn: return Command(105, 18, QCoreApplication::translate("Artwork", "Open"), Look::In);
    case kOpenOut: return Command(105, 18, QCoreApplication::translate("Artwork", "Open"), Look::Out);
    case kOpenDisabled: return Command(105, 18, QCoreApplication::translate("Artwork", "Open"), Look::Disabled);
    case kSaveIn: return Command(105, 18, QCoreApplication::translate("Artwork", "Save"), Look::In);
    case kSaveOut: return Command(105, 18, QCoreApplication::translate("Artwork", "Save"), Look::Out);
    case kSaveDisabled: return Command(105, 18, QCoreApplication::translate("Artwork", "Save"), Look::Disabled);
    case kNewBookIn: return Command(117, 18, QCoreApplication::translate("Artwork", "New Phonebook"), Look::In);
    case kNewBookOut: return Command(117, 18, QCoreApplication::translate("Artwork", "New Phonebook"), Look::Out);
    case kNewBookDisabled: return Command(117, 18, QCoreApplication::translate("Artwork", "New Phonebook"), Look::Disabled);
    case kReceiveIn: return Command(32, 31, QStringLiteral("\u2193|") + QCoreApplication::translate("Artwork", "Get"), Look::In);
    case kReceiveOut: return Command(32, 31, QStringLiteral("\u2193|") + QCoreApplication::translate("Artwork", "Get"), Look::Out);
    case kReceiveDisabled: return Command(32, 31, QStringLiteral("\u2193|") + QCoreApplication::translate("Artwork", "Get"), Look::Disabled);
    case kSendIn: return Command(34, 31, QStringLiteral("\u2191|") + QCoreApplication::translate("Artwork", "Send"), Look::In);
    case kSendOut: return Command(34, 31, QStringLiteral("\u2191|") + QCoreApplication::translate("Artwork", "Send"), Look::Out);
    case kSendDisabled: return Command(34, 31, QStringLiteral("\u2191|") + QCoreApplication::translate("Artwork", "Send"), Look::Disabled);
    case kSyncIn: return Command(32, 33, QStringLiteral("\u21BB|") + QCoreApplication::translate("Artwork", "Sync"), Look::In);
    case kSyncOut: return Command(32, 33, QStringLiteral("\u21BB|") + QCoreApplication::translate("Artwork", "Sync"), Look::Out);
    case kSyncDisabled: return Command(32, 33, QStringLiteral("\u21BB|") + QCoreApplication::translate("Artwork", "Sync"), Look::Disabled);
    case kImportExportIn: return Command(34, 33, QStringLiteral("\u21C5|") + QCoreApplication::translate("Artwork", "I/E"), Look::In);
    case kImportExportOut: return Command(34, 33, QStringLiteral("\u21C5|") + QCoreApplication::translate("Artwork", "I/E"), Look::Out);
    case kImportExportDisabled: return Command(34, 33, QStringLiteral("\u21C5|") + QCoreApplication::translate("Artwork", "I/E"), Look::Disabled);
    case kNewEntryIn: return Command(34, 32, QStringLiteral("+|") + QCoreApplication::translate("Artwork", "New"), Look::In);
    case kNewEntryOut: return Command(34, 32, QStringLiteral("+|") + QCoreApplication::translate("Artwork", "New"), Look::Out);
    case kNewEntryDisabled: return Command(34, 32, QStringLiteral("+|") + QCoreApplication::translate("Artwork", "New"), Look::Disabled);
    case kSelectAllIn: return Command(105, 19, QCoreApplication::translate("Artwork", "Select All"), Look::In);
    case kSelectAllOut: return Command(105, 19, QCoreApplication::translate("Artwork", "Select All"), Look::Out);
    case kSelectAllDisabled: return Command(105, 19, QCoreApplication::translate("Artwork", "Select All"), Look::Disabled);
    case kDeselectAllIn: return Command(105, 19, QCoreApplication::translate("Artwork", "Deselect All"), Look::In);
    case kDeselectAllOut: return Command(105, 19, QCoreApplication::translate("Artwork", "Deselect All"), Look::Out);
    case kDeselectAllDisabled: return Command(105, 19, QCoreApplication::translate("Artwork", "Deselect All"), Look::Disabled);
    case kPictureOpenIn: return Command(105, 19, QCoreApplication::translate("Artwork", "Open"), Look::In);
    case kPictureOpenOut: return Command(105, 19, QCoreApplication::translate("Artwork", "Open"), Look::Out);
    case kPictureSaveIn: return Command(105, 19, QCoreApplication::translate("Artwork", "Save"), Look::In);
    case kPictureSaveOut: return Command(105, 19, QCoreApplication::translate("Artwork", "Save"), Look::Out);
    case kPictureSaveDisabled: return Command(105, 19, QCoreApplication::translate("Artwork", "Save"), Look::Disabled);
    case kZoomInIn: return Command(35, 31, QStringLiteral("+|") + QCoreApplication::translate("Artwork", "Zoom"), Look::In);
    case kZoomInOut: return Command(35, 31, QStringLiteral("+|") + QCoreApplication::translate("Artwork", "Zoom"), Look::Out);
    case kZoomInDisabled: return Command(35, 31, QStringLiteral("+|") + QCoreApplication::translate("Artwork", "Zoom"), Look::Disabled);
    case kZoomOutIn: return Command(35, 31, QStringLiteral("\u2212|") + QCoreApplication::translate("Artwork", "Zoom"), Look::In);
    case kZoomOutOut: return Command(35, 31, QStringLiteral("\u2212|") + QCoreApplication::translate("Artwork", "Zoom"), Look::Out);
    case kZoomOutDisabled: return Command(35, 31, QStringLiteral("\u2212|") + QCoreApplication::translate("Artwork", "Zoom"), Look::Disabled);
    case kRotateLeftIn: return Command(35, 31, QStringLiteral("\u21BA|") + QCoreApplication::translate("Artwork", "Left"), Look::In);
    case kRotateLeftOut: return Command(35, 31, QStringLiteral("\u21BA|") + QCoreApplication::translate("Artwork", "Left"), Look::Out);
    case kRotateLeftDisabled: return Command(35, 31, QStringLiteral("\u21BA|") + QCoreApplication::translate("Artwork", "Left"), Look::Disabled);
    case kRotateRightIn: return Command(36, 31, QStringLiteral("\u21BB|") + QCoreApplication::translate("Artwork", "Right"), Look::In);
    case kRotateRightOut: return Command(36, 31, QStringLiteral("\u21BB|") + QCoreApplication::translate("Artwork", "Right"), Look::Out);
    case kRotateRightDisabled: return Command(36, 31, QStringLiteral("\u21BB|") + QCoreApplication::translate("Artwork", "Right"), Look::Disabled);
    case kBrightnessIn: return Command(36, 30, QStringLiteral("\u263C|") + QCoreApplication::translate("Artwork", "Light"), Look::In);
    case kBrightnessOut: return Command(36, 30, QStringLiteral("\u263C|") + QCoreApplication::translate("Artwork", "Light"), Look::Out);
    case kBrightnessDisabled: return Command(36, 30, QStringLiteral("\u263C|") + QCoreApplication::translate("Artwork", "Light"), Look::Disabled);
    case kColorBalanceIn: return Command(36, 30, QStringLiteral("\u25D1|") + QCoreApplication::translate("Artwork", "Color"), Look::In);
    case kColorBalanceOut: return Command(36, 30, QStringLiteral("\u25D1|") + QCoreApplication::translate("Artwork", "Color"), Look::Out);
    case kColorBalanceDisabled: return Command(36, 30, QStringLiteral("\u25D1|") + QCoreApplication::translate("Artwork", "Color"), Look::Disabled);
    case kDeleteIn: return Command(182, 19, QCoreApplication::translate("Artwork", "Delete Selected"), Look::In);
    case kDeleteOut: return Command(182, 19, QCoreApplication::translate("Artwork", "Delete Selected"), Look::Out);
    case kDeleteDisabled: return Command(182, 19, QCoreApplication::translate("Artwork", "Delete Selected"), Look::Disabled);
    default: return {};
    }
}

}  // namespace

namespace Artwork {

QPixmap Picture(int id)
{
    static QHash<int, QPixmap> cache;
    auto it = cache.find(id);
    if (it == cache.end())
        it = cache.insert(id, Draw(id));
    return *it;
}

QIcon UndoIcon(bool redo)
{
    // A hooked arrow that turns back to the left (undo), or its mirror image (redo).
    const auto draw = [redo](const QColor& colour) {
        return Canvas(16, 16, [&](QPainter& p) {
            if (redo)
                p.setTransform(QTransform(-1, 0, 0, 1, 16, 0));
            QPainterPath hook;
            hook.moveTo(4.5, 6.5);
            hook.lineTo(10, 6.5);
            hook.cubicTo(15, 6.5, 15, 13.5, 10, 13.5);
            hook.lineTo(6.5, 13.5);
            p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(hook);
            QPainterPath head;
            head.moveTo(1, 6.5);
            head.lineTo(6, 2.5);
            head.lineTo(6, 10.5);
            head.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            p.drawPath(head);
        });
    };
    QIcon icon;
    icon.addPixmap(draw(kBlue), QIcon::Normal);
    icon.addPixmap(draw(QColor(0xA9, 0xB4, 0xC0)), QIcon::Disabled);
    return icon;
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(Icon(size));
    return icon;
}

}  // namespace Artwork

#include "satz.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>
#include <memory>

namespace Satz {
namespace {

// The text width of an A4 page with the 2 cm margins of QTextDocument::print, in the
// document's units (pixels at 96 dpi).
constexpr qreal Textbreite = (21.0 - 4.0) / 2.54 * 96.0;

// Screenshots are taken at twice the screen resolution so that they stay sharp on paper.
constexpr qreal BildSchaerfe = 2.0;

QFont Grundschrift()
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(10.5);
    return f;
}

QImage Platzhalter(const QString& name)
{
    QImage bild(600, 60, QImage::Format_RGB32);
    bild.fill(QColor(0xf4, 0xe9, 0xd8));
    QPainter p(&bild);
    p.setFont(Grundschrift());
    p.drawText(bild.rect(), Qt::AlignCenter, QStringLiteral("(Bild „%1“ fehlt)").arg(name));
    return bild;
}

struct TBildStelle {
    int anfang;
    int laenge;
    QTextImageFormat format;
};

void BilderEinsetzen(QTextDocument& doc, const QString& bilderOrdner)
{
    // Collect first: changing formats while walking the fragments would invalidate them.
    QList<TBildStelle> stellen;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (f.charFormat().isImageFormat())
                stellen.push_back({f.position(), f.length(), f.charFormat().toImageFormat()});
        }
    }
    for (TBildStelle& s : stellen) {
        const QString name = s.format.name();
        QImage bild(QDir(bilderOrdner).filePath(QFileInfo(name).fileName()));
        const bool fehlt = bild.isNull();
        if (fehlt)
            bild = Platzhalter(QFileInfo(name).fileName());
        doc.addResource(QTextDocument::ImageResource, QUrl(name), bild);
        const qreal schaerfe = fehlt ? 1.0 : BildSchaerfe;
        qreal breite = bild.width() / schaerfe;
        qreal hoehe = bild.height() / schaerfe;
        if (breite > Textbreite) {
            hoehe *= Textbreite / breite;
            breite = Textbreite;
        }
        s.format.setWidth(breite);
        s.format.setHeight(hoehe);
        QTextCursor c(&doc);
        c.setPosition(s.anfang);
        c.setPosition(s.anfang + s.laenge, QTextCursor::KeepAnchor);
        c.setCharFormat(s.format);
    }
}

// The title page stands alone; the chapters follow one another.
void NachDerTitelseite(QTextDocument& doc)
{
    for (QTextBlock b = doc.begin().next(); b.isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() != 2)
            continue;
        QTextCursor c(b);
        QTextBlockFormat f = b.blockFormat();
        f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        c.setBlockFormat(f);
        return;
    }
}

// A heading must not stand alone at the foot of a page while its text (often a picture)
// starts on the next one. The pages are laid out as QTextDocument::print lays them out
// (A4, 2 cm margins); such a heading then moves to the next page, and the layout is
// checked again, because that move shifts everything after it.
void UeberschriftenNichtAllein(QTextDocument& doc)
{
    const QSizeF seite(21.0 / 2.54 * 96.0, 29.7 / 2.54 * 96.0);
    const int rand = int(2.0 / 2.54 * 96.0);
    auto zeilenOben = [](QAbstractTextDocumentLayout* layout, const QTextBlock& b) {
        const QTextLayout* l = b.layout();
        const qreal oben = layout->blockBoundingRect(b).top();
        return l && l->lineCount() > 0 ? oben + l->lineAt(0).y() : oben;
    };
    for (int runde = 0; runde < 50; ++runde) {
        std::unique_ptr<QTextDocument> probe(doc.clone());
        QTextFrameFormat rahmen = probe->rootFrame()->frameFormat();
        rahmen.setMargin(rand);
        probe->rootFrame()->setFrameFormat(rahmen);
        probe->setPageSize(seite);
        QAbstractTextDocumentLayout* layout = probe->documentLayout();
        int verschieben = -1;
        int nr = 0;
        for (QTextBlock b = probe->begin(); b.isValid() && b.next().isValid(); b = b.next(), ++nr) {
            if (b.blockFormat().headingLevel() == 0 || (b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore))
                continue;
            const int hier = int(zeilenOben(layout, b) / seite.height());
            const int danach = int(zeilenOben(layout, b.next()) / seite.height());
            if (danach > hier) {
                verschieben = nr;
                break;
            }
        }
        if (verschieben < 0)
            return;
        QTextBlock b = doc.findBlockByNumber(verschieben);
        QTextBlockFormat f = b.blockFormat();
        f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(b).setBlockFormat(f);
    }
}

// Markdown tables come without air in their cells and with doubled borders.
void Tabellen(QTextDocument& doc)
{
    QList<QTextTable*> tabellen;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QTextCursor c(b);
        if (QTextTable* t = c.currentTable(); t && !tabellen.contains(t))
            tabellen << t;
    }
    for (QTextTable* t : tabellen) {
        QTextTableFormat f = t->format();
        f.setCellPadding(4);
        f.setCellSpacing(0);
        f.setBorder(0.5);
        f.setBorderCollapse(true);
        f.setBorderBrush(QColor(0x9a, 0xa8, 0xb4));
        f.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        t->setFormat(f);
        // The header row on a light ground.
        for (int spalte = 0; spalte < t->columns(); ++spalte) {
            QTextTableCell zelle = t->cellAt(0, spalte);
            QTextCharFormat z = zelle.format();
            z.setBackground(QColor(0xf4, 0xe9, 0xd8));
            zelle.setFormat(z);
        }
    }
}

void Fehler(QString* fehler, const QString& text)
{
    if (fehler)
        *fehler = text;
}

} // namespace

QTextDocument* Lies(const QString& markdownDatei, const QString& bilderOrdner, QString* fehler)
{
    QFile datei(markdownDatei);
    if (!datei.open(QIODevice::ReadOnly)) {
        Fehler(fehler, QStringLiteral("%1: %2").arg(markdownDatei, datei.errorString()));
        return nullptr;
    }
    auto* doc = new QTextDocument;
    doc->setDefaultFont(Grundschrift());
    doc->setMarkdown(QString::fromUtf8(datei.readAll()), QTextDocument::MarkdownDialectGitHub);
    // After setMarkdown, which starts a fresh document.
    doc->setMetaInformation(QTextDocument::DocumentTitle, QStringLiteral("Kalumo – Handbuch"));
    BilderEinsetzen(*doc, bilderOrdner);
    NachDerTitelseite(*doc);
    Tabellen(*doc);
    UeberschriftenNichtAllein(*doc);
    return doc;
}

bool SchreibePdf(QTextDocument& dokument, const QString& pdfDatei, QString* fehler)
{
    const QString zwischen = pdfDatei + QStringLiteral(".neu");
    {
        QPdfWriter pdf(zwischen);
        pdf.setTitle(QStringLiteral("Kalumo – Handbuch"));
        pdf.setCreator(QStringLiteral("Kalumo"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        pdf.setResolution(300);
        dokument.print(&pdf);
    }
    QFile::remove(pdfDatei);
    if (!QFile::rename(zwischen, pdfDatei)) {
        Fehler(fehler, QStringLiteral("%1 konnte nicht geschrieben werden").arg(pdfDatei));
        return false;
    }
    return true;
}

bool SchreibeHtml(const QTextDocument& dokument, const QString& htmlDatei, QString* fehler)
{
    QString html = dokument.toHtml();
    // The pictures go inside the page as data addresses.
    static const QRegularExpression bild(QStringLiteral("<img src=\"([^\"]+)\""));
    QString ergebnis;
    qsizetype bisher = 0;
    for (auto it = bild.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QImage img = dokument.resource(QTextDocument::ImageResource, QUrl(m.captured(1))).value<QImage>();
        QByteArray png;
        QBuffer puffer(&png);
        puffer.open(QIODevice::WriteOnly);
        img.save(&puffer, "PNG");
        ergebnis += html.mid(bisher, m.capturedStart() - bisher);
        ergebnis += QStringLiteral("<img src=\"data:image/png;base64,") + QString::fromLatin1(png.toBase64()) + QLatin1Char('"');
        bisher = m.capturedEnd();
    }
    ergebnis += html.mid(bisher);
    // Readable on a wide screen, and the pictures shrink with a narrow window.
    ergebnis.replace(QStringLiteral("<html>"), QStringLiteral("<html lang=\"de\">"));
    ergebnis.replace(QStringLiteral("</head>"),
                     QStringLiteral("<meta name=\"viewport\" content=\"width=device-width\" />\n"
                                    "<style type=\"text/css\">body { max-width: 46em; margin: 1em auto; padding: 0 1em; "
                                    "line-height: 1.35; } img { max-width: 100%; height: auto; }</style>\n</head>"));

    QSaveFile datei(htmlDatei);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(ergebnis.toUtf8()) < 0 || !datei.commit()) {
        Fehler(fehler, QStringLiteral("%1: %2").arg(htmlDatei, datei.errorString()));
        return false;
    }
    return true;
}

} // namespace Satz

// The PDF pages the mails carry, read back as a reader would (pdftotext).
#include "mailanhang.h"
#include "pdf_pruefen.h"

#include "../core/termine_tag.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace TermineTest;

// One page, and every text of `erwartet` on it (blanks collapsed: the layout may space
// words out).
void EineSeiteMit(const QByteArray& pdf, const QStringList& erwartet, const QStringList& nicht = {})
{
    ASSERT_FALSE(pdf.isEmpty());
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("anhang.pdf"));
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(pdf);
    f.close();
    EXPECT_EQ(PdfPruefen::Seiten(pfad), 1);
    // With the layout kept, a door sheet's time and name stay on one line.
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pfad,
                                          QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(60000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput()).simplified();
    for (const QString& e : erwartet)
        EXPECT_TRUE(text.contains(e.simplified())) << e.toStdString() << "\n" << text.toStdString();
    for (const QString& e : nicht)
        EXPECT_FALSE(text.contains(e)) << e.toStdString();
}

TEST(MailAnhang, FamilienplanAufEinerSeiteInJedemFormat)
{
    struct Fall {
        int format;
        QStringList eintraege;
        QStringList erwartet;
        QStringList nicht;
    };
    const Fall faelle[] = {
        {TPlanEinstellungen::FormatA4, {Oezdemir}, {Oezdemir, QStringLiteral("16:50 Uhr: Weber (R 12)"), QStringLiteral("Schule am Hügel")}, {Anna}},
        {TPlanEinstellungen::FormatA6, {Oezdemir}, {Oezdemir, QStringLiteral("16:50 Uhr: Weber (R 12)")}, {Anna}},
        // Siblings on A4 would take a page each; as quarters they share one.
        {TPlanEinstellungen::FormatA4, {Anna, Ben},
         {Anna, Ben, QStringLiteral("15:00 Uhr: Weber (R 12)"), QStringLiteral("15:10 Uhr: Schulz"),
          QStringLiteral("15:10 Uhr: [ Schulz ]"), QStringLiteral("15:00 Uhr: [ Weber (R 12) ]")},
         {Oezdemir, Kalle}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.eintraege.join(u'|').toStdString() + " Format " + std::to_string(f.format));
        TSprechtag tag;
        KniffligerTag(tag);
        tag.Plan.ElternFmt = f.format;
        EineSeiteMit(MailAnhang::FamilienPlan(tag, f.eintraege, TPlanTexte::Aus(tag.Plan, QStringLiteral("Schule am Hügel"))),
                     f.erwartet, f.nicht);
    }
}

TEST(MailAnhang, TuerlisteDerLehrkraft)
{
    TSprechtag tag;
    KniffligerTag(tag);
    const TTuerTexte texte =
        TTuerTexte::Aus(tag.Plan, QStringLiteral("Schule am Hügel"), QDateTime(QDate(2026, 3, 1), QTime(9, 0), Qt::UTC));
    EineSeiteMit(MailAnhang::Tuerliste(tag, Schulz, texte),
                 {QStringLiteral("Schulz"), QStringLiteral("15:00 ") + Kalle, QStringLiteral("15:10 ") + Ben,
                  QStringLiteral("15:20 — frei —")},
                 {Anna});
    EXPECT_TRUE(MailAnhang::Tuerliste(tag, QStringLiteral("Niemand"), texte).isEmpty());
}

TEST(MailAnhang, NachrichtenTragenDiePdfDateien)
{
    TSprechtag tag;
    KniffligerTag(tag);
    tag.Eltern.Suche(Anna)->EMail = {QStringLiteral("weber@example.org")};
    tag.Lehrer.Suche(Schulz)->EMail = {QStringLiteral("schulz@schule.example")};
    Versand::TAngaben a;
    a.Schule = QStringLiteral("Schule am Hügel");
    a.Datum = QDate(2026, 3, 4);
    a.Stempel = QDateTime(QDate(2026, 2, 1), QTime(9, 0), Qt::UTC);
    a.Absender = QStringLiteral("post@schule.example");
    const Versand::TNachrichten n = MailAnhang::BaueMitPdf(tag, Versand::TEmpfaenger::Alle, a, a.Schule, a.Stempel);
    ASSERT_TRUE(n.Fehler.isEmpty());
    ASSERT_EQ(n.Liste.size(), 2u);
    const auto& familie = n.Liste[0].Mail.Anhaenge;
    ASSERT_EQ(familie.size(), 2u);
    EXPECT_EQ(familie[1].Typ, "application/pdf");
    EXPECT_EQ(familie[1].Name, familie[0].Name.chopped(4) + QStringLiteral(".pdf"));
    EineSeiteMit(familie[1].Daten, {Anna, Ben, QStringLiteral("15:20 Uhr: Dr. Müller")});
    const auto& lehrer = n.Liste[1].Mail.Anhaenge;
    ASSERT_EQ(lehrer.size(), 1u);
    EXPECT_EQ(lehrer[0].Name, QStringLiteral("Türliste Schulz.pdf"));
    EineSeiteMit(lehrer[0].Daten, {QStringLiteral("15:10 ") + Ben});
}

} // namespace

// Addresses reach mail headers: only plausible ones are taken, and never one that holds
// a control character (a line break there would add a header of its own).
#include "versand/adresse.h"

#include <gtest/gtest.h>

namespace {

TEST(VersandAdresse, PlausibleFormenUndAbgewiesene)
{
    const struct {
        const char* adresse;
        bool gut;
    } faelle[] = {
        {"anna.weber@schule.de", true},
        {"a+eltern@mail.example.org", true},
        {"familie@müller-online.de", true},
        {"x_y-z@sub.domain.example", true},
        {"", false},
        {"anna.weber", false},
        {"@schule.de", false},
        {"anna@", false},
        {"anna@schule", false},
        {"anna@schule.", false},
        {"anna@-schule.de", false},
        {"anna@schule.123", false},
        {"anna weber@schule.de", false},
        {"anna..weber@schule.de", false},
        {".anna@schule.de", false},
        {"Anna <anna@schule.de>", false},
        {"anna,bert@schule.de", false},
        {"jörg@schule.de", false},
        {"a@b@schule.de", false},
    };
    for (const auto& f : faelle) {
        const QString m = Versand::PruefeAdresse(QString::fromUtf8(f.adresse), QStringLiteral("E-Mail Eltern"));
        EXPECT_EQ(m.isEmpty(), f.gut) << f.adresse << " " << m.toStdString();
        if (!f.gut) {
            EXPECT_TRUE(m.contains(QStringLiteral("„E-Mail Eltern“"))) << f.adresse;
        }
    }
}

TEST(VersandAdresse, SteuerzeichenWerdenMitEigenerMeldungAbgewiesen)
{
    for (const char16_t c : {u'\r', u'\n', u'\t', char16_t(0x01), char16_t(0x1B), char16_t(0x7F), char16_t(0x85),
                             char16_t(0x2028)}) {
        const QString a = QStringLiteral("anna@schule.de") + QChar(c) + QStringLiteral("Bcc: alle@example.org");
        const QString m = Versand::PruefeAdresse(a, QStringLiteral("E-Mail"));
        EXPECT_TRUE(m.contains(QStringLiteral("Steuerzeichen"))) << int(c);
        // The message never repeats the character itself.
        EXPECT_FALSE(m.contains(QChar(c))) << int(c);
    }
}

TEST(VersandAdresse, HoechstzahlUndServerform)
{
    const QStringList drei{QStringLiteral("a@b.de"), QStringLiteral("c@d.de"), QStringLiteral("e@f.de")};
    EXPECT_TRUE(Versand::PruefeAdressen(drei.mid(0, 2), 2, QStringLiteral("E-Mail")).isEmpty());
    EXPECT_EQ(Versand::PruefeAdressen(drei, 2, QStringLiteral("E-Mail")),
              QStringLiteral("Im Feld „E-Mail“ sind höchstens 2 E-Mail-Adressen möglich."));
    EXPECT_EQ(Versand::AdresseFuerServer(QStringLiteral("familie@müller.de")), QStringLiteral("familie@xn--mller-kva.de"));
}

} // namespace

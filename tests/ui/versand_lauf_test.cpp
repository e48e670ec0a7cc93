// The send run itself, without a window: a message built only to be skipped (its PDF not
// drawn) never goes out in place of the real one, even when the log no longer shows it as
// sent.

#include "versand.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(VersandLauf, NachrichtOhnePdfGehtNichtHinaus)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    Versand::TNachricht n;
    n.Was = QStringLiteral("Plan 5a: Groß");
    n.Pruefwert = QStringLiteral("ab12");
    n.Mail.Absender = QStringLiteral("post@schule.example");
    n.Mail.An = {QStringLiteral("eltern@example.org")};
    n.Mail.Anhaenge.push_back({QStringLiteral("5a Groß.pdf"), "application/pdf", {}});
    Versand::TLauf lauf;
    lauf.Absender = n.Mail.Absender;
    lauf.Protokoll = ordner.filePath(QStringLiteral("tag.versand.csv"));
    // Nothing listens there: a run that tried to send would stop on the connection.
    lauf.Server.Host = QStringLiteral("127.0.0.1");
    lauf.Server.Port = 1;
    lauf.Server.Tls = Versand::TTls::Keine;
    lauf.PauseMs = 0;

    const Versand::TLaufBericht b = Versand::Versende({n}, lauf);
    EXPECT_EQ(b.Fehler, QStringList{QStringLiteral("eltern@example.org (Plan 5a: Groß): Der PDF-Anhang fehlt, die "
                                                   "Nachricht wurde nicht gesendet.")});
    EXPECT_TRUE(b.Abbruch.isEmpty()) << b.Abbruch.toStdString();
    EXPECT_EQ(b.Versendet, 0);
    EXPECT_FALSE(b.AllesAngenommen());
    EXPECT_FALSE(QFile::exists(lauf.Protokoll));
}

} // namespace

#include "model/einstellungen.h"

QStringList TVorschauEinstellungen::StandardBrief()
{
    return {
        QStringLiteral("Sehr geehrte Kollegin / Sehr geehrter Kollege,"),
        QString(),
        QStringLiteral("am kommenden Elternsprechtag können Sie bei einem Sprechtakt von %A Minuten zwischen %B Uhr und %C Uhr %D Eltern empfangen. Auf dieser Liste sehen Sie, wer Sie sprechen möchte."),
        QString(),
        QStringLiteral("Ggf. können Sie die Eltern streichen, mit denen ein Gespräch nicht unbedingt nötig ist. Falls Sie nicht die Zeit dafür finden, kann der Computer auch selbst so viele Eltern streichen, dass der Zeitplan eingehalten wird. Bitte geben Sie diesen Zettel bis Mittwoch, den 11.2. an mich zurück."),
        QString(),
        QStringLiteral("Danke für Ihre Mitarbeit!"),
        QStringLiteral("gez. Tornquell"),
        QString(),
    };
}

QStringList TPlanEinstellungen::StandardElternBrief()
{
    return {
        QStringLiteral("Liebe Eltern!"),
        QStringLiteral("Dies ist Ihr persönlicher Zeitplan. Ihre Wünsche "),
        QStringLiteral("wurden bestmöglich berücksichtigt. Die Zeitpläne "),
        QStringLiteral("der Lehrer hängen vor den Räumen aus. Wir "),
        QStringLiteral("freuen uns auf Ihren Besuch!"),
    };
}

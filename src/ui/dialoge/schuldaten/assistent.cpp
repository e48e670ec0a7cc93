#include "dialoge/schuldaten/assistent.h"

#include "bearbeiten/plaene_ungueltig.h"
#include "dialoge/schuldaten/arbeit.h"
#include "dialoge/schuldaten/dateienseite.h"
#include "dialoge/schuldaten/ergebnisseite.h"
#include "dialoge/schuldaten/vorschauseite.h"
#include "gemeinsam/meldungen.h"
#include "model/sprechtag.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

using namespace Schuldaten;

TSchuldatenAssistent::TSchuldatenAssistent(TSprechtag& tag, QWidget* eltern)
    : QWizard(eltern)
    , m_tag(tag)
    , m_arbeit(new TSchuldatenArbeit(this))
    , m_dateien(new TSchuldatenDateien(m_stand, this))
    , m_vorschau(new TSchuldatenVorschau(m_stand, this))
    , m_ergebnis(new TSchuldatenErgebnis(m_stand, tag, this))
{
    setObjectName(QStringLiteral("SchuldatenAssistent"));
    setWindowTitle(QStringLiteral("Schuldaten importieren"));
    setWizardStyle(QWizard::ClassicStyle);
    setOptions(QWizard::NoBackButtonOnStartPage | QWizard::NoDefaultButton);
    setPage(DateienId, m_dateien);
    setPage(VorschauId, m_vorschau);
    setPage(ErgebnisId, m_ergebnis);
    setButtonText(QWizard::BackButton, QStringLiteral("< &Zurück"));
    setButtonText(QWizard::NextButton, QStringLiteral("&Weiter >"));
    setButtonText(QWizard::FinishButton, QStringLiteral("Ü&bernehmen"));
    setButtonText(QWizard::CancelButton, QStringLiteral("Abbrechen"));
    setButtonText(QWizard::CommitButton, QStringLiteral("Festlegen"));
    setButtonText(QWizard::HelpButton, QStringLiteral("Hilfe"));
    for (const QWizard::WizardButton b : {QWizard::BackButton, QWizard::NextButton, QWizard::FinishButton,
                                          QWizard::CancelButton, QWizard::CommitButton, QWizard::HelpButton})
        if (QAbstractButton* k = button(b))
            k->setAccessibleName(k->text().remove(QLatin1Char('&')));
    button(QWizard::CommitButton)->setObjectName(QStringLiteral("SchuldatenFestlegenBtn"));
    // Wide enough for the title and the preview's controls in one row; fits 1024 × 768.
    setMinimumSize(780, 560);
    resize(900, 660);
}

bool TSchuldatenAssistent::Ausfuehren(TQuellArt vorschlag)
{
    m_stand = TSchuldatenStand{};
    m_stand.Arbeit = m_arbeit;
    m_stand.Ordner = m_gemerkt.Ordner;
    m_stand.Muster = m_gemerkt.Muster;
    m_stand.GemerkteSpalten = m_gemerkt.GemerkteSpalten;
    m_dateien->Zuruecksetzen(vorschlag);
    restart();
    if (const QScreen* s = screen())
        resize(size().boundedTo(s->availableGeometry().size()));
    return exec() == QDialog::Accepted;
}

void TSchuldatenAssistent::accept()
{
    if (!m_stand.Plan)
        return;
    const TImportPlan& plan = *m_stand.Plan;
    // Wishes added to computed plans: the user agrees to lose them first, as for any
    // change of requests; "Nein" keeps the wizard open and the day untouched.
    if (plan.MachtPlaeneUngueltig(m_tag)
        && !TryInvalidatePlansAction(m_tag, [this](const QString& frage) { return Meldung::LoeschFrage(this, frage); }))
        return;
    WendeImportAn(m_tag, plan);

    m_gemerkt.Ordner = m_stand.Ordner;
    m_gemerkt.Muster = m_stand.Muster;
    for (const TGeleseneQuelle& g : std::as_const(m_stand.Gelesen))
        if (g.ok())
            m_gemerkt.GemerkteSpalten[g.Quelle.Art] = ZuordnungAlsText(g.Zuordnung, g.KopfFelder);
    QWizard::accept();
}

bool TSchuldatenAssistent::validateCurrentPage()
{
    if (currentId() == DateienId && !allesLesen())
        return false;
    if (!QWizard::validateCurrentPage())
        return false;
    return currentId() != VorschauId || planen();
}

bool TSchuldatenAssistent::allesLesen()
{
    // Shares of the progress by file size: one large export among small lists.
    QList<qint64> groessen;
    qint64 summe = 0;
    for (const TQuelle& q : std::as_const(m_stand.Quellen)) {
        groessen.append(qMax<qint64>(1, QFileInfo(q.Pfad).size()));
        summe += groessen.last();
    }
    const TSchuldatenStand& stand = m_stand;
    QList<TGeleseneQuelle> gelesen;
    const bool fertig = m_arbeit->Fuehre(this, QStringLiteral("Die Dateien werden gelesen …"), [&](TLauf& lauf) {
        qint64 vorher = 0;
        for (qsizetype i = 0; i < stand.Quellen.size() && !lauf.Abgebrochen(); ++i) {
            lauf.Abschnitt(double(vorher) / double(summe), double(vorher + groessen[i]) / double(summe));
            gelesen.append(stand.LiesQuelle(i, &lauf));
            vorher += groessen[i];
        }
    });
    if (!fertig)
        return false;
    m_stand.Gelesen = gelesen;
    return true;
}

bool TSchuldatenAssistent::planen()
{
    const TSchuldatenStand& stand = m_stand;
    const TSprechtag& tag = m_tag;
    std::optional<TImportPlan> plan;
    const bool fertig = m_arbeit->Fuehre(this, QStringLiteral("Der Import wird geplant …"), [&](TLauf& lauf) {
        plan = PlaneImport(tag, stand.Gelesen, stand.Muster, &lauf);
    });
    if (!fertig)
        return false;
    m_stand.Plan = std::move(plan);
    return true;
}

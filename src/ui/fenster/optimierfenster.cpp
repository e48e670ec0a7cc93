#include "fenster/optimierfenster.h"

#include "bearbeiten/vorrang.h"
#include "model/sprechtag.h"
#include "optimierung/schranke.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* Wert(const char* name, const QString& zugang, QWidget* eltern)
{
    auto* l = new QLabel(eltern);
    l->setObjectName(QString::fromUtf8(name));
    l->setAccessibleName(zugang);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(80);
    return l;
}

} // namespace

TOptimierFenster::TOptimierFenster(QWidget* eltern)
    : QDialog(eltern, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("OptimierForm"));
    setWindowTitle(QStringLiteral("Optimieren"));
    setModal(true);

    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("OptimierText"));
    m_text->setWordWrap(true);

    auto* raster = new QGridLayout;
    auto* vorher = new QLabel(QStringLiteral("vorher"), this);
    auto* jetzt = new QLabel(QStringLiteral("jetzt"), this);
    for (QLabel* k : {vorher, jetzt}) {
        QFont f = k->font();
        f.setBold(true);
        k->setFont(f);
        k->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    raster->addWidget(vorher, 0, 1);
    raster->addWidget(jetzt, 0, 2);
    m_einladungenVorher = Wert("EinladungenVorher", QStringLiteral("Eingeplante Einladungen vorher"), this);
    m_einladungenJetzt = Wert("EinladungenJetzt", QStringLiteral("Eingeplante Einladungen jetzt"), this);
    m_vorrangVorher = Wert("VorrangVorher", QStringLiteral("Eingeplante Vorrang-Wünsche vorher"), this);
    m_vorrangJetzt = Wert("VorrangJetzt", QStringLiteral("Eingeplante Vorrang-Wünsche jetzt"), this);
    m_termineVorher = Wert("TermineVorher", QStringLiteral("Erteilte Termine vorher"), this);
    m_termineJetzt = Wert("TermineJetzt", QStringLiteral("Erteilte Termine jetzt"), this);
    m_ohneVorher = Wert("OhneTerminVorher", QStringLiteral("Eltern ohne Termin vorher"), this);
    m_ohneJetzt = Wert("OhneTerminJetzt", QStringLiteral("Eltern ohne Termin jetzt"), this);
    m_wartenVorher = Wert("WartezeitVorher", QStringLiteral("Wartezeit aller Familien vorher"), this);
    m_wartenJetzt = Wert("WartezeitJetzt", QStringLiteral("Wartezeit aller Familien jetzt"), this);
    // In the order of importance: what is placed first comes first.
    const QString labels[] = {QStringLiteral("Eingeplante Einladungen:"),
                              QStringLiteral("Eingeplante Vorrang-Wünsche:"),
                              QStringLiteral("Erteilte Termine:"),
                              QStringLiteral("Eltern mit Sprechwünschen, aber ohne Termin:"),
                              QStringLiteral("Wartezeit aller Familien zusammen:")};
    QLabel* werte[][2] = {{m_einladungenVorher, m_einladungenJetzt},
                          {m_vorrangVorher, m_vorrangJetzt},
                          {m_termineVorher, m_termineJetzt},
                          {m_ohneVorher, m_ohneJetzt},
                          {m_wartenVorher, m_wartenJetzt}};
    for (int i = 0; i < 5; ++i) {
        auto* lb = new QLabel(labels[i], this);
        raster->addWidget(lb, i + 1, 0);
        raster->addWidget(werte[i][0], i + 1, 1);
        raster->addWidget(werte[i][1], i + 1, 2);
        if (i < 2)
            m_stufenZeilen << lb << werte[i][0] << werte[i][1];
    }
    raster->setColumnStretch(0, 1);

    m_balken = new QProgressBar(this);
    m_balken->setObjectName(QStringLiteral("OptimierBalken"));
    m_balken->setAccessibleName(QStringLiteral("Fortschritt"));
    m_status = new QLabel(this);
    m_status->setWordWrap(true);
    m_status->setObjectName(QStringLiteral("OptimierStatus"));
    m_schranke = new QLabel(this);
    m_schranke->setObjectName(QStringLiteral("OptimierSchranke"));
    m_schranke->setAccessibleName(QStringLiteral("Höchstens mögliche Termine"));
    m_schranke->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_gruendlich = new QCheckBox(QStringLiteral("&Gründlich suchen (bis zu einer halben Minute)"), this);
    m_gruendlich->setObjectName(QStringLiteral("GruendlichBox"));
    m_gruendlich->setAccessibleName(QStringLiteral("Gründlich suchen"));
    m_gruendlich->setToolTip(QStringLiteral("Gilt ab dem nächsten Optimieren: ganze Zeitfenster und größere Gruppen "
                                            "von Terminen werden exakt neu gesetzt"));

    m_abbrechenBtn = new QPushButton(QStringLiteral("&Abbrechen"), this);
    m_abbrechenBtn->setObjectName(QStringLiteral("AbbrechenBtn"));
    m_abbrechenBtn->setAccessibleName(QStringLiteral("Abbrechen"));
    m_abbrechenBtn->setToolTip(QStringLiteral("Beendet das Optimieren; die Zeitpläne bleiben, wie sie vorher waren"));
    m_fertigBtn = new QPushButton(QStringLiteral("&Fertig"), this);
    m_fertigBtn->setObjectName(QStringLiteral("FertigBtn"));
    m_fertigBtn->setAccessibleName(QStringLiteral("Fertig"));
    m_fertigBtn->setVisible(false);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(m_abbrechenBtn);
    knoepfe->addWidget(m_fertigBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addSpacing(8);
    layout->addLayout(raster);
    layout->addSpacing(8);
    layout->addWidget(m_balken);
    layout->addWidget(m_status);
    layout->addWidget(m_schranke);
    layout->addWidget(m_gruendlich);
    layout->addLayout(knoepfe);
    resize(460, 300);
    zeigeStufen(false);

    connect(m_abbrechenBtn, &QPushButton::clicked, this, [this] { m_abbrechen = true; });
    connect(m_fertigBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TOptimierFenster::zeigeStufen(bool an)
{
    for (QWidget* w : std::as_const(m_stufenZeilen))
        w->setVisible(an);
    m_text->setText(an ? QStringLiteral("Die Zeitpläne werden verbessert: zuerst mehr Einladungen, dann mehr Vorrang-Wünsche, "
                                        "dann mehr Termine, dann weniger Eltern ohne Termin, dann kürzere Wartezeiten. Kein "
                                        "eingeplanter Termin mit Einladung oder Vorrang geht dabei verloren.")
                       : QStringLiteral("Die Zeitpläne werden verbessert: zuerst mehr Termine, dann weniger Eltern "
                                        "ohne Termin, dann kürzere Wartezeiten. Kein Wert wird dabei schlechter."));
    // Two more rows and a longer text need more height than the window was given; without
    // growing, the layout squeezed every row until the texts were cut off.
    layout()->activate();
    const int noetig = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width()) : layout()->totalSizeHint().height();
    if (noetig > height())
        resize(width(), noetig);
}

void TOptimierFenster::zeige(const TKennwerte& vorher, const TKennwerte& jetzt)
{
    m_einladungenVorher->setText(QString::number(vorher.Einladungen));
    m_einladungenJetzt->setText(QString::number(jetzt.Einladungen));
    m_vorrangVorher->setText(QString::number(vorher.Vorrang));
    m_vorrangJetzt->setText(QString::number(jetzt.Vorrang));
    auto minuten = [this](qint64 takte) { return QString::number(takte * m_takt) + QStringLiteral(" min"); };
    m_termineVorher->setText(QString::number(vorher.Termine));
    m_termineJetzt->setText(QString::number(jetzt.Termine));
    m_ohneVorher->setText(QString::number(vorher.OhneTermin));
    m_ohneJetzt->setText(QString::number(jetzt.OhneTermin));
    m_wartenVorher->setText(minuten(vorher.Wartezeit));
    m_wartenJetzt->setText(minuten(jetzt.Wartezeit));
}

TOptimierErgebnis TOptimierFenster::Ausfuehren(TSprechtag& tag)
{
    m_takt = tag.Vorgaben.SprechTakt;
    m_abbrechen = false;
    m_laeuft = true;
    zeigeStufen(HatPrioritaeten(tag));
    for (QLabel* l : {m_einladungenVorher, m_einladungenJetzt, m_vorrangVorher, m_vorrangJetzt, m_termineVorher, m_termineJetzt,
                      m_ohneVorher, m_ohneJetzt, m_wartenVorher, m_wartenJetzt})
        l->clear();
    m_balken->setRange(0, 1000);
    m_balken->setValue(0);
    m_status->setText(QStringLiteral("Die Zeitpläne werden verbessert …"));
    m_schranke->clear();
    m_gruendlich->setEnabled(false);
    m_abbrechenBtn->setVisible(true);
    m_abbrechenBtn->setDefault(true);
    m_fertigBtn->setVisible(false);
    show();

    const TOptimierErgebnis e = Optimiere(tag, *this, -1, m_gruendlich->isChecked());
    m_laeuft = false;
    m_gruendlich->setEnabled(true);
    if (e.Abgebrochen) {
        hide();
        return e;
    }
    m_schranke->setText(SchrankenText(e.Nachher.Termine, TerminSchranke(tag)));
    zeige(e.Vorher, e.Nachher);
    m_balken->setValue(m_balken->maximum());
    const QStringList hinweise = OptimierHinweise(e);
    m_status->setText(hinweise.isEmpty() ? QStringLiteral("Fertig.")
                                         : QStringLiteral("Fertig. ") + hinweise.join(u' '));
    m_abbrechenBtn->setVisible(false);
    m_fertigBtn->setVisible(true);
    m_fertigBtn->setDefault(true);
    m_fertigBtn->setFocus();
    emit fertig();
    exec();
    return e;
}

bool TOptimierFenster::Zwischenstand(const TKennwerte& vorher, const TKennwerte& bester, qint64 zug, qint64 zuege)
{
    zeige(vorher, bester);
    m_balken->setValue(zuege > 0 ? int(zug * 1000 / zuege) : 0);
    emit zwischenstand();
    QCoreApplication::processEvents();
    return !m_abbrechen;
}

void TOptimierFenster::reject()
{
    // Escape while the step runs stops it; afterwards it closes like "&Fertig".
    if (m_laeuft)
        m_abbrechen = true;
    else
        QDialog::reject();
}

void TOptimierFenster::closeEvent(QCloseEvent* e)
{
    if (m_laeuft) {
        m_abbrechen = true;
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

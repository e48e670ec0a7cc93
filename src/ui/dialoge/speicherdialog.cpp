#include "dialoge/speicherdialog.h"

#include "datei/inhaltsmaske.h"
#include "gemeinsam/okabbruch.h"
#include "seiten/seite.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct TBoxText {
    const char* name;
    const char* beschriftung;
    const char* erklaerung;
};

// The boxes in screen order, which is also the order of their bits in the content mask.
const TBoxText BoxTexte[] = {
    {"Lehrer", "&Lehrerliste", "Die Liste aller Lehrernamen"},
    {"Vorgaben", "&Vorgaben", "Sprechbeginn, -takt und -ende, Pausen,\nindividuell abweichende Sprechzeiten"},
    {"Eltern", "&Elternliste", "Die Liste aller Elternnamen"},
    {"Sprech", "&Sprechwünsche und zeitl.\nVorgaben der Eltern",
     "Alle Daten über Elternsprechwünsche\nz.B.: Familie Schmidt möchte Frau Meier sprechen, aber nicht vor 17 Uhr."},
    {"Preview", "Vorscha&u-Einstellungen", "Alle Einstellungen der Vorschaulisten\n(Einleitungstext und Auswahl der Lehrer)"},
    {"Ungewuenscht", "A&bgelehnte Sprechwünsche",
     "Alle Daten über abgelehnte Sprechwünsche\nz.B.: Herr Müller möchte Familie Schulz nicht sprechen."},
    {"Plaene", "&Zeitpläne && Einstellungen",
     "Die vom Programm generierten Zeitpläne und alle\nzeitplanbezogenen Einstellungen"},
};

} // namespace

TSaveForm::TSaveForm(QWidget* eltern)
    : QDialog(eltern)
{
    setObjectName(QStringLiteral("SaveForm"));
    setWindowTitle(QStringLiteral("Daten speichern"));

    auto* raster = new QGridLayout;
    int zeile = 0;
    for (const TBoxText& t : BoxTexte) {
        auto* box = new QCheckBox(QString::fromUtf8(t.beschriftung), this);
        box->setObjectName(QString::fromUtf8(t.name));
        box->setChecked(true);
        auto* erklaerung = new QLabel(QString::fromUtf8(t.erklaerung), this);
        erklaerung->setTextFormat(Qt::PlainText);
        box->setAccessibleDescription(erklaerung->text());
        raster->addWidget(box, zeile, 0, Qt::AlignTop);
        raster->addWidget(erklaerung, zeile, 1, Qt::AlignTop);
        ++zeile;
        m_boxen << box;
        connect(box, &QCheckBox::clicked, this, &TSaveForm::Abhaengigkeiten);
    }
    raster->setHorizontalSpacing(18);
    raster->setVerticalSpacing(10);

    auto* knoepfe = OkAbbruchZeile(this);

    auto* kopf = Fett(QStringLiteral("Welche Daten sollen gespeichert werden?"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(kopf);
    layout->addLayout(raster);
    layout->addLayout(knoepfe);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QCheckBox* TSaveForm::Box(int bit) const
{
    int i = 0;
    while ((1 << i) < bit)
        ++i;
    return m_boxen.value(i);
}

int TSaveForm::Angekreuzt() const
{
    int maske = 0;
    for (int i = 0; i < m_boxen.size(); ++i)
        if (m_boxen[i]->isChecked())
            maske |= 1 << i;
    return maske;
}

void TSaveForm::Abhaengigkeiten()
{
    const int maske = Inhalt::MitAbhaengigkeiten(Angekreuzt());
    for (int i = 0; i < m_boxen.size(); ++i)
        if (m_boxen[i]->isEnabled())
            m_boxen[i]->setChecked(maske & (1 << i));
}

int TSaveForm::Frage(bool plaeneMoeglich)
{
    QCheckBox* plaene = Box(Inhalt::Plaene);
    plaene->setEnabled(plaeneMoeglich);
    plaene->setChecked(plaeneMoeglich);
    Abhaengigkeiten();
    if (exec() != QDialog::Accepted)
        return -1;
    return Angekreuzt();
}

#include "seiten/seite.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QPushButton* DateiKnopf(const QString& beschriftung, const QString& text, const QString& name, QWidget* eltern, QHBoxLayout* layout)
{
    auto* lb = new QLabel(beschriftung, eltern);
    auto* knopf = new QPushButton(text, eltern);
    knopf->setObjectName(name);
    knopf->setAutoDefault(false);
    lb->setBuddy(knopf);
    // Three pairs must fit the narrowest window: no wider than the caption needs.
    knopf->setMinimumWidth(knopf->fontMetrics().horizontalAdvance(knopf->text().remove(QLatin1Char('&'))) + 24);
    knopf->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    knopf->setStyleSheet(QStringLiteral("QPushButton { padding-left: 8px; padding-right: 8px; }"));
    layout->addWidget(lb);
    layout->addWidget(knopf);
    layout->addSpacing(8);
    return knopf;
}

} // namespace

TDateiLeiste::TDateiLeiste(bool mitImport, QWidget* eltern)
    : QWidget(eltern)
{
    setObjectName(QStringLiteral("DateiLeiste"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    m_laden = DateiKnopf(QStringLiteral("Daten laden:"), QStringLiteral("La&den"), QStringLiteral("LadenBtn"), this, layout);
    m_laden->setToolTip(QStringLiteral("Eine Elternsprechtags-Datei laden"));
    m_speichern = DateiKnopf(QStringLiteral("Daten speichern:"), QStringLiteral("S&peichern"), QStringLiteral("SpeichernBtn"), this, layout);
    m_speichern->setToolTip(QStringLiteral("Den Sprechtag in einer Datei speichern"));
    if (mitImport) {
        m_import = DateiKnopf(QStringLiteral("Import (Textdatei):"), QStringLiteral("&Importieren"), QStringLiteral("ImportBtn"), this, layout);
        m_import->setToolTip(QStringLiteral("Namen oder Text aus einer Textdatei übernehmen"));
        connect(m_import, &QPushButton::clicked, this, &TDateiLeiste::importieren);
    }
    layout->addStretch();
    for (QPushButton* k : {m_laden, m_speichern, m_import})
        if (k)
            k->setAccessibleDescription(k->toolTip());
    connect(m_laden, &QPushButton::clicked, this, &TDateiLeiste::laden);
    connect(m_speichern, &QPushButton::clicked, this, &TDateiLeiste::speichern);
}

void TDateiLeiste::MitSchuldaten()
{
    if (m_schuldaten || !m_import)
        return;
    m_schuldaten = new QPushButton(QStringLiteral("Schuldaten i&mportieren …"), this);
    m_schuldaten->setObjectName(QStringLiteral("SchuldatenBtn"));
    m_schuldaten->setAutoDefault(false);
    m_schuldaten->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    m_schuldaten->setStyleSheet(QStringLiteral("QPushButton { padding-left: 8px; padding-right: 8px; }"));
    m_schuldaten->setToolTip(QStringLiteral("Lehrer, Schüler und Sprechwünsche aus Exporten der Schulverwaltung "
                                            "oder des Stundenplanprogramms übernehmen"));
    m_schuldaten->setAccessibleDescription(m_schuldaten->toolTip());
    auto* layout = static_cast<QHBoxLayout*>(this->layout());
    // Directly after the text import's button.
    layout->insertWidget(layout->indexOf(m_import) + 1, m_schuldaten);
    connect(m_schuldaten, &QPushButton::clicked, this, &TDateiLeiste::schuldaten);
}

TSeite::TSeite(TSprechtag& tag, bool mitImport, QWidget* eltern)
    : QWidget(eltern)
    , m_tag(tag)
    , m_leiste(new TDateiLeiste(mitImport, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_leiste);
}

void TSeite::SetInhalt(QWidget* inhalt)
{
    // At the smallest window size the wrapped texts need more height than there is: the
    // page then scrolls instead of cutting them off.
    auto* rollen = new QScrollArea(this);
    rollen->setObjectName(QStringLiteral("SeitenRollbereich"));
    rollen->setFrameShape(QFrame::NoFrame);
    rollen->setWidgetResizable(true);
    rollen->setFocusPolicy(Qt::NoFocus);
    rollen->setWidget(inhalt);
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->insertWidget(0, rollen, 1);
}

void TSeite::SetAktionen(QWidget* aktionen)
{
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->insertWidget(layout->indexOf(m_leiste), aktionen);
}

QLabel* Ueberschrift(const QString& text, QWidget* eltern)
{
    auto* lb = new QLabel(text, eltern);
    lb->setTextFormat(Qt::PlainText);
    QFont f = lb->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.15);
    lb->setFont(f);
    return lb;
}

QLabel* Fett(const QString& text, QWidget* eltern)
{
    auto* lb = new QLabel(text, eltern);
    QFont f = lb->font();
    f.setBold(true);
    lb->setFont(f);
    return lb;
}

QLabel* Erklaerung(const QString& text, QWidget* eltern)
{
    auto* lb = new QLabel(text, eltern);
    lb->setTextFormat(Qt::PlainText);
    lb->setWordWrap(true);
    lb->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return lb;
}

void Warnfarbe(QLabel* lb)
{
    QFont f = lb->font();
    f.setBold(true);
    lb->setFont(f);
    QPalette p = lb->palette();
    p.setColor(QPalette::WindowText, QColor(Qt::darkRed));
    lb->setPalette(p);
}

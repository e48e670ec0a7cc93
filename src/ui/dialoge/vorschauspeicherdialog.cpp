#include "dialoge/vorschauspeicherdialog.h"

#include "gemeinsam/okabbruch.h"
#include "gemeinsam/titelraum.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TPreviewStoreForm::TPreviewStoreForm(QWidget* eltern)
    : QDialog(eltern)
{
    setObjectName(QStringLiteral("PreviewStoreForm"));
    setWindowTitle(QStringLiteral("Vorschaulisten erzeugen"));

    auto* gruppe = new QGroupBox(QStringLiteral("Fertige Listen"), this);
    m_datei = new QCheckBox(QStringLiteral("in &Datei schreiben"), gruppe);
    m_datei->setObjectName(QStringLiteral("CheckBox1"));
    m_datei->setAccessibleName(QStringLiteral("in Datei schreiben"));
    m_datei->setChecked(true);
    m_drucken = new QCheckBox(QStringLiteral("d&rucken"), gruppe);
    m_drucken->setObjectName(QStringLiteral("CheckBox2"));
    m_drucken->setAccessibleName(QStringLiteral("drucken"));
    auto* gl = new QVBoxLayout(gruppe);
    gl->addWidget(m_datei);
    gl->addWidget(m_drucken);

    const TOkAbbruch k = OkAbbruchKnoepfe(this);

    auto* knoepfe = new QVBoxLayout;
    knoepfe->addWidget(k.ok);
    knoepfe->addWidget(k.abbruch);
    knoepfe->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(gruppe, 1);
    layout->addLayout(knoepfe);
    setMinimumWidth(320);
    RaumFuerTitel(this);
}

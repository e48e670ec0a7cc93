#include "fenster/startfenster.h"

#include "fenster/bildknopf.h"
#include "fenster/hauptfenster.h"
#include "gemeinsam/meldungen.h"
#include "kunst/kunst.h"
#include "plattform/shell.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

TForm1::TForm1(TForm2* hauptfenster, QWidget* eltern)
    : QWidget(eltern, Qt::Window | Qt::FramelessWindowHint)
    , m_haupt(hauptfenster)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Kalumo"));
    // The main window has the same caption; a screen reader must tell the two apart.
    setAccessibleName(QStringLiteral("Kalumo – Startfenster"));
    setFixedSize(Kunst::StartGroesse);
    setMouseTracking(true);
    setStyleSheet(QStringLiteral("TForm1 { background: black; }"));

    m_hintergrund = new QLabel(this);
    m_hintergrund->setObjectName(QStringLiteral("Image1"));
    m_hintergrund->setPixmap(Kunst::StartHintergrund());
    m_hintergrund->setGeometry(rect());
    m_hintergrund->setMouseTracking(true);
    m_hintergrund->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_version = new QLabel(QStringLiteral(KALUMO_VERSION_TEXT), this);
    m_version->setObjectName(QStringLiteral("VersionLabel"));
    m_version->setStyleSheet(QStringLiteral("color: rgba(255,255,255,190);"));
    m_version->setGeometry(380, 340, 100, 20);
    m_version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_version->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_start = new TBildKnopf(Kunst::StartKnopf(QStringLiteral("Starten"), true), QStringLiteral("Starten"), this);
    m_start->setObjectName(QStringLiteral("Image4"));
    m_start->setAccessibleDescription(QStringLiteral("Öffnet das Hauptfenster mit den Vorgaben des Sprechtags"));
    m_start->move(24, 206);
    m_ende = new TBildKnopf(Kunst::StartKnopf(QStringLiteral("Beenden"), false), QStringLiteral("Beenden"), this);
    m_ende->setObjectName(QStringLiteral("Image5"));
    m_ende->setAccessibleDescription(QStringLiteral("Beendet Kalumo"));
    m_ende->move(24 + Kunst::KnopfGroesse.width() + 12, 206);

    m_web = new TKlickFlaeche(QStringLiteral("Internetseite öffnen"), this);
    m_web->setObjectName(QStringLiteral("Image2"));
    m_web->setGeometry(Kunst::WebBereich());
    m_mail = new TKlickFlaeche(QStringLiteral("E-Mail an den Support schreiben"), this);
    m_mail->setObjectName(QStringLiteral("Image3"));
    m_mail->setGeometry(Kunst::MailBereich());

    connect(m_start, &QAbstractButton::clicked, this, &TForm1::Image4Click);
    connect(m_ende, &QAbstractButton::clicked, this, &TForm1::Image5Click);
    connect(m_web, &QAbstractButton::clicked, this, &TForm1::Image2Click);
    connect(m_mail, &QAbstractButton::clicked, this, &TForm1::Image3Click);
    connect(m_start, &TBildKnopf::mausDrueber, this, &TForm1::hoverSetzen);
    connect(m_ende, &TBildKnopf::mausDrueber, this, &TForm1::hoverSetzen);

    setTabOrder(m_start, m_ende);
    setTabOrder(m_ende, m_web);
    setTabOrder(m_web, m_mail);
    m_start->setFocus();

    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect bild = s->availableGeometry();
        move(bild.center() - rect().center());
    }
}

void TForm1::hoverSetzen(TBildKnopf* ueber)
{
    m_start->SetHervorgehoben(m_start == ueber);
    m_ende->SetHervorgehoben(m_ende == ueber);
}

void TForm1::Image4Click()
{
    hoverSetzen(nullptr);
    m_haupt->ZeigeSeite(TForm2::Seite::Vorgaben);
    hide();
    m_haupt->exec();
    show();
    m_start->setFocus();
}

void TForm1::Image5Click()
{
    hoverSetzen(nullptr);
    close();
}

void TForm1::Image2Click()
{
    const QString adresse = QString::fromLatin1(Shell::WebAdresse);
    Shell::InZwischenablage(adresse);
    if (!Shell::Oeffne(QUrl(adresse)))
        Meldung::Info(this, Shell::BrowserMeldung());
}

void TForm1::Image3Click()
{
    const QString adresse = QString::fromLatin1(Shell::SupportAdresse);
    Shell::InZwischenablage(adresse);
    if (!Shell::Oeffne(QUrl(QStringLiteral("mailto:") + adresse)))
        Meldung::Info(this, Shell::BrowserMeldung());
}

void TForm1::mousePressEvent(QMouseEvent* e)
{
    m_ziehen = true;
    m_ziehPunkt = e->globalPosition().toPoint() - frameGeometry().topLeft();
}

void TForm1::mouseMoveEvent(QMouseEvent* e)
{
    hoverSetzen(nullptr);
    if (m_ziehen && (e->buttons() & Qt::LeftButton))
        move(e->globalPosition().toPoint() - m_ziehPunkt);
}

void TForm1::mouseReleaseEvent(QMouseEvent*)
{
    m_ziehen = false;
}

void TForm1::closeEvent(QCloseEvent* e)
{
    if (m_schliessenErlaubt && !m_schliessenErlaubt()) {
        e->ignore();
        return;
    }
    e->accept();
    emit beendet();
}

#include "dialoge/wartefenster.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

TWaitForm::TWaitForm(QWidget* eltern)
    : QWidget(eltern, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("WaitForm"));
    setWindowTitle(QStringLiteral("Bitte warten"));
    setFixedSize(221, 116);
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* text = new QLabel(QStringLiteral("Bitte warten"), this);
    text->setObjectName(QStringLiteral("Panel1"));
    text->setAlignment(Qt::AlignCenter);
    text->setStyleSheet(QStringLiteral("QLabel { background: #2f6f73; color: white; border: 2px solid #1f3b57;"
                                       " font-size: 16pt; font-weight: bold; }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text);
}

void TWaitForm::Zeige(QWidget* auch)
{
    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
    show();
    raise();
    if (auch)
        auch->repaint();
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TWaitForm::Schliesse()
{
    hide();
}

TWarten::TWarten(TWaitForm* fenster, QWidget* auch)
    : m_fenster(fenster)
{
    if (m_fenster)
        m_fenster->Zeige(auch);
}

TWarten::~TWarten()
{
    if (m_fenster)
        m_fenster->Schliesse();
}

#include "fenster/bildknopf.h"

#include <QKeyEvent>
#include <QPainter>

TBildKnopf::TBildKnopf(const QPixmap& zweiZustaende, const QString& text, QWidget* eltern)
    : QAbstractButton(eltern)
    , m_bild(zweiZustaende)
{
    setText(text);
    setAccessibleName(text);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(sizeHint());
}

QSize TBildKnopf::sizeHint() const
{
    return {m_bild.width(), m_bild.height() / 2};
}

void TBildKnopf::SetHervorgehoben(bool an)
{
    if (m_hervor == an)
        return;
    m_hervor = an;
    update();
}

void TBildKnopf::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int hoehe = height();
    // The highlighted state is the picture moved up by one button height.
    p.drawPixmap(0, m_hervor || hasFocus() ? -hoehe : 0, m_bild);
}

void TBildKnopf::mouseMoveEvent(QMouseEvent* e)
{
    emit mausDrueber(this);
    QAbstractButton::mouseMoveEvent(e);
}

void TBildKnopf::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(e);
}

void TBildKnopf::focusInEvent(QFocusEvent* e)
{
    update();
    QAbstractButton::focusInEvent(e);
}

void TBildKnopf::focusOutEvent(QFocusEvent* e)
{
    update();
    QAbstractButton::focusOutEvent(e);
}

TKlickFlaeche::TKlickFlaeche(const QString& name, QWidget* eltern)
    : QAbstractButton(eltern)
{
    setText(name);
    setAccessibleName(name);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void TKlickFlaeche::paintEvent(QPaintEvent*)
{
    if (!hasFocus())
        return;
    QPainter p(this);
    p.setPen(QPen(QColor(255, 255, 255, 160), 1, Qt::DotLine));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TKlickFlaeche::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(e);
}

#pragma once
// A picture button of the start window: shows the upper half of a two-state picture, or
// the lower, highlighted half while it is "hovered". The window decides the hover state so
// that moving onto one button puts the others back.

#include <QAbstractButton>
#include <QPixmap>

class TBildKnopf : public QAbstractButton {
    Q_OBJECT
public:
    TBildKnopf(const QPixmap& zweiZustaende, const QString& text, QWidget* eltern);

    void SetHervorgehoben(bool an);
    bool Hervorgehoben() const { return m_hervor; }
    QSize sizeHint() const override;

signals:
    void mausDrueber(TBildKnopf* knopf);

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    QPixmap m_bild;
    bool m_hervor = false;
};

/// An invisible clickable area over text printed in a picture.
class TKlickFlaeche : public QAbstractButton {
    Q_OBJECT
public:
    TKlickFlaeche(const QString& name, QWidget* eltern);

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
};

#pragma once
// The start window: a borderless picture with the start and close buttons. It opens the
// main window modally and ends the program when it closes.

#include <QPoint>
#include <QWidget>
#include <functional>

class QLabel;
class TBildKnopf;
class TKlickFlaeche;
class TForm2;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(TForm2* hauptfenster, QWidget* eltern = nullptr);

    /// Asked before the window closes; returning false keeps the program running.
    void SetSchliessenErlaubt(std::function<bool()> pruefung) { m_schliessenErlaubt = std::move(pruefung); }

    void Image4Click();
    void Image5Click();
    void Image2Click();
    void Image3Click();

signals:
    /// The window closed for good: the program ends after this.
    void beendet();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void hoverSetzen(TBildKnopf* ueber);

    TForm2* m_haupt;
    QLabel* m_hintergrund;
    QLabel* m_version;
    TBildKnopf* m_start;
    TBildKnopf* m_ende;
    TKlickFlaeche* m_web;
    TKlickFlaeche* m_mail;
    bool m_ziehen = false;
    QPoint m_ziehPunkt;
    std::function<bool()> m_schliessenErlaubt;
};

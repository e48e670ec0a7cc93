#pragma once
// A paint device that records what is drawn on it: texts with their top-left corner
// and font, lines with their pen, and the page each lands on. It reports the printable
// area of an A4 printer with 10 mm margins at 600 dpi.

#include <QFont>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QPoint>
#include <QString>
#include <memory>
#include <vector>

struct TGezeichneterText {
    QString text;
    QPointF grundlinie; ///< start of the baseline, device pixels
    QFont schrift;
    double breite = 0;  ///< advance width, device pixels
    int seite = 0;
};

struct TGezeichneteLinie {
    QLineF linie;
    QPen stift;
    int seite = 0;
};

class TAufzeichnung : public QPaintDevice {
public:
    TAufzeichnung(int breiteMm = 190, int hoeheMm = 277, int dpi = 600);
    ~TAufzeichnung() override;

    QPaintEngine* paintEngine() const override;

    /// What QPrinter::newPage does for the painter.
    bool NeueSeite()
    {
        ++seite;
        return true;
    }

    int seite = 0;
    std::vector<TGezeichneterText> texte;
    std::vector<TGezeichneteLinie> linien;

    /// Top of a recorded text in device pixels (baseline minus ascent).
    int Oben(const TGezeichneterText& t) const;
    const TGezeichneterText* Finde(const QString& text, int ab = 0) const;
    std::vector<const TGezeichneterText*> AlleMit(const QString& text) const;

    int breiteMm, hoeheMm, dpi;

protected:
    int metric(PaintDeviceMetric m) const override;

private:
    std::unique_ptr<QPaintEngine> m_engine;
};

#include "aufzeichnung.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <QTextItem>

namespace {

class TAufzeichnungsEngine : public QPaintEngine {
public:
    explicit TAufzeichnungsEngine(TAufzeichnung& ziel) : QPaintEngine(QPaintEngine::AllFeatures), m_ziel(ziel) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState& s) override
    {
        if (s.state() & QPaintEngine::DirtyPen)
            m_stift = s.pen();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        m_ziel.texte.push_back({item.text(), p, item.font(), item.width(), m_ziel.seite});
    }
    void drawLines(const QLineF* lines, int n) override
    {
        for (int i = 0; i < n; ++i)
            m_ziel.linien.push_back({lines[i], m_stift, m_ziel.seite});
    }
    void drawLines(const QLine* lines, int n) override
    {
        for (int i = 0; i < n; ++i)
            m_ziel.linien.push_back({QLineF(lines[i]), m_stift, m_ziel.seite});
    }
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}

private:
    TAufzeichnung& m_ziel;
    QPen m_stift;
};

} // namespace

TAufzeichnung::TAufzeichnung(int b, int h, int d)
    : breiteMm(b), hoeheMm(h), dpi(d), m_engine(std::make_unique<TAufzeichnungsEngine>(*this))
{
}

TAufzeichnung::~TAufzeichnung() = default;

QPaintEngine* TAufzeichnung::paintEngine() const
{
    return m_engine.get();
}

int TAufzeichnung::metric(PaintDeviceMetric m) const
{
    switch (m) {
    case PdmWidth: return int(breiteMm / 25.4 * dpi);
    case PdmHeight: return int(hoeheMm / 25.4 * dpi);
    case PdmWidthMM: return breiteMm;
    case PdmHeightMM: return hoeheMm;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return dpi;
    case PdmNumColors: return 256;
    case PdmDepth: return 32;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
    default: return 0;
    }
}

int TAufzeichnung::Oben(const TGezeichneterText& t) const
{
    return int(t.grundlinie.y()) - QFontMetrics(t.schrift, const_cast<TAufzeichnung*>(this)).ascent();
}

const TGezeichneterText* TAufzeichnung::Finde(const QString& text, int ab) const
{
    for (size_t i = size_t(ab); i < texte.size(); ++i)
        if (texte[i].text == text)
            return &texte[i];
    return nullptr;
}

std::vector<const TGezeichneterText*> TAufzeichnung::AlleMit(const QString& text) const
{
    std::vector<const TGezeichneterText*> r;
    for (const auto& t : texte)
        if (t.text == text)
            r.push_back(&t);
    return r;
}

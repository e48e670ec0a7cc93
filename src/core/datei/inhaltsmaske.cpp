#include "datei/inhaltsmaske.h"

namespace Inhalt {

int MitAbhaengigkeiten(int maske)
{
    maske &= Alles;
    if (maske & Vorgaben)
        maske |= Lehrer;
    if (maske & (Sprech | Ungewuenscht | Plaene))
        maske |= Lehrer | Eltern;
    return maske;
}

int SpeicherMaske(int angekreuzt, bool plaeneGueltig)
{
    if (!plaeneGueltig)
        angekreuzt &= ~Plaene;
    return MitAbhaengigkeiten(angekreuzt);
}

} // namespace Inhalt

#include "dateisystem/dateiendung.h"

#include <gtest/gtest.h>

namespace {

struct TEndungsFall {
    const char* eingabe;
    const char* endung;
    const char* erwartet;
};

TEST(Dateiendung, NurNamenOhneEigeneEndungBekommenDieDesFilters)
{
    const TEndungsFall faelle[] = {
        {"/tmp/liste", "txt", "/tmp/liste.txt"},
        {"/tmp/liste.txt", "txt", "/tmp/liste.txt"},
        {"/tmp/liste.TXT", "txt", "/tmp/liste.TXT"},
        // Another extension typed on purpose stays.
        {"/tmp/liste.csv", "txt", "/tmp/liste.csv"},
        {"/tmp/tag.qvt", "qvt", "/tmp/tag.qvt"},
        // Dates and class numbers are part of the name.
        {"/tmp/Sprechtag 10.12.2026", "qvt", "/tmp/Sprechtag 10.12.2026.qvt"},
        {"/tmp/Kl. 5", "qvt", "/tmp/Kl. 5.qvt"},
        {"/tmp/Herbst.Sprechtag", "qvt", "/tmp/Herbst.Sprechtag.qvt"},
        {"/tmp/Frau Dr. Öztürk", "pdf", "/tmp/Frau Dr. Öztürk.pdf"},
        {"/tmp/plaene.", "pdf", "/tmp/plaene.pdf"},
        // The dot of a folder is no extension of the file.
        {"/tmp/ordner.d/liste", "txt", "/tmp/ordner.d/liste.txt"},
        {"/tmp/.versteckt", "txt", "/tmp/.versteckt.txt"},
        {"liste", "txt", "liste.txt"},
        {"/tmp/liste", "", "/tmp/liste"},
        {"", "txt", ""},
    };
    for (const TEndungsFall& f : faelle)
        EXPECT_EQ(Dateisystem::MitEndung(QString::fromUtf8(f.eingabe), QString::fromUtf8(f.endung)), QString::fromUtf8(f.erwartet))
            << f.eingabe << " + " << f.endung;
}

} // namespace

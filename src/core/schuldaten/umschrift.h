#pragma once
// Names from every language in a day that holds Windows-1252 only, and matching that
// forgives the spelling differences between a school's programs ("Ayşe" in the online
// form, "Ayse" in the timetable export).

#include <QString>
#include <optional>

namespace Schuldaten {

struct TUmschrift {
    QString Text;
    /// The first character that has no Latin reading (the text is then unusable).
    std::optional<char32_t> OhneLesart;
    bool ok() const { return !OhneLesart; }
};

/// Writes every character that Windows-1252 lacks with the nearest letters it has
/// ("Yılmaz, Ayşe" → "Yilmaz, Ayse", "Nguyễn" → "Nguyen", "Иванов" → "Ivanov"); every
/// character Windows-1252 has (ä, ß, é, Š, Ž …) stays as it is.
TUmschrift InWindows1252(const QString& text);

/// The key under which names are compared tolerantly: transliterated to Latin letters
/// without accents, case-folded, umlauts and their spelt-out forms alike ("Müller",
/// "Mueller", "MULLER"), hyphens and runs of blanks as one blank, trimmed.
QString FaltSchluessel(const QString& text);

} // namespace Schuldaten

#pragma once
// The e-mail fields of the detail pages: one for a teacher, two for a parent entry
// (families often give two). A typed address is checked for a plausible form before it
// reaches the record; an address goes into mail headers, so nothing implausible or with a
// control character is ever stored. An emptied field removes its address.

#include <QString>
#include <QStringList>

class TSprechtag;

inline const QString LehrerEMailFeld = QStringLiteral("E-Mail");
inline const QString ElternEMailFeld1 = QStringLiteral("E-Mail");
inline const QString ElternEMailFeld2 = QStringLiteral("Zweite E-Mail");

struct TEMailEingabe {
    /// False: show Meldung; nothing was changed.
    bool Ok = true;
    QString Meldung;
};

/// The teacher's address becomes `text` (blanks around it do not count). A name the day
/// does not hold changes nothing.
TEMailEingabe LehrerEMailSetzen(TSprechtag& tag, const QString& lehrer, const QString& text);

/// A parent entry's field that showed `bisher` now holds `text`: `bisher` is replaced in
/// place (removed for an empty text), a field that showed nothing adds its address. Going
/// by the shown address rather than the field's position keeps both fields right when
/// both were edited before either was taken (the stored list has no gaps, so emptying
/// the first field moves the second address up). `feld` names the field in a message.
TEMailEingabe ElternEMailSetzen(TSprechtag& tag, const QString& eltern, const QString& bisher, const QString& text,
                                const QString& feld);

/// What field `nummer` shows for an address list (empty beyond its end).
QString EMailAnzeige(const QStringList& adressen, int nummer);

#include "gemeinsam/dateiwahl.h"

#include "dateisystem/dateiendung.h"

#include <QFileDialog>

namespace Dateiwahl {
namespace {

Abfang& abfang()
{
    static Abfang a;
    return a;
}

} // namespace

namespace {

QString frage(QWidget* eltern, const TAnfrage& a)
{
    if (abfang())
        return abfang()(a);
    QFileDialog dlg(eltern, a.titel, a.ordner, a.filter);
    if (a.ordnerWahl) {
        dlg.setFileMode(QFileDialog::Directory);
        dlg.setOption(QFileDialog::ShowDirsOnly);
        return dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty() ? dlg.selectedFiles().first() : QString();
    }
    if (!a.endung.isEmpty())
        dlg.setDefaultSuffix(a.endung);
    if (a.speichern) {
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setOption(QFileDialog::DontConfirmOverwrite);
        if (!a.vorschlag.isEmpty())
            dlg.selectFile(a.vorschlag);
    } else {
        dlg.setFileMode(QFileDialog::ExistingFile);
    }
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    return dlg.selectedFiles().first();
}

} // namespace

QString Waehle(QWidget* eltern, const TAnfrage& a)
{
    const QString pfad = frage(eltern, a);
    // Qt adds the default suffix only to names without any dot, and not every platform
    // dialog adds it at all.
    return a.speichern ? Dateisystem::MitEndung(pfad, a.endung) : pfad;
}

void SetAbfang(Abfang a) { abfang() = std::move(a); }

} // namespace Dateiwahl

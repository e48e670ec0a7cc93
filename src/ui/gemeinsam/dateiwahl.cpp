#include "gemeinsam/dateiwahl.h"

#include <QFileDialog>

namespace Dateiwahl {
namespace {

Abfang& abfang()
{
    static Abfang a;
    return a;
}

} // namespace

QString Waehle(QWidget* eltern, const TAnfrage& a)
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

void SetAbfang(Abfang a) { abfang() = std::move(a); }

} // namespace Dateiwahl

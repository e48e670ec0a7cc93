#include "dialoge/druckerwahl.h"

#include "dateisystem/dateiendung.h"

#include <QPrintDialog>
#include <QPrinter>

TDruckerWahl::TDruckerWahl(QObject* eltern)
    : QObject(eltern)
    , m_drucker(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    m_drucker->setPageOrientation(QPageLayout::Portrait);
    m_wahl = [](QPrinter& drucker, QWidget* eltern) {
        QPrintDialog dlg(&drucker, eltern);
        dlg.setWindowTitle(QStringLiteral("Drucken"));
        // A page range makes no sense for a job whose pages are only known when printing.
        dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dlg.setOption(QAbstractPrintDialog::PrintSelection, false);
        return dlg.exec() == QDialog::Accepted;
    };
}

TDruckerWahl::~TDruckerWahl() = default;

QPrinter* TDruckerWahl::Waehle(QWidget* eltern)
{
    if (!m_wahl(*m_drucker, eltern))
        return nullptr;
    // "Print to file" writes exactly the name typed; a PDF reader wants the extension.
    if (m_drucker->outputFormat() == QPrinter::PdfFormat && !m_drucker->outputFileName().isEmpty())
        m_drucker->setOutputFileName(Dateisystem::MitEndung(m_drucker->outputFileName(), QStringLiteral("pdf")));
    return m_drucker.get();
}

#include "dialoge/planeditor.h"

#include "gemeinsam/meldungen.h"
#include "gemeinsam/okabbruch.h"
#include "gemeinsam/titelraum.h"
#include "text/freitext.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TPlanEditorForm::TPlanEditorForm(QWidget* eltern)
    : QDialog(eltern)
{
    setObjectName(QStringLiteral("PlanEditorForm"));
    setWindowTitle(QStringLiteral("Zeitplan bearbeiten"));

    m_name = new QLabel(this);
    m_name->setObjectName(QStringLiteral("NPanel"));
    m_name->setTextFormat(Qt::PlainText);
    m_name->setAlignment(Qt::AlignCenter);
    m_name->setFrameShape(QFrame::StyledPanel);
    m_name->setMargin(6);
    QFont fett = m_name->font();
    fett.setBold(true);
    m_name->setFont(fett);

    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("PlanMemo"));
    m_memo->setAccessibleName(QStringLiteral("Zeitplan"));
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo->setTabChangesFocus(true);
    m_memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* hinweis = new QLabel(QStringLiteral("Wenn Sie die vom Programm berechneten Zeitpläne abändern, müssen Sie selbst für die "
                                              "Richtigkeit und Durchgängigkeit der Änderungen sorgen."),
                               this);
    hinweis->setWordWrap(true);
    m_memo->setAccessibleDescription(hinweis->text());

    auto* knoepfe = OkAbbruchZeile(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_name);
    layout->addWidget(m_memo, 1);
    layout->addWidget(hinweis);
    layout->addLayout(knoepfe);
    resize(460, 440);
    RaumFuerTitel(this);
}

std::optional<QStringList> TPlanEditorForm::Bearbeiten(const QString& name, const QStringList& zeilen)
{
    m_name->setText(name);
    m_memo->setPlainText(zeilen.join(QLatin1Char('\n')));
    m_memo->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    const QString text = m_memo->toPlainText();
    if (text.isEmpty())
        return QStringList();
    QStringList neu = text.split(QLatin1Char('\n'));
    // A memo ending in a line break holds no extra empty line.
    if (text.endsWith(QLatin1Char('\n')))
        neu.removeLast();
    return neu;
}

void TPlanEditorForm::accept()
{
    const QString meldung =
        Freitext::Pruefe(QStringLiteral("Der Zeitplan von „%1“").arg(m_name->text()), m_memo->toPlainText());
    if (!meldung.isEmpty()) {
        Meldung::Fehler(this, meldung);
        m_memo->setFocus();
        return;
    }
    QDialog::accept();
}

#pragma once
// "Vorschaulisten erzeugen": where the finished preview lists go. The dialog lives for the
// whole run, so both boxes keep their last state.

#include <QDialog>

class QCheckBox;

class TPreviewStoreForm : public QDialog {
    Q_OBJECT
public:
    explicit TPreviewStoreForm(QWidget* eltern = nullptr);

    QCheckBox* CheckBox1() const { return m_datei; }
    QCheckBox* CheckBox2() const { return m_drucken; }

private:
    QCheckBox* m_datei;
    QCheckBox* m_drucken;
};

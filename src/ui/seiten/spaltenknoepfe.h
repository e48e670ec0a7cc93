#pragma once
// "-" count "+": the column controls of the relation lists and of the parent overview.

#include <QWidget>

class QLabel;
class QPushButton;

class TSpaltenKnoepfe : public QWidget {
    Q_OBJECT
public:
    TSpaltenKnoepfe(const QString& panelName, const QString& decName, const QString& labelName, const QString& incName,
                    QWidget* eltern);

    void SetZahl(int zahl);
    QPushButton* Dec() const { return m_dec; }
    QPushButton* Inc() const { return m_inc; }

signals:
    void weniger();
    void mehr();

private:
    QPushButton* m_dec;
    QLabel* m_zahl;
    QPushButton* m_inc;
};

#pragma once
// "Bitte warten": a borderless panel shown without blocking around a long step.

#include <QWidget>

class TWaitForm : public QWidget {
    Q_OBJECT
public:
    explicit TWaitForm(QWidget* eltern = nullptr);

    /// Shows the panel centred on the screen and paints it (and `auch`) at once, so that it
    /// is visible during the step that follows.
    void Zeige(QWidget* auch = nullptr);
    void Schliesse();
};

/// Shows the wait window for the lifetime of the object.
class TWarten {
public:
    TWarten(TWaitForm* fenster, QWidget* auch = nullptr);
    ~TWarten();
    TWarten(const TWarten&) = delete;
    TWarten& operator=(const TWarten&) = delete;

private:
    TWaitForm* m_fenster;
};

#pragma once
// What the timetable computation tells the outside world while it runs. The progress
// window implements it; tests and the command line use quiet or counting versions.

#include <QString>

class TFortschritt {
public:
    virtual ~TFortschritt() = default;

    /// One progress state: grant pass `durchgang` of `durchgaenge`, `fertig` at the very
    /// end, the family/teacher line `text`, parent entries placed so far, requests granted
    /// (`bewilligt`) and appointments placed (`vergeben`).
    virtual void ZeigAn(int durchgang, int durchgaenge, bool fertig, const QString& text,
                        int platziert, int bewilligt, int vergeben) = 0;

    /// Lets pending user-interface events run, so that the window repaints and answers.
    virtual void EreignisseVerarbeiten() {}
};

/// A progress sink that shows nothing.
class TStillerFortschritt : public TFortschritt {
public:
    void ZeigAn(int, int, bool, const QString&, int, int, int) override {}
};

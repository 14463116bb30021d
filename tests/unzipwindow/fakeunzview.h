#pragma once

// A stand-in for the unzip window that writes down what the binding does.

#include "unzview.h"

#include <QStringList>

#include <functional>

class FakeUnzView : public UnzView {
public:
    QStringList log;      // every call, in order
    QStringList percents; // texts given to Label3
    QList<double> widths; // widths given to Shape1
    QString output;       // MsgOut
    int redraws = 0;
    // Written next to "hide" and "show", e.g. the number of prompts asked.
    std::function<QString()> note = [] { return QString(); };

    void hideWindow() override { log << QStringLiteral("hide") + note(); }
    void showWindow() override { log << QStringLiteral("show") + note(); }
    void setWindowHeight(int h) override { log << QStringLiteral("height %1").arg(h); }
    void setProgressShown(bool shown) override {
        log << QStringLiteral("progress %1").arg(shown ? 1 : 0);
    }
    int barFrameWidth() const override { return 3135; }
    int barFrameHeight() const override { return 255; }
    void setBarGeometry(double l, double t, double w, double h) override {
        log << QStringLiteral("bar %1 %2 %3 %4").arg(l).arg(t).arg(w).arg(h);
    }
    void setBarWidth(double w) override { widths << w; }
    void redrawBar() override { ++redraws; }
    void setPercentText(const QString& text) override { percents << text; }
    QString outputText() const override { return output; }
    void setOutputText(const QString& text) override { output = text; }
    // What the user does while the engine works.
    std::function<void()> onServe = [] {};
    int serves = 0;
    void serveEvents() override {
        ++serves;
        onServe();
    }
};

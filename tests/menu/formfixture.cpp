#include "formfixture.h"

std::optional<QString> FormFixture::load(const QString& language) {
    Form1::Options options;
    options.discFolder = disc.folder();
    options.language = language;
    options.homeFolder = home;
    form = std::make_unique<Form1>(options, desktop, sound);
    form->setFrameMeasure(frame());
    form->setPrompts(prompts);
    return form->load();
}

const FrameMeasure& FormFixture::frame() {
    static const FrameMeasure measure = measureFrame(QStringLiteral("Form2"));
    return measure;
}

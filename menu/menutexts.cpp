#include "menutexts.h"

#include "textcatalog.h"

MenuTexts MenuTexts::forLanguage(const QString& language) {
    const TextCatalog& catalog = TextCatalog::forLanguage(language);
    return {catalog.text(QT_TRID_NOOP("menu.explore")),
            catalog.text(QT_TRID_NOOP("menu.aboutCredit")),
            catalog.text(QT_TRID_NOOP("menu.notFound")),
            catalog.text(QT_TRID_NOOP("menu.windowsProgram")),
            catalog.text(QT_TRID_NOOP("menu.notAProgram")),
            catalog.text(QT_TRID_NOOP("menu.noApplication")),
            catalog.text(QT_TRID_NOOP("menu.cannotStart"))};
}

QString MenuTexts::failureMessage(const DesktopFailure& failure) const {
    using Reason = DesktopFailure::Reason;
    switch (failure.reason) {
    case Reason::NotFound:
        return notFound.arg(failure.file);
    case Reason::WindowsProgram:
        return windowsProgram.arg(failure.file);
    case Reason::NotAProgram:
        return notAProgram.arg(failure.file);
    case Reason::NoApplication:
        return noApplication.arg(failure.file);
    case Reason::None:
    case Reason::CannotStart:
        break;
    }
    return cannotStart.arg(failure.file);
}

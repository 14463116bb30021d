#include "menutexts.h"

MenuTexts MenuTexts::forLanguage(const QString& language) {
    if (language == u"EN") {
        return {
            QStringLiteral("Explore"),
            QStringLiteral("This application has been made with Tarsel Freeware. For further "
                           "information please e-mail the author or visit the web page"),
            QStringLiteral("\"%1\" cannot be opened: it does not exist."),
            QStringLiteral("\"%1\" is a Windows program: it cannot be started on this system."),
            QStringLiteral("\"%1\" cannot be started: it is not a program this system can run."),
            QStringLiteral("\"%1\" cannot be opened: no application is set to open it."),
            QStringLiteral("\"%1\" cannot be started: the system refused to start it.")};
    }
    return {
        QStringLiteral("Esplora"),
        QStringLiteral("Questa applicazione è stata generata con Tarsel Freeware. Per maggiori "
                       "informazioni visitate la web page."),
        QStringLiteral("Impossibile aprire \"%1\": non esiste."),
        QStringLiteral(
            "\"%1\" è un programma per Windows: non può essere avviato su questo sistema."),
        QStringLiteral(
            "Impossibile avviare \"%1\": non è un programma che questo sistema può eseguire."),
        QStringLiteral("Impossibile aprire \"%1\": nessuna applicazione è impostata per aprirlo."),
        QStringLiteral("Impossibile avviare \"%1\": il sistema non ne ha permesso l'avvio.")};
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

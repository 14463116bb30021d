#include "menutexts.h"

MenuTexts MenuTexts::forLanguage(const QString& language) {
    if (language == u"EN") {
        return {QStringLiteral("Explore"),
                QStringLiteral("This application has been made with Tarsel Freeware. For further "
                               "information please e-mail the author or visit the web page")};
    }
    return {QStringLiteral("Esplora"),
            QStringLiteral("Questa applicazione è stata generata con Tarsel Freeware. Per maggiori "
                           "informazioni visitate la web page.")};
}

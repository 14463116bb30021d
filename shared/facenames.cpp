#include "facenames.h"

#include "menuface.h"
#include "picturebutton.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

namespace {

struct FaceNames {
    QString categories;
    QString applications;
    QString description;
    QString install;
    QString explore;
    QString extra;
    QString pictureButton;
    QString appPicture;
    QString logo;
};

FaceNames faceNames(QStringView language) {
    if (language == u"EN")
        return {u"Category"_s,
                u"Applications"_s,
                u"Description"_s,
                u"Install"_s,
                u"Explore"_s,
                u"More"_s,
                u"Button with a picture"_s,
                u"Picture of the chosen application"_s,
                u"Logo"_s};
    return {u"Categoria"_s,
            u"Applicazioni"_s,
            u"Descrizione"_s,
            u"Installa"_s,
            u"Esplora"_s,
            u"Altro"_s,
            u"Pulsante con immagine"_s,
            u"Immagine dell'applicazione scelta"_s,
            u"Logo"_s};
}

void nameButton(QPushButton* button, const QString& role, const QString& description) {
    if (auto* picture = qobject_cast<PictureButton*>(button))
        picture->setRoleName(role);
    button->setAccessibleDescription(description);
}

} // namespace

void nameFaceControls(MenuFace& face, QStringView language) {
    const FaceNames names = faceNames(language);
    face.categoryBox()->setAccessibleName(names.categories);
    face.appList()->setAccessibleName(names.applications);
    face.textPanel()->setAccessibleName(names.description);
    nameButton(face.installButton(), names.install, names.pictureButton);
    nameButton(face.exploreButton(), names.explore, names.pictureButton);
    nameButton(face.extraButton(), names.extra, names.pictureButton);
    face.appPicture()->setAccessibleName(names.appPicture);
    face.appPicture()->setAccessibleDescription(names.appPicture);
    face.logo()->setAccessibleName(names.logo);
    face.logo()->setAccessibleDescription(names.logo);
}

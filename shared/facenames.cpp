#include "facenames.h"

#include "menuface.h"
#include "picturebutton.h"
#include "textcatalog.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

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
    const TextCatalog& catalog = TextCatalog::forLanguage(language);
    return {catalog.text(QT_TRID_NOOP("face.categories")),
            catalog.text(QT_TRID_NOOP("face.applications")),
            catalog.text(QT_TRID_NOOP("face.description")),
            catalog.text(QT_TRID_NOOP("face.install")),
            catalog.text(QT_TRID_NOOP("face.explore")),
            catalog.text(QT_TRID_NOOP("face.extra")),
            catalog.text(QT_TRID_NOOP("face.pictureButton")),
            catalog.text(QT_TRID_NOOP("face.appPicture")),
            catalog.text(QT_TRID_NOOP("face.logo"))};
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
